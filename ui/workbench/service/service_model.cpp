#include "workbench/service/service_model.h"

#include "core/decimal_text.h"

#include <algorithm>
#include <utility>

namespace {

// The engine's names of the inputs a refusal can name.
constexpr std::pair<std::string_view, ServiceField> kFieldNames[] = {
    {"hub_outside_diameter_mm", ServiceField::HubOutsideDiameter},
    {"shaft_bore_mm", ServiceField::ShaftBore},
    {"length_mm", ServiceField::Length},
    {"hub_material.youngs_modulus_mpa", ServiceField::HubYoungsModulus},
    {"hub_material.poisson_ratio", ServiceField::HubPoissonRatio},
    {"hub_material.expansion_per_k", ServiceField::HubExpansion},
    {"hub_material.strength_mpa", ServiceField::HubStrength},
    {"shaft_material.youngs_modulus_mpa", ServiceField::ShaftYoungsModulus},
    {"shaft_material.poisson_ratio", ServiceField::ShaftPoissonRatio},
    {"shaft_material.expansion_per_k", ServiceField::ShaftExpansion},
    {"shaft_material.strength_mpa", ServiceField::ShaftStrength},
    {"hub_temperature_c", ServiceField::HubTemperature},
    {"shaft_temperature_c", ServiceField::ShaftTemperature},
    {"friction_holding", ServiceField::Friction},
    {"hub_rz_um", ServiceField::HubRz},
    {"shaft_rz_um", ServiceField::ShaftRz},
    {"joining_clearance_mm", ServiceField::JoiningClearance},
    {"zone_sigmas", ServiceField::ZoneSigmas},
    {"friction_pressing", ServiceField::FrictionPressing},
    {"torque_nm", ServiceField::Torque},
    {"axial_force_n", ServiceField::AxialForce},
    {"slip_safety", ServiceField::RequiredSlipSafety},
    {"yield_safety", ServiceField::RequiredYieldSafety},
};

constexpr std::pair<std::string_view, ServiceInput> kOtherInputNames[] = {
    {"size_mm", ServiceInput::Size},
    {"hole_upper_um", ServiceInput::HoleUpper},
    {"hole_lower_um", ServiceInput::HoleLower},
    {"shaft_upper_um", ServiceInput::ShaftUpper},
    {"shaft_lower_um", ServiceInput::ShaftLower},
    {"smoothing_factor", ServiceInput::SmoothingFactor},
};

// Reads the fields in turn; the first one that is empty (and needed) or no number is the problem.
class FormReader
{
public:
    explicit FormReader(const ServiceForm& form)
        : m_form(form)
    {
    }

    void Read(ServiceField field, double& value, double scale = 1.0)
    {
        std::optional<double> read;
        ReadOptional(field, read, scale);
        if (read)
            value = *read;
        else if (!m_problem)
            m_problem = FormProblem {field, true};
    }

    void ReadOptional(ServiceField field, std::optional<double>& value, double scale = 1.0)
    {
        if (m_problem)
            return;
        std::string typed = m_form[field];
        std::erase_if(typed, [](char c) { return c == ' ' || c == '\t'; });
        if (typed.empty())
            return;
        const auto number = ParseDecimalNumber(typed);
        if (!number) {
            m_problem = FormProblem {field, false};
            return;
        }
        value = *number * scale;
    }

    const std::optional<FormProblem>& Problem() const { return m_problem; }

private:
    const ServiceForm& m_form;
    std::optional<FormProblem> m_problem;
};

} // namespace

bool IsOptionalField(ServiceField field)
{
    return field == ServiceField::HubOutsideDiameter || field == ServiceField::ShaftBore
        || field == ServiceField::Length || field == ServiceField::JoiningClearance || field == ServiceField::Friction
        || field == ServiceField::FrictionPressing || field == ServiceField::Torque
        || field == ServiceField::AxialForce;
}

ServiceInputs InputsOfFit(const FitAnalysis& fit)
{
    return WithFitLimits(fit);
}

