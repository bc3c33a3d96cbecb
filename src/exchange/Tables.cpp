#include "exchange/Tables.h"

#include "platform/Text.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace tavrel {

// --- telephone labels ---

namespace {

struct LabelRow {
    const char* label;   // as the record writes it
    const char* types;   // vCard types, comma-separated
    const char* aliases; // other spellings users type, '|'-separated, lower case
};

// Ordered: the first row whose types are all present wins on the way in, so
// the most telling kind comes first: the device (fax, mobile, pager, ...), then
// the place (work, home), then what a line can also do (messages, texts).
constexpr LabelRow kLabels[] = {
    {"W Fax", "work,fax", "wfax|work fax|bus fax|business fax|bfax|office fax"},
    {"H Fax", "home,fax", "hfax|home fax"},
    {"Mobile", "cell", "cell|mob|mobil|cellular|handy|gsm|portable"},
    {"Fax", "fax", "facsimile|telefax"},
    {"Pager", "pager", "beeper|page"},
    {"Car", "car", "auto|car phone"},
    {"Video", "video", ""},
    {"ISDN", "isdn", ""},
    {"Modem", "modem", "data"},
    {"TTY", "textphone", "tdd|textphone"},
    {"Work", "work", "office|business|bus|busn|wk|w"},
    {"Home", "home", "res|residence|h"},
    {"Msg", "msg", "voicemail|voice mail|message"},
    {"Text", "text", "sms"},
};

// The table with its strings split once.
struct Label {
    QString label;
    QStringList types;
    QStringList spellings; // lower case: the label itself and its aliases
};

const std::vector<Label>& labels()
{
    static const std::vector<Label> table = [] {
        std::vector<Label> v;
        for (const LabelRow& row : kLabels) {
            Label l{QString::fromLatin1(row.label), QString::fromLatin1(row.types).split(','),
                    QString::fromLatin1(row.aliases).split('|', Qt::SkipEmptyParts)};
            l.spellings.prepend(l.label.toLower());
            v.push_back(l);
        }
        return v;
    }();
    return table;
}

// Each spelling's row, the first row that has it: a card writes every
// telephone's label through here twice.
const QHash<QString, const Label*>& rowsBySpelling()
{
    static const QHash<QString, const Label*> rows = [] {
        QHash<QString, const Label*> h;
        for (const Label& row : labels())
            for (const QString& spelling : row.spellings)
                if (!h.contains(spelling))
                    h.insert(spelling, &row);
        return h;
    }();
    return rows;
}

const Label* rowForLabel(const QString& label)
{
    const QString l = label.trimmed().toLower();
    if (l.isEmpty())
        return nullptr;
    return rowsBySpelling().value(l, nullptr);
}

} // namespace

QStringList phoneTypesForLabel(const QString& label)
{
    const Label* row = rowForLabel(label);
    return row ? row->types : QStringList();
}

QString canonicalPhoneLabel(const QString& label)
{
    const Label* row = rowForLabel(label);
    return row ? row->label : QString();
}

QString labelForPhoneTypes(const QStringList& types)
{
    QStringList have;
    for (const QString& t : types)
        have << t.trimmed().toLower();
    for (const Label& row : labels()) {
        bool all = true;
        for (const QString& t : row.types)
            all = all && have.contains(t);
        if (all)
            return row.label;
    }
    // Other kinds not in the table: a plain "other" or a private type of a peer.
    if (have.contains(QStringLiteral("other")) || have.contains(QStringLiteral("x-other")))
        return QStringLiteral("Other");
    if (have.contains(QStringLiteral("main")) || have.contains(QStringLiteral("x-main")))
        return QStringLiteral("Main");
    return QString();
}

// --- names ---

