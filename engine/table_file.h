#pragma once

#include <iosfwd>

// One cell of a deviation table file: line = size band, field = column, micrometres.
struct TableCell
{
    enum class Status {
        Value, // the cell holds a number
        NoValue, // the cell holds no number ("-", a word): the standard gives none there
        Malformed, // the file does not have the layout: too few lines or fields, empty fields, NUL bytes, ...
    };
    Status status = Status::Malformed;
    double micrometres = 0.0;
};

// Reads lines from the start of the stream up to the band's line (band 0 is the first line) and
// takes the field of the column. Fields are separated by exactly one space; a CR before the line
// end and a UTF-8 byte-order mark before the first line are not part of any field.
TableCell ReadTableCell(std::istream& in, int band, int column);
