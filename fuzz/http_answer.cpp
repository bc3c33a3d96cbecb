// The reading of a server's header values: entity tags, the check of what may
// go into a header line, WWW-Authenticate challenges and Location. Whatever the
// bytes, a value read is one that may be sent again, and nothing crashes.

#include "FuzzSupport.h"
#include "sync/HttpHeaders.h"

#include <algorithm>

using namespace tavrel;
using namespace tavrel::fuzz;

namespace {

bool hasLineBreakOrNul(QByteArrayView text)
{
    return text.contains('\r') || text.contains('\n') || text.contains('\0');
}

void checkEntityTag(QByteArrayView value)
{
    const QByteArray tag = readEntityTag(value);
    if (tag.isEmpty())
        return;
    require(isSafeHeaderText(tag), "an entity tag read holds a line break");
    require(tag.endsWith('"') && (tag.startsWith('"') || tag.startsWith("W/\"")),
            "an entity tag read is not quoted");
    require(tag.size() >= 2 && !tag.mid(tag.startsWith('"') ? 1 : 3).chopped(1).contains('"'),
            "an entity tag read holds a quote inside");
    require(readEntityTag(tag) == tag, "an entity tag read does not read as itself");
}

void checkLocation(QByteArrayView value)
{
    const QUrl from(QStringLiteral("https://dav.example.org/books/home/"));
    const QUrl to = readLocation(value, from);
    if (!to.isValid())
        return;
    require(!hasLineBreakOrNul(to.toEncoded()), "a location read holds a line break");
    if (sameOrigin(to, from))
        require(to.host() == from.host(), "another host counted as the same origin");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    require(isSafeHeaderText(bytes) == !hasLineBreakOrNul(bytes), "the value check is wrong");
    checkEntityTag(bytes);
    checkLocation(bytes);
    // The bytes as several WWW-Authenticate fields, and as one header to send.
    const QList<QByteArray> fields = bytes.toByteArray().split('\n');
    const AuthChallenges offered = readChallenges(fields);
    if (std::none_of(bytes.begin(), bytes.end(), [](char c) { return QChar::isLetter(c); }))
        require(!offered.basic && !offered.digest, "a challenge was made up");
    const qsizetype colon = bytes.indexOf(':');
    if (colon > 0) {
        const HttpHeaders headers{
            {bytes.first(colon).toByteArray(), bytes.sliced(colon + 1).toByteArray()}};
        require(areSafeHeaders(headers) == !hasLineBreakOrNul(bytes),
                "a header with a line break passed the check");
    }
    return 0;
}
