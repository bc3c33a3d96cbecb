#pragma once

#include <QDialog>

class QPushButton;

namespace tavrel {

// "Quick Help - How To Print Envelopes": the steps, and OK to close.
class EnvExplain : public QDialog {
public:
    explicit EnvExplain(QWidget* parent = nullptr);

    QPushButton* EnvExplainOKButton;
};

} // namespace tavrel
