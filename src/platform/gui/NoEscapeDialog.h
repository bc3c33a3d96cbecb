#pragma once

#include <QDialog>
#include <initializer_list>

class QHBoxLayout;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace tavrel {

// A small window in which Esc has no role (only its buttons and close box
// answer) and Enter presses the button that has the focus, never a hidden
// default; with the helpers that build its controls.
class NoEscapeDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    // A button named `name` that Enter presses while it has the focus.
    static QPushButton* makeButton(const QString& caption, const char* name, const QString& tip);
    // A label named `name`. It gives the focus to no control, so a "&" in it
    // is shown as written.
    static QLabel* makeLabel(const QString& text, const char* name, bool wrap = false);
    // The buttons side by side, `gap` pixels apart on top of the layout's
    // spacing: centred, or else pushed to the right.
    enum class Row { Centred, Right };
    static QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons, Row row,
                                  int gap = 0);

    // Lays the window out as one centred line, the label "Label1", at a fixed size.
    void layOutOneLine(const QString& text);

    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace tavrel
