#pragma once

#include "core/exact_length.h"
#include "core/general/general_tolerances.h"
#include "core/result.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The general tolerances tab's calculations: one size's general tolerance, and the table a title
// block's class refers to. Plain C++: the words are general_texts'.

// What is asked of one size: a linear size, a broken edge, an angle by its shorter side, or a
// feature's general geometrical tolerance by its length.
enum class GeneralQuestion { Linear, Edge, Angle, Straightness, Flatness, Perpendicularity, Symmetry, Runout };

inline constexpr std::array kGeneralQuestions = {
    GeneralQuestion::Linear,       GeneralQuestion::Edge,     GeneralQuestion::Angle,
    GeneralQuestion::Straightness, GeneralQuestion::Flatness, GeneralQuestion::Perpendicularity,
    GeneralQuestion::Symmetry,     GeneralQuestion::Runout,
};

enum class GeneralInputProblem {
    ClassEmpty,
    NotAClass, // not f m c v, H K L or a pair such as mK
    NeedsLinearClass, // a size asked of a class H, K or L alone
    NeedsGeometricalClass, // a feature asked of a class f, m, c or v alone
    SizeEmpty,
    SizeNotANumber,
    SizeTooPrecise, // more than six decimals of a millimetre
};

// The tables hold no value for the size: the refusal, the class as a title block writes it
// ("ISO 2768-m") and, past the table, where the table ends.
struct GeneralRefused
{
    GeneralRefusal refusal = GeneralRefusal::NotPositive;
    std::string designation;
    ExactLength size;
    ExactLength tableEnd;
};

using GeneralProblem = std::variant<GeneralInputProblem, GeneralRefused>;

struct GeneralAnswer
{
    std::string value; // "±0.3 mm", "±0°30′", "0.05 mm" (the presentation's)
    std::string designation; // "ISO 2768-m", "GB/T 1184-K"
    GeneralRange range;
};

// The class as typed, spaces ignored.
Result<GeneralClasses, GeneralInputProblem> ReadGeneralClasses(std::string_view text);

Result<GeneralAnswer, GeneralProblem> AnswerGeneral(std::string_view classText, GeneralStandard standard,
                                                    GeneralQuestion question, std::string_view sizeText);

// One table of the title block, for the class: each range and its value ("-" for an empty cell).
struct GeneralTableRow
{
    GeneralRange range;
    std::string value;
};

struct GeneralTableSection
{
    std::string_view key; // "linear", "edge", "angle", "straightness_flatness", "perpendicularity", ...
    std::string_view source; // "ISO 2768-1:1989 Table 1"
    std::vector<GeneralTableRow> rows;
};

// Every table the class names: the linear, edge and angle tables for a linear class, the
// geometrical ones for a geometrical class.
std::vector<GeneralTableSection> TitleBlockTables(const GeneralClasses& classes, GeneralStandard standard);

// "ISO 2768-mK", "ISO 2768-m", "GB/T 1804-m, GB/T 1184-K": as the title block writes it.
std::string TitleBlockDesignation(const GeneralClasses& classes, GeneralStandard standard);
