// Fits chosen from the load: the search and `service` agree fit by fit.

#include "core/load_fit_search.h"
#include "test_support.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

std::string NameOf(const FitAnalysis& fit)
{
    return FitName({fit.hole.toleranceClass, fit.shaft.toleranceClass});
}

// A sample of every third pair at 40 mm, of both bases and all grade pairs: each fit is listed exactly
// when `service` with the same inputs finds it holding, in both states and joinable.
TEST(LoadFitSearch, ListsExactlyTheFitsServiceFindsHolding)
{
    const DeviationTables tables = LoadDeviationTables(test::ShippedTables());
    LoadFitSearchRequest request;
    request.fits.size = ExactLength::FromMm(40);
    request.fits.basis = SearchBasis::Any;
    request.fits.finestGrade = 5; // IT4 ...
    request.fits.coarsestGrade = 10; // ... IT9
    request.fits.allGradePairs = true;
    ServiceInputs& service = request.service;
    service.sizeMm = 40.0;
    service.hubOutsideDiameterMm = 70.0;
    service.lengthMm = 35.0;
    service.hubMaterial = FindMaterial("nodular-iron")->properties;
    service.hubTemperatureC = 70.0;
    service.shaftTemperatureC = 45.0;
    service.hubRzUm = service.shaftRzUm = 4.0;
    service.surface = SurfaceCondition::Dry;
    service.torqueNm = 250.0;
    service.axialForceN = 2000.0;

    const auto found = SearchFitsForLoad(tables, request);
    ASSERT_TRUE(found.HasValue());
    std::set<std::string> listed;
    for (const LoadFoundFit& fit : *found)
        listed.insert(NameOf(fit.fit.analysis));
    ASSERT_GT(listed.size(), 10u);

    FitSearchRequest every = request.fits;
    every.minClearance = ExactLength::FromMm(-1000);
    every.maxClearance = ExactLength::FromMm(1000);
    const auto all = SearchFits(tables, every);
    ASSERT_TRUE(all.HasValue());
    int holding = 0;
    for (std::size_t index = 0; index < all->size(); index += 3) {
        const FitAnalysis& fit = (*all)[index].analysis;
        const ServiceOutcome outcome = CalculateServiceConditions(WithFitLimits(fit, service));
        const bool holds = outcome && HoldsTheLoad(*outcome);
        holding += holds;
        EXPECT_EQ(holds, listed.contains(NameOf(fit))) << NameOf(fit);
    }
    EXPECT_GT(holding, 3);
}

} // namespace
