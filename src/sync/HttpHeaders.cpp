#include "sync/HttpHeaders.h"

namespace tavrel {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool isTokenChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if ((u >= '0' && u <= '9') || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z'))
        return true;
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

// The scheme names that open challenges in one field: a token at the start or
// after a comma, followed by a blank or the end (an auth parameter is a token
// followed by '=').
QList<QByteArray> schemesIn(QByteArrayView field)
{
    QList<QByteArray> schemes;
    bool inQuotes = false;
    bool atItemStart = true;
    qsizetype i = 0;
    while (i < field.size()) {
        const char c = field[i];
        if (inQuotes) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inQuotes = false;
            ++i;
            continue;
        }
        if (c == '"') {
            inQuotes = true;
        } else if (c == ',') {
            atItemStart = true;
        } else if (atItemStart && isTokenChar(c)) {
            qsizetype end = i;
            while (end < field.size() && isTokenChar(field[end]))
                ++end;
            qsizetype after = end;
            while (after < field.size() && isBlank(field[after]))
                ++after;
            if (after >= field.size() || field[after] != '=')
                schemes << field.sliced(i, end - i).toByteArray().toLower();
            atItemStart = false;
            i = end;
            continue;
        } else if (!isBlank(c)) {
            atItemStart = false;
        }
        ++i;
    }
    return schemes;
}

} // namespace

bool isSafeHeaderText(QByteArrayView text)
{
    for (const char c : text)
        if (c == '\r' || c == '\n' || c == '\0')
            return false;
    return true;
}

bool areSafeHeaders(const HttpHeaders& headers)
{
    for (const auto& [name, value] : headers)
        if (name.isEmpty() || !isSafeHeaderText(name) || !isSafeHeaderText(value))
            return false;
    return true;
}

QByteArray readEntityTag(QByteArrayView value)
{
    const QByteArrayView tag = trimmed(value);
    const qsizetype open = tag.startsWith("W/") ? 2 : 0;
    if (tag.size() < open + 2 || tag[open] != '"' || tag.back() != '"')
        return {};
    for (const char c : tag.sliced(open + 1, tag.size() - open - 2)) {
        const auto u = static_cast<unsigned char>(c);
        // etagc: '!', '#' to '~', and bytes from 0x80 on
        if (!(u == 0x21 || (u >= 0x23 && u <= 0x7e) || u >= 0x80))
            return {};
    }
    return tag.toByteArray();
}

AuthChallenges readChallenges(const QList<QByteArray>& values)
{
    AuthChallenges found;
    for (const QByteArray& value : values) {
        for (const QByteArray& scheme : schemesIn(value)) {
            if (scheme == "basic")
                found.basic = true;
            else if (scheme == "digest")
                found.digest = true;
            else
                found.other = true;
        }
    }
    return found;
}

QUrl readLocation(QByteArrayView value, const QUrl& from)
{
    const QByteArrayView text = trimmed(value);
    if (text.isEmpty() || !isSafeHeaderText(text))
        return {};
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return {};
    const QUrl location(QString::fromUtf8(text), QUrl::TolerantMode);
    if (!location.isValid())
        return {};
    const QUrl resolved = from.resolved(location);
    return resolved.isValid() ? resolved : QUrl();
}

bool sameOrigin(const QUrl& a, const QUrl& b)
{
    const QString scheme = a.scheme().toLower();
    if (scheme != b.scheme().toLower() || a.host().isEmpty())
        return false;
    const int defaultPort = scheme == QLatin1String("https") ? 443 : 80;
    return a.host().compare(b.host(), Qt::CaseInsensitive) == 0 &&
           a.port(defaultPort) == b.port(defaultPort);
}

} // namespace tavrel
