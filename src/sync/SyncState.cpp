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

// The state and its journal lines are written straight as JSON text, in the
// form QJsonDocument reads: building a document per line cost more than the
// rest of the line's work.
void putJsonString(QByteArray& out, QStringView text)
{
    static constexpr char hex[] = "0123456789abcdef";
    out += '"';
    const QByteArray bytes = text.toUtf8();
    qsizetype plain = 0; // the start of the run not yet copied
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar c = uchar(bytes[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(bytes.constData() + plain, i - plain);
        plain = i + 1;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else {
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        }
    }
    out.append(bytes.constData() + plain, bytes.size() - plain);
    out += '"';
}

// `,"name":` (without the comma at the start of an object).
void putJsonKey(QByteArray& out, const char* name)
{
    if (!out.endsWith('{'))
        out += ',';
    out += '"';
    out += name;
    out += "\":";
}

void putField(QByteArray& out, const char* name, QStringView text)
{
    putJsonKey(out, name);
    putJsonString(out, text);
}

void putBase64(QByteArray& out, const char* name, const QByteArray& bytes)
{
    putJsonKey(out, name);
    out += '"';
    out += bytes.toBase64();
    out += '"';
}

// A small card goes inline, in the line or the state that names it; a larger
// one goes to its file first, and is named by its digest (added to `named`).
void putCard(QByteArray& out, const Files& files, const QByteArray& card, QSet<QString>* named)
{
    if (card.size() <= kInlineCardBytes) {
        putBase64(out, "card", card);
        return;
    }
    const QString digest = storeCard(files, card);
    putField(out, "cardFile", digest);
    if (named)
        named->insert(digest);
}

// The fields of a change on its way, inside an object already open.
void putSending(QByteArray& out, const Files& files, const SyncSending& s, QSet<QString>* named)
{
    putBase64(out, "base", s.base);
    putField(out, "over", s.over);
    putCard(out, files, s.card, named);
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
void putEntry(QByteArray& out, const Files& files, const SyncEntry& e, QSet<QString>* named)
{
    out += '{';
    putJsonKey(out, "id");
    out += QByteArray::number(e.id);
    putField(out, "href", e.href);
    putField(out, "uid", e.uid);
    putField(out, "etag", e.etag);
    putBase64(out, "base", e.base);
    putCard(out, files, e.card, named);
    if (e.sending) {
        putJsonKey(out, "sending");
        out += '{';
        putSending(out, files, *e.sending, named);
        out += '}';
    }
    out += '}';
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
    QSet<QString> cards; // the card files the state names
    QByteArray out;
    out.reserve(1024 + state.entries.size() * 2048);
    out += "{\"version\":2";
    putField(out, "server", state.server);
    putField(out, "user", state.user);
    putField(out, "proxy", state.proxy);
    putField(out, "certificatePin", state.certificatePin);
    putField(out, "book", state.book.toString());
    putField(out, "token", state.token);
    putJsonKey(out, "entries");
    out += '[';
    for (const SyncEntry& e : state.entries) {
        if (out.back() != '[')
            out += ',';
        putEntry(out, files, e, &cards);
    }
    out += ']';
    putJsonKey(out, "toFetch");
    out += '[';
    for (const QString& href : state.toFetch) {
        if (out.back() != '[')
            out += ',';
        putJsonString(out, href);
    }
    out += ']';
    putJsonKey(out, "atStartAndExit");
    out += state.syncAtStartAndExit ? "true" : "false";
    out += '}';
    if (!cards.isEmpty())
        flushCards(files); // on the disk before the state that names them
    files.replaceFile(kSyncStateName, out);
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
    QByteArray line = "{\"op\":\"set\",\"entry\":";
    putEntry(line, files_, entry, nullptr);
    line += '}';
    append(line);
}

void SyncJournal::sending(const QString& href, const SyncSending& change)
{
    QByteArray line = "{\"op\":\"send\"";
    putField(line, "href", href);
    putSending(line, files_, change, nullptr);
    line += '}';
    append(line);
}

void SyncJournal::drop(const QString& href)
{
    QByteArray line = "{\"op\":\"drop\"";
    putField(line, "href", href);
    line += '}';
    append(line);
}

void SyncJournal::confirm(const QString& href, const QString& etag)
{
    QByteArray line = "{\"op\":\"etag\"";
    putField(line, "href", href);
    putField(line, "etag", etag);
    line += '}';
    append(line);
}

void SyncJournal::fetchLater(const QString& href, bool later)
{
    QByteArray line = "{\"op\":\"later\"";
    putField(line, "href", href);
    putJsonKey(line, "later");
    line += later ? "true" : "false";
    line += '}';
    append(line);
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
