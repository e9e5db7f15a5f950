#include "fit_window.h"

#include "analysis_page.h"
#include "diagram_file.h"
#include "dialog_units.h"
#include "fit_finder_page.h"
#include "report_actions.h"
#include "report_content.h"
#include "report_loader.h"
#include "service_conditions.h"
#include "service_page.h"
#include "text_language.h"

#include <utility>

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

FitWindow::FitWindow(const FitStart& start, std::filesystem::path tablesFolder, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_tablesFolder(std::move(tablesFolder))
{
    setObjectName(QStringLiteral("fitWindow"));
    setWindowTitle(tr("配合分析 - Quorlan"));
    setFont(DialogFont());

    // One size for the whole window, above the tabs: the finder searches at it and the service
    // conditions take the analysed fit at it.
    auto* sizeRow = new QHBoxLayout;
    m_sizeBox = new QLineEdit(this);
    m_sizeBox->setObjectName(QStringLiteral("fitSizeBox"));
    m_sizeBox->setMaximumWidth(m_sizeBox->fontMetrics().horizontalAdvance(QStringLiteral("0000.000000")) + 12);
    auto* sizeCaption = new QLabel(tr("基本尺寸(&S)"), this);
    sizeCaption->setBuddy(m_sizeBox);
    sizeRow->addWidget(sizeCaption);
    sizeRow->addWidget(m_sizeBox);
    sizeRow->addWidget(new QLabel(tr("mm（不大于 3150 mm，各页共用）"), this));
    sizeRow->addStretch(1);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("fitTabs"));
    m_analysisPage = new AnalysisPage(m_tablesFolder, m_tabs);
    m_tabs->addTab(m_analysisPage, tr("配合分析"));
    m_finderPage = new FitFinderPage(m_tablesFolder, m_tabs);
    m_tabs->addTab(m_finderPage, tr("配合查找"));
    m_servicePage = new ServicePage(m_tabs);
    m_tabs->addTab(m_servicePage, tr("使用条件"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sizeRow);
    layout->addWidget(m_tabs);
    setTabOrder(m_sizeBox, m_tabs);

    connect(m_analysisPage, &AnalysisPage::analysisChanged, this, &FitWindow::OnAnalysisChanged);
    connect(m_analysisPage, &AnalysisPage::copyDrawingLineRequested, this, &FitWindow::CopyDrawingLine);
    connect(m_analysisPage, &AnalysisPage::saveDiagramRequested, this, &FitWindow::SaveDiagram);
    connect(m_finderPage, &FitFinderPage::fitChosen, this, &FitWindow::OnFoundFitChosen);
    connect(m_sizeBox, &QLineEdit::textChanged, m_analysisPage, &AnalysisPage::SetSizeText);
    connect(m_sizeBox, &QLineEdit::textChanged, m_finderPage, &FitFinderPage::SetSizeText);

    // One calculation for the start, with both inputs in place.
    {
        const QSignalBlocker blocker(m_sizeBox);
        m_sizeBox->setText(QString::fromStdString(start.sizeText));
    }
    m_finderPage->SetSizeText(m_sizeBox->text());
    m_analysisPage->SetInputs(m_sizeBox->text(), QString::fromStdString(start.designation));

    const auto addCommand
        = [this](const char* name, const QString& text, const QKeySequence& keys, void (FitWindow::*command)()) {
              auto* action = new QAction(text, this);
              action->setObjectName(QLatin1String(name));
              action->setShortcut(keys);
              connect(action, &QAction::triggered, this, command);
              addAction(action);
          };
    addCommand("actionExportReport", tr("导出报告为 PDF(&E)..."), {}, &FitWindow::ExportReport);
    addCommand("actionPrint", tr("打印报告(&P)..."), QKeySequence::Print, &FitWindow::PrintReport);
    addCommand("actionExportCsv", tr("导出表格为 CSV(&V)..."), {}, &FitWindow::ExportTableCsv);
    addCommand("actionCopyResults", tr("复制结果(&C)"), QKeySequence::Copy, &FitWindow::CopyResults);
    // Until the window has menus, a right-click on its free area offers them.
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void FitWindow::OnAnalysisChanged()
{
    m_servicePage->SetFit(m_analysisPage->Analysis(), m_analysisPage->Problem());
}

void FitWindow::OnFoundFitChosen(const QString& designation)
{
    m_analysisPage->SetDesignation(designation);
    m_tabs->setCurrentWidget(m_analysisPage);
}

void FitWindow::CopyDrawingLine()
{
    QGuiApplication::clipboard()->setText(m_analysisPage->DrawingLine());
    m_analysisPage->ShowStatus(tr("已复制到剪贴板：") + m_analysisPage->DrawingLine());
}

void FitWindow::SaveDiagram()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    // "H7-g6_40mm.svg": no slash, which a file name cannot hold.
    const QString suggested = m_analysisPage->Designation().trimmed().replace(QLatin1Char('/'), QLatin1Char('-'))
        + QLatin1Char('_') + m_sizeBox->text().trimmed() + QStringLiteral("mm.svg");
    const QString svgFilter = tr("SVG 矢量图 (*.svg)");
    const QString pngFilter = tr("PNG 图片 (*.png)");
    QString chosenFilter = svgFilter;
    QString path = QFileDialog::getSaveFileName(this, tr("保存配合图"), folder + QLatin1Char('/') + suggested,
                                                svgFilter + QStringLiteral(";;") + pngFilter, &chosenFilter);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
        path += chosenFilter == pngFilter ? QStringLiteral(".png") : QStringLiteral(".svg");
    const QString problem = ::SaveDiagram(m_analysisPage->DiagramSvg(), path);
    m_analysisPage->ShowStatus(problem.isEmpty() ? tr("已保存：%1").arg(QDir::toNativeSeparators(path))
                                                 : tr("无法保存 %1：%2").arg(QDir::toNativeSeparators(path), problem));
}

std::optional<ReportContent> FitWindow::Report(bool withPressFit) const
{
    const std::optional<FitAnalysis>& analysis = m_analysisPage->Analysis();
    if (!analysis)
        return std::nullopt;
    std::optional<ServiceInputs> service = m_servicePage->Inputs();
    // The report's press fit is the one designed: a hub given. The service tab's own rows show
    // whatever it shows.
    if (!withPressFit && service && !service->hubOutsideDiameterMm)
        service.reset();
    ReportContent content = BuildReportContent(
        *analysis, service ? &*service : nullptr,
        words::CurrentLanguage() == words::Language::English ? ReportLanguage::English : ReportLanguage::Chinese,
        QUORLAN_VERSION, QDate::currentDate().toString(Qt::ISODate).toStdString());
    content.tablesFolder
        = QDir(m_tablesFolder.empty() ? QDir::currentPath() : QString::fromStdString(m_tablesFolder.string()))
              .absolutePath()
              .toStdString();
    return content;
}

void FitWindow::Tell(const QString& outcome)
{
    if (outcome.isEmpty())
        return;
    if (m_tabs->currentWidget() == m_analysisPage)
        m_analysisPage->ShowStatus(outcome);
    else
        QMessageBox::information(this, windowTitle(), outcome);
}

void FitWindow::ExportReport()
{
    const auto content = Report(false);
    if (!content) {
        QMessageBox::warning(this, windowTitle(), tr("没有可写入报告的配合：") + m_analysisPage->Problem());
        return;
    }
    Tell(ExportReportWithDialog(this, *content));
}

void FitWindow::PrintReport()
{
    const auto content = Report(false);
    if (!content) {
        QMessageBox::warning(this, windowTitle(), tr("没有可打印的配合：") + m_analysisPage->Problem());
        return;
    }
    Tell(PrintReportOf(this, *content));
}

QList<QStringList> FitWindow::CurrentResultRows() const
{
    if (m_tabs->currentWidget() == m_finderPage)
        return m_finderPage->ResultRows();
    const auto content = Report(true);
    if (!content)
        return {{m_analysisPage->Problem()}};
    const bool service = m_tabs->currentWidget() == m_servicePage;
    return ReportRowsOf(*content, service ? ReportSection::PressFit : ReportSection::Fit);
}

void FitWindow::ExportTableCsv()
{
    const QString tab = m_tabs->currentWidget() == m_finderPage ? QStringLiteral("_fits")
        : m_tabs->currentWidget() == m_servicePage              ? QStringLiteral("_press-fit")
                                                                : QString();
    Tell(ExportCsvWithDialog(this, CurrentResultRows(),
                             FitFileName(m_analysisPage->Designation(), m_sizeBox->text()) + tab));
}

void FitWindow::CopyResults()
{
    // A box for every copy would be a nuisance: only the analysis tab, which has a status line, says so.
    const QString outcome = CopyRows(CurrentResultRows());
    if (m_tabs->currentWidget() == m_analysisPage)
        m_analysisPage->ShowStatus(outcome);
}
