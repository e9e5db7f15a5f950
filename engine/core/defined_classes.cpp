#include "defined_classes.h"

#include "scales.h"

#include <algorithm>
#include <array>

namespace {

struct CoarsestGrade
{
    int letter;
    int grade;
};

// The letters the standard carries beyond IT12, with the coarsest grade it gives each; the same for
// holes and shafts except k, which has no hole counterpart there (K stops at IT11, up to 3 mm).
constexpr std::array kHolesBeyondIT12 = {
    CoarsestGrade {kLetterA, kGradeIT13}, CoarsestGrade {kLetterB, kGradeIT13}, CoarsestGrade {kLetterC, kGradeIT13},
    CoarsestGrade {kLetterD, kGradeIT13}, CoarsestGrade {kLetterH, kGradeIT18}, CoarsestGrade {kLetterJS, kGradeIT18},
};
constexpr std::array kShaftsBeyondIT12 = {
    CoarsestGrade {kLetterA, kGradeIT13}, CoarsestGrade {kLetterB, kGradeIT13}, CoarsestGrade {kLetterC, kGradeIT13},
    CoarsestGrade {kLetterD, kGradeIT13}, CoarsestGrade {kLetterH, kGradeIT18}, CoarsestGrade {kLetterJS, kGradeIT18},
    CoarsestGrade {kLetterK, kGradeIT13},
};

// Above 500 mm: d, e, f, g, h, js, k, m, n, p, r, s, t, u (and the holes of the same letters).
constexpr std::array kLettersAbove500Mm = {kLetterD, kLetterE, kLetterF, kLetterG, kLetterH, kLetterJS, kLetterK,
                                           kLetterM, kLetterN, kLetterP, kLetterR, kLetterS, kLetterT,  kLetterU};

} // namespace

bool IsDefinedAtItsGrade(const ToleranceClass& toleranceClass)
{
    if (toleranceClass.grade <= kGradeIT12)
        return true;
    const auto isLetter = [&toleranceClass](const CoarsestGrade& entry) {
        return entry.letter == toleranceClass.letter && toleranceClass.grade <= entry.grade;
    };
    if (toleranceClass.part == Part::Hole)
        return std::any_of(kHolesBeyondIT12.begin(), kHolesBeyondIT12.end(), isLetter);
    return std::any_of(kShaftsBeyondIT12.begin(), kShaftsBeyondIT12.end(), isLetter);
}

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
