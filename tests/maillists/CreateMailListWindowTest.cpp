#include "MailListFixture.h"

#include "maillists/gui/CreateByNameDialog.h"
#include "maillists/gui/SearchComplete.h"
#include "maillists/gui/SearchCompleteWindow.h"
#include "platform/gui/Windows.h"

#include "store/NameList.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace tavrel::test {

using CreateListTest = MailListTest;

// Each refusal in turn, with its message and caption; only a reserved name
// beeps; an identifier that would leave the directory is no file name at all.
TEST_F(CreateListTest, RefusesWhatCannotBeAList)
{
    CreateMailListWindow* w = openCreate();
    ASSERT_TRUE(w);
    const QString punct =
        QStringLiteral("Punctuation Characters Are Not Permitted In An Identifier.");
    const QString invalid =
        QStringLiteral("Sorry, The Specified Identifier Is Invalid.  Try Again.\n\n"
                       "Refer To Help Topic 'Creating A Mailing List' For Information.");
    for (auto [ids, identifier, text, beeps] :
         {std::tuple{"", "", QStringLiteral("Cannot Create A Mailing List With No Entries!"), 0},
          {"3", "", QStringLiteral("Please Supply An Identifier For The Mailing List."), 0},
          {"3", "a.b", punct, 0},
          {"3", "bat", invalid, 1},
          {"3", "/..", invalid, 1}}) {
        SCOPED_TRACE(identifier);
        w->idNumbersEdit->setText(QLatin1String(ids));
        w->identifierEdit->setText(QLatin1String(identifier));
        const std::size_t before = env.ui.messages.size();
        click(w->createButton);
        ASSERT_EQ(env.ui.messages.size(), before + 1);
        EXPECT_EQ(env.ui.last().text, text);
        EXPECT_EQ(env.ui.last().title, text == invalid ? kDefaultTitle : kTitle);
        EXPECT_EQ(env.ui.beeps, beeps);
    }
    EXPECT_TRUE(listFiles().isEmpty());
    EXPECT_TRUE(
        QDir(env.dir() + QStringLiteral("/..")).entryList({QStringLiteral("tvlmail*")}).isEmpty());
    EXPECT_TRUE(findWindow(QStringLiteral("CreateForm")));

    // Text without digits is not refused: the list simply has no members.
    type(w->idNumbersEdit, QStringLiteral("none"));
    type(w->identifierEdit, QStringLiteral("BA"));
    click(w->createButton);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.BA")),
              listBytes(QStringLiteral("No Title Specified"), {}));

    // Typed IDs make a list; the identifier box takes three characters.
    w = openCreate();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Create New Mailing List"));
    type(w->idNumbersEdit, QStringLiteral("3-5, 8"));
    type(w->identifierEdit, QStringLiteral("abcd"));
    type(w->titleEdit, QStringLiteral("Holiday Cards"));
    EXPECT_EQ(w->identifierEdit->text(), QStringLiteral("abc"));
    click(w->createButton);
    settle();
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Mailing List Created."));
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.abc")),
              listBytes(QStringLiteral("Holiday Cards"), {3, 4, 5, 8}));
}

