#pragma once

#include "answers/answer.h"
#include "core/table_findings.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The findings of a table check in English, and as the JSON entries every front end gives:
// {"file", "line", "field", "severity", "reason"}.

// Why, after FILE:LINE:FIELD: "'12x' is not a number of micrometres, nor '-' for no value".
std::string TableFindingText(const TableFinding& finding);

// "error" or "warning".
std::string_view SeverityName(TableFinding::Severity severity);

// The file of a finding as messages name it: the folder's file, printable.
std::string TableFileText(const std::filesystem::path& folder, TableId table);

nlohmann::ordered_json TableFindingsJson(const std::vector<TableFinding>& findings,
                                         const std::filesystem::path& folder);

// Every finding of the five files of a folder; a folder that is none is bad input.
Answer CheckTablesAnswer(const std::filesystem::path& folder);
