#pragma once

#include <QDateTime>

namespace tavrel {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Blocks until `ms` milliseconds have passed (the splash wait); a fixed
    // clock in tests just moves on.
    virtual void sleepMs(int ms) = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override;
    void sleepMs(int ms) override;
};

// "mm-dd-yyyy" and "hh:mm:ss", the forms the header record stores.
QString headerDate(const QDateTime& t);
QString headerTime(const QDateTime& t);

// Dates and times in windows and logs whose form the program does not fix
// (backups, the import and sync logs) follow the user's locale (QLocale(), the
// system's unless a test sets another): its short date, its time with seconds.
// The C locale, no locale chosen at all, keeps the header record's forms.
QString shownDate(const QDateTime& t);
QString shownTime(const QDateTime& t);
// Date and time together; `cForm` is the program's own form (a QDateTime
// format) kept under the C locale.
QString shownDateTime(const QDateTime& t, const QString& cForm);

} // namespace tavrel
