#include "answers/bearing_answer.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "core/loaded_tables.h"
#include "core/tolerance_class.h"
#include "presentation/fit_presentation.h"

#include <ostream>
#include <span>

namespace {

std::string Text(const nlohmann::ordered_json& value)
{
    return value.get<std::string>();
}

void WritePart(std::string_view label, const nlohmann::ordered_json& part, std::ostream& out)
{
    const auto& shown = part["display"];
    out << label << Text(part["class"]) << ": upper " << Text(shown["upper_um"]) << " µm, lower "
        << Text(shown["lower_um"]) << " µm; limits " << Text(shown["max_mm"]) << " / " << Text(shown["min_mm"])
        << " mm; tolerance " << Text(shown["tolerance_um"]) << " µm\n";
}

void WriteText(const nlohmann::ordered_json& answer, std::ostream& out)
{
    const bool innerRing = answer["bearing"]["ring"] == "inner";
    const auto& seat = innerRing ? answer["shaft"] : answer["hole"];
    const auto& ring = innerRing ? answer["hole"] : answer["shaft"];
    out << "Ø" << answer["size_mm"].dump() << " bearing seat " << Text(seat["class"]) << ", " << Text(ring["class"])
        << ": " << Text(answer["type"]) << " fit\n";
    WritePart(innerRing ? "ring  " : "ring  ", ring, out);
    WritePart(innerRing ? "shaft " : "housing ", seat, out);
    for (const auto& figure : answer["figures"])
        out << EnglishCaption(Text(figure["key"])) << ' ' << Text(figure["display_um"]) << " µm\n";
    out << EnglishCaption("drawing_line") << ' ' << Text(answer["drawing_line"]) << '\n';
}

} // namespace

int RunBearingFit(const BearingFitRequest& request, std::ostream& out, std::ostream& err)
{
    if (request.shaft.has_value() == request.housing.has_value())
        return UsageError(err, "give the seat as --shaft CLASS (inner ring) or --housing CLASS (outer ring)");
    nlohmann::json options
        = {{"size_mm", request.sizeText}, {"seat", request.shaft ? *request.shaft : *request.housing}};
    if (request.bearingClass)
        options["bearing_class"] = *request.bearingClass;
    // A shaft seat takes a shaft class, a housing a hole class: say so rather than seat the other ring.
    const std::string& seat = options["seat"].get_ref<const std::string&>();
    const bool lowerCase = !seat.empty() && seat[0] >= 'a' && seat[0] <= 'z';
    const bool upperCase = !seat.empty() && seat[0] >= 'A' && seat[0] <= 'Z';
    if (request.shaft && upperCase)
        return UsageError(err, "--shaft " + Quoted(seat) + " is a hole class: a shaft seat takes one such as k5");
    if (request.housing && lowerCase)
        return UsageError(err, "--housing " + Quoted(seat) + " is a shaft class: a housing takes one such as H7");
    // The ring's limits come from ISO 492: only the seat's files are read. A class that does not
    // read is the answer's to refuse, with every file at hand.
    const auto seatClass = ParseToleranceClass(seat);
    const DeviationTables tables = seatClass ? LoadDeviationTablesFor(request.tables, std::span(&*seatClass, 1))
                                             : LoadDeviationTables(request.tables);
    const Answer answer = BearingFitAnswer(tables, options);
    if (!answer)
        return RefusalExit(answer.reason(), err);
    if (request.json)
        out << answer->dump() << '\n';
    else
        WriteText(*answer, out);
    return kExitResult;
}
