#pragma once

#include <QDialog>
#include <QStringList>
#include <chrono>

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

// How handing a document to the print command ended.
struct PrintSendResult {
    enum class Outcome { Sent, Refused, Cancelled, NoCommand };
    Outcome outcome = Outcome::Sent;
    // The print system's own words when it refused (its error output).
    QString words;
};

// Runs `command` with `arguments` once, without blocking the windows: the
// event loop runs while the sending window is shown (window-modal to the
// whole program, so no second command can start). Never sends twice.
PrintSendResult sendToPrintSystem(const QString& command, const QStringList& arguments,
                                  std::chrono::milliseconds patience);

} // namespace tavrel
