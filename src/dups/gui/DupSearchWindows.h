#pragma once

#include "dups/DupSearch.h"

#include <QPointer>

namespace tavrel {

class DupProgressWindow;

// The windows of one search run: the progress window for its length, a
// DupPairDialog for each pair on display, DupCompleteDialog at the end.
class DupSearchWindows : public DupSearchView {
public:
    // Shows the progress window and paints it at once.
    DupSearchWindows(Program& p, DupSearchState& s);
    // Closes the progress window, whatever ended the run.
    ~DupSearchWindows() override;

    void showPair(int earlierId, const NARecord& earlier, int laterId,
                  const NARecord& later) override;
    void letEventsRun() override;
    void showDeletedReport() override;

private:
    Program& p;
    DupSearchState& s;
    QPointer<DupProgressWindow> progress_;
};

} // namespace tavrel
