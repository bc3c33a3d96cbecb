#include "ReportFixture.h"

#include <algorithm>
#include <functional>
#include <iterator>

namespace tavrel::test {

namespace {

// One printed text with its font, as "x,y Font size flags 'text'".
std::string item(double x, double y, const QString& text, const QString& font, double size,
                 bool bold, bool italic = false, bool underline = false)
{
    return QStringLiteral("%1,%2 %3 %4%5%6%7 '%8'")
        .arg(x)
        .arg(y)
        .arg(font)
        .arg(size)
        .arg(bold ? "b" : "")
        .arg(italic ? "i" : "")
        .arg(underline ? "u" : "")
        .arg(text)
        .toStdString();
}

using Items = std::vector<std::string>;

const QString kArial = QStringLiteral("Arial");
const QString kCourier = QStringLiteral("Courier New");

double widthOf(const QString& text, const QString& font, double size, bool bold)
{
    RecordingPrinter m;
    m.setFontName(font);
    m.setFontSize(size);
    m.setFontBold(bold);
    return m.textWidth(text);
}

// Title and report name centred, date and page number at the outer edge, footer centred.
Items heading(const QString& title, const QString& name, int page, bool evenDuplex = false)
{
    const QString date = QStringLiteral("03-14-2026");
    const QString footer = QStringLiteral("Produced By Corvane MARK32");
    const QString pageNo = QString::number(page);
    auto centred = [](const QString& t, double size, bool bold) {
        return 11520 / 2.0 - widthOf(t, kArial, size, bold) / 2;
    };
    auto outer = [&](const QString& t) {
        return evenDuplex ? 360 : 11100 - widthOf(t, kArial, 10, false);
    };
    return {item(centred(title, 16, true), 720, title, kArial, 16, true),
            item(centred(name, 16, true), 1060, name, kArial, 16, true),
            item(outer(date), 1140, date, kArial, 10, false),
            item(centred(footer, 10, false), 14000, footer, kArial, 10, false),
            item(outer(pageNo), 14000, pageNo, kArial, 10, false)};
}

// --- the record texts as printed, at full field width ---

QString pad(const QString& s, int width)
{
    return s.leftJustified(width, u' ', true);
}
QString name(int id)
{
    return pad(QStringLiteral("Person %1").arg(id), 35);
}
QString phone(int id, int i, const QString& gap = QStringLiteral("   "))
{
    return QStringLiteral("Tel%1  ").arg(i) + gap +
           pad(QStringLiteral("555-%1-%2").arg(id).arg(i), 20);
}
// Person 2's comment is exactly 34 characters: it all goes on the first line.
QString comment(int id, int line)
{
    if (id == 2)
        return line == 0 ? QString(34, u'x') : QString(33, u' ');
    return QString(line == 0 ? 34 : 33, QChar(u'a' + line));
}
QString addr(int id, int line)
{
    const QString lines[] = {QStringLiteral("%1 Main Street").arg(id),
                             QStringLiteral("Suite %1").arg(id), QStringLiteral("Springfield"),
                             QStringLiteral("USA %1").arg(id)};
    return pad(lines[line], 35);
}

struct Layout {
    const char* label;
    ReportKind kind;
    bool large;
    QString title;
    QString reportName;
    std::vector<std::pair<double, double>> boxes; // origins
    double boxWidth, boxHeight, captionSize;
    std::vector<std::pair<int, QString>> captions;
    std::vector<std::pair<double, double>> slots;
    std::function<Items(double x, double y, int id)> entry;
};

// Name, address, e-mail, telephones and comment of the listing and the normal book.
Items addressBlock(double x, double y, int id)
{
    auto at = [&](double dy, const QString& t) { return item(x, y + dy, t, kCourier, 11, true); };
    Items out{at(150, name(id)), at(1425, pad(QStringLiteral("p%1@example.com").arg(id), 35))};
    for (int i = 0; i < 4; ++i)
        out.push_back(at(375 + 225 * i, addr(id, i)));
    for (int i = 1; i <= 5; ++i)
        out.push_back(at(1800 + 225 * (i - 1), phone(id, i)));
    for (int c = 0; c < 3; ++c)
        out.push_back(at(3075 + 225 * c, comment(id, c)));
    return out;
}

std::vector<std::pair<int, QString>>
captions(std::initializer_list<std::pair<int, const char*>> list)
{
    std::vector<std::pair<int, QString>> out;
    for (const auto& [dy, text] : list)
        out.emplace_back(dy, QString::fromLatin1(text));
    return out;
}

const std::vector<Layout>& layouts()
{
    static const std::vector<Layout> all = {
        {"abbreviated telephone list",
         ReportKind::AbbreviatedList,
         false,
         QString(),
         QStringLiteral("Abbreviated Telephone List"),
         {},
         0,
         0,
         0,
         {},
         [] {
             std::vector<std::pair<double, double>> s;
             for (int i = 0; i < 31; ++i)
                 s.emplace_back(0, 1500 + 400 * i);
             return s;
         }(),
         [](double x, double y, int id) -> Items {
             const QString one = QStringLiteral(" ");
             return {item(x, y, name(id) + "   " + phone(id, 1, one) + "   " + phone(id, 2, one),
                          kCourier, 9, true),
                     item(x, y + 180,
                          phone(id, 3, one) + QString(11, u' ') + phone(id, 4, one) + "   " +
                              phone(id, 5, one) + QStringLiteral("ID=%1").arg(id),
                          kCourier, 9, true)};
         }},
        {"telephone list",
         ReportKind::TelephoneList,
         false,
         QStringLiteral("Our Club"),
         QStringLiteral("Telephone List"),
         {{360, 1800},
          {5920, 1800},
          {360, 4600},
          {5920, 4600},
          {360, 7400},
          {5920, 7400},
          {360, 10200},
          {5920, 10200}},
         5240,
         2700,
         7,
         captions(
             {{20, "Name"}, {385, "Telephone Numbers"}, {1680, "Comments"}, {2495, "ID Number:"}}),
         {{420, 1810},
          {5980, 1810},
          {420, 4610},
          {5980, 4610},
          {420, 7410},
          {5980, 7410},
          {420, 10210},
          {5980, 10210}},
         [](double x, double y, int id) {
             auto at = [&](double dy, const QString& t) {
                 return item(x, y + dy, t, kCourier, 11, true);
             };
             Items out{at(150, name(id)),
                       item(x + 800, y + 2495, QString::number(id), kCourier, 8, true)};
             for (int i = 1; i <= 5; ++i)
                 out.push_back(at(545 + 225 * (i - 1), phone(id, i)));
             for (int c = 0; c < 3; ++c)
                 out.push_back(at(1820 + 225 * c, comment(id, c)));
             return out;
         }},
        {"database listing",
         ReportKind::Listing,
         false,
         QStringLiteral("Our Club"),
         QStringLiteral("Database Listing"),
         {{360, 1600}, {5920, 1600}, {360, 7400}, {5920, 7400}},
         5240,
         5700,
         7,
         captions({{20, "Name And Address"},
                   {1295, "E-Mail Address"},
                   {1670, "Telephone Numbers"},
                   {2945, "Comments"},
                   {3770, "Sort Keys"},
                   {4380, "VizeRuzad"},
                   {5430, "ID Number:"}}),
         {{420, 1620}, {5980, 1620}, {420, 7420}, {5980, 7420}},
         [](double x, double y, int id) {
             auto at = [&](double dy, const QString& t) {
                 return item(x, y + dy, t, kCourier, 11, true);
             };
             Items out = addressBlock(x, y, id);
             out.push_back(at(3920, pad(QStringLiteral("k1-%1").arg(id), 16)));
             out.push_back(at(4145, pad(QStringLiteral("k2-%1").arg(id), 16)));
             for (int i = 1; i <= 4; ++i)
                 out.push_back(at(4520 + 225 * (i - 1),
                                  QStringLiteral("LinkId %1  ").arg(i == 1 ? id + 1 : 0) +
                                      pad(QStringLiteral("link %1.%2").arg(id).arg(i), 20)));
             out.push_back(item(x + 800, y + 5420, QString::number(id), kCourier, 11, true));
             return out;
         }},
        {"book",
         ReportKind::Book,
         false,
         QStringLiteral("Our Club"),
         QStringLiteral("Name And Address Book"),
         {{360, 1600}, {5920, 1600}, {360, 5680}, {5920, 5680}, {360, 9760}, {5920, 9760}},
         5420,
         4000,
         7,
         captions({{20, "Name And Address"},
                   {1295, "E-Mail Address"},
                   {1670, "Telephone Numbers"},
                   {2945, "Comments"},
                   {3770, "ID Number:"}}),
         {{420, 1620}, {5980, 1620}, {420, 5700}, {5980, 5700}, {420, 9780}, {5980, 9780}},
         [](double x, double y, int id) {
             Items out = addressBlock(x, y, id);
             out.push_back(item(x + 800, y + 3750, QString::number(id), kCourier, 8, true));
             return out;
         }},
        {"large-print book",
         ReportKind::Book,
         true,
         QStringLiteral("Our Club"),
         QStringLiteral("Name And Address Book"),
         {{360, 1600}, {360, 7800}},
         10800,
         6150,
         11,
         captions({{20, "Name And Address"},
                   {1990, "E-Mail Address"},
                   {2600, "Telephone Numbers"},
                   {4570, "Comments"},
                   {5860, "ID Number:"}}),
         {{420, 1620}, {420, 7760}},
         [](double x, double y, int id) {
             auto at = [&](double dy, const QString& t) {
                 return item(x, y + dy, t, kArial, 16, true);
             };
             Items out{at(260, name(id)),
                       at(2230, pad(QStringLiteral("p%1@example.com").arg(id), 35)),
                       item(x + 1440, y + 5840, QString::number(id), kArial, 12, true)};
             for (int i = 0; i < 4; ++i)
                 out.push_back(at(600 + 340 * i, addr(id, i)));
             for (int i = 1; i <= 5; ++i)
                 out.push_back(at(2840 + 340 * (i - 1), phone(id, i)));
             for (int c = 0; c < 3; ++c)
                 out.push_back(at(4810 + 340 * c, comment(id, c)));
             return out;
         }},
    };
    return all;
}

// Everything a page of `l` should show: heading, captions, and the entries of IDs first.. in its
// slots.
Items expectedPage(const Layout& l, int page, int first, int entries)
{
    Items out = heading(l.title, l.reportName, page);
    for (const auto& [x, y] : l.boxes)
        for (const auto& [dy, text] : l.captions)
            out.push_back(item(x + 60, y + dy, text, kArial, l.captionSize, false, true, true));
    for (int k = 0; k < entries; ++k) {
        const Items e = l.entry(l.slots[k].first, l.slots[k].second, first + k);
        out.insert(out.end(), e.begin(), e.end());
    }
    std::sort(out.begin(), out.end());
    return out;
}

// Both sorted; a failure lists only what is missing and what is extra.
void expectSameItems(const Items& printed, const Items& expected)
{
    Items missing, extra;
    std::set_difference(expected.begin(), expected.end(), printed.begin(), printed.end(),
                        std::back_inserter(missing));
    std::set_difference(printed.begin(), printed.end(), expected.begin(), expected.end(),
                        std::back_inserter(extra));
    EXPECT_EQ(missing, Items{});
    EXPECT_EQ(extra, Items{});
}

} // namespace

class ListLayoutsTest : public ReportTest {
protected:
    Items printedOn(int page) const
    {
        Items out;
        for (const auto& t : env.printer.onPage(page))
            out.push_back(item(t.x, t.y, t.text, t.font, t.size, t.bold, t.italic, t.underline));
        std::sort(out.begin(), out.end());
        return out;
    }

