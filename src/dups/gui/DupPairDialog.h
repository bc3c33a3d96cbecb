#pragma once

#include "dups/DupSearch.h"
#include "dups/gui/DupDialog.h"
#include "store/Contact.h"

#include <array>

class QCheckBox;
class QLineEdit;

namespace tavrel {

struct Services;

// "Duplicate Records": a matching pair, the earlier record beside the later
// one that Yes would delete. Shown modally; its answer goes to pairAnswer.
// Closed by its close box it answers as No: the pair stays and the search goes
// on, so a close never deletes a record nor ends the search unasked, and never
// leaves the answer of an earlier pair in place.
class DupPairDialog : public DupDialog {
    Q_OBJECT
public:
    // The records as the person sees them: their own spelling where one is kept.
    DupPairDialog(Services& services, DupSearchState& s, int earlierId, const Contact& earlier,
                  int laterId, const Contact& later, QWidget* parent = nullptr);

    QLineEdit* earlierIdEdit = nullptr;
    std::array<QLineEdit*, 5> earlierLineEdits{}; // Name, then the four address lines
    QLineEdit* laterIdEdit = nullptr;
    std::array<QLineEdit*, 5> laterLineEdits{};
    QPushButton* yesButton = nullptr;
    QPushButton* noButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QCheckBox* stopShowingCheck = nullptr;

    void onYesClicked();
    void onNoClicked();
    void onCancelClicked();
    void onStopShowingToggled();

protected:
    void reject() override;

private:
    void answer(int value);

    Services& services;
    DupSearchState& s;
};

} // namespace tavrel
