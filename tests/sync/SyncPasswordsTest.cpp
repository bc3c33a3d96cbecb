// Where the sync password is looked for and where it is kept.
#include "sync/SyncPasswords.h"
#include "FakeSecretStore.h"
#include "support/ScopedEnv.h"
#include "sync/SyncCommandLine.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace tavrel;
using namespace tavrel::test;

TEST(SyncPasswords, FoundInTheSessionThenTheSecretStoreThenTheScriptsVariable)
{
    const QString server = QStringLiteral("https://dav.example/");
    const QString user = QStringLiteral("ann");
    const QString account = QStringLiteral("ann@https://dav.example/");
    // Whether a store runs, what it holds before the session, what is given this
    // session and what TAVREL_SYNC_PASSWORD holds (nullptr: none), what is found,
    // and whether what is given lands in the store.
    const std::tuple<bool, const char*, const char*, const char*, const char*, bool> cases[] = {
        {true, "from-store", nullptr, "from-env", "from-store", false},
        {true, "from-store", "given", "from-env", "given", true},
        {true, nullptr, nullptr, "from-env", "from-env", false},
        {false, "from-store", nullptr, nullptr, "", false}, // no store runs: asked
        {false, nullptr, "given", nullptr, "given", false}, // kept for the session only
    };
    ScopedEnv password(kSyncPasswordVariable, QByteArray());
    for (const auto& [storeRuns, stored, given, env, found, keptInStore] : cases) {
        SCOPED_TRACE(std::string(found) + (storeRuns ? " store" : " no store"));
        QMap<QString, QString> kept;
        if (stored)
            kept.insert(account, QString::fromUtf8(stored));
        SyncPasswords passwords(std::make_unique<FakeSecretStore>(kept, storeRuns));
        if (env)
            password.set(env);
        if (given) {
            EXPECT_EQ(passwords.keep(server, user, QString::fromUtf8(given)), storeRuns);
        }
        EXPECT_EQ(passwords.find(server, user), QString::fromUtf8(found));
        EXPECT_EQ(passwords.find(server, QStringLiteral("bob")), QString::fromUtf8(env));
        EXPECT_EQ(given && kept.value(account) == QString::fromUtf8(given), keptInStore);
        password.set(QByteArray());
    }
}

TEST(SyncPasswords, WithoutASecretStoreRunningNothingIsSaidToBeKept)
{
    // No session bus to reach one through, so a person's real store is never touched.
    const ScopedEnv bus("DBUS_SESSION_BUS_ADDRESS", QByteArray()), display("DISPLAY", QByteArray());
    const std::unique_ptr<SecretStore> desktop = makeDesktopSecretStore();
    EXPECT_FALSE(desktop->write(QStringLiteral("ann@https://dav.example/"), "secret"));
    EXPECT_FALSE(desktop->read(QStringLiteral("ann@https://dav.example/")));
}
