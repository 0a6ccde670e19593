#pragma once
// What writing JSON text keeps from one text to the next on one thread: its buffer, and the
// texts of values that come out the same whenever the same slot is used.
//
// The caller owns it (a batch worker keeps one for all its lines) rather than the thread: a
// thread_local object with a destructor is not safe on Windows, where mingw-w64's emulated
// thread-local storage may free the object's memory before its destructor runs at thread exit
// (a use after free that ended the parallel batch in heap faults).
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace kalodaya::json_text {

struct WriterScratch {
    std::unique_ptr<char[]> data;  // never cleared: only the part written is read
    std::size_t size = 0;
    std::vector<std::string> remembered;  // by slot; empty: not written yet
};

}  // namespace kalodaya::json_text
