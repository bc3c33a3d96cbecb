#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

namespace tavrel::test {

// A private Radicale CardDAV server on 127.0.0.1 with a free port, its own
// storage folder and one user, stopped when destroyed.
class RadicaleServer {
public:
    static constexpr char user[] = "alice";
    static constexpr char password[] = "kettle-17-drum";

    RadicaleServer();
    ~RadicaleServer();

    bool running() const { return failure.isEmpty(); }
    QString whyNotRunning() const { return failure; }
    QUrl base() const; // http://127.0.0.1:PORT/
    QUrl home() const; // the user's own collection

private:
    QTemporaryDir dir;
    QProcess process;
    quint16 port = 0;
    QString failure;
};

} // namespace tavrel::test
