#include "service_answer.h"

#include "answer_inputs.h"
#include "fit_analysis.h"
#include "json_numbers.h"
#include "refusal_text.h"
#include "service_conditions.h"

#include <array>
#include <optional>
#include <string>

namespace {

// The options that are plain numbers, and where each goes.
struct NumberOption
{
    const char* key;
    double ServiceInputs::*value;
};

constexpr std::array<NumberOption, 7> kNumberOptions = {{
    {"hub_temp", &ServiceInputs::hub_temperature_c},
    {"shaft_temp", &ServiceInputs::shaft_temperature_c},
    {"friction", &ServiceInputs::friction_coefficient},
    {"rz_hub", &ServiceInputs::hub_rz_um},
    {"rz_shaft", &ServiceInputs::shaft_rz_um},
    {"smoothing", &ServiceInputs::smoothing_factor},
    {"zone_sigma", &ServiceInputs::zone_sigmas},
}};

struct OptionalOption
{
    const char* key;
    std::optional<double> ServiceInputs::*value;
};

constexpr std::array<OptionalOption, 3> kOptionalOptions = {{
    {"hub_od", &ServiceInputs::hub_outside_diameter_mm},
    {"shaft_id", &ServiceInputs::shaft_bore_mm},
    {"length", &ServiceInputs::length_mm},
}};

struct MaterialOption
{
    const char* suffix;
    double MaterialProperties::*value;
};

constexpr std::array<MaterialOption, 4> kMaterialOptions = {{
    {"e", &MaterialProperties::youngs_modulus_mpa},
    {"nu", &MaterialProperties::poisson_ratio},
    {"alpha", &MaterialProperties::expansion_per_k},
    {"yield", &MaterialProperties::strength_mpa},
}};

bool IsKnown(const std::string& key)
{
    if (key == "size_mm" || key == "fit" || key == "joining_clearance")
        return true;
    for (const auto& option : kNumberOptions)
        if (key == option.key)
            return true;
    for (const auto& option : kOptionalOptions)
        if (key == option.key)
            return true;
    for (const char* part : {"hub_", "shaft_"}) {
        if (key == std::string(part) + "material")
            return true;
        for (const auto& option : kMaterialOptions)
            if (key == std::string(part) + option.suffix)
                return true;
    }
    return false;
}

// A number option that is there and not null.
const nlohmann::json* Given(const nlohmann::json& options, const std::string& key)
{
    const auto found = options.find(key);
    return found == options.end() || found->is_null() ? nullptr : &*found;
}

std::optional<AnswerRefusal> ReadMaterial(const nlohmann::json& options, const std::string& part,
                                          MaterialProperties& properties)
{
    if (const auto* id = Given(options, part + "material")) {
        const auto text = ReadText(*id, part + "material");
        if (!text)
            return text.reason();
        const auto material = FindMaterial(*text);
        if (!material)
            return BadInput("unknown_material",
                            part + "material " + QuotedInput(*text) + " is not a built-in material");
        properties = material->properties;
    }
    for (const auto& option : kMaterialOptions) {
        const std::string key = part + option.suffix;
        if (const auto* given = Given(options, key)) {
            const auto number = ReadFiniteNumber(*given, key);
            if (!number)
                return number.reason();
            properties.*option.value = *number;
            if (option.value == &MaterialProperties::strength_mpa)
                properties.strength_is_tensile = false;
        }
    }
    return std::nullopt;
}

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
    case ServiceRefusalReason::kResultOutOfRange:
        return "cannot be represented: the inputs are too large";
    }
    return "is refused";
}

nlohmann::ordered_json ResultsJson(const ServiceResults& results)
{
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    for (const ServiceResultField& field : ServiceResultFields()) {
        const auto& value = results.*field.value;
        json[std::string(field.key)] = value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
    }
    json["fit_type_at_20c"] = FitTypeName(results.fit_class_at_20c);
    json["fit_type_at_service"] = FitTypeName(results.fit_class_at_service);
    json["friction_coefficient"] = results.friction_coefficient;
    json["smoothing_factor"] = results.smoothing_factor;
    json["joining_clearance_um"] = results.joining_clearance_mm * 1000.0;
    json["zone_sigma"] = results.zone_sigmas;
    json["hub_strength_is_tensile"] = results.hub_strength_is_tensile;
    json["shaft_strength_is_tensile"] = results.shaft_strength_is_tensile;
    return json;
}

} // namespace

Answer ServiceAnswer(const DeviationTables& tables, const nlohmann::json& options)
{
    if (!options.is_object())
        return BadInput("not_a_request", "the options are a JSON object");
    for (const auto& [key, value] : options.items()) {
        if (!IsKnown(key))
            return UnknownOption(key);
    }
    const auto size = ReadSizeMm(Given(options, "size_mm") ? *Given(options, "size_mm") : nlohmann::json());
    if (!size)
        return size.reason();
    const auto fitText = ReadText(Given(options, "fit") ? *Given(options, "fit") : nlohmann::json(), "fit");
    if (!fitText)
        return fitText.reason();
    const auto fit = ReadFitDesignation(*fitText);
    if (!fit)
        return fit.reason();
    const auto analysis = AnalyseFit(tables, *fit, *size);
    if (!analysis)
        return RefusalOf(analysis.reason().failure, FitFailureText(*fit, analysis.reason(), *size, {}));

    ServiceInputs inputs;
    inputs.size_mm = ToMm(*size);
    inputs.hole_upper_um = ToUm(analysis->hole.deviations.upper);
    inputs.hole_lower_um = ToUm(analysis->hole.deviations.lower);
    inputs.shaft_upper_um = ToUm(analysis->shaft.deviations.upper);
    inputs.shaft_lower_um = ToUm(analysis->shaft.deviations.lower);
    for (const auto& option : kNumberOptions) {
        if (const auto* given = Given(options, option.key)) {
            const auto number = ReadFiniteNumber(*given, option.key);
            if (!number)
                return number.reason();
            inputs.*option.value = *number;
        }
    }
    for (const auto& option : kOptionalOptions) {
        if (const auto* given = Given(options, option.key)) {
            const auto number = ReadFiniteNumber(*given, option.key);
            if (!number)
                return number.reason();
            inputs.*option.value = *number;
        }
    }
    if (const auto* given = Given(options, "joining_clearance")) {
        const auto number = ReadFiniteNumber(*given, "joining_clearance");
        if (!number)
            return number.reason();
        inputs.joining_clearance_mm = *number / 1000.0;
    }
    if (const auto refusal = ReadMaterial(options, "hub_", inputs.hub_material))
        return *refusal;
    if (const auto refusal = ReadMaterial(options, "shaft_", inputs.shaft_material))
        return *refusal;

    const ServiceOutcome outcome = CalculateServiceConditions(inputs);
    if (const auto* refusal = std::get_if<ServiceRefusal>(&outcome))
        return BadInput("not_physical", std::string(refusal->field) + " " + std::string(RefusalWords(refusal->reason)));
    return ResultsJson(std::get<ServiceResults>(outcome));
}
