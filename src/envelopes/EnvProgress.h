#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrel {

// "Envelope Printing": the number of envelopes prepared so far and the Cancel
// button, whose click only asks the run to stop after the envelope in progress.
class EnvProgress : public QWidget {
public:
    explicit EnvProgress(std::function<void()> requestCancel);

    void showPrepared(int count);

    QLabel* EnvProgressLabel;
    QLineEdit* EnvNumberPreparedTextbox;
    QPushButton* EnvProgressCancelButton;

protected:
    // The run closes the window; the close box asks for the same stop as Cancel.
    void closeEvent(QCloseEvent* event) override;

private:
    void EnvProgressCancelButton_Click();

    std::function<void()> requestCancel_;
};

} // namespace tavrel