namespace {

QString bare(const QString& word)
{
    QString w = word.toLower();
    while (w.endsWith('.') || w.endsWith(','))
        w.chop(1);
    return w;
}

bool isPrefix(const QString& word)
{
    static const QSet<QString> set = {"mr",   "mrs",  "ms",  "miss", "mx",   "dr",
                                      "prof", "rev",  "sir", "dame", "fr",   "hon",
                                      "herr", "frau", "mme", "mlle", "lady", "lord"};
    return set.contains(bare(word));
}

bool isSuffix(const QString& word)
{
    static const QSet<QString> set = {"jr",  "sr",  "ii",  "iii", "iv",  "phd", "md",
                                      "esq", "dds", "cpa", "mba", "ret", "jnr", "snr"};
    return set.contains(bare(word));
}

bool isParticle(const QString& word)
{
    static const QSet<QString> set = {"van", "von", "de",  "der", "den", "del", "della", "di",
                                      "da",  "du",  "dos", "das", "le",  "la",  "ter",   "ten",
                                      "bin", "ibn", "al",  "el",  "zu",  "af",  "av",    "st"};
    return set.contains(bare(word));
}

QString words(const QStringList& list, qsizetype from, qsizetype to)
{
    return list.mid(from, to - from).join(' ');
}

} // namespace

NameParts splitName(const QString& name, const QString& sortKey1)
{
    NameParts parts;
    QString text = name.simplified();
    QStringList commaParts = text.split(',');
    // "John Smith, Jr." names a suffix after the comma, not a family name before it.
    while (commaParts.size() > 1) {
        const QStringList tail = commaParts.last().simplified().split(' ', Qt::SkipEmptyParts);
        bool allSuffix = !tail.isEmpty();
        for (const QString& w : tail)
            allSuffix = allSuffix && isSuffix(w);
        if (!allSuffix)
            break;
        parts.suffix = parts.suffix.isEmpty() ? commaParts.last().simplified()
                                              : commaParts.last().simplified() + ' ' + parts.suffix;
        commaParts.removeLast();
    }
    if (commaParts.size() > 1) {
        // "Last, First Middle": the family name is written first.
        parts.family = commaParts.takeFirst().simplified();
        QStringList rest = commaParts.join(',').simplified().split(' ', Qt::SkipEmptyParts);
        while (!rest.isEmpty() && isPrefix(rest.first()))
            parts.prefix += (parts.prefix.isEmpty() ? "" : " ") + rest.takeFirst();
        while (rest.size() > 1 && isSuffix(rest.last()))
            parts.suffix = rest.takeLast() + (parts.suffix.isEmpty() ? "" : " " + parts.suffix);
        if (!rest.isEmpty())
            parts.given = rest.takeFirst();
        parts.additional = rest.join(' ');
        return parts;
    }
    QStringList w = commaParts.value(0).simplified().split(' ', Qt::SkipEmptyParts);
    while (w.size() > 1 && isPrefix(w.first()))
        parts.prefix += (parts.prefix.isEmpty() ? "" : " ") + w.takeFirst();
    while (w.size() > 1 && isSuffix(w.last()))
        parts.suffix = w.takeLast() + (parts.suffix.isEmpty() ? "" : " " + parts.suffix);
    if (w.isEmpty())
        return parts;
    if (w.size() == 1) {
        parts.family = w.first();
        return parts;
    }
    qsizetype f = w.size() - 1;
    const QString key = sortKey1.simplified().toUpper();
    if (key.size() >= 2) {
        for (qsizetype i = 1; i < w.size(); ++i) {
            const QString upper = bare(w.at(i)).toUpper();
            if (!upper.isEmpty() && (key.startsWith(upper) || upper.startsWith(key))) {
                f = i;
                break;
            }
        }
    }
    while (f > 1 && isParticle(w.at(f - 1)))
        --f;
    parts.given = w.first();
    parts.additional = words(w, 1, f);
    parts.family = words(w, f, w.size());
    return parts;
}

QString joinName(const NameParts& parts)
{
    QStringList out;
    for (const QString* s :
         {&parts.prefix, &parts.given, &parts.additional, &parts.family, &parts.suffix})
        if (!s->trimmed().isEmpty())
            out << s->trimmed();
    return out.join(' ');
}

// --- addresses ---

