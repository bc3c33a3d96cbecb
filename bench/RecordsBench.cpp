// Timings of the record windows over a full file of 1700 active records:
// opening QuickFind, a keystroke in its find box, and Next through the whole
// file on the record screens.
#include "FullFile.h"
#include "platform/gui/Windows.h"
#include "records/gui/RecordScreens.h"
#include "shell/QuickFindWindow.h"
#include "store/ContactAccess.h"
#include "store/OriginalSpellings.h"
#include "store/RecordAccess.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <benchmark/benchmark.h>
#include <map>

using namespace tavrel;
using tavrel::bench::FullFile;
using tavrel::test::TestEnv;

namespace {

// Every ID in use; each record has a name, keys, one address line, one
// telephone number and a link, as a typical entry does.
FullFile& recordsFile()
{
    static FullFile f([](int id, int n) {
        NARecord r = test::makeRecord(id, QStringLiteral("Person Number %1").arg(n),
                                      QStringLiteral("KEY%1").arg(n % 389),
                                      QStringLiteral("ZONE %1").arg(n % 17));
        r.AddrLine1 = QStringLiteral("%1 Long Meadow Road").arg(n);
        r.PhoneType1 = QStringLiteral("Home");
        r.PhoneNum1 = QStringLiteral("(609) 555-%1").arg(1000 + n);
        r.LinkId1 = qint16(1 + n % kMaxId);
        return r;
    });
    return f;
}

// From the command to a filled list, sorted by both keys.
void BM_QuickFindOpen(benchmark::State& state)
{
    Program& p = recordsFile().env.p();
    p.QuickFindField = QLatin1Char('6');
    p.QuickFindSort = QLatin1Char('2');
    int lines = 0;
    for (auto _ : state) {
        startQuickFind(p);
        QWidget* form = loadedWindow(QStringLiteral("ListForm"));
        lines =
            form->findChild<QAbstractItemView*>(QStringLiteral("ListLst1"))->model()->rowCount();
        state.PauseTiming();
        unloadWindow(form);
        test::settle();
        state.ResumeTiming();
    }
    if (lines != kMaxId)
        state.SkipWithError("QuickFind did not list every record");
}
BENCHMARK(BM_QuickFindOpen)->Unit(benchmark::kMillisecond);

// The person behind record `id` of the spelled file: a name, a key and a
// street in another alphabet, as the record screens would have kept them.
EncodedContact spelledPerson(int id, int n)
{
    Contact c;
    c.id = id;
    c.text(ContactField::Name) = QStringLiteral("Иван Петров %1").arg(n);
    c.text(ContactField::SortKey1) = QStringLiteral("ПЕТРОВ%1").arg(n % 389);
    c.text(ContactField::AddrLine1) = QStringLiteral("%1 ул. Ленина").arg(n);
    c.text(ContactField::PhoneType1) = QStringLiteral("Home");
    c.text(ContactField::PhoneNum1) = QStringLiteral("(609) 555-%1").arg(1000 + n);
    return encodeContact(c);
}

// The records file again with every record so spelled, its 1700 spellings
// entries kept beside it and read by the open.
struct SpelledRecordsFile : FullFile {
    SpelledRecordsFile() : FullFile([](int id, int n) { return spelledPerson(id, n).record; })
    {
        Program& p = env.p();
        OriginalSpellings kept;
        for (int id = 1; id <= kMaxId; ++id) {
            const EncodedContact e = spelledPerson(id, (id * 7919) % 1709);
            kept.keep(id, e.record.toBytes(), e.originals);
        }
        kept.save(p.files, p.files.path(QStringLiteral("n&a.mrk")));
        p.naFile.close();
        openNAFile(p);
    }
};

FullFile& spelledRecordsFile()
{
    static SpelledRecordsFile f;
    return f;
}

// One keystroke in QuickFind's find box until the list is drawn again: by
// turns "8" (the 1700 lines narrow to the records with an 8 in a name,
// address, key or telephone number) and Backspace (all 1700 come back).
void quickFindKeystrokes(benchmark::State& state, Program& p)
{
    p.QuickFindField = QLatin1Char('0');
    p.QuickFindSort = QLatin1Char('2');
    startQuickFind(p);
    auto* form = static_cast<QuickFindWindow*>(loadedWindow(QStringLiteral("ListForm")));
    form->filterEdit->setFocus();
    const QAbstractItemModel* shown = form->nameList->model();
    int narrowed = 0;
    for (auto _ : state) {
        const bool narrowing = form->filterEdit->text().isEmpty();
        QTest::keyClick(form->filterEdit, narrowing ? Qt::Key_8 : Qt::Key_Backspace);
        form->nameList->doItemsLayout();
        form->nameList->viewport()->repaint();
        if (narrowing)
            narrowed = shown->rowCount();
    }
    form->filterEdit->clear();
    const bool whole = shown->rowCount() == kMaxId;
    unloadWindow(form);
    test::settle();
    if (narrowed == 0 || narrowed == kMaxId || !whole)
        state.SkipWithError("the find box did not narrow and widen the list");
    state.counters["narrowed"] = narrowed;
}

void BM_QuickFindKeystroke(benchmark::State& state)
{
    quickFindKeystrokes(state, recordsFile().env.p());
}
BENCHMARK(BM_QuickFindKeystroke)->Unit(benchmark::kMillisecond);

// The same over the file whose 1700 records all have spellings entries: the
// lines show those spellings and are found by either.
void BM_QuickFindKeystrokeWithSpellings(benchmark::State& state)
{
    Program& p = spelledRecordsFile().env.p();
    if (p.Spellings.size() != kMaxId)
        state.SkipWithError("the spellings were not read");
    quickFindKeystrokes(state, p);
}
BENCHMARK(BM_QuickFindKeystrokeWithSpellings)->Unit(benchmark::kMillisecond);

// Next pressed 1700 times: once round the whole file, back to the start.
void BM_NextOverWholeFile(benchmark::State& state)
{
    Program& p = recordsFile().env.p();
    p.ScreenMode = ScreenMode::Browse;
    readActive(p, 1);
    p.CurId = 1;
    showRecordScreens(p);
    auto* next = recordScreen(p, 1)->findChild<QPushButton*>(QStringLiteral("BrsCmd1"));
    for (auto _ : state) {
        for (int i = 0; i < kMaxId; ++i)
            next->click();
    }
    state.SetItemsProcessed(state.iterations() * kMaxId);
    if (p.CurId != 1)
        state.SkipWithError("Next did not come round to ID 1");
    closeRecordScreens(p);
    test::settle();
}
BENCHMARK(BM_NextOverWholeFile)->Unit(benchmark::kMillisecond);

// One press of Next that has to walk the whole file: only IDs 1 and 1700 are
// active, so each press reads some 1700 records before it finds the other one.
void BM_NextWalkingWholeFile(benchmark::State& state)
{
    TestEnv env;
    std::map<int, NARecord> records;
    for (int id = 1; id <= kMaxId; ++id) {
        NARecord r = test::makeRecord(id, QStringLiteral("Person %1").arg(id));
        if (id != 1 && id != kMaxId) {
            r.RecStatus = QStringLiteral("DELR");
            r.RecId = 0;
        }
        records[id] = r;
    }
    test::writeNAFile(env.naPath(), records);
    env.open();
    Program& p = env.p();
    p.ScreenMode = ScreenMode::Browse;
    readActive(p, 1);
    p.CurId = 1;
    showRecordScreens(p);
    auto* next = recordScreen(p, 1)->findChild<QPushButton*>(QStringLiteral("BrsCmd1"));
    for (auto _ : state)
        next->click();
    if (p.CurId != 1 && p.CurId != kMaxId)
        state.SkipWithError("Next stopped on a deleted record");
    closeRecordScreens(p);
    test::settle();
}
BENCHMARK(BM_NextWalkingWholeFile)->Unit(benchmark::kMillisecond);

} // namespace
