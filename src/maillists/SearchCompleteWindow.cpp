#include "maillists/SearchCompleteWindow.h"

#include "maillists/MailListFile.h"
#include "maillists/SearchComplete.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QLineEdit* countBox(QWidget* parent, const char* name, int value)
{
    auto* box = named(new QLineEdit(QString::number(value), parent), name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(70);
    return box;
}

} // namespace

void showSearchComplete(Program& p)
{
    auto* w = new CompleteForm(p);
    loadWindow(w);
    w->show();
}

CompleteForm::CompleteForm(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("CompleteForm"));
    setWindowTitle(QStringLiteral("Search Complete"));

    ComplFrm1 = named(new QGroupBox(QStringLiteral("Search Results"), this), "ComplFrm1");
    ComplTxt1 = countBox(ComplFrm1, "ComplTxt1", p_.SearchMatchCount);
    ComplLbl1 = named(new QLabel(QStringLiteral("Records Matched The Search Parameter"), ComplFrm1),
                      "ComplLbl1");
    ComplTxt2 = countBox(ComplFrm1, "ComplTxt2", p_.MailListAddCount);
    ComplLbl2 =
        named(new QLabel(QStringLiteral("Records Were Added To The mailing List"), ComplFrm1),
              "ComplLbl2");
    auto* g1 = new QGridLayout(ComplFrm1);
    g1->addWidget(ComplTxt1, 0, 0);
    g1->addWidget(ComplLbl1, 0, 1);
    g1->addWidget(ComplTxt2, 1, 0);
    g1->addWidget(ComplLbl2, 1, 1);
    g1->setColumnStretch(1, 1);

    ComplFrm2 = named(new QGroupBox(QStringLiteral("Mailing List"), this), "ComplFrm2");
    ComplTxt3 = named(new QLineEdit(ComplFrm2), "ComplTxt3",
                      QStringLiteral("Up To Three Characters To Uniquely Identify This Mailing "
                                     "List File"));
    ComplLbl3 = named(new QLabel(QStringLiteral("&Identifier"), ComplFrm2), "ComplLbl3");
    ComplTxt4 = named(new QLineEdit(ComplFrm2), "ComplTxt4",
                      QStringLiteral("Up To 40 Characters To Describe This Mailing List"));
    ComplLbl4 = named(new QLabel(QStringLiteral("&Title"), ComplFrm2), "ComplLbl4");
    ComplLbl3->setBuddy(ComplTxt3);
    ComplLbl4->setBuddy(ComplTxt4);
    ComplTxt3->setMaximumWidth(90);
    ComplTxt4->setMinimumWidth(ComplTxt4->fontMetrics().averageCharWidth() * 42);
    auto* g2 = new QGridLayout(ComplFrm2);
    g2->addWidget(ComplLbl3, 0, 0);
    g2->addWidget(ComplTxt3, 0, 1, Qt::AlignLeft);
    g2->addWidget(ComplLbl4, 1, 0);
    g2->addWidget(ComplTxt4, 1, 1);

    ComplCmd1 = named(new QPushButton(QStringLiteral("&OK"), this), "ComplCmd1",
                      QStringLiteral("Save The Mailing List (If Generated)"));
    ComplCmd2 = named(new QPushButton(QStringLiteral("Cance&l"), this), "ComplCmd2",
                      QStringLiteral("Do Not Save The Mailing List (If Generated)"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ComplCmd1);
    buttons->addWidget(ComplCmd2);
    buttons->addStretch();

    auto* top = new QVBoxLayout(this);
    top->addWidget(ComplFrm1);
    top->addWidget(ComplFrm2);
    top->addLayout(buttons);

    if (p_.MailListAddCount == 0) {
        for (QWidget* w : std::initializer_list<QWidget*>{ComplTxt3, ComplTxt4, ComplLbl3,
                                                          ComplLbl4, ComplCmd2, ComplFrm2})
            w->hide();
    }
    if (!p_.SearchSavesList) {
        for (QWidget* w : std::initializer_list<QWidget*>{ComplTxt2, ComplLbl2, ComplFrm2})
            w->hide();
    }
    ComplCmd1->setDefault(true);

    connect(ComplCmd1, &QPushButton::clicked, this, &CompleteForm::ComplCmd1_Click);
    connect(ComplCmd2, &QPushButton::clicked, this, &CompleteForm::ComplCmd2_Click);
}

void CompleteForm::closeSearchWindows()
{
    for (const char* name : {"SrchMsgForm", "SrchMsg2Form"}) {
        if (QWidget* w = loadedWindow(QLatin1String(name)))
            unloadWindow(w);
    }
    unloadWindow(this);
}

void CompleteForm::ComplCmd1_Click()
{
    if (p_.MailListAddCount == 0) {
        closeSearchWindows();
        return;
    }
    const QString identifier = ComplTxt3->text();
    if (identifier.isEmpty()) {
        p_.ui.beep();
        p_.ui.messageBox(QStringLiteral("Please Supply An Identifier For The Mailing List."),
                         kTitle, Ui::Buttons::Ok);
        return;
    }
    if (isReservedIdentifier(identifier)) {
        p_.ui.beep();
        p_.ui.messageBox(QStringLiteral("Sorry, The Specified Identifier Is Invalid.  Try Again."),
                         kTitle, Ui::Buttons::Ok);
        return;
    }
    saveList(identifier);
}

void CompleteForm::saveList(const QString& identifier)
{
    try {
        switch (MailListExists(p_, identifier)) {
        case MailListAnswer::Keep:
            return;
        case MailListAnswer::Cancel:
            unloadWindow(this);
            return;
        case MailListAnswer::NoFile:
        case MailListAnswer::Replace:
            break;
        }
        WriteMailList(p_, mailListFileName(identifier), ComplTxt4->text());
    } catch (const PlatformError& e) {
        if (e.number() == ErrNo::DeviceIo) {
            p_.ui.messageBox(
                QStringLiteral("A Serious Hard Disk Error Occurred.  Corvane Cannot Continue."),
                kDefaultTitle, Ui::Buttons::Ok);
            p_.ui.endProgram();
        }
        p_.ui.messageBox(QStringLiteral("Error ") + numText(e.number()) +
                             QStringLiteral(" In ML Process.  Extension = ") + identifier +
                             QStringLiteral(".  Notify Programmer."),
                         kTitle, Ui::Buttons::Ok);
        return;
    }
    p_.ui.messageBox(QStringLiteral("Mailing List Written To Disk."), kTitle, Ui::Buttons::Ok);
    closeSearchWindows();
}

void CompleteForm::ComplCmd2_Click()
{
    closeSearchWindows();
}

} // namespace tavrel