    std::vector<std::string> shapesOn(const std::vector<RecordingPrinter::Rect>& shapes,
                                      int page) const
    {
        std::vector<std::string> out;
        for (const auto& r : shapes)
            if (r.page == page)
                out.push_back(QStringLiteral("%1,%2-%3,%4")
                                  .arg(r.x1)
                                  .arg(r.y1)
                                  .arg(r.x2)
                                  .arg(r.y2)
                                  .toStdString());
        return out;
    }
};

// Each layout on a full page and on a page holding two entries: every text
// with its font and place, the boxes of every slot (filled or not), and the
// heading with or without a title.
TEST_F(ListLayoutsTest, EveryItemOfAFullAndAPartlyFilledPage)
{
    for (const Layout& l : layouts()) {
        SCOPED_TRACE(l.label);
        const int perPage = int(l.slots.size());
        auto records = peopleWithDetails(perPage + 2);
        records[2].Comments = QString(34, u'x');
        env.printer = RecordingPrinter();
        env.ui.messages.clear();
        openFile(records);
        ReportOptions o = options(l.kind);
        o.largePrint = l.large;
        o.title = l.title;
        EXPECT_EQ(run(o), RunEnd::Completed);
        EXPECT_EQ(lastMessage(), completed(2));
        EXPECT_EQ(sheets(), (std::vector<std::string>{"0.1=1", "0.2=2"}));
        expectSameItems(printedOn(1), expectedPage(l, 1, 1, perPage));
        expectSameItems(printedOn(2), expectedPage(l, 2, perPage + 1, 2));

        std::vector<std::string> boxes;
        for (const auto& [x, y] : l.boxes)
            boxes.push_back(QStringLiteral("%1,%2-%3,%4")
                                .arg(x)
                                .arg(y)
                                .arg(x + l.boxWidth)
                                .arg(y + l.boxHeight)
                                .toStdString());
        EXPECT_EQ(shapesOn(env.printer.rects, 2), boxes);
        if (l.kind == ReportKind::AbbreviatedList) {
            EXPECT_EQ(shapesOn(env.printer.lines, 2),
                      (std::vector<std::string>{"0,1860-11160,1860", "0,2260-11160,2260"}));
        }
        EXPECT_EQ(env.printer.log.count(QStringLiteral("newPage")), 1);
        EXPECT_EQ(env.printer.log.count(QStringLiteral("endDoc")), 1);
    }
}

} // namespace tavrel::test
