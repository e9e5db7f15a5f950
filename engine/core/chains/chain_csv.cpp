#include "core/chains/chain_csv.h"

#include <array>
#include <optional>
#include <string>

namespace {

constexpr std::array<std::string_view, 4> kRequiredFields = {"name", "direction", "nominal_mm", "tolerance"};
constexpr std::array<std::string_view, 3> kOptionalFields = {"distribution", "cpk", "mean_shift_mm"};

// Where the bytes stop being UTF-8 (overlong forms, surrogates and anything past U+10FFFF are
// none); npos when they all are.
std::size_t FirstNonUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        unsigned min = 0;
        unsigned code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            min = 0x80;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            min = 0x800;
            code = lead & 0x0Fu;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            min = 0x10000;
            code = lead & 0x07u;
        } else {
            return i;
        }
        if (i + static_cast<std::size_t>(extra) >= text.size())
            return i;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0u) != 0x80u)
                return i;
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return i;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return std::string_view::npos;
}

// The 1-based line at a byte offset.
int LineAt(std::string_view text, std::size_t offset)
{
    int line = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i)
        line += text[i] == '\n' ? 1 : 0;
    return line;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(',');
        fields.push_back(Trimmed(line.substr(0, comma)));
        if (comma == std::string_view::npos)
            return fields;
        line.remove_prefix(comma + 1);
    }
}

// Where each field of a row goes: the header's optional columns in the order it names them.
using Layout = std::vector<std::optional<std::string> LinkFields::*>;

std::optional<Layout> HeaderLayout(const std::vector<std::string_view>& header)
{
    if (header.size() < kRequiredFields.size())
        return std::nullopt;
    for (std::size_t i = 0; i < kRequiredFields.size(); ++i) {
        if (header[i] != kRequiredFields[i])
            return std::nullopt;
    }
    constexpr std::array<std::optional<std::string> LinkFields::*, 3> members
        = {&LinkFields::distribution, &LinkFields::cpk, &LinkFields::meanShiftMm};
    Layout layout;
    for (std::size_t i = kRequiredFields.size(); i < header.size(); ++i) {
        std::optional<std::size_t> known;
        for (std::size_t k = 0; k < kOptionalFields.size(); ++k)
            known = header[i] == kOptionalFields[k] ? std::optional(k) : known;
        if (!known)
            return std::nullopt;
        for (const auto member : layout) {
            if (member == members[*known])
                return std::nullopt; // named twice
        }
        layout.push_back(members[*known]);
    }
    return layout;
}

ChainProblem AtLine(ChainProblem::Kind kind, int line)
{
    ChainProblem problem;
    problem.kind = kind;
    problem.line = line;
    return problem;
}

} // namespace

Result<std::vector<ChainRow>, ChainProblem> ReadChainRows(std::string_view text)
{
    if (text.size() > kLargestChainTextBytes)
        return AtLine(ChainProblem::Kind::TooLarge, 0);
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    if (const std::size_t bad = FirstNonUtf8(text); bad != std::string_view::npos)
        return AtLine(ChainProblem::Kind::NotUtf8, LineAt(text, bad));
    std::optional<Layout> layout;
    std::vector<ChainRow> rows;
    int lineNumber = 0;
    while (!text.empty() || lineNumber == 0) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        line = Trimmed(line.substr(0, line.find('#')));
        if (line.empty()) {
            if (text.empty())
                break;
            continue;
        }
        const auto fields = Fields(line);
        if (!layout) {
            layout = HeaderLayout(fields);
            if (!layout)
                return AtLine(ChainProblem::Kind::NoHeader, lineNumber);
            continue;
        }
        if (fields.size() != kRequiredFields.size() + layout->size())
            return AtLine(ChainProblem::Kind::FieldCount, lineNumber);
        if (rows.size() == kMostChainLinks)
            return AtLine(ChainProblem::Kind::TooManyLinks, lineNumber);
        ChainRow row;
        row.line = lineNumber;
        row.fields.name = fields[0];
        row.fields.direction = fields[1];
        row.fields.nominalMm = fields[2];
        row.fields.tolerance = fields[3];
        for (std::size_t i = 0; i < layout->size(); ++i)
            row.fields.*((*layout)[i]) = std::string(fields[kRequiredFields.size() + i]);
        rows.push_back(std::move(row));
    }
    if (!layout)
        return AtLine(ChainProblem::Kind::NoHeader, 1);
    if (rows.empty())
        return AtLine(ChainProblem::Kind::Empty, lineNumber);
    return rows;
}

Result<std::vector<ChainLink>, ChainProblem> ReadChainLinks(const DeviationTables& tables,
                                                            const std::vector<ChainRow>& rows)
{
    if (rows.empty())
        return AtLine(ChainProblem::Kind::Empty, 0);
    if (rows.size() > kMostChainLinks)
        return AtLine(ChainProblem::Kind::TooManyLinks, rows[kMostChainLinks].line);
    std::vector<ChainLink> links;
    links.reserve(rows.size());
    for (const ChainRow& row : rows) {
        auto link = ReadLink(tables, row.fields);
        if (!link) {
            ChainProblem problem = AtLine(ChainProblem::Kind::Link, row.line);
            problem.link = link.reason();
            return problem;
        }
        links.push_back(*link);
    }
    return links;
}

Result<std::vector<ChainLink>, ChainProblem> ReadChainCsv(const DeviationTables& tables, std::string_view text)
{
    const auto rows = ReadChainRows(text);
    if (!rows)
        return rows.reason();
    return ReadChainLinks(tables, *rows);
}
