#pragma once

#include "store/Program.h"

#include <QWidget>

class QPushButton;

namespace tavrel {

// The please-wait window of the contents print; Cancel asks the print to stop
// at its next page break.
class PrintWaitMessage : public QWidget {
    Q_OBJECT
public:
    explicit PrintWaitMessage(Program& p);

    QPushButton* cancelButton;

protected:
    // Closing the window asks for the same stop as Cancel.
    void closeEvent(QCloseEvent* event) override;

private:
    void onCancelClicked();

    Program& p_;
};

} // namespace tavrel
