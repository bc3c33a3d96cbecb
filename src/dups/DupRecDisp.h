#pragma once

#include "dups/DupDialog.h"
#include "dups/DupSearch.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace tavrel {

// "Duplicate Records": a matching pair, the earlier record beside the later
// one that Yes would delete. Shown modally; its answer goes to DelDupRecSw.
// Closed by its close box it answers as No: the pair stays and the search goes
// on, so a close never deletes a record nor ends the search unasked, and never
// leaves the answer of an earlier pair in place.
class DupRecDisp : public DupDialog {
    Q_OBJECT
public:
    DupRecDisp(Program& p, DupSearchState& s, int earlierId, const NARecord& earlier, int laterId,
               const NARecord& later, QWidget* parent = nullptr);

    QLineEdit* Text6 = nullptr;            // earlier ID
    std::array<QLineEdit*, 5> Text1to5{};  // earlier Name and address lines (Text1..Text5)
    QLineEdit* Text7 = nullptr;            // later ID
    std::array<QLineEdit*, 5> Text8to12{}; // later Name and address lines (Text8..Text12)
    QPushButton* YesButton = nullptr;
    QPushButton* NoButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QCheckBox* Check13D1 = nullptr;

    void YesButton_Click();
    void NoButton_Click();
    void CancelButton_Click();
    void Check13D1_Click();

protected:
    void reject() override;

private:
    void answer(int value);

    Program& p;
    DupSearchState& s;
};

} // namespace tavrel
