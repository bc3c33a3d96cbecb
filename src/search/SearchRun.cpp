#include "search/SearchRun.h"

#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

namespace tavrel {

namespace {

void collect(Program& p, int id)
{
    p.MailListFlags[id - 1] = '1';
    ++p.MailListAddCount;
}

} // namespace

SearchOutcome runSearch(Program& p, const SearchRequest& request, SearchView& view)
{
    p.MailListAddCount = 0;
    p.SearchMatchCount = 0;
    if (request.saveToList) {
        p.MailListFlags.fill('0', kMaxId);
        p.SearchSavesList = true;
    } else {
        p.SearchSavesList = false;
    }

    // The key as the file would hold it: Петров finds the Petrov it was stored as.
    const QString key = upperCaseKey(reduceToCp1252(request.key));
    const FoldedKey folded = foldedSearchKey(request.key);
    // The key as typed, for the person's own spellings kept beside the file.
    const SpellingKey spelled = spellingKey(request.key, request.ignoreAccents);
    const auto matches = [&](const NARecord& r, int id) {
        const bool held = request.ignoreAccents
                              ? recordMatchesIgnoringAccents(r, request.boxes, folded)
                              : recordMatches(r, request.boxes, key);
        return held || spellingMatches(r, originalsOf(p, id, r), request.boxes, spelled);
    };
    const int lastRecNo = qMin<int>(p.LastRecNo, kMaxId + 1);
    bool ended = false;
    // IDs 1 to LastRecNo - 1, each record read once, in ascending order.
    readAscending(p, 2, lastRecNo, [&](int recNo) {
        const int id = recNo - 1;
        if (!isActive(p.CurRec, id) || !matches(p.CurRec, id))
            return true;
        ++p.SearchMatchCount;
        if (!request.display) {
            if (request.saveToList)
                collect(p, id);
            view.progress();
            return true;
        }
        switch (view.showMatch(id)) {
        case MatchDecision::EndSearch:
            ended = true;
            return false;
        case MatchDecision::Add:
            if (request.saveToList)
                collect(p, id);
            break;
        case MatchDecision::Skip:
            break;
        }
        view.progress();
        return true;
    });
    if (ended)
        return SearchOutcome::Ended;
    return SearchOutcome::Completed;
}

} // namespace tavrel
