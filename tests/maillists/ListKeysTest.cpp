#include "MailListFixture.h"

#include "maillists/CreateByNameDialog.h"
#include "maillists/CreateMailListWindow.h"
#include "maillists/MailListCommands.h"
#include "maillists/ReviseMailListWindow.h"
#include "store/NameList.h"

#include <QLineEdit>
#include <QPushButton>

namespace tavrel::test {
namespace {

class ListKeys : public MailListTest {
protected:
    void SetUp() override
    {
        openThreePeople();
        writeRaw(QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("First"), {3}));
        writeRaw(QStringLiteral("tvlmail.b"), listBytes(QStringLiteral("Second"), {5}));
        writeRaw(QStringLiteral("tvlmail.c"), listBytes(QStringLiteral("Third"), {8}));
    }
    // Arrow keys from a file list that has the focus: each press shows the
    // next list's title and the focus stays in the list.
    static void travel(QListView* files, QLineEdit* title)
    {
        files->setFocus();
        pressKey(files->window(), Qt::Key_Down);
        EXPECT_EQ(files->currentIndex().row(), 0) << "the first arrow key chooses the first line";
        pressKey(files->window(), Qt::Key_Down);
        EXPECT_EQ(title->text().trimmed(), QStringLiteral("Second"));
        pressKey(files->window(), Qt::Key_Down);
        EXPECT_EQ(title->text().trimmed(), QStringLiteral("Third"));
        EXPECT_EQ(QApplication::focusWidget(), files);
    }
};

TEST_F(ListKeys, FileListsTravelWithTheArrowKeys)
{
    startReviseMailList(p);
    auto* revise = windowOf<ReviseMailListWindow>(QStringLiteral("MailForm"));
    ASSERT_TRUE(revise);
    travel(revise->fileList, revise->titleEdit);
    revise->close();
    settle();

    startCreateMailList(p);
    auto* create = windowOf<CreateMailListWindow>(QStringLiteral("CreateForm"));
    ASSERT_TRUE(create);
    travel(create->existingListsList, create->existingTitleEdit);
    // A mouse click moves the focus on, as before.
    clickLine(create->existingListsList, QStringLiteral("tvlmail.a"));
    EXPECT_EQ(create->focusWidget(), create->namesButton);
}

TEST_F(ListKeys, NamePickerWorksFromTheKeyboard)
{
    startCreateMailList(p);
    auto* create = windowOf<CreateMailListWindow>(QStringLiteral("CreateForm"));
    ASSERT_TRUE(create);
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<CreateByNameDialog&>(d).picker;
        EXPECT_EQ(QApplication::focusWidget(), picker.allNamesList);
        pressKey(&d, Qt::Key_Down);
        pressKey(&d, Qt::Key_Down);
        pressKey(&d, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), picker.allNamesList);
        EXPECT_EQ(picker.allNamesList->currentIndex().row(), 2);
        // Enter in the list presses no button of its own accord.
        pressKey(&d, Qt::Key_Return);
        EXPECT_TRUE(itemsOf(picker.memberList).isEmpty());
        EXPECT_TRUE(d.isVisible());
        // Tab reaches the add button; Enter presses it.
        pressKey(&d, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), picker.addButton);
        pressKey(&d, Qt::Key_Return);
        EXPECT_EQ(itemsOf(picker.memberList),
                  QStringList{pickerLine(8, QStringLiteral("Hal Crane"))});
        // The find box: Enter adds the one name it leaves.
        pressKey(&d, Qt::Key_F, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), picker.filterEdit);
        type(picker.filterEdit, QStringLiteral("B\u00d6"));
        pressKey(&d, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible()); // no button of the picker is pressed by Enter elsewhere
        EXPECT_EQ(itemsOf(picker.memberList),
                  (QStringList{pickerLine(8, QStringLiteral("Hal Crane")),
                               pickerLine(5, QStringLiteral("Eve Bond"))}));
        EXPECT_EQ(QApplication::focusWidget(), picker.okButton);
        pressKey(&d, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    click(create->namesButton);
    settle();
    EXPECT_EQ(flagged(), (std::set<int>{5, 8}));
}

} // namespace
} // namespace tavrel::test
