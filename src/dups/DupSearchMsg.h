#pragma once

#include "dups/DupDialog.h"
#include "store/Program.h"

namespace tavrel {

// "Duplicate Record Search": shown while the search runs. Its Cancel (or its
// close box) asks the search to stop; the search notices at its next yield.
class DupSearchMsg : public DupDialog {
    Q_OBJECT
public:
    explicit DupSearchMsg(Program& p, QWidget* parent = nullptr);

    QPushButton* CancelButton = nullptr;

    void CancelButton_Click();

protected:
    void reject() override { CancelButton_Click(); }

private:
    Program& p;
};

} // namespace tavrel
