// The preference dialogs store exactly what they show, in the header record.
#include "ShellFixture.h"

#include "shell/BackupPreferencesDialog.h"
#include "shell/WelcomeDialog.h"
#include "upkeep/Backups.h"

namespace tavrel::test {
namespace {

QAbstractButton* button(QWidget* w, const char* name)
{
    return control<QAbstractButton>(w, QLatin1String(name));
}

// Which option of an array is checked, -1 for none.
int checkedIndex(QWidget* w, const char* array, int count)
{
    int found = -1;
    for (int i = 0; i < count; ++i) {
        if (button(w, QStringLiteral("%1_%2").arg(array).arg(i).toLatin1())->isChecked()) {
            EXPECT_EQ(found, -1) << "two options checked";
            found = i;
        }
    }
    return found;
}

class PreferencesTest : public ShellTest {
protected:
    QByteArray header() { return recordBytes(env.naPath(), 1); }
    QByteArray field(const char* name) { return fieldBytes(env.naPath(), 1, name); }
};

// An unknown stored code (a damaged header) shows no option and is kept on OK.
TEST_F(PreferencesTest, DisplayPreferenceRewritesTheHeaderOnlyWhenChanged)
{
    openFile(3);
    const struct {
        char onEntry;
        int checked;
        const char *option, *press;
        char after;
    } steps[] = {
        {'1', 1, nullptr, "OKButton", '1'},
        {'1', 1, "Option3D1_3", "CancelButton", '1'},
        {'9', -1, nullptr, "OKButton", '9'},
        {'1', 1, "Option3D1_3", "OKButton", '3'},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.onEntry + std::string(" ") + s.press);
        // The file says 4; what counts is the value in memory.
        env.p().SortPref = QLatin1Char(s.onEntry);
        const QByteArray before = header();
        env.ui.onModal([&](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("N&A Display Preference"));
            EXPECT_FALSE(menusShown());
            EXPECT_TRUE(control<QLabel>(&d, QStringLiteral("Label1"))->font().bold());
            EXPECT_TRUE(control<QPushButton>(&d, QStringLiteral("OKButton"))->isDefault());
            EXPECT_EQ(checkedIndex(&d, "Option3D1", 5), s.checked);
            if (s.option)
                click(button(&d, s.option));
            click(button(&d, s.press));
        });
        choose(QStringLiteral("DisplayMenu"));
        EXPECT_EQ(env.p().SortPref, QLatin1Char(s.after));
        EXPECT_EQ(header() == before, s.after == s.onEntry);
    }
}

// OK rewrites the header even without a change; opening again shows what was stored
// (the stored bytes tell a Cancel that changed the choice in memory).
TEST_F(PreferencesTest, QuickFindPreferencesAlwaysRewriteTheHeaderOnOk)
{
    openFile(3);
    const struct {
        int field, sort;
        const char* press; // DisplayCmd1 is Cancel
    } steps[] = {
        {0, 0, "DisplayCmd2"}, {6, 4, "DisplayCmd2"}, {5, 1, "DisplayCmd1"}, {0, 0, "DisplayCmd1"}};
    for (const auto& s : steps) {
        SCOPED_TRACE(s.press);
        const QByteArray before = header();
        const int shownField = env.p().QuickFindField.digitValue();
        const int shownSort = env.p().QuickFindSort.digitValue();
        env.ui.onModal([&](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QStringLiteral("QuickFind Preferences"));
            EXPECT_FALSE(menusShown());
            EXPECT_EQ(checkedIndex(&d, "DisplayOpt1", 7), shownField);
            EXPECT_EQ(checkedIndex(&d, "DisplayOpt2", 5), shownSort);
            click(button(&d, QStringLiteral("DisplayOpt1_%1").arg(s.field).toLatin1()));
            click(button(&d, QStringLiteral("DisplayOpt2_%1").arg(s.sort).toLatin1()));
            click(button(&d, s.press));
        });
        choose(QStringLiteral("PrefQuickFindMenu"));
        const bool ok = QLatin1String(s.press) == QLatin1String("DisplayCmd2");
        EXPECT_EQ(header() != before, ok);
        EXPECT_EQ(field("PhoneType1"), QByteArray::number(ok ? s.field : shownField) + "     ");
        EXPECT_EQ(field("PhoneType2"), QByteArray::number(ok ? s.sort : shownSort) + "     ");
    }
}

// The welcome box, ticked, stores WelcomeOff (the start-up tests); left alone, nothing.
TEST_F(PreferencesTest, ShowDialogBoxesStoresTheWelcomeSwitchEveryTimeTheWelcomeBoxOnlyWhenTicked)
{
    openFile(2, QLatin1Char('1'));
    const struct {
        bool checkedOnEntry, tick, ok;
        char stored;
    } steps[] = {{false, false, true, '1'},
                 {false, true, true, '0'},
                 {true, true, true, '1'},
                 {false, true, false, '1'},
                 {false, true, true, '0'}};
    for (const auto& s : steps) {
        const QByteArray before = header();
        choose(QStringLiteral("PrefMenuShowBoxes"));
        QWidget* w = loadedWindow(QStringLiteral("ShowBoxesPref"));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Dialog Box Preferences"));
        EXPECT_EQ(button(w, "Check1")->isChecked(), s.checkedOnEntry);
        if (s.tick)
            click(button(w, "Check1"));
        if (s.ok)
            click(button(w, "OKButton"));
        else
            w->close();
        settle();
        EXPECT_EQ(header() != before, s.ok) << "OK must rewrite the header, closing not";
        EXPECT_EQ(env.p().WelcomeOff, QLatin1Char(s.stored));
    }

    const QByteArray before = header();
    WelcomeDialog d(env.p());
    d.show();
    EXPECT_EQ(button(&d, "Check1")->text(),
              QStringLiteral("Don't Show This Message On Future Startups"));
    click(button(&d, "OKButton"));
    EXPECT_EQ(header(), before);
    EXPECT_EQ(env.p().WelcomeOff, QLatin1Char('0'));
}

// A folder of its own is stored as typed; the usual one as no choice.
TEST_F(PreferencesTest, BackupPreferencesStoreTheUsualFolderAsNoChoice)
{
    openFile(1);
    const QString usual = backupFolderOf(*env.files, BackupSettings{});
    for (const QString& typed : {env.dir() + QStringLiteral("/elsewhere"), usual}) {
        BackupPreferencesDialog d(env.p());
        d.show();
        type(d.folderEdit, typed);
        click(button(&d, "OKButton"));
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(loadBackupSettings(*env.files).folder, typed == usual ? QString() : typed);
    }
}

} // namespace
} // namespace tavrel::test
