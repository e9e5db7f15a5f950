#include "parse_error_text.h"

#include "decimal_text.h"

namespace {

constexpr std::size_t kLongestWordBytes = 60;
constexpr std::size_t kLongestMessageBytes = 400;

bool IsControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

// Whether text[at] begins a whole, valid UTF-8 character of more than one byte; its length, or 0.
std::size_t Utf8Length(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4
        : lead >= 0xE0                                      ? 3
        : lead >= 0xC2 && lead < 0xE0                       ? 2
                                                            : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t next = at + 1; next < at + length; ++next) {
        if ((static_cast<unsigned char>(text[next]) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

} // namespace

std::string PrintableText(std::string_view text, bool keepNewlines)
{
    std::string cleaned;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {
            cleaned += IsControl(text[at]) && !(keepNewlines && text[at] == '\n') ? '?' : text[at];
            ++at;
        } else if (const std::size_t length = Utf8Length(text, at)) {
            cleaned += text.substr(at, length);
            at += length;
        } else {
            cleaned += '?';
            ++at;
        }
    }
    return cleaned;
}

std::string ShortParseErrorText(std::string_view message)
{
    std::string shortened;
    std::size_t start = 0;
    while (start <= message.size() && shortened.size() <= kLongestMessageBytes) {
        const std::size_t space = message.find(' ', start);
        const std::size_t end = space == std::string_view::npos ? message.size() : space;
        shortened += QuotePrefix(message.substr(start, end - start), kLongestWordBytes);
        if (space == std::string_view::npos)
            break;
        shortened += ' ';
        start = space + 1;
    }
    return PrintableText(QuotePrefix(shortened, kLongestMessageBytes), true);
}
