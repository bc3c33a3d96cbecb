#include "sync/SyncState.h"

#include "platform/Errors.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tavrel {

namespace {

// The record's fields from Name (offset 6) to the end of sort key 2 (offset 478).
constexpr int kSyncedFrom = 6;
constexpr int kSyncedTo = 478;

QJsonObject toJson(const SyncEntry& e)
{
    return {{QStringLiteral("id"), e.id},
            {QStringLiteral("href"), e.href},
            {QStringLiteral("uid"), e.uid},
            {QStringLiteral("etag"), e.etag},
            {QStringLiteral("card"), QString::fromLatin1(e.card.toBase64())},
            {QStringLiteral("base"), QString::fromLatin1(e.base.toBase64())}};
}

bool fromJson(const QJsonObject& o, SyncEntry& e)
{
    e.id = o.value(QStringLiteral("id")).toInt();
    e.href = o.value(QStringLiteral("href")).toString();
    e.uid = o.value(QStringLiteral("uid")).toString();
    e.etag = o.value(QStringLiteral("etag")).toString();
    e.card = QByteArray::fromBase64(o.value(QStringLiteral("card")).toString().toLatin1());
    e.base = QByteArray::fromBase64(o.value(QStringLiteral("base")).toString().toLatin1());
    return !e.href.isEmpty() && e.id >= 0 && e.id <= 1700 &&
           (e.base.isEmpty() || e.base.size() == 574);
}

void applyJournalLine(SyncState& state, const QJsonObject& o)
{
    const QString op = o.value(QStringLiteral("op")).toString();
    if (op == QLatin1String("set")) {
        SyncEntry e;
        if (!fromJson(o.value(QStringLiteral("entry")).toObject(), e))
            return;
        if (SyncEntry* old = state.byHref(e.href))
            *old = e;
        else
            state.entries << e;
    } else if (op == QLatin1String("etag")) {
        if (SyncEntry* e = state.byHref(o.value(QStringLiteral("href")).toString()))
            e->etag = o.value(QStringLiteral("etag")).toString();
    } else if (op == QLatin1String("drop")) {
        const QString href = o.value(QStringLiteral("href")).toString();
        state.entries.removeIf([&href](const SyncEntry& e) { return e.href == href; });
    } else if (op == QLatin1String("later")) {
        const QString href = o.value(QStringLiteral("href")).toString();
        state.toFetch.removeAll(href);
        if (o.value(QStringLiteral("later")).toBool() && !href.isEmpty())
            state.toFetch << href;
    }
}

} // namespace

QByteArray syncedBytes(const QByteArray& record)
{
    return record.mid(kSyncedFrom, kSyncedTo - kSyncedFrom);
}

QByteArray SyncEntry::digest() const
{
    return QCryptographicHash::hash(syncedBytes(base), QCryptographicHash::Sha1);
}

SyncEntry* SyncState::byHref(const QString& href)
{
    for (SyncEntry& e : entries)
        if (e.href == href)
            return &e;
    return nullptr;
}

std::optional<SyncState> loadSyncState(const Files& files, QString* error)
{
    SyncState state;
    if (files.exists(kSyncStateName)) {
        QJsonParseError parseError;
        const QJsonDocument doc =
            QJsonDocument::fromJson(files.readAll(kSyncStateName), &parseError);
        const QJsonObject o = doc.object();
        if (parseError.error != QJsonParseError::NoError || o.value("version").toInt() != 1) {
            if (error)
                *error = QStringLiteral("The sync state file %1 cannot be read. Nothing was "
                                        "synced; remove the file to start over with a first sync.")
                             .arg(kSyncStateName);
            return std::nullopt;
        }
        state.server = o.value(QStringLiteral("server")).toString();
        state.user = o.value(QStringLiteral("user")).toString();
        state.proxy = o.value(QStringLiteral("proxy")).toString();
        state.certificatePin = o.value(QStringLiteral("certificatePin")).toString();
        state.book = QUrl(o.value(QStringLiteral("book")).toString());
        state.token = o.value(QStringLiteral("token")).toString();
        state.syncAtStartAndExit = o.value(QStringLiteral("atStartAndExit")).toBool();
        for (const QJsonValue v : o.value(QStringLiteral("entries")).toArray()) {
            SyncEntry e;
            if (fromJson(v.toObject(), e))
                state.entries << e;
        }
        for (const QJsonValue v : o.value(QStringLiteral("toFetch")).toArray())
            if (!v.toString().isEmpty() && !state.toFetch.contains(v.toString()))
                state.toFetch << v.toString();
    }
    if (files.exists(kSyncJournalName)) {
        // A line a kill cut short reads as no object and is passed over.
        for (const QByteArray& line : files.readAll(kSyncJournalName).split('\n')) {
            const QJsonDocument doc = QJsonDocument::fromJson(line);
            if (doc.isObject())
                applyJournalLine(state, doc.object());
        }
    }
    return state;
}

