#pragma once

#include "UpkeepFixture.h"
#include "upkeep/Backups.h"

#include <QFile>
#include <optional>

namespace tavrel::test {

using State = std::map<QString, QByteArray>;

// The file steps, failing at the n-th call of any of them (0: never) the way
// a disk does: a failing write leaves half its bytes behind.
class FaultyIo : public BackupIo {
public:
    int failAt = 0;
    int alsoFailAt = 0; // a second failure, such as one while the first is cleaned up
    int errorNumber = ErrNo::DeviceIo;
    int calls = 0;
    bool quick = false; // hundreds of copies: no flushes to disk
    std::optional<qint64> free;

    void makeFolder(const QString& p) override { due(), BackupIo::makeFolder(p); }
    QByteArray readFile(const QString& p) override { return due(), BackupIo::readFile(p); }
    void writeFile(const QString& p, const QByteArray& b, unsigned mode) override
    {
        const bool fail = failing(++calls);
        BackupIo::writeFile(p, fail ? b.left(b.size() / 2) : b, mode);
        if (fail)
            throw PlatformError(errorNumber);
    }
    void flushDisk(const QString& p) override
    {
        if (!quick)
            due(), BackupIo::flushDisk(p);
    }
    void syncFolder(const QString& p) override
    {
        if (!quick)
            due(), BackupIo::syncFolder(p);
    }
    void renameNew(const QString& a, const QString& b) override
    {
        due(), BackupIo::renameNew(a, b);
    }
    void renameOver(const QString& a, const QString& b) override
    {
        due(), BackupIo::renameOver(a, b);
    }
    void removeFile(const QString& p) override { due(), BackupIo::removeFile(p); }
    void removeFolder(const QString& p) override { due(), BackupIo::removeFolder(p); }
    std::optional<qint64> freeBytes(const QString& p) override
    {
        return free ? free : BackupIo::freeBytes(p);
    }

private:
    bool failing(int call) const { return call == failAt || call == alsoFailAt; }
    void due()
    {
        if (failing(++calls))
            throw PlatformError(errorNumber);
    }
};

class BackupTest : public UpkeepTest {
protected:
    BackupTest()
    {
        // Copies are named in the program's own forms unless a test chooses a locale.
        QLocale::setDefault(QLocale::c());
        env.ui.setAutoOk(true);
        env.openFile(people(1, 6));
        writeList(env.dir(), "abc", '1');
        writeList(env.dir(), "Q7", '0');
    }

    // The N&A file and the mailing lists as they lie in the directory.
    State state() const
    {
        State s;
        for (const QString& n :
             QDir(env.dir()).entryList({"n&a.mrk", "tvlmail.*"}, QDir::Files | QDir::Hidden))
            s[n] = fileBytes(env.dir() + QLatin1Char('/') + n);
        return s;
    }
    // Every entry under the backup folder, with the bytes of each file.
    State tree() const
    {
        State s;
        QDir root(folder());
        for (const QString& d :
             root.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            s[d] = QByteArray();
            for (const QString& f : QDir(root.filePath(d)).entryList(QDir::Files | QDir::Hidden))
                s[d + QLatin1Char('/') + f] = fileBytes(root.filePath(d) + QLatin1Char('/') + f);
        }
        return s;
    }
    QString folder() const { return env.dir() + "/backups"; }
    // A path under the backup folder.
    QString in(const QString& rest) const { return folder() + QLatin1Char('/') + rest; }
    Backups backups() { return Backups(*env.files, env.clock, io, folder()); }
    QStringList names()
    {
        QStringList out;
        for (const BackupCopy& c : backups().list())
            out << c.name;
        return out;
    }
    void changeEverything()
    {
        p.CurRec = makeRecord(3, "Changed Person");
        Put_NA_Rec(p, 4);
        p.CurRec = makeRecord(9, "New Person");
        Put_NA_Rec(p, 10);
        noteStoredId(p, 9);
        QFile::remove(env.dir() + "/tvlmail.abc");
        writeList(env.dir(), "Q7", '1');
        writeList(env.dir(), "new", '1');
    }

    FaultyIo io;
};

} // namespace tavrel::test
