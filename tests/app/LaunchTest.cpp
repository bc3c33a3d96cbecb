// What the command line asks for, decided before any window or display, and
// `tavrel FILE` opening the import window on that file.
#include "shell/ShellFixture.h"

#include "app/DesktopLaunch.h"
#include "app/Launch.h"
#include "exchange/gui/ImportDialog.h"
#include "platform/gui/Windows.h"

#include <QDir>
#include <QTreeWidget>
#include <memory>
#include <vector>

namespace tavrel::test {
namespace {

TEST(Launch, OneFileMadeAbsoluteOtherwiseAnError)
{
    const QString here = QDir::currentPath();
    EXPECT_EQ(fileArgumentOf({}).file, QString());
    EXPECT_EQ(fileArgumentOf({"people.vcf"}).file, here + "/people.vcf");
    EXPECT_EQ(fileArgumentOf({"/tmp/a.csv"}).file, "/tmp/a.csv");
    EXPECT_TRUE(fileArgumentOf({"people.vcf"}).error.isEmpty());
    // Its errors: the test without a display, which reads them through Qt's options.
}

TEST(Launch, WithoutADisplayTheWindowsAreRefusedInOneLineNamingWhatWorks)
{
    const QProcessEnvironment none;
    QProcessEnvironment empty; // set but empty is not set
    empty.insert("DISPLAY", "");
    empty.insert("QT_QPA_PLATFORM", "");
    for (const QProcessEnvironment& env : {none, empty}) {
        for (const QStringList& args :
             {QStringList{}, {"people.vcf"}, {"-style", "fusion", "people.vcf"}, {"--reverse"}}) {
            SCOPED_TRACE(args.join(' ').toStdString());
            const auto refusal = refusalWithoutDisplay(args, env);
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(refusal->exitCode, 1);
            EXPECT_TRUE(refusal->line.startsWith("tavrel: the windows need a graphical session"));
            EXPECT_FALSE(refusal->line.contains('\n'));
            // Every command it offers runs without windows.
            for (const char* verb : {"--print", "--envelopes", "--export", "--import", "--backup",
                                     "--restore", "--sync"}) {
                EXPECT_TRUE(refusal->line.contains(QLatin1String(verb))) << verb;
                EXPECT_NE(launchModeOf({verb}), LaunchMode::Windows) << verb;
            }
        }
    }
    // A word it does not know is named, whatever Qt's options around it, before
    // and apart from any display.
    const std::pair<QStringList, const char*> wrong[] = {
        {{"--frobnicate"}, "tavrel: unknown option --frobnicate"},
        {{"-style=fusion", "-x"}, "tavrel: unknown option -x"},
        {{"-style", "fusion", "a.vcf", "b.vcf"}, "tavrel: one file at a time, not a.vcf and b.vcf"},
    };
    for (const auto& [args, line] : wrong)
        EXPECT_EQ(fileArgumentOf(ownArguments(args)).error, line);
    EXPECT_EQ(ownArguments({"-style", "fusion", "--reverse", "-platform=vnc", "a.vcf"}),
              QStringList{"a.vcf"});
    // Any way Qt reaches a display lets the windows try.
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        QProcessEnvironment env;
        env.insert(variable, "x");
        EXPECT_FALSE(refusalWithoutDisplay({"--frobnicate"}, env).has_value()) << variable;
    }
    for (const QStringList& args : {QStringList{"-platform", "offscreen"},
                                    {"--platform", "vnc"},
                                    {"-display", ":1", "a.vcf"}})
        EXPECT_FALSE(refusalWithoutDisplay(args, QProcessEnvironment()).has_value())
            << args.join(' ').toStdString();
}

TEST(Launch, HelpNamesEveryModeAndVersionTheRelease)
{
    for (const char* word :
         {"--backup", "--restore", "--export", "--import", "--dry-run", "--overflow", "--list",
          "--encoding", "--separator", "--version", "--no-backup", "--spreadsheet"})
        EXPECT_TRUE(usageText().contains(QLatin1String(word))) << word;
    EXPECT_EQ(versionText(), "tavrel 3.1 (Corvane Mark32)\n");
}

TEST_F(ShellTest, AFileOnTheCommandLineOpensTheImportWindowOnIt)
{
    openFile(2);
    const QString path = env.dir() + "/friends.vcf";
    writeBytes(
        path,
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ada Lovelace\r\nN:Lovelace;Ada;;;\r\nEND:VCARD\r\n");
    // However many other top-level windows there are, the import window is found among them.
    std::vector<std::unique_ptr<QWidget>> others;
    for (int i = 0; i < 60; ++i)
        others.push_back(std::make_unique<QWidget>());
    openImportOn(*mainWindow(), path);
    settle();
    ASSERT_EQ(otherWindows(), QStringList{"ImportForm"});
    auto* form = static_cast<ImportDialog*>(loadedWindow("ImportForm"));
    EXPECT_EQ(form->fileEdit->text(), path);
    EXPECT_EQ(form->entryList->topLevelItemCount(), 1);
    EXPECT_TRUE(form->summaryLabel->text().startsWith("friends.vcf (vCard): 1 Entr"))
        << form->summaryLabel->text().toStdString();
    EXPECT_FALSE(menusShown());
}

} // namespace
} // namespace tavrel::test
