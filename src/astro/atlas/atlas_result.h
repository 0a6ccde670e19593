#pragma once
// Results of the atlas functions: a value, or the reason there is none.
#include <string>
#include <utility>
#include <variant>

namespace kalodaya::atlas {

struct AtlasError {
    std::string message;  // a sentence for the user ("No time zone named Mars/Base.")
};

template <class T>
class Expected {
  public:
    Expected(T value) : state_(std::move(value)) {}           // NOLINT: implicit like std::expected
    Expected(AtlasError error) : state_(std::move(error)) {}  // NOLINT

    bool has_value() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return has_value(); }
    const T& value() const& { return std::get<T>(state_); }
    T& value() & { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }
    const AtlasError& error() const { return std::get<AtlasError>(state_); }

  private:
    std::variant<T, AtlasError> state_;
};

}  // namespace kalodaya::atlas
