#include "records/record_filter.h"

#include <algorithm>
#include <array>

#include "records/record_fields.h"
#include "records/search_text.h"

namespace kalodaya::records {
namespace {

constexpr std::array<std::string_view, 12> kMonthNames = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};

// Fields are kept apart by a byte no query holds, so a word cannot match across two of them.
constexpr char kFieldGap = '\x1f';

void AppendSearchText(std::string& out, const RecordSummary& s) {
    for (const std::string* field : {&s.name, &s.city, &s.state, &s.country}) {
        AppendFolded(out, *field);
        out += kFieldGap;
    }
    out += DateText(s);
    out += kFieldGap;
    if (s.month >= 1 && s.month <= 12) out += kMonthNames[s.month - 1];
    out += kFieldGap;
}

}  // namespace

RecordFilter::RecordFilter(std::vector<RecordSummary> summaries)
    : summaries_(std::move(summaries)) {
    Rebuild();
}

void RecordFilter::Rebuild() {
    text_.clear();
    starts_.clear();
    text_.reserve(summaries_.size() * 64);
    starts_.reserve(summaries_.size() + 1);
    for (const RecordSummary& s : summaries_) {
        starts_.push_back(text_.size());
        AppendSearchText(text_, s);
    }
    starts_.push_back(text_.size());
    last_query_.clear();
    matches_.resize(summaries_.size());
    for (std::size_t i = 0; i < matches_.size(); ++i) matches_[i] = i;
}

const std::vector<std::size_t>& RecordFilter::Match(std::string_view query) {
    const std::string folded = Folded(query);
    const std::vector<std::string> terms = SearchTerms(folded);
    // Every word of the last query is a start of a word of this one, so its matches hold all
    // of this one's.
    const bool narrows = folded.starts_with(last_query_);
    if (!narrows) {
        matches_.resize(summaries_.size());
        for (std::size_t i = 0; i < matches_.size(); ++i) matches_[i] = i;
    }
    if (!terms.empty()) {
        std::erase_if(matches_, [&](std::size_t i) { return !MatchesAll(SearchText(i), terms); });
    }
    last_query_ = folded;
    return matches_;
}

void RecordFilter::Remove(RecordId id) {
    const auto gone = std::remove_if(summaries_.begin(), summaries_.end(),
                                     [id](const RecordSummary& s) { return s.id == id; });
    if (gone == summaries_.end()) return;
    summaries_.erase(gone, summaries_.end());
    const std::string query = last_query_;
    Rebuild();
    Match(query);
}

}  // namespace kalodaya::records
