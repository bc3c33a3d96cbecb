#pragma once

#include "store/Program.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrel {

// "Printing": the number of the last page laid out and the Cancel button that
// asks the print run to stop after the page in progress.
class StopPrintForm : public QWidget {
public:
    explicit StopPrintForm(Program& p);

    // Shows `pageNo` as the last page completed.
    void showLastPage(int pageNo);

    QLabel* Label1;
    QLabel* Label2;
    QLineEdit* StopPrintTxt1;
    QPushButton* StopPrintCmd1;
    // The completion controls; the run reports its end in a message box, so
    // they stay hidden.
    QLabel* Label3;
    QLabel* Label4;
    QLineEdit* Text1;
    QPushButton* Cmd2;

protected:
    // Closing the window asks for the same stop as Cancel.
    void closeEvent(QCloseEvent* event) override;

private:
    void StopPrintCmd1_Click();
    void Cmd2_Click();

    Program& p_;
};

} // namespace tavrel
