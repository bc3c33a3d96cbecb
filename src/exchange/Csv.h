#pragma once

#include "exchange/Entry.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <limits>

namespace tavrel {

enum class CsvDialect { Native, Outlook };
enum class CsvEncoding { Utf8Bom, Utf8, Windows1252 };

// The column names of the two dialects we write.
QStringList nativeCsvHeader();
QStringList outlookCsvHeader();

// Writes the entries as CSV (RFC 4180: CR LF, fields quoted where needed).
// For spreadsheets, a cell a spreadsheet would take for a number, a date or a
// formula is written so that it stays text (see spreadsheetCell).
QByteArray writeCsv(const QList<Entry>& entries, CsvDialect dialect, CsvEncoding encoding,
                    QChar delimiter = QLatin1Char(','), bool forSpreadsheet = false);
// The cell as a spreadsheet keeps it as text: `="0611 123"` for one that would
// become a number, date or formula (a value that starts with =, +, -, @, or
// holds only digits and number signs, other than a plain whole number), with a
// leading apostrophe instead when it holds a line break; any other unchanged.
QString spreadsheetCell(const QString& value);

// A CSV file as read: the header, the rows, and what the reader noticed.
struct CsvTable {
    QStringList header;
    QList<QStringList> rows;
    QChar delimiter = QLatin1Char(',');
    QStringList problems;
    QList<int> rowLines;       // the line of the file each row begins on
    QList<int> cp1252Lines;    // lines read as Windows-1252 in a file otherwise UTF-8
    qsizetype rowsNotRead = 0; // rows after the first `maxRows`: counted, not kept
};
// Reads CSV: a byte-order mark, UTF-8 when valid else Windows-1252, the
// delimiter (comma, semicolon or tab) found from the header line, quoted line
// breaks. Never fails; what it could not read is named in `problems`. Rows
// after the first `maxRows` (the header aside) are only counted.
CsvTable readCsv(const QByteArray& bytes,
                 qsizetype maxRows = std::numeric_limits<qsizetype>::max());

// What each column of a file means: one target column name per column, from
// csvTargets(), or an empty string for a column left out.
using CsvMapping = QStringList;

// The names a column can be mapped to: the native columns and the Outlook ones.
QStringList csvTargets();
// Maps a header by its names: the two dialects above, Thunderbird's English
// header and the common Google header. Unknown names map to "".
CsvMapping mappingByName(const QStringList& header);
// True when the mapping finds a name for the people in it (Name, First or
// Last Name, Display Name or Company); otherwise the user maps the columns.
bool mappingFindsNames(const CsvMapping& mapping);
// True when every column holding something is an e-mail column: a list of
// addresses, each becoming a record named after its address.
bool mappingHoldsOnlyEmails(const CsvTable& table, const CsvMapping& mapping);
// What kind of file the header says it is: "native", "Outlook", "Thunderbird",
// "Google" or "" for any other.
QString csvDialectName(const QStringList& header);

// The entries of a table under a mapping; each entry's notes name what of its
// row is left out.
QList<Entry> entriesFromCsv(const CsvTable& table, const CsvMapping& mapping);
// The columns a mapping leaves out, each with how many rows had a value in it.
QStringList columnsLeftOut(const CsvTable& table, const CsvMapping& mapping);

// Saved mappings: one per header, kept in a small file of the program directory.
QString csvHeaderSignature(const QStringList& header);

// The cells of an entry under the columns of `dialect`'s header.
QStringList csvRow(const Entry& e, CsvDialect dialect);

} // namespace tavrel
