#include "exchange/VCard.h"

#include "exchange/Rules.h"
#include "exchange/Tables.h"
#include "platform/Text.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QVarLengthArray>

namespace tavrel {

namespace {

const QString kProdId = QStringLiteral("-//Tavrel//Tavrel 3.1//EN");

// Line breaks inside values: the record keeps CR LF, a card writes "\n".
QString normalisedBreaks(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace('\r', '\n');
    return t;
}

// A parameter value in double quotes, with ^ escapes for what quotes cannot hold.
QString quotedParam(const QString& value)
{
    QString out;
    for (QChar c : normalisedBreaks(value)) {
        if (c == '^')
            out += QLatin1String("^^");
        else if (c == '\n')
            out += QLatin1String("^n");
        else if (c == '"')
            out += QLatin1String("^'");
        else
            out += c;
    }
    return '"' + out + '"';
}

class CardWriter {
public:
    explicit CardWriter(QByteArray& out) : out_(out) {}
    void line(const QString& text)
    {
        out_ += foldVCardLine(text.toUtf8());
        out_ += "\r\n";
    }

private:
    QByteArray& out_;
};

void writeAddress(CardWriter& w, const Entry& e, VCardVersion version)
{
    QStringList lines = e.address;
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    if (lines.isEmpty())
        return;
    PostalParts parts;
    parseAddress(lines, parts);
    const QString adrValue = QStringLiteral(";;") + escapeVCardText(parts.street.join('\n')) + ';' +
                             escapeVCardText(parts.locality) + ';' + escapeVCardText(parts.region) +
                             ';' + escapeVCardText(parts.code) + ';' +
                             escapeVCardText(parts.country);
    if (version == VCardVersion::V40) {
        w.line("ADR;TYPE=home;LABEL=" + quotedParam(lines.join('\n')) + ':' + adrValue);
    } else {
        w.line("ADR;TYPE=home:" + adrValue);
        w.line("LABEL;TYPE=home:" + escapeVCardText(lines.join('\n')));
    }
}

void writePhones(CardWriter& w, const Entry& e, VCardVersion version, int& item)
{
    int place = 0;
    for (const ExchangePhone& phone : e.phones) {
        if (phone.label.isEmpty() && phone.number.isEmpty())
            continue;
        ++place;
        const QStringList types = phoneTypesForLabel(phone.label);
        const bool ownLabel = !phone.label.isEmpty() &&
                              (types.isEmpty() || canonicalPhoneLabel(phone.label) != phone.label);
        const QString group = ownLabel ? QStringLiteral("item%1.").arg(++item) : QString();
        QString line = group + "TEL";
        if (version == VCardVersion::V40)
            line += QLatin1String(";VALUE=text");
        if (!types.isEmpty())
            line += ";TYPE=" + types.join(',');
        if (phone.slot && phone.slot != place)
            line += QStringLiteral(";X-TAVREL-SLOT=%1").arg(phone.slot);
        w.line(line + ':' + escapeVCardText(phone.number));
        if (ownLabel)
            w.line(group + "X-ABLabel:" + escapeVCardText(phone.label));
    }
}

void writeCard(CardWriter& w, const Entry& e, VCardVersion version,
               const std::function<QString(int)>& uidFor)
{
    const bool v4 = version == VCardVersion::V40;
    w.line(QStringLiteral("BEGIN:VCARD"));
    w.line(v4 ? QStringLiteral("VERSION:4.0") : QStringLiteral("VERSION:3.0"));
    w.line("PRODID:" + kProdId);
    w.line("UID:" + uidFor(e.sourceId));
    // An organisation's name is no person's: it goes into ORG, with an empty N.
    const bool organisation = isOrganisationName(e.name, e.sortKey2);
    if (v4 && organisation)
        w.line(QStringLiteral("KIND:org"));
    w.line("FN:" + escapeVCardText(e.name));
    const NameParts n = organisation ? NameParts() : splitName(e.name, e.sortKey1);
    QString nLine = QStringLiteral("N");
    const bool sortAsFits = !e.sortKey1.contains(',');
    if (v4 && !e.sortKey1.isEmpty() && sortAsFits)
        nLine += ";SORT-AS=" + quotedParam(e.sortKey1);
    w.line(nLine + ':' + escapeVCardText(n.family) + ';' + escapeVCardText(n.given) + ';' +
           escapeVCardText(n.additional) + ';' + escapeVCardText(n.prefix) + ';' +
           escapeVCardText(n.suffix));
    if (organisation)
        w.line("ORG:" + escapeVCardText(e.name));
    writeAddress(w, e, version);
    int item = 0;
    writePhones(w, e, version, item);
    for (const QString& mail : e.emails)
        if (!mail.isEmpty())
            w.line((v4 ? QStringLiteral("EMAIL:") : QStringLiteral("EMAIL;TYPE=internet:")) +
                   escapeVCardText(mail));
    if (!e.comments.isEmpty())
        w.line("NOTE:" + escapeVCardText(e.comments));
    if (!e.sortKey1.isEmpty()) {
        if (!v4)
            w.line("SORT-STRING:" + escapeVCardText(e.sortKey1));
        else if (!sortAsFits)
            w.line("X-TAVREL-SORT-KEY1:" + escapeVCardText(e.sortKey1));
    }
    if (!e.sortKey2.isEmpty())
        w.line("X-TAVREL-SORT-KEY2:" + escapeVCardText(e.sortKey2));
    if (!e.lists.isEmpty()) {
        QStringList escaped;
        for (const QString& l : e.lists)
            escaped << escapeVCardText(l);
        w.line("CATEGORIES:" + escaped.join(','));
    }
    if (e.sourceId)
        w.line(QStringLiteral("X-TAVREL-ID:%1").arg(e.sourceId));
    for (int i = 0; i < 4; ++i) {
        const ExchangeLink& link = e.links[size_t(i)];
        if (!link.id && link.text.isEmpty())
            continue;
        if (v4 && link.id > 0)
            w.line("RELATED:" + uidFor(link.id));
        w.line(QStringLiteral("X-TAVREL-LINK%1:%2;").arg(i + 1).arg(link.id) +
               escapeVCardText(link.text));
    }
    if (e.backLinkId)
        w.line(QStringLiteral("X-TAVREL-BACKLINK:%1").arg(e.backLinkId));
    w.line(QStringLiteral("END:VCARD"));
}

} // namespace

QString escapeVCardText(const QString& text)
{
    bool plain = true;
    for (QChar c : text)
        plain = plain && c != '\\' && c != ',' && c != ';' && c != '\n' && c != '\r';
    if (plain)
        return text;
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : normalisedBreaks(text)) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case ',':
            out += QLatin1String("\\,");
            break;
        case ';':
            out += QLatin1String("\\;");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QByteArray foldVCardLine(const QByteArray& line)
{
    if (line.size() <= 75)
        return line;
    QByteArray out;
    qsizetype pos = 0;
    int room = 75;
    while (pos < line.size()) {
        qsizetype end = std::min(line.size(), pos + room);
        // Never cut inside a character: back off over continuation bytes.
        while (end < line.size() && end > pos + 1 && (uchar(line.at(end)) & 0xC0) == 0x80)
            --end;
        if (pos)
            out += "\r\n ";
        out += line.mid(pos, end - pos);
        pos = end;
        room = 74;
    }
    return out;
}

QByteArray writeVCards(const QList<Entry>& entries, VCardVersion version,
                       const std::function<QString(int)>& uidFor)
{
    QByteArray out;
    out.reserve(entries.size() * 400);
    CardWriter w(out);
    for (const Entry& e : entries)
        writeCard(w, e, version, uidFor);
    return out;
}

// --- reading ---

namespace {

struct Property {
    QString group;
    QString name;                   // upper case
    QStringList types;              // lower case
    QHash<QString, QString> params; // upper-case names
    QString value;                  // decoded, still escaped
};

QString decodeParam(const QString& raw)
{
    QString v = raw;
    if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
        v = v.mid(1, v.size() - 2);
    if (!v.contains('^'))
        return v;
    QString out;
    for (qsizetype i = 0; i < v.size(); ++i) {
        if (v.at(i) == '^' && i + 1 < v.size()) {
            const QChar n = v.at(i + 1);
            if (n == 'n' || n == 'N') {
                out += '\n';
                ++i;
                continue;
            }
            if (n == '^' || n == '\'') {
                out += n == '^' ? QChar('^') : QChar('"');
                ++i;
                continue;
            }
        }
        out += v.at(i);
    }
    return out;
}

// Splits on `sep` outside double quotes.
QList<QByteArray> splitOutsideQuotes(QByteArrayView text, char sep)
{
    QList<QByteArray> parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c == sep && !quoted) {
            parts << text.sliced(start, i - start).toByteArray();
            start = i + 1;
        }
    }
    parts << text.sliced(start).toByteArray();
    return parts;
}

