// Names and addresses typed in other alphabets: the record screens show the
// person's own spelling, the N&A file holds its Latin spelling.
#include "RecordsFixture.h"

#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/NameList.h"

#include <QFile>
#include <QListView>
#include <QRadioButton>

namespace tavrel::test {
namespace {

const QString kRussian = QStringLiteral("Иван Петров");
const QString kGreek = QStringLiteral("Γιώργος");
const QString kHebrew = QStringLiteral("דוד");
const QString kChinese = QStringLiteral("王小明");

class OwnSpelling : public RecordsFixture {
protected:
    QStringList screen1Texts()
    {
        return texts(one(), {"BrsTxt2", "BrsTxt3_0", "BrsTxt3_1", "BrsTxt3_2", "BrsTxt3_3"});
    }
    // A new program over the same directory, as the next start opens it.
    void reopen()
    {
        closeAllWindows();
        env.program = std::make_unique<Program>(env.services(env.printer));
        env.open();
    }
    // Writes `r` over record id + 1 as another program would: the bytes alone.
    void writeBehindTheProgramsBack(int id, const NARecord& r)
    {
        QFile f(env.naPath());
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(qint64(id) * NARecord::Size));
        ASSERT_EQ(f.write(r.toBytes()), NARecord::Size);
    }
};

TEST_F(OwnSpelling, TypedNamesShowAsTypedAfterBrowsingAndReopeningWhileTheFileHasTheirLatinSpelling)
{
    start(people(1, 2));
    openById(ScreenMode::Add);
    type(box(one(), "BrsTxt2"), kRussian);
    type(box(one(), "BrsTxt3_0"), kGreek);
    type(box(one(), "BrsTxt3_1"), kHebrew);
    type(box(one(), "BrsTxt3_2"), kChinese);
    type(box(one(), "BrsTxt3_3"), QStringLiteral("Moskva"));
    press(one(), "BrsCmd7");
    EXPECT_EQ(lastMessage(), "Record Added.");

    // The record holds what the codec writes: Latin letters, one byte each.
    const QByteArray rec = recordBytes(env.naPath(), 4);
    EXPECT_EQ(rec.mid(6, 35), QByteArray("Ivan Petrov").leftJustified(35, ' '));
    const NARecord added = NARecord::fromBytes(rec);
    for (auto [stored, typed] : {std::pair{added.AddrLine1, kGreek},
                                 {added.AddrLine2, kHebrew},
                                 {added.AddrLine3, kChinese}}) {
        EXPECT_EQ(trimRight(stored), reduceToCp1252(typed));
        EXPECT_NE(trimRight(stored), typed);
    }
    const QStringList asTyped{kRussian, kGreek, kHebrew, kChinese, "Moskva"};

    // Away and back again.
    openById(ScreenMode::Browse, 3);
    EXPECT_EQ(screen1Texts(), asTyped);
    EXPECT_EQ(press(one(), "BrsCmd1"), 1);
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), "Person 1");
    EXPECT_EQ(press(one(), "BrsCmd4"), 3);
    EXPECT_EQ(screen1Texts(), asTyped);
    // The clipboard copy has the person's spelling too, each line 35 characters.
    press(one(), "CopyButton");
    EXPECT_EQ(env.clipboard.content.section(QLatin1Char('\n'), 0, 0),
              kRussian + QString(35 - kRussian.size(), QLatin1Char(' ')));

    // The next start reads the spellings file beside the N&A file.
    reopen();
    openById(ScreenMode::Change, 3);
    EXPECT_EQ(screen1Texts(), asTyped);
    // An unedited Change writes the same bytes and keeps the spelling.
    press(one(), "BrsCmd5");
    EXPECT_EQ(recordBytes(env.naPath(), 4), rec);
    reopen();
    openById(ScreenMode::Browse, 3);
    EXPECT_EQ(screen1Texts(), asTyped);

    // Another program rewrites the record: its bytes are what shows, while
    // the other records keep their spelling.
    NARecord changed = added;
    changed.Name = QStringLiteral("Ivan Petrov Jr");
    writeBehindTheProgramsBack(3, changed);
    EXPECT_EQ(press(one(), "BrsCmd1"), 1);
    EXPECT_EQ(press(one(), "BrsCmd4"), 3);
    EXPECT_EQ(screen1Texts(),
              QStringList({"Ivan Petrov Jr", trimRight(added.AddrLine1), trimRight(added.AddrLine2),
                           trimRight(added.AddrLine3), "Moskva"}));
}

