#pragma once

#include <QByteArray>
#include <QString>

namespace tavrel {

// UTF-16 text without a byte-order mark, found by its zero bytes: the bytes
// with the mark put in front (so every reader takes them as UTF-16), and in
// `found` which byte order it was ("little-endian" or "big-endian"). Any
// other bytes come back unchanged and `found` empty.
QByteArray withUtf16Mark(const QByteArray& bytes, QString* found);

// Why bytes that hold no card are no CSV file either: what kind of document
// they are, "binary bytes" or "no separator" in the first line, each followed
// by "no BEGIN:VCARD"; empty when they may well be CSV.
QString notAContactFile(const QByteArray& bytes);

} // namespace tavrel
