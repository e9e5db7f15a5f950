#include "core/joint_inputs.h"

#include "core/materials.h"
#include "core/number_format.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr JointInputBound kNoLow {-kInf, false};
constexpr JointInputBound kNoHigh {kInf, false};
constexpr JointInputBound kAboveZero {0.0, false};
constexpr JointInputBound kFromZero {0.0, true};
constexpr JointInputBound kAboveSize {0.0, false, true};
constexpr JointInputBound kBelowSize {0.0, false, true};
constexpr JointInputBound kFromAbsoluteZero {-273.15, true};

using K = JointInputKind;

constexpr std::array<JointInput, 31> kJointInputs = {{
    {"hub_od", K::Number, "mm", "", kAboveSize, kNoHigh, "hub_outside_diameter"},
    {"shaft_id", K::Number, "mm", "0", kFromZero, kBelowSize, "shaft_bore"},
    {"length", K::Number, "mm", "", kAboveZero, kNoHigh, "length"},
    {"hub_material", K::Material, "", "steel", kNoLow, kNoHigh, "material"},
    {"shaft_material", K::Material, "", "steel", kNoLow, kNoHigh, "material"},
    {"hub_e", K::Number, "MPa", "", kAboveZero, kNoHigh, "youngs_modulus"},
    {"hub_nu", K::Number, "", "", kFromZero, {0.5, true}, "poisson_ratio"},
    {"hub_alpha", K::Number, "1/K", "", kAboveZero, kNoHigh, "expansion"},
    {"hub_yield", K::Number, "MPa", "", kAboveZero, kNoHigh, "yield_strength"},
    {"shaft_e", K::Number, "MPa", "", kAboveZero, kNoHigh, "youngs_modulus"},
    {"shaft_nu", K::Number, "", "", kFromZero, {0.5, true}, "poisson_ratio"},
    {"shaft_alpha", K::Number, "1/K", "", kAboveZero, kNoHigh, "expansion"},
    {"shaft_yield", K::Number, "MPa", "", kAboveZero, kNoHigh, "yield_strength"},
    {"hub_temp", K::Number, "°C", "20", kFromAbsoluteZero, kNoHigh, "temperature"},
    {"shaft_temp", K::Number, "°C", "20", kFromAbsoluteZero, kNoHigh, "temperature"},
    {"hub_max_temp", K::Number, "°C", "", kFromAbsoluteZero, kNoHigh, "max_joining_temperature"},
    {"joining", K::Choice, "", "press", kNoLow, kNoHigh, "joining", "press|shrink"},
    {"surface", K::Choice, "", "", kNoLow, kNoHigh, "surface", "dry|oiled"},
    {"friction", K::Number, "", "", kFromZero, kNoHigh, "friction"},
    {"friction_holding", K::Number, "", "", kFromZero, kNoHigh, "friction_holding"},
    {"friction_pressing", K::Number, "", "", kFromZero, kNoHigh, "friction_pressing"},
    {"rz_hub", K::Number, "µm", "0", kFromZero, kNoHigh, "bore_roughness"},
    {"rz_shaft", K::Number, "µm", "0", kFromZero, kNoHigh, "shaft_roughness"},
    {"smoothing", K::Choice, "", "0.4", kNoLow, kNoHigh, "smoothing", "0.4|0.8"},
    {"joining_clearance", K::Number, "µm", "", kFromZero, kNoHigh, "joining_clearance"},
    {"zone_sigma", K::Number, "", "3", kAboveZero, kNoHigh, "zone_sigma"},
    {"torque", K::Number, "N·m", "", kNoLow, kNoHigh, "torque"},
    {"axial_force", K::Number, "N", "", kNoLow, kNoHigh, "axial_force"},
    {"slip_safety", K::Number, "", "1.5", kAboveZero, kNoHigh, "slip_safety"},
    {"yield_safety", K::Number, "", "1.0", kAboveZero, kNoHigh, "yield_safety"},
    {"fracture_safety", K::Number, "", "2.0", kAboveZero, kNoHigh, "fracture_safety"},
}};

