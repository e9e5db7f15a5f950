#include "workbench/bearing/bearing_page.h"

#include "core/fit_diagram.h"
#include "widgets/warning_banner.h"
#include "workbench/analysis/fit_diagram_view.h"
#include "workbench/analysis/fit_figures.h"
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
    // As wide as the fields need and the hint wrapped to them: a wrapped label's own width would
    // widen the page past the window's.
    const int fieldsWidth = inputs->sizeHint().width();
    grid->addWidget(hint, 2, 0, 1, 2);
    inputs->setFixedWidth(fieldsWidth + 40);
    return inputs;
}

BearingPage::~BearingPage() = default;

QWidget* BearingPage::CreateResults(QWidget* parent)
{
    m_resultsPage = new QWidget(parent);
    m_resultsPage->setObjectName(QStringLiteral("bearingResultsPage"));
    auto* layout = new QGridLayout(m_resultsPage);
    layout->setContentsMargins({});

    m_figures = std::make_unique<FitFigures>(tr("轴承与轴承座"), QStringLiteral("bearing"), QStringLiteral("bearing"),
                                             m_resultsPage);

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
    numbers->addWidget(m_figures->PartsBox());
    numbers->addWidget(m_figures->FitBox());
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
    m_figures->Show(texts);
    m_drawingLineBox->setText(FromUtf8(texts.drawingLine));
    m_drawingLineBox->setCursorPosition(0);
    m_diagram->SetSvg(QByteArray::fromStdString(FitDiagramSvg(fit->analysis, DiagramPaletteFor(*m_diagram))));
    m_output->setCurrentWidget(m_resultsPage);
}
