#include "answers/stack_answer.h"

#include "answers/answer_inputs.h"
#include "answers/chain_problem_text.h"
#include "answers/json_numbers.h"
#include "answers/json_object.h"
#include "core/chains/chain_charts.h"
#include "core/chains/chain_csv.h"
#include "core/chains/contributions.h"
#include "core/chains/link_spread.h"
#include "core/chains/monte_carlo.h"
#include "core/chains/root_sum_square.h"
#include "core/chains/worst_case.h"
#include "core/decimal_text.h"
#include "presentation/chain_presentation.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::array<std::string_view, 7> kLinkKeys
    = {"name", "direction", "nominal_mm", "tolerance", "distribution", "cpk", "mean_shift_mm"};

struct Methods
{
    bool worst = true;
    bool rss = true;
    bool monteCarlo = true;
};

struct StackInputs
{
    std::optional<ChainRequirement> requirement;
    Methods methods;
    std::size_t samples = kDefaultChainSamples;
    std::uint64_t seed = kDefaultChainSeed;
    bool charts = false;
};

// A JSON link's field as the text the link reader takes: a string as it is, a number as its exact
// decimal text.
Result<std::optional<std::string>, AnswerRefusal> FieldText(const nlohmann::json& link, std::string_view key,
                                                            bool numberAllowed, const std::string& at)
{
    const auto found = link.find(std::string(key));
    if (found == link.end() || found->is_null())
        return std::optional<std::string>();
    if (found->is_string())
        return std::optional<std::string>(found->get<std::string>());
    if (numberAllowed && found->is_number()) {
        if (const auto text = NumberText(*found))
            return std::optional<std::string>(*text);
    }
    return BadInput("not_text",
                    at + std::string(key) + " " + QuotedValue(*found)
                        + (numberAllowed ? " is not a number or a text" : " is not a text"));
}

Result<std::vector<ChainRow>, AnswerRefusal> JsonRows(const nlohmann::json& links)
{
    if (!links.is_array())
        return BadInput("bad_link", "links is not a list of links");
    if (links.size() > kMostChainLinks)
        return BadInput("too_many_links", "a chain has at most " + std::to_string(kMostChainLinks) + " links");
    std::vector<ChainRow> rows;
    for (std::size_t i = 0; i < links.size(); ++i) {
        const nlohmann::json& link = links[i];
        const std::string at = "link " + std::to_string(i + 1) + ": ";
        if (!link.is_object())
            return BadInput("bad_link", at + "not an object of name, direction, nominal_mm and tolerance");
        for (const auto& [key, value] : link.items()) {
            bool known = false;
            for (const std::string_view name : kLinkKeys)
                known = known || key == name;
            if (!known)
                return BadInput("unknown_option", at + "unknown field " + QuotedInput(key));
        }
        std::array<std::optional<std::string>, kLinkKeys.size()> texts;
        for (std::size_t k = 0; k < kLinkKeys.size(); ++k) {
            const bool isText = kLinkKeys[k] == "name" || kLinkKeys[k] == "tolerance" || kLinkKeys[k] == "distribution";
            auto text = FieldText(link, kLinkKeys[k], !isText, at);
            if (!text)
                return text.reason();
            if (k < 4 && !*text)
                return BadInput("missing_option", at + std::string(kLinkKeys[k]) + " is missing");
            texts[k] = std::move(*text);
        }
        ChainRow row;
        row.line = static_cast<int>(i + 1);
        row.fields = {*texts[0], *texts[1], *texts[2], *texts[3], texts[4], texts[5], texts[6]};
        rows.push_back(std::move(row));
    }
    return rows;
}

Result<ExactLength, AnswerRefusal> Bound(const nlohmann::json& value, const std::string& name)
{
    const auto text = NumberText(value);
    if (!text)
        return BadInput("not_a_number", name + " " + QuotedValue(value) + " is not a number of millimetres");
    const auto length = ParseMillimetres(*text);
    if (!length)
        return BadInput(length.reason() == NumberProblem::TooPrecise ? ReasonCode("too_precise")
                                                                     : ReasonCode("not_a_number"),
                        name + " " + QuotedInput(*text) + " is not a decimal number of millimetres to 6 decimals");
    return *length;
}