ServiceRefusalOf RefusalOf(const ServiceRefusal& refusal)
{
    ServiceRefusalOf of;
    of.reason = refusal.reason;
    for (const auto& [name, field] : kFieldNames) {
        if (name == refusal.field) {
            of.input = ServiceInput::Field;
            of.field = field;
            return of;
        }
    }
    for (const auto& [name, input] : kOtherInputNames) {
        if (name == refusal.field) {
            of.input = input;
            return of;
        }
    }
    const auto results = ServiceResultFields();
    const auto result = std::find_if(results.begin(), results.end(),
                                     [&](const ServiceResultField& field) { return field.key == refusal.field; });
    of.input = result != results.end() ? ServiceInput::Result : ServiceInput::Other;
    of.result = static_cast<std::size_t>(result - results.begin());
    return of;
}

Result<ServiceInputs, FormProblem> ReadServiceForm(const FitAnalysis& fit, const ServiceForm& form)
{
    const auto joint = ReadJointForm(form);
    if (!joint)
        return joint.reason();
    return WithFitLimits(fit, *joint);
}

FrictionCoefficients DefaultFrictionOf(const ServiceForm& form)
{
    return DefaultFriction(form.joining, form.hubMaterial.family, form.shaftMaterial.family);
}

Result<ServiceInputs, FormProblem> ReadJointForm(const ServiceForm& form)
{
    using enum ServiceField;
    ServiceInputs inputs;
    inputs.joining = form.joining;
    inputs.hubMaterial = form.hubMaterial;
    inputs.shaftMaterial = form.shaftMaterial;
    inputs.smoothingFactor = form.smoothingFactor;
    FormReader reader(form);
    reader.ReadOptional(HubOutsideDiameter, inputs.hubOutsideDiameterMm);
    reader.ReadOptional(ShaftBore, inputs.shaftBoreMm);
    reader.ReadOptional(Length, inputs.lengthMm);
    reader.Read(HubYoungsModulus, inputs.hubMaterial.youngsModulusMpa);
    reader.Read(HubPoissonRatio, inputs.hubMaterial.poissonRatio);
    reader.Read(HubExpansion, inputs.hubMaterial.expansionPerK, 1e-6);
    reader.Read(HubStrength, inputs.hubMaterial.strengthMpa);
    reader.Read(ShaftYoungsModulus, inputs.shaftMaterial.youngsModulusMpa);
    reader.Read(ShaftPoissonRatio, inputs.shaftMaterial.poissonRatio);
    reader.Read(ShaftExpansion, inputs.shaftMaterial.expansionPerK, 1e-6);
    reader.Read(ShaftStrength, inputs.shaftMaterial.strengthMpa);
    reader.Read(HubTemperature, inputs.hubTemperatureC);
    reader.Read(ShaftTemperature, inputs.shaftTemperatureC);
    reader.ReadOptional(Friction, inputs.frictionHolding); // empty: DIN 7190-1's
    reader.Read(HubRz, inputs.hubRzUm);
    reader.Read(ShaftRz, inputs.shaftRzUm);
    reader.ReadOptional(JoiningClearance, inputs.joiningClearanceMm, 1e-3);
    reader.Read(ZoneSigmas, inputs.zoneSigmas);
    reader.ReadOptional(FrictionPressing, inputs.frictionPressing);
    reader.ReadOptional(Torque, inputs.torqueNm);
    reader.ReadOptional(AxialForce, inputs.axialForceN);
    reader.Read(RequiredSlipSafety, inputs.requiredSlipSafety);
    reader.Read(RequiredYieldSafety, inputs.requiredYieldSafety);
    if (reader.Problem())
        return *reader.Problem();
    return inputs;
}

Result<ServiceResults, ServiceProblem> CalculateService(const FitAnalysis& fit, const ServiceForm& form)
{
    const auto inputs = ReadServiceForm(fit, form);
    if (!inputs)
        return ServiceProblem(inputs.reason());
    const ServiceOutcome outcome = CalculateServiceConditions(*inputs);
    if (!outcome)
        return ServiceProblem(RefusalOf(outcome.reason()));
    return *outcome;
}
