#include "ProxyServer.h"
#include "LoopbackProcess.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QStandardPaths>

namespace tavrel::test {

ProxyServer::ProxyServer()
{
    const QString program = QStandardPaths::findExecutable(
        QStringLiteral("tinyproxy"), {QStringLiteral("/usr/bin"), QStringLiteral("/usr/sbin")});
    if (program.isEmpty()) {
        failure = QStringLiteral("tinyproxy is not installed (scripts/setup.sh installs it)");
        return;
    }
    port = freeLoopbackPort();
    if (!dir.isValid() || port == 0) {
        failure = QStringLiteral("could not prepare tinyproxy's folder or port");
        return;
    }
    const QString config = dir.filePath(QStringLiteral("tinyproxy.conf"));
    writeBytes(config, QStringLiteral("Port %1\nListen 127.0.0.1\nTimeout 60\nAllow 127.0.0.1\n"
                                      "ConnectPort 443\nMaxClients 20\nLogLevel Info\n"
                                      "LogFile \"%2\"\nPidFile \"%3\"\n")
                           .arg(port)
                           .arg(dir.filePath(QStringLiteral("tinyproxy.log")),
                                dir.filePath(QStringLiteral("tinyproxy.pid")))
                           .toUtf8());
    failure =
        startServing(process, program, {QStringLiteral("-d"), QStringLiteral("-c"), config}, port);
}

ProxyServer::~ProxyServer()
{
    stopServing(process);
}

QByteArray ProxyServer::log() const
{
    QFile file(dir.filePath(QStringLiteral("tinyproxy.log")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tavrel::test
