#include "answers/answer_inputs.h"

#include "answers/refusal_text.h"
#include "core/decimal_text.h"
#include "core/scales.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {

AnswerRefusal NotANumber(std::string_view key, const nlohmann::json& value, std::string_view what)
{
    return BadInput("not_a_number", std::string(key) + " " + QuotedValue(value) + " is not " + std::string(what));
}

#ifdef __EMSCRIPTEN__
// Its C++ library has no floating-point to_chars. The JSON library prints the shortest round trip
// too, with an exponent for very large and small numbers ("1e-07", "1.5e+20"): the same digits with
// the point moved instead ("0.0000001", "150000000000000000000"), and no ".0" after a whole number.
std::string FixedNotation(const std::string& shortest)
{
    const std::size_t e = shortest.find_first_of("eE");
    std::string mantissa = shortest.substr(0, e);
    const int exponent = e == std::string::npos ? 0 : std::atoi(shortest.c_str() + e + 1);
    std::string sign;
    if (!mantissa.empty() && mantissa.front() == '-') {
        sign = "-";
        mantissa.erase(0, 1);
    }
    const std::size_t point = mantissa.find('.');
    long pointAt = static_cast<long>(point == std::string::npos ? mantissa.size() : point) + exponent;
    if (point != std::string::npos)
        mantissa.erase(point, 1);
    std::string digits = mantissa;
    if (pointAt <= 0) {
        digits.insert(0, static_cast<std::size_t>(1 - pointAt), '0');
        pointAt = 1;
    }
    if (pointAt >= static_cast<long>(digits.size()))
        digits.append(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    std::string whole = digits.substr(0, static_cast<std::size_t>(pointAt));
    std::string fraction = digits.substr(static_cast<std::size_t>(pointAt));
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    return sign + whole + (fraction.empty() ? "" : "." + fraction);
}
#endif

} // namespace

std::string QuotedInput(std::string_view text)
{
    std::string printable = QuotePrefix(text);
    for (char& c : printable) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F)
            c = '?';
    }
    return "'" + printable + "'";
}

std::string QuotedValue(const nlohmann::json& value)
{
    if (value.is_string())
        return QuotedInput(value.get_ref<const std::string&>());
    if (value.is_number_float() && !std::isfinite(value.get<double>())) {
        const double number = value.get<double>();
        return QuotedInput(std::isnan(number) ? "nan" : number > 0 ? "inf" : "-inf");
    }
    return QuotedInput(value.dump());
}

std::optional<std::string> NumberText(const nlohmann::json& value)
{
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_number_integer())
        return value.is_number_unsigned() ? std::to_string(value.get<std::uint64_t>())
                                          : std::to_string(value.get<std::int64_t>());
    if (!value.is_number_float())
        return std::nullopt;
    const double number = value.get<double>();
    if (!std::isfinite(number))
        return std::nullopt;
        // Fixed notation, shortest round trip: the decimal the caller wrote (0.1 is "0.1").
#ifdef __EMSCRIPTEN__
    return FixedNotation(nlohmann::json(number).dump());
#else
    char buffer[512];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::fixed);
    if (error != std::errc())
        return std::nullopt;
    return std::string(buffer, end);
#endif
}

Result<ExactLength, AnswerRefusal> ReadSizeMm(const nlohmann::json& value, std::string_view key)
{
    const auto text = NumberText(value);
    if (!text)
        return NotANumber(key, value, "a finite number of millimetres");
    const auto size = ParseMillimetres(*text);
    if (!size) {
        if (size.reason() == NumberProblem::TooPrecise)
            return BadInput("too_precise", std::string(key) + " " + QuotedInput(*text) + " has more than 6 decimals");
        if (size.reason() == NumberProblem::NotANumber)
            return NotANumber(key, value, "a decimal number of millimetres");
    }
    if (!size || size->nm <= 0 || *size > ExactLength::FromMm(kLargestSizeMm))
        return BadInput("size_out_of_range",
                        std::string(key) + " " + QuotedInput(*text) + " is not over 0 and up to "
                            + std::to_string(kLargestSizeMm) + " mm");
    return *size;
}

