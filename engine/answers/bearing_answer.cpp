#include "answers/bearing_answer.h"

#include "answers/answer_inputs.h"
#include "answers/fit_answers.h"
#include "answers/json_numbers.h"
#include "answers/refusal_text.h"
#include "core/bearings/bearing_fit.h"
#include "core/fit_diagram.h"
#include "presentation/drawing_line.h"

#include <string>

namespace {

const nlohmann::json* Member(const nlohmann::json& options, const char* key)
{
    const auto found = options.find(key);
    return found == options.end() || found->is_null() ? nullptr : &*found;
}

std::string RingName(BearingRing ring, BearingClass bearingClass)
{
    return std::string(ring == BearingRing::Inner ? "bearing inner ring, " : "bearing outer ring, ")
        + std::string(BearingClassName(bearingClass));
}

std::string RingWords(BearingRing ring)
{
    return ring == BearingRing::Inner ? "an inner ring's bore" : "an outer ring's outside diameter";
}

// The seat and ring the options name, analysed; or why not.
Result<BearingFit, AnswerRefusal> ReadBearingFit(const DeviationTables& tables, const nlohmann::json& options)
{
    if (!options.is_object())
        return BadInput("not_options", "the options are not a JSON object");
    for (const auto& [key, value] : options.items()) {
        if (key != "size_mm" && key != "seat" && key != "bearing_class")
            return UnknownOption(key);
    }
    const nlohmann::json* seatValue = Member(options, "seat");
    if (!seatValue)
        return BadInput("missing_option", "seat is missing: a shaft class such as k5 or a housing class such as H7");
    const auto seatText = ReadText(*seatValue, "seat");
    if (!seatText)
        return seatText.reason();
    const auto seat = ReadToleranceClass(*seatText);
    if (!seat)
        return seat.reason();
    BearingClass bearingClass = BearingClass::Normal;
    if (const nlohmann::json* classValue = Member(options, "bearing_class")) {
        const auto text = ReadText(*classValue, "bearing_class");
        if (!text)
            return text.reason();
        const auto parsed = ParseBearingClass(*text);
        if (!parsed)
            return BadInput("bad_choice", "bearing_class " + QuotedInput(*text) + " is not normal, 6 or 5");
        bearingClass = *parsed;
    }
    const nlohmann::json* sizeValue = Member(options, "size_mm");
    if (!sizeValue)
        return BadInput("missing_option", "size_mm is missing");
    const auto size = ReadSizeMm(*sizeValue);
    if (!size)
        return size.reason();

    const auto fit = AnalyseBearingFit(tables, *seat, bearingClass, *size);
    const BearingRing ring = seat->part == Part::Shaft ? BearingRing::Inner : BearingRing::Outer;
    if (fit)
        return *fit;
    {
        if (const auto* failure = std::get_if<Failure>(&fit.reason().reason))
            return RefusalOf(*failure,
                             ClassName(*seat) + " at " + FormatMm(*size) + " mm: " + FailureText(*failure, {}));
        const BearingDiameterRange span = BearingTableSpan(ring);
        return Refused("outside_bearing_tables",
                       "ISO 492 tabulates " + RingWords(ring) + " over " + FormatMm(span.over) + " up to "
                           + FormatMm(span.upTo) + " mm, not " + FormatMm(*size) + " mm");
    }
}

} // namespace

Answer BearingFitAnswer(const DeviationTables& tables, const nlohmann::json& options)
{
    const auto fit = ReadBearingFit(tables, options);
    if (!fit)
        return fit.reason();
    const BearingRing ring = fit->ring.ring;
    const BearingClass bearingClass = fit->ring.bearingClass;
    const ExactLength size = fit->analysis.size;
    auto json = PresentedFitJson(fit->analysis);
    const char* ringKey = ring == BearingRing::Inner ? "hole" : "shaft";
    const char* seatKey = ring == BearingRing::Inner ? "shaft" : "hole";
    json[ringKey]["class"] = RingName(ring, bearingClass);
    json[ringKey].erase("tabulated");
    // The drawing gives the seat its class; the ring's tolerance is the bearing maker's.
    const PartLimits& seatPart = ring == BearingRing::Inner ? fit->analysis.shaft : fit->analysis.hole;
    json["drawing_line"] = SeatDrawingLine(seatPart, size);
    json["bearing"] = {{"ring", ring == BearingRing::Inner ? "inner" : "outer"},
                       {"class", std::string(BearingClassName(bearingClass))},
                       {"standard", "ISO 492"},
                       {"over_mm", JsonMm(fit->ring.range.over)},
                       {"up_to_mm", JsonMm(fit->ring.range.upTo)},
                       {"seat", seatKey}};
    return json;
}

Answer BearingDiagramSvgAnswer(const DeviationTables& tables, const nlohmann::json& options)
{
    const auto fit = ReadBearingFit(tables, options);
    if (!fit)
        return fit.reason();
    return nlohmann::ordered_json(FitDiagramSvg(fit->analysis));
}
