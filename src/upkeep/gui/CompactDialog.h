#pragma once

#include "platform/gui/NoEscapeDialog.h"

namespace tavrel {

class Program;

// "Compact N&A File": the first of the two confirmations before a compaction.
class CompactDialog : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit CompactDialog(Program& p, QWidget* parent = nullptr);

    QPushButton* continueButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void onContinueClicked();
    void onCancelClicked();

protected:
    // The close box cancels, as Cancel does.
    void reject() override { onCancelClicked(); }

private:
    Program& p;
};

} // namespace tavrel
