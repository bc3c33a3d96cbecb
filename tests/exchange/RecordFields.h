#pragma once

#include "platform/Text.h"
#include "store/NARecord.h"

#include <QList>
#include <QString>
#include <gtest/gtest.h>

namespace tavrel::test {

// A record's field by a short name, as tables of expected imports write it:
// "Name", "Addr1".."Addr4", "Tel1".."Tel5" ("Label: number"), "EMail",
// "Comments", "Key1", "Key2"; blanks on the right dropped.
inline QString recordField(const NARecord& r, const QString& name)
{
    if (name == "Name")
        return trimRight(r.Name);
    if (name == "EMail")
        return trimRight(r.EMail);
    if (name == "Comments")
        return trimRight(r.Comments);
    const int n = name.right(1).toInt();
    if (name.startsWith("Addr")) {
        const QString* lines[] = {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4};
        return trimRight(*lines[n - 1]);
    }
    if (name.startsWith("Tel"))
        return trimRight(r.phoneType(n)) + ": " + trimRight(r.phoneNum(n));
    if (name.startsWith("Key"))
        return trimRight(n == 1 ? r.SortKey1 : r.SortKey2);
    return "(no field " + name + ")";
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
        const int n = name.right(1).toInt();
        QString* lines[] = {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4};
        if (name.startsWith("Tel")) {
            r.phoneType(n) = value.section(": ", 0, 0);
            r.phoneNum(n) = value.section(": ", 1);
        } else {
            QString& field = name == "Name"            ? r.Name
                             : name == "EMail"         ? r.EMail
                             : name == "Comments"      ? r.Comments
                             : name.startsWith("Link") ? r.linkText(n)
                                                       : *lines[n - 1];
            field = value;
        }
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
