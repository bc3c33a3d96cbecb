#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace tavrel {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("tavrel::CommandLine", text);
}

QString dashed(const char* name)
{
    return QStringLiteral("--") + QLatin1String(name);
}

// The name an argument gives an option: without its dashes and any "=value".
QString optionName(const QString& arg)
{
    qsizetype from = 0;
    while (from < arg.size() && arg[from] == QLatin1Char('-'))
        ++from;
    return arg.mid(from).section(QLatin1Char('='), 0, 0);
}

bool isOption(const QString& arg)
{
    return arg.size() > 1 && arg.startsWith(QLatin1Char('-'));
}

// The verb named by the first word that is one; nullptr when none is.
const VerbSpec* verbOf(const QStringList& args)
{
    for (const QString& a : args) {
        if (a == QLatin1String("--"))
            break;
        if (!a.startsWith(QLatin1String("--")))
            continue;
        for (const VerbSpec& v : verbTable())
            if (optionName(a) == QLatin1String(v.name))
                return &v;
    }
    return nullptr;
}

const OptionSpec* optionOf(const VerbSpec& verb, const QString& name)
{
    for (const OptionSpec& o : verb.options)
        if (name == QLatin1String(o.name))
            return &o;
    return nullptr;
}

// The verb's own option and its options, as the parser knows them.
void declare(const VerbSpec& verb, QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const auto add = [&](const char* name, const char* valueName) {
        parser.addOption(
            valueName ? QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName))
                      : QCommandLineOption(QLatin1String(name)));
    };
    add(verb.name, verb.valueName);
    for (const OptionSpec& o : verb.options)
        add(o.name, o.valueName);
}

// What the parser cannot name on its own: a value given to a flag, a value
// missing at the end. Empty when neither is there.
QString valueError(const VerbSpec& verb, const QStringList& args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--"))
            break;
        if (!a.startsWith(QLatin1String("--")))
            continue;
        const QString name = optionName(a);
        const OptionSpec* o = optionOf(verb, name);
        const char* valueName = name == QLatin1String(verb.name) ? verb.valueName
                                : o                              ? o->valueName
                                                                 : "";
        if (valueName && !*valueName)
            continue; // not the verb's: the parser names it
        const bool withEquals = a.contains(QLatin1Char('='));
        if (!valueName && withEquals)
            return tr("tavrel: %1 takes no value").arg(QStringLiteral("--") + name);
        if (valueName && !withEquals) {
            if (i + 1 >= args.size())
                return tr("tavrel: %1 needs a value (%2)")
                    .arg(QStringLiteral("--") + name, QLatin1String(valueName));
            ++i;
        }
    }
    return QString();
}

QString unknownWord(const QStringList& args, const QString& name)
{
    for (const QString& a : args)
        if (isOption(a) && optionName(a) == name)
            return a.section(QLatin1Char('='), 0, 0);
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The words that are not options, checked against what the verb takes.
QString wordsError(const VerbSpec& verb, const QCommandLineParser& parser)
{
    const QStringList words = parser.positionalArguments();
    const bool taken = !verb.wordsFollow || parser.isSet(QLatin1String(verb.wordsFollow));
    const int most = taken ? verb.maxWords : 0;
    const int least = taken ? verb.minWords : 0;
    if (words.size() > most)
        return tr("tavrel: unexpected word %1").arg(words.at(most));
    if (words.size() < least)
        return tr("tavrel: %1 needs %2")
            .arg(dashed(verb.wordsFollow ? verb.wordsFollow : verb.name),
                 QLatin1String(verb.wordsName));
    return QString();
}

// The canonical argument list of a parse that succeeded.
QStringList canonical(const VerbSpec& verb, const QCommandLineParser& parser)
{
    QStringList out{dashed(verb.name)};
    if (verb.valueName)
        out << parser.values(QLatin1String(verb.name));
    if (!verb.wordsFollow)
        out << parser.positionalArguments();
    for (const OptionSpec& o : verb.options) {
        const QString name = QLatin1String(o.name);
        if (!o.valueName) {
            if (parser.isSet(name))
                out << dashed(o.name);
            continue;
        }
        for (const QString& value : parser.values(name)) {
            out << dashed(o.name) << value;
            if (verb.wordsFollow && name == QLatin1String(verb.wordsFollow))
                out << parser.positionalArguments();
        }
    }
    return out;
}

} // namespace

CommandLine readCommandLine(const QStringList& args)
{
    CommandLine line;
    line.verb = verbOf(args);
    const qsizetype end = args.indexOf(QStringLiteral("--"));
    const QStringList options = end < 0 ? args : args.mid(0, end);
    if (options.contains(QStringLiteral("--help")) || options.contains(QStringLiteral("-h"))) {
        line.mode = LaunchMode::Help;
        return line;
    }
    if (options.contains(QStringLiteral("--version"))) {
        line.mode = LaunchMode::Version;
        return line;
    }
    if (!line.verb)
        return line; // the windows, whose arguments Qt takes first
    line.mode = line.verb->mode;
    if ((line.error = valueError(*line.verb, args)).isEmpty()) {
        QCommandLineParser parser;
        declare(*line.verb, parser);
        if (!parser.parse(QStringList{QStringLiteral("tavrel")} + args))
            line.error = parser.unknownOptionNames().isEmpty()
                             ? QStringLiteral("tavrel: ") + parser.errorText()
                             : tr("tavrel: unknown option %1")
                                   .arg(unknownWord(args, parser.unknownOptionNames().first()));
        else if ((line.error = wordsError(*line.verb, parser)).isEmpty())
            line.arguments = canonical(*line.verb, parser);
    }
    return line;
}

QString refusalText(const CommandLine& line)
{
    const QString help =
        line.verb ? QStringLiteral("tavrel ") + dashed(line.verb->name) + QStringLiteral(" --help")
                  : QStringLiteral("tavrel --help");
    return line.error + QLatin1Char('\n') + tr("Try '%1'.").arg(help) + QLatin1Char('\n');
}

QString verbHelp(const VerbSpec& verb)
{
    QStringList names, texts;
    const auto add = [&](const char* name, const char* valueName, const char* description) {
        names << dashed(name) +
                     (valueName ? QLatin1Char(' ') + QLatin1String(valueName) : QString());
        texts << QCoreApplication::translate("tavrel::CommandLineTable", description);
    };
    add(verb.name, verb.valueName, verb.description);
    for (const OptionSpec& o : verb.options)
        add(o.name, o.valueName, o.description);
    add("help", nullptr, QT_TRANSLATE_NOOP("tavrel::CommandLineTable", "show this help"));
    qsizetype width = 0;
    for (const QString& n : names)
        width = std::max(width, n.size());
    QString text = verb.usage() + QLatin1Char('\n') + tr("Options:") + QLatin1Char('\n');
    for (qsizetype i = 0; i < names.size(); ++i)
        text +=
            QStringLiteral("  ") + names[i].leftJustified(width + 2) + texts[i] + QLatin1Char('\n');
    return text;
}

} // namespace tavrel
