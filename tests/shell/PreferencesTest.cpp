// The preference dialogs store exactly what they show, in the header record.
#include "ShellFixture.h"

#include "platform/gui/Windows.h"
#include "shell/WelcomeDialog.h"

#include <QAbstractButton>
#include <QRadioButton>

namespace tavrel::test {
namespace {

QAbstractButton* button(QWidget* w, const char* name)
{
    return control<QAbstractButton>(w, QLatin1String(name));
}

// Which option of an array is checked, -1 for none.
int checkedIndex(QWidget* w, const QString& array, int count)
{
    int found = -1;
    for (int i = 0; i < count; ++i) {
        if (button(w, QStringLiteral("%1_%2").arg(array).arg(i).toLatin1().constData())
                ->isChecked()) {
            EXPECT_EQ(found, -1) << "two options checked";
            found = i;
        }
    }
    return found;
}

class PreferencesTest : public ShellTest {
protected:
    QByteArray header() { return recordBytes(env.naPath(), 1); }
    QByteArray written() { return fieldBytes(env.naPath(), 1, "AddrLine1"); }
};

TEST_F(PreferencesTest, DisplayPreferenceRewritesTheHeaderOnlyWhenChanged)
{
    openFile(3);
    env.p().SortPref = QLatin1Char('1');
    // The file says 4; what counts is the value in memory.
    const QByteArray before = header();

    env.ui.onModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("N&A Display Preference"));
        EXPECT_EQ(checkedIndex(&d, QStringLiteral("Option3D1"), 5), 1);
        click(button(&d, "OKButton"));
    });
    choose(QStringLiteral("DisplayMenu"));
    EXPECT_EQ(header(), before) << "OK without a change rewrote the header";

    env.ui.onModal([](QDialog& d) {
        click(button(&d, "Option3D1_3"));
        click(button(&d, "CancelButton"));
    });
    choose(QStringLiteral("DisplayMenu"));
    EXPECT_EQ(env.p().SortPref, QLatin1Char('1'));
    EXPECT_EQ(header(), before);

    env.ui.onModal([](QDialog& d) {
        click(button(&d, "Option3D1_3"));
        click(button(&d, "OKButton"));
    });
    choose(QStringLiteral("DisplayMenu"));
    EXPECT_EQ(env.p().SortPref, QLatin1Char('3'));
    EXPECT_EQ(fieldBytes(env.naPath(), 1, "SortKey1").left(1), QByteArray("3"));
    EXPECT_TRUE(written().startsWith("Header Record Written 03-14-2026"));
    // The other preferences ride along unchanged.
    EXPECT_EQ(fieldBytes(env.naPath(), 1, "PhoneType1").left(1), QByteArray("0"));
    EXPECT_EQ(fieldBytes(env.naPath(), 1, "PhoneType3").left(1), QByteArray("1"));
}

TEST_F(PreferencesTest, QuickFindPreferencesAlwaysRewriteTheHeader)
{
    openFile(3);
    const QByteArray before = header();
    env.ui.onModal([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("QuickFind Preferences"));
        EXPECT_EQ(checkedIndex(&d, QStringLiteral("DisplayOpt1"), 7), 0);
        EXPECT_EQ(checkedIndex(&d, QStringLiteral("DisplayOpt2"), 5), 0);
        click(button(&d, "DisplayCmd1")); // Cancel
    });
    choose(QStringLiteral("PrefQuickFindMenu"));
    EXPECT_EQ(header(), before);

    env.ui.onModal([](QDialog& d) { click(button(&d, "DisplayCmd2")); });
    choose(QStringLiteral("PrefQuickFindMenu"));
    EXPECT_NE(header(), before) << "OK must rewrite the header even without a change";
    EXPECT_TRUE(written().startsWith("Header Record Written 03-14-2026"));

    env.ui.onModal([](QDialog& d) {
        click(button(&d, "DisplayOpt1_6"));
        click(button(&d, "DisplayOpt2_4"));
        click(button(&d, "DisplayCmd2"));
    });
    choose(QStringLiteral("PrefQuickFindMenu"));
    EXPECT_EQ(env.p().QuickFindField, QLatin1Char('6'));
    EXPECT_EQ(env.p().QuickFindSort, QLatin1Char('4'));
    EXPECT_EQ(fieldBytes(env.naPath(), 1, "PhoneType1"), QByteArray("6     "));
    EXPECT_EQ(fieldBytes(env.naPath(), 1, "PhoneType2"), QByteArray("4     "));

    // Opening again shows what was stored.
    env.ui.onModal([](QDialog& d) {
        EXPECT_EQ(checkedIndex(&d, QStringLiteral("DisplayOpt1"), 7), 6);
        EXPECT_EQ(checkedIndex(&d, QStringLiteral("DisplayOpt2"), 5), 4);
    });
    choose(QStringLiteral("PrefQuickFindMenu"));
}

