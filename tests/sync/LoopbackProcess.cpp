#include "LoopbackProcess.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace tavrel::test {

quint16 freeLoopbackPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

QString startServing(QProcess& process, const QString& program, const QStringList& arguments,
                     quint16 port)
{
    const QString name = QFileInfo(program).fileName();
    if (port == 0)
        return QStringLiteral("no free port for ") + name;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (process.state() == QProcess::NotRunning)
            return name + QStringLiteral(" stopped at start: ") +
                   QString::fromLocal8Bit(process.readAll()).simplified().left(200);
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(200))
            return {};
        QThread::msleep(100);
    }
    return name + QStringLiteral(" did not accept connections within 15 seconds");
}

void stopServing(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

} // namespace tavrel::test
