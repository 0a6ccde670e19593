#pragma once
// A JSON object built member by member through the same calls as JsonTextWriter, so that one
// function describes the chart's JSON for both the pretty-printed object and the compact text.
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "base/date_time.h"

namespace kalodaya {

class JsonValueBuilder {
  public:
    using Json = nlohmann::ordered_json;

    void Open() { Push(Json::object()); }
    void Close() { stack_.pop_back(); }
    void OpenList() { Push(Json::array()); }
    void CloseList() { stack_.pop_back(); }
    void Key(std::string_view key) { key_.assign(key); }
    void Item() {}

    // The builder has nothing to remember: it writes the value each time.
    template <typename Write>
    void Remembered(std::size_t, Write write) {
        write();
    }

    void Null() { Put(nullptr); }
    void Bool(bool value) { Put(value); }
    void Int(long long value) { Put(value); }
    void Double(double value) {
        if (!std::isfinite(value)) return Null();
        Put(value);
    }
    void String(std::string_view text) { Put(std::string(text)); }
    void Date(const DateTime& value, bool withTime) {
        const std::string iso = value.Iso();
        String(withTime ? iso : iso.substr(0, 10));
    }
    void DateOrNull(const DateTime& value, bool failed) {
        if (failed) return Null();
        Date(value, true);
    }

    Json Take() { return std::move(root_); }

  private:
    Json* Place(Json value) {
        if (stack_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        Json& top = *stack_.back();
        if (top.is_array()) {
            top.push_back(std::move(value));
            return &top.back();
        }
        Json& slot = top[key_];
        slot = std::move(value);
        return &slot;
    }
    void Put(Json value) { Place(std::move(value)); }
    void Push(Json container) { stack_.push_back(Place(std::move(container))); }

    Json root_;
    std::vector<Json*> stack_;  // the open objects and lists, innermost last
    std::string key_;
};

}  // namespace kalodaya
