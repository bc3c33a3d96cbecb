#pragma once

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/gui/RecordingPrinter.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "support/ScriptedUi.h"

#include <QTemporaryDir>
#include <functional>
#include <map>
#include <memory>
#include <set>

namespace tavrel::test {

class FixedClock : public Clock {
public:
    QDateTime t{QDate(2026, 3, 14), QTime(9, 5, 7)};
    qint64 sleptMs = 0;
    QDateTime now() const override { return t; }
    void sleepMs(int ms) override
    {
        sleptMs += ms;
        t = t.addMSecs(ms);
    }
};

class FakeClipboard : public Clipboard {
public:
    QString content;
    int clears = 0;
    void clear() override
    {
        ++clears;
        content.clear();
    }
    void setText(const QString& text) override { content = text; }
    QString text() const override { return content; }
};

class FakeHelp : public Help {
public:
    QStringList calls; // "finder", "context 25", "quit"
    void showFinder() override { calls << QStringLiteral("finder"); }
    void showContext(int n) override { calls << QStringLiteral("context %1").arg(n); }
    void quit() override { calls << QStringLiteral("quit"); }
};

// The error number an operation fails with, or 0 when it succeeds.
int errorOf(const std::function<void()>& op);

// One program over its own temporary directory, with every service scripted.
class TestEnv {
public:
    QString dir() const { return tmp.path(); }
    QString naPath() const { return dir() + QStringLiteral("/n&a.mrk"); }

    // Runs openNAFile on the file as it lies in the directory.
    void open() { openNAFile(*program); }
    // Closes the program's file, writes these records (see writeNAFile) and
    // opens the file again; returns its bytes once open.
    QByteArray openFile(const std::map<int, NARecord>& records, int lastRecNo = -1);

    // This environment's services for another program, printing on `printer`;
    // `otherFiles` and `otherClock`, when given, stand in for its own.
    Services services(Printer& printer, Files* otherFiles = nullptr, Clock* otherClock = nullptr)
    {
        return {ui,
                printer,
                clipboard,
                help,
                otherClock ? *otherClock : clock,
                otherFiles ? *otherFiles : *files};
    }

    QTemporaryDir tmp;
    ScriptedUi ui;
    RecordingPrinter printer;
    FakeClipboard clipboard;
    FakeHelp help;
    FixedClock clock;
    std::unique_ptr<Files> files = std::make_unique<Files>(tmp.path());
    std::unique_ptr<Program> program = std::make_unique<Program>(services(printer));
    Program& p() { return *program; }
};

// --- N&A files for tests ---

// An active record for `id` with the given name and sort keys; other fields blank.
NARecord makeRecord(int id, const QString& name, const QString& key1 = QString(),
                    const QString& key2 = QString());
// IDs first..last active, named "Person <id>" unless another pattern is given.
std::map<int, NARecord> people(int first, int last,
                               const QString& pattern = QStringLiteral("Person %1"));
// A record as the program leaves it when it deletes ID `id`.
NARecord deletedRecord(int id, const QString& name, const QString& key1 = QString());
// A header record as the program writes it, with LastRecNo `lastRecNo`: sort
// preference 4, quick find on the name field and sorted by it.
inline NARecord makeHeader(int lastRecNo, QChar welcomeOff = QLatin1Char('1'))
{
    NARecord r = NARecord::blank();
    r.RecStatus = kActive;
    r.RecId = qint16(lastRecNo);
    r.Name = QStringLiteral("Corvane Mark - TVL For Windows");
    r.AddrLine1 = QStringLiteral("Header Record Written 01-02-2025");
    r.AddrLine2 = QStringLiteral("At 10:11:12 Hours");
    r.SortKey1 = QStringLiteral("4");
    r.SortKey2 = QStringLiteral("01-02-2025");
    r.PhoneType1 = r.PhoneType2 = QStringLiteral("0");
    r.PhoneType3 = welcomeOff;
    return r;
}
// Writes a file: the header (LastRecNo = highest ID + 1 unless given), and each
// record at its ID; gaps stay zero bytes.
void writeNAFile(const QString& path, const std::map<int, NARecord>& records, int lastRecNo = -1,
                 QChar welcomeOff = QLatin1Char('1'));
// --- Mailing list files for tests ---

// A well-formed mailing list file: its title (cut to 40 characters) in a
// 46-character field, then a flag for each of the 1700 IDs: '1' for
// `members`, `flag` for the rest.
QByteArray listBytes(const QString& title, const std::set<int>& members = {}, char flag = '0');

// Raw bytes of a whole file, and of record `recNo` of it.
QByteArray fileBytes(const QString& path);
// Replaces a file with exactly these bytes; fails the test when it cannot.
void writeBytes(const QString& path, const QByteArray& data);
QByteArray recordBytes(const QString& path, int recNo);
NARecord readRecord(const QString& path, int recNo);

} // namespace tavrel::test
