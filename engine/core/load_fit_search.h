#pragma once

#include "core/fit_search.h"
#include "core/service_conditions.h"

#include <variant>
#include <vector>

// The fits that hold a load: for a joint of given hub, length, materials, temperatures, roughness and
// friction, every fit that in its worse state transmits the torque and axial force with the required
// slip safety, keeps hub and shaft within the required yield safety, and can be joined.
struct LoadFitSearchRequest
{
    FitSearchRequest fits; // size, basis, grades and grade pairs; the search sets its clearance range
    ServiceInputs service; // every input of the service calculation but the fit's deviations
};

struct LoadFoundFit
{
    FoundFit fit;
    ServiceResults results; // what `service` answers for the fit
};

// A table file problem, or service inputs that make no sense (or miss the hub, length or load).
using LoadSearchFailure = std::variant<Failure, ServiceRefusal>;

// Best first, as the fit finder ranks, its range being the interferences at 20 °C that the load and
// the yield safety allow at standstill.
Result<std::vector<LoadFoundFit>, LoadSearchFailure> SearchFitsForLoad(const DeviationTables& tables,
                                                                       const LoadFitSearchRequest& request);
