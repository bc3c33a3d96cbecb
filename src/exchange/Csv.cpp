#include "exchange/Csv.h"

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
                                             {"Company Main Phone", "Main"},
                                             {"Mobile Phone 2", "Mobile"},
                                             {"Other Fax", "Fax"},
                                             {"Assistant's Phone", "Asst"},
                                             {"Callback", "Callbk"},
                                             {"ISDN", "ISDN"},
                                             {"Radio Phone", "Radio"},
                                             {"TTY/TDD Phone", "TTY"},
                                             {"Telex", "Telex"}};

// Columns the record has no field for, kept in Comments as "Job Title: Engineer".
constexpr const char* kCommentColumns[] = {"Job Title", "Department", "Nickname", "Birthday",
                                           "Web Page"};

// The address kinds of the Outlook dialect, in the order the first one found is taken.
constexpr const char* kAddressKinds[] = {"Home", "Business", "Other"};

// What Outlook writes into columns it has nothing for.
bool isPlaceholder(const QString& column, const QString& value)
{
    static const std::pair<const char*, const char*> fillers[] = {
        {"Birthday", "0/0/00"}, {"Anniversary", "0/0/00"}, {"Gender", "Unspecified"},
        {"Priority", "Normal"}, {"Sensitivity", "Normal"}, {"Private", "False"}};
    for (const auto& [c, v] : fillers)
        if (value == QLatin1String(v) && column == QLatin1String(c))
            return true;
    return false;
}

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

QString spreadsheetCell(const QString& value)
{
    if (value.isEmpty())
        return value;
    const QChar first = value.at(0);
    bool formula = first == '=' || first == '+' || first == '-' || first == '@' || first == '\t' ||
                   first == '\r';
    if (!formula) {
        // Digits with blanks and number signs become a number or a date; a plain
        // whole number (no leading zero, within a spreadsheet's 15 digits) stays as it is.
        static const QRegularExpression numeric(
            QStringLiteral("^[0-9 ().,/:%eE+-]*[0-9][0-9 ().,/:%eE+-]*$"));
        static const QRegularExpression whole(QStringLiteral("^(0|[1-9][0-9]{0,14})$"));
        formula = numeric.match(value).hasMatch() && !whole.match(value).hasMatch();
    }
    if (!formula)
        return value;
    if (value.contains('\n') || value.contains('\r'))
        return QLatin1Char('\'') + value;
    QString inner = value;
    inner.replace('"', QLatin1String("\"\""));
    return QStringLiteral("=\"") + inner + '"';
}

QByteArray writeCsv(const QList<Entry>& entries, CsvDialect dialect, CsvEncoding encoding,
                    QChar delimiter, bool forSpreadsheet)
{
    QString text;
    text.reserve(entries.size() * 300);
    auto line = [&](const QStringList& row, bool cells) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i)
                text += delimiter;
            text += csvField(cells ? spreadsheetCell(row.at(i)) : row.at(i), delimiter);
        }
        text += CRLF;
    };
    line(dialect == CsvDialect::Native ? nativeCsvHeader() : outlookCsvHeader(), false);
    for (const Entry& e : entries)
        line(dialect == CsvDialect::Native ? nativeRow(e) : outlookRow(e), forSpreadsheet);
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

