#include "loaded_tables.h"
#include "request_dispatch.h"
#include "shipped_tables.h"
#include "table_answers.h"

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

INSTANTIATE_TEST_SUITE_P(
    Requests, DispatchedRequest,
    testing::Values(
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":40})", "", ""},
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":"40.025"})", "", ""},
        RequestCase {R"({"op":"limits","tolerance_class":"js6","size_mm":3150})", "", ""},
        RequestCase {R"({"op":"tolerance","grade":"IT7","size_mm":1e-3})", "", ""},
        RequestCase {R"({"op":"find_fits","size_mm":40,"min_clearance":10,"max_clearance":60})", "", ""},
        RequestCase {R"({"op":"tolerances_table"})", "", ""},
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":40.0000001})", "bad_input", "too_precise"},
        RequestCase {R"({"op":"fit","fit":"H7/g6"})", "bad_input", "not_a_number"},
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":true})", "bad_input", "not_a_number"},
        RequestCase {R"({"op":"fit","fit":7,"size_mm":40})", "bad_input", "not_text"},
        RequestCase {R"({"op":"fit","fit":"H7/g6","size_mm":40,"colour":1})", "bad_input", "unknown_option"},
        RequestCase {R"({"op":"fit","fit":"h7/G6","size_mm":40})", "bad_input", "not_a_fit"},
        RequestCase {R"({"op":"fit","fit":"A11/h11","size_mm":0.5})", "refused", "not_used_at_this_size"},
        RequestCase {R"({"op":"limits","tolerance_class":"cd7","size_mm":600})", "refused", "no_standard_value"},
        RequestCase {R"({"op":"find_fits","size_mm":40,"min_clearance":10})", "bad_input", "bound_missing"},
        RequestCase {R"({"op":"find_fits","size_mm":40,"min_clearance":9,"max_clearance":8})", "bad_input",
                     "bounds_reversed"},
        RequestCase {R"({"op":"explode"})", "bad_input", "unknown_op"},
        RequestCase {R"([1,2])", "bad_input", "not_a_request"},
        RequestCase {"{\"op\":\"fit\",\"fit\":\"\xff\"}", "bad_input", "malformed_request"},
        RequestCase {R"({"op":"fit","fit":"\u00ff\u0001/g6","size_mm":40})", "bad_input", "not_a_fit"}));

} // namespace
