#include "core/threads/thread_limits.h"

#include "core/threads/thread_tolerance_tables.h"

namespace {

ThreadLimitsFailure Failed(ThreadLimitsFailure::Kind kind, const ThreadClass& threadClass)
{
    return {kind, threadClass};
}

// No pitch-diameter row at all for this diameter and pitch: the tables do not reach it.
bool HasPitchRow(std::int64_t diameterUm, std::int64_t pitchUm)
{
    for (int grade = 3; grade <= 9; ++grade) {
        if (BoltPitchToleranceUm(grade, diameterUm, pitchUm))
            return true;
    }
    return false;
}

std::int64_t Um(ExactLength length)
{
    return length.nm / 1000;
}

} // namespace

Result<BoltLimits, ThreadLimitsFailure> BoltLimitsOf(const BasicProfile& basic, ExactLength pitch,
                                                     const ThreadClass& threadClass)
{
    using Kind = ThreadLimitsFailure::Kind;
    const std::int64_t pitchUm = Um(pitch);
    const std::int64_t diameterUm = Um(basic.major);
    if (!HasPitchRow(diameterUm, pitchUm))
        return Failed(Kind::OutsideTables, threadClass);
    const auto es = FundamentalDeviationUm(threadClass.position, pitchUm);
    if (!es)
        return Failed(Kind::NoDeviationAtPitch, threadClass);
    const auto td2 = BoltPitchToleranceUm(threadClass.pitchGrade, diameterUm, pitchUm);
    if (!td2)
        return Failed(Kind::NoPitchTolerance, threadClass);
    const auto td = BoltMajorToleranceUm(threadClass.crestGrade, pitchUm);
    if (!td)
        return Failed(Kind::NoCrestTolerance, threadClass);
    BoltLimits bolt;
    bolt.threadClass = threadClass;
    bolt.es = ExactLength::FromUm(*es);
    bolt.td = ExactLength::FromUm(*td);
    bolt.td2 = ExactLength::FromUm(*td2);
    bolt.majorMax = basic.major + bolt.es;
    bolt.majorMin = bolt.majorMax - bolt.td;
    bolt.pitchMax = basic.pitch + bolt.es;
    bolt.pitchMin = bolt.pitchMax - bolt.td2;
    bolt.rootMax = basic.root + bolt.es;
    return bolt;
}

Result<NutLimits, ThreadLimitsFailure> NutLimitsOf(const BasicProfile& basic, ExactLength pitch,
                                                   const ThreadClass& threadClass)
{
    using Kind = ThreadLimitsFailure::Kind;
    const std::int64_t pitchUm = Um(pitch);
    const std::int64_t diameterUm = Um(basic.major);
    if (!HasPitchRow(diameterUm, pitchUm))
        return Failed(Kind::OutsideTables, threadClass);
    const auto ei = FundamentalDeviationUm(threadClass.position, pitchUm);
    if (!ei)
        return Failed(Kind::NoDeviationAtPitch, threadClass);
    const auto td2 = NutPitchToleranceUm(threadClass.pitchGrade, diameterUm, pitchUm);
    if (!td2)
        return Failed(Kind::NoPitchTolerance, threadClass);
    const auto td1 = NutMinorToleranceUm(threadClass.crestGrade, pitchUm);
    if (!td1)
        return Failed(Kind::NoCrestTolerance, threadClass);
    NutLimits nut;
    nut.threadClass = threadClass;
    nut.ei = ExactLength::FromUm(*ei);
    nut.td1 = ExactLength::FromUm(*td1);
    nut.td2 = ExactLength::FromUm(*td2);
    nut.majorMin = basic.major + nut.ei;
    nut.pitchMin = basic.pitch + nut.ei;
    nut.pitchMax = nut.pitchMin + nut.td2;
    nut.minorMin = basic.minor + nut.ei;
    nut.minorMax = nut.minorMin + nut.td1;
    return nut;
}

ThreadFit ThreadFitOf(const NutLimits& nut, const BoltLimits& bolt)
{
    return {nut.pitchMin - bolt.pitchMax, nut.pitchMax - bolt.pitchMin};
}
