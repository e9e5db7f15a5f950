#include "workbench/analysis/analysis_page.h"

#include "core/fit_diagram.h"
#include "core/preferred_fit_lists.h"
#include "core/scales.h"
#include "core/tabulated_classes.h"
#include "widgets/warning_banner.h"
#include "workbench/analysis/analysis_model.h"
#include "workbench/analysis/analysis_texts.h"
#include "workbench/analysis/fit_diagram_view.h"
#include "workbench/analysis/fit_figures.h"
#include "workbench/service/service_texts.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template<class Texts> QStringList ListOf(const Texts& texts)
{
    QStringList list;
    for (const std::string_view text : texts)
        list.append(FromUtf8(text));
    return list;
}

QComboBox* NewList(const char* name, const QStringList& entries, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(entries);
    list->setMaxVisibleItems(static_cast<int>(entries.size()));
    return list;
}

// The fit's classes in the class lists' positions; letters and grades are list positions.
void ShowClass(QComboBox* letters, QComboBox* grades, const ToleranceClass& shown)
{
    const QSignalBlocker letterBlocker(letters);
    const QSignalBlocker gradeBlocker(grades);
    letters->setCurrentIndex(shown.letter);
    grades->setCurrentIndex(shown.grade);
}

// Marks, in italics and with a tip, the list entries that make a class ISO 286-2 does not print
// (E13, m12): each grade with the letter chosen, each letter with the grade chosen. The lists
// themselves go italic while their class is such a one.
void MarkUntabulated(QComboBox* letters, QComboBox* grades, Part part, const QString& tip)
{
    // Fonts that set only the italics, so that everything else still follows the window's font.
    const auto italic = [](bool on) {
        QFont font;
        font.setItalic(on);
        return font;
    };
    const auto mark = [&tip, &italic](QComboBox* list, int index, bool untabulated) {
        list->setItemData(index, italic(untabulated), Qt::FontRole);
        list->setItemData(index, untabulated ? QVariant(tip) : QVariant(), Qt::ToolTipRole);
    };
    const int letter = letters->currentIndex();
    const int grade = grades->currentIndex();
    for (int index = 0; index < grades->count(); ++index)
        mark(grades, index, !IsTabulated({part, letter, index}));
    for (int index = 0; index < letters->count(); ++index)
        mark(letters, index, !IsTabulated({part, index, grade}));
    const bool untabulated = !IsTabulated({part, letter, grade});
    for (QComboBox* list : {letters, grades}) {
        list->setFont(untabulated ? italic(true) : QFont());
        list->setToolTip(untabulated ? tip : QString());
    }
}

// Space on the preferred fits chooses the current one, as a click or Enter does; moving through
// the table chooses nothing, so that Tab and the arrow keys never replace the fit.
class SpaceChooses : public QObject
{
public:
    SpaceChooses(QTableWidget* table, std::function<void()> choose)
        : QObject(table)
        , m_choose(std::move(choose))
    {
        table->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space
            && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            m_choose();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_choose;
};

} // namespace

