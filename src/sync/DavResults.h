#pragma once

// The results of the CardDAV client's exchanges in plain words: one place for
// every text a failed exchange shows the user. No text holds the password.

#include "sync/CardDavClient.h"
#include "sync/HttpTransport.h"

namespace tavrel {

DavResult davFailure(DavOutcome outcome, const QString& message, int status = 0);

// Where a message names a place on the server: its address without user information.
QString placeOf(const QUrl& url);

// An answer's HTTP status as a result: 2xx is Ok, the rest each in its words.
DavResult resultOfStatus(int status, const QUrl& url);
// Why no answer came whole from `url`, for failures that need no more to say.
DavResult resultOfFailure(HttpAnswer::Failure why, const QUrl& url);

DavResult badAnswer();
DavResult cancelledResult();
// A value the server gave would carry a line break or NUL into a request.
DavResult unsafeHeader();
DavResult notAnAddress(const QUrl& url);
DavResult plainHttpRefused(const QUrl& url);

// A certificate no authority here signed: what the user needs to decide whether to trust it.
DavResult untrustedCertificate(const QUrl& url, const QString& pem);
// The server's certificate is not the one pinned for the account.
DavResult pinMismatch(const QUrl& url);

DavResult answerTooLarge(qint64 maxBodyBytes);
// The three ways time runs out: the client's whole budget, one request's
// longest time, and the idle time between two bytes.
DavResult budgetSpent(const QUrl& url, qint64 totalMs);
DavResult requestTooLong(const QUrl& url, qint64 requestMs);
DavResult noAnswerInTime(const QUrl& url, int timeoutMs);

DavResult tooManyRedirects(int status);
DavResult redirectedToPlainHttp();
// Discovery was sent on to `next`, another origin than the account's.
DavResult sentElsewhere(const QUrl& next, int status);

// A sync-collection listing cut short again and again, or with no token to go on from.
DavResult endlessListing();
// A listing of `book` that a redirect took to the collection at `at`.
DavResult answeredElsewhere(const QUrl& book, const QUrl& at);

} // namespace tavrel