Result<std::optional<ChainRequirement>, AnswerRefusal> ReadRequirement(const nlohmann::json& value,
                                                                       const std::string& name)
{
    if (value.is_null())
        return std::optional<ChainRequirement>();
    if (!value.is_array() || value.size() != 2)
        return BadInput("not_a_pair", name + " is not a pair: the smallest and the largest acceptable value, mm");
    const auto min = Bound(value[0], name);
    if (!min)
        return min.reason();
    const auto max = Bound(value[1], name);
    if (!max)
        return max.reason();
    if (*max < *min)
        return BadInput("bounds_reversed", name + ": the smallest acceptable value is above the largest");
    return std::optional<ChainRequirement>(ChainRequirement {*min, *max});
}

// A whole number from least to most, as JSON number or text.
Result<std::uint64_t, AnswerRefusal> ReadWhole(const nlohmann::json& value, const std::string& name,
                                               std::uint64_t least, std::uint64_t most)
{
    const auto text = NumberText(value);
    const auto number
        = text ? ParseFixedPoint(*text, 0) : Result<std::int64_t, NumberProblem>(NumberProblem::NotANumber);
    if (!number || *number < 0 || static_cast<std::uint64_t>(*number) < least
        || static_cast<std::uint64_t>(*number) > most)
        return BadInput("not_a_count",
                        name + " " + (text ? QuotedInput(*text) : QuotedValue(value)) + " is not a whole number from "
                            + std::to_string(least) + " to " + std::to_string(most));
    return static_cast<std::uint64_t>(*number);
}

Result<Methods, AnswerRefusal> ReadMethod(const nlohmann::json& value, const std::string& name)
{
    if (value.is_null())
        return Methods {};
    const auto text = ReadText(value, name);
    if (!text)
        return text.reason();
    if (*text == "all")
        return Methods {};
    if (*text == "worst")
        return Methods {true, false, false};
    if (*text == "rss")
        return Methods {false, true, false};
    if (*text == "mc")
        return Methods {false, false, true};
    return BadInput("bad_choice", name + " " + QuotedInput(*text) + " is not worst, rss, mc or all");
}

Result<StackInputs, AnswerRefusal> ReadInputs(const nlohmann::json& options, OptionNaming naming)
{
    StackInputs inputs;
    const auto requirement = ReadRequirement(OptionValue(options, "require"), OptionName("require", naming));
    if (!requirement)
        return requirement.reason();
    inputs.requirement = *requirement;
    const auto methods = ReadMethod(OptionValue(options, "method"), OptionName("method", naming));
    if (!methods)
        return methods.reason();
    inputs.methods = *methods;
    if (const nlohmann::json& samples = OptionValue(options, "samples"); !samples.is_null()) {
        const auto count = ReadWhole(samples, OptionName("samples", naming), kFewestChainSamples, kMostChainSamples);
        if (!count)
            return count.reason();
        inputs.samples = static_cast<std::size_t>(*count);
    }
    if (const nlohmann::json& seed = OptionValue(options, "seed"); !seed.is_null()) {
        const auto value = ReadWhole(seed, OptionName("seed", naming), 0, kLargestChainSeed);
        if (!value)
            return value.reason();
        inputs.seed = *value;
    }
    if (const nlohmann::json& charts = OptionValue(options, "charts"); !charts.is_null()) {
        const auto flag = ReadFlag(charts, OptionName("charts", naming));
        if (!flag)
            return flag.reason();
        inputs.charts = *flag;
    }
    return inputs;
}

nlohmann::ordered_json Mm(double mm)
{
    return mm;
}

nlohmann::ordered_json WorstCaseJson(const WorstCase& worst)
{
    JsonObject json(4);
    json.Add("min_mm", JsonMm(worst.min))
        .Add("max_mm", JsonMm(worst.max))
        .Add("range_mm", JsonMm(worst.max - worst.min))
        .Add("display",
             {{"min_mm", ChainExactMmText(worst.min)},
              {"max_mm", ChainExactMmText(worst.max)},
              {"range_mm", ChainExactMmText(worst.max - worst.min)}});
    return json.Take();
}

