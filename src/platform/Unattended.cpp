#include "platform/Unattended.h"

#include <QTextStream>

namespace tavrel {

Ui::Answer UnattendedUi::messageBox(const QString& text, const QString&, Buttons buttons, Icon)
{
    messages << text;
    if (out_)
        *out_ << text << Qt::endl;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
        return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel:
        break;
    }
    return Answer::Cancel;
}

} // namespace tavrel
