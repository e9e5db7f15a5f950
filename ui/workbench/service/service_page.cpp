#include "workbench/service/service_page.h"

#include "core/materials.h"
#include "core/tolerance_class.h"
#include "widgets/warning_banner.h"
#include "workbench/service/service_texts.h"
#include "workbench/terms.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Number(double value)
{
    return QString::fromStdString(NumberText(value));
}

std::string Typed(const QLineEdit* box)
{
    return box->text().replace(QChar(0x2212), QLatin1Char('-')).toStdString();
}

const Material& MaterialAt(int index)
{
    const auto materials = BuiltInMaterials();
    return materials[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(materials.size()) - 1))];
}

} // namespace

ServicePage::ServicePage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("servicePage"));
    auto* layout = new QHBoxLayout(this);
    // Inputs and results scroll each on their own: the page is taller than the other tabs, and
    // would otherwise make the whole window scroll on every tab.
    auto* inputs = new QScrollArea(this);
    inputs->setObjectName(QStringLiteral("serviceInputsScrollArea"));
    inputs->setFrameShape(QFrame::NoFrame);
    inputs->setWidgetResizable(true);
    inputs->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    inputs->setWidget(CreateInputs());
    inputs->setMinimumWidth(inputs->widget()->minimumSizeHint().width()
                            + inputs->verticalScrollBar()->sizeHint().width());
    layout->addWidget(inputs);

    m_output = new QStackedWidget(this);
    m_output->addWidget(CreateResults(m_output));
    m_problemPage = NewProblemPage(m_output, QStringLiteral("serviceProblemLabel"), m_problemBanner);
    m_output->addWidget(m_problemPage);
    auto* output = new QScrollArea(this);
    output->setObjectName(QStringLiteral("serviceResultsScrollArea"));
    output->setFrameShape(QFrame::NoFrame);
    output->setWidgetResizable(true);
    output->setWidget(m_output);
    layout->addWidget(output, 1);

    for (QLineEdit* box : m_boxes)
        connect(box, &QLineEdit::textChanged, this, &ServicePage::Recalculate);
    for (const MaterialFields* fields : {&m_hub, &m_shaft}) {
        connect(fields->list, &QComboBox::currentIndexChanged, this, [this, fields] {
            FillMaterial(*fields);
            Recalculate();
        });
    }
    connect(m_smoothingList, &QComboBox::currentIndexChanged, this, &ServicePage::Recalculate);
    connect(m_joiningList, &QComboBox::currentIndexChanged, this, &ServicePage::Recalculate);
    connect(m_surfaceList, &QComboBox::currentIndexChanged, this, &ServicePage::Recalculate);
    ShowFrictionDefaults();
}

QLineEdit* ServicePage::NewBox(ServiceField field, const char* name, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
    m_boxes[static_cast<std::size_t>(field)] = box;
    return box;
}

