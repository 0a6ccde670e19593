#include "request/entry_options.h"

#include <CLI/CLI.hpp>

namespace kalodaya {

bool GivenEntryOptions::Any() const {
    for (const auto& value : given)
        if (value) return true;
    return false;
}

EntryValues GivenEntryOptions::Values() const {
    EntryValues values{};
    for (int key = 0; key < kEntryCount; ++key) {
        if (!given[key]) continue;
        EntryValue& value = values[key];
        if (kEntryNames[key].kind == EntryKind::Flag) {
            value.kind = EntryValue::Boolean;
            value.flag = true;
        } else {
            value.kind = EntryValue::String;
            value.text = *given[key];
        }
    }
    return values;
}

EntryOptions::EntryOptions(CLI::App& app) {
    for (int key = 0; key < kEntryCount; ++key) {
        const EntryName& name = kEntryNames[key];
        const std::string option(name.option), help(name.help);
        CLI::Option* added = name.kind == EntryKind::Flag
                                 ? app.add_flag(option, flag_, help)
                                 : app.add_option(option, texts_[key], help);
        if (!name.typeName.empty()) added->type_name(std::string(name.typeName));
        options_[key] = added;
    }
}

GivenEntryOptions EntryOptions::Given() const {
    GivenEntryOptions options;
    for (int key = 0; key < kEntryCount; ++key)
        if (options_[key]->count() > 0) options.given[key] = texts_[key];
    return options;
}

std::optional<ReadError> RequestFromOptions(const GivenEntryOptions& options,
                                            BirthRequest& request) {
    return ApplyEntryValues(options.Values(), request, EntryNaming::Options);
}

}  // namespace kalodaya
