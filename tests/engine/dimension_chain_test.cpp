// Dimension chains: reading the CSV, resolving each link's tolerance, and the three methods.

#include "core/chains/chain_charts.h"
#include "core/chains/chain_csv.h"
#include "core/chains/contributions.h"
#include "core/chains/monte_carlo.h"
#include "core/chains/random_numbers.h"
#include "core/chains/root_sum_square.h"
#include "core/chains/worst_case.h"
#include "core/loaded_tables.h"

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

const DeviationTables& Tables()
{
    static const DeviationTables tables = LoadDeviationTables(QUORLAN_DATA_DIR);
    return tables;
}

std::vector<ChainLink> Chain(const std::string& rows,
                             const std::string& header = "name,direction,nominal_mm,tolerance,distribution,cpk,"
                                                         "mean_shift_mm\n")
{
    const auto links = ReadChainCsv(Tables(), header + rows);
    EXPECT_TRUE(links.HasValue()) << rows << " refused at line " << links.reason().line;
    return links ? *links : std::vector<ChainLink>();
}

struct MethodCase
{
    const char* what;
    const char* rows;
    double worstMinMm;
    double worstMaxMm;
    double meanMm;
    double sigmaMm;
};

// Worst case exact; RSS σ to 1e-7 mm. The first chain is metricmech.com's stack-up of a housing bore
// depth, a spacer, a retaining ring and a shoulder (gap 3.00 ± 0.23 mm worst case); the statistical
// figures of every row are computed by hand from the formulas in dimension-chains.md.
const MethodCase kMethodCases[] = {
    {"four symmetric links (metricmech.com's housing, spacer and retaining-ring chain)",
     "bore,+1,40,±0.10,,,\nspacer,-1,25,±0.05,,,\nring,-1,2,+-0.03,,,\nshoulder,-1,10,±0.05,,,\n", 2.77, 3.23, 3.0,
     std::sqrt(0.0159) / 3},
    {"asymmetric zones put the mean at their middles, not at the nominal",
     "housing,+1,50,+0.1/0,,,\nshaft,-1,49.8,0/-0.1,,,\n", 0.2, 0.4, 0.3, std::sqrt(2.0) * 0.1 / 6},
    {"uniform T/√12 and triangular T/√24", "a,+1,10,±0.06,uniform,,\nb,+1,10,±0.06,triangular,,\n", 19.88, 20.12, 20.0,
     std::sqrt(0.12 * 0.12 / 12 + 0.12 * 0.12 / 24)},
    {"a Cpk and a mean shift: σ from the nearer limit", "a,+1,10,±0.1,normal,1.25,0.02\n", 9.9, 10.1, 10.02,
     0.08 / (3 * 1.25)},
    {"a link that subtracts turns its zone round", "a,-1,5,+0.2/+0.1,,,\nb,+1,20,±0,,,\n", 14.8, 14.9, 14.85, 0.1 / 6},
};

TEST(DimensionChain, WorstCaseIsExactAndRootSumSquareFollowsEachDistribution)
{
    for (const MethodCase& c : kMethodCases) {
        const auto links = Chain(c.rows);
        const WorstCase worst = WorstCaseOf(links);
        EXPECT_EQ(worst.min.nm, std::llround(c.worstMinMm * 1e6)) << c.what;
        EXPECT_EQ(worst.max.nm, std::llround(c.worstMaxMm * 1e6)) << c.what;
        const RootSumSquare rss = RootSumSquareOf(links);
        EXPECT_NEAR(rss.meanMm, c.meanMm, 1e-9) << c.what;
        EXPECT_NEAR(rss.sigmaMm, c.sigmaMm, 1e-7) << c.what;
        EXPECT_NEAR(rss.maxMm - rss.minMm, 6 * c.sigmaMm, 1e-6) << c.what;
    }
}

