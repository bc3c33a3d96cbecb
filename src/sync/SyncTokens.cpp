#include "sync/SyncTokens.h"

#include <QSet>

namespace tavrel {

namespace {

// Everything `after` says is known here as it is now.
bool nothingUnknown(const QHash<QString, QString>& now, const QSet<QString>& toFetch,
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

// The card as it is held now came from this sync's own write: neither the
// state before nor the first listing knew it so.
bool writtenHere(const QString& href, const QString& etag, const QHash<QString, QString>& before,
                 const QHash<QString, QString>& firstListed)
{
    const auto was = before.constFind(href);
    if (was != before.cend() && *was == etag)
        return false;
    const auto listed = firstListed.constFind(href);
    return listed == firstListed.cend() || *listed != etag;
}

} // namespace

bool listingShowsOnlyThisSync(const SyncState& st, const DavChanges& first, const DavChanges& after,
                              const QHash<QString, QString>& before)
{
    QHash<QString, QString> now;
    now.reserve(st.entries.size());
    for (const SyncEntry& e : st.entries)
        if (!e.href.isEmpty())
            now.insert(e.href, e.etag);
    const QSet<QString> toFetch(st.toFetch.cbegin(), st.toFetch.cend());
    if (!nothingUnknown(now, toFetch, after))
        return false;
    QHash<QString, QString> firstListed;
    firstListed.reserve(first.changed.size());
    for (const DavCardRef& ref : first.changed)
        firstListed.insert(ref.href, ref.etag);
    QSet<QString> listed;
    listed.reserve(after.changed.size());
    for (const DavCardRef& ref : after.changed)
        listed.insert(ref.href);
    // A card written in this sync and gone again before `after` was taken is
    // in neither state the server compares: not named at all.
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if ((after.complete || writtenHere(it.key(), it.value(), before, firstListed)) &&
            !listed.contains(it.key()))
            return false;
    if (after.complete)
        for (const QString& href : st.toFetch)
            if (!listed.contains(href))
                return false;
    return true;
}

} // namespace tavrel
