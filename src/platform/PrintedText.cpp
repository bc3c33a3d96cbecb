#include "platform/PrintedText.h"

#include "platform/Printer.h"
#include "platform/Text.h"

#include <QTextBoundaryFinder>

namespace tavrel {

namespace {

// The index in `text` of the start of character number `chars` (or its end).
qsizetype indexOfChar(const QString& text, qsizetype chars)
{
    qsizetype i = 0;
    for (; i < text.size() && chars > 0; --chars)
        i += text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    return i;
}

// The widest Latin capital of every face the printouts use.
const QString kWidestLetter = QStringLiteral("W");

} // namespace

bool isCodePageText(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80 && !fitsCp1252(c.unicode()))
            return false;
    }
    return true;
}

QString leftChars(const QString& text, qsizetype chars)
{
    return text.left(indexOfChar(text, chars));
}

QString midChars(const QString& text, qsizetype from, qsizetype chars)
{
    const qsizetype start = indexOfChar(text, from);
    return text.mid(start, indexOfChar(text.mid(start), chars));
}

QString upperSameLength(const QString& text)
{
    QString out = upperCp1252(text);
    if (isCodePageText(text))
        return out;
    for (QChar& c : out) {
        // Latin letters keep to the code page's capitals ("ł" stays); the
        // letters of other alphabets take their own. Simple case mapping is
        // one for one.
        if (!c.isSurrogate() && c.script() != QChar::Script_Latin && !fitsCp1252(c.unicode()))
            c = c.toUpper();
    }
    return out;
}

double fieldRoom(const Printer& pr, int chars)
{
    return pr.textWidth(kWidestLetter) * chars;
}

QString fittedText(const Printer& pr, const QString& text, int chars, double room)
{
    QString fitted = trimRight(leftChars(text, chars));
    if (pr.textWidth(fitted) <= room)
        return fitted;
    // Whole characters only: an accent stays with its letter.
    QTextBoundaryFinder ends(QTextBoundaryFinder::Grapheme, fitted);
    ends.toEnd();
    while (!fitted.isEmpty() && pr.textWidth(fitted) > room) {
        const qsizetype end = ends.toPreviousBoundary();
        fitted.truncate(qMax<qsizetype>(end, 0));
    }
    return trimRight(fitted);
}

void printFitted(Printer& pr, double x, double y, const QString& text, int chars)
{
    const double room = fieldRoom(pr, chars);
    const QString fitted = fittedText(pr, text, chars, room);
    pr.setCurrentX(x);
    pr.setCurrentY(y);
    if (fitted.isRightToLeft())
        pr.printLineRightToLeft(fitted, room);
    else
        pr.printLine(fitted);
}

void printFieldInBox(Printer& pr, double x, double y, const QString& text, int chars, double box)
{
    if (isCodePageText(text) || !text.isRightToLeft())
        return printField(pr, x, y, text, chars);
    pr.setCurrentX(x);
    pr.setCurrentY(y);
    pr.printLineRightToLeft(fittedText(pr, text, chars, box), box);
}

void printParts(Printer& pr, double x, double y, std::initializer_list<PrintedPart> parts)
{
    bool codePage = true;
    for (const PrintedPart& part : parts)
        codePage = codePage && isCodePageText(part.text);
    if (codePage) {
        QString line;
        for (const PrintedPart& part : parts)
            line += padRight(part.text, part.chars);
        pr.setCurrentX(x);
        pr.setCurrentY(y);
        pr.printLine(line);
        return;
    }
    for (const PrintedPart& part : parts) {
        if (isCodePageText(part.text)) {
            const QString padded = padRight(part.text, part.chars);
            if (!trimRight(padded).isEmpty()) {
                pr.setCurrentX(x);
                pr.setCurrentY(y);
                pr.printLine(padded);
            }
            x += pr.textWidth(padded);
        } else {
            printFitted(pr, x, y, part.text, part.chars);
            x += fieldRoom(pr, part.chars);
        }
    }
}

void printField(Printer& pr, double x, double y, const QString& text, int chars)
{
    if (!isCodePageText(text))
        return printFitted(pr, x, y, text, chars);
    pr.setCurrentX(x);
    pr.setCurrentY(y);
    pr.printLine(padRight(text, chars));
}

} // namespace tavrel
