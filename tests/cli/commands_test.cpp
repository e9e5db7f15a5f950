// The command library called in-process: what scripts parse from fit and table.

#include "cli/commands.h"
#include "cli/parse_error_text.h"
#include "test_support.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

struct Output
{
    int status;
    std::string out;
    std::string err;
};

Output Fit(const std::string& fit, const std::string& size, bool json)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunFit({fit, size, QUORLAN_DATA_DIR, json}, out, err);
    return {status, out.str(), err.str()};
}

TEST(FitCommand, HalfMicrometresStayExactInTextAndJson)
{
    const Output text = Fit("JS7/h6", "25", false);
    ASSERT_EQ(text.status, kExitResult) << text.err;
    EXPECT_NE(text.out.find("upper +10.5 µm, lower -10.5 µm; limits 25.0105 / 24.9895 mm"), std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("transition fit"), std::string::npos);
    EXPECT_NE(text.out.find("largest clearance +23.5 µm\nlargest interference -10.5 µm\n"), std::string::npos);

    const auto json = nlohmann::json::parse(Fit("H01/js01", "3", true).out);
    EXPECT_EQ(json["shaft"]["upper_um"].dump(), "0.15");
    EXPECT_EQ(json["shaft"]["lower_um"].dump(), "-0.15");
    EXPECT_EQ(json["shaft"]["min_mm"].dump(), "2.99985");
    EXPECT_EQ(json["type"], "transition");
}

TEST(FitCommand, InterferenceFitSpeaksOfInterferenceAndNeverPrintsMinusZero)
{
    const Output text = Fit("H7/s6", "30", false);
    EXPECT_NE(text.out.find("largest interference -48 µm\nsmallest interference -14 µm\n"), std::string::npos)
        << text.out;
    const Output zero = Fit("H7/h6", "25", true);
    EXPECT_EQ(zero.out.find("-0,"), std::string::npos) << zero.out;
    EXPECT_EQ(zero.out.find("\"-0\""), std::string::npos) << zero.out;
    EXPECT_EQ(nlohmann::json::parse(zero.out)["min_clearance_um"].dump(), "0");
}

TEST(FitCommand, APartWithNoMaterialLeftIsNoResult)
{
    for (const auto& [fit, size] : {std::pair {"H7/g6", "0.000001"}, std::pair {"E9/d9", "0.01"}}) {
        SCOPED_TRACE(std::string(fit) + " at " + size + " mm");
        const Output text = Fit(fit, size, false);
        EXPECT_EQ(text.status, kExitFailure);
        EXPECT_EQ(text.out, "");
        EXPECT_NE(text.err.find("smallest limit of size would be zero or less"), std::string::npos) << text.err;
    }
}

TEST(TableCommand, EveryClassInEveryBandWithEmptyCellsWhereTheStandardHasNone)
{
    std::ostringstream csv;
    std::ostringstream err;
    ASSERT_EQ(RunTable({"deviations", QUORLAN_DATA_DIR, false}, csv, err), kExitResult) << err.str();
    std::istringstream lines(csv.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "class,from_mm,to_mm,upper_um,lower_um");
    int rows = 0;
    int empty = 0;
    while (std::getline(lines, line)) {
        ++rows;
        empty += line.ends_with(",,");
    }
    EXPECT_EQ(rows, 2 * 28 * 20 * 41); // IT01 to IT18, up to 3150 mm
    EXPECT_GT(empty, 0);
    EXPECT_NE(csv.str().find("\nP7,24,30,-14,-35\n"), std::string::npos);
    EXPECT_NE(csv.str().find("\njs01,0,3,0.15,-0.15\n"), std::string::npos);
    EXPECT_NE(csv.str().find("\nN9,500,560,-44,-219\n"), std::string::npos); // no delta, no 0 above 500 mm
    EXPECT_NE(csv.str().find("\nh14,0,3,0,-250\n"), std::string::npos); // holds from 1 to 3 mm
    EXPECT_NE(csv.str().find("\nc7,500,560,,\n"), std::string::npos);
    EXPECT_NE(csv.str().find("\njs7,1000,1120,52.5,-52.5\n"), std::string::npos);

    std::ostringstream json;
    ASSERT_EQ(RunTable({"deviations", QUORLAN_DATA_DIR, true}, json, err), kExitResult);
    const auto array = nlohmann::ordered_json::parse(json.str());
    ASSERT_EQ(array.size(), static_cast<std::size_t>(rows));
    EXPECT_EQ(array[0].dump(), R"({"class":"A01","from_mm":0,"to_mm":3,"upper_um":270.3,"lower_um":270})");
}

