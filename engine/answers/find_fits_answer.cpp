#include "answers/find_fits_answer.h"

#include "answers/answer_inputs.h"
#include "answers/fit_answers.h"
#include "answers/json_numbers.h"
#include "answers/refusal_text.h"
#include "core/decimal_text.h"
#include "presentation/fit_presentation.h"

#include <algorithm>

namespace {

// One bound given as a clearance or as an interference (a negative clearance), not both.
Result<ExactLength, AnswerRefusal> ReadBound(const nlohmann::json& options, std::string_view clearanceKey,
                                             std::string_view interferenceKey, OptionNaming naming)
{
    const nlohmann::json& clearance = OptionValue(options, clearanceKey);
    const nlohmann::json& interference = OptionValue(options, interferenceKey);
    const std::string clearanceName = OptionName(clearanceKey, naming);
    const std::string interferenceName = OptionName(interferenceKey, naming);
    if (!clearance.is_null() && !interference.is_null())
        return BadInput("bound_given_twice",
                        clearanceName + " and " + interferenceName + " give the same bound: use one of them");
    if (clearance.is_null() && interference.is_null())
        return BadInput("bound_missing", "give " + clearanceName + " or " + interferenceName);
    const bool isClearance = !clearance.is_null();
    const auto value
        = ReadMicrometres(isClearance ? clearance : interference, isClearance ? clearanceName : interferenceName);
    if (!value)
        return value.reason();
    return isClearance ? *value : -*value;
}

std::optional<SearchBasis> BasisNamed(std::string_view text)
{
    if (text == "hole")
        return SearchBasis::Hole;
    if (text == "shaft")
        return SearchBasis::Shaft;
    if (text == "any")
        return SearchBasis::Any;
    return std::nullopt;
}

// "5-11", "IT5-IT11", "01-12": two grade names, finest first.
bool ReadGradeRange(std::string_view text, FitSearchRequest& request)
{
    const auto dash = text.find('-');
    if (dash == std::string_view::npos)
        return false;
    const auto finest = ParseGradeName(text.substr(0, dash));
    const auto coarsest = ParseGradeName(text.substr(dash + 1));
    if (!finest || !coarsest || *finest > *coarsest)
        return false;
    request.finestGrade = *finest;
    request.coarsestGrade = *coarsest;
    return true;
}

std::string ShownText(const nlohmann::json& value)
{
    return QuotedValue(value);
}

// A whole number, 0 or more; nothing when not given.
Result<std::optional<std::size_t>, AnswerRefusal> ReadCount(const nlohmann::json& options, std::string_view key,
                                                            OptionNaming naming)
{
    const nlohmann::json& value = OptionValue(options, key);
    if (value.is_null())
        return std::optional<std::size_t>();
    const auto text = value.is_boolean() ? std::nullopt : NumberText(value);
    const auto count
        = text ? ParseFixedPoint(*text, 0) : Result<std::int64_t, NumberProblem>(NumberProblem::NotANumber);
    if (!count && count.reason() == NumberProblem::TooLarge)
        return BadInput("too_large", OptionName(key, naming) + " " + ShownText(value) + " is too large");
    if (!count || *count < 0)
        return BadInput("not_a_count",
                        OptionName(key, naming) + " " + ShownText(value) + " is not a whole number, 0 or more");
    return std::optional(static_cast<std::size_t>(*count));
}

} // namespace

