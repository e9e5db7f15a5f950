#include "cli_text.h"
#include "commands.h"
#include "json_numbers.h"
#include "limit_deviations.h"
#include "loaded_tables.h"
#include "scales.h"
#include "standard_tolerances.h"
#include "tolerance_class.h"

#include <ostream>

namespace {

// One row of either table: a name, a band or range, and up to two values (nothing: empty).
struct Row
{
    std::string name;
    ExactLength from;
    ExactLength to;
    std::optional<ExactLength> first;
    std::optional<ExactLength> second;
};

struct Layout
{
    const char* nameKey;
    const char* firstKey;
    const char* secondKey; // nullptr: one value
};

void WriteCsv(const Layout& layout, const std::vector<Row>& rows, std::ostream& out)
{
    std::string text = std::string(layout.nameKey) + ",from_mm,to_mm," + layout.firstKey
        + (layout.secondKey ? std::string(",") + layout.secondKey : "") + "\n";
    for (const Row& row : rows) {
        text += row.name + "," + FormatMm(row.from) + "," + FormatMm(row.to) + ","
            + (row.first ? FormatUm(*row.first) : "");
        if (layout.secondKey)
            text += "," + (row.second ? FormatUm(*row.second) : "");
        text += '\n';
    }
    out << text;
}

void WriteJson(const Layout& layout, const std::vector<Row>& rows, std::ostream& out)
{
    auto json = nlohmann::ordered_json::array();
    const auto value = [](const std::optional<ExactLength>& um) {
        return um ? JsonUm(*um) : nlohmann::ordered_json(nullptr);
    };
    for (const Row& row : rows) {
        nlohmann::ordered_json object;
        object[layout.nameKey] = row.name;
        object["from_mm"] = JsonMm(row.from);
        object["to_mm"] = JsonMm(row.to);
        object[layout.firstKey] = value(row.first);
        if (layout.secondKey)
            object[layout.secondKey] = value(row.second);
        json.push_back(std::move(object));
    }
    out << json.dump() << '\n';
}

// Every class in every band; a table problem ends it, so that no cell is silently empty.
std::optional<std::vector<Row>> DeviationRows(const TableRequest& request, std::ostream& err)
{
    const DeviationTables tables = LoadDeviationTables(request.tables);
    std::vector<Row> rows;
    rows.reserve(2 * kLetterCount * kGradeCount * kSizeBandCount);
    for (const Part part : {Part::Hole, Part::Shaft}) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            for (int grade = 0; grade < kGradeCount; ++grade) {
                const ToleranceClass toleranceClass {part, letter, grade};
                const std::string name = ClassName(toleranceClass);
                for (int band = 0; band < kSizeBandCount; ++band) {
                    const auto [from, to] = SizeBandBounds(band);
                    Row row {name, from, to, {}, {}};
                    const auto deviations = LimitDeviationsInBand(tables, toleranceClass, band);
                    if (deviations) {
                        row.first = deviations->upper;
                        row.second = deviations->lower;
                    } else if (deviations.reason().IsTableProblem()) {
                        err << "quorlan-cli: " << name << " from " << FormatMm(from) << " to " << FormatMm(to)
                            << " mm: " << FailureText(deviations.reason(), request.tables) << '\n';
                        return std::nullopt;
                    }
                    rows.push_back(std::move(row));
                }
            }
        }
    }
    return rows;
}

std::vector<Row> ToleranceRows()
{
    std::vector<Row> rows;
    for (int grade = 0; grade < kGradeCount; ++grade) {
        for (int range = 0; range < kSizeRangeCount; ++range) {
            const auto index = static_cast<std::size_t>(range);
            const double from = range == 0 ? 0.0 : kSizeRangeUpperBounds[index - 1];
            rows.push_back({std::string(GradeName(grade)),
                            ExactLength::FromMm(static_cast<std::int64_t>(from)),
                            ExactLength::FromMm(static_cast<std::int64_t>(kSizeRangeUpperBounds[index])),
                            StandardToleranceOfRange(range, grade),
                            {}});
        }
    }
    return rows;
}

} // namespace

int RunTable(const TableRequest& request, std::ostream& out, std::ostream& err)
{
    std::optional<std::vector<Row>> rows;
    Layout layout {};
    if (request.what == "deviations") {
        rows = DeviationRows(request, err);
        layout = {"class", "upper_um", "lower_um"};
    } else if (request.what == "tolerances") {
        rows = ToleranceRows();
        layout = {"grade", "tolerance_um", nullptr};
    } else {
        return UsageError(err, "unknown table " + Quoted(request.what) + ": deviations or tolerances");
    }
    if (!rows)
        return kExitFailure;
    if (request.json)
        WriteJson(layout, *rows, out);
    else
        WriteCsv(layout, *rows, out);
    return kExitResult;
}
