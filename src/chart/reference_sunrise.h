#pragma once
// The sunrise a birth's time is counted from, chosen among the sun events of the birth date and
// the days around it at their true local dates and times.
#include <array>
#include <cstdint>
#include <optional>

#include "astro/local_birth.h"
#include "astro/sunrise.h"
#include "base/date_time.h"
#include "base/expected.h"
#include "chart/chart_result.h"

namespace kalodaya {

struct SunDay {
    DateTime date;
    SunEventStatus status;
};

// Sun events already computed for one request's place, zone and daylight box, by date and the
// birth's clock hour (all ComputeSunEvents reads of a birth besides them): a search over many
// birth times of one request asks for the same few days again and again. Owned by that search,
// never shared between requests.
class SunEventMemo {
  public:
    const SunEventStatus* Find(const DateTime& date, int hour) const;
    void Keep(const DateTime& date, int hour, const SunEventStatus& status);

  private:
    struct Kept {
        DateTime date;
        int hour;
        SunEventStatus status;
    };
    static constexpr std::size_t kMost = 32;  // a few days either way of a few hours
    std::array<Kept, kMost> kept_{};
    std::size_t count_ = 0, next_ = 0;
};

// The birth's days by their distance from the birth date, each computed when first needed with
// the birth's place, zone, daylight box and clock hour. Far enough either way for every zone and
// longitude (an event can fall a whole day away from its date when the zone is far from the
// place's longitude).
class SunDays {
  public:
    static constexpr int kFarthest = 3;

    explicit SunDays(const LocalBirth& birth, SunEventMemo* memo = nullptr);
    const SunDay& At(int offset);  // offset in -kFarthest..kFarthest

  private:
    LocalBirth birth_;  // a copy: the days may outlive the request they came from
    SunEventMemo* memo_;
    DateTime birthDate_;
    std::array<std::optional<SunDay>, 2 * kFarthest + 1> days_;
};

struct ReferenceSunrise {
    DateTime sunrise;              // at its own local date and time
    bool daylightApplied = false;  // its clock time carries the daylight hour
    int32_t elapsedMinutes = 0;
    int32_t elapsedSeconds = 0;
};

// A birth between the birth date's sunrise and sunset counts from that sunrise; a birth before
// it from the latest sunrise before the birth; a birth after that sunset counts the time
// remaining until the first sunrise after the birth, unless a later day's sunrise has already
// come, when the birth belongs to that day (counted from its sunrise) or to the night after it.
// The polar outcome names the event the choice needed and could not have.
Expected<ReferenceSunrise, PolarOutcome> ChooseReferenceSunrise(const DateTime& birthMoment,
                                                                SunDays& days);

}  // namespace kalodaya
