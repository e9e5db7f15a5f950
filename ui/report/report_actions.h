#pragma once

#include "report/report_content.h"

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// What the window's report and table commands do once they know what to give out: ask where
// (a file dialog, the print dialog), write, and return a line to show the user (empty when the
// user cancelled).

QString ExportReportWithDialog(QWidget* parent, const ReportContent& content);
QString PrintReportOf(QWidget* parent, const ReportContent& content);
// `name` suggests the file's name, without its suffix.
QString ExportCsvWithDialog(QWidget* parent, const QList<QStringList>& rows, const QString& name);
QString CopyRows(const QList<QStringList>& rows);

// "H7-g6_40mm": a file name for a fit at a size (a file name cannot hold a slash).
QString FitFileName(const QString& fit, const QString& sizeText);
