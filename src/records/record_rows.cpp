#include "records/record_rows.h"

namespace kalodaya::records {
namespace {

void BindOptionalText(Statement& statement, int index, const std::string& text) {
    if (text.empty())
        statement.BindNull(index);
    else
        statement.Bind(index, std::string_view(text));
}

}  // namespace

void BindRecord(Statement& s, const Record& r) {
    s.Bind(1, std::string_view(r.name));
    s.Bind(2, r.year);
    s.Bind(3, r.month);
    s.Bind(4, r.day);
    s.Bind(5, r.hour);
    s.Bind(6, r.minute);
    s.Bind(7, r.second);
    s.Bind(8, r.latitude.degrees);
    s.Bind(9, r.latitude.minutes);
    s.Bind(10, r.latitude.north);
    s.Bind(11, r.longitude.degrees);
    s.Bind(12, r.longitude.minutes);
    s.Bind(13, r.longitude.east);
    if (const auto* entry = std::get_if<ZoneEntry>(&r.zone)) {
        s.Bind(14, entry->position);
        s.BindNull(15);
        s.BindNull(16);
    } else {
        const auto& exact = std::get<ExactOffset>(r.zone);
        s.BindNull(14);
        s.Bind(15, exact.seconds);
        s.Bind(16, std::string_view(exact.label));
    }
    s.Bind(17, r.dst);
    s.Bind(18, std::string_view(r.city));
    s.Bind(19, std::string_view(r.state));
    s.Bind(20, std::string_view(r.country));
    s.Bind(21, r.geonamesId);
    BindOptionalText(s, 22, r.ianaZone);
    s.Bind(23, std::string_view(r.note));
    s.Bind(24, r.created);
    s.Bind(25, r.updated);
    s.Bind(26, r.uncertaintyMinutes);
    s.Bind(27, std::string_view(r.calculation.ephemeris));
    s.Bind(28, std::string_view(r.calculation.ayanamsa));
    s.Bind(29, std::string_view(r.calculation.node));
    s.Bind(30, std::string_view(r.calculation.sunrise));
}

Record ReadRecord(const Statement& s, int c) {
    Record r;
    r.name = s.Text(c);
    r.year = s.Int(c + 1);
    r.month = s.Int(c + 2);
    r.day = s.Int(c + 3);
    r.hour = s.Int(c + 4);
    r.minute = s.Int(c + 5);
    r.second = s.Int(c + 6);
    r.latitude = {s.OptionalInt(c + 7), s.OptionalInt(c + 8), s.Int(c + 9) != 0};
    r.longitude = {s.OptionalInt(c + 10), s.OptionalInt(c + 11), s.Int(c + 12) != 0};
    if (!s.IsNull(c + 13))
        r.zone = ZoneEntry{s.Int(c + 13)};
    else
        r.zone = ExactOffset{s.Int(c + 14), s.Text(c + 15)};
    r.dst = s.Int(c + 16) != 0;
    r.city = s.Text(c + 17);
    r.state = s.Text(c + 18);
    r.country = s.Text(c + 19);
    r.geonamesId = s.OptionalInt64(c + 20);
    r.ianaZone = s.Text(c + 21);
    r.note = s.Text(c + 22);
    r.created = s.Int64(c + 23);
    r.updated = s.Int64(c + 24);
    r.uncertaintyMinutes = s.Int(c + 25);
    r.calculation = {s.Text(c + 26), s.Text(c + 27), s.Text(c + 28), s.Text(c + 29)};
    return r;
}

RecordSummary ReadSummary(const Statement& s) {
    RecordSummary summary;
    summary.id = s.Int64(0);
    summary.name = s.Text(1);
    summary.year = s.Int(2);
    summary.month = s.Int(3);
    summary.day = s.Int(4);
    summary.hour = s.Int(5);
    summary.minute = s.Int(6);
    summary.second = s.Int(7);
    summary.city = s.Text(8);
    summary.state = s.Text(9);
    summary.country = s.Text(10);
    summary.updated = s.Int64(11);
    return summary;
}

void BindPlace(Statement& s, const Place& p) {
    s.Bind(1, std::string_view(p.name));
    s.Bind(2, std::string_view(p.state));
    s.Bind(3, std::string_view(p.country));
    s.Bind(4, p.latitude.degrees);
    s.Bind(5, p.latitude.minutes);
    s.Bind(6, p.latitude.north);
    s.Bind(7, p.longitude.degrees);
    s.Bind(8, p.longitude.minutes);
    s.Bind(9, p.longitude.east);
    BindOptionalText(s, 10, p.ianaZone);
    s.Bind(11, p.utcOffsetSeconds);
}

Place ReadPlace(const Statement& s, int c) {
    Place p;
    p.name = s.Text(c);
    p.state = s.Text(c + 1);
    p.country = s.Text(c + 2);
    p.latitude = {s.OptionalInt(c + 3), s.OptionalInt(c + 4), s.Int(c + 5) != 0};
    p.longitude = {s.OptionalInt(c + 6), s.OptionalInt(c + 7), s.Int(c + 8) != 0};
    p.ianaZone = s.Text(c + 9);
    p.utcOffsetSeconds = s.OptionalInt(c + 10);
    return p;
}

}  // namespace kalodaya::records
