// A server's multi-status answer of any bytes, read as the CardDAV client
// reads it, and every href in it checked against an address book: no crash,
// and an href is taken as a card only when it lies directly inside the book.

#include "FuzzSupport.h"
#include "sync/DavHref.h"
#include "sync/DavXml.h"

#include <QUrl>

using namespace tavrel;
using namespace tavrel::fuzz;

namespace {

// The book the hrefs are checked against, picked by the input's first byte.
QUrl bookFor(int choice)
{
    static const char* const books[] = {"http://127.0.0.1:5232/ann/book/", "https://dav.example/b",
                                        "http://[::1]:8080/a%20b/c/"};
    return QUrl(QString::fromLatin1(books[choice % 3]));
}

void checkHref(const QUrl& book, const QString& href)
{
    const QUrl member = bookMember(book, href);
    if (!member.isValid())
        return;
    require(member.scheme() == book.scheme() && member.host() == book.host() &&
                member.port() == book.port(),
            "a member lies on another server");
    QString folder = book.path(QUrl::FullyEncoded);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString path = member.path(QUrl::FullyEncoded);
    require(path.startsWith(folder), "a member lies outside the book");
    const QString name = path.mid(folder.size());
    require(!name.isEmpty() && !name.contains(QLatin1Char('/')) && name != QLatin1String("..") &&
                name != QLatin1String("."),
            "a member is not directly inside the book");
    require(!namesCollection(book, href), "the book itself is taken as a member");
    require(bookMember(book, member.toString(QUrl::FullyEncoded)) == member,
            "a member's own address names another member");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QUrl book = bookFor(data[0]);
    const QByteArray body(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1));
    DavMultiStatus ms;
    if (!readMultiStatus(body, ms))
        return 0;
    for (const DavResource& res : ms.resources) {
        require(!res.href.isEmpty(), "a response without an href was read");
        checkHref(book, res.href);
        for (const DavProperty& prop : res.properties)
            for (const QString& href : prop.hrefs)
                checkHref(book, href);
    }
    // The body as text, as an href of its own.
    checkHref(book, QString::fromUtf8(body.left(200)));
    return 0;
}
