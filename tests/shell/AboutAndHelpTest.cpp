// The About box and the help topics behind the menus.
#include "ShellFixture.h"

#include "platform/gui/HelpWindow.h"
#include "platform/gui/PreviewWindow.h"
#include "shell/AboutDialog.h"
#include "shell/ShellResources.h"
#include "sync/gui/SyncConflictDialog.h"

#include <QFile>
#include <QRegularExpression>
#include <QTreeWidget>

namespace tavrel::test {
namespace {

TEST(AboutBox, ShowsTheProgramFileDateAndHandsTheFocusToOk)
{
    TestEnv env;
    const QString exe = env.dir() + QStringLiteral("/tavrel");
    writeBytes(exe, "x");
    {
        QFile f(exe);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2025, 11, 30), QTime(15, 4)),
                                  QFileDevice::FileModificationTime));
    }
    AboutDialog about(env.p(), exe, AboutDialog::Mode::About);
    about.show();
    auto* text = control<QLineEdit>(&about, QStringLiteral("Text1"));
    EXPECT_EQ(text->text(), exe + QStringLiteral("  11/30/25 At 3:04 PM"));
    // Midnight and noon on the twelve-hour clock.
    for (const auto& [time, shown] :
         {std::pair{QTime(0, 7), "12:07 AM"}, std::pair{QTime(12, 30), "12:30 PM"}})
        EXPECT_EQ(exeDateText(exe, QDateTime(QDate(2007, 1, 5), time)),
                  exe + QStringLiteral("  01/05/07 At ") + QLatin1String(shown));
    EXPECT_TRUE(text->isReadOnly());
    auto* ok = control<QPushButton>(&about, QStringLiteral("AbtCmd1"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowContextHelpButtonHint));
    // The date line is for reading: the focus moves on to OK, yet the line is
    // drawn.
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    text->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), ok);
    const QImage drawn = text->grab().toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            colours.insert(drawn.pixel(x, y));
    EXPECT_GT(colours.size(), 4) << "the date line is not painted";
    // The program's name and the product's are bold, the other lines not.
    for (auto [name, bold] :
         {std::pair{"Label1", true}, {"Label2", false}, {"Label3", true}, {"Label4", false}})
        EXPECT_EQ(control<QLabel>(&about, QLatin1String(name))->font().bold(), bold) << name;
}

QString resourceText(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList links(const QString& html)
{
    static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)\""));
    QStringList out;
    for (auto m = link.globalMatch(html); m.hasNext();)
        out << m.next().captured(1);
    return out;
}

TEST(HelpTopics, EveryLinkLeadsToATopicAndThePrintingTopicsTellWhatCancelDoes)
{
    initShellResources();
    const QStringList listed = links(resourceText(QStringLiteral(":/help/contents.html")));
    ASSERT_GE(listed.size(), 20);
    for (const QString& topic :
         QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files)) {
        SCOPED_TRACE(topic.toStdString());
        EXPECT_TRUE(topic == QLatin1String("contents.html") || listed.contains(topic))
            << "not reachable from the contents";
        const QString html = resourceText(QStringLiteral(":/help/") + topic);
        EXPECT_TRUE(html.contains(QLatin1String("<title>")));
        for (const QString& target : links(html))
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target))
                << "broken link to " << target.toStdString();
    }

    // The printing topics say what Cancel really does, and About Printing, where
    // the label-stock window sends the person, explains the two kinds of stock.
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