QWidget* ServicePage::CreateInputs()
{
    using enum ServiceField;
    auto* column = new QWidget(this);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins({});

    m_fitLabel = new QLabel(column);
    m_fitLabel->setObjectName(QStringLiteral("serviceFitLabel"));
    columnLayout->addWidget(m_fitLabel);

    auto* geometry = new QGroupBox(tr("轮毂与轴"), column);
    auto* grid = new QGridLayout(geometry);
    int row = 0;
    auto addRow = [&](QGridLayout* to, QWidget* parent, const QString& caption, QWidget* field, const QString& unit) {
        auto* label = new QLabel(caption, parent);
        label->setBuddy(field);
        to->addWidget(label, row, 0);
        to->addWidget(field, row, 1);
        if (!unit.isEmpty())
            to->addWidget(new QLabel(unit, parent), row, 2);
        ++row;
    };
    NewBox(HubOutsideDiameter, "serviceHubOutsideBox", {}, geometry)->setPlaceholderText(tr("不填则无压力"));
    NewBox(ShaftBore, "serviceShaftBoreBox", {}, geometry)->setPlaceholderText(tr("实心轴"));
    NewBox(Length, "serviceLengthBox", {}, geometry)->setPlaceholderText(tr("不填则无扭矩"));
    addRow(grid, geometry, tr("轮毂外径(&O)"), Box(HubOutsideDiameter), QStringLiteral("mm"));
    addRow(grid, geometry, tr("轴内孔直径(&I)"), Box(ShaftBore), QStringLiteral("mm"));
    addRow(grid, geometry, tr("配合长度(&L)"), Box(Length), QStringLiteral("mm"));
    columnLayout->addWidget(geometry);

    auto* materials = new QGroupBox(tr("材料"), column);
    auto* materialGrid = new QGridLayout(materials);
    materialGrid->addWidget(new QLabel(tr("轮毂"), materials), 0, 1);
    materialGrid->addWidget(new QLabel(tr("轴"), materials), 0, 2);
    const QString captions[]
        = {tr("材料"), tr("弹性模量 E (MPa)"), tr("泊松比 ν"), tr("线膨胀系数 α (10⁻⁶/K)"), tr("屈服强度 (MPa)")};
    for (int line = 0; line < 5; ++line)
        materialGrid->addWidget(new QLabel(captions[line], materials), line + 1, 0);
    CreateMaterial(m_hub, "Hub", materialGrid, 1);
    CreateMaterial(m_shaft, "Shaft", materialGrid, 2);
    columnLayout->addWidget(materials);

    auto* service = new QGroupBox(tr("工作条件"), column);
    auto* serviceGrid = new QGridLayout(service);
    row = 0;
    NewBox(HubTemperature, "serviceHubTemperatureBox", QStringLiteral("20"), service);
    NewBox(ShaftTemperature, "serviceShaftTemperatureBox", QStringLiteral("20"), service);
    m_joiningList = new QComboBox(service);
    m_joiningList->setObjectName(QStringLiteral("serviceJoiningList"));
    m_joiningList->addItems({Terms::tr("压装"), Terms::tr("热装或冷装")});
    NewBox(HubMaxTemperature, "serviceHubMaxTemperatureBox", {}, service)->setPlaceholderText(tr("材料的"));
    m_surfaceList = new QComboBox(service);
    m_surfaceList->setObjectName(QStringLiteral("serviceSurfaceList"));
    //: The surfaces of a press fit; not given, each check takes the coefficient worse for it.
    m_surfaceList->addItems({tr("未给出（各项取不利值）"), tr("干燥"), tr("涂油")});
    NewBox(Friction, "serviceFrictionBox", {}, service);
    NewBox(FrictionPressing, "serviceFrictionPressingBox", {}, service);
    NewBox(HubRz, "serviceHubRzBox", QStringLiteral("0"), service);
    NewBox(ShaftRz, "serviceShaftRzBox", QStringLiteral("0"), service);
    m_smoothingList = new QComboBox(service);
    m_smoothingList->setObjectName(QStringLiteral("serviceSmoothingList"));
    m_smoothingList->addItems({tr("0.4（DIN 7190-1:2017）"), tr("0.8（旧版）")});
    NewBox(JoiningClearance, "serviceJoiningClearanceBox", {}, service)->setPlaceholderText(tr("0.001 × 尺寸"));
    NewBox(ZoneSigmas, "serviceZoneSigmaBox", Number(kDefaultZoneSigmas), service);
    addRow(serviceGrid, service, Terms::tr("轮毂温度"), Box(HubTemperature), QStringLiteral("°C"));
    addRow(serviceGrid, service, Terms::tr("轴温度"), Box(ShaftTemperature), QStringLiteral("°C"));
    addRow(serviceGrid, service, Terms::tr("轮毂最高装配温度"), Box(HubMaxTemperature), QStringLiteral("°C"));
    addRow(serviceGrid, service, tr("装配方法(&J)"), m_joiningList, {});
    addRow(serviceGrid, service, tr("压装时的表面"), m_surfaceList, {});
    // Empty: DIN 7190-1's value, shown in the empty box.
    addRow(serviceGrid, service, tr("保持摩擦系数 μ"), Box(Friction), tr("空：DIN 7190-1"));
    addRow(serviceGrid, service, tr("压入摩擦系数 μ"), Box(FrictionPressing), tr("空：DIN 7190-1"));
    //: 孔 here is the hub's bore, as in the term 孔的 Rz ("Bore Rz"), not the fit's hole.
    addRow(serviceGrid, service, tr("孔 Rz"), Box(HubRz), QStringLiteral("µm"));
    addRow(serviceGrid, service, tr("轴 Rz"), Box(ShaftRz), QStringLiteral("µm"));
    addRow(serviceGrid, service, Terms::tr("压平系数"), m_smoothingList, {});
    addRow(serviceGrid, service, Terms::tr("装配间隙"), Box(JoiningClearance), QStringLiteral("µm"));
    addRow(serviceGrid, service, Terms::tr("公差带 σ 数"), Box(ZoneSigmas), {});
    columnLayout->addWidget(service);

    auto* load = new QGroupBox(tr("载荷"), column);
    auto* loadGrid = new QGridLayout(load);
    row = 0;
    NewBox(Torque, "serviceTorqueBox", {}, load)->setPlaceholderText(tr("无"));
    NewBox(AxialForce, "serviceAxialForceBox", {}, load)->setPlaceholderText(tr("无"));
    NewBox(RequiredSlipSafety, "serviceSlipSafetyBox", Number(kDefaultRequiredSlipSafety), load);
    NewBox(RequiredYieldSafety, "serviceYieldSafetyBox", Number(kDefaultRequiredYieldSafety), load);
    NewBox(RequiredFractureSafety, "serviceFractureSafetyBox", Number(kDefaultRequiredFractureSafety), load);
    addRow(loadGrid, load, tr("扭矩(&T)"), Box(Torque), QStringLiteral("N·m"));
    addRow(loadGrid, load, tr("轴向力(&F)"), Box(AxialForce), QStringLiteral("N"));
    addRow(loadGrid, load, Terms::tr("要求的防滑安全系数"), Box(RequiredSlipSafety), {});
    addRow(loadGrid, load, Terms::tr("要求的屈服安全系数"), Box(RequiredYieldSafety), {});
    addRow(loadGrid, load, Terms::tr("要求的断裂安全系数"), Box(RequiredFractureSafety), {});
    columnLayout->addWidget(load);
    columnLayout->addStretch(1);
    return column;
}

