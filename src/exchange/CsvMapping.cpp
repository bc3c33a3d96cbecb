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

namespace {

const QString CRLF = QStringLiteral("\r\n");

} // namespace

// --- mapping ---

QStringList csvTargets()
{
    QStringList t = nativeCsvHeader();
    const QStringList extra{"Display Name",
                            "Title",
                            "First Name",
                            "Middle Name",
                            "Last Name",
                            "Suffix",
                            "Company",
                            "Formatted Address",
                            "Home Street",
                            "Home Street 2",
                            "Home Street 3",
                            "Home City",
                            "Home State",
                            "Home Postal Code",
                            "Home Country",
                            "Business Street",
                            "Business Street 2",
                            "Business Street 3",
                            "Business City",
                            "Business State",
                            "Business Postal Code",
                            "Business Country",
                            "Other Street",
                            "Other Street 2",
                            "Other Street 3",
                            "Other City",
                            "Other State",
                            "Other Postal Code",
                            "Other Country",
                            "Primary E-mail",
                            "E-mail Address",
                            "E-mail 2 Address",
                            "E-mail 3 Address",
                            "Notes",
                            "Categories"};
    t << extra;
    for (const char* c : kCommentColumns)
        t << QLatin1String(c);
    for (const LabelledColumn& c : kOutlookPhones)
        t << QLatin1String(c.column);
    return t;
}

namespace {

// Other programs' names for our targets (lower case).
const QHash<QString, QString>& synonyms()
{
    static const QHash<QString, QString> table = {// Thunderbird
                                                  {"primary email", "Primary E-mail"},
                                                  {"secondary email", "E-mail 2 Address"},
                                                  {"work phone", "Business Phone"},
                                                  {"fax number", "Fax"},
                                                  {"pager number", "Pager"},
                                                  {"mobile number", "Mobile Phone"},
                                                  {"home address", "Home Street"},
                                                  {"home address 2", "Home Street 2"},
                                                  {"home zipcode", "Home Postal Code"},
                                                  {"work address", "Business Street"},
                                                  {"work address 2", "Business Street 2"},
                                                  {"work city", "Business City"},
                                                  {"work state", "Business State"},
                                                  {"work zipcode", "Business Postal Code"},
                                                  {"work country", "Business Country"},
                                                  {"organization", "Company"},
                                                  {"web page 1", "Web Page"},
                                                  {"home mobile", "Mobile Phone"},
                                                  {"work mobile", "Mobile Phone 2"},
                                                  {"business mobile", "Mobile Phone 2"},
                                                  // Google
                                                  {"given name", "First Name"},
                                                  {"additional name", "Middle Name"},
                                                  {"family name", "Last Name"},
                                                  {"name prefix", "Title"},
                                                  {"name suffix", "Suffix"},
                                                  {"group membership", "Categories"},
                                                  {"labels", "Categories"},
                                                  {"organization 1 - name", "Company"},
                                                  {"organization name", "Company"},
                                                  {"organization 1 - title", "Job Title"},
                                                  {"organization 1 - department", "Department"},
                                                  {"website 1 - value", "Web Page"},
                                                  {"address 1 - extended address", "Home Street 2"},
                                                  {"address 1 - po box", "Home Street 3"},
                                                  {"e-mail 1 - value", "E-mail Address"},
                                                  {"e-mail 2 - value", "E-mail 2 Address"},
                                                  {"e-mail 3 - value", "E-mail 3 Address"},
                                                  {"address 1 - formatted", "Formatted Address"},
                                                  {"address 1 - street", "Home Street"},
                                                  {"address 1 - city", "Home City"},
                                                  {"address 1 - region", "Home State"},
                                                  {"address 1 - postal code", "Home Postal Code"},
                                                  {"address 1 - country", "Home Country"},
                                                  // Outlook spellings
                                                  {"home country/region", "Home Country"},
                                                  {"business country/region", "Business Country"},
                                                  {"other country/region", "Other Country"},
                                                  {"e-mail", "E-mail"},
                                                  {"email", "E-mail Address"},
                                                  {"email address", "E-mail Address"},
                                                  {"home zip", "Home Postal Code"},
                                                  {"business zip", "Business Postal Code"},
                                                  {"mobile", "Mobile Phone"},
                                                  {"note", "Notes"},
                                                  // birthdays
                                                  {"birth date", "Birthday"},
                                                  {"birthdate", "Birthday"},
                                                  {"date of birth", "Birthday"},
                                                  {"dob", "Birthday"},
                                                  {"bday", "Birthday"}};
    return table;
}

} // namespace

