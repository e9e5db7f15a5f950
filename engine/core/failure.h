#pragma once

#include "core/table_id.h"

// Why a calculation of the core has no result. Front ends turn it into their own words.
struct Failure
{
    enum class Kind {
        NoStandardValue, // the standard gives no value for this class, grade and size
        SizeOffScale, // the size is not over 0 and up to the largest size covered
        GradeOffScale, // the grade is not one the calculation covers
        LetterOffScale, // the letter is not one of the 28 of a hole or a shaft
        LimitSizeNotPositive, // the part's smallest limit of size would be zero or less: no part
        NotUsedAtThisSize, // the standard's notes rule the grade or letter out for sizes of 1 mm and less
        TableMissing, // the table file cannot be opened (missing, no permission)
        TableNotAFile, // the table name is a directory, a FIFO, a device
        TableTooLarge, // far larger than any real table: refused unread
        TableEmpty, // nothing but white space in the file
        TableMalformed, // the needed line or cell does not have the layout
        TableLineMissing, // the file ends before the line of a size above 500 mm
    };
    // For NoStandardValue: where the standard leaves the class out.
    enum class Undefined {
        InTables, // a "-" in the tables, or a class the rules leave out (P2, K12)
        Above500Mm, // the letter or grade is defined only up to 500 mm (c, v to zc, IT01, IT0, ...)
        AtThisGrade, // the letter is defined only up to a finer grade (j9, J13)
    };
    Kind kind = Kind::NoStandardValue;
    TableId table = TableId::Shaft; // for the table kinds
    int line = 0; // 1-based, for TableMalformed and TableLineMissing
    int field = 0; // 1-based, for TableMalformed
    Undefined undefined = Undefined::InTables;

    bool IsTableProblem() const { return kind >= Kind::TableMissing; }
};
