#pragma once

// The files of a directory as the fault tests compare them, what they accept
// of an N&A file cut short (record by record, the old one or the new one), and
// the pieces the fault tests share.
#include "dups/DupSearch.h"
#include "store/NARecord.h"
#include "upkeep/BackupCommandLine.h"
#include "upkeep/Backups.h"

#include "support/FileFaults.h"
#include "support/TestEnv.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QTextStream>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/wait.h>

namespace tavrel::test {

// Waits for a child to end and returns its wait status.
inline int reap(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

// Runs `step` in a child process that is killed at its file operation
// `killAt` in `dir`, inside the write when that is a write. Returns the
// child's wait status: killed, or ended with 0 when `step` did fewer
// operations; ending otherwise fails the test.
inline int runKilledAt(const QString& dir, int killAt, const std::function<void()>& step)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        FileFaults faults(dir);
        faults.setKillInsideWrites(true);
        faults.killAt(killAt);
        try {
            step();
        } catch (...) {
            ::_exit(2);
        }
        ::_exit(0);
    }
    const int status = reap(pid);
    EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
        << "killed at operation " << killAt;
    return status;
}

// A positive number from the environment (a longer run, another seed), or `fallback`.
inline int envNumber(const char* name, int fallback)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(name, &ok);
    return ok && n > 0 ? n : fallback;
}

// The duplicate search with no one watching.
struct SilentDups : DupSearchView {
    void showPair(int, const NARecord&, int, const NARecord&) override {}
    void letEventsRun() override {}
    void showDeletedReport() override {}
};

// The backup command line as `tavrel ARGS` runs it; what it wrote.
inline QString backupCommandLine(TestEnv& env, const QStringList& args)
{
    QString text;
    QTextStream out(&text);
    BackupIo io;
    runBackupCommandLine(args, *env.files, env.clock, io, false, out, out);
    out.flush();
    return text;
}

// Every file of a directory and its bytes; with `names`, those of these names
// only (patterns such as "tvlmail.*"); with `subfolders`, also every file under
// it, by its path from `dir`.
using DirFiles = std::map<QString, QByteArray>;

inline DirFiles filesIn(const QString& dir, const QStringList& names = {}, bool subfolders = false)
{
    DirFiles out;
    QDirIterator it(dir, names, QDir::Files | QDir::Hidden | QDir::System,
                    subfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        const QString path = it.next();
        // The record journal only helps the next open complete a record a
        // kill cut; its bytes (the file's inode among them) are no data.
        if (it.fileName() != kRecordJournalName)
            out[QDir(dir).relativeFilePath(path)] = fileBytes(path);
    }
    return out;
}

// The files of `dir` made exactly `files`.
inline void putBack(const QString& dir, const DirFiles& files)
{
    for (const QString& n : QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System))
        QFile::remove(dir + QLatin1Char('/') + n);
    for (const auto& [name, bytes] : files)
        writeBytes(dir + QLatin1Char('/') + name, bytes);
}

// The directory made exactly `files` again, and opened as at start-up.
inline void reopenWith(TestEnv& env, const DirFiles& files)
{
    env.p().naFile.close();
    putBack(env.dir(), files);
    env.open();
}

// Kills `step` at each of its file operations in turn, each time from the
// directory as `initial`, until it runs to its end; `check` looks at what
// each kill left.
inline void killAtEachOperation(TestEnv& env, const DirFiles& initial,
                                const std::function<void()>& step,
                                const std::function<void()>& check)
{
    for (int killAt = 1;; ++killAt) {
        SCOPED_TRACE("killed at operation " + std::to_string(killAt));
        reopenWith(env, initial);
        const int status = runKilledAt(env.dir(), killAt, step);
        if (::testing::Test::HasFailure())
            return;
        check();
        if (WIFEXITED(status) || ::testing::Test::HasFailure())
            return;
    }
}

// Record `i` (from 0) of a file's bytes; zero bytes beyond its end.
inline QByteArray slot(const QByteArray& file, qsizetype i)
{
    return file.mid(i * NARecord::Size, NARecord::Size).leftJustified(NARecord::Size, '\0');
}

// True when record `i` of `file` is that of `was` or of `next`. A command
// that adds several records (an import) rewrites the header after each, so
// the header may also be either one counting any record written so far.
inline bool recordBetween(const QByteArray& file, qsizetype i, const QByteArray& was,
                          const QByteArray& next)
{
    const QByteArray rec = slot(file, i);
    if (rec == slot(was, i) || rec == slot(next, i))
        return true;
    if (i != 0)
        return false;
    const int count = NARecord::fromBytes(rec).RecId;
    const bool counts =
        count >= NARecord::fromBytes(slot(was, 0)).RecId && count <= file.size() / NARecord::Size;
    const auto sameBesidesCount = [&rec](const QByteArray& header) {
        return rec.left(4) == header.left(4) && rec.mid(6) == header.mid(6);
    };
    return counts && (sameBesidesCount(slot(was, 0)) || sameBesidesCount(slot(next, 0)));
}

// Each file of `now` is as it `was` or as `next` has it, no file is new that
// `next` lacks, and none is lost that `next` keeps. The N&A file is taken
// record by record (a command writes several), unless `wholeFile` (it was
// replaced whole). Files named in `skip` are not looked at.
inline void expectOldOrNew(const DirFiles& now, const DirFiles& was, const DirFiles& next,
                           bool wholeFile = false, const QStringList& skip = {})
{
    for (const auto& [name, bytes] : now) {
        if (skip.contains(name))
            continue;
        if (!was.count(name) && !next.count(name)) {
            ADD_FAILURE() << "left behind: " << name.toStdString();
            continue;
        }
        const QByteArray old = was.count(name) ? was.at(name) : QByteArray();
        const QByteArray fresh = next.count(name) ? next.at(name) : QByteArray();
        if (name != QLatin1String("n&a.mrk") || wholeFile) {
            EXPECT_TRUE(bytes == old || bytes == fresh) << name.toStdString() << " is half written";
            continue;
        }
        EXPECT_TRUE(bytes.size() % NARecord::Size == 0 || bytes.size() == old.size())
            << "a partial record ends the N&A file: " << bytes.size() << " bytes";
        EXPECT_LE(bytes.size(), qMax(old.size(), fresh.size()));
        for (qsizetype i = 0; i * NARecord::Size < bytes.size(); ++i)
            EXPECT_TRUE(recordBetween(bytes, i, old, fresh))
                << "record " << i + 1 << " is neither the old one nor the new one";
    }
    for (const auto& [name, bytes] : was)
        EXPECT_TRUE(now.count(name) || !next.count(name)) << "lost: " << name.toStdString();
}

} // namespace tavrel::test
