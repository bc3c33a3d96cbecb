// Each translation beside the program's list of texts (translations/tavrel.ts)
// translates every text, keeps its place holders, and keeps the access keys of
// each window apart.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <optional>

namespace {

struct Message {
    QString source;
    QString translation;
    bool finished = false;
};

// context -> messages, in file order.
using Texts = QMap<QString, QList<Message>>;

Texts readTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    Texts texts;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = Message{};
        } else if (name == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            m.finished = type.isEmpty();
            m.translation = xml.readElementText();
            texts[context] << m;
        }
    }
    return texts;
}

// The letter after a single '&': the access key of a caption. "&&" is an
// ampersand, and "N&A", the name of the file, is text, not a key.
std::optional<QChar> accessKey(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        const bool fileName = i > 0 && text.at(i - 1) == QLatin1Char('N') &&
                              text.at(i + 1) == QLatin1Char('A') &&
                              (i + 2 == text.size() || !text.at(i + 2).isLetter());
        if (!fileName && text.at(i + 1).isLetterOrNumber())
            return text.at(i + 1).toLower();
    }
    return std::nullopt;
}

QStringList placeHolders(const QString& text)
{
    static const QRegularExpression holder(QStringLiteral("%L?[0-9]+"));
    QStringList found;
    for (const auto& m : holder.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

// Windows whose texts lie under more than one context: a window class and the
// class it derives from share the window's access keys.
QMap<QString, QString> baseContexts()
{
    return {
        {"tavrel::AddressScreen", "tavrel::RecordScreen"},
        {"tavrel::DetailScreen", "tavrel::RecordScreen"},
        {"tavrel::MatchListWindow", "tavrel::MatchWindow"},
        {"tavrel::MatchViewWindow", "tavrel::MatchWindow"},
        {"tavrel::CreateByNameDialog", "tavrel::NamePicker"},
        {"tavrel::AddDeleteNamesDialog", "tavrel::NamePicker"},
    };
}

// What is wrong with the translation `ts` of the texts `english`, one line each.
QStringList problemsOf(const Texts& english, const Texts& ts)
{
    QStringList problems;
    for (auto c = english.cbegin(); c != english.cend(); ++c) {
        QMap<QString, Message> translated;
        for (const Message& m : ts.value(c.key()))
            translated.insert(m.source, m);
        QList<std::pair<Message, Message>> pairs;
        for (const Message& e : c.value()) {
            const QString where = c.key() + QStringLiteral(": \"") + e.source + QLatin1Char('"');
            const auto t = translated.constFind(e.source);
            if (t == translated.cend() || t->translation.isEmpty()) {
                problems << where + QStringLiteral(" is not translated");
                continue;
            }
            if (!t->finished)
                problems << where + QStringLiteral(" is unfinished");
            if (placeHolders(e.source) != placeHolders(t->translation))
                problems << where + QStringLiteral(" has other place holders");
            if (accessKey(e.source).has_value() != accessKey(t->translation).has_value())
                problems << where + QStringLiteral(" gains or loses its access key");
            pairs.append({e, *t});
        }
        // Two texts of a window whose keys differ in English differ in the translation too.
        if (const QString base = baseContexts().value(c.key()); !base.isEmpty()) {
            QMap<QString, Message> baseTranslated;
            for (const Message& m : ts.value(base))
                baseTranslated.insert(m.source, m);
            for (const Message& e : english.value(base))
                if (baseTranslated.contains(e.source))
                    pairs.append({e, baseTranslated.value(e.source)});
        }
        for (qsizetype i = 0; i < pairs.size(); ++i)
            for (qsizetype j = i + 1; j < pairs.size(); ++j) {
                const auto ei = accessKey(pairs[i].first.source);
                const auto ej = accessKey(pairs[j].first.source);
                const auto ti = accessKey(pairs[i].second.translation);
                if (ei && ej && ei != ej && ti && ti == accessKey(pairs[j].second.translation))
                    problems << c.key() + QStringLiteral(": \"") + pairs[i].second.translation +
                                    QStringLiteral("\" and \"") + pairs[j].second.translation +
                                    QStringLiteral("\" share their access key");
            }
    }
    return problems;
}

TEST(TranslationFiles, CheckFindsMissingUnfinishedAndClashingTexts)
{
    Texts english;
    english["W"] = {{"&Open", {}, true},
                    {"&Close", {}, true},
                    {"Copy %1 of %2", {}, true},
                    {"The N&A File", {}, true},
                    {"&Save", {}, true}};
    Texts ts;
    ts["W"] = {{"&Open", QString::fromUtf8("Ö&ffnen"), true},
               {"&Close", QString::fromUtf8("Schließen"), true},
               {"Copy %1 of %2", "Kopie %1 von %1", true},
               {"The N&A File", "Die N&A-Datei", false}};
    EXPECT_EQ(problemsOf(english, ts),
              QStringList({"W: \"&Close\" gains or loses its access key",
                           "W: \"Copy %1 of %2\" has other place holders",
                           "W: \"The N&A File\" is unfinished", "W: \"&Save\" is not translated"}));
    ts["W"][1].translation = QString::fromUtf8("Schlie&ßen");
    ts["W"][2].translation = "Kopie %1 von %2";
    ts["W"][3].finished = true;
    ts["W"] << Message{"&Save", "&Fertig", true};
    EXPECT_EQ(problemsOf(english, ts),
              QStringList{"W: \"Ö&ffnen\" and \"&Fertig\" share their access key"});
    ts["W"][4].translation = "&Speichern";
    EXPECT_EQ(problemsOf(english, ts), QStringList{});
    // A record screen shows the buttons of the screen it derives from.
    english["tavrel::RecordScreen"] = {{"Ne&xt", {}, true}};
    english["tavrel::AddressScreen"] = {{"&Name", {}, true}};
    ts["tavrel::RecordScreen"] = {{"Ne&xt", QString::fromUtf8("&Nächster"), true}};
    ts["tavrel::AddressScreen"] = {{"&Name", "&Name", true}};
    EXPECT_EQ(problemsOf(english, ts),
              QStringList{QString::fromUtf8(
                  "tavrel::AddressScreen: \"&Name\" and \"&Nächster\" share their access key")});
}

TEST(TranslationFiles, EveryTranslationIsCompleteAndKeepsKeysApart)
{
    const QDir folder(QStringLiteral(TAVREL_SOURCE_TRANSLATIONS));
    const Texts english = readTs(folder.filePath("tavrel.ts"));
    ASSERT_GT(english.size(), 10);
    const QStringList files = folder.entryList({"tavrel_*.ts"});
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QStringList problems = problemsOf(english, readTs(folder.filePath(file)));
        EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
    }
}

} // namespace