void ServicePage::CreateMaterial(MaterialFields& fields, const char* name, QGridLayout* grid, int column)
{
    QWidget* parent = grid->parentWidget();
    fields.list = new QComboBox(parent);
    fields.list->setObjectName(QStringLiteral("service%1MaterialList").arg(QLatin1String(name)));
    // Long names in full in the open list only: the closed one must not widen the page.
    fields.list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    fields.list->setMinimumContentsLength(12);
    for (const Material& material : BuiltInMaterials())
        fields.list->addItem(QString::fromStdString(MaterialName(material)));
    const QByteArray prefix = QByteArrayLiteral("service") + name;
    const std::pair<ServiceField, const char*> boxes[] = {{fields.youngsModulus, "YoungsModulusBox"},
                                                          {fields.poissonRatio, "PoissonRatioBox"},
                                                          {fields.expansion, "ExpansionBox"},
                                                          {fields.strength, "StrengthBox"}};
    grid->addWidget(fields.list, 1, column);
    int line = 2;
    for (const auto& [field, boxName] : boxes)
        grid->addWidget(NewBox(field, (prefix + boxName).constData(), {}, parent), line++, column);
    FillMaterial(fields);
}

void ServicePage::FillMaterial(const MaterialFields& fields)
{
    const MaterialProperties& properties = MaterialAt(fields.list->currentIndex()).properties;
    // One recalculation for the whole material, after the caller's.
    const QSignalBlocker blockers[]
        = {QSignalBlocker(Box(fields.youngsModulus)), QSignalBlocker(Box(fields.poissonRatio)),
           QSignalBlocker(Box(fields.expansion)), QSignalBlocker(Box(fields.strength))};
    Box(fields.youngsModulus)->setText(Number(properties.youngsModulusMpa));
    Box(fields.poissonRatio)->setText(Number(properties.poissonRatio));
    Box(fields.expansion)->setText(Number(properties.expansionPerK * 1e6));
    Box(fields.strength)->setText(Number(properties.strengthMpa));
    Box(fields.strength)->setToolTip(properties.brittle ? tr("无屈服点：抗拉强度 Rm") : tr("屈服强度 Re 或 Rp0.2"));
}

