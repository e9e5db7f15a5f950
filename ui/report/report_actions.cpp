#include "report/report_actions.h"

#include "report/report_loader.h"
#include "widgets/table_export.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString DocumentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder.isEmpty() || !QFileInfo(folder).isDir() ? QDir::homePath() : folder;
}

// The chosen path with the suffix added if the user typed none.
QString WithSuffix(QString path, const QString& suffix)
{
    if (QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) != 0)
        path += QLatin1Char('.') + suffix;
    return path;
}

QString Outcome(const QString& path, const QString& problem)
{
    const QString shown = QDir::toNativeSeparators(path);
    return problem.isEmpty() ? QApplication::translate("ReportActions", "已保存：%1").arg(shown)
                             : QApplication::translate("ReportActions", "无法保存 %1：%2").arg(shown, problem);
}

} // namespace

QString FitFileName(const QString& fit, const QString& sizeText)
{
    return fit.trimmed().replace(QLatin1Char('/'), QLatin1Char('-')) + QLatin1Char('_') + sizeText.trimmed()
        + QStringLiteral("mm");
}

QString ExportReportWithDialog(QWidget* parent, const ReportContent& content)
{
    QString stem = FitFileName(QString::fromStdString(content.fitName), QString::fromStdString(content.sizeMm));
    if (content.bearing)
        stem = QStringLiteral("bearing_") + stem;
    if (content.generalTable) // "ISO 2768-mK" -> "general_ISO-2768-mK"
        stem = QStringLiteral("general_")
            + QString::fromStdString(content.generalTable->designation)
                  .replace(QRegularExpression(QStringLiteral("[/ ,]+")), QStringLiteral("-"));
    const QString suggested = DocumentsFolder() + QLatin1Char('/') + stem + QStringLiteral(".pdf");
    const QString chosen
        = QFileDialog::getSaveFileName(parent, QApplication::translate("ReportActions", "导出报告"), suggested,
                                       QApplication::translate("ReportActions", "PDF 文件 (*.pdf)"));
    if (chosen.isEmpty())
        return {};
    const QString path = WithSuffix(chosen, QStringLiteral("pdf"));
    return Outcome(path, ExportReportPdf(content, path));
}

QString PrintReportOf(QWidget* parent, const ReportContent& content)
{
    const QString problem = PrintReportWithDialog(content, parent);
    return problem.isEmpty() ? QString() : QApplication::translate("ReportActions", "无法打印：%1").arg(problem);
}

QString ExportCsvWithDialog(QWidget* parent, const QList<QStringList>& rows, const QString& name)
{
    const QString chosen
        = QFileDialog::getSaveFileName(parent, QApplication::translate("ReportActions", "导出表格"),
                                       DocumentsFolder() + QLatin1Char('/') + name + QStringLiteral(".csv"),
                                       QApplication::translate("ReportActions", "CSV 文件 (*.csv)"));
    if (chosen.isEmpty())
        return {};
    const QString path = WithSuffix(chosen, QStringLiteral("csv"));
    return Outcome(path, SaveText(CsvText(rows), path));
}

QString CopyRows(const QList<QStringList>& rows)
{
    QApplication::clipboard()->setText(TabSeparatedText(rows));
    return QApplication::translate("ReportActions", "已复制 %n 行到剪贴板（制表符分隔）。", nullptr,
                                   static_cast<int>(rows.size()));
}
