#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <optional>

namespace tavrel {

// Where passwords are kept between sessions: the desktop's secret store.
// Tests put a double in its place.
class SecretStore {
public:
    virtual ~SecretStore() = default;
    // The password kept for `account`; nullopt when none is kept or no store runs.
    virtual std::optional<QString> read(const QString& account) = 0;
    // Keeps the password; false when no store runs (nothing is written anywhere else).
    virtual bool write(const QString& account, const QString& password) = 0;
};

// The desktop's secret store through QtKeychain. Never falls back to a file.
std::unique_ptr<SecretStore> makeDesktopSecretStore();

// The sync passwords of one session. A password is looked for in what was
// given this session, then in the secret store, then in the variable scripts
// set (TAVREL_SYNC_PASSWORD); empty: the person is asked.
class SyncPasswords {
public:
    explicit SyncPasswords(std::unique_ptr<SecretStore> store) : store_(std::move(store)) {}

    QString find(const QString& server, const QString& user);
    // Keeps the password for this session and in the secret store. False: no
    // secret store runs, so it is asked for again next session.
    bool keep(const QString& server, const QString& user, const QString& password);
    // Whether the last keep() reached the secret store.
    bool storeRuns() const { return storeRuns_; }

private:
    static QString account(const QString& server, const QString& user);
    std::unique_ptr<SecretStore> store_;
    QHash<QString, QString> session_;
    bool storeRuns_ = false;
};

} // namespace tavrel
