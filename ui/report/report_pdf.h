#pragma once

#include "report/report_content.h"
#include "report/report_rows.h"

#include <QString>

class QWidget;

// The report written as a PDF file, in full or not at all (an existing file is replaced only once
// the new one is complete); the reason on failure, empty on success.
QString WriteReportPdf(const ReportContent& content, const QString& path);

// The report through the system's print dialog; false if the user cancelled or printing failed.
bool PrintReport(const ReportContent& content, QWidget* parent);

// What the report library offers the program, which loads it only when a report is asked for:
// Qt SVG and Qt Print Support then never slow the main dialog's start.
struct ReportFunctions
{
    QString (*writePdf)(const ReportContent& content, const QString& path);
    bool (*print)(const ReportContent& content, QWidget* parent);
    QList<QStringList> (*rows)(const ReportContent& content, ReportSection section);
};

extern "C" {
// The library's one exported symbol, found by name.
Q_DECL_EXPORT const ReportFunctions* QuorlanReportFunctions();
}
