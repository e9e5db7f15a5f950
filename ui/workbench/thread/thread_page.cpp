#include "workbench/thread/thread_page.h"

#include "core/threads/iso261_sizes.h"
#include "widgets/warning_banner.h"
#include "workbench/analysis/fit_diagram_view.h"
#include "workbench/thread/thread_texts.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kDefaultThread = QStringLiteral("M10-6H/6g");

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

// The entry whose data is the value; -1 for none, so that a typed value no list holds shows none.
void ShowData(QComboBox* list, const QVariant& value)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(list->findData(value));
}

} // namespace

ThreadPage::ThreadPage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("threadPage"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateInputs(), 0, Qt::AlignTop);
    m_output = new QStackedWidget(this);
    m_output->setObjectName(QStringLiteral("threadOutput"));
    m_output->addWidget(CreateResults(m_output));
    m_problemPage = NewProblemPage(m_output, QStringLiteral("threadProblemLabel"), m_problemBanner);
    m_output->addWidget(m_problemPage);
    layout->addWidget(m_output, 1);

    connect(m_designationBox, &QLineEdit::textChanged, this, &ThreadPage::Recalculate);
    // A pick, not a change of the list's entry: the designation shown sets the lists too.
    connect(m_diameterList, &QComboBox::activated, this, [this] { OnPicked(true); });
    for (QComboBox* list : {m_pitchList, m_nutList, m_boltList})
        connect(list, &QComboBox::activated, this, [this] { OnPicked(false); });
    setTabOrder(m_designationBox, m_diameterList);
    setTabOrder(m_diameterList, m_pitchList);
    setTabOrder(m_pitchList, m_nutList);
    setTabOrder(m_nutList, m_boltList);
    Recalculate();
}

QWidget* ThreadPage::CreateInputs()
{
    auto* inputs = new QGroupBox(tr("输入"), this);
    auto* grid = new QGridLayout(inputs);
    const auto caption = [&](const QString& text, QWidget* buddy, int row) {
        auto* label = new QLabel(text, inputs);
        label->setBuddy(buddy);
        grid->addWidget(label, row, 0);
        grid->addWidget(buddy, row, 1);
    };
    m_designationBox = new QLineEdit(kDefaultThread, inputs);
    m_designationBox->setObjectName(QStringLiteral("threadDesignationBox"));
    m_designationBox->setPlaceholderText(tr("如 M10x1.25-6H/6g"));
    caption(tr("螺纹标记(&T)"), m_designationBox, 0);

    m_diameterList = new QComboBox(inputs);
    m_diameterList->setObjectName(QStringLiteral("threadDiameterList"));
    for (const Iso261Size& size : Iso261Sizes())
        m_diameterList->addItem(QStringLiteral("M") + FromUtf8(FormatMm(ExactLength::FromUm(size.diameterUm))),
                                size.diameterUm);
    m_diameterList->setMaxVisibleItems(20);
    caption(tr("公称直径(&N)"), m_diameterList, 1);
    m_pitchList = new QComboBox(inputs);
    m_pitchList->setObjectName(QStringLiteral("threadPitchList"));
    caption(tr("螺距 mm(&P)"), m_pitchList, 2);

    const auto classList = [&](const char* name, std::span<const std::string_view> classes) {
        auto* list = new QComboBox(inputs);
        list->setObjectName(QLatin1String(name));
        list->addItem(QStringLiteral("—"), QString());
        for (const std::string_view threadClass : classes) {
            const QString text = QString::fromLatin1(threadClass.data(), static_cast<qsizetype>(threadClass.size()));
            list->addItem(text, text);
        }
        list->setMaxVisibleItems(static_cast<int>(classes.size()) + 1);
        return list;
    };
    grid->addWidget(new QLabel(tr("公差带代号"), inputs), 3, 0, 1, 2);
    m_nutList = classList("threadNutClassList", PickerNutClasses());
    caption(tr("内螺纹(&I)"), m_nutList, 4);
    m_boltList = classList("threadBoltClassList", PickerBoltClasses());
    caption(tr("外螺纹(&E)"), m_boltList, 5);

    auto* hint = new QLabel(tr("内螺纹公差带在前，如 M10-6H/6g；细牙写出螺距，如 M10x1.25。"
                               "列表中为 ISO 261 的尺寸与 ISO 965-1 的推荐公差带，其他公差带可直接输入。"),
                            inputs);
    hint->setWordWrap(true);
    // As wide as the fields need: the hint wraps within them.
    inputs->setFixedWidth(inputs->sizeHint().width() + 40);
    grid->addWidget(hint, 6, 0, 1, 2);
    return inputs;
}

