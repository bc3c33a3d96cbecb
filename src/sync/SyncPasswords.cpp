#include "sync/SyncPasswords.h"

#include "sync/SyncCommandLine.h"

#include <QEventLoop>
#include <QUrl>
#include <qt6keychain/keychain.h>

namespace tavrel {

namespace {

const QString kService = QStringLiteral("Tavrel CardDAV sync");

// Runs one keychain job to its end; the windows keep working meanwhile.
bool finish(QKeychain::Job& job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    return job.error() == QKeychain::NoError;
}

class DesktopSecretStore : public SecretStore {
public:
    std::optional<QString> read(const QString& account) override
    {
        QKeychain::ReadPasswordJob job(kService);
        job.setKey(account);
        if (!finish(job))
            return std::nullopt;
        return job.textData();
    }
    bool write(const QString& account, const QString& password) override
    {
        QKeychain::WritePasswordJob job(kService);
        job.setInsecureFallback(false);
        job.setKey(account);
        job.setTextData(password);
        return finish(job);
    }
};

} // namespace

std::unique_ptr<SecretStore> makeDesktopSecretStore()
{
    return std::make_unique<DesktopSecretStore>();
}

QString SyncPasswords::account(const QString& server, const QString& user)
{
    return user + QLatin1Char('@') + QUrl::fromUserInput(server).toString();
}

QString SyncPasswords::find(const QString& server, const QString& user)
{
    if (server.trimmed().isEmpty() || user.trimmed().isEmpty())
        return QString();
    const QString key = account(server, user);
    if (const auto known = session_.constFind(key); known != session_.constEnd())
        return *known;
    if (const std::optional<QString> kept = store_->read(key); kept && !kept->isEmpty()) {
        session_.insert(key, *kept);
        return *kept;
    }
    return qEnvironmentVariable(kSyncPasswordVariable);
}

bool SyncPasswords::keep(const QString& server, const QString& user, const QString& password)
{
    const QString key = account(server, user);
    if (session_.value(key) == password && storeRuns_)
        return true;
    session_.insert(key, password);
    storeRuns_ = store_->write(key, password);
    return storeRuns_;
}

} // namespace tavrel
