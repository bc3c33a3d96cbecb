#pragma once

#include <QDialog>
#include <QStringList>
#include <chrono>
#include <functional>

class QLabel;
class QPushButton;

namespace tavrel {

// The small window shown while a document is handed to the print system:
// "Sending to printer..." and Cancel. When the print system has not taken the
// document within the patience it says so; Cancel (or Esc, or closing it)
// stops the sending.
class PrintSendingWindow : public QDialog {
public:
    PrintSendingWindow();
    // The print system keeps us waiting longer than `seconds`.
    void showSlow(int seconds);

    QLabel* messageLabel;
    QPushButton* cancelButton;
};

// A print run's own progress window ("Printing", with its Cancel) shows the
// hand-over in place of PrintSendingWindow while it is on screen, so the person
// never sees two "Printing" windows with a Cancel each. `cancel` is what its
// Cancel does until sendingEnded().
class ShowsPrintSending {
public:
    virtual void showSending(const QString& text, std::function<void()> cancel) = 0;
    virtual void sendingEnded() = 0;

protected:
    ~ShowsPrintSending() = default;
};

// How handing a document to the print command ended.
struct PrintSendResult {
    enum class Outcome { Sent, Refused, Cancelled, NoCommand };
    Outcome outcome = Outcome::Sent;
    // The print system's own words when it refused (its error output).
    QString words;
};

// Runs `command` with `arguments` once, without blocking the windows: the
// event loop runs while the sending window is shown (window-modal to the
// whole program, so no second command can start), or while a visible window
// that ShowsPrintSending shows it. Never sends twice.
PrintSendResult sendToPrintSystem(const QString& command, const QStringList& arguments,
                                  std::chrono::milliseconds patience);

} // namespace tavrel
