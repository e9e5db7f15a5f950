#pragma once

#include "report/report_content.h"
#include "report/report_rows.h"

#include <QString>

class QWidget;

// The report library (Qt SVG, Qt Print Support) is loaded on the first report, never at start-up.
// Each returns the reason it failed, empty on success; a cancelled print dialog is no failure.
QString ExportReportPdf(const ReportContent& content, const QString& path);
QString PrintReportWithDialog(const ReportContent& content, QWidget* parent);

// A part of the report as rows (header first) for the clipboard or a CSV file; only the header
// row of a missing library's reason when the library cannot be loaded.
QList<QStringList> ReportRowsOf(const ReportContent& content, ReportSection section);
