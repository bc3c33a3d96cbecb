#include "platform/gui/RecordingPrinter.h"

#include "platform/Errors.h"
#include "platform/gui/PrintFonts.h"

#include <QFontMetricsF>

namespace tavrel {

void RecordingPrinter::printLine(const QString& text)
{
    if (failWith)
        throw PlatformError(failWith, QStringLiteral("printer"));
    texts.push_back({page, x_, y_, text, font_, size_, bold_, italic_, underline_, documents});
    y_ += textHeight(text);
    x_ = 0;
}

double RecordingPrinter::textWidth(const QString& text) const
{
    return QFontMetricsF(printFont(font_, size_, bold_, italic_, underline_))
               .horizontalAdvance(text) *
           twipsPerFontPixel();
}

double RecordingPrinter::textHeight(const QString&) const
{
    return QFontMetricsF(printFont(font_, size_, bold_, italic_, underline_)).height() *
           twipsPerFontPixel();
}

double RecordingPrinter::pageWidth() const
{
    // Letter with quarter-inch unprintable margins, as most printers report.
    return orientation_ == 2 ? 15120 : 11520;
}

double RecordingPrinter::pageHeight() const
{
    return orientation_ == 2 ? 11520 : 15120;
}

void RecordingPrinter::drawRect(double x1, double y1, double x2, double y2)
{
    rects.push_back({page, x1, y1, x2, y2, documents});
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    log << QStringLiteral("line %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2);
    lines.push_back({page, x1, y1, x2, y2, documents});
}

void RecordingPrinter::failIfAsked() const
{
    if (docFailWith)
        throw PlatformError(docFailWith, QStringLiteral("printer"));
}

void RecordingPrinter::newPage()
{
    failIfAsked();
    log << QStringLiteral("newPage");
    ++page;
    // As on the real printer, a new page starts at its top-left corner.
    x_ = 0;
    y_ = 0;
}

void RecordingPrinter::endDoc()
{
    failIfAsked();
    page = 1;
    if (!notSentReason.isEmpty()) {
        log << QStringLiteral("endDoc not sent");
        throw DocumentNotSent(notSentReason);
    }
    log << QStringLiteral("endDoc");
    ++documents;
}

void RecordingPrinter::killDoc()
{
    failIfAsked();
    log << QStringLiteral("killDoc");
    ++abandoned;
}

void RecordingPrinter::setOrientation(int orientation)
{
    log << QStringLiteral("orientation %1").arg(orientation);
    orientation_ = orientation;
}

void RecordingPrinter::setPaperSize(int code)
{
    if (unsupportedPapers.contains(code))
        throw PlatformError(ErrNo::InvalidPropertyValue, QStringLiteral("paper size"));
    log << QStringLiteral("paper %1").arg(code);
    paper_ = code;
}

std::vector<RecordingPrinter::Text> RecordingPrinter::onPage(int p) const
{
    std::vector<Text> out;
    for (const auto& t : texts) {
        if (t.page == p)
            out.push_back(t);
    }
    return out;
}

const RecordingPrinter::Text* RecordingPrinter::find(const QString& s) const
{
    for (const auto& t : texts) {
        if (t.text == s)
            return &t;
    }
    return nullptr;
}

} // namespace tavrel
