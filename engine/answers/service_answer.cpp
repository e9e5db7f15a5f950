#include "answers/service_answer.h"

#include "answers/answer_inputs.h"
#include "answers/find_fits_answer.h"
#include "answers/fit_answers.h"
#include "answers/refusal_text.h"
#include "answers/service_inputs.h"
#include "answers/service_warning_text.h"
#include "presentation/service_figures.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace {

nlohmann::ordered_json Optional(const std::optional<double>& value)
{
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

// Each number of an object as it is shown: {"pressure_max_mpa": {"text": "116.2", "unit": "MPa"}}.
nlohmann::ordered_json DisplayJson(const nlohmann::ordered_json& values)
{
    nlohmann::ordered_json display = nlohmann::ordered_json::object();
    for (const auto& [key, value] : values.items()) {
        if (!value.is_number())
            continue;
        const ServiceFigureFormat format = ServiceFigureFormatOf(key);
        display[key] = {{"text", ServiceFigureText(key, value.get<double>())}, {"unit", format.unit}};
    }
    return display;
}

nlohmann::ordered_json StateJson(const ServiceState& state)
{
    nlohmann::ordered_json json;
    json["name"] = state.name;
    json["hub_temp_c"] = state.hubTemperatureC;
    json["shaft_temp_c"] = state.shaftTemperatureC;
    json["interference_min_um"] = state.interferenceMinUm;
    json["interference_max_um"] = state.interferenceMaxUm;
    for (const ServiceStateField& field : ServiceStateFields())
        json[std::string(field.key)] = Optional(state.*field.value);
    json["display"] = DisplayJson(json);
    return json;
}

// Each warning's key with its numbers, for a front end to word in its own language; and the
// English sentence, which names inputs as the caller knows them.
nlohmann::ordered_json WarningsJson(const ServiceResults& results, OptionNaming naming)
{
    auto json = nlohmann::ordered_json::array();
    for (const ServiceWarning& warning : results.warnings) {
        nlohmann::ordered_json entry;
        entry["code"] = ServiceWarningKey(warning.code);
        entry["text"] = ServiceWarningText(results, warning, naming);
        const std::string_view state = ServiceWarningState(warning);
        entry["state"] = state.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(state);
        entry["value"] = warning.value;
        entry["limit"] = warning.limit;
        entry["arguments"] = ServiceWarningArguments(results, warning);
        // Worded apart: no cooling at all reaches the temperature, not merely none below -196 °C.
        if (warning.code == ServiceWarningCode::CoolingUnreachable)
            entry["no_cooling_reaches"] = CoolingBeyondAbsoluteZero(warning);
        json.push_back(std::move(entry));
    }
    return json;
}

// A part's deviations given directly: [upper_um, lower_um].
std::optional<AnswerRefusal> ReadDeviations(const nlohmann::json& options, std::string_view key, OptionNaming naming,
                                            double& upperUm, double& lowerUm)
{
    const nlohmann::json& pair = OptionValue(options, key);
    const std::string name = OptionName(key, naming);
    if (!pair.is_array() || pair.size() != 2)
        return BadInput("not_a_pair", name + " is not two deviations in µm, upper and lower");
    for (auto [index, value, which] : {std::tuple {0u, &upperUm, " upper"}, std::tuple {1u, &lowerUm, " lower"}}) {
        const auto number = ReadFiniteNumber(pair[index], name + which);
        if (!number)
            return number.reason();
        *value = *number;
    }
    return std::nullopt;
}

std::vector<std::string_view> QuestionKeys()
{
    std::vector<std::string_view> keys = {"size_mm", "fit", "hole", "shaft"};
    for (const std::string_view key : ServiceJointKeys())
        keys.push_back(key);
    return keys;
}

} // namespace

