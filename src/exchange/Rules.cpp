#include "exchange/Rules.h"

#include "exchange/Tables.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace tavrel {

// --- organisations ---

namespace {

// A word as the tables hold it: lower case, without dots and a trailing comma.
QString plainWord(const QString& word)
{
    QString w = word.toLower();
    w.remove(QLatin1Char('.'));
    while (w.endsWith(QLatin1Char(',')))
        w.chop(1);
    return w;
}

// Legal forms: they name a company even after a comma ("Acme, Inc.").
bool isLegalForm(const QString& plain)
{
    static const QSet<QString> set = {
        "gmbh",   "mbh",     "ag",   "kg",  "ohg",          "gbr",        "ug",  "ev",   "eg",
        "ltd",    "limited", "plc",  "llc", "llp",          "lp",         "inc", "corp", "co",
        "sa",     "sas",     "sarl", "spa", "srl",          "bv",         "nv",  "ab",   "oy",
        "oyj",    "a/s",     "asa",  "aps", "pty",          "pte",        "kk",  "se",   "kgaa",
        "gesmbh", "sàrl",    "ltda", "sl",  "incorporated", "corporation"};
    return set.contains(plain);
}

// Words that say what kind of body a name belongs to.
bool isBodyWord(const QString& plain)
{
    static const QSet<QString> set = {
        "company",      "club",      "society",     "association", "practice",   "office",
        "church",       "school",    "university",  "college",     "institute",  "foundation",
        "trust",        "council",   "bank",        "hotel",       "restaurant", "bakery",
        "clinic",       "hospital",  "surgery",     "pharmacy",    "library",    "museum",
        "theatre",      "theater",   "gallery",     "studio",      "studios",    "agency",
        "services",     "partners",  "associates",  "group",       "department", "dept",
        "ministry",     "committee", "federation",  "union",       "league",     "academy",
        "center",       "centre",    "garage",      "motors",      "store",      "shop",
        "consulting",   "solutions", "systems",     "holdings",    "industries", "enterprises",
        "brothers",     "bros",      "verein",      "praxis",      "kanzlei",    "apotheke",
        "schule",       "kirche",    "gemeinde",    "stiftung",    "verband",    "druckerei",
        "werkstatt",    "firma",     "bäckerei",    "stadtwerke",  "hochschule", "universität",
        "kindergarten", "klinik",    "krankenhaus", "gmbh&co"};
    return set.contains(plain);
}

bool isTitleWord(const QString& plain)
{
    static const QSet<QString> set = {"mr", "mrs", "ms", "miss", "dr", "prof", "herr", "frau"};
    return set.contains(plain);
}

bool isCompanyWord(const QString& plain)
{
    return isLegalForm(plain) || isBodyWord(plain);
}

} // namespace

bool isOrganisationName(const QString& name, const QString& sortKey2)
{
    const QString text = name.simplified();
    if (text.isEmpty())
        return false;
    // "Surname, Given" is a person; "Acme, Inc." and "Acme Pty, Ltd." are not.
    QStringList commaParts = text.split(QLatin1Char(','));
    while (commaParts.size() > 1) {
        const QStringList tail = commaParts.last().simplified().split(' ', Qt::SkipEmptyParts);
        bool legal = !tail.isEmpty();
        for (const QString& w : tail)
            legal = legal && isLegalForm(plainWord(w));
        if (!legal)
            return false;
        commaParts.removeLast();
    }
    const QStringList words = text.split(' ', Qt::SkipEmptyParts);
    const QString key2 = plainWord(sortKey2.simplified());
    // A short legal form ends the name ("Acme AG", "Nestlé S.A."); before
    // other words it is more likely initials ("A.G. Smith").
    auto endsName = [&words](qsizetype i) {
        for (qsizetype j = i + 1; j < words.size(); ++j)
            if (!isLegalForm(plainWord(words.at(j))) && words.at(j) != QLatin1String("&"))
                return false;
        return true;
    };
    bool company = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString w = plainWord(words.at(i));
        if (!key2.isEmpty() && w == key2 && !isCompanyWord(w))
            return false; // the user's sort key 2 is this person's given name
        if (isBodyWord(w) || (isLegalForm(w) && (w.size() > 3 || endsName(i))) ||
            w == QLatin1String("+")) {
            company = true;
        } else if (words.at(i).contains(QLatin1Char('&'))) {
            // "Mr & Mrs Smith" is a couple; "Smith & Sons", "AT&T" are not.
            const bool couple = w == QLatin1String("&") && i > 0 && i + 1 < words.size() &&
                                (isTitleWord(plainWord(words.at(i - 1))) ||
                                 isTitleWord(plainWord(words.at(i + 1))));
            company = company || !couple;
        }
    }
    return company;
}

// --- telephone numbers ---

