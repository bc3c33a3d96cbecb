#pragma once

#include "exchange/Entry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace tavrel {

enum class VCardVersion { V30, V40 };

// Writes the entries as vCards: UTF-8, CR LF, lines folded at 75 octets
// without splitting a character. `uidFor` gives the stable UID of a source ID.
QByteArray writeVCards(const QList<Entry>& entries, VCardVersion version,
                       const std::function<QString(int sourceId)>& uidFor);

// What reading a file of cards found.
struct VCardRead {
    QList<Entry> entries;
    QStringList problems; // about the file as a whole: "The file ends inside a card."
};
// Reads vCard 2.1, 3.0 and 4.0: quoted-printable with soft breaks, CHARSET,
// bare 2.1 types, group prefixes, a stray "\:", UTF-16 with a byte-order mark.
// Never fails: what cannot be read is named in `problems` or an entry's notes.
VCardRead readVCards(const QByteArray& bytes);

// True when the bytes look like a vCard file (after any byte-order mark and blank lines).
bool looksLikeVCard(const QByteArray& bytes);

// --- pieces, exposed for the tests ---

// Escapes a text value: backslash, comma, semicolon and line break.
QString escapeVCardText(const QString& text);
// Folds one content line (without its CR LF) into lines of at most 75 octets.
QByteArray foldVCardLine(const QByteArray& line);

} // namespace tavrel
