#pragma once
// The text forms of a record's values, as kalodaya-chart's request lines write them, and the
// limits of what the form can hold. Shared by the request-line and CSV formats.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/utc_offset.h"
#include "records/record.h"
#include "records/result.h"

namespace kalodaya::records {

std::string DateText(const Record& record);       // "1990-08-15"
std::string TimeText(const Record& record);       // "10:30:00"
std::string DateText(const RecordSummary& summary);
std::string TimeText(const RecordSummary& summary);
// "New Delhi, Delhi, India", the empty parts left out.
std::string PlaceText(const RecordSummary& summary);
std::string LatitudeText(const Latitude& lat);    // "28:39N"; blank boxes leave their part empty
std::string LongitudeText(const Longitude& lon);  // "77:13E"
std::string TimestampText(std::int64_t unixSeconds);  // "2024-05-01T10:22:33Z"

// The zone list's text for an exact offset: "Exact offset: UTC+05:45 (Asia/Kathmandu)", the
// zone's name only when known.
std::string ExactOffsetLabel(int seconds, std::string_view ianaZone);

// Readers of the same forms; each refuses anything else and says what it expected.
Status ReadDate(std::string_view text, Record& record);
Status ReadTime(std::string_view text, Record& record);
Result<Latitude> ReadLatitude(std::string_view text);
Result<Longitude> ReadLongitude(std::string_view text);
Result<int> ReadUtcOffset(std::string_view text);
Result<std::int64_t> ReadTimestamp(std::string_view text);

// The first value the form could not hold (a date or zone off its lists, a box value longer
// than the box, text that is not UTF-8), or nothing.
std::optional<std::string> ShapeProblem(const Record& record);
std::optional<std::string> ShapeProblem(const Place& place);

bool IsUtf8(std::string_view text);

// The longest request line or CSV row an import reads, as kalodaya-chart --batch reads request
// lines: 1 MiB without its line end.
inline constexpr std::size_t kLongestImportLine = std::size_t{1} << 20;
// The most characters a text of a record holds: what the form's text boxes take (counted as
// they count them, a character beyond U+FFFF as two). Four such texts in a request line, even
// written as JSON escapes, stay within kLongestImportLine.
inline constexpr std::size_t kLongestRecordText = 32767;
// The length of UTF-8 `text` as the text boxes count it.
std::size_t FormTextLength(std::string_view text);

}  // namespace kalodaya::records
