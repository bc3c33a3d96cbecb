#include "maillists/gui/AddDeleteNamesDialog.h"

#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/Program.h"
#include "store/UndoFiles.h"

#include <QPushButton>

namespace tavrel {

AddDeleteNamesDialog::AddDeleteNamesDialog(Program& p, QString fileName, QString title,
                                           std::function<void()> onWritten, QWidget* parent)
    : QDialog(parent), p_(p), fileName_(std::move(fileName)), title_(std::move(title)),
      onWritten_(std::move(onWritten))
{
    setObjectName(QStringLiteral("AddDelNames"));
    setWindowTitle(tr("Add / Delete Names From Mailing List"));
    picker = buildNamePicker(this, {tr("Apply The Changes To The Mailing List"),
                                    tr("Ignore Any Changes To The Mailing List"),
                                    tr("Delete The Selected Name From The Mailing List")});
    connect(picker.addButton, &QPushButton::clicked, this, &AddDeleteNamesDialog::onAddClicked);
    connect(picker.deleteButton, &QPushButton::clicked, this,
            &AddDeleteNamesDialog::onDeleteClicked);
    connect(picker.okButton, &QPushButton::clicked, this, &AddDeleteNamesDialog::onOkClicked);
    connect(picker.cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    p_.ui.setWaitCursor(true);
    listChanged = false;
    // Members whose record is gone are not listed but keep their flag.
    fillNamePicker(p_, picker, true);
    p_.ui.setWaitCursor(false);
}

void AddDeleteNamesDialog::onAddClicked()
{
    if (addPickedName(p_, picker) != 0)
        listChanged = true;
}

void AddDeleteNamesDialog::onDeleteClicked()
{
    if (removePickedName(p_, picker) != 0)
        listChanged = true;
}

void AddDeleteNamesDialog::onOkClicked()
{
    if (listChanged) {
        if (p_.ui.messageBox(tr("Do You Really Want To Change The Mailing List?"),
                             tr("Double Check!"), Ui::Buttons::YesNo,
                             Ui::Icon::Question) != Ui::Answer::Yes) {
            reject();
            return;
        }
        try {
            ListUndoScope undo(p_, UndoKind::ChangeList, fileName_);
            writeMailList(p_, fileName_, title_);
            undo.commit();
        } catch (const PlatformError& e) {
            // The list file is untouched; the picks stay on screen to try again.
            p_.ui.messageBox(tr("Error ") + numText(e.number()) +
                                 tr(" In OKButton.  Notify Programmer."),
                             kDefaultTitle, Ui::Buttons::Ok);
            return;
        }
        if (onWritten_)
            onWritten_();
        p_.ui.messageBox(tr("Mailing List Changed As Requested."), kDefaultTitle, Ui::Buttons::Ok);
    }
    accept();
}

} // namespace tavrel
