#pragma once

#include "store/ContactAccess.h"
#include "store/Program.h"

#include <QString>
#include <gtest/gtest.h>

// Names and streets in alphabets the code page lacks, as people type them, for
// the tests of what prints their own spelling.
namespace tavrel::test::spellings {

inline const QString kRussian = QStringLiteral("Иван Петров");
inline const QString kRussianStreet = QStringLiteral("ул. Ленина 5");
inline const QString kGreek = QStringLiteral("Γιώργος Παπαδόπουλος");
inline const QString kHebrew = QStringLiteral("דוד כהן");
inline const QString kHebrewStreet = QStringLiteral("רחוב הרצל 12");
inline const QString kChinese = QStringLiteral("王小明");
inline const QString kArabic = QStringLiteral("محمد عبد الله");
inline const QString kArabicStreet = QStringLiteral("شارع الملك فهد 7");
// 40 characters, far wider than any label or envelope line holds.
inline const QString kLongChinese = QStringLiteral(
    "北京市朝阳区建国门外大街甲十二号国际贸易中心写字楼第三座二十八层东方明珠文化传播");

// The Hebrew name and street as they stand on the page, read off left to
// right: laid out right to left, the letters run backwards and the number
// stands at the left.
inline const QString kHebrewOnPage = QStringLiteral("ןהכ דוד");
inline const QString kHebrewStreetOnPage = QStringLiteral("12 לצרה בוחר");

// Gives record `id`, whose bytes are `record`, the name (and the first address
// line, when one is given) as typed, through the program's contact write.
inline void spell(Program& p, int id, const NARecord& record, const QString& name,
                  const QString& street = QString())
{
    Contact c = decodeContact(record);
    c.text(ContactField::Name) = name;
    if (!street.isEmpty())
        c.text(ContactField::AddrLine1) = street;
    putContact(p, id + 1, c);
    ASSERT_TRUE(p.Spellings.contains(id));
}

} // namespace tavrel::test::spellings
