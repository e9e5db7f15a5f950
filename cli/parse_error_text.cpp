#include "cli/parse_error_text.h"

#include "core/decimal_text.h"
#include "core/printable_text.h"

namespace {

constexpr std::size_t kLongestWordBytes = 60;
constexpr std::size_t kLongestMessageBytes = 400;

} // namespace

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
