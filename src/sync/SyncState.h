#pragma once

#include "platform/Files.h"
#include "sync/CardDavClient.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace tavrel {

// A change on its way to the server: noted before it is sent, so the next sync
// can tell whether it landed when this one was stopped before the answer.
struct SyncSending {
    QByteArray card; // the card sent
    QByteArray base; // the record it was made from, as it is to stand once it lands
    QString over;    // the ETag of the card it was sent to replace
};

// What the program remembers of one record it keeps in step with a card.
struct SyncEntry {
    int id = 0;                // the record's ID here
    QString href;              // the card's address in the book, as the server lists it
    QString uid;               // the card's UID
    QString etag;              // the card's ETag as last seen; empty: written, not yet confirmed
    QByteArray card;           // the server's whole card as last seen, byte for byte
    QByteArray base;           // the record as last synced, with its spellings (SyncRecord.h)
    QByteArray digest() const; // SHA-1 of what the record shares with its card, as last synced
    // A change sent whose landing is not yet known.
    std::optional<SyncSending> sending = std::nullopt;
};

// The account and the state of the last sync, beside the N&A file. The
// password is never part of it.
struct SyncState {
    QString server; // the server address the user gave
    QString user;
    QUrl book;                       // the address book kept in step
    QString token;                   // the book's sync token after the last complete sync
    bool syncAtStartAndExit = false; // the program syncs once its window is up and as it ends
    QList<SyncEntry> entries;
    // Cards on the server not stored here yet: no free ID for them, or not
    // fetched when asked for. Fetched at each sync until stored, whatever the
    // listing says; a listing that says one is gone drops it.
    QStringList toFetch = {};

    QString proxy{};          // the proxy the user named; empty: the environment's
    QString certificatePin{}; // the server key the user trusted ("sha256//..."); empty: none

    bool configured() const { return book.isValid() && !book.isEmpty(); }
    SyncEntry* byHref(const QString& href);
};

inline const QString kSyncStateName = QStringLiteral("tvlsync.dat");
// Each finished step of a running sync, one line each, so a sync that was
// killed on the way is taken up again by the next one.
inline const QString kSyncJournalName = QStringLiteral("tvlsync.jnl");

// Reads the state and replays any journal a killed sync left (a last line cut
// short is dropped). No file: an empty state. A file that cannot be read as a
// state: nullopt with `error` in plain words. File errors throw PlatformError.
// The cards lie inline or in their own files (see SyncCards.h); an entry whose
// card file is missing or damaged has its card unknown: the record as last synced
// stands for it and its ETag is forgotten, so the next sync fetches the card.
std::optional<SyncState> loadSyncState(const Files& files, QString* error);
// Writes the large cards not yet in files of their own, replaces the state file
// whole (write, flush, rename; no link followed), removes the journal and
// then the card files the state no longer names.
void saveSyncState(const Files& files, const SyncState& state);

// Appends to the journal: each line is written before the call returns,
// unless lines are held, when they go together at the next write().
class SyncJournal {
public:
    explicit SyncJournal(const Files& files) : files_(files) {}
    ~SyncJournal();
    SyncJournal(const SyncJournal&) = delete;
    SyncJournal& operator=(const SyncJournal&) = delete;

    void set(const SyncEntry& entry); // the entry now stands as given
    // A change is about to go to the card at `href`; set() or confirm() says
    // later that it landed.
    void sending(const QString& href, const SyncSending& change);
    void drop(const QString& href); // the card and its record are no longer kept in step
    // The card at `href` was stored and has this ETag now.
    void confirm(const QString& href, const QString& etag);
    // The card at `href` is to be fetched at the next syncs, or no longer.
    void fetchLater(const QString& href, bool later);

    // The lines that follow wait in memory until write(), which puts them in
    // the file in one go (a kill loses the held ones, never half of a line).
    void hold() { holding_ = true; }
    void write();

private:
    void append(const QByteArray& line);
    const Files& files_;
    int fd_ = -1;
    bool started_ = false;
    bool holding_ = false;
    QByteArray held_;
};

// Settles the change `entry` was sending when a sync stopped, given its card on
// the server now (null: gone there). The card there is the one sent (byte for
// byte, or read the same): it landed, and the entry stands as the answer would
// have left it. Otherwise (the server still has the card it replaced, or
// another) the entry stays as it was, so the record's change is still a change
// here and is merged as one. Either way the change is no longer pending.
void settleSent(SyncEntry& entry, const DavCard* there);

// The bytes of a record that a card carries: name to sort keys.
QByteArray syncedBytes(const QByteArray& record);

} // namespace tavrel
