#include "core/service_conditions.h"

std::string_view ServiceWarningKey(ServiceWarningCode code)
{
    switch (code) {
    case ServiceWarningCode::HubYield:
        return "hub_yield";
    case ServiceWarningCode::HubFracture:
        return "hub_fracture";
    case ServiceWarningCode::ShaftYield:
        return "shaft_yield";
    case ServiceWarningCode::NoPressFit:
        return "no_press_fit";
    case ServiceWarningCode::LoosensInService:
        return "loosens_in_service";
    case ServiceWarningCode::Slip:
        return "slip";
    case ServiceWarningCode::NoRoughness:
        return "no_roughness";
    case ServiceWarningCode::HubHeatingLimit:
        return "hub_heating_limit";
    case ServiceWarningCode::CoolingUnreachable:
        return "cooling_unreachable";
    case ServiceWarningCode::AssemblyUnreachable:
        return "assembly_unreachable";
    }
    return "warning";
}
