#pragma once

#include <array>
#include <string_view>

// Every code a refusal can carry. Front ends translate them (the page's texts.js has words for each,
// and its test asks the engine for this list), so a new code is added here first: a refusal whose
// code is not in the list does not compile.
inline constexpr auto kReasonCodes = std::to_array<std::string_view>({
    // The request itself
    "malformed_request",
    "not_a_request",
    "no_op",
    "unknown_op",
    "unknown_option",
    "not_options",
    "conflicting_options",
    "missing_option",
    "internal_error",
    // An input
    "not_a_number",
    "not_finite",
    "not_text",
    "too_precise",
    "too_large",
    "size_out_of_range",
    "not_a_fit",
    "not_a_class",
    "not_a_grade",
    "not_a_grade_range",
    "not_a_basis",
    "not_a_general_class",
    "not_a_flag",
    "not_a_count",
    "not_a_pair",
    "bad_choice",
    "unknown_material",
    "bound_given_twice",
    "bound_missing",
    "bounds_reversed",
    "result_out_of_range",
    // A thread designation (ISO 261, ISO 965-1)
    "not_a_thread",
    "diameter_out_of_range",
    "pitch_needed",
    "pitch_not_listed",
    "not_a_thread_class",
    "grade_not_defined",
    "classes_reversed",
    // A joint that makes no physical sense, each reason its own code
    "not_positive",
    "negative",
    "upper_below_lower",
    "hub_not_larger_than_bore",
    "bore_not_smaller_than_shaft",
    "poisson_ratio_out_of_range",
    "smoothing_out_of_range",
    "below_absolute_zero",
    "cooling_curve_not_falling",
    "no_minimum_strength",
    // No value for a well-formed question
    "no_standard_value",
    "not_used_at_this_size",
    "size_off_scale",
    "grade_off_scale",
    "letter_off_scale",
    "limit_size_not_positive",
    "no_thread_tolerance",
    "unknown_failure",
    "below_general_range",
    "beyond_general_range",
    "not_in_class",
    "outside_bearing_tables",
    // A dimension chain
    "chain_not_read",
    "empty_chain",
    "too_many_links",
    "bad_link",
    "mean_shift_outside_zone",
    // The table files
    "tables_not_a_folder",
    "table_missing",
    "table_not_a_file",
    "table_empty",
    "table_too_large",
    "table_malformed",
    "table_line_missing",
    // The Python module's own: a value of the wrong kind, a folder that is no name
    "wrong_type",
    "not_a_folder_name",
});

consteval bool IsReasonCode(std::string_view code)
{
    for (const std::string_view known : kReasonCodes) {
        if (known == code)
            return true;
    }
    return false;
}

consteval bool ReasonCodesAreDistinct()
{
    for (std::size_t i = 0; i < kReasonCodes.size(); ++i) {
        if (kReasonCodes[i].empty())
            return false;
        for (std::size_t j = i + 1; j < kReasonCodes.size(); ++j) {
            if (kReasonCodes[i] == kReasonCodes[j])
                return false;
        }
    }
    return true;
}
static_assert(ReasonCodesAreDistinct(), "every reason code once, none empty");

// Reached only by a code that is not in kReasonCodes, where it stops the compilation.
void NotAListedReasonCode();

// A refusal's code, checked against kReasonCodes when the program is compiled.
class ReasonCode
{
public:
    consteval ReasonCode(const char* code)
        : m_code(code)
    {
        if (!IsReasonCode(m_code))
            NotAListedReasonCode();
    }

    constexpr std::string_view Text() const { return m_code; }

private:
    std::string_view m_code;
};
