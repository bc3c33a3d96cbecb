#pragma once

#include <QDialog>

class QPushButton;

namespace tavrel {

// "Quick Help - How To Print Envelopes": the steps, and OK to close.
class EnvelopeHelpDialog : public QDialog {
    Q_OBJECT

public:
    explicit EnvelopeHelpDialog(QWidget* parent = nullptr);

    QPushButton* okButton;
};

} // namespace tavrel
