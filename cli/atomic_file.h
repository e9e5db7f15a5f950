#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Writes content to path whole or not at all: into a new file beside it (same folder, so the
// rename cannot cross file systems), renamed over path once complete. A failed write (a full disk,
// a file-size limit) leaves an existing file as it was and removes the unfinished one. A path that
// names a device or FIFO is written directly, as there is nothing to replace. Nothing on success,
// else why not, in the system's words.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view content);
