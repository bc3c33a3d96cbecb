#include "ExchangeFixture.h"

namespace tavrel::test {
namespace {

TEST_F(ExchangeTest, NewRecordsTakeFreeIdsLowestFirst)
{
    std::map<int, NARecord> m = people(1, 5);
    m[2] = deletedRecord(2, "Gone");
    m.erase(4);
    const QByteArray before = env.openFile(m);
    const ImportResult r = importBytes(card({"FN:A"}) + card({"FN:B"}) + card({"FN:C"}));
    EXPECT_EQ(r.ids, (QList<int>{2, 4, 6}));
    for (int id : {1, 3, 5}) // nothing existing is touched
        EXPECT_EQ(recordBytes(env.naPath(), id + 1),
                  before.mid(id * NARecord::Size, NARecord::Size));
    EXPECT_EQ(trimRight(stored(6).Name), "C");
    EXPECT_EQ(p().LastRecNo, 7);
    EXPECT_EQ(p().LowestFreeId, 7);
}

// Three things stop an import before its first record, with nothing written:
// the caller's last word, a backup copy that could not be made, and a disk
// without room for the whole import.
TEST_F(ExchangeTest, AnImportStoppedBeforeItsFirstRecordWritesNothing)
{
    const QByteArray before = env.openFile(people(1, 2));
    const ImportPlan plan = planImport(
        p(), readImportBytes(card({"FN:A"}) + card({"FN:B"}), "in.vcf"), OverflowChoice::CutAndLog);
    QStringList asked;
    p().BeforeBulkChange = [&](const QString& what) {
        asked << what;
        return false;
    };
    ImportOptions no;
    no.beforeFirstWrite = [] { return false; };
    ImportResult r = runImport(p(), plan, no);
    EXPECT_TRUE(r.cancelled);
    EXPECT_FALSE(r.noSafetyCopy);
    EXPECT_TRUE(asked.isEmpty()) << "no copy is taken for an import that will not run";
    r = runImport(p(), plan);
    EXPECT_EQ(asked, QStringList{"import"});
    EXPECT_TRUE(r.cancelled && r.noSafetyCopy);
    for (const ImportResult& stopped : {r, runImport(p(), plan, no)}) {
        EXPECT_EQ(stopped.message, "Nothing Was Imported.");
        EXPECT_EQ(stopped.notImported, 2);
        EXPECT_EQ(stopped.imported, 0);
    }
    EXPECT_EQ(fileBytes(env.naPath()), before);

    // 2 KBytes free: two records and room for their lines in the log need more.
    p().BeforeBulkChange = nullptr;
    env.files->diskFiguresHook = [] { return DiskFigures{1, 512, 4, 1000}; };
    r = runImport(p(), plan);
    EXPECT_TRUE(r.cancelled);
    EXPECT_TRUE(r.message.startsWith("The Disk Is Full: The Import Needs About "));
    EXPECT_TRUE(r.message.endsWith(" KBytes Of Free Space, And 2 KBytes Are Free.\nNothing Was "
                                   "Imported."))
        << r.message.toStdString();
    EXPECT_EQ(fileBytes(env.naPath()), before);
    env.files->diskFiguresHook = [] { return DiskFigures{8, 512, 1000000, 2000000}; };
    EXPECT_EQ(runImport(p(), plan).imported, 2);
}

// Skipping a record that does not fit: the import window's test.
TEST_F(ExchangeTest, OverflowChoices)
{
    const QStringList extra =
        QString("TEL;TYPE=home:1|TEL;TYPE=work:2|TEL;TYPE=cell:3|TEL;TYPE=fax:4|TEL;TYPE=pager:5|"
                "TEL;TYPE=car:6|EMAIL:a@x|EMAIL:b@x|ADR:;;1\\n2\\n3\\n4\\n5;;;;|NOTE:" +
                QString(60, 'n'))
            .split('|');
    const QString longName = "Bartholomew Featherstonehaugh-Cholmondeley";
    const ImportSource s = readImportBytes(card(QStringList{"FN:" + longName} + extra), "x.vcf");

    struct Row {
        OverflowChoice choice;
        const char* comments;
        const char* change;
    };
    const Row rows[] = {
        {OverflowChoice::MoveToComments,
         "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn; 5; Car: 6\r\nE-mail: b@x",
         "Name cut to 35 characters, losing “ondeley” (no room in Comments)"},
        {OverflowChoice::CutAndLog, "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn",
         "Name cut to 35 characters, losing “ondeley”"},
    };
    for (const Row& r : rows) {
        env.openFile({});
        const ImportPlan pl = planImport(p(), s, r.choice);
        const QStringList changes = pl.records.at(0).changes;
        EXPECT_TRUE(changes.contains(QString::fromUtf8(r.change)))
            << changes.join('\n').toStdString();
        EXPECT_EQ(runImport(p(), pl).imported, 1);
        const NARecord rec = stored(1);
        EXPECT_EQ(trimRight(rec.Name), longName.left(35));
        EXPECT_EQ(trimRight(rec.PhoneNum5), "5");
        EXPECT_EQ(trimRight(rec.AddrLine4), "4");
        EXPECT_EQ(trimRight(rec.Comments), QString::fromUtf8(r.comments));
    }
}

TEST_F(ExchangeTest, TheLogKeepsEarlierImportsUntilItIsFull)
{
    env.openFile({});
    const QString logPath = env.dir() + "/" + kImportLogName;
    importBytes(card({"FN:First"}), OverflowChoice::MoveToComments, "one.vcf");
    importBytes(card({"FN:Second"}), OverflowChoice::MoveToComments, "two.vcf");
    QString log = QString::fromUtf8(fileBytes(logPath));
    EXPECT_TRUE(
        log.contains("ID 1: First\n1 Records Imported, 0 Not Imported.\n\nImport of two.vcf"))
        << log.toStdString();
    EXPECT_TRUE(log.endsWith("ID 2: Second\n1 Records Imported, 0 Not Imported.\n"));

    // Past its limit the oldest whole sections go, never part of one.
    writeBytes(logPath, "Import of old.vcf\n" + QByteArray(kMaxImportLogBytes - 100, 'x') +
                            "\n\nImport of kept.vcf\nID 9: Kept\n");
    importBytes(card({"FN:Third"}), OverflowChoice::MoveToComments, "three.vcf");
    log = QString::fromUtf8(fileBytes(logPath));
    EXPECT_TRUE(log.startsWith("Import of kept.vcf\nID 9: Kept\n\nImport of three.vcf"))
        << log.left(200).toStdString();
}

} // namespace
} // namespace tavrel::test
