#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Texts from outside (arguments, file names, folder names) made safe to echo in a message.

// The text with control characters (but newlines, if kept) and bytes that are no part of valid
// UTF-8 replaced by '?', so that a message never sends escape sequences to a terminal.
std::string PrintableText(std::string_view text, bool keepNewlines = false);

// A path for a message: printable, "." for the empty path (the current directory), and a huge one
// cut to its last bytes, which name the file, after "...".
std::string PathText(const std::filesystem::path& path);
