#pragma once

#include "exchange/Export.h"
#include "exchange/Import.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/RecordAccess.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

namespace tavrel::test {

// A program over an N&A file of its own, with import and export at hand.
class ExchangeTest : public ::testing::Test {
protected:
    TestEnv env;
    Program& p() { return env.p(); }

    // Reads `bytes` as an import file, plans it and writes it; the plan stays in `plan`.
    ImportResult importBytes(const QByteArray& bytes,
                             OverflowChoice choice = OverflowChoice::MoveToComments,
                             const QString& name = QStringLiteral("in.vcf"))
    {
        const ImportSource source = readImportBytes(bytes, name);
        EXPECT_TRUE(source.error.isEmpty()) << source.error.toStdString();
        plan = planImport(p(), source, choice);
        return runImport(p(), plan);
    }
    // The one entry a file holds.
    static Entry onlyEntry(const QByteArray& bytes)
    {
        const ImportSource s = readImportBytes(bytes, QStringLiteral("x"));
        EXPECT_EQ(s.entries.size(), 1) << s.error.toStdString();
        return s.entries.value(0);
    }
    NARecord stored(int id) { return readRecord(env.naPath(), id + 1); }
    QString field(const QString& s) { return trimRight(s); }

    ImportPlan plan;
};

// Joins lines with CR LF, the way most programs end them.
inline QByteArray crlf(const QStringList& lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace tavrel::test
