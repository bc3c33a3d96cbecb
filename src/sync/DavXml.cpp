#include "sync/DavXml.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

namespace tavrel {

namespace {

QString keyOf(const QXmlStreamReader& r)
{
    const QStringView ns = r.namespaceUri(), name = r.name();
    QString key;
    key.reserve(ns.size() + name.size() + 2);
    key += QLatin1Char('{');
    key += ns;
    key += QLatin1Char('}');
    key += name;
    return key;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The usual spelling of a status line, "HTTP/1.1 200 OK", read without a
// pattern: every propstat of a listing has one. 0 when it is spelled otherwise.
int plainStatusCode(QStringView line)
{
    while (!line.isEmpty() && line.front() == QLatin1Char(' '))
        line = line.mid(1);
    if (!line.startsWith(QLatin1String("HTTP/")) || line.size() < 6 || !isAsciiDigit(line[5]))
        return 0;
    qsizetype at = 6;
    if (at + 1 < line.size() && line[at] == QLatin1Char('.') && isAsciiDigit(line[at + 1]))
        at += 2;
    const qsizetype blanks = at;
    while (at < line.size() && line[at] == QLatin1Char(' '))
        ++at;
    if (at == blanks || at + 3 > line.size())
        return 0;
    int code = 0;
    for (qsizetype i = at; i < at + 3; ++i) {
        if (!isAsciiDigit(line[i]))
            return 0;
        code = code * 10 + (line[i].unicode() - '0');
    }
    return code;
}

bool isDav(const QXmlStreamReader& r, QLatin1String name)
{
    return r.namespaceUri() == QLatin1String(davNs) && r.name() == name;
}

// Reads the next token; a document type declaration ends the reading.
bool advance(QXmlStreamReader& r)
{
    r.readNext();
    if (r.tokenType() == QXmlStreamReader::DTD ||
        r.tokenType() == QXmlStreamReader::EntityReference) {
        r.raiseError(QStringLiteral("document type declarations are not accepted"));
        return false;
    }
    return !r.hasError();
}

// Reads one property element, the reader standing on its start.
bool readProperty(QXmlStreamReader& r, DavProperty& prop)
{
    int depth = 1;
    QString hrefText;
    while (depth > 0) {
        if (!advance(r))
            return false;
        if (r.isStartElement()) {
            ++depth;
            prop.innerNames << keyOf(r);
            if (isDav(r, QLatin1String("href")))
                hrefText.clear();
        } else if (r.isEndElement()) {
            if (isDav(r, QLatin1String("href")))
                prop.hrefs << hrefText.trimmed();
            --depth;
        } else if (r.isCharacters()) {
            if (depth == 1)
                prop.text += r.text();
            else
                hrefText += r.text();
        }
    }
    return true;
}

bool readPropstat(QXmlStreamReader& r, DavResource& res)
{
    QHash<QString, DavProperty> props;
    int status = 0;
    while (true) {
        if (!advance(r))
            return false;
        if (r.isEndElement() && isDav(r, QLatin1String("propstat")))
            break;
        if (!r.isStartElement())
            continue;
        if (isDav(r, QLatin1String("status"))) {
            status = davStatusCode(r.readElementText());
        } else if (isDav(r, QLatin1String("prop"))) {
            while (true) {
                if (!advance(r))
                    return false;
                if (r.isEndElement())
                    break;
                if (r.isStartElement()) {
                    DavProperty prop;
                    const QString key = keyOf(r);
                    if (!readProperty(r, prop))
                        return false;
                    props.insert(key, prop);
                }
            }
        } else {
            r.skipCurrentElement();
        }
    }
    for (auto it = props.begin(); it != props.end(); ++it) {
        it->status = status;
        res.properties.insert(it.key(), *it);
    }
    return true;
}

bool readResponse(QXmlStreamReader& r, DavResource& res)
{
    while (true) {
        if (!advance(r))
            return false;
        if (r.isEndElement() && isDav(r, QLatin1String("response")))
            return true;
        if (!r.isStartElement())
            continue;
        if (isDav(r, QLatin1String("href")))
            res.href = r.readElementText().trimmed();
        else if (isDav(r, QLatin1String("status")))
            res.status = davStatusCode(r.readElementText());
        else if (isDav(r, QLatin1String("propstat"))) {
            if (!readPropstat(r, res))
                return false;
        } else
            r.skipCurrentElement();
    }
}

} // namespace

const DavProperty* DavResource::found(const QString& key) const
{
    auto it = properties.constFind(key);
    if (it == properties.cend() || it->status < 200 || it->status > 299)
        return nullptr;
    return &*it;
}

int davStatusCode(const QString& statusLine)
{
    if (const int code = plainStatusCode(statusLine))
        return code;
    static const QRegularExpression pattern(QStringLiteral("^\\s*HTTP/\\d(?:\\.\\d)?\\s+(\\d{3})"));
    const auto match = pattern.match(statusLine);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

bool readMultiStatus(const QByteArray& body, DavMultiStatus& out)
{
    out = {};
    QXmlStreamReader r(body);
    bool sawRoot = false;
    while (!r.atEnd()) {
        if (!advance(r))
            return false;
        if (!r.isStartElement())
            continue;
        if (!sawRoot) {
            if (!isDav(r, QLatin1String("multistatus")))
                return false;
            sawRoot = true;
        } else if (isDav(r, QLatin1String("response"))) {
            DavResource res;
            if (!readResponse(r, res))
                return false;
            if (res.href.isEmpty())
                return false;
            out.resources << res;
        } else if (isDav(r, QLatin1String("sync-token"))) {
            out.syncToken = r.readElementText().trimmed();
        } else {
            r.skipCurrentElement();
        }
    }
    return sawRoot && !r.hasError();
}

QString xmlEscaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace tavrel
