#include "DigestServer.h"
#include "LoopbackProcess.h"
#include "TestCertificate.h"
#include "support/TestEnv.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace tavrel::test {

namespace {

const char modules[] = "/usr/lib/apache2/modules";

} // namespace

DigestServer::DigestServer(bool tls) : tls(tls)
{
    if (!radicale.running())
        process.fail(radicale.whyNotRunning());
    if (!QFileInfo::exists(QStringLiteral("%1/mod_auth_digest.so").arg(modules)) ||
        (tls && !QFileInfo::exists(QStringLiteral("%1/mod_http2.so").arg(modules))))
        process.fail(QStringLiteral("apache2 is not installed (scripts/setup.sh installs it)"));
    if (!process.prepared())
        return;
    const QString config = configure(radicale.base().port());
    process.start({QStringLiteral("-f"), config, QStringLiteral("-DFOREGROUND")});
}

// Its configuration, its user file, and a folder its workers may read when it
// starts as root and hands them to another user.
QString DigestServer::configure(quint16 radicalePort)
{
    const QByteArray secret =
        QCryptographicHash::hash(QByteArray(user) + ':' + realm + ':' + password,
                                 QCryptographicHash::Md5)
            .toHex();
    const QString users = process.filePath(QStringLiteral("digest"));
    writeBytes(users, QByteArray(user) + ':' + realm + ':' + secret + '\n');
    const bool root = ::geteuid() == 0;
    if (root) {
        QFile::setPermissions(process.folder(), QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ExeOwner | QFile::ReadOther |
                                                    QFile::ExeOther);
        QFile::setPermissions(users, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    }
    QString text = QStringLiteral("ServerRoot \"%1\"\nServerName 127.0.0.1\nListen 127.0.0.1:%2\n"
                                  "PidFile %1/httpd.pid\nDefaultRuntimeDir %1\n"
                                  "ErrorLog %1/error.log\nLogLevel warn\n")
                       .arg(process.folder())
                       .arg(process.port());
    for (const char* module : {"mpm_event", "authn_core", "authn_file", "authz_core", "authz_user",
                               "auth_digest", "headers", "proxy", "proxy_http"})
        text += QStringLiteral("LoadModule %1_module %2/mod_%1.so\n")
                    .arg(QLatin1String(module), QLatin1String(modules));
    if (root)
        text += QStringLiteral("User daemon\nGroup daemon\n");
    text += QStringLiteral("LogFormat \"%H %m %U\" protocol\nCustomLog %1/requests.log protocol\n")
                .arg(process.folder());
    if (tls)
        text += tlsConfiguration();
    // A connection to Radicale is not kept for the next request: Radicale may have
    // closed it by then, and Apache answers a request it cannot pass on over a kept
    // connection by closing the client's without a word, which a client may take for
    // a dropped request only where sending it twice is harmless.
    text += QStringLiteral("<Location />\nAuthType Digest\nAuthName \"%1\"\n"
                           "AuthDigestProvider file\nAuthUserFile \"%2\"\nRequire valid-user\n"
                           "RequestHeader set X-Remote-User expr=%{REMOTE_USER}\n</Location>\n"
                           "ProxyPass / http://127.0.0.1:%3/ disablereuse=On\n"
                           "ProxyPassReverse / http://127.0.0.1:%3/\n")
                .arg(QLatin1String(realm), users)
                .arg(radicalePort);
    const QString config = process.filePath(QStringLiteral("httpd.conf"));
    writeBytes(config, text.toUtf8());
    return config;
}

// https with the test certificate, HTTP/2 offered before HTTP/1.1.
QString DigestServer::tlsConfiguration()
{
    const QString certificate = process.filePath(QStringLiteral("server.pem"));
    const QString key = process.filePath(QStringLiteral("server.key"));
    writeBytes(certificate, testCertificate);
    writeBytes(key, testKey);
    QString text;
    for (const char* module : {"socache_shmcb", "ssl", "http2"})
        text += QStringLiteral("LoadModule %1_module %2/mod_%1.so\n")
                    .arg(QLatin1String(module), QLatin1String(modules));
    return text + QStringLiteral("SSLEngine on\nSSLCertificateFile %1\nSSLCertificateKeyFile %2\n"
                                 "Protocols h2 http/1.1\n")
                      .arg(certificate, key);
}

QUrl DigestServer::base() const
{
    QUrl url = process.url();
    if (tls)
        url.setScheme(QStringLiteral("https"));
    return url;
}

QByteArray DigestServer::requestLog() const
{
    QFile log(process.filePath(QStringLiteral("requests.log")));
    return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
}

} // namespace tavrel::test
