#pragma once

#include <string>
#include <string_view>

// A message of the argument parser for the user: it quotes whole arguments ("Directory does not
// exist: ...", "The following arguments were not expected: ..."), so each long word is cut short
// and the message as a whole too, and no control character or broken UTF-8 is echoed.
std::string ShortParseErrorText(std::string_view message);
