#include "maillists/ReviseMailListWindow.h"

#include "maillists/AddDeleteNamesDialog.h"
#include "maillists/PrintWaitMessage.h"
#include "maillists/MailListFile.h"
#include "maillists/MailListPrint.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/ListClick.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

} // namespace

MailForm::MailForm(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("MailForm"));
    setWindowTitle(QStringLiteral("Display / Revise Mailing List"));

    auto* frame1 = named(new QGroupBox(QStringLiteral("Available Lists"), this), "Frame1");
    MailFil1 = named(new QListWidget(frame1), "MailFil1");
    auto* label1 = named(new QLabel(QStringLiteral("&Filename"), frame1), "Label1");
    label1->setBuddy(MailFil1);
    MailFil1->setMinimumHeight(150);
    MailFil1->setMaximumWidth(180);
    auto* f1 = new QVBoxLayout(frame1);
    f1->addWidget(label1);
    f1->addWidget(MailFil1);

    MailTxt2 = named(new QLineEdit(this), "MailTxt2",
                     QStringLiteral("Up To 40 Characters Describing This Mailing List"));
    MailTxt2->setMaxLength(40);
    MailTxt2->setMinimumWidth(MailTxt2->fontMetrics().averageCharWidth() * 42);
    auto* label3 = named(new QLabel(QStringLiteral("&Title"), this), "Label3");
    label3->setBuddy(MailTxt2);
    MailTxt1 = named(new QPlainTextEdit(this), "MailTxt1",
                     QStringLiteral("ID Numbers Associated With Selected Mailing List"));
    MailTxt1->setTabChangesFocus(true);
    auto* label2 = named(
        new QLabel(QStringLiteral("&ID Numbers Associated With Selected File"), this), "Label2");
    label2->setBuddy(MailTxt1);

    MailCmd3 = named(new QPushButton(QStringLiteral("&Show ID #s"), this), "MailCmd3",
                     QStringLiteral("Display The ID Numbers Associated With The Selected Mailing "
                                    "List"));
    MailCmd7 = named(new QPushButton(QStringLiteral("&Revise ID #s"), this), "MailCmd7",
                     QStringLiteral("Change The ID Numbers Associated With The Selected Mailing "
                                    "List To The IDs Shown On This Screen"));
    ListByName =
        named(new QPushButton(QStringLiteral("&Show Names"), this), "ListByName",
              QStringLiteral("Display The Names Associated With The Selected Mailing List"));
    MailCmd4 = named(new QPushButton(QStringLiteral("&Change Title"), this), "MailCmd4",
                     QStringLiteral("Change The Mailing List Title To That Shown On This Screen"));
    MailCmd5 = named(new QPushButton(QStringLiteral("&Delete List"), this), "MailCmd5",
                     QStringLiteral("Delete The Selected Mailing List"));
    MailCmd6 =
        named(new QPushButton(QStringLiteral("&Print List"), this), "MailCmd6",
              QStringLiteral("Print A Hardcopy Report Of The Selected Mailing List Content"));
    MailCmd2 = named(new QPushButton(QStringLiteral("Exit / Cance&l"), this), "MailCmd2",
                     QStringLiteral("Cancel Any Pending Changes To The Selected Mailing List"));

    auto* fields = new QVBoxLayout;
    fields->addWidget(label3);
    fields->addWidget(MailTxt2);
    fields->addWidget(label2);
    fields->addWidget(MailTxt1, 1);
    auto* upper = new QHBoxLayout;
    upper->addWidget(frame1);
    upper->addLayout(fields, 1);

    auto* buttons = new QGridLayout;
    buttons->addWidget(MailCmd3, 0, 0);
    buttons->addWidget(MailCmd7, 0, 0);
    buttons->addWidget(ListByName, 0, 1);
    buttons->addWidget(MailCmd4, 0, 2);
    buttons->addWidget(MailCmd5, 1, 0);
    buttons->addWidget(MailCmd6, 1, 1);
    buttons->addWidget(MailCmd2, 1, 2);

    auto* top = new QVBoxLayout(this);
    top->addLayout(upper, 1);
    top->addLayout(buttons);
    resize(640, 360);

    setTabOrder(MailFil1, MailTxt2);
    setTabOrder(MailTxt2, MailTxt1);
    setTabOrder(MailTxt1, MailCmd3);
    setTabOrder(MailCmd3, MailCmd7);
    setTabOrder(MailCmd7, ListByName);
    setTabOrder(ListByName, MailCmd4);
    setTabOrder(MailCmd4, MailCmd5);
    setTabOrder(MailCmd5, MailCmd6);
    setTabOrder(MailCmd6, MailCmd2);

    MailCmd7->hide();
    refreshFiles();

    onListClick(MailFil1, [this](ListClick how) { MailFil1_Click(how); });
    connect(MailCmd3, &QPushButton::clicked, this, &MailForm::MailCmd3_Click);
    connect(MailCmd7, &QPushButton::clicked, this, &MailForm::MailCmd7_Click);
    connect(ListByName, &QPushButton::clicked, this, &MailForm::ListByName_Click);
    connect(MailCmd4, &QPushButton::clicked, this, &MailForm::MailCmd4_Click);
    connect(MailCmd5, &QPushButton::clicked, this, &MailForm::MailCmd5_Click);
    connect(MailCmd6, &QPushButton::clicked, this, &MailForm::MailCmd6_Click);
    connect(MailCmd2, &QPushButton::clicked, this, [this] { unloadWindow(this); });
}

