#include "cli/byte_streams.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>

namespace kalodaya::cli {

std::size_t FdInput::Read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno == EINTR) continue;
        error_ = std::string("cannot read the input: ") + std::strerror(errno);
        return 0;
    }
}

bool FdInput::Ready() {
    pollfd poll{fd_, POLLIN, 0};
    // An end of input, a hang-up or an error is ready too: Read returns at once.
    return ::poll(&poll, 1, 0) != 0;
}

bool FdOutput::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(fd_, bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) continue;
            error_ = std::string("cannot write the output: ") + std::strerror(errno);
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

std::size_t StreamInput::Read(char* buffer, std::size_t size) {
    in_.read(buffer, static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(in_.gcount());
}

bool StreamOutput::Write(std::string_view bytes) {
    out_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out_.flush();
    if (!out_) error_ = "cannot write the output";
    return static_cast<bool>(out_);
}

}  // namespace kalodaya::cli
