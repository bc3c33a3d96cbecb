#include "platform/Clock.h"

#include <QThread>

namespace tavrel {

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

void SystemClock::sleepMs(int ms)
{
    QThread::msleep(static_cast<unsigned long>(ms));
}

QString headerDate(const QDateTime& t)
{
    return t.date().toString(QStringLiteral("MM-dd-yyyy"));
}

QString headerTime(const QDateTime& t)
{
    return t.time().toString(QStringLiteral("hh:mm:ss"));
}

} // namespace tavrel
