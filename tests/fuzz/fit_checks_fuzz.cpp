// The fit analysis and the fit search over fuzzed tables, with what must always hold: every part's
// upper deviation is at least its lower one, the fit tolerance is both tolerances summed, the fit
// type agrees with the clearances, and every fit the search returns meets the requirement, within
// the basis and grades asked for, exactly as the analysis of that fit on its own gives it.
//
// Input: 17 bytes of parameters (size, grades, requirement, basis), then the five files cut as the
// table-files harness cuts them, parsed in memory.

#include "core/fit_analysis.h"
#include "core/fit_search.h"
#include "core/loaded_tables.h"
#include "core/scales.h"
#include "fuzz_support.h"

namespace {

constexpr std::size_t kParameterBytes = 17;
// Grades the search spans at most: every pair of 28 letters in 4 grades keeps one run short.
constexpr int kWidestGradeSpan = 4;

DeviationTables ParseTables(std::string_view input)
{
    const auto files = fuzz::CutIntoFiles(input);
    DeviationTables tables;
    for (std::size_t index = 0; index < files.size(); ++index) {
        auto& loaded = tables.tables[index];
        if (files[index])
            loaded = ParseTable(*files[index], kAllTables[index]);
        else
            loaded.problem = Failure::Kind::TableMissing;
    }
    return tables;
}

// Sizes over the whole scale, band bounds (the edges of every table line) and just off the scale.
ExactLength SizeOf(std::uint32_t word)
{
    if (word & 1) {
        const int band = static_cast<int>((word >> 1) % kCoreSizeBandCount);
        return SizeBandBounds(band).second - ExactLength {static_cast<std::int64_t>((word >> 8) % 3) * 1000};
    }
    return ExactLength {static_cast<std::int64_t>(word >> 1) % (kLargestSizeMm + 10) * 1'000'000
                        + static_cast<std::int64_t>((word >> 1) % 1000) * 1000};
}

void ExpectConsistent(const FitAnalysis& fit)
{
    for (const PartLimits* part : {&fit.hole, &fit.shaft})
        FUZZ_CHECK(part->deviations.upper >= part->deviations.lower);
    FUZZ_CHECK(fit.fitTolerance == fit.hole.Tolerance() + fit.shaft.Tolerance());
    FUZZ_CHECK(fit.maxClearance == fit.hole.deviations.upper - fit.shaft.deviations.lower);
    FUZZ_CHECK(fit.minClearance == fit.hole.deviations.lower - fit.shaft.deviations.upper);
    FUZZ_CHECK(fit.maxClearance - fit.minClearance == fit.fitTolerance);
    FUZZ_CHECK(fit.meanClearance >= fit.minClearance && fit.meanClearance <= fit.maxClearance);
    switch (fit.type) {
    case FitType::Clearance:
        FUZZ_CHECK(fit.minClearance.nm >= 0);
        break;
    case FitType::Interference:
        FUZZ_CHECK(fit.maxClearance.nm <= 0 && fit.minClearance.nm < 0);
        break;
    case FitType::Transition:
        FUZZ_CHECK(fit.minClearance.nm < 0 && fit.maxClearance.nm > 0);
        break;
    }
}

// Every hole letter with every shaft letter at the grades given.
void AnalyseEveryLetterPair(const DeviationTables& tables, ExactLength size, int holeGrade, int shaftGrade)
{
    for (int holeLetter = 0; holeLetter < kLetterCount; ++holeLetter) {
        for (int shaftLetter = 0; shaftLetter < kLetterCount; ++shaftLetter) {
            const FitDesignation designation {{Part::Hole, holeLetter, holeGrade},
                                              {Part::Shaft, shaftLetter, shaftGrade}};
            const auto fit = AnalyseFit(tables, designation, size);
            if (!fit)
                continue;
            FUZZ_CHECK(fit->size == size);
            FUZZ_CHECK(fit->hole.toleranceClass == designation.hole && fit->shaft.toleranceClass == designation.shaft);
            ExpectConsistent(*fit);
        }
    }
}

void ExpectFoundFitsMeetTheRequest(const DeviationTables& tables, const FitSearchRequest& request)
{
    const auto found = SearchFits(tables, request);
    if (!found)
        return;
    bool preferredPart = true;
    for (const FoundFit& entry : *found) {
        const FitAnalysis& fit = entry.analysis;
        ExpectConsistent(fit);
        FUZZ_CHECK(fit.minClearance >= request.minClearance && fit.maxClearance <= request.maxClearance);
        FUZZ_CHECK(MeetsRequirement(fit, request));
        const ToleranceClass& hole = fit.hole.toleranceClass;
        const ToleranceClass& shaft = fit.shaft.toleranceClass;
        FUZZ_CHECK(hole.part == Part::Hole && shaft.part == Part::Shaft);
        if (request.basis == SearchBasis::Hole)
            FUZZ_CHECK(hole.letter == kLetterH);
        if (request.basis == SearchBasis::Shaft)
            FUZZ_CHECK(shaft.letter == kLetterH);
        for (const int grade : {hole.grade, shaft.grade})
            FUZZ_CHECK(grade >= request.finestGrade && grade <= request.coarsestGrade);
        if (!request.allGradePairs)
            FUZZ_CHECK(hole.grade == shaft.grade || hole.grade == shaft.grade + 1);
        // Preferred fits come first.
        FUZZ_CHECK(!entry.preferred || preferredPart);
        preferredPart = preferredPart && entry.preferred;
        const auto alone = AnalyseFit(tables, {hole, shaft}, request.size);
        FUZZ_CHECK(alone && alone->minClearance == fit.minClearance && alone->maxClearance == fit.maxClearance);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    fuzz::ParameterReader parameters(input.substr(0, kParameterBytes));
    const DeviationTables tables = ParseTables(input.substr(std::min(size, kParameterBytes)));

    const std::uint8_t flags = parameters.Byte();
    const ExactLength fitSize = SizeOf(parameters.Word());
    const int holeGrade = parameters.Byte() % (kCoreGradeCount + 1); // one past the scale as well
    const int shaftGrade = parameters.Byte() % (kCoreGradeCount + 1);
    AnalyseEveryLetterPair(tables, fitSize, holeGrade, shaftGrade);

    FitSearchRequest request;
    request.size = fitSize;
    const auto bound = [&parameters] {
        return ExactLength::FromUm(static_cast<std::int32_t>(parameters.Word()) % 3000);
    };
    request.minClearance = bound();
    request.maxClearance = bound();
    request.basis = static_cast<SearchBasis>(flags % 3);
    request.allGradePairs = (flags & 0x4) != 0;
    request.finestGrade = parameters.Byte() % (kCoreGradeCount + 1) - ((flags & 0x8) ? 1 : 0);
    request.coarsestGrade = request.finestGrade + parameters.Byte() % kWidestGradeSpan;
    ExpectFoundFitsMeetTheRequest(tables, request);
    return 0;
}
