#include "workbench/thread/thread_model.h"

#include "core/threads/iso261_sizes.h"
#include "core/threads/thread_diagram.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 9> kNutClasses = {"4H", "5H", "6H", "7H", "8H", "5G", "6G", "7G", "8G"};
constexpr std::array<std::string_view, 18> kBoltClasses
    = {"3h4h", "4g", "4h",   "5g4g", "5h4h", "5g6g", "5h6h", "6e",   "6f",
       "6g",   "6h", "7e6e", "7g6g", "7h6h", "8e",   "8g",   "9e8e", "9g8g"};

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

Result<ThreadAnalysis, ThreadProblem> AnalyseTypedThread(std::string_view text)
{
    const std::string_view typed = Trimmed(text);
    if (typed.empty())
        return ThreadProblem(ThreadTextEmpty {});
    const auto thread = ParseThreadDesignation(typed);
    if (!thread)
        return ThreadProblem(ThreadTextRejected {thread.reason(), std::string(typed)});
    ThreadAnalysis analysis {*thread, BasicProfileOf(thread->diameter, thread->pitch), {}, {}, {}};
    // The bolt first, as the engine's answer reports a refusal.
    if (thread->bolt) {
        const auto bolt = BoltLimitsOf(analysis.basic, thread->pitch, *thread->bolt);
        if (!bolt)
            return ThreadProblem(ThreadLimitsRefused {bolt.reason(), *thread});
        analysis.bolt = *bolt;
    }
    if (thread->nut) {
        const auto nut = NutLimitsOf(analysis.basic, thread->pitch, *thread->nut);
        if (!nut)
            return ThreadProblem(ThreadLimitsRefused {nut.reason(), *thread});
        analysis.nut = *nut;
    }
    if (analysis.nut && analysis.bolt)
        analysis.fit = ThreadFitOf(*analysis.nut, *analysis.bolt);
    return analysis;
}

std::string ThreadZonesSvg(const ThreadAnalysis& analysis, DiagramPalette palette)
{
    if (!analysis.nut || !analysis.bolt)
        return {};
    return ThreadDiagramSvg(analysis.thread, analysis.basic, *analysis.nut, *analysis.bolt, palette);
}

std::span<const std::string_view> PickerNutClasses()
{
    return kNutClasses;
}

std::span<const std::string_view> PickerBoltClasses()
{
    return kBoltClasses;
}

std::string PickedDesignation(std::string_view size, std::string_view nutClass, std::string_view boltClass)
{
    std::string designation(size);
    if (nutClass.empty() && boltClass.empty())
        return designation;
    designation += '-';
    designation += nutClass;
    if (!nutClass.empty() && !boltClass.empty())
        designation += '/';
    designation += boltClass;
    return designation;
}

std::string ThreadSizeName(std::int32_t diameterUm, std::int32_t pitchUm)
{
    ThreadDesignation size;
    size.diameter = ExactLength::FromUm(diameterUm);
    size.pitch = ExactLength::FromUm(pitchUm);
    const auto listed = Iso261SizeOf(diameterUm);
    size.series = listed && listed->coarsePitchUm == pitchUm ? PitchSeries::Coarse : PitchSeries::Fine;
    return ThreadName(size);
}
