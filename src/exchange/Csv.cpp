#include "exchange/Csv.h"

#include "exchange/Rules.h"
#include "exchange/Tables.h"
#include "platform/Text.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>

namespace tavrel {

namespace {

// Phone columns of the Outlook dialect and the record label each stands for.
struct LabelledColumn {
    const char* column;
    const char* label;
};
constexpr LabelledColumn kOutlookPhones[] = {{"Home Phone", "Home"},
                                             {"Home Phone 2", "Home"},
                                             {"Business Phone", "Work"},
                                             {"Business Phone 2", "Work"},
                                             {"Mobile Phone", "Mobile"},
                                             {"Home Fax", "H Fax"},
                                             {"Business Fax", "W Fax"},
                                             {"Fax", "Fax"},
                                             {"Pager", "Pager"},
                                             {"Car Phone", "Car"},
                                             {"Other Phone", "Other"},
                                             {"Primary Phone", "Main"},
                                             {"Company Main Phone", "Main"}};

constexpr const char* kEmailColumns[] = {"E-mail", "E-mail Address", "E-mail 2 Address",
                                         "E-mail 3 Address"};

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

// --- writing ---

namespace {

QString csvField(const QString& value, QChar delimiter)
{
    const bool quote = value.contains(delimiter) || value.contains('"') || value.contains('\n') ||
                       value.contains('\r') || value.startsWith(' ') || value.endsWith(' ');
    if (!quote)
        return value;
    QString v = value;
    v.replace('"', QLatin1String("\"\""));
    return '"' + v + '"';
}

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

QByteArray writeCsv(const QList<Entry>& entries, CsvDialect dialect, CsvEncoding encoding,
                    QChar delimiter)
{
    QString text;
    text.reserve(entries.size() * 300);
    auto line = [&](const QStringList& row) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i)
                text += delimiter;
            text += csvField(row.at(i), delimiter);
        }
        text += CRLF;
    };
    line(dialect == CsvDialect::Native ? nativeCsvHeader() : outlookCsvHeader());
    for (const Entry& e : entries)
        line(dialect == CsvDialect::Native ? nativeRow(e) : outlookRow(e));
    switch (encoding) {
    case CsvEncoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case CsvEncoding::Utf8:
        return text.toUtf8();
    case CsvEncoding::Windows1252:
        return unicodeToCp1252(text);
    }
    return {};
}

// --- reading ---

CsvTable readCsv(const QByteArray& bytes)
{
    CsvTable table;
    QString text;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                      : QStringDecoder::Utf16BE);
        text = d(bytes.mid(2));
    } else {
        const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
        QStringDecoder utf8(QStringDecoder::Utf8);
        text = utf8(body);
        if (utf8.hasError()) {
            text = cp1252ToUnicode(body);
            table.problems << QStringLiteral("The file is not UTF-8; it was read as Windows-1252.");
        }
    }

    // The delimiter is the commonest of the three in the header line.
    {
        int comma = 0, semicolon = 0, tab = 0;
        bool quoted = false;
        for (QChar c : text) {
            if (c == '"')
                quoted = !quoted;
            else if (!quoted && (c == '\n' || c == '\r'))
                break;
            else if (!quoted && c == ',')
                ++comma;
            else if (!quoted && c == ';')
                ++semicolon;
            else if (!quoted && c == '\t')
                ++tab;
        }
        if (semicolon > comma && semicolon >= tab)
            table.delimiter = ';';
        else if (tab > comma && tab > semicolon)
            table.delimiter = '\t';
    }

    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false, wasQuoted = false, any = false;
    const QChar delim = table.delimiter;
    auto endField = [&] {
        row << field;
        field.clear();
        wasQuoted = false;
    };
    auto endRow = [&] {
        endField();
        bool blank = true;
        for (const QString& f : row)
            blank = blank && f.isEmpty();
        if (!blank)
            rows << row;
        row.clear();
        any = false;
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == '"') {
                if (i + 1 < n && text.at(i + 1) == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else if (c == '\r' || c == '\n') {
                // Any line break inside a field is kept the way the record keeps one.
                if (c == '\r' && i + 1 < n && text.at(i + 1) == '\n')
                    ++i;
                field += CRLF;
            } else {
                field += c;
            }
            continue;
        }
        any = true;
        if (c == '"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == delim) {
            endField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < n && text.at(i + 1) == '\n')
                ++i;
            endRow();
        } else {
            field += c;
        }
    }
    if (quoted)
        table.problems << QStringLiteral("The file ends inside a quoted field; the last row was "
                                         "read as far as it goes.");
    if (any || !field.isEmpty() || !row.isEmpty() || quoted)
        endRow();
    if (!rows.isEmpty())
        table.header = rows.takeFirst();
    table.rows = rows;
    return table;
}

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
                            "E-mail Address",
                            "E-mail 2 Address",
                            "E-mail 3 Address",
                            "Notes",
                            "Categories"};
    t << extra;
    for (const LabelledColumn& c : kOutlookPhones)
        t << QLatin1String(c.column);
    return t;
}

namespace {

// Other programs' names for our targets (lower case).
const QHash<QString, QString>& synonyms()
{
    static const QHash<QString, QString> table = {// Thunderbird
                                                  {"primary email", "E-mail Address"},
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
                                                  {"e-mail", "E-mail"},
                                                  {"email", "E-mail Address"},
                                                  {"email address", "E-mail Address"},
                                                  {"home zip", "Home Postal Code"},
                                                  {"business zip", "Business Postal Code"},
                                                  {"mobile", "Mobile Phone"},
                                                  {"note", "Notes"}};
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
        for (const QString& kind : {QStringLiteral("Home"), QStringLiteral("Business")}) {
            PostalParts postal;
            for (const QString& s : {QStringLiteral(" Street"), QStringLiteral(" Street 2"),
                                     QStringLiteral(" Street 3")})
                postal.street << breakLines(cell.value(kind + s));
            postal.locality = cell.value(kind + " City");
            postal.region = cell.value(kind + " State");
            postal.code = cell.value(kind + " Postal Code");
            postal.country = cell.value(kind + " Country");
            const QStringList lines = addressLines(postal);
            if (!lines.isEmpty()) {
                e.address = lines;
                break;
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
        for (const QString& nr : multi(cell.value(QLatin1String(c.column))))
            e.phones << ExchangePhone{QLatin1String(c.label), nr, 0};
    for (const char* column : kEmailColumns)
        for (const QString& mail : multi(cell.value(QLatin1String(column))))
            e.emails << mail;
    for (const char* column : {"Comments", "Notes"})
        if (!cell.value(QLatin1String(column)).isEmpty())
            e.comments +=
                (e.comments.isEmpty() ? QString() : CRLF) + cell.value(QLatin1String(column));
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
        e.notes << QStringLiteral("The row has %1 cells more than the header; they were left out.")
                       .arg(row.size() - mapping.size());
    return e;
}

} // namespace

QList<Entry> entriesFromCsv(const CsvTable& table, const CsvMapping& mapping)
{
    QList<Entry> entries;
    entries.reserve(table.rows.size());
    const QList<int> phones = numberedPhones(mapping);
    for (const QStringList& row : table.rows)
        entries << entryFromRow(row, mapping, phones);
    return entries;
}

} // namespace tavrel