QByteArray decodeQuotedPrintable(const QByteArray& in)
{
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const char c = in.at(i);
        if (c != '=') {
            out += c;
            continue;
        }
        // A soft break left inside a value joins the lines.
        if (i + 1 < in.size() && (in.at(i + 1) == '\r' || in.at(i + 1) == '\n')) {
            ++i;
            if (in.at(i) == '\r' && i + 1 < in.size() && in.at(i + 1) == '\n')
                ++i;
            continue;
        }
        bool ok = false;
        const int byte = i + 2 < in.size() ? in.mid(i + 1, 2).toInt(&ok, 16) : 0;
        if (ok) {
            out += char(byte);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

QString decodeBytes(const QByteArray& bytes, const QString& charset, bool* fellBack)
{
    // Plain ASCII reads the same in every charset a card names.
    bool ascii = true;
    for (char c : bytes)
        ascii = ascii && uchar(c) < 0x80;
    if (ascii)
        return QString::fromLatin1(bytes);
    if (!charset.isEmpty() && charset.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) != 0) {
        QStringDecoder d(charset.toLatin1().constData());
        if (d.isValid()) {
            QString s = d(bytes);
            if (!d.hasError())
                return s;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString s = utf8(bytes);
    if (!utf8.hasError())
        return s;
    if (fellBack)
        *fellBack = true;
    return cp1252ToUnicode(bytes);
}

// Reads one logical line; `rawValue` shares the bytes of `line`, which must outlive it.
bool parseProperty(const QByteArray& line, Property& p, QByteArray& rawValue)
{
    // The name and parameters end at the first colon outside quotes.
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == '"')
            quoted = !quoted;
        else if (c == ':' && !quoted) {
            colon = i;
            break;
        }
    }
    if (colon <= 0)
        return false;
    const QList<QByteArray> head = splitOutsideQuotes(QByteArrayView(line).first(colon), ';');
    QString name = QString::fromLatin1(head.first()).trimmed();
    if (const qsizetype dot = name.indexOf('.'); dot > 0) {
        p.group = name.left(dot).toLower();
        name = name.mid(dot + 1);
    }
    p.name = name.toUpper();
    for (qsizetype i = 1; i < head.size(); ++i) {
        const QString param = QString::fromUtf8(head.at(i)).trimmed();
        const qsizetype eq = param.indexOf('=');
        if (eq < 0) {
            // vCard 2.1 writes bare types and encodings.
            const QString bareParam = param.toUpper();
            if (bareParam == QLatin1String("QUOTED-PRINTABLE") ||
                bareParam == QLatin1String("BASE64") || bareParam == QLatin1String("8BIT"))
                p.params.insert(QStringLiteral("ENCODING"), bareParam);
            else
                p.types << param.toLower();
            continue;
        }
        const QString key = param.left(eq).trimmed().toUpper();
        const QString value = decodeParam(param.mid(eq + 1).trimmed());
        if (key == QLatin1String("TYPE")) {
            for (const QString& t : value.split(',', Qt::SkipEmptyParts))
                p.types << t.trimmed().toLower();
        } else {
            p.params.insert(key, value);
        }
    }
    rawValue = QByteArray::fromRawData(line.constData() + colon + 1, line.size() - colon - 1);
    return true;
}

// Unescapes a text value, splitting it on unescaped `sep` (0: no split).
QStringList unescape(const QString& value, QChar sep = QChar())
{
    if (!value.contains('\\') && (sep.isNull() || !value.contains(sep)))
        return {value};
    QStringList parts;
    // Unescaping never lengthens a value: "\n" becomes CR LF, the rest one character.
    QVarLengthArray<QChar, 256> cur;
    const QChar* v = value.constData();
    const qsizetype n = value.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = v[i];
        if (c == '\\' && i + 1 < n) {
            const QChar next = v[i + 1];
            if (next == 'n' || next == 'N') {
                cur.append(QChar('\r'));
                cur.append(QChar('\n'));
                ++i;
                continue;
            }
            if (next == '\\' || next == ',' || next == ';' || next == ':') {
                cur.append(next);
                ++i;
                continue;
            }
        } else if (!sep.isNull() && c == sep) {
            parts << QString(cur.constData(), cur.size());
            cur.clear();
            continue;
        }
        cur.append(c);
    }
    parts << QString(cur.constData(), cur.size());
    return parts;
}

