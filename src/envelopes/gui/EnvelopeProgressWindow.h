#pragma once

#include "platform/gui/PrintSending.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrel {

// "Envelope Printing": the number of envelopes prepared so far and the Cancel
// button, whose click only asks the run to stop after the envelope in progress.
// When the envelopes are handed to the print system it says so, and Cancel
// stops the sending: no second window with a Cancel comes up beside it.
class EnvelopeProgressWindow : public QWidget, public ShowsPrintSending {
    Q_OBJECT

public:
    explicit EnvelopeProgressWindow(std::function<void()> requestCancel);

    void showPrepared(int count);

    void showSending(const QString& text, std::function<void()> cancel) override;
    void sendingEnded() override;

    QLabel* preparingLabel;
    QLineEdit* preparedCountEdit;
    QPushButton* cancelButton;

protected:
    // The run closes the window; the close box asks for the same stop as Cancel.
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> requestCancel_;
    std::function<void()> cancelSending_; // set while the envelopes are being sent
};

} // namespace tavrel
