#include "platform/Clock.h"

#include <QLocale>
#include <QRegularExpression>
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

namespace {

bool programsOwnForms(const QLocale& locale)
{
    return locale.language() == QLocale::C;
}

} // namespace

QString shownDate(const QDateTime& t)
{
    const QLocale locale;
    return programsOwnForms(locale) ? headerDate(t)
                                    : locale.toString(t.date(), QLocale::ShortFormat);
}

QString shownTime(const QDateTime& t)
{
    const QLocale locale;
    if (programsOwnForms(locale))
        return headerTime(t);
    // The long form has the seconds, which tell copies of one minute apart; the time zone
    // it adds says nothing here.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b"));
    QString form = locale.timeFormat(QLocale::LongFormat);
    form.remove(zone);
    return locale.toString(t.time(), form.trimmed());
}

QString shownDateTime(const QDateTime& t, const QString& cForm)
{
    if (programsOwnForms(QLocale()))
        return t.toString(cForm);
    return shownDate(t) + QLatin1Char(' ') + shownTime(t);
}

} // namespace tavrel
