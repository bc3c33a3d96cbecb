#pragma once

#include "envelopes/EnvelopeRun.h"
#include "maillists/MailListFile.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace tavrel::test {

// Stands in for the please-wait and progress windows and notes what the run showed.
class RecordedEnvelopeWindows : public EnvelopeWindows {
public:
    void showPleaseWait() override { calls << QStringLiteral("wait"); }
    void closePleaseWait() override { calls << QStringLiteral("closeWait"); }
    void showProgress() override { calls << QStringLiteral("progress"); }
    void showPrepared(int count) override { prepared = count; }
    void closeProgress() override { calls << QStringLiteral("closeProgress"); }

    QStringList calls;
    int prepared = 0;
};

// Person `id` with a full address: "Person <id>", "<id> Main Street", ...
inline NARecord envelopePerson(int id, const QString& key1 = QString(),
                               const QString& key2 = QString())
{
    NARecord r = makeRecord(id, QStringLiteral("Person %1").arg(id), key1, key2);
    r.AddrLine1 = QStringLiteral("%1 Main Street").arg(id);
    r.AddrLine2 = QStringLiteral("Apt %1").arg(id);
    r.AddrLine3 = QStringLiteral("Springfield");
    r.AddrLine4 = QStringLiteral("Zone %1").arg(id);
    return r;
}

// Five address lines of 35 characters: these, then blank ones.
inline AddressLines addressOf(const QStringList& lines)
{
    AddressLines out;
    for (int i = 0; i < 5; ++i)
        out[i] = lines.value(i).leftJustified(35);
    return out;
}

// A program over its own directory, with helpers for files, lists and runs.
class EnvelopeTest : public ::testing::Test {
protected:
    TestEnv env;
    Program& p = env.p();
    RecordedEnvelopeWindows windows;

    ~EnvelopeTest() override { closeAllWindows(); }

    // People 1..n with full addresses, those of `deleted` deleted; returns the file's bytes.
    QByteArray openPeople(int n, const std::set<int>& deleted = {})
    {
        std::map<int, NARecord> records;
        for (int id = 1; id <= n; ++id)
            records[id] =
                deleted.count(id) ? deletedRecord(id, QStringLiteral("Gone")) : envelopePerson(id);
        return env.openFile(records);
    }

    // Writes list file "tvlmail.<identifier>" with these members.
    void writeList(const QString& identifier, const std::set<int>& members,
                   const QString& title = QStringLiteral("Club"))
    {
        clearMailListFlags(p);
        for (int id : members)
            setMember(p, id, true);
        writeMailList(p, mailListFileName(identifier), title);
        clearMailListFlags(p);
    }

    // A job with typed return and mailing addresses, one envelope, sideways.
    static EnvelopeJob typedJob()
    {
        EnvelopeJob j;
        j.returnOption = ReturnFrom::Keyboard;
        j.mailOption = MailTo::Keyboard;
        j.returnAddress = addressOf({"Ann Sender", "1 Home Row", "Hometown"});
        j.mailAddress = addressOf({"Bob Receiver", "2 Far Lane", "Farville", "Region", "Land"});
        return j;
    }

    // Runs with "no test envelope".
    EnvelopeRunEnd run(const EnvelopeJob& j)
    {
        env.ui.answer(Ui::Answer::No);
        return printEnvelopes(p, j, windows);
    }

    // The first line of the mailing block of each page, trimmed.
    std::vector<QString> mailNamesByPage() const
    {
        std::vector<QString> out;
        for (const auto& t : env.printer.texts) {
            if (t.x > 0 && t.y == envelopeSize(0).mailY)
                out.push_back(t.text.trimmed());
        }
        return out;
    }

    // The printer is back at letter, portrait, unturned, not bold.
    void expectPrinterReset() const
    {
        const RecordingPrinter& r = env.printer;
        EXPECT_EQ(std::make_tuple(r.paperSize(), r.orientation(), r.quarterTurn(), r.fontBold(),
                                  r.fontItalic()),
                  std::make_tuple(1, 1, false, false, false));
    }
};

} // namespace tavrel::test
