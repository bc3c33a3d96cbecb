#include "platform/gui/RecordingPrinter.h"

#include "platform/Errors.h"
#include "platform/gui/PrintFonts.h"

#include <QSizeF>
#include <algorithm>

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
        {9, 210 * mm, 297 * mm},
    };
    for (const Paper& p : papers) {
        if (p.code == paper)
            return {p.width - margin, p.height - (paper == 40 ? 0 : margin)};
    }
    return {12240 - margin, 15840 - margin};
}

RecordingPrinter::Op makeOp(RecordingPrinter::Op::Kind kind, int document, int page, double x1 = 0,
                            double y1 = 0, double x2 = 0, double y2 = 0)
{
    RecordingPrinter::Op op{};
    op.kind = kind;
    op.document = document;
    op.page = page;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    return op;
}

} // namespace

void RecordingPrinter::printLine(const QString& text)
{
    recordText(text, x_, 0, false);
}

void RecordingPrinter::printLineRightToLeft(const QString& text, double width)
{
    recordText(text, x_, width, true);
}

void RecordingPrinter::recordText(const QString& text, double x, double boxWidth, bool rightToLeft)
{
    if (failWith)
        throw PlatformError(failWith, QStringLiteral("printer"));
    const double startX = rightToLeft ? x + boxWidth - textWidth(text) : x;
    texts.push_back({page, startX, y_, text, font_, size_, bold_, italic_, underline_, documents,
                     turned_, pageWidth(), pageHeight(), rightToLeft, boxWidth});
    Op op = makeOp(Op::Kind::Text, documents, page);
    op.x1 = x;
    op.y1 = y_;
    op.x2 = boxWidth;
    op.value = rightToLeft ? 1 : 0;
    op.text = text;
    op.font = font_;
    op.size = size_;
    op.bold = bold_;
    op.italic = italic_;
    op.underline = underline_;
    ops.push_back(std::move(op));
    y_ += textHeight(text);
    x_ = 0;
}

const PrintFace& RecordingPrinter::metrics() const
{
    const FontKey key{font_, size_, bold_, italic_, underline_};
    auto it = fonts_.find(key);
    if (it == fonts_.end())
        it = fonts_.try_emplace(key, font_, size_, bold_, italic_, underline_).first;
    return it->second;
}

double RecordingPrinter::textWidth(const QString& text) const
{
    return metrics().width(text);
}

double RecordingPrinter::textHeight(const QString&) const
{
    return metrics().height();
}

QRectF RecordingPrinter::areaOf(int paper, int orientation) const
{
    const auto key = std::make_pair(paper, orientation);
    if (const auto it = areas_.find(key); it != areas_.end())
        return it->second;
    std::optional<QRectF> area =
        layout_ ? layout_->printableAreaFor(paper, orientation) : std::nullopt;
    if (!area) {
        QSizeF size = printableArea(paper);
        if (orientation == 2)
            size.transpose();
        area = QRectF(QPointF(360, paper == 40 ? 0 : 360), size);
    }
    if (layout_)
        areas_.emplace(key, *area);
    return *area;
}

void RecordingPrinter::layOutAs(const Printer* printer)
{
    if (printer)
        areas_.clear();
    layout_ = printer;
    if (printer)
        learnArea();
}

double RecordingPrinter::pageWidth() const
{
    const QRectF area = areaOf(paper_, orientation_);
    return turned_ ? area.height() : area.width();
}

double RecordingPrinter::pageHeight() const
{
    const QRectF area = areaOf(paper_, orientation_);
    return turned_ ? area.width() : area.height();
}

void RecordingPrinter::drawRect(double x1, double y1, double x2, double y2)
{
    rects.push_back({page, x1, y1, x2, y2, documents});
    ops.push_back(makeOp(Op::Kind::Rect, documents, page, x1, y1, x2, y2));
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    log << QStringLiteral("line %1 %2 %3 %4").arg(x1).arg(y1).arg(x2).arg(y2);
    lines.push_back({page, x1, y1, x2, y2, documents});
    ops.push_back(makeOp(Op::Kind::Line, documents, page, x1, y1, x2, y2));
}

