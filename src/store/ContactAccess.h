#pragma once

#include "store/Contact.h"

#include <QByteArray>

namespace tavrel {

class Program;

// The contact record `id` holds: `record` (the bytes of record id + 1) with
// the person's own spelling of the fields kept beside the N&A file, while the
// record still has the bytes they were kept for.
Contact contactOf(const Program& p, int id, const NARecord& record,
                  const ContactFields& fields = kEveryContactField);
// The person's own spelling of the fields of record `id`, whose bytes are
// those of `record`, or none. A record without an entry costs a look-up only,
// so lists may ask it of every record.
FieldTexts originalsOf(const Program& p, int id, const NARecord& record);
// Writes `contact` as record `recNo` through the record-write path, keeps the
// spellings the code page could not hold, and saves them when they changed:
// the record first, then the spellings file.
void putContact(Program& p, int recNo, const Contact& contact);

// Reads the spellings file beside the N&A file. A missing one is empty; a
// damaged or unreadable one is empty too and the person is told once.
void loadSpellings(Program& p);
// Drops the entries whose record has changed since they were kept, which a
// program that does not know the spellings file may have done; the open does
// this once, so that later saves need only check the entries they touched.
void dropStaleSpellings(Program& p);
// Saves the spellings file when an entry changed (dropping touched entries
// whose record has changed since), unless a bulk run holds the saves. A failure
// leaves the old file as it was and tells the person; the N&A file is
// already written.
void saveSpellings(Program& p);
// The entry of record `recNo` follows the record from `before` to `after`:
// kept for the new bytes while its spellings still reduce to what the new
// record holds in those fields, forgotten otherwise. Saves as saveSpellings.
void followRecordWrite(Program& p, int recNo, const QByteArray& before, const QByteArray& after);
// True when each text of `originals`, brought within the code page and cut to
// its field's width as a record write does, is what `record` holds there.
bool originalsMatch(const FieldTexts& originals, const NARecord& record);

// Holds the saves of the spellings file while a bulk run (compaction, an
// import, a duplicate search, an undo) writes many records, and saves once
// at its end.
class SpellingsBatch {
public:
    explicit SpellingsBatch(Program& p);
    ~SpellingsBatch();
    SpellingsBatch(const SpellingsBatch&) = delete;
    SpellingsBatch& operator=(const SpellingsBatch&) = delete;

private:
    Program& p_;
    int unwinding_;
};

} // namespace tavrel
