// The user's own places: kept by name, state and country, searched like the records.
#include <algorithm>

#include "records/record_fields.h"
#include "records/record_rows.h"
#include "records/search_text.h"
#include "records/store_impl.h"

namespace kalodaya::records {

Result<PlaceId> RecordStore::SavePlace(const Place& place) {
    Impl& s = *impl_;
    if (!CanSave()) return s.Refusal();
    if (auto problem = ShapeProblem(place)) return Error{"cannot keep the place: " + *problem};
    Transaction transaction(s.db);
    if (transaction.begin_code() != SQLITE_OK) return s.Failure("cannot keep the place");
    Statement find = s.db.Prepare(
        "SELECT id FROM places WHERE name = ?1 COLLATE NOCASE AND state = ?2 COLLATE NOCASE "
        "AND country = ?3 COLLATE NOCASE");
    if (!find) return s.Failure("cannot keep the place");
    find.Bind(1, std::string_view(place.name));
    find.Bind(2, std::string_view(place.state));
    find.Bind(3, std::string_view(place.country));
    const int found = find.Step();
    if (found != SQLITE_ROW && found != SQLITE_DONE) return s.Failure("cannot keep the place");
    const PlaceId existing = found == SQLITE_ROW ? find.Int64(0) : 0;  // ids start at 1

    Statement write = s.db.Prepare(
        existing ? std::string("UPDATE places SET (") + kPlaceColumns + ") = (" +
                       kPlaceParameters + ") WHERE id = ?12"
                 : std::string("INSERT INTO places (") + kPlaceColumns + ") VALUES (" +
                       kPlaceParameters + ")");
    if (!write) return s.Failure("cannot keep the place");
    BindPlace(write, place);
    if (existing) write.Bind(12, existing);
    if (write.Step() != SQLITE_DONE) return s.Failure("cannot keep the place");
    const PlaceId id = existing ? existing : s.db.LastInsertId();
    if (transaction.Commit() != SQLITE_OK) return s.Failure("cannot keep the place");
    return id;
}

Status RecordStore::DeletePlace(PlaceId id) {
    Impl& s = *impl_;
    if (!CanSave()) return s.Refusal();
    Transaction transaction(s.db);
    if (transaction.begin_code() != SQLITE_OK) return s.Failure("cannot delete the place");
    Statement remove = s.db.Prepare("DELETE FROM places WHERE id = ?1");
    if (!remove) return s.Failure("cannot delete the place");
    remove.Bind(1, id);
    if (remove.Step() != SQLITE_DONE) return s.Failure("cannot delete the place");
    if (s.db.Changes() == 0) return Error{"there is no kept place " + std::to_string(id)};
    if (transaction.Commit() != SQLITE_OK) return s.Failure("cannot delete the place");
    return std::nullopt;
}

Result<std::vector<StoredPlace>> RecordStore::SearchPlaces(std::string_view query,
                                                           std::size_t limit) const {
    const Impl& s = *impl_;
    if (s.access == StoreAccess::Unavailable) return Error{"No kept places: " + s.why_not_writable};
    // The user's own places are few (typed by hand), so all are read and matched here.
    Statement all = impl_->db.Prepare(std::string("SELECT id, ") + kPlaceColumns + " FROM places");
    if (!all) return s.Failure("cannot read the kept places");
    const std::vector<std::string> terms = SearchTerms(query);
    struct Candidate {
        bool startsWithFirstTerm;
        std::string foldedName;
        StoredPlace place;
    };
    std::vector<Candidate> matches;
    int step;
    while ((step = all.Step()) == SQLITE_ROW) {
        StoredPlace stored{all.Int64(0), ReadPlace(all, 1)};
        std::string folded = Folded(stored.place.name);
        const std::size_t nameEnd = folded.size();
        folded += '\x1f';
        AppendFolded(folded, stored.place.state);
        folded += '\x1f';
        AppendFolded(folded, stored.place.country);
        if (!MatchesAll(folded, terms)) continue;
        folded.resize(nameEnd);
        const bool starts = !terms.empty() && folded.starts_with(terms.front());
        matches.push_back({starts, std::move(folded), std::move(stored)});
    }
    if (step != SQLITE_DONE) return s.Failure("cannot read the kept places");
    std::sort(matches.begin(), matches.end(), [](const Candidate& a, const Candidate& b) {
        if (a.startsWithFirstTerm != b.startsWithFirstTerm) return a.startsWithFirstTerm;
        if (a.foldedName != b.foldedName) return a.foldedName < b.foldedName;
        return a.place.id < b.place.id;
    });
    std::vector<StoredPlace> places;
    for (std::size_t i = 0; i < matches.size() && i < limit; ++i)
        places.push_back(std::move(matches[i].place));
    return places;
}

}  // namespace kalodaya::records
