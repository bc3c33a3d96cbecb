#pragma once

#include "platform/gui/NoEscapeDialog.h"
#include "store/Program.h"

namespace tavrel {

// "Compact N&A File": the first of the two confirmations before a compaction.
class CompactDialog : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit CompactDialog(Program& p, QWidget* parent = nullptr);

    QPushButton* CompactCmd1 = nullptr;
    QPushButton* CompactCmd2 = nullptr;

    void CompactCmd1_Click();
    void CompactCmd2_Click();

protected:
    // The close box cancels, as CompactCmd2 does.
    void reject() override { CompactCmd2_Click(); }

private:
    Program& p;
};

} // namespace tavrel
