#pragma once

#include "sync/SyncPasswords.h"

#include <QMap>

namespace tavrel::test {

// A secret store in memory; `runs` false behaves as a desktop with none.
// `kept` outlives the store so a test can look at it after handing it over.
class FakeSecretStore : public SecretStore {
public:
    FakeSecretStore(QMap<QString, QString>& kept, bool runs) : kept_(kept), runs_(runs) {}
    std::optional<QString> read(const QString& account) override
    {
        if (!runs_ || !kept_.contains(account))
            return std::nullopt;
        return kept_.value(account);
    }
    bool write(const QString& account, const QString& password) override
    {
        if (runs_)
            kept_.insert(account, password);
        return runs_;
    }

private:
    QMap<QString, QString>& kept_;
    bool runs_;
};

} // namespace tavrel::test
