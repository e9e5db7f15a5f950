#include "fit_finder_page.h"

#include "finder_model.h"
#include "finder_texts.h"
#include "scales.h"
#include "sortable_item.h"
#include "table_export.h"
#include "warning_banner.h"

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
    m_resultTable = new QTableWidget(0, kColumnCount, m_output);
    m_resultTable->setObjectName(QStringLiteral("finderResultTable"));
    m_resultTable->setHorizontalHeaderLabels({tr("配合"), tr("配合性质"), tr("最小间隙 µm"), tr("最大间隙 µm"),
                                              tr("配合公差 Tf µm"), tr("优先配合"), tr("排名")});
    // A click on a header sorts by that column; the list opens in the finder's ranking.
    m_resultTable->horizontalHeader()->setSortIndicator(kColumnRank, Qt::AscendingOrder);
    m_resultTable->setSortingEnabled(true);
    m_resultTable->verticalHeader()->setDefaultSectionSize(m_resultTable->fontMetrics().height() + 6);
    m_resultTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_resultTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_resultTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_resultTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_resultTable->setToolTip(tr("双击或按 Enter，在“配合分析”中查看该配合"));
    m_output->addWidget(m_resultTable);
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
    connect(m_resultTable, &QTableWidget::itemActivated, this, [this](QTableWidgetItem* item) {
        if (const QTableWidgetItem* fit = m_resultTable->item(item->row(), kColumnFit))
            emit fitChosen(fit->text());
    });
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
    grid->setRowStretch(6, 1);

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

void FitFinderPage::SearchNow()
{
    m_stale = false;
    FinderInputs inputs;
    inputs.sizeText = m_sizeText.toStdString();
    inputs.minClearanceText = m_minClearanceBox->text().replace(QChar(0x2212), QLatin1Char('-')).toStdString();
    inputs.maxClearanceText = m_maxClearanceBox->text().replace(QChar(0x2212), QLatin1Char('-')).toStdString();
    const SearchBasis bases[] = {SearchBasis::Hole, SearchBasis::Shaft, SearchBasis::Any};
    inputs.basis = bases[std::max(0, m_basisList->currentIndex())];
    inputs.finestGrade = m_finestGradeList->currentIndex();
    inputs.coarsestGrade = m_coarsestGradeList->currentIndex();
    inputs.allGradePairs = m_allGradePairsBox->isChecked();
    const auto found = FindFitsFor(m_tablesFolder, inputs);

    if (!found) {
        m_problemBanner->SetMessage(FromUtf8(FinderProblemText(found.reason(), m_tablesFolder)));
        m_output->setCurrentWidget(m_problemPage);
        m_countLabel->clear();
        m_resultTable->setRowCount(0);
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
        const QString texts[kColumnCount]
            = {FromUtf8(fit.fit),          FromUtf8(fit.type),         FromUtf8(fit.minClearance),
               FromUtf8(fit.maxClearance), FromUtf8(fit.fitTolerance), fit.preferred ? tr("★ 优先") : QString(),
               QString::number(row + 1)};
        for (int column = 0; column < kColumnCount; ++column) {
            auto* item = new SortableItem(texts[column]);
            if ((column >= kColumnMin && column <= kColumnTolerance) || column == kColumnRank)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (fit.preferred) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            m_resultTable->setItem(row, column, item);
        }
    }
    m_resultTable->setSortingEnabled(true);
    m_countLabel->setText(FromUtf8(FinderCountText(count, listed)));
    m_output->setCurrentWidget(m_resultTable);
}

QList<QStringList> FitFinderPage::ResultRows() const
{
    if (m_output->currentWidget() != m_resultTable)
        return {{m_problemBanner->Text()}};
    return TableRows(*m_resultTable->model());
}
