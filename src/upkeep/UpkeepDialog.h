#pragma once

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tavrel {

// What the upkeep windows share: Esc has no role in them, Enter presses the
// button that has the focus, and their texts are labels named as designed.
class UpkeepDialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    static QPushButton* makeButton(const QString& caption, const char* name, const QString& tip)
    {
        auto* b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(tip);
        b->setAutoDefault(true);
        b->setDefault(false);
        return b;
    }

    // These labels give the focus to no control, so a "&" in them is shown as written.
    static QLabel* makeLabel(const QString& text, const char* name, bool wrap = false)
    {
        auto* l = new QLabel(text);
        l->setObjectName(QLatin1String(name));
        l->setWordWrap(wrap);
        return l;
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QDialog::keyPressEvent(event);
    }
};

} // namespace tavrel