void saveSyncState(const Files& files, const SyncState& state)
{
    QJsonArray entries;
    for (const SyncEntry& e : state.entries)
        entries.append(toJson(e));
    const QJsonObject o{{QStringLiteral("version"), 1},
                        {QStringLiteral("server"), state.server},
                        {QStringLiteral("user"), state.user},
                        {QStringLiteral("proxy"), state.proxy},
                        {QStringLiteral("certificatePin"), state.certificatePin},
                        {QStringLiteral("book"), state.book.toString()},
                        {QStringLiteral("token"), state.token},
                        {QStringLiteral("entries"), entries},
                        {QStringLiteral("toFetch"), QJsonArray::fromStringList(state.toFetch)},
                        {QStringLiteral("atStartAndExit"), state.syncAtStartAndExit}};
    files.replaceFile(kSyncStateName, QJsonDocument(o).toJson(QJsonDocument::Compact));
    files.removeIfPlainFile(kSyncJournalName);
}

SyncJournal::~SyncJournal()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void SyncJournal::set(const SyncEntry& entry)
{
    append(QJsonDocument(QJsonObject{{QStringLiteral("op"), QStringLiteral("set")},
                                     {QStringLiteral("entry"), toJson(entry)}})
               .toJson(QJsonDocument::Compact));
}

void SyncJournal::drop(const QString& href)
{
    append(QJsonDocument(QJsonObject{{QStringLiteral("op"), QStringLiteral("drop")},
                                     {QStringLiteral("href"), href}})
               .toJson(QJsonDocument::Compact));
}

void SyncJournal::confirm(const QString& href, const QString& etag)
{
    append(QJsonDocument(QJsonObject{{QStringLiteral("op"), QStringLiteral("etag")},
                                     {QStringLiteral("href"), href},
                                     {QStringLiteral("etag"), etag}})
               .toJson(QJsonDocument::Compact));
}

void SyncJournal::fetchLater(const QString& href, bool later)
{
    append(QJsonDocument(QJsonObject{{QStringLiteral("op"), QStringLiteral("later")},
                                     {QStringLiteral("href"), href},
                                     {QStringLiteral("later"), later}})
               .toJson(QJsonDocument::Compact));
}

void SyncJournal::append(const QByteArray& line)
{
    // The first line of a run starts with a line break, which closes a line
    // a kill cut short.
    if (!started_)
        held_ += '\n';
    started_ = true;
    held_ += line;
    held_ += '\n';
    if (!holding_)
        write();
}

void SyncJournal::write()
{
    holding_ = false;
    if (held_.isEmpty())
        return;
    if (fd_ < 0) {
        // A link planted under the journal's name is refused, never followed.
        fd_ = ::open(QFile::encodeName(files_.path(kSyncJournalName)).constData(),
                     O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd_ < 0)
            throw PlatformError(errnoToNumber(errno), kSyncJournalName, errno);
    }
    // One write for what is held: a kill leaves whole lines and at most one
    // cut short.
    const QByteArray bytes = std::exchange(held_, {});
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw PlatformError(errnoToNumber(n == 0 ? ENOSPC : errno), kSyncJournalName, errno);
        done += n;
    }
}

} // namespace tavrel
