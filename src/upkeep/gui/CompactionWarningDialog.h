#pragma once

#include "platform/gui/NoEscapeDialog.h"

namespace tavrel {

class Program;

// "Compaction Warning!": the last confirmation; its Yes runs the compaction.
class CompactionWarningDialog : public NoEscapeDialog {
    Q_OBJECT
public:
    explicit CompactionWarningDialog(Program& p, QWidget* parent = nullptr);

    QPushButton* yesButton = nullptr;
    QPushButton* noButton = nullptr;

    void onYesClicked();
    void onNoClicked();

protected:
    // The close box answers No.
    void reject() override { onNoClicked(); }

private:
    Program& p;
};

} // namespace tavrel
