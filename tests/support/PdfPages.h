#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>
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

} // namespace tavrel::test
