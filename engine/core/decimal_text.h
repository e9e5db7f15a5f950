#pragma once

#include "core/exact_length.h"
#include "core/result.h"

#include <cstdint>
#include <string_view>

// Strict, locale-free readers of numbers typed by people or written in table files: the whole text
// must be the number, so that nothing is ever read as a number the writer did not give.

enum class NumberProblem {
    NotANumber, // empty, trailing text, a comma, hexadecimal, inf, nan, ...
    TooPrecise, // more decimals than the quantity is kept to
    TooLarge, // beyond any length this program deals in
};

// A plain decimal ("25", "-12.5", "+0.5", ".5"; no exponent) scaled by 10^decimals, exactly.
// Trailing zeros past the kept decimals are fine; other digits there are TooPrecise.
Result<std::int64_t, NumberProblem> ParseFixedPoint(std::string_view text, int decimals);

// A size in millimetres, kept to the nanometre.
Result<ExactLength, NumberProblem> ParseMillimetres(std::string_view text);

// A deviation in micrometres, kept to the nanometre.
Result<ExactLength, NumberProblem> ParseMicrometres(std::string_view text);

// Any finite decimal number, exponent allowed ("1.15e-5"), one sign at most; no hexadecimal, inf or
// nan. Beyond a double's range it is TooLarge, or TooPrecise when too close to 0 to be held.
Result<double, NumberProblem> ParseDecimalNumber(std::string_view text);

// The text cut to at most maxBytes for quoting in a message, marked with "..." when cut.
std::string QuotePrefix(std::string_view text, std::size_t maxBytes = 40);
