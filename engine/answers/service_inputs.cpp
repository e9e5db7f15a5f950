#include "answers/service_inputs.h"

#include "answers/answer_inputs.h"
#include "core/materials.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace {

constexpr std::array<std::string_view, 28> kJointKeys = {
    "hub_od",
    "shaft_id",
    "length",
    "hub_material",
    "shaft_material",
    "hub_e",
    "hub_nu",
    "hub_alpha",
    "hub_yield",
    "shaft_e",
    "shaft_nu",
    "shaft_alpha",
    "shaft_yield",
    "hub_temp",
    "shaft_temp",
    "joining",
    "friction",
    "friction_holding",
    "friction_pressing",
    "rz_hub",
    "rz_shaft",
    "smoothing",
    "joining_clearance",
    "zone_sigma",
    "torque",
    "axial_force",
    "slip_safety",
    "yield_safety",
};

// Where each number option goes.
struct NumberOption
{
    std::string_view key;
    double ServiceInputs::*value;
};
constexpr std::array<NumberOption, 7> kNumberOptions = {{
    {"hub_temp", &ServiceInputs::hubTemperatureC},
    {"shaft_temp", &ServiceInputs::shaftTemperatureC},
    {"rz_hub", &ServiceInputs::hubRzUm},
    {"rz_shaft", &ServiceInputs::shaftRzUm},
    {"zone_sigma", &ServiceInputs::zoneSigmas},
    {"slip_safety", &ServiceInputs::requiredSlipSafety},
    {"yield_safety", &ServiceInputs::requiredYieldSafety},
}};

struct OptionalNumberOption
{
    std::string_view key;
    std::optional<double> ServiceInputs::*value;
};
constexpr std::array<OptionalNumberOption, 9> kOptionalNumberOptions = {{
    {"hub_od", &ServiceInputs::hubOutsideDiameterMm},
    {"shaft_id", &ServiceInputs::shaftBoreMm},
    {"length", &ServiceInputs::lengthMm},
    {"friction", &ServiceInputs::frictionHolding},
    {"friction", &ServiceInputs::frictionPressing},
    {"friction_holding", &ServiceInputs::frictionHolding},
    {"friction_pressing", &ServiceInputs::frictionPressing},
    {"torque", &ServiceInputs::torqueNm},
    {"axial_force", &ServiceInputs::axialForceN},
}};

// The core's name of a refused input, and the option it comes from.
struct FieldOption
{
    std::string_view field;
    std::string_view key;
};
constexpr std::array<FieldOption, 32> kFieldOptions = {{
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
    {"hole_upper_um", "hole"},
    {"hole_lower_um", "hole"},
    {"shaft_upper_um", "shaft"},
    {"shaft_lower_um", "shaft"},
    {"hub_material.youngs_modulus_mpa", "hub_e"},
    {"hub_material.poisson_ratio", "hub_nu"},
    {"hub_material.expansion_per_k", "hub_alpha"},
    {"hub_material.strength_mpa", "hub_yield"},
    {"hub_material.expansion_to_dry_ice_per_k", "hub_material"},
    {"hub_material.expansion_to_nitrogen_per_k", "hub_material"},
    {"hub_material.max_joining_temperature_c", "hub_material"},
    {"shaft_material.youngs_modulus_mpa", "shaft_e"},
    {"shaft_material.poisson_ratio", "shaft_nu"},
    {"shaft_material.expansion_per_k", "shaft_alpha"},
    {"shaft_material.strength_mpa", "shaft_yield"},
    {"shaft_material.expansion_to_dry_ice_per_k", "shaft_material"},
    {"shaft_material.expansion_to_nitrogen_per_k", "shaft_material"},
    {"shaft_material.max_joining_temperature_c", "shaft_material"},
    {"friction_holding", "friction_holding"},
    {"friction_pressing", "friction_pressing"},
}};

std::string_view RefusalWords(ServiceRefusalReason reason)
{
    switch (reason) {
    case ServiceRefusalReason::kNotFinite:
        return "is not a finite number";
    case ServiceRefusalReason::kNotPositive:
        return "must be more than 0";
    case ServiceRefusalReason::kNegative:
        return "must not be negative";
    case ServiceRefusalReason::kUpperBelowLower:
        return "has its upper deviation below its lower one";
    case ServiceRefusalReason::kLimitSizeNotPositive:
        return "takes the part's smallest size to zero or below";
    case ServiceRefusalReason::kHubOutsideNotLargerThanBore:
        return "must be larger than the bore";
    case ServiceRefusalReason::kShaftBoreNotSmallerThanShaft:
        return "must be smaller than the shaft";
    case ServiceRefusalReason::kPoissonRatioOutOfRange:
        return "must lie from 0 to 0.5";
    case ServiceRefusalReason::kSmoothingFactorOutOfRange:
        return "must lie from 0 to 1";
    case ServiceRefusalReason::kBelowAbsoluteZero:
        return "is below absolute zero";
    case ServiceRefusalReason::kCoolingCurveNotFalling:
        return "must make the part contract more at -196 °C than at -78 °C";
    case ServiceRefusalReason::kMissing:
        return "is needed";
    case ServiceRefusalReason::kResultOutOfRange:
        return "cannot be represented: the inputs are too large";
    }
    return "is refused";
}

