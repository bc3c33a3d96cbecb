// The mailing-list windows show each name as the person spelled it, where the
// N&A file holds its Latin spelling.
#include "MailListFixture.h"

#include "maillists/gui/AddDeleteNamesDialog.h"
#include "maillists/gui/CreateByNameDialog.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/NameList.h"

#include <QPushButton>

namespace tavrel::test {
namespace {

const QString kEve = QStringLiteral("Ева Бондаренко");
const QString kStreet = QStringLiteral("Οδός Αθηνάς 12");

class OwnSpellingNames : public MailListTest {
protected:
    void SetUp() override
    {
        MailListTest::SetUp();
        Get_NA_Rec(p, 6);
        Contact eve = contactOf(p, 5, p.CurRec);
        eve.text(ContactField::Name) = kEve;
        eve.text(ContactField::AddrLine1) = kStreet;
        putContact(p, 6, eve);
        // Hal's record was changed by another program since his spelling was kept.
        Get_NA_Rec(p, 9);
        Contact hal = contactOf(p, 8, p.CurRec);
        hal.text(ContactField::Name) = QStringLiteral("Хал Крейн");
        putContact(p, 9, hal);
        NARecord changed = readRecord(env.naPath(), 9);
        changed.Name = QStringLiteral("Hal Crane Sr");
        QByteArray all = fileBytes(env.naPath());
        all.replace(8 * NARecord::Size, NARecord::Size, changed.toBytes());
        writeBytes(env.naPath(), all);
    }
};

TEST_F(OwnSpellingNames, PickersAndThePrintedListShowTheKeptSpelling)
{
    ASSERT_EQ(trimRight(readRecord(env.naPath(), 6).Name), reduceToCp1252(kEve));
    const QStringList lines{pickerLine(3, QStringLiteral("Carol Ames")), pickerLine(5, kEve),
                            pickerLine(8, QStringLiteral("Hal Crane Sr"))};

    // Create by name: the names, and the picked member, as spelled.
    CreateMailListWindow* create = openCreate();
    ASSERT_TRUE(create);
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<CreateByNameDialog&>(d).picker;
        EXPECT_EQ(shownLines(picker.allNamesList), lines);
        // The find box finds the name by either spelling.
        type(picker.filterEdit, QStringLiteral("бонд"));
        EXPECT_EQ(shownLines(picker.allNamesList), QStringList{lines[1]});
        select(picker.allNamesList, QStringLiteral("   5"));
        click(picker.addButton);
        EXPECT_EQ(shownLines(picker.memberList), QStringList{lines[1]});
        click(picker.cancelButton);
    });
    click(create->namesButton);
    create->close();
    settle();

    // Add / Delete Names lists the members of a list file the same way.
    writeRaw(QStringLiteral("tvlmail.a"), listBytes(QStringLiteral("Club"), {5, 8}));
    ReviseMailListWindow* w = openMail();
    ASSERT_TRUE(w);
    select(w->fileList, QStringLiteral("tvlmail.a"));
    env.ui.onModal([&](QDialog& d) {
        auto& picker = dynamic_cast<AddDeleteNamesDialog&>(d).picker;
        EXPECT_EQ(shownLines(picker.allNamesList), lines);
        EXPECT_EQ(shownLines(picker.memberList), QStringList({lines[1], lines[2]}));
        click(picker.cancelButton);
    });
    click(w->showNamesButton);

    // The printed list: name and first address line, 35 characters each.
    click(w->printListButton);
    settle();
    QStringList printed;
    for (const auto& t : env.printer.texts)
        if (t.font == QStringLiteral("Courier New"))
            printed << t.text;
    EXPECT_EQ(printed,
              QStringList({"5  " + padRight(kEve, 35) + "  " + padRight(kStreet, 35),
                           "8  " + padRight("Hal Crane Sr", 35) + "  " + padRight(QString(), 35)}));
}

} // namespace
} // namespace tavrel::test
