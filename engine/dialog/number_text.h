#pragma once

#include <optional>
#include <string>
#include <string_view>

// Locale-free number conversions: the user's locale must never turn a decimal point into a comma.

// What the C locale's atof makes of a text: leading white space skipped, the longest leading decimal
// number taken (sign, digits, point, exponent), 0.0 when there is none. Only decimal numbers count:
// "inf", "nan" and hexadecimal give 0.0. Too large a number gives an infinity, as atof does.
double ParseLeadingDecimal(std::string_view text);

struct LeadingDecimal
{
    double value = 0.0;
    bool outOfRange = false; // too large (value infinite) or too small (value 0.0) for a double
};

// The leading decimal number of a text, as ParseLeadingDecimal reads it; nothing when the text
// does not begin with one.
std::optional<LeadingDecimal> ScanLeadingDecimal(std::string_view text);

// What "%0.4f" prints in the C locale: fixed point, four decimals, always a point; but zero, and
// a negative value that rounds to it, print as "0.0000", never "-0.0000".
std::string FormatFixed4(double value);
