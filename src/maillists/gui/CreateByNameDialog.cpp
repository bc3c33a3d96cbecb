#include "maillists/gui/CreateByNameDialog.h"

#include "maillists/MailListFile.h"
#include "store/Program.h"

#include <QPushButton>

namespace tavrel {

CreateByNameDialog::CreateByNameDialog(Program& p, QWidget* parent) : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("CreateByName"));
    setWindowTitle(tr("Create Mailing List By Name"));
    picker = buildNamePicker(this, {tr("Continue Preparing The Mailing List"),
                                    tr("Ignore Any Names Added To The Right Column"),
                                    tr("Remove The Selected Name From The Mailing List")});
    connect(picker.addButton, &QPushButton::clicked, this, &CreateByNameDialog::onAddClicked);
    connect(picker.deleteButton, &QPushButton::clicked, this, &CreateByNameDialog::onDeleteClicked);
    connect(picker.okButton, &QPushButton::clicked, this, &CreateByNameDialog::onOkClicked);
    connect(picker.cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    p_.ui.setWaitCursor(true);
    fillNamePicker(p_, picker, false);
    // A fresh pick every time the picker opens.
    clearMailListFlags(p_);
    p_.MailListAddCount = 0;
    p_.ui.setWaitCursor(false);
}

void CreateByNameDialog::onAddClicked()
{
    p_.MailListAddCount += addPickedName(p_, picker);
}

void CreateByNameDialog::onDeleteClicked()
{
    p_.MailListAddCount += removePickedName(p_, picker);
}

void CreateByNameDialog::onOkClicked()
{
    if (p_.MailListAddCount != 0)
        p_.ui.messageBox(tr("When You Get To The Next Screen Remember To\n"
                            "   1. Enter A Mailing List Identifier\n"
                            "   2. Enter A Mailing List Title (Optional) \n"
                            "   3. Click The 'Create' Button."),
                         kDefaultTitle, Ui::Buttons::Ok);
    else
        p_.ui.messageBox(tr("You Didn't Specify Any Names For The Mailing List."), kTitle,
                         Ui::Buttons::Ok);
    accept();
}

} // namespace tavrel
