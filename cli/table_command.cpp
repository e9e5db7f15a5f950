#include "cli_text.h"
#include "commands.h"
#include "loaded_tables.h"
#include "table_answers.h"

#include <charconv>
#include <ostream>

namespace {

// Exact micrometres as FormatUm writes them, appended without a string of their own: the deviation
// table has some 46,000 rows.
void AppendUm(std::string& text, ExactLength length)
{
    const std::uint64_t magnitude = length.nm < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(length.nm)
                                                  : static_cast<std::uint64_t>(length.nm);
    char buffer[32];
    char* end = buffer;
    if (length.nm < 0)
        *end++ = '-';
    end = std::to_chars(end, buffer + sizeof buffer, magnitude / 1000).ptr;
    std::uint64_t fraction = magnitude % 1000;
    if (fraction != 0) {
        *end++ = '.';
        for (std::uint64_t digit = 100; fraction != 0; digit /= 10) {
            *end++ = static_cast<char>('0' + fraction / digit);
            fraction %= digit;
        }
    }
    text.append(buffer, end);
}

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
