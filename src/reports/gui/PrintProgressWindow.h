#pragma once

#include "platform/gui/PrintSending.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrel {

struct ReportState;

// "Printing": the number of the last page laid out and the Cancel button that
// asks the print run to stop after the page in progress. When the run's
// document is handed to the print system it says so, and Cancel stops the
// sending: the one window with a Cancel while a report prints.
class PrintProgressWindow : public QWidget, public ShowsPrintSending {
    Q_OBJECT

public:
    explicit PrintProgressWindow(ReportState& state);

    // Shows `pageNo` as the last page completed.
    void showLastPage(int pageNo);

    void showSending(const QString& text, std::function<void()> cancel) override;
    void sendingEnded() override;

    QLabel* stopLabel;
    QLabel* lastPageLabel;
    QLineEdit* lastPageEdit;
    QPushButton* stopButton;
    // The completion controls; the run reports its end in a message box, so
    // they stay hidden.
    QLabel* completedLabel;
    QLabel* lastPagePrintedLabel;
    QLineEdit* lastPagePrintedEdit;
    QPushButton* completedOkButton;

protected:
    // Closing the window asks for the same stop as Cancel.
    void closeEvent(QCloseEvent* event) override;

private:
    void onStopClicked();
    void onCompletedOkClicked();

    ReportState& state_;
    std::function<void()> cancelSending_; // set while the document is being sent
};

} // namespace tavrel
