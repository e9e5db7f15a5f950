#include "core/printable_text.h"

namespace {

// Paths are longer than other texts of a message, yet a message never repeats a huge one in full.
constexpr std::size_t kLongestPathBytes = 200;

bool IsControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
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
        if (!IsContinuation(text[next]))
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

std::string PathText(const std::filesystem::path& path)
{
    const std::string& text = path.native();
    if (text.empty())
        return ".";
    if (text.size() <= kLongestPathBytes)
        return PrintableText(text);
    // Started on a character's first byte, never within one.
    std::size_t start = text.size() - kLongestPathBytes;
    while (start < text.size() && IsContinuation(text[start]))
        ++start;
    return "..." + PrintableText(std::string_view(text).substr(start));
}
