#include "exchange/VCard.h"

#include "exchange/Rules.h"
#include "exchange/Tables.h"
#include "exchange/VCardFields.h"
#include "platform/Text.h"

namespace tavrel {

namespace {

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
    w.line("PRODID:" + vcard::kProdId);
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
    // Written straight into a buffer of the largest size it can take: every
    // character escaped, each CR LF (two characters) written as two.
    QString out(text.size() * 2, Qt::Uninitialized);
    QChar* to = out.data();
    const QChar* from = text.constData();
    const QChar* const end = from + text.size();
    for (; from != end; ++from) {
        char16_t c = from->unicode();
        if (c == '\r') {
            if (from + 1 != end && from[1] == QLatin1Char('\n'))
                ++from;
            c = '\n';
        }
        switch (c) {
        case '\\':
        case ',':
        case ';':
            *to++ = QLatin1Char('\\');
            *to++ = QChar(c);
            break;
        case '\n':
            *to++ = QLatin1Char('\\');
            *to++ = QLatin1Char('n');
            break;
        default:
            *to++ = QChar(c);
        }
    }
    out.truncate(to - out.constData());
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

} // namespace tavrel
