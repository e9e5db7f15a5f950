#include "core/loaded_tables.h"

#include "core/decimal_text.h"
#include "core/limit_deviations.h"
#include "core/scales.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the file however the reading ends.
class FileDescriptor
{
public:
    explicit FileDescriptor(int descriptor)
        : m_descriptor(descriptor)
    {
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { ::close(m_descriptor); }
    int Get() const { return m_descriptor; }

private:
    int m_descriptor;
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using Reason = TableFinding::Reason;
using Severity = TableFinding::Severity;

// Where the parser says what it finds: nowhere when loading, into a check's list when checking.
class FindingSink
{
public:
    FindingSink(TableId table, std::vector<TableFinding>* findings)
        : m_table(table)
        , m_findings(findings)
    {
    }

    void Add(Severity severity, Reason reason, int line, int field, std::string_view text = {}, int count = 0)
    {
        if (m_findings)
            m_findings->push_back({severity, m_table, line, field, reason,
                                   std::string(text.substr(0, kFindingTextBytes + 1)), count, std::nullopt});
    }

    // The same table, silent: for lines that no calculation reads.
    FindingSink Silent() const { return {m_table, nullptr}; }

private:
    TableId m_table;
    std::vector<TableFinding>* m_findings;
};

Result<TableCell, Reason> ParseCell(std::string_view field)
{
    if (field == "-")
        return TableCell {TableCell::Kind::NoValue, {}};
    // Hundredths of a micrometre at most: finer than any table value, and coarse enough that every
    // mean of two deviations stays a whole number of nanometres.
    const auto hundredths = ParseFixedPoint(field, 2);
    if (!hundredths && hundredths.reason() == NumberProblem::NotANumber)
        return Reason::FieldNotANumber;
    if (!hundredths && hundredths.reason() == NumberProblem::TooPrecise)
        return Reason::FieldTooPrecise;
    if (!hundredths || *hundredths > kLargestCellUm * 100 || *hundredths < -kLargestCellUm * 100)
        return Reason::FieldTooLarge;
    return TableCell {TableCell::Kind::Value, ExactLength {*hundredths * 10}};
}

// One line, its CR already taken off; number is its 1-based line number.
std::vector<TableCell> ParseLine(std::string_view line, int columnCount, int number, FindingSink& sink)
{
    std::vector<TableCell> cells(static_cast<std::size_t>(columnCount)); // Malformed until parsed
    if (line.size() > kLongestTableLineBytes) {
        sink.Add(Severity::Error, Reason::LineTooLong, number, 0);
        return cells;
    }
    if (line.empty()) {
        sink.Add(Severity::Error, Reason::LineEmpty, number, 0);
        return cells;
    }
    std::size_t start = 0;
    for (int field = 1;; ++field) {
        if (field > columnCount) {
            // Never read: harmless to the calculations, but a sign of a shifted column.
            sink.Add(Severity::Warning, Reason::FieldsBeyondLast, number, field);
            break;
        }
        const std::size_t space = line.find(' ', start);
        const std::string_view text = line.substr(start, space == std::string_view::npos ? space : space - start);
        if (text.empty()) {
            // An empty field shifts every later column: none of them can be trusted.
            sink.Add(Severity::Error, Reason::FieldEmpty, number, field);
            break;
        }
        const auto cell = ParseCell(text);
        if (cell)
            cells[static_cast<std::size_t>(field - 1)] = *cell;
        else
            sink.Add(Severity::Error, cell.reason(), number, field, text);
        if (space == std::string_view::npos) {
            if (field < columnCount)
                sink.Add(Severity::Error, Reason::FieldsTooFew, number, field + 1, {}, field);
            break;
        }
        start = space + 1;
    }
    return cells;
}

// Where the NUL byte at nul of content is: the line, and the field it falls in.
void AddNulByte(std::string_view content, std::size_t nul, FindingSink& sink)
{
    const std::string_view before = content.substr(0, nul);
    const auto lineStart = before.rfind('\n');
    const std::string_view line = lineStart == std::string_view::npos ? before : before.substr(lineStart + 1);
    const auto number = std::count(before.begin(), before.end(), '\n') + 1;
    if (number <= kCoreSizeBandCount) // beyond, nothing is read anyway
        sink.Add(Severity::Error, Reason::NulByte, static_cast<int>(number),
                 static_cast<int>(std::count(line.begin(), line.end(), ' ')) + 1);
}

void AddLineCount(std::size_t lines, FindingSink& sink)
{
    const auto count = static_cast<int>(lines);
    if (count < kFirstBandAbove500Mm)
        sink.Add(Severity::Error, Reason::EndsBefore500Mm, count + 1, 0, {}, count);
    else if (count == kFirstBandAbove500Mm && kCoreSizeBandCount > kFirstBandAbove500Mm)
        sink.Add(Severity::Warning, Reason::NoLinesAbove500Mm, count + 1, 0, {}, count);
    else if (count < kCoreSizeBandCount)
        sink.Add(Severity::Error, Reason::EndsAbove500Mm, count + 1, 0, {}, count);
    else if (count > kCoreSizeBandCount)
        sink.Add(Severity::Warning, Reason::LinesBeyondLast, kCoreSizeBandCount + 1, 0, {}, count);
}

} // namespace

static_assert(kMostTableLines > static_cast<std::size_t>(kCoreSizeBandCount), "every line a calculation reads is kept");

LoadedTable ParseTable(std::string_view content, TableId table, std::vector<TableFinding>* findings)
{
    FindingSink sink(table, findings);
    LoadedTable loaded;
    if (content.substr(content.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0).find_first_not_of(" \t\r\n")
        == std::string_view::npos) {
        loaded.problem = Failure::Kind::TableEmpty;
        sink.Add(Severity::Error, Reason::FileEmpty, 0, 0);
        return loaded;
    }
    const auto nul = content.find('\0');
    const bool cutAtNul = nul != std::string_view::npos;
    if (cutAtNul) {
        AddNulByte(content, nul, sink);
        content = content.substr(0, nul);
    }
    if (content.starts_with(kByteOrderMark))
        content.remove_prefix(kByteOrderMark.size());

    const int columnCount = TableColumnCount(table);
    FindingSink silent = sink.Silent();
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
        const int number = static_cast<int>(loaded.lines.size()) + 1;
        loaded.lines.push_back(ParseLine(line, columnCount, number, number <= kCoreSizeBandCount ? sink : silent));
        if (lastLine || loaded.lines.size() == kMostTableLines)
            break;
        start = newline + 1;
    }
    AddLineCount(loaded.lines.size(), sink);
    return loaded;
}

