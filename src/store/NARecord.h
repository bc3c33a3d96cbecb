#pragma once

#include <QByteArray>
#include <QString>
#include <array>

namespace tavrel {

// One 574-byte record of the N&A file. Text fields hold their full fixed width
// (trailing blanks included) after a read; anything assigned is cut or padded
// to the field width when the record is written.
struct NARecord {
    static constexpr int Size = 574;

    QString RecStatus; // "CRVN" active, "DELR" deleted
    qint16 RecId = 0;
    QString Name;
    QString AddrLine1;
    QString AddrLine2;
    QString AddrLine3;
    QString AddrLine4;
    QString PhoneType1;
    QString PhoneNum1;
    QString PhoneType2;
    QString PhoneNum2;
    QString PhoneType3;
    QString PhoneNum3;
    QString PhoneType4;
    QString PhoneNum4;
    QString PhoneType5;
    QString PhoneNum5;
    QString EMail;
    QString Comments;
    QString SortKey1;
    QString SortKey2;
    qint16 LinkId1 = 0;
    QString LinkText1;
    qint16 LinkId2 = 0;
    QString LinkText2;
    qint16 LinkId3 = 0;
    QString LinkText3;
    qint16 LinkId4 = 0;
    QString LinkText4;
    qint16 BackLinkId = 0;
    qint16 Spare1 = 0;
    qint16 Spare2 = 0;
    qint16 Spare3 = 0;

    // Decodes exactly Size bytes; a shorter buffer reads as if padded with zero bytes.
    static NARecord fromBytes(const QByteArray& bytes);
    // The same decoding into this record, reusing the storage of its fields.
    void assignBytes(const QByteArray& bytes);
    QByteArray toBytes() const;

    // A record with every text field blank and every integer 0.
    static NARecord blank();

    // Indexed access to the repeating groups (i = 1..5 phones, 1..4 links).
    QString& phoneType(int i);
    QString& phoneNum(int i);
    qint16& linkId(int i);
    QString& linkText(int i);
    const QString& phoneType(int i) const;
    const QString& phoneNum(int i) const;
    qint16 linkId(int i) const;
    const QString& linkText(int i) const;
};

// Layout of the record: offset and width of each field, in file order.
struct FieldLayout {
    const char* name;
    int offset;
    int width;
    bool integer;
};
extern const std::array<FieldLayout, 33> kNARecordLayout;

// Field widths the record screens and reports need.
namespace Width {
inline constexpr int RecStatus = 4, Name = 35, Addr = 35, PhoneType = 6, PhoneNum = 20, EMail = 35,
                     Comments = 100, SortKey = 16, LinkText = 20;
}

} // namespace tavrel
