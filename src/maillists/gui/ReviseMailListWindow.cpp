#include "maillists/gui/ReviseMailListWindow.h"

#include "maillists/MailListFile.h"
#include "maillists/MailListPrint.h"
#include "maillists/gui/AddDeleteNamesDialog.h"
#include "maillists/gui/NamePicker.h"
#include "maillists/gui/PrintWaitMessage.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/ListClick.h"
#include "platform/gui/Named.h"
#include "platform/gui/PrinterBox.h"
#include "platform/gui/Windows.h"
#include "store/Program.h"
#include "store/UndoFiles.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

namespace tavrel {

ReviseMailListWindow::ReviseMailListWindow(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("MailForm"));
    setWindowTitle(tr("Display / Revise Mailing List"));

    auto* frame1 = named(new QGroupBox(tr("Available Lists"), this), "Frame1");
    fileList = newLineList(frame1, "MailFil1");
    auto* label1 = named(new QLabel(tr("&Filename"), frame1), "Label1");
    label1->setBuddy(fileList);
    fileList->setMinimumHeight(150);
    fileList->setMaximumWidth(180);
    auto* f1 = new QVBoxLayout(frame1);
    f1->addWidget(label1);
    f1->addWidget(fileList);

    titleEdit = named(new QLineEdit(this), "MailTxt2",
                      tr("Up To 40 Characters Describing This Mailing List"));
    titleEdit->setMaxLength(40);
    titleEdit->setMinimumWidth(titleEdit->fontMetrics().averageCharWidth() * 42);
    auto* label3 = named(new QLabel(tr("&Title"), this), "Label3");
    label3->setBuddy(titleEdit);
    idNumbersEdit = named(new QPlainTextEdit(this), "MailTxt1",
                          tr("ID Numbers Associated With Selected Mailing List"));
    idNumbersEdit->setTabChangesFocus(true);
    auto* label2 =
        named(new QLabel(tr("&ID Numbers Associated With Selected File"), this), "Label2");
    label2->setBuddy(idNumbersEdit);

    showIdsButton = named(new QPushButton(tr("&Show ID #s"), this), "MailCmd3",
                          tr("Display The ID Numbers Associated With The Selected Mailing "
                             "List"));
    reviseIdsButton = named(new QPushButton(tr("&Revise ID #s"), this), "MailCmd7",
                            tr("Change The ID Numbers Associated With The Selected Mailing "
                               "List To The IDs Shown On This Screen"));
    showNamesButton = named(new QPushButton(tr("&Show Names"), this), "ListByName",
                            tr("Display The Names Associated With The Selected Mailing List"));
    changeTitleButton = named(new QPushButton(tr("&Change Title"), this), "MailCmd4",
                              tr("Change The Mailing List Title To That Shown On This Screen"));
    deleteListButton = named(new QPushButton(tr("&Delete List"), this), "MailCmd5",
                             tr("Delete The Selected Mailing List"));
    printListButton = named(new QPushButton(tr("&Print List"), this), "MailCmd6",
                            tr("Print A Hardcopy Report Of The Selected Mailing List Content"));
    printerBox = new PrinterBox(p_.files, p_.printer, this);
    printerBox->showChoiceFor(QStringLiteral("maillist"));
    printerLabel = named(new QLabel(tr("C&hoose Printer:"), this), "MailPrinterLabel");
    printerLabel->setBuddy(printerBox);
    exitButton = named(new QPushButton(tr("Exit / Cance&l"), this), "MailCmd2",
                       tr("Cancel Any Pending Changes To The Selected Mailing List"));

    auto* fields = new QVBoxLayout;
    fields->addWidget(label3);
    fields->addWidget(titleEdit);
    fields->addWidget(label2);
    fields->addWidget(idNumbersEdit, 1);
    auto* upper = new QHBoxLayout;
    upper->addWidget(frame1);
    upper->addLayout(fields, 1);

    auto* buttons = new QGridLayout;
    buttons->addWidget(showIdsButton, 0, 0);
    buttons->addWidget(reviseIdsButton, 0, 0);
    buttons->addWidget(showNamesButton, 0, 1);
    buttons->addWidget(changeTitleButton, 0, 2);
    buttons->addWidget(deleteListButton, 1, 0);
    buttons->addWidget(printListButton, 1, 1);
    buttons->addWidget(exitButton, 1, 2);

    auto* top = new QVBoxLayout(this);
    top->addLayout(upper, 1);
    top->addLayout(buttons);
    auto* printer = new QHBoxLayout;
    printer->addWidget(printerLabel);
    printer->addWidget(printerBox, 1);
    top->addLayout(printer);
    resize(640, 360);

