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

// bookMember and namesCollection for the many hrefs of one address book's
// listing. An href spelled the way servers write their own members (the
// book's path and a name of letters, digits and "-._~") needs no parsing as
// an address: its answer is known from the book's. Any other goes the long way.
class BookMembers {
public:
    explicit BookMembers(const QUrl& book);
    // bookMember(book, href) fully encoded, "" when `href` names no member.
    QString key(const QString& href) const;
    // namesCollection(book, href).
    bool namesBook(const QString& href) const;

private:
    // The member's name when `href` is the book's path and a plain name, else "".
    QStringView plainName(const QString& href) const;
    QUrl book_;
    QString folder_; // the book's path with its final '/'; empty: no short way
    QString prefix_; // a member's key less its name
};

} // namespace tavrel
