#include "fit_window.h"

#include "diagram_file.h"
#include "dialog_units.h"
#include "fit_diagram.h"
#include "fit_diagram_view.h"
#include "fit_evaluation.h"
#include "fit_finder_page.h"
#include "preferred_fit_lists.h"
#include "scales.h"
#include "service_page.h"
#include "service_texts.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
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
    list->setMaxVisibleItems(entries.size());
    return list;
}

QLabel* NewValue(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The fit's classes in the class lists' positions; letters and grades are list positions.
void ShowClass(QComboBox* letters, QComboBox* grades, const ToleranceClass& shown)
{
    const QSignalBlocker letterBlocker(letters);
    const QSignalBlocker gradeBlocker(grades);
    letters->setCurrentIndex(shown.letter);
    grades->setCurrentIndex(shown.grade);
}

} // namespace

FitWindow::FitWindow(const FitStart& start, std::filesystem::path tablesFolder, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_tablesFolder(std::move(tablesFolder))
{
    setObjectName(QStringLiteral("fitWindow"));
    setWindowTitle(QStringLiteral("配合分析 - Quorlan"));
    setFont(DialogFont());

    // One size for the whole window, above the tabs: the finder searches at it and the service
    // conditions take the analysed fit at it.
    auto* sizeRow = new QHBoxLayout;
    m_sizeBox = new QLineEdit(this);
    m_sizeBox->setObjectName(QStringLiteral("fitSizeBox"));
    m_sizeBox->setMaximumWidth(m_sizeBox->fontMetrics().horizontalAdvance(QStringLiteral("0000.000000")) + 12);
    auto* sizeCaption = new QLabel(QStringLiteral("基本尺寸(&S)"), this);
    sizeCaption->setBuddy(m_sizeBox);
    sizeRow->addWidget(sizeCaption);
    sizeRow->addWidget(m_sizeBox);
    sizeRow->addWidget(new QLabel(QStringLiteral("mm（不大于 3150 mm，各页共用）"), this));
    sizeRow->addStretch(1);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("fitTabs"));
    m_tabs->addTab(CreateAnalysisPage(), QStringLiteral("配合分析"));
    m_finderPage = new FitFinderPage(m_tablesFolder, m_tabs);
    m_tabs->addTab(m_finderPage, QStringLiteral("配合查找"));
    m_servicePage = new ServicePage(m_tabs);
    m_tabs->addTab(m_servicePage, QStringLiteral("使用条件"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(sizeRow);
    layout->addWidget(m_tabs);

    setTabOrder(m_sizeBox, m_designationBox);
    setTabOrder(m_designationBox, m_holeLetterList);
    setTabOrder(m_holeLetterList, m_holeGradeList);
    setTabOrder(m_holeGradeList, m_shaftLetterList);
    setTabOrder(m_shaftLetterList, m_shaftGradeList);
    setTabOrder(m_shaftGradeList, m_preferredFitTable);
    setTabOrder(m_preferredFitTable, m_copyButton);
    setTabOrder(m_copyButton, m_saveButton);

    m_sizeBox->setText(FromUtf8(start.sizeText));
    m_designationBox->setText(FromUtf8(start.designation));
    m_finderPage->SetSizeText(m_sizeBox->text());
    ConnectHandlers();
    OnDesignationEdited();
}

QWidget* FitWindow::CreateAnalysisPage()
{
    // Made with their parents, so that sizes are measured in the window's font.
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("fitAnalysisPage"));
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(CreateInputs(page));

    m_output = new QStackedWidget(page);
    m_output->setObjectName(QStringLiteral("fitOutput"));
    m_output->addWidget(CreateResults(m_output));
    // The reason stands where the results were, so that stale results are never on show.
    m_problemLabel = new QLabel(m_output);
    m_problemLabel->setObjectName(QStringLiteral("fitProblemLabel"));
    m_problemLabel->setAlignment(Qt::AlignCenter);
    m_problemLabel->setWordWrap(true);
    m_problemLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont problemFont = m_problemLabel->font();
    problemFont.setPointSizeF(problemFont.pointSizeF() * 1.3);
    m_problemLabel->setFont(problemFont);
    m_output->addWidget(m_problemLabel);
    layout->addWidget(m_output, 1);
    return page;
}

QWidget* FitWindow::CreateInputs(QWidget* parent)
{
    auto* column = new QWidget(parent);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins({});

    auto* inputs = new QGroupBox(QStringLiteral("输入"), column);
    auto* grid = new QGridLayout(inputs);
    auto caption = [&](const QString& text, QWidget* buddy, int row) {
        auto* label = new QLabel(text, inputs);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 0);
    };

    m_designationBox = new QLineEdit(inputs);
    m_designationBox->setObjectName(QStringLiteral("fitDesignationBox"));
    m_designationBox->setPlaceholderText(QStringLiteral("如 H7/g6"));
    caption(QStringLiteral("配合代号(&D)"), m_designationBox, 0);
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
    classRow(QStringLiteral("孔公差带(&H)"), m_holeLetterList, m_holeGradeList, 1);
    classRow(QStringLiteral("轴公差带(&T)"), m_shaftLetterList, m_shaftGradeList, 2);
    columnLayout->addWidget(inputs);

    auto* preferred = new QGroupBox(QStringLiteral("优先配合(&P)"), column);
    auto* preferredLayout = new QVBoxLayout(preferred);
    // One column per fit class, both bases together; a fit listed twice in a class is shown once.
    const std::pair<int, QString> classes[] = {{kFitClearance, QStringLiteral("间隙配合")},
                                               {kFitTransition, QStringLiteral("过渡配合")},
                                               {kFitInterference, QStringLiteral("过盈配合")}};
    std::vector<QStringList> columns;
    QStringList headings;
    for (const auto& [fitClass, heading] : classes) {
        QStringList listed;
        for (const int basis : {kBasisHole, kBasisShaft}) {
            for (const std::string_view fit : PreferredFits(basis, fitClass)) {
                if (!listed.contains(FromUtf8(fit)))
                    listed.append(FromUtf8(fit));
            }
        }
        columns.push_back(listed);
        headings.append(heading);
    }
    int rowCount = 0;
    for (const QStringList& listed : columns)
        rowCount = std::max(rowCount, static_cast<int>(listed.size()));
    m_preferredFitTable = new QTableWidget(rowCount, static_cast<int>(columns.size()), preferred);
    m_preferredFitTable->setObjectName(QStringLiteral("preferredFitTable"));
    m_preferredFitTable->setHorizontalHeaderLabels(headings);
    m_preferredFitTable->verticalHeader()->hide();
    m_preferredFitTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_preferredFitTable->verticalHeader()->setDefaultSectionSize(m_preferredFitTable->fontMetrics().height() + 6);
    m_preferredFitTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preferredFitTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_preferredFitTable->setShowGrid(false);
    for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
        for (int row = 0; row < rowCount; ++row) {
            const QStringList& listed = columns[static_cast<std::size_t>(column)];
            auto* item = new QTableWidgetItem(row < listed.size() ? listed[row] : QString());
            if (row >= listed.size())
                item->setFlags(Qt::NoItemFlags);
            m_preferredFitTable->setItem(row, column, item);
        }
    }
    // Tall enough for every fit, so that none hides behind a scroll bar.
    m_preferredFitTable->setMinimumHeight(m_preferredFitTable->horizontalHeader()->sizeHint().height()
                                          + rowCount * m_preferredFitTable->verticalHeader()->defaultSectionSize()
                                          + 2 * m_preferredFitTable->frameWidth());
    preferredLayout->addWidget(m_preferredFitTable);
    columnLayout->addWidget(preferred, 1);
    column->setFixedWidth(column->sizeHint().width());
    return column;
}

