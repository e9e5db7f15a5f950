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

std::string YieldText(const ServiceResults& results, const ServiceWarning& warning,
                      const std::vector<std::string>& figures, bool hub)
{
    const bool brittle = hub ? results.hubBrittle : results.shaftBrittle;
    std::string text = std::string(hub ? "the hub" : "the shaft")
        + (brittle ? " may crack: its safety against the tensile strength, " : " yields: its safety against yield, ")
        + figures[0] + " " + StateWords(warning.state) + ", is below the required " + figures[1];
    if (figures.size() > 2)
        text += "; it needs an effective interference of at most " + figures[2] + " µm";
    return text;
}

} // namespace

std::string ServiceWarningText(const ServiceResults& results, const ServiceWarning& warning, OptionNaming naming)
{
    const std::vector<std::string> figures = ServiceWarningArguments(results, warning);
    switch (warning.code) {
    case ServiceWarningCode::HubYield:
    case ServiceWarningCode::HubFracture:
        return YieldText(results, warning, figures, true);
    case ServiceWarningCode::ShaftYield:
        return YieldText(results, warning, figures, false);
    case ServiceWarningCode::NoPressFit:
        return "no press fit " + StateWords(warning.state) + ": the least effective interference is " + figures[0]
            + " µm, so parts may have clearance and no contact pressure";
    case ServiceWarningCode::LoosensInService:
        return "the fit changes from " + FitWords(results.states[kStandstill].fitType) + " at standstill to "
            + FitWords(results.states[kInService].fitType) + " in service";
    case ServiceWarningCode::Slip:
        return "the joint may slip: its slip safety, " + figures[0] + " " + StateWords(warning.state)
            + ", is below the required " + figures[1];
    case ServiceWarningCode::NoRoughness:
        return "no roughness depths given (Rz of bore and shaft both 0): nothing is deducted for smoothing, "
               "which overstates pressure and torque; give "
            + OptionName("rz_hub", naming) + " and " + OptionName("rz_shaft", naming);
    case ServiceWarningCode::HubHeatingLimit:
        return "heating the hub alone would need " + figures[0] + " °C, above the " + figures[1]
            + " °C its material may be heated to for joining";
    case ServiceWarningCode::CoolingUnreachable:
        return "cooling the shaft alone would need "
            + (CoolingBeyondAbsoluteZero(warning) ? std::string("more than cooling to absolute zero gives")
                                                  : figures[0] + " °C")
            + ", below liquid nitrogen's " + figures[1] + " °C";
    case ServiceWarningCode::AssemblyUnreachable:
        return "the parts cannot be joined by temperature: the hub heated to its limit and the shaft cooled in "
               "liquid nitrogen together open "
            + figures[0] + " µm of the " + figures[1]
            + " µm needed (interference and joining clearance); press them, or choose a looser fit";
    }
    return {};
}
