#include "upkeep/Compaction.h"

#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/Undo.h"
#include "upkeep/DiskSpace.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>
#include <array>
#include <cerrno>
#include <memory>

namespace tavrel {

namespace {

// Offsets of the fields compaction reads and changes, straight in the record bytes.
constexpr int kRecIdOffset = 4;
constexpr std::array<int, 5> kLinkOffsets{478, 500, 522, 544, 566}; // LinkId1..4, BackLinkId

const QString LF = QStringLiteral("\n");

qint16 int16At(const QByteArray& bytes, int offset)
{
    return qFromLittleEndian<qint16>(bytes.constData() + offset);
}

void setInt16At(QByteArray& bytes, int offset, qint16 value)
{
    qToLittleEndian<qint16>(value, bytes.data() + offset);
}

bool activeBytes(const QByteArray& bytes, int id)
{
    return bytes.startsWith("CRVN") && int16At(bytes, kRecIdOffset) == id;
}

// The header a just-compacted file starts with: the current preferences and
// established date, the new LastRecNo, the time of writing, and its own label.
NARecord compactedHeader(const Program& p, int lastRecNo)
{
    NARecord r = NARecord::blank();
    fillHeaderFields(r, p, lastRecNo, QStringLiteral("Corvane - TVL For Windows"));
    return r;
}

// Opens the finished temporary file as the program's N&A file handle. It is
// opened before the rename, so once the rename is done nothing can fail.
std::unique_ptr<QFile> openForUse(const QString& path)
{
    auto f = std::make_unique<QFile>(path);
    errno = 0;
    if (!f->open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        const int e = errno;
        throw PlatformError(e ? errnoToNumber(e) : ErrNo::PathFileAccess, path, e);
    }
    return f;
}

// The spellings follow their records to their new IDs and bytes; the
// entries of records left out go. Saved once, after the N&A file is in
// place: a stop in between leaves the old file, whose entries no longer
// match the renumbered records' bytes and so count for none of them.
void keepSpellings(Program& p, const QByteArray& kept,
                   const QVector<QPair<int, FieldTexts>>& spelled)
{
    p.Spellings.clear();
    for (const auto& [id, originals] : spelled)
        p.Spellings.keep(id, kept.mid(qsizetype(id - 1) * NARecord::Size, NARecord::Size),
                         originals);
    saveSpellings(p);
}

} // namespace

CompactionError::CompactionError(int number, int r, bool naFileUnchanged)
    : std::runtime_error("compaction failed"), number_(number), r_(r),
      naFileUnchanged_(naFileUnchanged)
{
}

CompactionResult compactNAFile(Program& p, FileReplacement& out)
{
    const int lastRecNo = qBound(1, int(p.LastRecNo), NAFile::MaxRecords);
    CompactionResult result;
    int r = 0;
    bool committed = false;
    try {
        out.create();
        r = 2;
        // New ID of each old ID; IDs of records that are not active keep their number.
        std::array<qint16, kMaxId + 1> idMap{};
        for (int id = 0; id <= kMaxId; ++id)
            idMap[id] = qint16(id);

        // First sweep: the active records in ID order, each given its new ID.
        QByteArray kept;
        // The spellings of the records kept, by new ID, for their new bytes.
        QVector<QPair<int, FieldTexts>> spelled;
        kept.reserve(qsizetype(lastRecNo) * NARecord::Size);
        for (int k = 2; k <= lastRecNo; ++k) {
            QByteArray rec = p.naFile.read(k);
            if (!activeBytes(rec, k - 1))
                continue;
            const FieldTexts originals = p.Spellings.originalsFor(k - 1, rec);
            if (!originals.empty())
                spelled.append({r - 1, originals});
            setInt16At(rec, kRecIdOffset, qint16(r - 1));
            idMap[k - 1] = qint16(r - 1);
            kept.append(rec);
            if (k != r && result.firstChanged < 0)
                result.firstChanged = r - 2;
            ++r;
        }
        result.active = r - 2;
        const int newLastRecNo = r - 1;

        // Each record goes to the new file once, its links already renumbered,
        // so the file that takes the N&A file's name is final.
        for (int recNo = 2; recNo <= newLastRecNo; ++recNo) {
            r = recNo;
            QByteArray rec = kept.mid(qsizetype(recNo - 2) * NARecord::Size, NARecord::Size);
            for (int offset : kLinkOffsets) {
                const qint16 link = int16At(rec, offset);
                if (link == 0)
                    continue;
                if (link < 1 || link > kMaxId)
                    throw PlatformError(kLinkOutOfRange, QStringLiteral("link out of range"));
                setInt16At(rec, offset, idMap[link]);
            }
            out.write(qint64(recNo - 1) * NARecord::Size, rec);
            // The renumbered links are part of the bytes the spellings are kept for.
            kept.replace(qsizetype(recNo - 2) * NARecord::Size, NARecord::Size, rec);
        }
        r = newLastRecNo + 1;
        const NARecord header = compactedHeader(p, newLastRecNo);
        out.write(0, header.toBytes());
        out.flush();

        std::unique_ptr<QFile> handle = openForUse(out.tempPath());
        out.commit();
        committed = true;
        endUndoHistory(p, BulkChange::Compaction);
        p.naFile.close();
        p.naFile.attach(std::move(handle));
        p.LastRecNo = qint16(newLastRecNo);
        p.LowestFreeId = qint16(newLastRecNo);
        p.CurRec = header;
        keepSpellings(p, kept, spelled);
        return result;
    } catch (const PlatformError& e) {
        out.discard();
        throw CompactionError(e.number(), r, !committed);
    }
}

QString compactionReport(const CompactionResult& result)
{
    QString note;
    if (result.firstChanged >= 0)
        note = QCoreApplication::translate("tavrel::Compaction", "Note: ID Numbers Above ") +
               numText(result.firstChanged) +
               QCoreApplication::translate(
                   "tavrel::Compaction",
                   " Have Changed Due To Compaction.  Affected Reports Should Be "
                   "Reprinted. Mailing Lists May Need To Be Regenerated.");
    return QCoreApplication::translate("tavrel::Compaction",
                                       "Compaction Complete.  The N&A File Now Has ") +
           numText(result.active) +
           QCoreApplication::translate("tavrel::Compaction", " Active Records.") + LF + LF +
           QCoreApplication::translate("tavrel::Compaction",
                                       "Remember To Do Periodic Backups Of This File.") +
           LF + LF + note;
}

QString compactionErrorText(const CompactionError& e)
{
    const QString cause = e.number() == kLinkOutOfRange
                              ? QCoreApplication::translate(
                                    "tavrel::Compaction",
                                    "A QuickLink In The N&A File Names An ID Outside 1 To 1700.")
                              : errorInWords(e.number());
    return QCoreApplication::translate("tavrel::Compaction", "Error = ") + numText(e.number()) +
           QCoreApplication::translate("tavrel::Compaction", " In CompactForm. r = ") +
           numText(e.r()) +
           QCoreApplication::translate("tavrel::Compaction", ".  Notify Programmer.") + LF + LF +
           cause +
           (e.naFileUnchanged()
                ? QCoreApplication::translate("tavrel::Compaction", "  The N&A File Is Unchanged.")
                : QString());
}

bool roomToCompact(qint64 freeBytes, qint64 fileLength, qint64 copyBytes)
{
    return freeBytes >= fileLength + 1000 + copyBytes;
}

QString spaceRefusalText(qint64 freeBytes, qint64 fileLength, qint64 copyBytes)
{
    const QString why =
        copyBytes > 0 ? QCoreApplication::translate(
                            "tavrel::Compaction",
                            "The Disk Is Too Full: Room Is Needed For The Compacted File And "
                            "For The Backup Copy Taken Before It (") +
                            formatGrouped(copyBytes, true) +
                            QCoreApplication::translate("tavrel::Compaction", " Bytes).")
                      : QCoreApplication::translate("tavrel::Compaction",
                                                    "The Disk Is Too Full For The Compacted File.");
    return QCoreApplication::translate("tavrel::Compaction",
                                       "Space Available On Your Hard Drive:  ") +
           formatGrouped(freeBytes / 1024, true) +
           QCoreApplication::translate("tavrel::Compaction", " KBytes") +
           QCoreApplication::translate("tavrel::Compaction",
                                       ". Compacting The N&A File Requires ") +
           formatGrouped(fileLength + copyBytes, false) +
           QCoreApplication::translate("tavrel::Compaction",
                                       " Bytes Of Free Disk Space.  Cannot Perform Compaction.") +
           LF + LF + why +
           QCoreApplication::translate("tavrel::Compaction", "  Nothing Was Changed.");
}

} // namespace tavrel
