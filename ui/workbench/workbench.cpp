#include "workbench/workbench.h"

#include "core/fit_diagram.h"
#include "core/service_conditions.h"
#include "main_dialog/dialog_units.h"
#include "report/report_actions.h"
#include "report/report_content.h"
#include "report/report_loader.h"
#include "widgets/table_export.h"
#include "workbench/analysis/analysis_page.h"
#include "workbench/bearing/bearing_page.h"
#include "workbench/chain/chain_page.h"
#include "workbench/diagram_file.h"
#include "workbench/finder/finder_page.h"
#include "workbench/general/general_model.h"
#include "workbench/general/general_page.h"
#include "workbench/remembered_inputs.h"
#include "workbench/service/service_page.h"
#include "workbench/text_language.h"
#include "workbench/thread/thread_page.h"
#include "workbench/workbench_language.h"

#include <utility>

#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QString kSizeKey = QStringLiteral("size");
const QString kFitKey = QStringLiteral("fit");
const QString kTabKey = QStringLiteral("tab");
const QString kFinderKey = QStringLiteral("finder");
const QString kServiceKey = QStringLiteral("service");
const QString kGeneralKey = QStringLiteral("general");
const QString kBearingKey = QStringLiteral("bearing");
const QString kThreadKey = QStringLiteral("thread");
const QString kChainKey = QStringLiteral("chain");
const QString kChainLinksKey = QStringLiteral("links");

// "H7-g6_40mm": no slash, which a file name cannot hold.
QString FileStem(const QString& designation, const QString& size)
{
    return designation.trimmed().replace(QLatin1Char('/'), QLatin1Char('-')) + QLatin1Char('_') + size.trimmed()
        + QStringLiteral("mm");
}

} // namespace

Workbench::Workbench(const std::optional<FitStart>& start, std::filesystem::path tablesFolder, QWidget* parent)
    : QMainWindow(parent, Qt::Window)
    , m_tablesFolder(std::move(tablesFolder))
{
    setObjectName(QStringLiteral("fitWindow"));
    setFont(DialogFont());
    ApplyChosenLanguage();
    BuildContents();
    BuildMenus();
    RestoreRemembered();
    if (start) {
        QVariantMap state = State();
        state.insert(kSizeKey, QString::fromStdString(start->sizeText));
        state.insert(kFitKey, QString::fromStdString(start->designation));
        RestoreState(state);
    }
    // Ctrl+Tab and Ctrl+PgDn from anywhere in the window, a text field included.
    for (const QKeySequence& next : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(next, this), &QShortcut::activated, this, [this] { NextTab(1); });
    for (const QKeySequence& back :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(back, this), &QShortcut::activated, this, [this] { NextTab(-1); });
}

