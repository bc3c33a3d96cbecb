#pragma once

#include "dups/DupDialog.h"
#include "dups/DupSearch.h"

#include <array>

class QLineEdit;
class QRadioButton;

namespace tavrel {

// "Duplicate Deletion Complete": shown modally when a search deleted records.
// The list of them can be shown, printed or undeleted, as often as wanted,
// until Cancel (or the close box) discards it and ends the command.
class DupDelCompl : public DupDialog {
    Q_OBJECT
public:
    DupDelCompl(Program& p, DupSearchState& s, QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr;
    std::array<QRadioButton*, 3> Option1{};
    QPushButton* PerformButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void PerformButton_Click();
    void CancelButton_Click();

protected:
    void reject() override { CancelButton_Click(); }

private:
    void display();
    void print();
    void undelete();

    Program& p;
    DupSearchState& s;
};

} // namespace tavrel
