#pragma once
// Byte searches and buffers the standard libraries do not all offer alike.
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace kalodaya::platform {

// The first occurrence of `needle` in the `size` bytes at `haystack`; nullptr when none.
// glibc's memmem is a two-way search several times faster than a byte-by-byte compare.
inline const char* FindBytes(const char* haystack, std::size_t size, std::string_view needle) {
#if defined(__GLIBC__)
    return static_cast<const char*>(memmem(haystack, size, needle.data(), needle.size()));
#else
    const std::string_view in(haystack, size);
    const std::size_t at = in.find(needle);
    return at == std::string_view::npos ? nullptr : haystack + at;
#endif
}

// `size` bytes left as they are: the caller writes them before reading any.
inline std::unique_ptr<char[]> UninitializedBytes(std::size_t size) {
#if defined(__cpp_lib_smart_ptr_for_overwrite)
    return std::make_unique_for_overwrite<char[]>(size);
#else
    return std::unique_ptr<char[]>(new char[size]);
#endif
}

}  // namespace kalodaya::platform
