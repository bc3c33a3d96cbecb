#include "platform/Unattended.h"

#include "platform/Errors.h"

#include <QCoreApplication>
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

void NoPrinter::printLine(const QString&)
{
    x_ = 0;
    y_ += textHeight(QString());
}

void NoPrinter::endDoc()
{
    throw PlatformError(
        482, QCoreApplication::translate("tavrel::NoPrinter", "This run has no printer."));
}

} // namespace tavrel
