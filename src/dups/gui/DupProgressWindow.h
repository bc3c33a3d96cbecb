#pragma once

#include "dups/gui/DupDialog.h"

namespace tavrel {

struct ReportState;

// "Duplicate Record Search": shown while the search runs. Its Cancel (or its
// close box) asks the search to stop; the search notices at its next yield.
class DupProgressWindow : public DupDialog {
    Q_OBJECT
public:
    explicit DupProgressWindow(ReportState& state, QWidget* parent = nullptr);

    QPushButton* cancelButton = nullptr;

    void onCancelClicked();

protected:
    void reject() override { onCancelClicked(); }

private:
    ReportState& state;
};

} // namespace tavrel
