#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The words of the plain C++ texts files in the window's language. The words are written in
// Chinese, the program's first language; the desktop program installs a translator that looks
// them up in its Qt Linguist catalogue, so that lupdate finds every `translate("Context", "…")`.
// Marks a word kept in a table for translation later (Qt's own macro where Qt is included).
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace words {

using Translator = std::string (*)(const char* context, const char* source);

enum class Language { Chinese, English };

// Null: the words as written. The language picks the names that come in both from the engine
// (the built-in materials).
void SetTranslator(Translator translator, Language language);
Language CurrentLanguage();

std::string translate(const char* context, const char* source);

// The pattern with %1 … %9 replaced by the arguments in turn, as QString::arg does.
std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace words
