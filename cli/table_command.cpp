#include "cli_text.h"
#include "commands.h"
#include "limit_deviations.h"
#include "loaded_tables.h"
#include "scales.h"
#include "standard_tolerances.h"
#include "tolerance_class.h"

#include <charconv>
#include <ostream>

namespace {

// One row of either table: a name, a band or range (by index), and up to two values (nothing: empty).
struct Row
{
    std::string_view name;
    int scaleIndex;
    std::optional<ExactLength> first;
    std::optional<ExactLength> second;
};

struct Layout
{
    const char* nameKey;
    const char* firstKey;
    const char* secondKey; // nullptr: one value
    std::pair<ExactLength, ExactLength> (*bounds)(int); // of a row's band or range
    int scaleCount;
};

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

void WriteCsv(const Layout& layout, const std::vector<Row>& rows, std::ostream& out)
{
    std::vector<std::string> boundTexts;
    for (int index = 0; index < layout.scaleCount; ++index) {
        const auto [from, to] = layout.bounds(index);
        boundTexts.push_back("," + FormatMm(from) + "," + FormatMm(to) + ",");
    }
    std::string text = std::string(layout.nameKey) + ",from_mm,to_mm," + layout.firstKey
        + (layout.secondKey ? std::string(",") + layout.secondKey : "") + "\n";
    text.reserve(rows.size() * 32);
    for (const Row& row : rows) {
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

// The same rows as a JSON array of objects, written directly: names are letters and digits, and the
// exact decimals are what a JSON writer prints for the nearest doubles ("10.5", "0.15"). Empty
// cells are null.
void WriteJson(const Layout& layout, const std::vector<Row>& rows, std::ostream& out)
{
    std::vector<std::string> boundTexts;
    for (int index = 0; index < layout.scaleCount; ++index) {
        const auto [from, to] = layout.bounds(index);
        boundTexts.push_back("\",\"from_mm\":" + FormatMm(from) + ",\"to_mm\":" + FormatMm(to) + ",\"" + layout.firstKey
                             + "\":");
    }
    const std::string nameStart = std::string("{\"") + layout.nameKey + "\":\"";
    const std::string secondStart = layout.secondKey ? std::string(",\"") + layout.secondKey + "\":" : "";
    const auto appendValue = [](std::string& text, const std::optional<ExactLength>& um) {
        if (um)
            AppendUm(text, *um);
        else
            text += "null";
    };
    std::string text = "[";
    text.reserve(rows.size() * 80);
    for (const Row& row : rows) {
        if (text.size() > 1)
            text += ',';
        text += nameStart;
        text += row.name;
        text += boundTexts[static_cast<std::size_t>(row.scaleIndex)];
        appendValue(text, row.first);
        if (layout.secondKey) {
            text += secondStart;
            appendValue(text, row.second);
        }
        text += '}';
    }
    text += "]\n";
    out << text;
}

// Every class IT01 to IT18 in every band up to 3150 mm; a table problem ends it, so that no cell is
// silently empty. The first band's row holds its values even for classes the standard rules out at
// 1 mm and less: they hold from 1 to 3 mm.
std::optional<std::vector<Row>> DeviationRows(const TableRequest& request, const std::vector<std::string>& names,
                                              std::ostream& err)
{
    const DeviationTables tables = LoadDeviationTables(request.tables);
    std::vector<Row> rows;
    rows.reserve(names.size() * kCoreSizeBandCount);
    std::size_t nameIndex = 0;
    for (const Part part : {Part::Hole, Part::Shaft}) {
        for (int letter = 0; letter < kLetterCount; ++letter) {
            for (int grade = 0; grade < kCoreGradeCount; ++grade) {
                const ToleranceClass toleranceClass {part, letter, grade};
                const std::string_view name = names[nameIndex++];
                for (int band = 0; band < kCoreSizeBandCount; ++band) {
                    Row row {name, band, {}, {}};
                    const auto deviations = LimitDeviationsInBand(tables, toleranceClass, band);
                    if (deviations) {
                        row.first = deviations->upper;
                        row.second = deviations->lower;
                    } else if (deviations.reason().IsTableProblem()) {
                        const auto [from, to] = SizeBandBounds(band);
                        err << "quorlan-cli: " << name << " from " << FormatMm(from) << " to " << FormatMm(to)
                            << " mm: " << FailureText(deviations.reason(), request.tables) << '\n';
                        return std::nullopt;
                    }
                    rows.push_back(row);
                }
            }
        }
    }
    return rows;
}

std::vector<std::string> ClassNames()
{
    std::vector<std::string> names;
    for (const Part part : {Part::Hole, Part::Shaft})
        for (int letter = 0; letter < kLetterCount; ++letter)
            for (int grade = 0; grade < kCoreGradeCount; ++grade)
                names.push_back(ClassName({part, letter, grade}));
    return names;
}

// Every grade in every size range; empty where the standard gives none (IT01 and IT0 above 500 mm).
std::vector<Row> ToleranceRows()
{
    std::vector<Row> rows;
    for (int grade = 0; grade < kCoreGradeCount; ++grade) {
        for (int range = 0; range < kCoreSizeRangeCount; ++range)
            rows.push_back({GradeName(grade), range, StandardToleranceOfRange(range, grade), {}});
    }
    return rows;
}

} // namespace

int RunTable(const TableRequest& request, std::ostream& out, std::ostream& err)
{
    std::optional<std::vector<Row>> rows;
    std::vector<std::string> names;
    Layout layout {};
    if (request.what == "deviations") {
        names = ClassNames();
        rows = DeviationRows(request, names, err);
        layout = {"class", "upper_um", "lower_um", SizeBandBounds, kCoreSizeBandCount};
    } else if (request.what == "tolerances") {
        rows = ToleranceRows();
        layout = {"grade", "tolerance_um", nullptr, SizeRangeBounds, kCoreSizeRangeCount};
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
