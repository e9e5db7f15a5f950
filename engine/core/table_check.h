#pragma once

#include "core/table_findings.h"

#include <filesystem>
#include <vector>

// Every finding of the five files in a folder (the empty path is the current directory): each
// file's layout as the loader parses it, then the relations between the cells of all five; in
// file order, then by line and field.
std::vector<TableFinding> CheckTables(const std::filesystem::path& folder);
