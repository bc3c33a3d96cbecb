#include "EnvelopeFixture.h"

#include "platform/gui/QtPrinter.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tavrel::test {

namespace {

// Page sizes in points, as the PDF's MediaBox entries state them.
std::vector<QSizeF> mediaBoxes(const QString& pdf)
{
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression box(QStringLiteral(
        "/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    std::vector<QSizeF> out;
    for (auto it = box.globalMatch(QString::fromLatin1(f.readAll())); it.hasNext();) {
        const auto m = it.next();
        out.emplace_back(m.captured(3).toDouble() - m.captured(1).toDouble(),
                         m.captured(4).toDouble() - m.captured(2).toDouble());
    }
    return out;
}

// The right and bottom edges (points) of the text drawn on each page.
std::vector<QPointF> textExtents(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    static const QRegularExpression tag(
        QStringLiteral("<page |<word xMin=\"[\\d.]+\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">"));
    std::vector<QPointF> out;
    for (auto it = tag.globalMatch(QString::fromUtf8(p.readAllStandardOutput())); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0) == QLatin1String("<page ")) {
            out.emplace_back(0, 0);
            continue;
        }
        out.back().rx() = qMax(out.back().x(), m.captured(1).toDouble());
        out.back().ry() = qMax(out.back().y(), m.captured(2).toDouble());
    }
    return out;
}

} // namespace

// Every envelope page of a PDF has the envelope's own size, turned for the
// sideways feed, and with the sideways feed both blocks lie inside the page.
TEST(EnvelopePdf, EachPageHasTheEnvelopeSizeAndOrientation)
{
    const QSizeF portrait[kEnvelopeSizeCount] = {{297, 684},     {279, 540},     {261, 468},
                                                 {311.8, 623.6}, {323.1, 459.2}, {498.9, 708.7},
                                                 {459.2, 649.1}};
    const bool canRead = !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
    TestEnv env;
    QtPrinter pdf(env.dir() + QStringLiteral("/pdf"));
    Program p(Services{env.ui, pdf, env.clipboard, env.help, env.clock, *env.files});
    env.ui.setAutoOk(true);
    RecordedEnvelopeWindows windows;
    for (int size = 0; size < kEnvelopeSizeCount; ++size) {
        for (bool landscape : {true, false}) {
            SCOPED_TRACE(testing::Message() << "size " << size << " landscape " << landscape);
            EnvelopeJob j;
            j.returnOption = ReturnFrom::Keyboard;
            j.mailOption = MailTo::Keyboard;
            j.ReturnAddr = addressOf({"Ann Sender", "1 Home Row", "Hometown"});
            j.MailAddr = addressOf({"Bob Receiver", "2 Far Lane", "Farville", "Region",
                                    "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"});
            j.sizeIndex = size;
            j.landscape = landscape;
            j.countText = QStringLiteral("2");
            env.ui.answer(Ui::Answer::No);
            ASSERT_EQ(EnvPrintButton_Click(p, j, windows), EnvelopeRunEnd::Completed);
            EXPECT_EQ(pdf.paperSize(), 1);
            EXPECT_EQ(pdf.orientation(), 1);
            const QSizeF page = landscape ? portrait[size].transposed() : portrait[size];
            const auto boxes = mediaBoxes(pdf.lastPdfFile());
            ASSERT_EQ(boxes.size(), 2u);
            for (const QSizeF& b : boxes) {
                EXPECT_NEAR(b.width(), page.width(), 1);
                EXPECT_NEAR(b.height(), page.height(), 1);
            }
            if (!canRead || !landscape)
                continue;
            const auto extents = textExtents(pdf.lastPdfFile());
            EXPECT_EQ(extents.size(), 2u);
            for (const QPointF& extent : extents) {
                EXPECT_GT(extent.x(), page.width() / 2); // the mailing block is there
                EXPECT_LT(extent.x(), page.width() - 18 + 0.5);
                EXPECT_LT(extent.y(), page.height() - 18 + 0.5);
            }
        }
    }
}

} // namespace tavrel::test
