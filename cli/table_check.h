#pragma once

#include "table_id.h"

#include <filesystem>
#include <string>
#include <vector>

// What check-tables finds in the five deviation table files: the file, line and field of each
// problem, and why. Errors make a file unusable where they are (a calculation that reads there ends
// in the file message); warnings are values the calculations take, but that break one of the
// standard's own relations between cells, or lines that are never read.

struct TableProblem
{
    enum class Severity { Error, Warning };
    Severity severity = Severity::Error;
    TableId table = TableId::Shaft;
    int line = 0; // 1-based; 0: the whole file
    int field = 0; // 1-based; 0: the whole line
    std::string why;
};

// Every problem of the five files in a folder (the empty path is the current directory), in file
// order, then by line and field.
std::vector<TableProblem> CheckTables(const std::filesystem::path& folder);
