#pragma once

#include "answers/answer.h"
#include "core/exact_length.h"
#include "core/loaded_tables.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

// The whole tables: every limit deviation (class, band, upper_um, lower_um) or every standard
// tolerance (grade, range, tolerance_um), as rows that the command line writes as CSV and the
// answers as JSON arrays of objects with the same keys.

struct TableRow
{
    std::string_view name; // a class or grade name, valid for the program's life
    int scaleIndex; // size band or size range
    std::optional<ExactLength> first; // nothing: no value
    std::optional<ExactLength> second;
};

struct TableLayout
{
    const char* nameKey;
    const char* firstKey;
    const char* secondKey; // nullptr: one value
    std::pair<ExactLength, ExactLength> (*bounds)(int); // of a row's band or range
    int scaleCount;
};

struct ValueTable
{
    TableLayout layout;
    std::vector<TableRow> rows;
};

// Every class IT01 to IT18 in every band up to 3150 mm; a table file problem refuses the whole
// table, so that no cell is silently empty. The first band's row holds its values even for classes
// the standard rules out at 1 mm and less: they hold from 1 to 3 mm.
Result<ValueTable, AnswerRefusal> LimitsTable(const DeviationTables& tables, const std::filesystem::path& folder);

// Every grade in every size range; empty where the standard gives none (IT01 and IT0 above 500 mm).
ValueTable TolerancesTable();

// The rows as a JSON array of objects: name key, from_mm, to_mm, the values (null where empty).
nlohmann::ordered_json TableJson(const ValueTable& table);

Answer LimitsTableAnswer(const DeviationTables& tables, const std::filesystem::path& folder = {});
Answer TolerancesTableAnswer();
