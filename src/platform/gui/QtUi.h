#pragma once

#include "platform/Ui.h"

class QWidget;

namespace tavrel {

// The real boxes: QMessageBox and QInputDialog over the active window.
class QtUi : public Ui {
public:
    Answer messageBox(const QString& text, const QString& title, Buttons buttons,
                      Icon icon) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText) override;
    void beep() override;
    void setWaitCursor(bool on) override;
    void processEvents() override;
    int runModal(QDialog& dialog) override;

protected:
    void quit() override;

private:
    int waitDepth_ = 0;
};

} // namespace tavrel