// Names picked make the list, the highest ID like any other; typed IDs win.
TEST_F(CreateListTest, PicksNamesAndTypedIdsWin)
{
    env.openFile({{3, makeRecord(3, QStringLiteral("Carol Ames"))},
                  {5, makeRecord(5, QStringLiteral("Eve Bond"))},
                  {1700, makeRecord(1700, QStringLiteral("Zed Last"))}});
    CreateMailListWindow* w = openCreate();
    ASSERT_TRUE(w);
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<CreateByNameDialog&>(d).picker;
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Create Mailing List By Name"));
        EXPECT_EQ(shownLines(picker.allNamesList),
                  (QStringList{pickerLine(3, QStringLiteral("Carol Ames")),
                               pickerLine(5, QStringLiteral("Eve Bond")),
                               pickerLine(1700, QStringLiteral("Zed Last"))}));
        click(picker.addButton);
        EXPECT_EQ(env.ui.last().text,
                  QStringLiteral("No Name Selected For Adding To Mailing List"));
        EXPECT_EQ(env.ui.last().title, kDefaultTitle);
        clickLine(picker.allNamesList, QStringLiteral("   5"));
        EXPECT_EQ(d.focusWidget(), picker.addButton);
        click(picker.addButton);
        click(picker.addButton); // the same name twice is listed once
        select(picker.allNamesList, QStringLiteral("   3"));
        click(picker.addButton);
        select(picker.allNamesList, QStringLiteral("1700"));
        click(picker.addButton);
        select(picker.memberList, QStringLiteral("   3"));
        click(picker.deleteButton);
        EXPECT_EQ(shownLines(picker.memberList),
                  (QStringList{pickerLine(5, QStringLiteral("Eve Bond")),
                               pickerLine(1700, QStringLiteral("Zed Last"))}));
        EXPECT_EQ(p.MailListAddCount, 2);
        click(picker.okButton);
    });
    click(w->namesButton);
    EXPECT_TRUE(env.ui.last().text.startsWith(
        QStringLiteral("When You Get To The Next Screen Remember To\n   1. Enter")));
    EXPECT_EQ(w->focusWidget(), w->createButton);

    type(w->identifierEdit, QStringLiteral("nm"));
    click(w->createButton);
    settle();
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.nm")),
              listBytes(QStringLiteral("No Title Specified"), {5, 1700}));

    // Names picked but IDs typed: only the typed IDs are written.
    w = openCreate();
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<CreateByNameDialog&>(d).picker;
        select(picker.allNamesList, QStringLiteral("   5"));
        click(picker.addButton);
        click(picker.cancelButton); // the picks stay
    });
    click(w->namesButton);
    EXPECT_EQ(p.MailListAddCount, 1);
    type(w->idNumbersEdit, QStringLiteral("3"));
    type(w->identifierEdit, QStringLiteral("ty"));
    click(w->createButton);
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.ty")),
              listBytes(QStringLiteral("No Title Specified"), {3}));
}

TEST_F(CreateListTest, ExistingListsShowTheirTitle)
{
    writeRaw(QStringLiteral("tvlmail.one"), listBytes(QStringLiteral("First List"), {1}));
    writeRaw(QStringLiteral("TVLMAIL.TWO"), listBytes(QStringLiteral("\x15Hidden"), {1}));
    writeRaw(QStringLiteral("other.txt"), "x");
    CreateMailListWindow* w = openCreate();
    ASSERT_TRUE(w);
    EXPECT_EQ(shownLines(w->existingListsList),
              (QStringList{QStringLiteral("tvlmail.one"), QStringLiteral("TVLMAIL.TWO")}));
    clickLine(w->existingListsList, QStringLiteral("tvlmail.one"));
    EXPECT_EQ(w->existingTitleEdit->text(), QStringLiteral("First List").leftJustified(40));
    EXPECT_TRUE(w->existingTitleEdit->isReadOnly());
    EXPECT_EQ(w->focusWidget(), w->namesButton);

    // Clicking the selected file again reads its title again.
    writeRaw(QStringLiteral("tvlmail.one"), listBytes(QStringLiteral("Renamed"), {1}));
    w->cancelButton->setFocus();
    clickLine(w->existingListsList, QStringLiteral("tvlmail.one"));
    EXPECT_EQ(w->existingTitleEdit->text(), QStringLiteral("Renamed").leftJustified(40));
    EXPECT_EQ(w->focusWidget(), w->namesButton);

    select(w->existingListsList, QStringLiteral("TVLMAIL.TWO"));
    EXPECT_EQ(w->existingTitleEdit->text(), QString(40, QLatin1Char(' ')));
}

class SearchCompleteTest : public MailListTest {
protected:
    SearchCompleteWindow* openComplete(int matched, int added, bool saves)
    {
        p.SearchMatchCount = matched;
        p.MailListAddCount = added;
        p.SearchSavesList = saves;
        showSearchComplete(p);
        return windowOf<SearchCompleteWindow>(QStringLiteral("CompleteForm"));
    }
};

