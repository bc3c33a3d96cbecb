// The duplicate search windows.
#include "Shots.h"

#include "dups/gui/DeletedListDialog.h"
#include "dups/gui/DupCompleteDialog.h"
#include "dups/gui/DupPairDialog.h"
#include "dups/gui/DupProgressWindow.h"
#include "dups/gui/DupsCommand.h"
#include "platform/gui/Windows.h"
#include "store/Contact.h"
#include "store/RecordAccess.h"

using namespace tavrel;

namespace {

// A search state that lives as long as the shot tool.
DupSearchState& sampleState()
{
    static DupSearchState s;
    const char* names[] = {"Dunn, Peter", "ADAMS, RUTH", "Castillo, Marta", "Baker & Sons Ltd"};
    const int ids[] = {14, 3, 27, 9};
    s.DeletedNames = QVector<QString>(5);
    s.DeletedIds = QVector<qint16>(5);
    for (int k = 1; k <= 4; ++k) {
        s.DeletedNames[k] = QString::fromLatin1(names[k - 1]).leftJustified(35);
        s.DeletedIds[k] = qint16(ids[k - 1]);
    }
    s.DeletedCount = s.RunCount = 4;
    return s;
}

} // namespace

TAVREL_SHOT("DupParams")
{
    startFindDups(s.p());
    return loadedWindow(QStringLiteral("DupParams"));
}

TAVREL_SHOT("DupSearchMsg")
{
    return new DupProgressWindow(s.p());
}

TAVREL_SHOT("DupRecDisp")
{
    readActive(s.p(), 1);
    const NARecord earlier = s.p().CurRec;
    NARecord later = earlier;
    later.Name = later.Name.toUpper();
    later.AddrLine1 = QStringLiteral("10 Harbour Rd");
    static DupSearchState state;
    return new DupPairDialog(s.p(), state, 1, decodeContact(earlier), 1204, decodeContact(later));
}

TAVREL_SHOT("DupDelCompl")
{
    return new DupCompleteDialog(s.p(), sampleState());
}

TAVREL_SHOT("DupsDeleted")
{
    return new DeletedListDialog(sampleState());
}
