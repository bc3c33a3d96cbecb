// The sync window as it opens the first time.
#include "Shots.h"

#include "platform/gui/Windows.h"
#include "sync/SyncForm.h"

TAVREL_SHOT("SyncForm")
{
    tavrel::startSync(s.p());
    return tavrel::loadedWindow(QStringLiteral("SyncForm"));
}
