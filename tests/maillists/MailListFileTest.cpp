#include "MailListFixture.h"

#include "platform/Errors.h"

#include <QDir>

namespace tavrel::test {

TEST_F(MailListTest, ParseIdListFollowsTheRangeRules)
{
    // The members as the revise form lists them.
    const std::pair<const char*, const char*> cases[] = {
        {"7-3", "3, 7"},
        {"-5", "1, 2, 3, 4, 5"},
        {"1-3-5", "1, 3, 4, 5"},
        {"5-2000, 8", "5, 6, 7, 8"},
        {"0", ""},
        {"1700;1699", "1699, 1700"},
        {"1701", ""},
        {"0007x0012", "7, 12"},
        {"1698-", "1698"},
        {"10 - 12", "10, 11, 12"},
    };
    for (const auto& [text, expected] : cases) {
        // Leftovers of an earlier list must not survive a parse.
        setMember(p, 999, true);
        parseIdList(p, QLatin1String(text));
        EXPECT_EQ(memberText(p), QLatin1String(expected)) << text;
    }
    clearMailListFlags(p);
    EXPECT_EQ(memberText(p), QString());
}

TEST_F(MailListTest, WrittenFilesHaveTheExactLayout)
{
    parseIdList(p, QStringLiteral("1 3 1700"));
    writeMailList(p, QStringLiteral("tvlmail.abc"), QStringLiteral("Friends"));
    // 40 title bytes, 6 blanks, one flag per ID, CR LF: 1748 bytes.
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.abc")), QByteArray("Friends").leftJustified(46, ' ') +
                                                          "1010" + QByteArray(1695, '0') + "1\r\n");

    // A blank title is kept as it is (an empty one, a title over 40 and no
    // members at all: the windows' tests); a letter outside the code page is
    // stored in Latin letters, anything else as one '?'.
    writeMailList(p, QStringLiteral("tvlmail.b"), QStringLiteral("   "));
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.b")).left(40), QByteArray(40, ' '));
    writeMailList(p, QStringLiteral("tvlmail.u"), QStringLiteral("Caf\u00e9 \u4e2d \u2603"));
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.u")).left(13), QByteArray("Caf\xe9 Zhong ? "));
}

TEST_F(MailListTest, LoadingReadsFlagsAndTitleAndSurvivesDamagedFiles)
{
    writeRaw(QStringLiteral("tvlmail.ok"), listBytes(QStringLiteral("Club"), {2, 1700}));
    setMember(p, 5, true);
    EXPECT_EQ(loadMailList(p, QStringLiteral("tvlmail.ok")),
              QStringLiteral("Club").leftJustified(40));
    EXPECT_EQ(memberText(p), QStringLiteral("2, 1700"));

    // Shorter than the title (a file cut in its flags or with garbage there:
    // ChangesTheTitleKeepingTheFlags; a hidden title, a missing file: the windows).
    writeRaw(QStringLiteral("tvlmail.t"), "Tiny");
    EXPECT_EQ(loadMailList(p, QStringLiteral("tvlmail.t")),
              QStringLiteral("Tiny").leftJustified(40));
    EXPECT_EQ(memberText(p), QString());
}

TEST_F(MailListTest, IdentifierRules)
{
    for (const char* reserved : {"BAT", "bat", "Exe", "com", "SYS"})
        EXPECT_TRUE(isReservedIdentifier(QLatin1String(reserved))) << reserved;
    for (const char* fine : {"BA", "BATS", "ab1", ""})
        EXPECT_FALSE(isReservedIdentifier(QLatin1String(fine))) << fine;
    for (const char* punct : {"a b", "a.b", "a-b", "+", "\"", "\\", "x/y", "q'"})
        EXPECT_TRUE(hasPunctuation(QLatin1String(punct))) << punct;
    // Identifiers that would leave the program directory are bad file names.
    for (const QString& hostile :
         {QStringLiteral("..x"), QStringLiteral("a\\b"), QStringLiteral("a\nb"),
          QStringLiteral("\x01"), QString(300, QLatin1Char('a'))})
        EXPECT_EQ(errorOf([&] { mailListFileName(hostile); }), ErrNo::BadFileName)
            << hostile.toStdString();
}

