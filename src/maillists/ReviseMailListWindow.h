#pragma once

#include "platform/gui/ListClick.h"
#include "store/Program.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tavrel {

// "Display / Revise Mailing List": shows, revises, retitles, deletes and
// prints existing mailing lists.
class MailForm : public QWidget {
public:
    explicit MailForm(Program& p);

    QListWidget* MailFil1;
    QLineEdit* MailTxt2;
    QPlainTextEdit* MailTxt1;
    QPushButton* MailCmd3;
    QPushButton* MailCmd7;
    QPushButton* ListByName;
    QPushButton* MailCmd4;
    QPushButton* MailCmd5;
    QPushButton* MailCmd6;
    QPushButton* MailCmd2;

    // The 40-character title of the list last clicked.
    QString MailListTitle;

    // The buttons' handlers; a test calls them straight, so an error that
    // ends the program leaves through them rather than through Qt's signals.
    void MailFil1_Click(ListClick how);
    void MailCmd3_Click();
    void MailCmd7_Click();
    void ListByName_Click();
    void MailCmd4_Click();
    void MailCmd5_Click();
    void MailCmd6_Click();

protected:
    // The window stays while its contents print runs (the print lets events through).
    void closeEvent(QCloseEvent* event) override;

private:
    // The selected list file, or empty after showing `message` when none is selected.
    QString selectedList(const QString& message);
    // The selected list, loaded into MailListFlags and MailListTitle; empty
    // when none is selected or it cannot be read (the user has been told).
    QString loadSelectedList(const char* place);
    void refreshFiles();
    void showReviseButton(bool revise);
    void unexpected(int number, const char* place);

    Program& p_;
    bool printing_ = false;
};

} // namespace tavrel
