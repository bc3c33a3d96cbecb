// The short way a listing's hrefs are taken (BookMembers) answers exactly as
// the long one (bookMember, namesCollection), hostile spellings included, and
// status lines read the same with or without their pattern.
#include "sync/DavHref.h"
#include "sync/DavXml.h"

#include <gtest/gtest.h>

using namespace tavrel;

namespace {

QString longKey(const QUrl& book, const QString& href)
{
    const QUrl member = bookMember(book, href);
    return member.isValid() ? member.toString(QUrl::FullyEncoded) : QString();
}

} // namespace

TEST(DavHrefTest, BookMembersAnswerAsTheLongWay)
{
    const QList<QUrl> books{
        QUrl(QStringLiteral("http://127.0.0.1:5232/user/book/")),
        QUrl(QStringLiteral("http://127.0.0.1:5232/user/book")),
        QUrl(QStringLiteral("https://dav.example:8443/a%20b/c%7ed/")),
        QUrl(QStringLiteral("http://127.0.0.1/x/../user/book/")),
        QUrl(QStringLiteral("http://127.0.0.1/")),
    };
    const QStringList names{
        QStringLiteral("card.vcf"),
        QStringLiteral("0f1e2d3c-aaaa-bbbb-cccc-0123456789ab.vcf"),
        QStringLiteral("a-b_c~d.e"),
        QStringLiteral("."),
        QStringLiteral(".."),
        QStringLiteral("..."),
        QStringLiteral(""),
        QStringLiteral("sub/card.vcf"),
        QStringLiteral("card.vcf/"),
        QStringLiteral("%2e%2e"),
        QStringLiteral("..%2Fother%2Fcard.vcf"),
        QStringLiteral("a%2fb"),
        QStringLiteral("a%5Cb"),
        QStringLiteral("a%00b"),
        QStringLiteral("%63ard.vcf"),
        QStringLiteral("card.vcf?x=1"),
        QStringLiteral("card.vcf#top"),
        QStringLiteral("caf\u00e9.vcf"),
        QStringLiteral("a b.vcf"),
        QStringLiteral("a\\b.vcf"),
    };
    for (const QUrl& book : books) {
        QString folder = book.path(QUrl::FullyEncoded);
        if (!folder.endsWith('/'))
            folder += '/';
        QStringList hrefs{folder,
                          folder.chopped(1),
                          QString(),
                          QStringLiteral("/"),
                          QStringLiteral("/other/card.vcf"),
                          QStringLiteral("card.vcf"),
                          QStringLiteral("//evil.example") + folder + QStringLiteral("card.vcf"),
                          QStringLiteral("http://evil.example") + folder + QStringLiteral("c.vcf"),
                          book.toString() + QStringLiteral("card.vcf"),
                          book.toString(),
                          QStringLiteral("http://user@") + book.host() + folder +
                              QStringLiteral("c.vcf")};
        for (const QString& name : names) {
            hrefs << folder + name;
            hrefs << folder.toUpper() + name;
            hrefs << QStringLiteral("/x/..") + folder + name;
        }
        const BookMembers members(book);
        for (const QString& href : std::as_const(hrefs)) {
            EXPECT_EQ(members.key(href), longKey(book, href))
                << qPrintable(book.toString() + ' ' + href);
            EXPECT_EQ(members.namesBook(href), namesCollection(book, href))
                << qPrintable(book.toString() + ' ' + href);
        }
    }
}

TEST(DavHrefTest, StatusLinesReadAsThePatternReadsThem)
{
    const QList<std::pair<QString, int>> lines{
        {QStringLiteral("HTTP/1.1 200 OK"), 200},
        {QStringLiteral("  HTTP/1.1 404 Not Found"), 404},
        {QStringLiteral("HTTP/2 207"), 207},
        {QStringLiteral("HTTP/1.1   507 Insufficient Storage"), 507},
        {QStringLiteral("\tHTTP/1.1\t403 Forbidden"), 403},
        {QStringLiteral("HTTP/1.1 2000"), 200},
        {QStringLiteral("HTTP/1. 200 OK"), 0},
        {QStringLiteral("HTTP/11 200 OK"), 0},
        {QStringLiteral("HTTP/1.1200 OK"), 0},
        {QStringLiteral("HTTP/1.1 20 OK"), 0},
        {QStringLiteral("HTTP/1.1 2x0 OK"), 0},
        {QStringLiteral("HTTP/ 200"), 0},
        {QStringLiteral("http/1.1 200 OK"), 0},
        {QStringLiteral("HTTP/1.1"), 0},
        {QString(), 0},
    };
    for (const auto& [line, code] : lines)
        EXPECT_EQ(davStatusCode(line), code) << qPrintable(line);
}
