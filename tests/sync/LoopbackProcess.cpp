#include "LoopbackProcess.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

namespace tavrel::test {

namespace {

QString findProgram(const QString& program, const QStringList& searchPaths)
{
    if (QFileInfo(program).isAbsolute())
        return QFileInfo(program).isExecutable() ? program : QString();
    return QStandardPaths::findExecutable(program, searchPaths);
}

} // namespace

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

LoopbackProcess::LoopbackProcess(const QString& program, const QStringList& searchPaths)
    : name(QFileInfo(program).fileName()), program(findProgram(program, searchPaths))
{
    if (this->program.isEmpty()) {
        fail(name + QStringLiteral(" is not installed (scripts/setup.sh installs it)"));
        return;
    }
    port_ = freeLoopbackPort();
    if (!dir.isValid() || port_ == 0)
        fail(QStringLiteral("could not prepare %1's folder or port").arg(name));
}

LoopbackProcess::~LoopbackProcess()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

void LoopbackProcess::fail(const QString& why)
{
    if (failure.isEmpty())
        failure = why.simplified();
}

QString LoopbackProcess::whyNotRunning() const
{
    if (!failure.isEmpty() || started)
        return failure;
    return name + QStringLiteral(" was not started");
}

void LoopbackProcess::start(const QStringList& arguments)
{
    if (!prepared() || started)
        return;
    started = true;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        // Waiting on the process (not sleeping) is what notices that it ended.
        process.waitForFinished(100);
        if (process.state() == QProcess::NotRunning) {
            fail(name + QStringLiteral(" stopped at start: ") +
                 QString::fromLocal8Bit(process.readAll()).simplified().left(200));
            return;
        }
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port_);
        if (socket.waitForConnected(200))
            return;
    }
    fail(name + QStringLiteral(" did not accept connections within 15 seconds"));
}

} // namespace tavrel::test
