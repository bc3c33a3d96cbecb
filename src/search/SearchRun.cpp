#include "search/SearchRun.h"

#include "store/RecordAccess.h"

namespace tavrel
{

namespace
{

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

    const QString key = upperCaseKey(request.key);
    const int lastId = qMin<int>(p.LastRecNo - 1, kMaxId);
    for (int id = 1; id <= lastId; ++id) {
        if (!readActive(p, id) || !recordMatches(p.CurRec, request.boxes, key))
            continue;
        ++p.SearchMatchCount;
        if (!request.display) {
            if (request.saveToList)
                collect(p, id);
            view.progress();
            continue;
        }
        switch (view.showMatch(id)) {
        case MatchDecision::EndSearch:
            return SearchOutcome::Ended;
        case MatchDecision::Add:
            if (request.saveToList)
                collect(p, id);
            break;
        case MatchDecision::Skip:
            break;
        }
        view.progress();
    }
    return SearchOutcome::Completed;
}

} // namespace tavrel
