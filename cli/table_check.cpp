#include "table_check.h"

#include "decimal_text.h"
#include "loaded_tables.h"
#include "scales.h"
#include "table_relations.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <system_error>
#include <tuple>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using Severity = TableProblem::Severity;

// A field of the file for a message: bytes that are no printable ASCII written as \xNN, so that no
// control character or broken UTF-8 reaches the terminal, and cut short.
std::string Printable(std::string_view field)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : field.substr(0, 40)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            text += c;
        } else {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
        }
    }
    return "'" + text + (field.size() > 40 ? "...'" : "'");
}

std::string Plural(std::size_t count, std::string_view one)
{
    return std::to_string(count) + " " + std::string(one) + (count == 1 ? "" : "s");
}

// The reason a cell cannot be read, as the loader reads it; nothing for a good one.
std::optional<std::string> CellProblem(std::string_view field)
{
    if (field == "-")
        return std::nullopt;
    const auto hundredths = ParseFixedPoint(field, 2);
    if (!hundredths && hundredths.reason() == NumberProblem::NotANumber)
        return Printable(field) + " is not a number of micrometres, nor '-' for no value";
    if (!hundredths && hundredths.reason() == NumberProblem::TooPrecise)
        return Printable(field) + " has more than two decimals";
    if (!hundredths || *hundredths > kLargestCellUm * 100 || *hundredths < -kLargestCellUm * 100)
        return Printable(field) + " is beyond ±" + std::to_string(kLargestCellUm) + " µm, larger than any deviation";
    return std::nullopt;
}

class LayoutChecker
{
public:
    LayoutChecker(TableId table, std::vector<TableProblem>& problems)
        : m_table(table)
        , m_columns(TableColumnCount(table))
        , m_problems(problems)
    {
    }

    void Add(Severity severity, int line, int field, std::string why)
    {
        m_problems.push_back({severity, m_table, line, field, std::move(why)});
    }

    // One line, its CR already taken off.
    void CheckLine(std::string_view line, int number)
    {
        if (line.size() > kLongestTableLineBytes) {
            Add(Severity::Error, number, 0, "longer than " + std::to_string(kLongestTableLineBytes) + " bytes");
            return;
        }
        if (line.empty()) {
            Add(Severity::Error, number, 0, "an empty line: " + Plural(m_columns, "field") + " are needed");
            return;
        }
        std::size_t start = 0;
        for (int field = 1;; ++field) {
            const std::size_t space = line.find(' ', start);
            const std::size_t end = space == std::string_view::npos ? line.size() : space;
            const std::string_view text = line.substr(start, end - start);
            if (field > m_columns) {
                // Never read: harmless to the calculations, but a sign of a shifted column.
                Add(Severity::Warning, number, field,
                    "more than " + Plural(m_columns, "field") + ": the rest of the line is never read");
                return;
            }
            if (text.empty()) {
                // The loader cannot tell which column a field after it belongs to.
                Add(Severity::Error, number, field,
                    "an empty field: fields are separated by exactly one space, and later fields are not read");
                return;
            }
            if (const auto why = CellProblem(text))
                Add(Severity::Error, number, field, *why);
            if (space == std::string_view::npos) {
                if (field < m_columns)
                    Add(Severity::Error, number, field + 1,
                        "only " + Plural(field, "field") + ", " + std::to_string(m_columns) + " are needed");
                return;
            }
            start = space + 1;
        }
    }

    void CheckLineCount(std::size_t lines)
    {
        const auto count = static_cast<int>(lines);
        if (count < kFirstBandAbove500Mm) {
            Add(Severity::Error, count + 1, 0,
                "the file ends after " + Plural(lines, "line") + ": " + std::to_string(kFirstBandAbove500Mm)
                    + " are needed for sizes up to 500 mm, " + std::to_string(kCoreSizeBandCount) + " up to "
                    + std::to_string(kLargestSizeMm) + " mm");
        } else if (count == kFirstBandAbove500Mm && kCoreSizeBandCount > kFirstBandAbove500Mm) {
            Add(Severity::Warning, count + 1, 0,
                "no lines above 500 mm (" + std::to_string(kFirstBandAbove500Mm + 1) + " to "
                    + std::to_string(kCoreSizeBandCount) + "): sizes over 500 mm have no values from this file");
        } else if (count < kCoreSizeBandCount) {
            Add(Severity::Error, count + 1, 0,
                "the file ends after " + Plural(lines, "line") + ": the lines above 500 mm run to line "
                    + std::to_string(kCoreSizeBandCount));
        } else if (count > kCoreSizeBandCount) {
            Add(Severity::Warning, kCoreSizeBandCount + 1, 0,
                "lines after line " + std::to_string(kCoreSizeBandCount) + " are never read");
        }
    }

private:
    TableId m_table;
    int m_columns;
    std::vector<TableProblem>& m_problems;
};