QString compactPhoneNumber(const QString& number)
{
    static const QRegularExpression extension(
        QStringLiteral(
            "(?:\\s*;\\s*ext=|[\\s,]*(?<=[\\d\\s,.)])(?:extension|extn|ext|x)\\.?\\s*)(\\d+)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression trunk(QStringLiteral("^\\s*(\\+\\d{1,3})\\s*\\(0\\)"));
    QString main = number;
    QString ext;
    if (const auto m = extension.match(main); m.hasMatch() && m.capturedStart() > 0) {
        ext = QLatin1Char('x') + m.captured(1);
        main.truncate(m.capturedStart());
    }
    main.replace(trunk, QStringLiteral("\\1"));
    // The next character that is not formatting, for a dash between digits.
    auto nextDigit = [&main](qsizetype from) {
        for (qsizetype i = from; i < main.size(); ++i) {
            const QChar c = main.at(i);
            if (c.isDigit())
                return true;
            if (!c.isSpace() && c != '(' && c != ')' && c != '.')
                return false;
        }
        return false;
    };
    QString out;
    out.reserve(main.size() + ext.size());
    for (qsizetype i = 0; i < main.size(); ++i) {
        const QChar c = main.at(i);
        if (c.isSpace() || c == '(' || c == ')' || c == '.')
            continue;
        if (c == '-' && !out.isEmpty() && out.back().isDigit() && nextDigit(i + 1))
            continue;
        out += c;
    }
    return out + ext;
}

QString shortPhoneLabel(const QString& label)
{
    const QString known = canonicalPhoneLabel(label);
    if (!known.isEmpty())
        return known;
    // Long labels of other programs that the telephone table does not hold.
    static const QHash<QString, QString> table = {{"home phone", "Home"},
                                                  {"home phone 2", "Home"},
                                                  {"home 2", "Home"},
                                                  {"personal", "Home"},
                                                  {"private", "Home"},
                                                  {"business phone", "Work"},
                                                  {"business phone 2", "Work"},
                                                  {"work phone", "Work"},
                                                  {"business 2", "Work"},
                                                  {"office phone", "Work"},
                                                  {"mobile phone", "Mobile"},
                                                  {"cell phone", "Mobile"},
                                                  {"cellphone", "Mobile"},
                                                  {"iphone", "Mobile"},
                                                  {"work mobile", "Mobile"},
                                                  {"home mobile", "Mobile"},
                                                  {"mobile 2", "Mobile"},
                                                  {"work pager", "Pager"},
                                                  {"other fax", "Fax"},
                                                  {"fax number", "Fax"},
                                                  {"main phone", "Main"},
                                                  {"company main", "Main"},
                                                  {"company main phone", "Main"},
                                                  {"primary phone", "Main"},
                                                  {"primary", "Main"},
                                                  {"other phone", "Other"},
                                                  {"assistant", "Assist"},
                                                  {"assistant phone", "Assist"},
                                                  {"callback", "Callbk"},
                                                  {"radio", "Radio"},
                                                  {"telex", "Telex"},
                                                  {"tty/tdd", "TTY"},
                                                  {"tty/tdd phone", "TTY"},
                                                  {"voicemail", "Msg"},
                                                  {"google voice", "GVoice"},
                                                  {"car phone", "Car"},
                                                  {"telefon", "Tel"},
                                                  {"telephone", "Tel"},
                                                  {"phone", "Tel"},
                                                  {"geschäftlich", "Work"},
                                                  {"privat", "Home"},
                                                  {"mobiltelefon", "Mobile"}};
    return table.value(label.simplified().toLower());
}

// --- control characters ---

namespace {

bool isControl(char16_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xFEFF || (c >= 0x200B && c <= 0x200F) ||
           c == 0x2028 || c == 0x2029;
}

} // namespace

QString withoutControls(const QString& text, bool multiLine, int* removed)
{
    // Most values hold none: they are returned as they are, without a copy.
    bool plain = true;
    for (QChar c : text)
        plain = plain && !isControl(c.unicode());
    if (plain)
        return text;
    int count = 0;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == '\r' || c == '\n' || c == 0x2028 || c == 0x2029) {
            if (c == '\r' && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            if (multiLine) {
                out += QLatin1String("\r\n");
            } else {
                out += QLatin1Char(' ');
                ++count;
            }
        } else if (c == '\t') {
            out += QLatin1Char(' ');
            ++count;
        } else if (isControl(c)) {
            ++count;
        } else {
            out += QChar(c);
        }
    }
    if (removed)
        *removed += count;
    return out;
}

bool isEmailAddress(const QString& text)
{
    static const QRegularExpression re(
        QStringLiteral("^[^@\\s,;<>\"]+@[^@\\s,;<>\"]+\\.[^@\\s,;<>\".]+$"));
    return re.match(text.trimmed()).hasMatch();
}

QString birthdayText(const QString& value)
{
    static const QRegularExpression full(
        QStringLiteral("^(\\d{4})-?(\\d{2})-?(\\d{2})(T[0-9:.Z+-]*)?$"));
    static const QRegularExpression noYear(QStringLiteral("^--(\\d{2})-?(\\d{2})$"));
    const QString v = value.trimmed();
    const auto valid = [](const QString& month, const QString& day) {
        return month.toInt() >= 1 && month.toInt() <= 12 && day.toInt() >= 1 && day.toInt() <= 31;
    };
    if (const auto m = full.match(v); m.hasMatch() && valid(m.captured(2), m.captured(3)))
        return m.captured(1) + '-' + m.captured(2) + '-' + m.captured(3);
    if (const auto m = noYear.match(v); m.hasMatch() && valid(m.captured(1), m.captured(2)))
        return QStringLiteral("--") + m.captured(1) + '-' + m.captured(2);
    return v;
}

} // namespace tavrel
