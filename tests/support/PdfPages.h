#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

namespace tavrel::test {

// Page sizes in points, as the PDF's MediaBox entries state them.
std::vector<QSizeF> mediaBoxes(const QString& pdf);

struct PdfWord {
    int page;   // 1-based
    QRectF box; // points from the page's top-left
    QString text;
    bool operator==(const PdfWord&) const = default;
};

bool havePdfToText();
// The words of a PDF with their boxes, as pdftotext reads them.
std::vector<PdfWord> pdfWords(const QString& pdf);
// The lines of page `page` as a reader sees them, left to right: the words
// of each baseline in order across the page, one blank between words, and
// words whose boxes touch joined into one (pdftotext gives a right-to-left
// word letter by letter).
QStringList pdfLines(const std::vector<PdfWord>& words, int page);

} // namespace tavrel::test