TEST_F(SearchCompleteTest, SavesTheCollectedRecords)
{
    // Nothing collected: the match count only, and OK writes nothing.
    SearchCompleteWindow* w = openComplete(0, 0, false);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->matchCountEdit->text(), QStringLiteral("0"));
    EXPECT_TRUE(w->addedCountEdit->isHidden());
    EXPECT_TRUE(w->mailListGroup->isHidden());
    click(w->okButton);
    settle();
    EXPECT_FALSE(findWindow(QStringLiteral("CompleteForm")));
    EXPECT_TRUE(listFiles().isEmpty());
    EXPECT_TRUE(env.ui.messages.empty());
    // Saving on but nothing added: the counts show, the save part does not.
    w = openComplete(3, 0, true);
    EXPECT_FALSE(w->addedCountEdit->isHidden());
    EXPECT_TRUE(w->mailListGroup->isHidden());
    w->close();
    settle();

    // A match window still loaded from the search goes too.
    auto* match = new QWidget(nullptr, Qt::Window);
    match->setObjectName(QStringLiteral("SrchMsg2Form"));
    loadWindow(match);
    match->show();

    parseIdList(p, QStringLiteral("3 8"));
    w = openComplete(4, 2, true);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Search Complete"));
    EXPECT_EQ(w->matchCountEdit->text(), QStringLiteral("4"));
    EXPECT_EQ(w->addedCountEdit->text(), QStringLiteral("2"));
    EXPECT_TRUE(w->mailListGroup->isVisibleTo(w));

    click(w->okButton);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Please Supply An Identifier For The Mailing List."));
    type(w->identifierEdit, QStringLiteral("Sys"));
    click(w->okButton);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Sorry, The Specified Identifier Is Invalid.  Try Again."));
    EXPECT_EQ(env.ui.beeps, 2);
    // A name that would leave the directory is refused by the file layer.
    type(w->identifierEdit, QStringLiteral("../evil"));
    click(w->okButton);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Error  64 In ML Process.  Extension = ../evil.  Notify Programmer."));
    EXPECT_FALSE(QFileInfo::exists(env.dir() + QStringLiteral("/../evil")));

    // Longer identifiers are fine here and make longer extensions.
    type(w->identifierEdit, QStringLiteral("long"));
    type(w->titleEdit, QStringLiteral("Found in the search, with a title over forty"));
    click(w->okButton);
    settle();
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Mailing List Written To Disk."));
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.long")),
              listBytes(QStringLiteral("Found in the search, with a title over f"), {3, 8}));
    EXPECT_FALSE(findWindow(QStringLiteral("CompleteForm")));
    EXPECT_EQ(findWindow(QStringLiteral("SrchMsg2Form")), nullptr);
}

TEST_F(SearchCompleteTest, EnterInABoxPressesOk)
{
    // Nothing collected: Enter on the count closes the window, as OK does.
    SearchCompleteWindow* w = openComplete(2, 0, false);
    ASSERT_TRUE(w);
    w->matchCountEdit->setFocus();
    pressKey(w->matchCountEdit, Qt::Key_Return);
    settle();
    EXPECT_FALSE(findWindow(QStringLiteral("CompleteForm")));

    // Typed into the boxes, Enter saves the list under what was typed.
    parseIdList(p, QStringLiteral("5"));
    w = openComplete(1, 1, true);
    w->identifierEdit->setFocus();
    pressKey(w->identifierEdit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(env.ui.last().text,
              QStringLiteral("Please Supply An Identifier For The Mailing List."));
    type(w->identifierEdit, QStringLiteral("ent"));
    type(w->titleEdit, QStringLiteral("By Enter"));
    pressKey(w->titleEdit, Qt::Key_Return);
    settle();
    EXPECT_EQ(env.ui.last().text, QStringLiteral("Mailing List Written To Disk."));
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.ent")), listBytes(QStringLiteral("By Enter"), {5}));
    EXPECT_FALSE(findWindow(QStringLiteral("CompleteForm")));
}

// Both windows that save a list ask before replacing one, whatever the case of
// the identifier typed: No keeps the window and the file, Cancel closes the
// window and keeps the file, Yes writes the list under the name it has.
TEST_F(SearchCompleteTest, ReplacingAListAsksFirst)
{
    const QByteArray old = listBytes(QStringLiteral("Old"), {1});
    for (bool create : {true, false}) {
        SCOPED_TRACE(create ? "create" : "search complete");
        writeRaw(QStringLiteral("tvlmail.abc"), old);
        const QString form = create ? QStringLiteral("CreateForm") : QStringLiteral("CompleteForm");
        const auto save = [&](const QString& identifier, Ui::Answer answer) {
            if (!findWindow(form)) {
                if (create) {
                    type(openCreate()->idNumbersEdit, QStringLiteral("8"));
                } else {
                    parseIdList(p, QStringLiteral("8"));
                    openComplete(1, 1, true);
                }
            }
            QWidget* w = findWindow(form);
            type(control<QLineEdit>(w, QLatin1String(create ? "CreateTxt2" : "ComplTxt3")),
                 identifier);
            env.ui.answer(answer);
            const std::size_t asked = env.ui.messages.size();
            click(create ? windowOf<CreateMailListWindow>(form)->createButton
                         : windowOf<SearchCompleteWindow>(form)->okButton);
            ASSERT_GT(env.ui.messages.size(), asked);
            EXPECT_EQ(env.ui.messages[asked].buttons, Ui::Buttons::YesNoCancel);
            settle();
        };
        save(QStringLiteral("ABC"), Ui::Answer::No);
        EXPECT_TRUE(findWindow(form));
        EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.abc")), old);
        save(QStringLiteral("ABC"), Ui::Answer::Cancel);
        EXPECT_FALSE(findWindow(form));
        EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.abc")), old);
        save(QStringLiteral("aBc"), Ui::Answer::Yes);
        EXPECT_FALSE(findWindow(form));
        EXPECT_EQ(listFiles(), QStringList{QStringLiteral("tvlmail.abc")});
        EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.abc")),
                  listBytes(QStringLiteral("No Title Specified"), {8}));
        EXPECT_TRUE(env.ui.allUsed());
    }
}

