#pragma once
// Expected failures as values: a message for the user, or a value.
#include <optional>
#include <string>

#include "base/expected.h"

namespace kalodaya::records {

struct Error {
    std::string message;
};

// Nothing on success, the error otherwise (read as `if (auto error = store.Delete(id))`).
using Status = std::optional<Error>;

template <class T>
using Result = kalodaya::Expected<T, Error>;

}  // namespace kalodaya::records
