#pragma once
// A value or the reason there is none: the result of an operation whose failure is expected
// (a bad entry, a missing place, a file that cannot be read), returned rather than thrown.
#include <utility>
#include <variant>

namespace kalodaya {

template <typename T, typename E>
class Expected {
public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Expected(E error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool has_value() const { return state_.index() == 0; }
    explicit operator bool() const { return has_value(); }

    T& value() & { return std::get<0>(state_); }
    const T& value() const& { return std::get<0>(state_); }
    // A temporary result gives its value away, so that `for (auto& x : *store.List())` holds
    // a value and not a reference into a destroyed result.
    T value() && { return std::get<0>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const E& error() const { return std::get<1>(state_); }

private:
    std::variant<T, E> state_;
};

}  // namespace kalodaya
