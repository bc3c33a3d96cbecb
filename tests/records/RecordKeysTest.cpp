#include "RecordsFixture.h"

#include <QListView>
#include <QTest>

namespace tavrel::test {
namespace {

using RecordKeys = RecordsFixture;

// Enter presses the focused command button, so the focus the screens move
// after each command leads on to the next one.
TEST_F(RecordKeys, EnterPressesTheFocusedButton)
{
    start(people(1, 5));
    openById("Change", 2);
    ASSERT_NE(one(), nullptr);
    type(box(one(), "BrsTxt2"), "Renamed");
    button(one(), "BrsCmd5")->setFocus();
    pressKey(one(), Qt::Key_Return);
    EXPECT_EQ(onDisk(2).Name.trimmed(), "Renamed");
    // After Change the focus is on Next.
    EXPECT_EQ(QApplication::focusWidget(), button(one(), "BrsCmd1"));
    pressKey(one(), Qt::Key_Return);
    EXPECT_EQ(env.p().CurId, 3);
    pressKey(one(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(env.p().CurId, 4);
    // Enter on a focused Cancel closes the screens.
    button(one(), "BrsCmd2")->setFocus();
    pressKey(one(), Qt::Key_Return);
    settle();
    EXPECT_EQ(one(), nullptr);
}

// The QuickLink picker opens with no line chosen; the arrow keys choose one;
// Enter takes the chosen line, and Enter on Cancel cancels.
TEST_F(RecordKeys, PickerWorksFromTheKeyboard)
{
    start(people(1, 4));
    openById("Browse", 1);
    press(one(), "Screen2Button");
    QLineEdit* link = box(two(), "BrsTxt30_0");
    ASSERT_NE(link, nullptr);
    env.ui.onModal([](QDialog& d) {
        auto* list = d.findChild<QListView*>("List1");
        ASSERT_NE(list, nullptr);
        pressKey(&d, Qt::Key_Down);
        EXPECT_EQ(list->currentIndex().row(), 0);
        pressKey(&d, Qt::Key_Down);
        pressKey(&d, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), list);
        EXPECT_EQ(list->currentIndex().row(), 2);
        pressKey(&d, Qt::Key_Return);
    });
    QTest::mouseDClick(link, Qt::LeftButton);
    settle();
    EXPECT_EQ(link->text(), "3");

    env.ui.onModal([](QDialog& d) {
        pressKey(&d, Qt::Key_Down);
        d.findChild<QPushButton*>("CancelButton")->setFocus();
        pressKey(&d, Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Rejected);
    });
    QTest::mouseDClick(box(two(), "BrsTxt30_1"), Qt::LeftButton);
    settle();

    // The find box: Enter takes the one line it leaves.
    env.ui.onModal([](QDialog& d) {
        pressKey(&d, Qt::Key_F, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
        pressKey(&d, Qt::Key_Return);
    });
    QTest::mouseDClick(box(two(), "BrsTxt30_2"), Qt::LeftButton);
    settle();
    EXPECT_EQ(box(two(), "BrsTxt30_2")->text(), "2");
}

} // namespace
} // namespace tavrel::test
