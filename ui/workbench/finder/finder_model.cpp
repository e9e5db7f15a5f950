#include "workbench/finder/finder_model.h"

#include "core/decimal_text.h"
#include "core/loaded_tables.h"

#include <algorithm>

namespace {

// A clearance bound as typed, spaces ignored.
Result<ExactLength, BoundProblem> ReadBound(std::string_view text, ClearanceBound bound)
{
    std::string typed(text);
    std::erase_if(typed, [](char c) { return c == ' ' || c == '\t'; });
    if (typed.empty())
        return BoundProblem {bound, true};
    const auto um = ParseMicrometres(typed);
    if (!um)
        return BoundProblem {bound, false};
    return *um;
}

} // namespace

Result<std::vector<FoundFit>, FinderProblem> FindFitsFor(const std::filesystem::path& tablesFolder,
                                                         const FinderInputs& inputs)
{
    const auto size = ReadSize(inputs.sizeText);
    if (!size)
        return FinderProblem(size.reason());
    const auto minClearance = ReadBound(inputs.minClearanceText, ClearanceBound::Min);
    if (!minClearance)
        return FinderProblem(minClearance.reason());
    const auto maxClearance = ReadBound(inputs.maxClearanceText, ClearanceBound::Max);
    if (!maxClearance)
        return FinderProblem(maxClearance.reason());
    if (*minClearance > *maxClearance)
        return FinderProblem(BoundsReversed {*minClearance, *maxClearance});
    if (inputs.finestGrade > inputs.coarsestGrade)
        return FinderProblem(GradesReversed {});

    FitSearchRequest request;
    request.size = *size;
    request.minClearance = *minClearance;
    request.maxClearance = *maxClearance;
    request.basis = inputs.basis;
    request.finestGrade = inputs.finestGrade;
    request.coarsestGrade = inputs.coarsestGrade;
    request.allGradePairs = inputs.allGradePairs;
    auto found = SearchFits(LoadDeviationTables(tablesFolder), request);
    if (!found)
        return FinderProblem(found.reason());
    return *found;
}

Result<std::vector<LoadFoundFit>, FinderProblem> FindFitsForLoad(const std::filesystem::path& tablesFolder,
                                                                 const FinderInputs& inputs, const ServiceForm& form)
{
    const auto size = ReadSize(inputs.sizeText);
    if (!size)
        return FinderProblem(size.reason());
    if (inputs.finestGrade > inputs.coarsestGrade)
        return FinderProblem(GradesReversed {});
    const auto joint = ReadJointForm(form);
    if (!joint)
        return FinderProblem(joint.reason());

    LoadFitSearchRequest request;
    request.fits.size = *size;
    request.fits.basis = inputs.basis;
    request.fits.finestGrade = inputs.finestGrade;
    request.fits.coarsestGrade = inputs.coarsestGrade;
    request.fits.allGradePairs = inputs.allGradePairs;
    request.service = *joint;
    auto found = SearchFitsForLoad(LoadDeviationTables(tablesFolder), request);
    if (!found) {
        if (const auto* refusal = std::get_if<ServiceRefusal>(&found.reason()))
            return FinderProblem(RefusalOf(*refusal));
        return FinderProblem(std::get<Failure>(found.reason()));
    }
    return std::move(*found);
}
