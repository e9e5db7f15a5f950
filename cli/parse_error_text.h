#pragma once

#include <string>
#include <string_view>

// A message of the argument parser for the user: it quotes whole arguments ("Directory does not
// exist: ...", "The following arguments were not expected: ..."), so each long word is cut short
// and the message as a whole too, and no control character or broken UTF-8 is echoed.
std::string ShortParseErrorText(std::string_view message);

// The text with control characters (but newlines, if kept) and bytes that are no part of valid
// UTF-8 replaced by '?', so that a message never echoes them to a terminal.
std::string PrintableText(std::string_view text, bool keepNewlines = false);
