#pragma once

#include <QString>
#include <QUrl>

namespace tavrel {

// The address of the card that `href` (as a server wrote it in an answer
// about the address book at `book`) names, or an invalid QUrl when it names
// anything but a resource directly inside the book: another scheme, host or
// port, the book itself, a place above or beside it (dot segments are
// resolved, percent-encoded ones too), or something deeper down. Unreserved
// characters are compared decoded, so two spellings of one card give the
// same address.
QUrl bookMember(const QUrl& book, const QString& href);

// Whether `href` names the collection at `collection` itself.
bool namesCollection(const QUrl& collection, const QString& href);

} // namespace tavrel