QWidget* FitWindow::CreateResults(QWidget* parent)
{
    m_resultsPage = new QWidget(parent);
    m_resultsPage->setObjectName(QStringLiteral("fitResultsPage"));
    auto* layout = new QGridLayout(m_resultsPage);
    layout->setContentsMargins({});

    auto* parts = new QGroupBox(QStringLiteral("孔与轴"), m_resultsPage);
    auto* partGrid = new QGridLayout(parts);
    partGrid->setHorizontalSpacing(16);
    m_hole.heading = NewValue("holeHeading", parts);
    m_shaft.heading = NewValue("shaftHeading", parts);
    partGrid->addWidget(m_hole.heading, 0, 1);
    partGrid->addWidget(m_shaft.heading, 0, 2);
    const struct
    {
        QString caption;
        QLabel* PartLabels::*member;
        const char* holeName;
        const char* shaftName;
    } rows[] = {
        {QStringLiteral("上偏差"), &PartLabels::upper, "holeUpperValue", "shaftUpperValue"},
        {QStringLiteral("下偏差"), &PartLabels::lower, "holeLowerValue", "shaftLowerValue"},
        {QStringLiteral("最大极限尺寸"), &PartLabels::largestSize, "holeLargestValue", "shaftLargestValue"},
        {QStringLiteral("最小极限尺寸"), &PartLabels::smallestSize, "holeSmallestValue", "shaftSmallestValue"},
        {QStringLiteral("公差"), &PartLabels::tolerance, "holeToleranceValue", "shaftToleranceValue"},
    };
    int row = 1;
    for (const auto& line : rows) {
        partGrid->addWidget(new QLabel(line.caption, parts), row, 0);
        m_hole.*line.member = NewValue(line.holeName, parts);
        m_shaft.*line.member = NewValue(line.shaftName, parts);
        partGrid->addWidget(m_hole.*line.member, row, 1);
        partGrid->addWidget(m_shaft.*line.member, row, 2);
        ++row;
    }

    auto* fit = new QGroupBox(QStringLiteral("配合"), m_resultsPage);
    auto* fitGrid = new QGridLayout(fit);
    fitGrid->setHorizontalSpacing(16);
    m_fitType = NewValue("fitTypeValue", fit);
    m_extreme1Caption = NewValue("fitExtreme1Caption", fit);
    m_extreme1Value = NewValue("fitExtreme1Value", fit);
    m_extreme2Caption = NewValue("fitExtreme2Caption", fit);
    m_extreme2Value = NewValue("fitExtreme2Value", fit);
    m_meanCaption = NewValue("fitMeanCaption", fit);
    m_meanValue = NewValue("fitMeanValue", fit);
    m_fitTolerance = NewValue("fitToleranceValue", fit);
    fitGrid->addWidget(new QLabel(QStringLiteral("配合性质"), fit), 0, 0);
    fitGrid->addWidget(m_fitType, 0, 1);
    fitGrid->addWidget(m_extreme1Caption, 1, 0);
    fitGrid->addWidget(m_extreme1Value, 1, 1);
    fitGrid->addWidget(m_extreme2Caption, 2, 0);
    fitGrid->addWidget(m_extreme2Value, 2, 1);
    fitGrid->addWidget(m_meanCaption, 3, 0);
    fitGrid->addWidget(m_meanValue, 3, 1);
    fitGrid->addWidget(new QLabel(QStringLiteral("配合公差 Tf"), fit), 4, 0);
    fitGrid->addWidget(m_fitTolerance, 4, 1);
    // A transition fit may come out either way: how likely each is, sizes normal in ±3σ zones.
    for (int line = 0; line < 2; ++line) {
        m_probabilityCaptions[line] = NewValue(line == 0 ? "fitProbability1Caption" : "fitProbability2Caption", fit);
        m_probabilityValues[line] = NewValue(line == 0 ? "fitProbability1Value" : "fitProbability2Value", fit);
        fitGrid->addWidget(m_probabilityCaptions[line], 5 + line, 0);
        fitGrid->addWidget(m_probabilityValues[line], 5 + line, 1);
    }
    fitGrid->setColumnStretch(1, 1);

    m_diagram = new FitDiagramView(m_resultsPage);
    m_diagram->setObjectName(QStringLiteral("fitDiagram"));

    auto* drawingRow = new QHBoxLayout;
    auto* drawingCaption = new QLabel(QStringLiteral("图样标注(&L)"), m_resultsPage);
    m_drawingLineBox = new QLineEdit(m_resultsPage);
    m_drawingLineBox->setObjectName(QStringLiteral("drawingLineBox"));
    m_drawingLineBox->setReadOnly(true);
    drawingCaption->setBuddy(m_drawingLineBox);
    m_copyButton = new QPushButton(QStringLiteral("复制(&C)"), m_resultsPage);
    m_copyButton->setObjectName(QStringLiteral("copyDrawingLineButton"));
    m_saveButton = new QPushButton(QStringLiteral("保存配合图(&V)..."), m_resultsPage);
    m_saveButton->setObjectName(QStringLiteral("saveDiagramButton"));
    drawingRow->addWidget(drawingCaption);
    drawingRow->addWidget(m_drawingLineBox, 1);
    drawingRow->addWidget(m_copyButton);
    drawingRow->addWidget(m_saveButton);

    m_statusLabel = new QLabel(m_resultsPage);
    m_statusLabel->setObjectName(QStringLiteral("fitStatusLabel"));
    m_statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* numbers = new QVBoxLayout;
    numbers->addWidget(parts);
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

void FitWindow::ConnectHandlers()
{
    connect(m_sizeBox, &QLineEdit::textChanged, this, &FitWindow::Recalculate);
    connect(m_designationBox, &QLineEdit::textEdited, this, &FitWindow::OnDesignationEdited);
    for (QComboBox* list : {m_holeLetterList, m_holeGradeList, m_shaftLetterList, m_shaftGradeList})
        connect(list, &QComboBox::currentIndexChanged, this, &FitWindow::OnClassListChanged);
    connect(m_preferredFitTable, &QTableWidget::currentItemChanged, this, &FitWindow::OnPreferredFitChosen);
    connect(m_copyButton, &QPushButton::clicked, this, &FitWindow::CopyDrawingLine);
    connect(m_sizeBox, &QLineEdit::textChanged, m_finderPage, &FitFinderPage::SetSizeText);
    connect(m_finderPage, &FitFinderPage::fitChosen, this, &FitWindow::OnFoundFitChosen);
    connect(m_saveButton, &QPushButton::clicked, this, &FitWindow::SaveDiagram);
}

void FitWindow::OnDesignationEdited()
{
    const auto fit = ReadDesignation(m_designationBox->text().toStdString());
    ShowFitInLists(fit ? std::optional(*fit) : std::nullopt);
    Recalculate();
}

void FitWindow::OnClassListChanged()
{
    const FitDesignation fit {{Part::Hole, m_holeLetterList->currentIndex(), m_holeGradeList->currentIndex()},
                              {Part::Shaft, m_shaftLetterList->currentIndex(), m_shaftGradeList->currentIndex()}};
    m_designationBox->setText(FromUtf8(FitName(fit)));
    ShowFitInLists(fit);
    Recalculate();
}

void FitWindow::OnPreferredFitChosen(QTableWidgetItem* item)
{
    if (!item || !(item->flags() & Qt::ItemIsSelectable))
        return;
    m_designationBox->setText(item->text());
    OnDesignationEdited();
}

void FitWindow::OnFoundFitChosen(const QString& designation)
{
    m_designationBox->setText(designation);
    OnDesignationEdited();
    m_tabs->setCurrentIndex(0);
}

void FitWindow::ShowFitInLists(const std::optional<FitDesignation>& fit)
{
    if (fit) {
        ShowClass(m_holeLetterList, m_holeGradeList, fit->hole);
        ShowClass(m_shaftLetterList, m_shaftGradeList, fit->shaft);
    }
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

void FitWindow::Recalculate()
{
    m_statusLabel->clear();
    const FitEvaluation evaluation
        = EvaluateFit(m_tablesFolder, m_sizeBox->text().toStdString(), m_designationBox->text().toStdString());
    if (!evaluation.analysis) {
        m_problemLabel->setText(FromUtf8(evaluation.problem));
        m_output->setCurrentWidget(m_problemLabel);
        m_diagram->SetSvg({});
        m_drawingLineBox->clear();
        m_servicePage->SetFit(std::nullopt, FromUtf8(evaluation.problem));
        return;
    }
    const FitTexts texts = DescribeFit(*evaluation.analysis);
    const auto showPart = [](const PartLabels& labels, const PartTexts& part) {
        labels.heading->setText(FromUtf8(part.heading));
        labels.upper->setText(FromUtf8(part.upper));
        labels.lower->setText(FromUtf8(part.lower));
        labels.largestSize->setText(FromUtf8(part.largestSize));
        labels.smallestSize->setText(FromUtf8(part.smallestSize));
        labels.tolerance->setText(FromUtf8(part.tolerance));
    };
    showPart(m_hole, texts.hole);
    showPart(m_shaft, texts.shaft);
    m_fitType->setText(FromUtf8(texts.type));
    m_extreme1Caption->setText(FromUtf8(texts.extreme1Caption));
    m_extreme1Value->setText(FromUtf8(texts.extreme1Value));
    m_extreme2Caption->setText(FromUtf8(texts.extreme2Caption));
    m_extreme2Value->setText(FromUtf8(texts.extreme2Value));
    m_meanCaption->setText(FromUtf8(texts.meanCaption));
    m_meanValue->setText(FromUtf8(texts.meanValue));
    m_fitTolerance->setText(FromUtf8(texts.fitTolerance));
    m_drawingLineBox->setText(FromUtf8(texts.drawingLine));
    m_drawingLineBox->setCursorPosition(0);
    m_diagram->SetSvg(QByteArray::fromStdString(FitDiagramSvg(*evaluation.analysis, DiagramPaletteFor(*m_diagram))));
    const auto probabilities = evaluation.analysis->type == FitType::Transition
        ? TransitionProbabilities(*evaluation.analysis)
        : std::vector<ServiceLine> {};
    for (int line = 0; line < 2; ++line) {
        const bool shown = line < static_cast<int>(probabilities.size());
        m_probabilityCaptions[line]->setVisible(shown);
        m_probabilityValues[line]->setVisible(shown);
        if (shown) {
            m_probabilityCaptions[line]->setText(FromUtf8(probabilities[static_cast<std::size_t>(line)].caption));
            m_probabilityValues[line]->setText(FromUtf8(probabilities[static_cast<std::size_t>(line)].value));
        }
    }
    m_servicePage->SetFit(*evaluation.analysis, {});
    m_output->setCurrentWidget(m_resultsPage);
}

void FitWindow::CopyDrawingLine()
{
    QGuiApplication::clipboard()->setText(m_drawingLineBox->text());
    m_statusLabel->setText(QStringLiteral("已复制到剪贴板：") + m_drawingLineBox->text());
}

void FitWindow::SaveDiagram()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    // "H7-g6_40mm.svg": no slash, which a file name cannot hold.
    const QString suggested = m_designationBox->text().trimmed().replace(QLatin1Char('/'), QLatin1Char('-'))
        + QLatin1Char('_') + m_sizeBox->text().trimmed() + QStringLiteral("mm.svg");
    const QString svgFilter = QStringLiteral("SVG 矢量图 (*.svg)");
    const QString pngFilter = QStringLiteral("PNG 图片 (*.png)");
    QString chosenFilter = svgFilter;
    QString path
        = QFileDialog::getSaveFileName(this, QStringLiteral("保存配合图"), folder + QLatin1Char('/') + suggested,
                                       svgFilter + QStringLiteral(";;") + pngFilter, &chosenFilter);
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("svg") && suffix != QLatin1String("png"))
        path += chosenFilter == pngFilter ? QStringLiteral(".png") : QStringLiteral(".svg");
    const QString problem = ::SaveDiagram(m_diagram->Svg(), path);
    m_statusLabel->setText(problem.isEmpty() ? QStringLiteral("已保存：") + QDir::toNativeSeparators(path)
                                             : QStringLiteral("无法保存 ") + QDir::toNativeSeparators(path)
                                   + QStringLiteral("：") + problem);
}
