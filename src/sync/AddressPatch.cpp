#include "sync/AddressPatch.h"

#include "exchange/Import.h"
#include "exchange/Tables.h"
#include "store/NARecord.h"
#include "sync/CardMapping.h"
#include "sync/SyncRecord.h"

namespace tavrel {

namespace {

enum class From { Org, Units, OrgAndUnits, Street, City, Country, Label, Other };

// Where one line of the record's address came from on the card.
struct Source {
    QString text; // the line as the card spells it, before the record cuts it
    From from = From::Other;
    int component = -1; // a street line: the ADR component (0..2)
    int part = -1;      // a street line of component 2, or a label line: which line
};

struct CardAddress {
    qsizetype adrAt = -1;   // the first ADR
    qsizetype labelAt = -1; // the LABEL property the lines were read from
    bool labelParam = false;
    QList<QByteArray> components; // the first ADR's, still escaped, at least 7
    QList<Source> lines;          // every line the record reads, in order
    int headLines = 0;            // the organisation's lines above the address
    bool consistent = false;      // the lines read the way the record holds them
};

// The record's address lines, in the person's own spelling where it keeps one.
QStringList addressOf(const QByteArray& record)
{
    const Contact c = syncContact(record);
    QStringList lines;
    for (ContactField f : {ContactField::AddrLine1, ContactField::AddrLine2,
                           ContactField::AddrLine3, ContactField::AddrLine4})
        lines << trimRight(c.text(f));
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool sameText(const QString& a, const QString& b)
{
    return a.simplified().compare(b.simplified(), Qt::CaseInsensitive) == 0;
}

// The lines an ADR's components make, the way a card is read without a label.
QList<Source> componentLines(const QList<QByteArray>& c)
{
    QList<Source> out;
    for (int k : {0, 1})
        if (const QString t = unescapedText(c.at(k)).trimmed(); !t.isEmpty())
            out << Source{t, From::Street, k, -1};
    const QList<QByteArray> street = splitEscapedLines(c.at(2));
    for (int k = 0; k < street.size(); ++k)
        if (const QString t = unescapedText(street.at(k)).trimmed(); !t.isEmpty())
            out << Source{t, From::Street, 2, k};
    PostalParts city;
    city.locality = unescapedText(c.at(3));
    city.region = unescapedText(c.at(4));
    city.code = unescapedText(c.at(5));
    if (const QStringList l = addressLines(city); !l.isEmpty())
        out << Source{l.first(), From::City};
    if (const QString t = unescapedText(c.at(6)).trimmed(); !t.isEmpty())
        out << Source{t, From::Country};
    return out;
}

// The organisation above the address, as the record is made from a card.
QList<Source> orgLines(const Entry& e, const QStringList& address)
{
    QList<Source> head;
    if (e.organisation.isEmpty() && e.orgUnits.isEmpty())
        return head;
    const QString org = e.organisation.simplified();
    if (!org.isEmpty() && !sameText(address.value(0), org) &&
        !(isOrganisationEntry(e) && e.name.contains(org, Qt::CaseInsensitive)))
        head << Source{org, From::Org};
    const QString units = e.orgUnits.join(QStringLiteral(", "));
    if (units.isEmpty() || sameText(address.value(0), units))
        return head;
    if (head.size() + address.size() < 4)
        head << Source{units, From::Units};
    else if (!head.isEmpty() && head.last().text.size() + 2 + units.size() <= Width::Addr)
        head.last() = Source{head.last().text + QStringLiteral(", ") + units, From::OrgAndUnits};
    return head;
}

QList<Source> labelLines(const QStringList& lines)
{
    QList<Source> out;
    for (int k = 0; k < lines.size(); ++k)
        out << Source{lines.at(k), From::Label, -1, k};
    return out;
}

// The lines of the first address as a card is read: its ADR's label, else the
// first LABEL property, else the ADR's components written out.
QList<Source> firstAddress(const QList<Unit>& units, CardAddress& a)
{
    QList<Source> first;
    a.adrAt = firstIndex(units, "ADR");
    if (a.adrAt >= 0) {
        a.components = splitEscaped(rawValueOf(units.at(a.adrAt)), ';');
        const auto label = paramOf(headOf(units.at(a.adrAt)), "LABEL");
        a.labelParam = label && !label->isEmpty();
        if (a.labelParam)
            first = labelLines(paramLines(*label));
    }
    while (a.components.size() < 7)
        a.components << QByteArray();
    if (!a.labelParam)
        a.labelAt = firstIndex(units, "LABEL");
    if (a.labelAt >= 0)
        first = labelLines(unescapedText(rawValueOf(units.at(a.labelAt))).split('\n'));
    else if (!a.labelParam)
        first = componentLines(a.components);
    while (!first.isEmpty() && first.last().text.trimmed().isEmpty())
        first.removeLast();
    return first;
}

CardAddress cardAddress(const QList<Unit>& units)
{
    CardAddress a;
    QList<Source> first = firstAddress(units, a);
    const QByteArray card = joined(units);
    const Entry e = readVCards(card).entries.value(0);
    QStringList texts;
    for (const Source& s : first)
        texts << s.text;
    const bool sameStart = e.address.mid(0, texts.size()) == texts;
    for (qsizetype i = texts.size(); i < e.address.size(); ++i)
        first << Source{e.address.at(i), From::Other};
    QStringList address = e.address;
    while (!address.isEmpty() && address.last().trimmed().isEmpty())
        address.removeLast();
    const QList<Source> head = orgLines(e, address);
    a.headLines = int(head.size());
    a.lines = head + first;
    // The record's lines must be these lines as it holds them, or nothing can be told apart.
    const QStringList held = addressOf(recordPart(recordFromCard(card)));
    a.consistent = sameStart;
    for (int i = 0; i < 4 && a.consistent; ++i)
        a.consistent = trimRight(heldText(a.lines.value(i).text, Width::Addr)) == held.value(i);
    return a;
}

void editOrg(QList<Unit>& units, From from, const QString& text, const QByteArray& eol)
{
    const qsizetype at = firstIndex(units, "ORG");
    if (at < 0)
        return;
    QList<QByteArray> c = splitEscaped(rawValueOf(units.at(at)), ';');
    qsizetype org = 0;
    while (org + 1 < c.size() && unescapedText(c.at(org)).trimmed().isEmpty())
        ++org;
    QString name = text, unitText;
    if (from == From::Units) {
        name = unescapedText(c.at(org));
        unitText = text;
    } else if (from == From::OrgAndUnits) {
        const qsizetype comma = text.indexOf(QLatin1String(", "));
        name = comma < 0 ? text : text.left(comma);
        unitText = comma < 0 ? QString() : text.mid(comma + 2);
    }
    c[org] = escapedText(name);
    if (from != From::Org) {
        c = c.mid(0, org + 1);
        for (const QString& u : unitText.split(QLatin1String(", "), Qt::SkipEmptyParts))
            c << escapedText(u);
    }
    units[at] = unitFrom(headOf(units.at(at)), c.join(';'), eol);
}

// The city line as the record shows it, piece by piece: the component
// (3 locality, 4 region, 5 code) each piece is, or -1 for a separator.
QList<std::pair<QString, int>> cityPieces(const QList<QByteArray>& c)
{
    QString held[3];
    for (int k = 0; k < 3; ++k)
        held[k] = heldText(unescapedText(c.at(3 + k)), Width::Addr * 4);
    if (!held[1].isEmpty())
        return {{held[0], 3},
                {QStringLiteral(", "), -1},
                {held[1], 4},
                {QStringLiteral(" "), -1},
                {held[2], 5}};
    if (!held[2].isEmpty() && held[2].at(0).isDigit())
        return {{held[2], 5}, {QStringLiteral(" "), -1}, {held[0], 3}};
    return {{held[0], 3}, {QStringLiteral(" "), -1}, {held[2], 5}};
}

// The one component an edit of the city line changed, when the rest of the
// line reads as before (so a code edited beside a city the record holds as
// '?' leaves the city as the card spells it).
bool editOneCityPart(QList<QByteArray>& c, const QString& text)
{
    const QList<std::pair<QString, int>> pieces = cityPieces(c);
    QString line;
    for (const auto& piece : pieces)
        line += piece.first;
    PostalParts parts;
    parts.locality = unescapedText(c.at(3));
    parts.region = unescapedText(c.at(4));
    parts.code = unescapedText(c.at(5));
    if (line != heldText(addressLines(parts).value(0), Width::Addr * 4))
        return false;
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        if (pieces.at(k).second < 0)
            continue;
        QString before, after;
        for (qsizetype i = 0; i < pieces.size(); ++i)
            (i < k ? before : after) += i == k ? QString() : pieces.at(i).first;
        if (text.size() < before.size() + after.size() || !text.startsWith(before) ||
            !text.endsWith(after))
            continue;
        const QString value = text.mid(before.size(), text.size() - before.size() - after.size());
        if (value == pieces.at(k).first || value.trimmed() != value)
            continue;
        c[pieces.at(k).second] = escapedText(value);
        return true;
    }
    return false;
}

// The city line written back: only the parts of it that the edit changed.
void editCity(QList<QByteArray>& c, const QString& text)
{
    if (editOneCityPart(c, text))
        return;
    PostalParts parts;
    if (!parseAddress({QStringLiteral("-"), text}, parts)) {
        parts = PostalParts();
        parts.locality = text;
    }
    const QString now[] = {parts.locality, parts.region, parts.code};
    for (int k = 0; k < 3; ++k) {
        const QString old = unescapedText(c.at(3 + k));
        if (heldText(old, int(old.size()) + 1).trimmed() != now[k].trimmed())
            c[3 + k] = escapedText(now[k]);
    }
}

void editComponent(QList<QByteArray>& c, const Source& s, const QString& text)
{
    if (s.from == From::City) {
        editCity(c, text);
    } else if (s.from == From::Country) {
        c[6] = escapedText(text);
    } else if (s.component < 2) {
        c[s.component] = escapedText(text);
    } else {
        // A street line cleared stays an empty line until every edit is in,
        // so the other lines keep their places.
        QList<QByteArray> lines = splitEscapedLines(c.at(2));
        lines[s.part] = escapedText(text);
        c[2] = lines.join("\\n");
    }
}

// The ADR's components for whole address lines, as a new card writes them.
void setComponents(QList<QByteArray>& c, const QStringList& lines)
{
    PostalParts p;
    parseAddress(lines, p);
    c = {{},
         {},
         escapedText(p.street.join('\n')),
         escapedText(p.locality),
         escapedText(p.region),
         escapedText(p.code),
         escapedText(p.country)};
}

// The ADR and its label with these components and label lines; a line that
// did not change keeps its bytes.
void writeLabel(QList<Unit>& units, const CardAddress& a, const QList<QByteArray>& components,
                const QStringList& label, const QByteArray& eol)
{
    QStringList before;
    for (const Source& s : a.lines)
        if (s.from == From::Label)
            before << s.text;
    const bool labelChanged = label != before;
    if (a.adrAt >= 0 && (components != a.components || (a.labelParam && labelChanged))) {
        QByteArray head = headOf(units.at(a.adrAt));
        if (a.labelParam)
            head = withParam(head, "LABEL", label.join('\n'));
        units[a.adrAt] = unitFrom(head, components.join(';'), eol);
    }
    if (a.labelAt >= 0 && labelChanged)
        units[a.labelAt] =
            unitFrom(headOf(units.at(a.labelAt)), escapedText(label.join('\n')), eol);
}

struct Change {
    Source source;
    QString text;
};

// The changed lines and what each now says in full; nothing when a line moved
// or no single part of the card gave it.
std::optional<QList<Change>> changesOf(const CardAddress& a, const QStringList& held,
                                       const QStringList& now)
{
    QList<Change> changes;
    for (int i = 0; i < 4; ++i) {
        if (held.value(i) == now.value(i))
            continue;
        if (i >= a.lines.size() || a.lines.at(i).from == From::Other)
            return std::nullopt;
        for (int j = 0; j < held.size(); ++j)
            if (j != i && !now.value(i).isEmpty() && held.at(j) == now.value(i))
                return std::nullopt;
        const Source& s = a.lines.at(i);
        changes << Change{s, editedText(s.text, now.value(i), Width::Addr).value_or(s.text)};
    }
    return changes;
}

bool patchParts(QList<Unit>& units, const CardAddress& a, const QStringList& held,
                const QStringList& now, const QByteArray& eol)
{
    const auto changes = changesOf(a, held, now);
    if (!a.consistent || !changes)
        return false;
    QStringList label;
    for (int i = a.headLines; i < a.lines.size(); ++i)
        if (a.lines.at(i).from == From::Label)
            label << a.lines.at(i).text;
    bool unmatched = false;
    QList<QByteArray> components = a.components;
    const QList<Source> parts = componentLines(a.components);
    for (const Change& c : *changes) {
        if (c.source.from == From::Org || c.source.from == From::Units ||
            c.source.from == From::OrgAndUnits) {
            editOrg(units, c.source.from, c.text, eol);
            continue;
        }
        if (c.source.from != From::Label) {
            editComponent(components, c.source, c.text);
            continue;
        }
        label[c.source.part] = c.text;
        // The label line is most often one of the components written out.
        const auto same = std::find_if(parts.begin(), parts.end(), [&](const Source& s) {
            return sameText(s.text, c.source.text);
        });
        if (same == parts.end())
            unmatched = true;
        else
            editComponent(components, *same, c.text);
    }
    if (components.at(2) != a.components.at(2)) {
        QList<QByteArray> street = splitEscapedLines(components.at(2));
        street.removeIf([](const QByteArray& l) { return l.trimmed().isEmpty(); });
        components[2] = street.join("\\n");
    }
    if (unmatched)
        setComponents(components, label);
    writeLabel(units, a, components, label, eol);
    return true;
}

// The address rewritten as a whole: the organisation's lines still go to ORG,
// lines that did not change keep the card's spelling, and the ADR keeps its
// parameters, group and place.
void rewrite(QList<Unit>& units, const CardAddress& a, const QStringList& held,
             const QStringList& now, VCardVersion version, const QByteArray& eol)
{
    QStringList lines;
    for (int i = 0; i < now.size(); ++i) {
        if (i < a.headLines) {
            if (now.at(i) != held.value(i))
                editOrg(units, a.lines.at(i).from, now.at(i), eol);
            continue;
        }
        QString line = now.at(i);
        const qsizetype j = held.indexOf(line);
        if (j >= 0 && j < a.lines.size() && a.lines.at(j).from == From::Other)
            continue; // another of the card's addresses, which stays where it is
        if (j >= 0 && j < a.lines.size())
            line = a.lines.at(j).text;
        lines << line;
    }
    // Lines past the record's four were never shown here, so they stay.
    for (qsizetype j = 4; j < a.lines.size(); ++j)
        if (a.lines.at(j).from != From::Other)
            lines << a.lines.at(j).text;
    if (a.adrAt < 0 && a.labelAt < 0) {
        Entry e;
        e.name = QStringLiteral("x");
        e.address = lines;
        for (Unit u : named(unitsOf(writeVCards({e}, version, [](int) { return QString(); })),
                            {"ADR", "LABEL"}))
            units.insert(endIndex(units), unitOf(u.raw.replace("\r\n", eol)));
        return;
    }
    QList<QByteArray> components = a.components;
    setComponents(components, lines);
    writeLabel(units, a, components, lines, eol);
    PostalParts p;
    parseAddress(lines, p);
    if (a.adrAt < 0 || a.labelAt >= 0 || a.labelParam || addressLines(p) == lines)
        return;
    // The components alone would not give these lines back: a label says them.
    const QByteArray adrHead = headOf(units.at(a.adrAt));
    if (version == VCardVersion::V40) {
        units[a.adrAt] =
            unitFrom(withParam(adrHead, "LABEL", lines.join('\n')), components.join(';'), eol);
        return;
    }
    QByteArray head = "LABEL";
    if (const auto type = paramOf(adrHead, "TYPE"))
        head += ";TYPE=" + *type;
    units.insert(a.adrAt + 1, unitFrom(head, escapedText(lines.join('\n')), eol));
}

void removeAddress(QList<Unit>& units, const CardAddress& a)
{
    for (qsizetype at : {std::max(a.adrAt, a.labelAt), std::min(a.adrAt, a.labelAt)})
        if (at >= 0)
            units.removeAt(at);
}

} // namespace

void patchAddress(QList<Unit>& units, const QByteArray& record, VCardVersion version,
                  const QByteArray& eol)
{
    const QByteArray card = joined(units);
    // A line the record holds without the card's spelling compares as it holds it.
    const auto heldBy = [&record](const QByteArray& c) {
        return addressOf(withSpellingsLike(recordFromCard(c), record));
    };
    const QStringList held = heldBy(card);
    const QStringList now = addressOf(record);
    if (held == now)
        return;
    const CardAddress a = cardAddress(units);
    if (now.isEmpty()) {
        removeAddress(units, a);
        return;
    }
    QList<Unit> patched = units;
    if (patchParts(patched, a, held, now, eol) && heldBy(joined(patched)) == now) {
        units = patched;
        return;
    }
    rewrite(units, a, held, now, version, eol);
}

} // namespace tavrel
