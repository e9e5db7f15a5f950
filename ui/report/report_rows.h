#pragma once

#include "report/report_content.h"

#include <QList>
#include <QStringList>

// A part of the report as rows of caption, value and unit, under a header row, worded as the report
// words it: what the window copies and exports for its analysis and service tabs.
enum class ReportSection { Fit, PressFit };

QList<QStringList> ReportRows(const ReportContent& content, ReportSection section);
