#include "exchange/Csv.h"

#include "platform/Text.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>

namespace tavrel {

namespace {

const QString CRLF = QStringLiteral("\r\n");

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
        line(csvRow(e, dialect), forSpreadsheet);
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
QString mixedUtf8(QByteArrayView body, CsvTable& table)
{
    QString text;
    int utf8Lines = 0;
    qsizetype start = 0;
    for (int line = 1; start < body.size(); ++line) {
        qsizetype end = start;
        while (end < body.size() && body.at(end) != '\n' &&
               !(body.at(end) == '\r' && (end + 1 >= body.size() || body.at(end + 1) != '\n')))
            ++end;
        const QByteArray bytes =
            body.sliced(start, std::min(end + 1, body.size()) - start).toByteArray();
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
        // No line holds UTF-8 beyond ASCII, which both read alike: the text
        // is already the file read as Windows-1252.
        return text;
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

CsvTable readCsv(const QByteArray& bytes, qsizetype maxRows)
{
    CsvTable table;
    QString text;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                      : QStringDecoder::Utf16BE);
        text = d(QByteArrayView(bytes).sliced(2));
    } else {
        // Views, not copies: the file may be large.
        const QByteArrayView body =
            QByteArrayView(bytes).sliced(bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = utf8(body);
        if (utf8.hasError()) {
            text.clear();
            text = mixedUtf8(body, table);
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
        if (!blank && rows.size() > maxRows) {
            ++table.rowsNotRead;
        } else if (!blank) {
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

} // namespace tavrel