CsvMapping mappingByName(const QStringList& header)
{
    const QStringList targets = csvTargets();
    static const QRegularExpression googlePhone(
        QStringLiteral("^phone (\\d+) - (type|label|value)$"));
    CsvMapping mapping;
    for (const QString& column : header) {
        const QString c = column.trimmed();
        QString target;
        for (const QString& t : targets)
            if (t.compare(c, Qt::CaseInsensitive) == 0)
                target = t;
        if (target.isEmpty())
            target = synonyms().value(c.toLower());
        if (target.isEmpty()) {
            const auto m = googlePhone.match(c.toLower());
            if (m.hasMatch())
                target =
                    QStringLiteral("Phone %1").arg(m.captured(1)) +
                    (m.captured(2) == QLatin1String("value") ? QString() : QStringLiteral(" Type"));
        }
        if (target.isEmpty())
            target = emailColumnTarget(c);
        mapping << target;
    }
    return mapping;
}

bool mappingFindsNames(const CsvMapping& mapping)
{
    for (const char* t : {"Name", "First Name", "Last Name", "Display Name", "Company"})
        if (mapping.contains(QLatin1String(t)))
            return true;
    return false;
}

bool mappingHoldsOnlyEmails(const CsvTable& table, const CsvMapping& mapping)
{
    bool email = false;
    for (qsizetype i = 0; i < table.header.size(); ++i) {
        if (isEmailTarget(mapping.value(i))) {
            email = true;
            continue;
        }
        for (const QStringList& row : table.rows)
            if (!row.value(i).trimmed().isEmpty())
                return false;
    }
    return email;
}

QString csvDialectName(const QStringList& header)
{
    if (header.mid(0, 21) == nativeCsvHeader().mid(0, 21))
        return QStringLiteral("native");
    QSet<QString> lower;
    for (const QString& h : header)
        lower.insert(h.trimmed().toLower());
    if (lower.contains("primary email") && lower.contains("display name"))
        return QStringLiteral("Thunderbird");
    if (lower.contains("given name") || lower.contains("phone 1 - value"))
        return QStringLiteral("Google");
    if (lower.contains("first name") && lower.contains("home street"))
        return QStringLiteral("Outlook");
    return QString();
}

QString csvHeaderSignature(const QStringList& header)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(header.join(QChar(0x1F)).toUtf8(), QCryptographicHash::Sha1)
            .toHex());
}

