#pragma once

#include "platform/gui/ListClick.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;

namespace tavrel {

class Program;

class PrinterBox;

// "Display / Revise Mailing List": shows, revises, retitles, deletes and
// prints existing mailing lists.
class ReviseMailListWindow : public QWidget {
    Q_OBJECT
public:
    // Choosing: a list is picked and "Show ID #s" is offered; Revising: the
    // list's ID numbers are on screen and "Revise ID #s" takes its place.
    enum class State { Choosing, Revising };

    explicit ReviseMailListWindow(Program& p);

    QListView* fileList;
    QLineEdit* titleEdit;
    QPlainTextEdit* idNumbersEdit;
    QPushButton* showIdsButton;
    QPushButton* reviseIdsButton;
    QPushButton* showNamesButton;
    QPushButton* changeTitleButton;
    QPushButton* deleteListButton;
    QPushButton* printListButton;
    QLabel* printerLabel;
    PrinterBox* printerBox;
    QPushButton* exitButton;

    // The 40-character title of the list last clicked.
    QString listTitle;

    void setState(State state);

    // The buttons' handlers; a test calls them straight, so an error that
    // ends the program leaves through them rather than through Qt's signals.
    void onFileClicked(ListClick how);
    void onShowIdsClicked();
    void onReviseIdsClicked();
    void onShowNamesClicked();
    void onChangeTitleClicked();
    void onDeleteListClicked();
    void onPrintListClicked();

protected:
    // The window stays while its contents print runs (the print lets events through).
    void closeEvent(QCloseEvent* event) override;

private:
    // The selected list file, or empty after showing `message` when none is selected.
    QString selectedList(const QString& message);
    // The selected list, loaded into MailListFlags and listTitle; empty
    // when none is selected or it cannot be read (the user has been told).
    QString loadSelectedList(const char* place);
    void refreshFiles();
    void unexpected(int number, const char* place);

    Program& p_;
    bool printing_ = false;
};

} // namespace tavrel
