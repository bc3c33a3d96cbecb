#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstdlib>
#include <optional>

class QDialog;

namespace tavrel {

// Everything that blocks on the person at the keyboard. Production shows real
// Qt boxes; tests answer from a script and record what was shown.
class Ui {
public:
    // YesNoDefaultNo: Yes and No with No as the default, for a question whose
    // Yes is hard to take back; every other box defaults to its first button.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Ui() = default;

    // The first button is the default (No for YesNoDefaultNo); Esc answers
    // Cancel or No where the box has one.
    virtual Answer messageBox(const QString& text, const QString& title,
                              Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
    // std::nullopt when the person pressed Cancel.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText = QString()) = 0;
    virtual void beep() = 0;
    virtual void setWaitCursor(bool on) = 0;
    // Lets pending window events run (inside long loops).
    virtual void processEvents() = 0;
    // Shows `dialog` modally and returns its result code (QDialog::Accepted/Rejected).
    virtual int runModal(QDialog& dialog) = 0;
    // Ends the program at once; never returns.
    [[noreturn]] void endProgram()
    {
        quit();
        std::abort();
    }

protected:
    // Ends the program (or, in tests, throws); must not return.
    virtual void quit() = 0;
};

// Titles used by most boxes; a box or window translates its title where it shows it.
inline const QString kTitle = QString::fromUtf8(QT_TRANSLATE_NOOP("tavrel", "Tavrel"));
inline const QString kDefaultTitle =
    QString::fromUtf8(QT_TRANSLATE_NOOP("tavrel", "Corvane Mark32"));
// A title as the user reads it.
inline QString shownTitle(const QString& title)
{
    return QCoreApplication::translate("tavrel", title.toUtf8().constData());
}

} // namespace tavrel