QWidget* ServicePage::CreateResults(QWidget* parent)
{
    m_resultsPage = new QWidget(parent);
    m_resultsPage->setObjectName(QStringLiteral("serviceResultsPage"));
    auto* layout = new QVBoxLayout(m_resultsPage);
    layout->setContentsMargins({});
    // The results' warnings above them, never to be missed.
    m_warningBanner
        = new WarningBanner(WarningBanner::Severity::Warning, QStringLiteral("serviceWarningLabel"), m_resultsPage);
    layout->addWidget(m_warningBanner);
    layout->addWidget(CreateStates(m_resultsPage));
    auto* results = new QGroupBox(tr("结果（两种状态中较差的值）"), m_resultsPage);
    auto* grid = new QGridLayout(results);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const ServiceResultField& field : ServiceResultFields()) {
        auto* caption = new QLabel(results);
        auto* value = new QLabel(results);
        // "servicePressureMinValue" is clumsier to find than the core's key.
        value->setObjectName(QStringLiteral("service_") + FromUtf8(field.key));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* state = new QLabel(results);
        state->setObjectName(QStringLiteral("service_") + FromUtf8(field.key) + QStringLiteral("_state"));
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(state, row, 2);
        m_resultCaptions.append(caption);
        m_resultValues.append(value);
        m_resultStates.append(state);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    layout->addWidget(results);

    auto* assumptions = new QGroupBox(tr("假设"), m_resultsPage);
    auto* assumptionsLayout = new QVBoxLayout(assumptions);
    m_assumptionsLabel = new QLabel(assumptions);
    m_assumptionsLabel->setObjectName(QStringLiteral("serviceAssumptionsLabel"));
    m_assumptionsLabel->setWordWrap(true);
    m_assumptionsLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    assumptionsLayout->addWidget(m_assumptionsLabel);
    layout->addWidget(assumptions);
    layout->addStretch(1);
    return m_resultsPage;
}

QWidget* ServicePage::CreateStates(QWidget* parent)
{
    auto* states = new QGroupBox(tr("静止与工作两种状态"), parent);
    states->setObjectName(QStringLiteral("serviceStatesBox"));
    auto* grid = new QGridLayout(states);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    const char* stateNames[] = {"standstill", "service"};
    for (int state = 0; state < 2; ++state) {
        auto* heading = new QLabel(states);
        heading->setObjectName(QStringLiteral("serviceStateHeading_") + QLatin1String(stateNames[state]));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(heading, 0, state + 1);
        m_stateHeadings[static_cast<std::size_t>(state)] = heading;
    }
    // The rows the texts give: the effective interferences, then the core's values per state.
    std::vector<std::string_view> keys = {"interference_min_um", "interference_max_um"};
    for (const ServiceStateField& field : ServiceStateFields())
        keys.push_back(field.key);
    int row = 1;
    for (const std::string_view key : keys) {
        auto* caption = new QLabel(states);
        grid->addWidget(caption, row, 0);
        m_stateCaptions.append(caption);
        std::array<QLabel*, 2> values {};
        for (int state = 0; state < 2; ++state) {
            auto* value = new QLabel(states);
            value->setObjectName(
                QStringLiteral("serviceState_%1_%2").arg(FromUtf8(key), QLatin1String(stateNames[state])));
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            grid->addWidget(value, row, state + 1);
            values[static_cast<std::size_t>(state)] = value;
        }
        m_stateValues.append(values);
        ++row;
    }
    grid->setColumnStretch(3, 1);
    return states;
}

