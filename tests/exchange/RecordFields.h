#pragma once

#include "platform/Text.h"
#include "store/NARecord.h"

#include <QList>
#include <QString>
#include <gtest/gtest.h>

namespace tavrel::test {

// A text field of `r` by a short name, as tables of records write it: "Name",
// "EMail", "Comments", "Addr1".."Addr4", "Key1", "Key2", "Link1".."Link5" (a
// QuickLink's text); nullptr for any other ("Tel1".."Tel5" are two fields each).
inline QString* textField(NARecord& r, const QString& name)
{
    const int n = name.right(1).toInt();
    QString* lines[] = {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4};
    if (name.startsWith("Addr"))
        return lines[n - 1];
    if (name.startsWith("Link"))
        return &r.linkText(n);
    return name == "Name"       ? &r.Name
           : name == "EMail"    ? &r.EMail
           : name == "Comments" ? &r.Comments
           : name == "Key1"     ? &r.SortKey1
           : name == "Key2"     ? &r.SortKey2
                                : nullptr;
}

// A record's field by its short name, a telephone as "Label: number"; blanks
// on the right dropped.
inline QString recordField(NARecord r, const QString& name)
{
    if (name.startsWith("Tel")) {
        const int n = name.right(1).toInt();
        return trimRight(r.phoneType(n)) + ": " + trimRight(r.phoneNum(n));
    }
    const QString* field = textField(r, name);
    return field ? trimRight(*field) : "(no field " + name + ")";
}

// "Name=Ann Lee|Tel1=Home: 555" as its (field, value) pairs, in order.
inline QList<std::pair<QString, QString>> fieldList(const char* fields)
{
    QList<std::pair<QString, QString>> out;
    for (const QString& part : QString::fromUtf8(fields).split('|')) {
        const qsizetype eq = part.indexOf('=');
        out.append({part.left(eq), part.mid(eq + 1)});
    }
    return out;
}

// `r` with the fields `fields` names set: "Tel2=Home: 555" sets label and number,
// "Link4=Sister" the QuickLink's text.
inline NARecord withFields(NARecord r, const char* fields)
{
    for (const auto& [name, value] : fieldList(fields)) {
        if (!name.startsWith("Tel")) {
            *textField(r, name) = value;
            continue;
        }
        const int n = name.right(1).toInt();
        r.phoneType(n) = value.section(": ", 0, 0);
        r.phoneNum(n) = value.section(": ", 1);
    }
    return r;
}

// Each field `fields` names holds exactly its value.
inline void expectFields(const NARecord& r, const char* fields)
{
    for (const auto& [name, value] : fieldList(fields))
        EXPECT_EQ(recordField(r, name).toStdString(), value.toStdString()) << name.toStdString();
}

} // namespace tavrel::test
