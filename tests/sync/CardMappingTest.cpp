// Records to cards and back, and a changed record written into the server's card.
#include "sync/CardMapping.h"
#include "store/NARecord.h"
#include "sync/SyncState.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tavrel;

namespace {

// A card another program wrote: much the record cannot hold.
const QByteArray kForeign =
    "BEGIN:VCARD\r\n"
    "VERSION:3.0\r\n"
    "PRODID:-//Other//Phone 9//EN\r\n"
    "UID:ext-1\r\n"
    "FN:Dr. Maximiliane Featherstonehaugh-Wolfeschlegel\r\n"
    "N:Featherstonehaugh-Wolfeschlegel;Maximiliane;;Dr.;\r\n"
    "X-PHONETIC-LAST-NAME:Fanshaw\r\n"
    "EMAIL;TYPE=INTERNET,WORK;X-PREF=1:max@work.example\r\n"
    "EMAIL;TYPE=HOME:max@home.example\r\n"
    "item1.EMAIL:max@club.example\r\n"
    "item1.X-ABLabel:Club\r\n"
    "TEL;TYPE=CELL:+44 7700 900123\r\n"
    "BDAY:1980-02-29\r\n"
    "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQEASABIAAD/2wBDAAMCAgICAgMCAgIDAwMDBAYEBA\r\n"
    " QEBAgGBgUGCQgKCgkICQkKDA8MCgsOCwkJDRENDg8QEBEQCgwSExIQEw8QEBD/wAALCAABAAEBAREA\r\n"
    "X-CUSTOM;X-PARAM=keep:value with \xC3\xBCmlaut\r\n"
    "CATEGORIES:Friends,Work\r\n"
    "END:VCARD\r\n";

QByteArray edited(const QByteArray& record, const std::function<void(NARecord&)>& edit)
{
    NARecord r = NARecord::fromBytes(record);
    edit(r);
    return r.toBytes();
}

} // namespace

TEST(CardMapping, OnlyTheFieldsChangedHereAreReplacedEverythingElseStaysByteForByte)
{
    const QByteArray base = recordFromCard(kForeign);
    // The name is cut to fit here, but goes back whole unless it was changed.
    EXPECT_EQ(NARecord::fromBytes(base).Name,
              QStringLiteral("Dr. Maximiliane Featherstonehaugh-W"));
    struct Row {
        const char* what;
        std::function<void(NARecord&)> edit;
        QList<SyncField> changed;
        QList<QPair<QByteArray, QByteArray>> replaced; // line before -> lines after
    };
    const Row rows[] = {
        {"name",
         [](NARecord& r) { r.Name = QStringLiteral("Max Featherstone"); },
         {SyncField::Name},
         {{"FN:Dr. Maximiliane Featherstonehaugh-Wolfeschlegel\r\n", "FN:Max Featherstone\r\n"},
          {"N:Featherstonehaugh-Wolfeschlegel;Maximiliane;;Dr.;\r\n",
           "N:Featherstone;Max;;;\r\n"}}},
        {"first e-mail keeps its parameters",
         [](NARecord& r) { r.EMail = QStringLiteral("max@new.example"); },
         {SyncField::EMail},
         {{"EMAIL;TYPE=INTERNET,WORK;X-PREF=1:max@work.example\r\n",
           "EMAIL;TYPE=INTERNET,WORK;X-PREF=1:max@new.example\r\n"}}},
        {"a telephone changed and one added under a group of its own",
         [](NARecord& r) {
             r.PhoneNum1 = QStringLiteral("+44 7700 900999");
             r.PhoneType2 = QStringLiteral("Boat");
             r.PhoneNum2 = QStringLiteral("555 0101");
         },
         {SyncField::Phone1, SyncField::Phone2},
         {{"TEL;TYPE=CELL:+44 7700 900123\r\n", "TEL;TYPE=cell:+44 7700 900999\r\n"
                                                "item2.TEL;X-TAVREL-SLOT=2:555 0101\r\n"
                                                "item2.X-ABLabel:Boat\r\n"}}},
        {"a comment where the card had none",
         [](NARecord& r) { r.Comments = QStringLiteral("Met at the fair; likes tea, not coffee"); },
         {SyncField::Comments},
         {{"END:VCARD\r\n", "NOTE:Met at the fair\\; likes tea\\, not coffee\r\nEND:VCARD\r\n"}}},
        {"an address where the card had none, with its label",
         [](NARecord& r) {
             r.AddrLine1 = QStringLiteral("12 Mill Lane");
             r.AddrLine2 = QStringLiteral("Leeds LS1 4AB");
         },
         {SyncField::Address},
         {{"END:VCARD\r\n", "ADR;TYPE=home:;;12 Mill Lane;Leeds;;LS1 4AB;\r\n"
                            "LABEL;TYPE=home:12 Mill Lane\\nLeeds LS1 4AB\r\nEND:VCARD\r\n"}}},
    };
    // The card's own line ends are kept, CR LF or LF alone.
    for (const QByteArray eol : {"\r\n", "\n"})
        for (const Row& row : rows) {
            const QByteArray card = QByteArray(kForeign).replace("\r\n", eol);
            QByteArray expected = card;
            for (const auto& [before, after] : row.replaced)
                expected.replace(QByteArray(before).replace("\r\n", eol),
                                 QByteArray(after).replace("\r\n", eol));
            const QByteArray record = edited(base, row.edit);
            const QByteArray patched = patchCard(card, record, row.changed);
            EXPECT_EQ(patched.toStdString(), expected.toStdString()) << row.what;
            // And the changed fields read back from the card as the record has them.
            for (SyncField f : row.changed)
                EXPECT_EQ(fieldBytes(recordFromCard(patched), f), fieldBytes(record, f))
                    << row.what;
        }
}

TEST(CardMapping, ARecordTravelsToItsOwnCardAndBackUnchanged)
{
    const auto make = [](const std::function<void(NARecord&)>& fill) {
        NARecord r = NARecord::blank();
        r.RecStatus = QStringLiteral("CRVN");
        fill(r);
        return r.toBytes();
    };
    const QByteArray records[] = {
        make([](NARecord& r) {
            r.Name = QStringLiteral("Lee, Ann");
            r.AddrLine1 = QStringLiteral("12 Mill Lane");
            r.AddrLine2 = QStringLiteral("Leeds LS1 4AB");
            r.PhoneType1 = QStringLiteral("Home");
            r.PhoneNum1 = QStringLiteral("0113 496 0000");
            r.PhoneType3 = QStringLiteral("Boat");
            r.PhoneNum3 = QStringLiteral("07700 900461");
            r.EMail = QStringLiteral("ann@example.com");
            r.Comments = QStringLiteral("Keys: 3; gate code 41,7");
            r.SortKey1 = QStringLiteral("LEE");
            r.SortKey2 = QStringLiteral("ANN");
        }),
        make([](NARecord& r) {
            r.Name = QStringLiteral("Acme Widgets Ltd");
            r.AddrLine1 = QStringLiteral("Unit 4, Dock Road");
        }),
    };
    for (const QByteArray& r : records) {
        const QByteArray card = cardFromRecord(r, QStringLiteral("u-1"));
        EXPECT_EQ(cardUid(card), QStringLiteral("u-1"));
        EXPECT_EQ(syncedBytes(recordFromCard(card)), syncedBytes(r)) << card.toStdString();
    }
}