// The calculation's name of a refused input, and the joint input it comes from.
constexpr std::pair<std::string_view, std::string_view> kFieldInputs[] = {
    {"hub_outside_diameter_mm", "hub_od"},
    {"shaft_bore_mm", "shaft_id"},
    {"length_mm", "length"},
    {"hub_temperature_c", "hub_temp"},
    {"shaft_temperature_c", "shaft_temp"},
    {"hub_rz_um", "rz_hub"},
    {"shaft_rz_um", "rz_shaft"},
    {"smoothing_factor", "smoothing"},
    {"joining_clearance_mm", "joining_clearance"},
    {"zone_sigmas", "zone_sigma"},
    {"torque_nm", "torque"},
    {"axial_force_n", "axial_force"},
    {"friction_holding", "friction_holding"},
    {"friction_pressing", "friction_pressing"},
    {"slip_safety", "slip_safety"},
    {"yield_safety", "yield_safety"},
    {"fracture_safety", "fracture_safety"},
    {"hub_material.youngs_modulus_mpa", "hub_e"},
    {"hub_material.poisson_ratio", "hub_nu"},
    {"hub_material.expansion_per_k", "hub_alpha"},
    {"hub_material.strength_mpa", "hub_yield"},
    {"hub_material.expansion_to_dry_ice_per_k", "hub_material"},
    {"hub_material.expansion_to_nitrogen_per_k", "hub_material"},
    {"hub_material.max_joining_temperature_c", "hub_max_temp"},
    {"shaft_material.youngs_modulus_mpa", "shaft_e"},
    {"shaft_material.poisson_ratio", "shaft_nu"},
    {"shaft_material.expansion_per_k", "shaft_alpha"},
    {"shaft_material.strength_mpa", "shaft_yield"},
    {"shaft_material.expansion_to_dry_ice_per_k", "shaft_material"},
    {"shaft_material.expansion_to_nitrogen_per_k", "shaft_material"},
    {"shaft_material.max_joining_temperature_c", "shaft_material"},
};

std::string BoundText(const JointInputBound& bound)
{
    if (bound.relativeToSize)
        return "size_mm";
    if (bound.value == kInf)
        return "inf";
    if (bound.value == -kInf)
        return "-inf";
    return ShortestNumber(bound.value);
}

bool IsChoice(const JointInput& input, std::string_view text)
{
    std::string_view rest = input.choices;
    while (!rest.empty()) {
        const std::size_t bar = rest.find('|');
        if (rest.substr(0, bar) == text)
            return true;
        rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    }
    return false;
}