TEST(HelpTopics, SyncAndQuickFindTopicsDescribeTheirWindowsAsTheyAre)
{
    initShellResources();
    // Every caption of the conflict window, as the person reads it, is in the
    // sync topic, with its access key.
    const QString sync = resourceText(QStringLiteral(":/help/sync.html")).simplified();
    SyncConflictDialog conflict(SyncConflict{
        12, {SyncField::Name}, NARecord::blank().toBytes(), NARecord::blank().toBytes()});
    QStringList captions{conflict.windowTitle()};
    for (int i = 0; i < conflict.valuesList->columnCount(); ++i)
        captions << conflict.valuesList->headerItem()->text(i);
    for (const QPushButton* b : conflict.findChildren<QPushButton*>()) {
        const QString caption = b->text();
        captions << QString(caption).remove(u'&');
        const qsizetype amp = caption.indexOf(u'&');
        ASSERT_GE(amp, 0);
        EXPECT_TRUE(sync.contains(QStringLiteral("(Alt+") + caption.at(amp + 1).toUpper()))
            << caption.toStdString();
    }
    ASSERT_EQ(captions.size(), 7);
    for (const QString& c : captions)
        EXPECT_TRUE(sync.contains(QStringLiteral("<b>") + c + QStringLiteral("</b>")))
            << c.toStdString();
    EXPECT_TRUE(sync.contains(QLatin1String("Was Changed Here And On The Server:")));
    EXPECT_TRUE(sync.contains(QLatin1String("Esc does not close the window")));

    // The QuickFind topic tells what the find box looks through and how it matches.
    const QString quick = resourceText(QStringLiteral(":/help/quickfind.html")).simplified();
    for (const char* words :
         {"every word you type, in any order", "the address lines", "the sort keys",
          "the e-mail address", "the telephone numbers", "the comments", "<i>weiss</i> finds Wei",
          "part of a word", "names that field after a dash", "the number's own label",
          "Esc closes the window"})
        EXPECT_TRUE(quick.contains(QLatin1String(words))) << words;
}

TEST_F(ShellTest, EveryMenuItemAndCommandWindowOpensItsOwnHelpTopic)
{
    openFile(2);
    HelpWindow help;
    std::set<QString> topics;
    for (QAction* a : mainWindow()->findChildren<QAction*>()) {
        if (const int n = a->property("helpContext").toInt()) {
            SCOPED_TRACE(a->objectName().toStdString());
            const QString topic = help.topicForContext(n);
            EXPECT_NE(topic, QStringLiteral("contents.html"));
            // Redo is told of in Undo's own topic.
            if (a->objectName() == QLatin1String("RedoMenu")) {
                EXPECT_EQ(topic,
                          help.topicForContext(
                              action(QStringLiteral("UndoMenu"))->property("helpContext").toInt()));
                continue;
            }
            EXPECT_TRUE(topics.insert(topic).second) << "two menu items share it";
        }
    }

    // The topics other messages send the user to exist under these titles.
    QStringList titles;
    for (const auto& e : help.indexEntries())
        titles << e.text;
    for (const char* title : {"Creating A Mailing List", "About Printing", "Getting Started"})
        EXPECT_TRUE(titles.contains(QLatin1String(title))) << title;

    // F1 in QuickFind, Add, Print, import, export, backups and sync opens their topics.
    const struct {
        const char *item, *window, *topic, *words;
    } rows[] = {
        {"ShortListMenu", "ListForm", "quickfind.html", "The Find box"},
        {"PrintMenu", "PrtForm", "print.html", "<title>"},
        {"ImportMenu", "ImportForm", "import.html", "tavrel --import FILE"},
        {"ExportMenu", "ExportForm", "export.html", "tavrel --export FORMAT FILE"},
        {"BackupsMenu", "BackupForm", "backups.html", "tavrel --restore NAME"},
        {"SyncMenu", "SyncForm", "sync.html", "tavrel --sync"},
        {"AddMenu", "BrsForma", "add-single-record.html", "lowest free ID"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.window);
        env.help.calls.clear();
        choose(QLatin1String(row.item));
        settle();
        QWidget* w = loadedWindow(QLatin1String(row.window));
        ASSERT_TRUE(w);
        QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_F1);
        ASSERT_EQ(env.help.calls.size(), 1); // "context N"
        EXPECT_EQ(help.topicForContext(env.help.calls.front().section(u' ', 1).toInt()),
                  QLatin1String(row.topic));
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
