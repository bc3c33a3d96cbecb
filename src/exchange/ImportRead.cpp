#include "exchange/Import.h"

#include "exchange/FileKind.h"
#include "exchange/Rules.h"
#include "exchange/VCard.h"
#include "exchange/VCardReader.h"
#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "store/RecordAccess.h"
#include "store/Services.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace tavrel {

// --- reading ---

namespace {

constexpr qint64 kHeadBytes = 64 * 1024;

// True when nothing but blanks and line ends lies between here and the end;
// the device is left where it was.
bool blankToTheEnd(QIODevice& in)
{
    const qint64 start = in.pos();
    bool blank = true;
    while (blank) {
        const QByteArray chunk = in.read(kHeadBytes);
        if (chunk.isEmpty())
            break;
        blank = chunk.trimmed().isEmpty();
    }
    in.seek(start);
    return blank;
}

// What the preview and the log say of a file of more entries than an import keeps.
QString notReadNote(const ImportSource& s)
{
    return QCoreApplication::translate("tavrel::Import",
                                       "The file holds %1 entries; only the first %2 are read, as "
                                       "the N&A file holds no more than %3 records.")
        .arg(kMaxImportEntries + s.entriesNotRead)
        .arg(kMaxImportEntries)
        .arg(kMaxId);
}

// The cards, one at a time: the first kMaxImportEntries are kept, the rest counted.
void readCards(QIODevice& in, const QByteArray& mark, ImportSource& s)
{
    VCardReader reader(in, mark);
    Entry entry;
    while (reader.next(entry)) {
        if (s.entries.size() < kMaxImportEntries)
            s.entries << std::exchange(entry, Entry());
        else
            ++s.entriesNotRead;
    }
    s.kind = QStringLiteral("vCard");
    s.problems << reader.problems();
    if (s.entriesNotRead)
        s.problems << notReadNote(s);
    if (s.entries.isEmpty())
        s.error = QCoreApplication::translate("tavrel::Import", "The file holds no card.");
}

void readTable(QIODevice& in, const QByteArray& mark, ImportSource& s)
{
    s.isCsv = true;
    // The text of a CSV file is read whole (quoted fields may hold line
    // breaks, and its encoding is told from all of it), its rows kept only so far.
    s.table = readCsv(mark.isEmpty() ? in.readAll() : mark + in.readAll(), kMaxImportEntries);
    s.entriesNotRead = s.table.rowsNotRead;
    s.table.problems = s.problems + s.table.problems;
    s.problems = s.table.problems;
    if (s.table.header.isEmpty() || s.table.rows.isEmpty()) {
        s.error = QCoreApplication::translate(
            "tavrel::Import", "The file is neither a vCard file nor a CSV file with a header "
                              "and at least one row.");
        return;
    }
    // A list of addresses without a header: its first line is an address too.
    if (s.table.header.size() == 1 && isEmailAddress(s.table.header.first())) {
        s.table.rows.prepend(s.table.header);
        s.table.rowLines.prepend(1);
        s.table.header = QStringList{QStringLiteral("E-mail")};
        if (s.table.rows.size() > kMaxImportEntries) {
            s.table.rows.removeLast();
            s.table.rowLines.removeLast();
            ++s.entriesNotRead;
        }
    }
    const QString dialect = csvDialectName(s.table.header);
    s.kind = dialect.isEmpty() ? QStringLiteral("CSV") : QStringLiteral("CSV (%1)").arg(dialect);
    applyMapping(s, mappingByName(s.table.header));
}

// Reads an import file from the device as it goes: only its first 64 KB are
// looked at to tell its kind, and a vCard file is read card by card.
ImportSource readImportDevice(QIODevice& in, const QString& fileName)
{
    ImportSource s;
    s.fileName = fileName;
    const QByteArray head = in.peek(kHeadBytes);
    if (head.trimmed().isEmpty() && blankToTheEnd(in)) {
        s.error = QCoreApplication::translate("tavrel::Import", "The file is empty.");
        return s;
    }
    QString utf16;
    const QByteArray markedHead = withUtf16Mark(head, &utf16);
    const QByteArray mark = utf16.isEmpty() ? QByteArray() : markedHead.first(2);
    if (!utf16.isEmpty())
        s.problems << QCoreApplication::translate(
                          "tavrel::Import", "The file is UTF-16 (%1) without a byte-order mark.")
                          .arg(utf16);
    if (looksLikeVCard(markedHead)) {
        readCards(in, mark, s);
    } else if (const QString why = notAContactFile(markedHead); !why.isEmpty()) {
        s.problems.clear();
        s.error = QCoreApplication::translate("tavrel::Import",
                                              "This file is not a card file or a CSV file (%1).")
                      .arg(why);
        return s;
    } else {
        readTable(in, mark, s);
    }
    return s;
}

} // namespace

ImportSource readImportBytes(const QByteArray& bytes, const QString& fileName)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readImportDevice(buffer, fileName);
}

void applyMapping(ImportSource& s, const CsvMapping& mapping)
{
    s.mapping = mapping;
    s.needsMapping = !mappingFindsNames(mapping) && !mappingHoldsOnlyEmails(s.table, mapping);
    s.entries = s.needsMapping ? QList<Entry>() : entriesFromCsv(s.table, mapping);
    s.problems = s.table.problems;
    if (!s.needsMapping)
        s.problems << columnsLeftOut(s.table, mapping);
    if (s.entriesNotRead)
        s.problems << notReadNote(s);
}

ImportSource readImportFile(Services& services, const QString& path)
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
    ImportSource s = readImportDevice(file, name);
    if (file.error() != QFileDevice::NoError) {
        ImportSource failed;
        failed.fileName = name;
        failed.error =
            QCoreApplication::translate("tavrel::Import", "The file cannot be read (error%1).")
                .arg(numText(ErrNo::DeviceIo));
        return failed;
    }
    if (s.isCsv && s.needsMapping) {
        const CsvMapping saved = savedMapping(services, s.table.header);
        if (!saved.isEmpty())
            applyMapping(s, saved);
    }
    return s;
}

// --- saved mappings ---

CsvMapping savedMapping(Services& services, const QStringList& header)
{
    if (!services.files.exists(kCsvMappingFile))
        return {};
    const QString signature = csvHeaderSignature(header);
    const QStringList lines =
        QString::fromUtf8(services.files.readAll(kCsvMappingFile)).split('\n');
    for (const QString& line : lines) {
        QStringList cells = line.split('\t');
        if (cells.size() == header.size() + 1 && cells.first() == signature) {
            cells.removeFirst();
            return cells;
        }
    }
    return {};
}

void saveMapping(Services& services, const QStringList& header, const CsvMapping& mapping)
{
    const QString signature = csvHeaderSignature(header);
    QStringList kept;
    if (services.files.exists(kCsvMappingFile))
        for (const QString& line :
             QString::fromUtf8(services.files.readAll(kCsvMappingFile)).split('\n'))
            if (!line.isEmpty() && !line.startsWith(signature + '\t'))
                kept << line;
    kept << signature + '\t' + mapping.join('\t');
    services.files.replaceFile(kCsvMappingFile, (kept.join('\n') + '\n').toUtf8());
}

} // namespace tavrel
