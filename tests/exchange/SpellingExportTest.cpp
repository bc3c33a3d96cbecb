// Exports send the person's own spelling where the N&A file holds a
// transliteration, and the record's text everywhere else.
#include "ExchangeFixture.h"
#include "store/ContactAccess.h"

using namespace tavrel;
using namespace tavrel::test;

namespace {

class SpellingExport : public ExchangeTest {
protected:
    void SetUp() override
    {
        env.openFile({{2, makeRecord(2, "Ann Smith", "SMITH", "ANN")}});
        Contact ivan;
        ivan.id = 1;
        ivan.text(ContactField::Name) = QStringLiteral("Иван Петров");
        ivan.text(ContactField::AddrLine1) = QStringLiteral("Οδός Αθηνάς 12");
        ivan.text(ContactField::AddrLine2) = QStringLiteral("Athens 105 51");
        ivan.text(ContactField::Comments) = QStringLiteral("met in 王府井");
        ivan.text(ContactField::SortKey1) = QStringLiteral("PETROV");
        putContact(p(), 2, ivan);
    }

    QString exported(ExportFormat format)
    {
        ExportOptions options;
        options.format = format;
        options.encoding = CsvEncoding::Utf8;
        return QString::fromUtf8(exportBytes(p(), options));
    }
};

TEST_F(SpellingExport, VCardAndCsvCarryTheOriginalSpellingAndPlainRecordsAsBefore)
{
    // The file itself holds the transliteration.
    Get_NA_Rec(p(), 2);
    ASSERT_EQ(trimRight(p().CurRec.Name), QStringLiteral("Ivan Petrov"));

    for (ExportFormat format : {ExportFormat::VCard30, ExportFormat::VCard40}) {
        const QString card = exported(format);
        SCOPED_TRACE(card.toStdString());
        EXPECT_TRUE(card.contains(QStringLiteral("FN:Иван Петров\r\n")));
        EXPECT_TRUE(card.contains(QStringLiteral(":Петров;Иван;;;\r\nADR")));
        EXPECT_TRUE(card.contains(QStringLiteral("Οδός Αθηνάς 12")));
        EXPECT_TRUE(card.contains(QStringLiteral("NOTE:met in 王府井\r\n")));
        EXPECT_FALSE(card.contains(QStringLiteral("Ivan")));
        EXPECT_FALSE(card.contains(QStringLiteral("Odos")));
        // A record without spellings goes out as the file holds it.
        EXPECT_TRUE(card.contains(QStringLiteral("FN:Ann Smith\r\n")));
    }
    for (ExportFormat format : {ExportFormat::CsvNative, ExportFormat::CsvOutlook}) {
        const QString csv = exported(format);
        SCOPED_TRACE(csv.toStdString());
        EXPECT_TRUE(csv.contains(QStringLiteral("Иван")));
        EXPECT_TRUE(csv.contains(QStringLiteral("Οδός Αθηνάς 12")));
        EXPECT_FALSE(csv.contains(QStringLiteral("Ivan")));
        EXPECT_TRUE(csv.contains(QStringLiteral("Smith")));
    }

    // Another program's write: the record's bytes change under the spellings
    // file, and what they say goes out.
    Get_NA_Rec(p(), 2);
    NARecord changed = p().CurRec;
    changed.Name = QStringLiteral("Ivan Petrovich");
    p().naFile.write(2, changed.toBytes());
    const QString card = exported(ExportFormat::VCard30);
    EXPECT_TRUE(card.contains(QStringLiteral("FN:Ivan Petrovich\r\n"))) << card.toStdString();
    EXPECT_FALSE(card.contains(QStringLiteral("Иван"))) << card.toStdString();
}

} // namespace