// Each reason its own code, as each warning has: a script or a front end tells them apart without
// reading the message.
ReasonCode ServiceReasonCode(ServiceRefusalReason reason)
{
    switch (reason) {
    case ServiceRefusalReason::kNotFinite:
        return "not_finite";
    case ServiceRefusalReason::kNotPositive:
        return "not_positive";
    case ServiceRefusalReason::kNegative:
        return "negative";
    case ServiceRefusalReason::kUpperBelowLower:
        return "upper_below_lower";
    case ServiceRefusalReason::kLimitSizeNotPositive:
        return "limit_size_not_positive";
    case ServiceRefusalReason::kHubOutsideNotLargerThanBore:
        return "hub_not_larger_than_bore";
    case ServiceRefusalReason::kShaftBoreNotSmallerThanShaft:
        return "bore_not_smaller_than_shaft";
    case ServiceRefusalReason::kPoissonRatioOutOfRange:
        return "poisson_ratio_out_of_range";
    case ServiceRefusalReason::kSmoothingFactorOutOfRange:
        return "smoothing_out_of_range";
    case ServiceRefusalReason::kBelowAbsoluteZero:
        return "below_absolute_zero";
    case ServiceRefusalReason::kCoolingCurveNotFalling:
        return "cooling_curve_not_falling";
    case ServiceRefusalReason::kMissing:
        return "missing_option";
    case ServiceRefusalReason::kResultOutOfRange:
        return "result_out_of_range";
    }
    return "internal_error";
}

// A number option, when given, into its input (a double, or an optional one).
template<typename Target>
std::optional<AnswerRefusal> ReadNumberOption(const nlohmann::json& options, std::string_view key, OptionNaming naming,
                                              Target& target)
{
    const nlohmann::json& given = OptionValue(options, key);
    if (given.is_null())
        return std::nullopt;
    const auto number = ReadFiniteNumber(given, OptionName(key, naming));
    if (!number)
        return number.reason();
    target = *number;
    return std::nullopt;
}

std::optional<AnswerRefusal> ReadMaterial(const nlohmann::json& options, std::string_view part, OptionNaming naming,
                                          MaterialProperties& properties)
{
    const std::string prefix(part);
    const nlohmann::json& id = OptionValue(options, prefix + "_material");
    if (!id.is_null()) {
        const auto text = ReadText(id, OptionName(prefix + "_material", naming));
        if (!text)
            return text.reason();
        const auto material = FindMaterial(*text);
        if (!material)
            return BadInput(
                "unknown_material",
                OptionName(prefix + "_material", naming) + " " + QuotedInput(*text) + " is not a built-in material ("
                    + (naming == OptionNaming::CommandLine ? "--materials" : "materials()") + " lists them)");
        properties = material->properties;
    }
    const auto read = [&](std::string_view suffix, double& value) {
        return ReadNumberOption(options, prefix + "_" + std::string(suffix), naming, value);
    };
    if (auto refusal = read("e", properties.youngsModulusMpa))
        return refusal;
    if (auto refusal = read("nu", properties.poissonRatio))
        return refusal;
    if (!OptionValue(options, prefix + "_alpha").is_null()) {
        // A coefficient given for this part holds for cooling too: the built-in one's curve is not its.
        if (auto refusal = read("alpha", properties.expansionPerK))
            return refusal;
        properties.expansionToDryIcePerK = properties.expansionToNitrogenPerK = 0.0;
    }
    if (!OptionValue(options, prefix + "_yield").is_null()) {
        if (auto refusal = read("yield", properties.strengthMpa))
            return refusal;
        properties.brittle = false;
    }
    return std::nullopt;
}

