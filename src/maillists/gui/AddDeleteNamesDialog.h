#pragma once

#include "maillists/gui/NamePicker.h"

#include <QDialog>
#include <functional>

namespace tavrel {

class Program;

// "Add / Delete Names From Mailing List": changes the members of an existing
// list (loaded into MailListFlags) by name and writes it back on OK.
class AddDeleteNamesDialog : public QDialog {
    Q_OBJECT
public:
    // `fileName` and `title` say where and under which title the list is written;
    // `onWritten` runs after a successful write.
    AddDeleteNamesDialog(Program& p, QString fileName, QString title,
                         std::function<void()> onWritten, QWidget* parent = nullptr);

    NamePicker picker;
    bool listChanged = false;

private:
    void onAddClicked();
    void onDeleteClicked();
    void onOkClicked();

    Program& p_;
    QString fileName_;
    QString title_;
    std::function<void()> onWritten_;
};

} // namespace tavrel
