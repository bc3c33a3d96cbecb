#include "RadicaleServer.h"
#include "support/TestEnv.h"

namespace tavrel::test {

RadicaleServer::RadicaleServer(bool behindProxy)
{
    if (!process.prepared())
        return;
    const QString users = process.filePath(QStringLiteral("users"));
    const QString config = process.filePath(QStringLiteral("config"));
    const QString auth = behindProxy
                             ? QStringLiteral("[auth]\ntype = http_x_remote_user\n# users: %2\n")
                             : QStringLiteral("[auth]\ntype = htpasswd\nhtpasswd_filename = "
                                              "%2\nhtpasswd_encryption = plain\ndelay = 0\n");
    const QByteArray settings = (QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n") + auth +
                                 QStringLiteral("[storage]\nfilesystem_folder = %3\n"
                                                "[rights]\ntype = owner_only\n"
                                                "[web]\ntype = none\n"
                                                "[logging]\nlevel = warning\n"))
                                    .arg(process.port())
                                    .arg(users, process.filePath(QStringLiteral("collections")))
                                    .toUtf8();
    writeBytes(users, QByteArray(user) + ':' + password + '\n');
    writeBytes(config, settings);
    process.start({QStringLiteral("--config"), config});
}

} // namespace tavrel::test