nlohmann::ordered_json RssJson(const RootSumSquare& rss)
{
    JsonObject json(5);
    json.Add("mean_mm", Mm(rss.meanMm))
        .Add("sigma_mm", Mm(rss.sigmaMm))
        .Add("min_mm", Mm(rss.minMm))
        .Add("max_mm", Mm(rss.maxMm))
        .Add("display",
             {{"mean_mm", ChainEstimateMmText(rss.meanMm)},
              {"sigma_mm", ChainEstimateMmText(rss.sigmaMm)},
              {"min_mm", ChainEstimateMmText(rss.minMm)},
              {"max_mm", ChainEstimateMmText(rss.maxMm)}});
    return json.Take();
}

nlohmann::ordered_json Optional(const std::optional<double>& value)
{
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json();
}

nlohmann::ordered_json OptionalText(const std::optional<double>& value, std::string (*text)(double))
{
    return value ? nlohmann::ordered_json(text(*value)) : nlohmann::ordered_json();
}

nlohmann::ordered_json MonteCarloJson(const MonteCarlo& run)
{
    JsonObject json(12);
    json.Add("samples", run.samples)
        .Add("seed", run.seed)
        .Add("mean_mm", Mm(run.meanMm))
        .Add("sigma_mm", Mm(run.sigmaMm))
        .Add("q00135_mm", Mm(run.q00135Mm))
        .Add("q99865_mm", Mm(run.q99865Mm))
        .Add("below_ppm", Optional(run.belowPpm))
        .Add("above_ppm", Optional(run.abovePpm))
        .Add("cp", Optional(run.cp))
        .Add("cpk", Optional(run.cpk))
        .Add("histogram", {{"from_mm", run.histogramFromMm}, {"to_mm", run.histogramToMm}, {"counts", run.histogram}})
        .Add("display",
             {{"mean_mm", ChainEstimateMmText(run.meanMm)},
              {"sigma_mm", ChainEstimateMmText(run.sigmaMm)},
              {"q00135_mm", ChainEstimateMmText(run.q00135Mm)},
              {"q99865_mm", ChainEstimateMmText(run.q99865Mm)},
              {"below_ppm", OptionalText(run.belowPpm, ChainPpmText)},
              {"above_ppm", OptionalText(run.abovePpm, ChainPpmText)},
              {"cp", OptionalText(run.cp, ChainCapabilityText)},
              {"cpk", OptionalText(run.cpk, ChainCapabilityText)}});
    return json.Take();
}

nlohmann::ordered_json LinkJson(const ChainLink& link)
{
    JsonObject json(14);
    json.Add("name", link.name)
        .Add("direction", link.direction)
        .Add("nominal_mm", JsonMm(link.nominal))
        .Add("tolerance", link.tolerance)
        .Add("distribution", std::string(DistributionName(link.distribution)))
        .Add("upper_deviation_mm", JsonMm(link.upper))
        .Add("lower_deviation_mm", JsonMm(link.lower))
        .Add("max_mm", JsonMm(link.nominal + link.upper))
        .Add("min_mm", JsonMm(link.nominal + link.lower))
        .Add("mean_mm", ToMm(link.nominal) + LinkMeanDeviationMm(link))
        .Add("sigma_mm", LinkSigmaMm(link))
        .Add("cpk", Optional(link.cpk))
        .Add("mean_shift_mm", JsonMm(link.meanShift))
        .Add("display",
             {{"upper_deviation_mm", ChainDeviationMmText(link.upper)},
              {"lower_deviation_mm", ChainDeviationMmText(link.lower)},
              {"max_mm", ChainExactMmText(link.nominal + link.upper)},
              {"min_mm", ChainExactMmText(link.nominal + link.lower)},
              {"sigma_mm", ChainEstimateMmText(LinkSigmaMm(link))}});
    return json.Take();
}

