#include "workbench/chain/chain_page.h"

#include "core/chains/chain_charts.h"
#include "core/chains/link_spread.h"
#include "presentation/chain_presentation.h"
#include "widgets/table_export.h"
#include "widgets/warning_banner.h"
#include "workbench/analysis/fit_diagram_view.h"
#include "workbench/chain/chain_file.h"
#include "workbench/chain/chain_texts.h"

#include <array>
#include <string>
#include <utility>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// The table's columns, in the order of the CSV file's header.
enum Column { kName, kDirection, kNominal, kTolerance, kDistribution, kCpk, kMeanShift, kColumnCount };

constexpr std::array<std::string_view, kColumnCount> kHeaderNames
    = {"name", "direction", "nominal_mm", "tolerance", "distribution", "cpk", "mean_shift_mm"};

constexpr std::array<LinkDistribution, 3> kDistributions
    = {LinkDistribution::Normal, LinkDistribution::Uniform, LinkDistribution::Triangular};

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Mm(const std::string& figure)
{
    return FromUtf8(figure) + QStringLiteral(" mm");
}

// The direction and the distribution chosen from a list, the distribution shown in the window's
// language but kept as the file's word ("uniform"), so that the table is the file.
class LinkDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.column() != kDirection && index.column() != kDistribution)
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto* list = new QComboBox(parent);
        if (index.column() == kDirection) {
            list->addItem(QStringLiteral("+1"), QStringLiteral("+1"));
            list->addItem(QStringLiteral("-1"), QStringLiteral("-1"));
        } else {
            for (const LinkDistribution distribution : kDistributions)
                list->addItem(FromUtf8(DistributionWords(distribution)), FromView(DistributionName(distribution)));
        }
        return list;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        auto* list = qobject_cast<QComboBox*>(editor);
        if (!list) {
            QStyledItemDelegate::setEditorData(editor, index);
            return;
        }
        QString value = index.data(Qt::EditRole).toString().trimmed();
        if (index.column() == kDirection && value == QStringLiteral("1"))
            value = QStringLiteral("+1");
        list->setCurrentIndex(std::max(0, list->findData(value.isEmpty() ? QStringLiteral("normal") : value)));
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        if (auto* list = qobject_cast<QComboBox*>(editor))
            model->setData(index, list->currentData(), Qt::EditRole);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == kDistribution)
            option->text = FromUtf8(DistributionWords(index.data(Qt::EditRole).toString().trimmed().toStdString()));
    }
};