void ServicePage::ShowFrictionDefaults()
{
    const FrictionCoefficients friction = DefaultFrictionOf(Form());
    Box(ServiceField::Friction)->setPlaceholderText(Number(friction.holding));
    Box(ServiceField::FrictionPressing)->setPlaceholderText(Number(friction.pressing));
}

void ServicePage::SetFit(const std::optional<FitAnalysis>& fit, const QString& problem)
{
    m_fit = fit;
    m_fitProblem = problem;
    Recalculate();
}

ServiceForm ServicePage::Form() const
{
    ServiceForm form;
    for (std::size_t field = 0; field < kServiceFieldCount; ++field)
        form.typed[field] = Typed(m_boxes[field]);
    form.hubMaterial = MaterialAt(m_hub.list->currentIndex()).properties;
    form.shaftMaterial = MaterialAt(m_shaft.list->currentIndex()).properties;
    form.smoothingFactor
        = m_smoothingList->currentIndex() == 1 ? kSmoothingFactorDin7190_2001 : kSmoothingFactorDin7190_2017;
    form.joining = m_joiningList->currentIndex() == 1 ? JoiningMethod::Shrink : JoiningMethod::Press;
    form.surface = m_surfaceList->currentIndex() == 1
        ? SurfaceCondition::Dry
        : (m_surfaceList->currentIndex() == 2 ? SurfaceCondition::Oiled : SurfaceCondition::NotGiven);
    return form;
}

std::optional<ServiceInputs> ServicePage::Inputs() const
{
    if (!m_fit)
        return std::nullopt;
    const auto inputs = ReadServiceForm(*m_fit, Form());
    return inputs ? std::optional(*inputs) : std::nullopt;
}

void ServicePage::Recalculate()
{
    ShowFrictionDefaults();
    emit formChanged();
    if (!m_fit) {
        m_fitLabel->clear();
        m_problemBanner->SetMessage(tr("“配合分析”中的配合不能使用：") + m_fitProblem);
        m_output->setCurrentWidget(m_problemPage);
        return;
    }
    m_fitLabel->setText(
        tr("配合 Ø%1 %2（取自“配合分析”）")
            .arg(QString::fromStdString(FormatMm(m_fit->size)),
                 QString::fromStdString(FitName({m_fit->hole.toleranceClass, m_fit->shaft.toleranceClass}))));
    const auto results = CalculateService(*m_fit, Form());
    if (!results) {
        m_problemBanner->SetMessage(QString::fromStdString(ServiceProblemText(results.reason())));
        m_output->setCurrentWidget(m_problemPage);
        return;
    }
    const ServiceTexts texts = DescribeServiceResults(*results);
    for (int index = 0; index < m_resultValues.size() && index < static_cast<int>(texts.results.size()); ++index) {
        const ServiceLine& line = texts.results[static_cast<std::size_t>(index)];
        m_resultCaptions[index]->setText(QString::fromStdString(line.caption));
        m_resultValues[index]->setText(QString::fromStdString(line.value));
        m_resultStates[index]->setText(QString::fromStdString(line.governs));
    }
    for (std::size_t state = 0; state < 2; ++state)
        m_stateHeadings[state]->setText(QString::fromStdString(texts.stateHeadings[state]));
    for (int index = 0; index < m_stateValues.size() && index < static_cast<int>(texts.states.size()); ++index) {
        const ServiceStateLine& line = texts.states[static_cast<std::size_t>(index)];
        m_stateCaptions[index]->setText(QString::fromStdString(line.caption));
        for (std::size_t state = 0; state < 2; ++state)
            m_stateValues[index][state]->setText(QString::fromStdString(line.values[state]));
    }
    QStringList warnings;
    for (const std::string& line : texts.warnings)
        warnings.append(QString::fromStdString(line));
    m_warningBanner->SetMessages(warnings);
    QStringList assumptions;
    for (const std::string& line : texts.assumptions)
        assumptions.append(QStringLiteral("• ") + QString::fromStdString(line));
    m_assumptionsLabel->setText(assumptions.join(QLatin1Char('\n')));
    m_output->setCurrentWidget(m_resultsPage);
}
