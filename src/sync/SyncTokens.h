#pragma once

#include "sync/CardDavClient.h"
#include "sync/SyncState.h"

#include <QHash>
#include <QString>

namespace tavrel {

// A sync that wrote to the server cannot keep the token of the listing it
// took before the writes: the server tells later changes against that
// token's state, so a card written here and deleted elsewhere before the next
// sync would be in neither state and never be named. `after` is a listing
// taken once the writes were done, from the token that listing (`first`)
// gave: it names this sync's writes and whatever else changed meanwhile
// (`before` is each entry's href and ETag before anything was applied). True
// when it names nothing the state does not already hold as it is now, and
// names every card this sync wrote (every card held, when the server forgot
// the token and listed all): its token then stands for the state. Otherwise
// the next sync must take a complete listing.
bool listingShowsOnlyThisSync(const SyncState& st, const DavChanges& first, const DavChanges& after,
                              const QHash<QString, QString>& before);

} // namespace tavrel