QTableWidget* NewResultTable(const QString& name, const QStringList& header, QWidget* parent)
{
    auto* table = new QTableWidget(0, static_cast<int>(header.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(header);
    table->verticalHeader()->hide();
    // The name takes the room left; the figures as wide as they are.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    // As tall as the page leaves, not as its rows ask: the window then never scrolls for the chain.
    table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    return table;
}

void SetRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column > 0)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

QString StartFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

ChainPage::ChainPage(std::filesystem::path tablesFolder, QWidget* parent)
    : QWidget(parent)
    , m_tablesFolder(std::move(tablesFolder))
{
    setObjectName(QStringLiteral("chainPage"));
    m_watcher = new QFutureWatcher<MonteCarlo>(this);
    connect(m_watcher, &QFutureWatcher<MonteCarlo>::finished, this, &ChainPage::OnRunFinished);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(CreateLinks(), 1);
    top->addWidget(CreateSettings(), 0, Qt::AlignTop);
    layout->addLayout(top, 2);
    m_output = new QStackedWidget(this);
    m_output->setObjectName(QStringLiteral("chainOutput"));
    m_resultsPage = CreateResults(m_output);
    m_output->addWidget(m_resultsPage);
    m_problemPage = NewProblemPage(m_output, QStringLiteral("chainProblemLabel"), m_problemBanner);
    m_output->addWidget(m_problemPage);
    layout->addWidget(m_output, 3);

    // A chain to start from: a shaft's axial gap after a bearing and a spacer in a housing bore.
    {
        const QSignalBlocker blocker(m_linkTable);
        AddRow({tr("壳体"),
                QStringLiteral("+1"),
                QStringLiteral("50"),
                QStringLiteral("H8"),
                QStringLiteral("normal"),
                {},
                {}});
        AddRow({tr("轴承"),
                QStringLiteral("-1"),
                QStringLiteral("20"),
                QStringLiteral("0/-0.12"),
                QStringLiteral("normal"),
                {},
                {}});
        AddRow({tr("隔套"),
                QStringLiteral("-1"),
                QStringLiteral("29.5"),
                QStringLiteral("2768-m"),
                QStringLiteral("uniform"),
                {},
                {}});
    }
    connect(m_linkTable, &QTableWidget::itemChanged, this, &ChainPage::Recalculate);
    for (QLineEdit* box : {m_requireMinBox, m_requireMaxBox, m_samplesBox, m_seedBox})
        connect(box, &QLineEdit::textChanged, this, &ChainPage::Recalculate);
    Recalculate();
}

QWidget* ChainPage::CreateLinks()
{
    auto* box = new QGroupBox(tr("组成环"), this);
    auto* layout = new QVBoxLayout(box);
    m_fileBanner = new WarningBanner(WarningBanner::Severity::Refusal, QStringLiteral("chainFileProblemLabel"), box);
    layout->addWidget(m_fileBanner);
    m_linkTable = new QTableWidget(0, kColumnCount, box);
    m_linkTable->setObjectName(QStringLiteral("chainLinkTable"));
    m_linkTable->setHorizontalHeaderLabels(
        {tr("名称"), tr("方向"), tr("基本尺寸 mm"), tr("公差"), tr("分布"), QStringLiteral("Cpk"), tr("均值偏移 mm")});
    m_linkTable->horizontalHeaderItem(kTolerance)
        ->setToolTip(tr("±0.1、+0.1/-0.05（mm）、ISO 286 公差带如 h7，或一般公差如 2768-m"));
    m_linkTable->horizontalHeaderItem(kDirection)->setToolTip(tr("+1：增环；-1：减环"));
    m_linkTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_linkTable->horizontalHeader()->setSectionResizeMode(kName, QHeaderView::Stretch);
    m_linkTable->setItemDelegate(new LinkDelegate(m_linkTable));
    m_linkTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_linkTable->setTabKeyNavigation(false);
    m_linkTable->setMinimumHeight(m_linkTable->verticalHeader()->defaultSectionSize() * 4);
    m_linkTable->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    layout->addWidget(m_linkTable, 1);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& text, auto slot) {
        auto* pushButton = new QPushButton(text, box);
        pushButton->setObjectName(QLatin1String(name));
        connect(pushButton, &QPushButton::clicked, this, slot);
        buttons->addWidget(pushButton);
    };
    button("chainAddButton", tr("添加(&A)"), &ChainPage::AddLink);
    button("chainRemoveButton", tr("删除(&R)"), &ChainPage::RemoveLink);
    button("chainUpButton", tr("上移(&U)"), [this] { MoveLink(-1); });
    button("chainDownButton", tr("下移(&W)"), [this] { MoveLink(1); });
    buttons->addStretch(1);
    button("chainOpenButton", tr("打开 CSV(&O)..."), &ChainPage::ChooseFileToOpen);
    button("chainSaveButton", tr("保存 CSV(&V)..."), &ChainPage::ChooseFileToSave);
    layout->addLayout(buttons);
    m_fileStatus = new QLabel(box);
    m_fileStatus->setObjectName(QStringLiteral("chainFileStatusLabel"));
    m_fileStatus->setWordWrap(true);
    m_fileStatus->hide();
    layout->addWidget(m_fileStatus);
    return box;
}

