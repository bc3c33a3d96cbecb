#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrel {

class Program;

// "Search Complete": the counts of a finished search and, when the search
// collected records, the identifier and title under which to save them.
class SearchCompleteWindow : public QWidget {
    Q_OBJECT
public:
    // MatchCountOnly: the search collects no list; NothingCollected: it
    // collects, but no record was added; SaveList: the list can be saved.
    enum class State { MatchCountOnly, NothingCollected, SaveList };

    explicit SearchCompleteWindow(Program& p);

    QGroupBox* resultsGroup;
    QLineEdit* matchCountEdit;
    QLabel* matchCountLabel;
    QLineEdit* addedCountEdit;
    QLabel* addedCountLabel;
    QGroupBox* mailListGroup;
    QLineEdit* identifierEdit;
    QLabel* identifierLabel;
    QLineEdit* titleEdit;
    QLabel* titleLabel;
    QPushButton* okButton;
    QPushButton* cancelButton;

    void setState(State state);

    // The buttons' handlers; a test calls them straight, so an error that
    // ends the program leaves through them rather than through Qt's signals.
    void onOkClicked();
    void onCancelClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Closes this window and the search's match windows.
    void closeSearchWindows();
    void saveList(const QString& identifier);

    Program& p_;
};

} // namespace tavrel
