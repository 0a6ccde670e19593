#pragma once
// Results of the atlas functions: a value, or the reason there is none.
#include <string>

#include "base/expected.h"

namespace kalodaya::atlas {

struct AtlasError {
    std::string message;  // a sentence for the user ("No time zone named Mars/Base.")
};

template <class T>
using Expected = kalodaya::Expected<T, AtlasError>;

}  // namespace kalodaya::atlas
