#include "answers/service_warning_text.h"

#include "core/number_format.h"

namespace {

std::string StateWords(std::size_t state)
{
    switch (state) {
    case kStandstill:
        return "at standstill";
    case kInService:
        return "in service";
    default:
        return "at standstill and in service";
    }
}

std::string FitWords(FitType type)
{
    return type == FitType::Interference ? "an interference fit" : "a " + std::string(FitTypeName(type)) + " fit";
}

std::string YieldText(const ServiceResults& results, const ServiceWarning& warning, bool hub)
{
    const bool brittle = hub ? results.hubBrittle : results.shaftBrittle;
    const std::optional<double>& limitUm = hub ? results.interferenceAtHubYieldUm : results.interferenceAtShaftYieldUm;
    std::string text = std::string(hub ? "the hub" : "the shaft")
        + (brittle ? " may crack: its safety against the tensile strength, " : " yields: its safety against yield, ")
        + FixedDecimals(warning.value, 2) + " " + StateWords(warning.state) + ", is below the required "
        + FixedDecimals(warning.limit, 2);
    if (limitUm)
        text += "; it needs an effective interference of at most " + FixedDecimals(*limitUm, 1) + " µm";
    return text;
}

} // namespace

std::string ServiceWarningText(const ServiceResults& results, const ServiceWarning& warning)
{
    switch (warning.code) {
    case ServiceWarningCode::HubYield:
        return YieldText(results, warning, true);
    case ServiceWarningCode::ShaftYield:
        return YieldText(results, warning, false);
    case ServiceWarningCode::NoPressFit:
        return "no press fit " + StateWords(warning.state) + ": the least effective interference is "
            + FixedDecimals(warning.value, 1) + " µm, so parts may have clearance and no contact pressure";
    case ServiceWarningCode::LoosensInService:
        return "the fit changes from " + FitWords(results.states[kStandstill].fitType) + " at standstill to "
            + FitWords(results.states[kInService].fitType) + " in service";
    case ServiceWarningCode::Slip:
        return "the joint may slip: its slip safety, " + FixedDecimals(warning.value, 2) + " "
            + StateWords(warning.state) + ", is below the required " + FixedDecimals(warning.limit, 2);
    case ServiceWarningCode::NoRoughness:
        return "no roughness depths given (Rz of bore and shaft both 0): nothing is deducted for smoothing, "
               "which overstates pressure and torque; give --rz-hub and --rz-shaft";
    case ServiceWarningCode::HubHeatingLimit:
        return "heating the hub alone would need " + FixedDecimals(warning.value, 1) + " °C, above the "
            + FixedDecimals(warning.limit, 0) + " °C its material may be heated to for joining";
    case ServiceWarningCode::CoolingUnreachable:
        return "cooling the shaft alone would need "
            + (warning.value <= -273.15 ? std::string("more than cooling to absolute zero gives")
                                        : FixedDecimals(warning.value, 1) + " °C")
            + ", below liquid nitrogen's " + FixedDecimals(warning.limit, 0) + " °C";
    case ServiceWarningCode::AssemblyUnreachable:
        return "the parts cannot be joined by temperature: the hub heated to its limit and the shaft cooled in "
               "liquid nitrogen together open "
            + FixedDecimals(warning.value, 1) + " µm of the " + FixedDecimals(warning.limit, 1)
            + " µm needed (interference and joining clearance); press them, or choose a looser fit";
    }
    return {};
}
