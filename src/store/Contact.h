#pragma once

#include "store/NARecord.h"

#include <QString>
#include <array>
#include <bitset>
#include <map>

namespace tavrel {

// The text fields of a record, in file order.
enum class ContactField {
    Name,
    AddrLine1,
    AddrLine2,
    AddrLine3,
    AddrLine4,
    PhoneType1,
    PhoneNum1,
    PhoneType2,
    PhoneNum2,
    PhoneType3,
    PhoneNum3,
    PhoneType4,
    PhoneNum4,
    PhoneType5,
    PhoneNum5,
    EMail,
    Comments,
    SortKey1,
    SortKey2,
    LinkText1,
    LinkText2,
    LinkText3,
    LinkText4,
};
inline constexpr int kContactFields = int(ContactField::LinkText4) + 1;

// The field's name as the record layout gives it ("AddrLine1").
const char* contactFieldName(ContactField field);
// How many characters the record keeps of the field.
int contactFieldWidth(ContactField field);

// A choice of fields.
using ContactFields = std::bitset<kContactFields>;
inline const ContactFields kEveryContactField = ContactFields().set();

// Text of some fields of one record, by field.
using FieldTexts = std::map<ContactField, QString>;

// One person or organisation as the windows, the finds, the printouts and the
// exchanges see it: every field as Unicode text without trailing blanks or a
// width, spelled as the person typed it. Only the record codec below turns
// it into the 574 bytes of the N&A file and back.
struct Contact {
    int id = 0;
    bool active = true; // false: a deleted record
    std::array<QString, kContactFields> texts;
    std::array<qint16, 4> linkIds{};
    qint16 backLinkId = 0;
    std::array<qint16, 3> spares{}; // kept as they were read

    QString& text(ContactField f) { return texts[size_t(f)]; }
    const QString& text(ContactField f) const { return texts[size_t(f)]; }
};

// A contact written into a record: what the record holds, and what of the
// contact it could not hold as it was.
struct EncodedContact {
    NARecord record;
    // The person's own spelling of each field the code page could not hold
    // (the record has its transliteration or closest letters).
    FieldTexts originals;
    // Fields whose stored text was longer than the field and was cut.
    std::vector<ContactField> cut;
};

// The record a contact makes: each text brought within the code page
// (reduceToCp1252), cut to the field's width in characters.
EncodedContact encodeContact(const Contact& contact);
// The contact a record holds. `originals`, when the record's bytes are those
// the originals were kept for, give the person's own spelling of those fields.
// Only the texts of `fields` are filled in: a printout that shows a few of them
// need not copy and trim the rest for every record.
Contact decodeContact(const NARecord& record, const FieldTexts& originals = {},
                      const ContactFields& fields = kEveryContactField);

} // namespace tavrel
