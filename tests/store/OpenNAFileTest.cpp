#include "StoreChecks.h"
#include "platform/Errors.h"
#include "platform/InstanceLock.h"
#include "store/RecordAccess.h"
#include "store/UnattendedRun.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

namespace {

// Names the folder where the file is looked for, not a "current directory"
// that a program started from the desktop does not have.
QString noFileQuestion(const TestEnv& env)
{
    return QStringLiteral("There Is No N&A File In %1.\n").arg(env.dir()) +
           QStringLiteral(
               "Do You Want One Established?\n\n"
               "If You Have Just Installed Corvane MARK32, Click The Yes Button.  Otherwise, "
               "Click No Then Determine Why There Is No 'N&A.MRK' File In The Corvane MARK32 "
               "Directory.\n\n"
               "Note:  If You're New To Corvane MARK32:  After MARK32 Starts, Please Read The "
               "'Getting Started' Help Topic.");
}

// The settings the header holds: sort order, QuickFind field and sort, welcome off.
QString settings(const Program& p)
{
    return QString(p.SortPref) + p.QuickFindField + p.QuickFindSort + p.WelcomeOff;
}

} // namespace

TEST(openNAFile, MissingOrEmptyFileAndYesEstablishesTheTwoRecordFile)
{
    // An empty file holds no header: it is no file, never one with a blank date.
    for (bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "empty file" : "no file");
        TestEnv env; // clock: 03-14-2026 09:05:07
        if (empty)
            writeBytes(env.naPath(), QByteArray());
        env.ui.answer(Ui::Answer::Yes);
        env.open();

        ASSERT_EQ(env.ui.messages.size(), 1u);
        expectBox(env.ui.last(), noFileQuestion(env), "Tavrel", Ui::Buttons::YesNo,
                  Ui::Icon::Question);

        const QByteArray file = fileBytes(env.naPath());
        ASSERT_EQ(file.size(), 1148);

        NARecord header = makeHeader(2, QLatin1Char('0'));
        header.Name = "Corvane Mark32 - TVL For Windows";
        header.AddrLine1 = "Header Record Written 03-14-2026";
        header.AddrLine2 = "At 09:05:07 Hours";
        header.SortKey2 = "03-14-2026";
        EXPECT_EQ(file.left(574), header.toBytes());

        // The sample entry: active as ID 1, with a name, address, e-mail, comment and key.
        const QByteArray sample = file.mid(574);
        EXPECT_EQ(sample.left(6), QByteArray("CRVN\x01\x00", 6));
        for (auto [offset, width] :
             {std::pair{6, 35}, {41, 35}, {76, 35}, {311, 35}, {346, 100}, {446, 16}})
            EXPECT_NE(sample.mid(offset, width), QByteArray(width, ' ')) << "filled at " << offset;
    }
}

TEST(openNAFile, MissingFileAndNoEndsWithoutMakingAFile)
{
    TestEnv env;
    env.ui.answer(Ui::Answer::No);
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(env.open(), ProgramEnded);
    expectBox(env.ui.last(), "TVL Cannot Operate Without A N&A File!\nClick OK To Terminate TVL.",
              "Tavrel", Ui::Buttons::Ok);
    EXPECT_FALSE(QFile::exists(env.naPath()));
}

TEST(openNAFile, HeaderValuesAreReadAndOutOfRangeOnesCorrected)
{
    // The header's SortKey1 and PhoneType1 to 3, and what the program takes from them:
    // sort order, QuickFind field, QuickFind sort, welcome off. The last two rows lie
    // just above and just below the ranges.
    const char* const cases[][5] = {{"2", "6", "3", "1", "2631"},
                                    {"0abc", "0", "4", "1x", "0041"},
                                    {"5", "7", "5", "2", "4000"},
                                    {"/", "/", "/", "Y", "4000"}};
    for (const auto& c : cases) {
        TestEnv env;
        NARecord h = makeHeader(2);
        h.SortKey1 = QLatin1String(c[0]);
        h.PhoneType1 = QLatin1String(c[1]);
        h.PhoneType2 = QLatin1String(c[2]);
        h.PhoneType3 = QLatin1String(c[3]);
        h.SortKey2 = "07-04-1999";
        const QByteArray before = h.toBytes() + makeRecord(1, "A").toBytes();
        writeBytes(env.naPath(), before);
        env.open();
        EXPECT_EQ(settings(env.p()), c[4]) << "SortKey1 '" << c[0] << "'";
        EXPECT_EQ(env.p().EstablishedDate, "07-04-1999      ");
        EXPECT_EQ(fileBytes(env.naPath()), before) << "corrections are not written at start-up";
    }
}

