#pragma once

#include "store/NARecord.h"

#include <QDialog>
#include <QVector>

class QPushButton;

namespace tavrel {

class Program;

// What the two match windows share: the answer reset on loading, the
// buttons that record their answer and close, the copy button, and the
// placement below the record screen.
class MatchWindow : public QDialog {
    Q_OBJECT
public:
    // Answers recorded in MatchAnswer.
    enum : int { AnswerContinue = 0, AnswerEnd = 1, AnswerSwitch = 2, AnswerDontAdd = 3 };

    // `shown` is the record on display; `screenOnDisplay` (1 or 2) decides
    // whether the switch button offers screen 2 or screen 1.
    MatchWindow(Program& p, const NARecord& shown, int screenOnDisplay, QWidget* parent);

    QVector<QPushButton*> answerButtons;

    // Records `answer` and closes the window.
    void answerAndClose(int answer);
    // Puts the name and address on display on the clipboard; the window stays.
    void copyNameAndAddress();

protected:
    QPushButton* addButton(const QString& caption, const QString& toolTip);
    QString switchCaption() const;
    void showEvent(QShowEvent* event) override;
    // Esc has no role in a match window: only its buttons and close box answer.
    void keyPressEvent(QKeyEvent* event) override;

    Program& p;

private:
    NARecord shown_;
    int screenOnDisplay_;
};

} // namespace tavrel