namespace {

// A cell written ="text" for spreadsheets is read back as its text.
QString textOfFormula(const QString& cell)
{
    if (cell.size() < 3 || !cell.startsWith(QLatin1String("=\"")) || !cell.endsWith('"'))
        return cell;
    QString inner = cell.mid(2, cell.size() - 3);
    if (inner.remove(QLatin1String("\"\"")).contains('"'))
        return cell;
    return cell.mid(2, cell.size() - 3).replace(QLatin1String("\"\""), QLatin1String("\""));
}

QString lineNumbers(const QList<int>& lines)
{
    QStringList shown;
    for (int n : lines.mid(0, 20))
        shown << QString::number(n);
    QString text = shown.join(QStringLiteral(", "));
    if (lines.size() > 20)
        text += QStringLiteral(" and %1 more").arg(lines.size() - 20);
    return text;
}

// A file that is not UTF-8 throughout: when some of its lines are, it is taken
// for UTF-8 with a few lines of Windows-1252 (each line read as what it is);
// when none is, for Windows-1252.
QString mixedUtf8(const QByteArray& body, CsvTable& table)
{
    QString text;
    int utf8Lines = 0;
    qsizetype start = 0;
    for (int line = 1; start < body.size(); ++line) {
        qsizetype end = start;
        while (end < body.size() && body.at(end) != '\n' &&
               !(body.at(end) == '\r' && (end + 1 >= body.size() || body.at(end + 1) != '\n')))
            ++end;
        const QByteArray bytes = body.mid(start, end + 1 - start);
        start = end + 1;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8(bytes);
        if (utf8.hasError()) {
            table.cp1252Lines << line;
            text += cp1252ToUnicode(bytes);
        } else {
            utf8Lines += decoded.size() != bytes.size(); // it holds something beyond ASCII
            text += decoded;
        }
    }
    if (!utf8Lines) {
        table.cp1252Lines.clear();
        table.problems << QCoreApplication::translate(
            "tavrel::Csv", "The file is not UTF-8; it was read as Windows-1252.");
        return cp1252ToUnicode(body);
    }
    const bool one = table.cp1252Lines.size() == 1;
    table.problems << QCoreApplication::translate("tavrel::Csv",
                                                  "%1 %2 %3 not UTF-8; %4 read as Windows-1252.")
                          .arg(one ? QCoreApplication::translate("tavrel::Csv", "Line")
                                   : QCoreApplication::translate("tavrel::Csv", "Lines"),
                               lineNumbers(table.cp1252Lines),
                               one ? QCoreApplication::translate("tavrel::Csv", "is")
                                   : QCoreApplication::translate("tavrel::Csv", "are"),
                               one ? QCoreApplication::translate("tavrel::Csv", "it was")
                                   : QCoreApplication::translate("tavrel::Csv", "they were"));
    return text;
}

} // namespace

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
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8(body);
        if (utf8.hasError())
            text = mixedUtf8(body, table);
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
    QList<int> rowLines;
    QStringList row;
    QString field;
    bool quoted = false, wasQuoted = false, any = false;
    int line = 1, rowLine = 1; // the file's line now, and where the row began
    const QChar delim = table.delimiter;
    auto endField = [&] {
        row << textOfFormula(field);
        field.clear();
        wasQuoted = false;
    };
    auto endRow = [&] {
        endField();
        bool blank = true;
        for (const QString& f : row)
            blank = blank && f.isEmpty();
        if (!blank) {
            rows << row;
            rowLines << rowLine;
        }
        row.clear();
        any = false;
        rowLine = line;
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
                ++line;
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
            ++line;
            endRow();
        } else {
            field += c;
        }
    }
    if (quoted)
        table.problems << QCoreApplication::translate(
            "tavrel::Csv", "The file ends inside a quoted field; the last row was "
                           "read as far as it goes.");
    if (any || !field.isEmpty() || !row.isEmpty() || quoted)
        endRow();
    if (!rows.isEmpty()) {
        table.header = rows.takeFirst();
        rowLines.removeFirst();
    }
    table.rows = rows;
    table.rowLines = rowLines;
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
                            "Other Street",
                            "Other Street 2",
                            "Other Street 3",
                            "Other City",
                            "Other State",
                            "Other Postal Code",
                            "Other Country",
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
    for (const char* column : {"Comments", "Notes"})
        if (!cell.value(QLatin1String(column)).isEmpty())
            e.comments +=
                (e.comments.isEmpty() ? QString() : CRLF) + cell.value(QLatin1String(column));
    for (const char* column : kCommentColumns)
        for (const QString& v : values(cell.value(QLatin1String(column))))
            if (!isPlaceholder(QLatin1String(column), v))
                extraComments << QLatin1String(column) + QStringLiteral(": ") + v;
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
