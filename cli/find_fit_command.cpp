#include "answers/find_fits_answer.h"
#include "answers/service_inputs.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "cli/fit_lines.h"
#include "cli/load_fit_command.h"
#include "core/fit_search.h"
#include "core/loaded_tables.h"
#include "core/scales.h"
#include "core/tolerance_class.h"

#include <algorithm>
#include <cstdint>
#include <ostream>

namespace {

std::string RequirementWords(const FitSearchRequest& request)
{
    const std::string at = " µm at " + FormatMm(request.size) + " mm";
    // Up to no clearance and below it an interference; zero to zero is a clearance (of none).
    if (request.maxClearance.nm < 0 || (request.maxClearance.nm == 0 && request.minClearance.nm < 0))
        return "an interference from " + FormatUm(-request.maxClearance) + " to " + FormatUm(-request.minClearance)
            + at;
    return "a clearance from " + FormatUm(request.minClearance) + " to " + FormatUm(request.maxClearance) + at;
}

} // namespace

int RunFindFit(const FindFitRequest& request, std::ostream& out, std::ostream& err)
{
    const auto size = ReadSizeArgument(request.sizeText, err);
    if (!size)
        return kExitUsage;
    // The options as the answers read them, so that every front end refuses the same inputs.
    nlohmann::json options = {{"size_mm", request.sizeText},  {"basis", request.basisText},
                              {"grades", request.gradesText}, {"all_grade_pairs", request.allGradePairs},
                              {"limit", request.limitText},   {"near", request.nearText}};
    for (const auto& [key, text] :
         {std::pair {"min_clearance", &request.minClearance}, std::pair {"max_clearance", &request.maxClearance},
          std::pair {"min_interference", &request.minInterference},
          std::pair {"max_interference", &request.maxInterference}}) {
        if (*text)
            options[key] = **text;
    }
    const bool bounds
        = request.minClearance || request.maxClearance || request.minInterference || request.maxInterference;
    if (HasLoadOption(ServiceOptionsJson(request.load))) {
        if (bounds)
            return UsageError(err, "give a range of clearances or a load (--torque, --axial-force), not both");
        // The range is the load's: read the rest of the search with a placeholder one.
        options["min_clearance"] = options["max_clearance"] = "0";
    }
    const auto query = ReadFitSearch(options, OptionNaming::CommandLine);
    if (!query)
        return UsageError(err, query.reason().message);
    const FitSearchRequest& search = query->search;
    if (HasLoadOption(ServiceOptionsJson(request.load)))
        return RunLoadFitSearch(request, search, query->limit == 0 ? SIZE_MAX : query->limit, out, err);

    const auto found = SearchFits(LoadDeviationTables(request.tables), search);
    if (!found) {
        err << "quorlan-cli: " << FailureText(found.reason(), request.tables) << '\n';
        return kExitFailure;
    }
    const ListedFits listed = ListFits(*found, query->limit);
    const std::size_t matches = listed.matches;
    if (request.json) {
        // One fit at a time: a search over every class pair finds some 100,000 fits.
        out << '[';
        for (std::size_t index = 0; index < listed.fits.size(); ++index)
            out << (index == 0 ? "" : ",") << FoundFitJson(*listed.fits[index]).dump();
        out << "]\n";
    }
    if (matches == 0)
        err << "quorlan-cli: no fit meets " << RequirementWords(search) << '\n';
    if (request.json)
        return matches == 0 ? kExitFailure : kExitResult;

    if (matches > 0) {
        out << matches << (matches == 1 ? " fit meets " : " fits meet ") << RequirementWords(search)
            << (listed.shown < matches ? "; the first " + std::to_string(listed.shown) + " follow" : "") << ":\n";
    }
    for (const FoundFit* fit : listed.fits) {
        if (fit == &(*found)[matches]) {
            const std::size_t near = found->size() - matches;
            out << (near == 1 ? "The fit" : "The " + std::to_string(near) + " fits") << " that miss it by the least:\n";
        }
        const std::string name = FitName({fit->analysis.hole.toleranceClass, fit->analysis.shaft.toleranceClass});
        out << name << std::string(name.size() < 10 ? 10 - name.size() : 1, ' ') << FitTypeName(fit->analysis.type)
            << ": " << ClearanceWords(fit->analysis) << "; fit tolerance " << FormatUm(fit->analysis.fitTolerance)
            << " µm" << (fit->preferred ? " (preferred)" : "")
            << (fit->miss.nm > 0 ? "; misses by " + FormatUm(fit->miss) + " µm" : "") << '\n';
    }
    return matches == 0 ? kExitFailure : kExitResult;
}
