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

} // namespace tavrel
