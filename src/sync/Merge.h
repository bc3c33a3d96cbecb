#pragma once

#include "sync/CardMapping.h"

#include <QByteArray>
#include <QList>

namespace tavrel {

// What became of one record and its card since the last sync, and what the
// sync does about it.
struct SideState {
    bool exists = true;   // the record is here / the card is on the server
    bool changed = false; // changed since the last sync
};

enum class SyncAction {
    Nothing,
    Upload,        // new here: a new card there
    Download,      // new there: a new record here
    Merge,         // on both sides with a change on either: fields merge
    DeleteHere,    // deleted there, unchanged here
    DeleteThere,   // deleted here, unchanged there
    UploadAgain,   // deleted there but changed here: the record goes back as a new card
    DownloadAgain, // deleted here but changed there: the card comes back as a new record
    Forget,        // gone on both sides
};

// The rule for one pair. `known`: the pair was synced before (else only one
// side can exist and it is new).
SyncAction syncAction(bool known, SideState here, SideState there);

// The field-by-field merge of a record and its card that both stand.
struct FieldMerge {
    QByteArray record;          // the record as it is to be here
    QList<SyncField> toCard;    // fields the card must take from the record
    QList<SyncField> toRecord;  // fields the record took from the card
    QList<SyncField> conflicts; // changed on both sides to different values
};

// `base`: the record as last synced; `local`: as it is now; `lastView` and
// `serverView`: the records the card read as at the last sync and now. A field
// changed on one side only goes to the other; changed on both to different
// values is a conflict, which `serverWins` settles for the card, else for the
// record.
FieldMerge mergeFields(const QByteArray& base, const QByteArray& local, const QByteArray& lastView,
                       const QByteArray& serverView, bool serverWins);

} // namespace tavrel
