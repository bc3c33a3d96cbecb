// A name typed in another alphabet is stored in Latin letters, and the search
// finds it whether its key is typed in that alphabet or in Latin letters.
#include "SearchFixture.h"

#include "platform/Text.h"
#include "records/gui/RecordCommands.h"

#include <QLabel>
#include <QLineEdit>
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
