// The command library called in-process: what scripts parse from fit and table.

#include "commands.h"

#include <nlohmann/json.hpp>
#include <sstream>

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
    EXPECT_NE(text.out.find("largest clearance 23.5 µm\nlargest interference 10.5 µm\n"), std::string::npos);

    const auto json = nlohmann::json::parse(Fit("H01/js01", "3", true).out);
    EXPECT_EQ(json["shaft"]["upper_um"].dump(), "0.15");
    EXPECT_EQ(json["shaft"]["lower_um"].dump(), "-0.15");
    EXPECT_EQ(json["shaft"]["min_mm"].dump(), "2.99985");
    EXPECT_EQ(json["type"], "transition");
}

TEST(FitCommand, InterferenceFitSpeaksOfInterferenceAndNeverPrintsMinusZero)
{
    const Output text = Fit("H7/s6", "30", false);
    EXPECT_NE(text.out.find("largest interference 48 µm\nsmallest interference 14 µm\n"), std::string::npos)
        << text.out;
    const Output zero = Fit("H7/h6", "25", true);
    EXPECT_EQ(zero.out.find("-0"), std::string::npos) << zero.out;
    EXPECT_EQ(nlohmann::json::parse(zero.out)["min_clearance_um"].dump(), "0");
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
    EXPECT_EQ(rows, 2 * 28 * 14 * 25);
    EXPECT_GT(empty, 0);
    EXPECT_NE(csv.str().find("\nP7,24,30,-14,-35\n"), std::string::npos);
    EXPECT_NE(csv.str().find("\njs01,0,3,0.15,-0.15\n"), std::string::npos);

    std::ostringstream json;
    ASSERT_EQ(RunTable({"deviations", QUORLAN_DATA_DIR, true}, json, err), kExitResult);
    const auto array = nlohmann::ordered_json::parse(json.str());
    ASSERT_EQ(array.size(), static_cast<std::size_t>(rows));
    EXPECT_EQ(array[0].dump(), R"({"class":"A01","from_mm":0,"to_mm":3,"upper_um":270.3,"lower_um":270})");
}

} // namespace
