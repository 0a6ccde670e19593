#pragma once
// The standard streams as bytes: nothing added or taken away on the way (no carriage returns
// on Windows), a reader that has gone away reported as a failed write rather than a signal
// that ends the program, and a way to ask whether input is waiting.
#include <cstddef>
#include <string_view>

namespace kalodaya::platform {

constexpr int kStandardInput = 0;
constexpr int kStandardOutput = 1;
constexpr int kStandardError = 2;

// Once, before the streams are used.
void UseStandardStreamsAsBytes();

// Reads up to `size` bytes from `fd`, waiting for at least one; the count (0 at the end), or
// -1 with `error` set to the system's error number.
long long ReadBytes(int fd, char* buffer, std::size_t size, int& error);

// Writes every byte, through short writes and interruptions; 0, or the error number.
int WriteBytes(int fd, std::string_view bytes);

// Whether a read of `fd` would return without waiting (an end of input, a hang-up or an
// error counts: the read returns at once).
bool InputReady(int fd);

}  // namespace kalodaya::platform
