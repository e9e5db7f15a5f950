#include "presentation/service_warning_figures.h"

#include "core/materials.h"
#include "core/number_format.h"

std::vector<std::string> ServiceWarningArguments(const ServiceResults& results, const ServiceWarning& warning)
{
    switch (warning.code) {
    case ServiceWarningCode::HubYield:
    case ServiceWarningCode::HubFracture:
    case ServiceWarningCode::ShaftYield: {
        std::vector<std::string> figures = {FixedDecimals(warning.value, 2), FixedDecimals(warning.limit, 2)};
        const std::optional<double>& limitUm = warning.code != ServiceWarningCode::ShaftYield
            ? results.interferenceAtHubYieldUm
            : results.interferenceAtShaftYieldUm;
        if (limitUm)
            figures.push_back(FixedDecimals(*limitUm, 1));
        return figures;
    }
    case ServiceWarningCode::Slip:
        return {FixedDecimals(warning.value, 2), FixedDecimals(warning.limit, 2)};
    case ServiceWarningCode::NoPressFit:
        return {FixedDecimals(warning.value, 1)};
    case ServiceWarningCode::LoosensInService:
        return {std::string(FitTypeName(results.states[kStandstill].fitType)),
                std::string(FitTypeName(results.states[kInService].fitType))};
    case ServiceWarningCode::NoRoughness:
        return {};
    case ServiceWarningCode::HubHeatingLimit:
    case ServiceWarningCode::CoolingUnreachable:
        return {FixedDecimals(warning.value, 1), FixedDecimals(warning.limit, 0)};
    case ServiceWarningCode::AssemblyUnreachable:
        return {FixedDecimals(warning.value, 1), FixedDecimals(warning.limit, 1)};
    }
    return {};
}

std::string_view ServiceWarningState(const ServiceWarning& warning)
{
    return warning.state == kStandstill ? "standstill" : warning.state == kInService ? "service" : "";
}

bool CoolingBeyondAbsoluteZero(const ServiceWarning& warning)
{
    return warning.code == ServiceWarningCode::CoolingUnreachable && warning.value <= kAbsoluteZeroCelsius;
}
