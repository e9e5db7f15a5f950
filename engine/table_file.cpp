#include "table_file.h"

#include "number_text.h"

#include <istream>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

TableCell Malformed()
{
    return {TableCell::Status::Malformed, 0.0};
}

// Field `column` of a line; nothing when the fields up to it are not all present and non-empty.
std::optional<std::string_view> FieldOf(std::string_view line, int column)
{
    std::size_t start = 0;
    for (int field = 0;; ++field) {
        const std::size_t space = line.find(' ', start);
        const std::size_t end = space == std::string_view::npos ? line.size() : space;
        if (end == start)
            return std::nullopt; // an empty field: a leading space, two spaces in a row, an empty line
        if (field == column)
            return line.substr(start, end - start);
        if (space == std::string_view::npos)
            return std::nullopt; // fewer fields than the column needs
        start = space + 1;
    }
}

} // namespace

TableCell ReadTableCell(std::istream& in, int band, int column)
{
    if (band < 0 || column < 0)
        return Malformed();
    std::string line;
    for (int index = 0; index <= band; ++index) {
        if (!std::getline(in, line))
            return Malformed();
        if (line.find('\0') != std::string::npos)
            return Malformed();
    }
    std::string_view text = line;
    if (band == 0 && text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    if (text.ends_with('\r'))
        text.remove_suffix(1);

    const auto field = FieldOf(text, column);
    if (!field)
        return Malformed();
    const auto number = ScanLeadingDecimal(*field);
    if (!number)
        return {TableCell::Status::NoValue, 0.0};
    if (number->outOfRange)
        return Malformed();
    return {TableCell::Status::Value, number->value};
}
