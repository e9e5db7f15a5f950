#include "core/defined_classes.h"

#include "core/scales.h"

#include <algorithm>
#include <array>

namespace {

// Above 500 mm: d, e, f, g, h, js, k, m, n, p, r, s, t, u (and the holes of the same letters).
constexpr std::array kLettersAbove500Mm = {kLetterD, kLetterE, kLetterF, kLetterG, kLetterH, kLetterJS, kLetterK,
                                           kLetterM, kLetterN, kLetterP, kLetterR, kLetterS, kLetterT,  kLetterU};

} // namespace

bool IsDefinedAbove500Mm(const ToleranceClass& toleranceClass)
{
    return std::find(kLettersAbove500Mm.begin(), kLettersAbove500Mm.end(), toleranceClass.letter)
        != kLettersAbove500Mm.end();
}

bool IsUsedAtOneMillimetreOrLess(const ToleranceClass& toleranceClass)
{
    if (toleranceClass.grade >= kGradeIT14)
        return false;
    if (toleranceClass.letter == kLetterA || toleranceClass.letter == kLetterB)
        return false;
    return !(toleranceClass.part == Part::Hole && toleranceClass.letter == kLetterN
             && toleranceClass.grade > kGradeIT8);
}
