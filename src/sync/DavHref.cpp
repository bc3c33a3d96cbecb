#include "sync/DavHref.h"

#include <QStringList>

namespace tavrel {

namespace {

bool isUnreserved(int c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// An encoded path with its unreserved characters decoded and every other
// escape in upper case, so that equal paths are equal strings.
QString withUnreservedDecoded(const QString& encoded)
{
    QString out;
    out.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const int high = i + 2 < encoded.size() ? hexValue(encoded.at(i + 1)) : -1;
        const int low = i + 2 < encoded.size() ? hexValue(encoded.at(i + 2)) : -1;
        if (encoded.at(i) != QLatin1Char('%') || high < 0 || low < 0) {
            out += encoded.at(i);
            continue;
        }
        const int value = high * 16 + low;
        if (isUnreserved(value))
            out += QChar(value);
        else
            out += QLatin1Char('%') +
                   QString::number(value, 16).rightJustified(2, QLatin1Char('0')).toUpper();
        i += 2;
    }
    return out;
}

// The path with its "." and ".." segments taken out, as a resolver does.
QString withoutDotSegments(const QString& path)
{
    const QStringList segments = path.split(QLatin1Char('/'));
    QStringList kept;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const QString& segment = segments.at(i);
        if (segment == QLatin1String(".") || segment == QLatin1String("..")) {
            if (segment == QLatin1String("..") && kept.size() > 1)
                kept.removeLast();
            if (i + 1 == segments.size())
                kept << QString(); // "a/.." names the folder: keep its slash
            continue;
        }
        kept << segment;
    }
    return kept.join(QLatin1Char('/'));
}

QString normalisedPath(const QUrl& url)
{
    QString path = withoutDotSegments(withUnreservedDecoded(url.path(QUrl::FullyEncoded)));
    if (!path.startsWith(QLatin1Char('/')))
        path.prepend(QLatin1Char('/'));
    return path;
}

QString folderPath(const QUrl& url)
{
    QString path = normalisedPath(url);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

bool sameOrigin(const QUrl& a, const QUrl& b)
{
    auto defaultPort = [](const QUrl& url) {
        const QString scheme = url.scheme().toLower();
        return scheme == QLatin1String("https") ? 443 : scheme == QLatin1String("http") ? 80 : -1;
    };
    return a.scheme().compare(b.scheme(), Qt::CaseInsensitive) == 0 &&
           a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(defaultPort(a)) == b.port(defaultPort(b));
}

// The href resolved against the collection (taken as a folder), when it is
// a plain reference: no query, fragment or user information of its own.
QUrl resolvedIn(const QUrl& collection, const QString& href)
{
    const QUrl given(href, QUrl::TolerantMode);
    if (href.isEmpty() || !given.isValid() || given.hasQuery() || given.hasFragment() ||
        !given.userInfo().isEmpty())
        return {};
    QUrl base = collection.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
    base.setPath(folderPath(collection), QUrl::TolerantMode);
    const QUrl at = base.resolved(given);
    return sameOrigin(at, base) ? at : QUrl();
}

} // namespace

QUrl bookMember(const QUrl& book, const QString& href)
{
    const QUrl at = resolvedIn(book, href);
    if (!at.isValid())
        return {};
    const QString folder = folderPath(book);
    const QString path = normalisedPath(at);
    if (!path.startsWith(folder))
        return {};
    const QString name = path.mid(folder.size());
    // An escaped slash, backslash or NUL could make a server look elsewhere.
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1String("%2F")) ||
        name.contains(QLatin1String("%5C")) || name.contains(QLatin1String("%00")))
        return {};
    QUrl member = book.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
    member.setPath(path, QUrl::TolerantMode);
    return member;
}

bool namesCollection(const QUrl& collection, const QString& href)
{
    const QUrl at = resolvedIn(collection, href);
    return at.isValid() && folderPath(at) == folderPath(collection);
}

} // namespace tavrel
