#pragma once

// The steps of one sync, shared by the files that carry them out; used by
// SyncPass.cpp and its neighbours only.
#include "sync/CardDavClient.h"
#include "sync/CardMapping.h"
#include "sync/Merge.h"
#include "sync/SyncPass.h"
#include "sync/SyncState.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>
#include <optional>

namespace tavrel::syncpass {

// Writes that the server refused as out of date are tried this often.
inline constexpr int kMostRetries = 3;

inline QString nameOf(const QByteArray& record)
{
    return fieldText(record, SyncField::Name);
}

// What a record holds that a sync compares, in short.
QByteArray contentDigest(const QByteArray& record);

// One sync in the making: the state, the records here and what the server said.
class Pass {
    Q_DECLARE_TR_FUNCTIONS(SyncPass)

public:
    Pass(Program& p, CardDavClient& client, const SyncOptions& options, SyncState state);

    SyncReport run();

private:
    struct Item {
        int entry = -1; // index into st.entries, -1 for a card new there
        int id = 0;     // the record here, 0 when none
        bool there = true;
        bool fetched = false;
        DavCard card; // the card as the server has it now, when fetched
        SyncAction action = SyncAction::Nothing;
        FieldMerge merge;
        bool serverWins = true; // how its conflicts are settled
        bool keepBoth = false;  // this version becomes a record of its own
        bool skipped = false;   // asked for but not fetched: left as it is until fetched
    };

    // Records here and which entry each belongs to (SyncPassRecords.cpp).
    void readRecords();
    void associate();
    void takeUnchanged();
    void takeMostlySame();
    void takeBestOfTheRest();
    void claim(int entry, int id);
    void deleteHere(int id);
    void storeHere(int id, const QByteArray& record);
    void adoptSpellings(int id, const QByteArray& view);
    int freeId() const;

    // Listing and fetching (SyncPassListing.cpp).
    bool listAndFetch();
    QStringList wantedCards(const QHash<QString, QString>& listed);
    void takeFetched(QList<DavCard>& cards, const QStringList& wanted);
    void takeMoved(const QList<DavCard>& cards, const QHash<QString, QString>& listed);
    void settleUnconfirmed(const QList<Item*>& unsure);
    bool fetch(const QStringList& hrefs, QList<DavCard>& cards);
    void logPassedOver(const QStringList& hrefs);
    std::optional<DavCard> fetchAgain(Item& item);
    QString tokenToKeep();

    // Planning and the deletion guard (SyncPassPlan.cpp).
    void settleSending();
    void plan();
    void planItem(Item& item);
    void pairNewOnBothSides();
    bool guardAndCopy();

    // Applying (SyncPassApply.cpp, SyncPassUpload.cpp).
    void apply();
    void applyItem(Item& item);
    void keepNothingChanged(Item& item);
    bool mergeAndWrite(Item& item);
    bool keepBoth(const QByteArray& mine);
    enum class Sent { Landed, MergeAgain, Over };
    Sent sendChange(Item& item, const QByteArray& card, const QByteArray& mine, QString& etag);
    void logConflicts(const Item& item, const QByteArray& mine);
    bool removeThere(Item& item);
    void uploadNew(int& done, int total);
    void takeUploadAnswers(const QList<int>& ids, const QList<DavPutAnswer>& answers);
    bool upload(int id, SyncEntry* pending);
    bool landedAlready(SyncEntry& e);
    SyncEntry newEntry(int id) const;
    SyncEntry entryFor(int id, const DavCard& card) const;
    bool download(const DavCard& card, SyncEntry* replacing);

    // The pass itself (SyncPass.cpp).
    void fetchLater(const QString& href, bool later);
    bool stop(const DavResult& r);
    void writeLog();
    // Each finished step goes to the journal at once.
    void noteEntry(const SyncEntry& e)
    {
        journal.set(e);
        dirty = true;
    }
    // The entry's card and record are no longer kept in step.
    void dropEntry(SyncEntry& e)
    {
        journal.drop(e.href);
        dirty = true;
        e.href.clear();
    }
    QString entryName(int id) const { return nameOf(local.value(id)); }

    Program& p;
    CardDavClient& client;
    const SyncOptions& options;
    SyncState st;
    SyncJournal journal;
    SyncReport report;
    QStringList log;
    QMap<int, QByteArray> local; // active records by ID
    QVector<int> idOfEntry;      // each entry's record here, 0 when gone
    QSet<int> claimed;           // IDs that belong to an entry
    DavChanges changes;
    QList<Item> items;
    QHash<QString, QString> beforeApply; // each entry's href and ETag as listed and fetched
    QList<DavCard> newThere;
    QList<int> newHere;
    QSet<int> usedIds;
    bool hold = false;
    bool first = false;
    bool stopped = false;
    bool dirty = false; // something was done or learnt: the state and the log are written
    QString bookPath;
};

} // namespace tavrel::syncpass
