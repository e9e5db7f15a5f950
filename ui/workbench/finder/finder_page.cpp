#include "workbench/finder/finder_page.h"

#include "core/scales.h"
#include "widgets/table_export.h"
#include "widgets/warning_banner.h"
#include "workbench/finder/finder_model.h"
#include "workbench/finder/finder_texts.h"
#include "workbench/finder/sortable_item.h"

#include <algorithm>
#include <utility>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QComboBox* NewGradeList(const char* name, int current, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    for (const std::string_view grade : kCoreGradeNames)
        list->addItem(QString::fromLatin1(grade.data(), static_cast<qsizetype>(grade.size())));
    list->setMaxVisibleItems(kCoreGradeCount);
    list->setCurrentIndex(current);
    return list;
}

constexpr int kListedFits = 500;

// The rank last: the tests and the eye find the fit first; a click on its header gives back the
// finder's own order, which is the one the list opens in.
enum Column {
    kColumnFit,
    kColumnType,
    kColumnMin,
    kColumnMax,
    kColumnTolerance,
    kColumnPreferred,
    kColumnRank,
    kColumnCount
};

enum LoadColumn {
    kLoadFit,
    kLoadSlip,
    kLoadHub,
    kLoadShaft,
    kLoadPressForce,
    kLoadHubTemp,
    kLoadShaftTemp,
    kLoadWarnings,
    kLoadRank,
    kLoadColumnCount
};

} // namespace

FitFinderPage::FitFinderPage(std::filesystem::path tablesFolder, QWidget* parent)
    : QWidget(parent)
    , m_tablesFolder(std::move(tablesFolder))
{
    setObjectName(QStringLiteral("fitFinderPage"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateInputs());

    auto* listColumn = new QVBoxLayout;
    m_countLabel = new QLabel(this);
    m_countLabel->setObjectName(QStringLiteral("finderCountLabel"));
    listColumn->addWidget(m_countLabel);

    m_output = new QStackedWidget(this);
    m_resultTable = NewTable("finderResultTable",
                             {tr("配合"), tr("配合性质"), tr("最小间隙 µm"), tr("最大间隙 µm"), tr("配合公差 Tf µm"),
                              tr("优先配合", "column: whether the fit is a preferred one"), tr("排名")});
    m_loadTable
        = NewTable("finderLoadTable",
                   {tr("配合"), tr("防滑安全系数"), tr("轮毂安全系数"), tr("轴安全系数"), tr("最大压入力 N"),
                    tr("轮毂加热 °C"), tr("轴冷却 °C"), tr("警告", "column: the warnings of each fit"), tr("排名")});
    // The warnings' column takes what room is left; the numbers keep theirs.
    m_loadTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_loadTable->horizontalHeader()->setSectionResizeMode(kLoadWarnings, QHeaderView::Stretch);
    m_loadTable->horizontalHeader()->setSortIndicator(kLoadRank, Qt::AscendingOrder);
    // The reason stands where the list was, so that a stale list is never on show.
    m_problemPage = NewProblemPage(m_output, QStringLiteral("finderProblemLabel"), m_problemBanner);
    m_output->addWidget(m_problemPage);
    listColumn->addWidget(m_output, 1);
    layout->addLayout(listColumn, 1);

    connect(m_minClearanceBox, &QLineEdit::textChanged, this, &FitFinderPage::Search);
    connect(m_maxClearanceBox, &QLineEdit::textChanged, this, &FitFinderPage::Search);
    for (QComboBox* list : {m_basisList, m_finestGradeList, m_coarsestGradeList})
        connect(list, &QComboBox::currentIndexChanged, this, &FitFinderPage::Search);
    connect(m_allGradePairsBox, &QCheckBox::toggled, this, &FitFinderPage::Search);
    connect(m_fromLoadBox, &QCheckBox::toggled, this, [this](bool fromLoad) {
        m_minClearanceBox->setEnabled(!fromLoad);
        m_maxClearanceBox->setEnabled(!fromLoad);
        findChild<QLabel*>(QStringLiteral("finderHintLabel"))->setEnabled(!fromLoad);
        Search();
    });
    for (QTableWidget* table : {m_resultTable, m_loadTable}) {
        connect(table, &QTableWidget::itemActivated, this, [this, table](QTableWidgetItem* item) {
            if (const QTableWidgetItem* fit = table->item(item->row(), 0))
                emit fitChosen(fit->text());
        });
    }
}

QTableWidget* FitFinderPage::NewTable(const char* name, const QStringList& headers)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), m_output);
    table->setObjectName(QLatin1String(name));
    table->setHorizontalHeaderLabels(headers);
    // A click on a header sorts by that column; the list opens in the finder's ranking, the last column.
    table->horizontalHeader()->setSortIndicator(static_cast<int>(headers.size()) - 1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setToolTip(tr("双击或按 Enter，在“配合分析”中查看该配合"));
    m_output->addWidget(table);
    return table;
}