// A choice among fixed words (or, for the smoothing factor, fixed numbers).
template<typename Value, std::size_t N>
std::optional<AnswerRefusal> ReadChoice(const nlohmann::json& options, std::string_view key, OptionNaming naming,
                                        const std::array<std::pair<std::string_view, Value>, N>& choices,
                                        std::string_view choicesWords, Value& value)
{
    const nlohmann::json& given = OptionValue(options, key);
    if (given.is_null())
        return std::nullopt;
    const std::optional<std::string> text = NumberText(given);
    for (const auto& [word, choice] : choices) {
        if (text && *text == word) {
            value = choice;
            return std::nullopt;
        }
    }
    return BadInput("bad_choice",
                    OptionName(key, naming) + " " + (text ? QuotedInput(*text) : QuotedValue(given)) + " is not "
                        + std::string(choicesWords));
}

} // namespace

std::span<const std::string_view> ServiceJointKeys()
{
    return kJointKeys;
}

bool HasLoadOption(const nlohmann::json& options)
{
    return !OptionValue(options, "torque").is_null() || !OptionValue(options, "axial_force").is_null();
}

Result<ServiceInputs, AnswerRefusal> ReadServiceJoint(const nlohmann::json& options, ServiceInputs inputs,
                                                      OptionNaming naming)
{
    if (!OptionValue(options, "friction").is_null()
        && (!OptionValue(options, "friction_holding").is_null()
            || !OptionValue(options, "friction_pressing").is_null()))
        return BadInput("conflicting_options",
                        OptionName("friction", naming) + " sets both coefficients: give it or "
                            + OptionName("friction_holding", naming) + " and "
                            + OptionName("friction_pressing", naming));
    if (auto refusal = ReadMaterial(options, "hub", naming, inputs.hubMaterial))
        return *refusal;
    if (auto refusal = ReadMaterial(options, "shaft", naming, inputs.shaftMaterial))
        return *refusal;
    constexpr std::array<std::pair<std::string_view, JoiningMethod>, 2> joinings
        = {{{"press", JoiningMethod::Press}, {"shrink", JoiningMethod::Shrink}}};
    if (auto refusal = ReadChoice(options, "joining", naming, joinings, "press or shrink", inputs.joining))
        return *refusal;
    constexpr std::array<std::pair<std::string_view, double>, 2> smoothings
        = {{{"0.4", kSmoothingFactorDin7190_2017}, {"0.8", kSmoothingFactorDin7190_2001}}};
    if (auto refusal = ReadChoice(options, "smoothing", naming, smoothings, "0.4 or 0.8", inputs.smoothingFactor))
        return *refusal;
    for (const NumberOption& option : kNumberOptions) {
        if (auto refusal = ReadNumberOption(options, option.key, naming, inputs.*option.value))
            return *refusal;
    }
    for (const OptionalNumberOption& option : kOptionalNumberOptions) {
        if (auto refusal = ReadNumberOption(options, option.key, naming, inputs.*option.value))
            return *refusal;
    }
    std::optional<double> joiningClearanceUm;
    if (auto refusal = ReadNumberOption(options, "joining_clearance", naming, joiningClearanceUm))
        return *refusal;
    // Given in µm, kept in mm like the other lengths of the joint.
    if (joiningClearanceUm)
        inputs.joiningClearanceMm = *joiningClearanceUm / 1000.0;
    return inputs;
}

AnswerRefusal ServiceRefusalAnswer(const ServiceRefusal& refusal, ExactLength size, OptionNaming naming)
{
    if (refusal.reason == ServiceRefusalReason::kLimitSizeNotPositive) {
        // Not a typing mistake but a fit with no parts: no result, as for a fit from the tables.
        return Refused(ServiceReasonCode(refusal.reason),
                       std::string("the ") + (refusal.field.starts_with("hole") ? "hole" : "shaft")
                           + "'s smallest limit of size would be zero or less at " + FormatMm(size) + " mm");
    }
    std::string name(refusal.field);
    const auto option = std::find_if(kFieldOptions.begin(), kFieldOptions.end(),
                                     [&](const FieldOption& known) { return known.field == refusal.field; });
    if (option != kFieldOptions.end())
        name = OptionName(option->key, naming);
    else if (std::find(kJointKeys.begin(), kJointKeys.end(), refusal.field) != kJointKeys.end())
        name = OptionName(refusal.field, naming);
    if (refusal.reason == ServiceRefusalReason::kMissing && refusal.field == "torque_nm")
        name = OptionName("torque", naming) + " or " + OptionName("axial_force", naming);
    if (refusal.reason == ServiceRefusalReason::kResultOutOfRange)
        return BadInput(ServiceReasonCode(refusal.reason),
                        "the result " + name + " " + std::string(RefusalWords(refusal.reason)));
    return BadInput(ServiceReasonCode(refusal.reason), name + " " + std::string(RefusalWords(refusal.reason)));
}
