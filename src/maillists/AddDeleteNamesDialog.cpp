#include "maillists/AddDeleteNamesDialog.h"

#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"

#include <QPushButton>

namespace tavrel {

AddDelNames::AddDelNames(Program& p, QString fileName, QString title,
                         std::function<void()> onWritten, QWidget* parent)
    : QDialog(parent), p_(p), fileName_(std::move(fileName)), title_(std::move(title)),
      onWritten_(std::move(onWritten))
{
    setObjectName(QStringLiteral("AddDelNames"));
    setWindowTitle(QStringLiteral("Add / Delete Names From Mailing List"));
    picker =
        buildNamePicker(this, {QStringLiteral("Apply The Changes To The Mailing List"),
                               QStringLiteral("Ignore Any Changes To The Mailing List"),
                               QStringLiteral("Delete The Selected Name From The Mailing List")});
    connect(picker.AddButton, &QPushButton::clicked, this, &AddDelNames::AddButton_Click);
    connect(picker.DelButton, &QPushButton::clicked, this, &AddDelNames::DelButton_Click);
    connect(picker.OKButton, &QPushButton::clicked, this, &AddDelNames::OKButton_Click);
    connect(picker.CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    p_.ui.setWaitCursor(true);
    MailListChanged = false;
    // Members whose record is gone are not listed but keep their flag.
    fillNamePicker(p_, picker, true);
    p_.ui.setWaitCursor(false);
}

void AddDelNames::AddButton_Click()
{
    if (addPickedName(p_, picker) != 0)
        MailListChanged = true;
}

void AddDelNames::DelButton_Click()
{
    if (removePickedName(p_, picker) != 0)
        MailListChanged = true;
}

void AddDelNames::OKButton_Click()
{
    if (MailListChanged) {
        if (p_.ui.messageBox(QStringLiteral("Do You Really Want To Change The Mailing List?"),
                             QStringLiteral("Double Check!"), Ui::Buttons::YesNo,
                             Ui::Icon::Question) != Ui::Answer::Yes) {
            reject();
            return;
        }
        try {
            WriteMailList(p_, fileName_, title_);
        } catch (const PlatformError& e) {
            // The list file is untouched; the picks stay on screen to try again.
            p_.ui.messageBox(QStringLiteral("Error ") + numText(e.number()) +
                                 QStringLiteral(" In OKButton.  Notify Programmer."),
                             kDefaultTitle, Ui::Buttons::Ok);
            return;
        }
        if (onWritten_)
            onWritten_();
        p_.ui.messageBox(QStringLiteral("Mailing List Changed As Requested."), kDefaultTitle,
                         Ui::Buttons::Ok);
    }
    accept();
}

} // namespace tavrel
