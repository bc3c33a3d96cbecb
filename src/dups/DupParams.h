#pragma once

#include "dups/DupDialog.h"
#include "dups/DupSearch.h"

#include <array>

class QCheckBox;
class QRadioButton;

namespace tavrel {

// "Delete Duplicate Records": what to match on and whether to see each pair
// before it is deleted. Modeless; OK runs the search, after which the window
// closes (it stays only when an undelete met a changed record).
class DupParams : public DupDialog {
    Q_OBJECT
public:
    explicit DupParams(Program& p, QWidget* parent = nullptr);

    std::array<QRadioButton*, 4> Option1{};
    QCheckBox* Check1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void Check1_Click();
    void OKButton_Click();
    void CancelButton_Click();

    // The search state, from this window's opening to its close.
    DupSearchState state;

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    DupMatch selectedMatch() const;

    Program& p;
    bool searching_ = false;
};

} // namespace tavrel
