#pragma once

#include "search/FieldTest.h"

#include <QString>

namespace tavrel {

class Program;

// What the person asked for in the search dialog.
struct SearchRequest {
    QString key; // exactly as typed, blanks included
    SearchFieldBoxes boxes{};
    bool saveToList = false;   // "Sa&ve Search Results In A Mailing List"
    bool display = false;      // "&Display Matching Records"
    bool ignoreAccents = true; // "&Ignore Accents": "muller" finds "Müller"
};

// The person's verdict on a match on display.
enum class MatchDecision { Add, Skip, EndSearch };

// The windows side of a search run; the loop itself knows no widgets.
class SearchView {
public:
    virtual ~SearchView() = default;
    // Repaints the progress window (the loop calls it after each match).
    virtual void progress() = 0;
    // Shows the match in the current record buffer (ID `id`) and waits for
    // the person. Called only when the request displays matches.
    virtual MatchDecision showMatch(int id) = 0;
};

enum class SearchOutcome { Completed, Ended };

// Resets the counters (and the list flags when saving) and visits every ID
// from 1 to LastRecNo - 1, counting matches in SearchMatchCount and collecting
// them in MailListFlags/MailListAddCount when saving. Ended means the person
// chose "&End Search" on a match; everything collected so far is then to be
// thrown away by the caller.
SearchOutcome runSearch(Program& p, const SearchRequest& request, SearchView& view);

} // namespace tavrel
