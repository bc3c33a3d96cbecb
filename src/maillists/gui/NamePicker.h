#pragma once

#include "store/NameListModel.h"
#include "store/gui/LineList.h"

#include <QString>

class QDialog;
class QLineEdit;
class QListView;
class QPushButton;

namespace tavrel {

class Program;

// The two-column name picker shared by "Create Mailing List By Name" and
// "Add / Delete Names From Mailing List": every active record on the left,
// the list's members on the right.
struct NamePicker {
    QLineEdit* filterEdit = nullptr;
    QListView* allNamesList = nullptr;
    QListView* memberList = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* deleteButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
};

struct NamePickerTips {
    QString ok, cancel, del;
};

// Builds the controls and layout on `dialog`.
NamePicker buildNamePicker(QDialog* dialog, const NamePickerTips& tips);

// Lists the picker line of every active record in SortPref order; a member
// (per MailListFlags) is also listed as a member when `withMembers`.
// An empty N&A file beeps, says so and leaves both lists empty.
void fillNamePicker(Program& p, const NamePicker& picker, bool withMembers);

// The picks: add the selected name / remove the selected member, keeping MailListFlags in step.
// Return +1/-1 for a change, 0 for none (no selection has been reported to the user, or the name
// was listed already).
int addPickedName(Program& p, const NamePicker& picker);
int removePickedName(Program& p, const NamePicker& picker);

} // namespace tavrel
