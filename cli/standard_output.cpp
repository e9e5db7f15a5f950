#include "cli/standard_output.h"

#include "cli/commands.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <unistd.h>

void OccupyClosedStandardDescriptors()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) >= 0 || errno != EBADF)
            continue;
        // open returns the lowest free descriptor: this one, as the lower ones are open by now.
        const int opened = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (opened >= 0 && opened != fd)
            ::close(opened);
    }
}

int ConfirmWritten(int status, std::ostream& out, std::ostream& err)
{
    int error = errno;
    if (out.good()) {
        errno = 0;
        out.flush();
        if (out.good())
            return status;
        error = errno;
    }
    err << "quorlan-cli: cannot write standard output"
        << (error != 0 ? std::string(": ") + std::strerror(error) : std::string()) << '\n';
    return kExitFailure;
}
