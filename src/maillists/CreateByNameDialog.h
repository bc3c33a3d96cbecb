#pragma once

#include "maillists/NamePicker.h"
#include "store/Program.h"

#include <QDialog>

namespace tavrel {

// "Create Mailing List By Name": picks names for a new list into MailListFlags,
// counting them in MailListAddCount. Shown modally from CreateForm.
class CreateByName : public QDialog {
public:
    explicit CreateByName(Program& p, QWidget* parent = nullptr);

    NamePicker picker;

private:
    void AddButton_Click();
    void DelButton_Click();
    void OKButton_Click();

    Program& p_;
};

} // namespace tavrel
