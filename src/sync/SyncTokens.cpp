#include "sync/SyncTokens.h"

#include <QSet>

namespace tavrel {

namespace {

// Everything `after` says is known here as it is now.
bool nothingUnknown(const QHash<QString, QString>& now, const QStringList& toFetch,
                    const DavChanges& after)
{
    for (const DavCardRef& ref : after.changed) {
        if (toFetch.contains(ref.href))
            continue; // fetched next time whatever its ETag
        const auto it = now.constFind(ref.href);
        if (it == now.cend() || it->isEmpty() || *it != ref.etag)
            return false;
    }
    for (const QString& href : after.removed)
        if (now.contains(href) || toFetch.contains(href))
            return false;
    return true;
}

} // namespace

bool listingShowsOnlyThisSync(const SyncState& st, const DavChanges& first, const DavChanges& after,
                              const QHash<QString, QString>& before)
{
    QHash<QString, QString> now;
    for (const SyncEntry& e : st.entries)
        if (!e.href.isEmpty())
            now.insert(e.href, e.etag);
    if (!nothingUnknown(now, st.toFetch, after))
        return false;
    QSet<QString> listed, learnt;
    for (const DavCardRef& ref : after.changed)
        listed.insert(ref.href);
    for (const DavCardRef& ref : first.changed)
        learnt.insert(ref.href);
    // A card written or learnt of in this sync and gone again before `after`
    // was taken is in neither state the server compares: not named at all.
    const auto mustShow = [&](const QString& href) {
        return after.complete || learnt.contains(href);
    };
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const auto was = before.constFind(it.key());
        const bool written = was == before.cend() || *was != it.value();
        if ((written || mustShow(it.key())) && !listed.contains(it.key()))
            return false;
    }
    for (const QString& href : st.toFetch)
        if (mustShow(href) && !listed.contains(href))
            return false;
    return true;
}

} // namespace tavrel
