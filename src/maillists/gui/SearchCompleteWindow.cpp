#include "maillists/gui/SearchCompleteWindow.h"

#include "maillists/MailListFile.h"
#include "maillists/gui/SearchComplete.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"
#include "store/Program.h"
#include "store/UndoFiles.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
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
    auto* w = new SearchCompleteWindow(p);
    loadWindow(w);
    w->show();
}

SearchCompleteWindow::SearchCompleteWindow(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("CompleteForm"));
    setWindowTitle(tr("Search Complete"));

    resultsGroup = named(new QGroupBox(tr("Search Results"), this), "ComplFrm1");
    matchCountEdit = countBox(resultsGroup, "ComplTxt1", p_.SearchMatchCount);
    matchCountLabel =
        named(new QLabel(tr("Records Matched The Search Parameter"), resultsGroup), "ComplLbl1");
    addedCountEdit = countBox(resultsGroup, "ComplTxt2", p_.MailListAddCount);
    addedCountLabel =
        named(new QLabel(tr("Records Were Added To The mailing List"), resultsGroup), "ComplLbl2");
    auto* g1 = new QGridLayout(resultsGroup);
    g1->addWidget(matchCountEdit, 0, 0);
    g1->addWidget(matchCountLabel, 0, 1);
    g1->addWidget(addedCountEdit, 1, 0);
    g1->addWidget(addedCountLabel, 1, 1);
    g1->setColumnStretch(1, 1);

    mailListGroup = named(new QGroupBox(tr("Mailing List"), this), "ComplFrm2");
    identifierEdit = named(new QLineEdit(mailListGroup), "ComplTxt3",
                           tr("Up To Three Characters To Uniquely Identify This Mailing "
                              "List File"));
    identifierLabel = named(new QLabel(tr("&Identifier"), mailListGroup), "ComplLbl3");
    titleEdit = named(new QLineEdit(mailListGroup), "ComplTxt4",
                      tr("Up To 40 Characters To Describe This Mailing List"));
    titleLabel = named(new QLabel(tr("&Title"), mailListGroup), "ComplLbl4");
    identifierLabel->setBuddy(identifierEdit);
    titleLabel->setBuddy(titleEdit);
    identifierEdit->setMaximumWidth(90);
    titleEdit->setMinimumWidth(titleEdit->fontMetrics().averageCharWidth() * 42);
    auto* g2 = new QGridLayout(mailListGroup);
    g2->addWidget(identifierLabel, 0, 0);
    g2->addWidget(identifierEdit, 0, 1, Qt::AlignLeft);
    g2->addWidget(titleLabel, 1, 0);
    g2->addWidget(titleEdit, 1, 1);

    okButton = named(new QPushButton(tr("&OK"), this), "ComplCmd1",
                     tr("Save The Mailing List (If Generated)"));
    cancelButton = named(new QPushButton(tr("Cance&l"), this), "ComplCmd2",
                         tr("Do Not Save The Mailing List (If Generated)"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    buttons->addStretch();

    auto* top = new QVBoxLayout(this);
    top->addWidget(resultsGroup);
    top->addWidget(mailListGroup);
    top->addLayout(buttons);

    setState(!p_.SearchSavesList        ? State::MatchCountOnly
             : p_.MailListAddCount == 0 ? State::NothingCollected
                                        : State::SaveList);
    okButton->setDefault(true);

    connect(okButton, &QPushButton::clicked, this, &SearchCompleteWindow::onOkClicked);
    connect(cancelButton, &QPushButton::clicked, this, &SearchCompleteWindow::onCancelClicked);
}

void SearchCompleteWindow::keyPressEvent(QKeyEvent* event)
{
    // A plain window has no default button of its own: Enter that no control
    // took (the boxes pass it on) presses OK, as in a dialog.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        okButton->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SearchCompleteWindow::setState(State state)
{
    const bool collects = state != State::MatchCountOnly;
    const bool saves = state == State::SaveList;
    for (QWidget* w : std::initializer_list<QWidget*>{addedCountEdit, addedCountLabel})
        w->setVisible(collects);
    for (QWidget* w : std::initializer_list<QWidget*>{identifierEdit, titleEdit, identifierLabel,
                                                      titleLabel, cancelButton, mailListGroup})
        w->setVisible(saves);
}

void SearchCompleteWindow::closeSearchWindows()
{
    for (const char* name : {"SrchMsgForm", "SrchMsg2Form"}) {
        if (QWidget* w = loadedWindow(QLatin1String(name)))
            unloadWindow(w);
    }
    unloadWindow(this);
}

void SearchCompleteWindow::onOkClicked()
{
    if (p_.MailListAddCount == 0) {
        closeSearchWindows();
        return;
    }
    const QString identifier = identifierEdit->text();
    if (identifier.isEmpty()) {
        p_.ui.beep();
        p_.ui.messageBox(tr("Please Supply An Identifier For The Mailing List."), kTitle,
                         Ui::Buttons::Ok);
        return;
    }
    if (isReservedIdentifier(identifier)) {
        p_.ui.beep();
        p_.ui.messageBox(tr("Sorry, The Specified Identifier Is Invalid.  Try Again."), kTitle,
                         Ui::Buttons::Ok);
        return;
    }
    saveList(identifier);
}

void SearchCompleteWindow::saveList(const QString& identifier)
{
    try {
        switch (askToReplaceMailList(p_, identifier)) {
        case MailListAnswer::Keep:
            return;
        case MailListAnswer::Cancel:
            unloadWindow(this);
            return;
        case MailListAnswer::NoFile:
        case MailListAnswer::Replace:
            break;
        }
        const QString name = mailListFileName(identifier);
        ListUndoScope undo(p_, UndoKind::CreateList, name);
        writeMailList(p_, name, titleEdit->text());
        undo.commit();
    } catch (const PlatformError& e) {
        if (e.number() == ErrNo::DeviceIo) {
            p_.ui.messageBox(tr("A Serious Hard Disk Error Occurred.  Corvane Cannot Continue."),
                             kDefaultTitle, Ui::Buttons::Ok);
            p_.ui.endProgram();
        }
        p_.ui.messageBox(tr("Error ") + numText(e.number()) + tr(" In ML Process.  Extension = ") +
                             identifier + tr(".  Notify Programmer."),
                         kTitle, Ui::Buttons::Ok);
        return;
    }
    p_.ui.messageBox(tr("Mailing List Written To Disk."), kTitle, Ui::Buttons::Ok);
    closeSearchWindows();
}

void SearchCompleteWindow::onCancelClicked()
{
    closeSearchWindows();
}

} // namespace tavrel
