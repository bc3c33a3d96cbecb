#include "exchange/Import.h"

#include "exchange/FileKind.h"
#include "exchange/Rules.h"
#include "exchange/Tables.h"
#include "exchange/VCard.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/RecordAccess.h"
#include "store/Undo.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <cerrno>
#include <limits>
#include <optional>

namespace tavrel {

// --- reading ---

ImportSource readImportBytes(const QByteArray& raw, const QString& fileName)
{
    ImportSource s;
    s.fileName = fileName;
    if (raw.trimmed().isEmpty()) {
        s.error = QCoreApplication::translate("tavrel::Import", "The file is empty.");
        return s;
    }
    QString utf16;
    const QByteArray bytes = withUtf16Mark(raw, &utf16);
    const QString utf16Note =
        QCoreApplication::translate("tavrel::Import",
                                    "The file is UTF-16 (%1) without a byte-order mark.")
            .arg(utf16);
    if (looksLikeVCard(bytes)) {
        VCardRead read = readVCards(bytes);
        s.kind = QStringLiteral("vCard");
        s.entries = read.entries;
        s.problems = read.problems;
        if (!utf16.isEmpty())
            s.problems.prepend(utf16Note);
        if (s.entries.isEmpty())
            s.error = QCoreApplication::translate("tavrel::Import", "The file holds no card.");
        return s;
    }
    if (const QString why = notAContactFile(bytes); !why.isEmpty()) {
        s.error = QCoreApplication::translate("tavrel::Import",
                                              "This file is not a card file or a CSV file (%1).")
                      .arg(why);
        return s;
    }
    s.isCsv = true;
    s.table = readCsv(bytes);
    if (!utf16.isEmpty())
        s.table.problems.prepend(utf16Note);
    s.problems = s.table.problems;
    if (s.table.header.isEmpty() || s.table.rows.isEmpty()) {
        s.error = QCoreApplication::translate(
            "tavrel::Import", "The file is neither a vCard file nor a CSV file with a header "
                              "and at least one row.");
        return s;
    }
    const QString dialect = csvDialectName(s.table.header);
    s.kind = dialect.isEmpty() ? QStringLiteral("CSV") : QStringLiteral("CSV (%1)").arg(dialect);
    applyMapping(s, mappingByName(s.table.header));
    return s;
}

void applyMapping(ImportSource& s, const CsvMapping& mapping)
{
    s.mapping = mapping;
    s.needsMapping = !mappingFindsNames(mapping);
    s.entries = s.needsMapping ? QList<Entry>() : entriesFromCsv(s.table, mapping);
    s.problems = s.table.problems;
    if (!s.needsMapping)
        s.problems << columnsLeftOut(s.table, mapping);
}

ImportSource readImportFile(Program& p, const QString& path)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        ImportSource s;
        s.fileName = name;
        const int n = file.exists() ? (errno ? errnoToNumber(errno) : ErrNo::PathFileAccess)
                                    : ErrNo::FileNotFound;
        s.error =
            QCoreApplication::translate("tavrel::Import", "The file cannot be read (error%1).")
                .arg(numText(n));
        return s;
    }
    if (file.size() > kMaxImportBytes) {
        ImportSource s;
        s.fileName = name;
        s.error = QCoreApplication::translate("tavrel::Import",
                                              "The file is too large to import (more than 64 MB).");
        return s;
    }
    ImportSource s = readImportBytes(file.read(kMaxImportBytes + 1), name);
    if (s.isCsv && s.needsMapping) {
        const CsvMapping saved = savedMapping(p, s.table.header);
        if (!saved.isEmpty())
            applyMapping(s, saved);
    }
    return s;
}

// --- saved mappings ---

CsvMapping savedMapping(Program& p, const QStringList& header)
{
    if (!p.files.exists(kCsvMappingFile))
        return {};
    const QString signature = csvHeaderSignature(header);
    const QStringList lines = QString::fromUtf8(p.files.readAll(kCsvMappingFile)).split('\n');
    for (const QString& line : lines) {
        QStringList cells = line.split('\t');
        if (cells.size() == header.size() + 1 && cells.first() == signature) {
            cells.removeFirst();
            return cells;
        }
    }
    return {};
}

void saveMapping(Program& p, const QStringList& header, const CsvMapping& mapping)
{
    const QString signature = csvHeaderSignature(header);
    QStringList kept;
    if (p.files.exists(kCsvMappingFile))
        for (const QString& line : QString::fromUtf8(p.files.readAll(kCsvMappingFile)).split('\n'))
            if (!line.isEmpty() && !line.startsWith(signature + '\t'))
                kept << line;
    kept << signature + '\t' + mapping.join('\t');
    p.files.replaceFile(kCsvMappingFile, (kept.join('\n') + '\n').toUtf8());
}

