#include "platform/gui/RecordingPrinter.h"

#include "platform/Errors.h"
#include "platform/gui/PrintFonts.h"

#include <QFontMetricsF>
#include <QSizeF>

namespace tavrel {

namespace {

// The printable area of an upright sheet of each paper code, in twips.
QSizeF printableArea(int paper)
{
    constexpr double mm = 1440 / 25.4;
    constexpr double margin = 720; // both quarter inches
    struct Paper {
        int code;
        double width, height;
    };
    static const Paper papers[] = {
        {1, 12240, 15840},        {40, 12240, 17280},       {20, 5940, 13680},
        {27, 110 * mm, 220 * mm}, {28, 162 * mm, 229 * mm}, {31, 114 * mm, 162 * mm},
        {34, 176 * mm, 250 * mm}, {37, 5580, 10800},        {38, 5220, 9360},
    };
    for (const Paper& p : papers) {
        if (p.code == paper)
            return {p.width - margin, p.height - (paper == 40 ? 0 : margin)};
    }
    return {12240 - margin, 15840 - margin};
}

} // namespace

void RecordingPrinter::printLine(const QString& text)
{
    if (failWith)
        throw PlatformError(failWith, QStringLiteral("printer"));
    texts.push_back({page, x_, y_, text, font_, size_, bold_, italic_, underline_, documents,
                     turned_, pageWidth(), pageHeight()});
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
    const QSizeF upright = printableArea(paper_);
    return (orientation_ == 2) != turned_ ? upright.height() : upright.width();
}

double RecordingPrinter::pageHeight() const
{
    const QSizeF upright = printableArea(paper_);
    return (orientation_ == 2) != turned_ ? upright.width() : upright.height();
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
    lastOutput_ = outputFile;
}

void RecordingPrinter::killDoc()
{
    failIfAsked();
    log << QStringLiteral("killDoc");
    ++abandoned;
    lastOutput_.clear();
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

void RecordingPrinter::setQuarterTurn(bool on)
{
    log << QStringLiteral("turn %1").arg(on ? 1 : 0);
    turned_ = on;
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
