// The standard streams on POSIX systems: already bytes; SIGPIPE ignored.
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "base/platform/standard_streams.h"

namespace kalodaya::platform {

void UseStandardStreamsAsBytes() {
    // A reader that went away is output that cannot be written: reported, not a silent death.
    std::signal(SIGPIPE, SIG_IGN);
}

long long ReadBytes(int fd, char* buffer, std::size_t size, int& error) {
    for (;;) {
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0) return got;
        if (errno == EINTR) continue;
        error = errno;
        return -1;
    }
}

int WriteBytes(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return 0;
}

bool InputReady(int fd) {
    pollfd poll{fd, POLLIN, 0};
    return ::poll(&poll, 1, 0) != 0;
}

}  // namespace kalodaya::platform