AnalysisPage::AnalysisPage(std::filesystem::path tablesFolder, QWidget* parent)
    : QWidget(parent)
    , m_tablesFolder(std::move(tablesFolder))
{
    setObjectName(QStringLiteral("fitAnalysisPage"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateInputs());

    m_output = new QStackedWidget(this);
    m_output->setObjectName(QStringLiteral("fitOutput"));
    m_output->addWidget(CreateResults(m_output));
    // The reason stands where the results were, so that stale results are never on show.
    m_problemPage = NewProblemPage(m_output, QStringLiteral("fitProblemLabel"), m_problemBanner);
    m_output->addWidget(m_problemPage);
    layout->addWidget(m_output, 1);

    connect(m_designationBox, &QLineEdit::textEdited, this, &AnalysisPage::OnDesignationEdited);
    for (QComboBox* list : {m_holeLetterList, m_holeGradeList, m_shaftLetterList, m_shaftGradeList})
        connect(list, &QComboBox::currentIndexChanged, this, &AnalysisPage::OnClassListChanged);
    connect(m_preferredFitTable, &QTableWidget::itemClicked, this, &AnalysisPage::OnPreferredFitChosen);
    connect(m_preferredFitTable, &QTableWidget::itemActivated, this, &AnalysisPage::OnPreferredFitChosen);
    new SpaceChooses(m_preferredFitTable, [this] { OnPreferredFitChosen(m_preferredFitTable->currentItem()); });
    connect(m_copyButton, &QPushButton::clicked, this, &AnalysisPage::copyDrawingLineRequested);
    connect(m_saveButton, &QPushButton::clicked, this, &AnalysisPage::saveDiagramRequested);

    setTabOrder(m_designationBox, m_holeLetterList);
    setTabOrder(m_holeLetterList, m_holeGradeList);
    setTabOrder(m_holeGradeList, m_shaftLetterList);
    setTabOrder(m_shaftLetterList, m_shaftGradeList);
    setTabOrder(m_shaftGradeList, m_preferredFitTable);
    setTabOrder(m_preferredFitTable, m_drawingLineBox);
    setTabOrder(m_drawingLineBox, m_copyButton);
    setTabOrder(m_copyButton, m_saveButton);
}

void AnalysisPage::MarkUntabulatedClasses()
{
    const QString tip = tr("ISO 286-2 未列出此公差带，其极限偏差按 ISO 286-1 的规则算出");
    MarkUntabulated(m_holeLetterList, m_holeGradeList, Part::Hole, tip);
    MarkUntabulated(m_shaftLetterList, m_shaftGradeList, Part::Shaft, tip);
}

QWidget* AnalysisPage::CreateInputs()
{
    // Made with their parents, so that sizes are measured in the window's font.
    auto* column = new QWidget(this);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins({});

    auto* inputs = new QGroupBox(tr("输入"), column);
    auto* grid = new QGridLayout(inputs);
    auto caption = [&](const QString& text, QWidget* buddy, int row) {
        auto* label = new QLabel(text, inputs);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 0);
    };

    m_designationBox = new QLineEdit(inputs);
    m_designationBox->setObjectName(QStringLiteral("fitDesignationBox"));
    m_designationBox->setPlaceholderText(tr("如 H7/g6"));
    caption(tr("配合代号(&D)"), m_designationBox, 0);
    grid->addWidget(m_designationBox, 0, 1, 1, 2);

    const QStringList grades = ListOf(kCoreGradeNames);
    m_holeLetterList = NewList("holeLetterList", ListOf(kHoleLetters), inputs);
    m_holeGradeList = NewList("holeGradeList", grades, inputs);
    m_shaftLetterList = NewList("shaftLetterList", ListOf(kShaftLetters), inputs);
    m_shaftGradeList = NewList("shaftGradeList", grades, inputs);
    auto classRow = [&](const QString& text, QComboBox* letters, QComboBox* gradeList, int row) {
        caption(text, letters, row);
        auto* pair = new QHBoxLayout;
        pair->addWidget(letters);
        pair->addWidget(gradeList);
        grid->addLayout(pair, row, 1, 1, 2);
    };
    classRow(tr("孔公差带(&H)"), m_holeLetterList, m_holeGradeList, 1);
    classRow(tr("轴公差带(&T)"), m_shaftLetterList, m_shaftGradeList, 2);
    columnLayout->addWidget(inputs);
    MarkUntabulatedClasses();

    auto* preferred = new QGroupBox(tr("优先配合(&P)"), column);
    auto* preferredLayout = new QVBoxLayout(preferred);
    m_preferredFitTable = CreatePreferredFitTable(preferred);
    preferredLayout->addWidget(m_preferredFitTable);
    columnLayout->addWidget(preferred, 1);
    column->setFixedWidth(column->sizeHint().width());
    return column;
}

