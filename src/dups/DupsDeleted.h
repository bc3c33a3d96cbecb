#pragma once

#include "dups/DupDialog.h"
#include "dups/DupSearch.h"

class QListWidget;

namespace tavrel {

// "Duplicate Records Deleted": the deleted list on screen, sorted by ID when
// it opens. Modal; OK or the close box closes it.
class DupsDeleted : public DupDialog {
    Q_OBJECT
public:
    DupsDeleted(DupSearchState& s, QWidget* parent = nullptr);

    QListWidget* List1 = nullptr;
    QPushButton* OKButton = nullptr;

    void OKButton_Click() { accept(); }
};

} // namespace tavrel
