#include "sync/CardMapping.h"

#include "exchange/Export.h"
#include "exchange/Import.h"
#include "exchange/Rules.h"
#include "exchange/VCard.h"
#include "store/NARecord.h"
#include "store/RecordAccess.h"

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

// One property of a card as it lies in the bytes: its physical lines with
// their line ends, and its name and group for finding it.
struct Unit {
    QByteArray raw;
    QByteArray name;  // upper case, without group
    QByteArray group; // lower case, "" when none
};

QByteArray unfolded(const QByteArray& raw)
{
    QByteArray out = raw;
    out.replace("\r\n ", "").replace("\r\n\t", "").replace("\n ", "").replace("\n\t", "");
    while (out.endsWith('\n') || out.endsWith('\r'))
        out.chop(1);
    return out;
}

qsizetype valueColon(const QByteArray& line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == '"')
            quoted = !quoted;
        else if (line.at(i) == ':' && !quoted)
            return i;
    }
    return -1;
}

Unit unitOf(const QByteArray& raw)
{
    Unit u{raw, {}, {}};
    const QByteArray line = unfolded(raw);
    qsizetype end = 0;
    while (end < line.size() && line.at(end) != ':' && line.at(end) != ';')
        ++end;
    QByteArray name = line.left(end).trimmed();
    if (const qsizetype dot = name.indexOf('.'); dot > 0) {
        u.group = name.left(dot).toLower();
        name = name.mid(dot + 1);
    }
    u.name = name.toUpper();
    return u;
}

// The card split into properties; a line that starts with a blank or a tab
// continues the one before.
QList<Unit> unitsOf(const QByteArray& card)
{
    QList<Unit> units;
    qsizetype start = 0;
    QByteArray current;
    while (start < card.size()) {
        qsizetype end = card.indexOf('\n', start);
        end = end < 0 ? card.size() : end + 1;
        const QByteArray line = card.mid(start, end - start);
        if (!current.isEmpty() && (line.startsWith(' ') || line.startsWith('\t')))
            current += line;
        else {
            if (!current.isEmpty())
                units << unitOf(current);
            current = line;
        }
        start = end;
    }
    if (!current.isEmpty())
        units << unitOf(current);
    return units;
}

QByteArray joined(const QList<Unit>& units)
{
    QByteArray out;
    for (const Unit& u : units)
        out += u.raw;
    return out;
}

QByteArray lineEndOf(const QByteArray& card)
{
    const qsizetype lf = card.indexOf('\n');
    return lf > 0 && card.at(lf - 1) == '\r' ? QByteArray("\r\n") : QByteArray("\n");
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

QList<Unit> named(const QList<Unit>& units, std::initializer_list<const char*> names)
{
    QList<Unit> out;
    for (const Unit& u : units)
        for (const char* n : names)
            if (u.name == n)
                out << u;
    return out;
}

qsizetype endIndex(const QList<Unit>& units)
{
    for (qsizetype i = units.size() - 1; i >= 0; --i)
        if (units.at(i).name == "END")
            return i;
    return units.size();
}

qsizetype firstIndex(const QList<Unit>& units, const char* name)
{
    for (qsizetype i = 0; i < units.size(); ++i)
        if (units.at(i).name == name)
            return i;
    return -1;
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

void replacePhone(QList<Unit>& units, const QByteArray& card, const QByteArray& record, int slot,
                  const QString& uid, VCardVersion version)
{
    // The card's telephone in that slot, and its label line when it has one.
    const QList<int> slots = telephoneSlots(card);
    qsizetype at = -1;
    int tel = 0;
    qsizetype lastTel = -1;
    for (qsizetype i = 0; i < units.size(); ++i) {
        if (units.at(i).name != "TEL")
            continue;
        lastTel = i;
        if (slots.value(tel++) == slot)
            at = i;
    }
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
    const NARecord r = NARecord::fromBytes(record);
    Entry e;
    e.name = QStringLiteral("x");
    const QString label = r.phoneType(slot).trimmed(), number = r.phoneNum(slot).trimmed();
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

Entry entryForCard(const QByteArray& record)
{
    Entry e = entryFromRecord(NARecord::fromBytes(record), 0);
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
    return record.mid(s.offset, s.width);
}

void setFieldBytes(QByteArray& record, SyncField f, const QByteArray& value)
{
    const Span s = spanOf(f);
    record.replace(s.offset, s.width, value.leftJustified(s.width, ' ', true));
}

QString fieldText(const QByteArray& record, SyncField f)
{
    const NARecord r = NARecord::fromBytes(record);
    switch (f) {
    case SyncField::Name:
        return r.Name.trimmed();
    case SyncField::Address: {
        QStringList lines{r.AddrLine1.trimmed(), r.AddrLine2.trimmed(), r.AddrLine3.trimmed(),
                          r.AddrLine4.trimmed()};
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines.join(QStringLiteral(" / "));
    }
    case SyncField::EMail:
        return r.EMail.trimmed();
    case SyncField::Comments:
        return r.Comments.trimmed();
    case SyncField::SortKey1:
        return r.SortKey1.trimmed();
    case SyncField::SortKey2:
        return r.SortKey2.trimmed();
    default: {
        const int slot = phoneSlot(f);
        return (r.phoneType(slot).trimmed() + ' ' + r.phoneNum(slot).trimmed()).trimmed();
    }
    }
}

QByteArray recordFromCard(const QByteArray& card)
{
    Entry entry = readVCards(card).entries.value(0);
    entry.links = {};
    entry.backLinkId = 0;
    NARecord r = planRecord(entry, OverflowChoice::CutAndLog).record;
    r.RecStatus = kActive;
    r.RecId = 0;
    return r.toBytes();
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
    for (SyncField f : changed) {
        switch (f) {
        case SyncField::Name:
            replaceFirst(units, "FN", named(fresh, {"FN"}), true, eol);
            replaceFirst(units, "N", named(fresh, {"N"}), true, eol);
            break;
        case SyncField::Address:
            replaceFirst(units, "ADR", named(fresh, {"ADR"}), false, eol);
            if (version == VCardVersion::V30 || firstIndex(units, "LABEL") >= 0)
                replaceFirst(units, "LABEL", named(fresh, {"LABEL"}), false, eol);
            break;
        case SyncField::EMail:
            replaceFirst(units, "EMAIL", named(fresh, {"EMAIL"}), true, eol);
            break;
        case SyncField::Comments:
            replaceFirst(units, "NOTE", named(fresh, {"NOTE"}), true, eol);
            break;
        case SyncField::SortKey1: {
            // Our own key line wins over SORT-STRING when a card has both.
            const char* own =
                firstIndex(units, "X-TAVREL-SORT-KEY1") >= 0 || version == VCardVersion::V40
                    ? "X-TAVREL-SORT-KEY1"
                    : "SORT-STRING";
            QList<Unit> line = named(fresh, {"SORT-STRING", "X-TAVREL-SORT-KEY1"});
            if (version == VCardVersion::V40 && line.isEmpty() &&
                !NARecord::fromBytes(record).SortKey1.trimmed().isEmpty())
                line << unitOf(
                    "X-TAVREL-SORT-KEY1:" +
                    escapeVCardText(NARecord::fromBytes(record).SortKey1.trimmed()).toUtf8() + eol);
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
            replacePhone(units, card, record, phoneSlot(f), uid, version);
        }
    }
    return joined(units);
}

} // namespace tavrel