namespace {

bool isCountry(const QString& line)
{
    static const QSet<QString> set = {"usa",
                                      "u.s.a.",
                                      "us",
                                      "u.s.",
                                      "united states",
                                      "united states of america",
                                      "canada",
                                      "uk",
                                      "u.k.",
                                      "united kingdom",
                                      "great britain",
                                      "england",
                                      "scotland",
                                      "wales",
                                      "northern ireland",
                                      "ireland",
                                      "germany",
                                      "deutschland",
                                      "france",
                                      "netherlands",
                                      "the netherlands",
                                      "nederland",
                                      "belgium",
                                      "belgique",
                                      "belgië",
                                      "switzerland",
                                      "schweiz",
                                      "suisse",
                                      "austria",
                                      "österreich",
                                      "italy",
                                      "italia",
                                      "spain",
                                      "españa",
                                      "portugal",
                                      "australia",
                                      "new zealand",
                                      "sweden",
                                      "sverige",
                                      "norway",
                                      "norge",
                                      "denmark",
                                      "danmark",
                                      "finland",
                                      "suomi",
                                      "poland",
                                      "polska",
                                      "japan",
                                      "mexico",
                                      "méxico",
                                      "brazil",
                                      "brasil",
                                      "luxembourg",
                                      "iceland",
                                      "czech republic",
                                      "czechia",
                                      "greece",
                                      "south africa"};
    return set.contains(line.trimmed().toLower());
}

struct CityPattern {
    QRegularExpression re;
    int locality, region, code; // capture numbers, 0 = absent
};

const std::vector<CityPattern>& cityPatterns()
{
    static const std::vector<CityPattern> patterns = [] {
        const QString usZip = QStringLiteral("\\d{5}(?:-\\d{4})?");
        const QString caPost = QStringLiteral("[A-Za-z]\\d[A-Za-z] ?\\d[A-Za-z]\\d");
        const QString ukPost = QStringLiteral("[A-Za-z]{1,2}\\d[A-Za-z\\d]? ?\\d[A-Za-z]{2}");
        std::vector<CityPattern> v;
        auto add = [&v](const QString& re, int l, int r, int c) {
            v.push_back({QRegularExpression('^' + re + '$'), l, r, c});
        };
        // "Springfield, IL 62704", "Toronto, ON M5V 2T6", "Springfield, Illinois 62704"
        add("(.+?),\\s*([A-Za-z][A-Za-z .]*?)\\.?\\s+(" + usZip + "|" + caPost + ")", 1, 2, 3);
        // "Springfield IL 62704", "Sydney NSW 2000"
        add("(.+?)\\s+([A-Z]{2,3})\\s+(" + usZip + "|\\d{4})", 1, 2, 3);
        // "12345 Berlin", "D-12345 Berlin", "1234 AB Amsterdam", "00-950 Warszawa", "114 55
        // Stockholm"
        add("(\\d{4} [A-Z]{2}|\\d{3} \\d{2}|\\d{2}-\\d{3}|(?:[A-Z]{1,2}-)?\\d{4,5})\\s+(\\D.*)", 2,
            0, 1);
        // "London SW1A 1AA", "Leeds, LS1 4AP"
        add("(.+?),?\\s+(" + ukPost + ")", 1, 0, 2);
        return v;
    }();
    return patterns;
}

} // namespace

bool parseAddress(const QStringList& lines, PostalParts& out)
{
    out = PostalParts();
    QStringList filled;
    for (const QString& l : lines)
        if (!l.trimmed().isEmpty())
            filled << l.trimmed();
    QStringList rest = filled;
    QString country;
    if (rest.size() >= 2 && isCountry(rest.last()))
        country = rest.takeLast();
    if (rest.size() >= 2) {
        const QString city = rest.last();
        for (const CityPattern& pattern : cityPatterns()) {
            const auto m = pattern.re.match(city);
            if (!m.hasMatch())
                continue;
            rest.removeLast();
            out.street = rest;
            out.locality = m.captured(pattern.locality).trimmed();
            out.region = pattern.region ? m.captured(pattern.region).trimmed() : QString();
            out.code = m.captured(pattern.code).trimmed();
            out.country = country;
            return true;
        }
    }
    out.street = filled;
    return false;
}

QStringList addressLines(const PostalParts& parts)
{
    QStringList lines;
    for (const QString& s : parts.street)
        if (!s.trimmed().isEmpty())
            lines << s.trimmed();
    QString city;
    if (!parts.region.isEmpty())
        city = (parts.locality + ", " + parts.region + ' ' + parts.code).trimmed();
    else if (!parts.code.isEmpty() && parts.code.at(0).isDigit())
        city = (parts.code + ' ' + parts.locality).trimmed();
    else
        city = (parts.locality + ' ' + parts.code).trimmed();
    if (city.endsWith(','))
        city.chop(1);
    if (!city.isEmpty())
        lines << city;
    if (!parts.country.trimmed().isEmpty())
        lines << parts.country.trimmed();
    return lines;
}

} // namespace tavrel
