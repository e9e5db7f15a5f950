#include "core/tabulated_classes.h"

#include "core/scales.h"

#include <array>

namespace {

// The grade index of ITn, n from 1 to 18.
constexpr int IT(int n)
{
    return n + 1;
}

struct PrintedGrades
{
    int finest;
    int coarsest;
};

// The grades ISO 286-2 prints for each letter, in the letter order of the lists (A, B, C, CD, D, E,
// EF, F, FG, G, H, JS, J, K, M, N, P, R, S, T, U, V, X, Y, Z, ZA, ZB, ZC).
constexpr std::array<PrintedGrades, kLetterCount> kPrintedHoles = {{
    {IT(9), IT(13)}, {IT(8), IT(13)}, {IT(8), IT(13)}, {IT(6), IT(10)}, {IT(6), IT(13)}, {IT(5), IT(10)},
    {IT(3), IT(10)}, {IT(3), IT(10)}, {IT(3), IT(10)}, {IT(3), IT(10)}, {IT(1), IT(18)}, {IT(1), IT(18)},
    {IT(6), IT(8)},  {IT(3), IT(8)},  {IT(3), IT(10)}, {IT(3), IT(11)}, {IT(3), IT(10)}, {IT(3), IT(10)},
    {IT(3), IT(10)}, {IT(5), IT(8)},  {IT(5), IT(10)}, {IT(5), IT(8)},  {IT(5), IT(10)}, {IT(6), IT(10)},
    {IT(6), IT(11)}, {IT(6), IT(11)}, {IT(7), IT(11)}, {IT(7), IT(11)},
}};
constexpr std::array<PrintedGrades, kLetterCount> kPrintedShafts = {{
    {IT(9), IT(13)}, {IT(8), IT(13)}, {IT(8), IT(13)}, {IT(5), IT(10)}, {IT(5), IT(13)}, {IT(5), IT(10)},
    {IT(3), IT(10)}, {IT(3), IT(10)}, {IT(3), IT(10)}, {IT(3), IT(10)}, {IT(1), IT(18)}, {IT(1), IT(18)},
    {IT(5), IT(8)},  {IT(3), IT(13)}, {IT(3), IT(9)},  {IT(3), IT(9)},  {IT(3), IT(10)}, {IT(3), IT(10)},
    {IT(3), IT(10)}, {IT(5), IT(8)},  {IT(5), IT(9)},  {IT(5), IT(8)},  {IT(5), IT(10)}, {IT(6), IT(10)},
    {IT(6), IT(11)}, {IT(6), IT(11)}, {IT(7), IT(11)}, {IT(7), IT(11)},
}};

} // namespace

bool IsTabulated(const ToleranceClass& toleranceClass)
{
    if (toleranceClass.letter < 0 || toleranceClass.letter >= kLetterCount)
        return false;
    const auto& printed = toleranceClass.part == Part::Hole ? kPrintedHoles : kPrintedShafts;
    const PrintedGrades grades = printed[static_cast<std::size_t>(toleranceClass.letter)];
    return toleranceClass.grade >= grades.finest && toleranceClass.grade <= grades.coarsest;
}