TEST_F(MailListTest, ExistenceTestAsksBeforeReplacing)
{
    // Each answer's outcome, and no question without a list: ReplacingAListAsksFirst.
    writeRaw(QStringLiteral("tvlmail.old"), listBytes(QStringLiteral("Old"), {1}));
    env.ui.answer(Ui::Answer::Yes);
    EXPECT_EQ(askToReplaceMailList(p, QStringLiteral("old")), MailListAnswer::Replace);
    const auto& m = env.ui.last();
    EXPECT_EQ(m.text,
              QStringLiteral("There Is Already A Mailing List File\nWith Identifier 'old'.\n\n"
                             "Do You Want To Replace It?"));
    EXPECT_EQ(m.title, kTitle);
    EXPECT_EQ(m.icon, Ui::Icon::Question);

    // A directory in the way is an error, not a list to replace.
    ASSERT_TRUE(QDir(env.dir()).mkdir(QStringLiteral("tvlmail.dir")));
    EXPECT_EQ(errorOf([&] { askToReplaceMailList(p, QStringLiteral("dir")); }),
              ErrNo::PathFileAccess);

    // A link pointing nowhere is no list; writing replaces the link, not its target.
    const QString outside = env.dir() + QStringLiteral("-outside"); // beside the directory
    ASSERT_TRUE(QFile::link(outside, path(QStringLiteral("tvlmail.lnk"))));
    EXPECT_EQ(askToReplaceMailList(p, QStringLiteral("lnk")), MailListAnswer::NoFile);
    // A file that is there but cannot be opened is an error, never "no list".
    ASSERT_TRUE(
        QFile::link(path(QStringLiteral("tvlmail.loop")), path(QStringLiteral("tvlmail.loop"))));
    EXPECT_EQ(errorOf([&] { askToReplaceMailList(p, QStringLiteral("loop")); }),
              ErrNo::PathNotFound);
    writeMailList(p, QStringLiteral("tvlmail.lnk"), QStringLiteral("Here"));
    EXPECT_FALSE(QFileInfo::exists(outside));
    EXPECT_FALSE(QFileInfo(path(QStringLiteral("tvlmail.lnk"))).isSymLink());
    EXPECT_EQ(bytesOf(QStringLiteral("tvlmail.lnk")).size(), 1748);
    // (A link under the temporary name: HostileFolders, "list rewrite".)
}

TEST_F(MailListTest, NamesDifferingOnlyInCaseAreOneList)
{
    // Found whatever the case typed, the list keeping its name: ReplacingAListAsksFirst.
    // Two spellings on disk (left by an older version): the newer one is the
    // list, shown once; writing it removes the other.
    writeRaw(QStringLiteral("tvlmail.aaa"), listBytes(QStringLiteral("Old"), {1}));
    writeRaw(QStringLiteral("TVLMAIL.AAA"), listBytes(QStringLiteral("Newer"), {3}));
    setModified(QStringLiteral("tvlmail.aaa"), 60);
    writeRaw(QStringLiteral("tvlmail.b"), listBytes(QStringLiteral("B"), {2}));
    EXPECT_EQ(listMailListFiles(p, kMailListPattern),
              (QStringList{QStringLiteral("TVLMAIL.AAA"), QStringLiteral("tvlmail.b")}));
    EXPECT_EQ(loadMailList(p, QStringLiteral("tvlmail.Aaa")).trimmed(), QStringLiteral("Newer"));
    writeMailList(p, QStringLiteral("tvlmail.aaa"), QStringLiteral("Once"));
    EXPECT_EQ(listFiles(),
              (QStringList{QStringLiteral("TVLMAIL.AAA"), QStringLiteral("tvlmail.b")}));
    EXPECT_EQ(bytesOf(QStringLiteral("TVLMAIL.AAA")), listBytes(QStringLiteral("Once"), {3}));
}

} // namespace tavrel::test
