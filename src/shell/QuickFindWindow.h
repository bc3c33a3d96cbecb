#pragma once

#include "platform/gui/ListClick.h"
#include "store/Contact.h"
#include "store/NARecord.h"
#include "store/NameListModel.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace tavrel {

class Program;

class NameListFilter;

// "&QuickFind": opens the QuickFind list modeless.
void startQuickFind(Program& p);

// QuickFind: every active record as one line (the field QuickFindField names),
// in QuickFindSort order; the chosen record opens on the first record screen.
// The find box narrows it to the records holding every word typed, in any
// field; a line found through a field it does not show names that field.
class QuickFindWindow : public QWidget {
    Q_OBJECT
public:
    explicit QuickFindWindow(Program& p);

    // Fills the list (says so when the file is empty).
    void fillList();

    // Typing here (or in the list) narrows the list; empty, the window is as it always was.
    QLineEdit* filterEdit = nullptr;
    QListView* nameList = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* displayButton = nullptr;
    QLabel* sortOrderLabel = nullptr;
    QLabel* fieldLabel = nullptr;
    NameListModel* lines = nullptr;
    // What the list shows of `lines`; a filter text narrows it.
    NameListFilter* shownLines = nullptr;

    static QString sortCaption(QChar code);
    static QString fieldCaption(QChar code);
    // The line QuickFind shows for record `r` under field code `code`.
    static QString lineText(const NARecord& r, QChar code);
    // The same for a contact: the person's own spelling where one is kept.
    static QString lineText(const Contact& c, QChar code);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onCancelClicked();
    void onDisplayClicked();
    void onLineClicked(ListClick how);
    void openLine(int row);
    // The line of the record in the current record buffer (ID `id`).
    NameListModel::Line lineOf(qint16 id) const;

    Program& p_;
};

} // namespace tavrel
