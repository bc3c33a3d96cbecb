#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace tavrel {

// The parts of a record that travel to and from its card, each compared and
// merged as a whole.
enum class SyncField {
    Name,
    Address, // the four address lines
    Phone1,  // label and number
    Phone2,
    Phone3,
    Phone4,
    Phone5,
    EMail,
    Comments,
    SortKey1,
    SortKey2,
};
inline constexpr int kSyncFieldCount = 11;
QList<SyncField> allSyncFields();
QString syncFieldName(SyncField f);

// A field's bytes in a 574-byte record, as the file holds them.
QByteArray fieldBytes(const QByteArray& record, SyncField f);
void setFieldBytes(QByteArray& record, SyncField f, const QByteArray& value);
// The field as text, without its padding (for the log).
QString fieldText(const QByteArray& record, SyncField f);

// The record a card reads as (574 bytes, active, RecId 0): what does not fit
// is cut, telephones too long for their field are left out, nothing moves to
// the comments.
QByteArray recordFromCard(const QByteArray& card);

// A new card for a record: vCard 3.0 with this UID. QuickLinks and mailing
// lists stay with the program.
QByteArray cardFromRecord(const QByteArray& record, const QString& uid);

// The server's card with only `changed` replaced by the record's values:
// every other line, parameter, group and the order of lines stay byte for
// byte, and so do the card's other e-mail addresses and telephones.
QByteArray patchCard(const QByteArray& card, const QByteArray& record,
                     const QList<SyncField>& changed);

// The card's UID, "" when it has none.
QString cardUid(const QByteArray& card);

} // namespace tavrel
