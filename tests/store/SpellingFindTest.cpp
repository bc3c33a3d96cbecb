// The name lists show the person's own spelling and find a record by either
// spelling; the spellings file stays cheap to keep and is never written
// through a link.
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/NameList.h"
#include "store/NameListModel.h"
#include "store/OriginalSpellings.h"
#include "support/FailingDevice.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

const QString kRussian = QStringLiteral("Иван Петров");
// Spelled in Latin letters it outgrows the address line and is cut: the
// house number is only in the person's own spelling.
const QString kBeijing = QStringLiteral("北京市朝阳区建国路八十八号");

Contact spelled(int id, const QString& name, const QString& street = QString())
{
    Contact c;
    c.id = id;
    c.text(ContactField::Name) = name;
    c.text(ContactField::AddrLine1) = street;
    return c;
}

// The line a name list makes of record `id`: its shown name, and both
// spellings of every field to find it by.
NameListModel::Line lineOf(Program& p, int id)
{
    Get_NA_Rec(p, id + 1);
    const QString shown = shownName(p, id, p.CurRec);
    const QString stored = shown == p.CurRec.Name ? QString() : p.CurRec.Name;
    return {qint16(id), shown, findFieldsOf(p.CurRec, originalsOf(p, id, p.CurRec)), stored};
}

QStringList shownFor(NameListFilter& filter, const QString& typed)
{
    filter.setFilterText(typed);
    QStringList out;
    for (int row = 0; row < filter.rowCount(); ++row)
        out << filter.data(filter.index(row, 0)).toString();
    return out;
}

// The file's bytes, counting every byte read from it.
struct CountingDevice : FailingDevice {
    using FailingDevice::FailingDevice;
    qint64 bytesRead = 0;
    qint64 readData(char* out, qint64 max) override
    {
        const qint64 n = FailingDevice::readData(out, max);
        bytesRead += qMax<qint64>(n, 0);
        return n;
    }
};

} // namespace

