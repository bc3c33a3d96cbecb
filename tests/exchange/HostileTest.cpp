// Damaged and hostile files: a clear word about them, no crash, and nothing
// written before the user has confirmed the import.
#include "ExchangeFixture.h"

namespace tavrel::test {
namespace {

TEST_F(ExchangeTest, HostileFilesAreReadWithoutHarm)
{
    const QByteArray before = env.openFile(people(1, 3));
    struct Row {
        const char* what;
        QByteArray bytes;
        const char* problem; // a word about it in the preview, if any
    };
    const Row rows[] = {
        {"truncated card", crlf({"BEGIN:VCARD", "VERSION:3.0", "FN:Cut Short", "NOTE:abc"}),
         "The file ends inside a card"},
        {"truncated in a QP value", crlf({"BEGIN:VCARD", "FN;ENCODING=QUOTED-PRINTABLE:abc="}),
         "The file ends inside a card"},
        {"open quote", "Name,Comments\r\nA,\"never closed\r\nmore",
         "The file ends inside a quoted field"},
        {"invalid UTF-8", QByteArray("BEGIN:VCARD\r\nFN:Caf\xe9 \xff\xc3\r\nEND:VCARD\r\n"),
         "Some text is not UTF-8"},
        {"only END", crlf({"END:VCARD", "BEGIN:VCARD"}), "The file ends inside a card"},
        {"enormous line", "BEGIN:VCARD\r\nFN:" + QByteArray(4 << 20, 'x') + "\r\nEND:VCARD\r\n",
         ""},
        {"enormous CSV cell", "Name\r\n\"" + QByteArray(4 << 20, ',') + "\"\r\n", ""},
    };
    for (const Row& r : rows) {
        const ImportSource s = readImportBytes(r.bytes, "bad");
        EXPECT_TRUE(s.problems.join('\n').contains(QString::fromUtf8(r.problem)))
            << r.what << ": " << s.problems.join('|').toStdString();
        // Planning reads the file and shows what would change; it writes nothing.
        const ImportPlan pl = planImport(p(), s, OverflowChoice::MoveToComments);
        (void)planText(pl);
        EXPECT_EQ(fileBytes(env.naPath()), before) << r.what;
    }
    // A file of a header alone, a file that cannot be read, or one too large to take in.
    EXPECT_TRUE(
        readImportBytes(crlf({"Name,Address 1"}), "bad").error.startsWith("The file is neither"));
    EXPECT_EQ(readImportFile(p(), env.dir() + "/missing.vcf").error,
              "The file cannot be read (error 53).");
    const QString big = env.dir() + "/big.vcf";
    writeBytes(big, {});
    ASSERT_TRUE(QFile::resize(big, kMaxImportBytes + 1));
    EXPECT_EQ(readImportFile(p(), big).error, "The file is too large to import (more than 64 MB).");
}

// The import stops cleanly when the file is full.
TEST_F(ExchangeTest, AHundredThousandCards)
{
    env.openFile({});
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Card " + QByteArray::number(i) +
                 "\r\nTEL;TYPE=home:555\r\nEND:VCARD\r\n";
    const ImportSource s = readImportBytes(bytes, "many.vcf");
    plan = planImport(p(), s, OverflowChoice::MoveToComments);
    const ImportResult r = runImport(p(), plan);
    EXPECT_TRUE(r.stoppedAtLimit);
    EXPECT_EQ(r.message, "The N&A File Is Full: It Holds 1700 Records.\n1700 Records Were "
                         "Imported, 98300 Were Not.");
    EXPECT_EQ(p().LowestFreeId, 1701);
    EXPECT_EQ(QFileInfo(env.naPath()).size(), 1701 * NARecord::Size);
}

} // namespace
} // namespace tavrel::test
