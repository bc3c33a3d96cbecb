#pragma once

#include "exchange/Csv.h"
#include "exchange/Entry.h"
#include "store/Contact.h"
#include "store/NARecord.h"

#include <QByteArray>
#include <QString>

namespace tavrel {

class Program;

enum class ExportFormat { VCard30, VCard40, CsvNative, CsvOutlook };

struct ExportOptions {
    ExportFormat format = ExportFormat::VCard30;
    CsvEncoding encoding = CsvEncoding::Utf8Bom;
    QChar delimiter = QLatin1Char(',');
    bool forSpreadsheet = false; // CSV cells kept as text where a spreadsheet would convert them
    QString
        mailList; // a list file ("tvlmail.abc") to export its members only; empty: the whole file
};

// The contact as an entry: its texts as they are, lines and telephones in place.
Entry entryFromContact(const Contact& contact, int id);
// The record as an entry: fields without their padding, lines and telephones in place.
Entry entryFromRecord(const NARecord& record, int id);
// The active records (of the whole file, or the members of a mailing list) in
// ID order, each with the titles of the lists it belongs to. MailListFlags is
// left as it was.
QList<Entry> exportEntries(Program& p, const QString& mailList = QString());
// The same record gets the same UID in every export of this file.
QString recordUid(const Program& p, int id);
// The bytes of the export, and how many records they hold.
QByteArray exportBytes(Program& p, const ExportOptions& options, int* count = nullptr);
// Writes a whole file at `path` (anywhere the user chose): complete or not at
// all, as OutputFile writes it (a device or a pipe in place, a folder refused).
// Throws PlatformError with the classic number.
void writeExportFile(const QString& path, const QByteArray& bytes);

// "vcard" (3.0), "vcard3", "vcard4", "csv" (native), "outlook"; false for anything else.
bool parseExportFormat(const QString& word, ExportFormat* format);

} // namespace tavrel
