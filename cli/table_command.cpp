#include "answers/table_answers.h"
#include "cli/cli_text.h"
#include "cli/commands.h"
#include "core/loaded_tables.h"

#include <ostream>

namespace {

void WriteCsv(const ValueTable& table, std::ostream& out)
{
    const TableLayout& layout = table.layout;
    std::vector<std::string> boundTexts;
    for (int index = 0; index < layout.scaleCount; ++index) {
        const auto [from, to] = layout.bounds(index);
        boundTexts.push_back("," + FormatMm(from) + "," + FormatMm(to) + ",");
    }
    std::string text = std::string(layout.nameKey) + ",from_mm,to_mm," + layout.firstKey
        + (layout.secondKey ? std::string(",") + layout.secondKey : "") + "\n";
    text.reserve(table.rows.size() * 32);
    for (const TableRow& row : table.rows) {
        text += row.name;
        text += boundTexts[static_cast<std::size_t>(row.scaleIndex)];
        if (row.first)
            AppendUm(text, *row.first);
        if (layout.secondKey) {
            text += ',';
            if (row.second)
                AppendUm(text, *row.second);
        }
        text += '\n';
    }
    out << text;
}

} // namespace

int RunTable(const TableRequest& request, std::ostream& out, std::ostream& err)
{
    std::optional<ValueTable> table;
    if (request.what == "deviations") {
        auto limits = LimitsTable(LoadDeviationTables(request.tables), request.tables);
        if (!limits) {
            err << "quorlan-cli: " << limits.reason().message << '\n';
            return kExitFailure;
        }
        table = std::move(*limits);
    } else if (request.what == "tolerances") {
        table = TolerancesTable();
    } else {
        return UsageError(err, "unknown table " + Quoted(request.what) + ": deviations or tolerances");
    }
    if (request.json)
        out << TableJson(*table).dump() << '\n';
    else
        WriteCsv(*table, out);
    return kExitResult;
}
