#include "answers/request_dispatch.h"
#include "answers/shipped_tables.h"
#include "answers/table_answers.h"
#include "core/loaded_tables.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

TEST(ShippedTables, AnswerAsTheFilesTheyAreBuiltFrom)
{
    const auto built = LimitsTableAnswer(ShippedTables());
    const auto read = LimitsTableAnswer(LoadDeviationTables(QUORLAN_DATA_DIR));
    ASSERT_TRUE(built && read);
    EXPECT_EQ(*built, *read);
}

struct RequestCase
{
    const char* request;
    const char* kind; // "" for an answer
    const char* reason;
};

void PrintTo(const RequestCase& request, std::ostream* out)
{
    *out << request.request;
}

class DispatchedRequest : public testing::TestWithParam<RequestCase>
{
};

TEST_P(DispatchedRequest, AnswersOrRefusesWithItsReason)
{
    const auto reply = nlohmann::json::parse(AnswerRequestJson(GetParam().request));
    const std::string kind = GetParam().kind;
    EXPECT_EQ(reply["ok"], kind.empty()) << reply.dump();
    if (!kind.empty()) {
        EXPECT_EQ(reply["kind"], kind);
        EXPECT_EQ(reply["reason"], GetParam().reason);
        EXPECT_FALSE(reply["message"].get<std::string>().empty());
    }
}

// A designation that is no fit names the side at fault and why, for every front end alike.
TEST(DispatchedRequest, NotAFitSaysWhichPartAndWhy)
{
    const std::pair<const char*, const char*> cases[] = {
        {"H19/g6", "fit 'H19/g6' does not start with a hole class such as H7: 'H19' has no grade IT01 to IT18"},
        {"I7/g6", "there is no fundamental deviation 'I' (holes A to ZC, shafts a to zc)"},
        {"H7/Js6", "does not end with a shaft class such as g6: 'Js6' mixes upper case"},
        {"H7/G6", "needs the shaft (lower case) after the slash"},
        {"", "is not a hole class, a slash and a shaft class"},
    };
    for (const auto& [fit, expected] : cases) {
        const auto request = nlohmann::json {{"op", "fit"}, {"fit", fit}, {"size_mm", 40}};
        const auto reply = nlohmann::json::parse(AnswerRequestJson(request.dump()));
        EXPECT_EQ(reply["reason"], "not_a_fit") << fit;
        EXPECT_NE(reply["message"].get<std::string>().find(expected), std::string::npos) << reply["message"];
    }
}

// The answers the browser page lays out as they come: the diagram's SVG, the lists to pick from.
TEST(DispatchedRequest, DiagramAndListsHoldWhatThePageShows)
{
    const auto answer = [](const char* request) {
        return nlohmann::json::parse(AnswerRequestJson(request))["answer"];
    };
    const std::string svg = answer(R"({"op":"diagram_svg","fit":"H7/k6","size_mm":25})").get<std::string>();
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("id=\"diagram-hole-zone\""), std::string::npos);
    const auto materials = answer(R"({"op":"materials"})");
    ASSERT_FALSE(materials.empty());
    EXPECT_EQ(materials[0]["id"], "steel");
    EXPECT_GT(materials[0]["youngs_modulus_mpa"].get<double>(), 0.0);
    // The same press fit as the command line's service command: steel on steel, and a cast-iron hub.
    const auto press = answer(R"({"op":"service","fit":"H7/s6","size_mm":40,"hub_od":80,"length":40})");
    EXPECT_NEAR(press["pressure_max_mpa"].get<double>(), 116.2, 0.05);
    const auto castIron
        = answer(R"({"op":"service","fit":"H7/s6","size_mm":40,"hub_od":80,"length":40,"hub_material":"cast-iron"})");
    EXPECT_NEAR(castIron["pressure_max_mpa"].get<double>(), 70.7, 0.05);
    EXPECT_TRUE(castIron["hub_strength_is_tensile"].get<bool>());
    const auto fits = answer(R"({"op":"preferred_fits"})");
    EXPECT_NE(std::find(fits.begin(), fits.end(), "H7/g6"), fits.end());
    EXPECT_EQ(std::count(fits.begin(), fits.end(), "H7/k6"), 1);
}

