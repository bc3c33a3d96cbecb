#include "MailListFixture.h"

#include "maillists/CreateByNameDialog.h"
#include "maillists/CreateMailListWindow.h"
#include "maillists/ReviseMailListWindow.h"
#include "maillists/MailListCommands.h"
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
    static void travel(QListWidget* files, QLineEdit* title)
    {
        files->setFocus();
        pressKey(files->window(), Qt::Key_Down);
        EXPECT_EQ(files->currentRow(), 0) << "the first arrow key chooses the first line";
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
    auto* revise = windowOf<MailForm>(QStringLiteral("MailForm"));
    ASSERT_TRUE(revise);
    travel(revise->MailFil1, revise->MailTxt2);
    revise->close();
    settle();

    startCreateMailList(p);
    auto* create = windowOf<CreateForm>(QStringLiteral("CreateForm"));
    ASSERT_TRUE(create);
    travel(create->CreateFil1, create->CreateTxt5);
    // A mouse click moves the focus on, as before.
    clickLine(create->CreateFil1, QStringLiteral("tvlmail.a"));
    EXPECT_EQ(create->focusWidget(), create->ShowNameButton);
}

TEST_F(ListKeys, NamePickerWorksFromTheKeyboard)
{
    startCreateMailList(p);
    auto* create = windowOf<CreateForm>(QStringLiteral("CreateForm"));
    ASSERT_TRUE(create);
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<CreateByName&>(d).picker;
        picker.List1->setFocus();
        pressKey(&d, Qt::Key_Down);
        pressKey(&d, Qt::Key_Down);
        pressKey(&d, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), picker.List1);
        EXPECT_EQ(picker.List1->currentRow(), 2);
        // Tab reaches the add button; Enter presses it.
        pressKey(&d, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), picker.AddButton);
        pressKey(&d, Qt::Key_Return);
        EXPECT_EQ(itemsOf(picker.List2), QStringList{pickerLine(8, QStringLiteral("Hal Crane"))});
        EXPECT_EQ(QApplication::focusWidget(), picker.OKButton);
        pressKey(&d, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    click(create->ShowNameButton);
    settle();
    EXPECT_EQ(flagged(), std::set<int>{8});
}

} // namespace
} // namespace tavrel::test
