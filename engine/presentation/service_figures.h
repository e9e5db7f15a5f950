#pragma once

#include <optional>
#include <string>
#include <string_view>

// How each figure of a press fit is shown, by its key in the service answer: its unit ("" for a
// plain number such as a safety), its decimals and a scale (a probability, a fraction, shown in %).
// One table for every front end, so that a pressure reads "116.2 MPa" wherever it is shown.
struct ServiceFigureFormat
{
    std::string_view key;
    std::string_view unit;
    int decimals;
    double scale;
};

// A key the table does not hold (a result added later) shows plainly: no unit, three decimals.
ServiceFigureFormat ServiceFigureFormatOf(std::string_view key);

// The displayed number, without its unit: "116.2", "1.61", "37.50" (a probability in %).
std::string ServiceFigureText(std::string_view key, double value);