// The thread's diagram: the pitch diameter's zones about D2 = d2, each edge with its deviation, and
// ids of its own, so that the page shows it beside a fit's diagram with every id once.
TEST(DispatchedRequest, ThreadDiagramDrawsBothPitchDiameterZones)
{
    const auto reply
        = nlohmann::json::parse(AnswerRequestJson(R"({"op":"thread_diagram_svg","designation":"M10-6H/6g"})"));
    ASSERT_TRUE(reply["ok"]) << reply.dump();
    const std::string svg = reply["answer"].get<std::string>();
    EXPECT_EQ(svg.find("id=\"diagram-"), std::string::npos);
    const std::pair<const char*, const char*> labels[] = {
        {"thread-diagram-title", ">M10-6H/6g<"},
        {"thread-diagram-nominal-size", ">D2 = d2 = 9.026<"},
        {"thread-diagram-hole-upper", ">+180<"}, // TD2 of 6H
        {"thread-diagram-hole-lower", ">0<"},
        {"thread-diagram-shaft-upper",
         ">\xE2\x88\x92"
         "32<"}, // es of g at 1.5 mm
        {"thread-diagram-shaft-lower",
         ">\xE2\x88\x92"
         "164<"}, // es - Td2 of 6g
        {"thread-diagram-min-clearance-value", ">+32<"},
        {"thread-diagram-max-clearance-value", ">+344<"},
    };
    for (const auto& [id, text] : labels) {
        const auto at = svg.find(std::string("id=\"") + id + "\"");
        ASSERT_NE(at, std::string::npos) << id;
        EXPECT_EQ(svg.substr(svg.find('>', at), std::string(text).size()), text) << id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Requests, DispatchedRequest,
    testing::Values(
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":40})", "", ""},
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":"40.025"})", "", ""},
        RequestCase {R"({"op":"limits","tolerance_class":"js6","size_mm":3150})", "", ""},
        RequestCase {R"({"op":"tolerance","grade":"IT7","size_mm":1e-3})", "", ""},
        RequestCase {R"({"op":"find_fits","size_mm":40,"min_clearance":10,"max_clearance":60})", "", ""},
        RequestCase {R"({"op":"tolerances_table"})", "", ""},
        RequestCase {R"({"op":"diagram_svg","fit":"H7/k6","size_mm":"25"})", "", ""},
        RequestCase {R"({"op":"materials"})", "", ""}, RequestCase {R"({"op":"preferred_fits"})", "", ""},
        RequestCase {R"({"op":"diagram_svg","fit":"A11/h11","size_mm":0.5})", "refused", "not_used_at_this_size"},
        RequestCase {R"({"op":"diagram_svg","fit":"<svg/onload=1>","size_mm":40})", "bad_input", "not_a_fit"},
        RequestCase {R"({"op":"materials","id":"steel"})", "bad_input", "unknown_option"},
        RequestCase {R"({"op":"thread_diagram_svg","designation":"M10-6g"})", "bad_input", "missing_option"},
        RequestCase {R"({"op":"thread_diagram_svg","designation":"M1-6H/6e"})", "refused", "no_thread_tolerance"},
        RequestCase {R"({"op":"thread_diagram_svg","designation":"M10x1.75-6H/6g"})", "bad_input", "pitch_not_listed"},
        RequestCase {R"({"op":"service","fit":"H7/s6","size_mm":40,"hub_od":"80","length":40})", "", ""},
        RequestCase {R"({"op":"service","fit":"H7/s6","size_mm":40,"hub_od":"30"})", "bad_input",
                     "hub_not_larger_than_bore"},
        RequestCase {R"({"op":"service","fit":"H7/s6","size_mm":40,"hub_material":"cheese"})", "bad_input",
                     "unknown_material"},
        RequestCase {R"({"op":"service","fit":"H7/s6","size_mm":40,"hub_e":"1e"})", "bad_input", "not_a_number"},
        RequestCase {R"({"op":"service","fit":"H7/s6","size_mm":40,"hub_od_mm":80})", "bad_input", "unknown_option"},
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":40.0000001})", "bad_input", "too_precise"},
        RequestCase {R"({"op":"fit","fit":"H7/g6"})", "bad_input", "not_a_number"},
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":true})", "bad_input", "not_a_number"},
        RequestCase {R"({"op":"fit","fit":7,"size_mm":40})", "bad_input", "not_text"},
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":40,"colour":1})", "bad_input", "unknown_option"},
        RequestCase {R"({"op":"fit","fit":"h7/G6","size_mm":40})", "bad_input", "not_a_fit"},
        RequestCase {R"({"op":"fit","fit":"A11/h11","size_mm":0.5})", "refused", "not_used_at_this_size"},
        RequestCase {R"({"op":"limits","tolerance_class":"cd7","size_mm":600})", "refused", "no_standard_value"},
        RequestCase {R"({"op":"find_fits","size_mm":40,"min_clearance":10})", "bad_input", "bound_missing"},
        RequestCase {R"({"op":"find_fits","size_mm":40,"min_clearance":10,"max_clearance":60,"all_grade_pairs":"no"})",
                     "", ""},
        RequestCase {R"({"op":"find_fits","size_mm":40,"min_clearance":10,"max_clearance":60,"all_grade_pairs":"on"})",
                     "bad_input", "not_a_flag"},
        RequestCase {R"({"op":"find_fits","size_mm":40,"min_clearance":10,"max_clearance":60,"all_grade_pairs":1})",
                     "bad_input", "not_a_flag"},
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":"+40"})", "", ""},
        RequestCase {R"({"op":"reason_codes"})", "", ""},
        RequestCase {R"({"op":"find_fits","size_mm":40,"min_clearance":9,"max_clearance":8})", "bad_input",
                     "bounds_reversed"},
        RequestCase {R"({"op":"explode"})", "bad_input", "unknown_op"},
        RequestCase {R"([1,2])", "bad_input", "not_a_request"},
        RequestCase {"{\"op\":\"fit\",\"fit\":\"\xff\"}", "bad_input", "malformed_request"},
        RequestCase {R"({"op":"fit","fit":"\u00ff\u0001/g6","size_mm":40})", "bad_input", "not_a_fit"}));

} // namespace
