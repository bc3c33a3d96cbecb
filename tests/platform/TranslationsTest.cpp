// The program's translation is found by the user's language, and the check
// for texts that bypass tr() tells such texts from translated ones and data.
#include "platform/gui/Translations.h"
#include "support/UntranslatedTexts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTranslator>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace tavrel;

namespace {

QString probe()
{
    return QCoreApplication::translate("Probe", "&Close");
}

} // namespace

TEST(Translations, LoadsTheUsersLanguageFromTheFirstFolderThatHasIt)
{
    const QString found = QStringLiteral(TAVREL_TEST_TRANSLATIONS);
    QTemporaryDir empty;
    // Locale, folders, whether a translation loads, and what a text then reads.
    for (const auto& [locale, folders, loaded, shown] :
         {std::tuple{"de_DE", QStringList{empty.path(), found}, true, "&Schließen"},
          std::tuple{"de_AT", QStringList{found}, true, "&Schließen"},
          std::tuple{"de_DE", QStringList{empty.path()}, false, "&Close"},
          std::tuple{"en_US", QStringList{found}, false, "&Close"},
          std::tuple{"C", QStringList{found}, false, "&Close"}}) {
        SCOPED_TRACE(locale);
        EXPECT_EQ(loadTranslation(*qApp, QLocale(QLatin1String(locale)), folders), loaded);
        EXPECT_EQ(probe(), QString::fromUtf8(shown));
        qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    }
    // Next to the program first, so a portable copy or the build tree brings its own.
    const QStringList folders = translationFolders("/opt/tvl/bin");
    ASSERT_GE(folders.size(), 2);
    EXPECT_EQ(folders.first(), "/opt/tvl/bin/translations");
    EXPECT_TRUE(folders.last().endsWith("/share/tavrel/translations"));
}

TEST(Translations, CheckListsEveryTextThatBypassesTranslation)
{
    test::MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    QWidget window;
    window.setObjectName("Win");
    window.setWindowTitle("Plain Title");
    auto* layout = new QVBoxLayout(&window);
    const auto add = [&](QWidget* c, const char* name) {
        c->setObjectName(QLatin1String(name));
        layout->addWidget(c);
        return c;
    };
    add(new QLabel(probe()), "Translated");
    add(new QLabel(probe() + " Smith"), "TranslatedWithData");
    add(new QLabel("Plain Label"), "PlainLabel");
    add(new QLabel("12 / 345"), "Figures");
    add(new QPushButton("&Plain"), "PlainButton")->setToolTip(probe());
    add(new QLineEdit("Adams, Ruth"), "NameBox")->setToolTip("Plain Tip");
    static_cast<QComboBox*>(add(new QComboBox, "Kinds"))->addItems({probe(), "Plain Item"});
    static_cast<QComboBox*>(add(new QComboBox, "Lists"))->addItem("Garden Club");
    static_cast<QListWidget*>(add(new QListWidget, "Names"))->addItem("Dunn");
    auto* hidden = add(new QLabel("Hidden Plain"), "Hidden");
    auto* bar = new QMenuBar(&window);
    QMenu* menu = bar->addMenu(probe());
    menu->addAction("Plain Action");
    menu->addAction(probe());
    window.show();
    hidden->hide();

    const QStringList found = test::untranslatedTexts(&window, {"Lists"});
    // A text asked under a context other than the one lupdate files it under.
    QCoreApplication::translate("Elsewhere", "&Close");
    QCoreApplication::translate("QPlatformTheme", "Cancel");
    QCoreApplication::removeTranslator(&marking);
    EXPECT_EQ(test::unknownToLupdate(marking, QStringLiteral(TAVREL_TEST_TS)),
              QStringList{"Elsewhere: \"&Close\""});
    const QStringList expected{
        "Win (QWidget window title): \"Plain Title\"",
        "PlainLabel (QLabel text): \"Plain Label\"",
        "PlainButton (QPushButton caption): \"&Plain\"",
        "NameBox (QLineEdit tool tip): \"Plain Tip\"",
        "Kinds (QComboBox item): \"Plain Item\"",
        "(QMenu action): \"Plain Action\"",
    };
    EXPECT_EQ(found.join(QLatin1Char('\n')).toStdString(),
              expected.join(QLatin1Char('\n')).toStdString());
}
