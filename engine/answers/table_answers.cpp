#include "answers/table_answers.h"

#include "answers/json_numbers.h"
#include "answers/json_object.h"
#include "answers/refusal_text.h"
#include "core/limit_deviations.h"
#include "core/scales.h"
#include "core/standard_tolerances.h"
#include "core/tolerance_class.h"

#include <string>

namespace {

// Every class name, holes then shafts, by letter then grade: made once, so rows can point into it.
const std::vector<std::string>& ClassNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> made;
        for (const Part part : {Part::Hole, Part::Shaft})
            for (int letter = 0; letter < kLetterCount; ++letter)
                for (int grade = 0; grade < kCoreGradeCount; ++grade)
                    made.push_back(ClassName({part, letter, grade}));
        return made;
    }();
    return names;
}

} // namespace

Result<ValueTable, AnswerRefusal> LimitsTable(const DeviationTables& tables, const std::filesystem::path& folder)
{
    const std::vector<std::string>& names = ClassNames();
    ValueTable table {{"class", "upper_um", "lower_um", SizeBandBounds, kCoreSizeBandCount}, {}};
    table.rows.reserve(names.size() * kCoreSizeBandCount);
    std::size_t nameIndex = 0;
    for (const Part part : {Part::Hole, Part::Shaft}) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            for (int grade = 0; grade < kCoreGradeCount; ++grade) {
                const ToleranceClass toleranceClass {part, letter, grade};
                const std::string_view name = names[nameIndex++];
                for (int band = 0; band < kCoreSizeBandCount; ++band) {
                    TableRow row {name, band, {}, {}};
                    const auto deviations = LimitDeviationsInBand(tables, toleranceClass, band);
                    if (deviations) {
                        row.first = deviations->upper;
                        row.second = deviations->lower;
                    } else if (deviations.reason().IsTableProblem()) {
                        const auto [from, to] = SizeBandBounds(band);
                        return RefusalOf(deviations.reason(),
                                         std::string(name) + " from " + FormatMm(from) + " to " + FormatMm(to)
                                             + " mm: " + FailureText(deviations.reason(), folder));
                    }
                    table.rows.push_back(row);
                }
            }
        }
    }
    return table;
}

ValueTable TolerancesTable()
{
    ValueTable table {{"grade", "tolerance_um", nullptr, SizeRangeBounds, kCoreSizeRangeCount}, {}};
    for (int grade = 0; grade < kCoreGradeCount; ++grade) {
        for (int range = 0; range < kCoreSizeRangeCount; ++range)
            table.rows.push_back({GradeName(grade), range, StandardToleranceOfRange(range, grade), {}});
    }
    return table;
}

nlohmann::ordered_json TableJson(const ValueTable& table)
{
    const TableLayout& layout = table.layout;
    std::vector<std::pair<nlohmann::ordered_json, nlohmann::ordered_json>> bounds;
    for (int index = 0; index < layout.scaleCount; ++index) {
        const auto [from, to] = layout.bounds(index);
        bounds.emplace_back(JsonMm(from), JsonMm(to));
    }
    const auto value = [](const std::optional<ExactLength>& um) {
        return um ? JsonUm(*um) : nlohmann::ordered_json(nullptr);
    };
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    rows.get_ref<nlohmann::ordered_json::array_t&>().reserve(table.rows.size());
    for (const TableRow& row : table.rows) {
        const auto& [from, to] = bounds[static_cast<std::size_t>(row.scaleIndex)];
        JsonObject object(5);
        object.Add(layout.nameKey, row.name)
            .Add("from_mm", from)
            .Add("to_mm", to)
            .Add(layout.firstKey, value(row.first));
        if (layout.secondKey)
            object.Add(layout.secondKey, value(row.second));
        rows.push_back(object.Take());
    }
    return rows;
}

Answer LimitsTableAnswer(const DeviationTables& tables, const std::filesystem::path& folder)
{
    const auto table = LimitsTable(tables, folder);
    if (!table)
        return table.reason();
    return TableJson(*table);
}

Answer TolerancesTableAnswer()
{
    return TableJson(TolerancesTable());
}
