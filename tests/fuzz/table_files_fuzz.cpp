// Five table files of arbitrary bytes, cut from one input, then every calculation that reads them:
// the core's limit deviations, the dialog's calculation, the command line's fit, deviation, table
// and check-tables. Each must end in a value or a reason; the sanitizers catch what else goes wrong.
// A calculation that fails on a table file must fail where check-tables finds an error, and tables
// that check-tables passes with --strict must never fail a calculation.

#include "cli/commands.h"
#include "core/limit_deviations.h"
#include "core/loaded_tables.h"
#include "core/scales.h"
#include "dialog/calc_state.h"
#include "dialog/calculations.h"
#include "dialog/dialog_logic.h"
#include "dialog/memory_dialog_view.h"
#include "dialog/number_text.h"
#include "fuzz_support.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// No limit deviation reaches this far: cells stop at 10 mm, tolerances at IT18 of 3150 mm (8.6 mm).
constexpr ExactLength kFarthestDeviation = ExactLength::FromMm(40);

bool IsPlausible(ExactLength deviation)
{
    return deviation <= kFarthestDeviation && deviation >= -kFarthestDeviation;
}

// Every class of both parts in a band up to 500 mm and one above; returns the table failures found.
std::vector<Failure> SweepLimitDeviations(const DeviationTables& tables, std::uint64_t pick)
{
    std::vector<Failure> tableFailures;
    const int bands[]
        = {static_cast<int>(pick % kFirstBandAbove500Mm),
           kFirstBandAbove500Mm + static_cast<int>((pick >> 8) % (kCoreSizeBandCount - kFirstBandAbove500Mm))};
    for (const int band : bands) {
        for (const Part part : {Part::Hole, Part::Shaft}) {
            for (int letter = 0; letter < kLetterCount; ++letter) {
                for (int grade = 0; grade < kCoreGradeCount; ++grade) {
                    const auto deviations = LimitDeviationsInBand(tables, {part, letter, grade}, band);
                    if (!deviations) {
                        if (deviations.reason().IsTableProblem())
                            tableFailures.push_back(deviations.reason());
                        continue;
                    }
                    FUZZ_CHECK(deviations->upper >= deviations->lower);
                    FUZZ_CHECK(IsPlausible(deviations->upper) && IsPlausible(deviations->lower));
                }
            }
        }
    }
    return tableFailures;
}

// The first line check-tables reports a problem on, by file (0: the whole file); nothing for a file
// it found in order.
std::array<std::optional<int>, kTableCount> FirstReportedLines(const std::string& report)
{
    std::array<std::optional<int>, kTableCount> first;
    std::istringstream lines(report);
    std::string line;
    while (std::getline(lines, line)) {
        for (const TableId table : kAllTables) {
            const std::string file = (fuzz::ScratchFolder() / TableFileName(table)).string() + ":";
            if (!line.starts_with(file))
                continue;
            const int reported = std::atoi(line.c_str() + file.size());
            auto& earliest = first[static_cast<std::size_t>(table)];
            earliest = std::min(earliest.value_or(reported), reported);
        }
    }
    return first;
}

// Check-tables names every place a calculation failed on: the whole file, or a problem of that file
// on the failing line or before it (a file that ends early is reported where it ends).
void ExpectReported(const Failure& failure, const std::array<std::optional<int>, kTableCount>& firstReported)
{
    const auto& reported = firstReported[static_cast<std::size_t>(failure.table)];
    FUZZ_CHECK(reported && *reported <= failure.line);
}

bool ShowsANumber(const std::string& text)
{
    return !text.empty() && text.find_first_not_of("-0123456789.") == std::string::npos && text != "-0.0000";
}

