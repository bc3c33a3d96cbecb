#pragma once

#include "platform/Errors.h"
#include "platform/Files.h"
#include "store/RecordAccess.h"
#include "support/FailingDevice.h"
#include "support/Gui.h"
#include "support/TestEnv.h"
#include "upkeep/Compaction.h"
#include "upkeep/DiskSpace.h"

#include <QDir>
#include <QLocale>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace tavrel::test {

// The program reads `bytes` through its own handle, with the header's LastRecNo.
inline void expectProgramUses(Program& p, const QByteArray& bytes)
{
    ASSERT_TRUE(p.naFile.isOpen());
    EXPECT_EQ(p.naFile.size(), bytes.size());
    EXPECT_EQ(p.naFile.readBlock(1, int(bytes.size() / NARecord::Size)), bytes);
    EXPECT_EQ(p.LastRecNo, NARecord::fromBytes(bytes.left(NARecord::Size)).RecId);
}

// A whole file as a compaction writes it at the test clock's time: header with
// `lastRecNo` over the preferences makeHeader gives, then `records` as records 2, 3, ...
inline QByteArray fileOf(int lastRecNo, const std::vector<NARecord>& records)
{
    NARecord h = makeHeader(lastRecNo);
    h.Name = "Corvane - TVL For Windows";
    h.AddrLine1 = "Header Record Written 03-14-2026";
    h.AddrLine2 = "At 09:05:07 Hours";
    QByteArray out = h.toBytes();
    for (const NARecord& r : records)
        out += r.toBytes();
    return out;
}

// Mailing list tvlmail.<id> in `dir`, titled "Title <id>", every record's flag `flag`.
inline void writeList(const QString& dir, const QString& id, char flag)
{
    writeBytes(dir + "/tvlmail." + id, listBytes("Title " + id, {}, flag));
}

class UpkeepTest : public ::testing::Test {
protected:
    UpkeepTest()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        setFreeBytes(qint64(1) << 30);
    }
    void TearDown() override { closeAllWindows(); }

    TestEnv env;
    Program& p = env.p();

    // Writes the N&A file and opens it as the program does at start-up.
    void writeAndOpen(const std::map<int, NARecord>& records, int lastRecNo = -1)
    {
        before = env.openFile(records, lastRecNo);
    }
    // Free space of the program directory's disk, as the disk-space call reports it.
    void setFreeBytes(qint64 bytes)
    {
        env.files->diskFiguresHook = [bytes] { return DiskFigures{1, 1, bytes, bytes}; };
    }
    // Puts these bytes back as the N&A file and opens it again.
    void restore(const QByteArray& bytes)
    {
        p.naFile.close();
        writeBytes(env.naPath(), bytes);
        env.open();
    }
    CompactionResult compact()
    {
        FileReplacement out(*env.files, kNAFileName, kCompactTempName);
        return compactNAFile(p, out);
    }
    QByteArray file() const { return fileBytes(env.naPath()); }
    QStringList entries() const { return QDir(env.dir()).entryList(QDir::Files | QDir::System); }

    QByteArray before;
};

} // namespace tavrel::test