Result<ExactLength, AnswerRefusal> ReadMicrometres(const nlohmann::json& value, std::string_view key)
{
    const auto text = NumberText(value);
    if (!text)
        return NotANumber(key, value, "a finite number of micrometres");
    const auto um = ParseMicrometres(*text);
    if (!um) {
        switch (um.reason()) {
        case NumberProblem::TooPrecise:
            return BadInput("too_precise", std::string(key) + " " + QuotedInput(*text) + " has more than 3 decimals");
        case NumberProblem::TooLarge:
            return BadInput("too_large", std::string(key) + " " + QuotedInput(*text) + " is too large");
        case NumberProblem::NotANumber:
            break;
        }
        return NotANumber(key, value, "a decimal number of micrometres");
    }
    return *um;
}

Result<double, AnswerRefusal> ReadFiniteNumber(const nlohmann::json& value, std::string_view key)
{
    if (value.is_number() && !value.is_boolean()) {
        const double number = value.get<double>();
        if (std::isfinite(number))
            return number;
        return BadInput("not_finite", std::string(key) + " is not a finite number");
    }
    if (!value.is_string())
        return NotANumber(key, value, "a number");
    const std::string& text = value.get_ref<const std::string&>();
    const auto number = ParseDecimalNumber(text);
    if (number)
        return *number;
    switch (number.reason()) {
    case NumberProblem::TooLarge:
        return BadInput("too_large", std::string(key) + " " + QuotedInput(text) + " is too large");
    case NumberProblem::TooPrecise:
        return BadInput("too_precise", std::string(key) + " " + QuotedInput(text) + " is too close to 0 to be held");
    case NumberProblem::NotANumber:
        break;
    }
    return NotANumber(key, value, "a number");
}

Result<bool, AnswerRefusal> ReadFlag(const nlohmann::json& value, std::string_view key)
{
    if (value.is_boolean())
        return value.get<bool>();
    if (value.is_string()) {
        const std::string& text = value.get_ref<const std::string&>();
        if (text == "true" || text == "yes")
            return true;
        if (text == "false" || text == "no")
            return false;
    }
    return BadInput("not_a_flag", std::string(key) + " " + QuotedValue(value) + " is not true or false (yes or no)");
}

Result<std::string, AnswerRefusal> ReadText(const nlohmann::json& value, std::string_view key)
{
    if (!value.is_string())
        return BadInput("not_text", std::string(key) + " " + QuotedValue(value) + " is not a text");
    return value.get<std::string>();
}

Result<FitDesignation, AnswerRefusal> ReadFitDesignation(std::string_view text)
{
    const auto fit = ParseFitDesignation(text);
    if (!fit)
        return BadInput("not_a_fit", "fit " + QuotedInput(text) + " " + FitTextProblemText(fit.reason()));
    return *fit;
}

Result<ToleranceClass, AnswerRefusal> ReadToleranceClass(std::string_view text)
{
    const auto toleranceClass = ParseToleranceClass(text);
    if (!toleranceClass)
        return BadInput("not_a_class",
                        "tolerance class " + QuotedInput(text)
                            + " is not a letter and a grade such as H7, js6 or ZC10");
    return *toleranceClass;
}

Result<int, AnswerRefusal> ReadGrade(std::string_view text)
{
    const auto grade = ParseGradeName(text);
    if (!grade)
        return BadInput("not_a_grade", "grade " + QuotedInput(text) + " is not a grade such as IT7, 7 or 01");
    return *grade;
}

AnswerRefusal UnknownOption(std::string_view key)
{
    return BadInput("unknown_option", "unknown option " + QuotedInput(key));
}
