#include "RadicaleServer.h"
#include "support/TestEnv.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace tavrel::test {

RadicaleServer::RadicaleServer(bool behindProxy)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("radicale"));
    if (program.isEmpty()) {
        failure = QStringLiteral("radicale is not installed (scripts/setup.sh installs it)");
        return;
    }
    { // a free port, let go before the server takes it
        QTcpServer probe;
        port = probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
    }
    const QString users = dir.filePath(QStringLiteral("users"));
    const QString config = dir.filePath(QStringLiteral("config"));
    const QString auth = behindProxy
                             ? QStringLiteral("[auth]\ntype = http_x_remote_user\n# users: %2\n")
                             : QStringLiteral("[auth]\ntype = htpasswd\nhtpasswd_filename = "
                                              "%2\nhtpasswd_encryption = plain\ndelay = 0\n");
    const QByteArray settings = (QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n") + auth +
                                 QStringLiteral("[storage]\nfilesystem_folder = %3\n"
                                                "[rights]\ntype = owner_only\n"
                                                "[web]\ntype = none\n"
                                                "[logging]\nlevel = warning\n"))
                                    .arg(port)
                                    .arg(users, dir.filePath(QStringLiteral("collections")))
                                    .toUtf8();
    if (!dir.isValid() || port == 0) {
        failure = QStringLiteral("could not prepare radicale's folder or port");
        return;
    }
    writeBytes(users, QByteArray(user) + ':' + password + '\n');
    writeBytes(config, settings);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {QStringLiteral("--config"), config});
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (process.state() == QProcess::NotRunning) {
            failure = QStringLiteral("radicale stopped at start: ") +
                      QString::fromLocal8Bit(process.readAll()).simplified().left(200);
            return;
        }
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(200))
            return;
        QThread::msleep(100);
    }
    failure = QStringLiteral("radicale did not accept connections within 15 seconds");
}

RadicaleServer::~RadicaleServer()
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
