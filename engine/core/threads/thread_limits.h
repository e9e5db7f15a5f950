#pragma once

#include "core/exact_length.h"
#include "core/result.h"
#include "core/threads/basic_profile.h"
#include "core/threads/thread_class.h"

// The limits of size of a bolt and of a nut of a tolerance class (ISO 965-1 clause 4, as ISO 965-2
// prints them), exact in nanometres, and the fit of the two at the pitch diameter.

struct BoltLimits
{
    ThreadClass threadClass;
    ExactLength es; // fundamental deviation, 0 or negative
    ExactLength td; // major-diameter tolerance, of the crest grade
    ExactLength td2; // pitch-diameter tolerance, of the pitch grade
    ExactLength majorMax, majorMin; // d + es, d + es - Td
    ExactLength pitchMax, pitchMin; // d2 + es, d2 + es - Td2
    ExactLength rootMax; // d3 + es
};

struct NutLimits
{
    ThreadClass threadClass;
    ExactLength ei; // fundamental deviation, 0 or positive
    ExactLength td1; // minor-diameter tolerance, of the crest grade
    ExactLength td2; // pitch-diameter tolerance, of the pitch grade
    ExactLength majorMin; // D + EI (no maximum: the standard leaves it to the tool)
    ExactLength pitchMin, pitchMax; // D2 + EI, D2 + EI + TD2
    ExactLength minorMin, minorMax; // D1 + EI, D1 + EI + TD1
};

// Why the standard gives no limits for a well-formed class at this thread.
struct ThreadLimitsFailure
{
    enum class Kind {
        NoDeviationAtPitch, // e below 0.5 mm pitch, f below 0.35 mm
        NoPitchTolerance, // the pitch-diameter grade has no value at this pitch and diameter
        NoCrestTolerance, // the crest-diameter grade has no value at this pitch
        OutsideTables, // the diameter and pitch have no row in the tables (a diameter ISO 261 does not list)
    };
    Kind kind = Kind::NoPitchTolerance;
    ThreadClass threadClass;
};

Result<BoltLimits, ThreadLimitsFailure> BoltLimitsOf(const BasicProfile& basic, ExactLength pitch,
                                                     const ThreadClass& threadClass);
Result<NutLimits, ThreadLimitsFailure> NutLimitsOf(const BasicProfile& basic, ExactLength pitch,
                                                   const ThreadClass& threadClass);

// The clearance at the pitch diameter, nut minus bolt: smallest D2min - d2max = EI - es, largest
// D2max - d2min. Never negative for the positions of ISO 965-1.
struct ThreadFit
{
    ExactLength minClearance;
    ExactLength maxClearance;
};

ThreadFit ThreadFitOf(const NutLimits& nut, const BoltLimits& bolt);
