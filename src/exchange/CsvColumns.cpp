#include "exchange/Csv.h"

#include "exchange/CsvColumns.h"

#include "exchange/Rules.h"
#include "exchange/Tables.h"
#include "platform/Text.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <climits>

namespace tavrel {

using namespace csvcolumns;

bool csvcolumns::isPlaceholder(const QString& column, const QString& value)
{
    static const std::pair<const char*, const char*> fillers[] = {
        {"Birthday", "0/0/00"}, {"Anniversary", "0/0/00"}, {"Gender", "Unspecified"},
        {"Priority", "Normal"}, {"Sensitivity", "Normal"}, {"Private", "False"}};
    for (const auto& [c, v] : fillers)
        if (value == QLatin1String(v) && column == QLatin1String(c))
            return true;
    return false;
}

namespace {

// The words of a header in lower case, "e-mail" spelled "email" and a number
// stuck to a word apart: "E-mail2Address" gives email, 2, address.
QStringList headerWords(const QString& header)
{
    static const QRegularExpression eMail(QStringLiteral("\\be[- ]?mail"));
    static const QRegularExpression apart(QStringLiteral("[a-z]+|[0-9]+"));
    QString h = header.toLower();
    h.replace(eMail, QStringLiteral("email"));
    QStringList words;
    for (auto it = apart.globalMatch(h); it.hasNext();)
        words << it.next().captured();
    return words;
}

} // namespace

QString csvcolumns::emailColumnTarget(const QString& header)
{
    static const QSet<QString> mail{"email", "mail"};
    static const QSet<QString> filler{"address", "addr", "value"};
    static const QSet<QString> primary{"primary", "preferred", "main", "default"};
    static const QSet<QString> kinds{"home",  "work",      "business",  "personal", "private",
                                     "other", "secondary", "alternate", "alt",      "office"};
    int mails = 0, number = 0, numbers = 0;
    bool isPrimary = false, isKind = false;
    for (const QString& w : headerWords(header)) {
        bool isNumber = false;
        const int n = w.toInt(&isNumber);
        if (isNumber) {
            number = n;
            ++numbers;
        } else if (mail.contains(w)) {
            ++mails;
        } else if (primary.contains(w)) {
            isPrimary = true;
        } else if (kinds.contains(w)) {
            isKind = true;
        } else if (!filler.contains(w)) {
            return {}; // a word that says it is something else: type, name, list, ...
        }
    }
    if (mails != 1 || numbers > 1 || (numbers && number < 1))
        return {};
    if (isPrimary && number <= 1)
        return QStringLiteral("Primary E-mail");
    if (number >= 3)
        return QStringLiteral("E-mail 3 Address");
    if (number == 2 || (number == 0 && isKind))
        return QStringLiteral("E-mail 2 Address");
    return QStringLiteral("E-mail Address");
}

bool csvcolumns::isEmailTarget(const QString& target)
{
    for (const char* c : kEmailColumns)
        if (target == QLatin1String(c))
            return true;
    return false;
}

namespace {

const QString CRLF = QStringLiteral("\r\n");

} // namespace

QStringList nativeCsvHeader()
{
    QStringList h{QStringLiteral("Name")};
    for (int i = 1; i <= 4; ++i)
        h << QStringLiteral("Address %1").arg(i);
    for (int i = 1; i <= 5; ++i)
        h << QStringLiteral("Phone %1 Type").arg(i) << QStringLiteral("Phone %1").arg(i);
    h << QStringLiteral("E-mail") << QStringLiteral("Comments") << QStringLiteral("Sort Key 1")
      << QStringLiteral("Sort Key 2") << QStringLiteral("Mailing Lists");
    // Beyond what peers read: the QuickLinks and the record's ID, so a file of
    // ours comes back whole.
    for (int i = 1; i <= 4; ++i)
        h << QStringLiteral("Link %1 ID").arg(i) << QStringLiteral("Link %1 Text").arg(i);
    h << QStringLiteral("Back Link") << QStringLiteral("ID");
    return h;
}

QStringList outlookCsvHeader()
{
    return {QStringLiteral("Title"),          QStringLiteral("First Name"),
            QStringLiteral("Middle Name"),    QStringLiteral("Last Name"),
            QStringLiteral("Suffix"),         QStringLiteral("Company"),
            QStringLiteral("Home Street"),    QStringLiteral("Home Street 2"),
            QStringLiteral("Home Street 3"),  QStringLiteral("Home City"),
            QStringLiteral("Home State"),     QStringLiteral("Home Postal Code"),
            QStringLiteral("Home Country"),   QStringLiteral("Home Phone"),
            QStringLiteral("Business Phone"), QStringLiteral("Mobile Phone"),
            QStringLiteral("Home Fax"),       QStringLiteral("Business Fax"),
            QStringLiteral("Pager"),          QStringLiteral("Car Phone"),
            QStringLiteral("Other Phone"),    QStringLiteral("E-mail Address"),
            QStringLiteral("Notes"),          QStringLiteral("Categories")};
}

// --- rows of entries ---

namespace {

QStringList nativeRow(const Entry& e)
{
    QStringList row{e.name};
    for (int i = 0; i < 4; ++i)
        row << e.address.value(i);
    QStringList phones(10);
    int place = 0;
    for (const ExchangePhone& ph : e.phones) {
        const int slot = ph.slot ? ph.slot : ++place;
        if (slot >= 1 && slot <= 5) {
            phones[(slot - 1) * 2] = ph.label;
            phones[(slot - 1) * 2 + 1] = ph.number;
        }
    }
    row << phones << e.emails.value(0) << e.comments << e.sortKey1 << e.sortKey2
        << e.lists.join(CRLF);
    for (const ExchangeLink& l : e.links)
        row << (l.id ? QString::number(l.id) : QString()) << l.text;
    row << (e.backLinkId ? QString::number(e.backLinkId) : QString())
        << (e.sourceId ? QString::number(e.sourceId) : QString());
    return row;
}

QStringList outlookRow(const Entry& e)
{
    const QStringList header = outlookCsvHeader();
    QHash<QString, QString> cell;
    // An organisation is the company, without a person's names.
    const bool organisation = isOrganisationName(e.name, e.sortKey2);
    const NameParts n = organisation ? NameParts() : splitName(e.name, e.sortKey1);
    if (organisation)
        cell.insert("Company", e.name);
    cell.insert("Title", n.prefix);
    cell.insert("First Name", n.given);
    cell.insert("Middle Name", n.additional);
    cell.insert("Last Name", n.family);
    cell.insert("Suffix", n.suffix);
    PostalParts postal;
    const bool parsed = parseAddress(e.address, postal);
    QStringList street = postal.street;
    while (street.size() > 3)
        street[2] += ", " + street.takeAt(3);
    for (int i = 0; i < street.size(); ++i)
        cell.insert(i ? QStringLiteral("Home Street %1").arg(i + 1) : QStringLiteral("Home Street"),
                    street.at(i));
    if (parsed) {
        cell.insert("Home City", postal.locality);
        cell.insert("Home State", postal.region);
        cell.insert("Home Postal Code", postal.code);
        cell.insert("Home Country", postal.country);
    }
    QStringList notes;
    if (!e.comments.isEmpty())
        notes << e.comments;
    for (const ExchangePhone& ph : e.phones) {
        if (ph.number.isEmpty())
            continue;
        const QString label = canonicalPhoneLabel(ph.label);
        QString column;
        for (const LabelledColumn& c : kOutlookPhones)
            if (label == QLatin1String(c.label) && header.contains(QLatin1String(c.column))) {
                column = QLatin1String(c.column);
                break;
            }
        if (label == QLatin1String("Fax"))
            column = QStringLiteral("Home Fax");
        if (column.isEmpty() && (ph.label.isEmpty() || label == QLatin1String("Other")))
            column = QStringLiteral("Other Phone");
        // A second number of one kind, or a label no column stands for, goes into Notes.
        if (!column.isEmpty() && cell.value(column).isEmpty())
            cell.insert(column, ph.number);
        else
            notes << (ph.label.isEmpty() ? ph.number : ph.label + ": " + ph.number);
    }
    cell.insert("E-mail Address", e.emails.value(0));
    cell.insert("Notes", notes.join(CRLF));
    cell.insert("Categories", e.lists.join(';'));
    QStringList row;
    for (const QString& h : header)
        row << cell.value(h);
    return row;
}

} // namespace

QStringList csvRow(const Entry& e, CsvDialect dialect)
{
    return dialect == CsvDialect::Native ? nativeRow(e) : outlookRow(e);
}

} // namespace tavrel
