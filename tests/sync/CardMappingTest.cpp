// Records to cards and back, and a changed record written into the server's card.
#include "sync/CardMapping.h"
#include "ForeignCard.h"
#include "exchange/VCard.h"
#include "store/NARecord.h"
#include "support/TestEnv.h"
#include "sync/SyncRecord.h"
#include "sync/SyncState.h"

#include <functional>
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
        {"TEL;TYPE=CELL:+44 7700 900123\r\n", "TEL;TYPE=CELL:+44 7700 900999\r\n"
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

namespace {

// A person who works for an organisation and its department, at a work address.
const QByteArray kStaffCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:staff-1\r\nFN:Bob Stone\r\n"
                              "N:Stone;Bob;;;\r\nORG:Acme Widgets Ltd;Sales\r\n"
                              "ADR;TYPE=WORK:;;4 Dock Road;Hull;;HU1 2AB;\r\nEND:VCARD\r\n";
// An organisation's own card.
const QByteArray kOrgCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:org-1\r\nFN:Acme Widgets Ltd\r\n"
                            "N:;;;;\r\nORG:Acme Widgets Ltd;Sales\r\nEND:VCARD\r\n";
// An address the record holds only in Latin letters (Wanno Nei 1-1, its second
// line cut at the width): each line keeps the card's spelling.
const QByteArray kJapaneseCard =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:jp-1\r\nFN:Sato Hanako\r\nN:Sato;Hanako;;;\r\n"
    "ADR;TYPE=WORK;PREF=1:;;\xE4\xB8\xB8\xE3\x81\xAE\xE5\x86\x85 1-1;"
    "\xE5\x8D\x83\xE4\xBB\xA3\xE7\x94\xB0\xE5\x8C\xBA;\xE6\x9D\xB1\xE4\xBA\xAC;100-0005;"
    "\xE6\x97\xA5\xE6\x9C\xAC\r\nEND:VCARD\r\n";

// Labels that say the address as lines: a 4.0 LABEL parameter, a 3.0 LABEL
// property; and a street longer than a record's line.
const QByteArray kLabelParamCard =
    "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:l-1\r\nFN:Cy Moss\r\nN:Moss;Cy;;;\r\n"
    "ADR;TYPE=work;LABEL=\"5 Quay St^nBristol BS1 4DJ\":;;5 Quay St;Bristol;;BS1 4DJ;\r\n"
    "END:VCARD\r\n";
const QByteArray kLabelCard = "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:l-2\r\nFN:Cy Moss\r\n"
                              "N:Moss;Cy;;;\r\nADR;TYPE=work:;;5 Quay St;Bristol;;BS1 4DJ;\r\n"
                              "LABEL;TYPE=work:5 Quay St\\nBristol BS1 4DJ\r\nEND:VCARD\r\n";
const QByteArray kLongStreetCard =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:l-3\r\nFN:Cy Moss\r\nN:Moss;Cy;;;\r\n"
    "ADR:;;Unit 12\\, Riverside Industrial Estate;Hull;;HU1 2AB;\r\nEND:VCARD\r\n";

// A label of five lines, one more than a record holds.
const QByteArray kFiveLineCard =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:l-4\r\nFN:Cy Moss\r\n"
    "LABEL:1 A St\\n2 B St\\n3 C St\\n4 D St\\n5 E St\r\nEND:VCARD\r\n";

QString& addressLine(NARecord& r, int i)
{
    QString* lines[] = {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4};
    return *lines[i];
}

// One line of the card as the record shows it, with `from` replaced by `to`.
std::function<void(NARecord&)> editLine(int i, const QString& from, const QString& to)
{
    return [=](NARecord& r) { addressLine(r, i).replace(from, to); };
}

// The card with `before` replaced by `after`; a line that changes is folded
// anew, as every line written is.
QByteArray withEdit(const QByteArray& card, const QByteArray& before, const QByteArray& after)
{
    if (before.contains('\n'))
        return QByteArray(card).replace(before, after);
    const qsizetype at = card.indexOf(before);
    const qsizetype start = card.lastIndexOf('\n', at) + 1;
    const qsizetype end = card.indexOf("\r\n", at);
    const QByteArray line = card.mid(start, end - start).replace(before, after);
    return card.left(start) + foldVCardLine(line) + card.mid(end);
}

struct Edit {
    const char* what;
    QByteArray card;
    SyncField field;
    std::function<void(NARecord&)> edit;
    QByteArray before; // the one part of the card that changes
    QByteArray after;
};

} // namespace

// A field edited here rewrites only what the edit changed: the component of the
// ADR a record line came from, the organisation's line into ORG, the number of
// a telephone, the parts of N the new name splits into differently, and the
// comment's held start of a NOTE longer than the record holds.
TEST(CardMapping, AnEditChangesOnlyThePartOfTheCardItCameFrom)
{
    const QString note = longNote();
    const QByteArray work = workCard();
    const qsizetype noteAt = work.indexOf("NOTE:");
    const QByteArray noteLines = work.mid(noteAt, work.indexOf("X-CUSTOM") - noteAt);
    auto noteLine = [](const QString& text) {
        return foldVCardLine("NOTE:" + escapeVCardText(text).toUtf8()) + "\r\n";
    };
    QString noteEdited = note;
    noteEdited.replace(noteEdited.indexOf(QLatin1String("trade")), 5, QStringLiteral("craft"));
    const Edit edits[] = {
        {"work street", work, SyncField::Address, editLine(0, "12 Mill", "14 Mill"),
         ";;12 Mill Lane;", ";;14 Mill Lane;"},
        {"work code", work, SyncField::Address, editLine(1, "62704", "62705"), "IL;62704;",
         "IL;62705;"},
        {"work country", work, SyncField::Address, editLine(2, "United States", "USA"),
         ";United States\r\n", ";USA\r\n"},
        {"work address rewritten", work, SyncField::Address,
         [](NARecord& r) {
             r.AddrLine4 = r.AddrLine3;
             r.AddrLine3 = r.AddrLine2;
             r.AddrLine2 = r.AddrLine1;
             r.AddrLine1 = QStringLiteral("Flat 2");
         },
         ";;12 Mill Lane;", ";;Flat 2\\n12 Mill Lane;"},
        {"work telephone", work, SyncField::Phone1,
         [](NARecord& r) { r.PhoneNum1.replace(QLatin1String("0100"), QLatin1String("0199")); },
         "PREF=1:+1 217 555 0100", "PREF=1:+1 217 555 0199"},
        {"work telephone relabelled", work, SyncField::Phone1,
         [](NARecord& r) { r.PhoneType1 = QStringLiteral("Mobile"); },
         "TEL;TYPE=WORK,VOICE;PREF=1:", "TEL;PREF=1;TYPE=cell:"},
        {"work name", work, SyncField::Name,
         [](NARecord& r) { r.Name = QStringLiteral("Ann Leigh"); },
         "FN:Ann Lee\r\nN:Lee;Ann;Marie;;", "FN:Ann Leigh\r\nN:Leigh;Ann;Marie;;"},
        {"comment edited in its start", work, SyncField::Comments,
         [](NARecord& r) {
             r.Comments.replace(r.Comments.indexOf(QLatin1String("trade")), 5,
                                QStringLiteral("craft"));
         },
         noteLines, noteLine(noteEdited)},
        {"comment rewritten", work, SyncField::Comments,
         [](NARecord& r) { r.Comments = QStringLiteral("Moved to York, 2024."); }, noteLines,
         noteLine(QStringLiteral("Moved to York, 2024."))},
        {"staff street", kStaffCard, SyncField::Address, editLine(2, "4 Dock", "6 Dock"),
         ";;4 Dock Road;", ";;6 Dock Road;"},
        {"staff organisation", kStaffCard, SyncField::Address, editLine(0, "Ltd", "plc"),
         "ORG:Acme Widgets Ltd;", "ORG:Acme Widgets plc;"},
        {"staff department", kStaffCard, SyncField::Address, editLine(1, "Sales", "Export"),
         ";Sales\r\n", ";Export\r\n"},
        {"organisation renamed", kOrgCard, SyncField::Name,
         [](NARecord& r) { r.Name = QStringLiteral("Acme Gadgets Ltd"); },
         "FN:Acme Widgets Ltd\r\nN:;;;;\r\nORG:Acme Widgets Ltd;",
         "FN:Acme Gadgets Ltd\r\nN:;;;;\r\nORG:Acme Gadgets Ltd;"},
        {"label parameter", kLabelParamCard, SyncField::Address, editLine(0, "5 Quay", "7 Quay"),
         "\"5 Quay St^nBristol BS1 4DJ\":;;5 Quay St;",
         "\"7 Quay St^nBristol BS1 4DJ\":;;7 Quay St;"},
        {"label property", kLabelCard, SyncField::Address, editLine(0, "5 Quay", "7 Quay"),
         "5 Quay St;Bristol;;BS1 4DJ;\r\nLABEL;TYPE=work:5 Quay St",
         "7 Quay St;Bristol;;BS1 4DJ;\r\nLABEL;TYPE=work:7 Quay St"},
        {"long street", kLongStreetCard, SyncField::Address, editLine(0, "Unit 12", "Unit 14"),
         ";;Unit 12\\, Riverside", ";;Unit 14\\, Riverside"},
        {"five lines, two swapped", kFiveLineCard, SyncField::Address,
         [](NARecord& r) { std::swap(r.AddrLine1, r.AddrLine2); }, "1 A St\\n2 B St",
         "2 B St\\n1 A St"},
        {"japanese street", kJapaneseCard, SyncField::Address,
         [](NARecord& r) { r.AddrLine1 = QStringLiteral("Marunouchi 1-2"); },
         ":;;\xE4\xB8\xB8\xE3\x81\xAE\xE5\x86\x85 1-1;", ":;;Marunouchi 1-2;"},
        {"japanese country", kJapaneseCard, SyncField::Address, editLine(2, "Ri Ben", "Japan"),
         ";\xE6\x97\xA5\xE6\x9C\xAC\r\n", ";Japan\r\n"},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.what);
        ASSERT_EQ(e.card.count(e.before), 1);
        NARecord r = NARecord::fromBytes(recordFromCard(e.card));
        e.edit(r);
        ASSERT_NE(fieldBytes(r.toBytes(), e.field), fieldBytes(recordFromCard(e.card), e.field));
        const QByteArray patched = patchCard(e.card, r.toBytes(), {e.field});
        EXPECT_EQ(patched.toStdString(), withEdit(e.card, e.before, e.after).toStdString());
        EXPECT_EQ(fieldBytes(recordPart(recordFromCard(patched)), e.field),
                  fieldBytes(r.toBytes(), e.field));
    }
}

