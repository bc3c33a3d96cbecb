#pragma once

#include "exchange/Csv.h"
#include "exchange/Entry.h"
#include "store/Contact.h"
#include "store/NARecord.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace tavrel {

class Program;
struct Services;

// A file as read for import, before anything is planned or written.
struct ImportSource {
    QString fileName;
    QString kind; // "vCard", "CSV (native)", "CSV (Outlook)", ... for the preview and the log
    QList<Entry> entries;         // the first kMaxImportEntries of the file
    qsizetype entriesNotRead = 0; // those after them: counted, never kept
    QStringList problems;         // about the whole file
    QString error;                // set when the file could not be read at all; nothing else is
    // CSV only: the table and how its columns were mapped.
    bool isCsv = false;
    CsvTable table;
    CsvMapping mapping;
    bool needsMapping = false; // no column names the people: the user maps them
};

// Largest file an import reads.
inline constexpr qint64 kMaxImportBytes = 64ll * 1024 * 1024;
// Most entries an import keeps for its preview and run. The N&A file holds
// 1700 records, so this leaves room for many lookalikes and skipped entries;
// a file of more is read to its end, the rest counted as not imported, so
// the memory an import takes does not grow with the number of cards.
inline constexpr qsizetype kMaxImportEntries = 10000;

// Reads the file at `path` (anywhere): vCard or CSV by its content, a vCard
// file card by card. A CSV
// header that names no people is left to the user (`needsMapping`), unless
// a mapping saved for that header exists in the program directory.
ImportSource readImportFile(Services& services, const QString& path);
ImportSource readImportBytes(const QByteArray& bytes, const QString& fileName);
// Maps a CSV source's columns and rebuilds its entries.
void applyMapping(ImportSource& source, const CsvMapping& mapping);

// Mappings the user saved, one per CSV header, in the program directory.
inline const QString kCsvMappingFile = QStringLiteral("tvlcsv.map");
CsvMapping savedMapping(Services& services, const QStringList& header);
void saveMapping(Services& services, const QStringList& header, const CsvMapping& mapping);

// What to do with a field that does not fit its width, and with more
// telephones, address lines or e-mail addresses than a record holds.
enum class OverflowChoice { MoveToComments, CutAndLog, SkipRecord };

// One entry as it would be stored, with everything that would change on the way.
struct PlannedRecord {
    Entry entry;
    NARecord record;        // as it would be written (its ID is chosen when it is)
    QStringList changes;    // each cut, move and replacement, in words
    bool overflows = false; // something does not fit (cut or moved)
    bool replaced = false;  // characters Windows-1252 cannot hold were replaced
    QString duplicate;      // "" or what it matches in the file: "same Name as ID 12"
    bool include = true;    // the user's choice; a duplicate starts out skipped
    // The person's own spelling of the fields the record holds transliterated,
    // kept beside the N&A file when the record is written.
    FieldTexts originals;
};

// How sort keys made up for imported records are written: the way most of the
// file's own keys are.
enum class KeyCase { Upper, Lower, AsWritten };

struct ImportPlan {
    ImportSource source;
    OverflowChoice choice = OverflowChoice::MoveToComments;
    KeyCase keyCase = KeyCase::Upper;
    QList<PlannedRecord> records;
    // How many records the plan would write under its choice.
    int toWrite() const;
};

// The entry as a record under `choice`; fills changes, overflows and replaced.
// An organisation goes on the address of a person who works for it; a number
// too long for its field is written without its formatting, and one that still
// does not fit is never cut; an entry without sort keys gets them from its
// name, written in `keyCase`.
PlannedRecord planRecord(const Entry& entry, OverflowChoice choice,
                         KeyCase keyCase = KeyCase::Upper);
// True when the entry is an organisation rather than a person.
bool isOrganisationEntry(const Entry& entry);
// Fills empty `key1` and `key2` with the sort keys an import gives an entry
// named `name` that has none: a person's by family and given name, an
// organisation's by its name. Keys already given stay as they are.
void suggestSortKeys(const QString& name, QString& key1, QString& key2,
                     KeyCase keyCase = KeyCase::Upper);
// Plans every entry and marks those that look like a record already in the file.
ImportPlan planImport(Program& p, const ImportSource& source, OverflowChoice choice);
// Plans again under another choice, keeping the user's include choices.
void replan(ImportPlan& plan, OverflowChoice choice);

struct ImportOptions {
    // Runs once, just before the import writes its first record. Returning
    // false stops the import with nothing written. After it, the program's
    // BeforeBulkChange hook runs with "import" (the automatic backup copy),
    // and its false stops the import the same way.
    std::function<bool()> beforeFirstWrite;
};

struct ImportResult {
    int imported = 0;
    int notImported = 0; // left out: skipped by choice, duplicates, no free ID
    bool stoppedAtLimit = false;
    bool cancelled = false;    // beforeFirstWrite or BeforeBulkChange said no
    bool noSafetyCopy = false; // BeforeBulkChange said no: the backup copy failed
    QList<int> ids;            // the IDs written, in order
    QString message;           // what the user is told
    QString log;               // the text of the import log
};

// The name of the import log, beside the N&A file: every import adds its
// section at the end; the oldest sections go once it would pass its limit.
inline const QString kImportLogName = QStringLiteral("tvlimport.log");
inline constexpr qsizetype kMaxImportLogBytes = 1024 * 1024;

// Writes the planned records to free IDs, lowest first, through the record
// store (so LastRecNo, the header and LowestFreeId follow as they do for Add),
// stops at ID 1700, adds the new records to existing mailing lists whose
// titles they carry, and writes the import log.
ImportResult runImport(Program& p, const ImportPlan& plan, const ImportOptions& options = {});

// The preview in words, one block per record, as the log and the command line show it.
QString planText(const ImportPlan& plan);

} // namespace tavrel