void RecordingPrinter::failIfAsked() const
{
    if (docFailWith)
        throw PlatformError(docFailWith, QStringLiteral("printer"));
}

void RecordingPrinter::record(Op::Kind kind, int value)
{
    Op op = makeOp(kind, documents, page);
    op.value = value;
    ops.push_back(std::move(op));
}

void RecordingPrinter::newPage()
{
    failIfAsked();
    log << QStringLiteral("newPage");
    record(Op::Kind::NewPage);
    ++page;
    // As on the real printer, a new page starts at its top-left corner.
    x_ = 0;
    y_ = 0;
}

void RecordingPrinter::endDoc()
{
    failIfAsked();
    record(Op::Kind::EndDoc);
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
    record(Op::Kind::KillDoc);
    ++abandoned;
    lastOutput_.clear();
}

void RecordingPrinter::setOrientation(int orientation)
{
    log << QStringLiteral("orientation %1").arg(orientation);
    record(Op::Kind::Orientation, orientation);
    orientation_ = orientation;
    learnArea();
}

void RecordingPrinter::setPaperSize(int code)
{
    if (unsupportedPapers.contains(code))
        throw PlatformError(ErrNo::InvalidPropertyValue, QStringLiteral("paper size"));
    log << QStringLiteral("paper %1").arg(code);
    record(Op::Kind::Paper, code);
    paper_ = code;
    learnArea();
}

void RecordingPrinter::setQuarterTurn(bool on)
{
    log << QStringLiteral("turn %1").arg(on ? 1 : 0);
    record(Op::Kind::Turn, on ? 1 : 0);
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

std::vector<RecordingPrinter::Op> RecordingPrinter::opsOnPage(int document, int p) const
{
    std::vector<Op> out;
    for (const Op& op : ops) {
        if (op.document == document && op.page == p)
            out.push_back(op);
    }
    return out;
}

int RecordingPrinter::pageCount(int document) const
{
    int pages = 0;
    for (const Op& op : ops) {
        if (op.document == document)
            pages = std::max(pages, op.kind == Op::Kind::NewPage ? op.page + 1 : op.page);
    }
    return pages;
}

void replayOp(const RecordingPrinter::Op& op, Printer& target)
{
    using Kind = RecordingPrinter::Op::Kind;
    switch (op.kind) {
    case Kind::Text:
        target.setFontName(op.font);
        target.setFontSize(op.size);
        target.setFontBold(op.bold);
        target.setFontItalic(op.italic);
        target.setFontUnderline(op.underline);
        target.setCurrentX(op.x1);
        target.setCurrentY(op.y1);
        if (op.value == 1)
            target.printLineRightToLeft(op.text, op.x2);
        else
            target.printLine(op.text);
        break;
    case Kind::Rect:
        target.drawRect(op.x1, op.y1, op.x2, op.y2);
        break;
    case Kind::Line:
        target.drawLine(op.x1, op.y1, op.x2, op.y2);
        break;
    case Kind::NewPage:
        target.newPage();
        break;
    case Kind::EndDoc:
        target.endDoc();
        break;
    case Kind::KillDoc:
        target.killDoc();
        break;
    case Kind::Orientation:
        target.setOrientation(op.value);
        break;
    case Kind::Paper:
        target.setPaperSize(op.value);
        break;
    case Kind::Turn:
        target.setQuarterTurn(op.value != 0);
        break;
    }
}

void replay(const RecordingPrinter& recording, Printer& target, int document)
{
    for (const RecordingPrinter::Op& op : recording.ops) {
        if (document < 0 || op.document == document)
            replayOp(op, target);
    }
}

} // namespace tavrel