TEST_F(PreferencesTest, ShowDialogBoxesStoresTheWelcomeSwitchEveryTime)
{
    openFile(2, QLatin1Char('1'));
    const QByteArray before = header();
    auto open = [this] {
        choose(QStringLiteral("PrefMenuShowBoxes"));
        QWidget* w = loadedWindow(QStringLiteral("ShowBoxesPref"));
        EXPECT_NE(w, nullptr);
        return w;
    };

    QWidget* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Dialog Box Preferences"));
    EXPECT_FALSE(button(w, "Check1")->isChecked());
    click(button(w, "OKButton"));
    settle();
    EXPECT_EQ(loadedWindow(QStringLiteral("ShowBoxesPref")), nullptr);
    EXPECT_NE(header(), before) << "OK must rewrite the header";
    EXPECT_EQ(fieldBytes(env.naPath(), 1, "PhoneType3").left(1), QByteArray("1"));

    w = open();
    click(button(w, "Check1"));
    click(button(w, "OKButton"));
    settle();
    EXPECT_EQ(env.p().WelcomeOff, QLatin1Char('0'));
    EXPECT_EQ(fieldBytes(env.naPath(), 1, "PhoneType3").left(1), QByteArray("0"));

    w = open();
    EXPECT_TRUE(button(w, "Check1")->isChecked());
    click(button(w, "Check1"));
    click(button(w, "OKButton"));
    settle();
    EXPECT_EQ(fieldBytes(env.naPath(), 1, "PhoneType3").left(1), QByteArray("1"));

    // Closing it without OK stores nothing.
    const QByteArray now = header();
    w = open();
    click(button(w, "Check1"));
    w->close();
    settle();
    EXPECT_EQ(loadedWindow(QStringLiteral("ShowBoxesPref")), nullptr);
    EXPECT_EQ(header(), now);
    EXPECT_EQ(env.p().WelcomeOff, QLatin1Char('1'));
    EXPECT_TRUE(menusShown());
}

TEST_F(PreferencesTest, WelcomeBoxStoresOnlyWhenTicked)
{
    openFile(2, QLatin1Char('0'));
    const QByteArray before = header();
    {
        WelcomeDialog d(env.p());
        d.show();
        click(button(&d, "OKButton"));
    }
    EXPECT_EQ(header(), before);
    EXPECT_EQ(env.p().WelcomeOff, QLatin1Char('0'));
    {
        WelcomeDialog d(env.p());
        d.show();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Welcome To Corvane MARK32"));
        EXPECT_EQ(button(&d, "Check1")->text(),
                  QStringLiteral("Don't Show This Message On Future Startups"));
        click(button(&d, "Check1"));
        click(button(&d, "OKButton"));
    }
    EXPECT_EQ(fieldBytes(env.naPath(), 1, "PhoneType3").left(1), QByteArray("1"));
}

TEST_F(PreferencesTest, AnUnknownStoredCodeKeepsItsValueOnOk)
{
    openFile(2);
    env.p().SortPref = QLatin1Char('9'); // a damaged header
    const QByteArray before = header();
    env.ui.onModal([](QDialog& d) {
        EXPECT_EQ(checkedIndex(&d, QStringLiteral("Option3D1"), 5), -1);
        click(button(&d, "OKButton"));
    });
    choose(QStringLiteral("DisplayMenu"));
    EXPECT_EQ(env.p().SortPref, QLatin1Char('9'));
    EXPECT_EQ(header(), before);
}

} // namespace
} // namespace tavrel::test
