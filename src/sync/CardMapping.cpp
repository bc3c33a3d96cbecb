#include "sync/CardMapping.h"

#include "exchange/Export.h"
#include "exchange/Import.h"
#include "exchange/Rules.h"
#include "exchange/VCard.h"
#include "store/NARecord.h"
#include "store/RecordAccess.h"
#include "sync/AddressPatch.h"
#include "sync/CardLines.h"
#include "sync/SyncRecord.h"

#include "exchange/Tables.h"
#include "platform/Text.h"

#include <QRegularExpression>
#include <QSet>

namespace tavrel {

namespace {

struct Span {
    int offset;
    int width;
};

Span spanOf(SyncField f)
{
    switch (f) {
    case SyncField::Name:
        return {6, 35};
    case SyncField::Address:
        return {41, 140};
    case SyncField::EMail:
        return {311, 35};
    case SyncField::Comments:
        return {346, 100};
    case SyncField::SortKey1:
        return {446, 16};
    case SyncField::SortKey2:
        return {462, 16};
    default: // a telephone: label (6) and number (20)
        return {181 + 26 * (int(f) - int(SyncField::Phone1)), 26};
    }
}

int phoneSlot(SyncField f)
{
    return f >= SyncField::Phone1 && f <= SyncField::Phone5 ? int(f) - int(SyncField::Phone1) + 1
                                                            : 0;
}

// A property with the server's own name, group and parameters and a new value.
Unit withValue(const Unit& old, const Unit& fresh, const QByteArray& eol)
{
    const QByteArray oldLine = unfolded(old.raw);
    const QByteArray newLine = unfolded(fresh.raw);
    const QByteArray line =
        oldLine.left(valueColon(oldLine) + 1) + newLine.mid(valueColon(newLine) + 1);
    return unitOf(foldVCardLine(line).replace("\r\n", eol) + eol);
}

// Replaces the first property called `name` by `fresh` (keeping the
// server's parameters when `keepHead`); none: adds it before END; no fresh
// one: removes it.
void replaceFirst(QList<Unit>& units, const char* name, const QList<Unit>& fresh, bool keepHead,
                  const QByteArray& eol)
{
    const qsizetype at = firstIndex(units, name);
    if (fresh.isEmpty()) {
        if (at >= 0)
            units.removeAt(at);
        return;
    }
    // A line of our own takes the card's line ends, as the rest of its lines have them.
    const Unit own = unitOf(QByteArray(fresh.first().raw).replace("\r\n", eol));
    if (at < 0) {
        units.insert(endIndex(units), own);
        return;
    }
    units[at] = keepHead ? withValue(units.at(at), fresh.first(), eol) : own;
}

// Which telephone of the card (by its place among the TEL properties) lands
// in which slot of the record, the way an import places them.
QList<int> telephoneSlots(const QByteArray& card)
{
    const QList<ExchangePhone> phones = readVCards(card).entries.value(0).phones;
    QList<int> slots(phones.size(), 0);
    bool taken[6] = {};
    QList<int> rest;
    for (qsizetype k = 0; k < phones.size(); ++k) {
        const ExchangePhone& ph = phones.at(k);
        if (ph.number.size() > Width::PhoneNum &&
            compactPhoneNumber(ph.number).size() > Width::PhoneNum)
            continue; // never stored here, so never replaced from here
        if (ph.slot >= 1 && ph.slot <= 5 && !taken[ph.slot]) {
            taken[ph.slot] = true;
            slots[k] = ph.slot;
        } else {
            rest << int(k);
        }
    }
    int next = 1;
    for (int k : rest) {
        while (next <= 5 && taken[next])
            ++next;
        if (next > 5)
            break;
        taken[next] = true;
        slots[k] = next;
    }
    return slots;
}

// A telephone's label and number as the record holds them.
QString heldLabel(const QString& label)
{
    QString l = withoutControls(label, false);
    if (l.size() > Width::PhoneType)
        l = shortPhoneLabel(l);
    return trimRight(heldText(l, Width::PhoneType));
}

QString heldNumber(const QString& number)
{
    QString n = withoutControls(number, false);
    if (n.size() > Width::PhoneNum)
        n = compactPhoneNumber(n);
    return trimRight(heldText(n, Width::PhoneNum));
}

// Only the number changed: the property keeps its types and every other
// parameter, and a "tel:" address stays one.
QByteArray numberValue(const Unit& tel, const QString& number)
{
    const bool uri = rawValueOf(tel).left(4).toLower() == "tel:";
    return uri ? "tel:" + number.toUtf8() : escapedText(number);
}

bool replaceNumberOnly(Unit& tel, const ExchangePhone& old, const NARecord& r, int slot,
                       const QByteArray& eol)
{
    const QString label = trimRight(r.phoneType(slot)), number = trimRight(r.phoneNum(slot));
    if (heldLabel(old.label) != label || number.isEmpty())
        return false;
    if (heldNumber(old.number) != number)
        tel = unitFrom(headOf(tel), numberValue(tel, number), eol);
    return true;
}

// A new label that types say (or none): the line keeps its group, place and
// other parameters (PREF, VALUE, X- ones) and takes the new types; a label
// line of its own group goes.
bool relabel(QList<Unit>& units, qsizetype at, const NARecord& r, int slot, const QByteArray& eol)
{
    const QString label = trimRight(r.phoneType(slot)), number = trimRight(r.phoneNum(slot));
    const QStringList types = phoneTypesForLabel(label);
    if (number.isEmpty() ||
        (!label.isEmpty() && (types.isEmpty() || canonicalPhoneLabel(label) != label)))
        return false;
    const QByteArray group = units.at(at).group;
    units[at] =
        unitFrom(withTypes(headOf(units.at(at)), types), numberValue(units.at(at), number), eol);
    for (qsizetype i = units.size() - 1; i >= 0 && !group.isEmpty(); --i)
        if (units.at(i).group == group && units.at(i).name == "X-ABLABEL")
            units.removeAt(i);
    return true;
}

void replacePhone(QList<Unit>& units, const QByteArray& record, int slot, const QString& uid,
                  VCardVersion version)
{
    // The card's telephone in that slot, and its label line when it has one.
    const QByteArray card = joined(units);
    const QList<int> slots = telephoneSlots(card);
    qsizetype at = -1;
    int tel = 0, atTel = -1;
    qsizetype lastTel = -1;
    for (qsizetype i = 0; i < units.size(); ++i) {
        if (units.at(i).name != "TEL")
            continue;
        lastTel = i;
        if (slots.value(tel++) == slot) {
            at = i;
            atTel = tel - 1;
        }
    }
    const ExchangePhone old = readVCards(card).entries.value(0).phones.value(atTel);
    const NARecord now = NARecord::fromBytes(record);
    if (at >= 0 && (replaceNumberOnly(units[at], old, now, slot, lineEndOf(card)) ||
                    relabel(units, at, now, slot, lineEndOf(card))))
        return;
    QSet<QByteArray> groups;
    for (const Unit& u : units)
        if (!u.group.isEmpty())
            groups.insert(u.group);
    qsizetype insertAt = lastTel >= 0 ? lastTel + 1 : endIndex(units);
    if (at >= 0) {
        const QByteArray group = units.at(at).group;
        units.removeAt(at);
        insertAt = at;
        if (!group.isEmpty()) {
            for (qsizetype i = units.size() - 1; i >= 0; --i) {
                if (units.at(i).group == group && units.at(i).name == "X-ABLABEL") {
                    units.removeAt(i);
                    if (i < insertAt)
                        --insertAt;
                }
            }
        }
    }
    const Contact c = syncContact(record);
    Entry e;
    e.name = QStringLiteral("x");
    const QString label = c.text(ContactField(int(ContactField::PhoneType1) + 2 * (slot - 1)))
                              .trimmed(),
                  number =
                      c.text(ContactField(int(ContactField::PhoneNum1) + 2 * (slot - 1))).trimmed();
    if (label.isEmpty() && number.isEmpty())
        return;
    e.phones << ExchangePhone{label, number, slot};
    QList<Unit> fresh = named(unitsOf(writeVCards({e}, version, [&uid](int) { return uid; })),
                              {"TEL", "X-ABLABEL"});
    // A label line of our own goes under a group the card does not use yet.
    QByteArray group;
    for (int n = 1; group.isEmpty(); ++n)
        if (!groups.contains("item" + QByteArray::number(n)))
            group = "item" + QByteArray::number(n);
    const QByteArray eol = lineEndOf(card);
    for (Unit& u : fresh) {
        QByteArray line = unfolded(u.raw);
        if (!u.group.isEmpty())
            line = group + line.mid(u.group.size());
        u = unitOf(foldVCardLine(line).replace("\r\n", eol) + eol);
    }
    for (qsizetype i = 0; i < fresh.size(); ++i)
        units.insert(insertAt + i, fresh.at(i));
}

bool sameName(const QString& a, const QString& b)
{
    return a.simplified().compare(b.simplified(), Qt::CaseInsensitive) == 0;
}

void setValue(QList<Unit>& units, qsizetype at, const QByteArray& rawValue, const QByteArray& eol)
{
    units[at] = unitFrom(headOf(units.at(at)), rawValue, eol);
}

// A new property (of the card's own name and parameters when it has one).
void setOrAdd(QList<Unit>& units, const char* name, const QByteArray& rawValue,
              const QByteArray& eol)
{
    const qsizetype at = firstIndex(units, name);
    if (at >= 0)
        setValue(units, at, rawValue, eol);
    else
        units.insert(endIndex(units), unitFrom(name, rawValue, eol));
}

// The card's new text for a record's field that changed here: the person's
// own spelling where the record keeps one (whole, so nothing of the card's is
// put back after it), else what the record holds, as editedText tells; nothing
// when the card says it already. A record that holds the card's text
// transliterated without its spelling leaves the card alone, so a spelling
// lost here never reduces the card.
std::optional<QString> changedText(const QString& server, const QByteArray& record,
                                   ContactField field, int width, bool multiLine = false)
{
    const FieldTexts own = spellingsOf(record);
    if (const auto it = own.find(field); it != own.end())
        return it->second == trimRight(server) ? std::nullopt : std::optional(it->second);
    return editedText(server, syncContact(record).text(field), width, multiLine);
}

// FN takes the new name; N changes only in the parts the new name splits
// into differently, and an organisation's card renames its ORG with it.
void patchName(QList<Unit>& units, const Entry& server, const QByteArray& record,
               const QByteArray& eol)
{
    const std::optional<QString> name =
        changedText(server.name, record, ContactField::Name, Width::Name);
    if (!name)
        return;
    setOrAdd(units, "FN", escapedText(*name), eol);
    if (isOrganisationEntry(server)) {
        const qsizetype at = firstIndex(units, "ORG");
        if (at < 0)
            return;
        QList<QByteArray> c = splitEscaped(rawValueOf(units.at(at)), ';');
        for (QByteArray& part : c) {
            if (unescapedText(part).trimmed().isEmpty())
                continue;
            if (sameName(unescapedText(part), server.name))
                part = escapedText(*name);
            break;
        }
        setValue(units, at, c.join(';'), eol);
        return;
    }
    const NameParts before = splitName(server.name, server.sortKey1);
    const NameParts after =
        splitName(*name, trimRight(syncContact(record).text(ContactField::SortKey1)));
    const QString NameParts::*const parts[] = {&NameParts::family, &NameParts::given,
                                               &NameParts::additional, &NameParts::prefix,
                                               &NameParts::suffix};
    const qsizetype at = firstIndex(units, "N");
    QList<QByteArray> c =
        at < 0 ? QList<QByteArray>() : splitEscaped(rawValueOf(units.at(at)), ';');
    while (c.size() < 5)
        c << QByteArray();
    bool changed = at < 0;
    for (int k = 0; k < 5; ++k) {
        if (before.*parts[k] != after.*parts[k] || at < 0) {
            c[k] = escapedText(after.*parts[k]);
            changed = true;
        }
    }
    if (changed)
        setOrAdd(units, "N", c.join(';'), eol);
}

void patchEmail(QList<Unit>& units, const Entry& server, const QByteArray& record,
                const QByteArray& eol)
{
    const std::optional<QString> mail =
        changedText(server.emails.value(0), record, ContactField::EMail, Width::EMail);
    if (!mail)
        return;
    const qsizetype at = firstIndex(units, "EMAIL");
    if (mail->isEmpty()) {
        if (at >= 0)
            units.removeAt(at);
        return;
    }
    if (at >= 0)
        setValue(units, at, escapedText(*mail), eol);
    else
        units.insert(endIndex(units), unitFrom("EMAIL;TYPE=internet", escapedText(*mail), eol));
}

// The record's comment is the start of the card's notes. When the first NOTE
// alone fills the comment, only it changes (with the rest the comment could
// not hold put back, see editedText); when the comment shows more than one
// NOTE, the edited text with what followed replaces them all.
void patchNote(QList<Unit>& units, const Entry& server, const QByteArray& record,
               const QByteArray& eol)
{
    const std::optional<QString> whole =
        changedText(server.comments, record, ContactField::Comments, Width::Comments, true);
    if (!whole)
        return;
    const qsizetype first = firstIndex(units, "NOTE");
    const QString own = first < 0 ? QString() : unescapedText(rawValueOf(units.at(first)));
    if (first >= 0 && heldText(own, Width::Comments, true).size() == Width::Comments) {
        const QString note =
            (spellingsOf(record).count(ContactField::Comments)
                 ? changedText(own, record, ContactField::Comments, Width::Comments, true)
                 : editedText(own, syncContact(record).text(ContactField::Comments),
                              Width::Comments, true))
                .value_or(own);
        if (note.isEmpty())
            units.removeAt(first);
        else
            setValue(units, first, escapedText(note), eol);
        return;
    }
    for (qsizetype i = units.size() - 1; i > first && first >= 0; --i)
        if (units.at(i).name == "NOTE")
            units.removeAt(i);
    if (whole->isEmpty() && first >= 0)
        units.removeAt(first);
    else if (!whole->isEmpty())
        setOrAdd(units, "NOTE", escapedText(*whole), eol);
}

Entry entryForCard(const QByteArray& record)
{
    // The card says what the person wrote, not the record's transliteration.
    Entry e = entryFromContact(syncContact(record), 0);
    e.sourceId = 0;
    e.links = {};
    e.backLinkId = 0;
    return e;
}

} // namespace

QList<SyncField> allSyncFields()
{
    QList<SyncField> all;
    for (int i = 0; i < kSyncFieldCount; ++i)
        all << SyncField(i);
    return all;
}

QString syncFieldName(SyncField f)
{
    static const char* const names[] = {"Name",        "Address",     "Telephone 1", "Telephone 2",
                                        "Telephone 3", "Telephone 4", "Telephone 5", "E-mail",
                                        "Comments",    "Sort key 1",  "Sort key 2"};
    return QString::fromLatin1(names[int(f)]);
}

QByteArray fieldBytes(const QByteArray& record, SyncField f)
{
    const Span s = spanOf(f);
    return record.mid(s.offset, s.width) + spellingBytes(record, f);
}

void setFieldBytes(QByteArray& record, SyncField f, const QByteArray& value)
{
    const Span s = spanOf(f);
    record.replace(s.offset, s.width, value.left(s.width).leftJustified(s.width, ' ', true));
    record = withSpellingBytes(record, f, value.mid(s.width));
}

QString fieldText(const QByteArray& record, SyncField f)
{
    const Contact c = syncContact(record);
    const auto text = [&c](ContactField field) { return c.text(field).trimmed(); };
    switch (f) {
    case SyncField::Name:
        return text(ContactField::Name);
    case SyncField::Address: {
        QStringList lines{text(ContactField::AddrLine1), text(ContactField::AddrLine2),
                          text(ContactField::AddrLine3), text(ContactField::AddrLine4)};
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines.join(QStringLiteral(" / "));
    }
    case SyncField::EMail:
        return text(ContactField::EMail);
    case SyncField::Comments:
        return text(ContactField::Comments);
    case SyncField::SortKey1:
        return text(ContactField::SortKey1);
    case SyncField::SortKey2:
        return text(ContactField::SortKey2);
    default: {
        const int at = 2 * (phoneSlot(f) - 1);
        return (text(ContactField(int(ContactField::PhoneType1) + at)) + ' ' +
                text(ContactField(int(ContactField::PhoneNum1) + at)))
            .trimmed();
    }
    }
}

QByteArray recordFromCard(const QByteArray& card)
{
    Entry entry = readVCards(card).entries.value(0);
    entry.links = {};
    entry.backLinkId = 0;
    // The card keeps its further addresses and its birthday on the server;
    // the record takes only what its own fields hold.
    entry.emails = entry.emails.mid(0, 1);
    entry.birthday.clear();
    const PlannedRecord planned = planRecord(entry, OverflowChoice::CutAndLog);
    NARecord r = planned.record;
    r.RecStatus = kActive;
    r.RecId = 0;
    // The names and address lines the code page cannot hold keep the card's spelling.
    return spelledRecord(r.toBytes(), planned.originals);
}

QByteArray cardFromRecord(const QByteArray& record, const QString& uid)
{
    return writeVCards({entryForCard(record)}, VCardVersion::V30, [&uid](int) { return uid; });
}

QString cardUid(const QByteArray& card)
{
    for (const Unit& u : unitsOf(card)) {
        if (u.name == "UID") {
            const QByteArray line = unfolded(u.raw);
            return QString::fromUtf8(line.mid(valueColon(line) + 1)).trimmed();
        }
    }
    return QString();
}

QByteArray patchCard(const QByteArray& card, const QByteArray& record,
                     const QList<SyncField>& changed)
{
    if (changed.isEmpty())
        return card;
    QList<Unit> units = unitsOf(card);
    const VCardVersion version =
        firstIndex(units, "VERSION") >= 0 &&
                unfolded(units.at(firstIndex(units, "VERSION")).raw).contains("4.0")
            ? VCardVersion::V40
            : VCardVersion::V30;
    const QString uid = cardUid(card);
    const QByteArray eol = lineEndOf(card);
    const QList<Unit> fresh =
        unitsOf(writeVCards({entryForCard(record)}, version, [&uid](int) { return uid; }));
    const Entry server = readVCards(card).entries.value(0);
    const QByteArray held = recordFromCard(card);
    for (SyncField f : changed) {
        // A field that holds what the card gives it leaves the card's lines alone.
        if (fieldBytes(held, f) == fieldBytes(record, f))
            continue;
        switch (f) {
        case SyncField::Name:
            patchName(units, server, record, eol);
            break;
        case SyncField::Address:
            patchAddress(units, record, version, eol);
            break;
        case SyncField::EMail:
            patchEmail(units, server, record, eol);
            break;
        case SyncField::Comments:
            patchNote(units, server, record, eol);
            break;
        case SyncField::SortKey1: {
            // Our own key line wins over SORT-STRING when a card has both.
            const char* own =
                firstIndex(units, "X-TAVREL-SORT-KEY1") >= 0 || version == VCardVersion::V40
                    ? "X-TAVREL-SORT-KEY1"
                    : "SORT-STRING";
            QList<Unit> line = named(fresh, {"SORT-STRING", "X-TAVREL-SORT-KEY1"});
            if (version == VCardVersion::V40 && line.isEmpty() &&
                !syncContact(record).text(ContactField::SortKey1).trimmed().isEmpty())
                line << unitOf(
                    "X-TAVREL-SORT-KEY1:" +
                    escapeVCardText(syncContact(record).text(ContactField::SortKey1).trimmed())
                        .toUtf8() +
                    eol);
            for (Unit& u : line)
                u = unitOf(own + unfolded(u.raw).mid(u.name.size()) + eol);
            replaceFirst(units, own, line, true, eol);
            break;
        }
        case SyncField::SortKey2:
            replaceFirst(units, "X-TAVREL-SORT-KEY2", named(fresh, {"X-TAVREL-SORT-KEY2"}), true,
                         eol);
            break;
        default:
            replacePhone(units, record, phoneSlot(f), uid, version);
        }
    }
    return joined(units);
}

} // namespace tavrel
