// Esc in the command windows that are plain windows rather than dialogs, and
// the find box's place in QuickFind's Tab order.
#include "ShellFixture.h"

#include "records/gui/AddressScreen.h"
#include "records/gui/DetailScreen.h"
#include "records/gui/RecordScreens.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>

namespace tavrel::test {
namespace {

class EscapeKey : public ShellTest {
protected:
    QByteArray fileNow()
    {
        QFile f(env.naPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Opens the window of menu item `item`, named `window`, shown.
    QWidget* open(const char* item, const char* window)
    {
        choose(QLatin1String(item));
        settle();
        QWidget* w = loadedWindow(QLatin1String(window));
        EXPECT_TRUE(w && w->isVisible()) << window;
        return w;
    }
    void escape(QWidget* w)
    {
        pressKey(w, Qt::Key_Escape);
        settle();
    }
    bool screensOpen() { return loadedWindow(QStringLiteral("BrsForma")) != nullptr; }
};

TEST_F(EscapeKey, ClosesQuickFindPrintAndEnvelopesLosingNothing)
{
    openFile(3);
    mainWindow();
    const QByteArray before = fileNow();
    const size_t shown = env.ui.messages.size();

    // QuickFind, with a word in its find box and the focus there.
    QWidget* quick = open("ShortListMenu", "ListForm");
    ASSERT_TRUE(quick);
    type(control<QLineEdit>(quick, "ListFilter"), QStringLiteral("person"));
    escape(quick);
    EXPECT_EQ(loadedWindow(QStringLiteral("ListForm")), nullptr);
    EXPECT_FALSE(screensOpen()) << "Esc opens no record";

    for (auto [item, window] :
         {std::pair{"PrintMenu", "PrtForm"}, std::pair{"EnvelopePrintMenu", "EnvelopePrint"}}) {
        SCOPED_TRACE(window);
        QWidget* w = open(item, window);
        ASSERT_TRUE(w);
        escape(w);
        EXPECT_EQ(loadedWindow(QLatin1String(window)), nullptr);
    }
    EXPECT_EQ(env.ui.messages.size(), shown) << "nothing asked: nothing typed is lost";
    EXPECT_EQ(fileNow(), before);
    EXPECT_TRUE(menusShown()) << "the main window is back";
}

TEST_F(EscapeKey, QuickFindTabsFromTheListToTheFindBoxThenTheButtons)
{
    openFile(3);
    mainWindow();
    QWidget* quick = open("ShortListMenu", "ListForm");
    ASSERT_TRUE(quick);
    auto* list = control<QListView>(quick, "ListLst1");
    pressKey(quick, Qt::Key_Down); // the focus starts in the list
    ASSERT_EQ(QApplication::focusWidget(), list);
    QStringList order;
    for (int i = 0; i < 4; ++i) {
        pressKey(quick, Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(order, (QStringList{"ListFilter", "ListCmd2", "ListCmd1", "ListLst1"}));
    pressKey(quick, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "ListCmd1");
    unloadWindow(quick);
    settle();
}

TEST_F(EscapeKey, RecordScreensAskBeforeDroppingWhatWasTyped)
{
    openFile(3);
    mainWindow();
    const QByteArray before = fileNow();

    // Add, nothing typed: Esc closes both screens without a word.
    QWidget* screen = open("AddMenu", "BrsForma");
    ASSERT_TRUE(screen);
    escape(screen);
    EXPECT_FALSE(screensOpen());
    EXPECT_TRUE(env.ui.messages.empty());

    // Add with a name typed: asked, with No the default; No keeps the screen and the text.
    screen = open("AddMenu", "BrsForma");
    type(control<QLineEdit>(screen, "BrsTxt2"), QStringLiteral("Half Typed"));
    env.ui.answer(Ui::Answer::No);
    escape(screen);
    ASSERT_EQ(env.ui.messages.size(), 1u);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("This Record Has Not Been Added To The N&A "
                                                 "File.\nDiscard What You Typed?"));
    EXPECT_EQ(env.ui.last().buttons, Ui::Buttons::YesNoDefaultNo);
    EXPECT_EQ(env.ui.last().icon, Ui::Icon::Question);
    ASSERT_TRUE(screensOpen());
    EXPECT_EQ(control<QLineEdit>(screen, "BrsTxt2")->text(), QStringLiteral("Half Typed"));
    // Typed on screen 2 only, Esc there asks as well; Yes drops it all.
    auto* two = qobject_cast<DetailScreen*>(loadedWindow(QStringLiteral("BrsFormb")));
    ASSERT_TRUE(two);
    control<QLineEdit>(screen, "BrsTxt2")->setModified(false);
    env.ui.answer(Ui::Answer::Yes);
    showRecordScreen(env.p(), 2);
    settle();
    two->emailEdit->setFocus();
    QTest::keyClicks(two->emailEdit, QStringLiteral("x@y"));
    escape(two);
    EXPECT_EQ(env.ui.messages.size(), 2u);
    EXPECT_FALSE(screensOpen());
    EXPECT_EQ(fileNow(), before) << "nothing was added";

    // Change: a phone type chosen from the list counts as typing too.
    env.ui.answerInput(QStringLiteral("2"));
    screen = open("ChangeMenu", "BrsForma");
    ASSERT_TRUE(screen);
    QComboBox* type1 = qobject_cast<AddressScreen*>(screen)->phoneTypeCombos[0];
    ASSERT_GT(type1->count(), 2);
    type1->setCurrentIndex(type1->currentIndex() == 1 ? 2 : 1);
    env.ui.answer(Ui::Answer::No);
    escape(screen);
    ASSERT_EQ(env.ui.messages.size(), 3u);
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Your Changes To This Record Have Not Been "
                                                 "Stored In The N&A File.\nDiscard Them?"));
    EXPECT_TRUE(screensOpen());
    // Once Change has stored it, nothing is lost: Esc closes without asking.
    env.ui.setAutoOk(true);
    click(control<QPushButton>(screen, "BrsCmd5"));
    settle();
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Record Changed."));
    const size_t asked = env.ui.messages.size();
    const QByteArray changed = fileNow();
    EXPECT_NE(changed, before);
    escape(screen);
    EXPECT_FALSE(screensOpen());
    EXPECT_EQ(env.ui.messages.size(), asked);
    EXPECT_EQ(fileNow(), changed);
}

} // namespace
} // namespace tavrel::test