TEST(openNAFile, HeaderRewriteRenewsTheLabelsAndKeepsTheEstablishedDate)
{
    TestEnv env;
    env.ui.answer(Ui::Answer::Yes);
    env.open();
    Program& p = env.p();

    // The buffer's other fields go into the header as they are.
    ASSERT_TRUE(readActive(p, 1));
    p.SortPref = QLatin1Char('2');
    p.QuickFindField = QLatin1Char('5');
    p.QuickFindSort = QLatin1Char('1');
    p.WelcomeOff = QLatin1Char('1');
    env.clock.t = QDateTime(QDate(2027, 1, 2), QTime(23, 4, 5));
    writeHeaderRecord(p);

    const QByteArray h = recordBytes(env.naPath(), 1);
    EXPECT_EQ(h.left(6), QByteArray("CRVN\x02\x00", 6));
    EXPECT_EQ(h.mid(6, 35).trimmed(), "Corvane Mark - TVL For Windows");
    EXPECT_EQ(h.mid(41, 35).trimmed(), "Header Record Written 01-02-2027");
    EXPECT_EQ(h.mid(76, 35).trimmed(), "At 23:04:05 Hours");
    const QByteArray sample = recordBytes(env.naPath(), 2);
    EXPECT_EQ(h.mid(311, 135), sample.mid(311, 135)) << "e-mail and comment came from the buffer";

    // Opened again, the program reads back what it wrote.
    p.naFile.close();
    openNAFile(p);
    EXPECT_EQ(settings(p), "2511");
    EXPECT_EQ(p.EstablishedDate.trimmed(), "03-14-2026");
}

TEST(openNAFile, AnyOtherErrorIsReportedAndEndsTheProgramLeavingNoHalfMadeFile)
{
    // A directory where the file should be cannot be opened as the file.
    TestEnv env;
    ASSERT_TRUE(QDir(env.dir()).mkdir("n&a.mrk"));
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(env.open(), ProgramEnded);
    expectBox(env.ui.last(), "Error  75 At 2755.  Notify Programmer.", "Corvane Mark32",
              Ui::Buttons::Ok);

    // Room for the header of a new file but not for the sample entry.
    TestEnv full;
    full.ui.answer(Ui::Answer::Yes);
    full.ui.answer(Ui::Answer::Ok);
    {
        FileSizeLimit limit(600);
        EXPECT_THROW(full.open(), ProgramEnded);
    }
    EXPECT_EQ(full.ui.last().text, "Error  61 At 2755.  Notify Programmer.");
    EXPECT_FALSE(QFile::exists(full.naPath()));
}

TEST(openNAFile, DriveNotReadyAsksAgainOrEnds)
{
    // OK after the first failure: the probe runs again and the file opens.
    TestEnv env;
    writeNAFile(env.naPath(), {{1, makeRecord(1, "A")}});
    int calls = 0;
    bool ready = true;
    env.p().naFile.accessHook = [&](const QString& path) {
        if (++calls == 1 || !ready)
            throw PlatformError(ErrNo::DiskNotReady, path);
    };
    env.ui.answer(Ui::Answer::Ok);
    env.open();
    expectBox(env.ui.last(), "Please Ready The Floppy Disk Drive.", "Tavrel", Ui::Buttons::OkCancel,
              Ui::Icon::Question);
    EXPECT_EQ(calls, 3) << "probe, probe again, open";

    // Cancel: the program refuses to run.
    env.p().naFile.close();
    ready = false;
    env.ui.answer(Ui::Answer::Cancel);
    env.ui.answer(Ui::Answer::Ok);
    EXPECT_THROW(env.open(), ProgramEnded);
    expectBox(env.ui.last(),
              "TVL Cannot Operate Without A N&A File!\nClick OK To Terminate Corvane MARK.",
              "Tavrel", Ui::Buttons::Ok);
}