nlohmann::ordered_json ContributionJson(const Contribution& contribution, const ChainLink& link)
{
    JsonObject json(6);
    json.Add("name", link.name)
        .Add("link", contribution.link + 1)
        .Add("variance_share", contribution.varianceShare)
        .Add("worst_case_share", contribution.worstCaseShare)
        .Add("sensitivity", contribution.sensitivity)
        .Add("display",
             {{"variance_share", ChainShareText(contribution.varianceShare)},
              {"worst_case_share", ChainShareText(contribution.worstCaseShare)},
              {"sensitivity", ChainSensitivityText(contribution.sensitivity)}});
    return json.Take();
}

nlohmann::ordered_json ChainJson(const std::vector<ChainLink>& links, const StackInputs& inputs)
{
    const WorstCase worst = WorstCaseOf(links);
    JsonObject json(10);
    json.Add("nominal_mm", JsonMm(worst.nominal));
    json.Add("requirement",
             inputs.requirement ? nlohmann::ordered_json {{"min_mm", JsonMm(inputs.requirement->min)},
                                                          {"max_mm", JsonMm(inputs.requirement->max)}}
                                : nlohmann::ordered_json());
    if (inputs.methods.worst)
        json.Add("worst_case", WorstCaseJson(worst));
    if (inputs.methods.rss)
        json.Add("rss", RssJson(RootSumSquareOf(links)));
    std::optional<MonteCarlo> run;
    if (inputs.methods.monteCarlo) {
        run = MonteCarloOf(links, inputs.samples, inputs.seed, inputs.requirement);
        json.Add("monte_carlo", MonteCarloJson(*run));
    }
    const std::vector<Contribution> shares = ContributionsOf(links);
    auto contributions = nlohmann::ordered_json::array();
    for (const Contribution& contribution : shares)
        contributions.push_back(ContributionJson(contribution, links[contribution.link]));
    json.Add("contributions", std::move(contributions));
    if (inputs.charts)
        json.Add(
            "charts",
            {{"histogram_svg",
              run ? nlohmann::ordered_json(ChainHistogramSvg(*run, inputs.requirement)) : nlohmann::ordered_json()},
             {"contributions_svg", ChainContributionsSvg(shares, links)}});
    auto linksJson = nlohmann::ordered_json::array();
    for (const ChainLink& link : links)
        linksJson.push_back(LinkJson(link));
    json.Add("links", std::move(linksJson));
    json.Add("display", {{"nominal_mm", ChainExactMmText(worst.nominal)}});
    return json.Take();
}

} // namespace

Answer StackAnswer(const DeviationTables& tables, const nlohmann::json& options, OptionNaming naming,
                   const std::filesystem::path& tablesFolder)
{
    if (const auto unknown
        = UnknownOptionIn(options, {"csv", "links", "require", "method", "samples", "seed", "charts"}, naming))
        return *unknown;
    const auto inputs = ReadInputs(options, naming);
    if (!inputs)
        return inputs.reason();
    const nlohmann::json& csv = OptionValue(options, "csv");
    const nlohmann::json& links = OptionValue(options, "links");
    if (!csv.is_null() && !links.is_null())
        return BadInput("conflicting_options", "give the chain as csv or as links, not both");
    if (csv.is_null() && links.is_null())
        return BadInput("missing_option", "the chain is missing: give csv or links");

    std::vector<ChainRow> rows;
    if (!csv.is_null()) {
        const auto text = ReadText(csv, "csv");
        if (!text)
            return text.reason();
        auto read = ReadChainRows(*text);
        if (!read)
            return ChainRefusal(read.reason(), "line", "", tablesFolder);
        rows = std::move(*read);
    } else {
        auto read = JsonRows(links);
        if (!read)
            return read.reason();
        rows = std::move(*read);
    }
    const auto chain = ReadChainLinks(tables, rows);
    if (!chain) {
        const ChainProblem& problem = chain.reason();
        std::string name;
        for (const ChainRow& row : rows)
            name = row.line == problem.line ? row.fields.name : name;
        return ChainRefusal(problem, csv.is_null() ? "link" : "line", name, tablesFolder);
    }
    return ChainJson(*chain, *inputs);
}
