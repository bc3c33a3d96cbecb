// Records to cards and back, and a changed record written into the server's card.
#include "sync/CardMapping.h"
#include "ForeignCard.h"
#include "store/NARecord.h"
#include "support/TestEnv.h"
#include "sync/SyncState.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tavrel;

using namespace tavrel::test;

TEST(CardMapping, OnlyTheFieldsChangedHereAreReplacedEverythingElseStaysByteForByte)
{
    // The name cut to fit here stays whole on the card in every row; the name and the
    // first e-mail are replaced through a real server in SyncPassTest.
    const QByteArray base = recordFromCard(kForeignCard);
    struct Row {
        const char* what;
        std::function<void(NARecord&)> edit;
        QList<SyncField> changed;
        QList<QPair<QByteArray, QByteArray>> replaced; // line before -> lines after
    };
    const Row rows[] = {
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
            const QByteArray card = QByteArray(kForeignCard).replace("\r\n", eol);
            QByteArray expected = card;
            for (const auto& [before, after] : row.replaced)
                expected.replace(QByteArray(before).replace("\r\n", eol),
                                 QByteArray(after).replace("\r\n", eol));
            NARecord changed = NARecord::fromBytes(base);
            row.edit(changed);
            const QByteArray record = changed.toBytes();
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
    NARecord changed = ann;
    changed.PhoneNum5 = QStringLiteral("0113 496 0055");
    const QByteArray patched = patchCard(cardFromRecord(ann.toBytes(), QStringLiteral("u-1")),
                                         changed.toBytes(), {SyncField::Phone5});
    EXPECT_EQ(syncedBytes(recordFromCard(patched)).toStdString(),
              syncedBytes(changed.toBytes()).toStdString())
        << patched.toStdString();
}