    setTabOrder(fileList, titleEdit);
    setTabOrder(titleEdit, idNumbersEdit);
    setTabOrder(idNumbersEdit, showIdsButton);
    setTabOrder(showIdsButton, reviseIdsButton);
    setTabOrder(reviseIdsButton, showNamesButton);
    setTabOrder(showNamesButton, changeTitleButton);
    setTabOrder(changeTitleButton, deleteListButton);
    setTabOrder(deleteListButton, printListButton);
    setTabOrder(printListButton, exitButton);
    setTabOrder(exitButton, printerBox);

    refreshFiles();

    onListClick(fileList, [this](ListClick how) { onFileClicked(how); });
    connect(showIdsButton, &QPushButton::clicked, this, &ReviseMailListWindow::onShowIdsClicked);
    connect(reviseIdsButton, &QPushButton::clicked, this,
            &ReviseMailListWindow::onReviseIdsClicked);
    connect(showNamesButton, &QPushButton::clicked, this,
            &ReviseMailListWindow::onShowNamesClicked);
    connect(changeTitleButton, &QPushButton::clicked, this,
            &ReviseMailListWindow::onChangeTitleClicked);
    connect(deleteListButton, &QPushButton::clicked, this,
            &ReviseMailListWindow::onDeleteListClicked);
    connect(printListButton, &QPushButton::clicked, this,
            &ReviseMailListWindow::onPrintListClicked);
    connect(exitButton, &QPushButton::clicked, this, [this] { unloadWindow(this); });
}