void Workbench::BuildContents()
{
    setWindowTitle(tr("工作台 - Quorlan"));
    auto* contents = new QWidget;
    contents->setObjectName(QStringLiteral("fitContents"));
    contents->setFont(font());

    // One size for the whole window, above the tabs: the finder searches at it and the service
    // conditions take the analysed fit at it.
    auto* sizeRow = new QHBoxLayout;
    m_sizeBox = new QLineEdit(contents);
    m_sizeBox->setObjectName(QStringLiteral("fitSizeBox"));
    m_sizeBox->setMaximumWidth(m_sizeBox->fontMetrics().horizontalAdvance(QStringLiteral("0000.000000")) + 12);
    auto* sizeCaption = new QLabel(tr("基本尺寸(&S)"), contents);
    sizeCaption->setBuddy(m_sizeBox);
    sizeRow->addWidget(sizeCaption);
    sizeRow->addWidget(m_sizeBox);
    sizeRow->addWidget(new QLabel(tr("mm（不大于 3150 mm，配合与轴承各页用）"), contents));
    sizeRow->addStretch(1);

    m_tabs = new QTabWidget(contents);
    m_tabs->setObjectName(QStringLiteral("fitTabs"));
    m_analysisPage = new AnalysisPage(m_tablesFolder, m_tabs);
    m_tabs->addTab(m_analysisPage, tr("配合分析"));
    m_finderPage = new FitFinderPage(m_tablesFolder, m_tabs);
    m_tabs->addTab(m_finderPage, tr("配合查找"));
    m_servicePage = new ServicePage(m_tabs);
    m_tabs->addTab(m_servicePage, tr("使用条件"));
    m_bearingPage = new BearingPage(m_tablesFolder, m_tabs);
    m_tabs->addTab(m_bearingPage, tr("轴承配合"));
    m_generalPage = new GeneralPage(m_tabs);
    m_tabs->addTab(m_generalPage, tr("一般公差"));
    m_threadPage = new ThreadPage(m_tabs);
    m_tabs->addTab(m_threadPage, tr("螺纹"));
    m_chainPage = new ChainPage(m_tablesFolder, m_tabs);
    m_tabs->addTab(m_chainPage, tr("尺寸链"));
    auto* layout = new QVBoxLayout(contents);
    layout->addLayout(sizeRow);
    layout->addWidget(m_tabs);
    setTabOrder(m_sizeBox, m_tabs);

    // Where the screen is small or the scale large, the contents scroll rather than push the
    // window's buttons off the screen; the window never grows by itself.
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("fitScrollArea"));
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidget(contents);
    delete takeCentralWidget();
    setCentralWidget(scroller);

    connect(m_analysisPage, &AnalysisPage::analysisChanged, this, &Workbench::OnAnalysisChanged);
    connect(m_analysisPage, &AnalysisPage::copyDrawingLineRequested, this, &Workbench::CopyDrawingLine);
    connect(m_analysisPage, &AnalysisPage::saveDiagramRequested, this, &Workbench::SaveDiagram);
    connect(m_finderPage, &FitFinderPage::fitChosen, this, &Workbench::OnFoundFitChosen);
    connect(m_sizeBox, &QLineEdit::textChanged, m_analysisPage, &AnalysisPage::SetSizeText);
    connect(m_sizeBox, &QLineEdit::textChanged, m_finderPage, &FitFinderPage::SetSizeText);
    connect(m_sizeBox, &QLineEdit::textChanged, m_bearingPage, &BearingPage::SetSizeText);
    // The finder's search from the load takes the service tab's joint as it stands.
    connect(m_servicePage, &ServicePage::formChanged, this,
            [this] { m_finderPage->SetServiceForm(m_servicePage->Form()); });
    m_finderPage->SetServiceForm(m_servicePage->Form());

    const FitStart defaults;
    QVariantMap state;
    state.insert(kSizeKey, QString::fromStdString(defaults.sizeText));
    state.insert(kFitKey, QString::fromStdString(defaults.designation));
    RestoreState(state);
}

