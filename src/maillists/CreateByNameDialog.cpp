#include "maillists/CreateByNameDialog.h"

#include "maillists/MailListFile.h"

#include <QListWidget>
#include <QPushButton>

namespace tavrel {

CreateByName::CreateByName(Program& p, QWidget* parent) : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("CreateByName"));
    setWindowTitle(QStringLiteral("Create Mailing List By Name"));
    picker =
        buildNamePicker(this, {QStringLiteral("Continue Preparing The Mailing List"),
                               QStringLiteral("Ignore Any Names Added To The Right Column"),
                               QStringLiteral("Remove The Selected Name From The Mailing List")});
    connect(picker.AddButton, &QPushButton::clicked, this, &CreateByName::AddButton_Click);
    connect(picker.DelButton, &QPushButton::clicked, this, &CreateByName::DelButton_Click);
    connect(picker.OKButton, &QPushButton::clicked, this, &CreateByName::OKButton_Click);
    connect(picker.CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    p_.ui.setWaitCursor(true);
    fillNamePicker(p_, picker, false);
    // A fresh pick every time the picker opens.
    clearMailListFlags(p_);
    p_.MailListAddCount = 0;
    p_.ui.setWaitCursor(false);
}

void CreateByName::AddButton_Click()
{
    p_.MailListAddCount += addPickedName(p_, picker);
}

void CreateByName::DelButton_Click()
{
    p_.MailListAddCount += removePickedName(p_, picker);
}

void CreateByName::OKButton_Click()
{
    if (p_.MailListAddCount != 0)
        p_.ui.messageBox(QStringLiteral("When You Get To The Next Screen Remember To\n"
                                        "   1. Enter A Mailing List Identifier\n"
                                        "   2. Enter A Mailing List Title (Optional) \n"
                                        "   3. Click The 'Create' Button."),
                         kDefaultTitle, Ui::Buttons::Ok);
    else
        p_.ui.messageBox(QStringLiteral("You Didn't Specify Any Names For The Mailing List."),
                         kTitle, Ui::Buttons::Ok);
    accept();
}

} // namespace tavrel