QTableWidget* AnalysisPage::CreatePreferredFitTable(QWidget* parent)
{
    // The ISO 286-1 preferred fits of both systems, one column per fit type, as the standard groups them.
    const std::pair<FitType, QString> classes[] = {{FitType::Clearance, tr("间隙配合")},
                                                   {FitType::Transition, tr("过渡配合")},
                                                   {FitType::Interference, tr("过盈配合")}};
    std::vector<QStringList> columns;
    QStringList headings;
    for (const auto& [fitClass, heading] : classes) {
        QStringList listed;
        for (const IsoPreferredFit& fit : IsoPreferredFitList()) {
            if (fit.type == fitClass)
                listed.append(FromUtf8(fit.designation));
        }
        columns.push_back(listed);
        headings.append(heading);
    }
    int rowCount = 0;
    for (const QStringList& listed : columns)
        rowCount = std::max(rowCount, static_cast<int>(listed.size()));
    auto* table = new QTableWidget(rowCount, static_cast<int>(columns.size()), parent);
    table->setObjectName(QStringLiteral("preferredFitTable"));
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setShowGrid(false);
    // Tab leaves the table rather than walking its cells.
    table->setTabKeyNavigation(false);
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        for (int row = 0; row < rowCount; ++row) {
            const QStringList& listed = columns[static_cast<std::size_t>(column)];
            auto* item = new QTableWidgetItem(row < listed.size() ? listed[row] : QString());
            if (row >= listed.size())
                item->setFlags(Qt::NoItemFlags);
            table->setItem(row, column, item);
        }
    }
    // Tall enough for every fit, so that none hides behind a scroll bar.
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height()
                            + rowCount * table->verticalHeader()->defaultSectionSize() + 2 * table->frameWidth());
    return table;
}

AnalysisPage::~AnalysisPage() = default;

QWidget* AnalysisPage::CreateResults(QWidget* parent)
{
    m_resultsPage = new QWidget(parent);
    m_resultsPage->setObjectName(QStringLiteral("fitResultsPage"));
    auto* layout = new QGridLayout(m_resultsPage);
    layout->setContentsMargins({});

    m_figures = std::make_unique<FitFigures>(tr("孔与轴"), QString(), QStringLiteral("fit"), m_resultsPage);
    QGridLayout* fitGrid = m_figures->FitGrid();
    QWidget* fit = m_figures->FitBox();
    // A transition fit may come out either way: how likely each is, sizes normal in ±3σ zones.
    for (int line = 0; line < 2; ++line) {
        m_probabilityCaptions[line] = FitFigures::NewValue(
            line == 0 ? QStringLiteral("fitProbability1Caption") : QStringLiteral("fitProbability2Caption"), fit);
        m_probabilityValues[line] = FitFigures::NewValue(
            line == 0 ? QStringLiteral("fitProbability1Value") : QStringLiteral("fitProbability2Value"), fit);
        fitGrid->addWidget(m_probabilityCaptions[line], FitFigures::FirstFreeRow() + line, 0);
        fitGrid->addWidget(m_probabilityValues[line], FitFigures::FirstFreeRow() + line, 1);
    }

    m_diagram = new FitDiagramView(m_resultsPage);
    m_diagram->setObjectName(QStringLiteral("fitDiagram"));

    auto* drawingRow = new QHBoxLayout;
    auto* drawingCaption = new QLabel(tr("图样标注(&L)"), m_resultsPage);
    m_drawingLineBox = new QLineEdit(m_resultsPage);
    m_drawingLineBox->setObjectName(QStringLiteral("drawingLineBox"));
    m_drawingLineBox->setReadOnly(true);
    drawingCaption->setBuddy(m_drawingLineBox);
    m_copyButton = new QPushButton(tr("复制(&C)"), m_resultsPage);
    m_copyButton->setObjectName(QStringLiteral("copyDrawingLineButton"));
    m_saveButton = new QPushButton(tr("保存配合图(&V)..."), m_resultsPage);
    m_saveButton->setObjectName(QStringLiteral("saveDiagramButton"));
    drawingRow->addWidget(drawingCaption);
    drawingRow->addWidget(m_drawingLineBox, 1);
    drawingRow->addWidget(m_copyButton);
    drawingRow->addWidget(m_saveButton);

    m_statusLabel = new QLabel(m_resultsPage);
    m_statusLabel->setObjectName(QStringLiteral("fitStatusLabel"));
    m_statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* numbers = new QVBoxLayout;
    numbers->addWidget(m_figures->PartsBox());
    numbers->addWidget(fit);
    numbers->addStretch(1);
    layout->addLayout(numbers, 0, 0);
    layout->addWidget(m_diagram, 0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    layout->addLayout(drawingRow, 1, 0, 1, 2);
    layout->addWidget(m_statusLabel, 2, 0, 1, 2);
    return m_resultsPage;
}

void AnalysisPage::SetSizeText(const QString& sizeText)
{
    m_sizeText = sizeText;
    Recalculate();
}

void AnalysisPage::SetInputs(const QString& sizeText, const QString& designation)
{
    m_sizeText = sizeText;
    SetDesignation(designation);
}

QString AnalysisPage::Designation() const
{
    return m_designationBox->text();
}

void AnalysisPage::SetDesignation(const QString& designation)
{
    m_designationBox->setText(designation);
    OnDesignationEdited();
}

QString AnalysisPage::DrawingLine() const
{
    return m_drawingLineBox->text();
}

const QByteArray& AnalysisPage::DiagramSvg() const
{
    return m_diagram->Svg();
}

void AnalysisPage::ShowStatus(const QString& text)
{
    m_statusLabel->setText(text);
}

void AnalysisPage::OnDesignationEdited()
{
    const auto fit = ReadDesignation(m_designationBox->text().toStdString());
    ShowFitInLists(fit ? std::optional(*fit) : std::nullopt);
    Recalculate();
}

void AnalysisPage::OnClassListChanged()
{
    const FitDesignation fit {{Part::Hole, m_holeLetterList->currentIndex(), m_holeGradeList->currentIndex()},
                              {Part::Shaft, m_shaftLetterList->currentIndex(), m_shaftGradeList->currentIndex()}};
    m_designationBox->setText(FromUtf8(FitName(fit)));
    ShowFitInLists(fit);
    Recalculate();
}

void AnalysisPage::OnPreferredFitChosen(const QTableWidgetItem* item)
{
    if (!item || !(item->flags() & Qt::ItemIsSelectable))
        return;
    SetDesignation(item->text());
}

void AnalysisPage::ShowFitInLists(const std::optional<FitDesignation>& fit)
{
    if (fit) {
        ShowClass(m_holeLetterList, m_holeGradeList, fit->hole);
        ShowClass(m_shaftLetterList, m_shaftGradeList, fit->shaft);
    }
    MarkUntabulatedClasses();
    const QString name = fit ? FromUtf8(FitName(*fit)) : QString();
    const QSignalBlocker blocker(m_preferredFitTable);
    m_preferredFitTable->setCurrentItem(nullptr);
    m_preferredFitTable->clearSelection();
    if (!fit)
        return;
    const QList<QTableWidgetItem*> found
        = m_preferredFitTable->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty())
        m_preferredFitTable->setCurrentItem(found.first());
}

