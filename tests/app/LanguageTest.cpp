// The program's windows speak the user's language: the start's set-up reads
// the locale from the environment, as the program would at its start, so each
// case runs in a fresh copy of this test program with that environment.
#include "shell/ShellFixture.h"

#include "platform/gui/Translations.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProcess>
#include <QTranslator>

namespace tavrel::test {
namespace {

struct Shown {
    QString fileMenu;
    QString cancelButton;
};

// The first menu of the main window and the Cancel button of a message box.
Shown shownTexts(MainWindow& window)
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    return {window.menuBar()->actions().value(0)->text(), box.button(QMessageBox::Cancel)->text()};
}

class LanguageChild : public ShellTest {};

// Run only by Language.FollowsTheLocale below, in a copy started with the
// environment of one case; it prints what the windows show.
TEST_F(LanguageChild, DISABLED_ShowsTheWindowsInTheUsersLanguage)
{
    loadUsersLanguage(*qApp, QStringLiteral(TAVREL_PROGRAM_DIR));
    openFile(3);
    const Shown shown = shownTexts(*mainWindow());
    std::printf("shown: %s|%s\n", qPrintable(shown.fileMenu), qPrintable(shown.cancelButton));
    qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
}

// What the child copy printed: the file menu and the Cancel button, or the
// whole output when it printed nothing of the kind.
QString shownUnder(const QList<std::pair<QString, QString>>& variables)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(QLatin1String(name));
    for (const auto& [name, value] : variables)
        env.insert(name, value);
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_also_run_disabled_tests",
                 "--gtest_filter=LanguageChild.DISABLED_ShowsTheWindowsInTheUsersLanguage"});
    if (!child.waitForFinished(60000))
        return QStringLiteral("the child did not finish");
    const QString out = QString::fromUtf8(child.readAll());
    const qsizetype at = out.indexOf(QLatin1String("shown: "));
    return at < 0 ? out : out.mid(at + 7).section(QLatin1Char('\n'), 0, 0);
}

TEST(Language, FollowsTheLocale)
{
    const QString english = QStringLiteral("&File|Cancel");
    const QString german = QStringLiteral("&Datei|Abbrechen");
    // Environment and what the windows then show.
    const std::pair<QList<std::pair<QString, QString>>, QString> cases[] = {
        {{{"LANG", "de_DE.UTF-8"}}, german},
        {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "de_AT.UTF-8"}}, german},
        {{{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}, english},
        {{{"LANG", "C"}}, english},
        {{}, english},
        // LANGUAGE lists the user's languages in order; English first keeps English.
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "fr:de"}}, german},
        {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, english},
    };
    for (const auto& [variables, expected] : cases) {
        QStringList said;
        for (const auto& [name, value] : variables)
            said << name + "=" + value;
        SCOPED_TRACE(said.join(' ').toStdString());
        EXPECT_EQ(shownUnder(variables).toStdString(), expected.toStdString());
    }
}

} // namespace
} // namespace tavrel::test
