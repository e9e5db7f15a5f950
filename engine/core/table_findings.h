#pragma once

#include "core/exact_length.h"
#include "core/table_id.h"
#include "core/tolerance_class.h"

#include <optional>
#include <string>

// What a check of the five deviation table files finds: where (file, line, field) and why, as
// values that each front end puts in its own words. Errors make a file unusable where they are (a
// calculation that reads there fails on the file); warnings are values the calculations take, but
// that break one of the standard's own relations between cells, or lines that are never read.

// A cell of the tables by what it holds: "EI of D", "ES of K up to IT8 (before Δ)", "Δ of IT7".
struct CellMeaning
{
    enum class Deviation { Upper, Lower, Delta };
    enum class Grades { Every, UpToIT8, CoarserThanIT8, IT4ToIT7 };
    Part part = Part::Hole;
    Deviation deviation = Deviation::Upper;
    int letter = 0; // for Upper and Lower
    int grade = 0; // for Delta
    Grades grades = Grades::Every;
    bool beforeDelta = false;
};

// A relation between cells that a cell breaks: the cell holds actual, the rule gives expected.
struct BrokenRelation
{
    enum class Rule {
        Mirrored, // minus the other cell
        Above500Mm, // the standard's value above 500 mm
        UpTo3Mm, // the standard's value up to 3 mm
        GradeStep, // ITn - IT(n-1) of the cell's grade n
    };
    CellMeaning cell;
    std::optional<ExactLength> actual; // nothing: "-", no value
    Rule rule = Rule::Mirrored;
    std::optional<ExactLength> expected;
    // For Mirrored: the other cell, where it is (1-based line and field) and what it holds.
    CellMeaning other;
    TableId otherTable = TableId::Shaft;
    int otherLine = 0;
    int otherField = 0;
};

struct TableFinding
{
    enum class Severity { Error, Warning };
    enum class Reason {
        // The whole file (line 0, field 0).
        FileMissing,
        FileLinkLoop, // missing: a loop of symbolic links
        FileLinkToNothing, // missing: a symbolic link to nothing
        FileUnreadable, // there, but cannot be read (no permission)
        FileNotRegular, // a folder, a FIFO or a device
        FileTooLarge, // over kLargestTableFileBytes
        FileEmpty, // nothing but white space
        // A line (field 0) or a field of one.
        LineTooLong, // over kLongestTableLineBytes
        LineEmpty,
        FieldEmpty, // two spaces in a row, or one at the start: later fields cannot be placed
        FieldNotANumber, // text: the field
        FieldTooPrecise, // text: the field
        FieldTooLarge, // text: the field; beyond kLargestCellUm
        FieldsTooFew, // count: the fields there are; reported at the first missing one
        FieldsBeyondLast, // warning: never read
        NulByte, // reading stops at the line before it
        // The number of lines (count: the lines there are), reported after the last.
        EndsBefore500Mm,
        NoLinesAbove500Mm, // warning: sizes above 500 mm have no values from the file
        EndsAbove500Mm,
        LinesBeyondLast, // warning: never read
        // A value that breaks a relation between cells (warning): relation says which.
        RelationBroken,
    };
    Severity severity = Severity::Error;
    TableId table = TableId::Shaft;
    int line = 0; // 1-based; 0: the whole file
    int field = 0; // 1-based; 0: the whole line
    Reason reason = Reason::FileMissing;
    // The field as the file has it, for the Field* reasons: at most kFindingTextBytes bytes and one
    // more when it is longer, so that words can say it was cut.
    std::string text;
    int count = 0;
    std::optional<BrokenRelation> relation;
};

inline constexpr std::size_t kFindingTextBytes = 40;
