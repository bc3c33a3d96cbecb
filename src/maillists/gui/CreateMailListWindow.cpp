#include "maillists/gui/CreateMailListWindow.h"

#include "maillists/MailListFile.h"
#include "maillists/gui/CreateByNameDialog.h"
#include "maillists/gui/NamePicker.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/ListClick.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"
#include "store/Program.h"
#include "store/UndoFiles.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QLabel* buddyLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy)
{
    auto* l = named(new QLabel(text, parent), name);
    l->setBuddy(buddy);
    return l;
}

} // namespace

CreateMailListWindow::CreateMailListWindow(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("CreateForm"));
    setWindowTitle(tr("Create New Mailing List"));

    auto* frame2 = named(new QGroupBox(tr("New Mailing List"), this), "Frame2");
    idNumbersEdit = named(new QLineEdit(frame2), "CreateTxt1",
                          tr("ID Numbers For New Mailing List - Up To 4 Digits Each, "
                             "Separated By Spaces Or Commas"));
    identifierEdit = named(new QLineEdit(frame2), "CreateTxt2",
                           tr("Up To Three Characters To Uniquely Identify This Mailing List"));
    identifierEdit->setMaxLength(3);
    titleEdit = named(new QLineEdit(frame2), "CreateTxt3",
                      tr("Up To 40 Characters To Describe This Mailing List"));
    titleEdit->setMaxLength(40);
    titleEdit->setMinimumWidth(titleEdit->fontMetrics().averageCharWidth() * 42);
    idNumbersEdit->setMinimumWidth(420);
    identifierEdit->setMaximumWidth(70);
    auto* g2 = new QGridLayout(frame2);
    g2->addWidget(
        buddyLabel(frame2, "Label1", tr("&ID Numbers For New Mailing List"), idNumbersEdit), 0, 0,
        1, 2);
    g2->addWidget(idNumbersEdit, 1, 0, 1, 2);
    g2->addWidget(buddyLabel(frame2, "Label4", tr("ML &ID"), identifierEdit), 2, 0);
    g2->addWidget(buddyLabel(frame2, "Label5", tr("Mailing List &Title"), titleEdit), 2, 1);
    g2->addWidget(identifierEdit, 3, 0);
    g2->addWidget(titleEdit, 3, 1);
    g2->setColumnStretch(1, 1);

    auto* frame1 = named(new QGroupBox(tr("&Existing Mailing List"), this), "Frame1");
    existingListsList = newLineList(frame1, "CreateFil1");
    existingListsList->setMaximumHeight(110);
    existingTitleEdit =
        named(new QLineEdit(frame1), "CreateTxt5", tr("Title Of Selected Existing Mailing List"));
    existingTitleEdit->setReadOnly(true);
    auto* g1 = new QGridLayout(frame1);
    g1->addWidget(existingListsList, 0, 0, 1, 2);
    g1->addWidget(buddyLabel(frame1, "Label3", tr("Title"), existingTitleEdit), 1, 0);
    g1->addWidget(existingTitleEdit, 1, 1);
    linesOf(existingListsList)->setTexts(listMailListFiles(p_, QStringLiteral("Tvlmail.*")));
    clearCurrentLine(existingListsList);

    auto* namesLabel = named(new QLabel(tr("To Use Names, Click Button Below"), this), "Label2");
    namesButton = named(new QPushButton(tr("&Names"), this), "ShowNameButton",
                        tr("Display Screen From Which To Select Names For The "
                           "Mailing List"));
    namesLabel->setBuddy(namesButton);
    createButton =
        named(new QPushButton(tr("&Create"), this), "CreateCmd1", tr("Generate The Mailing List"));
    cancelButton = named(new QPushButton(tr("Cance&l"), this), "CreateCmd2",
                         tr("Don't Generate A Mailing List"));

    auto* names = new QVBoxLayout;
    names->addWidget(namesLabel);
    names->addWidget(namesButton, 0, Qt::AlignLeft);
    names->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(createButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    auto* lower = new QHBoxLayout;
    lower->addWidget(frame1, 1);
    lower->addLayout(names);
    lower->addLayout(buttons);

    auto* top = new QVBoxLayout(this);
    top->addWidget(frame2);
    top->addLayout(lower);

    setTabOrder(idNumbersEdit, identifierEdit);
    setTabOrder(identifierEdit, titleEdit);
    setTabOrder(titleEdit, existingListsList);
    setTabOrder(existingListsList, namesButton);
    setTabOrder(namesButton, createButton);
    setTabOrder(createButton, cancelButton);

    onListClick(existingListsList, [this](ListClick how) { onExistingListClicked(how); });
    connect(namesButton, &QPushButton::clicked, this, &CreateMailListWindow::onNamesClicked);
    connect(createButton, &QPushButton::clicked, this, &CreateMailListWindow::onCreateClicked);
    connect(cancelButton, &QPushButton::clicked, this, &CreateMailListWindow::onCancelClicked);

    p_.MailListAddCount = 0;
}

