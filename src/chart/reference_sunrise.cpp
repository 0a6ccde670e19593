#include "chart/reference_sunrise.h"

#include <cstdlib>

namespace kalodaya {

const SunEventStatus* SunEventMemo::Find(const DateTime& date, int hour) const {
    for (std::size_t i = 0; i < count_; ++i)
        if (kept_[i].date == date && kept_[i].hour == hour) return &kept_[i].status;
    return nullptr;
}

void SunEventMemo::Keep(const DateTime& date, int hour, const SunEventStatus& status) {
    kept_[next_] = {date, hour, status};
    next_ = (next_ + 1) % kMost;
    if (count_ < kMost) ++count_;
}

SunDays::SunDays(const LocalBirth& birth, SunEventMemo* memo)
    : birth_(birth), memo_(memo),
      birthDate_(DateTime::FromCivil(birth.year, birth.month, birth.day)) {}

const SunDay& SunDays::At(int offset) {
    auto& day = days_[offset + kFarthest];
    if (!day) {
        const DateTime date = birthDate_.AddDays(offset);
        // The daylight rule reads the clock hour only: without the box, no hour counts.
        const int hour = birth_.daylight ? birth_.hour : 0;
        if (const SunEventStatus* kept = memo_ ? memo_->Find(date, hour) : nullptr) {
            day = SunDay{date, *kept};
        } else {
            day = SunDay{date, ComputeSunEvents(date.Year(), date.Month(), date.Day(),
                                                birth_.hour, birth_.minute, birth_.place,
                                                birth_.zone, birth_.daylight)};
            if (memo_) memo_->Keep(date, hour, day->status);
        }
    }
    return *day;
}

Expected<ReferenceSunrise, PolarOutcome> ChooseReferenceSunrise(const DateTime& moment,
                                                                SunDays& days) {
    const SunDay* refDay = nullptr;
    bool remaining = false;  // the count runs from the birth to a later sunrise

    const SunDay& birthDay = days.At(0);
    if (!birthDay.status.sunriseOk) return PolarOutcome{birthDay.date, false};
    if (moment >= birthDay.status.sunrise && !birthDay.status.sunsetOk)
        return PolarOutcome{birthDay.date, true};
    if (moment >= birthDay.status.sunrise && moment <= birthDay.status.sunset) {
        refDay = &birthDay;
    } else if (moment < birthDay.status.sunrise) {
        for (int offset = -1; offset >= -SunDays::kFarthest && !refDay; --offset) {
            const SunDay& day = days.At(offset);
            if (!day.status.sunriseOk) return PolarOutcome{day.date, false};
            if (day.status.sunrise <= moment) refDay = &day;
        }
    } else {
        for (int offset = 1; offset <= SunDays::kFarthest && !refDay; ++offset) {
            const SunDay& day = days.At(offset);
            if (!day.status.sunriseOk) return PolarOutcome{day.date, false};
            if (day.status.sunrise > moment) {
                refDay = &day;
                remaining = true;
            } else {
                // This day has begun before the birth: a birth in its daylight counts from its
                // sunrise, a birth after its sunset looks on to the next day's sunrise.
                if (!day.status.sunsetOk) return PolarOutcome{day.date, true};
                if (moment <= day.status.sunset) refDay = &day;
            }
        }
    }
    // Three days either way cover every zone and longitude; should none qualify, the chart is
    // not computed rather than counted from a sunrise on the wrong side of the birth.
    if (!refDay) return PolarOutcome{birthDay.date, false};

    ReferenceSunrise ref;
    ref.sunrise = refDay->status.sunrise;
    ref.daylightApplied = refDay->status.dstApplied;
    if (remaining) {
        ref.elapsedMinutes = static_cast<int32_t>(DateTime::MinutesBetween(moment, ref.sunrise));
        ref.elapsedSeconds = static_cast<int32_t>(DateTime::SecondsBetween(moment, ref.sunrise));
    } else {
        ref.elapsedMinutes =
            static_cast<int32_t>(std::llabs(DateTime::MinutesBetween(ref.sunrise, moment)));
        ref.elapsedSeconds =
            static_cast<int32_t>(std::llabs(DateTime::SecondsBetween(ref.sunrise, moment)));
    }
    return ref;
}

}  // namespace kalodaya
