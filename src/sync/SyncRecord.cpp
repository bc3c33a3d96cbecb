#include "sync/SyncRecord.h"

#include "platform/Text.h"
#include "store/NARecord.h"

namespace tavrel {

namespace {

// Each spelling follows the record's bytes as "\n<field number>=<UTF-8,
// percent-encoded>", in field order, so equal spellings give equal bytes.
QByteArray entryBytes(ContactField field, const QString& text)
{
    return '\n' + QByteArray::number(int(field)) + '=' + text.toUtf8().toPercentEncoding();
}

bool partOf(ContactField field, SyncField f)
{
    switch (f) {
    case SyncField::Name:
        return field == ContactField::Name;
    case SyncField::Address:
        return field >= ContactField::AddrLine1 && field <= ContactField::AddrLine4;
    case SyncField::EMail:
        return field == ContactField::EMail;
    case SyncField::Comments:
        return field == ContactField::Comments;
    case SyncField::SortKey1:
        return field == ContactField::SortKey1;
    case SyncField::SortKey2:
        return field == ContactField::SortKey2;
    default: { // a telephone: its label and its number
        const int slot = int(f) - int(SyncField::Phone1);
        return field == ContactField(int(ContactField::PhoneType1) + 2 * slot) ||
               field == ContactField(int(ContactField::PhoneNum1) + 2 * slot);
    }
    }
}

FieldTexts parseSpellings(const QByteArray& bytes)
{
    FieldTexts out;
    for (const QByteArray& line : bytes.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        bool ok = false;
        const int field = line.left(eq).toInt(&ok);
        if (eq <= 0 || !ok || field < 0 || field >= kContactFields)
            continue;
        const QString text = QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(eq + 1)));
        if (!text.isEmpty())
            out[ContactField(field)] = text;
    }
    return out;
}

} // namespace

QByteArray spelledRecord(const QByteArray& record, const FieldTexts& originals)
{
    QByteArray out = recordPart(record);
    for (const auto& [field, text] : originals)
        if (const QString own = trimRight(text); !own.isEmpty())
            out += entryBytes(field, own);
    return out;
}

QByteArray recordPart(const QByteArray& synced)
{
    return synced.left(NARecord::Size);
}

FieldTexts spellingsOf(const QByteArray& synced)
{
    return parseSpellings(synced.mid(NARecord::Size));
}

Contact syncContact(const QByteArray& synced)
{
    return decodeContact(NARecord::fromBytes(recordPart(synced)), spellingsOf(synced));
}

QByteArray withSpellingsLike(const QByteArray& view, const QByteArray& record)
{
    const FieldTexts kept = spellingsOf(record);
    FieldTexts own = spellingsOf(view);
    std::erase_if(own, [&kept](const auto& entry) { return !kept.contains(entry.first); });
    return spelledRecord(view, own);
}

QByteArray spellingBytes(const QByteArray& synced, SyncField f)
{
    QByteArray out;
    for (const auto& [field, text] : spellingsOf(synced))
        if (partOf(field, f))
            out += entryBytes(field, text);
    return out;
}

QByteArray withSpellingBytes(const QByteArray& synced, SyncField f, const QByteArray& spellings)
{
    FieldTexts all = spellingsOf(synced);
    std::erase_if(all, [f](const auto& entry) { return partOf(entry.first, f); });
    for (const auto& [field, text] : parseSpellings(spellings))
        if (partOf(field, f))
            all[field] = text;
    return spelledRecord(synced, all);
}

} // namespace tavrel
