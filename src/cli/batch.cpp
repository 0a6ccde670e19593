#include "cli/batch.h"

#include <istream>
#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/chart_json.h"
#include "core/chart_pipeline.h"

namespace kalodaya::cli {
namespace {

using Json = nlohmann::json;

std::optional<ArgError> TextField(const Json& request, const char* key, std::string& value) {
    const auto it = request.find(key);
    if (it == request.end() || it->is_null()) return std::nullopt;
    if (!it->is_string()) return ArgError{std::string("\"") + key + "\" must be a string"};
    value = it->get<std::string>();
    return std::nullopt;
}

}  // namespace

std::optional<ArgError> ParseRequestLine(const std::string& line, Entries& entries) {
    const Json request = Json::parse(line, nullptr, /*allow_exceptions=*/false);
    if (request.is_discarded() || !request.is_object())
        return ArgError{"the line is not a JSON object"};
    static constexpr const char* kKeys[] = {"name", "date", "time",  "lat",   "lon",
                                            "zone", "dst",  "city", "state", "country"};
    for (const auto& item : request.items()) {
        bool known = false;
        for (const char* key : kKeys) known = known || item.key() == key;
        if (!known) return ArgError{"unknown key \"" + item.key() + "\""};
    }

    std::string text;
    using Setter = std::optional<ArgError> (*)(Entries&, const std::string&);
    const std::pair<const char*, Setter> setters[] = {{"name", SetName},
                                                      {"date", SetDate},
                                                      {"time", SetTime},
                                                      {"lat", SetLatitude},
                                                      {"lon", SetLongitude}};
    for (const auto& [key, setter] : setters) {
        text.clear();
        if (auto error = TextField(request, key, text)) return error;
        if (request.contains(key) || std::string(key) == "name")
            if (auto error = setter(entries, text)) return error;
    }
    if (const auto it = request.find("zone"); it != request.end()) {
        if (!it->is_number_integer()) return ArgError{"\"zone\" must be a whole number"};
        if (auto error = SetZone(entries, it->get<long long>())) return error;
    }
    if (const auto it = request.find("dst"); it != request.end()) {
        if (!it->is_boolean()) return ArgError{"\"dst\" must be true or false"};
        entries.dst = it->get<bool>();
    }
    for (auto [key, field] : {std::pair{"city", &entries.city}, std::pair{"state", &entries.state},
                              std::pair{"country", &entries.country}})
        if (auto error = TextField(request, key, *field)) return error;
    return std::nullopt;
}

bool RunBatch(std::istream& in, std::ostream& out) {
    std::string line, text;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Entries entries;
        if (auto error = ParseRequestLine(line, entries)) {
            out << nlohmann::ordered_json{{"valid", false}, {"message", nullptr},
                                          {"error", error->message}}
                       .dump()
                << '\n';
            continue;
        }
        AppState state;  // each line starts as if the program had just started
        LoadTables(state);
        const ChartOutcome outcome = RequestChart(state, entries);
        // Written straight as text: the same bytes as ChartJson(...).dump(-1, ' ', false,
        // error_handler_t::replace), without building the object.
        text.clear();
        AppendChartJsonText(text, state, outcome);
        text += '\n';
        out << text;
    }
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace kalodaya::cli
