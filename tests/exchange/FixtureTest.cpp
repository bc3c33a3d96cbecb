// Files shaped like what phones, mail programs and spreadsheets write, read
// field by field and through the import log.
#include "ExchangeFixture.h"

namespace tavrel::test {
namespace {

TEST_F(ExchangeTest, CardsOfEachVersionAndASemicolonCsvAreReadFieldByField)
{
    env.openFile({});
    QByteArray semicolons("\xEF\xBB\xBF");
    semicolons += crlf(
        {"First Name;Last Name;Company;Home Street;Home City;Home Postal Code;Home "
         "Country;Mobile Phone;Business Phone;E-mail Address;Notes;Categories",
         "Élodie;Martin;Atelier Nord;\"3, rue de la Paix\";Paris;75002;France;06 12 34 56 "
         "78;01 23 45 67 89;elodie@example.fr;\"Two\r\nlines; \"\"quoted\"\"\";\"Clients;Paris\"",
         ";;;;;;;;;;;"});
    const std::pair<QByteArray, const char*> files[] = {
        // 2.1: the soft break falls between the two bytes of the ü; a LABEL of
        // its own wins over the parts of ADR.
        {card({"FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:J=C3=", "=BCrgen M=C3=BCller",
               "ADR;HOME;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:;;Stra=C3=9Fe 5;Berlin;;10115;"
               "Deutschl=",
               "and", "NOTE;ENCODING=QUOTED-PRINTABLE:Line one=0D=0ALine two, with comma",
               "LABEL;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Caf=E9 Zentral"},
              "2.1"),
         "Name=Jürgen Müller|Addr1=Café Zentral|Addr2=|Comments=Line one\r\nLine two, with comma"},
        // 3.0 with group labels: the organisation heads the address, as on a
        // business letter.
        {card({"PRODID:-//Example Corp//Phone Book 2.0//EN", "N:Appleseed;Kate;;;",
               "FN:Kate Appleseed", "ORG:Example Corp;",
               "item2.ADR;type=HOME;type=pref:;;350 Fifth Ave\\nFloor 3;New York;NY;10118;USA",
               "item2.X-ABADR:us", "TEL;type=CELL;type=VOICE:+1 555 0101",
               "EMAIL;type=INTERNET;type=HOME;type=pref:kate@example.com",
               "EMAIL;type=INTERNET;type=WORK:kate@work.example",
               "NOTE:Met at the fair\\, 2019\\nLikes tea\\: green", "CATEGORIES:Friends,Work",
               "BDAY:1980-01-01"}),
         "Name=Kate Appleseed|Addr1=Example Corp|Addr2=350 Fifth Ave|Addr3=Floor 3|"
         "Addr4=New York, NY 10118|Tel1=Mobile: +1 555 0101|EMail=kate@example.com|"
         "Comments=Met at the fair, 2019\r\nLikes tea: green\r\nBirthday: 1980-01-01; USA\r\n"
         "E-mail: kate@work.example"},
        {card({"FN:Dr. Ana Lima", "N;SORT-AS=\"Lima,Ana\":Lima;Ana;;Dr.;",
               "TEL;VALUE=uri;TYPE=\"voice,home\":tel:+55-11-5555-0000",
               "TEL;VALUE=uri;TYPE=work,fax:tel:+55-11-5555-0001",
               "ADR;TYPE=work;LABEL=\"Av. Paulista 1000^nSão Paulo - SP^n01310-100^nBrasil\":;;Av. "
               "Paulista 1000;São Paulo;SP;01310-100;Brasil"},
              "4.0"),
         "Name=Dr. Ana Lima|Key1=Lima|Addr2=São Paulo - SP|Addr4=Brasil|"
         "Tel1=Home: +55-11-5555-0000|Tel2=W Fax: +55-11-5555-0001"},
        // The empty row is no entry.
        {semicolons, "Name=Élodie Martin|Addr1=Atelier Nord|Addr2=3, rue de la Paix|"
                     "Addr3=75002 Paris|Addr4=France|Tel1=Work: 01 23 45 67 89|"
                     "Tel2=Mobile: 06 12 34 56 78|Comments=Two\r\nlines; \"quoted\""},
    };
    for (const auto& [bytes, fields] : files) {
        SCOPED_TRACE(fields);
        const ImportResult r = importBytes(bytes);
        EXPECT_EQ(r.imported, 1);
        expectFields(stored(r.ids.value(0)), fields);
    }
    EXPECT_EQ(plan.records.at(0).entry.lists, (QStringList{"Clients", "Paris"}));
    const QString l = QString::fromUtf8(fileBytes(env.dir() + "/" + kImportLogName));
    EXPECT_TRUE(l.contains("    Not imported: X-ABADR “us”\n")) << l.toStdString();
    EXPECT_TRUE(l.contains("    E-mail 2 moved to Comments: “kate@work.example”\n"));
    EXPECT_TRUE(l.contains("No mailing list is titled “Friends”; 1 records carried that title"));
}

} // namespace
} // namespace tavrel::test
