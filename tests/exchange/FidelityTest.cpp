// What an import keeps of other programs' cards and rows: organisations, long
// numbers, odd line ends, control characters, telephone kinds and sort keys.
#include "ExchangeFixture.h"
#include "exchange/Rules.h"

namespace tavrel::test {
namespace {

class Fidelity : public ExchangeTest {
protected:
    // Imports `bytes` into a file holding `existing` and returns the first new
    // record.
    NARecord importOne(const QByteArray& bytes, const std::map<int, NARecord>& existing = {},
                       OverflowChoice choice = OverflowChoice::MoveToComments)
    {
        env.openFile(existing);
        const ImportResult r = importBytes(bytes, choice);
        EXPECT_EQ(r.imported, 1);
        return stored(r.ids.value(0, 1));
    }
    QStringList changes() const { return plan.records.value(0).changes; }
};

TEST_F(Fidelity, OrganisationsAreKeptTheSameWayFromCardsAndRows)
{
    const std::pair<QByteArray, const char*> rows[] = {
        // A card of the company alone is the company, named once.
        {card({"N:;;;;", "FN:Müller & Söhne Druckerei GmbH", "ORG:Müller & Söhne Druckerei GmbH;",
               "ADR;TYPE=WORK:;;Mainzer Str. 9;Wiesbaden;;65185;"}),
         "Name=Müller & Söhne Druckerei GmbH|Addr1=Mainzer Str. 9|Addr2=65185 Wiesbaden|Addr3=|"
         "Key1=MÜLLER & SÖHNE D|Key2="},
        {card({"ORG:Acme Ltd;Accounts"}, "2.1"),
         "Name=Acme Ltd|Addr1=Accounts|Addr2=|Key1=ACME LTD|Key2="},
        {card({"KIND:org", "FN:Blue Heron", "ORG:Heron Holdings"}, "4.0"),
         "Name=Blue Heron|Addr1=Heron Holdings|Addr2=|Key1=BLUE HERON|Key2="},
        {crlf({"Name,Given Name,Family Name,Organization 1 - Name,E-mail 1 - Value",
               ",,,Blue Sky Bakery,info@bluesky.example"}),
         "Name=Blue Sky Bakery|Addr1=|Key1=BLUE SKY BAKERY|Key2="},
    };
    for (const auto& [file, fields] : rows) {
        SCOPED_TRACE(fields);
        expectFields(importOne(file), fields);
        EXPECT_FALSE(changes().join('\n').contains("ORG")) << changes().join('\n').toStdString();
    }
}

TEST_F(Fidelity, OrganisationNamesAreExportedAsOrganisations)
{
    for (const char* name : {"Müller & Söhne Druckerei GmbH", "Acme, Inc.", "Grace Church", "AT&T",
                             "Riverside Tennis Club", "Nestlé S.A.", "Acme Pty, Ltd."})
        EXPECT_TRUE(isOrganisationName(QString::fromUtf8(name), "")) << name;
    // "A.G.": initials, not a legal form.
    for (const char* name : {"Smith, John", "John Smith", "Mr & Mrs Smith", "A.G. Smith", "", " "})
        EXPECT_FALSE(isOrganisationName(QString::fromUtf8(name), "")) << name;
    // The user's key 2 is her given name.
    EXPECT_FALSE(isOrganisationName("Charlotte Church", "CHARLOTTE"));

    env.openFile({{1, makeRecord(1, "Müller & Söhne Druckerei GmbH", "MÜLLER")},
                  {2, makeRecord(2, "Charlotte Church", "CHURCH", "CHARLOTTE")}});
    ExportOptions options;
    const QString v3 = QString::fromUtf8(exportBytes(p(), options));
    EXPECT_TRUE(v3.contains("FN:Müller & Söhne Druckerei GmbH\r\nN:;;;;\r\nORG:Müller & Söhne "
                            "Druckerei GmbH\r\n"))
        << v3.toStdString();
    EXPECT_TRUE(v3.contains("N:Church;Charlotte;;;\r\n"));
    options.format = ExportFormat::VCard40;
    const QString v4 = QString::fromUtf8(exportBytes(p(), options));
    EXPECT_TRUE(v4.contains("KIND:org\r\nFN:Müller"));
    EXPECT_EQ(v4.count("KIND:org"), 1);
    options.format = ExportFormat::CsvOutlook;
    options.encoding = CsvEncoding::Utf8;
    EXPECT_TRUE(QString::fromUtf8(exportBytes(p(), options))
                    .contains("\r\n,,,,,Müller & Söhne Druckerei GmbH,"));
}

// The organisation stands above the street and its units below it while the
// address has room; units that fit nowhere move to Comments, and the log says so.
TEST(Organisations, StandAboveTheStreetAndTheirUnitsGoWhereThereIsRoom)
{
    const auto planned = [](const QString& adr) {
        const ImportSource s = readImportBytes(
            card({"FN:Ann Lee", "ORG:Acme Widgets International Ltd;Research;Europe", adr}),
            "org.vcf");
        return planRecord(s.entries.value(0), OverflowChoice::MoveToComments);
    };
    const NARecord roomy = planned("ADR:;;Elm St 5;Springfield;IL;62704;").record;
    EXPECT_EQ(QStringList({trimRight(roomy.AddrLine1), trimRight(roomy.AddrLine2),
                           trimRight(roomy.AddrLine3), trimRight(roomy.AddrLine4)}),
              QStringList({"Acme Widgets International Ltd", "Research, Europe", "Elm St 5",
                           "Springfield, IL 62704"}));
    const PlannedRecord full = planned("ADR:;;Elm St 5\\nFloor 2;Springfield;IL;62704;");
    EXPECT_EQ(trimRight(full.record.AddrLine1), "Acme Widgets International Ltd");
    EXPECT_EQ(trimRight(full.record.AddrLine4), "Springfield, IL 62704");
    EXPECT_EQ(trimRight(full.record.Comments), "Research, Europe");
    EXPECT_TRUE(full.changes.contains("Department moved to Comments: “Research, Europe”"))
        << full.changes.join('|').toStdString();
}

// Outlook has three street lines: a fourth joins the third. Lines that do not
// read as a town and code stay street lines, and no town is made up.
TEST_F(Fidelity, OutlookTakesThreeStreetLinesAndJoinsAFourthToTheThird)
{
    NARecord three = makeRecord(1, "Ann Lee", "LEE", "ANN");
    NARecord four = makeRecord(2, "Bo Ma", "MA", "BO");
    for (NARecord* r : {&three, &four}) {
        r->AddrLine1 = "Flat Two";
        r->AddrLine2 = "The Mill";
        r->AddrLine3 = "Mill Lane";
    }
    four.AddrLine4 = "Far End";
    env.openFile({{1, three}, {2, four}});
    ExportOptions options;
    options.format = ExportFormat::CsvOutlook;
    options.encoding = CsvEncoding::Utf8;
    const QStringList lines = QString::fromUtf8(exportBytes(p(), options)).split("\r\n");
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(lines.at(1).startsWith(",Ann,,Lee,,,Flat Two,The Mill,Mill Lane,,,,,"))
        << lines.at(1).toStdString();
    EXPECT_TRUE(lines.at(2).startsWith(",Bo,,Ma,,,Flat Two,The Mill,\"Mill Lane, Far End\",,,,,"))
        << lines.at(2).toStdString();
}

TEST_F(Fidelity, LongNumbersAreCompactedNeverCut)
{
    const std::pair<const char*, const char*> compact[] = {
        {"+1 (512) 555-1234 ext. 5678", "+15125551234x5678"},
        {"+49 (0)611 123456-78", "+4961112345678"},
        {"+44 20 7946 0958;ext=12", "+442079460958x12"},
        {"0611 / 12.34.56", "0611/123456"},
        {"1-800-FLOWERS", "1800-FLOWERS"},
        {"1-800-FAX 123", "1800-FAX123"}, // no extension inside a word
        {"030-1", "0301"},
        {"030-(1)", "0301"},
        {"030-x", "030-x"},
    };
    for (const auto& [in, out] : compact)
        EXPECT_EQ(compactPhoneNumber(in), out) << in;

    const QString tooLong = "+49 611 1234567890 1234567890 12";
    const QStringList numbers{"TEL;WORK;VOICE:+49 (0611) 123456 - 7890",
                              "TEL;WORK;FAX:+49 (0611) 123456 - 7899", "TEL;HOME:" + tooLong};
    struct Row {
        OverflowChoice choice;
        QString note;
        QString comments;
        const char* change;
    };
    const Row rows[] = {
        {OverflowChoice::MoveToComments, "Desk", "Desk; Home: +49 611 1234567890 1234567890 12",
         "Telephone too long for its field moved to Comments: “Home: +49 611 1234567890 "
         "1234567890 12”"},
        // What fits into Comments to the last character goes there; one more does not.
        {OverflowChoice::MoveToComments, QString(60, 'n'),
         QString(60, 'n') + "; Home: +49 611 1234567890 1234567890 12",
         "Telephone too long for its field moved to Comments: “Home: +49 611 1234567890 "
         "1234567890 12”"},
        {OverflowChoice::MoveToComments, QString(61, 'n'), QString(61, 'n'),
         "Telephone too long for its field left out: “Home: +49 611 1234567890 1234567890 12” "
         "(no room in Comments)"},
        {OverflowChoice::CutAndLog, "Desk", "Desk",
         "Telephone too long for its field left out: “Home: +49 611 1234567890 1234567890 12”"},
    };
    for (const Row& row : rows) {
        const NARecord r = importOne(card(QStringList{"FN:Jan Roth", "NOTE:" + row.note} + numbers),
                                     {}, row.choice);
        // Never a cut number that looks whole.
        expectFields(r, "Tel1=Work: +4906111234567890|Tel2=W Fax: +4906111234567899|Tel3=: ");
        EXPECT_EQ(trimRight(r.Comments), row.comments);
        EXPECT_TRUE(changes().contains(QString::fromUtf8(row.change)))
            << changes().join('\n').toStdString();
        EXPECT_TRUE(changes().contains("Telephone “+49 (0611) 123456 - 7890” written without its "
                                       "blanks and signs to fit: “+4906111234567890”"));
    }
}

TEST_F(Fidelity, EveryKindOfLineEndFoldsTheSame)
{
    const QStringList lines = QString("BEGIN:VCARD|VERSION:2.1|N:Fischer;Eva|FN:Eva Fi| scher|"
                                      "NOTE;ENCODING=QUOTED-PRINTABLE:Call after=|"
                                      "noon=0D=0Aor e-mail|TEL;CELL:0171|\t555 0101|junk one|"
                                      "junk two|END:VCARD")
                                  .split('|');
    for (const char* end : {"\r\n", "\n", "\r", "\r\r\n"}) {
        const Entry e = onlyEntry((lines.join(end) + end).toUtf8());
        SCOPED_TRACE(QByteArray(end).toHex().toStdString());
        EXPECT_EQ(e.name, "Eva Fischer");
        EXPECT_EQ(e.comments, "Call afternoon\r\nor e-mail");
        EXPECT_EQ(e.phones.value(0).number, "0171555 0101");
        EXPECT_EQ(e.notes, QStringList{"2 lines that are no property were left out, the first: "
                                       "“junk one”"});
    }
}

// What an import changes or leaves out is named in the log: control characters
// removed and counted, a label shortened, a second organisation.
TEST_F(Fidelity, ControlCharactersLabelsAndASecondOrganisationAreLogged)
{
    QByteArray nul =
        card({"FN:Jo#hn\tDoe", "ADR:;;Main\x1bSt;;;;", "NOTE:Line\x07 one\\nLine two"});
    nul.replace('#', QByteArray(1, '\0'));
    struct Row {
        QByteArray file;
        const char *fields, *change;
    };
    const Row rows[] = {
        {nul, "Name=John Doe|Addr1=MainSt|Comments=Line one\r\nLine two",
         "4 control characters removed (Name, Address line 1, Comments)"},
        // Line feeds alone, a blank line among them, are line breaks all the same;
        // a line that is no property is left out.
        {card({"FN:Bo Ma", "NOTE;ENCODING=QUOTED-PRINTABLE:one=0A=0Atwo=01", ":stray"}),
         "Name=Bo Ma|Comments=one\r\n\r\ntwo", "A line that is no property was left out: “:stray”"},
        {crlf({"Name,Address 1,Comments", "\"Ann\r\nLee\",\"a\tb\",\"x\ny\""}),
         "Name=Ann Lee|Addr1=a b|Comments=x\r\ny",
         "2 control characters removed (Name, Address line 1)"},
        // The most telling telephone type wins; a label with no short form stays
        // whole, with its number, in Comments.
        {card({"FN:Kim Park", "TEL;TYPE=work,voice,pref,msg:555 0", "item1.TEL:555 1",
               "item1.X-ABLabel:Home Fax", "item2.TEL:555 2",
               "item2.X-ABLabel:_$!<Business Phone>!$_", "item3.TEL:555 3",
               "item3.X-ABLabel:Weekend house"}),
         "Tel1=Work: 555 0|Tel2=H Fax: 555 1|Tel3=Work: 555 2|Tel4=: 555 3|"
         "Comments=Weekend house: 555 3",
         "Telephone 2 label “Home Fax” shortened to “H Fax”"},
        {card({"FN:Jo Lee", "ORG:Acme;Sales", "ORG:Beta Co"}), "Name=Jo Lee|Addr1=Acme",
         "Not imported: ORG “Beta Co”"},
    };
    for (const Row& row : rows) {
        expectFields(importOne(row.file), row.fields);
        EXPECT_TRUE(changes().contains(row.change)) << changes().join('\n').toStdString();
    }
}

TEST_F(Fidelity, ImportedRecordsGetSortKeys)
{
    const auto keyed = [](const char* k1, const char* k2) {
        std::map<int, NARecord> m;
        for (int id = 1; id <= 3; ++id)
            m[id] = makeRecord(id, "x", id == 3 ? "SMITH" : k1, k2);
        return m;
    };
    const QByteArray person = card({"N:Müller;Jürgen;;;", "FN:Jürgen Müller"});
    struct Row {
        QByteArray file;
        std::map<int, NARecord> existing;
        const char* keys;
    };
    const Row rows[] = {
        {person, {}, "Key1=MÜLLER|Key2=JÜRGEN"},
        {person, keyed("Jones", "Ann"), "Key1=Müller|Key2=Jürgen"},
        {person, keyed("jones", "ann"), "Key1=müller|Key2=jürgen"},
        {card({"FN:Riverside Tennis Club"}), {}, "Key1=RIVERSIDE TENNIS|Key2="}, // a company word
        // A key in the file wins; a file of ours speaks for empty keys too.
        {card({"N:Müller;Jürgen;;;", "SORT-STRING:Mueller"}), {}, "Key1=Mueller|Key2=JÜRGEN"},
        {card({"FN:Jürgen Müller", "X-TAVREL-SORT-KEY1:MUE", "X-TAVREL-SORT-KEY2:J"}),
         {},
         "Key1=MUE|Key2=J"},
        {crlf({"Name,Sort Key 1,Sort Key 2", "Jürgen Müller,,"}), {}, "Key1=|Key2="},
    };
    for (const Row& row : rows)
        expectFields(importOne(row.file, row.existing), row.keys);
}

} // namespace
} // namespace tavrel::test
