#include "answers/general_answer.h"
#include "cli/cli_text.h"
#include "cli/commands.h"

#include <ostream>

namespace {

// "0.5 up to 3 mm", "over 30 up to 120 mm", "over 6 mm", "up to 10 mm", "any length", from a row's
// numbers as the answer gives them.
std::string RangeWords(const nlohmann::ordered_json& row)
{
    const auto mm = [](const nlohmann::ordered_json& value) {
        return value.dump();
    };
    const bool from = !row["over_mm"].is_null();
    const bool to = !row["up_to_mm"].is_null();
    if (!from && !to)
        return "any length";
    if (!from)
        return "up to " + mm(row["up_to_mm"]) + " mm";
    const std::string lower = (row["includes_over"].get<bool>() ? "" : "over ") + mm(row["over_mm"]);
    return to ? lower + " up to " + mm(row["up_to_mm"]) + " mm" : lower + " mm";
}

void WriteTable(const char* title, const nlohmann::ordered_json& table, std::ostream& out)
{
    out << title << " (" << table["source"].get<std::string>() << "):\n";
    for (const auto& row : table["rows"]) {
        const std::string range = RangeWords(row);
        out << "  " << range << std::string(range.size() < 24 ? 24 - range.size() : 1, ' ')
            << (row["display"].is_null() ? std::string("-") : row["display"].get<std::string>()) << '\n';
    }
}

void WriteTableText(const nlohmann::ordered_json& answer, std::ostream& out)
{
    if (answer.contains("linear")) {
        WriteTable("linear sizes", answer["linear"], out);
        WriteTable("broken edges (external radii, chamfer heights)", answer["edge"], out);
        WriteTable("angles, by the shorter side", answer["angle"], out);
    }
    if (answer.contains("geometrical")) {
        const auto& geometrical = answer["geometrical"];
        WriteTable("straightness and flatness", geometrical["straightness_flatness"], out);
        WriteTable("perpendicularity, by the shorter side", geometrical["perpendicularity"], out);
        WriteTable("symmetry", geometrical["symmetry"], out);
        WriteTable("circular run-out", geometrical["runout"], out);
        out << "features without a table:\n";
        for (const auto& rule : answer["rules"])
            out << "  " << rule["feature"].get<std::string>() << ": " << rule["rule"].get<std::string>() << '\n';
    }
}

} // namespace

int RunGeneral(const GeneralRequest& request, std::ostream& out, std::ostream& err)
{
    nlohmann::json options = {{"class", request.classText}};
    if (request.standard)
        options["standard"] = *request.standard;
    if (request.table) {
        if (request.sizeText || request.edge || request.angle || request.feature)
            return UsageError(err, "--table takes only --class, --standard and --json, not a size");
        const Answer answer = GeneralTableAnswer(options);
        if (!answer)
            return RefusalExit(answer.reason(), err);
        if (request.json)
            out << answer->dump() << '\n';
        else
            WriteTableText(*answer, out);
        return kExitResult;
    }
    if (!request.sizeText)
        return UsageError(err, "general needs a SIZE, or --table");
    if (request.edge && request.angle)
        return UsageError(err, "give --edge or --angle, not both");
    if (request.feature && (request.edge || request.angle))
        return UsageError(err, "--feature is a geometrical tolerance: not with --edge or --angle");
    options["size_mm"] = *request.sizeText;
    if (request.edge)
        options["kind"] = "edge";
    if (request.angle)
        options["kind"] = "angle";
    if (request.feature)
        options["feature"] = *request.feature;
    const Answer answer = GeneralAnswer(options);
    if (!answer)
        return RefusalExit(answer.reason(), err);
    if (request.json)
        out << answer->dump() << '\n';
    else
        out << (*answer)["display"]["line"].get<std::string>() << '\n';
    return kExitResult;
}