Result<FitSearchQuery, AnswerRefusal> ReadFitSearch(const nlohmann::json& options, OptionNaming naming)
{
    if (auto unknown = UnknownOptionIn(options,
                                       {"size_mm", "min_clearance", "max_clearance", "min_interference",
                                        "max_interference", "basis", "grades", "all_grade_pairs", "limit", "near"},
                                       naming))
        return *unknown;
    FitSearchQuery query;
    FitSearchRequest& search = query.search;
    const auto size = ReadSizeMm(OptionValue(options, "size_mm"), OptionName("size_mm", naming));
    if (!size)
        return size.reason();
    search.size = *size;
    const auto minClearance = ReadBound(options, "min_clearance", "max_interference", naming);
    if (!minClearance)
        return minClearance.reason();
    const auto maxClearance = ReadBound(options, "max_clearance", "min_interference", naming);
    if (!maxClearance)
        return maxClearance.reason();
    search.minClearance = *minClearance;
    search.maxClearance = *maxClearance;
    if (search.minClearance > search.maxClearance)
        return BadInput("bounds_reversed",
                        "the smallest clearance (" + FormatUm(search.minClearance) + " µm) is above the largest ("
                            + FormatUm(search.maxClearance) + " µm)");

    const nlohmann::json& basis = OptionValue(options, "basis");
    const auto basisRead = basis.is_null() ? std::optional(SearchBasis::Hole)
        : basis.is_string()                ? BasisNamed(basis.get_ref<const std::string&>())
                                           : std::nullopt;
    if (!basisRead)
        return BadInput("not_a_basis",
                        OptionName("basis", naming) + " " + ShownText(basis) + " is not hole, shaft or any");
    search.basis = *basisRead;

    const nlohmann::json& grades = OptionValue(options, "grades");
    if (!grades.is_null() && (!grades.is_string() || !ReadGradeRange(grades.get_ref<const std::string&>(), search)))
        return BadInput("not_a_grade_range",
                        OptionName("grades", naming) + " " + ShownText(grades)
                            + " is not a grade range such as 5-11, IT5-IT11 or 01-12");

    const nlohmann::json& allPairs = OptionValue(options, "all_grade_pairs");
    if (!allPairs.is_null()) {
        const auto flag = ReadFlag(allPairs, OptionName("all_grade_pairs", naming));
        if (!flag)
            return flag.reason();
        search.allGradePairs = *flag;
    }

    const auto limit = ReadCount(options, "limit", naming);
    if (!limit)
        return limit.reason();
    if (*limit)
        query.limit = **limit;
    const auto near = ReadCount(options, "near", naming);
    if (!near)
        return near.reason();
    if (*near)
        search.nearCount = **near;
    return query;
}

nlohmann::ordered_json FitRangeDisplayJson(const FitAnalysis& fit)
{
    const FitRangePresentation range = PresentFitRange(fit);
    return {{"min_clearance_um", range.minClearance.um},
            {"max_clearance_um", range.maxClearance.um},
            {"fit_tolerance_um", range.fitTolerance.um}};
}

nlohmann::ordered_json FoundFitJson(const FoundFit& fit)
{
    auto json = FitJson(fit.analysis);
    json["preferred"] = fit.preferred;
    json["miss_um"] = JsonUm(fit.miss);
    json["display"] = FitRangeDisplayJson(fit.analysis);
    return json;
}

ListedFits ListFits(const std::vector<FoundFit>& found, std::size_t limit)
{
    ListedFits listed;
    const auto firstMiss
        = std::find_if(found.begin(), found.end(), [](const FoundFit& fit) { return fit.miss.nm > 0; });
    listed.matches = static_cast<std::size_t>(firstMiss - found.begin());
    listed.shown = limit == 0 ? listed.matches : std::min(listed.matches, limit);
    for (std::size_t index = 0; index < found.size(); ++index) {
        if (index < listed.shown || index >= listed.matches)
            listed.fits.push_back(&found[index]);
    }
    return listed;
}

Answer FindFitsAnswer(const DeviationTables& tables, const nlohmann::json& options, const std::filesystem::path& folder)
{
    const auto query = ReadFitSearch(options);
    if (!query)
        return query.reason();
    const auto found = SearchFits(tables, query->search);
    if (!found)
        return RefusalOf(found.reason(), FailureText(found.reason(), folder));
    nlohmann::ordered_json fits = nlohmann::ordered_json::array();
    for (const FoundFit* fit : ListFits(*found, query->limit).fits)
        fits.push_back(FoundFitJson(*fit));
    return fits;
}
