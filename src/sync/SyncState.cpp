#include "sync/SyncState.h"

#include "platform/Errors.h"
#include "sync/CardMapping.h"
#include "sync/SyncCards.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

namespace {

// The record's fields from Name (offset 6) to the end of sort key 2 (offset 478).
constexpr int kSyncedFrom = 6;
constexpr int kSyncedTo = 478;

QString base64(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

QByteArray fromBase64(const QJsonValue& v)
{
    return QByteArray::fromBase64(v.toString().toLatin1());
}

// A card by the digest of its file, or inline (a small card, or any card of a
// state from before the card files); nullopt when its file is missing or damaged.
std::optional<QByteArray> cardOf(const Files& files, const QJsonObject& o)
{
    const QJsonValue byDigest = o.value(QStringLiteral("cardFile"));
    if (byDigest.isString())
        return loadCard(files, byDigest.toString());
    return fromBase64(o.value(QStringLiteral("card")));
}

// A small card goes inline, in the line or the state that names it; a larger
// one goes to its file first, and is named by its digest.
void putCard(const Files& files, const QByteArray& card, QJsonObject& o)
{
    if (card.size() <= kInlineCardBytes)
        o.insert(QStringLiteral("card"), base64(card));
    else
        o.insert(QStringLiteral("cardFile"), storeCard(files, card));
}

QJsonObject sendingToJson(const Files& files, const SyncSending& s)
{
    QJsonObject o{{QStringLiteral("base"), base64(s.base)}, {QStringLiteral("over"), s.over}};
    putCard(files, s.card, o);
    return o;
}

std::optional<SyncSending> sendingFromJson(const Files& files, const QJsonObject& o)
{
    SyncSending s;
    s.base = fromBase64(o.value(QStringLiteral("base")));
    s.over = o.value(QStringLiteral("over")).toString();
    // A sent card that cannot be read is told apart by its ETag alone.
    s.card = cardOf(files, o).value_or(QByteArray());
    if (s.base.size() < 574) // the record, and the spellings it carries
        return std::nullopt;
    return s;
}

// Each card goes to its file, or inline, before the line that names it is written.
QJsonObject toJson(const Files& files, const SyncEntry& e)
{
    QJsonObject o{{QStringLiteral("id"), e.id},
                  {QStringLiteral("href"), e.href},
                  {QStringLiteral("uid"), e.uid},
                  {QStringLiteral("etag"), e.etag},
                  {QStringLiteral("base"), base64(e.base)}};
    putCard(files, e.card, o);
    if (e.sending)
        o.insert(QStringLiteral("sending"), sendingToJson(files, *e.sending));
    return o;
}

bool fromJson(const Files& files, const QJsonObject& o, SyncEntry& e)
{
    e.id = o.value(QStringLiteral("id")).toInt();
    e.href = o.value(QStringLiteral("href")).toString();
    e.uid = o.value(QStringLiteral("uid")).toString();
    e.etag = o.value(QStringLiteral("etag")).toString();
    e.base = fromBase64(o.value(QStringLiteral("base")));
    if (const std::optional<QByteArray> card = cardOf(files, o)) {
        e.card = *card;
    } else {
        // Unknown: the card is fetched again and merged against the record as
        // last synced, which is what it read as then.
        e.card = e.base.size() >= 574 ? cardFromRecord(e.base, e.uid) : QByteArray();
        e.etag.clear();
    }
    if (const QJsonValue s = o.value(QStringLiteral("sending")); s.isObject())
        e.sending = sendingFromJson(files, s.toObject());
    return !e.href.isEmpty() && e.id >= 0 && e.id <= 1700 &&
           (e.base.isEmpty() || e.base.size() >= 574);
}

void applyJournalLine(const Files& files, SyncState& state, const QJsonObject& o)
{
    const QString op = o.value(QStringLiteral("op")).toString();
    if (op == QLatin1String("set")) {
        SyncEntry e;
        if (!fromJson(files, o.value(QStringLiteral("entry")).toObject(), e))
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
    } else if (op == QLatin1String("send")) {
        if (SyncEntry* e = state.byHref(o.value(QStringLiteral("href")).toString()))
            e->sending = sendingFromJson(files, o);
    }
}

} // namespace

QByteArray syncedBytes(const QByteArray& record)
{
    // With the person's own spellings the record carries after its 574 bytes.
    return record.mid(kSyncedFrom, kSyncedTo - kSyncedFrom) + record.mid(574);
}

QByteArray SyncEntry::digest() const
{
    return QCryptographicHash::hash(syncedBytes(base), QCryptographicHash::Sha1);
}

void settleSent(SyncEntry& entry, const DavCard* there)
{
    if (!entry.sending)
        return;
    const SyncSending sent = *std::exchange(entry.sending, std::nullopt);
    if (!there || there->etag == sent.over)
        return;
    const bool same = there->data == sent.card ||
                      (!sent.card.isEmpty() && syncedBytes(recordFromCard(there->data)) ==
                                                   syncedBytes(recordFromCard(sent.card)));
    if (!same)
        return;
    entry.card = there->data;
    entry.etag = there->etag;
    entry.base = sent.base;
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
        const int version = o.value(QStringLiteral("version")).toInt();
        if (parseError.error != QJsonParseError::NoError || version < 1 || version > 2) {
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
            if (fromJson(files, v.toObject(), e))
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
                applyJournalLine(files, state, doc.object());
        }
    }
    return state;
}

