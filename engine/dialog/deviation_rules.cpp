#include "dialog/deviation_rules.h"

#include "core/limit_deviations.h"
#include "core/scales.h"
#include "dialog/calc_state.h"
#include "dialog/dialog_view.h"
#include "dialog/messages.h"
#include "dialog/tolerance_table.h"

namespace {

void StoreDeviations(double upper, double lower)
{
    g_calcState.dUpper = upper;
    g_calcState.dLower = lower;
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
    if (!band || !StandardToleranceMm(state.nSizeRange, state.nGrade))
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
    if (letter < 0 || letter >= kLetterCount || (basis != kBasisHole && basis != kBasisShaft))
        return false;
    const ToleranceClass toleranceClass {basis == kBasisHole ? Part::Hole : Part::Shaft, letter, grade};
    // The placement and the classes without a result come from the core; the arithmetic stays in
    // millimetre doubles, micrometres turned into millimetres by one multiplication.
    const double fundamental = fundamentalMicrometres * 0.001;
    switch (PlacementOf(toleranceClass)) {
    case Placement::Symmetric:
        StoreDeviations(toleranceMm * 0.5, -(toleranceMm * 0.5));
        return true;
    case Placement::AboveFundamental:
        StoreDeviations(fundamental + toleranceMm, fundamental);
        break;
    case Placement::BelowFundamental:
        StoreDeviations(fundamental, fundamental - toleranceMm);
        break;
    case Placement::BelowFundamentalPlusDelta: {
        const auto delta = ReadDeltaValue(view, folder, sizeBand, grade);
        if (!delta)
            return false;
        const auto special = SpecialUpperDeviation(toleranceClass, sizeBand);
        const double upperMicrometres = special ? ToUm(*special) : fundamentalMicrometres + *delta;
        const double upper = upperMicrometres * 0.001;
        StoreDeviations(upper, upper - toleranceMm);
        break;
    }
    }
    return IsDefinedByRules(toleranceClass);
}
