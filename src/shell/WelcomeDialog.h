#pragma once

#include <QDialog>

class QCheckBox;

namespace tavrel {

class Program;

// The welcome box shown at the end of start-up while WelcomeOff is "0".
class WelcomeDialog : public QDialog {
    Q_OBJECT

public:
    explicit WelcomeDialog(Program& p, QWidget* parent = nullptr);

    void onOkClicked();

private:
    Program& p_;
    QCheckBox* dontShowCheck_ = nullptr;
};

} // namespace tavrel