void ReviseMailListWindow::closeEvent(QCloseEvent* event)
{
    if (printing_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void ReviseMailListWindow::refreshFiles()
{
    const QSignalBlocker quiet(fileList->selectionModel());
    linesOf(fileList)->setTexts(listMailListFiles(p_, kMailListPattern));
    clearCurrentLine(fileList);
    setState(State::Choosing);
}

void ReviseMailListWindow::setState(State state)
{
    reviseIdsButton->setVisible(state == State::Revising);
    showIdsButton->setVisible(state == State::Choosing);
}

QString ReviseMailListWindow::selectedList(const QString& message)
{
    const int row = chosenLine(fileList);
    if (row >= 0)
        return linesOf(fileList)->textAt(row);
    p_.ui.messageBox(message, kTitle, Ui::Buttons::Ok);
    exitButton->setFocus();
    return QString();
}

QString ReviseMailListWindow::loadSelectedList(const char* place)
{
    const QString file = selectedList(tr("Please Select A Mailing List."));
    if (file.isEmpty())
        return file;
    try {
        listTitle = loadMailList(p_, file);
    } catch (const PlatformError& e) {
        unexpected(e.number(), place);
        exitButton->setFocus();
        return QString();
    }
    return file;
}

void ReviseMailListWindow::unexpected(int number, const char* place)
{
    p_.ui.messageBox(tr("Error ") + numText(number) + tr(" In ") + QLatin1String(place) +
                         tr(".  Notify Programmer."),
                     kDefaultTitle, Ui::Buttons::Ok);
}

void ReviseMailListWindow::onFileClicked(ListClick how)
{
    const int row = chosenLine(fileList);
    if (row < 0)
        return;
    QByteArray saved = p_.MailListFlags;
    try {
        listTitle = loadMailList(p_, linesOf(fileList)->textAt(row));
    } catch (const PlatformError& e) {
        p_.MailListFlags = saved;
        listTitle.clear();
        unexpected(e.number(), "MailFil1");
    }
    p_.MailListFlags = saved; // a click only reads the title
    titleEdit->setText(listTitle.startsWith(QChar(21)) ? QString() : trimRight(listTitle));
    idNumbersEdit->clear();
    setState(State::Choosing);
    if (how == ListClick::Mouse)
        showNamesButton->setFocus();
}

void ReviseMailListWindow::onShowIdsClicked()
{
    if (loadSelectedList("MailCmd3").isEmpty())
        return;
    idNumbersEdit->setPlainText(memberText(p_));
    titleEdit->setText(trimRight(listTitle));
    setState(State::Revising);
    exitButton->setFocus();
}

void ReviseMailListWindow::onReviseIdsClicked()
{
    const QString file = selectedList(tr("Please Select A Mailing List."));
    if (file.isEmpty())
        return;
    if (p_.ui.messageBox(tr("Do You Really Want To Revise This Mailing List?"), kTitle,
                         Ui::Buttons::YesNo, Ui::Icon::Question) != Ui::Answer::Yes) {
        exitButton->setFocus();
        return;
    }
    p_.ui.setWaitCursor(true);
    parseIdList(p_, idNumbersEdit->toPlainText());
    try {
        ListUndoScope undo(p_, UndoKind::ChangeList, file);
        writeMailList(p_, file, titleEdit->text());
        undo.commit();
    } catch (const PlatformError& e) {
        p_.ui.setWaitCursor(false);
        unexpected(e.number(), "MailCmd7");
        exitButton->setFocus();
        return;
    }
    p_.ui.messageBox(tr("Mailing List Revised."), kTitle, Ui::Buttons::Ok);
    idNumbersEdit->clear();
    setState(State::Choosing);
    p_.ui.setWaitCursor(false);
    exitButton->setFocus();
}

void ReviseMailListWindow::onShowNamesClicked()
{
    const QString file = loadSelectedList("ListByName");
    if (file.isEmpty())
        return;
    AddDeleteNamesDialog names(
        p_, file, listTitle,
        [this] {
            idNumbersEdit->clear();
            titleEdit->clear();
            setState(State::Choosing);
        },
        this);
    p_.ui.runModal(names);
    exitButton->setFocus();
}

void ReviseMailListWindow::onChangeTitleClicked()
{
    const QString file =
        selectedList(tr("You Must Select A Mailing List Before Changing Its Title!"));
    if (file.isEmpty())
        return;
    const QString typed = titleEdit->text();
    const bool noTitle = typed.isEmpty() || typed == QString(40, QLatin1Char(' '));
    const QString title = noTitle ? mailListTitleField(QString()) : padRight(typed, 40);
    try {
        // The flags are copied from the file as it is; the membership in memory
        // is not touched. A short or damaged file comes back complete.
        const QByteArray line = readMailListLine(p_, file);
        QByteArray contents = fixedField(title, MailListFormat::TitleWidth) + QByteArray(6, ' ');
        for (int i = 0; i < 1700; ++i) {
            const int at = MailListFormat::FlagsOffset + i;
            contents += (at < line.size() && line.at(at) == '1') ? '1' : '0';
        }
        contents += "\r\n";
        ListUndoScope undo(p_, UndoKind::ChangeList, file);
        replaceMailListFile(p_, file, contents);
        undo.commit();
    } catch (const PlatformError& e) {
        p_.ui.messageBox(tr("Error ") + numText(e.number()) +
                             tr(" Occurred In MailCmd4.  Notify Programmer."),
                         kDefaultTitle, Ui::Buttons::Ok);
        p_.ui.endProgram();
    }
    listTitle = title;
    p_.ui.messageBox(tr("Title Changed."), kTitle, Ui::Buttons::Ok);
    exitButton->setFocus();
}

void ReviseMailListWindow::onDeleteListClicked()
{
    const QString file = selectedList(tr("You Must Select A Mailing List To Delete."));
    if (file.isEmpty())
        return;
    if (p_.ui.messageBox(tr("Do You Really Want To Delete Mailing List ") + file + tr("?"), kTitle,
                         Ui::Buttons::YesNo, Ui::Icon::Question) == Ui::Answer::Yes) {
        try {
            ListUndoScope undo(p_, UndoKind::DeleteList, file);
            removeMailList(p_, file);
            undo.commit();
        } catch (const PlatformError& e) {
            unexpected(e.number(), "MailCmd5");
            exitButton->setFocus();
            return;
        }
        idNumbersEdit->clear();
        titleEdit->clear();
        refreshFiles();
        p_.ui.messageBox(tr("Mailing List Deleted."), kTitle, Ui::Buttons::Ok);
    }
    exitButton->setFocus();
}

void ReviseMailListWindow::onPrintListClicked()
{
    const QString file = selectedList(tr("Please Select A Mailing List."));
    if (file.isEmpty())
        return;
    try {
        readMailListLine(p_, file);
    } catch (const PlatformError& e) {
        // Nothing is sent to the printer for a list that cannot be read.
        unexpected(e.number(), "MailCmd6");
        exitButton->setFocus();
        return;
    }
    bool noFile = false;
    std::unique_ptr<Printer> chosen = printerBox->makeChosenPrinter(p_.ui, noFile);
    if (noFile) {
        exitButton->setFocus();
        return;
    }
    printerBox->rememberChoice();
    std::optional<PrinterRoute> route;
    if (chosen)
        route.emplace(p_.printer, *chosen);
    QPointer<PrintWaitMessage> wait = new PrintWaitMessage(p_);
    loadWindow(wait);
    wait->show();
    wait->repaint();
    printing_ = true;
    setEnabled(false);
    bool completed = false;
    QString failure;
    try {
        completed = printMailListContents(p_, file, titleEdit->text());
    } catch (const PlatformError& e) {
        failure = printerFailureText(e, tr("Mailing List Not Printed."));
        try {
            p_.printer.killDoc();
            p_.printer.endDoc();
        } catch (const PlatformError&) {
            // The job is gone either way.
        }
    }
    printing_ = false;
    setEnabled(true);
    if (wait && isLoaded(wait))
        unloadWindow(wait);
    if (!failure.isEmpty())
        p_.ui.messageBox(failure, kPrinterErrorTitle, Ui::Buttons::Ok);
    else if (completed)
        p_.ui.messageBox(withOutputFile(tr("Mailing List Printed."), p_.printer), kTitle,
                         Ui::Buttons::Ok);
    exitButton->setFocus();
}

} // namespace tavrel