TEST(TableCommand, ToleranceTableHasEveryGradeInEveryRangeEmptyWhereTheStandardHasNone)
{
    std::ostringstream csv;
    std::ostringstream err;
    ASSERT_EQ(RunTable({"tolerances", QUORLAN_DATA_DIR, false}, csv, err), kExitResult) << err.str();
    const std::string text = csv.str();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 20 * 21);
    EXPECT_NE(text.find("\nIT01,400,500,4\nIT01,500,630,\n"), std::string::npos);
    EXPECT_NE(text.find("\nIT18,2500,3150,33000\n"), std::string::npos);
}

Output Deviation(const std::string& designation, const std::string& size, const std::filesystem::path& tables)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunDeviation(designation, {size, std::nullopt, tables}, out, err);
    return {status, out.str(), err.str()};
}

// Beyond the dialog's grades and sizes the core answers, in the dialog's format, with reasons in English.
TEST(DeviationCommand, BeyondTheDialogTheCoreAnswersOrGivesItsReason)
{
    const Output n9 = Deviation("N9", "600", QUORLAN_DATA_DIR);
    EXPECT_EQ(n9.status, kExitResult) << n9.err;
    EXPECT_EQ(n9.out, "-0.0440 -0.2190\n");
    EXPECT_EQ(Deviation("H13", "25", QUORLAN_DATA_DIR).out, "0.3300 0.0000\n");
    const Output experimental = Deviation("g5", "600", QUORLAN_DATA_DIR);
    EXPECT_EQ(experimental.out, "-0.0220 -0.0540\n");
    EXPECT_NE(experimental.err.find("experimental"), std::string::npos);
    const Output c7 = Deviation("c7", "600", QUORLAN_DATA_DIR);
    EXPECT_EQ(c7.status, kExitFailure);
    EXPECT_EQ(c7.err, "quorlan-cli: c7 at 600 mm: the standard gives it only up to 500 mm\n");
    EXPECT_EQ(Deviation("h14", "1", QUORLAN_DATA_DIR).err,
              "quorlan-cli: h14 at 1 mm: the standard rules it out for sizes of 1 mm and less\n");
}

// Classes ISO 286-2 does not print are answered from the rules, with a note; printed ones without.
TEST(DeviationCommand, ClassesOutsideThePrintedTablesCarryANote)
{
    struct Case
    {
        const char* designation;
        const char* out;
        bool noted;
    };
    const Case cases[] = {
        {"E13", "0.3700 0.0400\n", true}, // from the core
        {"m12", "0.2180 0.0080\n", true}, // from the dialog
        {"H13", "0.3300 0.0000\n", false},
        {"g6", "-0.0070 -0.0200\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.designation);
        const Output output = Deviation(c.designation, "25", QUORLAN_DATA_DIR);
        EXPECT_EQ(output.status, kExitResult) << output.err;
        EXPECT_EQ(output.out, c.out);
        EXPECT_EQ(output.err.find(std::string(c.designation) + " is not among the classes ISO 286-2 tabulates")
                      != std::string::npos,
                  c.noted)
            << output.err;
    }
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunFit({"E13/h13", "25", QUORLAN_DATA_DIR, false}, out, err), kExitResult) << err.str();
    EXPECT_NE(out.str().find("\nnote: E13 is not among the classes ISO 286-2 tabulates; its limits follow from "
                             "the ISO 286-1 rules\n"),
              std::string::npos)
        << out.str();
    EXPECT_EQ(out.str().find("h13 is not"), std::string::npos) << out.str();
}

