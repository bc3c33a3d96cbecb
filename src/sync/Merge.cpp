#include "sync/Merge.h"

namespace tavrel {

SyncAction syncAction(bool known, SideState here, SideState there)
{
    if (!known)
        return here.exists    ? SyncAction::Upload
               : there.exists ? SyncAction::Download
                              : SyncAction::Nothing;
    if (!here.exists && !there.exists)
        return SyncAction::Forget;
    if (!there.exists)
        return here.changed ? SyncAction::UploadAgain : SyncAction::DeleteHere;
    if (!here.exists)
        return there.changed ? SyncAction::DownloadAgain : SyncAction::DeleteThere;
    return here.changed || there.changed ? SyncAction::Merge : SyncAction::Nothing;
}

FieldMerge mergeFields(const QByteArray& base, const QByteArray& local, const QByteArray& lastView,
                       const QByteArray& serverView, bool serverWins)
{
    FieldMerge m;
    m.record = local;
    for (SyncField f : allSyncFields()) {
        const QByteArray mine = fieldBytes(local, f);
        const QByteArray theirs = fieldBytes(serverView, f);
        const bool changedHere = mine != fieldBytes(base, f);
        const bool changedThere = theirs != fieldBytes(lastView, f);
        if (changedThere && (!changedHere || mine != theirs)) {
            if (changedHere)
                m.conflicts << f;
            if (!changedHere || serverWins) {
                setFieldBytes(m.record, f, theirs);
                m.toRecord << f;
                continue;
            }
        }
        // The card takes what differs from the record as it will be here.
        if ((changedHere || changedThere) && fieldBytes(m.record, f) != theirs)
            m.toCard << f;
    }
    return m;
}

} // namespace tavrel
