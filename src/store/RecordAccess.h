#pragma once

#include "store/NARecord.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace tavrel {

class Program;

inline const QString kActive = QStringLiteral("CRVN");
inline const QString kDeleted = QStringLiteral("DELR");
inline constexpr int kMaxId = 1700;

// The first line of the message shown at start-up when the file cannot be what
// its header says; the lines after it name each fault found and what was done.
inline const QString kDamagedFileHeading = QStringLiteral("The N&A File Is Damaged.");

// Reads record `recNo` (ID + 1 for a name record, 1 for the header) into the
// current record. Any failure shows the fatal message and ends the program.
void Get_NA_Rec(Program& p, int recNo);
// Writes the current record as record `recNo`; failures are fatal as above.
void Put_NA_Rec(Program& p, int recNo);
// Writes `bytes` as record `recNo` exactly as Put_NA_Rec writes the current
// record, failures included.
void putRecordBytes(Program& p, int recNo, const QByteArray& bytes);
// Builds the header in the current record and writes it as record 1.
void writeHeaderRecord(Program& p);
// Opens or establishes the N&A file and loads the working values. Returns only
// when the file is open; every other outcome ends the program.
void openNAFile(Program& p);
// Opens the N&A file for reading only, for a run nobody watches that must not
// change it (a print): nothing is established, mended or written. Returns the
// damaged-file message when the file is empty or not what its header says
// (the file is then closed again), or an empty text when it is open.
// Throws PlatformError when it cannot be opened.
QString openNAFileReadOnly(Program& p);
void findLowestFreeId(Program& p);
// The report cursor: loads the next record to print; true when nothing is left.
bool nextReportRecord(Program& p);

// Sets the fields a header record carries: its label, LastRecNo, the time of
// writing and the preferences; the other fields of `r` stay as they are.
void fillHeaderFields(NARecord& r, const Program& p, int lastRecNo, const QString& label);

// Active: "CRVN" and RecId equal to the record's own ID.
bool isActive(const NARecord& r, int id);
// Reads record id + 1 and tells whether it is active; the record stays in the buffer.
bool readActive(Program& p, int id);

// Reads records firstRecNo..lastRecNo in ascending order into the current
// record, calling visit(recNo) after each, until visit returns false. Reads a
// block of records at a time (nothing writes in between, so each record is
// what Get_NA_Rec would give); a failure ends the program exactly as
// Get_NA_Rec does for the first record that cannot be read.
void readAscending(Program& p, int firstRecNo, int lastRecNo,
                   const std::function<bool(int recNo)>& visit);

// The LastRecNo rules the record commands share.
// Storing ID `id`: raises LastRecNo (and rewrites the header) when id + 1 is beyond it.
void noteStoredId(Program& p, int id);
// Removing the record with the highest ID: walks down from `fromRecNo` to the
// first active record and rewrites the header (LastRecNo 1 when none is left).
void lowerLastRecNo(Program& p, int fromRecNo);

// The sample entry of a newly established file.
NARecord sampleRecord();

} // namespace tavrel
