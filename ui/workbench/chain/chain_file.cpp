#include "workbench/chain/chain_file.h"

#include <array>
#include <fstream>
#include <optional>
#include <system_error>

std::string TrimmedChainField(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return std::string(text);
}

namespace {

bool Filled(const std::optional<std::string>& field)
{
    return field && !TrimmedChainField(*field).empty();
}

} // namespace

Result<std::string, ChainFileProblem> ReadChainFileText(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return ChainFileProblem::NotAFile;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return ChainFileProblem::CannotRead;
    std::string text(kLargestChainTextBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad() || (!in && !in.eof()))
        return ChainFileProblem::CannotRead;
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

Result<std::vector<LinkFields>, ChainFileRefusal> ReadChainFileRows(const std::filesystem::path& file)
{
    const auto text = ReadChainFileText(file);
    if (!text)
        return ChainFileRefusal(text.reason());
    const auto rows = ReadChainRows(*text);
    if (!rows)
        return ChainFileRefusal(rows.reason());
    std::vector<LinkFields> fields;
    fields.reserve(rows->size());
    for (const ChainRow& row : *rows)
        fields.push_back(row.fields);
    return fields;
}

Result<std::string, UnwritableField> ChainCsvText(const std::vector<LinkFields>& rows)
{
    bool cpk = false;
    bool meanShift = false;
    for (const LinkFields& row : rows) {
        cpk = cpk || Filled(row.cpk);
        meanShift = meanShift || Filled(row.meanShiftMm);
    }
    std::string text = "name,direction,nominal_mm,tolerance,distribution";
    text += cpk ? ",cpk" : "";
    text += meanShift ? ",mean_shift_mm" : "";
    text += '\n';
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LinkFields& row = rows[i];
        std::vector<std::pair<std::string_view, std::string>> fields
            = {{"name", row.name},
               {"direction", row.direction},
               {"nominal_mm", row.nominalMm},
               {"tolerance", row.tolerance},
               {"distribution", row.distribution.value_or("")}};
        if (cpk)
            fields.emplace_back("cpk", row.cpk.value_or(""));
        if (meanShift)
            fields.emplace_back("mean_shift_mm", row.meanShiftMm.value_or(""));
        for (std::size_t k = 0; k < fields.size(); ++k) {
            const std::string field = TrimmedChainField(fields[k].second);
            if (field.find_first_of(",#\r\n") != std::string::npos)
                return UnwritableField {i + 1, fields[k].first, field};
            text += k == 0 ? "" : ",";
            text += field;
        }
        text += '\n';
    }
    return text;
}
