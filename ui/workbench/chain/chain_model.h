#pragma once

#include "core/chains/chain_link.h"
#include "core/chains/contributions.h"
#include "core/chains/link_fields.h"
#include "core/chains/link_problem.h"
#include "core/chains/monte_carlo.h"
#include "core/chains/root_sum_square.h"
#include "core/chains/worst_case.h"
#include "core/result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The dimension chain tab's calculations: the links as typed in its table, the requirement and the
// Monte Carlo's samples and seed read into a chain by the engine's readers; the figures that need
// no sampling at once, the Monte Carlo (the slow part) on its own. Plain C++: the words are
// chain_texts'.

struct ChainForm
{
    std::vector<LinkFields> links; // one a row of the table, as typed
    std::string requireMin; // mm; both empty: no requirement
    std::string requireMax;
    std::string samples; // empty: kDefaultChainSamples
    std::string seed; // empty: kDefaultChainSeed
};

// What stands in the way of the settings below the table.
enum class ChainSettingProblem {
    RequirementHalf, // one bound given without the other
    RequirementNotANumber, // not a decimal number of millimetres to 6 decimals
    RequirementReversed, // the smallest above the largest
    SamplesNotACount, // not a whole number from kFewestChainSamples to kMostChainSamples
    SeedNotACount, // not a whole number from 0 to kLargestChainSeed
};

struct ChainSettingRefusal
{
    ChainSettingProblem problem = ChainSettingProblem::RequirementHalf;
    std::string typed;
};

// A link the engine refuses: its reason (line is the table's row, from 1, or with inFile the file's
// line) and the row as typed.
struct ChainLinkRefusal
{
    ChainProblem problem;
    LinkFields row;
    bool inFile = false;
};

using ChainFormProblem = std::variant<ChainLinkRefusal, ChainSettingRefusal>;

struct ChainQuestion
{
    std::vector<ChainLink> links;
    std::optional<ChainRequirement> requirement;
    std::size_t samples = kDefaultChainSamples;
    std::uint64_t seed = kDefaultChainSeed;
};

// The settings below the table, each trimmed of spaces; the report reads its options with it too.
struct ChainSettings
{
    std::optional<ChainRequirement> requirement;
    std::size_t samples = kDefaultChainSamples;
    std::uint64_t seed = kDefaultChainSeed;
};

Result<ChainSettings, ChainSettingRefusal> ReadChainSettings(std::string_view requireMin, std::string_view requireMax,
                                                             std::string_view samples, std::string_view seed);

// Every field trimmed of spaces, as the CSV reader trims them. Reads the deviation tables of the
// folder (empty: the current directory) on every call, as the other tabs do.
Result<ChainQuestion, ChainFormProblem> ReadChainForm(const std::filesystem::path& tablesFolder, const ChainForm& form);

// What needs no sampling, shown as soon as the chain reads.
struct ChainFigures
{
    WorstCase worstCase;
    RootSumSquare rss;
    std::vector<Contribution> contributions; // largest variance share first
};

ChainFigures ChainFiguresOf(const ChainQuestion& question);
MonteCarlo ChainMonteCarloOf(const ChainQuestion& question);
