#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace tavrel::test {

// An environment variable changed for a scope: at its end the variable has
// its old value again, or is unset again when it was not set. A null value
// unsets it.
class ScopedEnv {
public:
    explicit ScopedEnv(const char* name) : name_(name), saved_(qgetenv(name)) {}
    ScopedEnv(const char* name, const QByteArray& value) : ScopedEnv(name) { set(value); }
    ~ScopedEnv() { restore(); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void set(const QByteArray& value) { value.isNull() ? qunsetenv(name_) : qputenv(name_, value); }
    // Gives the variable back its old value before the scope ends.
    void restore() { set(saved_); }
    const QByteArray& saved() const { return saved_; }

private:
    const char* name_;
    QByteArray saved_;
};

} // namespace tavrel::test