void saveSyncState(const Files& files, const SyncState& state)
{
    QJsonArray entries;
    QSet<QString> cards;
    const auto named = [&cards](const QJsonValue& digest) {
        if (digest.isString())
            cards.insert(digest.toString());
    };
    for (const SyncEntry& e : state.entries) {
        const QJsonObject o = toJson(files, e);
        named(o.value(QStringLiteral("cardFile")));
        if (e.sending)
            named(o.value(QStringLiteral("sending"))[QStringLiteral("cardFile")]);
        entries.append(o);
    }
    const QJsonObject o{{QStringLiteral("version"), 2},
                        {QStringLiteral("server"), state.server},
                        {QStringLiteral("user"), state.user},
                        {QStringLiteral("proxy"), state.proxy},
                        {QStringLiteral("certificatePin"), state.certificatePin},
                        {QStringLiteral("book"), state.book.toString()},
                        {QStringLiteral("token"), state.token},
                        {QStringLiteral("entries"), entries},
                        {QStringLiteral("toFetch"), QJsonArray::fromStringList(state.toFetch)},
                        {QStringLiteral("atStartAndExit"), state.syncAtStartAndExit}};
    if (!cards.isEmpty())
        flushCards(files); // on the disk before the state that names them
    files.replaceFile(kSyncStateName, QJsonDocument(o).toJson(QJsonDocument::Compact));
    files.removeIfPlainFile(kSyncJournalName);
    removeUnusedCards(files, cards);
}

SyncJournal::~SyncJournal()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void SyncJournal::set(const SyncEntry& entry)
{
    append(QJsonDocument(QJsonObject{{QStringLiteral("op"), QStringLiteral("set")},
                                     {QStringLiteral("entry"), toJson(files_, entry)}})
               .toJson(QJsonDocument::Compact));
}

void SyncJournal::sending(const QString& href, const SyncSending& change)
{
    QJsonObject o = sendingToJson(files_, change);
    o.insert(QStringLiteral("op"), QStringLiteral("send"));
    o.insert(QStringLiteral("href"), href);
    append(QJsonDocument(o).toJson(QJsonDocument::Compact));
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
        // A link planted under the journal's name is refused, never followed,
        // and so is a file with a second name elsewhere (a hard link).
        fd_ = ::open(QFile::encodeName(files_.path(kSyncJournalName)).constData(),
                     O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        struct stat st {};
        if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || st.st_nlink != 1)) {
            ::close(fd_);
            fd_ = -1;
            errno = ELOOP;
        }
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
