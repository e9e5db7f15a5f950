#include "answers/thread_answers.h"

#include "answers/answer_inputs.h"
#include "answers/json_numbers.h"
#include "answers/json_object.h"
#include "answers/thread_refusal_text.h"
#include "core/threads/basic_profile.h"
#include "core/threads/iso261_sizes.h"
#include "core/threads/recommended_classes.h"
#include "core/threads/thread_designation.h"
#include "core/threads/thread_diagram.h"
#include "core/threads/thread_limits.h"
#include "presentation/thread_figures.h"

namespace {

std::string_view SeriesName(PitchSeries series)
{
    switch (series) {
    case PitchSeries::Coarse:
        return "coarse";
    case PitchSeries::Fine:
        return "fine";
    case PitchSeries::Unlisted:
        break;
    }
    return "unlisted";
}

nlohmann::ordered_json BasicJson(const BasicProfile& basic)
{
    return JsonObject(5)
        .Add("major_mm", JsonMm(basic.major))
        .Add("pitch_mm", JsonMm(basic.pitch))
        .Add("minor_mm", JsonMm(basic.minor))
        .Add("root_mm", JsonMm(basic.root))
        .Add("display",
             JsonObject(4)
                 .Add("major_mm", ThreadLimitMm(basic.major))
                 .Add("pitch_mm", ThreadLimitMm(basic.pitch))
                 .Add("minor_mm", ThreadLimitMm(basic.minor))
                 .Add("root_mm", ThreadLimitMm(basic.root))
                 .Take())
        .Take();
}

nlohmann::ordered_json BoltJson(const BoltLimits& bolt)
{
    const BoltFigures shown = PresentBolt(bolt);
    return JsonObject(10)
        .Add("class", shown.className)
        .Add("major_max_mm", JsonMm(bolt.majorMax))
        .Add("major_min_mm", JsonMm(bolt.majorMin))
        .Add("pitch_max_mm", JsonMm(bolt.pitchMax))
        .Add("pitch_min_mm", JsonMm(bolt.pitchMin))
        .Add("root_max_mm", JsonMm(bolt.rootMax))
        .Add("es_um", JsonUm(bolt.es))
        .Add("td_um", JsonUm(bolt.td))
        .Add("td2_um", JsonUm(bolt.td2))
        .Add("display",
             JsonObject(8)
                 .Add("major_max_mm", shown.majorMax)
                 .Add("major_min_mm", shown.majorMin)
                 .Add("pitch_max_mm", shown.pitchMax)
                 .Add("pitch_min_mm", shown.pitchMin)
                 .Add("root_max_mm", shown.rootMax)
                 .Add("es_um", shown.es)
                 .Add("td_um", shown.td)
                 .Add("td2_um", shown.td2)
                 .Take())
        .Take();
}

nlohmann::ordered_json NutJson(const NutLimits& nut)
{
    const NutFigures shown = PresentNut(nut);
    return JsonObject(10)
        .Add("class", shown.className)
        .Add("major_min_mm", JsonMm(nut.majorMin))
        .Add("pitch_max_mm", JsonMm(nut.pitchMax))
        .Add("pitch_min_mm", JsonMm(nut.pitchMin))
        .Add("minor_max_mm", JsonMm(nut.minorMax))
        .Add("minor_min_mm", JsonMm(nut.minorMin))
        .Add("ei_um", JsonUm(nut.ei))
        .Add("td1_um", JsonUm(nut.td1))
        .Add("td2_um", JsonUm(nut.td2))
        .Add("display",
             JsonObject(8)
                 .Add("major_min_mm", shown.majorMin)
                 .Add("pitch_max_mm", shown.pitchMax)
                 .Add("pitch_min_mm", shown.pitchMin)
                 .Add("minor_max_mm", shown.minorMax)
                 .Add("minor_min_mm", shown.minorMin)
                 .Add("ei_um", shown.ei)
                 .Add("td1_um", shown.td1)
                 .Add("td2_um", shown.td2)
                 .Take())
        .Take();
}

nlohmann::ordered_json FitJson(const ThreadFit& fit)
{
    const ThreadFitFigures shown = PresentThreadFit(fit);
    return JsonObject(3)
        .Add("min_clearance_um", JsonUm(fit.minClearance))
        .Add("max_clearance_um", JsonUm(fit.maxClearance))
        .Add("display",
             JsonObject(2)
                 .Add("min_clearance_um", shown.minClearance)
                 .Add("max_clearance_um", shown.maxClearance)
                 .Take())
        .Take();
}

nlohmann::ordered_json UsesJson(const ThreadClass& threadClass)
{
    static constexpr const char* kQualities[] = {"fine", "medium", "coarse"};
    static constexpr const char* kLengths[] = {"S", "N", "L"};
    auto uses = nlohmann::ordered_json::array();
    for (const RecommendedUse& use : RecommendedUsesOf(threadClass))
        uses.push_back(JsonObject(3)
                           .Add("quality", kQualities[static_cast<int>(use.quality)])
                           .Add("length", kLengths[static_cast<int>(use.length)])
                           .Add("bracketed", use.bracketed)
                           .Take());
    return uses;
}

// Where ISO 965-1 recommends the classes asked for: {"nut": [...], "bolt": [...]}, each a list of
// {quality, length, bracketed}, empty where the class is not recommended.
nlohmann::ordered_json RecommendedJson(const std::optional<ThreadClass>& nut, const std::optional<ThreadClass>& bolt)
{
    auto json = nlohmann::ordered_json::object();
    if (nut)
        json["nut"] = UsesJson(*nut);
    if (bolt)
        json["bolt"] = UsesJson(*bolt);
    return json;
}

// One thread's answer; a class the standard gives no values for is a refusal (thread) or a null
// part with its reason (a table's row, where missing is given).
Answer ThreadJson(const ThreadDesignation& thread, nlohmann::ordered_json* missing)
{
    const BasicProfile basic = BasicProfileOf(thread.diameter, thread.pitch);
    auto json = JsonObject(10)
                    .Add("designation", ThreadDesignationName(thread))
                    .Add("diameter_mm", JsonMm(thread.diameter))
                    .Add("pitch_mm", JsonMm(thread.pitch))
                    .Add("series", std::string(SeriesName(thread.series)))
                    .Add("basic", BasicJson(basic))
                    .Take();
    std::optional<BoltLimits> boltLimits;
    std::optional<NutLimits> nutLimits;
    if (thread.bolt) {
        const auto bolt = BoltLimitsOf(basic, thread.pitch, *thread.bolt);
        if (bolt)
            boltLimits = *bolt;
        else if (!missing)
            return ThreadLimitsRefusal(thread, bolt.reason());
        else
            missing->push_back(ThreadLimitsRefusal(thread, bolt.reason()).message);
        json["bolt"] = boltLimits ? BoltJson(*boltLimits) : nlohmann::ordered_json();
    }
    if (thread.nut) {
        const auto nut = NutLimitsOf(basic, thread.pitch, *thread.nut);
        if (nut)
            nutLimits = *nut;
        else if (!missing)
            return ThreadLimitsRefusal(thread, nut.reason());
        else
            missing->push_back(ThreadLimitsRefusal(thread, nut.reason()).message);
        json["nut"] = nutLimits ? NutJson(*nutLimits) : nlohmann::ordered_json();
    }
    if (thread.bolt && thread.nut)
        json["fit"]
            = boltLimits && nutLimits ? FitJson(ThreadFitOf(*nutLimits, *boltLimits)) : nlohmann::ordered_json();
    return json;
}

} // namespace

