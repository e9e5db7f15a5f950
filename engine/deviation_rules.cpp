#include "deviation_rules.h"

#include "calc_state.h"
#include "dialog_view.h"
#include "messages.h"
#include "scales.h"
#include "tolerance_table.h"

#include <array>

namespace {

// Hole upper deviations that ISO 286-1 gives apart from its general rule, and which the tables
// cannot hold: M6 from 250 to 315 mm is -9 µm, not the -11 that fundamental deviation plus delta gives.
struct SpecialHoleUpperDeviation
{
    int letter;
    int grade;
    int firstBand;
    int lastBand;
    double micrometres;
};

constexpr std::array kSpecialHoleUpperDeviations = {
    SpecialHoleUpperDeviation {kLetterM, kGradeIT6, 19, 20, -9.0},
};

std::optional<double> SpecialHoleUpperDeviationOf(int letter, int grade, int sizeBand)
{
    for (const auto& special : kSpecialHoleUpperDeviations) {
        if (special.letter == letter && special.grade == grade && sizeBand >= special.firstBand
            && sizeBand <= special.lastBand)
            return special.micrometres;
    }
    return std::nullopt;
}

void StoreDeviations(double upper, double lower)
{
    g_calcState.dUpper = upper;
    g_calcState.dLower = lower;
}

// Hole rules whose upper deviation is the fundamental deviation plus delta; a failed delta read
// has no result.
bool StoreHoleUpperWithDelta(DialogView& view, const TableFolder& folder, int sizeBand, int grade, int letter,
                             double toleranceMm, double fundamentalMicrometres)
{
    const auto delta = ReadDeltaValue(view, folder, sizeBand, grade);
    if (!delta)
        return false;
    const double upperMicrometres
        = SpecialHoleUpperDeviationOf(letter, grade, sizeBand).value_or(fundamentalMicrometres + *delta);
    const double upper = upperMicrometres * 0.001;
    StoreDeviations(upper, upper - toleranceMm);
    return true;
}

bool ComputeHoleDeviations(DialogView& view, const TableFolder& folder, int sizeBand, int grade, int letter,
                           double toleranceMm, double fundamentalMicrometres)
{
    const double fundamental = fundamentalMicrometres * 0.001;
    if (letter <= kLetterH) {
        StoreDeviations(fundamental + toleranceMm, fundamental);
        return true;
    }
    if (letter == kLetterJ) {
        StoreDeviations(fundamental, fundamental - toleranceMm);
        return grade != kGradeIT12;
    }
    if (letter <= kLetterN) {
        if (grade <= kGradeIT8)
            return StoreHoleUpperWithDelta(view, folder, sizeBand, grade, letter, toleranceMm, fundamentalMicrometres);
        StoreDeviations(fundamental, fundamental - toleranceMm);
        return !(letter == kLetterK && grade == kGradeIT12);
    }
    if (grade >= kGradeIT8) {
        StoreDeviations(fundamental, fundamental - toleranceMm);
        return true;
    }
    // P to ZC take delta for IT7 and finer, and have no values finer than IT3.
    const bool stored
        = StoreHoleUpperWithDelta(view, folder, sizeBand, grade, letter, toleranceMm, fundamentalMicrometres);
    return stored && grade > kGradeIT2;
}

bool ComputeShaftDeviations(int letter, double toleranceMm, double fundamentalMicrometres)
{
    const double fundamental = fundamentalMicrometres * 0.001;
    if (letter <= kLetterH)
        StoreDeviations(fundamental, fundamental - toleranceMm);
    else
        StoreDeviations(fundamental + toleranceMm, fundamental);
    return true;
}

} // namespace

std::optional<int> SizeBandForCalculation(double nominalMm, int sizeRange)
{
    if (const auto band = SizeBandHolding(nominalMm))
        return band;
    // Size ranges 0 to 2 are size bands 0 to 2; beyond them the two scales part.
    if (sizeRange >= 0 && sizeRange <= 2)
        return sizeRange;
    return std::nullopt;
}

bool FindDeviations(DialogView& view, const TableFolder& folder)
{
    const CalcState& state = g_calcState;
    const auto band = SizeBandForCalculation(state.dNominal, state.nSizeRange);
    if (state.dNominal == 0.0)
        view.ShowMessage(kMsgEnterValidSize);
    // Without a size range and a grade there is no tolerance, and no deviation can be placed.
    if (!band || !StandardTolerance(state.nSizeRange, state.nGrade))
        return false;
    const auto fundamental = ReadFundamentalDeviation(view, folder, *band, state.nLetter, state.nBasis, state.nGrade);
    if (!fundamental)
        return false;
    return ComputeLimitDeviations(view, folder, state.nBasis, *band, state.nGrade, state.nLetter, state.dTolerance,
                                  *fundamental);
}

bool ComputeLimitDeviations(DialogView& view, const TableFolder& folder, int basis, int sizeBand, int grade, int letter,
                            double toleranceMm, double fundamentalMicrometres)
{
    if (letter < 0 || letter >= kLetterCount)
        return false;
    if (letter == kLetterJS && (basis == kBasisHole || basis == kBasisShaft)) {
        StoreDeviations(toleranceMm * 0.5, -(toleranceMm * 0.5));
        return true;
    }
    if (basis == kBasisHole)
        return ComputeHoleDeviations(view, folder, sizeBand, grade, letter, toleranceMm, fundamentalMicrometres);
    if (basis == kBasisShaft)
        return ComputeShaftDeviations(letter, toleranceMm, fundamentalMicrometres);
    return false;
}
