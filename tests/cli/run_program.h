#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace test {

struct ProgramRun
{
    int status = -1; // the exit status; -1 when killed by a signal or not started
    std::string out;
    std::string err;
};

struct RunOptions
{
    std::filesystem::path cwd = std::filesystem::current_path();
    // Set (a value) or unset (nothing) in the program's environment; QUORLAN_TABLES is unset unless
    // given, so that the machine's own setting never leaks in.
    std::map<std::string, std::optional<std::string>> environment;
    std::optional<uid_t> user; // run as this user (and its group), if the test runs as root
};

// Runs a program as a script would, its output in files (no pipe can fill up). Without the address
// sanitizer, the program's address space is limited to 256 MB: an unbounded read or allocation then
// ends it instead of the machine's memory.
ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      const RunOptions& options = {});

} // namespace test