void Workbench::BuildMenus()
{
    menuBar()->clear();
    const auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys,
                            void (Workbench::*slot)()) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("文件(&F)"));
    add(file, "actionExportReport", tr("导出报告为 PDF(&E)..."), {}, &Workbench::ExportReport);
    add(file, "actionPrint", tr("打印报告(&P)..."), QKeySequence::Print, &Workbench::PrintReport);
    file->addSeparator();
    add(file, "actionSaveDiagram", tr("保存配合图(&V)..."), QKeySequence::Save, &Workbench::SaveDiagram);
    add(file, "actionExportCsv", tr("导出表格为 CSV(&T)..."), {}, &Workbench::ExportTableCsv);
    file->addSeparator();
    add(file, "actionRestoreDefaults", tr("恢复默认输入(&D)"), {}, &Workbench::RestoreDefaults);
    file->addSeparator();
    QAction* quit = file->addAction(tr("退出(&Q)"));
    quit->setObjectName(QStringLiteral("actionQuit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(tr("编辑(&E)"));
    // A text field with the focus copies its own selection: Ctrl+C reaches this only elsewhere.
    add(edit, "actionCopyResults", tr("复制结果(&R)"), QKeySequence::Copy, &Workbench::CopyResults);
    add(edit, "actionCopyDrawingLine", tr("复制图样标注(&L)"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        &Workbench::CopyDrawingLine);

    QMenu* view = menuBar()->addMenu(tr("视图(&V)"));
    QMenu* language = view->addMenu(tr("语言(&L)"));
    auto* languages = new QActionGroup(language);
    const bool english = CurrentWorkbenchLanguage() == WorkbenchLanguage::English;
    for (const bool inEnglish : {false, true}) {
        // Each language named in itself, so that it is found whatever the window speaks.
        QAction* action = language->addAction(inEnglish ? QStringLiteral("English") : QStringLiteral("中文"));
        action->setObjectName(inEnglish ? QStringLiteral("actionEnglish") : QStringLiteral("actionChinese"));
        action->setCheckable(true);
        action->setChecked(inEnglish == english);
        languages->addAction(action);
        connect(action, &QAction::triggered, this, [this, inEnglish] { SetLanguage(inEnglish); });
    }

    QMenu* help = menuBar()->addMenu(tr("帮助(&H)"));
    add(help, "actionGuide", tr("使用说明(&G)"), QKeySequence::HelpContents, &Workbench::ShowGuide);
    add(help, "actionAbout", tr("关于 Quorlan(&A)"), {}, &Workbench::ShowAbout);
}

QVariantMap Workbench::State() const
{
    QVariantMap state;
    state.insert(kSizeKey, m_sizeBox->text());
    state.insert(kFitKey, m_analysisPage->Designation());
    state.insert(kTabKey, m_tabs->currentIndex());
    state.insert(kFinderKey, InputsOf(*m_finderPage));
    state.insert(kServiceKey, InputsOf(*m_servicePage));
    state.insert(kGeneralKey, InputsOf(*m_generalPage));
    state.insert(kBearingKey, InputsOf(*m_bearingPage));
    state.insert(kThreadKey, InputsOf(*m_threadPage));
    QVariantMap chain = InputsOf(*m_chainPage);
    chain.insert(kChainLinksKey, m_chainPage->LinkRows());
    state.insert(kChainKey, chain);
    return state;
}

void Workbench::RestoreState(const QVariantMap& state)
{
    RestoreInputs(*m_finderPage, state.value(kFinderKey).toMap());
    RestoreInputs(*m_servicePage, state.value(kServiceKey).toMap());
    RestoreInputs(*m_generalPage, state.value(kGeneralKey).toMap());
    RestoreInputs(*m_bearingPage, state.value(kBearingKey).toMap());
    RestoreInputs(*m_threadPage, state.value(kThreadKey).toMap());
    // Its lists follow the designation, whatever they were left at.
    m_threadPage->SetDesignation(m_threadPage->Designation());
    const QVariantMap chain = state.value(kChainKey).toMap();
    RestoreInputs(*m_chainPage, chain);
    if (chain.contains(kChainLinksKey))
        m_chainPage->SetLinkRows(chain.value(kChainLinksKey).toList());
    {
        const QSignalBlocker blocker(m_sizeBox);
        m_sizeBox->setText(state.value(kSizeKey, m_sizeBox->text()).toString());
    }
    m_finderPage->SetSizeText(m_sizeBox->text());
    m_bearingPage->SetSizeText(m_sizeBox->text());
    m_analysisPage->SetInputs(m_sizeBox->text(), state.value(kFitKey, m_analysisPage->Designation()).toString());
    bool ok = false;
    const int tab = state.value(kTabKey).toInt(&ok);
    if (ok && tab >= 0 && tab < m_tabs->count())
        m_tabs->setCurrentIndex(tab);
}

void Workbench::Remember() const
{
    const auto settings = WorkbenchSettings();
    const QVariantMap state = State();
    for (auto entry = state.begin(); entry != state.end(); ++entry) {
        if (entry->typeId() == QMetaType::QVariantMap) {
            settings->beginGroup(entry.key());
            const QVariantMap inputs = entry->toMap();
            for (auto input = inputs.begin(); input != inputs.end(); ++input)
                settings->setValue(input.key(), input.value());
            settings->endGroup();
        } else {
            settings->setValue(entry.key(), entry.value());
        }
    }
    settings->setValue(QStringLiteral("geometry"), saveGeometry());
}

void Workbench::RestoreRemembered()
{
    const auto settings = WorkbenchSettings();
    QVariantMap state;
    for (const QString& key : {kSizeKey, kFitKey, kTabKey}) {
        if (settings->contains(key))
            state.insert(key, settings->value(key));
    }
    for (const QString& group : {kFinderKey, kServiceKey, kGeneralKey, kBearingKey, kThreadKey, kChainKey}) {
        settings->beginGroup(group);
        QVariantMap inputs;
        for (const QString& key : settings->childKeys())
            inputs.insert(key, settings->value(key));
        settings->endGroup();
        state.insert(group, inputs);
    }
    RestoreState(state);
    // A first start sizes the window when it is first shown, once its contents are laid out.
    m_sizeAtFirstShow = !restoreGeometry(settings->value(QStringLiteral("geometry")).toByteArray());
}

void Workbench::OpenChainFile(const QString& path)
{
    m_tabs->setCurrentWidget(m_chainPage);
    m_chainPage->OpenFile(QFileInfo(path).absoluteFilePath());
}

void Workbench::showEvent(QShowEvent* event)
{
    if (m_sizeAtFirstShow) {
        m_sizeAtFirstShow = false;
        // At least 1300 × 760, which every tab needs in either language (a hidden tab's least size
        // is not known until it is shown), more where the tab on show needs it; never larger than
        // the screen, where a smaller screen scrolls.
        const auto* scroller = static_cast<const QScrollArea*>(centralWidget());
        const QSize contents = scroller->widget()->minimumSizeHint();
        const QSize wanted
            = QSize(1300, 760).expandedTo(QSize(contents.width(), contents.height() + menuBar()->sizeHint().height()));
        const QScreen* screen = QGuiApplication::primaryScreen();
        resize(screen ? wanted.boundedTo(screen->availableGeometry().size() * 9 / 10) : wanted);
    }
    QMainWindow::showEvent(event);
}

void Workbench::closeEvent(QCloseEvent* event)
{
    Remember();
    QMainWindow::closeEvent(event);
}

void Workbench::SetLanguage(bool english)
{
    const WorkbenchLanguage language = english ? WorkbenchLanguage::English : WorkbenchLanguage::Chinese;
    if (language == CurrentWorkbenchLanguage())
        return;
    // Built anew in the other language, with every input as it was.
    const QVariantMap state = State();
    ApplyWorkbenchLanguage(language);
    WorkbenchSettings()->setValue(QStringLiteral("language"), LanguageCode(language));
    BuildContents();
    BuildMenus();
    RestoreState(state);
    if (m_guide)
        m_guide->window()->close();
}

void Workbench::RestoreDefaults()
{
    WorkbenchSettings()->clear();
    const QByteArray geometry = saveGeometry();
    BuildContents();
    restoreGeometry(geometry);
}

void Workbench::OnAnalysisChanged()
{
    m_servicePage->SetFit(m_analysisPage->Analysis(), m_analysisPage->Problem());
}

void Workbench::OnFoundFitChosen(const QString& designation)
{
    m_analysisPage->SetDesignation(designation);
    m_tabs->setCurrentWidget(m_analysisPage);
}

void Workbench::NextTab(int step)
{
    m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + m_tabs->count()) % m_tabs->count());
}

