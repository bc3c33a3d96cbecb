#include "exchange/Import.h"

#include "exchange/ImportText.h"
#include "exchange/Rules.h"
#include "exchange/Tables.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace tavrel {

using importtext::quoted;

QString importtext::quoted(const QString& s)
{
    QString t = s;
    t.replace(QLatin1String("\r\n"), QLatin1String(" / "));
    return QChar(0x201C) + t + QChar(0x201D);
}

namespace {

const QString kSeparator = QStringLiteral("; ");

class RecordBuilder {
    Q_DECLARE_TR_FUNCTIONS(RecordBuilder)

public:
    RecordBuilder(PlannedRecord& planned, OverflowChoice choice) : pr_(planned), choice_(choice) {}

    // The value as the record holds it; what does not fit goes to Comments or is cut.
    // `name` says which field it is; it is only spelled out when something changes.
    // Only Comments keeps line ends.
    template <typename Name>
    QString fit(const Name& name, const QString& text, int width, bool multiLine = false)
    {
        if (text.size() <= width) {
            bool plain = true;
            for (QChar c : text)
                plain = plain && c.unicode() >= 0x20 && c.unicode() < 0x7F;
            if (plain)
                return text;
        }
        const QString value = clean(name, text, multiLine);
        const QString what = spelled(name);
        bool changed = false;
        const QString reduced = reduceToCp1252(value, &changed);
        if (changed) {
            pr_.replaced = true;
            pr_.changes << what + ": " + quoted(value) + tr(" becomes ") + quoted(reduced);
        }
        if (reduced.size() <= width)
            return reduced;
        pr_.overflows = true;
        const QString cut = what + tr(" cut to ") + QString::number(width) +
                            tr(" characters, losing ") + quoted(reduced.mid(width));
        if (choice_ == OverflowChoice::MoveToComments)
            moved_ << Overflow{what + tr(" cut to ") + QString::number(width) +
                                   tr(" characters; in full in Comments"),
                               cut + tr(" (no room in Comments)"), what + ": " + reduced};
        else
            pr_.changes << cut;
        return reduced.left(width);
    }

    static QString spelled(const QString& name) { return name; }
    template <typename F> static QString spelled(const F& name) { return name(); }

    // The text without control characters, counting them and the field they were in.
    template <typename Name>
    QString clean(const Name& name, const QString& text, bool multiLine = false)
    {
        const int before = controls_;
        QString out = withoutControls(text, multiLine, &controls_);
        if (controls_ > before && !controlFields_.contains(spelled(name)))
            controlFields_ << spelled(name);
        return out;
    }
    // What the cleaning removed, in words; empty when nothing.
    QString controlsRemoved() const
    {
        if (!controls_)
            return {};
        return (controls_ == 1
                    ? QCoreApplication::translate("tavrel::Import", "1 control character removed (")
                    : QCoreApplication::translate("tavrel::Import",
                                                  "%1 control characters removed (")
                          .arg(controls_)) +
               controlFields_.join(QStringLiteral(", ")) + ')';
    }

    // Something the record has no place for at all. In Comments it follows
    // `prefix`, on a line of its own when `ownLine`.
    void extra(const QString& what, const QString& text, const QString& prefix = QString(),
               bool ownLine = false)
    {
        pr_.overflows = true;
        const QString reduced = reduceToCp1252(clean(what, text));
        const QString left = what + tr(" left out: ") + quoted(reduced);
        if (choice_ == OverflowChoice::MoveToComments)
            moved_ << Overflow{what + tr(" moved to Comments: ") + quoted(reduced),
                               left + tr(" (no room in Comments)"), prefix + reduced, ownLine};
        else
            pr_.changes << left;
    }

