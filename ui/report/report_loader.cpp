#include "report/report_loader.h"

#include "report/report_pdf.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

// The library beside the program (the build folder) or where it is installed; the reason in
// `error` when neither loads.
const ReportFunctions* Functions(QString& error)
{
    static const ReportFunctions* functions = nullptr;
    if (functions)
        return functions;
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& folder :
         {programFolder.path(), programFolder.filePath(QStringLiteral(QUORLAN_REPORT_LIBRARY_DIR))}) {
        QLibrary library(QDir(folder).filePath(QStringLiteral("quorlan_report")));
        using Entry = const ReportFunctions* (*)();
        if (const auto entry = reinterpret_cast<Entry>(library.resolve("QuorlanReportFunctions"))) {
            functions = entry();
            return functions;
        }
        error = library.errorString();
    }
    return nullptr;
}

} // namespace

QString ExportReportPdf(const ReportContent& content, const QString& path)
{
    QString error;
    const ReportFunctions* functions = Functions(error);
    return functions ? functions->writePdf(content, path) : error;
}

QString PrintReportWithDialog(const ReportContent& content, QWidget* parent)
{
    QString error;
    const ReportFunctions* functions = Functions(error);
    if (!functions)
        return error;
    functions->print(content, parent);
    return {};
}

QList<QStringList> ReportRowsOf(const ReportContent& content, ReportSection section)
{
    QString error;
    const ReportFunctions* functions = Functions(error);
    return functions ? functions->rows(content, section) : QList<QStringList> {{error}};
}