void Workbench::CopyDrawingLine()
{
    QGuiApplication::clipboard()->setText(m_analysisPage->DrawingLine());
    m_analysisPage->ShowStatus(tr("已复制到剪贴板：") + m_analysisPage->DrawingLine());
}

void Workbench::SaveDiagram()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString suggested = FileStem(m_analysisPage->Designation(), m_sizeBox->text()) + QStringLiteral(".svg");
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

std::optional<ReportContent> Workbench::Report(bool withPressFit) const
{
    const ReportLanguage language
        = words::CurrentLanguage() == words::Language::English ? ReportLanguage::English : ReportLanguage::Chinese;
    const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    if (m_tabs->currentWidget() == m_generalPage) {
        const auto classes = ReadGeneralClasses(m_generalPage->ClassText().toStdString());
        if (!classes)
            return std::nullopt;
        return BuildGeneralTableReportContent(
            *classes, m_generalPage->ChineseStandard() ? GeneralStandard::Gb : GeneralStandard::Iso, language,
            QUORLAN_VERSION, date);
    }
    if (m_tabs->currentWidget() == m_threadPage) {
        if (!m_threadPage->Analysis())
            return std::nullopt;
        return BuildThreadReportContent(*m_threadPage->Analysis(), language, QUORLAN_VERSION, date);
    }
    if (m_tabs->currentWidget() == m_chainPage) {
        const std::optional<ChainQuestion>& question = m_chainPage->Question();
        if (!question)
            return std::nullopt;
        // A run still going is run here: the report waits for it rather than leave it out.
        const MonteCarlo run = m_chainPage->Run() ? *m_chainPage->Run() : ChainMonteCarloOf(*question);
        return BuildChainReportContent(*question, run, m_chainPage->FileName().toStdString(), language, QUORLAN_VERSION,
                                       date);
    }
    if (m_tabs->currentWidget() == m_bearingPage) {
        if (!m_bearingPage->Fit())
            return std::nullopt;
        ReportContent content = BuildBearingReportContent(*m_bearingPage->Fit(), language, QUORLAN_VERSION, date);
        content.tablesFolder
            = QDir(m_tablesFolder.empty() ? QDir::currentPath() : QString::fromStdString(m_tablesFolder.string()))
                  .absolutePath()
                  .toStdString();
        return content;
    }
    const std::optional<FitAnalysis>& analysis = m_analysisPage->Analysis();
    if (!analysis)
        return std::nullopt;
    std::optional<ServiceInputs> service = m_servicePage->Inputs();
    // The report's press fit is the one designed: a hub given. The service tab's own rows show
    // whatever it shows.
    if (!withPressFit && service && !service->hubOutsideDiameterMm)
        service.reset();
    ReportContent content
        = BuildReportContent(*analysis, service ? &*service : nullptr, language, QUORLAN_VERSION, date);
    content.tablesFolder
        = QDir(m_tablesFolder.empty() ? QDir::currentPath() : QString::fromStdString(m_tablesFolder.string()))
              .absolutePath()
              .toStdString();
    return content;
}

