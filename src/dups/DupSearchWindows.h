#pragma once

#include "dups/DupSearch.h"

#include <QPointer>

namespace tavrel {

class DupSearchMsg;

// The windows of one search run: the progress window for its length, a
// DupRecDisp for each pair on display, DupDelCompl at the end.
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
    QPointer<DupSearchMsg> progress_;
};

} // namespace tavrel
