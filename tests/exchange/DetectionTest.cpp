// What a file is, from its bytes: UTF-16 without a mark, UTF-8 with a few
// stray Windows-1252 lines, and files that hold no contacts at all.
#include "ExchangeFixture.h"

#include "exchange/FileKind.h"

#include <QStringEncoder>

namespace tavrel::test {
namespace {

TEST(Detection, Utf16WithoutAMarkAndStrayWindows1252LinesAreFoundByTheirBytes)
{
    const QString oneCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Zoë Ødegård\r\nEND:VCARD\r\n";
    const QString csv = "Name,Address 1\r\nZoë Ødegård,Fjordveien 2\r\n";
    for (bool big : {false, true}) {
        QStringEncoder toBytes(big ? QStringConverter::Utf16BE : QStringConverter::Utf16LE);
        const ImportSource s =
            readImportBytes(toBytes.encode(big ? csv : oneCard), "u16"); // no mark
        EXPECT_EQ(s.entries.value(0).name, "Zoë Ødegård") << big << s.error.toStdString();
        EXPECT_EQ(s.problems.value(0), QString("The file is UTF-16 (%1) without a byte-order mark.")
                                           .arg(big ? "big-endian" : "little-endian"));
    }
    // A file that carries its mark, or too short to tell, is taken as it is.
    QStringEncoder toLittle(QStringConverter::Utf16LE);
    const ImportSource marked = readImportBytes("\xFF\xFE" + toLittle.encode(csv), "marked");
    EXPECT_EQ(marked.entries.value(0).name, "Zoë Ødegård") << marked.error.toStdString();
    EXPECT_TRUE(marked.problems.isEmpty()) << marked.problems.join('|').toStdString();
    QString found = "stale";
    EXPECT_EQ(withUtf16Mark(QByteArray("A\0B", 3), &found), QByteArray("A\0B", 3));
    EXPECT_EQ(found, "");
    // Only the lines that are not UTF-8 are read as Windows-1252.
    const QByteArray bytes = "Name,Comments\r\nZoë Ødegård,costs 5 €\r\nJos\xe9 Pe\xf1"
                             "a,\"caf\xe9\r\nline two\"\r\nAnna,\xe9t\xe9\r\n";
    const ImportSource s = readImportBytes(bytes, "mixed.csv");
    ASSERT_EQ(s.entries.size(), 3);
    EXPECT_EQ(s.entries.at(0).comments, "costs 5 €");
    EXPECT_EQ(s.entries.at(1).comments, "café\r\nline two");
    EXPECT_EQ(s.entries.at(2).comments, "été");
    EXPECT_EQ(s.problems, QStringList{"Lines 3, 5 are not UTF-8; they were read as Windows-1252."});
    EXPECT_EQ(s.entries.at(1).notes,
              QStringList{"Line 3 of the file is not UTF-8; it was read as Windows-1252"});
    // In cards, each value is read as what it is, and the card names the odd one.
    const ImportSource cards = readImportBytes("BEGIN:VCARD\r\nFN:Zoë\r\nNOTE:caf\xe9\r\n"
                                               "END:VCARD\r\n",
                                               "mixed.vcf");
    const Entry inCard = cards.entries.value(0);
    EXPECT_EQ(inCard.name, "Zoë");
    EXPECT_EQ(inCard.comments, "café");
    EXPECT_TRUE(inCard.notes.contains("NOTE is not UTF-8; it was read as Windows-1252"));
    // A last line cut inside a character keeps its byte.
    EXPECT_EQ(readImportBytes("Name\r\nZoë\r\nJos\xe9", "end.csv").entries.value(1).name, "José");
    // A file with no UTF-8 beyond ASCII is Windows-1252 throughout; one known
    // column makes a CSV file.
    const ImportSource old = readImportBytes("Name\r\nJos\xe9\r\n", "old.csv");
    EXPECT_EQ(old.entries.value(0).name, "José");
    EXPECT_EQ(old.problems, QStringList{"The file is not UTF-8; it was read as Windows-1252."});
}

TEST_F(ExchangeTest, AFileThatHoldsNoContactsIsNamedAndNeverMapped)
{
    // One control character in a hundred is a stray; two make the file binary.
    const QByteArray stray = QByteArray("Name\r\nA\x01") + QByteArray(90, 'x') + "\r\n";
    ASSERT_EQ(stray.size(), 100);
    EXPECT_EQ(notAContactFile(stray), "");
    EXPECT_EQ(notAContactFile(QByteArray(stray).replace(8, 1, "\x02")),
              "binary bytes, no BEGIN:VCARD");
    env.openFile(people(1, 1));
    env.ui.setAutoOk(true);
    struct Row {
        const char* file;
        QByteArray bytes;
        const char* why;
    };
    QByteArray junk(600, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 37) & 0xFF);
    const Row rows[] = {
        {"junk.csv", junk, "binary bytes, no BEGIN:VCARD"},
        {"scan.csv", "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n<< /Type /Catalog >>\nendobj\n",
         "a PDF document, no BEGIN:VCARD"},
        {"sheet.csv", QByteArray("PK\x03\x04\x14\x00\x06\x00", 8) + "[Content_Types].xml",
         "a ZIP archive or office document, no BEGIN:VCARD"},
        {"letter.vcf", "Dear Anna\r\nThank you for the tea.\r\n", "no separator, no BEGIN:VCARD"},
    };
    for (const Row& r : rows) {
        const QString error =
            QString("This file is not a card file or a CSV file (%1).").arg(r.why);
        // The window says the same as the command line, and opens no mapping window.
        openImport(r.bytes, r.file);
        EXPECT_TRUE(env.ui.messages.back().text.contains(error)) << r.file;
        EXPECT_TRUE(env.ui.modalWindows.isEmpty()) << r.file;
        closeAllWindows();
        EXPECT_EQ(command({"--import", env.dir() + "/" + r.file}),
                  std::pair(1, QString(r.file) + ": " + error + " Nothing was imported.\n"));
    }
}

} // namespace
} // namespace tavrel::test