QWidget* ChainPage::CreateSettings()
{
    auto* box = new QGroupBox(tr("封闭环要求与蒙特卡洛"), this);
    auto* grid = new QGridLayout(box);
    const auto field = [&](const char* name, const QString& caption, const QString& text, int row) {
        auto* edit = new QLineEdit(text, box);
        edit->setObjectName(QLatin1String(name));
        auto* label = new QLabel(caption, box);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    m_requireMinBox = field("chainRequireMinBox", tr("最小值 mm(&N)"), {}, 0);
    m_requireMaxBox = field("chainRequireMaxBox", tr("最大值 mm(&X)"), {}, 1);
    m_requireMinBox->setPlaceholderText(tr("可不填"));
    m_requireMaxBox->setPlaceholderText(tr("可不填"));
    m_samplesBox = field("chainSamplesBox", tr("样本数(&M)"), QString::number(kDefaultChainSamples), 2);
    m_seedBox = field("chainSeedBox", tr("随机种子(&E)"), QString::number(kDefaultChainSeed), 3);
    auto* hint = new QLabel(tr("要求给出时，蒙特卡洛给出超出两端的 ppm 与 Cp、Cpk。同一种子得到同样的样本。"), box);
    hint->setWordWrap(true);
    grid->addWidget(hint, 4, 0, 1, 2);
    box->setFixedWidth(std::max(box->minimumSizeHint().width(), 300));
    return box;
}

QWidget* ChainPage::CreateResults(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QGridLayout(page);
    layout->setContentsMargins({});

    auto* figures = new QGroupBox(tr("封闭环"), page);
    auto* grid = new QGridLayout(figures);
    QString method;
    const auto addFigure = [&](const char* name, const QString& caption, int row, int pair) {
        auto* label = new QLabel(caption, figures);
        auto* value = new QLabel(figures);
        value->setObjectName(QLatin1String(name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        grid->addWidget(label, row, 1 + 2 * pair);
        grid->addWidget(value, row, 2 + 2 * pair);
        m_captions << method + QLatin1Char(' ') + caption;
        m_values << value;
    };
    const auto heading = [&](const QString& text, int row) {
        auto* label = new QLabel(text, figures);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        grid->addWidget(label, row, 0);
        method = text;
    };
    // Two figures a row, so that the English captions fit beside the charts.
    heading(tr("名义尺寸"), 0);
    addFigure("chainNominalValue", QStringLiteral("N₀"), 0, 0);
    heading(tr("极值法"), 1);
    addFigure("chainWorstMinValue", tr("最小"), 1, 0);
    addFigure("chainWorstMaxValue", tr("最大"), 1, 1);
    addFigure("chainWorstRangeValue", tr("变动范围"), 2, 0);
    heading(tr("统计法（RSS）"), 3);
    addFigure("chainRssMeanValue", tr("均值 μ"), 3, 0);
    addFigure("chainRssSigmaValue", QStringLiteral("σ"), 3, 1);
    addFigure("chainRssMinValue", QStringLiteral("μ − 3σ"), 4, 0);
    addFigure("chainRssMaxValue", QStringLiteral("μ + 3σ"), 4, 1);
    heading(tr("蒙特卡洛"), 5);
    addFigure("chainMcMeanValue", tr("均值 μ"), 5, 0);
    addFigure("chainMcSigmaValue", QStringLiteral("σ"), 5, 1);
    addFigure("chainMcLowValue", tr("0.135 % 分位"), 6, 0);
    addFigure("chainMcHighValue", tr("99.865 % 分位"), 6, 1);
    addFigure("chainMcBelowValue", tr("低于最小值"), 7, 0);
    addFigure("chainMcAboveValue", tr("高于最大值"), 7, 1);
    addFigure("chainMcCpValue", QStringLiteral("Cp"), 8, 0);
    addFigure("chainMcCpkValue", QStringLiteral("Cpk"), 8, 1);
    m_runStatus = new QLabel(figures);
    m_runStatus->setObjectName(QStringLiteral("chainRunStatusLabel"));
    grid->addWidget(m_runStatus, 9, 0, 1, 5);
    grid->setColumnStretch(5, 1);
    layout->addWidget(figures, 0, 0);

    // The charts and the links' limits in tabs of their own, so that the page fits the window.
    auto* views = new QTabWidget(page);
    views->setObjectName(QStringLiteral("chainViews"));
    // Drawn smaller where the window is small; never so small that their numbers cannot be read.
    const auto chart = [&](const char* name, QSize natural) {
        auto* view = new FitDiagramView(natural, views);
        view->setObjectName(QLatin1String(name));
        view->setMinimumSize(natural * 2 / 3);
        // A longer chain's taller chart shrinks to the room there is rather than scroll the window.
        view->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
        return view;
    };
    m_histogram = chart("chainHistogram", QSize(kChainChartWidthPx, kChainHistogramHeightPx));
    views->addTab(m_histogram, tr("蒙特卡洛直方图"));
    // The contributions as a table (with each link's sensitivity) above their chart.
    auto* contributions = new QWidget(views);
    auto* contributionsLayout = new QVBoxLayout(contributions);
    m_contributionTable = NewResultTable(QStringLiteral("chainContributionTable"),
                                         {tr("组成环"), tr("方差占比"), tr("极值占比"), tr("传递系数")}, contributions);
    m_contributionTable->setMinimumHeight(m_contributionTable->verticalHeader()->defaultSectionSize() * 3);
    contributionsLayout->addWidget(m_contributionTable, 1);
    m_contributionsChart = chart("chainContributionsChart", QSize(kChainChartWidthPx, ChainContributionsHeightPx(3)));
    m_contributionsChart->setParent(contributions);
    contributionsLayout->addWidget(m_contributionsChart, 1);
    views->addTab(contributions, tr("各环贡献（按方差占比）"));
    m_limitTable = NewResultTable(
        QStringLiteral("chainLimitTable"),
        {tr("组成环"), tr("上偏差 mm"), tr("下偏差 mm"), tr("最大 mm"), tr("最小 mm"), QStringLiteral("σ mm")}, views);
    views->addTab(m_limitTable, tr("各环的极限"));
    layout->addWidget(views, 0, 1, 2, 1);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);
    return page;
}

void ChainPage::AddRow(const QStringList& fields)
{
    const int row = m_linkTable->rowCount();
    m_linkTable->insertRow(row);
    for (int column = 0; column < kColumnCount; ++column)
        m_linkTable->setItem(row, column, new QTableWidgetItem(column < fields.size() ? fields[column] : QString()));
}

void ChainPage::AddLink()
{
    {
        const QSignalBlocker blocker(m_linkTable);
        AddRow({tr("环 %1").arg(m_linkTable->rowCount() + 1),
                QStringLiteral("+1"),
                QStringLiteral("10"),
                QStringLiteral("±0.1"),
                QStringLiteral("normal"),
                {},
                {}});
    }
    const int row = m_linkTable->rowCount() - 1;
    m_linkTable->setCurrentCell(row, kName);
    m_linkTable->setFocus();
    Recalculate();
}

void ChainPage::RemoveLink()
{
    const int row = m_linkTable->currentRow();
    if (row < 0)
        return;
    m_linkTable->removeRow(row);
    m_linkTable->setCurrentCell(std::min(row, m_linkTable->rowCount() - 1), m_linkTable->currentColumn());
    Recalculate();
}

void ChainPage::MoveLink(int step)
{
    const int row = m_linkTable->currentRow();
    const int other = row + step;
    if (row < 0 || other < 0 || other >= m_linkTable->rowCount())
        return;
    {
        const QSignalBlocker blocker(m_linkTable);
        for (int column = 0; column < kColumnCount; ++column) {
            QTableWidgetItem* here = m_linkTable->takeItem(row, column);
            QTableWidgetItem* there = m_linkTable->takeItem(other, column);
            m_linkTable->setItem(row, column, there);
            m_linkTable->setItem(other, column, here);
        }
    }
    m_linkTable->setCurrentCell(other, m_linkTable->currentColumn());
    Recalculate();
}

QVariantList ChainPage::LinkRows() const
{
    QVariantList rows;
    for (int row = 0; row < m_linkTable->rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < kColumnCount; ++column) {
            const QTableWidgetItem* item = m_linkTable->item(row, column);
            fields << (item ? item->text() : QString());
        }
        rows << fields;
    }
    return rows;
}

void ChainPage::SetLinkRows(const QVariantList& rows)
{
    {
        const QSignalBlocker blocker(m_linkTable);
        m_linkTable->setRowCount(0);
        for (const QVariant& row : rows)
            AddRow(row.toStringList());
    }
    Recalculate();
}

QString ChainPage::OpenFile(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto rows = ReadChainFileRows(std::filesystem::path(path.toStdString()));
    if (!rows) {
        const QString problem = FromUtf8(ChainFileProblemText(rows.reason(), shown.toStdString()));
        m_fileBanner->SetMessage(problem);
        m_fileStatus->hide();
        return problem;
    }
    QVariantList table;
    for (const LinkFields& fields : *rows)
        table << QStringList {FromUtf8(fields.name),
                              FromUtf8(fields.direction),
                              FromUtf8(fields.nominalMm),
                              FromUtf8(fields.tolerance),
                              FromUtf8(fields.distribution.value_or("")),
                              FromUtf8(fields.cpk.value_or("")),
                              FromUtf8(fields.meanShiftMm.value_or(""))};
    m_fileBanner->SetMessage({});
    m_fileName = QFileInfo(path).fileName();
    m_fileStatus->setText(tr("已打开：%1").arg(shown));
    m_fileStatus->show();
    SetLinkRows(table);
    return {};
}

QString ChainPage::SaveFile(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    const auto text = ChainCsvText(Form().links);
    QString problem;
    if (!text) {
        const UnwritableField& field = text.reason();
        int column = 0;
        for (int k = 0; k < kColumnCount; ++k)
            column = kHeaderNames[static_cast<std::size_t>(k)] == field.field ? k : column;
        problem = tr("第 %1 环的“%2”含有逗号、# 或换行，CSV 文件不能保存：%3")
                      .arg(field.row)
                      .arg(m_linkTable->horizontalHeaderItem(column)->text(), FromUtf8(field.text));
    } else if (const QString error = SaveText(FromUtf8(*text), path); !error.isEmpty()) {
        problem = tr("无法保存 %1：%2").arg(shown, error);
    }
    m_fileBanner->SetMessage(problem);
    if (!problem.isEmpty()) {
        m_fileStatus->hide();
        return problem;
    }
    m_fileName = QFileInfo(path).fileName();
    m_fileStatus->setText(tr("已保存：%1").arg(shown));
    m_fileStatus->show();
    return {};
}

void ChainPage::ChooseFileToOpen()
{
    const QString path
        = QFileDialog::getOpenFileName(this, tr("打开尺寸链"), StartFolder(), tr("CSV 文件 (*.csv);;所有文件 (*)"));
    if (!path.isEmpty())
        OpenFile(path);
}

void ChainPage::ChooseFileToSave()
{
    const QString suggested = m_fileName.isEmpty() ? QStringLiteral("chain.csv") : m_fileName;
    QString path = QFileDialog::getSaveFileName(this, tr("保存尺寸链"), StartFolder() + QLatin1Char('/') + suggested,
                                                tr("CSV 文件 (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    SaveFile(path);
}

ChainForm ChainPage::Form() const
{
    ChainForm form;
    for (const QVariant& row : LinkRows()) {
        const QStringList fields = row.toStringList();
        form.links.push_back({fields[kName].toStdString(), fields[kDirection].toStdString(),
                              fields[kNominal].toStdString(), fields[kTolerance].toStdString(),
                              fields[kDistribution].toStdString(), fields[kCpk].toStdString(),
                              fields[kMeanShift].toStdString()});
    }
    form.requireMin = m_requireMinBox->text().toStdString();
    form.requireMax = m_requireMaxBox->text().toStdString();
    form.samples = m_samplesBox->text().toStdString();
    form.seed = m_seedBox->text().toStdString();
    return form;
}

void ChainPage::Recalculate()
{
    // Whatever runs now is of an older chain.
    ++m_generation;
    m_pending.reset();
    m_run.reset();
    auto question = ReadChainForm(m_tablesFolder, Form());
    if (!question) {
        m_question.reset();
        m_problem = FromUtf8(ChainFormProblemText(question.reason(), m_tablesFolder));
        m_problemBanner->SetMessage(m_problem);
        m_output->setCurrentWidget(m_problemPage);
        return;
    }
    m_problem.clear();
    m_question = std::move(*question);
    ShowFigures(*m_question);
    m_output->setCurrentWidget(m_resultsPage);
    m_pending = *m_question;
    if (!m_running)
        StartPendingRun();
    ShowMonteCarlo();
}

void ChainPage::ShowFigures(const ChainQuestion& question)
{
    const ChainFigures figures = ChainFiguresOf(question);
    const std::array<std::string, 8> shown
        = {ChainExactMmText(figures.worstCase.nominal), ChainExactMmText(figures.worstCase.min),
           ChainExactMmText(figures.worstCase.max),     ChainExactMmText(figures.worstCase.max - figures.worstCase.min),
           ChainEstimateMmText(figures.rss.meanMm),     ChainEstimateMmText(figures.rss.sigmaMm),
           ChainEstimateMmText(figures.rss.minMm),      ChainEstimateMmText(figures.rss.maxMm)};
    for (std::size_t i = 0; i < shown.size(); ++i)
        m_values[static_cast<qsizetype>(i)]->setText(Mm(shown[i]));

    const std::vector<ChainLink>& links = question.links;
    m_contributionTable->setRowCount(static_cast<int>(figures.contributions.size()));
    for (std::size_t i = 0; i < figures.contributions.size(); ++i) {
        const Contribution& share = figures.contributions[i];
        SetRow(m_contributionTable, static_cast<int>(i),
               {FromUtf8(links[share.link].name), FromUtf8(ChainShareText(share.varianceShare)),
                FromUtf8(ChainShareText(share.worstCaseShare)), FromUtf8(ChainSensitivityText(share.sensitivity))});
    }
    m_limitTable->setRowCount(static_cast<int>(links.size()));
    for (std::size_t i = 0; i < links.size(); ++i) {
        const ChainLink& link = links[i];
        SetRow(m_limitTable, static_cast<int>(i),
               {FromUtf8(link.name), FromUtf8(ChainDeviationMmText(link.upper)),
                FromUtf8(ChainDeviationMmText(link.lower)), FromUtf8(ChainExactMmText(link.nominal + link.upper)),
                FromUtf8(ChainExactMmText(link.nominal + link.lower)),
                FromUtf8(ChainEstimateMmText(LinkSigmaMm(link)))});
    }
    m_contributionsChart->SetNaturalSize(QSize(kChainChartWidthPx, ChainContributionsHeightPx(links.size())));
    m_contributionsChart->SetSvg(
        QByteArray::fromStdString(ChainContributionsSvg(figures.contributions, links, DiagramPaletteFor(*this))));
}

void ChainPage::ShowMonteCarlo()
{
    const QString dash = QStringLiteral("–");
    if (!m_run) {
        for (qsizetype i = 8; i < m_values.size(); ++i)
            m_values[i]->setText(dash);
        m_runStatus->setText(tr("蒙特卡洛计算中……"));
        m_histogram->SetSvg({});
        return;
    }
    const MonteCarlo& run = *m_run;
    const auto optional = [&](const std::optional<double>& value, std::string (*text)(double), const char* unit) {
        return value ? FromUtf8(text(*value)) + QLatin1String(unit) : dash;
    };
    const std::array<QString, 8> shown
        = {Mm(ChainEstimateMmText(run.meanMm)),          Mm(ChainEstimateMmText(run.sigmaMm)),
           Mm(ChainEstimateMmText(run.q00135Mm)),        Mm(ChainEstimateMmText(run.q99865Mm)),
           optional(run.belowPpm, ChainPpmText, " ppm"), optional(run.abovePpm, ChainPpmText, " ppm"),
           optional(run.cp, ChainCapabilityText, ""),    optional(run.cpk, ChainCapabilityText, "")};
    for (std::size_t i = 0; i < shown.size(); ++i)
        m_values[static_cast<qsizetype>(8 + i)]->setText(shown[i]);
    m_runStatus->setText(tr("%1 个样本，随机种子 %2").arg(run.samples).arg(run.seed));
    m_histogram->SetSvg(QByteArray::fromStdString(
        ChainHistogramSvg(run, m_question ? m_question->requirement : std::nullopt, DiagramPaletteFor(*this))));
}

void ChainPage::StartPendingRun()
{
    ChainQuestion question = std::move(*m_pending);
    m_pending.reset();
    m_runGeneration = m_generation;
    m_running = true;
    m_watcher->setFuture(QtConcurrent::run([question = std::move(question)] { return ChainMonteCarloOf(question); }));
}

void ChainPage::OnRunFinished()
{
    m_running = false;
    // A newer chain waits: its run takes the place of this one's result.
    if (m_pending) {
        StartPendingRun();
        return;
    }
    if (m_runGeneration != m_generation || !m_question)
        return;
    m_run = m_watcher->result();
    ShowMonteCarlo();
}

bool ChainPage::MonteCarloRunning() const
{
    return m_running || m_pending.has_value();
}

QList<QStringList> ChainPage::ResultRows() const
{
    if (!m_problem.isEmpty())
        return {{m_problem}};
    QList<QStringList> rows;
    for (qsizetype i = 0; i < m_values.size(); ++i)
        rows << QStringList {m_captions[i], m_values[i]->text()};
    rows << QStringList {m_runStatus->text()};
    rows << TableRows(*m_contributionTable->model());
    rows << TableRows(*m_limitTable->model());
    return rows;
}