// The layout of a file's content, read as ParseTable reads it; returns what the loader makes of it.
LoadedTable CheckContent(std::string_view content, TableId table, std::vector<TableProblem>& problems)
{
    LayoutChecker check(table, problems);
    const LoadedTable loaded = ParseTable(content, table);
    if (loaded.problem == Failure::Kind::TableEmpty) {
        check.Add(Severity::Error, 0, 0, "the file is empty");
        return loaded;
    }
    const auto nul = content.find('\0');
    if (nul != std::string_view::npos) {
        const std::string_view before = content.substr(0, nul);
        const auto lineStart = before.rfind('\n');
        const std::string_view line = lineStart == std::string_view::npos ? before : before.substr(lineStart + 1);
        const auto number = std::count(before.begin(), before.end(), '\n') + 1;
        if (number <= kCoreSizeBandCount) // beyond, nothing is read anyway
            check.Add(Severity::Error, static_cast<int>(number),
                      static_cast<int>(std::count(line.begin(), line.end(), ' ')) + 1,
                      "a NUL byte: the file is read up to the line before it, and no further");
    }
    std::string_view read = content.substr(0, nul);
    if (read.starts_with(kByteOrderMark))
        read.remove_prefix(kByteOrderMark.size());
    std::size_t start = 0;
    for (int number = 1; number <= kCoreSizeBandCount && start < read.size(); ++number) {
        const std::size_t newline = read.find('\n', start);
        if (newline == std::string_view::npos && nul != std::string_view::npos)
            break; // the line of the NUL byte: reported above
        std::string_view line = read.substr(start, newline == std::string_view::npos ? newline : newline - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        check.CheckLine(line, number);
        if (newline == std::string_view::npos)
            break;
        start = newline + 1;
    }
    check.CheckLineCount(loaded.lines.size());
    return loaded;
}

std::string FileProblem(Failure::Kind kind, const std::filesystem::path& path)
{
    std::error_code error;
    switch (kind) {
    case Failure::Kind::TableNotAFile:
        return "not a regular file (a folder, a FIFO or a device)";
    case Failure::Kind::TableTooLarge:
        return "larger than " + std::to_string(kLargestTableFileBytes / 1024) + " KiB, far larger than any table";
    default:
        break;
    }
    if (const auto followed = std::filesystem::status(path, error); error.value() == ELOOP)
        return "missing: a loop of symbolic links";
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))
        && !std::filesystem::exists(path, error))
        return "missing: a link to nothing";
    if (std::filesystem::exists(std::filesystem::symlink_status(path, error)))
        return "cannot be read (no permission?)";
    return "missing";
}

} // namespace

std::vector<TableProblem> CheckTables(const std::filesystem::path& folder)
{
    std::vector<TableProblem> problems;
    std::array<std::optional<LoadedTable>, kTableCount> loaded;
    for (const TableId table : kAllTables) {
        const auto content = ReadTableFile(folder, table);
        if (!content) {
            problems.push_back(
                {Severity::Error, table, 0, 0, FileProblem(content.reason(), folder / TableFileName(table))});
            continue;
        }
        loaded[static_cast<std::size_t>(table)] = CheckContent(*content, table, problems);
    }
    CheckRelations(loaded, problems);
    std::stable_sort(problems.begin(), problems.end(), [](const TableProblem& a, const TableProblem& b) {
        return std::tuple(static_cast<int>(a.table), a.line, a.field)
            < std::tuple(static_cast<int>(b.table), b.line, b.field);
    });
    return problems;
}
