#pragma once

#include "platform/gui/NoticeWindow.h"
#include "platform/gui/PrintSending.h"

#include <functional>

class QPushButton;

namespace tavrel {

// "Printing": tells the person the run is collecting and sorting the records.
// It has no buttons; the print run shows it without blocking and closes it.
// While a test page is handed to the print system it shows the hand-over and
// a Cancel in its place, so there is one "Printing" window, not two.
class PreparingReportMessage : public NoticeWindow, public ShowsPrintSending {
    Q_OBJECT

public:
    PreparingReportMessage();

    void showSending(const QString& text, std::function<void()> cancel) override;
    void sendingEnded() override;

    QPushButton* cancelButton;

private:
    std::function<void()> cancelSending_;
};

} // namespace tavrel