namespace {

// Several numbers or groups in one cell, the way Google writes them.
QStringList multi(const QString& value)
{
    return value.split(QStringLiteral(" ::: "), Qt::SkipEmptyParts);
}

// The values of one cell, or of several columns mapped to one target (joined
// by line breaks on the way in).
QStringList values(const QString& value)
{
    QStringList out;
    for (const QString& part : value.split(CRLF, Qt::SkipEmptyParts))
        out << multi(part);
    return out;
}

QStringList breakLines(const QString& value)
{
    QString v = value;
    v.replace(CRLF, QStringLiteral("\n"));
    v.replace('\r', '\n');
    return v.split('\n');
}

// The cells of one row by the target they map to: few, so a plain list is
// quicker to search than a hash.
class Cells {
public:
    void add(const QString& target, const QString& value)
    {
        for (auto& [t, v] : items_)
            if (t == target) {
                v += CRLF + value;
                return;
            }
        items_.push_back({target, value});
    }
    template <typename Name> QString value(const Name& name) const
    {
        for (const auto& [t, v] : items_)
            if (t == name)
                return v;
        return {};
    }
    template <typename Name> bool contains(const Name& name) const
    {
        for (const auto& [t, v] : items_)
            if (t == name)
                return true;
        return false;
    }

private:
    std::vector<std::pair<QString, QString>> items_;
};

// "Address 1" .. "Address 4" and the like, made once.
QStringList numbered(const char* pattern, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << QString::fromLatin1(pattern).arg(i);
    return names;
}

QString phoneColumn(int i)
{
    return QStringLiteral("Phone %1").arg(i);
}

QString phoneTypeColumn(int i)
{
    return QStringLiteral("Phone %1 Type").arg(i);
}

// The numbers of the "Phone N" and "Phone N Type" columns a mapping uses, in order.
QList<int> numberedPhones(const CsvMapping& mapping)
{
    static const QRegularExpression re(QStringLiteral("^Phone (\\d+)( Type)?$"));
    QList<int> numbers;
    for (const QString& target : mapping)
        if (const auto m = re.match(target);
            m.hasMatch() && !numbers.contains(m.captured(1).toInt()))
            numbers << m.captured(1).toInt();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

Entry entryFromRow(const QStringList& row, const CsvMapping& mapping,
                   const QList<int>& phoneNumbers)
{
    static const QStringList addressColumns = numbered("Address %1", 4);
    static const QStringList linkIdColumns = numbered("Link %1 ID", 4);
    static const QStringList linkTextColumns = numbered("Link %1 Text", 4);
    Cells cell;
    for (qsizetype i = 0; i < mapping.size() && i < row.size(); ++i)
        if (!mapping.at(i).isEmpty() && !row.at(i).isEmpty())
            cell.add(mapping.at(i), row.at(i));
    Entry e;
    QStringList extraComments, otherAddresses;
    const QString company = cell.value(QLatin1String("Company"));
    NameParts parts{cell.value(QLatin1String("Last Name")), cell.value(QLatin1String("First Name")),
                    cell.value(QLatin1String("Middle Name")), cell.value(QLatin1String("Title")),
                    cell.value(QLatin1String("Suffix"))};
    e.name = cell.value(QLatin1String("Name"));
    if (e.name.isEmpty())
        e.name = cell.value(QLatin1String("Display Name"));
    if (e.name.isEmpty())
        e.name = joinName(parts);
    // The organisation rule is the import's: a row with only a company is that
    // company; otherwise the company goes on the person's address.
    e.organisation = company;
    e.isOrganisation = e.name.isEmpty() && !company.isEmpty();
    if (e.isOrganisation)
        e.name = company;
    e.family = parts.family;
    e.given = parts.given;
    e.keysFromFile = mapping.contains(QLatin1String("Sort Key 1")) ||
                     mapping.contains(QLatin1String("Sort Key 2"));

    // Address: the record's own lines, else one block, else the parts.
    if (cell.contains(addressColumns.at(0)) || cell.contains(addressColumns.at(1)) ||
        cell.contains(addressColumns.at(2)) || cell.contains(addressColumns.at(3))) {
        for (int i = 1; i <= 4; ++i)
            e.address << cell.value(addressColumns.at(i - 1));
    } else if (cell.contains(QLatin1String("Formatted Address"))) {
        e.address = breakLines(cell.value(QLatin1String("Formatted Address")));
    } else {
        // The first address found is the record's; any other is kept in Comments.
        for (const char* k : kAddressKinds) {
            const QString kind = QLatin1String(k);
            PostalParts postal;
            for (const QString& s : {QStringLiteral(" Street"), QStringLiteral(" Street 2"),
                                     QStringLiteral(" Street 3")})
                postal.street << breakLines(cell.value(kind + s));
            postal.locality = cell.value(kind + " City");
            postal.region = cell.value(kind + " State");
            postal.code = cell.value(kind + " Postal Code");
            postal.country = cell.value(kind + " Country");
            const QStringList lines = addressLines(postal);
            if (lines.isEmpty())
                continue;
            if (e.address.isEmpty()) {
                e.address = lines;
            } else {
                otherAddresses << kind + QStringLiteral(" address: ") + lines.join(", ");
                e.notes << kind + QCoreApplication::translate("tavrel::Csv",
                                                              " address put in Comments");
            }
        }
    }
    while (!e.address.isEmpty() && e.address.last().isEmpty())
        e.address.removeLast();

    // Telephones: numbered columns keep their place; labelled ones follow.
    for (int i : phoneNumbers) {
        const QString type = cell.value(phoneTypeColumn(i));
        const QString number = cell.value(phoneColumn(i));
        if (type.isEmpty() && number.isEmpty())
            continue;
        const QStringList numbers = multi(number);
        if (numbers.size() <= 1) {
            e.phones << ExchangePhone{type.startsWith('*') ? type.mid(2) : type, number, i};
        } else {
            for (const QString& nr : numbers)
                e.phones << ExchangePhone{type, nr, 0};
        }
    }
    for (const LabelledColumn& c : kOutlookPhones)
        for (const QString& nr : values(cell.value(QLatin1String(c.column))))
            e.phones << ExchangePhone{QLatin1String(c.label), nr, 0};
    for (const char* column : kEmailColumns)
        for (const QString& mail : values(cell.value(QLatin1String(column))))
            e.emails << mail;
    // A row of nothing but addresses is named after its first one, as a card is.
    if (e.name.isEmpty())
        e.name = e.emails.value(0);
    for (const char* column : {"Comments", "Notes"})
        if (!cell.value(QLatin1String(column)).isEmpty())
            e.comments +=
                (e.comments.isEmpty() ? QString() : CRLF) + cell.value(QLatin1String(column));
    for (const char* column : kCommentColumns)
        for (const QString& v : values(cell.value(QLatin1String(column))))
            if (!isPlaceholder(QLatin1String(column), v))
                extraComments << QLatin1String(column) + QStringLiteral(": ") +
                                     (qstrcmp(column, "Birthday") ? v : birthdayText(v));
    extraComments << otherAddresses;
    for (const QString& extra : extraComments)
        e.comments += (e.comments.isEmpty() ? QString() : QStringLiteral("; ")) + extra;
    e.sortKey1 = cell.value(QLatin1String("Sort Key 1"));
    e.sortKey2 = cell.value(QLatin1String("Sort Key 2"));
    for (const QString& l : breakLines(cell.value(QLatin1String("Mailing Lists"))))
        if (!l.isEmpty())
            e.lists << l;
    QString categories = cell.value(QLatin1String("Categories"));
    for (const QString& c :
         categories.contains(QLatin1String(" ::: ")) ? multi(categories) : categories.split(';'))
        if (!c.trimmed().isEmpty() && !c.startsWith('*'))
            e.lists << c.trimmed();
    for (int i = 1; i <= 4; ++i)
        e.links[size_t(i - 1)] = {cell.value(linkIdColumns.at(i - 1)).toInt(),
                                  cell.value(linkTextColumns.at(i - 1))};
    e.backLinkId = cell.value(QLatin1String("Back Link")).toInt();
    e.sourceId = cell.value(QLatin1String("ID")).toInt();
    if (row.size() > mapping.size())
        e.notes << QCoreApplication::translate(
                       "tavrel::Csv",
                       "The row has %1 cells more than the header; they were left out.")
                       .arg(row.size() - mapping.size());
    return e;
}

} // namespace

QList<Entry> entriesFromCsv(const CsvTable& table, const CsvMapping& mapping)
{
    QList<Entry> entries;
    entries.reserve(table.rows.size());
    const QList<int> phones = numberedPhones(mapping);
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const QStringList& row = table.rows.at(r);
        Entry e = entryFromRow(row, mapping, phones);
        // The lines of the file this row took, read as Windows-1252.
        const int first = table.rowLines.value(r, 0);
        const int next = r + 1 < table.rowLines.size() ? table.rowLines.at(r + 1) : INT_MAX;
        for (int line : table.cp1252Lines)
            if (line >= first && line < next)
                e.notes << QCoreApplication::translate(
                               "tavrel::Csv", "Line %1 of the file is not UTF-8; it was read as "
                                              "Windows-1252")
                               .arg(line);
        // What the mapping leaves out of this row, with its text.
        QStringList left;
        for (qsizetype i = 0; i < row.size() && i < table.header.size(); ++i)
            if (mapping.value(i).isEmpty() && !row.at(i).trimmed().isEmpty() &&
                !isPlaceholder(table.header.at(i), row.at(i)))
                left << table.header.at(i) + QLatin1Char(' ') + QChar(0x201C) + row.at(i) +
                            QChar(0x201D);
        if (!left.isEmpty())
            e.notes << QCoreApplication::translate("tavrel::Csv", "Not imported: ") +
                           left.join(QStringLiteral(", "));
        entries << e;
    }
    return entries;
}

QStringList columnsLeftOut(const CsvTable& table, const CsvMapping& mapping)
{
    QStringList out, empty;
    for (qsizetype i = 0; i < table.header.size(); ++i) {
        if (!mapping.value(i).isEmpty())
            continue;
        int filled = 0;
        for (const QStringList& row : table.rows)
            filled += !row.value(i).trimmed().isEmpty() &&
                      !isPlaceholder(table.header.at(i), row.value(i));
        const QString name =
            table.header.at(i).isEmpty()
                ? QCoreApplication::translate("tavrel::Csv", "(column %1, no name)").arg(i + 1)
                : table.header.at(i);
        if (filled)
            out << QCoreApplication::translate("tavrel::Csv",
                                               "Column %1 not imported: %2 had a value in it.")
                       .arg(
                           name,
                           filled == 1
                               ? QCoreApplication::translate("tavrel::Csv", "1 row")
                               : QCoreApplication::translate("tavrel::Csv", "%1 rows").arg(filled));
        else
            empty << name;
    }
    if (!empty.isEmpty())
        out << QCoreApplication::translate("tavrel::Csv",
                                           "Columns not imported, empty in every row: ") +
                   empty.join(QStringLiteral(", ")) + '.';
    return out;
}

} // namespace tavrel
