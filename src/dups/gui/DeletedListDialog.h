#pragma once

#include "dups/DupSearch.h"
#include "dups/gui/DupDialog.h"

class QListView;

namespace tavrel {

// "Duplicate Records Deleted": the deleted list on screen, sorted by ID when
// it opens. Modal; OK or the close box closes it.
class DeletedListDialog : public DupDialog {
    Q_OBJECT
public:
    DeletedListDialog(DupSearchState& s, QWidget* parent = nullptr);

    QListView* deletedList = nullptr;
    QPushButton* okButton = nullptr;

    void onOkClicked() { accept(); }
};

} // namespace tavrel