// The dialog, as a user drives it, with choices picked by the input.
void RunDialog(std::uint64_t pick)
{
    static constexpr std::string_view kSizes[] = {"25", "2.5", "0", "500", "600", "1e999", "-3", "abc", "300", "3"};
    g_calcState = CalcState {};
    MemoryDialogView view;
    FillGradeList(view);
    FillSizeRangeList(view);
    view.ChooseEntry(Control::SizeRangeList, kSizeRangeTexts[pick % kSizeRangeCount]);
    view.ChooseEntry(Control::GradeList, kGradeTexts[(pick >> 4) % kGradeCount]);
    view.SetBoxText(Control::SizeBox, kSizes[(pick >> 8) % std::size(kSizes)]);
    const int basis = static_cast<int>((pick >> 12) % 2);
    SelectBasis(view, basis);
    view.ChooseEntry(Control::LetterList, LetterTextsOf(basis)[(pick >> 13) % kLetterCount]);
    CalcDeviations(view, fuzz::ScratchFolder());
    const std::string upper = view.BoxText(Control::UpperDeviationBox);
    const std::string lower = view.BoxText(Control::LowerDeviationBox);
    FUZZ_CHECK(upper.empty() == lower.empty());
    if (!upper.empty()) {
        FUZZ_CHECK(ShowsANumber(upper) && ShowsANumber(lower));
        FUZZ_CHECK(ParseLeadingDecimal(upper) >= ParseLeadingDecimal(lower));
    }
}

// A command-line command: a result on out and nothing else, or no result and a reason on err.
void ExpectAnswerOrReason(int status, const std::ostringstream& out, const std::ostringstream& err)
{
    FUZZ_CHECK(status == kExitResult || status == kExitFailure);
    FUZZ_CHECK((status == kExitResult) == !out.str().empty());
    if (status == kExitFailure)
        FUZZ_CHECK(!err.str().empty());
}

void RunCommands(std::uint64_t pick)
{
    static constexpr const char* kFits[] = {"H7/g6", "P7/h6", "K7/h6", "JS7/js6", "N8/k7", "U6/h5", "M6/h6", "D10/a11"};
    static constexpr const char* kSizes[] = {"25", "300", "2", "500", "630", "3150", "1", "270"};
    {
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunFit({kFits[pick % std::size(kFits)], kSizes[(pick >> 3) % std::size(kSizes)],
                                   fuzz::ScratchFolder(), ((pick >> 6) & 1) != 0},
                                  out, err);
        ExpectAnswerOrReason(status, out, err);
    }
    {
        static constexpr const char* kClasses[] = {"P7", "K6", "js5", "M6", "h01", "ZC10", "j5", "N9"};
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunDeviation(kClasses[(pick >> 7) % std::size(kClasses)],
                                        {kSizes[(pick >> 10) % 4], std::nullopt, fuzz::ScratchFolder()}, out, err);
        ExpectAnswerOrReason(status, out, err);
        if (status == kExitResult)
            FUZZ_CHECK(out.str().find("-0.0000") == std::string::npos && out.str().find("inf") == std::string::npos);
    }
    if ((pick >> 13) % 256 == 0) { // every cell of every file: slow, so only for some inputs
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunTable({"deviations", fuzz::ScratchFolder(), ((pick >> 19) & 1) != 0}, out, err);
        ExpectAnswerOrReason(status, out, err);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    fuzz::WriteTableFiles(fuzz::CutIntoFiles(input));
    const std::uint64_t pick = fuzz::HashOf(input);

    const DeviationTables tables = LoadDeviationTables(fuzz::ScratchFolder());
    const std::vector<Failure> tableFailures = SweepLimitDeviations(tables, pick);

    std::ostringstream report;
    std::ostringstream summary;
    const int checked = RunCheckTables({fuzz::ScratchFolder(), true}, report, summary);
    FUZZ_CHECK(checked == kExitResult || checked == kExitFailure);
    if (checked == kExitResult)
        FUZZ_CHECK(tableFailures.empty());
    const auto firstReported = FirstReportedLines(report.str());
    for (const Failure& failure : tableFailures)
        ExpectReported(failure, firstReported);

    RunDialog(pick);
    RunCommands(pick);
    return 0;
}