// --- planning ---

namespace {

const QString kSeparator = QStringLiteral("; ");

QString quoted(const QString& s)
{
    QString t = s;
    t.replace(QLatin1String("\r\n"), QLatin1String(" / "));
    return QChar(0x201C) + t + QChar(0x201D);
}

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

    // Something the record has no place for at all.
    void extra(const QString& what, const QString& text)
    {
        pr_.overflows = true;
        const QString reduced = reduceToCp1252(clean(what, text));
        const QString left = what + tr(" left out: ") + quoted(reduced);
        if (choice_ == OverflowChoice::MoveToComments)
            moved_ << Overflow{what + tr(" moved to Comments: ") + quoted(reduced),
                               left + tr(" (no room in Comments)"), reduced};
        else
            pr_.changes << left;
    }

    // Comments last: the entry's own text, then what moved there while room remains.
    QString comments(const QString& own)
    {
        QString text = fit(QStringLiteral("Comments"), own, Width::Comments, true);
        for (const Overflow& o : moved_) {
            const QString add = (text.isEmpty() ? QString() : kSeparator) + o.text;
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
            b.extra(QStringLiteral("E-mail %1").arg(i + 1), entry.emails.at(i));
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
    r.Comments = b.comments(entry.comments);
    if (const QString removed = b.controlsRemoved(); !removed.isEmpty())
        pr.changes << removed;
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

// --- writing ---

namespace {

QString choiceText(OverflowChoice c)
{
    switch (c) {
    case OverflowChoice::MoveToComments:
        return QCoreApplication::translate("tavrel::Import", "move overflow into Comments");
    case OverflowChoice::CutAndLog:
        return QCoreApplication::translate("tavrel::Import", "cut and log");
    case OverflowChoice::SkipRecord:
        return QCoreApplication::translate("tavrel::Import", "skip the record");
    }
    return {};
}

QString shownName(const PlannedRecord& r)
{
    const QString n = trimRight(r.record.Name);
    return n.isEmpty() ? QCoreApplication::translate("tavrel::Import", "(no name)") : n;
}

} // namespace

QString planText(const ImportPlan& plan)
{
    QStringList out;
    out << QCoreApplication::translate("tavrel::Import", "File: %1 (%2), %3 entries")
               .arg(plan.source.fileName, plan.source.kind)
               .arg(plan.source.entries.size());
    out << QCoreApplication::translate("tavrel::Import", "Fields that do not fit: ") +
               choiceText(plan.choice);
    for (const QString& problem : plan.source.problems)
        out << problem;
    for (qsizetype i = 0; i < plan.records.size(); ++i) {
        const PlannedRecord& r = plan.records.at(i);
        if (r.changes.isEmpty() && r.duplicate.isEmpty())
            continue;
        out << QCoreApplication::translate("tavrel::Import", "Entry %1: %2")
                   .arg(i + 1)
                   .arg(shownName(r));
        if (!r.duplicate.isEmpty())
            out << QCoreApplication::translate("tavrel::Import",
                                               "    Looks like a record in the file (%1): %2")
                       .arg(r.duplicate,
                            r.include ? QCoreApplication::translate("tavrel::Import", "add anyway")
                                      : QCoreApplication::translate("tavrel::Import", "skip"));
        for (const QString& c : r.changes)
            out << "    " + c;
    }
    out << QCoreApplication::translate("tavrel::Import", "%1 of %2 entries would be imported.")
               .arg(plan.toWrite())
               .arg(plan.records.size());
    return out.join('\n');
}

namespace {

// The log keeps the earlier imports above the newest, a blank line between
// them, as long as they fit in `kMaxImportLogBytes`; the oldest go first. A
// log that cannot be read is started afresh rather than stopping the import.
QByteArray withEarlierImports(Program& p, const QByteArray& newest)
{
    QByteArray earlier;
    try {
        if (p.files.exists(kImportLogName))
            earlier = p.files.readAll(kImportLogName);
    } catch (const PlatformError&) {
        return newest;
    }
    const qsizetype room = kMaxImportLogBytes - newest.size() - 1;
    if (earlier.size() > room) {
        const qsizetype from =
            earlier.indexOf("\nImport of ", earlier.size() - std::max<qsizetype>(room, 0));
        earlier = from < 0 ? QByteArray() : earlier.mid(from + 1);
    }
    if (earlier.isEmpty())
        return newest;
    if (!earlier.endsWith('\n'))
        earlier += '\n';
    return earlier + '\n' + newest;
}

// The most an import of `plan` into IDs up to `topId` adds to the disk: the
// N&A file's growth, every mailing list rewritten beside the old one, and the
// log likewise (each character of its lines counted at UTF-8's widest).
qint64 roomForImport(Program& p, const ImportPlan& plan, int topId)
{
    qint64 need = std::max<qint64>(0, qint64(topId + 1) * NARecord::Size - p.naFile.size());
    QStringList files = listMailListFiles(p, kMailListPattern);
    files << kImportLogName;
    for (const QString& f : std::as_const(files)) {
        try {
            if (p.files.exists(f))
                need += p.files.length(f);
        } catch (const PlatformError&) {
        }
    }
    qint64 logChars = 1024;
    for (const PlannedRecord& r : plan.records) {
        logChars += shownName(r).size() + r.duplicate.size() + 200;
        for (const QString& c : r.changes)
            logChars += c.size() + 8;
    }
    return need + 3 * logChars;
}

// Free bytes on the program directory's disk; nullopt when the system will not say.
std::optional<qint64> freeBytes(const Files& files)
{
    try {
        const DiskFigures f = files.diskFigures();
        qint64 clusterBytes = 0;
        qint64 bytes = 0;
        if (__builtin_mul_overflow(f.sectorsPerCluster, f.bytesPerSector, &clusterBytes) ||
            __builtin_mul_overflow(f.freeClusters, clusterBytes, &bytes))
            return std::numeric_limits<qint64>::max();
        return std::max<qint64>(bytes, 0);
    } catch (const PlatformError&) {
        return std::nullopt;
    }
}

} // namespace

ImportResult runImport(Program& p, const ImportPlan& plan, const ImportOptions& options)
{
    ImportResult result;
    QStringList log;
    log << QCoreApplication::translate("tavrel::Import", "Import of %1 (%2) on %3")
               .arg(plan.source.fileName, plan.source.kind,
                    p.clock.now().toString(QStringLiteral("MM-dd-yyyy 'at' HH:mm:ss")));
    log << QCoreApplication::translate("tavrel::Import", "Fields that do not fit: ") +
               choiceText(plan.choice);
    for (const QString& problem : plan.source.problems)
        log << problem;

    // Free IDs, lowest first: the gaps below LastRecNo, then everything above.
    QList<int> freeIds;
    if (p.LastRecNo > 1)
        readAscending(p, 2, p.LastRecNo, [&](int recNo) {
            if (!isActive(p.CurRec, recNo - 1))
                freeIds << recNo - 1;
            return true;
        });
    for (int id = std::max<int>(p.LastRecNo, 1); id <= kMaxId; ++id)
        freeIds << id;

    // Who gets which ID, so QuickLinks between imported records can follow them.
    QList<std::pair<const PlannedRecord*, int>> writes;
    QHash<int, int> newIdOf;
    QStringList leftOut;
    for (const PlannedRecord& r : plan.records) {
        if (!r.include) {
            leftOut << shownName(r) +
                           QCoreApplication::translate("tavrel::Import",
                                                       ": looks like a record in the file (") +
                           r.duplicate + ')';
            continue;
        }
        if (plan.choice == OverflowChoice::SkipRecord && r.overflows) {
            leftOut << shownName(r) + QCoreApplication::translate("tavrel::Import",
                                                                  ": does not fit the record");
            continue;
        }
        if (writes.size() >= freeIds.size()) {
            result.stoppedAtLimit = true;
            leftOut << shownName(r) +
                           QCoreApplication::translate("tavrel::Import", ": no free ID left");
            continue;
        }
        const int id = freeIds.at(writes.size());
        writes.append({&r, id});
        if (r.entry.sourceId && !newIdOf.contains(r.entry.sourceId))
            newIdOf.insert(r.entry.sourceId, id);
    }
    result.notImported = int(leftOut.size());

    // The point just before the first record is written: the caller's last
    // word, then the program-wide hook (the automatic backup copy).
    if (!writes.isEmpty()) {
        if (options.beforeFirstWrite && !options.beforeFirstWrite()) {
            result.cancelled = true;
            result.notImported = int(plan.records.size());
            result.message = QCoreApplication::translate("tavrel::Import", "Nothing Was Imported.");
            return result;
        }
        // No backup copy and no choice to go on without one: nothing is written.
        if (p.BeforeBulkChange && !p.BeforeBulkChange(QStringLiteral("import"))) {
            result.cancelled = true;
            result.noSafetyCopy = true;
            result.notImported = int(plan.records.size());
            result.message = QCoreApplication::translate("tavrel::Import", "Nothing Was Imported.");
            return result;
        }
        // A disk that fills half way would leave half an import: the room is
        // asked for before the first record.
        int topId = 0;
        for (const auto& w : std::as_const(writes))
            topId = std::max(topId, w.second);
        const qint64 need = roomForImport(p, plan, topId);
        if (const std::optional<qint64> free = freeBytes(p.files); free && *free < need) {
            result.cancelled = true;
            result.notImported = int(plan.records.size());
            result.message =
                QCoreApplication::translate(
                    "tavrel::Import", "The Disk Is Full: The Import Needs About %1 KBytes Of Free "
                                      "Space, And %2 KBytes Are Free.\nNothing Was Imported.")
                    .arg((need + 1023) / 1024)
                    .arg(*free / 1024);
            return result;
        }
    }

    if (!writes.isEmpty())
        endUndoHistory(p, BulkChange::Import);
    QHash<QString, QList<int>> listMembers;
    for (qsizetype w = 0; w < writes.size(); ++w) {
        const PlannedRecord& r = *writes.at(w).first;
        const int id = writes.at(w).second;
        NARecord rec = r.record;
        rec.RecId = qint16(id);
        QStringList notes = r.changes;
        for (int i = 1; i <= 4; ++i) {
            const int old = rec.linkId(i);
            if (!old)
                continue;
            rec.linkId(i) = qint16(newIdOf.value(old, 0));
            if (!rec.linkId(i))
                notes << QCoreApplication::translate(
                             "tavrel::Import", "QuickLink %1 to ID %2 cleared: that record was not "
                                               "imported")
                             .arg(i)
                             .arg(old);
        }
        if (const int old = rec.BackLinkId) {
            rec.BackLinkId = qint16(newIdOf.value(old, 0));
            if (!rec.BackLinkId)
                notes << QCoreApplication::translate(
                             "tavrel::Import", "Previous record ID %1 cleared: that record was not "
                                               "imported")
                             .arg(old);
        }
        // The same store path as Add: write, raise LastRecNo, keep LowestFreeId.
        p.CurRec = rec;
        Put_NA_Rec(p, id + 1);
        noteStoredId(p, id);
        p.LowestFreeId =
            qint16(w + 1 < writes.size() ? std::min<int>(writes.at(w + 1).second, p.LastRecNo)
                                         : p.LastRecNo);
        result.ids << id;
        for (const QString& title : r.entry.lists)
            listMembers[trimRight(title)] << id;
        log << QCoreApplication::translate("tavrel::Import", "ID %1: %2").arg(id).arg(shownName(r));
        for (const QString& n : notes)
            log << "    " + n;
    }
    result.imported = int(writes.size());
    if (!writes.isEmpty())
        findLowestFreeId(p);

    // Members of lists that exist here under the same title.
    if (!listMembers.isEmpty()) {
        const QByteArray savedFlags = p.MailListFlags;
        QSet<QString> joined;
        for (const QString& file : listMailListFiles(p, kMailListPattern)) {
            const QString title = loadMailList(p, file);
            const auto it = listMembers.constFind(trimRight(title));
            if (it == listMembers.constEnd())
                continue;
            for (int id : *it)
                setMember(p, id, true);
            writeMailList(p, file, title);
            joined.insert(it.key());
            log << QCoreApplication::translate("tavrel::Import", "Mailing list %1 (%2): %3 added")
                       .arg(trimRight(title), file)
                       .arg(it->size());
        }
        p.MailListFlags = savedFlags;
        for (auto it = listMembers.constBegin(); it != listMembers.constEnd(); ++it)
            if (!joined.contains(it.key()))
                log << QCoreApplication::translate(
                           "tavrel::Import",
                           "No mailing list is titled %1; %2 records carried that "
                           "title")
                           .arg(quoted(it.key()))
                           .arg(it->size());
    }

    for (const QString& l : leftOut)
        log << QCoreApplication::translate("tavrel::Import", "Not imported: ") + l;
    if (result.stoppedAtLimit)
        result.message = QCoreApplication::translate(
                             "tavrel::Import", "The N&A File Is Full: It Holds 1700 Records.\n"
                                               "%1 Records Were Imported, %2 Were Not.")
                             .arg(result.imported)
                             .arg(result.notImported);
    else
        result.message =
            QCoreApplication::translate("tavrel::Import", "%1 Records Imported, %2 Not Imported.")
                .arg(result.imported)
                .arg(result.notImported);
    log << result.message;
    result.log = log.join('\n') + '\n';
    p.files.replaceFile(kImportLogName, withEarlierImports(p, result.log.toUtf8()),
                        kImportLogTempName);
    return result;
}

} // namespace tavrel