// Published to three decimals: mech.toolfusion.net's tolerance stack-up calculator ("For 5 components
// with ±0.1mm tolerance each in series: Worst-Case Stack = ±0.5mm, RSS Stack = ±0.224mm"; for 10
// parts ±1.0 and ±0.316 mm), the RSS half-range being 3σ of normal links.
TEST(DimensionChain, PublishedStacksAgreeToTheirDigits)
{
    const struct
    {
        int links;
        double worstHalfMm;
        double rssHalfMm;
    } published[] = {{5, 0.5, 0.224}, {10, 1.0, 0.316}};
    for (const auto& example : published) {
        std::string rows;
        for (int i = 0; i < example.links; ++i)
            rows += "part " + std::to_string(i) + ",+1,10,±0.1,,,\n";
        const auto links = Chain(rows);
        const WorstCase worst = WorstCaseOf(links);
        EXPECT_EQ(worst.max.nm - worst.nominal.nm, std::llround(example.worstHalfMm * 1e6));
        const RootSumSquare rss = RootSumSquareOf(links);
        EXPECT_EQ(std::round((rss.maxMm - rss.meanMm) * 1000) / 1000, example.rssHalfMm) << example.links;
    }
}

TEST(DimensionChain, ClassesAndGeneralTolerancesResolveAtEachLinksSize)
{
    // Hand-resolved: H8 at 50 mm +39/0 µm (ISO 286-2); h7 at 49.8 mm 0/-25 µm; ISO 2768-1 m over 6 up
    // to 30 mm ±0.2 mm; GB/T 1804-2000 f over 30 up to 120 mm ±0.15 mm.
    const auto links = Chain("housing,+1,50,H8,,,\nshaft,-1,49.8,h7,,,\nspacer,-1,20,2768-m,,,\n"
                             "cover,+1,40,GB/T 1804-f,,,\n");
    ASSERT_EQ(links.size(), 4u);
    const std::pair<std::int64_t, std::int64_t> expected[]
        = {{39'000, 0}, {0, -25'000}, {200'000, -200'000}, {150'000, -150'000}};
    for (std::size_t i = 0; i < links.size(); ++i) {
        EXPECT_EQ(links[i].upper.nm, expected[i].first) << links[i].name;
        EXPECT_EQ(links[i].lower.nm, expected[i].second) << links[i].name;
    }
    const WorstCase worst = WorstCaseOf(links);
    EXPECT_EQ(worst.nominal.nm, 20'200'000); // 50 − 49.8 − 20 + 40
    EXPECT_EQ(worst.max.nm, 20'200'000 + 39'000 + 25'000 + 200'000 + 150'000);
    EXPECT_EQ(worst.min.nm, 20'200'000 - 200'000 - 150'000);

    const auto shares = ContributionsOf(links);
    EXPECT_EQ(links[shares.front().link].name, "spacer"); // the widest zone decides
    EXPECT_EQ(shares.front().sensitivity, -1);
    double variance = 0;
    double range = 0;
    for (const Contribution& share : shares) {
        variance += share.varianceShare;
        range += share.worstCaseShare;
    }
    EXPECT_NEAR(variance, 1, 1e-12);
    EXPECT_NEAR(range, 1, 1e-12);
}

TEST(DimensionChain, MonteCarloOnNormalLinksAgreesWithRootSumSquare)
{
    const auto links = Chain("a,+1,50,H8,,,\nb,-1,20,±0.1,,,\nc,-1,29.5,+0.05/-0.02,,,\nd,-1,0.3,±0.01,,,\n");
    const RootSumSquare rss = RootSumSquareOf(links);
    const MonteCarlo run = MonteCarloOf(links, kDefaultChainSamples, kDefaultChainSeed, std::nullopt);
    EXPECT_NEAR(run.sigmaMm / rss.sigmaMm, 1, 0.005);
    EXPECT_NEAR(run.meanMm, rss.meanMm, 0.005 * rss.sigmaMm);
    // A normal result's 0.135 % and 99.865 % quantiles lie 3σ from the mean, to the sample's precision.
    EXPECT_NEAR(run.q00135Mm, rss.minMm, 0.03 * rss.sigmaMm);
    EXPECT_NEAR(run.q99865Mm, rss.maxMm, 0.03 * rss.sigmaMm);
    std::size_t counted = 0;
    for (const std::size_t count : run.histogram)
        counted += count;
    EXPECT_EQ(counted, kDefaultChainSamples);
}

TEST(DimensionChain, MonteCarloAgainstARequirementCountsEachSide)
{
    // One uniform link over 0 to 1 mm, required 0.1 to 0.8: 10 % below, 20 % above.
    const auto links = Chain("a,+1,1,0/-1,uniform,,\n");
    const MonteCarlo run
        = MonteCarloOf(links, 1'000'000, 7, ChainRequirement {ExactLength::FromUm(100), ExactLength::FromUm(800)});
    EXPECT_NEAR(*run.belowPpm, 100'000, 1'500);
    EXPECT_NEAR(*run.abovePpm, 200'000, 1'500);
    EXPECT_NEAR(*run.cp, 0.7 / (6 / std::sqrt(12.0)), 0.01);
    EXPECT_NEAR(*run.cpk, 0.3 / (3 / std::sqrt(12.0)), 0.01);
}

