#include "support/PdfPages.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

namespace tavrel::test {

std::vector<QSizeF> mediaBoxes(const QString& pdf)
{
    QFile f(pdf);
    const QByteArray bytes = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    static const QRegularExpression box(QStringLiteral(
        "/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    std::vector<QSizeF> out;
    for (auto it = box.globalMatch(QString::fromLatin1(bytes)); it.hasNext();) {
        const auto m = it.next();
        out.emplace_back(m.captured(3).toDouble() - m.captured(1).toDouble(),
                         m.captured(4).toDouble() - m.captured(2).toDouble());
    }
    return out;
}

bool havePdfToText()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

std::vector<PdfWord> pdfWords(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" "
                       "xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        words.push_back({page,
                         QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                         m.captured(5)});
    }
    return words;
}

QStringList pdfLines(const std::vector<PdfWord>& words, int page)
{
    std::vector<PdfWord> onPage;
    for (const PdfWord& w : words)
        if (w.page == page)
            onPage.push_back(w);
    std::sort(onPage.begin(), onPage.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.box.bottom() < b.box.bottom(); });
    // Words within 3 points of a line's first one share its baseline (the
    // faces of one line differ in their depth); printed lines lie further apart.
    QStringList lines;
    for (auto first = onPage.begin(); first != onPage.end();) {
        auto end = first;
        while (end != onPage.end() && end->box.bottom() - first->box.bottom() < 3)
            ++end;
        std::sort(first, end,
                  [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
        QString line = first->text;
        for (auto w = first + 1; w != end; ++w)
            line += (w->box.left() - (w - 1)->box.right() < 0.5 ? QString() : QStringLiteral(" ")) +
                    w->text;
        lines << line;
        first = end;
    }
    return lines;
}

QString readRightToLeft(const QString& onPage)
{
    QString reading = onPage;
    std::reverse(reading.begin(), reading.end());
    return reading.normalized(QString::NormalizationForm_KC);
}

int joinedForms(const QString& onPage)
{
    return int(std::count_if(onPage.begin(), onPage.end(), [](QChar c) {
        const auto form = c.decompositionTag();
        return form == QChar::Initial || form == QChar::Medial || form == QChar::Final;
    }));
}

} // namespace tavrel::test
