#include "exchange/VCardFields.h"

#include "exchange/Rules.h"
#include "exchange/Tables.h"
#include "platform/Text.h"

#include <QCoreApplication>
#include <QSet>
#include <QStringDecoder>
#include <QVarLengthArray>
#include <algorithm>
#include <numeric>

namespace tavrel::vcard {

namespace {

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

// How preferred an address is: PREF=1 (4.0) is the most, 100 the least; a
// bare "pref" type (2.1, 3.0) counts as 1; an address without either comes last.
int emailRank(const Property& p)
{
    if (p.types.contains(QLatin1String("pref")))
        return 1;
    bool ok = false;
    const int pref = p.params.value(QStringLiteral("PREF")).toInt(&ok);
    return ok ? std::clamp(pref, 1, 100) : 101;
}

QStringList labelLines(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t.split('\n');
}

} // namespace

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

void CardBuilder::add(const Property& p, bool ownFile)
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
        emailRanks << emailRank(p);
    } else if (n == QLatin1String("BDAY") && birthday.isEmpty()) {
        birthday = birthdayText(text(p));
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
        const bool data = encoding == QLatin1String("B") || encoding == QLatin1String("BASE64") ||
                          p.value.startsWith(QLatin1String("data:"));
        const QString shown = data ? QString() : text(p).simplified();
        if (!shown.isEmpty() && values.size() < 3)
            values << QChar(0x201C) + (shown.size() > 60 ? shown.left(60) + QChar(0x2026) : shown) +
                          QChar(0x201D);
    }
}

void CardBuilder::badLine(const QByteArray& line)
{
    if (!badLines++)
        firstBadLine = QString::fromUtf8(line.left(60)).simplified();
}

Entry CardBuilder::finish()
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
    preferredEmailFirst();
    e.birthday = birthday;
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
                       "tavrel::VCard", "%1 lines that are no property were left out, the first: ")
                           .arg(badLines) +
                       QChar(0x201C) + firstBadLine + QChar(0x201D);
    if (!dropped.isEmpty()) {
        QStringList names;
        for (auto it = dropped.cbegin(); it != dropped.cend(); ++it)
            names << (it->isEmpty() ? it.key() : it.key() + ' ' + it->join(QStringLiteral(", ")));
        e.notes << QCoreApplication::translate("tavrel::VCard", "Not imported: ") +
                       names.join(QStringLiteral("; "));
    }
    return e;
}

void CardBuilder::preferredEmailFirst()
{
    QList<qsizetype> order(e.emails.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](qsizetype a, qsizetype b) {
        return emailRanks.value(a) < emailRanks.value(b);
    });
    QStringList sorted;
    for (qsizetype i : order)
        sorted << e.emails.at(i);
    e.emails = sorted;
}

bool CardBuilder::ignored(const QString& n)
{
    static const QSet<QString> set = {"BEGIN", "END", "VERSION", "PRODID", "UID", "REV", "RELATED",
                                      "SOURCE", "CLIENTPIDMAP",
                                      // how a peer shows the card: the names say it
                                      "X-ABSHOWAS"};
    return set.contains(n);
}

} // namespace tavrel::vcard
