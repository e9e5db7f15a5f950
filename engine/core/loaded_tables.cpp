#include "loaded_tables.h"

#include "decimal_text.h"
#include "scales.h"

#include <fstream>
#include <string>
#include <system_error>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

TableCell ParseCell(std::string_view field)
{
    if (field == "-")
        return {TableCell::Kind::NoValue, {}};
    // Hundredths of a micrometre at most: finer than any table value, and coarse enough that every
    // mean of two deviations stays a whole number of nanometres.
    const auto hundredths = ParseFixedPoint(field, 2);
    if (!hundredths || *hundredths > kLargestCellUm * 100 || *hundredths < -kLargestCellUm * 100)
        return {};
    return {TableCell::Kind::Value, ExactLength {*hundredths * 10}};
}

std::vector<TableCell> ParseLine(std::string_view line, int columnCount)
{
    std::vector<TableCell> cells(static_cast<std::size_t>(columnCount)); // Malformed until parsed
    if (line.size() > kLongestTableLineBytes)
        return cells;
    std::size_t start = 0;
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const std::size_t space = line.find(' ', start);
        const std::size_t end = space == std::string_view::npos ? line.size() : space;
        if (end == start)
            break; // an empty field shifts every later column: none of them can be trusted
        cells[column] = ParseCell(line.substr(start, end - start));
        if (space == std::string_view::npos)
            break;
        start = space + 1;
    }
    return cells;
}

} // namespace

static_assert(kMostTableLines > static_cast<std::size_t>(kCoreSizeBandCount), "every line a calculation reads is kept");

LoadedTable ParseTable(std::string_view content, TableId table)
{
    LoadedTable loaded;
    if (content.substr(content.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0).find_first_not_of(" \t\r\n")
        == std::string_view::npos) {
        loaded.problem = Failure::Kind::TableEmpty;
        return loaded;
    }
    const auto nul = content.find('\0');
    const bool cutAtNul = nul != std::string_view::npos;
    if (cutAtNul)
        content = content.substr(0, nul);
    if (content.starts_with(kByteOrderMark))
        content.remove_prefix(kByteOrderMark.size());

    const int columnCount = TableColumnCount(table);
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t newline = content.find('\n', start);
        const bool lastLine = newline == std::string_view::npos;
        std::string_view line = content.substr(start, lastLine ? std::string_view::npos : newline - start);
        if (lastLine && cutAtNul) {
            loaded.lines.emplace_back(static_cast<std::size_t>(columnCount)); // the NUL's line: malformed
            break;
        }
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        loaded.lines.push_back(ParseLine(line, columnCount));
        if (lastLine || loaded.lines.size() == kMostTableLines)
            break;
        start = newline + 1;
    }
    return loaded;
}

Result<std::string, Failure::Kind> ReadTableFile(const std::filesystem::path& folder, TableId table)
{
    const std::filesystem::path path = folder / TableFileName(table);
    // Looked at before it is opened, so that a FIFO or a device is never opened (which could block
    // or flood the program) and a folder is named as such.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return Failure::Kind::TableMissing;
    if (!std::filesystem::is_regular_file(status))
        return Failure::Kind::TableNotAFile;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error)
        return Failure::Kind::TableMissing;
    if (size > kLargestTableFileBytes)
        return Failure::Kind::TableTooLarge;

    std::ifstream file(path, std::ios::binary);
    if (!file)
        return Failure::Kind::TableMissing;
    // The size may change while reading: never hold more than the cap and one chunk past it.
    std::string content;
    content.reserve(static_cast<std::size_t>(size) + 1);
    char chunk[16384];
    while (content.size() <= kLargestTableFileBytes && file) {
        file.read(chunk, sizeof chunk);
        content.append(chunk, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad())
        return Failure::Kind::TableMissing;
    if (content.size() > kLargestTableFileBytes)
        return Failure::Kind::TableTooLarge;
    return content;
}

LoadedTable LoadTable(const std::filesystem::path& folder, TableId table)
{
    const auto content = ReadTableFile(folder, table);
    if (!content)
        return {content.reason(), {}};
    return ParseTable(*content, table);
}

DeviationTables LoadDeviationTables(const std::filesystem::path& folder)
{
    DeviationTables tables;
    for (const TableId table : kAllTables)
        tables.tables[static_cast<std::size_t>(table)] = LoadTable(folder, table);
    return tables;
}

Result<std::optional<ExactLength>, Failure> CellAt(const LoadedTable& loaded, TableId table, int line, int column)
{
    if (loaded.problem)
        return Failure {*loaded.problem, table, 0, 0};
    const Failure malformed {Failure::Kind::TableMalformed, table, line + 1, column + 1};
    if (line < 0 || column < 0 || column >= TableColumnCount(table))
        return malformed;
    if (static_cast<std::size_t>(line) >= loaded.lines.size()) {
        // A file of the 25 lines up to 500 mm is whole for those sizes; it only lacks the lines above.
        if (line >= kFirstBandAbove500Mm)
            return Failure {Failure::Kind::TableLineMissing, table, line + 1, 0};
        return malformed;
    }
    const TableCell& cell = loaded.lines[static_cast<std::size_t>(line)][static_cast<std::size_t>(column)];
    switch (cell.kind) {
    case TableCell::Kind::Value:
        return std::optional<ExactLength>(cell.value);
    case TableCell::Kind::NoValue:
        return std::optional<ExactLength>();
    case TableCell::Kind::Malformed:
        break;
    }
    return malformed;
}
