#include "sync/CardLines.h"

#include "exchange/Rules.h"
#include "exchange/VCard.h"
#include "platform/Text.h"

namespace tavrel {

QByteArray unfolded(const QByteArray& raw)
{
    QByteArray out = raw;
    out.replace("\r\n ", "").replace("\r\n\t", "").replace("\n ", "").replace("\n\t", "");
    while (out.endsWith('\n') || out.endsWith('\r'))
        out.chop(1);
    return out;
}

qsizetype valueColon(const QByteArray& line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == '"')
            quoted = !quoted;
        else if (line.at(i) == ':' && !quoted)
            return i;
    }
    return -1;
}

Unit unitOf(const QByteArray& raw)
{
    Unit u{raw, {}, {}};
    const QByteArray line = unfolded(raw);
    qsizetype end = 0;
    while (end < line.size() && line.at(end) != ':' && line.at(end) != ';')
        ++end;
    QByteArray name = line.left(end).trimmed();
    if (const qsizetype dot = name.indexOf('.'); dot > 0) {
        u.group = name.left(dot).toLower();
        name = name.mid(dot + 1);
    }
    u.name = name.toUpper();
    return u;
}

QList<Unit> unitsOf(const QByteArray& card)
{
    QList<Unit> units;
    qsizetype start = 0;
    QByteArray current;
    while (start < card.size()) {
        qsizetype end = card.indexOf('\n', start);
        end = end < 0 ? card.size() : end + 1;
        const QByteArray line = card.mid(start, end - start);
        if (!current.isEmpty() && (line.startsWith(' ') || line.startsWith('\t')))
            current += line;
        else {
            if (!current.isEmpty())
                units << unitOf(current);
            current = line;
        }
        start = end;
    }
    if (!current.isEmpty())
        units << unitOf(current);
    return units;
}

QByteArray joined(const QList<Unit>& units)
{
    QByteArray out;
    for (const Unit& u : units)
        out += u.raw;
    return out;
}

QByteArray lineEndOf(const QByteArray& card)
{
    const qsizetype lf = card.indexOf('\n');
    return lf > 0 && card.at(lf - 1) == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

QByteArray headOf(const Unit& u)
{
    const QByteArray line = unfolded(u.raw);
    const qsizetype colon = valueColon(line);
    return colon < 0 ? line : line.left(colon);
}

QByteArray rawValueOf(const Unit& u)
{
    const QByteArray line = unfolded(u.raw);
    const qsizetype colon = valueColon(line);
    return colon < 0 ? QByteArray() : line.mid(colon + 1);
}

Unit unitFrom(const QByteArray& head, const QByteArray& rawValue, const QByteArray& eol)
{
    return unitOf(foldVCardLine(head + ':' + rawValue).replace("\r\n", eol) + eol);
}

QList<Unit> named(const QList<Unit>& units, std::initializer_list<const char*> names)
{
    QList<Unit> out;
    for (const Unit& u : units)
        for (const char* n : names)
            if (u.name == n)
                out << u;
    return out;
}

qsizetype endIndex(const QList<Unit>& units)
{
    for (qsizetype i = units.size() - 1; i >= 0; --i)
        if (units.at(i).name == "END")
            return i;
    return units.size();
}

qsizetype firstIndex(const QList<Unit>& units, const char* name)
{
    for (qsizetype i = 0; i < units.size(); ++i)
        if (units.at(i).name == name)
            return i;
    return -1;
}

QList<QByteArray> splitEscaped(const QByteArray& raw, char sep)
{
    QList<QByteArray> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw.at(i) == '\\')
            ++i;
        else if (raw.at(i) == sep) {
            parts << raw.mid(start, i - start);
            start = i + 1;
        }
    }
    parts << raw.mid(start);
    return parts;
}

QList<QByteArray> splitEscapedLines(const QByteArray& raw)
{
    QList<QByteArray> parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); ++i) {
        if (raw.at(i) != '\\')
            continue;
        if (raw.at(i + 1) == 'n' || raw.at(i + 1) == 'N') {
            parts << raw.mid(start, i - start);
            start = i + 2;
        }
        ++i;
    }
    parts << raw.mid(start);
    return parts;
}

QString unescapedText(const QByteArray& raw)
{
    const QString value = QString::fromUtf8(raw);
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != '\\' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const QChar next = value.at(++i);
        out += next == 'n' || next == 'N' ? QChar('\n') : next;
    }
    return out;
}

QByteArray escapedText(const QString& text)
{
    return escapeVCardText(text).toUtf8();
}

