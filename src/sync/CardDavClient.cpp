// CardDavClient's cancelling, and the storing and removing of cards. Its
// making and its exchanges over the transport are in CardDavFlights.cpp,
// discovery in CardDavDiscovery.cpp, listings and fetches in
// CardDavListing.cpp, and the words of its results in DavResults.cpp.
#include "sync/CardDavClient.h"

#include "sync/HttpTransport.h"

namespace tavrel {

namespace {

HttpHeaders cardHeaders(const QByteArray& condition, const QByteArray& value)
{
    return {{"Content-Type", "text/vcard; charset=utf-8"}, {condition, value}};
}

// A new card is stored only where none lies, a change only over the card it changes.
HttpHeaders cardHeaders(const DavPut& put)
{
    return put.etag.isEmpty() ? cardHeaders("If-None-Match", "*")
                              : cardHeaders("If-Match", put.etag.toLatin1());
}

} // namespace

QUrl CardDavClient::memberUrl(const QUrl& book, const QString& href)
{
    return bookMember(book, href);
}

void CardDavClient::cancel()
{
    cancelled = true;
    // Aborting ends a request at once and reports its end to its flight.
    transport->abortAll();
}

DavResult CardDavClient::putCard(const Exchange& exchange, QString& newEtag)
{
    const Answer answer = send(exchange);
    newEtag = QString::fromLatin1(answer.etag);
    return answer.result;
}

DavResult CardDavClient::putNew(const QUrl& cardUrl, const QByteArray& vcard, QString& newEtag)
{
    return putCard({"PUT", cardUrl, vcard, cardHeaders("If-None-Match", "*")}, newEtag);
}

DavResult CardDavClient::putChanged(const QUrl& cardUrl, const QByteArray& vcard,
                                    const QString& etag, QString& newEtag)
{
    return putCard({"PUT", cardUrl, vcard, cardHeaders("If-Match", etag.toLatin1())}, newEtag);
}

QList<DavPutAnswer> CardDavClient::putCards(const QList<DavPut>& puts, const PutAnswered& answered)
{
    QList<Exchange> exchanges;
    exchanges.reserve(puts.size());
    for (const DavPut& put : puts)
        exchanges << Exchange{"PUT", put.url, put.vcard, cardHeaders(put)};
    Answered each;
    if (answered)
        each = [&answered](qsizetype i, const Answer& a) { return answered(i, a.result); };
    const QList<Answer> answers = sendAll(exchanges, each);
    QList<DavPutAnswer> out;
    out.reserve(answers.size());
    for (const Answer& a : answers)
        out << DavPutAnswer{a.result, QString::fromLatin1(a.etag)};
    return out;
}

DavResult CardDavClient::remove(const QUrl& cardUrl, const QString& etag)
{
    return send({"DELETE", cardUrl, {}, {{"If-Match", etag.toLatin1()}}}).result;
}

} // namespace tavrel
