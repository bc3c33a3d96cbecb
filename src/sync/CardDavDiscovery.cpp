// CardDavClient's discovery of the user's address books from the server
// address, and the making of a new one.
#include "sync/CardDavClient.h"
#include "sync/DavResults.h"

#include <QScopedValueRollback>
#include <algorithm>

namespace tavrel {

namespace {

QByteArray discoveryProbe()
{
    return xmlDeclaration() +
           "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\">"
           "<d:prop><d:current-user-principal/><d:resourcetype/><d:displayname/>"
           "<c:addressbook-home-set/></d:prop></d:propfind>";
}

bool isAddressBook(const DavResource& res)
{
    const DavProperty* type = res.found(davKey(davNs, "resourcetype"));
    return type && type->innerNames.contains(davKey(cardDavNs, "addressbook"));
}

// Where an href of the discovery's answers points (any place on the server).
QUrl hrefAt(const QUrl& base, const QString& href)
{
    return base.resolved(QUrl(href, QUrl::TolerantMode));
}

QString firstHref(const DavMultiStatus& ms, const char* ns, const char* name)
{
    for (const DavResource& res : ms.resources)
        if (const DavProperty* prop = res.found(davKey(ns, name)); prop && !prop->hrefs.isEmpty())
            return prop->hrefs.first();
    return {};
}

// A path with one trailing slash, for comparing a collection with its members.
QString collectionPath(const QUrl& url)
{
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// Adds the address books an answer from `at` names, each once, titled by its
// display name or else by the last part of its path.
void addBooks(QList<DavAddressBook>& books, const DavMultiStatus& ms, const QUrl& at)
{
    for (const DavResource& res : ms.resources) {
        if (!isAddressBook(res))
            continue;
        const QUrl url = hrefAt(at, res.href);
        const auto known = [&url](const DavAddressBook& book) {
            return collectionPath(book.url) == collectionPath(url);
        };
        if (std::any_of(books.cbegin(), books.cend(), known))
            continue;
        const DavProperty* name = res.found(davKey(davNs, "displayname"));
        QString title = name ? name->text.trimmed() : QString();
        if (title.isEmpty())
            title = url.adjusted(QUrl::StripTrailingSlash).fileName();
        books << DavAddressBook{url, title};
    }
}

} // namespace

DavResult CardDavClient::askContext(DavMultiStatus& context, QUrl& at)
{
    const QUrl start = settings.server;
    if (start.path().isEmpty() || start.path() == QLatin1String("/")) {
        const QUrl wellKnown = start.resolved(QUrl(QStringLiteral("/.well-known/carddav")));
        const DavResult result = askMulti("PROPFIND", wellKnown, 0, discoveryProbe(), context, &at);
        // A server without the well-known address is asked at the address given.
        if (result.ok() ||
            (result.outcome != DavOutcome::NotFound && result.outcome != DavOutcome::HttpError &&
             result.outcome != DavOutcome::BadAnswer))
            return result;
    }
    return askMulti("PROPFIND", start, 0, discoveryProbe(), context, &at);
}

DavResult CardDavClient::askHome(const DavMultiStatus& context, const QUrl& contextUrl, QUrl& home)
{
    QString homeHref = firstHref(context, cardDavNs, "addressbook-home-set");
    QUrl homeBase = contextUrl;
    if (homeHref.isEmpty()) {
        const QString principalHref = firstHref(context, davNs, "current-user-principal");
        const QUrl principal =
            principalHref.isEmpty() ? contextUrl : hrefAt(contextUrl, principalHref);
        DavMultiStatus principalProps;
        const DavResult result =
            askMulti("PROPFIND", principal, 0, discoveryProbe(), principalProps, &homeBase);
        if (!result.ok())
            return result;
        homeHref = firstHref(principalProps, cardDavNs, "addressbook-home-set");
        if (homeHref.isEmpty())
            homeHref = homeBase.path();
    }
    home = hrefAt(homeBase, homeHref);
    return {};
}

DavResult CardDavClient::discover(QList<DavAddressBook>& books)
{
    books.clear();
    const QScopedValueRollback staying(stayAtOrigin, true);
    if (DavResult check = checkAddress(settings.server); !check.ok())
        return check;

    DavMultiStatus context;
    QUrl contextUrl;
    DavResult result = askContext(context, contextUrl);
    if (!result.ok())
        return result;
    addBooks(books, context, contextUrl);

    QUrl home;
    result = askHome(context, contextUrl, home);
    if (!result.ok())
        return result;
    DavMultiStatus members;
    QUrl membersAt;
    const QByteArray listing = xmlDeclaration() + "<d:propfind xmlns:d=\"DAV:\"><d:prop>"
                                                  "<d:resourcetype/><d:displayname/></d:prop>"
                                                  "</d:propfind>";
    result = askMulti("PROPFIND", home, 1, listing, members, &membersAt);
    if (result.ok())
        addBooks(books, members, membersAt);
    return result;
}

DavResult CardDavClient::createAddressBook(const QUrl& url, const QString& displayName)
{
    const QByteArray body = xmlDeclaration() +
                            "<d:mkcol xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:carddav\">"
                            "<d:set><d:prop><d:resourcetype><d:collection/><c:addressbook/>"
                            "</d:resourcetype><d:displayname>" +
                            xmlEscaped(displayName).toUtf8() +
                            "</d:displayname></d:prop></d:set></d:mkcol>";
    return send({"MKCOL", url, body, {{"Content-Type", xmlContentType}}}).result;
}

} // namespace tavrel
