// Esc in QuickFind, the print and envelope windows, and
// the find box's place in QuickFind's Tab order.
#include "ShellFixture.h"

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

} // namespace
} // namespace tavrel::test
