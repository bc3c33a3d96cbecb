#pragma once

#include "dups/gui/DupDialog.h"
#include "dups/DupSearch.h"

class QListWidget;

namespace tavrel {

// "Duplicate Records Deleted": the deleted list on screen, sorted by ID when
// it opens. Modal; OK or the close box closes it.
class DeletedListDialog : public DupDialog {
    Q_OBJECT
public:
    DeletedListDialog(DupSearchState& s, QWidget* parent = nullptr);

    QListWidget* deletedList = nullptr;
    QPushButton* okButton = nullptr;

    void onOkClicked() { accept(); }
};

} // namespace tavrel
