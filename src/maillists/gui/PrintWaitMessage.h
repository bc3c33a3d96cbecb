#pragma once

#include <QWidget>

class QPushButton;

namespace tavrel {

struct ReportState;

// The please-wait window of the contents print; Cancel asks the print to stop
// at its next page break.
class PrintWaitMessage : public QWidget {
    Q_OBJECT
public:
    explicit PrintWaitMessage(ReportState& state);

    QPushButton* cancelButton;

protected:
    // Closing the window asks for the same stop as Cancel.
    void closeEvent(QCloseEvent* event) override;

private:
    void onCancelClicked();

    ReportState& state_;
};

} // namespace tavrel
