#include "platform/gui/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tavrel {

void QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
}

void QtClipboard::setText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

QString QtClipboard::text() const
{
    return QGuiApplication::clipboard()->text(QClipboard::Clipboard);
}

} // namespace tavrel
