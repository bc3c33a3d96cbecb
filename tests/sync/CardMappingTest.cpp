// Records to cards and back, and a changed record written into the server's card.
#include "sync/CardMapping.h"
#include "ForeignCard.h"
#include "store/NARecord.h"
#include "support/TestEnv.h"
#include "sync/SyncState.h"

#include <gtest/gtest.h>
#include <utility>

using namespace tavrel;

using namespace tavrel::test;

// A record goes to a card of its own and back unchanged; a card another program
// wrote has only the fields changed here replaced, everything else byte for byte.
TEST(CardMapping, ARecordTravelsToItsOwnCardAndBackAndOnlyFieldsChangedHereAreReplaced)
{
    // The name cut to fit here stays whole on the card; the name and the first
    // e-mail are replaced through a real server in SyncPassTest.
    NARecord changed = NARecord::fromBytes(recordFromCard(kForeignCard));
    // A telephone changed and one added under a group of its own; a comment and an
    // address with its label where the card had none.
    changed.PhoneNum1 = QStringLiteral("+44 7700 900999");
    changed.PhoneType2 = QStringLiteral("Boat");
    changed.PhoneNum2 = QStringLiteral("555 0101");
    changed.Comments = QStringLiteral("Met at the fair; likes tea, not coffee");
    changed.AddrLine1 = QStringLiteral("12 Mill Lane");
    changed.AddrLine2 = QStringLiteral("Leeds LS1 4AB");
    const QList<SyncField> fields = {SyncField::Phone1, SyncField::Phone2, SyncField::Comments,
                                     SyncField::Address};
    const std::pair<QByteArray, QByteArray> replaced[] = {
        {"TEL;TYPE=CELL:+44 7700 900123\r\n", "TEL;TYPE=cell:+44 7700 900999\r\n"
                                              "item2.TEL;X-TAVREL-SLOT=2:555 0101\r\n"
                                              "item2.X-ABLabel:Boat\r\n"},
        {"END:VCARD\r\n", "NOTE:Met at the fair\\; likes tea\\, not coffee\r\n"
                          "ADR;TYPE=home:;;12 Mill Lane;Leeds;;LS1 4AB;\r\n"
                          "LABEL;TYPE=home:12 Mill Lane\\nLeeds LS1 4AB\r\nEND:VCARD\r\n"}};
    // The card's own line ends are kept, CR LF or LF alone.
    for (const QByteArray eol : {"\r\n", "\n"}) {
        const QByteArray card = QByteArray(kForeignCard).replace("\r\n", eol);
        QByteArray expected = card;
        for (const auto& [before, after] : replaced)
            expected.replace(QByteArray(before).replace("\r\n", eol),
                             QByteArray(after).replace("\r\n", eol));
        const QByteArray patched = patchCard(card, changed.toBytes(), fields);
        EXPECT_EQ(patched.toStdString(), expected.toStdString());
        // And the changed fields read back from the card as the record has them.
        for (SyncField f : fields)
            EXPECT_EQ(fieldBytes(recordFromCard(patched), f), fieldBytes(changed.toBytes(), f));
    }

    NARecord ann =
        makeRecord(1, QStringLiteral("Lee, Ann"), QStringLiteral("LEE"), QStringLiteral("ANN"));
    ann.AddrLine1 = QStringLiteral("12 Mill Lane");
    ann.AddrLine2 = QStringLiteral("Leeds LS1 4AB");
    ann.PhoneType1 = QStringLiteral("Home");
    ann.PhoneNum1 = QStringLiteral("0113 496 0000");
    ann.PhoneType3 = QStringLiteral("Boat");
    ann.PhoneNum3 = QStringLiteral("07700 900461");
    ann.PhoneType5 = QStringLiteral("Fax");
    ann.PhoneNum5 = QStringLiteral("0113 496 0005");
    ann.EMail = QStringLiteral("ann@example.com");
    ann.Comments = QStringLiteral("Keys: 3; gate code 41,7");
    NARecord acme = makeRecord(2, QStringLiteral("Acme Widgets Ltd"));
    acme.AddrLine1 = QStringLiteral("Unit 4, Dock Road");
    for (const NARecord& r : {ann, acme}) {
        const QByteArray card = cardFromRecord(r.toBytes(), QStringLiteral("u-1"));
        EXPECT_EQ(cardUid(card), QStringLiteral("u-1"));
        EXPECT_EQ(syncedBytes(recordFromCard(card)), syncedBytes(r.toBytes()))
            << card.toStdString();
    }
    // A telephone changed here replaces its own on the card, the fifth too.
    changed = ann;
    changed.PhoneNum5 = QStringLiteral("0113 496 0055");
    const QByteArray patched = patchCard(cardFromRecord(ann.toBytes(), QStringLiteral("u-1")),
                                         changed.toBytes(), {SyncField::Phone5});
    EXPECT_EQ(syncedBytes(recordFromCard(patched)).toStdString(),
              syncedBytes(changed.toBytes()).toStdString())
        << patched.toStdString();
}
