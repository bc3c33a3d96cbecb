#include "maillists/CreateMailListWindow.h"

#include "maillists/CreateByNameDialog.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/ListClick.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

CreateForm::CreateForm(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("CreateForm"));
    setWindowTitle(QStringLiteral("Create New Mailing List"));

    auto* frame2 = named(new QGroupBox(QStringLiteral("New Mailing List"), this), "Frame2");
    CreateTxt1 = named(new QLineEdit(frame2), "CreateTxt1",
                       QStringLiteral("ID Numbers For New Mailing List - Up To 4 Digits Each, "
                                      "Separated By Spaces Or Commas"));
    CreateTxt2 =
        named(new QLineEdit(frame2), "CreateTxt2",
              QStringLiteral("Up To Three Characters To Uniquely Identify This Mailing List"));
    CreateTxt2->setMaxLength(3);
    CreateTxt3 = named(new QLineEdit(frame2), "CreateTxt3",
                       QStringLiteral("Up To 40 Characters To Describe This Mailing List"));
    CreateTxt3->setMaxLength(40);
    CreateTxt3->setMinimumWidth(CreateTxt3->fontMetrics().averageCharWidth() * 42);
    CreateTxt1->setMinimumWidth(420);
    CreateTxt2->setMaximumWidth(70);
    auto* g2 = new QGridLayout(frame2);
    g2->addWidget(buddyLabel(frame2, "Label1", QStringLiteral("&ID Numbers For New Mailing List"),
                             CreateTxt1),
                  0, 0, 1, 2);
    g2->addWidget(CreateTxt1, 1, 0, 1, 2);
    g2->addWidget(buddyLabel(frame2, "Label4", QStringLiteral("ML &ID"), CreateTxt2), 2, 0);
    g2->addWidget(buddyLabel(frame2, "Label5", QStringLiteral("Mailing List &Title"), CreateTxt3),
                  2, 1);
    g2->addWidget(CreateTxt2, 3, 0);
    g2->addWidget(CreateTxt3, 3, 1);
    g2->setColumnStretch(1, 1);

    auto* frame1 = named(new QGroupBox(QStringLiteral("&Existing Mailing List"), this), "Frame1");
    CreateFil1 = named(new QListWidget(frame1), "CreateFil1");
    CreateFil1->setMaximumHeight(110);
    CreateTxt5 = named(new QLineEdit(frame1), "CreateTxt5",
                       QStringLiteral("Title Of Selected Existing Mailing List"));
    CreateTxt5->setReadOnly(true);
    auto* g1 = new QGridLayout(frame1);
    g1->addWidget(CreateFil1, 0, 0, 1, 2);
    g1->addWidget(buddyLabel(frame1, "Label3", QStringLiteral("Title"), CreateTxt5), 1, 0);
    g1->addWidget(CreateTxt5, 1, 1);
    CreateFil1->addItems(listMailListFiles(p_, QStringLiteral("Tvlmail.*")));
    clearCurrentLine(CreateFil1);

    auto* namesLabel =
        named(new QLabel(QStringLiteral("To Use Names, Click Button Below"), this), "Label2");
    ShowNameButton = named(new QPushButton(QStringLiteral("&Names"), this), "ShowNameButton",
                           QStringLiteral("Display Screen From Which To Select Names For The "
                                          "Mailing List"));
    namesLabel->setBuddy(ShowNameButton);
    CreateCmd1 = named(new QPushButton(QStringLiteral("&Create"), this), "CreateCmd1",
                       QStringLiteral("Generate The Mailing List"));
    CreateCmd2 = named(new QPushButton(QStringLiteral("Cance&l"), this), "CreateCmd2",
                       QStringLiteral("Don't Generate A Mailing List"));

    auto* names = new QVBoxLayout;
    names->addWidget(namesLabel);
    names->addWidget(ShowNameButton, 0, Qt::AlignLeft);
    names->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(CreateCmd1);
    buttons->addWidget(CreateCmd2);
    buttons->addStretch();
    auto* lower = new QHBoxLayout;
    lower->addWidget(frame1, 1);
    lower->addLayout(names);
    lower->addLayout(buttons);

    auto* top = new QVBoxLayout(this);
    top->addWidget(frame2);
    top->addLayout(lower);

    setTabOrder(CreateTxt1, CreateTxt2);
    setTabOrder(CreateTxt2, CreateTxt3);
    setTabOrder(CreateTxt3, CreateFil1);
    setTabOrder(CreateFil1, ShowNameButton);
    setTabOrder(ShowNameButton, CreateCmd1);
    setTabOrder(CreateCmd1, CreateCmd2);

    onListClick(CreateFil1, [this](ListClick how) { CreateFil1_Click(how); });
    connect(ShowNameButton, &QPushButton::clicked, this, &CreateForm::ShowNameButton_Click);
    connect(CreateCmd1, &QPushButton::clicked, this, &CreateForm::CreateCmd1_Click);
    connect(CreateCmd2, &QPushButton::clicked, this, &CreateForm::CreateCmd2_Click);

    p_.MailListAddCount = 0;
}

