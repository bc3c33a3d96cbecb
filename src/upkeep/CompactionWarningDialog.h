#pragma once

#include "platform/gui/NoEscapeDialog.h"
#include "store/Program.h"

namespace tavrel {

// "Compaction Warning!": the last confirmation; its Yes runs the compaction.
class CompactionWarningDialog : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit CompactionWarningDialog(Program& p, QWidget* parent = nullptr);

    QPushButton* WarningCmd1 = nullptr;
    QPushButton* WarningCmd2 = nullptr;

    void WarningCmd1_Click();
    void WarningCmd2_Click();

protected:
    // The close box answers No.
    void reject() override { WarningCmd2_Click(); }

private:
    Program& p;
};

} // namespace tavrel
