#include "workbench/text_language.h"

#include <vector>

namespace words {
namespace {

Translator g_translator = nullptr;
Language g_language = Language::Chinese;

} // namespace

void SetTranslator(Translator translator, Language language)
{
    g_translator = translator;
    g_language = language;
}

Language CurrentLanguage()
{
    return g_language;
}

std::string translate(const char* context, const char* source)
{
    return g_translator ? g_translator(context, source) : std::string(source);
}

std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    const std::vector<std::string_view> values(arguments);
    std::string text;
    text.reserve(pattern.size() + 32);
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        if (pattern[at] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < values.size()) {
            text += values[static_cast<std::size_t>(next - '1')];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

} // namespace words
