#include "service_page.h"

#include "materials.h"
#include "service_texts.h"
#include "tolerance_class.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

QLineEdit* NewBox(const char* name, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
    return box;
}

std::string Typed(const QLineEdit* box)
{
    return box->text().replace(QChar(0x2212), QLatin1Char('-')).toStdString();
}

} // namespace

ServicePage::ServicePage(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("servicePage"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(CreateInputs());

    m_output = new QStackedWidget(this);
    m_output->addWidget(CreateResults(m_output));
    m_problemLabel = new QLabel(m_output);
    m_problemLabel->setObjectName(QStringLiteral("serviceProblemLabel"));
    m_problemLabel->setAlignment(Qt::AlignCenter);
    m_problemLabel->setWordWrap(true);
    m_problemLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_output->addWidget(m_problemLabel);
    layout->addWidget(m_output, 1);

    for (QLineEdit* box : findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textChanged, this, &ServicePage::Recalculate);
    for (const MaterialFields* fields : {&m_hub, &m_shaft}) {
        connect(fields->list, &QComboBox::currentIndexChanged, this, [this, fields] {
            FillMaterial(*fields);
            Recalculate();
        });
    }
    connect(m_smoothingList, &QComboBox::currentIndexChanged, this, &ServicePage::Recalculate);
}

QWidget* ServicePage::CreateInputs()
{
    auto* column = new QWidget(this);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins({});

    m_fitLabel = new QLabel(column);
    m_fitLabel->setObjectName(QStringLiteral("serviceFitLabel"));
    columnLayout->addWidget(m_fitLabel);

    auto* geometry = new QGroupBox(QStringLiteral("轮毂与轴"), column);
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
    m_hubOutsideBox = NewBox("serviceHubOutsideBox", {}, geometry);
    m_hubOutsideBox->setPlaceholderText(QStringLiteral("不填则无压力"));
    m_shaftBoreBox = NewBox("serviceShaftBoreBox", {}, geometry);
    m_shaftBoreBox->setPlaceholderText(QStringLiteral("实心轴"));
    m_lengthBox = NewBox("serviceLengthBox", {}, geometry);
    m_lengthBox->setPlaceholderText(QStringLiteral("不填则无扭矩"));
    addRow(grid, geometry, QStringLiteral("轮毂外径(&O)"), m_hubOutsideBox, QStringLiteral("mm"));
    addRow(grid, geometry, QStringLiteral("轴内孔直径(&I)"), m_shaftBoreBox, QStringLiteral("mm"));
    addRow(grid, geometry, QStringLiteral("配合长度(&L)"), m_lengthBox, QStringLiteral("mm"));
    columnLayout->addWidget(geometry);

    auto* materials = new QGroupBox(QStringLiteral("材料"), column);
    auto* materialGrid = new QGridLayout(materials);
    materialGrid->addWidget(new QLabel(QStringLiteral("轮毂"), materials), 0, 1);
    materialGrid->addWidget(new QLabel(QStringLiteral("轴"), materials), 0, 2);
    const QString captions[] = {QStringLiteral("材料"), QStringLiteral("弹性模量 E (MPa)"), QStringLiteral("泊松比 ν"),
                                QStringLiteral("线膨胀系数 α (10⁻⁶/K)"), QStringLiteral("屈服强度 (MPa)")};
    for (int line = 0; line < 5; ++line)
        materialGrid->addWidget(new QLabel(captions[line], materials), line + 1, 0);
    m_hub = CreateMaterial("Hub", materialGrid, 1);
    m_shaft = CreateMaterial("Shaft", materialGrid, 2);
    columnLayout->addWidget(materials);

    auto* service = new QGroupBox(QStringLiteral("工作条件"), column);
    auto* serviceGrid = new QGridLayout(service);
    row = 0;
    m_hubTemperatureBox = NewBox("serviceHubTemperatureBox", QStringLiteral("20"), service);
    m_shaftTemperatureBox = NewBox("serviceShaftTemperatureBox", QStringLiteral("20"), service);
    m_frictionBox = NewBox("serviceFrictionBox", QString(), service);
    m_frictionBox->setPlaceholderText(QStringLiteral("DIN 7190-1"));
    m_hubRzBox = NewBox("serviceHubRzBox", QStringLiteral("0"), service);
    m_shaftRzBox = NewBox("serviceShaftRzBox", QStringLiteral("0"), service);
    m_smoothingList = new QComboBox(service);
    m_smoothingList->setObjectName(QStringLiteral("serviceSmoothingList"));
    m_smoothingList->addItems({QStringLiteral("0.4（DIN 7190-1:2017）"), QStringLiteral("0.8（旧版）")});
    m_joiningClearanceBox = NewBox("serviceJoiningClearanceBox", {}, service);
    m_joiningClearanceBox->setPlaceholderText(QStringLiteral("0.001 × 尺寸"));
    m_zoneSigmaBox = NewBox("serviceZoneSigmaBox", Number(kDefaultZoneSigmas), service);
    addRow(serviceGrid, service, QStringLiteral("轮毂温度"), m_hubTemperatureBox, QStringLiteral("°C"));
    addRow(serviceGrid, service, QStringLiteral("轴温度"), m_shaftTemperatureBox, QStringLiteral("°C"));
    addRow(serviceGrid, service, QStringLiteral("摩擦系数 μ"), m_frictionBox, {});
    addRow(serviceGrid, service, QStringLiteral("孔 Rz"), m_hubRzBox, QStringLiteral("µm"));
    addRow(serviceGrid, service, QStringLiteral("轴 Rz"), m_shaftRzBox, QStringLiteral("µm"));
    addRow(serviceGrid, service, QStringLiteral("压平系数"), m_smoothingList, {});
    addRow(serviceGrid, service, QStringLiteral("装配间隙"), m_joiningClearanceBox, QStringLiteral("µm"));
    addRow(serviceGrid, service, QStringLiteral("公差带 σ 数"), m_zoneSigmaBox, {});
    columnLayout->addWidget(service);
    columnLayout->addStretch(1);
    return column;
}

ServicePage::MaterialFields ServicePage::CreateMaterial(const char* name, QGridLayout* grid, int column)
{
    QWidget* parent = grid->parentWidget();
    MaterialFields fields;
    fields.list = new QComboBox(parent);
    fields.list->setObjectName(QStringLiteral("service%1MaterialList").arg(QLatin1String(name)));
    for (const Material& material : BuiltInMaterials())
        fields.list->addItem(FromUtf8(material.nameZh));
    const QString prefix = QStringLiteral("service") + QLatin1String(name);
    auto box = [&](const char* field) {
        return NewBox(qPrintable(prefix + QLatin1String(field)), {}, parent);
    };
    fields.youngsModulus = box("YoungsModulusBox");
    fields.poissonRatio = box("PoissonRatioBox");
    fields.expansion = box("ExpansionBox");
    fields.strength = box("StrengthBox");
    QWidget* columnWidgets[]
        = {fields.list, fields.youngsModulus, fields.poissonRatio, fields.expansion, fields.strength};
    for (int line = 0; line < 5; ++line)
        grid->addWidget(columnWidgets[line], line + 1, column);
    FillMaterial(fields);
    return fields;
}

void ServicePage::FillMaterial(const MaterialFields& fields)
{
    const auto materials = BuiltInMaterials();
    const int index = fields.list->currentIndex();
    if (index < 0 || index >= static_cast<int>(materials.size()))
        return;
    const MaterialProperties& properties = materials[static_cast<std::size_t>(index)].properties;
    // One recalculation for the whole material, after the caller's.
    const QSignalBlocker blockers[] = {QSignalBlocker(fields.youngsModulus), QSignalBlocker(fields.poissonRatio),
                                       QSignalBlocker(fields.expansion), QSignalBlocker(fields.strength)};
    fields.youngsModulus->setText(Number(properties.youngsModulusMpa));
    fields.poissonRatio->setText(Number(properties.poissonRatio));
    fields.expansion->setText(Number(properties.expansionPerK * 1e6));
    fields.strength->setText(Number(properties.strengthMpa));
    fields.strength->setToolTip(properties.brittle ? QStringLiteral("无屈服点：抗拉强度 Rm")
                                                   : QStringLiteral("屈服强度 Re 或 Rp0.2"));
}

QWidget* ServicePage::CreateResults(QWidget* parent)
{
    m_resultsPage = new QWidget(parent);
    m_resultsPage->setObjectName(QStringLiteral("serviceResultsPage"));
    auto* layout = new QVBoxLayout(m_resultsPage);
    layout->setContentsMargins({});
    auto* results = new QGroupBox(QStringLiteral("结果"), m_resultsPage);
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
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        m_resultCaptions.append(caption);
        m_resultValues.append(value);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(results);

    auto* assumptions = new QGroupBox(QStringLiteral("假设"), m_resultsPage);
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

void ServicePage::SetFit(const std::optional<FitAnalysis>& fit, const QString& problem)
{
    m_fit = fit;
    m_fitProblem = problem;
    Recalculate();
}

void ServicePage::Recalculate()
{
    if (!m_fit) {
        m_fitLabel->clear();
        m_problemLabel->setText(QStringLiteral("“配合分析”中的配合不能使用：") + m_fitProblem);
        m_output->setCurrentWidget(m_problemLabel);
        return;
    }
    m_fitLabel->setText(
        QStringLiteral("配合 Ø%1 %2（取自“配合分析”）")
            .arg(QString::fromStdString(FormatMm(m_fit->size)),
                 QString::fromStdString(FitName({m_fit->hole.toleranceClass, m_fit->shaft.toleranceClass}))));
    ServiceForm form;
    form.hubOutsideDiameter_mm = Typed(m_hubOutsideBox);
    form.shaftBore_mm = Typed(m_shaftBoreBox);
    form.length_mm = Typed(m_lengthBox);
    const auto materials = BuiltInMaterials();
    form.hubMaterial = materials[static_cast<std::size_t>(std::max(0, m_hub.list->currentIndex()))].properties;
    form.shaftMaterial = materials[static_cast<std::size_t>(std::max(0, m_shaft.list->currentIndex()))].properties;
    form.hubE_mpa = Typed(m_hub.youngsModulus);
    form.hubNu = Typed(m_hub.poissonRatio);
    form.hubAlpha_per_mk = Typed(m_hub.expansion);
    form.hubStrength_mpa = Typed(m_hub.strength);
    form.shaftE_mpa = Typed(m_shaft.youngsModulus);
    form.shaftNu = Typed(m_shaft.poissonRatio);
    form.shaftAlpha_per_mk = Typed(m_shaft.expansion);
    form.shaftStrength_mpa = Typed(m_shaft.strength);
    form.hubTemperature_c = Typed(m_hubTemperatureBox);
    form.shaftTemperature_c = Typed(m_shaftTemperatureBox);
    form.friction = Typed(m_frictionBox);
    form.hubRz_um = Typed(m_hubRzBox);
    form.shaftRz_um = Typed(m_shaftRzBox);
    form.smoothingFactor
        = m_smoothingList->currentIndex() == 1 ? kSmoothingFactorDin7190_2001 : kSmoothingFactorDin7190_2017;
    form.joiningClearance_um = Typed(m_joiningClearanceBox);
    form.zoneSigmas = Typed(m_zoneSigmaBox);

    const ServiceTexts texts = DescribeService(*m_fit, form);
    if (!texts.problem.empty()) {
        m_problemLabel->setText(QString::fromStdString(texts.problem));
        m_output->setCurrentWidget(m_problemLabel);
        return;
    }
    for (int index = 0; index < m_resultValues.size() && index < static_cast<int>(texts.results.size()); ++index) {
        const ServiceLine& line = texts.results[static_cast<std::size_t>(index)];
        m_resultCaptions[index]->setText(QString::fromStdString(line.caption));
        m_resultValues[index]->setText(QString::fromStdString(line.value));
    }
    QStringList assumptions;
    for (const std::string& line : texts.assumptions)
        assumptions.append(QStringLiteral("• ") + QString::fromStdString(line));
    m_assumptionsLabel->setText(assumptions.join(QLatin1Char('\n')));
    m_output->setCurrentWidget(m_resultsPage);
}
