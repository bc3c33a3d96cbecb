#include "store/Contact.h"

#include "platform/Text.h"

namespace tavrel {

namespace {

// The layout index of each text field: the first two entries are the status and
// the ID, and the link texts alternate with their IDs.
int layoutIndex(ContactField field)
{
    const int f = int(field);
    if (field < ContactField::LinkText1)
        return f + 2;
    return 22 + 2 * (f - int(ContactField::LinkText1));
}

// The record's text of the field (const or not, as the record is).
template <typename Record> auto& recordText(Record& r, ContactField field)
{
    decltype(&r.Name) fields[kContactFields] = {
        &r.Name,      &r.AddrLine1,  &r.AddrLine2, &r.AddrLine3,  &r.AddrLine4, &r.PhoneType1,
        &r.PhoneNum1, &r.PhoneType2, &r.PhoneNum2, &r.PhoneType3, &r.PhoneNum3, &r.PhoneType4,
        &r.PhoneNum4, &r.PhoneType5, &r.PhoneNum5, &r.EMail,      &r.Comments,  &r.SortKey1,
        &r.SortKey2,  &r.LinkText1,  &r.LinkText2, &r.LinkText3,  &r.LinkText4};
    return *fields[int(field)];
}

} // namespace

const char* contactFieldName(ContactField field)
{
    return kNARecordLayout[size_t(layoutIndex(field))].name;
}

int contactFieldWidth(ContactField field)
{
    return kNARecordLayout[size_t(layoutIndex(field))].width;
}

EncodedContact encodeContact(const Contact& contact)
{
    EncodedContact out;
    NARecord& r = out.record;
    r = NARecord::blank();
    r.RecStatus = contact.active ? QStringLiteral("CRVN") : QStringLiteral("DELR");
    r.RecId = qint16(contact.id);
    for (int f = 0; f < kContactFields; ++f) {
        const auto field = ContactField(f);
        const QString& text = contact.text(field);
        bool changed = false;
        QString stored = reduceToCp1252(text, &changed);
        if (changed)
            out.originals[field] = text;
        if (stored.size() > contactFieldWidth(field)) {
            stored.truncate(contactFieldWidth(field));
            out.cut.push_back(field);
        }
        recordText(r, field) = stored;
    }
    for (int i = 0; i < 4; ++i)
        r.linkId(i + 1) = contact.linkIds[size_t(i)];
    r.BackLinkId = contact.backLinkId;
    r.Spare1 = contact.spares[0];
    r.Spare2 = contact.spares[1];
    r.Spare3 = contact.spares[2];
    return out;
}

Contact decodeContact(const NARecord& record, const FieldTexts& originals,
                      const ContactFields& fields)
{
    Contact c;
    c.id = record.RecId;
    c.active = record.RecStatus == QLatin1String("CRVN");
    for (int f = 0; f < kContactFields; ++f) {
        const auto field = ContactField(f);
        if (!fields.test(size_t(f)))
            continue;
        const auto original = originals.find(field);
        c.text(field) =
            original != originals.end() ? original->second : trimRight(recordText(record, field));
    }
    for (int i = 0; i < 4; ++i)
        c.linkIds[size_t(i)] = record.linkId(i + 1);
    c.backLinkId = record.BackLinkId;
    c.spares = {record.Spare1, record.Spare2, record.Spare3};
    return c;
}

} // namespace tavrel
