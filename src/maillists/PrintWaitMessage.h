#pragma once

#include "store/Program.h"

#include <QWidget>

class QPushButton;

namespace tavrel {

// The please-wait window of the contents print; Cancel asks the print to stop
// at its next page break.
class MLPrintWait : public QWidget {
public:
    explicit MLPrintWait(Program& p);

    QPushButton* CancelButton;

protected:
    // Closing the window asks for the same stop as Cancel.
    void closeEvent(QCloseEvent* event) override;

private:
    void CancelButton_Click();

    Program& p_;
};

} // namespace tavrel
