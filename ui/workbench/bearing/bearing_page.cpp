#include "workbench/bearing/bearing_page.h"

#include "core/fit_diagram.h"
#include "widgets/warning_banner.h"
#include "workbench/analysis/fit_diagram_view.h"
#include "workbench/bearing/bearing_model.h"
#include "workbench/bearing/bearing_texts.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

constexpr std::array kBearingClasses = {BearingClass::Normal, BearingClass::Class6, BearingClass::Class5};

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

QLabel* NewValue(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

BearingPage::BearingPage(std::filesystem::path tablesFolder, QWidget* parent)
    : QWidget(parent)
    , m_tablesFolder(std::move(tablesFolder))
{
    setObjectName(QStringLiteral("bearingPage"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateInputs(), 0, Qt::AlignTop);
    m_output = new QStackedWidget(this);
    m_output->setObjectName(QStringLiteral("bearingOutput"));
    m_output->addWidget(CreateResults(m_output));
    m_problemPage = NewProblemPage(m_output, QStringLiteral("bearingProblemLabel"), m_problemBanner);
    m_output->addWidget(m_problemPage);
    layout->addWidget(m_output, 1);

    connect(m_seatBox, &QLineEdit::textChanged, this, &BearingPage::Recalculate);
    connect(m_classList, &QComboBox::currentIndexChanged, this, &BearingPage::Recalculate);
    setTabOrder(m_seatBox, m_classList);
    setTabOrder(m_classList, m_drawingLineBox);
}

QWidget* BearingPage::CreateInputs()
{
    auto* inputs = new QGroupBox(tr("输入"), this);
    auto* grid = new QGridLayout(inputs);
    m_seatBox = new QLineEdit(QStringLiteral("k5"), inputs);
    m_seatBox->setObjectName(QStringLiteral("bearingSeatBox"));
    m_seatBox->setPlaceholderText(tr("如 k5 或 H7"));
    auto* seatCaption = new QLabel(tr("轴承座公差带(&E)"), inputs);
    seatCaption->setBuddy(m_seatBox);
    grid->addWidget(seatCaption, 0, 0);
    grid->addWidget(m_seatBox, 0, 1);

    m_classList = new QComboBox(inputs);
    m_classList->setObjectName(QStringLiteral("bearingClassList"));
    for (const BearingClass bearingClass : kBearingClasses)
        m_classList->addItem(FromUtf8(BearingClassWords(bearingClass)));
    auto* classCaption = new QLabel(tr("轴承公差等级(&B)"), inputs);
    classCaption->setBuddy(m_classList);
    grid->addWidget(classCaption, 1, 0);
    grid->addWidget(m_classList, 1, 1);

    auto* hint = new QLabel(tr("轴的公差带（小写，如 k5）配内圈，孔的公差带（大写，如 H7）配外圈。"
                               "直径取窗口的基本尺寸；轴承公差按 ISO 492（GB/T 307.1）。"),
                            inputs);
    hint->setWordWrap(true);
    grid->addWidget(hint, 2, 0, 1, 2);
    inputs->setFixedWidth(inputs->sizeHint().width() + 40);
    return inputs;
}

QWidget* BearingPage::CreateResults(QWidget* parent)
{
    m_resultsPage = new QWidget(parent);
    m_resultsPage->setObjectName(QStringLiteral("bearingResultsPage"));
    auto* layout = new QGridLayout(m_resultsPage);
    layout->setContentsMargins({});

    auto* parts = new QGroupBox(tr("轴承与轴承座"), m_resultsPage);
    auto* partGrid = new QGridLayout(parts);
    partGrid->setHorizontalSpacing(16);
    m_hole.heading = NewValue(QStringLiteral("bearingHoleHeading"), parts);
    m_shaft.heading = NewValue(QStringLiteral("bearingShaftHeading"), parts);
    partGrid->addWidget(m_hole.heading, 0, 1);
    partGrid->addWidget(m_shaft.heading, 0, 2);
    const std::pair<QString, QLabel * PartLabels::*> rows[] = {
        {tr("上偏差"), &PartLabels::upper},
        {tr("下偏差"), &PartLabels::lower},
        {tr("最大极限尺寸"), &PartLabels::largestSize},
        {tr("最小极限尺寸"), &PartLabels::smallestSize},
        {tr("公差"), &PartLabels::tolerance},
    };
    const char* names[] = {"Upper", "Lower", "Largest", "Smallest", "Tolerance"};
    for (int row = 0; row < 5; ++row) {
        partGrid->addWidget(new QLabel(rows[row].first, parts), row + 1, 0);
        m_hole.*rows[row].second = NewValue(QStringLiteral("bearingHole%1Value").arg(QLatin1String(names[row])), parts);
        m_shaft.*rows[row].second
            = NewValue(QStringLiteral("bearingShaft%1Value").arg(QLatin1String(names[row])), parts);
        partGrid->addWidget(m_hole.*rows[row].second, row + 1, 1);
        partGrid->addWidget(m_shaft.*rows[row].second, row + 1, 2);
    }

    auto* fit = new QGroupBox(tr("配合"), m_resultsPage);
    auto* fitGrid = new QGridLayout(fit);
    fitGrid->setHorizontalSpacing(16);
    m_fitType = NewValue(QStringLiteral("bearingFitTypeValue"), fit);
    fitGrid->addWidget(new QLabel(tr("配合性质"), fit), 0, 0);
    fitGrid->addWidget(m_fitType, 0, 1);
    const char* lines[] = {"Extreme1", "Extreme2", "Probable1", "Probable2", "Mean"};
    for (int line = 0; line < 5; ++line) {
        m_captions[line] = NewValue(QStringLiteral("bearing%1Caption").arg(QLatin1String(lines[line])), fit);
        m_values[line] = NewValue(QStringLiteral("bearing%1Value").arg(QLatin1String(lines[line])), fit);
        fitGrid->addWidget(m_captions[line], line + 1, 0);
        fitGrid->addWidget(m_values[line], line + 1, 1);
    }
    m_fitTolerance = NewValue(QStringLiteral("bearingFitToleranceValue"), fit);
    fitGrid->addWidget(new QLabel(tr("配合公差 Tf"), fit), 6, 0);
    fitGrid->addWidget(m_fitTolerance, 6, 1);
    fitGrid->setColumnStretch(1, 1);

    m_diagram = new FitDiagramView(m_resultsPage);
    m_diagram->setObjectName(QStringLiteral("bearingDiagram"));

    auto* drawingRow = new QHBoxLayout;
    auto* drawingCaption = new QLabel(tr("轴承座的图样标注(&L)"), m_resultsPage);
    m_drawingLineBox = new QLineEdit(m_resultsPage);
    m_drawingLineBox->setObjectName(QStringLiteral("bearingDrawingLineBox"));
    m_drawingLineBox->setReadOnly(true);
    drawingCaption->setBuddy(m_drawingLineBox);
    drawingRow->addWidget(drawingCaption);
    drawingRow->addWidget(m_drawingLineBox, 1);

    auto* numbers = new QVBoxLayout;
    numbers->addWidget(parts);
    numbers->addWidget(fit);
    numbers->addStretch(1);
    layout->addLayout(numbers, 0, 0);
    layout->addWidget(m_diagram, 0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    layout->addLayout(drawingRow, 1, 0, 1, 2);
    return m_resultsPage;
}

void BearingPage::SetSizeText(const QString& sizeText)
{
    m_sizeText = sizeText;
    Recalculate();
}

QString BearingPage::SeatText() const
{
    return m_seatBox->text();
}

void BearingPage::Recalculate()
{
    const auto bearingClass = kBearingClasses[static_cast<std::size_t>(std::max(0, m_classList->currentIndex()))];
    auto fit
        = AnalyseTypedSeat(m_tablesFolder, m_sizeText.toStdString(), m_seatBox->text().toStdString(), bearingClass);
    if (!fit) {
        m_fit.reset();
        m_problem = FromUtf8(BearingProblemText(fit.reason(), m_tablesFolder));
        m_problemBanner->SetMessage(m_problem);
        m_output->setCurrentWidget(m_problemPage);
        m_diagram->SetSvg({});
        m_drawingLineBox->clear();
        return;
    }
    m_fit = *fit;
    m_problem.clear();
    const FitTexts texts = DescribeBearingFit(*fit);
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
    const std::pair<const std::string&, const std::string&> lines[] = {
        {texts.extreme1Caption, texts.extreme1Value},
        {texts.extreme2Caption, texts.extreme2Value},
        {texts.probableCaptions[0], texts.probableValues[0]},
        {texts.probableCaptions[1], texts.probableValues[1]},
        {texts.meanCaption, texts.meanValue},
    };
    for (int line = 0; line < 5; ++line) {
        m_captions[line]->setText(FromUtf8(lines[line].first));
        m_values[line]->setText(FromUtf8(lines[line].second));
    }
    m_fitTolerance->setText(FromUtf8(texts.fitTolerance));
    m_drawingLineBox->setText(FromUtf8(texts.drawingLine));
    m_drawingLineBox->setCursorPosition(0);
    m_diagram->SetSvg(QByteArray::fromStdString(FitDiagramSvg(fit->analysis, DiagramPaletteFor(*m_diagram))));
    m_output->setCurrentWidget(m_resultsPage);
}