// A number into its place; the material's own values give way to a typed one.
void ApplyNumber(ServiceInputs& in, std::string_view key, double value)
{
    const bool hub = key.starts_with("hub_");
    MaterialProperties& material = hub ? in.hubMaterial : in.shaftMaterial;
    const std::string_view property = key.substr(key.find('_') + 1);
    if (key.starts_with("hub_") || key.starts_with("shaft_")) {
        if (property == "e")
            return void(material.youngsModulusMpa = value);
        if (property == "nu")
            return void(material.poissonRatio = value);
        if (property == "alpha") {
            material.expansionPerK = value;
            // For joining too: the built-in material's heating coefficient, cooling curve and whole
            // contraction are not this one's.
            material.expansionToDryIcePerK = material.expansionToNitrogenPerK = 0.0;
            material.joiningExpansionPerK = material.contractionToZeroK = 0.0;
            return;
        }
        if (property == "yield") {
            material.strengthMpa = value;
            material.tabulatedStrength = false; // as given, whatever the section
            material.brittle = false;
            return;
        }
    }
    if (key == "hub_od")
        in.hubOutsideDiameterMm = value;
    else if (key == "shaft_id")
        in.shaftBoreMm = value;
    else if (key == "length")
        in.lengthMm = value;
    else if (key == "hub_temp")
        in.hubTemperatureC = value;
    else if (key == "shaft_temp")
        in.shaftTemperatureC = value;
    else if (key == "friction")
        in.frictionHolding = in.frictionPressing = value;
    else if (key == "friction_holding")
        in.frictionHolding = value;
    else if (key == "friction_pressing")
        in.frictionPressing = value;
    else if (key == "rz_hub")
        in.hubRzUm = value;
    else if (key == "rz_shaft")
        in.shaftRzUm = value;
    else if (key == "joining_clearance")
        in.joiningClearanceMm = value / 1000.0; // given in µm, kept in mm like the joint's other lengths
    else if (key == "zone_sigma")
        in.zoneSigmas = value;
    else if (key == "torque")
        in.torqueNm = value;
    else if (key == "axial_force")
        in.axialForceN = value;
    else if (key == "slip_safety")
        in.requiredSlipSafety = value;
    else if (key == "yield_safety")
        in.requiredYieldSafety = value;
    else if (key == "fracture_safety")
        in.requiredFractureSafety = value;
    else if (key == "hub_max_temp")
        in.hubMaterial.maxJoiningTemperatureC = value;
}

} // namespace

std::span<const JointInput> JointInputs()
{
    return kJointInputs;
}

const JointInput* FindJointInput(std::string_view key)
{
    const auto found = std::find_if(kJointInputs.begin(), kJointInputs.end(),
                                    [key](const JointInput& input) { return input.key == key; });
    return found == kJointInputs.end() ? nullptr : &*found;
}

std::string JointInputRange(const JointInput& input)
{
    if (input.kind != JointInputKind::Number)
        return {};
    return (input.low.included ? "[" : "(") + BoundText(input.low) + ", " + BoundText(input.high)
        + (input.high.included ? "]" : ")");
}

std::optional<JointProblem> ApplyJointValues(ServiceInputs& inputs, std::span<const JointValue> values)
{
    const auto given = [values](std::string_view key) {
        return std::any_of(values.begin(), values.end(), [key](const JointValue& value) { return value.key == key; });
    };
    for (const JointValue& value : values) {
        if (!FindJointInput(value.key))
            return JointProblem {JointProblemKind::UnknownKey, value.key};
    }
    if (given("friction") && (given("friction_holding") || given("friction_pressing")))
        return JointProblem {JointProblemKind::ConflictingFriction, "friction"};
    for (const JointValue& value : values) {
        if (FindJointInput(value.key)->kind != JointInputKind::Material)
            continue;
        const auto material = FindMaterial(value.text);
        if (!material)
            return JointProblem {JointProblemKind::UnknownMaterial, value.key};
        (value.key == "hub_material" ? inputs.hubMaterial : inputs.shaftMaterial) = material->properties;
    }
    for (const JointValue& value : values) {
        const JointInput& input = *FindJointInput(value.key);
        if (input.kind == JointInputKind::Number) {
            ApplyNumber(inputs, value.key, value.number);
        } else if (input.kind == JointInputKind::Choice) {
            if (!IsChoice(input, value.text))
                return JointProblem {JointProblemKind::BadChoice, value.key};
            if (value.key == "joining")
                inputs.joining = value.text == "shrink" ? JoiningMethod::Shrink : JoiningMethod::Press;
            else if (value.key == "surface")
                inputs.surface = value.text == "dry" ? SurfaceCondition::Dry : SurfaceCondition::Oiled;
            else
                inputs.smoothingFactor
                    = value.text == "0.8" ? kSmoothingFactorDin7190_2001 : kSmoothingFactorDin7190_2017;
        }
    }
    return std::nullopt;
}

std::string_view JointInputOfField(std::string_view field)
{
    for (const auto& [name, key] : kFieldInputs) {
        if (name == field)
            return key;
    }
    return {};
}
