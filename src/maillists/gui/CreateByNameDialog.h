#pragma once

#include "maillists/gui/NamePicker.h"

#include <QDialog>

namespace tavrel {

class Program;

// "Create Mailing List By Name": picks names for a new list into MailListFlags,
// counting them in MailListAddCount. Shown modally from the window that creates a list.
class CreateByNameDialog : public QDialog {
    Q_OBJECT
public:
    explicit CreateByNameDialog(Program& p, QWidget* parent = nullptr);

    NamePicker picker;

private:
    void onAddClicked();
    void onDeleteClicked();
    void onOkClicked();

    Program& p_;
};

} // namespace tavrel
