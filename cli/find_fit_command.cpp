#include "cli_text.h"
#include "commands.h"
#include "decimal_text.h"
#include "fit_json.h"
#include "fit_lines.h"
#include "fit_search.h"
#include "json_numbers.h"
#include "load_fit_command.h"
#include "loaded_tables.h"
#include "scales.h"
#include "service_options.h"
#include "tolerance_class.h"

#include <algorithm>
#include <cstdint>
#include <ostream>

namespace {

std::optional<ExactLength> ReadMicrometres(std::string_view option, const std::string& text, std::ostream& err)
{
    const auto um = ParseMicrometres(text);
    if (!um) {
        UsageError(err,
                   std::string(option) + " " + Quoted(text) + " " + NumberProblemWords(um.reason(), "micrometres", 3));
        return std::nullopt;
    }
    return *um;
}

// One bound given as a clearance or as an interference (a negative clearance), not both.
bool ReadBound(const std::optional<std::string>& clearance, std::string_view clearanceOption,
               const std::optional<std::string>& interference, std::string_view interferenceOption, ExactLength& bound,
               std::ostream& err)
{
    if (clearance && interference) {
        UsageError(err,
                   std::string(clearanceOption) + " and " + std::string(interferenceOption)
                       + " give the same bound: use one of them");
        return false;
    }
    if (!clearance && !interference) {
        UsageError(err, "give " + std::string(clearanceOption) + " or " + std::string(interferenceOption));
        return false;
    }
    const auto value = clearance ? ReadMicrometres(clearanceOption, *clearance, err)
                                 : ReadMicrometres(interferenceOption, *interference, err);
    if (!value)
        return false;
    bound = clearance ? *value : -*value;
    return true;
}

// "5-11", "IT5-IT11", "01-12": two grade names, finest first.
bool ReadGradeRange(const std::string& text, FitSearchRequest& request, std::ostream& err)
{
    const auto dash = text.find('-');
    const auto finest = dash == std::string::npos ? ParseGradeName("") : ParseGradeName(text.substr(0, dash));
    const auto coarsest = dash == std::string::npos ? ParseGradeName("") : ParseGradeName(text.substr(dash + 1));
    if (!finest || !coarsest || *finest > *coarsest) {
        UsageError(err, "--grades " + Quoted(text) + " is not a grade range such as 5-11, IT5-IT11 or 01-12");
        return false;
    }
    request.finestGrade = *finest;
    request.coarsestGrade = *coarsest;
    return true;
}

std::optional<SearchBasis> ReadBasis(const std::string& text)
{
    if (text == "hole")
        return SearchBasis::Hole;
    if (text == "shaft")
        return SearchBasis::Shaft;
    if (text == "any")
        return SearchBasis::Any;
    return std::nullopt;
}

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
    FitSearchRequest search;
    search.size = *size;
    const auto basis = ReadBasis(request.basisText);
    if (!basis)
        return UsageError(err, "--basis " + Quoted(request.basisText) + " is not hole, shaft or any");
    search.basis = *basis;
    if (!ReadGradeRange(request.gradesText, search, err))
        return kExitUsage;
    search.allGradePairs = request.allGradePairs;
    const auto limit = ParseFixedPoint(request.limitText, 0);
    if (!limit && limit.reason() == NumberProblem::TooLarge)
        return UsageError(err, "--limit " + Quoted(request.limitText) + " " + NumberProblemWords(limit.reason()));
    if (!limit || *limit < 0)
        return UsageError(err, "--limit " + Quoted(request.limitText) + " is not a whole number, 0 or more");

    const bool bounds
        = request.minClearance || request.maxClearance || request.minInterference || request.maxInterference;
    if (HasLoad(request.load)) {
        if (bounds)
            return UsageError(err, "give a range of clearances or a load (--torque, --axial-force), not both");
        return RunLoadFitSearch(request, search, *limit == 0 ? SIZE_MAX : static_cast<std::size_t>(*limit), out, err);
    }
    if (!ReadBound(request.minClearance, "--min-clearance", request.maxInterference, "--max-interference",
                   search.minClearance, err)
        || !ReadBound(request.maxClearance, "--max-clearance", request.minInterference, "--min-interference",
                      search.maxClearance, err))
        return kExitUsage;
    if (search.minClearance > search.maxClearance)
        return UsageError(err,
                          "the smallest clearance (" + FormatUm(search.minClearance) + " µm) is above the largest ("
                              + FormatUm(search.maxClearance) + " µm)");

    const auto nearCount = ParseFixedPoint(request.nearText, 0);
    if (!nearCount || *nearCount < 0)
        return UsageError(err, "--near " + Quoted(request.nearText) + " is not a whole number, 0 or more");
    search.nearCount = static_cast<std::size_t>(*nearCount);

    const auto found = SearchFits(LoadDeviationTables(request.tables), search);
    if (!found) {
        err << "quorlan-cli: " << FailureText(found.reason(), request.tables) << '\n';
        return kExitFailure;
    }
    // The matches, cut to the limit, then the near misses, which the search puts last.
    const auto firstMiss
        = std::find_if(found->begin(), found->end(), [](const FoundFit& fit) { return fit.miss.nm > 0; });
    const auto matches = static_cast<std::size_t>(firstMiss - found->begin());
    const std::size_t shown = *limit == 0 ? matches : std::min(matches, static_cast<std::size_t>(*limit));
    std::vector<const FoundFit*> listed;
    for (std::size_t index = 0; index < found->size(); ++index) {
        if (index < shown || index >= matches)
            listed.push_back(&(*found)[index]);
    }
    if (request.json) {
        auto json = nlohmann::ordered_json::array();
        for (const FoundFit* fit : listed) {
            auto object = FitJson(fit->analysis);
            object["preferred"] = fit->preferred;
            object["miss_um"] = JsonUm(fit->miss);
            json.push_back(std::move(object));
        }
        out << json.dump() << '\n';
    }
    if (matches == 0)
        err << "quorlan-cli: no fit meets " << RequirementWords(search) << '\n';
    if (request.json)
        return matches == 0 ? kExitFailure : kExitResult;

    if (matches > 0) {
        out << matches << (matches == 1 ? " fit meets " : " fits meet ") << RequirementWords(search)
            << (shown < matches ? "; the first " + std::to_string(shown) + " follow" : "") << ":\n";
    }
    for (const FoundFit* fit : listed) {
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