QString text(const Property& p)
{
    return p.value.contains('\\') ? unescape(p.value).join(QString()) : p.value;
}

QStringList labelLines(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t.split('\n');
}

class CardBuilder {
public:
    void add(const Property& p, bool ownFile)
    {
        const QString& n = p.name;
        if (ownFile)
            e.keysFromFile = true;
        if (n == QLatin1String("FN"))
            e.name = text(p);
        else if (n == QLatin1String("N")) {
            const QStringList c = unescape(p.value, ';');
            NameParts parts{c.value(0), c.value(1), c.value(2), c.value(3), c.value(4)};
            for (QString* s :
                 {&parts.family, &parts.given, &parts.additional, &parts.prefix, &parts.suffix})
                s->replace(',', ' ');
            nName = joinName(parts);
            e.family = parts.family.trimmed();
            e.given = parts.given.trimmed();
            if (p.params.contains(QStringLiteral("SORT-AS")) && e.sortKey1.isEmpty())
                sortAs = p.params.value(QStringLiteral("SORT-AS")).split(',').value(0);
        } else if (n == QLatin1String("ADR")) {
            const QStringList c = unescape(p.value, ';');
            PostalParts parts;
            QStringList street = labelLines(c.value(2));
            if (!c.value(1).isEmpty())
                street.prepend(c.value(1));
            if (!c.value(0).isEmpty())
                street.prepend(c.value(0));
            parts.street = street;
            parts.locality = c.value(3);
            parts.region = c.value(4);
            parts.code = c.value(5);
            parts.country = c.value(6);
            QString label = p.params.value(QStringLiteral("LABEL"));
            if (!ownFile)
                label.replace(QLatin1String("\\n"), QLatin1String("\n"));
            addresses << (label.isEmpty() ? addressLines(parts) : labelLines(label));
            adrHasLabel << !label.isEmpty();
        } else if (n == QLatin1String("LABEL")) {
            labels << labelLines(text(p));
        } else if (n == QLatin1String("TEL")) {
            ExchangePhone phone;
            phone.number = text(p);
            if (phone.number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
                phone.number = phone.number.mid(4);
            phone.label = labelForPhoneTypes(p.types);
            phone.slot = p.params.value(QStringLiteral("X-TAVREL-SLOT")).toInt();
            if (!p.group.isEmpty())
                phoneGroups.insert(e.phones.size(), p.group);
            e.phones << phone;
        } else if (n == QLatin1String("X-ABLABEL")) {
            QString label = text(p);
            // Some peers wrap their own label names in "_$!<...>!$_".
            if (label.startsWith(QLatin1String("_$!<")) && label.endsWith(QLatin1String(">!$_")))
                label = label.mid(4, label.size() - 8);
            groupLabels.insert(p.group, label);
        } else if (n == QLatin1String("EMAIL")) {
            e.emails << text(p);
        } else if (n == QLatin1String("NOTE")) {
            e.comments += (e.comments.isEmpty() ? QString() : QStringLiteral("\r\n")) + text(p);
        } else if (n == QLatin1String("SORT-STRING")) {
            if (!ownKey1)
                e.sortKey1 = text(p);
        } else if (n == QLatin1String("X-TAVREL-SORT-KEY1")) {
            e.sortKey1 = text(p);
            ownKey1 = true;
        } else if (n == QLatin1String("X-TAVREL-SORT-KEY2")) {
            e.sortKey2 = text(p);
        } else if (n == QLatin1String("CATEGORIES")) {
            for (const QString& c : unescape(p.value, ','))
                if (!c.isEmpty())
                    e.lists << c;
        } else if (n == QLatin1String("X-TAVREL-ID")) {
            e.sourceId = text(p).toInt();
        } else if (n.startsWith(QLatin1String("X-TAVREL-LINK")) && n.size() == 14) {
            const int i = n.at(13).digitValue();
            if (i >= 1 && i <= 4) {
                const QStringList c = unescape(p.value, ';');
                e.links[size_t(i - 1)] = {c.value(0).toInt(), c.mid(1).join(';')};
            }
        } else if (n == QLatin1String("X-TAVREL-BACKLINK")) {
            e.backLinkId = text(p).toInt();
        } else if (n == QLatin1String("ORG") && org.isEmpty()) {
            // The first organisation; a second one is listed as not imported.
            QStringList units;
            for (const QString& u : unescape(p.value, ';'))
                if (!u.trimmed().isEmpty())
                    units << u.trimmed();
            if (!units.isEmpty()) {
                org = units.takeFirst();
                e.orgUnits = units;
            }
        } else if (n == QLatin1String("KIND")) {
            kindOrg = text(p).trimmed().compare(QLatin1String("org"), Qt::CaseInsensitive) == 0;
        } else if (!ignored(n)) {
            // Named in the log with what it said, unless it is a picture or other data.
            QStringList& values = dropped[n];
            const QString encoding = p.params.value(QStringLiteral("ENCODING")).toUpper();
            const bool data = encoding == QLatin1String("B") ||
                              encoding == QLatin1String("BASE64") ||
                              p.value.startsWith(QLatin1String("data:"));
            const QString shown = data ? QString() : text(p).simplified();
            if (!shown.isEmpty() && values.size() < 3)
                values << QChar(0x201C) +
                              (shown.size() > 60 ? shown.left(60) + QChar(0x2026) : shown) +
                              QChar(0x201D);
        }
    }

    // A line that is no property; said once per card, with how many there were.
    void badLine(const QByteArray& line)
    {
        if (!badLines++)
            firstBadLine = QString::fromUtf8(line.left(60)).simplified();
    }

    Entry finish()
    {
        for (auto it = phoneGroups.begin(); it != phoneGroups.end(); ++it)
            if (groupLabels.contains(it.value()))
                e.phones[it.key()].label = groupLabels.value(it.value());
        if (!sortAs.isEmpty() && e.sortKey1.isEmpty())
            e.sortKey1 = sortAs;
        // A card with only an organisation is that organisation; one with a
        // person's name keeps both, the organisation going on the address.
        if (!org.isEmpty()) {
            e.organisation = org;
            e.isOrganisation = kindOrg || (e.name.isEmpty() && nName.isEmpty()) ||
                               e.name.trimmed() == org || (e.name.isEmpty() && nName == org);
            if (e.isOrganisation && e.name.isEmpty())
                e.name = org;
        } else {
            e.isOrganisation = kindOrg;
        }
        if (e.isOrganisation)
            e.family = e.given = QString();
        if (e.name.isEmpty())
            e.name = !nName.isEmpty() ? nName : e.emails.value(0);
        // A 3.0 card keeps the lines as written in LABEL; the first goes with the first ADR.
        for (qsizetype i = 0; i < std::max(addresses.size(), labels.size()); ++i) {
            QStringList lines =
                i < labels.size() && !adrHasLabel.value(i) ? labels.at(i) : addresses.value(i);
            while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
                lines.removeLast();
            if (i == 0)
                e.address = lines;
            else
                extraAddresses << lines.join(QStringLiteral(", "));
        }
        if (!extraAddresses.isEmpty())
            e.address << extraAddresses;
        if (badLines == 1)
            e.notes << QCoreApplication::translate("tavrel::VCard",
                                                   "A line that is no property was left out: ") +
                           QChar(0x201C) + firstBadLine + QChar(0x201D);
        else if (badLines > 1)
            e.notes << QCoreApplication::translate(
                           "tavrel::VCard",
                           "%1 lines that are no property were left out, the first: ")
                               .arg(badLines) +
                           QChar(0x201C) + firstBadLine + QChar(0x201D);
        if (!dropped.isEmpty()) {
            QStringList names;
            for (auto it = dropped.cbegin(); it != dropped.cend(); ++it)
                names << (it->isEmpty() ? it.key()
                                        : it.key() + ' ' + it->join(QStringLiteral(", ")));
            e.notes << QCoreApplication::translate("tavrel::VCard", "Not imported: ") +
                           names.join(QStringLiteral("; "));
        }
        return e;
    }

    Entry e;
    QStringList extraAddresses;

private:
    static bool ignored(const QString& n)
    {
        static const QSet<QString> set = {"BEGIN", "END", "VERSION", "PRODID", "UID", "REV",
                                          "RELATED", "SOURCE", "CLIENTPIDMAP",
                                          // how a peer shows the card: the names say it
                                          "X-ABSHOWAS"};
        return set.contains(n);
    }
    QString nName, org, sortAs, firstBadLine;
    int badLines = 0;
    bool ownKey1 = false, kindOrg = false;
    QList<QStringList> addresses, labels;
    QList<bool> adrHasLabel;
    QHash<qsizetype, QString> phoneGroups;
    QHash<QString, QString> groupLabels;
    QMap<QString, QStringList> dropped; // by name, in order, with what they said
};

// The file's bytes as UTF-8 (or as written), with a byte-order mark read and removed.
QByteArray withoutByteOrderMark(const QByteArray& bytes, bool* utf16)
{
    *utf16 = false;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return bytes.mid(3);
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                      : QStringDecoder::Utf16BE);
        *utf16 = true;
        return QString(d(bytes.mid(2))).toUtf8();
    }
    return bytes;
}

