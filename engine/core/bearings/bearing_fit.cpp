#include "core/bearings/bearing_fit.h"

#include "core/limit_deviations.h"

#include <array>

namespace {

// The ring's name in diagrams and fit names: the standard's symbol of the mean diameter deviation
// and the class.
std::string_view RingLabel(BearingRing ring, BearingClass bearingClass)
{
    static constexpr std::array<std::string_view, 3> inner = {"Δdmp Normal", "Δdmp 6", "Δdmp 5"};
    static constexpr std::array<std::string_view, 3> outer = {"ΔDmp Normal", "ΔDmp 6", "ΔDmp 5"};
    const auto index = static_cast<std::size_t>(bearingClass);
    return ring == BearingRing::Inner ? inner[index] : outer[index];
}

} // namespace

Result<BearingFit, BearingFitFailure> AnalyseBearingFit(const DeviationTables& tables, const ToleranceClass& seat,
                                                        BearingClass bearingClass, ExactLength diameter)
{
    const BearingRing ring = seat.part == Part::Shaft ? BearingRing::Inner : BearingRing::Outer;
    const auto ringTolerance = FindBearingRingTolerance(ring, bearingClass, diameter);
    if (!ringTolerance)
        return BearingFitFailure {ringTolerance.reason()};
    const auto seatDeviations = LimitDeviationsOf(tables, seat, diameter);
    if (!seatDeviations)
        return BearingFitFailure {seatDeviations.reason()};
    const PartLimits seatPart {seat, *seatDeviations, {}};
    // The ring takes the other part's side; its class is never read, its label names it.
    ToleranceClass ringClass = seat;
    ringClass.part = seat.part == Part::Shaft ? Part::Hole : Part::Shaft;
    const PartLimits ringPart {ringClass, ringTolerance->deviations, RingLabel(ring, bearingClass)};
    const FitAnalysis analysis = ring == BearingRing::Inner ? AnalyseFit(diameter, ringPart, seatPart)
                                                            : AnalyseFit(diameter, seatPart, ringPart);
    return BearingFit {*ringTolerance, analysis};
}
