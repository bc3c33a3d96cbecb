#pragma once

#include "platform/Errors.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

namespace tavrel {

// What the person is told when the printer fails part-way through a document.
inline const QString kPrinterErrorTitle = QStringLiteral("Printer Error");
inline const QString kPrinterErrorText =
    QStringLiteral("A Printer Error Occurred. Throw Away Any Pages That Print.");

// A finished document that never reached the printer: the print system
// refused it, the person cancelled while it was being sent, or there is no
// print command. Nothing of it was printed. `reason` is shown as it stands.
class DocumentNotSent : public PlatformError {
public:
    explicit DocumentNotSent(const QString& reason)
        : PlatformError(ErrNo::PrinterError, reason), reason_(reason)
    {
    }
    const QString& reason() const { return reason_; }

private:
    QString reason_;
};

// What a run says instead of its completion message when its document never
// reached the printer, e.g. "Report Not Printed." and the reason.
inline QString notSentText(const QString& notPrinted, const DocumentNotSent& e)
{
    return notPrinted + QStringLiteral("\n\n") + e.reason();
}

// What to say about a printer failure: for a document that never reached the
// printer `notPrinted` and the reason, for any other failure the classic text.
inline QString printerFailureText(const PlatformError& e, const QString& notPrinted)
{
    if (const auto* notSent = dynamic_cast<const DocumentNotSent*>(&e))
        return notSentText(notPrinted, *notSent);
    return kPrinterErrorText;
}

// The printing operations every printed page is drawn with. Positions and sizes
// are in twips (1/1440 inch) from the top-left corner of the printable area.
// Failures throw PlatformError: 380 for a paper size the printer cannot do,
// 482 (or another number) for any other printer failure.
class Printer {
public:
    virtual ~Printer() = default;

    virtual void setScaleTwips() = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool on) = 0;
    virtual void setFontItalic(bool on) = 0;
    virtual void setFontUnderline(bool on) = 0;
    virtual QString fontName() const = 0;
    virtual double fontSize() const = 0;
    virtual bool fontBold() const = 0;
    virtual bool fontItalic() const = 0;
    virtual bool fontUnderline() const = 0;

    virtual void setCurrentX(double twips) = 0;
    virtual void setCurrentY(double twips) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;

    // Draws `text` with its top-left at the current position, then moves the
    // position to the start of the next line (x = 0, y + line height).
    virtual void printLine(const QString& text) = 0;
    // Draws `text`, a line in a right-to-left script (Hebrew, Arabic), right
    // to left in the box `width` twips wide that starts at the current
    // position, so that it ends at the box's right edge; then moves on as
    // printLine does.
    virtual void printLineRightToLeft(const QString& text, double width)
    {
        setCurrentX(currentX() + width - textWidth(text));
        printLine(text);
    }
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text = QStringLiteral("X")) const = 0;
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;
    // Outline of the rectangle with corners (x1, y1) and (x2, y2).
    virtual void drawRect(double x1, double y1, double x2, double y2) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;

    virtual void newPage() = 0;
    // Sends the document to the printer; DocumentNotSent when it never got there.
    virtual void endDoc() = 0;
    virtual void killDoc() = 0;

    // 1 portrait, 2 landscape.
    virtual void setOrientation(int orientation) = 0;
    virtual int orientation() const = 0;
    // A DMPAPER code: 1 letter; 9 A4; 40 the 8.5 x 12 inch continuous form, printed
    // without a top or bottom margin; envelopes 20, 27, 28, 31, 34, 37, 38.
    virtual void setPaperSize(int code) = 0;
    virtual int paperSize() const = 0;

    // Turns the drawing a quarter counter-clockwise on an upright page, for an
    // envelope fed upright: positions, widths, pageWidth and pageHeight are
    // then those of the page turned sideways (the envelope's face as a person
    // reads it), so the picture is the same as on a sideways page. Set it,
    // like the paper size, before a page is drawn.
    virtual void setQuarterTurn(bool on) = 0;
    virtual bool quarterTurn() const = 0;

    // Where the printable area's top-left corner lies on the page in its
    // orientation, in twips from the paper's own top-left corner.
    virtual QPointF printableOrigin() const { return {360, 360}; }
    // The printable area this printer gives paper `paper` (a DMPAPER code) in
    // `orientation`, in twips from that paper's own top-left corner; nullopt
    // when it keeps the usual quarter inch all round.
    virtual std::optional<QRectF> printableAreaFor(int paper, int orientation) const
    {
        (void)paper;
        (void)orientation;
        return std::nullopt;
    }
    // A printer that only stands in for another (the recording a preview
    // shows) lays its pages out from now on as `printer` lays out each paper,
    // so the layouts place everything where that printer will; nullptr: it
    // stops asking and keeps what it learned. Other printers ignore it.
    virtual void layOutAs(const Printer* printer) { (void)printer; }

    // The file the last document ended was saved as when it went to a file
    // rather than a printer; empty when it went to a printer or was abandoned.
    virtual QString lastOutputFile() const { return QString(); }
};

// A run's completion message, followed by where the printout went when it was
// saved as a file, so the person can find it.
inline QString withOutputFile(const QString& completion, const Printer& printer)
{
    const QString file = printer.lastOutputFile();
    return file.isEmpty() ? completion : completion + QStringLiteral("\n\nSaved As ") + file;
}

} // namespace tavrel
