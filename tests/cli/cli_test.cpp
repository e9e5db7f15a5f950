// quorlan-cli run as a script runs it: arguments in, standard output, standard error and exit status out.

#include "run_program.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

namespace {

using CliRun = test::ProgramRun;

std::string Slurp(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs quorlan-cli with these arguments in the folder `cwd` (the shipped tables' folder by default).
CliRun RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& cwd = QUORLAN_DATA_DIR)
{
    test::RunOptions options;
    options.cwd = cwd;
    return test::RunProgram(QUORLAN_CLI, arguments, options);
}

struct CliCase
{
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::optional<std::string> err; // nothing: any text
};

void PrintTo(const CliCase& c, std::ostream* os)
{
    *os << c.name;
}

class QuorlanCli : public ::testing::TestWithParam<CliCase>
{
};

TEST_P(QuorlanCli, AnswersAsTheDialogWould)
{
    const CliCase& c = GetParam();
    const CliRun run = RunCli(c.arguments);
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, c.out);
    if (c.err) {
        EXPECT_EQ(run.err, *c.err);
    }
}

const std::string kSizeWarning = "输入尺寸与尺寸段不匹配\n";
const std::string kFailure = "没有对应的基本偏差数值，请重新选择\n";

INSTANTIATE_TEST_SUITE_P(
    Results, QuorlanCli,
    ::testing::Values(
        CliCase {"ToleranceOfTheRangeHoldingTheSize", {"tolerance", "IT7", "25"}, 0, "0.0210\n", ""},
        CliCase {"ToleranceOfTheSmallestGrade", {"tolerance", "IT01", "2"}, 0, "0.0003\n", ""},
        CliCase {"ToleranceWithARangeThatDoesNotHoldTheSize",
                 {"tolerance", "IT7", "18", "--range", ">18-30"},
                 0,
                 "0.0210\n",
                 kSizeWarning},
        CliCase {"ToleranceOfTheDialogsLargestSize", {"tolerance", "IT12", "500"}, 0, "0.6300\n", ""},
        CliCase {"ToleranceOfTheLargestSizeAndGrade", {"tolerance", "IT18", "3150"}, 0, "33.0000\n", ""},
        CliCase {"ExperimentalGradeAboveFiveHundredIsNoted",
                 {"tolerance", "IT5", "600"},
                 0,
                 "0.0320\n",
                 "quorlan-cli: note: ISO 286-1 gives IT1 to IT5 above 500 mm for experimental use only\n"},
        CliCase {"NegativeSizeWithTheSmallestRange", {"tolerance", "IT7", "-5", "--range", "<=3"}, 0, "0.0100\n", ""},
        CliCase {"DeviationOfHoleP7", {"deviation", "P7", "25"}, 0, "-0.0140 -0.0350\n", ""},
        CliCase {"DeviationOfAShaft", {"deviation", "js6", "5"}, 0, "0.0040 -0.0040\n", ""},
        CliCase {"DeviationOfK7AtFiveMillimetres", {"deviation", "K7", "5"}, 0, "0.0030 -0.0090\n", ""},
        CliCase {"DeviationOfM6SpecialCase", {"deviation", "M6", "300"}, 0, "-0.0090 -0.0410\n", ""},
        CliCase {"DeviationOfAFinestGradeShaft",
                 {"deviation", "h01", "10"},
                 0,
                 "0.0000 -0.0004\n",
                 "quorlan-cli: note: h01 is not among the classes ISO 286-2 tabulates; its limits follow from the "
                 "ISO 286-1 rules\n"},
        CliCase {"DeviationWithARangeThatDoesNotHoldTheSize",
                 {"deviation", "H7", "8", "--range", ">30-50"},
                 0,
                 "0.0250 0.0000\n",
                 kSizeWarning},
        CliCase {"ZeroSizeAsksForASizeAndGoesOn",
                 {"deviation", "H7", "0", "--range", "<=3"},
                 0,
                 "0.0100 0.0000\n",
                 "请输入正确尺寸\n"},
        CliCase {
            "FitsInTheListsOrder", {"fits", "interference", "--basis", "shaft"}, 0, "H7/p6\nH7/s6\nH7/k6\nH7/u6\n", ""},
        CliCase {"FitsOfTheHoleBasis", {"fits", "transition", "--basis", "hole"}, 0, "K7/h6\nN7/h6\n", ""}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Failures, QuorlanCli,
    ::testing::Values(CliCase {"HolePAtIT2HasNoResult", {"deviation", "P2", "25"}, 1, "", kFailure},
                      CliCase {"CoarseGradeAtOneMillimetre",
                               {"tolerance", "IT14", "1"},
                               1,
                               "",
                               "quorlan-cli: IT14 at 1 mm: the standard rules it out for sizes of 1 mm and less\n"},
                      CliCase {"FinestGradeAboveFiveHundred",
                               {"tolerance", "IT01", "501"},
                               1,
                               "",
                               "quorlan-cli: IT01 at 501 mm: the standard gives it only up to 500 mm\n"},
                      CliCase {"HoleKAtIT12HasNoResult", {"deviation", "K12", "25"}, 1, "", kFailure},
                      CliCase {"LetterWithoutAValueForTheSize", {"deviation", "cd7", "20"}, 1, "", kFailure},
                      CliCase {"ShaftJWithoutAColumnForTheGrade",
                               {"deviation", "j4", "20"},
                               1,
                               "",
                               "没有符合选项的偏差值\n没有对应的基本偏差数值，请重新选择\n"},
                      CliCase {"SizeOutsideEveryBandWithALargeRange",
                               {"deviation", "H7", "600", "--range", ">400-500"},
                               1,
                               "",
                               (kSizeWarning + kFailure)}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    UsageErrors, QuorlanCli,
    ::testing::Values(
        CliCase {"UnknownGrade", {"tolerance", "IT19", "25"}, 2, "", std::nullopt},
        CliCase {
            "GradeOffTheDialogsListWithARange", {"tolerance", "IT13", "25", "--range", ">18-30"}, 2, "", std::nullopt},
        CliCase {"UnknownLetter", {"deviation", "I7", "25"}, 2, "", std::nullopt},
        CliCase {"MixedCaseLetter", {"deviation", "Js7", "25"}, 2, "", std::nullopt},
        CliCase {"ClassWithoutGrade", {"deviation", "H", "25"}, 2, "", std::nullopt},
        CliCase {"UnknownRange", {"tolerance", "IT7", "25", "--range", "18-30"}, 2, "", std::nullopt},
        CliCase {"SizeOverTheLargestWithoutRange", {"deviation", "H7", "3150.000001"}, 2, "", std::nullopt},
        CliCase {"InfiniteSize", {"deviation", "H7", "1e999"}, 2, "", std::nullopt},
        CliCase {"UnknownCommand", {"convert", "H7"}, 2, "", std::nullopt},
        CliCase {"NoCommand", {}, 2, "", std::nullopt},
        CliCase {"UnknownFitClass", {"fits", "loose", "--basis", "hole"}, 2, "", std::nullopt},
        CliCase {"UnknownBasis", {"fits", "clearance", "--basis", "both"}, 2, "", std::nullopt},
        CliCase {"MissingTablesFolder", {"deviation", "H7", "25", "--tables", "/no/such/folder"}, 2, "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

std::string Usage(const std::string& what)
{
    return "quorlan-cli: " + what + "\n(quorlan-cli --help explains the commands)\n";
}

// Each message names what is really wrong with the input.
INSTANTIATE_TEST_SUITE_P(
    Messages, QuorlanCli,
    ::testing::Values(
        CliCase {"NegativeSizeIsASize",
                 {"fit", "H7/g6", "-.5"},
                 2,
                 "",
                 Usage("SIZE '-0.5' is not over 0 and up to 3150 mm")},
        CliCase {"NegativeBoundIsABound",
                 {"find-fit", "40", "--min-clearance", "-.5", "--max-clearance", "0"},
                 1,
                 "",
                 "quorlan-cli: no fit meets an interference from 0 to 0.5 µm at 40 mm\n"},
        CliCase {
            "SizeTooPrecise", {"fit", "H7/g6", "1.0000001"}, 2, "", Usage("SIZE '1.0000001' has more than 6 decimals")},
        CliCase {"SizeTooLong",
                 {"diagram", "H7/g6", "123456789012345678901", "-o", "x.svg"},
                 2,
                 "",
                 Usage("SIZE '123456789012345678901' is not over 0 and up to 3150 mm")},
        CliCase {"BoundTooPrecise",
                 {"find-fit", "40", "--min-clearance", "0", "--max-clearance", "0.0001"},
                 2,
                 "",
                 Usage("--max-clearance '0.0001' has more than 3 decimals")},
        CliCase {"NoClearanceIsAClearance",
                 {"find-fit", "40", "--min-clearance", "0", "--max-clearance", "0"},
                 1,
                 "",
                 "quorlan-cli: no fit meets a clearance from 0 to 0 µm at 40 mm\n"},
        CliCase {"TwoSigns",
                 {"service", "40", "--fit", "H7/s6", "--hub-temp", "+-1"},
                 2,
                 "",
                 Usage("--hub-temp '+-1' is not a number")},
        CliCase {"NumberBeyondAnyDouble",
                 {"service", "40", "--fit", "H7/s6", "--friction", "1e400"},
                 2,
                 "",
                 Usage("--friction '1e400' is too large")},
        CliCase {"ClassTheStandardDoesNotUseThere",
                 {"deviation", "A11", "0.5"},
                 0,
                 "0.3300 0.2700\n",
                 "quorlan-cli: note: A11 at 0.5 mm: the standard rules it out for sizes of 1 mm and less; the values "
                 "above are the dialog's\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QuorlanCliTables, ReadsTheTablesOfTheFolderGiven)
{
    const CliRun run = RunCli({"deviation", "P7", "25", "--tables", QUORLAN_DATA_DIR}, "/");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "-0.0140 -0.0350\n");
}

TEST(QuorlanCliTables, WithoutTablesTheCalculationFailsWithTheFileMessage)
{
    const CliRun run = RunCli({"deviation", "P7", "25"}, "/");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    // The dialog's two messages, then where the tables were looked for.
    EXPECT_TRUE(run.err.starts_with("文件读取失败,请检查配置文件\n" + kFailure)) << run.err;
    EXPECT_NE(run.err.find("no table files in the current directory"), std::string::npos) << run.err;
}

TEST(QuorlanCliSizes, EveryCommandRefusesASizeNotGivenInFull)
{
    for (const std::string size : {"12,5", "12.5mm", "abc", "0x10", "inf", "nan", "", "1e1", "0", "-5", "3151"}) {
        for (const std::vector<std::string>& command :
             {std::vector<std::string> {"fit", "H7/g6"}, {"deviation", "H7"}, {"tolerance", "IT7"}}) {
            auto arguments = command;
            arguments.push_back(size);
            SCOPED_TRACE(command[0] + " '" + size + "'");
            const CliRun run = RunCli(arguments);
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find("'" + size + "'"), std::string::npos) << run.err;
        }
    }
}

TEST(QuorlanCliUsage, LongArgumentsAreQuotedShort)
{
    const CliRun run = RunCli({"fit", "H7/g6", std::string(100'000, '7')});
    EXPECT_EQ(run.status, 2);
    EXPECT_LT(run.err.size(), 300u);
}

TEST(QuorlanCliFit, PrintsOneJsonObjectOrNamesThePartWithoutAValue)
{
    const CliRun json = RunCli({"fit", "H7/g6", "40", "--json"});
    EXPECT_EQ(json.status, 0) << json.err;
    // One line; the keys scripts read keep their names and values, the displays come after them.
    EXPECT_EQ(json.out.find('\n'), json.out.size() - 1);
    const std::string keptKeys
        = R"({"fit":"H7/g6","size_mm":40,"type":"clearance","hole":{"class":"H7","tabulated":true,"upper_um":25,"lower_um":0,)"
          R"("max_mm":40.025,"min_mm":40,"tolerance_um":25,"display":)";
    EXPECT_EQ(json.out.substr(0, keptKeys.size()), keptKeys);
    const auto parsed = nlohmann::json::parse(json.out);
    EXPECT_EQ(parsed["shaft"]["lower_um"], -25);
    EXPECT_EQ(parsed["max_clearance_um"], 50);
    EXPECT_EQ(parsed["min_clearance_um"], 9);
    EXPECT_EQ(parsed["mean_clearance_um"], 29.5);
    EXPECT_EQ(parsed["fit_tolerance_um"], 41);
    EXPECT_EQ(parsed["drawing_line"], "Ø40 H7(+0.025/0)/g6(-0.009/-0.025)");
    const CliRun noValue = RunCli({"fit", "CD7/h6", "20"});
    EXPECT_EQ(noValue.status, 1);
    EXPECT_EQ(noValue.out, "");
    EXPECT_NE(noValue.err.find("CD7"), std::string::npos) << noValue.err;
    const CliRun notAFit = RunCli({"fit", "h6/H7", "20"});
    EXPECT_EQ(notAFit.status, 2);
}

TEST(QuorlanCliTable, MissingTablesEndItWithTheFileNameAndNoOutput)
{
    const CliRun run = RunCli({"table"}, "/");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("ES_EI_H.ini"), std::string::npos) << run.err;
    EXPECT_EQ(RunCli({"table", "tolerances"}, "/").status, 0); // built in: needs no file
}

TEST(QuorlanCliFindFit, ExitStatusesAndStreams)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> arguments;
        int status;
        const char* outStart;
    };
    const Case cases[] = {
        {"clearance", {"find-fit", "40", "--min-clearance", "10", "--max-clearance", "60"}, 0, "3 fits meet"},
        {"interference words", {"find-fit", "40", "--min-interference", "50", "--max-interference", "80"}, 0, "2 fits"},
        {"negative with equals sign",
         {"find-fit", "40", "--min-clearance=-80", "--max-clearance=-50", "--json"},
         0,
         "[{"},
        {"grade names", {"find-fit", "3", "--min-clearance", "0", "--max-clearance", "1", "--grades", "01-12"}, 0, ""},
        {"nothing found", {"find-fit", "25", "--min-clearance", "20", "--max-clearance", "20"}, 1, ""},
        {"nothing found as JSON",
         {"find-fit", "25", "--min-clearance", "20", "--max-clearance", "20", "--json"},
         1,
         "[]"},
        {"near misses when nothing meets",
         {"find-fit", "25", "--min-clearance", "20", "--max-clearance", "20", "--near", "2"},
         1,
         "The 2 fits that miss it by the least:\nH6/g6 "},
        {"near misses after the limit, in JSON",
         {"find-fit", "40", "--min-clearance", "30", "--max-clearance", "90", "--limit", "1", "--near", "1", "--json"},
         0,
         "[{\"fit\":\"H6/e6\""},
        {"near not a number",
         {"find-fit", "25", "--min-clearance", "0", "--max-clearance", "9", "--near", "-1"},
         2,
         ""},
        {"smallest above largest", {"find-fit", "25", "--min-clearance", "30", "--max-clearance", "20"}, 2, ""},
        {"one bound two ways",
         {"find-fit", "25", "--min-clearance", "0", "--max-interference", "5", "--max-clearance", "9"},
         2,
         ""},
        {"a bound missing", {"find-fit", "25", "--min-clearance", "0"}, 2, ""},
        {"grades backwards",
         {"find-fit", "25", "--min-clearance", "0", "--max-clearance", "9", "--grades", "11-5"},
         2,
         ""},
        {"limit not a number",
         {"find-fit", "25", "--min-clearance", "0", "--max-clearance", "9", "--limit", "0x10"},
         2,
         ""},
        {"exponent is no micrometre", {"find-fit", "25", "--min-clearance", "1e1", "--max-clearance", "90"}, 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(run.out.starts_with(c.outStart)) << run.out;
        // A match carries no miss, a near miss its own.
        if (run.out.starts_with("[{")) {
            EXPECT_NE(run.out.find("\"miss_um\":0"), std::string::npos);
        }
        if (c.status != 0 && std::string(c.outStart).empty()) {
            EXPECT_EQ(run.out, "");
        }
        if (c.status != 0) {
            EXPECT_FALSE(run.err.empty());
        }
    }
}

TEST(QuorlanCliService, AnswersOrRefusesWithTheReason)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> arguments;
        int status;
        const char* inOut; // a text the output holds
        const char* inErr; // a text the messages hold
    };
    const Case cases[] = {
        {"press fit from the tables",
         {"service", "40", "--fit", "H7/s6", "--hub-od", "80", "--length", "40"},
         0,
         "contact pressure, most",
         ""},
        {"press-fit results need the hub",
         {"service", "40", "--fit", "H7/s6", "--json"},
         0,
         "\"pressure_min_mpa\":null",
         ""},
        {"deviations given directly",
         {"service", "50", "--hole", "25", "0", "--shaft", "59", "43", "--hub-temp", "120", "--hub-material",
          "aluminium"},
         0,
         "the fit changes type at service",
         ""},
        {"materials listed", {"service", "--materials"}, 0, "cast-iron", ""},
        {"hub not larger than the bore",
         {"service", "40", "--fit", "H7/s6", "--hub-od", "40"},
         2,
         "",
         "larger than the bore"},
        {"Poisson's ratio too large", {"service", "40", "--fit", "H7/s6", "--hub-nu", "0.6"}, 2, "", "0 to 0.5"},
        {"zero length", {"service", "40", "--fit", "H7/s6", "--hub-od", "80", "--length", "0"}, 2, "", "more than 0"},
        {"not a number", {"service", "40", "--fit", "H7/s6", "--friction", "0x1"}, 2, "", "'0x1' is not a number"},
        {"unknown material", {"service", "40", "--fit", "H7/s6", "--hub-material", "cheese"}, 2, "", "--materials"},
        {"fit given twice",
         {"service", "40", "--fit", "H7/s6", "--hole", "1", "0", "--shaft", "2", "1"},
         2,
         "",
         "either"},
        {"huge temperature, with an exponent",
         {"service", "40", "--fit", "H7/s6", "--hub-temp", "1e300"},
         0,
         "(hub 1e+300 °C",
         ""},
        {"huge deviation, with an exponent",
         {"service", "40", "--hole", "1e300", "0", "--shaft", "0", "0"},
         0,
         "20 °C: -1e+300 to 0.0 µm",
         ""},
        {"largest number still in full",
         {"service", "40", "--fit", "H7/s6", "--hub-temp", "999999999999999"},
         0,
         "(hub 999999999999999.0 °C",
         ""},
        {"no negative zero in JSON",
         {"service", "25", "--fit", "H7/g6", "--hub-od", "50", "--json"},
         0,
         "\"hub_bore_radial_max_mpa\":0.0",
         ""},
        {"a part of no size is no result",
         {"service", "0.5", "--hole", "0", "-500", "--shaft", "0", "-1"},
         1,
         "",
         "smallest limit of size would be zero or less"},
        {"warnings first",
         {"service", "40", "--fit", "H7/u6", "--hub-od", "44", "--length", "40", "--torque", "2000"},
         0,
         "WARNING hub_yield",
         ""},
        {"fits from the load",
         {"find-fit", "40", "--torque", "300", "--hub-od", "80", "--length", "40", "--rz-hub", "4", "--rz-shaft", "4"},
         0,
         "fits hold 300.0 N·m at 40 mm",
         ""},
        {"load search needs the hub",
         {"find-fit", "40", "--torque", "300", "--length", "40"},
         2,
         "",
         "--hub-od is needed"},
        {"a range or a load",
         {"find-fit", "40", "--torque", "300", "--min-clearance", "0", "--max-clearance", "9"},
         2,
         "",
         "not both"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_NE(run.out.find(c.inOut), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(c.inErr), std::string::npos) << run.err;
        for (const char* never : {"nan", "inf", "NaN", "Infinity", "?", "-0.0 ", "-0.0\n", ":-0.0"}) {
            EXPECT_EQ(run.out.find(never), std::string::npos) << run.out;
        }
    }
}

TEST(QuorlanCliDiagram, WritesTheFileAskedForOrSaysWhyNot)
{
    const auto folder = std::filesystem::temp_directory_path() / ("quorlan-diagram-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const auto file = folder / "fit.svg";
    const CliRun written = RunCli({"diagram", "H7/k6", "25", "-o", file.string()});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_NE(Slurp(file).find("<svg"), std::string::npos);
    const CliRun unwritable = RunCli({"diagram", "H7/k6", "25", "-o", (folder / "no" / "such.svg").string()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos) << unwritable.err;
    EXPECT_EQ(RunCli({"diagram", "H7/k6", "25"}).status, 2); // no file named: nothing written
    std::filesystem::remove_all(folder);
}

TEST(QuorlanCliUsage, ErrorsAndHelpExplainTheCommands)
{
    const CliRun error = RunCli({"deviation", "Q7", "25"});
    EXPECT_NE(error.err.find("quorlan-cli --help"), std::string::npos) << error.err;
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("deviation CLASS SIZE"), std::string::npos);
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);
}

} // namespace

TEST(QuorlanCliGeneralAndBearings, ExitStatusesAndStreams)
{
    struct Case
    {
        const char* name;
        std::vector<std::string> arguments;
        int status;
        const char* out;
    };
    const Case cases[] = {
        {"linear", {"general", "35", "--class", "m"}, 0, "±0.3 mm (ISO 2768-m, over 30 up to 120 mm)\n"},
        {"pair answers a size by its linear class", {"general", "35", "--class", "mK"}, 0, "±0.3 mm"},
        {"pair answers a feature by its geometrical class",
         {"general", "35", "--class", "mK", "--feature", "flatness"},
         0,
         "0.2 mm (ISO 2768-K, flatness, over 30 up to 100 mm)\n"},
        {"angle", {"general", "25", "--class", "m", "--angle", "--json"}, 0, "{\"standard\":\"ISO 2768-1\""},
        {"broken edge, GB/T 1804 splits over 6 mm",
         {"general", "40", "--class", "m", "--edge", "--standard", "gb"},
         0,
         "±2 mm (GB/T 1804-m, over 30 mm)\n"},
        {"the whole table", {"general", "--table", "--class", "mK"}, 0, "linear sizes (ISO 2768-1:1989 Table 1):\n"},
        {"below 0.5 mm", {"general", "0.3", "--class", "m"}, 1, ""},
        {"a cell the standard leaves empty", {"general", "3000", "--class", "f"}, 1, ""},
        {"a feature without a geometrical class", {"general", "35", "--class", "m", "--feature", "flatness"}, 2, ""},
        {"no such class", {"general", "35", "--class", "x"}, 2, ""},
        {"a size with --table", {"general", "35", "--table", "--class", "m"}, 2, ""},
        {"a size as a comma decimal", {"general", "3,5", "--class", "m"}, 2, ""},
        {"shaft seat",
         {"bearing-fit", "25", "--shaft", "k5"},
         0,
         "Ø25 bearing seat k5, bearing inner ring, Normal: interference fit\n"},
        {"housing seat as JSON", {"bearing-fit", "52", "--housing", "H7", "--class", "6", "--json"}, 0, "{\"fit\":"},
        {"outside the ring's table", {"bearing-fit", "600", "--shaft", "k5"}, 1, ""},
        {"a hole class on the shaft", {"bearing-fit", "25", "--shaft", "H7"}, 2, ""},
        {"no seat", {"bearing-fit", "25"}, 2, ""},
        {"no such bearing class", {"bearing-fit", "25", "--shaft", "k5", "--class", "P0"}, 2, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> arguments = {"--tables", QUORLAN_DATA_DIR};
        arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_TRUE(run.out.starts_with(c.out)) << run.out;
        EXPECT_EQ(run.err.empty(), c.status == 0) << run.err;
    }
}
