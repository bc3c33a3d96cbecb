#pragma once

#include "platform/gui/ListClick.h"
#include "store/Program.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace tavrel {

// "&QuickFind": opens the QuickFind list modeless.
void startQuickFind(Program& p);

// QuickFind: every active record as one line (the field QuickFindField names),
// in QuickFindSort order; the chosen record opens on the first record screen.
class ListForm : public QWidget {
    Q_OBJECT
public:
    explicit ListForm(Program& p);

    // Fills the list (says so when the file is empty).
    void Form_Load();

    QListWidget* ListLst1 = nullptr;
    QPushButton* ListCmd1 = nullptr; // Cancel
    QPushButton* ListCmd2 = nullptr; // Display Record
    QLabel* ListLbl1 = nullptr;      // sort caption
    QLabel* ListLbl2 = nullptr;      // field caption

    static QString sortCaption(QChar code);
    static QString fieldCaption(QChar code);
    // The line QuickFind shows for record `r` under field code `code`.
    static QString lineText(const NARecord& r, QChar code);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ListCmd1_Click();
    void ListCmd2_Click();
    void ListLst1_Click(ListClick how);
    void openLine(int row);

    Program& p_;
};

} // namespace tavrel