TEST(DimensionChain, TheSameSeedGivesTheSameSamplesAndTheGeneratorIsTheDocumentedOne)
{
    const auto links = Chain("a,+1,10,±0.1,,,\nb,-1,5,±0.05,uniform,,\nc,-1,2,±0.02,triangular,,\n");
    const MonteCarlo first = MonteCarloOf(links, 10'000, 42, std::nullopt);
    const MonteCarlo again = MonteCarloOf(links, 10'000, 42, std::nullopt);
    const MonteCarlo other = MonteCarloOf(links, 10'000, 43, std::nullopt);
    EXPECT_EQ(first.meanMm, again.meanMm);
    EXPECT_EQ(first.sigmaMm, again.sigmaMm);
    EXPECT_EQ(first.q99865Mm, again.q99865Mm);
    EXPECT_NE(first.meanMm, other.meanMm);

    // splitmix64's first output from 0 (Vigna's reference) seeds xoshiro256**; a changed generator
    // would change every published run of every front end.
    Xoshiro256 random(0);
    EXPECT_EQ(random.Next(), 0x99EC5F36CB75F2B4u);
    EXPECT_EQ(random.Next(), 0xBF6E1F784956452Au);
}

struct BadChain
{
    const char* text;
    ChainProblem::Kind kind;
    int line;
    LinkProblem::Kind link = LinkProblem::Kind::EmptyName;
};

const BadChain kBadChains[] = {
    {"", ChainProblem::Kind::NoHeader, 1},
    {"# only a comment\nname,direction,nominal_mm,tolerance\n\n", ChainProblem::Kind::Empty, 3},
    {"name,direction,nominal,tolerance\na,1,2,±0.1\n", ChainProblem::Kind::NoHeader, 1},
    {"name,direction,nominal_mm,tolerance,cpk,cpk\n", ChainProblem::Kind::NoHeader, 1},
    {"name,direction,nominal_mm,tolerance\na,1,2\n", ChainProblem::Kind::FieldCount, 2},
    {"name,direction,nominal_mm,tolerance\na,1,2,±0.1,normal\n", ChainProblem::Kind::FieldCount, 2},
    {"name,direction,nominal_mm,tolerance\n\n# x\nok,1,2,±0.1\n\xff,1,2,±0.1\n", ChainProblem::Kind::NotUtf8, 5},
    {"name,direction,nominal_mm,tolerance\n,1,2,±0.1\n", ChainProblem::Kind::Link, 2, LinkProblem::Kind::EmptyName},
    {"name,direction,nominal_mm,tolerance\na,2,2,±0.1\n", ChainProblem::Kind::Link, 2, LinkProblem::Kind::BadDirection},
    {"name,direction,nominal_mm,tolerance\na,1,0,±0.1\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::NominalNotPositive},
    {"name,direction,nominal_mm,tolerance\na,1,-3,±0.1\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::NominalNotPositive},
    {"name,direction,nominal_mm,tolerance\na,1,1e3,±0.1\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::NominalNotANumber},
    {"name,direction,nominal_mm,tolerance\na,1,2,0.1\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::ToleranceNotRead},
    {"name,direction,nominal_mm,tolerance\na,1,2,±-0.1\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::NegativeTolerance},
    {"name,direction,nominal_mm,tolerance\na,1,2,-0.1/+0.1\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::DeviationsReversed},
    {"name,direction,nominal_mm,tolerance\na,1,2,±0.0000001\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::ToleranceTooPrecise},
    {"name,direction,nominal_mm,tolerance\na,1,2,h77\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::ToleranceNotRead},
    {"name,direction,nominal_mm,tolerance\nok,1,20,h7\na,1,4000,h7\n", ChainProblem::Kind::Link, 3,
     LinkProblem::Kind::ClassUndefined},
    {"name,direction,nominal_mm,tolerance\na,1,0.3,2768-m\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::GeneralUndefined},
    {"name,direction,nominal_mm,tolerance\na,1,2,2768-x\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::ToleranceNotRead},
    {"name,direction,nominal_mm,tolerance,distribution\na,1,2,±0.1,gauss\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::BadDistribution},
    {"name,direction,nominal_mm,tolerance,distribution,cpk\na,1,2,±0.1,uniform,1.33\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::CpkNotNormal},
    {"name,direction,nominal_mm,tolerance,cpk\na,1,2,±0.1,0\n", ChainProblem::Kind::Link, 2, LinkProblem::Kind::BadCpk},
    {"name,direction,nominal_mm,tolerance,mean_shift_mm\na,1,2,±0.1,0.1\n", ChainProblem::Kind::Link, 2,
     LinkProblem::Kind::MeanShiftOutsideZone},
};

TEST(DimensionChain, MalformedChainsAreRefusedAtTheirLine)
{
    for (const BadChain& bad : kBadChains) {
        const auto links = ReadChainCsv(Tables(), bad.text);
        ASSERT_FALSE(links.HasValue()) << bad.text;
        EXPECT_EQ(links.reason().kind, bad.kind) << bad.text;
        EXPECT_EQ(links.reason().line, bad.line) << bad.text;
        if (bad.kind == ChainProblem::Kind::Link) {
            EXPECT_EQ(links.reason().link.kind, bad.link) << bad.text;
        }
    }
    std::string many = "name,direction,nominal_mm,tolerance\n";
    for (std::size_t i = 0; i <= kMostChainLinks; ++i)
        many += "a,1,1,±0.1\n";
    EXPECT_EQ(ReadChainCsv(Tables(), many).reason().kind, ChainProblem::Kind::TooManyLinks);
}

TEST(DimensionChain, TheCsvTakesABomCrLfCommentsSpacesAndTypesetSigns)
{
    const auto links = ReadChainCsv(Tables(),
                                    "\xEF\xBB\xBFname, direction ,nominal_mm,tolerance # header\r\n"
                                    "  # a comment line\r\n"
                                    "轴承, \u22121 , 12.5 ,  +0.1/\u22120.05 \r\n");
    ASSERT_TRUE(links.HasValue());
    ASSERT_EQ(links->size(), 1u);
    EXPECT_EQ((*links)[0].name, "轴承");
    EXPECT_EQ((*links)[0].direction, -1);
    EXPECT_EQ((*links)[0].lower.nm, -50'000);
}

std::size_t Occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(DimensionChain, TheHistogramMarksTheBinsOutsideTheRequirementAndItsLimits)
{
    // Uniform over 0 to 1 mm in 50 bins of 0.02 mm: 5 lie below 0.1 mm and 10 above 0.8 mm.
    const auto links = Chain("a,+1,1,0/-1,uniform,,\n");
    const ChainRequirement requirement {ExactLength::FromUm(100), ExactLength::FromUm(800)};
    const std::string svg = ChainHistogramSvg(MonteCarloOf(links, 100'000, 7, requirement), requirement);
    EXPECT_EQ(Occurrences(svg, "fill=\"#c62828\"/>"), 15u); // the bars, not the limits' values
    EXPECT_EQ(Occurrences(svg, "id=\"chain-histogram-bar-"), 50u);
    EXPECT_NE(svg.find("id=\"chain-histogram-min-value\" x="), std::string::npos);
    EXPECT_NE(svg.find(">0.1</text>"), std::string::npos);
    EXPECT_NE(svg.find(">0.8</text>"), std::string::npos);
}

TEST(DimensionChain, ChartsOfADegenerateChainHoldOnlyFiniteNumbersAndEscapedNames)
{
    // Every sample the same: no spread to scale by.
    const auto links = Chain("a<b&c,+1,10,0/0,,,\nan uncommonly long name for a link of a chain,-1,5,±0.05,,,\n");
    const auto fixed = Chain("only,+1,10,0/0,,,\n");
    const std::string histogram = ChainHistogramSvg(MonteCarloOf(fixed, 1'000, 1, std::nullopt), std::nullopt);
    const std::string contributions = ChainContributionsSvg(ContributionsOf(links), links);
    for (const std::string& svg : {histogram, contributions}) {
        EXPECT_EQ(svg.find("nan"), std::string::npos) << svg;
        EXPECT_EQ(svg.find("inf"), std::string::npos) << svg;
    }
    EXPECT_NE(contributions.find("a&lt;b&amp;c"), std::string::npos);
    EXPECT_NE(contributions.find("\xE2\x80\xA6</text>"), std::string::npos); // the long name cut
}

} // namespace
