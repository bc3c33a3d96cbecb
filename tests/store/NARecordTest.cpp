#include "store/NARecord.h"

#include <gtest/gtest.h>

using namespace tavrel;

namespace {

template <typename T> struct Field {
    const char* name;
    int offset;
    int width;
    T NARecord::*member;
};
// clang-format off
#define FIELD(name, offset, width) Field{#name, offset, width, &NARecord::name}
// clang-format on

// Where each field lies in the 574 bytes, written out independently of the
// program's own table so a slip in either shows.
const Field<QString> kTextFields[] = {
    FIELD(RecStatus, 0, 4),    FIELD(Name, 6, 35),        FIELD(AddrLine1, 41, 35),
    FIELD(AddrLine2, 76, 35),  FIELD(AddrLine3, 111, 35), FIELD(AddrLine4, 146, 35),
    FIELD(PhoneType1, 181, 6), FIELD(PhoneNum1, 187, 20), FIELD(PhoneType2, 207, 6),
    FIELD(PhoneNum2, 213, 20), FIELD(PhoneType3, 233, 6), FIELD(PhoneNum3, 239, 20),
    FIELD(PhoneType4, 259, 6), FIELD(PhoneNum4, 265, 20), FIELD(PhoneType5, 285, 6),
    FIELD(PhoneNum5, 291, 20), FIELD(EMail, 311, 35),     FIELD(Comments, 346, 100),
    FIELD(SortKey1, 446, 16),  FIELD(SortKey2, 462, 16),  FIELD(LinkText1, 480, 20),
    FIELD(LinkText2, 502, 20), FIELD(LinkText3, 524, 20), FIELD(LinkText4, 546, 20),
};
const Field<qint16> kIntFields[] = {
    FIELD(RecId, 4, 2),     FIELD(LinkId1, 478, 2), FIELD(LinkId2, 500, 2),
    FIELD(LinkId3, 522, 2), FIELD(LinkId4, 544, 2), FIELD(BackLinkId, 566, 2),
    FIELD(Spare1, 568, 2),  FIELD(Spare2, 570, 2),  FIELD(Spare3, 572, 2),
};
#undef FIELD

} // namespace

TEST(NARecord, EveryFieldLandsAtItsOffsetPaddedWithBlanks)
{
    // Each text field gets a short value of its own letter, each integer a
    // value whose two bytes differ, so a field at the wrong place or of the
    // wrong width, or a big-endian integer, shows in the bytes.
    NARecord r = NARecord::blank();
    char letter = 'A';
    for (const auto& f : kTextFields)
        r.*f.member = QString(2, QLatin1Char(letter++));
    qint16 value = 0x0102;
    for (const auto& f : kIntFields) {
        r.*f.member = value;
        value = qint16(value + 0x0203);
    }
    const QByteArray b = r.toBytes();
    ASSERT_EQ(b.size(), 574);

    letter = 'A';
    for (const auto& f : kTextFields) {
        const QByteArray expected = QByteArray(2, letter++) + QByteArray(f.width - 2, ' ');
        EXPECT_EQ(b.mid(f.offset, f.width), expected) << f.name;
    }
    value = 0x0102;
    for (const auto& f : kIntFields) {
        EXPECT_EQ(quint8(b[f.offset]), quint8(value & 0xff)) << f.name << " low byte first";
        EXPECT_EQ(quint8(b[f.offset + 1]), quint8(value >> 8)) << f.name;
        value = qint16(value + 0x0203);
    }

    // Reading the bytes back gives every field at full width, blanks included.
    const NARecord back = NARecord::fromBytes(b);
    EXPECT_EQ(back.Name, QStringLiteral("BB") + QString(33, QLatin1Char(' ')));
    EXPECT_EQ(back.toBytes(), b);
}

TEST(NARecord, TextIsWindows1252AndCutAtTheFieldWidth)
{
    NARecord r = NARecord::blank();
    r.Name = "Café € ☃"; // ☃ has no byte in the code page, nor a spelling
    r.PhoneType1 = "Mobile phone";
    r.SortKey1 = QString(40, QLatin1Char('x'));
    r.RecId = -2;
    const QByteArray b = r.toBytes();
    EXPECT_EQ(b.mid(6, 10), QByteArray("Caf\xE9 \x80 ?  "));
    EXPECT_EQ(b.mid(181, 6), QByteArray("Mobile")) << "cut at six, next field untouched";
    EXPECT_EQ(b.mid(187, 1), QByteArray(" "));
    EXPECT_EQ(b.mid(446, 16), QByteArray(16, 'x'));
    EXPECT_EQ(b.mid(4, 2), QByteArray("\xFE\xFF", 2)) << "signed, little-endian";

    const NARecord back = NARecord::fromBytes(b);
    EXPECT_EQ(back.Name.left(9), "Café € ? ");
    EXPECT_EQ(back.RecId, -2);
}

TEST(NARecord, AnyBytesDecodeOneCharacterEachAndWriteBackUnchanged)
{
    // A record of every byte value, as a damaged file may hold: each byte is
    // one character, so the fields keep their widths and a rewrite changes nothing.
    QByteArray b(574, '\0');
    for (int i = 0; i < b.size(); ++i)
        b[i] = char((i * 37 + 11) & 0xff);
    const NARecord r = NARecord::fromBytes(b);
    EXPECT_EQ(r.toBytes(), b);

    // Reading into a record that already holds data replaces every field.
    NARecord reused = NARecord::fromBytes(QByteArray(574, 'z'));
    const QString kept = reused.Name; // a copy held elsewhere must not change
    reused.assignBytes(b);
    EXPECT_EQ(reused.toBytes(), b);
    EXPECT_EQ(kept, QString(35, QLatin1Char('z')));
    // Read again with only the last byte of the name changed: the fields that
    // read as before stay, the name changes.
    QByteArray c = b;
    c[6 + 34] = char(c[6 + 34] ^ 1);
    reused.assignBytes(c);
    EXPECT_EQ(reused.toBytes(), c);

    // A short buffer reads as if the rest were zero bytes.
    const NARecord shortRec = NARecord::fromBytes(QByteArray("CRVN\x05", 5));
    EXPECT_EQ(shortRec.RecId, 5);
    EXPECT_EQ(shortRec.Name, QString(35, QChar(0)));
}