TEST(DeviationCommand, TwentyFiveLineTablesNameTheLineTheyLack)
{
    const auto folder = std::filesystem::temp_directory_path() / ("quorlan-short-tables-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    for (const char* name : {"es_ei_z.ini", "ES_EI_H.ini", "es_ei_j_k_z.ini", "ES_EI_J_K_H.ini", "ES_EI_H_BT.ini"}) {
        std::ifstream in(std::filesystem::path(QUORLAN_DATA_DIR) / name);
        std::ofstream shortFile(folder / name);
        std::string line;
        for (int lines = 0; lines < 25 && std::getline(in, line); ++lines)
            shortFile << line << '\n';
    }
    EXPECT_EQ(Deviation("H7", "500", folder).out, "0.0630 0.0000\n");
    const Output above = Deviation("H7", "501", folder);
    EXPECT_EQ(above.status, kExitFailure);
    EXPECT_EQ(above.err,
              "quorlan-cli: H7 at 501 mm: table file '" + (folder / "ES_EI_H.ini").string()
                  + "' has no line 26, the line for sizes over 500 to 560 mm\n");
    std::filesystem::remove_all(folder);
}

TEST(FitCommand, UsageErrorsQuoteNoControlCharactersOrBrokenUtf8)
{
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunFit({"H7/g6", "1\x1b[2J\xff\xfe 2", QUORLAN_DATA_DIR, false}, out, err), kExitUsage);
    EXPECT_EQ(err.str().find('\x1b'), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find('\xff'), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("'1?[2J?? 2'"), std::string::npos) << err.str();
}

// Texts of a megabyte reach the commands in-process (the system caps an argument at 128 KiB): each
// is refused with a short message.
TEST(LongTextsInProcess, AreRefusedWithAShortMessage)
{
    const std::string longText(1 << 20, '7');
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunDeviation(longText, {"25", std::nullopt, test::ShippedTables()}, out, err), kExitUsage);
    EXPECT_EQ(RunDeviation("H7", {longText, std::nullopt, test::ShippedTables()}, out, err), kExitUsage);
    EXPECT_EQ(RunFit({"H7/g6", longText, test::ShippedTables(), false}, out, err), kExitUsage);
    EXPECT_EQ(RunFit({"\xFF" + longText, "40", test::ShippedTables(), false}, out, err), kExitUsage);
    EXPECT_EQ(out.str(), "");
    EXPECT_LT(err.str().size(), 1000U);
    EXPECT_LE(ShortParseErrorText("Directory does not exist: " + longText).size(), 403U);
    EXPECT_EQ(ShortParseErrorText("bad \xFF\xC3x \x1B[0m \xE5\xB0\xBA"), "bad ??x ?[0m 尺");
}

} // namespace

namespace {

Output Thread(const ThreadRequest& request)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunThread(request, out, err);
    return {status, out.str(), err.str()};
}

TEST(ThreadCommand, PrintsTheEnginesDisplayAndExitsByTheKindOfRefusal)
{
    const Output fit = Thread({"M10-6H/6g", false, {}, {}, false});
    ASSERT_EQ(fit.status, kExitResult) << fit.err;
    EXPECT_NE(fit.out.find("bolt 6g: d 9.732 to 9.968; d2 8.862 to 8.994; d3 max 8.128 mm; es -32"), std::string::npos)
        << fit.out;
    EXPECT_NE(fit.out.find("fit: clearance at the pitch diameter 32 to 344 µm"), std::string::npos) << fit.out;
    EXPECT_EQ(Thread({"M10-6g/6H", false, {}, {}, false}).status, kExitUsage);
    EXPECT_EQ(Thread({"M1-6H", false, {}, {}, false}).status, kExitFailure);
    EXPECT_EQ(Thread({"M10", true, {}, {}, false}).status, kExitUsage); // a designation and --table
    EXPECT_EQ(Thread({"M10", false, "fine", {}, false}).status, kExitUsage); // --series without --table
}

TEST(ThreadCommand, TableHasARowPerPartAndThreadWithTheReasonWhereThereIsNone)
{
    const Output table = Thread({"", true, "all", {}, false});
    ASSERT_EQ(table.status, kExitResult) << table.err;
    EXPECT_TRUE(table.out.starts_with("thread,part,class,major_max_mm,")) << table.out.substr(0, 200);
    EXPECT_NE(table.out.find("\nM10,nut,6H,,10.000,9.206,9.026,8.676,8.376,,\n"), std::string::npos);
    EXPECT_NE(table.out.find("\nM10,bolt,6g,9.968,9.732,8.994,8.862,,,8.128,\n"), std::string::npos);
    EXPECT_NE(table.out.find("\nM1,nut,6H,,,,,,,,nut 6H of M1: ISO 965-1 gives no pitch-diameter tolerance"),
              std::string::npos);
    const auto json = nlohmann::json::parse(Thread({"", true, "fine", "4h", true}).out);
    EXPECT_EQ(json["class"], "4h");
    EXPECT_FALSE(json["rows"][0].contains("nut"));
}

