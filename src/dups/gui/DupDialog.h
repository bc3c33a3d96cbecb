#pragma once

#include "platform/gui/NoEscapeDialog.h"

#include <QFont>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

namespace tavrel {

// What the duplicate windows share besides having no role for Esc: their
// Arial text and their box of choices.
class DupDialog : public NoEscapeDialog {
public:
    using NoEscapeDialog::NoEscapeDialog;

protected:
    static QFont arialFont()
    {
        QFont arial(QStringLiteral("Arial"));
        arial.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
        return arial;
    }

    // The box of option buttons, one for each caption, the first
    // one chosen.
    template <std::size_t N>
    static QGroupBox* optionFrame(const QString& caption, const QString (&captions)[N],
                                  std::array<QRadioButton*, N>& options)
    {
        auto* frame = new QGroupBox(caption);
        frame->setObjectName(QStringLiteral("Frame1"));
        auto* column = new QVBoxLayout(frame);
        for (std::size_t i = 0; i < N; ++i) {
            options[i] = new QRadioButton(captions[i]);
            options[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
            column->addWidget(options[i]);
        }
        options[0]->setChecked(true);
        return frame;
    }

    // Choosing an option, by mouse, access key or arrow keys, gives the focus to `button`.
    template <std::size_t N>
    void focusOnChoice(const std::array<QRadioButton*, N>& options, QPushButton* button)
    {
        for (QRadioButton* option : options) {
            connect(option, &QRadioButton::toggled, button, [button](bool on) {
                if (on)
                    button->setFocus();
            });
        }
    }
};

} // namespace tavrel