// Splits into physical lines at CR LF, LF, a lone CR or CR CR LF (which some
// phones write). The lines share the bytes of `data`, which must outlive them;
// appending to one copies it.
QList<QByteArray> physicalLines(const QByteArray& data)
{
    QList<QByteArray> lines;
    const auto line = [&data](qsizetype from, qsizetype to) {
        return QByteArray::fromRawData(data.constData() + from, to - from);
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data.at(i);
        if (c != '\r' && c != '\n')
            continue;
        lines << line(start, i);
        if (c == '\r' && i + 2 < data.size() && data.at(i + 1) == '\r' && data.at(i + 2) == '\n')
            ++i;
        if (c == '\r' && i + 1 < data.size() && data.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < data.size())
        lines << line(start, data.size());
    return lines;
}

bool isQuotedPrintable(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && line.left(colon).toUpper().contains("QUOTED-PRINTABLE");
}

} // namespace

bool looksLikeVCard(const QByteArray& bytes)
{
    bool utf16 = false;
    const QByteArray data = withoutByteOrderMark(bytes.left(4096), &utf16);
    // A card may follow a few stray lines; a CSV file never holds one in its first lines.
    return data.toUpper().contains("BEGIN:VCARD");
}

VCardRead readVCards(const QByteArray& bytes)
{
    VCardRead result;
    bool utf16 = false;
    const QByteArray data = withoutByteOrderMark(bytes, &utf16);
    const QList<QByteArray> physical = physicalLines(data);

    // Unfold: a line starting with a blank or tab continues the one before;
    // a quoted-printable value ending in '=' continues on the next line. Blank
    // lines say nothing, so a fold still joins across one.
    QList<QByteArray> logical;
    logical.reserve(physical.size());
    for (qsizetype i = 0; i < physical.size(); ++i) {
        const QByteArray& line = physical.at(i);
        if (line.isEmpty())
            continue;
        if (!logical.isEmpty() && !line.isEmpty() && (line.at(0) == ' ' || line.at(0) == '\t')) {
            logical.last().append(QByteArrayView(line).sliced(1));
            continue;
        }
        logical << line;
        while (logical.last().endsWith('=') && isQuotedPrintable(logical.last()) &&
               i + 1 < physical.size()) {
            logical.last().chop(1);
            logical.last() += physical.at(++i);
        }
    }

    std::unique_ptr<CardBuilder> card;
    bool ownFile = false;
    int outside = 0;
    bool fellBack = false;
    for (const QByteArray& line : logical) {
        if (line.trimmed().isEmpty())
            continue;
        Property p;
        QByteArray raw;
        if (!parseProperty(line, p, raw)) {
            if (card)
                card->badLine(line);
            else
                ++outside;
            continue;
        }
        if (p.name == QLatin1String("BEGIN") &&
            raw.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0) {
            if (card) {
                card->e.notes << QCoreApplication::translate("tavrel::VCard",
                                                             "The card has no END line.");
                result.entries << card->finish();
            }
            card = std::make_unique<CardBuilder>();
            ownFile = false;
            continue;
        }
        if (!card) {
            ++outside;
            continue;
        }
        if (p.name == QLatin1String("END")) {
            result.entries << card->finish();
            card.reset();
            continue;
        }
        if (p.params.value(QStringLiteral("ENCODING"))
                .compare(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive) == 0)
            raw = decodeQuotedPrintable(raw);
        bool fell = false;
        p.value =
            decodeBytes(raw, utf16 ? QString() : p.params.value(QStringLiteral("CHARSET")), &fell);
        if (fell && !fellBack) {
            fellBack = true;
            result.problems << QStringLiteral(
                "Some text is not UTF-8; it was read as Windows-1252.");
        }
        if (fell)
            card->e.notes << p.name +
                                 QCoreApplication::translate(
                                     "tavrel::VCard", " is not UTF-8; it was read as Windows-1252");
        if (p.name == QLatin1String("PRODID") && p.value == kProdId)
            ownFile = true;
        card->add(p, ownFile);
    }
    if (card) {
        card->e.notes << QCoreApplication::translate("tavrel::VCard",
                                                     "The file ends inside this card.");
        result.entries << card->finish();
        result.problems << QCoreApplication::translate(
            "tavrel::VCard", "The file ends inside a card; that card was read as far "
                             "as it goes.");
    }
    if (outside)
        result.problems << QCoreApplication::translate("tavrel::VCard",
                                                       "%1 lines outside any card were ignored.")
                               .arg(outside);
    return result;
}

} // namespace tavrel
