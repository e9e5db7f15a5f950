#include "run_program.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace test {

namespace {

std::string Slurp(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// In the child, before exec: only async-signal-safe calls.
[[noreturn]] void StartProgram(const char* program, char* const* argv, const RunOptions& options, int out, int err)
{
    if (dup2(out, 1) < 0 || dup2(err, 2) < 0 || chdir(options.cwd.c_str()) != 0)
        _exit(127);
    if (options.out == StandardOutput::Closed)
        close(1);
    struct sigaction ignore
    {
    };
    ignore.sa_handler = SIG_IGN;
    if (options.out == StandardOutput::ClosedPipe && sigaction(SIGPIPE, &ignore, nullptr) != 0)
        _exit(127);
    if (options.fileSizeLimitBytes) {
        const rlimit fileSize {*options.fileSizeLimitBytes, *options.fileSizeLimitBytes};
        if (sigaction(SIGXFSZ, &ignore, nullptr) != 0 || setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
            _exit(127);
    }
#ifndef QUORLAN_TEST_UNDER_ASAN
    const rlimit limit {options.addressSpaceLimitBytes, options.addressSpaceLimitBytes};
    if (setrlimit(RLIMIT_AS, &limit) != 0)
        _exit(127);
#endif
    if (options.user && (setgroups(0, nullptr) != 0 || setgid(*options.user) != 0 || setuid(*options.user) != 0))
        _exit(126);
    execv(program, argv);
    _exit(127);
}

} // namespace

ProgramRun RunProgram(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                      const RunOptions& options)
{
    char scratchName[] = "/tmp/quorlan-run-XXXXXX";
    const std::filesystem::path scratch = mkdtemp(scratchName);
    const auto outFile = scratch / "out";
    const auto errFile = scratch / "err";
    int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (options.out == StandardOutput::FullDevice) {
        close(out);
        out = open("/dev/full", O_WRONLY | O_CLOEXEC);
    } else if (options.out == StandardOutput::ClosedPipe) {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) == 0) {
            close(ends[0]); // the reader gone before the first write
            close(out);
            out = ends[1];
        }
    }
    const int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);

    std::vector<std::string> copies = arguments;
    copies.insert(copies.begin(), program.string());
    std::vector<char*> argv;
    for (auto& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    // The environment is set in the parent, where it may allocate, and put back after the fork.
    std::map<std::string, std::optional<std::string>> changes = options.environment;
    changes.try_emplace("QUORLAN_TABLES", std::nullopt);
    std::map<std::string, std::optional<std::string>> previous;
    for (const auto& [name, value] : changes) {
        const char* old = std::getenv(name.c_str());
        previous[name] = old ? std::optional<std::string>(old) : std::nullopt;
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }
    const pid_t child = fork();
    if (child == 0)
        StartProgram(argv[0], argv.data(), options, out, err);
    for (const auto& [name, value] : previous)
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    close(out);
    close(err);

    ProgramRun run;
    int waitStatus = 0;
    waitpid(child, &waitStatus, 0);
    run.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
    run.out = Slurp(outFile);
    run.err = Slurp(errFile);
    std::filesystem::remove_all(scratch);
    return run;
}

} // namespace test
