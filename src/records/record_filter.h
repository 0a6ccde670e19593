#pragma once
// The search box of the saved-records list: each keystroke filters the list in memory.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "records/record.h"

namespace kalodaya::records {

class RecordFilter {
  public:
    RecordFilter() = default;
    // Usually RecordStore::List(), whose order the matches keep.
    explicit RecordFilter(std::vector<RecordSummary> summaries);

    const std::vector<RecordSummary>& summaries() const { return summaries_; }

    // Positions in summaries() of the records in which every word of `query` occurs, in the
    // name, city, state, country or birth date (as 1990-08-15 and as the month's name); all of
    // them for a blank query. A query that extends the last one (the next keystroke) searches
    // only the last one's matches.
    const std::vector<std::size_t>& Match(std::string_view query);

    // Drops a deleted record without reloading the list.
    void Remove(RecordId id);

  private:
    std::string_view SearchText(std::size_t index) const {
        return std::string_view(text_).substr(starts_[index], starts_[index + 1] - starts_[index]);
    }
    void Rebuild();

    std::vector<RecordSummary> summaries_;
    std::string text_;                 // every record's folded search text, one after another
    std::vector<std::size_t> starts_;  // where each begins, and the end
    std::string last_query_;
    std::vector<std::size_t> matches_;
};

}  // namespace kalodaya::records