QGroupBox* ThreadPage::CreatePart(QWidget* parent, const QString& name, PartLabels& labels)
{
    labels.box = new QGroupBox(parent);
    labels.box->setObjectName(QStringLiteral("thread%1Box").arg(name));
    auto* grid = new QGridLayout(labels.box);
    grid->setHorizontalSpacing(16);
    labels.deviation = NewValue(QStringLiteral("thread%1DeviationValue").arg(name), labels.box);
    grid->addWidget(labels.deviation, 0, 0, 1, 4);
    const std::array<std::string, 3> columns = ThreadLimitColumns();
    for (int column = 0; column < 3; ++column) {
        auto* header = new QLabel(FromUtf8(columns[static_cast<std::size_t>(column)]), labels.box);
        header->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(header, 1, column + 1);
    }
    const char* columnNames[] = {"Max", "Min", "Tolerance"};
    const char* rowNames[] = {"Major", "Pitch", name == QLatin1String("Nut") ? "Minor" : "Root"};
    for (int row = 0; row < 3; ++row) {
        labels.captions[row] = new QLabel(labels.box);
        grid->addWidget(labels.captions[row], row + 2, 0);
        for (int column = 0; column < 3; ++column) {
            QLabel* value = NewValue(QStringLiteral("thread%1%2%3Value")
                                         .arg(name, QLatin1String(rowNames[row]), QLatin1String(columnNames[column])),
                                     labels.box);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            labels.values[row][column] = value;
            grid->addWidget(value, row + 2, column + 1);
        }
    }
    grid->setColumnStretch(0, 1);
    return labels.box;
}

