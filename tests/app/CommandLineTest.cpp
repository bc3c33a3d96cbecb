// The one command line: every verb's words read by the same table and parser,
// refused the same way, and said the same way in help and the manual page.
#include "app/CommandLine.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tavrel::test {
namespace {

// A command of each verb that is complete, with as many words as it takes.
QStringList fullCommand(const VerbSpec& verb)
{
    QStringList args{QStringLiteral("--") + QLatin1String(verb.name)};
    if (verb.valueName)
        args << QStringLiteral("v");
    if (verb.wordsFollow)
        return args; // its words come only with their option
    for (int i = 0; i < verb.maxWords; ++i)
        args << QStringLiteral("w%1").arg(i);
    return args;
}

const VerbSpec& verbNamed(const char* name)
{
    for (const VerbSpec& v : verbTable())
        if (QLatin1String(v.name) == QLatin1String(name))
            return v;
    throw std::logic_error(name);
}

TEST(CommandLine, EveryVerbRefusesTheSameWayAndTakesEitherSpellingOfAValue)
{
    ASSERT_EQ(verbTable().size(), 7u);
    for (const VerbSpec& verb : verbTable()) {
        const QString name = QStringLiteral("--") + QLatin1String(verb.name);
        const QStringList base = fullCommand(verb);
        SCOPED_TRACE(base.join(' ').toStdString());
        const CommandLine ok = readCommandLine(base);
        EXPECT_EQ(ok.mode, verb.mode);
        EXPECT_EQ(ok.verb, &verb);
        EXPECT_EQ(ok.error, QString());
        EXPECT_EQ(ok.arguments, base);

        const auto refused = [&](const QStringList& args, const QString& line) {
            const CommandLine c = readCommandLine(args);
            EXPECT_EQ(c.error, line) << args.join(' ').toStdString();
            EXPECT_TRUE(c.arguments.isEmpty());
            EXPECT_EQ(refusalText(c), line + "\nTry 'tavrel " + name + " --help'.\n");
        };
        refused(base + QStringList{"--bogus"}, "tavrel: unknown option --bogus");
        refused(QStringList{"--bogus=1"} + base, "tavrel: unknown option --bogus");
        refused(base + QStringList{"-x"}, "tavrel: unknown option -x");
        refused(base + QStringList{"stray"}, "tavrel: unexpected word stray");
        if (verb.valueName)
            refused({name}, "tavrel: " + name + " needs a value (" + verb.valueName + ")");
        else
            refused({name + "=v"}, "tavrel: " + name + " takes no value");

        for (const OptionSpec& o : verb.options) {
            const QString option = QStringLiteral("--") + QLatin1String(o.name);
            SCOPED_TRACE(option.toStdString());
            if (!o.valueName) {
                EXPECT_EQ(readCommandLine(base + QStringList{option}).arguments,
                          base + QStringList{option});
                refused(base + QStringList{option + "=yes"},
                        "tavrel: " + option + " takes no value");
                continue;
            }
            // The option's own words, where it has any, follow it either way.
            QStringList words;
            if (verb.wordsFollow && QLatin1String(verb.wordsFollow) == QLatin1String(o.name))
                for (int i = 0; i < verb.minWords; ++i)
                    words << QStringLiteral("w%1").arg(i);
            const CommandLine spaced = readCommandLine(base + QStringList{option, "a=b"} + words);
            const CommandLine equals = readCommandLine(base + QStringList{option + "=a=b"} + words);
            EXPECT_EQ(spaced.error, QString());
            const QStringList wanted = base + QStringList{option, "a=b"} + words;
            EXPECT_EQ(spaced.arguments, wanted);
            EXPECT_EQ(equals.arguments, spaced.arguments);
            refused(base + QStringList{option},
                    "tavrel: " + option + " needs a value (" + o.valueName + ")");
        }

        // Help for the verb wherever --help stands, and its every option named in it.
        const CommandLine help = readCommandLine(base + QStringList{"--bogus", "--help"});
        EXPECT_EQ(help.mode, LaunchMode::Help);
        ASSERT_EQ(help.verb, &verb);
        const QString text = verbHelp(verb);
        EXPECT_TRUE(text.startsWith(verb.usage()));
        EXPECT_TRUE(text.contains("\n  " + name));
        for (const OptionSpec& o : verb.options)
            EXPECT_TRUE(text.contains(QStringLiteral("\n  --") + QLatin1String(o.name) + ' '))
                << o.name;
    }
}

// The canonical list puts the verb's value and words where the verbs read
// them, whatever order and spelling the person used.
TEST(CommandLine, TheVerbsGetOneCanonicalArgumentList)
{
    const std::pair<QStringList, QStringList> cases[] = {
        {{"--allow-http", "--sync", "--setup=http://h/", "ann", "Book"},
         {"--sync", "--setup", "http://h/", "ann", "Book", "--allow-http"}},
        {{"out.csv", "--encoding=utf8", "--export=csv"},
         {"--export", "csv", "out.csv", "--encoding", "utf8"}},
        {{"--print=labels", "--title", "--odd", "--stock", "a4-3x7"},
         {"--print", "labels", "--stock", "a4-3x7", "--title", "--odd"}},
        {{"--print", "book", "--print", "phone"}, {"--print", "book", "phone"}},
        {{"--restore", "--", "-odd"}, {"--restore", "-odd"}},
        {{"--import", "a.vcf", "--no-backup", "--dry-run"},
         {"--import", "a.vcf", "--dry-run", "--no-backup"}},
    };
    for (const auto& [args, canonical] : cases) {
        const CommandLine c = readCommandLine(args);
        EXPECT_EQ(c.error, QString()) << args.join(' ').toStdString();
        EXPECT_EQ(c.arguments, canonical) << c.arguments.join(' ').toStdString();
    }
    // A sync's words belong to --setup: without it, they are stray.
    EXPECT_EQ(readCommandLine({"--sync", "ann"}).error, "tavrel: unexpected word ann");
    EXPECT_EQ(readCommandLine({"--sync", "--setup", "h"}).error,
              "tavrel: --setup needs USER [BOOK]");
    EXPECT_EQ(readCommandLine({"--export", "csv"}).error, "tavrel: --export needs FILE");
    // No verb: the windows', whose words Qt reads first; --help and --version win.
    EXPECT_EQ(readCommandLine({}).mode, LaunchMode::Windows);
    EXPECT_EQ(readCommandLine({"--frobnicate"}).mode, LaunchMode::Windows);
    EXPECT_EQ(readCommandLine({"-h"}).mode, LaunchMode::Help);
    EXPECT_EQ(readCommandLine({"--help"}).verb, nullptr);
    EXPECT_EQ(readCommandLine({"--sync", "--version"}).mode, LaunchMode::Version);
    EXPECT_EQ(readCommandLine({"--envelopes", "-h"}).verb, &verbNamed("envelopes"));
}

// The manual page says what the table says: every verb and every option.
TEST(CommandLine, TheManualPageNamesEveryVerbAndOption)
{
    QFile page(QStringLiteral(TAVREL_APP_SOURCES "/tavrel.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    const auto troff = [](const char* name) {
        return QStringLiteral("\\-\\-") + QString::fromLatin1(name).replace("-", "\\-");
    };
    for (const VerbSpec& verb : verbTable()) {
        // Each verb is an entry of its own (.TP, then its name in bold).
        const QRegularExpression entry("\\.TP\n\\.B[IR]? " +
                                       QRegularExpression::escape(troff(verb.name)) + "[ \n]");
        EXPECT_TRUE(text.contains(entry)) << verb.name;
        for (const OptionSpec& o : verb.options)
            EXPECT_TRUE(text.contains(troff(o.name) + (o.valueName ? " \"" : "\n")))
                << verb.name << ' ' << o.name;
    }
}

} // namespace
} // namespace tavrel::test
