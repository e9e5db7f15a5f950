#pragma once

#include "table_id.h"

// Why a calculation of the core has no result. Front ends turn it into their own words.
struct Failure
{
    enum class Kind {
        NoStandardValue, // the standard gives no value for this class, grade and size
        SizeOffScale, // the size is not over 0 and up to the largest size covered
        GradeOffScale, // the grade is not one the calculation covers
        TableMissing, // the table file cannot be opened (missing, no permission)
        TableNotAFile, // the table name is a directory, a FIFO, a device
        TableTooLarge, // far larger than any real table: refused unread
        TableMalformed, // the needed line or cell does not have the layout
    };
    Kind kind = Kind::NoStandardValue;
    TableId table = TableId::Shaft; // for the table kinds
    int line = 0; // 1-based, for TableMalformed
    int field = 0; // 1-based, for TableMalformed

    bool IsTableProblem() const { return kind >= Kind::TableMissing; }
};
