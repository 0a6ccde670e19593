#include "cli/byte_streams.h"

#include <cstring>
#include <istream>
#include <ostream>

#include "base/platform/standard_streams.h"

namespace kalodaya::cli {

std::size_t FdInput::Read(char* buffer, std::size_t size) {
    int error = 0;
    const long long got = platform::ReadBytes(fd_, buffer, size, error);
    if (got >= 0) return static_cast<std::size_t>(got);
    error_ = std::string("cannot read the input: ") + std::strerror(error);
    return 0;
}

bool FdInput::Ready() { return platform::InputReady(fd_); }

bool FdOutput::Write(std::string_view bytes) {
    if (const int error = platform::WriteBytes(fd_, bytes)) {
        error_ = std::string("cannot write the output: ") + std::strerror(error);
        return false;
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
