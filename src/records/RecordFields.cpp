#include "records/RecordFields.h"

#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/Program.h"

namespace tavrel {

int characterCount(QStringView text)
{
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++count;
    }
    return count;
}

QString leftCharacters(const QString& text, int count)
{
    qsizetype at = 0;
    for (int n = 0; n < count && at < text.size(); ++n) {
        if (text.at(at).isHighSurrogate() && at + 1 < text.size() &&
            text.at(at + 1).isLowSurrogate())
            ++at;
        ++at;
    }
    return text.left(at);
}

QString linkIdText(qint16 id)
{
    return id == 0 ? QString() : QString::number(id);
}

qint16 linkIdValue(const QString& text)
{
    if (text.isEmpty())
        return 0;
    return qint16(qBound(-32768LL, leadingInteger(text), 32767LL));
}

Contact cutToFieldWidths(Contact contact)
{
    for (int f = 0; f < kContactFields; ++f) {
        QString& text = contact.text(ContactField(f));
        text = trimRight(leftCharacters(text, contactFieldWidth(ContactField(f))));
    }
    return contact;
}

Contact contactInBuffer(const Program& p)
{
    return contactOf(p, p.CurRec.RecId, p.CurRec);
}

Contact storeContact(Program& p, int id, const Contact& contact)
{
    Contact stored = cutToFieldWidths(contact);
    stored.id = id;
    putContact(p, id + 1, stored);
    // The buffer as a read of the record would leave it, every field at its width.
    p.CurRec = NARecord::fromBytes(encodeContact(stored).record.toBytes());
    return contactOf(p, id, p.CurRec);
}

QString nameAndAddressText(const Contact& c)
{
    // Every line as wide as an address line, the name's included.
    const int width = contactFieldWidth(ContactField::AddrLine1);
    QString out;
    for (ContactField f : {ContactField::Name, ContactField::AddrLine1, ContactField::AddrLine2,
                           ContactField::AddrLine3, ContactField::AddrLine4}) {
        const QString text = leftCharacters(c.text(f), width);
        out += text + QString(width - characterCount(text), QLatin1Char(' ')) + QLatin1Char('\n');
    }
    return out;
}

} // namespace tavrel