    // Comments last: the entry's own text, then what moved there while room remains.
    QString comments(const QString& own)
    {
        QString text = fit(QStringLiteral("Comments"), own, Width::Comments, true);
        // What has a line of its own comes after the rest, so nothing runs on after it.
        std::stable_partition(moved_.begin(), moved_.end(),
                              [](const Overflow& o) { return !o.ownLine; });
        for (const Overflow& o : moved_) {
            const QString add = (text.isEmpty() ? QString()
                                 : o.ownLine    ? QStringLiteral("\r\n")
                                                : kSeparator) +
                                o.text;
            if (text.size() + add.size() <= Width::Comments) {
                text += add;
                pr_.changes << o.description;
            } else {
                pr_.changes << o.noRoom;
            }
        }
        return text;
    }

private:
    struct Overflow {
        QString description; // when it fits into Comments
        QString noRoom;      // when it does not
        QString text;
        bool ownLine = false;
    };
    PlannedRecord& pr_;
    OverflowChoice choice_;
    QList<Overflow> moved_;
    int controls_ = 0;
    QStringList controlFields_;
};

bool sameText(const QString& a, const QString& b)
{
    return a.simplified().compare(b.simplified(), Qt::CaseInsensitive) == 0;
}

// The address with the organisation where a business letter has it: above the
// street, its units below it while there is room.
QStringList addressWithOrganisation(const Entry& entry, bool organisation, RecordBuilder& b)
{
    QStringList address = entry.address;
    while (!address.isEmpty() && address.last().trimmed().isEmpty())
        address.removeLast();
    // An organisation's own record names it already, unless its name says something else.
    const QString org = entry.organisation.simplified();
    QStringList head;
    if (!org.isEmpty() && !sameText(address.value(0), org) &&
        !(organisation && entry.name.contains(org, Qt::CaseInsensitive)))
        head << org;
    const QString units = entry.orgUnits.join(QStringLiteral(", "));
    if (!units.isEmpty() && !sameText(address.value(0), units)) {
        if (head.size() + address.size() < 4)
            head << units;
        else if (!head.isEmpty() && head.last().size() + 2 + units.size() <= Width::Addr)
            head.last() += QStringLiteral(", ") + units;
        else
            b.extra(QStringLiteral("Department"), units);
    }
    return head + address;
}

QString inCase(const QString& text, KeyCase keyCase)
{
    QString key = reduceToCp1252(text).simplified();
    if (keyCase == KeyCase::Upper)
        key = key.toUpper();
    else if (keyCase == KeyCase::Lower)
        key = key.toLower();
    return key.left(Width::SortKey).trimmed();
}

// Sort keys from the name when the file has none: a person by family and
// given name, an organisation by its name.
void makeSortKeys(const Entry& entry, bool organisation, KeyCase keyCase, QString& key1,
                  QString& key2)
{
    key1 = entry.sortKey1;
    key2 = entry.sortKey2;
    if (entry.keysFromFile || (!key1.isEmpty() && (organisation || !key2.isEmpty())))
        return;
    const QString name = withoutControls(entry.name, false);
    if (organisation) {
        if (key1.isEmpty())
            key1 = inCase(name, keyCase);
        return;
    }
    QString family = entry.family, given = entry.given;
    if (family.trimmed().isEmpty() && given.trimmed().isEmpty()) {
        const NameParts parts = splitName(name);
        family = parts.family;
        given = parts.given;
    }
    if (key1.isEmpty())
        key1 = inCase(withoutControls(family, false), keyCase);
    if (key2.isEmpty())
        key2 = inCase(withoutControls(given, false), keyCase);
}

QString normalisedKey(const QString& s)
{
    return trimRight(s).toCaseFolded();
}

} // namespace

bool isOrganisationEntry(const Entry& e)
{
    if (e.isOrganisation ||
        (!e.organisation.trimmed().isEmpty() && sameText(e.name, e.organisation)))
        return true;
    return e.given.trimmed().isEmpty() && isOrganisationName(e.name, e.sortKey2);
}

void suggestSortKeys(const QString& name, QString& key1, QString& key2, KeyCase keyCase)
{
    Entry entry;
    entry.name = name;
    entry.sortKey1 = key1;
    entry.sortKey2 = key2;
    makeSortKeys(entry, isOrganisationEntry(entry), keyCase, key1, key2);
}

namespace {

// The texts the code page could not hold as they were, where the record
// holds just what a record write makes of them: the person's own spelling.
void keepOriginals(PlannedRecord& pr, const QString& name, const QStringList& address)
{
    const auto keep = [&pr](ContactField field, const QString& text) {
        const QString own = trimRight(text);
        if (reduceToCp1252(own) != own && originalsMatch({{field, own}}, pr.record))
            pr.originals[field] = own;
    };
    keep(ContactField::Name, name);
    const ContactField lines[] = {ContactField::AddrLine1, ContactField::AddrLine2,
                                  ContactField::AddrLine3, ContactField::AddrLine4};
    for (qsizetype i = 0; i < std::min<qsizetype>(address.size(), 4); ++i)
        keep(lines[i], address.at(i));
}

} // namespace

