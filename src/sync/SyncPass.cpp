#include "sync/SyncPass.h"

#include "store/Program.h"
#include "store/RecordAccess.h"
#include "sync/SyncLog.h"
#include "sync/SyncPassSteps.h"

namespace tavrel {

namespace syncpass {

Pass::Pass(Program& p, CardDavClient& client, const SyncOptions& options, SyncState state)
    : p(p), client(client), options(options), st(std::move(state)), journal(p.files)
{
}

SyncReport Pass::run()
{
    first = st.entries.isEmpty() && st.token.isEmpty();
    dirty = p.files.exists(kSyncJournalName); // a killed sync's steps go into the state
    bookPath = st.book.path(QUrl::FullyEncoded);
    if (!bookPath.endsWith('/'))
        bookPath += '/';
    readRecords();
    associate();
    if (listAndFetch()) {
        settleSending();
        plan();
        if (guardAndCopy()) {
            for (const SyncEntry& e : std::as_const(st.entries))
                beforeApply.insert(e.href, e.etag);
            apply();
            const QString token = stopped || hold ? st.token : tokenToKeep();
            if (st.token != token) {
                st.token = token;
                dirty = true;
            }
        }
    }
    // A sync that found nothing to do leaves the files as they are.
    if (!dirty && report.ok() && log.isEmpty())
        return report;
    if (dirty) {
        // The state goes down whole even after a failure: what was done stays done.
        st.entries.removeIf([](const SyncEntry& e) { return e.href.isEmpty(); });
        saveSyncState(p.files, st);
        findLowestFreeId(p);
    }
    writeLog();
    return report;
}

void Pass::fetchLater(const QString& href, bool later)
{
    if (href.isEmpty() || st.toFetch.contains(href) == later)
        return;
    st.toFetch.removeAll(href);
    if (later)
        st.toFetch << href;
    journal.fetchLater(href, later);
    dirty = true;
}

bool Pass::stop(const DavResult& r)
{
    if (r.ok())
        return true;
    report.result = r;
    stopped = true;
    return false;
}

void Pass::writeLog()
{
    QByteArray old;
    if (p.files.exists(kSyncLogName))
        old = p.files.readAll(kSyncLogName);
    QStringList section{
        QStringLiteral("Sync of %1 with %2")
            .arg(shownDateTime(p.clock.now(), QStringLiteral("yyyy-MM-dd hh:mm:ss")),
                 st.book.toString(QUrl::RemoveUserInfo)),
        report.summary()};
    section += log;
    p.files.replaceFile(kSyncLogName, appendLogSection(old, section, kMaxLogBytes));
}

} // namespace syncpass

QString SyncReport::summary() const
{
    if (!problem.isEmpty())
        return problem;
    if (!result.ok())
        return QStringLiteral("Sync stopped: %1").arg(result.message);
    QString s = QStringLiteral("Synced: here %1 added, %2 changed, %3 deleted; on the server %4 "
                               "added, %5 changed, %6 deleted; %7 conflicts.")
                    .arg(addedHere)
                    .arg(changedHere)
                    .arg(deletedHere)
                    .arg(addedThere)
                    .arg(changedThere)
                    .arg(deletedThere)
                    .arg(conflicts);
    if (deletionsHeld)
        s += QStringLiteral(" %1 deletions held back until confirmed.").arg(deletionsHeld);
    if (!notStored.isEmpty())
        s += QStringLiteral(" %1 cards not stored: the N&A file is full.").arg(notStored.size());
    return s;
}

SyncReport runSync(Program& p, CardDavClient& client, const SyncOptions& options)
{
    QString error;
    std::optional<SyncState> state = loadSyncState(p.files, &error);
    if (!state) {
        SyncReport r;
        r.problem = error;
        return r;
    }
    if (!state->configured()) {
        SyncReport r;
        r.problem = QStringLiteral("No address book is set up for sync.");
        return r;
    }
    return syncpass::Pass(p, client, options, std::move(*state)).run();
}

} // namespace tavrel
