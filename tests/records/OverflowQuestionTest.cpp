#include "RecordsFixture.h"

#include "platform/gui/Windows.h"

#include <QMessageBox>

namespace tavrel::test {
namespace {

using OverflowQuestion = RecordsFixture;

// 47 characters: the file keeps "someone.with.a.long.name@example-co".
const QString kLongMail = QStringLiteral("someone.with.a.long.name@example-company.co.uk");

// What the question window showed, and a button to press in it.
struct Asked {
    QString title;
    QString text;
    QStringList buttons;
    bool moveEnabled = false;
};

ScriptedUi::ModalHandler answer(Asked& asked, const char* button)
{
    return [&asked, button](QDialog& d) {
        auto* box = qobject_cast<QMessageBox*>(&d);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(d.objectName(), "FieldOverflowBox");
        asked.title = d.windowTitle();
        asked.text = box->text();
        asked.buttons.clear();
        for (QAbstractButton* b : box->buttons())
            asked.buttons << b->text();
        asked.buttons.sort();
        asked.moveEnabled = d.findChild<QPushButton*>("MoveButton")->isEnabled();
        if (QLatin1String(button) == QLatin1String("Escape"))
            pressKey(&d, Qt::Key_Escape);
        else
            click(d.findChild<QPushButton*>(QLatin1String(button)));
    };
}

QByteArray field(const QByteArray& record, int offset, int width)
{
    return record.mid(offset, width);
}

QByteArray padded(const QByteArray& text, int width)
{
    return text + QByteArray(width - text.size(), ' ');
}

TEST_F(OverflowQuestion, AddAsksBeforeWritingAndEachAnswerDoesItsJob)
{
    start(people(1, 2));
    openById(ScreenMode::AddMult);
    type(box(one(), "BrsTxt2"), "Ann Lee");
    press(one(), "Screen2Button");
    // Text the program puts into a box arrives whole; typing alone never goes past.
    box(two(), "BrsTxt21")->setText(kLongMail);
    const QByteArray before = fileBytes(env.naPath());

    // Go Back: nothing written, no word of success, the cut box has the focus.
    Asked asked;
    env.ui.onModal(answer(asked, "GoBackButton"));
    press(two(), "BrsCmd7");
    EXPECT_TRUE(env.ui.allUsed()) << "the question was asked";
    EXPECT_EQ(asked.title, "Add N&A Record");
    EXPECT_EQ(asked.buttons, QStringList({"&Go Back", "&Keep Cut Text", "&Move Rest To Comments"}));
    EXPECT_TRUE(asked.text.contains(
        "E-Mail Address: only 35 characters fit; \"mpany.co.uk\" would be lost."))
        << asked.text.toStdString();
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_TRUE(messages().isEmpty());
    ASSERT_NE(two(), nullptr);
    EXPECT_TRUE(two()->isVisible());
    EXPECT_EQ(focused(two()), "BrsTxt21");
    EXPECT_EQ(box(two(), "BrsTxt21")->text(), kLongMail) << "going back changes no box";

    // Escape goes back as well; a box on the other screen brings that screen up.
    box(one(), "BrsTxt2")
        ->setText(QString::fromUtf8("Щербаков-Щукин Александр Щедринович Младший"));
    box(two(), "BrsTxt21")->setText(QStringLiteral("ann@example.com"));
    box(one(), "BrsTxt10_1")->setText(QStringLiteral("+44 20 7946 0958 ext 1234"));
    env.ui.onModal(answer(asked, "Escape"));
    press(two(), "BrsCmd7");
    EXPECT_TRUE(asked.text.contains(
        QString::fromUtf8("Name: only 35 characters fit; \" Младший\" would be lost.")))
        << asked.text.toStdString();
    EXPECT_TRUE(
        asked.text.contains("Telephone 2 Number: only 20 characters fit; \" 1234\" would be lost."))
        << asked.text.toStdString();
    box(one(), "BrsTxt10_1")->clear();
    EXPECT_FALSE(asked.text.contains("E-Mail"));
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_TRUE(one()->isVisible());
    EXPECT_EQ(focused(one()), "BrsTxt2");

    // Move: the rest of the e-mail address follows what Comments already held.
    type(box(one(), "BrsTxt2"), "Ann Lee");
    press(one(), "Screen2Button");
    box(two(), "BrsTxt21")->setText(kLongMail);
    type(box(two(), "BrsTxt22"), "Met at fair");
    env.ui.onModal(answer(asked, "MoveButton"));
    press(two(), "BrsCmd7");
    const QByteArray moved = recordBytes(env.naPath(), 4);
    EXPECT_EQ(field(moved, 0, 6), QByteArray("CRVN\x03\x00", 6));
    EXPECT_EQ(field(moved, 311, 35), "someone.with.a.long.name@example-co");
    EXPECT_EQ(field(moved, 346, 100), padded("Met at fair; E-Mail Address: mpany.co.uk", 100));
    EXPECT_EQ(fileBytes(env.naPath()).mid(574, 2 * 574), before.mid(574, 2 * 574));

    // Keep: the field is cut where it ends and Comments stays as typed.
    type(box(one(), "BrsTxt2"), "Bob Day");
    press(one(), "Screen2Button");
    box(two(), "BrsTxt21")->setText(kLongMail);
    env.ui.onModal(answer(asked, "KeepButton"));
    press(two(), "BrsCmd7");
    const QByteArray kept = recordBytes(env.naPath(), 5);
    EXPECT_EQ(field(kept, 311, 35), "someone.with.a.long.name@example-co");
    EXPECT_EQ(field(kept, 346, 100), padded("", 100));
    EXPECT_TRUE(env.ui.allUsed());
}

TEST_F(OverflowQuestion, ChangeAsksTooAndSaysWhatAFullCommentsCannotTake)
{
    std::map<int, NARecord> records = people(1, 2);
    const QString full(100, QLatin1Char('c'));
    records[1].Comments = full;
    start(records);
    openById(ScreenMode::Change, 1);
    press(one(), "Screen2Button");
    box(two(), "BrsTxt40_0")->setText(QStringLiteral("Twelve With A Long Name Indeed"));
    const QByteArray before = fileBytes(env.naPath());

    Asked asked;
    env.ui.onModal(answer(asked, "GoBackButton"));
    press(two(), "BrsCmd5");
    EXPECT_EQ(asked.title, "Browse/Change/Delete N&A Records - Screen 2 Of 2");
    EXPECT_TRUE(asked.text.contains("QuickLink 1 Description: only 20 characters fit; \"ame "
                                    "Indeed\" would be lost."))
        << asked.text.toStdString();
    EXPECT_TRUE(asked.text.contains("Comments has no room for \"QuickLink 1 Description: ame "
                                    "Indeed\"; moving the rest would still lose it."))
        << asked.text.toStdString();
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(focused(two()), "BrsTxt40_0");

    // Moving into a full Comments moves nothing, and the change is made.
    env.ui.onModal(answer(asked, "MoveButton"));
    press(two(), "BrsCmd5");
    EXPECT_EQ(messages(), QStringList({"Record Changed."}));
    const QByteArray changed = recordBytes(env.naPath(), 2);
    EXPECT_EQ(field(changed, 346, 100), full.toLatin1());
    EXPECT_EQ(field(changed, 480, 20), "Twelve With A Long N");

    // Comments that overflow cannot take their own rest: only keep or go back.
    box(two(), "BrsTxt22")->setText(full + "more");
    env.ui.onModal(answer(asked, "KeepButton"));
    press(two(), "BrsCmd5");
    EXPECT_FALSE(asked.moveEnabled);
    EXPECT_TRUE(asked.text.contains("Comments: only 100 characters fit; \"more\" would be lost."));
    EXPECT_FALSE(asked.text.contains("no room")) << "no move offered, none explained";
    EXPECT_EQ(field(recordBytes(env.naPath(), 2), 346, 100), full.toLatin1());
    EXPECT_TRUE(env.ui.allUsed());
}

} // namespace
} // namespace tavrel::test
