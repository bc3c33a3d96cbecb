#include "platform/gui/HelpWindow.h"
#include "support/Gui.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace tavrel;
using namespace tavrel::test;

TEST(HelpWindow, TheIndexAndTheContextNumbersLeadToTheirTopics)
{
    HelpWindow help(":/helptest");
    help.showFinder();
    auto* index = control<QPushButton>(&help, "HelpIndexButton");
    auto* back = control<QPushButton>(&help, "HelpBackButton");
    auto* filter = control<QLineEdit>(&help, "HelpIndexFilter");
    auto* list = control<QListWidget>(&help, "HelpIndexList");
    auto* display = control<QPushButton>(&help, "HelpDisplayButton");
    auto* pages = control<QStackedWidget>(&help, "HelpPages");
    ASSERT_TRUE(index && back && filter && list && display && pages);
    // The index holds the topics' titles and the listed entries, in order.
    QStringList entries;
    for (const auto& e : help.indexEntries())
        entries << e.text + " > " + e.topic;
    EXPECT_EQ(entries,
              (QStringList{"About & Printing > printing.html", "Adding A Record > adding.html",
                           "Envelopes > printing.html", "new record > adding.html"}));

    click(index);
    EXPECT_EQ(pages->currentIndex(), 1);
    type(filter, "NEW");
    EXPECT_EQ(list->currentItem()->text(), "new record");
    click(display);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(help.currentTopic(), "adding.html");

    click(back);
    EXPECT_EQ(help.currentTopic(), "contents.html");
    EXPECT_FALSE(back->isEnabled());

    // Back from the index returns to the topic on display.
    help.showContext(55);
    help.showIndex();
    click(back);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(help.currentTopic(), "printing.html");

    // The contents button always leads home.
    click(control<QPushButton>(&help, "HelpContentsButton"));
    EXPECT_EQ(help.currentTopic(), "contents.html");

    // Esc puts the window away.
    pressKey(&help, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());

    // Context numbers open their topics, unknown ones the contents.
    help.showContext(25);
    EXPECT_EQ(help.currentTopic(), "adding.html");
    EXPECT_TRUE(control<QTextBrowser>(&help, "HelpText")->toPlainText().contains("Type the name."));

    help.showContext(55); // blanks between number and topic are allowed
    EXPECT_EQ(help.currentTopic(), "printing.html");

    // Not listed, listed with a missing topic, listed without a topic.
    for (int unknown : {0, 60, 80, 999, -1}) {
        help.showContext(unknown);
        EXPECT_EQ(help.currentTopic(), "contents.html") << unknown;
    }

    help.quit();
    EXPECT_FALSE(help.isVisible());
    // It opens again after quitting.
    help.showContext(55);
    EXPECT_TRUE(help.isVisible());
}

TEST(HelpWindow, AFolderWithoutHelpFilesStillOpens)
{
    HelpWindow help(":/no-such-help");
    help.showContext(25);
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(control<QTextBrowser>(&help, "HelpText")->toPlainText(),
              "The help topics cannot be found.");
    help.showIndex();
    click(control<QPushButton>(&help, "HelpDisplayButton")); // nothing to show
}
