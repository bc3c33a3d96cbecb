#pragma once

#include "exchange/CommandLine.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/Export.h"
#include "exchange/Import.h"
#include "exchange/ImportDialog.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Windows.h"
#include "store/RecordAccess.h"
#include "support/Gui.h"
#include "support/TestEnv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
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
    QString field(const QString& s) { return trimRight(s); }

    ImportPlan plan;
};

// Joins lines with CR LF, the way most programs end them.
inline QByteArray crlf(const QStringList& lines)
{
    return (lines.join("\r\n") + "\r\n").toUtf8();
}

} // namespace tavrel::test