TEST(SpellingFind, ANameListShowsTheOwnSpellingAndFindsTheRecordByEitherSpelling)
{
    TestEnv env;
    env.openFile(people(1, 3));
    Program& p = env.p();
    putContact(p, 3, spelled(2, kRussian, kBeijing));
    Get_NA_Rec(p, 3);
    ASSERT_EQ(trimRight(p.CurRec.Name), QStringLiteral("Ivan Petrov"));
    ASSERT_EQ(p.CurRec.AddrLine1.size(), Width::Addr) << "the Latin spelling is cut";
    ASSERT_FALSE(
        foldForMatch(p.CurRec.AddrLine1).contains(foldForMatch(QStringLiteral("八十八号"))));
    EXPECT_EQ(shownName(p, 2, p.CurRec), kRussian.leftJustified(Width::Name));
    Get_NA_Rec(p, 2);
    EXPECT_EQ(shownName(p, 1, p.CurRec), p.CurRec.Name) << "no entry: the record's own";

    NameListModel lines;
    lines.setLines({lineOf(p, 1), lineOf(p, 2), lineOf(p, 3)});
    NameListFilter filter(&lines);
    EXPECT_EQ(shownFor(filter, QString()),
              (QStringList{padRight(QStringLiteral("Person 1"), Width::Name),
                           kRussian.leftJustified(Width::Name),
                           padRight(QStringLiteral("Person 3"), Width::Name)}));
    // Either spelling of the name, in any case or mix, finds the line as shown.
    for (const char* typed : {"ivan", "Иван", "ПЕТРОВ", "иван petrov", "petr"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(shownFor(filter, QString::fromUtf8(typed)),
                  QStringList{kRussian.leftJustified(Width::Name)});
    }
    // The cut-off house number, in the person's spelling only, and the
    // street's Latin spelling both name the field they were found in.
    const QString why = kRussian + QStringLiteral(" \u2014 Address Line 1: ") + kBeijing;
    EXPECT_EQ(shownFor(filter, QStringLiteral("八十八号")), QStringList{why});
    EXPECT_EQ(shownFor(filter, QStringLiteral("jing ivan")), QStringList{why});
    EXPECT_TRUE(shownFor(filter, QStringLiteral("Олег")).isEmpty());
    EXPECT_EQ(shownFor(filter, QStringLiteral("person")).size(), 2);
}

TEST(SpellingFind, ASaveReadsOnlyTheRecordItWroteAndStaleEntriesGoAtTheOpen)
{
    TestEnv env;
    env.openFile(people(1, 300));
    Program& p = env.p();
    {
        SpellingsBatch batch(p);
        for (int id = 1; id <= 300; id += 3)
            putContact(p, id + 1, spelled(id, kRussian + QString::number(id)));
    }
    // Another program rewrites record 4 (ID 4) while the file is closed.
    p.naFile.close();
    NARecord other = NARecord::fromBytes(recordBytes(env.naPath(), 5));
    other.Comments = QStringLiteral("changed elsewhere");
    QFile file(env.naPath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(4 * NARecord::Size);
    file.write(other.toBytes());
    file.close();
    env.open();
    EXPECT_FALSE(p.Spellings.contains(4)) << "the open drops the entry its record lost";
    EXPECT_EQ(p.Spellings.size(), 99);

    auto device = std::make_unique<CountingDevice>(fileBytes(env.naPath()));
    CountingDevice& disk = *device;
    p.naFile.attach(std::move(device));
    putContact(p, 101, spelled(100, QStringLiteral("Анна Орлова")));
    EXPECT_LE(disk.bytesRead, 3 * NARecord::Size) << "one save, not a read of the whole file";
    OriginalSpellings saved;
    ASSERT_EQ(saved.load(*env.files), OriginalSpellings::Loaded::Read);
    EXPECT_EQ(saved.size(), 99) << "ID 100 had an entry already";
    EXPECT_FALSE(saved.contains(4));
    EXPECT_EQ(saved.originalsFor(100, disk.data.mid(100 * NARecord::Size, NARecord::Size))
                  .at(ContactField::Name),
              QStringLiteral("Анна Орлова"));
}

// A link at the spellings file's name is read as the file it leads to, like
// the N&A file, but a save replaces the link and never writes through it, and
// a link to nothing or to a folder is no spellings file.
TEST(SpellingFind, ALinkAtTheSpellingsFileIsNeverWrittenThrough)
{
    QTemporaryDir outside;
    const QString target = outside.filePath(QStringLiteral("elsewhere.dat"));
    const QString folder = outside.filePath(QStringLiteral("folder"));
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const QString& to : {target, outside.filePath(QStringLiteral("none")), folder}) {
        SCOPED_TRACE(to.toStdString());
        TestEnv env;
        env.ui.setAutoOk(true);
        env.openFile(people(1, 3));
        Program& p = env.p();
        {
            OriginalSpellings kept;
            Get_NA_Rec(p, 3);
            kept.keep(2, p.CurRec.toBytes(), {{ContactField::Name, kRussian}});
            writeBytes(target, kept.serialized());
        }
        const QByteArray before = fileBytes(target);
        const QString link = env.dir() + QStringLiteral("/tvlspell.dat");
        ASSERT_TRUE(QFile::link(to, link));
        p.naFile.close();
        env.open();
        Get_NA_Rec(p, 3);
        EXPECT_EQ(contactOf(p, 2, p.CurRec).text(ContactField::Name),
                  to == target ? kRussian : QStringLiteral("Person 2"));

        putContact(p, 4, spelled(3, QStringLiteral("Анна Орлова")));
        EXPECT_FALSE(QFileInfo(link).isSymLink()) << "the save replaced the link";
        EXPECT_EQ(fileBytes(target), before) << "and wrote nothing through it";
        EXPECT_TRUE(QFileInfo(folder).isDir() && QDir(folder).isEmpty());
        OriginalSpellings saved;
        ASSERT_EQ(saved.load(*env.files), OriginalSpellings::Loaded::Read);
        EXPECT_EQ(saved.size(), to == target ? 2 : 1);
        QFile::remove(target);
    }
}
