// Files shaped like those phones, mail programs, webmail and desktop contact
// programs write (tests/exchange/fixtures): how many of the fields they hold
// land where a user looks for them, and a word in the log for each that does
// not.
#include "ExchangeFixture.h"

#include <QDir>
#include <QRegularExpression>
#include <cstdio>

namespace tavrel::test {
namespace {

// A file, one of its entries, and the fields it should fill, as fieldList reads
// them. "Tel" fields match on the label and the digits (a number compacted to
// fit is still that number); a name ending in '~' only needs the value
// somewhere in the field.
const std::tuple<const char*, int, const char*> kExpected[] = {
    {"android-21.vcf", 0,
     "Name=Jörg Müller|Addr1=Hauptstraße 12|Addr2=10115 Berlin|Addr3=Deutschland|"
     "Tel1=Mobile: +49 171 2345678|Tel2=Home: +49 30 1234567|EMail=joerg.mueller@example.de|"
     "Comments=Schlüssel liegt beim Nachbarn, Wohnung 2. Stock links"},
    {"android-21.vcf", 1,
     "Name=Chidi Okafor|Tel1=Work: +234 1 2345678|Tel2=Mobile: +234 803 123 4567|"
     "EMail=chidi@example.ng"},
    {"android-21.vcf", 2, "Name=Pizzeria Da Gino|Tel1=Work: 030 4455667"},
    {"crcrlf-phone.vcf", 0,
     "Name=Yuki Tanaka|Tel1=Mobile: +81 90 1234 5678|Tel2=Home: +81 6 6123 4567|"
     "EMail=yuki.tanaka@example.jp|"
     "Comments=Met at the Osaka trade fair. Interested in the new catalogue and a visit in "
     "spring."},
    {"crcrlf-phone.vcf", 1,
     "Name=Kenji Sato|Addr1=2-11-3 Meguro, Meguro-ku|Addr2=153-0063 Tokyo|Addr3=Japan|"
     "Tel1=Work: +81 3 5555 0101"},
    {"gmail-30.vcf", 0,
     "Name=Priya Raman|Addr1=Infra Systems|Addr2=14 Residency Road|"
     "Addr3=Bengaluru, Karnataka 560025|Addr4=India|Tel1=Mobile: +91 98450 12345|"
     "Tel2=Work: +91 80 4123 4567|EMail=priya.raman@example.com|Comments~=p.raman@infra.example"},
    {"google.csv", 0,
     "Name=Lucía Herrera|Addr1=Av. Reforma 222|Addr2=Col. Juárez|Addr3=06600 Ciudad de México|"
     "Addr4=México|Tel1=Mobile: +52 55 1234 5678|Tel2=Home: +52 55 8765 4321|"
     "EMail=lucia.herrera@example.mx|Comments=Cousin; call on Sundays"},
    {"google.csv", 1,
     "Name=Daniel Cohen|Addr1=Cohen Translations|Tel1=Work: +972 3 555 1234|"
     "Tel2=W Fax: +972 3 555 1235|Tel3=Mobile: +972 54 555 9876|EMail=daniel.cohen@example.co.il|"
     "Comments~=dcohen@example.org|Comments~=Job Title: Owner"},
    {"iphone-30.vcf", 0,
     "Name=Astrid Lindqvist|Addr1=Nordlys Design AB|Addr2=Sveavägen 44|Addr3=111 34 Stockholm|"
     "Addr4=Sweden|Tel1=Mobile: +46 70 123 45 67|Tel2=Work: +46 8 555 123 45|"
     "EMail=astrid@nordlys.example|Comments=Prefers calls after 10"},
    {"iphone-30.vcf", 1,
     "Name=Minh Nguyen|Addr1=742 Valencia St|Addr2=Apt 5|Addr3=San Francisco, CA 94110|"
     "Addr4=United States|Tel1=Home: (415) 555-0134|Tel2=Studio: (415) 555-0177|"
     "EMail=minh@example.com|Comments=Birthday: 1988-09-23"},
    {"mixed-utf8.csv", 0,
     "Name=Zoë Ødegård|Addr1=Fjordveien 2|Addr2=5003 Bergen|Tel1=Home: +47 55 12 34 56|"
     "EMail=zoe@example.no"},
    {"mixed-utf8.csv", 1,
     "Name=José Peña|Addr1=Calle Mayor 5|Addr2=28013 Madrid|Tel1=Home: +34 91 123 45 67|"
     "EMail=jose@example.es"},
    {"mixed-utf8.csv", 2,
     "Name=Ana Žagar|Addr1=Prešernova 1|Addr2=1000 Ljubljana|Tel1=Home: +386 1 234 56 78|"
     "EMail=ana@example.si"},
    {"native.csv", 0,
     "Name=Weber, Anna|Addr1=Lindenweg 3|Addr2=79098 Freiburg|Tel1=Home: 0761 123456|"
     "Tel2=Mobile: 0170 1234567|EMail=anna.weber@example.de|Comments=Chor, Sopran"},
    {"native.csv", 1,
     "Name=Stadtbibliothek Freiburg|Addr1=Münsterplatz 17|Addr2=79098 Freiburg|"
     "Tel1=Work: 0761 201-2207"},
    {"nextcloud-40.vcf", 0,
     "Name=Amélie Fontaine|Addr1=12 rue de la Paix|Addr2=75002 Paris|Addr3=France|"
     "Tel1=Mobile: +33-6-12-34-56-78|Tel2=Home: +33 1 42 68 53 00|"
     "EMail=amelie.fontaine@example.fr|Comments=Rencontrée à Lyon, salon du livre 2021"},
    {"nextcloud-40.vcf", 1,
     "Name=Boulangerie Martin|Addr1=5 place Bellecour|Addr2=69002 Lyon|Addr3=France|"
     "Tel1=Work: +33 4 78 00 11 22|EMail=contact@boulangerie-martin.example"},
    {"outlook-21.vcf", 0,
     "Name=Dr. Klaus Schäfer|Addr1=Schäfer & Partner GmbH, Vertrieb|Addr2=Rheinstraße 7|"
     "Addr3=65185 Wiesbaden|Addr4=Deutschland|Tel1=Work: +49 (0611) 123456 - 200|"
     "Tel2=Mobile: +49 (0171) 9876543|Tel3=W Fax: +49 (0611) 123456 - 299|"
     "Tel4=Home: +49 (0611) 7654321|EMail=k.schaefer@schaefer-partner.example"},
    {"outlook.csv", 0,
     "Name=Ms. Sarah O'Connor|Addr1=Harbour Logistics Ltd|Addr2=Unit 4, Dockside Park|"
     "Addr3=Cork T12 X7Y2|Addr4=Ireland|Tel1=Work: +353 21 555 0142|Tel2=Mobile: +353 87 555 0199|"
     "Tel3=W Fax: +353 21 555 0143|EMail=sarah.oconnor@harbour.example|"
     "Comments~=Quarterly review in March|Comments~=Job Title: Operations Manager"},
    {"outlook.csv", 1,
     "Name=Tom Baker|Addr1=221 Elm Street|Addr2=Apt 3B|Addr3=Springfield, IL 62704|"
     "Addr4=United States|Tel1=Home: (217) 555-0123|Tel2=Mobile: (217) 555-0188|"
     "EMail=tom.baker@example.com|Comments~=E-mail: tbaker@work.example|Comments~=Birthday: "
     "5/14/1975"},
    {"outlook.csv", 2,
     "Name=Riverside Dental Practice|Addr1=14 Mill Lane|Addr2=Bath BA1 1AA|Addr3=United Kingdom|"
     "Tel1=Work: +44 1225 555010|Tel2=Main: +44 1225 555000|"
     "EMail=reception@riverside-dental.example|Comments~=www.riverside-dental.example"},
    {"thunderbird.csv", 0,
     "Name=Hanna Virtanen|Addr1=Mannerheimintie 5 A 12|Addr2=00100 Helsinki|Addr3=Finland|"
     "Tel1=Home: +358 9 123 4567|Tel2=Mobile: +358 40 765 4321|EMail=hanna.virtanen@example.fi|"
     "Comments~=Sauna evening every Thursday|Comments~=E-mail: hanna@kotiposti.example"},
    {"thunderbird.csv", 1,
     "Name=Marco Bianchi|Addr1=Studio Bianchi|Addr2=Via Torino 21|Addr3=Milano, MI 20123|"
     "Addr4=Italia|Tel1=Work: +39 02 1234 5678|Tel2=Fax: +39 02 1234 5679|"
     "EMail=m.bianchi@studio-bianchi.example|Comments~=Job Title: Architetto"},
    {"utf16be-nomark.vcf", 0,
     "Name=Søren Andersen|Tel1=Work: +45 33 12 34 56|EMail=soren@example.dk"},
    {"utf16le-bom.vcf", 0,
     "Name=Lukasz Wisniewski|Addr1=ul. Marszalkowska 10|Addr2=00-590 Warszawa|Addr3=Polska|"
     "Tel1=Home: +48 22 123 45 67|EMail=lukasz@example.pl"},
    {"utf16le-nomark.csv", 0,
     "Name=Ines Gómez|Addr1=Sevilla|Addr2=España|Tel1=Mobile: +34 612 345 678|"
     "EMail=ines.gomez@example.es"},
};

// What a file holds that the record has no place for: the log must name it.
const std::pair<const char*, const char*> kLeftOut[] = {
    {"gmail-30.vcf", "TITLE"},
    {"gmail-30.vcf", "URL"},
    {"iphone-30.vcf", "PHOTO"},
    {"outlook.csv", "Spouse \u201CMary\u201D"},
};

// A telephone as "Label: digits", so that only formatting may differ.
QString telephoneKey(const QString& field)
{
    const qsizetype colon = field.indexOf(QLatin1String(": ")) + 2;
    return field.left(colon) + field.mid(colon).remove(QRegularExpression("\\D"));
}

bool placed(const NARecord& r, QString name, const QString& value)
{
    if (name.endsWith('~'))
        return recordField(r, name.chopped(1)).contains(value);
    const QString actual = recordField(r, name);
    return name.startsWith("Tel") ? telephoneKey(actual) == telephoneKey(value) : actual == value;
}

TEST_F(ExchangeTest, FixtureFilesScore)
{
    env.openFile({});
    const QDir dir(QStringLiteral(TAVREL_EXCHANGE_FIXTURES));
    // Every file imported in turn; each entry's record and each file's log.
    QHash<QString, QList<int>> ids;
    QHash<QString, QString> logs;
    for (const QString& file : dir.entryList(QDir::Files, QDir::Name)) {
        const ImportSource source = readImportFile(p(), dir.filePath(file));
        ASSERT_TRUE(source.error.isEmpty()) << file.toStdString() << source.error.toStdString();
        const ImportResult result =
            runImport(p(), planImport(p(), source, OverflowChoice::MoveToComments));
        ids.insert(file, result.ids);
        logs.insert(file, result.log);
    }
    int present = 0, found = 0;
    QStringList missed;
    for (const auto& [file, entry, fields] : kExpected) {
        const int id = ids.value(file).value(entry);
        ASSERT_NE(id, 0) << file << " entry " << entry;
        const NARecord r = stored(id);
        for (const auto& [name, value] : fieldList(fields)) {
            ++present;
            if (placed(r, name, value))
                ++found;
            else
                missed << QStringLiteral("%1 entry %2 %3: \u201C%4\u201D, not \u201C%5\u201D")
                              .arg(file, QString::number(entry + 1), name, value,
                                   recordField(r, QString(name).remove('~')));
        }
    }
    for (const auto& [file, log] : kLeftOut) {
        ++present;
        EXPECT_TRUE(logs.value(file).contains(QString::fromUtf8(log)))
            << file << ": the log does not name " << log;
    }
    const double score = 100.0 * found / present;
    printf("Fixture score: %d of %d fields placed (%.1f%%); %d named in the log as left out.\n",
           found, present, score, int(std::size(kLeftOut)));
    for (const QString& m : missed)
        printf("  not placed: %s\n", qPrintable(m));
    EXPECT_GE(score, 97.0);
}

} // namespace
} // namespace tavrel::test