// A record that keeps the card's own spelling reads as the card, so the card
// stays byte for byte; an edit made in those letters goes into the card in
// them, only where it was made.
TEST(CardMapping, ARecordKeepingTheCardsSpellingPatchesItInThoseLetters)
{
    const QByteArray view = recordFromCard(kJapaneseCard);
    ASSERT_EQ(spellingsOf(view).count(ContactField::AddrLine1), 1u);
    EXPECT_EQ(patchCard(kJapaneseCard, view, allSyncFields()), kJapaneseCard);

    Contact c = syncContact(view);
    c.text(ContactField::AddrLine1) = QStringLiteral("丸の内 1-2");
    EncodedContact edited = encodeContact(c);
    QByteArray record = spelledRecord(edited.record.toBytes(), edited.originals);
    QByteArray patched = patchCard(kJapaneseCard, record, {SyncField::Address});
    EXPECT_EQ(patched.toStdString(),
              withEdit(kJapaneseCard, ";;丸の内 1-1;", ";;丸の内 1-2;").toStdString());
    EXPECT_EQ(fieldBytes(recordFromCard(patched), SyncField::Address),
              fieldBytes(record, SyncField::Address));

    c.text(ContactField::Name) = QStringLiteral("佐藤 花子");
    edited = encodeContact(c);
    record = spelledRecord(edited.record.toBytes(), edited.originals);
    patched = patchCard(kJapaneseCard, record, {SyncField::Name});
    EXPECT_TRUE(patched.contains("\r\nFN:佐藤 花子\r\n")) << patched.toStdString();
    EXPECT_EQ(fieldText(recordFromCard(patched), SyncField::Name), QStringLiteral("佐藤 花子"));
}

// Fields listed as changed that hold what the card gives them leave the card
// byte for byte: its folding, groups, parameters and unknown properties.
TEST(CardMapping, FieldsThatHoldWhatTheCardGivesLeaveItByteForByte)
{
    for (const QByteArray& card : {workCard(), kStaffCard, kOrgCard, kJapaneseCard, kLabelParamCard,
                                   kLabelCard, kLongStreetCard, QByteArray(kForeignCard)}) {
        const QByteArray patched = patchCard(card, recordFromCard(card), allSyncFields());
        EXPECT_EQ(patched.toStdString(), card.toStdString());
    }
}