Answer ThreadAnswer(std::string_view designation)
{
    const auto thread = ParseThreadDesignation(designation);
    if (!thread)
        return ThreadTextRefusal(designation, thread.reason());
    auto json = ThreadJson(*thread, nullptr);
    if (json && (thread->bolt || thread->nut)) {
        auto answer = *json;
        answer["recommended"] = RecommendedJson(thread->nut, thread->bolt);
        return answer;
    }
    return json;
}

Answer ThreadDiagramSvgAnswer(std::string_view designation)
{
    const auto thread = ParseThreadDesignation(designation);
    if (!thread)
        return ThreadTextRefusal(designation, thread.reason());
    if (!thread->nut || !thread->bolt)
        return BadInput("missing_option",
                        "thread " + QuotedInput(designation)
                            + ": the diagram shows a nut and a bolt; give both classes, "
                              "the nut's first, such as M10-6H/6g");
    const BasicProfile basic = BasicProfileOf(thread->diameter, thread->pitch);
    const auto nut = NutLimitsOf(basic, thread->pitch, *thread->nut);
    if (!nut)
        return ThreadLimitsRefusal(*thread, nut.reason());
    const auto bolt = BoltLimitsOf(basic, thread->pitch, *thread->bolt);
    if (!bolt)
        return ThreadLimitsRefusal(*thread, bolt.reason());
    return nlohmann::ordered_json(ThreadDiagramSvg(*thread, basic, *nut, *bolt));
}

Answer ThreadTableAnswer(std::string_view series, std::string_view toleranceClass)
{
    const bool coarse = series == "coarse" || series == "all";
    const bool fine = series == "fine" || series == "all";
    if (!coarse && !fine)
        return BadInput("bad_choice", "series " + QuotedInput(series) + " is not coarse, fine or all");
    const auto classes = ParseThreadClasses(toleranceClass);
    if (!classes)
        return ThreadTextRefusal(toleranceClass, classes.reason(), "class");

    auto rows = nlohmann::ordered_json::array();
    const auto addRow = [&](const Iso261Size& size, std::int32_t pitchUm, PitchSeries pitchSeries) {
        ThreadDesignation thread;
        thread.diameter = ExactLength::FromUm(size.diameterUm);
        thread.pitch = ExactLength::FromUm(pitchUm);
        thread.series = pitchSeries;
        thread.nut = classes->nut;
        thread.bolt = classes->bolt;
        auto missing = nlohmann::ordered_json::array();
        auto row = *ThreadJson(thread, &missing);
        row["designation"] = ThreadName(thread);
        if (!missing.empty())
            row["missing"] = std::move(missing);
        rows.push_back(std::move(row));
    };
    for (const Iso261Size& size : Iso261Sizes()) {
        if (coarse && size.coarsePitchUm != 0)
            addRow(size, size.coarsePitchUm, PitchSeries::Coarse);
        if (fine) {
            for (const std::int32_t pitch : size.FinePitches())
                addRow(size, pitch, PitchSeries::Fine);
        }
    }
    ThreadDesignation named;
    named.nut = classes->nut;
    named.bolt = classes->bolt;
    const std::string designation = ThreadDesignationName(named);
    return JsonObject(4)
        .Add("series", std::string(series))
        .Add("class", designation.substr(designation.find('-') + 1))
        .Add("recommended", RecommendedJson(classes->nut, classes->bolt))
        .Add("rows", std::move(rows))
        .Take();
}
