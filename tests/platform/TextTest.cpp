#include "platform/Text.h"

#include <gtest/gtest.h>
#include <thread>

using namespace tavrel;

TEST(CodePage, EveryByteSurvivesAReadAndAWriteAndOtherCharactersBecomeOneQuestionMarkEach)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = cp1252ToUnicode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(unicodeToCp1252(text), all);

    // The characters of the upper half are the code page's, not Latin-1's.
    EXPECT_EQ(text.at(0x80), QChar(0x20AC)); // euro sign
    EXPECT_EQ(text.at(0x9F), QChar(0x0178)); // Y with diaeresis

    // Characters outside the code page become one question mark each.
    EXPECT_EQ(unicodeToCp1252("Caf\u00E9 \u2603"), QByteArray("Caf\xE9 ?"));
    // A character beyond the basic plane (two UTF-16 units) is still one byte.
    EXPECT_EQ(unicodeToCp1252(QString::fromUtf8("a\xF0\x9F\x98\x80z")), QByteArray("a?z"));
    // A lone surrogate is not dropped silently either.
    EXPECT_EQ(unicodeToCp1252(QString(QChar(0xD800)) + QLatin1Char('x')), QByteArray("?x"));
}

TEST(CodePage, LettersOutsideTheCodePageBecomeTheirClosestLetter)
{
    struct Row {
        const char* in;
        const char* out; // what the file stores, as UTF-8
        bool changed;
    };
    const Row rows[] = {
        {"Łódź Dvořák Ňa Wałęsa", "Lódz Dvorák Na Walesa", true}, // é and á: the file holds them
        {"Straße Æsop Œuvre Øre €5 – “quoted”", "Straße Æsop Œuvre Øre €5 – “quoted”", false},
        {"ı ŋ Ħ İ Đoković", "i n H I Dokovic", true}, // letters that do not come apart
        {"Nguyễn Văn Ağaoğlu Şişli Růžena", "Nguyen Van Agaoglu Sisli Ružena", true},
        {"x\xcc\x81 e\xcc\x81", "x é", true}, // an accent with no letter to join is dropped
        {"e\xcc\x81te", "éte", false},        // one that joins its letter changes nothing
        {"\xf0\x9f\x98\x80 x", "? x", true},  // two UTF-16 units, one byte
    };
    for (const Row& r : rows) {
        bool changed = false;
        const QString in = QString::fromUtf8(r.in);
        EXPECT_EQ(reduceToCp1252(in, &changed), QString::fromUtf8(r.out)) << r.in;
        EXPECT_EQ(changed, r.changed) << r.in;
        // The file gets the same, one byte a character, cut the same way.
        EXPECT_EQ(unicodeToCp1252(in), unicodeToCp1252(QString::fromUtf8(r.out))) << r.in;
        EXPECT_EQ(fixedField(in, 4),
                  unicodeToCp1252(QString::fromUtf8(r.out).left(4).leftJustified(4)))
            << r.in;
    }
}

TEST(CodePage, OtherAlphabetsAreSpelledInLatinLettersKeepingTheCodePagesOwn)
{
    const std::pair<const char*, const char*> rows[] = {
        {"Иван Петров", "Ivan Petrov"},
        {"Щукин, Жуков, Хрущёв", "Shchukin, Zhukov, Khrushchëv"}, // ë and the comma are held
        {"Игорь Ольга", "Igor Olga"},                             // soft signs go
        {"Олександр Київ", "Oleksandr Kyyiv"},                    // Ukrainian as Ukrainian
        {"Γιώργος Παπαδόπουλος", "Giórgos Papadópoulos"},
        {"דוד כהן", "Dwd Khn"},
        {"محمد", "Mhmd"},
        {"王小明", "Wang Xiao Ming"},
        {"たなか きょうこ", "Tanaka Kyouko"},
        {"José Иванов-Müller, Straße 5", "José Ivanov-Müller, Straße 5"},
        {"Łukasz Лукаш ɛ \xf0\x9f\x98\x80", "Lukasz Lukash e ?"},
    };
    for (const auto& [in, out] : rows) {
        bool changed = false;
        EXPECT_EQ(reduceToCp1252(QString::fromUtf8(in), &changed), QString::fromUtf8(out)) << in;
        EXPECT_TRUE(changed) << in;
    }
    // A spelling may be longer than the text, but a field still gets its width in bytes.
    const QString name = QString::fromUtf8("Щукин Щукин");
    EXPECT_EQ(fixedField(name, 8), QByteArray("Shchukin"));
    EXPECT_EQ(fixedField(name, 20), QByteArray("Shchukin Shchukin   "));
    EXPECT_EQ(unicodeToCp1252(QString::fromUtf8("Хрущёв")), QByteArray("Khrushch\xEBv"));
}