PlannedRecord planRecord(const Entry& entry, OverflowChoice choice, KeyCase keyCase)
{
    PlannedRecord pr;
    pr.entry = entry;
    pr.changes = entry.notes;
    NARecord& r = pr.record;
    r = NARecord::blank();
    r.RecStatus = kActive;
    RecordBuilder b(pr, choice);
    r.Name = b.fit(QStringLiteral("Name"), entry.name, Width::Name);
    const bool organisation = isOrganisationEntry(entry);

    const QStringList address = entry.organisation.isEmpty() && entry.orgUnits.isEmpty()
                                    ? entry.address
                                    : addressWithOrganisation(entry, organisation, b);
    QString* lines[] = {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4};
    for (qsizetype i = 0; i < address.size(); ++i) {
        auto what = [i] { return QStringLiteral("Address line %1").arg(i + 1); };
        if (i < 4)
            *lines[i] = b.fit(what, address.at(i), Width::Addr);
        else if (!address.at(i).trimmed().isEmpty())
            b.extra(what(), address.at(i));
    }

    // Telephones of our own files keep their place; the others fill free places in order.
    bool taken[6] = {};
    QList<std::pair<int, ExchangePhone>> placed;
    QList<ExchangePhone> rest;
    for (ExchangePhone ph : entry.phones) {
        // Too long: first without its formatting; what still does not fit is
        // never cut, as a cut number looks like a whole one.
        ph.number = b.clean(QStringLiteral("Telephone"), ph.number);
        if (ph.number.size() > Width::PhoneNum) {
            const QString compact = compactPhoneNumber(ph.number);
            if (compact.size() > Width::PhoneNum) {
                b.extra(QStringLiteral("Telephone too long for its field"),
                        ph.label.isEmpty() ? ph.number : ph.label + ": " + ph.number);
                continue;
            }
            pr.changes << QCoreApplication::translate(
                              "tavrel::Import",
                              "Telephone %1 written without its blanks and signs to "
                              "fit: %2")
                              .arg(quoted(ph.number), quoted(compact));
            ph.number = compact;
        }
        if (ph.slot >= 1 && ph.slot <= 5 && !taken[ph.slot]) {
            taken[ph.slot] = true;
            placed.append({ph.slot, ph});
        } else {
            rest << ph;
        }
    }
    int next = 1;
    int extraCount = 0;
    for (const ExchangePhone& ph : rest) {
        while (next <= 5 && taken[next])
            ++next;
        if (next > 5) {
            ++extraCount;
            b.extra(QStringLiteral("Telephone %1").arg(5 + extraCount),
                    ph.label.isEmpty() ? ph.number : ph.label + ": " + ph.number);
            continue;
        }
        taken[next] = true;
        placed.append({next, ph});
    }
    for (const auto& [slot, ph] : placed) {
        auto labelName = [slot = slot] { return QStringLiteral("Telephone %1 label").arg(slot); };
        QString label = b.clean(labelName, ph.label);
        if (label.size() > Width::PhoneType) {
            // A long label is shortened through the tables, never cut.
            const QString shortLabel = shortPhoneLabel(label);
            if (shortLabel.isEmpty())
                b.extra(labelName(), label + ": " + ph.number);
            else
                pr.changes << labelName() + ' ' + quoted(label) +
                                  QCoreApplication::translate("tavrel::Import", " shortened to ") +
                                  quoted(shortLabel);
            label = shortLabel;
        }
        r.phoneType(slot) = b.fit(labelName, label, Width::PhoneType);
        r.phoneNum(slot) = b.fit([slot = slot] { return QStringLiteral("Telephone %1").arg(slot); },
                                 ph.number, Width::PhoneNum);
    }

    for (qsizetype i = 0; i < entry.emails.size(); ++i) {
        if (i == 0)
            r.EMail = b.fit(QStringLiteral("E-mail"), entry.emails.at(0), Width::EMail);
        else
            b.extra(QStringLiteral("E-mail %1").arg(i + 1), entry.emails.at(i),
                    QStringLiteral("E-mail: "), true);
    }
    QString key1, key2;
    makeSortKeys(entry, organisation, keyCase, key1, key2);
    r.SortKey1 = b.fit(QStringLiteral("Sort key 1"), key1, Width::SortKey);
    r.SortKey2 = b.fit(QStringLiteral("Sort key 2"), key2, Width::SortKey);
    for (int i = 1; i <= 4; ++i) {
        const ExchangeLink& link = entry.links[size_t(i - 1)];
        r.linkId(i) = qint16(std::clamp(link.id, 0, 32767));
        r.linkText(i) = b.fit([i] { return QStringLiteral("QuickLink %1 caption").arg(i); },
                              link.text, Width::LinkText);
    }
    r.BackLinkId = qint16(std::clamp(entry.backLinkId, 0, 32767));
    QString comments = entry.comments;
    if (!entry.birthday.isEmpty())
        comments += (comments.isEmpty() ? QString() : QStringLiteral("\r\n")) +
                    QCoreApplication::translate("tavrel::VCard", "Birthday: ") + entry.birthday;
    r.Comments = b.comments(comments);
    if (const QString removed = b.controlsRemoved(); !removed.isEmpty())
        pr.changes << removed;
    keepOriginals(pr, entry.name, address);
    return pr;
}

