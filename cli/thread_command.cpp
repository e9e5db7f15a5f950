#include "answers/thread_answers.h"
#include "cli/cli_text.h"
#include "cli/commands.h"

#include <ostream>

// The thread command prints what the engine's answer holds: its display texts, never a number of
// its own.

namespace {

using Json = nlohmann::ordered_json;

std::string Shown(const Json& part, const char* key)
{
    return part.at("display").at(key).get<std::string>();
}

std::string UsesText(const Json& uses)
{
    std::string text;
    for (const Json& use : uses) {
        const bool bracketed = use.at("bracketed").get<bool>();
        text += (text.empty() ? "" : ", ") + std::string(bracketed ? "(" : "") + use.at("quality").get<std::string>()
            + " " + use.at("length").get<std::string>() + (bracketed ? ")" : "");
    }
    return text.empty() ? "not recommended" : text;
}

void WriteThread(const Json& answer, std::ostream& out)
{
    const Json& basic = answer.at("basic");
    out << answer.at("designation").get<std::string>() << ": pitch " << answer.at("pitch_mm").dump() << " mm ("
        << answer.at("series").get<std::string>() << ")\n";
    out << "basic  d = D " << Shown(basic, "major_mm") << ", d2 = D2 " << Shown(basic, "pitch_mm") << ", d1 = D1 "
        << Shown(basic, "minor_mm") << ", d3 " << Shown(basic, "root_mm") << " mm\n";
    if (answer.contains("nut")) {
        const Json& nut = answer.at("nut");
        out << "nut " << nut.at("class").get<std::string>() << ": D min " << Shown(nut, "major_min_mm") << "; D2 "
            << Shown(nut, "pitch_min_mm") << " to " << Shown(nut, "pitch_max_mm") << "; D1 "
            << Shown(nut, "minor_min_mm") << " to " << Shown(nut, "minor_max_mm") << " mm; EI " << Shown(nut, "ei_um")
            << ", TD2 " << Shown(nut, "td2_um") << ", TD1 " << Shown(nut, "td1_um") << " µm\n";
    }
    if (answer.contains("bolt")) {
        const Json& bolt = answer.at("bolt");
        out << "bolt " << bolt.at("class").get<std::string>() << ": d " << Shown(bolt, "major_min_mm") << " to "
            << Shown(bolt, "major_max_mm") << "; d2 " << Shown(bolt, "pitch_min_mm") << " to "
            << Shown(bolt, "pitch_max_mm") << "; d3 max " << Shown(bolt, "root_max_mm") << " mm; es "
            << Shown(bolt, "es_um") << ", Td2 " << Shown(bolt, "td2_um") << ", Td " << Shown(bolt, "td_um") << " µm\n";
    }
    if (answer.contains("fit")) {
        const Json& fit = answer.at("fit");
        out << "fit: clearance at the pitch diameter " << Shown(fit, "min_clearance_um") << " to "
            << Shown(fit, "max_clearance_um") << " µm\n";
    }
    if (answer.contains("recommended")) {
        for (const auto& [part, uses] : answer.at("recommended").items())
            out << "recommended (ISO 965-1), " << part << " " << answer.at(part).at("class").get<std::string>() << ": "
                << UsesText(uses) << '\n';
    }
}

// One CSV line of a part, its limits in the columns it has (a nut has no major maximum and no root, a
// bolt no minor diameters); a part the standard gives no values for has only its reason.
void WritePartRow(const std::string& thread, const char* part, const std::string& className, const Json& limits,
                  const std::string& note, std::string& text)
{
    static constexpr const char* kColumns[] = {"major_max_mm", "major_min_mm", "pitch_max_mm", "pitch_min_mm",
                                               "minor_max_mm", "minor_min_mm", "root_max_mm"};
    text += thread + "," + part + "," + className;
    for (const char* column : kColumns) {
        text += ',';
        if (!limits.is_null() && limits.at("display").contains(column))
            text += Shown(limits, column);
    }
    text += "," + (note.find(',') == std::string::npos ? note : "\"" + note + "\"") + "\n";
}

void WriteTableCsv(const Json& answer, std::ostream& out)
{
    std::string text = "thread,part,class,major_max_mm,major_min_mm,pitch_max_mm,pitch_min_mm,minor_max_mm,"
                       "minor_min_mm,root_max_mm,note\n";
    const std::string& classes = answer.at("class").get_ref<const std::string&>();
    const auto slash = classes.find('/');
    const std::string nutClass = slash == std::string::npos ? classes : classes.substr(0, slash);
    const std::string boltClass = slash == std::string::npos ? classes : classes.substr(slash + 1);
    for (const Json& row : answer.at("rows")) {
        const std::string thread = row.at("designation").get<std::string>();
        std::string note;
        if (row.contains("missing"))
            note = row.at("missing").at(0).get<std::string>();
        if (row.contains("nut"))
            WritePartRow(thread, "nut", nutClass, row.at("nut"), row.at("nut").is_null() ? note : "", text);
        if (row.contains("bolt")) {
            const bool nutMissing = row.contains("nut") && row.at("nut").is_null();
            const std::string boltNote
                = row.at("bolt").is_null() ? row.at("missing").at(nutMissing ? 1 : 0).get<std::string>() : "";
            WritePartRow(thread, "bolt", boltClass, row.at("bolt"), boltNote, text);
        }
    }
    out << text;
}

} // namespace

int RunThread(const ThreadRequest& request, std::ostream& out, std::ostream& err)
{
    if (request.table && !request.designation.empty())
        return UsageError(err, "thread takes a DESIGNATION or --table, not both");
    if (!request.table && (request.series || request.classText))
        return UsageError(err, "--series and --class go with --table");
    if (!request.table && request.designation.empty())
        return UsageError(err, "thread needs a DESIGNATION such as M10-6H/6g, or --table");
    const Answer answer = request.table
        ? ThreadTableAnswer(request.series.value_or("coarse"),
                            request.classText.value_or(std::string(kDefaultThreadTableClass)))
        : ThreadAnswer(request.designation);
    if (!answer)
        return RefusalExit(answer.reason(), err);
    if (request.json)
        out << answer->dump() << '\n';
    else if (request.table)
        WriteTableCsv(*answer, out);
    else
        WriteThread(*answer, out);
    return kExitResult;
}
