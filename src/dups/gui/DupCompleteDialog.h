#pragma once

#include "dups/gui/DupDialog.h"
#include "dups/DupSearch.h"

#include <array>

class QLineEdit;
class QRadioButton;

namespace tavrel {

// "Duplicate Deletion Complete": shown modally when a search deleted records.
// The list of them can be shown, printed or undeleted, as often as wanted,
// until Cancel (or the close box) discards it and ends the command.
class DupCompleteDialog : public DupDialog {
    Q_OBJECT
public:
    DupCompleteDialog(Program& p, DupSearchState& s, QWidget* parent = nullptr);

    QLineEdit* deletedCountEdit = nullptr;
    std::array<QRadioButton*, 3> actionOptions{};
    QPushButton* performButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void onPerformClicked();
    void onCancelClicked();

protected:
    void reject() override { onCancelClicked(); }

private:
    void display();
    void print();
    void undelete();

    Program& p;
    DupSearchState& s;
};

} // namespace tavrel
