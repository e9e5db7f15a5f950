#include "workbench/chain/chain_model.h"

#include "core/chains/chain_csv.h"
#include "core/decimal_text.h"
#include "core/loaded_tables.h"
#include "workbench/chain/chain_file.h"

namespace {

std::optional<std::string> TrimmedOptional(const std::optional<std::string>& text)
{
    return text ? std::optional(TrimmedChainField(*text)) : std::nullopt;
}

LinkFields TrimmedFields(const LinkFields& fields)
{
    return {TrimmedChainField(fields.name),       TrimmedChainField(fields.direction),
            TrimmedChainField(fields.nominalMm),  TrimmedChainField(fields.tolerance),
            TrimmedOptional(fields.distribution), TrimmedOptional(fields.cpk),
            TrimmedOptional(fields.meanShiftMm)};
}

Result<std::optional<ChainRequirement>, ChainSettingRefusal> ReadRequirement(const std::string& minText,
                                                                             const std::string& maxText)
{
    if (minText.empty() && maxText.empty())
        return std::optional<ChainRequirement>();
    if (minText.empty() || maxText.empty())
        return ChainSettingRefusal {ChainSettingProblem::RequirementHalf, minText.empty() ? maxText : minText};
    const auto min = ParseMillimetres(minText);
    if (!min)
        return ChainSettingRefusal {ChainSettingProblem::RequirementNotANumber, minText};
    const auto max = ParseMillimetres(maxText);
    if (!max)
        return ChainSettingRefusal {ChainSettingProblem::RequirementNotANumber, maxText};
    if (*max < *min)
        return ChainSettingRefusal {ChainSettingProblem::RequirementReversed, minText};
    return std::optional(ChainRequirement {*min, *max});
}

std::optional<std::uint64_t> Whole(const std::string& text, std::uint64_t least, std::uint64_t most)
{
    const auto number = ParseFixedPoint(text, 0);
    if (!number || *number < 0 || static_cast<std::uint64_t>(*number) < least
        || static_cast<std::uint64_t>(*number) > most)
        return std::nullopt;
    return static_cast<std::uint64_t>(*number);
}

} // namespace

Result<ChainSettings, ChainSettingRefusal> ReadChainSettings(std::string_view requireMin, std::string_view requireMax,
                                                             std::string_view samplesText, std::string_view seedText)
{
    ChainSettings settings;
    const auto requirement = ReadRequirement(TrimmedChainField(requireMin), TrimmedChainField(requireMax));
    if (!requirement)
        return requirement.reason();
    settings.requirement = *requirement;
    if (const std::string samples = TrimmedChainField(samplesText); !samples.empty()) {
        const auto count = Whole(samples, kFewestChainSamples, kMostChainSamples);
        if (!count)
            return ChainSettingRefusal {ChainSettingProblem::SamplesNotACount, samples};
        settings.samples = static_cast<std::size_t>(*count);
    }
    if (const std::string seed = TrimmedChainField(seedText); !seed.empty()) {
        const auto value = Whole(seed, 0, kLargestChainSeed);
        if (!value)
            return ChainSettingRefusal {ChainSettingProblem::SeedNotACount, seed};
        settings.seed = *value;
    }
    return settings;
}

Result<ChainQuestion, ChainFormProblem> ReadChainForm(const std::filesystem::path& tablesFolder, const ChainForm& form)
{
    std::vector<ChainRow> rows;
    rows.reserve(form.links.size());
    for (std::size_t i = 0; i < form.links.size(); ++i)
        rows.push_back({static_cast<int>(i + 1), TrimmedFields(form.links[i])});
    ChainQuestion question;
    {
        auto links = ReadChainLinks(LoadDeviationTables(tablesFolder), rows);
        if (!links) {
            const ChainProblem& problem = links.reason();
            const bool atRow = problem.line >= 1 && static_cast<std::size_t>(problem.line) <= rows.size();
            return ChainFormProblem(ChainLinkRefusal {
                problem, atRow ? rows[static_cast<std::size_t>(problem.line - 1)].fields : LinkFields {}});
        }
        question.links = std::move(*links);
    }
    const auto settings = ReadChainSettings(form.requireMin, form.requireMax, form.samples, form.seed);
    if (!settings)
        return ChainFormProblem(settings.reason());
    question.requirement = settings->requirement;
    question.samples = settings->samples;
    question.seed = settings->seed;
    return question;
}

ChainFigures ChainFiguresOf(const ChainQuestion& question)
{
    return {WorstCaseOf(question.links), RootSumSquareOf(question.links), ContributionsOf(question.links)};
}

MonteCarlo ChainMonteCarloOf(const ChainQuestion& question)
{
    return MonteCarloOf(question.links, question.samples, question.seed, question.requirement);
}
