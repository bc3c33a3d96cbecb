#pragma once

#include "platform/gui/ListClick.h"
#include "store/Program.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace tavrel {

// "Create New Mailing List": a new list from typed ID numbers or picked names.
class CreateForm : public QWidget {
public:
    explicit CreateForm(Program& p);

    QLineEdit* CreateTxt1;
    QLineEdit* CreateTxt2;
    QLineEdit* CreateTxt3;
    QListWidget* CreateFil1;
    QLineEdit* CreateTxt5;
    QPushButton* ShowNameButton;
    QPushButton* CreateCmd1;
    QPushButton* CreateCmd2;

    // The buttons' handlers; a test calls them straight, so an error that
    // ends the program leaves through them rather than through Qt's signals.
    void CreateFil1_Click(ListClick how);
    void ShowNameButton_Click();
    void CreateCmd1_Click();
    void CreateCmd2_Click();

private:
    // Checks the identifier; shows the refusal and returns false when it is not allowed.
    bool identifierAllowed(const QString& identifier);
    void refuseIdentifier(bool withBeep);

    Program& p_;
};

} // namespace tavrel
