#pragma once

#include <QDialog>
#include <QFont>
#include <QKeyEvent>
#include <QPushButton>

namespace tavrel {

// What the duplicate windows share: Esc has no role in them (only their
// buttons and close boxes answer), and Enter presses the button that has the
// focus, never a hidden default.
class DupDialog : public QDialog {
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

    static QFont arialFont()
    {
        QFont arial(QStringLiteral("Arial"));
        arial.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        return arial;
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
