#include "core/load_fit_search.h"

#include "core/service_checks.h"

#include <algorithm>
#include <cmath>

namespace {

// Far beyond any fit, yet clear of overflow when clearances are subtracted.
constexpr double kWidestBoundNm = 1e15;

std::optional<ServiceRefusal> FindMissingInput(const ServiceInputs& in)
{
    if (!in.hubOutsideDiameterMm)
        return ServiceRefusal {ServiceRefusalReason::kMissing, "hub_outside_diameter_mm"};
    if (!in.lengthMm)
        return ServiceRefusal {ServiceRefusalReason::kMissing, "length_mm"};
    if (in.torqueNm.value_or(0.0) == 0.0 && in.axialForceN.value_or(0.0) == 0.0)
        return ServiceRefusal {ServiceRefusalReason::kMissing, "torque_nm"};
    return std::nullopt;
}

// A clearance bound in nm, rounded outwards and one nanometre wider, so that rounding never keeps out
// a fit the full calculation would pass.
ExactLength OuterBound(double clearanceUm, double direction)
{
    const double nm = std::clamp(clearanceUm * 1000.0 + direction, -kWidestBoundNm, kWidestBoundNm);
    return {static_cast<std::int64_t>(direction > 0 ? std::ceil(nm) : std::floor(nm))};
}

} // namespace

Result<std::vector<LoadFoundFit>, LoadSearchFailure> SearchFitsForLoad(const DeviationTables& tables,
                                                                       const LoadFitSearchRequest& request)
{
    ServiceInputs service = request.service;
    service.sizeMm = ToMm(request.fits.size);
    service.holeUpperUm = service.holeLowerUm = service.shaftUpperUm = service.shaftLowerUm = 0.0;
    if (auto refusal = FindServiceRefusal(service))
        return LoadSearchFailure {*refusal};
    if (auto missing = FindMissingInput(service))
        return LoadSearchFailure {*missing};

    // At standstill the effective interference is the one at 20 °C less the smoothing: the load's
    // bounds there are exact bounds on the fit's clearances, and only fits within them need the full
    // calculation, which adds the service state and assembly.
    const LoadInterferenceBounds bounds = InterferenceBoundsForLoad(service);
    const double smoothingLossUm = service.smoothingFactor * (service.hubRzUm + service.shaftRzUm);
    const double leastInterferenceUm = bounds.minForSlipUm + smoothingLossUm;
    const double mostInterferenceUm = bounds.maxForYieldUm + smoothingLossUm;
    if (!(leastInterferenceUm <= mostInterferenceUm))
        return std::vector<LoadFoundFit> {};
    FitSearchRequest fits = request.fits;
    fits.minClearance = OuterBound(-mostInterferenceUm, -1.0);
    fits.maxClearance = OuterBound(-leastInterferenceUm, 1.0);

    const auto found = SearchFits(tables, fits);
    if (!found)
        return LoadSearchFailure {found.reason()};
    // Room for every candidate at once: pages never written cost nothing, while growing as fits are
    // found would move every result found so far again and again.
    std::vector<LoadFoundFit> holding;
    holding.reserve(found->size());
    for (const FoundFit& fit : *found) {
        ServiceOutcome outcome = CalculateServiceConditions(WithFitLimits(fit.analysis, service));
        if (outcome && HoldsTheLoad(*outcome))
            holding.push_back({fit, std::move(*outcome)});
    }
    return holding;
}
