#include "store/NARecord.h"

#include "platform/Text.h"

#include <QtEndian>

namespace tavrel {

const std::array<FieldLayout, 33> kNARecordLayout = {{
    {"RecStatus", 0, 4, false},    {"RecId", 4, 2, true},         {"Name", 6, 35, false},
    {"AddrLine1", 41, 35, false},  {"AddrLine2", 76, 35, false},  {"AddrLine3", 111, 35, false},
    {"AddrLine4", 146, 35, false}, {"PhoneType1", 181, 6, false}, {"PhoneNum1", 187, 20, false},
    {"PhoneType2", 207, 6, false}, {"PhoneNum2", 213, 20, false}, {"PhoneType3", 233, 6, false},
    {"PhoneNum3", 239, 20, false}, {"PhoneType4", 259, 6, false}, {"PhoneNum4", 265, 20, false},
    {"PhoneType5", 285, 6, false}, {"PhoneNum5", 291, 20, false}, {"EMail", 311, 35, false},
    {"Comments", 346, 100, false}, {"SortKey1", 446, 16, false},  {"SortKey2", 462, 16, false},
    {"LinkId1", 478, 2, true},     {"LinkText1", 480, 20, false}, {"LinkId2", 500, 2, true},
    {"LinkText2", 502, 20, false}, {"LinkId3", 522, 2, true},     {"LinkText3", 524, 20, false},
    {"LinkId4", 544, 2, true},     {"LinkText4", 546, 20, false}, {"BackLinkId", 566, 2, true},
    {"Spare1", 568, 2, true},      {"Spare2", 570, 2, true},      {"Spare3", 572, 2, true},
}};

namespace {

// Windows-1252 byte to character, taken once from the platform conversion so
// that reading a record does not set up a converter for every field.
struct ByteChars {
    std::array<char16_t, 256> chars{};
    bool oneEach = true; // every byte decodes to exactly one character
};

const ByteChars& byteChars()
{
    static const ByteChars table = [] {
        ByteChars t;
        for (int b = 0; b < 256; ++b) {
            const QString s = cp1252ToUnicode(QByteArray(1, char(b)));
            if (s.size() == 1)
                t.chars[b] = s.at(0).unicode();
            else
                t.oneEach = false;
        }
        return t;
    }();
    return table;
}

// Decodes a field into `s`, reusing its storage when nothing else shares it,
// so reading record after record into the same buffer allocates nothing.
void decodeField(QString& s, const char* bytes, int width)
{
    const ByteChars& table = byteChars();
    if (!table.oneEach) {
        s = cp1252ToUnicode(QByteArray(bytes, width));
        return;
    }
    const auto* in = reinterpret_cast<const unsigned char*>(bytes);
    // Most fields of one record read as they did in the last (blank ones
    // above all): those keep their string as it is.
    if (s.size() == width) {
        const char16_t* have = reinterpret_cast<const char16_t*>(s.constData());
        int i = 0;
        while (i < width && have[i] == table.chars[in[i]])
            ++i;
        if (i == width)
            return;
    }
    // A string shared with a copy of an earlier record is replaced, not
    // resized: resizing would first copy the old text only to overwrite it.
    if (!s.isDetached() || s.size() != width)
        s = QString(width, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(s.data());
    for (int i = 0; i < width; ++i)
        out[i] = table.chars[in[i]];
}

// The fields in layout order, so encoding and decoding walk one table.
template <typename Rec, typename TextFn, typename IntFn>
void forEachField(Rec& r, TextFn text, IntFn integer)
{
    const auto& L = kNARecordLayout;
    text(r.RecStatus, L[0]);
    integer(r.RecId, L[1]);
    text(r.Name, L[2]);
    text(r.AddrLine1, L[3]);
    text(r.AddrLine2, L[4]);
    text(r.AddrLine3, L[5]);
    text(r.AddrLine4, L[6]);
    text(r.PhoneType1, L[7]);
    text(r.PhoneNum1, L[8]);
    text(r.PhoneType2, L[9]);
    text(r.PhoneNum2, L[10]);
    text(r.PhoneType3, L[11]);
    text(r.PhoneNum3, L[12]);
    text(r.PhoneType4, L[13]);
    text(r.PhoneNum4, L[14]);
    text(r.PhoneType5, L[15]);
    text(r.PhoneNum5, L[16]);
    text(r.EMail, L[17]);
    text(r.Comments, L[18]);
    text(r.SortKey1, L[19]);
    text(r.SortKey2, L[20]);
    integer(r.LinkId1, L[21]);
    text(r.LinkText1, L[22]);
    integer(r.LinkId2, L[23]);
    text(r.LinkText2, L[24]);
    integer(r.LinkId3, L[25]);
    text(r.LinkText3, L[26]);
    integer(r.LinkId4, L[27]);
    text(r.LinkText4, L[28]);
    integer(r.BackLinkId, L[29]);
    integer(r.Spare1, L[30]);
    integer(r.Spare2, L[31]);
    integer(r.Spare3, L[32]);
}

} // namespace

NARecord NARecord::fromBytes(const QByteArray& bytes)
{
    NARecord r;
    r.assignBytes(bytes);
    return r;
}

void NARecord::assignBytes(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    QByteArray padded;
    if (bytes.size() < Size) {
        padded = bytes;
        padded.append(QByteArray(Size - bytes.size(), '\0'));
        data = padded.constData();
    }
    forEachField(
        *this, [&](QString& s, const FieldLayout& f) { decodeField(s, data + f.offset, f.width); },
        [&](qint16& v, const FieldLayout& f) { v = qFromLittleEndian<qint16>(data + f.offset); });
}

QByteArray NARecord::toBytes() const
{
    QByteArray b(Size, ' ');
    forEachField(
        *this,
        [&](const QString& s, const FieldLayout& f) {
            writeFixedField(s, b.data() + f.offset, f.width);
        },
        [&](const qint16& v, const FieldLayout& f) {
            qToLittleEndian<qint16>(v, b.data() + f.offset);
        });
    return b;
}

NARecord NARecord::blank()
{
    NARecord r;
    forEachField(
        r, [](QString& s, const FieldLayout& f) { s = QString(f.width, QLatin1Char(' ')); },
        [](qint16& v, const FieldLayout&) { v = 0; });
    return r;
}

QString& NARecord::phoneType(int i)
{
    QString* f[] = {&PhoneType1, &PhoneType2, &PhoneType3, &PhoneType4, &PhoneType5};
    return *f[qBound(1, i, 5) - 1];
}

QString& NARecord::phoneNum(int i)
{
    QString* f[] = {&PhoneNum1, &PhoneNum2, &PhoneNum3, &PhoneNum4, &PhoneNum5};
    return *f[qBound(1, i, 5) - 1];
}

qint16& NARecord::linkId(int i)
{
    qint16* f[] = {&LinkId1, &LinkId2, &LinkId3, &LinkId4};
    return *f[qBound(1, i, 4) - 1];
}

QString& NARecord::linkText(int i)
{
    QString* f[] = {&LinkText1, &LinkText2, &LinkText3, &LinkText4};
    return *f[qBound(1, i, 4) - 1];
}

const QString& NARecord::phoneType(int i) const
{
    return const_cast<NARecord*>(this)->phoneType(i);
}
const QString& NARecord::phoneNum(int i) const
{
    return const_cast<NARecord*>(this)->phoneNum(i);
}
qint16 NARecord::linkId(int i) const
{
    return const_cast<NARecord*>(this)->linkId(i);
}
const QString& NARecord::linkText(int i) const
{
    return const_cast<NARecord*>(this)->linkText(i);
}

} // namespace tavrel
