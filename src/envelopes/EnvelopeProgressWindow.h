#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrel {

// "Envelope Printing": the number of envelopes prepared so far and the Cancel
// button, whose click only asks the run to stop after the envelope in progress.
class EnvelopeProgressWindow : public QWidget {
    Q_OBJECT

public:
    explicit EnvelopeProgressWindow(std::function<void()> requestCancel);

    void showPrepared(int count);

    QLabel* preparingLabel;
    QLineEdit* preparedCountEdit;
    QPushButton* cancelButton;

protected:
    // The run closes the window; the close box asks for the same stop as Cancel.
    void closeEvent(QCloseEvent* event) override;

private:
    std::function<void()> requestCancel_;
};

} // namespace tavrel
