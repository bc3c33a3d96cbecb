#pragma once

// Whole syncs of program directories through a real CardDAV server: the fixture.
#include "CutAfterPut.h"
#include "FakeSecretStore.h"
#include "ForeignCard.h"
#include "RadicaleServer.h"
#include "SyncPeople.h"
#include "dups/DupSearch.h"
#include "exchange/Import.h"
#include "platform/gui/Windows.h"
#include "store/RecordAccess.h"
#include "support/TestEnv.h"
#include "sync/CardMapping.h"
#include "sync/SyncCommandLine.h"
#include "sync/SyncPass.h"
#include "sync/SyncState.h"
#include "sync/gui/SyncConflictDialog.h"
#include "sync/gui/SyncDialog.h"
#include "upkeep/Compaction.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTreeWidget>
#include <QUuid>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace tavrel::test {

class SyncPassTest : public RadicaleFixture {
protected:
    void SetUp() override
    {
        RadicaleFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        book =
            newBook(QUuid::createUuid().toString(QUuid::WithoutBraces), QStringLiteral("Office"));
    }

    // A program directory with these records, set up to sync with the test's book.
    std::unique_ptr<TestEnv> program(const std::map<int, NARecord>& records)
    {
        auto env = std::make_unique<TestEnv>();
        env->openFile(records);
        saveSyncState(*env->files,
                      {server->base().toString(), RadicaleServer::user, book, {}, false, {}});
        env->p().BeforeBulkChange = [this](const QString& what) {
            copies << what;
            return true;
        };
        return env;
    }

    // Two directories over the book: `records` in the first, synced up and down to
    // the second; the backup copies of those first syncs are forgotten.
    std::pair<std::unique_ptr<TestEnv>, std::unique_ptr<TestEnv>>
    synced(const std::map<int, NARecord>& records)
    {
        auto a = program(records);
        auto b = program({});
        sync(*a);
        sync(*b);
        copies.clear();
        return {std::move(a), std::move(b)};
    }

    SyncReport sync(TestEnv& env, const SyncOptions& options = {})
    {
        CardDavClient client(settings());
        const SyncReport r = runSync(env.p(), client, options);
        EXPECT_TRUE(r.ok()) << r.summary().toStdString();
        return r;
    }

    static QString counts(const SyncReport& r)
    {
        return QString::asprintf("+%d ~%d -%d | +%d ~%d -%d | %d", r.addedHere, r.changedHere,
                                 r.deletedHere, r.addedThere, r.changedThere, r.deletedThere,
                                 r.conflicts);
    }

    // Every active record's shared fields (or one field), in order: two directories
    // hold the same people when these are equal, whatever their IDs.
    static QStringList peopleOf(TestEnv& env, std::optional<SyncField> only = std::nullopt)
    {
        QStringList all;
        Program& p = env.p();
        for (int id = 1; id < p.LastRecNo; ++id)
            if (readActive(p, id))
                all << (only ? fieldText(p.CurRec.toBytes(), *only)
                             : QString::fromLatin1(syncedBytes(p.CurRec.toBytes())).simplified());
        all.sort();
        return all;
    }

    QStringList cardsThere() const
    {
        QList<DavCardRef> cards;
        EXPECT_TRUE(CardDavClient(settings()).listEtags(book, cards).ok());
        QStringList hrefs;
        for (const DavCardRef& c : cards)
            hrefs << c.href;
        return hrefs;
    }

    QUrl book;
    QStringList copies;
};

} // namespace tavrel::test