Result<ServiceQuestion, AnswerRefusal> ReadServiceQuestion(const DeviationTables& tables, const nlohmann::json& options,
                                                           OptionNaming naming, const std::filesystem::path& folder)
{
    if (!options.is_object())
        return BadInput("not_options", "the options are no object of names and values");
    const std::vector<std::string_view> known = QuestionKeys();
    for (const auto& [key, value] : options.items()) {
        if (std::find(known.begin(), known.end(), key) == known.end())
            return UnknownOption(OptionName(key, naming));
    }
    const auto size = ReadSizeMm(OptionValue(options, "size_mm"));
    if (!size)
        return size.reason();

    ServiceQuestion question {{}, *size};
    ServiceInputs& inputs = question.inputs;
    inputs.sizeMm = ToMm(*size);
    const nlohmann::json& fitOption = OptionValue(options, "fit");
    const bool direct = !OptionValue(options, "hole").is_null() || !OptionValue(options, "shaft").is_null();
    if (!fitOption.is_null() && direct)
        return BadInput("conflicting_options",
                        "give either " + OptionName("fit", naming) + " or " + OptionName("hole", naming) + " and "
                            + OptionName("shaft", naming));
    if (!fitOption.is_null()) {
        const auto text = ReadText(fitOption, OptionName("fit", naming));
        if (!text)
            return text.reason();
        const auto fit = ReadFitDesignation(*text);
        if (!fit)
            return fit.reason();
        const auto analysis = AnalyseFit(tables, *fit, *size);
        if (!analysis)
            return RefusalOf(analysis.reason().failure, FitFailureText(*fit, analysis.reason(), *size, folder));
        inputs = WithFitLimits(*analysis, inputs);
    } else if (direct) {
        if (auto refusal = ReadDeviations(options, "hole", naming, inputs.holeUpperUm, inputs.holeLowerUm))
            return *refusal;
        if (auto refusal = ReadDeviations(options, "shaft", naming, inputs.shaftUpperUm, inputs.shaftLowerUm))
            return *refusal;
    } else {
        return BadInput("missing_option",
                        "give the fit: " + OptionName("fit", naming) + " (H7/s6), or " + OptionName("hole", naming)
                            + " and " + OptionName("shaft", naming) + " as upper and lower deviations in µm");
    }
    const auto joint = ReadServiceJoint(options, inputs, naming);
    if (!joint)
        return joint.reason();
    inputs = *joint;
    return question;
}

nlohmann::ordered_json ServiceJson(const ServiceResults& results, OptionNaming naming)
{
    nlohmann::ordered_json json;
    for (const ServiceResultField& field : ServiceResultFields())
        json[std::string(field.key)] = Optional(results.*field.value);
    json["states"] = {StateJson(results.states[kStandstill]), StateJson(results.states[kInService])};
    json["warnings"] = WarningsJson(results, naming);
    json["fit_type_at_20c"] = FitTypeName(results.fitTypeAt20c);
    json["fit_type_at_service"] = FitTypeName(results.fitTypeAtService);
    json["joining"] = JoiningMethodName(results.joining);
    json["friction_holding"] = results.frictionHolding;
    json["friction_pressing"] = results.frictionPressing;
    json["friction_coefficient"] = results.frictionHolding;
    json["smoothing_factor"] = results.smoothingFactor;
    json["joining_clearance_um"] = results.joiningClearanceMm * 1000.0;
    json["zone_sigma"] = results.zoneSigmas;
    json["required_slip_safety"] = results.requiredSlipSafety;
    json["required_yield_safety"] = results.requiredYieldSafety;
    json["required_fracture_safety"] = results.requiredFractureSafety;
    const std::string_view surface = SurfaceConditionName(results.surface);
    json["surface"] = surface.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(surface);
    json["friction_less_favourable"] = results.frictionLessFavourable;
    json["hub_strength_section"]
        = results.hubSectionBasis == SectionBasis::WallThickness ? "wall_thickness" : "outside_diameter";
    json["shaft_strength_section"]
        = results.shaftSectionBasis == SectionBasis::WallThickness ? "wall_thickness" : "diameter";
    json["hub_joining_limit_c"] = results.hubJoiningLimitC;
    json["hub_strength_is_tensile"] = results.hubBrittle;
    json["shaft_strength_is_tensile"] = results.shaftBrittle;
    json["display"] = DisplayJson(json);
    return json;
}

Answer ServiceAnswer(const DeviationTables& tables, const nlohmann::json& options, OptionNaming naming,
                     const std::filesystem::path& folder)
{
    const auto question = ReadServiceQuestion(tables, options, naming, folder);
    if (!question)
        return question.reason();
    const ServiceOutcome outcome = CalculateServiceConditions(question->inputs);
    if (!outcome)
        return ServiceRefusalAnswer(outcome.reason(), question->size, naming);
    return ServiceJson(*outcome, naming);
}

nlohmann::ordered_json LoadFoundFitJson(const LoadFoundFit& found, OptionNaming naming)
{
    const ServiceResults& r = found.results;
    auto json = FitJson(found.fit.analysis);
    json["preferred"] = found.fit.preferred;
    json["slip_safety"] = Optional(r.slipSafety);
    json["hub_yield_safety"] = Optional(r.hubYieldSafety);
    json["shaft_yield_safety"] = Optional(r.shaftYieldSafety);
    json["press_force_max_n"] = Optional(r.pressForceMaxN);
    json["hub_assembly_temp_c"] = Optional(r.hubAssemblyTempC);
    json["shaft_assembly_temp_c"] = Optional(r.shaftAssemblyTempC);
    json["warnings"] = WarningsJson(r, naming);
    json["display"] = FitRangeDisplayJson(found.fit.analysis);
    return json;
}