QWidget* FitFinderPage::CreateInputs()
{
    auto* inputs = new QGroupBox(tr("要求"), this);
    auto* grid = new QGridLayout(inputs);
    auto caption = [&](const QString& text, QWidget* buddy, int row) {
        auto* label = new QLabel(text, inputs);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 0);
    };
    auto unit = [&](const QString& text, int row) {
        grid->addWidget(new QLabel(text, inputs), row, 2);
    };

    m_minClearanceBox = new QLineEdit(QStringLiteral("10"), inputs);
    m_minClearanceBox->setObjectName(QStringLiteral("finderMinClearanceBox"));
    caption(tr("最小间隙(&N)"), m_minClearanceBox, 0);
    grid->addWidget(m_minClearanceBox, 0, 1);
    unit(QStringLiteral("µm"), 0);
    m_maxClearanceBox = new QLineEdit(QStringLiteral("60"), inputs);
    m_maxClearanceBox->setObjectName(QStringLiteral("finderMaxClearanceBox"));
    caption(tr("最大间隙(&X)"), m_maxClearanceBox, 1);
    grid->addWidget(m_maxClearanceBox, 1, 1);
    unit(QStringLiteral("µm"), 1);
    auto* note = new QLabel(tr("负值为过盈，如 −20 至 −60 µm"), inputs);
    // Plain text at full contrast: a greyed hint is too faint to read.
    note->setObjectName(QStringLiteral("finderHintLabel"));
    grid->addWidget(note, 2, 0, 1, 3);

    m_basisList = new QComboBox(inputs);
    m_basisList->setObjectName(QStringLiteral("finderBasisList"));
    m_basisList->addItems({tr("基孔制"), tr("基轴制"), tr("任意")});
    caption(tr("基准制(&B)"), m_basisList, 3);
    grid->addWidget(m_basisList, 3, 1, 1, 2);

    m_finestGradeList = NewGradeList("finderFinestGradeList", kGradeIT5, inputs);
    m_coarsestGradeList = NewGradeList("finderCoarsestGradeList", kGradeIT12 - 1, inputs); // IT11
    caption(tr("公差等级(&G)"), m_finestGradeList, 4);
    auto* grades = new QHBoxLayout;
    grades->addWidget(m_finestGradeList);
    grades->addWidget(new QLabel(tr("至"), inputs));
    grades->addWidget(m_coarsestGradeList);
    grid->addLayout(grades, 4, 1, 1, 2);

    m_allGradePairsBox = new QCheckBox(tr("所有等级组合(&A)"), inputs);
    m_allGradePairsBox->setObjectName(QStringLiteral("finderAllGradePairsBox"));
    m_allGradePairsBox->setToolTip(tr("不选时孔与轴同级或孔低一级，如 H7/g6、H8/f8"));
    grid->addWidget(m_allGradePairsBox, 5, 0, 1, 3);

    m_fromLoadBox = new QCheckBox(tr("由载荷查找(&L)"), inputs);
    m_fromLoadBox->setObjectName(QStringLiteral("finderFromLoadBox"));
    m_fromLoadBox->setToolTip(tr("用“使用条件”页的轮毂、材料、温度和载荷，列出能承受该载荷的配合；不用间隙范围"));
    grid->addWidget(m_fromLoadBox, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);

    inputs->setFixedWidth(inputs->sizeHint().width());
    return inputs;
}

void FitFinderPage::SetSizeText(const QString& sizeText)
{
    m_sizeText = sizeText;
    Search();
}

void FitFinderPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_stale)
        SearchNow();
}

void FitFinderPage::Search()
{
    m_stale = true;
    if (isVisible())
        SearchNow();
}

void FitFinderPage::SetServiceForm(const ServiceForm& form)
{
    m_serviceForm = form;
    if (m_fromLoadBox->isChecked())
        Search();
}

void FitFinderPage::ShowProblem(const QString& problem)
{
    m_problemBanner->SetMessage(problem);
    m_output->setCurrentWidget(m_problemPage);
    m_countLabel->clear();
    m_resultTable->setRowCount(0);
    m_loadTable->setRowCount(0);
}

void FitFinderPage::SearchNow()
{
    m_stale = false;
    if (m_fromLoadBox->isChecked())
        SearchLoad();
    else
        SearchClearances();
}