// Arrow keys from a file list that has the focus, in both windows that list
// the files: each press shows the next list's title and the focus stays.
TEST_F(CreateListTest, FileListsTravelWithTheArrowKeys)
{
    writeRaw(QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("First"), {3}));
    writeRaw(QStringLiteral("tvlmail.b"), listBytes(QStringLiteral("Second"), {5}));
    writeRaw(QStringLiteral("tvlmail.c"), listBytes(QStringLiteral("Third"), {8}));
    const auto travel = [](QListView* files, QLineEdit* title) {
        files->setFocus();
        pressKey(files->window(), Qt::Key_Down);
        EXPECT_EQ(files->currentIndex().row(), 0) << "the first arrow key chooses the first line";
        pressKey(files->window(), Qt::Key_Down);
        EXPECT_EQ(title->text().trimmed(), QStringLiteral("Second"));
        pressKey(files->window(), Qt::Key_Down);
        EXPECT_EQ(title->text().trimmed(), QStringLiteral("Third"));
        EXPECT_EQ(QApplication::focusWidget(), files);
    };
    ReviseMailListWindow* revise = openMail();
    ASSERT_TRUE(revise);
    travel(revise->fileList, revise->titleEdit);
    revise->close();
    settle();

    CreateMailListWindow* create = openCreate();
    ASSERT_TRUE(create);
    travel(create->existingListsList, create->existingTitleEdit);
}

TEST_F(CreateListTest, NamePickerWorksFromTheKeyboard)
{
    CreateMailListWindow* create = openCreate();
    ASSERT_TRUE(create);
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<CreateByNameDialog&>(d).picker;
        EXPECT_EQ(QApplication::focusWidget(), picker.allNamesList);
        for (int i = 0; i < 3; ++i)
            pressKey(&d, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), picker.allNamesList);
        EXPECT_EQ(picker.allNamesList->currentIndex().row(), 2);
        // Enter in the list presses no button of its own accord.
        pressKey(&d, Qt::Key_Return);
        EXPECT_TRUE(shownLines(picker.memberList).isEmpty());
        EXPECT_TRUE(d.isVisible());
        // Tab reaches the add button; Enter presses it.
        pressKey(&d, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), picker.addButton);
        pressKey(&d, Qt::Key_Return);
        EXPECT_EQ(shownLines(picker.memberList),
                  QStringList{pickerLine(8, QStringLiteral("Hal Crane"))});
        // The find box: Enter adds the one name it leaves.
        pressKey(&d, Qt::Key_F, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), picker.filterEdit);
        type(picker.filterEdit, QStringLiteral("B\u00d6"));
        pressKey(&d, Qt::Key_Return);
        EXPECT_TRUE(d.isVisible()); // no button of the picker is pressed by Enter elsewhere
        EXPECT_EQ(shownLines(picker.memberList),
                  (QStringList{pickerLine(8, QStringLiteral("Hal Crane")),
                               pickerLine(5, QStringLiteral("Eve Bond"))}));
        EXPECT_EQ(QApplication::focusWidget(), picker.okButton);
        pressKey(&d, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
    });
    click(create->namesButton);
    settle();
    EXPECT_EQ(memberText(p), QStringLiteral("5, 8"));
}

} // namespace tavrel::test
