#pragma once

#include "store/Program.h"

#include <QString>

class QDialog;
class QListWidget;
class QPushButton;

namespace tavrel {

// The two-column name picker shared by "Create Mailing List By Name" and
// "Add / Delete Names From Mailing List": every active record on the left,
// the list's members on the right.
struct NamePicker {
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DelButton = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

struct NamePickerTips {
    QString ok, cancel, del;
};

// Builds the controls and layout on `dialog`.
NamePicker buildNamePicker(QDialog* dialog, const NamePickerTips& tips);

// Fills List1 with the picker line of every active record in SortPref order;
// a member (per MailListFlags) also goes into List2 when `withMembers`.
// An empty N&A file beeps, says so and leaves both lists empty.
void fillNamePicker(Program& p, const NamePicker& picker, bool withMembers);

// The ID at the start of a picker line.
int pickerLineId(const QString& line);

// The picks: add the selected line of List1 / remove the selected line of
// List2, keeping MailListFlags in step. Return +1/-1 for a change, 0 for none
// (no selection has been reported to the user, or the name was listed already).
int addPickedName(Program& p, const NamePicker& picker);
int removePickedName(Program& p, const NamePicker& picker);

} // namespace tavrel
