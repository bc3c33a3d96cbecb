// The sync log kept to its size, whatever one sync has to say.
#include "sync/SyncLog.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tavrel;

namespace {

QStringList sectionOf(const QString& when, int lines)
{
    QStringList s{QStringLiteral("Sync of %1 with http://127.0.0.1/book/").arg(when),
                  QStringLiteral("Synced: here %1 added.").arg(lines)};
    for (int i = 0; i < lines; ++i)
        s << QStringLiteral("Not stored, the N&A file is full (1700 records): Person %1.").arg(i);
    return s;
}

QByteArray bytesOf(const QStringList& section)
{
    return section.join('\n').toUtf8() + "\n\n";
}

} // namespace

// A sync whose lines alone pass the limit keeps its heading, its summary and
// its first lines, says how many it left out, and ends within the limit.
TEST(SyncLog, ASectionOverTheLimitKeepsItsHeadAndFirstLinesAndSaysHowManyWentWithin)
{
    const QStringList big = sectionOf(QStringLiteral("2026-03-14 09:05:07"), 2000);
    const QByteArray old = bytesOf(sectionOf(QStringLiteral("2026-03-13 08:00:00"), 3));
    for (const qsizetype limit : {qsizetype(4096), qsizetype(50000), kMaxLogBytes / 16}) {
        const QByteArray log = appendLogSection(old, big, limit);
        ASSERT_LE(log.size(), limit);
        ASSERT_TRUE(log.endsWith("\n\n"));
        const QStringList lines = QString::fromUtf8(log).split('\n');
        ASSERT_GE(lines.size(), 4);
        EXPECT_EQ(lines[0], big[0]) << "the older sync gives way";
        EXPECT_EQ(lines[1], big[1]);
        const QRegularExpressionMatch note =
            QRegularExpression(QStringLiteral("^(\\d+) more lines")).match(lines[lines.size() - 3]);
        ASSERT_TRUE(note.hasMatch()) << lines[lines.size() - 3].toStdString();
        const int kept = int(lines.size()) - 5; // heading, summary, note and the blank end
        EXPECT_GT(kept, 0);
        EXPECT_EQ(kept + note.captured(1).toInt(), 2000);
        for (int i = 0; i < kept; ++i)
            ASSERT_EQ(lines[2 + i], big[2 + i]);
        // As many as fit: one more line would not have.
        EXPECT_GT(log.size() + big[2 + kept].toUtf8().size() + 1, limit - 60);
    }
}

// Older syncs go whole, oldest first, until the new one fits; a log that holds
// no sections it can tell apart goes entirely.
TEST(SyncLog, OlderSyncsGoWholeOldestFirstUntilTheNewOneFits)
{
    const QByteArray first = bytesOf(sectionOf(QStringLiteral("2026-03-10 08:00:00"), 10));
    const QByteArray second = bytesOf(sectionOf(QStringLiteral("2026-03-11 08:00:00"), 10));
    const QByteArray third = bytesOf(sectionOf(QStringLiteral("2026-03-12 08:00:00"), 10));
    const QStringList now = sectionOf(QStringLiteral("2026-03-13 08:00:00"), 2);
    const QByteArray all = first + second + third;
    EXPECT_EQ(appendLogSection(all, now, kMaxLogBytes), all + bytesOf(now));
    const qsizetype limit = second.size() + third.size() + bytesOf(now).size();
    EXPECT_EQ(appendLogSection(all, now, limit), second + third + bytesOf(now));
    EXPECT_EQ(appendLogSection(all, now, limit - 1), third + bytesOf(now));
    const QByteArray noSections(10000, 'x');
    EXPECT_EQ(appendLogSection(noSections, now, 5000), bytesOf(now));
}
