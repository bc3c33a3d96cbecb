#include "store/UndoStore.h"

#include "platform/Errors.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/UndoFiles.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QSet>

namespace tavrel {

namespace {

// "TVLUNDO" and a format version byte (2: each record with its spellings), then the history, then
// the SHA-256 of everything before it, so a cut or damaged file is known as such.
const QByteArray kMagic = QByteArrayLiteral("TVLUNDO");
constexpr char kVersion = 2;
constexpr int kDigestSize = 32;
constexpr int kMaxListFiles = 64;
constexpr int kMaxNameLength = 255;
const QString kNAFileName = QStringLiteral("n&a.mrk");

QDataStream& streamOf(QDataStream& s)
{
    s.setVersion(QDataStream::Qt_6_0);
    s.setByteOrder(QDataStream::LittleEndian);
    return s;
}

void writeSpellings(QDataStream& s, const FieldTexts& spellings)
{
    s << quint32(spellings.size());
    for (const auto& [field, text] : spellings)
        s << quint8(field) << text;
}

bool readSpellings(QDataStream& s, FieldTexts& spellings)
{
    quint32 n = 0;
    s >> n;
    if (n > quint32(kContactFields))
        return false;
    for (quint32 i = 0; i < n && s.status() == QDataStream::Ok; ++i) {
        quint8 field = 0;
        QString text;
        s >> field >> text;
        if (field >= kContactFields || spellings.count(ContactField(field)) ||
            text.size() > 4 * NARecord::Size)
            return false;
        spellings[ContactField(field)] = text;
    }
    return s.status() == QDataStream::Ok;
}

void writeStep(QDataStream& s, const UndoStep& step)
{
    s << quint8(step.kind) << qint32(step.id) << qint32(step.newId) << qint32(step.count)
      << qint64(step.sizeBefore) << qint64(step.sizeAfter) << step.list;
    s << quint32(step.records.size());
    for (const UndoRecord& r : step.records) {
        s << qint32(r.recNo) << r.before << r.after;
        writeSpellings(s, r.spellingsBefore);
        writeSpellings(s, r.spellingsAfter);
    }
    s << quint32(step.files.size());
    for (const UndoFile& f : step.files)
        s << f.name << f.existedBefore << f.before << f.existsAfter << f.after;
}

QByteArray stepBytes(const UndoStep& step)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    writeStep(streamOf(s), step);
    return out;
}

// The newest steps of `steps` that fit `budget` and the count, oldest first.
QByteArray newestSteps(const QVector<UndoStep>& steps, qint64& budget)
{
    QList<QByteArray> kept;
    for (qsizetype i = steps.size() - 1; i >= 0 && kept.size() < kMaxStoredSteps; --i) {
        QByteArray one = stepBytes(steps.at(i));
        if (one.size() > budget)
            break;
        budget -= one.size();
        kept.prepend(std::move(one));
    }
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    streamOf(s) << quint32(kept.size());
    for (const QByteArray& one : kept)
        out += one;
    return out;
}

bool inRange(qint64 v, qint64 low, qint64 high)
{
    return v >= low && v <= high;
}

bool isListKind(UndoKind kind)
{
    return kind == UndoKind::CreateList || kind == UndoKind::ChangeList ||
           kind == UndoKind::DeleteList;
}

bool readRecords(QDataStream& s, UndoStep& step)
{
    quint32 n = 0;
    s >> n;
    if (n > quint32(NAFile::MaxRecords) || (n > 0 && isListKind(step.kind)))
        return false;
    for (quint32 i = 0; i < n && s.status() == QDataStream::Ok; ++i) {
        UndoRecord r;
        qint32 recNo = 0;
        s >> recNo >> r.before >> r.after;
        if (!readSpellings(s, r.spellingsBefore) || !readSpellings(s, r.spellingsAfter))
            return false;
        r.recNo = recNo;
        // Never a record outside IDs 1 to 1700, and each one whole.
        if (!inRange(recNo, 2, NAFile::MaxRecords) || r.before.size() != NARecord::Size ||
            r.after.size() != NARecord::Size)
            return false;
        step.records.append(r);
    }
    return s.status() == QDataStream::Ok;
}

bool fileOk(const UndoFile& f)
{
    return isUndoListFileName(f.name) && f.before.size() <= kMaxUndoFileBytes &&
           f.after.size() <= kMaxUndoFileBytes && (f.existedBefore || f.before.isEmpty()) &&
           (f.existsAfter || f.after.isEmpty());
}

bool readFiles(QDataStream& s, UndoStep& step)
{
    quint32 n = 0;
    s >> n;
    if (n > quint32(kMaxListFiles) || (n > 0 && !isListKind(step.kind)))
        return false;
    for (quint32 i = 0; i < n && s.status() == QDataStream::Ok; ++i) {
        UndoFile f;
        s >> f.name >> f.existedBefore >> f.before >> f.existsAfter >> f.after;
        if (s.status() != QDataStream::Ok || !fileOk(f))
            return false;
        step.files.append(f);
    }
    return s.status() == QDataStream::Ok;
}

bool readStep(QDataStream& s, UndoStep& step)
{
    quint8 kind = 0;
    qint32 id = 0, newId = 0, count = 0;
    qint64 before = 0, after = 0;
    s >> kind >> id >> newId >> count >> before >> after >> step.list;
    const qint64 maxSize = qint64(NAFile::MaxRecords) * NARecord::Size;
    if (s.status() != QDataStream::Ok || kind > quint8(UndoKind::DeleteList) ||
        !inRange(id, 0, kMaxId) || !inRange(newId, 0, kMaxId) || !inRange(count, 0, kMaxId) ||
        !inRange(before, 0, maxSize) || !inRange(after, 0, maxSize) ||
        step.list.size() > kMaxNameLength)
        return false;
    step.kind = UndoKind(kind);
    step.id = id;
    step.newId = newId;
    step.count = count;
    step.sizeBefore = before;
    step.sizeAfter = after;
    return readRecords(s, step) && readFiles(s, step);
}

bool readSteps(QDataStream& s, QVector<UndoStep>& steps)
{
    quint32 n = 0;
    s >> n;
    if (n > quint32(kMaxStoredSteps))
        return false;
    for (quint32 i = 0; i < n; ++i) {
        UndoStep step;
        if (!readStep(s, step))
            return false;
        steps.append(std::move(step));
    }
    return s.status() == QDataStream::Ok;
}

bool readDigests(QDataStream& s, StoredUndoHistory& h)
{
    quint32 n = 0;
    s >> h.naDigest >> n;
    if (h.naDigest.size() != kDigestSize || n > quint32(kMaxListFiles))
        return false;
    for (quint32 i = 0; i < n && s.status() == QDataStream::Ok; ++i) {
        QString name;
        QByteArray digest;
        s >> name >> digest;
        if (!isUndoListFileName(name) || (!digest.isEmpty() && digest.size() != kDigestSize))
            return false;
        h.fileDigests.append({name, digest});
    }
    return s.status() == QDataStream::Ok;
}

// Every list file a step names has its digest in the history.
bool digestsCoverSteps(const StoredUndoHistory& h)
{
    QSet<QString> named;
    for (const auto& d : h.fileDigests)
        named.insert(d.first);
    for (const QVector<UndoStep>* list : {&h.steps, &h.undone}) {
        for (const UndoStep& step : *list) {
            for (const UndoFile& f : step.files) {
                if (!named.contains(f.name))
                    return false;
            }
        }
    }
    return true;
}

QByteArray sha256(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

QByteArray encodeUndoHistory(const StoredUndoHistory& history)
{
    QByteArray payload;
    {
        QDataStream s(&payload, QIODevice::WriteOnly);
        streamOf(s) << history.naDigest << quint32(history.fileDigests.size());
        for (const auto& d : history.fileDigests)
            s << d.first << d.second;
    }
    qint64 budget = kMaxHistoryBytes;
    payload += newestSteps(history.steps, budget);
    payload += newestSteps(history.undone, budget);
    QByteArray out = kMagic + kVersion + payload;
    return out + sha256(out);
}

std::optional<StoredUndoHistory> decodeUndoHistory(const QByteArray& bytes)
{
    const qsizetype head = kMagic.size() + 1;
    if (bytes.size() < head + kDigestSize || !bytes.startsWith(kMagic) ||
        bytes.at(kMagic.size()) != kVersion)
        return std::nullopt;
    const QByteArray body = bytes.left(bytes.size() - kDigestSize);
    if (sha256(body) != bytes.right(kDigestSize))
        return std::nullopt;
    QByteArray payload = body.mid(head);
    QBuffer buffer(&payload);
    buffer.open(QIODevice::ReadOnly);
    QDataStream s(&buffer);
    streamOf(s);
    StoredUndoHistory h;
    if (!readDigests(s, h) || !readSteps(s, h.steps) || !readSteps(s, h.undone) || !s.atEnd() ||
        !digestsCoverSteps(h))
        return std::nullopt;
    return h;
}

QByteArray listFileDigest(const Files& files, const QString& name)
{
    const std::optional<QByteArray> bytes = currentListFile(files, name);
    return bytes ? sha256(*bytes) : QByteArray();
}

namespace {

// The N&A file's digest as it lies on the disk, or empty when it cannot be read.
QByteArray naFileDigest(const Files& files)
{
    QFile f(files.path(kNAFileName));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&f))
        return QByteArray();
    return hash.result();
}

// True when the N&A file and every list file lie as the history last saw them.
bool filesMatch(const Files& files, const StoredUndoHistory& h)
{
    if (naFileDigest(files) != h.naDigest)
        return false;
    try {
        for (const auto& d : h.fileDigests) {
            if (listFileDigest(files, d.first) != d.second)
                return false;
        }
    } catch (const PlatformError&) {
        return false;
    }
    return true;
}

// The history file's bytes, or nothing when there is none or it is too big to be one.
std::optional<QByteArray> readHistoryFile(const Files& files)
{
    QFile f(files.path(kUndoHistoryName));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = f.read(kMaxHistoryBytes + 64 * 1024 + 1);
    if (bytes.size() > kMaxHistoryBytes + 64 * 1024)
        return std::nullopt;
    return bytes;
}

QVector<QPair<QString, QByteArray>> digestsOfLists(const Files& files, const UndoLog& log)
{
    QVector<QPair<QString, QByteArray>> out;
    QSet<QString> seen;
    for (const QVector<UndoStep>* list : {&log.steps(), &log.undone()}) {
        for (const UndoStep& step : *list) {
            for (const UndoFile& f : step.files) {
                if (seen.contains(f.name))
                    continue;
                seen.insert(f.name);
                out.append({f.name, listFileDigest(files, f.name)});
            }
        }
    }
    return out;
}

} // namespace

