#pragma once

#include "exchange/CommandLine.h"
#include "exchange/gui/ExchangeCommands.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "exchange/gui/ImportDialog.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Windows.h"
#include "store/RecordAccess.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextStream>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace tavrel::test {

// A program over an N&A file of its own, with import and export at hand.
class ExchangeTest : public ::testing::Test {
protected:
    TestEnv env;
    Program& p() { return env.p(); }

    // Reads `bytes` as an import file, plans it and writes it; the plan stays in
    // `plan`.
    ImportResult importBytes(const QByteArray& bytes,
                             OverflowChoice choice = OverflowChoice::MoveToComments,
                             const QString& name = "in.vcf")
    {
        const ImportSource source = readImportBytes(bytes, name);
        EXPECT_TRUE(source.error.isEmpty()) << source.error.toStdString();
        plan = planImport(p(), source, choice);
        return runImport(p(), plan);
    }
    // The one entry a file holds.
    static Entry onlyEntry(const QByteArray& bytes)
    {
        const ImportSource s = readImportBytes(bytes, "x");
        EXPECT_EQ(s.entries.size(), 1) << s.error.toStdString();
        return s.entries.value(0);
    }
    // Runs the command line; its exit status and what it printed.
    std::pair<int, QString> command(const QStringList& args)
    {
        QString text;
        QTextStream out(&text);
        const int status = runExchangeCommand(p(), QStringList{"tavrel"} + args, out);
        out.flush();
        return {status, text};
    }
    // Writes `bytes` beside the N&A file and reads them in the import window.
    ImportDialog* openImport(const QByteArray& bytes, const QString& name = "in.vcf")
    {
        writeBytes(env.dir() + "/" + name, bytes);
        startImport(p());
        auto* form = windowOf<ImportDialog>("ImportForm");
        type(form->fileEdit, name);
        click(form->readButton);
        return form;
    }
    NARecord stored(int id) { return readRecord(env.naPath(), id + 1); }

    ImportPlan plan;
};

// Joins lines with CR LF, the way most programs end them.
inline QByteArray crlf(const QStringList& lines)
{
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

// One card of these properties.
inline QByteArray card(const QStringList& body, const QString& version = "3.0")
{
    return crlf(QStringList{"BEGIN:VCARD", "VERSION:" + version} + body + QStringList{"END:VCARD"});
}

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
