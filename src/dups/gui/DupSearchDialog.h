#pragma once

#include "dups/gui/DupDialog.h"
#include "dups/DupSearch.h"

#include <array>

class QCheckBox;
class QRadioButton;

namespace tavrel {

// "Delete Duplicate Records": what to match on and whether to see each pair
// before it is deleted. Modeless; OK runs the search, after which the window
// closes (it stays only when an undelete met a changed record).
class DupSearchDialog : public DupDialog {
    Q_OBJECT
public:
    explicit DupSearchDialog(Program& p, QWidget* parent = nullptr);

    std::array<QRadioButton*, 4> matchOptions{};
    QCheckBox* showPairsCheck = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    void onShowPairsToggled();
    void onOkClicked();
    void onCancelClicked();

    // The search state, from this window's opening to its close.
    DupSearchState state;

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Choosing: the choices and buttons work, OK has the focus. Searching: the
    // search lets events through, so the whole window is off and cannot close.
    enum class Phase { Choosing, Searching };
    void enterPhase(Phase phase);
    DupMatch selectedMatch() const;

    Program& p;
    Phase phase_ = Phase::Choosing;
};

} // namespace tavrel
