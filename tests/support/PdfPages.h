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
// A right-to-left line of letters as pdfLines reads it off the page, back in
// reading order, the joined forms of Arabic letters read as the letters
// themselves (a number of more than one digit would come out reversed).
QString readRightToLeft(const QString& onPage);
// How many letters of `onPage` stand in a joined form (initial, medial or
// final), as the page shows Arabic letters that join their neighbours.
int joinedForms(const QString& onPage);

} // namespace tavrel::test
