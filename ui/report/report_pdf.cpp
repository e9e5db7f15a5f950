#include "report/report_pdf.h"

#include "report/report_document.h"
#include "report/report_texts.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

namespace {

QString Title(const ReportContent& content)
{
    if (content.generalTable)
        return ReportTexts::tr("一般公差表 %1").arg(QString::fromStdString(content.generalTable->designation));
    if (content.bearing)
        return ReportTexts::tr("轴承配合报告 Ø%1 %2")
            .arg(QString::fromStdString(content.sizeMm), QString::fromStdString(content.fitName));
    return ReportTexts::tr("配合报告 Ø%1 %2")
        .arg(QString::fromStdString(content.sizeMm), QString::fromStdString(content.fitName));
}

} // namespace

QString WriteReportPdf(const ReportContent& content, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(600);
        writer.setTitle(Title(content));
        writer.setCreator(QStringLiteral("Quorlan ") + QString::fromStdString(content.version));
        if (!PaintReport(content, writer)) {
            file.cancelWriting();
            return ReportTexts::tr("无法生成 PDF。");
        }
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

bool PrintReport(const ReportContent& content, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // The report keeps its own margins on the whole sheet.
    printer.setFullPage(true);
    printer.setDocName(Title(content));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(ReportTexts::tr("打印报告"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PaintReport(content, printer);
}

const ReportFunctions* QuorlanReportFunctions()
{
    static const ReportFunctions functions {&WriteReportPdf, &PrintReport, &ReportRows};
    return &functions;
}
