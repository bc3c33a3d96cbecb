#pragma once

#include "platform/Ui.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace tavrel::test {

// Thrown where the program would end.
struct ProgramEnded : std::exception {
    const char* what() const noexcept override { return "program ended"; }
};

// A Ui that answers from queues and records everything it was shown. A box
// or prompt with no queued answer fails the test at once instead of blocking.
class ScriptedUi : public Ui {
public:
    struct Message {
        QString text;
        QString title;
        Buttons buttons;
        Icon icon;
    };
    struct Prompt {
        QString prompt;
        QString title;
        QString defaultText;
    };
    using ModalHandler = std::function<void(QDialog&)>;

    // Queue answers, used in order.
    void answer(Answer a) { answers_.push_back(a); }
    void answerInput(std::optional<QString> text) { inputs_.push_back(std::move(text)); }
    // The next modal window is handed to `h`, which fills it in and presses its
    // buttons; when `h` leaves it open, the window is rejected (as if closed).
    void onModal(ModalHandler h) { modals_.push_back(std::move(h)); }
    // With no queued answer, boxes with only OK are answered OK automatically,
    // and questions whose default is No (the answer that changes nothing) No.
    void setAutoOk(bool on) { autoOk_ = on; }

    Answer messageBox(const QString& text, const QString& title, Buttons buttons,
                      Icon icon) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    void beep() override { ++beeps; }
    void setWaitCursor(bool on) override
    {
        waitCursor = on;
        ++waitCursorChanges;
    }
    void processEvents() override;
    int runModal(QDialog& dialog) override;

    std::vector<Message> messages;
    std::vector<Prompt> prompts;
    QStringList modalWindows; // objectName of each window run modally
    int beeps = 0;
    bool waitCursor = false;
    int waitCursorChanges = 0;
    // Runs on every processEvents, as a person's clicks during a long loop would.
    std::function<void()> onProcessEvents;
    bool ended = false;

    // Texts of all messages shown so far.
    QStringList texts() const;
    const Message& last() const;
    // True when nothing queued is left unused.
    bool allUsed() const { return answers_.empty() && inputs_.empty() && modals_.empty(); }

protected:
    void quit() override;

private:
    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> inputs_;
    std::deque<ModalHandler> modals_;
    bool autoOk_ = false;
};

} // namespace tavrel::test