TEST(CodePage, SpellingWorksInEveryThread)
{
    // Each thread has its own transliterators: a second thread spells as the first.
    QString there;
    std::thread t([&] { there = reduceToCp1252(QString::fromUtf8("Ωμέγα 東京")); });
    t.join();
    EXPECT_EQ(there, reduceToCp1252(QString::fromUtf8("Ωμέγα 東京")));
    EXPECT_EQ(there, QString::fromUtf8("Oméga Dong Jing"));
}

// The find box and the field search compare through one folding.
TEST(Text, FoldingForMatchesDropsAccentsAndCaseAndSpellsSharpSAsSs)
{
    EXPECT_EQ(foldForMatch("J\u00fcrgen M\u00dcLLER"), "jurgen muller");
    EXPECT_EQ(foldForMatch("Wei\u00df"), foldForMatch("WEISS"));
    EXPECT_EQ(foldForMatch("Stra\u00dfe"), "strasse");
    EXPECT_EQ(foldForMatch("\u00c9mile Ren\u00e9e \u00c7a"), "emile renee ca");
    // A combining accent goes as the precomposed one does; other alphabets as stored.
    EXPECT_EQ(foldForMatch("Rene\u0301e"), "renee");
    EXPECT_EQ(foldForMatch("\u041f\u0435\u0442\u0440\u043e\u0432"), "petrov");
    // Blanks and punctuation stay, so fixed-width fields keep their padding.
    EXPECT_EQ(foldForMatch("  A-b.  "), "  a-b.  ");
    EXPECT_EQ(digitsOf(u"(555) 123-4567 ext. 8"), "55512345678");
    EXPECT_EQ(digitsOf(u"none"), "");
}

TEST(Text, PaddingAndTrimmingAreOnTheRight)
{
    EXPECT_EQ(padRight("ab", 4), "ab  ");
    EXPECT_EQ(padRight("abcdef", 4), "abcd");
    EXPECT_EQ(trimRight("  a b   "), "  a b");
    EXPECT_EQ(trimRight("    "), QString());
}

TEST(Numbers, MessagesWriteALeadingBlankUnlessNegativeAndReadWhatTheTextStartsWith)
{
    EXPECT_EQ(numText(0) + numText(1700) + numText(-53), " 0 1700-53");

    // No exponent; blanks inside end the number; nothing numeric at the start reads as 0.
    const std::pair<const char*, double> rows[] = {
        {"  -3.5x", -3.5}, {"\t+7", 7}, {".25", 0.25}, {"4.", 4},  {"1.2.3", 1.2}, {"1e3", 1},
        {"1 2", 1},        {"", 0},     {"+.", 0},     {"- 5", 0}, {"\xD9\xA3", 0}};
    for (const auto& [text, value] : rows)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(text)), value) << text;
}

TEST(Numbers, LeadingIntegerRoundsHalvesToEven)
{
    const std::pair<const char*, int> rows[] = {
        {"2.5", 2}, {"3.5", 4}, {"-2.5", -2}, {"2.51", 3}, {"1700.4 ", 1700}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(leadingInteger(QString::fromLatin1(text)), value) << text;
    // Absurdly long input does not overflow into a small or negative number.
    EXPECT_GT(leadingInteger("99999999999999999999999"), 1700);
    EXPECT_LT(leadingInteger("-99999999999999999999999"), 0);
}