QString Workbench::ReportProblem() const
{
    if (m_tabs->currentWidget() == m_generalPage)
        return m_generalPage->TableProblem();
    if (m_tabs->currentWidget() == m_bearingPage)
        return m_bearingPage->Problem();
    if (m_tabs->currentWidget() == m_threadPage)
        return m_threadPage->Problem();
    if (m_tabs->currentWidget() == m_chainPage)
        return m_chainPage->Problem();
    return m_analysisPage->Problem();
}

void Workbench::Tell(const QString& outcome)
{
    if (outcome.isEmpty())
        return;
    if (m_tabs->currentWidget() == m_analysisPage)
        m_analysisPage->ShowStatus(outcome);
    else
        statusBar()->showMessage(outcome, 8000);
}

void Workbench::ExportReport()
{
    const auto content = Report(false);
    if (!content) {
        QMessageBox::warning(this, windowTitle(), tr("没有可写入报告的配合：") + ReportProblem());
        return;
    }
    Tell(ExportReportWithDialog(this, *content));
}

void Workbench::PrintReport()
{
    const auto content = Report(false);
    if (!content) {
        QMessageBox::warning(this, windowTitle(), tr("没有可打印的配合：") + ReportProblem());
        return;
    }
    Tell(PrintReportOf(this, *content));
}

