#pragma once

#include "platform/FontAndPositionPrinter.h"
#include "platform/gui/PrintFonts.h"

#include <QSet>
#include <QStringList>
#include <map>
#include <tuple>
#include <vector>

namespace tavrel {

// A printer that keeps every operation with its page and font state, so a
// test can say what was printed where. Text widths come from the real font
// metrics of the Liberation fonts that stand in for Courier New and Arial.
// Its pages have the paper's real size less a quarter-inch margin all round,
// as most printers report (the continuous form has none at top and bottom),
// unless it lays its pages out as another printer does (layOutAs).
class RecordingPrinter : public FontAndPositionPrinter {
public:
    struct Text {
        int page; // 1-based
        double x, y;
        QString text;
        QString font;
        double size;
        bool bold, italic, underline;
        int document = 0;    // documents ended before this one
        bool turned = false; // drawn turned a quarter (x, y are on the sideways page)
        double pageWidth = 0, pageHeight = 0; // of the page drawn on, as pageWidth() gives it
        // Laid out right to left, ending at the right edge of a box this wide
        // (x is where the text starts, its left end).
        bool rightToLeft = false;
        double boxWidth = 0;
    };
    struct Rect {
        int page;
        double x1, y1, x2, y2;
        int document = 0;
    };
    // One operation that reaches the paper or its set-up, in the order made,
    // with the font in force for a text: enough to draw the pages again.
    struct Op {
        enum class Kind { Text, Rect, Line, NewPage, EndDoc, KillDoc, Orientation, Paper, Turn };
        Kind kind;
        int document = 0, page = 1;            // where it was made
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Text: x1, y1; Rect and Line: corners
        int value = 0; // Orientation, Paper, Turn; Text: 1 right to left in a box x2 wide
        QString text, font;
        double size = 0;
        bool bold = false, italic = false, underline = false;
        bool operator==(const Op&) const = default;
    };

    void setScaleTwips() override { log << QStringLiteral("scale"); }

    void printLine(const QString& text) override;
    void printLineRightToLeft(const QString& text, double width) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text = QStringLiteral("X")) const override;
    double pageWidth() const override;
    double pageHeight() const override;
    void drawRect(double x1, double y1, double x2, double y2) override;
    void drawLine(double x1, double y1, double x2, double y2) override;

    void newPage() override;
    void endDoc() override;
    void killDoc() override;

    void setOrientation(int orientation) override;
    int orientation() const override { return orientation_; }
    void setPaperSize(int code) override;
    int paperSize() const override { return paper_; }
    void setQuarterTurn(bool on) override;
    bool quarterTurn() const override { return turned_; }
    QPointF printableOrigin() const override { return areaOf(paper_, orientation_).topLeft(); }
    // Always an area: the one learned from the printer it lays out as, or its own.
    std::optional<QRectF> printableAreaFor(int paper, int orientation) const override
    {
        return areaOf(paper, orientation);
    }
    void layOutAs(const Printer* printer) override;

    // Paper codes this printer refuses with error 380 (none by default).
    QSet<int> unsupportedPapers;
    // Makes the next printLine (and every later one) fail with this error number.
    int failWith = 0;
    // Makes newPage, endDoc and killDoc fail with this error number.
    int docFailWith = 0;
    // Makes endDoc refuse the document as a print system would: it is
    // dropped, logged as "endDoc not sent", and DocumentNotSent thrown.
    QString notSentReason;
    // The file each ended document is said to be saved as (empty: a printer).
    QString outputFile;
    QString lastOutputFile() const override { return lastOutput_; }

    std::vector<Text> texts;
    std::vector<Rect> rects;
    std::vector<Rect> lines;
    std::vector<Op> ops;
    QStringList log;   // "newPage", "endDoc", "killDoc", "orientation 2", "paper 20", ...
    int page = 1;      // page being drawn
    int documents = 0; // documents ended
    int abandoned = 0; // documents abandoned

    // Texts printed on `page`, in order.
    std::vector<Text> onPage(int p) const;
    // First text equal to `s`, or nullptr.
    const Text* find(const QString& s) const;
    // The operations made on page `p` of document `document`, in order.
    std::vector<Op> opsOnPage(int document, int p) const;
    // The highest page number drawn on or started in document `document` (0: none).
    int pageCount(int document) const;

private:
    void failIfAsked() const;
    void recordText(const QString& text, double x, double boxWidth, bool rightToLeft);
    void record(Op::Kind kind, int value = 0);
    // The metrics of the current font, made once per font and kept: every
    // printed line is measured, and making a font asks the system's font
    // configuration each time.
    const PrintFace& metrics() const;
    // The printable area of a paper in an orientation, in twips on the paper.
    QRectF areaOf(int paper, int orientation) const;
    // Asks the printer it lays out as about the paper in force, so a preview
    // of the pages knows their margins once that printer is gone.
    void learnArea() const { areaOf(paper_, orientation_); }

    using FontKey = std::tuple<QString, double, bool, bool, bool>;
    mutable std::map<FontKey, PrintFace> fonts_;

    int orientation_ = 1;
    int paper_ = 1;
    bool turned_ = false;
    QString lastOutput_;
    const Printer* layout_ = nullptr;
    // What layout_ said of each paper and orientation, kept after it is gone.
    mutable std::map<std::pair<int, int>, QRectF> areas_;
};

// Makes the recorded operations again on `target`, in order: texts with the
// font and position they had, boxes, lines, page breaks, paper, orientation,
// quarter turns and the documents' ends. `document` chooses one document
// (counted from 0), -1 every one. What the recording drew is what `target`
// draws, so a preview and the printout it is printed from cannot differ.
void replay(const RecordingPrinter& recording, Printer& target, int document = -1);
// Makes one recorded operation again on `target`, as replay does.
void replayOp(const RecordingPrinter::Op& op, Printer& target);

} // namespace tavrel
