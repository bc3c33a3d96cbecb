#include "dups/gui/DupSearchWindows.h"

#include "dups/gui/DupCompleteDialog.h"
#include "dups/gui/DupPairDialog.h"
#include "dups/gui/DupProgressWindow.h"
#include "platform/gui/Windows.h"
#include "store/ContactAccess.h"
#include "store/Program.h"

namespace tavrel {

DupSearchWindows::DupSearchWindows(Program& program, DupSearchState& state)
    : p(program), s(state), progress_(new DupProgressWindow(program))
{
    loadWindow(progress_);
    progress_->show();
    progress_->repaint();
}

DupSearchWindows::~DupSearchWindows()
{
    if (progress_)
        unloadWindow(progress_);
}

void DupSearchWindows::showPair(int earlierId, const NARecord& earlier, int laterId,
                                const NARecord& later)
{
    {
        DupPairDialog pair(p, s, earlierId, contactOf(p, earlierId, earlier), laterId,
                           contactOf(p, laterId, later));
        p.ui.runModal(pair);
    }
    if (progress_) {
        progress_->show();
        progress_->repaint();
    }
}

void DupSearchWindows::letEventsRun()
{
    p.ui.processEvents();
}

void DupSearchWindows::showDeletedReport()
{
    DupCompleteDialog report(p, s);
    p.ui.runModal(report);
}

} // namespace tavrel
