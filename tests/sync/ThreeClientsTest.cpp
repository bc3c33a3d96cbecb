// Two program directories and vdirsyncer keeping a folder of .vcf files, all on
// one address book of a real server: after changes on every side and a few
// rounds of syncs, all three hold the same people.
#include "BookSyncFixture.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <memory>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// vdirsyncer over a folder of its own, paired with the book.
class Vdirsyncer {
public:
    Vdirsyncer(const QUrl& book, const QString& user, const QString& password)
    {
        QDir(dir.path()).mkpath(QStringLiteral("cards"));
        writeBytes(dir.filePath(QStringLiteral("config")),
                   QStringLiteral("[general]\nstatus_path = \"%1/status/\"\n"
                                  "[pair book]\na = \"folder\"\nb = \"server\"\n"
                                  "collections = null\n"
                                  "[storage folder]\ntype = \"filesystem\"\npath = \"%2\"\n"
                                  "fileext = \".vcf\"\n"
                                  "[storage server]\ntype = \"carddav\"\nurl = \"%3\"\n"
                                  "username = \"%4\"\npassword = \"%5\"\n")
                       .arg(dir.path(), folder(), book.toString(), user, password)
                       .toUtf8());
    }

    QString folder() const { return dir.filePath(QStringLiteral("cards")); }

    // Runs `vdirsyncer VERB`; what it said when it failed.
    QString run(const QString& verb)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(QStringLiteral("vdirsyncer"),
                      {QStringLiteral("-c"), dir.filePath(QStringLiteral("config")), verb});
        process.write("y\ny\n");
        process.closeWriteChannel();
        if (!process.waitForFinished(60000))
            return QStringLiteral("vdirsyncer %1 did not end within a minute").arg(verb);
        const QString said = QString::fromLocal8Bit(process.readAll());
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
                   ? QString()
                   : said.right(400);
    }

    // Each card file's FN and the first phone the program reads in it, sorted.
    QStringList namesAndPhones() const
    {
        QStringList all;
        for (const QString& file : cardFiles()) {
            const QByteArray card = fileBytes(file);
            const NARecord r = NARecord::fromBytes(recordFromCard(card));
            all << propertyOf(card, "FN") + '|' + r.PhoneNum1.trimmed();
        }
        all.sort();
        return all;
    }

    QStringList uids() const
    {
        QStringList all;
        for (const QString& file : cardFiles())
            all << propertyOf(fileBytes(file), "UID");
        all.sort();
        return all;
    }

    // The file of the card whose FN is `name`.
    QString fileOf(const QString& name) const
    {
        for (const QString& file : cardFiles())
            if (propertyOf(fileBytes(file), "FN") == name)
                return file;
        ADD_FAILURE() << "no card file for " << name.toStdString();
        return {};
    }

    static QString propertyOf(const QByteArray& card, const QByteArray& name)
    {
        for (const QByteArray& line : card.split('\n'))
            if (line.startsWith(name + ':') || line.startsWith(name + ';'))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
        return {};
    }

private:
    QStringList cardFiles() const
    {
        QStringList files;
        for (const QString& name :
             QDir(folder()).entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name))
            files << QDir(folder()).filePath(name);
        return files;
    }

    QTemporaryDir dir;
};

template <class Server> class ThreeClientsTest : public BookSyncFixture<Server> {
protected:
    ThreeClientsTest() : BookSyncFixture<Server>(QStringLiteral("Shared")) {}

    void SetUp() override
    {
        requireRunning(
            !QStandardPaths::findExecutable(QStringLiteral("vdirsyncer")).isEmpty(),
            QStringLiteral("vdirsyncer"),
            QStringLiteral("vdirsyncer is not installed (scripts/setup.sh installs it)"));
        if (!this->IsSkipped() && !this->HasFatalFailure())
            BookSyncFixture<Server>::SetUp();
    }

    static QStringList uidsOf(TestEnv& env)
    {
        QStringList all;
        const std::optional<SyncState> st = loadSyncState(*env.files, nullptr);
        for (const SyncEntry& e : st->entries)
            all << e.uid;
        all.sort();
        return all;
    }
};

TYPED_TEST_SUITE(ThreeClientsTest, EveryServer);

TYPED_TEST(ThreeClientsTest, TwoInstallationsAndVdirsyncerConvergeOnTheSamePeople)
{
    auto a = this->program(phoneList(6));
    auto b = this->program({});
    Vdirsyncer v(this->book, TypeParam::user, TypeParam::password);
    this->sync(*a);
    this->sync(*b);
    ASSERT_EQ(v.run(QStringLiteral("discover")), QString());
    ASSERT_EQ(v.run(QStringLiteral("sync")), QString());
    ASSERT_EQ(v.namesAndPhones(), namesAndPhones(*a));

    // Each side edits one person, deletes one and adds one.
    edit(*a, QStringLiteral("Person 1"), [](NARecord& r) { r.PhoneNum1 = "555 1111"; });
    remove(*a, QStringLiteral("Person 2"));
    add(*a, makeRecord(7, QStringLiteral("From A")));
    edit(*b, QStringLiteral("Person 3"), [](NARecord& r) { r.Name = "Person Three"; });
    remove(*b, QStringLiteral("Person 4"));
    NARecord fromB = makeRecord(10, QStringLiteral("From B"));
    fromB.PhoneNum1 = QStringLiteral("555 2222");
    add(*b, fromB);
    const QString five = v.fileOf(QStringLiteral("Person 5"));
    QByteArray card = fileBytes(five);
    card.replace("555 0105", "555 5555");
    writeBytes(five, card);
    ASSERT_TRUE(QFile::remove(v.fileOf(QStringLiteral("Person 6"))));
    writeBytes(QDir(v.folder()).filePath(QStringLiteral("from-v.vcf")),
               "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:from-v\r\nFN:From V\r\nN:V;From;;;\r\n"
               "TEL;TYPE=HOME:555 3333\r\nEND:VCARD\r\n");

    const auto rounds = [&](int count) {
        for (int round = 0; round < count; ++round) {
            this->sync(*a);
            this->sync(*b);
            ASSERT_EQ(v.run(QStringLiteral("sync")), QString()) << "round " << round;
        }
    };
    rounds(1);
    // A card A wrote, deleted by another client before A's next sync.
    ASSERT_TRUE(QFile::remove(v.fileOf(QStringLiteral("From A"))));
    ASSERT_EQ(v.run(QStringLiteral("sync")), QString());
    rounds(2);
    EXPECT_EQ(namesAndPhones(*a), namesAndPhones(*b));
    EXPECT_EQ(v.namesAndPhones(), namesAndPhones(*a));
    EXPECT_EQ(namesAndPhones(*a),
              QStringList({"From B|555 2222", "From V|555 3333", "Person 1|555 1111",
                           "Person 5|555 5555", "Person Three|555 0103"}));
    EXPECT_EQ(this->uidsOf(*a), v.uids());
    EXPECT_EQ(this->uidsOf(*b), v.uids());
}

} // namespace
