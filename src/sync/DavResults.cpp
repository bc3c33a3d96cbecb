#include "sync/DavResults.h"

#include <QCoreApplication>

namespace tavrel {

namespace {

// The texts keep the client's own translation context.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(tavrel::CardDavClient)
};

} // namespace

DavResult davFailure(DavOutcome outcome, const QString& message, int status)
{
    return {outcome, status, message};
}

QString placeOf(const QUrl& url)
{
    return url.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment)
        .toDisplayString();
}

DavResult resultOfStatus(int status, const QUrl& url)
{
    if (status >= 200 && status < 300)
        return {DavOutcome::Ok, status, {}};
    switch (status) {
    case 401:
        return davFailure(DavOutcome::Unauthorized,
                          Texts::tr("The server did not accept the user name or password."),
                          status);
    case 403:
        return davFailure(DavOutcome::Forbidden,
                          Texts::tr("The server refused access to %1.").arg(placeOf(url)), status);
    case 404:
        return davFailure(DavOutcome::NotFound,
                          Texts::tr("Nothing was found at %1 on the server.").arg(placeOf(url)),
                          status);
    case 409:
        return davFailure(DavOutcome::Conflict,
                          Texts::tr("The server refused the change because it conflicts with "
                                    "what it holds (409)."),
                          status);
    case 412:
        return davFailure(DavOutcome::PreconditionFailed,
                          Texts::tr("The card was changed on the server since it was last read, "
                                    "so it was not overwritten."),
                          status);
    case 507:
        return davFailure(DavOutcome::StorageFull,
                          Texts::tr("The server's storage for this account is full (507), so it "
                                    "stored nothing more. Make room there or ask for more "
                                    "space."),
                          status);
    default:
        break;
    }
    if (status >= 500 && status < 600)
        return davFailure(
            DavOutcome::ServerError,
            Texts::tr("The server reported an error of its own (%1). Try again later.").arg(status),
            status);
    return davFailure(DavOutcome::HttpError,
                      Texts::tr("The server answered with status %1.").arg(status), status);
}

DavResult resultOfFailure(HttpAnswer::Failure why, const QUrl& url)
{
    switch (why) {
    case HttpAnswer::Failure::TlsFailed:
        return davFailure(DavOutcome::TlsFailed,
                          Texts::tr("The certificate of %1 could not be verified, so nothing was "
                                    "sent to it.")
                              .arg(url.host()));
    case HttpAnswer::Failure::Closed:
        return davFailure(DavOutcome::BadAnswer,
                          Texts::tr("The server at %1 closed the connection without a complete "
                                    "answer.")
                              .arg(url.host()));
    case HttpAnswer::Failure::Malformed:
        return badAnswer();
    case HttpAnswer::Failure::Aborted:
        return cancelledResult();
    default:
        return davFailure(DavOutcome::Unreachable,
                          Texts::tr("The server at %1 could not be reached. Check the address and "
                                    "that the server is running.")
                              .arg(url.host()));
    }
}

DavResult badAnswer()
{
    return davFailure(DavOutcome::BadAnswer, Texts::tr("The server's answer could not be read."));
}

DavResult cancelledResult()
{
    return davFailure(DavOutcome::Cancelled, Texts::tr("The sync was cancelled."));
}

DavResult unsafeHeader()
{
    return davFailure(DavOutcome::BadAnswer,
                      Texts::tr("A value the server gave holds a line break or another byte a "
                                "request may not carry, so the request was not sent."));
}

DavResult notAnAddress(const QUrl& url)
{
    return davFailure(DavOutcome::BadAddress,
                      Texts::tr("\"%1\" is not an http or https address.").arg(placeOf(url)));
}

DavResult plainHttpRefused(const QUrl& url)
{
    return davFailure(DavOutcome::InsecureRefused,
                      Texts::tr("Plain http to %1 would send the password unencrypted. Use an "
                                "https address, or allow plain http for this server.")
                          .arg(url.host()));
}

DavResult untrustedCertificate(const QUrl& url, const QString& pem)
{
    DavResult result = davFailure(DavOutcome::TlsFailed,
                                  Texts::tr("The certificate of %1 is not signed by an authority "
                                            "this computer trusts, so nothing was sent to it.")
                                      .arg(url.host()));
    result.certificatePin = certificatePinOf(pem);
    result.certificateFingerprint = certificateFingerprintOf(pem);
    if (!result.certificateFingerprint.isEmpty())
        result.message += QLatin1Char(' ') +
                          Texts::tr("Its fingerprint is %1.").arg(result.certificateFingerprint);
    return result;
}

DavResult pinMismatch(const QUrl& url)
{
    return davFailure(DavOutcome::TlsFailed,
                      Texts::tr("The certificate of %1 is not the one trusted for this account, so "
                                "nothing was sent to it.")
                          .arg(url.host()));
}

DavResult answerTooLarge(qint64 maxBodyBytes)
{
    return davFailure(DavOutcome::TooLarge,
                      Texts::tr("The server's answer was larger than %1 MB and was not read.")
                          .arg(maxBodyBytes / (1024 * 1024)));
}

DavResult budgetSpent(const QUrl& url, qint64 totalMs)
{
    return davFailure(DavOutcome::Timeout,
                      Texts::tr("The server at %1 answered so slowly that the work was stopped "
                                "after %2 minutes.")
                          .arg(url.host())
                          .arg((totalMs + 59999) / 60000));
}

DavResult requestTooLong(const QUrl& url, qint64 requestMs)
{
    return davFailure(DavOutcome::Timeout,
                      Texts::tr("The server at %1 took longer than %2 minutes over one answer.")
                          .arg(url.host())
                          .arg(requestMs / 60000));
}

DavResult noAnswerInTime(const QUrl& url, int timeoutMs)
{
    return davFailure(DavOutcome::Timeout,
                      Texts::tr("The server at %1 did not answer within %2 seconds.")
                          .arg(url.host())
                          .arg((timeoutMs + 999) / 1000));
}

DavResult tooManyRedirects(int status)
{
    return davFailure(DavOutcome::TooManyRedirects,
                      Texts::tr("The server sent the request on through too many redirects."),
                      status);
}

DavResult redirectedToPlainHttp()
{
    return davFailure(DavOutcome::InsecureRefused,
                      Texts::tr("The server redirected from https to an unencrypted address; the "
                                "request was not sent there."));
}

DavResult sentElsewhere(const QUrl& next, int status)
{
    DavResult result = davFailure(DavOutcome::OtherOrigin,
                                  Texts::tr("The server sent the connection on to %1, another "
                                            "address than the one given; nothing was sent there.")
                                      .arg(placeOf(next)),
                                  status);
    result.movedTo = next.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveFragment);
    return result;
}

DavResult endlessListing()
{
    return davFailure(DavOutcome::BadAnswer,
                      Texts::tr("The server's list of changes did not come to an end."));
}

DavResult answeredElsewhere(const QUrl& book, const QUrl& at)
{
    return davFailure(DavOutcome::BadAnswer,
                      Texts::tr("The address book at %1 answered from %2 instead. Set up sync "
                                "again with the address book's new address.")
                          .arg(book.toDisplayString(QUrl::RemoveUserInfo),
                               at.toDisplayString(QUrl::RemoveUserInfo)));
}

} // namespace tavrel