Result<std::string, Failure::Kind> ReadTableFile(const std::filesystem::path& folder, TableId table)
{
    const std::filesystem::path path = folder / TableFileName(table);
    // Opened first and then looked at through the handle, never looked up by name before: a file
    // swapped for a FIFO between a check and the open would block the open for ever. Non-blocking,
    // the open of a FIFO returns at once and fstat names it; no terminal becomes ours.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return errno == EISDIR ? Failure::Kind::TableNotAFile : Failure::Kind::TableMissing;
    const FileDescriptor file {descriptor};
    struct stat status
    {
    };
    if (::fstat(file.Get(), &status) != 0)
        return Failure::Kind::TableMissing;
    if (!S_ISREG(status.st_mode))
        return Failure::Kind::TableNotAFile;
    if (static_cast<std::uintmax_t>(status.st_size) > kLargestTableFileBytes)
        return Failure::Kind::TableTooLarge;

    // The size may change while reading: never hold more than the cap and one chunk past it.
    std::string content;
    content.reserve(static_cast<std::size_t>(status.st_size) + 1);
    char chunk[16384];
    while (content.size() <= kLargestTableFileBytes) {
        const ssize_t count = ::read(file.Get(), chunk, sizeof chunk);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return Failure::Kind::TableMissing;
        if (count == 0)
            break;
        content.append(chunk, static_cast<std::size_t>(count));
    }
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

DeviationTables LoadDeviationTablesFor(const std::filesystem::path& folder, std::span<const ToleranceClass> classes)
{
    std::array<bool, kTableCount> needed {};
    for (const ToleranceClass& toleranceClass : classes) {
        needed[static_cast<std::size_t>(FundamentalDeviationTable(toleranceClass))] = true;
        needed[static_cast<std::size_t>(TableId::Delta)] |= toleranceClass.part == Part::Hole;
    }
    DeviationTables tables;
    for (const TableId table : kAllTables) {
        if (needed[static_cast<std::size_t>(table)])
            tables.tables[static_cast<std::size_t>(table)] = LoadTable(folder, table);
    }
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
