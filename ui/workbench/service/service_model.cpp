#include "workbench/service/service_model.h"

#include "core/decimal_text.h"
#include "core/joint_inputs.h"
#include "core/number_format.h"

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace {

// Each field's joint input (core/joint_inputs.h), in the order of ServiceField, and the scale from
// the field's unit to the input's (the expansion coefficient is typed in 10⁻⁶/K).
struct FieldInput
{
    ServiceField field;
    std::string_view key;
    double scale = 1.0;
};
constexpr FieldInput kFieldInputs[] = {
    {ServiceField::HubOutsideDiameter, "hub_od"},
    {ServiceField::ShaftBore, "shaft_id"},
    {ServiceField::Length, "length"},
    {ServiceField::HubYoungsModulus, "hub_e"},
    {ServiceField::HubPoissonRatio, "hub_nu"},
    {ServiceField::HubExpansion, "hub_alpha", 1e-6},
    {ServiceField::HubStrength, "hub_yield"},
    {ServiceField::ShaftYoungsModulus, "shaft_e"},
    {ServiceField::ShaftPoissonRatio, "shaft_nu"},
    {ServiceField::ShaftExpansion, "shaft_alpha", 1e-6},
    {ServiceField::ShaftStrength, "shaft_yield"},
    {ServiceField::HubTemperature, "hub_temp"},
    {ServiceField::ShaftTemperature, "shaft_temp"},
    {ServiceField::Friction, "friction_holding"},
    {ServiceField::HubRz, "rz_hub"},
    {ServiceField::ShaftRz, "rz_shaft"},
    {ServiceField::JoiningClearance, "joining_clearance"},
    {ServiceField::ZoneSigmas, "zone_sigma"},
    {ServiceField::FrictionPressing, "friction_pressing"},
    {ServiceField::Torque, "torque"},
    {ServiceField::AxialForce, "axial_force"},
    {ServiceField::RequiredSlipSafety, "slip_safety"},
    {ServiceField::RequiredYieldSafety, "yield_safety"},
    {ServiceField::HubMaxTemperature, "hub_max_temp"},
    {ServiceField::RequiredFractureSafety, "fracture_safety"},
};
static_assert(std::size(kFieldInputs) == kServiceFieldCount);

// The material's own value of a field, as the field shows it when the material is chosen: a field
// still showing it is the material's, not typed.
std::optional<double> MaterialValue(ServiceField field, const ServiceForm& form)
{
    using enum ServiceField;
    const bool hub
        = field == HubYoungsModulus || field == HubPoissonRatio || field == HubExpansion || field == HubStrength;
    const MaterialProperties& material = hub ? form.hubMaterial : form.shaftMaterial;
    double value = 0.0;
    if (field == HubYoungsModulus || field == ShaftYoungsModulus)
        value = material.youngsModulusMpa;
    else if (field == HubPoissonRatio || field == ShaftPoissonRatio)
        value = material.poissonRatio;
    else if (field == HubExpansion || field == ShaftExpansion)
        value = material.expansionPerK * 1e6;
    else if (field == HubStrength || field == ShaftStrength)
        value = material.strengthMpa;
    else
        return std::nullopt;
    const auto shown = ParseDecimalNumber(ShortestNumber(value));
    return shown ? std::optional(*shown) : std::nullopt;
}

constexpr std::pair<std::string_view, ServiceInput> kOtherInputNames[] = {
    {"size_mm", ServiceInput::Size},
    {"hole_upper_um", ServiceInput::HoleUpper},
    {"hole_lower_um", ServiceInput::HoleLower},
    {"shaft_upper_um", ServiceInput::ShaftUpper},
    {"shaft_lower_um", ServiceInput::ShaftLower},
    {"smoothing_factor", ServiceInput::SmoothingFactor},
};

// A field as typed: empty (nothing), a number, or no number (false).
bool ReadField(const ServiceForm& form, ServiceField field, std::optional<double>& value)
{
    std::string typed = form[field];
    std::erase_if(typed, [](char c) { return c == ' ' || c == '\t'; });
    if (typed.empty())
        return true;
    const auto number = ParseDecimalNumber(typed);
    if (!number)
        return false;
    value = *number;
    return true;
}

} // namespace

bool IsOptionalField(ServiceField field)
{
    return field == ServiceField::HubOutsideDiameter || field == ServiceField::ShaftBore
        || field == ServiceField::Length || field == ServiceField::JoiningClearance || field == ServiceField::Friction
        || field == ServiceField::FrictionPressing || field == ServiceField::Torque || field == ServiceField::AxialForce
        || field == ServiceField::HubMaxTemperature;
}

ServiceInputs InputsOfFit(const FitAnalysis& fit)
{
    return WithFitLimits(fit);
}

ServiceRefusalOf RefusalOf(const ServiceRefusal& refusal)
{
    ServiceRefusalOf of;
    of.reason = refusal.reason;
    const std::string_view key = JointInputOfField(refusal.field);
    for (const FieldInput& input : kFieldInputs) {
        if (input.key == key) {
            of.input = ServiceInput::Field;
            of.field = input.field;
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
    return DefaultFriction(form.joining, form.hubMaterial.family, form.shaftMaterial.family, form.surface);
}

Result<ServiceInputs, FormProblem> ReadJointForm(const ServiceForm& form)
{
    ServiceInputs inputs;
    inputs.hubMaterial = form.hubMaterial;
    inputs.shaftMaterial = form.shaftMaterial;
    // The lists' choices and the typed fields, read by the reader every front end shares: a value
    // typed over the material's own replaces it as on the command line.
    std::vector<JointValue> values = {
        {"joining", 0.0, form.joining == JoiningMethod::Shrink ? "shrink" : "press"},
        {"smoothing", 0.0, form.smoothingFactor == kSmoothingFactorDin7190_2001 ? "0.8" : "0.4"},
    };
    if (form.surface != SurfaceCondition::NotGiven)
        values.push_back({"surface", 0.0, std::string(SurfaceConditionName(form.surface))});
    for (const FieldInput& input : kFieldInputs) {
        std::optional<double> typed;
        if (!ReadField(form, input.field, typed))
            return FormProblem {input.field, false};
        if (!typed && !IsOptionalField(input.field))
            return FormProblem {input.field, true};
        if (typed && *typed != MaterialValue(input.field, form))
            values.push_back({input.key, *typed * input.scale});
    }
    if (ApplyJointValues(inputs, values)) // the keys and choices are the table's own
        return FormProblem {};
    return inputs;
}

ServiceField FieldOfInput(std::string_view key)
{
    for (const FieldInput& input : kFieldInputs) {
        if (input.key == key)
            return input.field;
    }
    return ServiceField::HubOutsideDiameter;
}

std::string_view InputOfField(ServiceField field)
{
    return kFieldInputs[static_cast<std::size_t>(field)].key;
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
