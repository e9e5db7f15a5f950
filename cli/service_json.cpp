#include "service_json.h"

#include "service_warning_text.h"

namespace {

nlohmann::ordered_json Optional(const std::optional<double>& value)
{
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
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
    return json;
}

} // namespace

nlohmann::ordered_json ServiceJson(const ServiceResults& results)
{
    nlohmann::ordered_json json;
    for (const ServiceResultField& field : ServiceResultFields())
        json[std::string(field.key)] = Optional(results.*field.value);
    json["states"] = {StateJson(results.states[kStandstill]), StateJson(results.states[kInService])};
    json["warnings"] = nlohmann::ordered_json::array();
    for (const ServiceWarning& warning : results.warnings)
        json["warnings"].push_back(
            {{"code", ServiceWarningKey(warning.code)}, {"text", ServiceWarningText(results, warning)}});
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
    json["hub_strength_is_tensile"] = results.hubBrittle;
    json["shaft_strength_is_tensile"] = results.shaftBrittle;
    return json;
}
