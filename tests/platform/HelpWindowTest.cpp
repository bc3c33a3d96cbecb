#include "platform/gui/HelpWindow.h"
#include "support/Gui.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
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

TEST(HelpWindow, SearchListsTheTopicsHoldingEveryWord)
{
    HelpWindow help(":/helptest");
    help.showFinder();
    click(control<QPushButton>(&help, "HelpSearchButton"));
    auto* pages = control<QStackedWidget>(&help, "HelpPages");
    auto* box = control<QLineEdit>(&help, "HelpSearchBox");
    auto* list = control<QListWidget>(&help, "HelpSearchList");
    auto* note = control<QLabel>(&help, "HelpSearchNote");
    ASSERT_TRUE(box && list && note);
    EXPECT_EQ(pages->currentWidget(), box->parentWidget());
    EXPECT_EQ(help.focusWidget(), box);

    // Words in any order, anywhere in the title or the text; case and accents do
    // not matter. A word from the body that both topics hold lists both, sorted by
    // title; every word must be there; a topic without a title is not listed.
    const std::pair<const char*, QStringList> searches[] = {
        {"TEXT printing", {"About & Printing"}},
        {"nàme   type", {"Adding A Record"}},
        {"print", {"About & Printing", "Adding A Record"}},
        {"name printing text", {}},
        {"context", {}},
    };
    for (const auto& [words, found] : searches) {
        box->clear();
        type(box, QString::fromUtf8(words));
        EXPECT_EQ(shownLines(list), found) << words;
        EXPECT_EQ(note->text(), found.isEmpty() ? "No topic contains all of these words." : "")
            << words;
    }

    // Enter opens the line chosen; Back returns to the search.
    box->clear();
    type(box, "type name");
    pressKey(box, Qt::Key_Return);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(help.currentTopic(), "adding.html");
    EXPECT_EQ(help.topicsContaining("  "), QStringList());
}

TEST(HelpWindow, TakesClicksAndKeysWhileAModalWindowIsOpen)
{
    HelpWindow help(":/helptest");
    QDialog preview;
    preview.setObjectName("PreviewForm");
    bool indexShown = false, searchTyped = false;
    QTimer::singleShot(0, &preview, [&] {
        help.showContext(25);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
        // Through the window system, as a person's click and keys arrive.
        auto* index = control<QPushButton>(&help, "HelpIndexButton");
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          index->mapTo(&help, index->rect().center()));
        indexShown = control<QStackedWidget>(&help, "HelpPages")->currentIndex() == 1;
        auto* search = control<QPushButton>(&help, "HelpSearchButton");
        QTest::mouseClick(help.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          search->mapTo(&help, search->rect().center()));
        auto* box = control<QLineEdit>(&help, "HelpSearchBox");
        box->setFocus();
        for (char c : std::string("print"))
            QTest::keyClick(help.windowHandle(), c);
        searchTyped = box->text() == "print";
        preview.reject();
    });
    preview.exec();
    EXPECT_TRUE(indexShown);
    EXPECT_TRUE(searchTyped);
    // With the modal window gone, help stands on its own again.
    help.showFinder();
    EXPECT_EQ(help.windowHandle()->transientParent(), nullptr);
}
