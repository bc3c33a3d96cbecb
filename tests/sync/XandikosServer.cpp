#include "XandikosServer.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace tavrel::test {

XandikosServer::XandikosServer()
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xandikos"));
    if (program.isEmpty()) {
        failure = QStringLiteral("xandikos is not installed (scripts/setup.sh installs it)");
        return;
    }
    { // a free port, let go before the server takes it
        QTcpServer probe;
        port = probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
    }
    if (!dir.isValid() || port == 0) {
        failure = QStringLiteral("could not prepare xandikos's folder or port");
        return;
    }
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {QStringLiteral("--defaults"), QStringLiteral("-d"), dir.path(),
                            QStringLiteral("-l"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                            QString::number(port)});
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (process.state() == QProcess::NotRunning) {
            failure = QStringLiteral("xandikos stopped at start: ") +
                      QString::fromLocal8Bit(process.readAll()).simplified().left(200);
            return;
        }
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(200))
            return;
        QThread::msleep(100);
    }
    failure = QStringLiteral("xandikos did not accept connections within 15 seconds");
}

XandikosServer::~XandikosServer()
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
