#include "ProxyServer.h"
#include "support/TestEnv.h"

#include <QFile>

namespace tavrel::test {

ProxyServer::ProxyServer()
{
    if (!process.prepared())
        return;
    const QString config = process.filePath(QStringLiteral("tinyproxy.conf"));
    writeBytes(config, QStringLiteral("Port %1\nListen 127.0.0.1\nTimeout 60\nAllow 127.0.0.1\n"
                                      "ConnectPort 443\nMaxClients 20\nLogLevel Info\n"
                                      "LogFile \"%2\"\nPidFile \"%3\"\n")
                           .arg(process.port())
                           .arg(process.filePath(QStringLiteral("tinyproxy.log")),
                                process.filePath(QStringLiteral("tinyproxy.pid")))
                           .toUtf8());
    process.start({QStringLiteral("-d"), QStringLiteral("-c"), config});
}

QByteArray ProxyServer::log() const
{
    QFile file(process.filePath(QStringLiteral("tinyproxy.log")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace tavrel::test
