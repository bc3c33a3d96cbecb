// The sync window as it opens the first time.
#include "Shots.h"

#include "platform/gui/Windows.h"
#include "sync/SyncConflictDialog.h"
#include "sync/SyncDialog.h"

TAVREL_SHOT("SyncForm")
{
    tavrel::startSync(s.p());
    return tavrel::loadedWindow(QStringLiteral("SyncForm"));
}

TAVREL_SHOT("SyncConflictForm")
{
    tavrel::NARecord mine = tavrel::NARecord::blank();
    mine.Name = QStringLiteral("Castillo, Marta");
    mine.EMail = QStringLiteral("marta@castillo.example");
    mine.PhoneType1 = QStringLiteral("Home");
    mine.PhoneNum1 = QStringLiteral("0611 123456");
    tavrel::NARecord theirs = mine;
    theirs.EMail = QStringLiteral("m.castillo@work.example");
    theirs.PhoneNum1 = QStringLiteral("0611 654321");
    auto* form =
        new tavrel::SyncConflictDialog({3,
                                      {tavrel::SyncField::Phone1, tavrel::SyncField::EMail},
                                      mine.toBytes(),
                                      theirs.toBytes()});
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}
