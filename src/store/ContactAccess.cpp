#include "store/ContactAccess.h"

#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/OriginalSpellings.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>

#include <exception>

namespace tavrel {

namespace {

const QString kNAFile = QStringLiteral("n&a.mrk");

} // namespace

Contact contactOf(const Program& p, int id, const NARecord& record, const ContactFields& fields)
{
    return decodeContact(record, originalsOf(p, id, record), fields);
}

FieldTexts originalsOf(const Program& p, int id, const NARecord& record)
{
    // Most records have no entry: they need not be encoded to be compared.
    if (!p.Spellings.contains(id))
        return {};
    return p.Spellings.originalsFor(id, record.toBytes());
}

void putContact(Program& p, int recNo, const Contact& contact)
{
    const EncodedContact encoded = encodeContact(contact);
    const QByteArray bytes = encoded.record.toBytes();
    {
        // The write re-keys or forgets the old entry; the new one replaces it
        // and one save follows.
        SpellingsBatch batch(p);
        putRecordBytes(p, recNo, bytes);
        if (recNo >= 2)
            p.Spellings.keep(recNo - 1, bytes, encoded.originals);
    }
}

bool originalsMatch(const FieldTexts& originals, const NARecord& record)
{
    Contact held = decodeContact(record);
    for (const auto& [field, text] : originals) {
        QString reduced = reduceToCp1252(text);
        reduced.truncate(contactFieldWidth(field));
        if (trimRight(reduced) != held.text(field))
            return false;
    }
    return true;
}

void followRecordWrite(Program& p, int recNo, const QByteArray& before, const QByteArray& after)
{
    const int id = recNo - 1;
    if (recNo < 2 || !p.Spellings.contains(id))
        return;
    const FieldTexts originals = p.Spellings.originalsFor(id, before);
    if (!originals.empty() && originalsMatch(originals, NARecord::fromBytes(after)))
        p.Spellings.keep(id, after, originals);
    else
        p.Spellings.forget(id);
    saveSpellings(p);
}

void loadSpellings(Program& p)
{
    OriginalSpellings::Loaded loaded = OriginalSpellings::Loaded::Damaged;
    try {
        loaded = p.Spellings.load(p.files);
    } catch (const PlatformError&) {
        p.Spellings = OriginalSpellings();
    }
    if (loaded == OriginalSpellings::Loaded::Read)
        dropStaleSpellings(p);
    if (loaded != OriginalSpellings::Loaded::Damaged)
        return;
    p.ui.messageBox(QCoreApplication::translate("tavrel::ContactAccess",
                                                "The original spellings file could not be read; "
                                                "names show as the N&A file holds them."),
                    kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
}

void dropStaleSpellings(Program& p)
{
    if (p.Spellings.size() == 0 || !p.naFile.isOpen())
        return;
    try {
        const int records = qMin(p.naFile.recordCount(), NAFile::MaxRecords);
        const QByteArray all = records >= 2 ? p.naFile.readBlock(2, records - 1) : QByteArray();
        p.Spellings.dropStale([&](int id) {
            const qsizetype at = qsizetype(id - 1) * NARecord::Size;
            if (id < 1 || at + NARecord::Size > all.size())
                return QByteArray();
            return all.mid(at, NARecord::Size);
        });
    } catch (const PlatformError&) {
        // Unread, the entries still count only for records with their bytes.
    }
}

namespace {

// Past this many entries to check, one read of the whole file beats a read
// of each record.
constexpr qsizetype kCheckRecordByRecord = 64;

// Entries kept or moved since the last save may name bytes the record no
// longer has; every other entry was checked at the open and followed each
// write since.
void dropStaleTouched(Program& p)
{
    if (p.Spellings.size() == 0 || !p.naFile.isOpen())
        return;
    if (p.Spellings.touchedCount() > kCheckRecordByRecord) {
        dropStaleSpellings(p);
        return;
    }
    p.Spellings.dropStaleTouched([&](int id) {
        if (id < 1 || id + 1 > qMin(p.naFile.recordCount(), NAFile::MaxRecords))
            return QByteArray();
        return p.naFile.read(id + 1);
    });
}

} // namespace

void saveSpellings(Program& p)
{
    if (!p.Spellings.changed() || p.Spellings.held())
        return;
    try {
        dropStaleTouched(p);
        p.Spellings.save(p.files, p.files.path(kNAFile));
    } catch (const PlatformError& e) {
        // The entries stay in memory; the next write tries again. The old
        // file stays whole, and its entries count only for records that
        // still have the bytes they were kept for.
        p.ui.messageBox(
            QCoreApplication::translate(
                "tavrel::ContactAccess",
                "The original spellings file could not be written: Error ") +
                numText(e.number()) + QStringLiteral(".\n\n") + errorInWords(e.number()) +
                QCoreApplication::translate("tavrel::ContactAccess", "  The N&A File Is Written."),
            kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
    }
}

SpellingsBatch::SpellingsBatch(Program& p) : p_(p), unwinding_(std::uncaught_exceptions())
{
    p_.Spellings.hold();
}

SpellingsBatch::~SpellingsBatch()
{
    p_.Spellings.release();
    if (std::uncaught_exceptions() <= unwinding_) {
        saveSpellings(p_);
        return;
    }
    // A run that stopped on a failure still keeps what it wrote, as far as
    // the disk allows; nothing may be asked of the person now.
    if (p_.Spellings.held() || !p_.Spellings.changed())
        return;
    try {
        dropStaleTouched(p_);
        p_.Spellings.save(p_.files, p_.files.path(kNAFile));
    } catch (...) {
        qWarning("the original spellings file could not be written");
    }
}

} // namespace tavrel
