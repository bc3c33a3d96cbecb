#pragma once

#include "store/Contact.h"
#include "sync/CardMapping.h"

#include <QByteArray>

namespace tavrel {

// A record as a sync reads, compares, merges and writes it: the record's 574
// bytes, then the person's own spelling of each field the record holds
// transliterated (none: the 574 bytes alone, as the file has them). A
// field's spelling travels with its bytes (fieldBytes, setFieldBytes), so a
// card that says "Иван Петров" and the record kept with that spelling read the
// same, and an edit that keeps the transliteration but changes the spelling is
// still a change.
QByteArray spelledRecord(const QByteArray& record, const FieldTexts& originals);
// The record's own 574 bytes.
QByteArray recordPart(const QByteArray& synced);
// The spellings a synced record carries (a damaged entry is left out).
FieldTexts spellingsOf(const QByteArray& synced);
// The contact the synced record stands for: its texts in the person's spelling.
Contact syncContact(const QByteArray& synced);

// `view` keeping only the spellings of fields that `record` keeps one for:
// the card as a record without the others reads it, so a record stored
// without a spelling compares with the card's text as it holds it.
QByteArray withSpellingsLike(const QByteArray& view, const QByteArray& record);

// The spelling entries of the record's fields that make up `f`, as a synced
// record carries them; and the record with those of `f` replaced.
QByteArray spellingBytes(const QByteArray& synced, SyncField f);
QByteArray withSpellingBytes(const QByteArray& synced, SyncField f, const QByteArray& spellings);

} // namespace tavrel
