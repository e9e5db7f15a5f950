#include "core/threads/thread_limits.h"

#include "core/threads/thread_tolerance_tables.h"

#include <cstdint>
#include <optional>

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

// A zone's three table values: its fundamental deviation, its pitch-diameter tolerance and its crest
// tolerance (Td of the bolt's major diameter, TD1 of the nut's minor one), in µm.
struct ZoneTolerancesUm
{
    std::int32_t deviation;
    std::int32_t pitch;
    std::int32_t crest;
};

using PitchTable = std::optional<std::int32_t> (*)(int grade, std::int64_t diameterUm, std::int64_t pitchUm);
using CrestTable = std::optional<std::int32_t> (*)(int grade, std::int64_t pitchUm);

// Bolt and nut look their zone up alike and differ only in the two tolerance tables.
Result<ZoneTolerancesUm, ThreadLimitsFailure> ZoneTolerancesOf(const BasicProfile& basic, ExactLength pitch,
                                                               const ThreadClass& threadClass, PitchTable pitchTable,
                                                               CrestTable crestTable)
{
    using Kind = ThreadLimitsFailure::Kind;
    const std::int64_t pitchUm = Um(pitch);
    const std::int64_t diameterUm = Um(basic.major);
    if (!HasPitchRow(diameterUm, pitchUm))
        return Failed(Kind::OutsideTables, threadClass);
    const auto deviation = FundamentalDeviationUm(threadClass.position, pitchUm);
    if (!deviation)
        return Failed(Kind::NoDeviationAtPitch, threadClass);
    const auto pitchTolerance = pitchTable(threadClass.pitchGrade, diameterUm, pitchUm);
    if (!pitchTolerance)
        return Failed(Kind::NoPitchTolerance, threadClass);
    const auto crestTolerance = crestTable(threadClass.crestGrade, pitchUm);
    if (!crestTolerance)
        return Failed(Kind::NoCrestTolerance, threadClass);
    return ZoneTolerancesUm {*deviation, *pitchTolerance, *crestTolerance};
}

} // namespace

Result<BoltLimits, ThreadLimitsFailure> BoltLimitsOf(const BasicProfile& basic, ExactLength pitch,
                                                     const ThreadClass& threadClass)
{
    const auto zone = ZoneTolerancesOf(basic, pitch, threadClass, BoltPitchToleranceUm, BoltMajorToleranceUm);
    if (!zone)
        return zone.reason();
    BoltLimits bolt;
    bolt.threadClass = threadClass;
    bolt.es = ExactLength::FromUm(zone->deviation);
    bolt.td = ExactLength::FromUm(zone->crest);
    bolt.td2 = ExactLength::FromUm(zone->pitch);
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
    const auto zone = ZoneTolerancesOf(basic, pitch, threadClass, NutPitchToleranceUm, NutMinorToleranceUm);
    if (!zone)
        return zone.reason();
    NutLimits nut;
    nut.threadClass = threadClass;
    nut.ei = ExactLength::FromUm(zone->deviation);
    nut.td1 = ExactLength::FromUm(zone->crest);
    nut.td2 = ExactLength::FromUm(zone->pitch);
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
