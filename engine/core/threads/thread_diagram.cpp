#include "core/threads/thread_diagram.h"

namespace {

// To the micrometre, half away from zero, as the limits are printed.
ExactLength ToWholeUm(ExactLength length)
{
    const std::int64_t half = length.nm < 0 ? -500 : 500;
    return ExactLength::FromUm((length.nm + half) / 1000);
}

} // namespace

std::string ThreadDiagramSvg(const ThreadDesignation& thread, const BasicProfile& basic, const NutLimits& nut,
                             const BoltLimits& bolt, DiagramPalette palette)
{
    // The class names outlive the drawing's making, which the parts' labels only point to.
    const std::string nutClass = ThreadClassName(nut.threadClass);
    const std::string boltClass = ThreadClassName(bolt.threadClass);
    PartLimits nutZone;
    nutZone.deviations = {nut.ei + nut.td2, nut.ei};
    nutZone.label = nutClass;
    PartLimits boltZone;
    boltZone.toleranceClass.part = Part::Shaft;
    boltZone.deviations = {bolt.es, bolt.es - bolt.td2};
    boltZone.label = boltClass;
    const FitAnalysis zones = AnalyseFit(basic.pitch, nutZone, boltZone);
    return ZoneDiagramSvg(
        zones, {ThreadDesignationName(thread), "D2 = d2 = " + FormatMm(ToWholeUm(basic.pitch)), kThreadDiagramIdPrefix},
        palette);
}