void loadUndoHistory(Program& p)
{
    p.Undo.setKept(true);
    if (!p.files.exists(kUndoHistoryName))
        return;
    const std::optional<QByteArray> bytes = readHistoryFile(p.files);
    const std::optional<StoredUndoHistory> h = bytes ? decodeUndoHistory(*bytes) : std::nullopt;
    if (h && filesMatch(p.files, *h)) {
        p.Undo.restore(h->steps, h->undone);
        return;
    }
    // Damaged, or the files were changed by something else since: those steps
    // could now take back more than they made.
    p.files.removeIfPlainFile(kUndoHistoryName);
}

void saveUndoHistory(Program& p)
{
    if (!p.Undo.kept())
        return;
    if (p.Undo.empty() && p.Undo.redoEmpty()) {
        p.files.removeIfPlainFile(kUndoHistoryName);
        return;
    }
    try {
        StoredUndoHistory h;
        h.naDigest = naFileDigest(p.files);
        h.fileDigests = digestsOfLists(p.files, p.Undo);
        h.steps = p.Undo.steps();
        h.undone = p.Undo.undone();
        p.files.replaceFile(kUndoHistoryName, encodeUndoHistory(h));
        QFile::setPermissions(p.files.path(kUndoHistoryName),
                              QFile::permissions(p.files.path(kNAFileName)));
    } catch (const PlatformError&) {
        // A stale history must not come back at the next start.
        p.files.removeIfPlainFile(kUndoHistoryName);
    }
}

} // namespace tavrel