namespace {

// The head's parameters split where no quotes hide a ';'; the first piece is the name.
QList<QByteArray> headPieces(const QByteArray& head)
{
    QList<QByteArray> pieces;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < head.size(); ++i) {
        if (head.at(i) == '"')
            quoted = !quoted;
        else if (head.at(i) == ';' && !quoted) {
            pieces << head.mid(start, i - start);
            start = i + 1;
        }
    }
    pieces << head.mid(start);
    return pieces;
}

qsizetype paramPiece(const QList<QByteArray>& pieces, const QByteArray& name)
{
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QByteArray& p = pieces.at(i);
        if (p.size() > name.size() && p.at(name.size()) == '=' &&
            p.left(name.size()).trimmed().toUpper() == name)
            return i;
    }
    return -1;
}

} // namespace

std::optional<QByteArray> paramOf(const QByteArray& head, const QByteArray& name)
{
    const QList<QByteArray> pieces = headPieces(head);
    const qsizetype at = paramPiece(pieces, name);
    if (at < 0)
        return std::nullopt;
    QByteArray value = pieces.at(at).mid(name.size() + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    return value;
}

QByteArray withParam(const QByteArray& head, const QByteArray& name, const QString& value)
{
    QByteArray quoted;
    QString text = value;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    for (QChar c : std::as_const(text)) {
        if (c == '^')
            quoted += "^^";
        else if (c == '\n')
            quoted += "^n";
        else if (c == '"')
            quoted += "^'";
        else
            quoted += QString(c).toUtf8();
    }
    QList<QByteArray> pieces = headPieces(head);
    const qsizetype at = paramPiece(pieces, name);
    const QByteArray piece =
        (at < 0 ? name : pieces.at(at).left(name.size())) + "=\"" + quoted + '"';
    if (at < 0)
        pieces << piece;
    else
        pieces[at] = piece;
    return pieces.join(';');
}

QByteArray withTypes(const QByteArray& head, const QStringList& types)
{
    QList<QByteArray> pieces = headPieces(head);
    for (qsizetype i = pieces.size() - 1; i >= 1; --i) {
        const qsizetype eq = pieces.at(i).indexOf('=');
        if (eq < 0 || pieces.at(i).left(eq).trimmed().toUpper() == "TYPE")
            pieces.removeAt(i);
    }
    if (!types.isEmpty())
        pieces << "TYPE=" + types.join(',').toUtf8();
    return pieces.join(';');
}

QStringList paramLines(const QByteArray& value)
{
    QString text;
    const QString v = QString::fromUtf8(value);
    for (qsizetype i = 0; i < v.size(); ++i) {
        const QChar c = v.at(i);
        const QChar next = i + 1 < v.size() ? v.at(i + 1) : QChar();
        if (c == '^' && (next == 'n' || next == 'N' || next == '^' || next == '\'')) {
            text += next == '^' ? QChar('^') : next == '\'' ? QChar('"') : QChar('\n');
            ++i;
        } else if (c == '\\' && (next == 'n' || next == 'N')) {
            text += '\n';
            ++i;
        } else {
            text += c;
        }
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.split('\n');
}

QString heldText(const QString& text, int width, bool multiLine)
{
    return reduceToCp1252(withoutControls(text, multiLine)).left(width);
}

namespace {

// The length of the longest start of `text` that the record holds within `width`.
qsizetype heldLength(const QString& text, int width, bool multiLine)
{
    // A longer start never converts to a shorter text, so halving finds it.
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (reduceToCp1252(withoutControls(text.left(mid), multiLine)).size() <= width)
            low = mid;
        else
            high = mid - 1;
    }
    return low;
}

} // namespace

std::optional<QString> editedText(const QString& original, const QString& heldNow, int width,
                                  bool multiLine)
{
    const QString held = heldText(original, width, multiLine);
    const QString now = trimRight(heldNow);
    if (trimRight(held) == now)
        return std::nullopt;
    const QString whole = reduceToCp1252(withoutControls(original, multiLine));
    if (whole.size() <= width || now.isEmpty())
        return now;
    const qsizetype kept = heldLength(original, width, multiLine);
    const QString shown = reduceToCp1252(withoutControls(original.left(kept), multiLine));
    const QString shownWords = trimRight(shown);
    qsizetype wordStart = shownWords.size();
    while (wordStart > 0 && !shownWords.at(wordStart - 1).isSpace())
        --wordStart;
    const QString lastWord = shownWords.mid(wordStart);
    if (lastWord.isEmpty() || !now.endsWith(lastWord))
        return now;
    // The blanks the field held after its last word lead into the rest.
    return now + shown.mid(shownWords.size()) + original.mid(kept);
}

} // namespace tavrel
