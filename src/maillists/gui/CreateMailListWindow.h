#pragma once

#include "platform/gui/ListClick.h"

#include <QWidget>

class QLineEdit;
class QListView;
class QPushButton;

namespace tavrel {

class Program;

// "Create New Mailing List": a new list from typed ID numbers or picked names.
class CreateMailListWindow : public QWidget {
    Q_OBJECT
public:
    explicit CreateMailListWindow(Program& p);

    QLineEdit* idNumbersEdit;
    QLineEdit* identifierEdit;
    QLineEdit* titleEdit;
    QListView* existingListsList;
    QLineEdit* existingTitleEdit;
    QPushButton* namesButton;
    QPushButton* createButton;
    QPushButton* cancelButton;

    // The buttons' handlers; a test calls them straight, so an error that
    // ends the program leaves through them rather than through Qt's signals.
    void onExistingListClicked(ListClick how);
    void onNamesClicked();
    void onCreateClicked();
    void onCancelClicked();

private:
    // Checks the identifier; shows the refusal and returns false when it is not allowed.
    bool identifierAllowed(const QString& identifier);
    void refuseIdentifier(bool withBeep);

    Program& p_;
};

} // namespace tavrel
