// What the record screens make of a contact without any window: characters
// counted as the person sees them, and a contact stored and read back.
#include "records/RecordFields.h"

#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

namespace tavrel::test {
namespace {

const QString kSmile = QString::fromUcs4(U"\U0001F600");

TEST(RecordFields, CharactersCountOnceAndCutsNeverSplitOne)
{
    EXPECT_EQ(characterCount(kSmile + QStringLiteral("ab")), 3);
    EXPECT_EQ(characterCount(QStringLiteral("Щукин")), 5);
    EXPECT_EQ(leftCharacters(kSmile.repeated(3) + QStringLiteral("ab"), 2), kSmile.repeated(2));
    EXPECT_EQ(leftCharacters(QStringLiteral("ab"), 5), QStringLiteral("ab"));
    // A lone half of a pair counts as a character of its own.
    const QString lone = QString(QChar(0xD83D)) + QStringLiteral("x");
    EXPECT_EQ(characterCount(lone), 2);
    EXPECT_EQ(leftCharacters(lone, 1), QString(QChar(0xD83D)));

    EXPECT_EQ(linkIdText(0), QString());
    EXPECT_EQ(linkIdText(12), QStringLiteral("12"));
    EXPECT_EQ(linkIdValue(QString()), 0);
    EXPECT_EQ(linkIdValue(QStringLiteral("12abc")), 12);
    EXPECT_EQ(linkIdValue(QStringLiteral("99999")), 32767);
    EXPECT_EQ(linkIdValue(QStringLiteral("-99999")), -32768);

    Contact c;
    c.text(ContactField::Name) = QStringLiteral("王").repeated(40);
    c.text(ContactField::PhoneType2) = kSmile.repeated(7);
    c.text(ContactField::Comments) = QStringLiteral("kept   ");
    const Contact cut = cutToFieldWidths(c);
    EXPECT_EQ(cut.text(ContactField::Name), QStringLiteral("王").repeated(35));
    EXPECT_EQ(cut.text(ContactField::PhoneType2), kSmile.repeated(6));
    EXPECT_EQ(cut.text(ContactField::Comments), QStringLiteral("kept"));

    // The clipboard's lines are 35 characters each, in the person's spelling.
    Contact addressed;
    addressed.text(ContactField::Name) = QStringLiteral("דוד");
    addressed.text(ContactField::AddrLine2) = kSmile + QStringLiteral(" Way");
    const QStringList lines = nameAndAddressText(addressed).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], QStringLiteral("דוד") + QString(32, QLatin1Char(' ')));
    EXPECT_EQ(lines[1], QString(35, QLatin1Char(' ')));
    EXPECT_EQ(lines[2], kSmile + QStringLiteral(" Way") + QString(30, QLatin1Char(' ')));
}

TEST(RecordFields, AStoredContactReadsBackAsTypedAndTheBufferHoldsItsRecord)
{
    TestEnv env;
    env.openFile(people(1, 2));
    Program& p = env.p();
    Contact typed = contactOf(p, 2, readRecord(env.naPath(), 3));
    typed.text(ContactField::Name) = QStringLiteral("Γιώργος Παπαδόπουλος");
    typed.text(ContactField::AddrLine1) = QStringLiteral("王").repeated(36);
    typed.linkIds[0] = 1;

    const Contact shown = storeContact(p, 2, typed);
    EXPECT_EQ(shown.text(ContactField::Name), typed.text(ContactField::Name));
    EXPECT_EQ(shown.text(ContactField::AddrLine1), QStringLiteral("王").repeated(35));
    EXPECT_EQ(shown.linkIds[0], 1);
    const QByteArray onDisk = recordBytes(env.naPath(), 3);
    EXPECT_EQ(p.CurRec.toBytes(), onDisk);
    EXPECT_EQ(p.CurRec.Name.size(), 35) << "as a read leaves it, at the field's width";
    EXPECT_EQ(trimRight(p.CurRec.Name),
              reduceToCp1252(typed.text(ContactField::Name)).left(35).trimmed());
    EXPECT_EQ(contactInBuffer(p).text(ContactField::Name), typed.text(ContactField::Name));
}

} // namespace
} // namespace tavrel::test
