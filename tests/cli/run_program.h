#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/types.h>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define QUORLAN_TEST_UNDER_ASAN 1
#endif

namespace test {

struct ProgramRun
{
    int status = -1; // the exit status; -1 when killed by a signal or not started
    std::string out;
    std::string err;
};

// Where the program's standard output goes: captured, or somewhere every write to it fails.
enum class StandardOutput {
    Captured,
    FullDevice, // /dev/full: no space left
    Closed,
    ClosedPipe, // a pipe whose reader has gone, with SIGPIPE ignored
};

struct RunOptions
{
    std::filesystem::path cwd = std::filesystem::current_path();
    // Set (a value) or unset (nothing) in the program's environment; QUORLAN_TABLES is unset unless
    // given, so that the machine's own setting never leaks in.
    std::map<std::string, std::optional<std::string>> environment;
    std::optional<uid_t> user; // run as this user (and its group), if the test runs as root
    StandardOutput out = StandardOutput::Captured;
    // The largest file the program may write (RLIMIT_FSIZE, SIGXFSZ ignored: a write then fails).
    std::optional<rlim_t> fileSizeLimitBytes = std::nullopt;
    // The program's address space (RLIMIT_AS); not set under the address sanitizer, which needs more.
    rlim_t addressSpaceLimitBytes = rlim_t {256} << 20;
};

// Runs a program as a script would, its output in files (no pipe can fill up). Without the address
// sanitizer, the program's address space is limited (256 MB unless given): an unbounded read or
// allocation then ends it instead of the machine's memory.
ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      const RunOptions& options = {});

} // namespace test