Output Stack(const std::string& csv, std::vector<std::string> extra, bool json)
{
    const test::TempFolder folder;
    folder.Write("chain.csv", csv);
    StackRequest request;
    request.file = folder.Path() / "chain.csv";
    request.tables = QUORLAN_DATA_DIR;
    request.json = json;
    for (std::size_t i = 0; i + 1 < extra.size(); i += 2) {
        if (extra[i] == "--method")
            request.method = extra[i + 1];
        else if (extra[i] == "--samples")
            request.samples = extra[i + 1];
        else if (extra[i] == "--seed")
            request.seed = extra[i + 1];
        else if (extra[i] == "--require")
            request.require = {extra[i + 1], extra[i + 2]}, ++i;
    }
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunStack(request, out, err);
    return {status, out.str(), err.str()};
}

const char* const kGapChain = "name,direction,nominal_mm,tolerance\n"
                              "# the axial gap after the circlip\n"
                              "housing,+1,50,H8\n"
                              "bearing,-1,20,0/-0.12\n"
                              "spacer,-1,29.5,2768-m\n";

} // namespace

TEST(StackCommand, JsonHasEveryMethodTextShowsTheEnginesFigures)
{
    const Output json = Stack(kGapChain, {"--require", "0.1", "0.9", "--samples", "20000"}, true);
    ASSERT_EQ(json.status, kExitResult) << json.err;
    const auto answer = nlohmann::json::parse(json.out);
    EXPECT_EQ(answer["nominal_mm"].dump(), "0.5");
    EXPECT_EQ(answer["worst_case"]["max_mm"].dump(), "0.859"); // 0.5 + 0.039 + 0.12 + 0.2
    EXPECT_EQ(answer["worst_case"]["min_mm"].dump(), "0.3");
    EXPECT_EQ(answer["monte_carlo"]["seed"], 286);
    EXPECT_EQ(answer["monte_carlo"]["samples"], 20000);
    EXPECT_EQ(answer["contributions"][0]["name"], "spacer");
    EXPECT_EQ(answer["links"][0]["upper_deviation_mm"].dump(), "0.039");

    const Output text = Stack(kGapChain, {"--require", "0.1", "0.9", "--samples", "20000"}, false);
    ASSERT_EQ(text.status, kExitResult) << text.err;
    EXPECT_NE(text.out.find("worst case: 0.300 to 0.859 mm (range 0.559 mm)"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("sigma " + answer["rss"]["display"]["sigma_mm"].get<std::string>()), std::string::npos);
    EXPECT_NE(text.out.find("Cpk " + answer["monte_carlo"]["display"]["cpk"].get<std::string>()), std::string::npos);

    const auto worst = nlohmann::json::parse(Stack(kGapChain, {"--method", "worst"}, true).out);
    EXPECT_TRUE(worst.contains("worst_case"));
    EXPECT_FALSE(worst.contains("rss"));
    EXPECT_FALSE(worst.contains("monte_carlo"));
}

TEST(StackCommand, ARefusedFileNamesItsLineAndNothingIsComputed)
{
    const Output bad = Stack("name,direction,nominal_mm,tolerance\nhousing,+1,50,H8\nshaft,-1,4000,h7\n", {}, false);
    EXPECT_EQ(bad.status, kExitFailure);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find("chain.csv: line 3 ('shaft'): tolerance 'h7'"), std::string::npos) << bad.err;

    const Output unread = Stack("name,direction,nominal_mm,tolerance\nhousing,+1,50,±x\n", {}, true);
    EXPECT_EQ(unread.status, kExitUsage);
    EXPECT_NE(unread.err.find("line 2 ('housing'): tolerance '±x' is not"), std::string::npos) << unread.err;

    EXPECT_EQ(Stack(kGapChain, {"--samples", "10"}, false).status, kExitUsage);
    EXPECT_EQ(Stack(kGapChain, {"--seed", "-1"}, false).status, kExitUsage);
    EXPECT_EQ(Stack(kGapChain, {"--require", "0.9", "0.1"}, false).status, kExitUsage);
    EXPECT_EQ(Stack(kGapChain, {"--method", "best"}, false).status, kExitUsage);
}
