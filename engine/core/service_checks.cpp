#include "core/service_checks.h"

#include <cmath>
#include <initializer_list>

namespace {

constexpr double kAbsoluteZeroC = -273.15;
constexpr double kUmPerMm = 1000.0;

using Refusal = std::optional<ServiceRefusal>;

Refusal Refuse(ServiceRefusalReason reason, std::string_view field)
{
    return ServiceRefusal {reason, field};
}

struct NamedValue
{
    std::string_view field;
    double value;
};

Refusal FindNotFinite(std::initializer_list<NamedValue> values)
{
    for (const NamedValue& named : values)
        if (!std::isfinite(named.value))
            return Refuse(ServiceRefusalReason::kNotFinite, named.field);
    return std::nullopt;
}

// The names of a material's fields in refusals, one set per part.
struct MaterialFields
{
    std::string_view youngsModulus;
    std::string_view poissonRatio;
    std::string_view expansion;
    std::string_view strength;
    std::string_view expansionToDryIce;
    std::string_view expansionToNitrogen;
    std::string_view maxJoiningTemperature;
};

constexpr MaterialFields kHubMaterialFields {
    "hub_material.youngs_modulus_mpa",
    "hub_material.poisson_ratio",
    "hub_material.expansion_per_k",
    "hub_material.strength_mpa",
    "hub_material.expansion_to_dry_ice_per_k",
    "hub_material.expansion_to_nitrogen_per_k",
    "hub_material.max_joining_temperature_c",
};
constexpr MaterialFields kShaftMaterialFields {
    "shaft_material.youngs_modulus_mpa",
    "shaft_material.poisson_ratio",
    "shaft_material.expansion_per_k",
    "shaft_material.strength_mpa",
    "shaft_material.expansion_to_dry_ice_per_k",
    "shaft_material.expansion_to_nitrogen_per_k",
    "shaft_material.max_joining_temperature_c",
};

Refusal CheckMaterial(const MaterialProperties& material, const MaterialFields& fields)
{
    if (auto refusal = FindNotFinite({{fields.youngsModulus, material.youngsModulusMpa},
                                      {fields.poissonRatio, material.poissonRatio},
                                      {fields.expansion, material.expansionPerK},
                                      {fields.strength, material.strengthMpa},
                                      {fields.expansionToDryIce, material.expansionToDryIcePerK},
                                      {fields.expansionToNitrogen, material.expansionToNitrogenPerK},
                                      {fields.maxJoiningTemperature, material.maxJoiningTemperatureC}}))
        return refusal;
    if (!(material.youngsModulusMpa > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, fields.youngsModulus);
    if (material.poissonRatio < 0.0 || material.poissonRatio > 0.5)
        return Refuse(ServiceRefusalReason::kPoissonRatioOutOfRange, fields.poissonRatio);
    // Sizes only ever grow with temperature here; a coefficient of 0 would make assembly impossible.
    if (!(material.expansionPerK > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, fields.expansion);
    if (!material.tabulatedStrength && !(material.strengthMpa > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, fields.strength);
    if (material.expansionToDryIcePerK < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, fields.expansionToDryIce);
    if (material.expansionToNitrogenPerK < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, fields.expansionToNitrogen);
    // Cooling further must shrink the part further, or no temperature would follow from a contraction.
    if (material.expansionToDryIcePerK > 0.0 && material.expansionToNitrogenPerK > 0.0
        && !(material.expansionToNitrogenPerK * (kReferenceTemperatureC - kLiquidNitrogenC)
             > material.expansionToDryIcePerK * (kReferenceTemperatureC - kDryIceC)))
        return Refuse(ServiceRefusalReason::kCoolingCurveNotFalling, fields.expansionToNitrogen);
    if (material.maxJoiningTemperatureC < kAbsoluteZeroC)
        return Refuse(ServiceRefusalReason::kBelowAbsoluteZero, fields.maxJoiningTemperature);
    return std::nullopt;
}

Refusal CheckLimits(const ServiceInputs& in)
{
    if (!(in.sizeMm > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, "size_mm");
    if (in.holeUpperUm < in.holeLowerUm)
        return Refuse(ServiceRefusalReason::kUpperBelowLower, "hole_upper_um");
    if (in.shaftUpperUm < in.shaftLowerUm)
        return Refuse(ServiceRefusalReason::kUpperBelowLower, "shaft_upper_um");
    if (!(in.sizeMm + in.holeLowerUm / kUmPerMm > 0.0))
        return Refuse(ServiceRefusalReason::kLimitSizeNotPositive, "hole_lower_um");
    if (!(in.sizeMm + in.shaftLowerUm / kUmPerMm > 0.0))
        return Refuse(ServiceRefusalReason::kLimitSizeNotPositive, "shaft_lower_um");
    return std::nullopt;
}

Refusal CheckGeometry(const ServiceInputs& in)
{
    if (in.hubOutsideDiameterMm && !(*in.hubOutsideDiameterMm > in.sizeMm))
        return Refuse(ServiceRefusalReason::kHubOutsideNotLargerThanBore, "hub_outside_diameter_mm");
    if (in.shaftBoreMm) {
        if (*in.shaftBoreMm < 0.0)
            return Refuse(ServiceRefusalReason::kNegative, "shaft_bore_mm");
        if (!(*in.shaftBoreMm < in.sizeMm))
            return Refuse(ServiceRefusalReason::kShaftBoreNotSmallerThanShaft, "shaft_bore_mm");
    }
    if (in.lengthMm && !(*in.lengthMm > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, "length_mm");
    return std::nullopt;
}

Refusal CheckConditions(const ServiceInputs& in)
{
    if (in.hubTemperatureC < kAbsoluteZeroC)
        return Refuse(ServiceRefusalReason::kBelowAbsoluteZero, "hub_temperature_c");
    if (in.shaftTemperatureC < kAbsoluteZeroC)
        return Refuse(ServiceRefusalReason::kBelowAbsoluteZero, "shaft_temperature_c");
    if (in.frictionHolding && *in.frictionHolding < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, "friction_holding");
    if (in.frictionPressing && *in.frictionPressing < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, "friction_pressing");
    if (in.hubRzUm < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, "hub_rz_um");
    if (in.shaftRzUm < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, "shaft_rz_um");
    if (in.smoothingFactor < 0.0 || in.smoothingFactor > 1.0)
        return Refuse(ServiceRefusalReason::kSmoothingFactorOutOfRange, "smoothing_factor");
    if (in.joiningClearanceMm && *in.joiningClearanceMm < 0.0)
        return Refuse(ServiceRefusalReason::kNegative, "joining_clearance_mm");
    if (!(in.zoneSigmas > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, "zone_sigmas");
    if (!(in.requiredSlipSafety > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, "slip_safety");
    if (!(in.requiredYieldSafety > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, "yield_safety");
    if (!(in.requiredFractureSafety > 0.0))
        return Refuse(ServiceRefusalReason::kNotPositive, "fracture_safety");
    return std::nullopt;
}

// Each part's strength comes from its material standard's table for its section; past the table
// there is no minimum to judge it on, and a number made up there would be a silent wrong one.
Refusal CheckStrengthSections(const ServiceInputs& in)
{
    if (!in.hubOutsideDiameterMm)
        return std::nullopt; // no press-fit results, so no safeties
    if (!StrengthForSection(in.hubMaterial, HubStrengthSectionMm(in)))
        return Refuse(ServiceRefusalReason::kNoMinimumStrength, kHubMaterialFields.strength);
    if (!StrengthForSection(in.shaftMaterial, ShaftStrengthSectionMm(in)))
        return Refuse(ServiceRefusalReason::kNoMinimumStrength, kShaftMaterialFields.strength);
    return std::nullopt;
}

} // namespace

std::optional<ServiceRefusal> FindServiceRefusal(const ServiceInputs& in)
{
    const double absent = 0.0; // an input not given is not checked
    if (auto refusal = FindNotFinite({
            {"size_mm", in.sizeMm},
            {"hole_upper_um", in.holeUpperUm},
            {"hole_lower_um", in.holeLowerUm},
            {"shaft_upper_um", in.shaftUpperUm},
            {"shaft_lower_um", in.shaftLowerUm},
            {"hub_outside_diameter_mm", in.hubOutsideDiameterMm.value_or(absent)},
            {"shaft_bore_mm", in.shaftBoreMm.value_or(absent)},
            {"length_mm", in.lengthMm.value_or(absent)},
            {"hub_temperature_c", in.hubTemperatureC},
            {"shaft_temperature_c", in.shaftTemperatureC},
            {"friction_holding", in.frictionHolding.value_or(absent)},
            {"friction_pressing", in.frictionPressing.value_or(absent)},
            {"hub_rz_um", in.hubRzUm},
            {"shaft_rz_um", in.shaftRzUm},
            {"smoothing_factor", in.smoothingFactor},
            {"joining_clearance_mm", in.joiningClearanceMm.value_or(absent)},
            {"zone_sigmas", in.zoneSigmas},
            {"torque_nm", in.torqueNm.value_or(absent)},
            {"axial_force_n", in.axialForceN.value_or(absent)},
            {"slip_safety", in.requiredSlipSafety},
            {"yield_safety", in.requiredYieldSafety},
            {"fracture_safety", in.requiredFractureSafety},
        }))
        return refusal;
    for (const Refusal& refusal :
         {CheckLimits(in), CheckGeometry(in), CheckMaterial(in.hubMaterial, kHubMaterialFields),
          CheckMaterial(in.shaftMaterial, kShaftMaterialFields), CheckConditions(in), CheckStrengthSections(in)})
        if (refusal)
            return refusal;
    return std::nullopt;
}