TEST_F(OwnSpelling, LimitsCountTheCharactersTypedAndAChangedIdTakesTheSpellingAlong)
{
    start(people(1, 2));
    openById(ScreenMode::Change, 2);
    // Thirty-five letters fit, although their Latin spelling is longer.
    const QString full = QStringLiteral("Щербаков-Щукин Александр Щедринович");
    ASSERT_EQ(full.size(), 35);
    type(box(one(), "BrsTxt2"), full + QStringLiteral("у"));
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), full);
    EXPECT_EQ(env.ui.beeps, 1);
    // The telephone type takes six letters of any alphabet.
    type(combo(0)->lineEdit(), QStringLiteral("Мобильный"));
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("Мобиль"));
    type(box(one(), "BrsTxt1"), "7");
    press(one(), "BrsCmd5");
    EXPECT_EQ(lastMessage(), "Record Changed.");

    // The file holds the Latin spelling cut at the field's width.
    const NARecord moved = onDisk(7);
    EXPECT_EQ(moved.Name, reduceToCp1252(full).left(35));
    EXPECT_EQ(trimRight(moved.PhoneType1), reduceToCp1252(QStringLiteral("Мобиль")).left(6));
    EXPECT_EQ(onDisk(2).RecId, 0);
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), full);
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("Мобиль"));
    openById(ScreenMode::Browse, 7);
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), full);
    EXPECT_EQ(combo(0)->currentText(), QStringLiteral("Мобиль"));
}

TEST_F(OwnSpelling, UndoAndRedoOfAChangeBringBackEachSpelling)
{
    start(people(1, 2));
    Contact greek = contactOf(env.p(), 2, onDisk(2));
    greek.text(ContactField::Name) = kGreek;
    putContact(env.p(), 3, greek);
    const QByteArray before = fileBytes(env.naPath());

    openById(ScreenMode::Change, 2);
    QLineEdit* name = box(one(), "BrsTxt2");
    EXPECT_EQ(name->text(), kGreek);
    type(name, kChinese);
    press(one(), "BrsCmd5");
    EXPECT_EQ(trimRight(onDisk(2).Name), reduceToCp1252(kChinese));
    EXPECT_EQ(name->text(), kChinese);

    pressKey(one(), Qt::Key_Z, Qt::ControlModifier);
    settle();
    EXPECT_EQ(fileBytes(env.naPath()), before);
    EXPECT_EQ(name->text(), kGreek);
    EXPECT_EQ(lastMessage(), "The Change Of " + kGreek + " (ID 2) Has Been Undone.");
    pressKey(one(), Qt::Key_Y, Qt::ControlModifier);
    settle();
    EXPECT_EQ(name->text(), kChinese);
    // And so it stays for the next start.
    closeAllWindows();
    env.program = std::make_unique<Program>(env.services(env.printer));
    env.open();
    openById(ScreenMode::Browse, 2);
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), kChinese);
}

// The QuickLink picker lists the name as spelled and hands it to the
// description; following the link shows the record as spelled, and the back
// link written on the way keeps its spelling.
TEST_F(OwnSpelling, QuickLinksPickAndFollowTheSpelledName)
{
    start(people(1, 5));
    Contact ivan = contactOf(env.p(), 5, onDisk(5));
    ivan.text(ContactField::Name) = kRussian;
    putContact(env.p(), 6, ivan);
    openById(ScreenMode::Change, 1);
    press(one(), "Screen2Button");
    env.ui.onModal([&](QDialog& d) {
        auto* list = d.findChild<QListView*>("List1");
        ASSERT_NE(list, nullptr);
        const QStringList lines = shownLines(list);
        const qsizetype row = lines.indexOf(pickerLine(5, kRussian));
        ASSERT_GE(row, 0) << lines.join(QLatin1Char('|')).toStdString();
        list->setCurrentIndex(list->model()->index(int(row), 0));
        click(d.findChild<QRadioButton*>("Option3D1_1"));
        click(d.findChild<QPushButton*>("OKButton"));
    });
    pickLink(0);
    EXPECT_EQ(texts(two(), {"BrsTxt30_0", "BrsTxt40_0"}), QStringList({"5", kRussian}));
    press(two(), "BrsCmd5");
    EXPECT_EQ(trimRight(onDisk(1).LinkText1), QStringLiteral("Ivan Petrov"));
    EXPECT_EQ(box(two(), "BrsTxt40_0")->text(), kRussian);

    press(two(), "DisplayButton_0");
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), kRussian);
    EXPECT_EQ(onDisk(5).BackLinkId, 1);
    reopen();
    openById(ScreenMode::Browse, 5);
    EXPECT_EQ(box(one(), "BrsTxt2")->text(), kRussian);
    openById(ScreenMode::Browse, 1);
    press(one(), "Screen2Button");
    EXPECT_EQ(box(two(), "BrsTxt40_0")->text(), kRussian);
}

} // namespace
} // namespace tavrel::test