void CreateMailListWindow::onExistingListClicked(ListClick how)
{
    const int row = chosenLine(existingListsList);
    if (row < 0)
        return;
    try {
        existingTitleEdit->setText(readMailListTitle(p_, linesOf(existingListsList)->textAt(row)));
    } catch (const PlatformError& e) {
        existingTitleEdit->clear();
        p_.ui.messageBox(tr("Error ") + numText(e.number()) +
                             tr(" In CreateFil1.  Notify Programmer."),
                         kDefaultTitle, Ui::Buttons::Ok);
    }
    if (how == ListClick::Mouse)
        namesButton->setFocus();
}

void CreateMailListWindow::onNamesClicked()
{
    CreateByNameDialog picker(p_, this);
    p_.ui.runModal(picker);
    createButton->setFocus();
}

void CreateMailListWindow::refuseIdentifier(bool withBeep)
{
    if (withBeep)
        p_.ui.beep();
    p_.ui.messageBox(tr("Sorry, The Specified Identifier Is Invalid.  Try Again.\n\n"
                        "Refer To Help Topic 'Creating A Mailing List' For Information."),
                     kDefaultTitle, Ui::Buttons::Ok);
}

bool CreateMailListWindow::identifierAllowed(const QString& identifier)
{
    if (identifier.isEmpty()) {
        p_.ui.messageBox(tr("Please Supply An Identifier For The Mailing List."), kTitle,
                         Ui::Buttons::Ok);
        return false;
    }
    if (hasPunctuation(identifier)) {
        p_.ui.messageBox(tr("Punctuation Characters Are Not Permitted In An Identifier."), kTitle,
                         Ui::Buttons::Ok);
        return false;
    }
    if (isReservedIdentifier(identifier)) {
        refuseIdentifier(true);
        return false;
    }
    return true;
}

void CreateMailListWindow::onCreateClicked()
{
    if (idNumbersEdit->text().isEmpty() && p_.MailListAddCount == 0) {
        p_.ui.messageBox(tr("Cannot Create A Mailing List With No Entries!"), kTitle,
                         Ui::Buttons::Ok);
        return;
    }
    // Typed ID numbers win over names picked by name.
    if (!idNumbersEdit->text().isEmpty())
        parseIdList(p_, idNumbersEdit->text());

    const QString identifier = identifierEdit->text();
    try {
        switch (askToReplaceMailList(p_, identifier)) {
        case MailListAnswer::Keep:
            return;
        case MailListAnswer::Cancel:
            unloadWindow(this);
            return;
        case MailListAnswer::NoFile:
            if (!identifierAllowed(identifier))
                return;
            break;
        case MailListAnswer::Replace:
            break;
        }
        const QString name = mailListFileName(identifier);
        ListUndoScope undo(p_, UndoKind::CreateList, name);
        writeMailList(p_, name, titleEdit->text());
        undo.commit();
    } catch (const PlatformError& e) {
        if (e.number() == ErrNo::BadFileName) {
            refuseIdentifier(false);
            return;
        }
        p_.ui.messageBox(tr("Error ") + numText(e.number()) +
                             tr(" In CreateCmd1.  Notify Programmer."),
                         kDefaultTitle, Ui::Buttons::Ok);
        p_.ui.endProgram();
    }
    p_.ui.messageBox(tr("Mailing List Created."), kTitle, Ui::Buttons::Ok);
    unloadWindow(this);
}

void CreateMailListWindow::onCancelClicked()
{
    unloadWindow(this);
}

} // namespace tavrel