int ImportPlan::toWrite() const
{
    int n = 0;
    for (const PlannedRecord& r : records)
        n += r.include && !(choice == OverflowChoice::SkipRecord && r.overflows);
    return n;
}

namespace {

// What tells two records of the same Name apart.
struct Likeness {
    int id = 0;
    QString address; // first address line
    QString email;
    QString phone; // the digits of the first telephone number
};

Likeness likenessOf(const NARecord& r, int id)
{
    Likeness l{id, normalisedKey(r.AddrLine1), normalisedKey(r.EMail), {}};
    for (int i = 1; i <= 5 && l.phone.isEmpty(); ++i)
        for (QChar c : r.phoneNum(i))
            if (c.isDigit())
                l.phone += c;
    return l;
}

// Why `incoming` looks like one of the records of its Name, or "" when it does
// not: the same first address line, e-mail or first telephone number; or
// nothing at all to tell them apart.
QString lookalike(const Likeness& incoming, const QList<Likeness>& sameName)
{
    const struct {
        QString Likeness::*field;
        const char* what;
    } tests[] = {{&Likeness::address, "same Name and first address line as ID %1"},
                 {&Likeness::email, "same Name and e-mail as ID %1"},
                 {&Likeness::phone, "same Name and first telephone number as ID %1"}};
    for (const auto& t : tests)
        for (const Likeness& l : sameName)
            if (!(incoming.*t.field).isEmpty() && incoming.*t.field == l.*t.field)
                return QString::fromLatin1(t.what).arg(l.id);
    if (incoming.address.isEmpty() && incoming.email.isEmpty() && incoming.phone.isEmpty())
        return QCoreApplication::translate(
                   "tavrel::Import",
                   "same Name as ID %1, and no address, e-mail or telephone to tell "
                   "them apart")
            .arg(sameName.first().id);
    return {};
}

} // namespace

ImportPlan planImport(Program& p, const ImportSource& source, OverflowChoice choice)
{
    ImportPlan plan;
    plan.source = source;
    plan.choice = choice;
    // The records already in the file, by Name, and how its keys are written.
    QHash<QString, QList<Likeness>> existing;
    int upper = 0, lower = 0, mixed = 0;
    if (p.LastRecNo > 1)
        readAscending(p, 2, p.LastRecNo, [&](int recNo) {
            if (!isActive(p.CurRec, recNo - 1))
                return true;
            existing[normalisedKey(p.CurRec.Name)].append(likenessOf(p.CurRec, recNo - 1));
            const QString key = trimRight(p.CurRec.SortKey1);
            if (key.toUpper() == key.toLower())
                return true; // no letters: says nothing
            if (key == key.toUpper())
                ++upper;
            else if (key == key.toLower())
                ++lower;
            else
                ++mixed;
            return true;
        });
    plan.keyCase = mixed > upper && mixed >= lower ? KeyCase::AsWritten
                   : lower > upper                 ? KeyCase::Lower
                                                   : KeyCase::Upper;
    plan.records.reserve(source.entries.size());
    for (const Entry& e : source.entries) {
        PlannedRecord pr = planRecord(e, choice, plan.keyCase);
        const QString name = normalisedKey(pr.record.Name);
        const auto it = existing.constFind(name);
        if (it != existing.constEnd() && !name.isEmpty()) {
            pr.duplicate = lookalike(likenessOf(pr.record, 0), *it);
            pr.include = pr.duplicate.isEmpty();
        }
        plan.records << pr;
    }
    return plan;
}

void replan(ImportPlan& plan, OverflowChoice choice)
{
    plan.choice = choice;
    for (PlannedRecord& r : plan.records) {
        PlannedRecord again = planRecord(r.entry, choice, plan.keyCase);
        again.duplicate = r.duplicate;
        again.include = r.include;
        r = again;
    }
}

} // namespace tavrel