void CreateForm::CreateFil1_Click(ListClick how)
{
    const auto selected = CreateFil1->selectedItems();
    if (selected.isEmpty())
        return;
    try {
        CreateTxt5->setText(ReadMailListTitle(p_, selected.first()->text()));
    } catch (const PlatformError& e) {
        CreateTxt5->clear();
        p_.ui.messageBox(QStringLiteral("Error ") + numText(e.number()) +
                             QStringLiteral(" In CreateFil1.  Notify Programmer."),
                         kDefaultTitle, Ui::Buttons::Ok);
    }
    if (how == ListClick::Mouse)
        ShowNameButton->setFocus();
}

void CreateForm::ShowNameButton_Click()
{
    CreateByName picker(p_, this);
    p_.ui.runModal(picker);
    CreateCmd1->setFocus();
}

void CreateForm::refuseIdentifier(bool withBeep)
{
    if (withBeep)
        p_.ui.beep();
    p_.ui.messageBox(
        QStringLiteral("Sorry, The Specified Identifier Is Invalid.  Try Again.\n\n"
                       "Refer To Help Topic 'Creating A Mailing List' For Information."),
        kDefaultTitle, Ui::Buttons::Ok);
}

bool CreateForm::identifierAllowed(const QString& identifier)
{
    if (identifier.isEmpty()) {
        p_.ui.messageBox(QStringLiteral("Please Supply An Identifier For The Mailing List."),
                         kTitle, Ui::Buttons::Ok);
        return false;
    }
    if (hasPunctuation(identifier)) {
        p_.ui.messageBox(
            QStringLiteral("Punctuation Characters Are Not Permitted In An Identifier."), kTitle,
            Ui::Buttons::Ok);
        return false;
    }
    if (isReservedIdentifier(identifier)) {
        refuseIdentifier(true);
        return false;
    }
    return true;
}

void CreateForm::CreateCmd1_Click()
{
    if (CreateTxt1->text().isEmpty() && p_.MailListAddCount == 0) {
        p_.ui.messageBox(QStringLiteral("Cannot Create A Mailing List With No Entries!"), kTitle,
                         Ui::Buttons::Ok);
        return;
    }
    // Typed ID numbers win over names picked by name.
    if (!CreateTxt1->text().isEmpty())
        ParseIdList(p_, CreateTxt1->text());

    const QString identifier = CreateTxt2->text();
    try {
        switch (MailListExists(p_, identifier)) {
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
        WriteMailList(p_, mailListFileName(identifier), CreateTxt3->text());
    } catch (const PlatformError& e) {
        if (e.number() == ErrNo::BadFileName) {
            refuseIdentifier(false);
            return;
        }
        p_.ui.messageBox(QStringLiteral("Error ") + numText(e.number()) +
                             QStringLiteral(" In CreateCmd1.  Notify Programmer."),
                         kDefaultTitle, Ui::Buttons::Ok);
        p_.ui.endProgram();
    }
    p_.ui.messageBox(QStringLiteral("Mailing List Created."), kTitle, Ui::Buttons::Ok);
    unloadWindow(this);
}

void CreateForm::CreateCmd2_Click()
{
    unloadWindow(this);
}

} // namespace tavrel