namespace {

FinderInputs ReadInputs(const QString& sizeText, const QComboBox* basis, const QComboBox* finest,
                        const QComboBox* coarsest, const QCheckBox* allPairs)
{
    FinderInputs inputs;
    inputs.sizeText = sizeText.toStdString();
    const SearchBasis bases[] = {SearchBasis::Hole, SearchBasis::Shaft, SearchBasis::Any};
    inputs.basis = bases[std::max(0, basis->currentIndex())];
    inputs.finestGrade = finest->currentIndex();
    inputs.coarsestGrade = coarsest->currentIndex();
    inputs.allGradePairs = allPairs->isChecked();
    return inputs;
}

// A row's cells, right-aligned where `alignRight` says and bold for a preferred fit.
void FillRow(QTableWidget* table, int row, const QStringList& texts, bool preferred, std::initializer_list<int> right)
{
    for (int column = 0; column < texts.size(); ++column) {
        auto* item = new SortableItem(texts[column]);
        if (std::find(right.begin(), right.end(), column) != right.end())
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (preferred) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
        table->setItem(row, column, item);
    }
}

} // namespace

void FitFinderPage::SearchClearances()
{
    FinderInputs inputs
        = ReadInputs(m_sizeText, m_basisList, m_finestGradeList, m_coarsestGradeList, m_allGradePairsBox);
    inputs.minClearanceText = m_minClearanceBox->text().replace(QChar(0x2212), QLatin1Char('-')).toStdString();
    inputs.maxClearanceText = m_maxClearanceBox->text().replace(QChar(0x2212), QLatin1Char('-')).toStdString();
    const auto found = FindFitsFor(m_tablesFolder, inputs);
    if (!found) {
        ShowProblem(FromUtf8(FinderProblemText(found.reason(), m_tablesFolder)));
        return;
    }
    // The best few hundred: a wide search finds a hundred thousand, more than anyone reads and
    // more than a table fills at typing speed.
    const int count = static_cast<int>(found->size());
    const int listed = std::min(count, kListedFits);
    // Filled unsorted: a sorted table moves each row as its cells come in.
    m_resultTable->setSortingEnabled(false);
    m_resultTable->setRowCount(listed);
    for (int row = 0; row < listed; ++row) {
        const FinderRow fit = DescribeFoundFit((*found)[static_cast<std::size_t>(row)]);
        FillRow(m_resultTable, row,
                {FromUtf8(fit.fit), FromUtf8(fit.type), FromUtf8(fit.minClearance), FromUtf8(fit.maxClearance),
                 FromUtf8(fit.fitTolerance), fit.preferred ? tr("★ 优先") : QString(), QString::number(row + 1)},
                fit.preferred, {kColumnMin, kColumnMax, kColumnTolerance, kColumnRank});
    }
    m_resultTable->setSortingEnabled(true);
    m_countLabel->setText(FromUtf8(FinderCountText(count, listed)));
    m_output->setCurrentWidget(m_resultTable);
}

void FitFinderPage::SearchLoad()
{
    const FinderInputs inputs
        = ReadInputs(m_sizeText, m_basisList, m_finestGradeList, m_coarsestGradeList, m_allGradePairsBox);
    const auto found = FindFitsForLoad(m_tablesFolder, inputs, m_serviceForm);
    if (!found) {
        ShowProblem(FromUtf8(FinderProblemText(found.reason(), m_tablesFolder)));
        return;
    }
    const int count = static_cast<int>(found->size());
    const int listed = std::min(count, kListedFits);
    m_loadTable->setSortingEnabled(false);
    m_loadTable->setRowCount(listed);
    for (int row = 0; row < listed; ++row) {
        const LoadFinderRow fit = DescribeLoadFit((*found)[static_cast<std::size_t>(row)]);
        FillRow(m_loadTable, row,
                {FromUtf8(fit.fit), FromUtf8(fit.slipSafety), FromUtf8(fit.hubSafety), FromUtf8(fit.shaftSafety),
                 FromUtf8(fit.pressForce), FromUtf8(fit.hubAssemblyTemp), FromUtf8(fit.shaftAssemblyTemp),
                 FromUtf8(fit.warnings), QString::number(row + 1)},
                fit.preferred,
                {kLoadSlip, kLoadHub, kLoadShaft, kLoadPressForce, kLoadHubTemp, kLoadShaftTemp, kLoadRank});
        QStringList sentences;
        for (const std::string& sentence : fit.warningSentences)
            sentences.append(FromUtf8(sentence));
        m_loadTable->item(row, kLoadWarnings)->setToolTip(sentences.join(QLatin1Char('\n')));
    }
    m_loadTable->setSortingEnabled(true);
    m_countLabel->setText(FromUtf8(LoadFinderCountText(count, listed)));
    m_output->setCurrentWidget(m_loadTable);
}

QList<QStringList> FitFinderPage::ResultRows() const
{
    if (m_output->currentWidget() == m_problemPage)
        return {{m_problemBanner->Text()}};
    return TableRows(*static_cast<QTableWidget*>(m_output->currentWidget())->model());
}
