#include "answers/table_check_text.h"

#include "core/loaded_tables.h"
#include "core/printable_text.h"
#include "core/scales.h"
#include "core/table_check.h"

#include <system_error>

namespace {

using Reason = TableFinding::Reason;

// A field of the file for a message: bytes that are no printable ASCII written as \xNN, so that no
// control character or broken UTF-8 reaches the terminal, and cut short.
std::string Escaped(std::string_view field)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text = "'";
    for (const char c : field.substr(0, kFindingTextBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
        }
    }
    return text + (field.size() > kFindingTextBytes ? "...'" : "'");
}

std::string Plural(int count, std::string_view one)
{
    return std::to_string(count) + " " + std::string(one) + (count == 1 ? "" : "s");
}

std::string ValueWords(const std::optional<ExactLength>& value)
{
    return value ? SignedUm(*value) + " µm" : "'-' (no value)";
}

// "EI of D", "ES of T (before Δ)", "ES of M coarser than IT8", "ei of k (IT4 to IT7)", "Δ of IT7".
std::string CellWords(const CellMeaning& cell)
{
    using Deviation = CellMeaning::Deviation;
    using Grades = CellMeaning::Grades;
    if (cell.deviation == Deviation::Delta)
        return "Δ of " + std::string(kCoreGradeNames[static_cast<std::size_t>(cell.grade)]);
    const bool hole = cell.part == Part::Hole;
    const bool upper = cell.deviation == Deviation::Upper;
    std::string words = hole ? (upper ? "ES of " : "EI of ") : (upper ? "es of " : "ei of ");
    words += (hole ? kHoleLetters : kShaftLetters)[static_cast<std::size_t>(cell.letter)];
    switch (cell.grades) {
    case Grades::Every:
        break;
    case Grades::UpToIT8:
        words += " up to IT8";
        break;
    case Grades::CoarserThanIT8:
        words += " coarser than IT8";
        break;
    case Grades::IT4ToIT7:
        words += " (IT4 to IT7)";
        break;
    }
    return words + (cell.beforeDelta ? " (before Δ)" : "");
}

std::string RuleWords(const BrokenRelation& relation)
{
    switch (relation.rule) {
    case BrokenRelation::Rule::Mirrored:
        return "-" + CellWords(relation.other) + " (" + std::string(TableFileName(relation.otherTable)) + ":"
            + std::to_string(relation.otherLine) + ":" + std::to_string(relation.otherField) + ")";
    case BrokenRelation::Rule::Above500Mm:
        return "the standard above 500 mm";
    case BrokenRelation::Rule::UpTo3Mm:
        return "the standard up to 3 mm";
    case BrokenRelation::Rule::GradeStep:
        return std::string(kCoreGradeNames[static_cast<std::size_t>(relation.cell.grade)]) + " - "
            + std::string(kCoreGradeNames[static_cast<std::size_t>(relation.cell.grade - 1)]);
    }
    return "a relation";
}

std::string RelationWords(const BrokenRelation& relation)
{
    return CellWords(relation.cell) + " is " + ValueWords(relation.actual) + ", but " + RuleWords(relation) + " gives "
        + ValueWords(relation.expected);
}

} // namespace

std::string TableFindingText(const TableFinding& finding)
{
    const int columns = TableColumnCount(finding.table);
    switch (finding.reason) {
    case Reason::FileMissing:
        return "missing";
    case Reason::FileLinkLoop:
        return "missing: a loop of symbolic links";
    case Reason::FileLinkToNothing:
        return "missing: a link to nothing";
    case Reason::FileUnreadable:
        return "cannot be read (no permission?)";
    case Reason::FileNotRegular:
        return "not a regular file (a folder, a FIFO or a device)";
    case Reason::FileTooLarge:
        return "larger than " + std::to_string(kLargestTableFileBytes / 1024) + " KiB, far larger than any table";
    case Reason::FileEmpty:
        return "the file is empty";
    case Reason::LineTooLong:
        return "longer than " + std::to_string(kLongestTableLineBytes) + " bytes";
    case Reason::LineEmpty:
        return "an empty line: " + Plural(columns, "field") + " are needed";
    case Reason::FieldEmpty:
        return "an empty field: fields are separated by exactly one space, and later fields are not read";
    case Reason::FieldNotANumber:
        return Escaped(finding.text) + " is not a number of micrometres, nor '-' for no value";
    case Reason::FieldTooPrecise:
        return Escaped(finding.text) + " has more than two decimals";
    case Reason::FieldTooLarge:
        return Escaped(finding.text) + " is beyond ±" + std::to_string(kLargestCellUm)
            + " µm, larger than any deviation";
    case Reason::FieldsTooFew:
        return "only " + Plural(finding.count, "field") + ", " + std::to_string(columns) + " are needed";
    case Reason::FieldsBeyondLast:
        return "more than " + Plural(columns, "field") + ": the rest of the line is never read";
    case Reason::NulByte:
        return "a NUL byte: the file is read up to the line before it, and no further";
    case Reason::EndsBefore500Mm:
        return "the file ends after " + Plural(finding.count, "line") + ": " + std::to_string(kFirstBandAbove500Mm)
            + " are needed for sizes up to 500 mm, " + std::to_string(kCoreSizeBandCount) + " up to "
            + std::to_string(kLargestSizeMm) + " mm";
    case Reason::NoLinesAbove500Mm:
        return "no lines above 500 mm (" + std::to_string(kFirstBandAbove500Mm + 1) + " to "
            + std::to_string(kCoreSizeBandCount) + "): sizes over 500 mm have no values from this file";
    case Reason::EndsAbove500Mm:
        return "the file ends after " + Plural(finding.count, "line") + ": the lines above 500 mm run to line "
            + std::to_string(kCoreSizeBandCount);
    case Reason::LinesBeyondLast:
        return "lines after line " + std::to_string(kCoreSizeBandCount) + " are never read";
    case Reason::RelationBroken:
        return finding.relation ? RelationWords(*finding.relation) : "breaks a relation between cells";
    }
    return "a problem";
}

std::string_view SeverityName(TableFinding::Severity severity)
{
    return severity == TableFinding::Severity::Error ? "error" : "warning";
}

std::string TableFileText(const std::filesystem::path& folder, TableId table)
{
    return PathText(folder / TableFileName(table));
}

nlohmann::ordered_json TableFindingsJson(const std::vector<TableFinding>& findings, const std::filesystem::path& folder)
{
    nlohmann::ordered_json entries = nlohmann::ordered_json::array();
    for (const TableFinding& finding : findings)
        entries.push_back({{"file", TableFileText(folder, finding.table)},
                           {"line", finding.line},
                           {"field", finding.field},
                           {"severity", SeverityName(finding.severity)},
                           {"reason", TableFindingText(finding)}});
    return entries;
}

Answer CheckTablesAnswer(const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder.empty() ? std::filesystem::path(".") : folder, error))
        return BadInput("tables_not_a_folder", "tables '" + PathText(folder) + "' is not a folder");
    return TableFindingsJson(CheckTables(folder), folder);
}