void AnalysisPage::Recalculate()
{
    m_statusLabel->clear();
    const auto analysis
        = AnalyseTypedFit(m_tablesFolder, m_sizeText.toStdString(), m_designationBox->text().toStdString());
    if (!analysis) {
        m_analysis.reset();
        m_problem = FromUtf8(AnalysisProblemText(analysis.reason(), m_tablesFolder));
        m_problemBanner->SetMessage(m_problem);
        m_output->setCurrentWidget(m_problemPage);
        m_diagram->SetSvg({});
        m_drawingLineBox->clear();
        emit analysisChanged();
        return;
    }
    m_analysis = *analysis;
    m_problem.clear();
    const FitTexts texts = DescribeFit(*analysis);
    m_figures->Show(texts);
    m_drawingLineBox->setText(FromUtf8(texts.drawingLine));
    m_drawingLineBox->setCursorPosition(0);
    m_diagram->SetSvg(QByteArray::fromStdString(FitDiagramSvg(*analysis, DiagramPaletteFor(*m_diagram))));
    const auto probabilities
        = analysis->type == FitType::Transition ? TransitionProbabilities(*analysis) : std::vector<ServiceLine> {};
    for (int line = 0; line < 2; ++line) {
        const bool shown = line < static_cast<int>(probabilities.size());
        m_probabilityCaptions[line]->setVisible(shown);
        m_probabilityValues[line]->setVisible(shown);
        if (shown) {
            m_probabilityCaptions[line]->setText(FromUtf8(probabilities[static_cast<std::size_t>(line)].caption));
            m_probabilityValues[line]->setText(FromUtf8(probabilities[static_cast<std::size_t>(line)].value));
        }
    }
    m_output->setCurrentWidget(m_resultsPage);
    emit analysisChanged();
}
