#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QUrl>

namespace tavrel {

using HttpHeaders = QList<QPair<QByteArray, QByteArray>>;

// Reading and checking header fields: small pure functions, so that a hostile
// answer is judged the same way wherever its headers end up.

// Whether a header's name or value may go out as one line: no CR, LF or NUL.
bool isSafeHeaderText(QByteArrayView text);
// Whether every name and value of `headers` is safe (see above) and no name is empty.
bool areSafeHeaders(const HttpHeaders& headers);

// The entity tag a server sent, quotes (and any weak prefix) kept, when it is
// exactly one well-formed tag with surrounding blanks; otherwise empty.
QByteArray readEntityTag(QByteArrayView value);

// Which ways of logging in a server's WWW-Authenticate fields offer.
struct AuthChallenges {
    bool basic = false;
    bool digest = false;
    bool other = false; // a scheme this program does not answer
};
AuthChallenges readChallenges(const QList<QByteArray>& values);

// Where a Location field sends a request that went to `from`; invalid when the
// value is no address (empty, or with bytes an address may not hold).
QUrl readLocation(QByteArrayView value, const QUrl& from);

// Whether two addresses share scheme, host and port (the default port counted).
bool sameOrigin(const QUrl& a, const QUrl& b);

} // namespace tavrel
