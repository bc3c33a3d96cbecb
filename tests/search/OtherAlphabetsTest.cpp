// A name typed in another alphabet is stored in Latin letters, and the search
// finds it whether its key is typed in that alphabet or in Latin letters.
#include "SearchFixture.h"

#include "platform/Text.h"
#include "records/gui/RecordCommands.h"
#include "store/ContactAccess.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tavrel;
using namespace tavrel::test;

TEST_F(SearchTest, ANameTypedInCyrillicIsStoredInLatinLettersAndFoundByName)
{
    env.ui.setAutoOk(true);
    startAddCommand(p, false);
    settle();
    QWidget* screen = findWindow("BrsForma");
    ASSERT_NE(screen, nullptr);
    auto* name = control<QLineEdit>(screen, "BrsTxt2");
    name->setFocus();
    // Each letter as a Cyrillic keyboard layout sends it.
    for (QChar c : QString::fromUtf8("Иван Петров"))
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(c), Qt::NoModifier);
    auto* notice = screen->findChild<QLabel*>("FieldNotice");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text(), "Will be stored as \"Ivan Petrov\".");
    press(screen, "BrsCmd7");
    QStringList names;
    for (int id = 1; id < p.LastRecNo; ++id)
        names << trimRight(readRecord(env.naPath(), id + 1).Name);
    EXPECT_TRUE(names.contains("Ivan Petrov")) << names.join('|').toStdString();
    closeAllWindows();

    for (const char* key : {"петров", "Petrov", "ИВАН П"}) {
        SCOPED_TRACE(key);
        search(QString::fromUtf8(key), {0}, false, false);
        EXPECT_EQ(p.SearchMatchCount, 1);
        closeAllWindows();
    }
}

// A record written with fields the code page cannot hold is found by the key
// typed in the person's own alphabet even where the record's Latin spelling
// does not hold it (cut at the field's width), with accents heeded or not; a
// match window copies the name and address as the person spelled them.
TEST_F(SearchTest, AKeyInThePersonsOwnAlphabetFindsTheFieldTheRecordHoldsCut)
{
    env.ui.setAutoOk(true);
    const QString street = QString::fromUtf8("北京市朝阳区建国路八十八号");
    Contact ivan;
    ivan.id = 6;
    ivan.text(ContactField::Name) = QString::fromUtf8("Иван Петров");
    ivan.text(ContactField::AddrLine1) = street;
    ivan.text(ContactField::Comments) = QString::fromUtf8("Überall dabei");
    putContact(p, 7, ivan);
    ASSERT_FALSE(foldForMatch(readRecord(env.naPath(), 7).AddrLine1)
                     .contains(foldForMatch(QString::fromUtf8("八十八号"))));

    const struct {
        const char* key;
        std::vector<int> boxes;
        bool ignoreAccents;
        int matches;
    } cases[] = {
        {"八十八号", {1}, true, 1}, {"八十八号", {1}, false, 1}, {"建国路八十八号", {7}, true, 1},
        {"八十八号", {0}, true, 0}, // the name alone
        {"八十八号", {3}, true, 0}, // the comments alone
        {"иван", {0}, false, 1},    {"Петров", {0}, true, 1},    {"Олег", {1}, true, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        SearchDialog* f = openDialog();
        ASSERT_NE(f, nullptr);
        type(f->searchTextEdit, QString::fromUtf8(c.key));
        for (int i : c.boxes)
            click(f->fieldChecks[size_t(i)]);
        if (f->ignoreAccentsCheck->isChecked() != c.ignoreAccents)
            click(f->ignoreAccentsCheck);
        click(f->searchButton);
        EXPECT_EQ(p.SearchMatchCount, c.matches);
        closeAllWindows();
    }

    // On display, the copy button puts the person's spelling on the clipboard.
    env.ui.onModal([](QDialog& d) {
        click(control<QPushButton>(&d, "Command3D1_3"));
        click(control<QPushButton>(&d, "Command3D1_0"));
    });
    search(QString::fromUtf8("八十八号"), {1}, false, true);
    EXPECT_EQ(p.SearchMatchCount, 1);
    EXPECT_TRUE(
        env.clipboard.content.startsWith(QString::fromUtf8("Иван Петров").leftJustified(35) + '\n' +
                                         street.leftJustified(35) + '\n'))
        << env.clipboard.content.toStdString();
}
