// The About box's date line and the help topics behind the menus.
#include "ShellFixture.h"

#include "platform/gui/HelpWindow.h"
#include "platform/gui/PreviewWindow.h"
#include "platform/gui/RecordingPrinter.h"
#include "platform/gui/Windows.h"
#include "shell/AboutDialog.h"
#include "shell/ShellResources.h"

#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

namespace tavrel::test {
namespace {

TEST(AboutBox, DateLineUsesTwoDigitDateAndTwelveHourClock)
{
    const QString f = QStringLiteral("/opt/tavrel/tavrel");
    auto at = [&](int h, int m) {
        return exeDateText(f, QDateTime(QDate(2007, 1, 5), QTime(h, m)));
    };
    EXPECT_EQ(at(21, 5), QStringLiteral("/opt/tavrel/tavrel  01/05/07 At 9:05 PM"));
    EXPECT_EQ(at(0, 7), QStringLiteral("/opt/tavrel/tavrel  01/05/07 At 12:07 AM"));
    EXPECT_EQ(at(12, 30), QStringLiteral("/opt/tavrel/tavrel  01/05/07 At 12:30 PM"));
    EXPECT_EQ(at(9, 59), QStringLiteral("/opt/tavrel/tavrel  01/05/07 At 9:59 AM"));
    EXPECT_EQ(exeDateText(f, std::nullopt), QStringLiteral("Unable To Verify EXE Date And Time"));
}

TEST(AboutBox, ShowsTheProgramFileDateOrSaysItCannot)
{
    TestEnv env;
    const QString exe = env.dir() + QStringLiteral("/tavrel");
    {
        QFile f(exe);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
        f.flush();
        ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2025, 11, 30), QTime(15, 4)),
                                  QFileDevice::FileModificationTime));
    }
    AboutDialog about(env.p(), exe, AboutDialog::Mode::About);
    about.show();
    auto* text = control<QLineEdit>(&about, QStringLiteral("Text1"));
    EXPECT_EQ(text->text(), exe + QStringLiteral("  11/30/25 At 3:04 PM"));
    EXPECT_TRUE(text->isReadOnly());

    AboutDialog missing(env.p(), exe + QStringLiteral(".gone"), AboutDialog::Mode::About);
    EXPECT_EQ(control<QLineEdit>(&missing, QStringLiteral("Text1"))->text(),
              QStringLiteral("Unable To Verify EXE Date And Time"));
}

// --- help topics ---

QString resourceText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

QStringList topicFiles()
{
    initShellResources();
    QStringList out;
    for (const QString& line :
         resourceText(QStringLiteral(":/help/contents.html")).split(QLatin1Char('\n'))) {
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\""));
        for (auto m = link.globalMatch(line); m.hasNext();)
            out << m.next().captured(1);
    }
    return out;
}

TEST(HelpTopics, EveryLinkLeadsToATopicAndEveryTopicIsInTheContents)
{
    const QStringList listed = topicFiles();
    ASSERT_GE(listed.size(), 20);
    QDir dir(QStringLiteral(":/help"));
    const QStringList all = dir.entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString& topic : all) {
        SCOPED_TRACE(topic.toStdString());
        if (topic != QLatin1String("contents.html")) {
            EXPECT_TRUE(listed.contains(topic)) << "not reachable from the contents";
        }
        const QString html = resourceText(QStringLiteral(":/help/") + topic);
        EXPECT_TRUE(html.contains(QLatin1String("<title>")));
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\""));
        for (auto m = link.globalMatch(html); m.hasNext();) {
            const QString target = m.next().captured(1);
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target))
                << "broken link to " << target.toStdString();
        }
    }
}

// The printing topics say what Cancel really does, and About Printing, where
// the label-stock window sends the person, explains the two kinds of stock.
TEST(HelpTopics, PrintingTopicsTellWhatCancelDoesAndExplainTheLabelStocks)
{
    initShellResources();
    const QString about = resourceText(QStringLiteral(":/help/about-printing.html"));
    for (const char* words : {"Cut Sheets (8 Labels/Sheet)", "Continuous Forms (12 Labels/Sheet)",
                              "12 inches long", "Standard Position", "Test page"})
        EXPECT_TRUE(about.contains(QLatin1String(words))) << words;
    for (const char* topic : {"about-printing.html", "print.html"}) {
        const QString html = resourceText(QStringLiteral(":/help/") + QLatin1String(topic));
        EXPECT_FALSE(html.contains(QLatin1String("stops after the page being printed"))) << topic;
        EXPECT_TRUE(html.simplified().contains(QLatin1String("nothing of it is printed"))) << topic;
    }
}

TEST_F(ShellTest, EveryMenuHelpNumberOpensItsOwnTopic)
{
    openFile(2);
    HelpWindow help;
    QSet<QString> topics;
    int numbered = 0;
    for (QAction* a : mainWindow()->findChildren<QAction*>()) {
        const int n = a->property("helpContext").toInt();
        if (!n)
            continue;
        ++numbered;
        SCOPED_TRACE(a->objectName().toStdString());
        const QString topic = help.topicForContext(n);
        EXPECT_NE(topic, QStringLiteral("contents.html"));
        EXPECT_FALSE(topics.contains(topic)) << "two menu items share " << topic.toStdString();
        topics.insert(topic);
    }
    EXPECT_EQ(numbered, 19);

    // The topics other messages send the user to exist under these titles.
    QStringList titles;
    for (const auto& e : help.indexEntries())
        titles << e.text;
    EXPECT_TRUE(titles.contains(QStringLiteral("Creating A Mailing List")));
    EXPECT_TRUE(titles.contains(QStringLiteral("About Printing")));
    EXPECT_TRUE(titles.contains(QStringLiteral("Getting Started")));
}

TEST_F(ShellTest, F1InTheImportExportAndBackupsWindowsOpensTheirTopics)
{
    openFile(2);
    HelpWindow help;
    const struct {
        const char *item, *window, *topic, *words;
    } rows[] = {
        {"ImportMenu", "ImportForm", "import.html", "tavrel --import FILE"},
        {"ExportMenu", "ExportForm", "export.html", "tavrel --export FORMAT FILE"},
        {"BackupsMenu", "BackupForm", "backups.html", "tavrel --restore NAME"},
        {"SyncMenu", "SyncForm", "sync.html", "tavrel --sync"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.window);
        env.help.calls.clear();
        choose(QLatin1String(row.item));
        settle();
        QWidget* w = loadedWindow(QLatin1String(row.window));
        ASSERT_TRUE(w);
        QWidget* focus = w->focusWidget() ? w->focusWidget() : w;
        QTest::keyClick(focus, Qt::Key_F1);
        ASSERT_EQ(env.help.calls.size(), 1);
        const int context = env.help.calls.front().section(u' ', 1).toInt();
        EXPECT_EQ(env.help.calls.front(), QStringLiteral("context %1").arg(context));
        EXPECT_EQ(help.topicForContext(context), QLatin1String(row.topic));
        EXPECT_TRUE(resourceText(QStringLiteral(":/help/") + QLatin1String(row.topic))
                        .contains(QLatin1String(row.words)));
        unloadWindow(w);
        settle();
    }
    // The print preview names its topic the same way.
    RecordingPrinter pages;
    PreviewWindow preview(pages, QString());
    EXPECT_EQ(help.topicForContext(preview.property("helpContext").toInt()),
              QStringLiteral("preview.html"));
}

} // namespace
} // namespace tavrel::test
