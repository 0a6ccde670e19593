// The standard streams on Windows: binary mode (no carriage returns added or taken away), and
// input readiness asked of the pipe, file or console behind the stream.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cerrno>
#include <climits>

#include "base/platform/standard_streams.h"

namespace kalodaya::platform {

void UseStandardStreamsAsBytes() {
    for (int fd : {kStandardInput, kStandardOutput, kStandardError}) _setmode(fd, _O_BINARY);
}

long long ReadBytes(int fd, char* buffer, std::size_t size, int& error) {
    const int got = _read(fd, buffer, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
    if (got >= 0) return got;
    error = errno;
    return -1;
}

int WriteBytes(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const int put =
            _write(fd, bytes.data(), static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1 << 30)));
        if (put < 0) return errno;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return 0;
}

bool InputReady(int fd) {
    const HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    if (handle == INVALID_HANDLE_VALUE) return true;
    switch (GetFileType(handle)) {
        case FILE_TYPE_PIPE: {
            DWORD waiting = 0;
            // A pipe whose writer has gone is at its end: a read returns at once.
            if (!PeekNamedPipe(handle, nullptr, 0, nullptr, &waiting, nullptr)) return true;
            return waiting > 0;
        }
        case FILE_TYPE_CHAR:
            return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0;
        default:
            return true;  // a file never makes a reader wait
    }
}

}  // namespace kalodaya::platform
