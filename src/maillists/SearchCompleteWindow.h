#pragma once

#include "store/Program.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrel {

// "Search Complete": the counts of a finished search and, when the search
// collected records, the identifier and title under which to save them.
class CompleteForm : public QWidget {
public:
    explicit CompleteForm(Program& p);

    QGroupBox* ComplFrm1;
    QLineEdit* ComplTxt1;
    QLabel* ComplLbl1;
    QLineEdit* ComplTxt2;
    QLabel* ComplLbl2;
    QGroupBox* ComplFrm2;
    QLineEdit* ComplTxt3;
    QLabel* ComplLbl3;
    QLineEdit* ComplTxt4;
    QLabel* ComplLbl4;
    QPushButton* ComplCmd1;
    QPushButton* ComplCmd2;

    // The buttons' handlers; a test calls them straight, so an error that
    // ends the program leaves through them rather than through Qt's signals.
    void ComplCmd1_Click();
    void ComplCmd2_Click();

private:
    // Closes this window and the search's match windows.
    void closeSearchWindows();
    void saveList(const QString& identifier);

    Program& p_;
};

} // namespace tavrel