void MailForm::closeEvent(QCloseEvent* event)
{
    if (printing_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void MailForm::refreshFiles()
{
    const QSignalBlocker quiet(MailFil1);
    MailFil1->clear();
    MailFil1->addItems(listMailListFiles(p_, kMailListPattern));
    clearCurrentLine(MailFil1);
    showReviseButton(false);
}

void MailForm::showReviseButton(bool revise)
{
    MailCmd7->setVisible(revise);
    MailCmd3->setVisible(!revise);
}

QString MailForm::selectedList(const QString& message)
{
    const auto selected = MailFil1->selectedItems();
    if (!selected.isEmpty())
        return selected.first()->text();
    p_.ui.messageBox(message, kTitle, Ui::Buttons::Ok);
    MailCmd2->setFocus();
    return QString();
}

QString MailForm::loadSelectedList(const char* place)
{
    const QString file = selectedList(QStringLiteral("Please Select A Mailing List."));
    if (file.isEmpty())
        return file;
    try {
        MailListTitle = LoadMailList(p_, file);
    } catch (const PlatformError& e) {
        unexpected(e.number(), place);
        MailCmd2->setFocus();
        return QString();
    }
    return file;
}

void MailForm::unexpected(int number, const char* place)
{
    p_.ui.messageBox(QStringLiteral("Error ") + numText(number) + QStringLiteral(" In ") +
                         QLatin1String(place) + QStringLiteral(".  Notify Programmer."),
                     kDefaultTitle, Ui::Buttons::Ok);
}

void MailForm::MailFil1_Click(ListClick how)
{
    const auto selected = MailFil1->selectedItems();
    if (selected.isEmpty())
        return;
    QByteArray saved = p_.MailListFlags;
    try {
        MailListTitle = LoadMailList(p_, selected.first()->text());
    } catch (const PlatformError& e) {
        p_.MailListFlags = saved;
        MailListTitle.clear();
        unexpected(e.number(), "MailFil1");
    }
    p_.MailListFlags = saved; // a click only reads the title
    MailTxt2->setText(MailListTitle.startsWith(QChar(21)) ? QString() : trimRight(MailListTitle));
    MailTxt1->clear();
    showReviseButton(false);
    if (how == ListClick::Mouse)
        ListByName->setFocus();
}

void MailForm::MailCmd3_Click()
{
    if (loadSelectedList("MailCmd3").isEmpty())
        return;
    MailTxt1->setPlainText(memberText(p_));
    MailTxt2->setText(trimRight(MailListTitle));
    showReviseButton(true);
    MailCmd2->setFocus();
}

void MailForm::MailCmd7_Click()
{
    const QString file = selectedList(QStringLiteral("Please Select A Mailing List."));
    if (file.isEmpty())
        return;
    if (p_.ui.messageBox(QStringLiteral("Do You Really Want To Revise This Mailing List?"), kTitle,
                         Ui::Buttons::YesNo, Ui::Icon::Question) != Ui::Answer::Yes) {
        MailCmd2->setFocus();
        return;
    }
    p_.ui.setWaitCursor(true);
    ParseIdList(p_, MailTxt1->toPlainText());
    try {
        WriteMailList(p_, file, MailTxt2->text());
    } catch (const PlatformError& e) {
        p_.ui.setWaitCursor(false);
        unexpected(e.number(), "MailCmd7");
        MailCmd2->setFocus();
        return;
    }
    p_.ui.messageBox(QStringLiteral("Mailing List Revised."), kTitle, Ui::Buttons::Ok);
    MailTxt1->clear();
    showReviseButton(false);
    p_.ui.setWaitCursor(false);
    MailCmd2->setFocus();
}

void MailForm::ListByName_Click()
{
    const QString file = loadSelectedList("ListByName");
    if (file.isEmpty())
        return;
    AddDelNames names(
        p_, file, MailListTitle,
        [this] {
            MailTxt1->clear();
            MailTxt2->clear();
            showReviseButton(false);
        },
        this);
    p_.ui.runModal(names);
    MailCmd2->setFocus();
}

void MailForm::MailCmd4_Click()
{
    const QString file =
        selectedList(QStringLiteral("You Must Select A Mailing List Before Changing Its Title!"));
    if (file.isEmpty())
        return;
    const QString typed = MailTxt2->text();
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
        replaceMailListFile(p_, file, contents);
    } catch (const PlatformError& e) {
        p_.ui.messageBox(QStringLiteral("Error ") + numText(e.number()) +
                             QStringLiteral(" Occurred In MailCmd4.  Notify Programmer."),
                         kDefaultTitle, Ui::Buttons::Ok);
        p_.ui.endProgram();
    }
    MailListTitle = title;
    p_.ui.messageBox(QStringLiteral("Title Changed."), kTitle, Ui::Buttons::Ok);
    MailCmd2->setFocus();
}

void MailForm::MailCmd5_Click()
{
    const QString file = selectedList(QStringLiteral("You Must Select A Mailing List To Delete."));
    if (file.isEmpty())
        return;
    if (p_.ui.messageBox(QStringLiteral("Do You Really Want To Delete Mailing List ") + file +
                             QStringLiteral("?"),
                         kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) == Ui::Answer::Yes) {
        try {
            removeMailList(p_, file);
        } catch (const PlatformError& e) {
            unexpected(e.number(), "MailCmd5");
            MailCmd2->setFocus();
            return;
        }
        MailTxt1->clear();
        MailTxt2->clear();
        refreshFiles();
        p_.ui.messageBox(QStringLiteral("Mailing List Deleted."), kTitle, Ui::Buttons::Ok);
    }
    MailCmd2->setFocus();
}

void MailForm::MailCmd6_Click()
{
    const QString file = selectedList(QStringLiteral("Please Select A Mailing List."));
    if (file.isEmpty())
        return;
    try {
        readMailListLine(p_, file);
    } catch (const PlatformError& e) {
        // Nothing is sent to the printer for a list that cannot be read.
        unexpected(e.number(), "MailCmd6");
        MailCmd2->setFocus();
        return;
    }
    QPointer<MLPrintWait> wait = new MLPrintWait(p_);
    loadWindow(wait);
    wait->show();
    wait->repaint();
    printing_ = true;
    setEnabled(false);
    bool completed = false;
    QString failure;
    try {
        completed = printMailListContents(p_, file, MailTxt2->text());
    } catch (const PlatformError& e) {
        failure = printerFailureText(e, QStringLiteral("Mailing List Not Printed."));
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
        p_.ui.messageBox(withOutputFile(QStringLiteral("Mailing List Printed."), p_.printer),
                         kTitle, Ui::Buttons::Ok);
    MailCmd2->setFocus();
}

} // namespace tavrel