QWidget* ThreadPage::CreateResults(QWidget* parent)
{
    m_resultsPage = new QWidget(parent);
    m_resultsPage->setObjectName(QStringLiteral("threadResultsPage"));
    auto* layout = new QGridLayout(m_resultsPage);
    layout->setContentsMargins({});

    auto* headline = new QHBoxLayout;
    m_designation = NewValue(QStringLiteral("threadDesignationValue"), m_resultsPage);
    QFont large = m_designation->font();
    large.setPointSizeF(large.pointSizeF() * 1.4);
    large.setBold(true);
    m_designation->setFont(large);
    m_series = NewValue(QStringLiteral("threadSeriesValue"), m_resultsPage);
    headline->addWidget(m_designation);
    headline->addWidget(m_series, 1, Qt::AlignBottom);

    auto* basic = new QGroupBox(tr("螺纹基本尺寸"), m_resultsPage);
    auto* basicGrid = new QGridLayout(basic);
    basicGrid->setHorizontalSpacing(16);
    const char* basicNames[] = {"Major", "Pitch", "Minor", "Root"};
    for (int row = 0; row < 4; ++row) {
        m_basicCaptions[row] = new QLabel(basic);
        m_basicValues[row] = NewValue(QStringLiteral("threadBasic%1Value").arg(QLatin1String(basicNames[row])), basic);
        m_basicValues[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        basicGrid->addWidget(m_basicCaptions[row], row, 0);
        basicGrid->addWidget(m_basicValues[row], row, 1);
    }
    basicGrid->setColumnStretch(0, 1);

    m_fitBox = new QGroupBox(tr("中径配合"), m_resultsPage);
    m_fitBox->setObjectName(QStringLiteral("threadFitBox"));
    auto* fitGrid = new QGridLayout(m_fitBox);
    fitGrid->setHorizontalSpacing(16);
    const char* fitNames[] = {"MinClearance", "MaxClearance"};
    for (int row = 0; row < 2; ++row) {
        m_fitCaptions[row] = new QLabel(m_fitBox);
        m_fitValues[row] = NewValue(QStringLiteral("thread%1Value").arg(QLatin1String(fitNames[row])), m_fitBox);
        m_fitValues[row]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        fitGrid->addWidget(m_fitCaptions[row], row, 0);
        fitGrid->addWidget(m_fitValues[row], row, 1);
    }
    fitGrid->setColumnStretch(0, 1);

    auto* recommended = new QGroupBox(tr("推荐公差带（ISO 965-1、GB/T 197）"), m_resultsPage);
    auto* recommendedLayout = new QVBoxLayout(recommended);
    m_recommended = NewValue(QStringLiteral("threadRecommendedLabel"), recommended);
    m_recommended->setWordWrap(true);
    recommendedLayout->addWidget(m_recommended);

    auto* diagramBox = new QGroupBox(tr("中径公差带图"), m_resultsPage);
    diagramBox->setObjectName(QStringLiteral("threadDiagramBox"));
    auto* diagramLayout = new QVBoxLayout(diagramBox);
    m_diagram = new FitDiagramView(diagramBox);
    m_diagram->setObjectName(QStringLiteral("threadDiagram"));
    diagramLayout->addWidget(m_diagram);

    auto* numbers = new QVBoxLayout;
    numbers->addLayout(headline);
    numbers->addWidget(basic);
    numbers->addWidget(CreatePart(m_resultsPage, QStringLiteral("Nut"), m_nut));
    numbers->addWidget(CreatePart(m_resultsPage, QStringLiteral("Bolt"), m_bolt));
    numbers->addWidget(m_fitBox);
    numbers->addStretch(1);
    // Without the zones (a part alone) the recommendations stand at the top, not spread down.
    recommended->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    auto* right = new QVBoxLayout;
    right->addWidget(diagramBox, 1);
    right->addWidget(recommended);
    right->addStretch(0);
    layout->addLayout(numbers, 0, 0);
    layout->addLayout(right, 0, 1);
    layout->setColumnStretch(1, 1);
    return m_resultsPage;
}

QString ThreadPage::Designation() const
{
    return m_designationBox->text();
}

void ThreadPage::SetDesignation(const QString& designation)
{
    {
        const QSignalBlocker blocker(m_designationBox);
        m_designationBox->setText(designation);
    }
    Recalculate();
}

void ThreadPage::FillPitches(int diameterUm)
{
    const QSignalBlocker blocker(m_pitchList);
    m_pitchList->clear();
    const auto size = Iso261SizeOf(diameterUm);
    if (!size)
        return;
    if (size->coarsePitchUm != 0)
        m_pitchList->addItem(FromUtf8(CoarsePitchWords(FormatMm(ExactLength::FromUm(size->coarsePitchUm)))),
                             size->coarsePitchUm);
    for (const std::int32_t pitch : size->FinePitches())
        m_pitchList->addItem(FromUtf8(FormatMm(ExactLength::FromUm(pitch))), pitch);
}

void ThreadPage::ShowPickers(const ThreadDesignation& thread)
{
    m_shownThread = thread;
    const int diameterUm = static_cast<int>(thread.diameter.nm / 1000);
    ShowData(m_diameterList, diameterUm);
    FillPitches(diameterUm);
    ShowData(m_pitchList, static_cast<int>(thread.pitch.nm / 1000));
    ShowData(m_nutList, thread.nut ? FromUtf8(ThreadClassName(*thread.nut)) : QString());
    ShowData(m_boltList, thread.bolt ? FromUtf8(ThreadClassName(*thread.bolt)) : QString());
}

void ThreadPage::OnPicked(bool diameterChanged)
{
    if (diameterChanged) {
        // A new diameter takes its coarse pitch, or its first fine one.
        FillPitches(m_diameterList->currentData().toInt());
        const QSignalBlocker blocker(m_pitchList);
        m_pitchList->setCurrentIndex(0);
    }
    // A list that shows none keeps what the designation had: a size or a class typed.
    std::string size;
    if (m_diameterList->currentIndex() >= 0 && m_pitchList->currentIndex() >= 0)
        size = ThreadSizeName(m_diameterList->currentData().toInt(), m_pitchList->currentData().toInt());
    else if (m_shownThread)
        size = ThreadName(*m_shownThread);
    const auto picked = [](const QComboBox* list, const std::optional<ThreadClass>& shown) {
        if (list->currentIndex() >= 0)
            return list->currentData().toString().toStdString();
        return shown ? ThreadClassName(*shown) : std::string();
    };
    const std::string nut = picked(m_nutList, m_shownThread ? m_shownThread->nut : std::nullopt);
    const std::string bolt = picked(m_boltList, m_shownThread ? m_shownThread->bolt : std::nullopt);
    m_designationBox->setText(FromUtf8(PickedDesignation(size, nut, bolt)));
}

void ThreadPage::Recalculate()
{
    const auto analysis = AnalyseTypedThread(m_designationBox->text().toStdString());
    if (!analysis) {
        m_analysis.reset();
        if (const auto* refused = std::get_if<ThreadLimitsRefused>(&analysis.reason()))
            ShowPickers(refused->thread);
        m_problem = FromUtf8(ThreadProblemText(analysis.reason()));
        m_problemBanner->SetMessage(m_problem);
        m_output->setCurrentWidget(m_problemPage);
        m_diagram->SetSvg({});
        return;
    }
    m_analysis = *analysis;
    m_problem.clear();
    ShowPickers(analysis->thread);
    const ThreadTexts texts = DescribeThread(*analysis);
    m_designation->setText(FromUtf8(texts.designation));
    m_series->setText(FromUtf8(texts.series));
    for (std::size_t row = 0; row < texts.basic.size(); ++row) {
        m_basicCaptions[row]->setText(FromUtf8(texts.basic[row].first));
        m_basicValues[row]->setText(FromUtf8(texts.basic[row].second));
    }
    const auto showPart = [](const PartLabels& labels, const std::optional<ThreadPartTexts>& part) {
        labels.box->setVisible(part.has_value());
        if (!part)
            return;
        labels.box->setTitle(FromUtf8(part->heading));
        labels.deviation->setText(FromUtf8(part->deviation));
        for (std::size_t row = 0; row < part->rows.size(); ++row) {
            const ThreadLimitRow& limits = part->rows[row];
            labels.captions[row]->setText(FromUtf8(limits.caption));
            labels.values[row][0]->setText(FromUtf8(limits.maxMm));
            labels.values[row][1]->setText(FromUtf8(limits.minMm));
            labels.values[row][2]->setText(FromUtf8(limits.toleranceUm));
        }
    };
    showPart(m_nut, texts.nut);
    showPart(m_bolt, texts.bolt);
    m_fitBox->setVisible(!texts.fit.empty());
    for (std::size_t row = 0; row < texts.fit.size(); ++row) {
        m_fitCaptions[row]->setText(FromUtf8(texts.fit[row].first));
        m_fitValues[row]->setText(FromUtf8(texts.fit[row].second));
    }
    QStringList recommended;
    for (const std::string& line : texts.recommended)
        recommended << FromUtf8(line);
    m_recommended->setText(recommended.isEmpty() ? tr("标记中没有公差带代号。") : recommended.join(QLatin1Char('\n')));
    const std::string svg = ThreadZonesSvg(*analysis, DiagramPaletteFor(*m_diagram));
    m_diagram->SetSvg(QByteArray::fromStdString(svg));
    m_diagram->parentWidget()->setVisible(!svg.empty());
    m_output->setCurrentWidget(m_resultsPage);
}

QList<QStringList> ThreadPage::ResultRows() const
{
    if (!m_analysis)
        return {{m_problem}};
    const ThreadTexts texts = DescribeThread(*m_analysis);
    QList<QStringList> rows {{FromUtf8(texts.designation), FromUtf8(texts.series)}};
    for (const auto& [caption, value] : texts.basic)
        rows << QStringList {FromUtf8(caption), FromUtf8(value)};
    const std::array<std::string, 3> columns = ThreadLimitColumns();
    for (const auto* part : {&texts.nut, &texts.bolt}) {
        if (!*part)
            continue;
        rows << QStringList {FromUtf8((*part)->heading), FromUtf8((*part)->deviation)};
        rows << QStringList {QString(), FromUtf8(columns[0]), FromUtf8(columns[1]), FromUtf8(columns[2])};
        for (const ThreadLimitRow& limits : (*part)->rows)
            rows << QStringList {FromUtf8(limits.caption), FromUtf8(limits.maxMm), FromUtf8(limits.minMm),
                                 FromUtf8(limits.toleranceUm)};
    }
    for (const auto& [caption, value] : texts.fit)
        rows << QStringList {FromUtf8(caption), FromUtf8(value)};
    for (const std::string& line : texts.recommended)
        rows << QStringList {FromUtf8(line)};
    return rows;
}
