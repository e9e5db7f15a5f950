#pragma once

#include <string>

// Numbers for people, the same in every locale and on every platform.

// Fixed decimals ("12.50"); any finite number, however large, in full; a value that rounds to zero is
// "0.00", never "-0.00", which would read as a sign that is not there.
std::string FixedDecimals(double value, int decimals);

// The shortest text that reads back as the same number: "210000", "0.3", "1.15e-05".
std::string ShortestNumber(double value);