QList<QStringList> Workbench::CurrentResultRows() const
{
    if (m_tabs->currentWidget() == m_finderPage)
        return m_finderPage->ResultRows();
    if (m_tabs->currentWidget() == m_generalPage)
        return m_generalPage->ResultRows();
    if (m_tabs->currentWidget() == m_threadPage)
        return m_threadPage->ResultRows();
    if (m_tabs->currentWidget() == m_chainPage)
        return m_chainPage->ResultRows();
    const auto content = Report(true);
    if (!content)
        return {{ReportProblem()}};
    const bool service = m_tabs->currentWidget() == m_servicePage;
    return ReportRowsOf(*content, service ? ReportSection::PressFit : ReportSection::Fit);
}

void Workbench::ExportTableCsv()
{
    const QString tab = m_tabs->currentWidget() == m_finderPage ? QStringLiteral("_fits")
        : m_tabs->currentWidget() == m_servicePage              ? QStringLiteral("_press-fit")
                                                                : QString();
    QString name = FitFileName(m_analysisPage->Designation(), m_sizeBox->text()) + tab;
    if (m_tabs->currentWidget() == m_bearingPage)
        name = QStringLiteral("bearing_") + FitFileName(m_bearingPage->SeatText(), m_sizeBox->text());
    else if (m_tabs->currentWidget() == m_generalPage)
        name = QStringLiteral("general_") + m_generalPage->ClassText().trimmed();
    else if (m_tabs->currentWidget() == m_threadPage)
        name = QStringLiteral("thread_")
            + m_threadPage->Designation().trimmed().replace(QLatin1Char('/'), QLatin1Char('-'));
    else if (m_tabs->currentWidget() == m_chainPage)
        name = QStringLiteral("chain_")
            + (m_chainPage->FileName().isEmpty() ? QStringLiteral("results")
                                                 : QFileInfo(m_chainPage->FileName()).completeBaseName());
    Tell(ExportCsvWithDialog(this, CurrentResultRows(), name));
}

void Workbench::CopyResults()
{
    const QString outcome = CopyRows(CurrentResultRows());
    if (m_tabs->currentWidget() == m_analysisPage)
        m_analysisPage->ShowStatus(outcome);
    else
        statusBar()->showMessage(outcome, 5000);
}

void Workbench::ShowGuide()
{
    if (!m_guide) {
        auto* viewer = new QDialog(this);
        viewer->setObjectName(QStringLiteral("guideViewer"));
        auto* layout = new QVBoxLayout(viewer);
        m_guide = new QTextBrowser(viewer);
        m_guide->setObjectName(QStringLiteral("guideBrowser"));
        m_guide->setOpenExternalLinks(true);
        layout->addWidget(m_guide);
        viewer->resize(QSize(640, 560).boundedTo(size()));
    }
    m_guide->window()->setWindowTitle(tr("使用说明 - Quorlan"));
    // The guide in the window's language: the catalogue names the English file.
    m_guide->setSource(QUrl(QStringLiteral("qrc") + tr(":/quorlan/guide/guide_zh.html")));
    m_guide->window()->show();
    m_guide->window()->raise();
}

void Workbench::ShowAbout()
{
    QMessageBox::about(
        this, tr("关于 Quorlan"),
        tr("<p><b>Quorlan %1</b></p><p>ISO 286 公差与配合计算器：极限偏差、配合分析、配合查找与过盈连接。</p>"
           "<p>版权所有 (C) 2026 Quorlan 开发者，MIT 许可证。</p>")
            .arg(QStringLiteral(QUORLAN_VERSION)));
}
