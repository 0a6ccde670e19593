#pragma once
// Expected failures as values: a message for the user, or a value.
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace kalodaya::records {

struct Error {
    std::string message;
};

// Nothing on success, the error otherwise (read as `if (auto error = store.Delete(id))`).
using Status = std::optional<Error>;

template <class T>
class Result {
  public:
    Result(T value) : content_(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : content_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return content_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(content_); }
    const T& value() const& { return std::get<0>(content_); }
    // A temporary result gives its value away, so that `for (auto& x : *store.List())` holds
    // a value and not a reference into a destroyed result.
    T value() && { return std::get<0>(std::move(content_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T operator*() && { return std::move(*this).value(); }

    const Error& error() const { return std::get<1>(content_); }

  private:
    std::variant<T, Error> content_;
};

}  // namespace kalodaya::records
