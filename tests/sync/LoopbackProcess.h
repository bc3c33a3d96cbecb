#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace tavrel::test {

// A port on 127.0.0.1 that was free a moment ago; 0 when none was found.
quint16 freeLoopbackPort();

// A server program run for the tests on 127.0.0.1: it gets a free port and a
// temporary folder of its own, counts as running once it accepts connections,
// and is stopped (politely first) when this is destroyed. When it cannot run,
// whyNotRunning() says why in one line.
class LoopbackProcess {
public:
    // Finds `program` (a name looked up in `searchPaths`, or on PATH when none
    // are given, or an absolute path) and prepares its port and folder.
    explicit LoopbackProcess(const QString& program, const QStringList& searchPaths = {});
    ~LoopbackProcess();
    LoopbackProcess(const LoopbackProcess&) = delete;
    LoopbackProcess& operator=(const LoopbackProcess&) = delete;

    // True until something went wrong: the program, its port and its folder are there.
    bool prepared() const { return failure.isEmpty(); }
    // Starts the program when prepared, and waits up to 15 seconds until it
    // accepts connections on its port.
    void start(const QStringList& arguments);
    // Marks it as unable to run; the first reason given is the one kept.
    void fail(const QString& why);

    bool running() const { return started && failure.isEmpty(); }
    QString whyNotRunning() const;
    quint16 port() const { return port_; }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port_)); }
    QString folder() const { return dir.path(); }
    QString filePath(const QString& name) const { return dir.filePath(name); }

private:
    QString name;
    QString program;
    QTemporaryDir dir;
    QProcess process;
    quint16 port_ = 0;
    bool started = false;
    QString failure;
};

} // namespace tavrel::test
