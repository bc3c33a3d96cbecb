// Where the sync password is looked for and where it is kept.
#include "sync/SyncPasswords.h"
#include "FakeSecretStore.h"
#include "sync/SyncCommandLine.h"

#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

TEST(SyncPasswords, FoundInTheSessionThenTheSecretStoreThenTheScriptsVariable)
{
    const QString server = QStringLiteral("https://dav.example/");
    const QString user = QStringLiteral("ann");
    const QString account = QStringLiteral("ann@https://dav.example/");
    struct Case {
        bool storeRuns;
        const char* stored; // in the secret store before the session
        const char* given;  // kept this session; nullptr: none
        const char* env;    // TAVREL_SYNC_PASSWORD; nullptr: unset
        const char* found;
        bool keptInStore;
    } cases[] = {
        {true, "from-store", nullptr, "from-env", "from-store", false},
        {true, "from-store", "given", "from-env", "given", true},
        {true, nullptr, nullptr, "from-env", "from-env", false},
        {false, "from-store", nullptr, nullptr, "", false}, // no store runs: asked
        {false, nullptr, "given", nullptr, "given", false}, // kept for the session only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.found) + (c.storeRuns ? " store" : " no store"));
        QMap<QString, QString> kept;
        if (c.stored)
            kept.insert(account, QString::fromUtf8(c.stored));
        SyncPasswords passwords(std::make_unique<FakeSecretStore>(kept, c.storeRuns));
        if (c.env)
            qputenv(kSyncPasswordVariable, c.env);
        else
            qunsetenv(kSyncPasswordVariable);
        if (c.given) {
            EXPECT_EQ(passwords.keep(server, user, QString::fromUtf8(c.given)), c.storeRuns);
        }
        EXPECT_EQ(passwords.find(server, user), QString::fromUtf8(c.found));
        EXPECT_EQ(passwords.find(server, QStringLiteral("bob")), QString::fromUtf8(c.env));
        EXPECT_EQ(c.given && kept.value(account) == QString::fromUtf8(c.given), c.keptInStore);
        qunsetenv(kSyncPasswordVariable);
    }
}

TEST(SyncPasswords, WithoutASecretStoreRunningNothingIsSaidToBeKept)
{
    // No session bus to reach one through, so a person's real store is never touched.
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS"), display = qgetenv("DISPLAY");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("DISPLAY");
    const std::unique_ptr<SecretStore> desktop = makeDesktopSecretStore();
    EXPECT_FALSE(desktop->write(QStringLiteral("ann@https://dav.example/"), "secret"));
    EXPECT_FALSE(desktop->read(QStringLiteral("ann@https://dav.example/")));
    for (const auto& [name, value] :
         {std::pair{"DBUS_SESSION_BUS_ADDRESS", bus}, {"DISPLAY", display}})
        if (!value.isNull())
            qputenv(name, value);
}
