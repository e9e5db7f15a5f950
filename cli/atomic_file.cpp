#include "cli/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SystemWords(int error)
{
    return std::strerror(error != 0 ? error : EIO);
}

// Writes every byte, through partial writes and signals; false with errno set otherwise.
bool WriteAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A device or FIFO has no content to keep: write into it as it is.
std::optional<std::string> WriteDirectly(const std::filesystem::path& path, std::string_view content)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return SystemWords(errno);
    const bool written = WriteAll(fd, content);
    const int error = errno;
    if (::close(fd) != 0 && written)
        return SystemWords(errno);
    return written ? std::nullopt : std::optional(SystemWords(error));
}

// Creates a new file beside target, named after it, that no one else holds; its name and descriptor.
std::pair<std::filesystem::path, int> CreateBeside(const std::filesystem::path& target)
{
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const std::string stem = "." + target.filename().string() + "." + std::to_string(::getpid()) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate = folder / (stem + std::to_string(attempt) + ".tmp");
        // Exclusive: never opens a file or link someone else made; the umask applies as to any new file.
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return {candidate, fd};
    }
    errno = EEXIST;
    return {{}, -1};
}

} // namespace

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view content)
{
    if (path.empty() || !path.has_filename())
        return std::string("not a file name");
    // A link is kept and what it points to replaced, as writing through it would.
    std::error_code ignored;
    const std::filesystem::path target
        = std::filesystem::is_symlink(path, ignored) ? std::filesystem::weakly_canonical(path, ignored) : path;
    struct stat existing
    {
    };
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return SystemWords(EISDIR);
    if (exists && !S_ISREG(existing.st_mode))
        return WriteDirectly(target, content);

    const auto [temporary, fd] = CreateBeside(target);
    if (fd < 0)
        return SystemWords(errno);
    // A replaced file keeps its permissions.
    bool done = (!exists || ::fchmod(fd, existing.st_mode & 07777) == 0) && WriteAll(fd, content) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && done) {
        done = false;
        error = errno;
    }
    if (done && ::rename(temporary.c_str(), target.c_str()) != 0) {
        done = false;
        error = errno;
    }
    if (!done) {
        ::unlink(temporary.c_str());
        return SystemWords(error);
    }
    return std::nullopt;
}
