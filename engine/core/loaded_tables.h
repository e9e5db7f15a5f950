#pragma once

#include "core/exact_length.h"
#include "core/failure.h"
#include "core/result.h"
#include "core/table_findings.h"
#include "core/table_id.h"
#include "core/tolerance_class.h"

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The deviation table files held in memory: each file read once, in one pass, and each cell parsed
// once. A problem stays with what it spoils: a missing file fails only what reads that file, a
// malformed cell only what reads that cell.

struct TableCell
{
    enum class Kind {
        Value, // a decimal number of micrometres
        NoValue, // a lone "-": the standard gives no value here
        Malformed, // anything else, an empty field, or a number no limits table can hold
    };
    Kind kind = Kind::Malformed;
    ExactLength value;
};

struct LoadedTable
{
    // Set when the file as a whole could not be read (TableMissing, TableNotAFile or TableTooLarge)
    // or holds nothing to read (TableEmpty).
    std::optional<Failure::Kind> problem;
    // One entry per line; each line holds the table's column count of cells (missing ones Malformed).
    std::vector<std::vector<TableCell>> lines;
};

struct DeviationTables
{
    std::array<LoadedTable, kTableCount> tables;

    const LoadedTable& operator[](TableId table) const { return tables[static_cast<std::size_t>(table)]; }
};

// Files larger than this are no table (a real one is a few kilobytes) and are refused unread.
inline constexpr std::size_t kLargestTableFileBytes = 1 << 20;
// A line longer than this is malformed; a real line is about a hundred bytes.
inline constexpr std::size_t kLongestTableLineBytes = 4096;
// A cell beyond this many micrometres is no fundamental deviation or delta of any size.
inline constexpr std::int64_t kLargestCellUm = 10'000;
// Lines after this many are never read by any calculation, and are not kept: a file of a million
// empty lines would otherwise take half a gigabyte of cells.
inline constexpr std::size_t kMostTableLines = 64;

// Reads the five files of a folder (the empty path is the current directory).
DeviationTables LoadDeviationTables(const std::filesystem::path& folder);

// Reads only the files that the deviations of these classes come from: each one's fundamental
// deviation's file, and the delta file where a hole is among them. A command about one class need
// not read all five; the others stay empty, so only these classes may be looked up in the result.
DeviationTables LoadDeviationTablesFor(const std::filesystem::path& folder, std::span<const ToleranceClass> classes);

// Reads one file of a folder. Only regular files are read (a FIFO or device never blocks or floods
// the program), at most kLargestTableFileBytes of them.
LoadedTable LoadTable(const std::filesystem::path& folder, TableId table);

// The bytes of one file of a folder, read as LoadTable reads them; or why there are none
// (TableMissing, TableNotAFile or TableTooLarge).
Result<std::string, Failure::Kind> ReadTableFile(const std::filesystem::path& folder, TableId table);

// Parses a file's content: lines end with LF or CR LF, a UTF-8 byte-order mark may start the first
// line, fields are separated by exactly one space; reading stops at the first NUL byte. Nothing but
// white space is TableEmpty. With findings, adds why each bad cell, line or line count is bad, for
// the lines a calculation reads (the first kCoreSizeBandCount), in the order they are met.
LoadedTable ParseTable(std::string_view content, TableId table, std::vector<TableFinding>* findings = nullptr);

// The cell at a 0-based line and column: its value, nothing for "-", or why it cannot be read. A
// file that ends before a line above 500 mm lacks that line (TableLineMissing); one that ends
// before 500 mm is malformed.
Result<std::optional<ExactLength>, Failure> CellAt(const LoadedTable& loaded, TableId table, int line, int column);
