#pragma once

#include <QDialog>

class QCheckBox;

namespace tavrel {

class Program;

// "Dialog Box Preferences": the only way to bring the welcome box back. It is
// modeless and leaves the main window's menus in place.
class DialogBoxPreferencesDialog : public QDialog {
    Q_OBJECT

public:
    explicit DialogBoxPreferencesDialog(Program& p, QWidget* parent = nullptr);

    void onOkClicked();
    // Esc or the close box: gone without storing anything.
    void reject() override;

private:
    Program& p_;
    QCheckBox* showWelcomeCheck_ = nullptr;
};

} // namespace tavrel