TEST(runOverNAFile, RefusedWhileTheProgramRunsOtherwiseTheCommandRunsOnTheOpenFile)
{
    TestEnv env;
    writeNAFile(env.naPath(), people(1, 3));
    QString said;
    QTextStream out(&said);
    int runs = 0;
    const auto command = [&] {
        ++runs;
        return env.p().LastRecNo;
    };
    auto held = std::make_unique<InstanceLock>(env.dir());
    ASSERT_TRUE(held->acquire());
    EXPECT_EQ(runOverNAFile(env.p(), out, "nothing was done.", command), 1);
    EXPECT_EQ(said, "Tavrel is running on this N&A file; close it first.\n");
    EXPECT_EQ(runs, 0);

    held.reset();
    said.clear();
    EXPECT_EQ(runOverNAFile(env.p(), out, "nothing was done.", command), 4);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(said, "");
}

// A run that only reads (a print) never writes the file: a damaged one is
// named fault by fault, as the windows name it, and left exactly as it was;
// a whole one opens for reading only.
TEST(runOverNAFile, ReadOnlyRunRefusesADamagedFileAndLeavesItAsItWas)
{
    const QByteArray whole = [] {
        TestEnv made;
        writeNAFile(made.naPath(), people(1, 3));
        return fileBytes(made.naPath());
    }();
    const struct {
        const char* name;
        QByteArray bytes;
        const char* said;
    } cases[] = {
        {"empty", QByteArray(),
         "The N&A File Is Damaged.\nIt Is Empty: It Holds No Header Record.\n"},
        {"cut at 1000 bytes", whole.left(1000),
         "The N&A File Is Damaged.\n"
         "Its Length, 1000 Bytes, Is Not A Whole Number Of 574-Byte Records.\n"
         "Its Header Gives 4 As The Last Record In Use, But The File Holds 2 Records.\n"},
        {"header overwritten", QByteArray(574, '\0') + whole.mid(574),
         "The N&A File Is Damaged.\nIts First Record Is Not A Header Record.\n"
         "Its Header Gives 0 As The Last Record In Use, Outside 1 To 1701.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestEnv env;
        writeBytes(env.naPath(), c.bytes);
        QString said;
        QTextStream out(&said);
        int runs = 0;
        EXPECT_EQ(
            runOverNAFile(
                env.p(), out, "nothing was printed.", [&] { return ++runs; }, NAFileUse::ReadOnly),
            1);
        EXPECT_EQ(runs, 0);
        EXPECT_EQ(said, QString::fromLatin1(c.said) +
                            "The file was left as it is; nothing was printed.\n");
        EXPECT_EQ(fileBytes(env.naPath()), c.bytes);
        EXPECT_TRUE(env.ui.messages.empty()) << "nobody is there to answer a window";
    }

    TestEnv env;
    writeBytes(env.naPath(), whole);
    QString said;
    QTextStream out(&said);
    const auto command = [&] {
        // Opened for reading: a write cannot reach the file.
        EXPECT_THROW(env.p().naFile.write(2, recordBytes(env.naPath(), 3)), PlatformError);
        return env.p().LastRecNo;
    };
    EXPECT_EQ(runOverNAFile(env.p(), out, "nothing was printed.", command, NAFileUse::ReadOnly), 4);
    EXPECT_EQ(said, "");
    EXPECT_EQ(fileBytes(env.naPath()), whole);
}
