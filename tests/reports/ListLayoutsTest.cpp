#include "ReportFixture.h"

#include <algorithm>

namespace tavrel::test {

namespace {

using Items = std::vector<std::string>;
using Points = std::vector<std::pair<double, double>>;

// One printed text with its font, as "x,y Font size flags 'text'".
std::string item(double x, double y, const QString& text, const QString& font, double size,
                 bool bold, bool italic = false, bool underline = false)
{
    const QString flags =
        QLatin1String(bold ? "b" : "") + (italic ? "i" : "") + (underline ? "u" : "");
    return QStringLiteral("%1,%2 %3 %4%5 '%6'")
        .arg(QString::number(x), QString::number(y), font, QString::number(size), flags, text)
        .toStdString();
}

std::string shape(double x1, double y1, double x2, double y2)
{
    return QStringLiteral("%1,%2-%3,%4").arg(x1).arg(y1).arg(x2).arg(y2).toStdString();
}

// Title and report name centred, date and page number right-aligned, footer centred.
Items heading(const QString& title, const QString& name, int page)
{
    const QString date = QStringLiteral("03-14-2026");
    const QString footer = QStringLiteral("Produced By Corvane MARK32");
    const QString pageNo = QString::number(page);
    auto centred = [](const QString& t, double size, bool bold) {
        return 11520 / 2.0 - widthOf(t, size, bold) / 2;
    };
    return {item(centred(title, 16, true), 720, title, kArial, 16, true),
            item(centred(name, 16, true), 1060, name, kArial, 16, true),
            item(11100 - widthOf(date, 10, false), 1140, date, kArial, 10, false),
            item(centred(footer, 10, false), 14000, footer, kArial, 10, false),
            item(11100 - widthOf(pageNo, 10, false), 14000, pageNo, kArial, 10, false)};
}

QString phone(int id, int i, const QString& gap)
{
    return QStringLiteral("Tel%1  ").arg(i) + gap +
           pad(QStringLiteral("555-%1-%2").arg(id).arg(i), 20);
}

// What line k (from 0) of field f shows for person `id`, at full field width.
QString text(char f, int id, int k)
{
    const QString one = QStringLiteral(" ");
    const NARecord r = reportPerson(id);
    switch (f) {
    case 'N':
        return pad(r.Name, 35);
    case 'A':
        return pad(QStringList{r.AddrLine1, r.AddrLine2, r.AddrLine3, r.AddrLine4}[k], 35);
    case 'E':
        return pad(r.EMail, 35);
    case 'P':
        return phone(id, k + 1, QStringLiteral("   "));
    case 'C': // person 2's comment is exactly 34 characters: all on the first line
        if (id == 2)
            return k == 0 ? QString(34, u'x') : QString(33, u' ');
        return QString(k == 0 ? 34 : 33, QChar(u'a' + k));
    case 'K':
        return pad(QStringLiteral("k%1-%2").arg(k + 1).arg(id), 16);
    case 'L':
        return QStringLiteral("LinkId %1  ").arg(k == 0 ? id + 1 : 0) +
               pad(QStringLiteral("link %1.%2").arg(id).arg(k + 1), 20);
    case '1': // abbreviated list, first line
        return text('N', id, 0) + "   " + phone(id, 1, one) + "   " + phone(id, 2, one);
    case '2': // ... second line: telephones 4 and 5 under 1 and 2
        return phone(id, 3, one) + QString(11, u' ') + phone(id, 4, one) + "   " +
               phone(id, 5, one) + QStringLiteral("ID=%1").arg(id);
    default: // 'I'
        return QString::number(id);
    }
}

// `count` lines of field `field` at (slot x + dx, slot y + dy + step * k).
struct Line {
    char field;
    double dx, dy, step;
    int count;
    double size;
};

struct Layout {
    const char* label;
    ReportKind kind;
    bool large;
    QString title; // an empty one still takes its line
    QString reportName;
    Points boxes;
    double boxWidth, boxHeight, captionSize;
    std::vector<std::pair<int, const char*>> captions;
    Points slots;
    QString entryFont;
    std::vector<Line> lines;
};

// Row by row, left column first.
Points grid(std::vector<double> xs, std::vector<double> ys)
{
    Points out;
    for (double y : ys)
        for (double x : xs)
            out.emplace_back(x, y);
    return out;
}

std::vector<double> steps(double first, double step, int count)
{
    std::vector<double> out;
    for (int i = 0; i < count; ++i)
        out.push_back(first + step * i);
    return out;
}

// clang-format off
const std::vector<Layout>& layouts()
{
    static const std::vector<Layout> all = {
        {"abbreviated telephone list", ReportKind::AbbreviatedList, false, QString(),
         QStringLiteral("Abbreviated Telephone List"), {}, 0, 0, 0, {},
         grid({0}, steps(1500, 400, 31)), kCourier, {{'1', 0, 0, 0, 1, 9}, {'2', 0, 180, 0, 1, 9}}},
        {"telephone list", ReportKind::TelephoneList, false, QStringLiteral("Our Club"),
         QStringLiteral("Telephone List"), grid({360, 5920}, steps(1800, 2800, 4)), 5240, 2700, 7,
         {{20, "Name"}, {385, "Telephone Numbers"}, {1680, "Comments"}, {2495, "ID Number:"}},
         grid({420, 5980}, steps(1810, 2800, 4)), kCourier,
         {{'N', 0, 150, 0, 1, 11}, {'P', 0, 545, 225, 5, 11}, {'C', 0, 1820, 225, 3, 11},
          {'I', 800, 2495, 0, 1, 8}}},
        {"database listing", ReportKind::Listing, false, QStringLiteral("Our Club"),
         QStringLiteral("Database Listing"), grid({360, 5920}, {1600, 7400}), 5240, 5700, 7,
         {{20, "Name And Address"}, {1295, "E-Mail Address"}, {1670, "Telephone Numbers"},
          {2945, "Comments"}, {3770, "Sort Keys"}, {4380, "VizeRuzad"}, {5430, "ID Number:"}},
         grid({420, 5980}, {1620, 7420}), kCourier,
         {{'N', 0, 150, 0, 1, 11}, {'A', 0, 375, 225, 4, 11}, {'E', 0, 1425, 0, 1, 11},
          {'P', 0, 1800, 225, 5, 11}, {'C', 0, 3075, 225, 3, 11}, {'K', 0, 3920, 225, 2, 11},
          {'L', 0, 4520, 225, 4, 11}, {'I', 800, 5420, 0, 1, 11}}},
        {"book", ReportKind::Book, false, QStringLiteral("Our Club"),
         QStringLiteral("Name And Address Book"), grid({360, 5920}, {1600, 5680, 9760}), 5420, 4000, 7,
         {{20, "Name And Address"}, {1295, "E-Mail Address"}, {1670, "Telephone Numbers"},
          {2945, "Comments"}, {3770, "ID Number:"}},
         grid({420, 5980}, {1620, 5700, 9780}), kCourier,
         {{'N', 0, 150, 0, 1, 11}, {'A', 0, 375, 225, 4, 11}, {'E', 0, 1425, 0, 1, 11},
          {'P', 0, 1800, 225, 5, 11}, {'C', 0, 3075, 225, 3, 11}, {'I', 800, 3750, 0, 1, 8}}},
        {"large-print book", ReportKind::Book, true, QStringLiteral("Our Club"),
         QStringLiteral("Name And Address Book"), grid({360}, {1600, 7800}), 10800, 6150, 11,
         {{20, "Name And Address"}, {1990, "E-Mail Address"}, {2600, "Telephone Numbers"},
          {4570, "Comments"}, {5860, "ID Number:"}},
         grid({420}, {1620, 7760}), kArial,
         {{'N', 0, 260, 0, 1, 16}, {'A', 0, 600, 340, 4, 16}, {'E', 0, 2230, 0, 1, 16},
          {'P', 0, 2840, 340, 5, 16}, {'C', 0, 4810, 340, 3, 16}, {'I', 1440, 5840, 0, 1, 12}}},
    };
    return all;
}
// clang-format on

// Everything a page of `l` should show: heading, captions, and people first.. in its slots.
Items expectedPage(const Layout& l, int page, int first, int entries)
{
    Items out = heading(l.title, l.reportName, page);
    for (const auto& [x, y] : l.boxes)
        for (const auto& [dy, caption] : l.captions)
            out.push_back(item(x + 60, y + dy, QString::fromLatin1(caption), kArial, l.captionSize,
                               false, true, true));
    for (int e = 0; e < entries; ++e) {
        const auto [x, y] = l.slots[e];
        for (const Line& line : l.lines)
            for (int k = 0; k < line.count; ++k)
                out.push_back(item(x + line.dx, y + line.dy + line.step * k,
                                   text(line.field, first + e, k), l.entryFont, line.size, true));
    }
    std::sort(out.begin(), out.end());
    return out;
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

    static Items shapesOn(const std::vector<RecordingPrinter::Rect>& shapes, int page)
    {
        Items out;
        for (const auto& r : shapes)
            if (r.page == page)
                out.push_back(shape(r.x1, r.y1, r.x2, r.y2));
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
        env.openFile(records);
        ReportOptions o = options(l.kind);
        o.largePrint = l.large;
        o.title = l.title;
        EXPECT_EQ(run(o), RunEnd::Completed);
        EXPECT_EQ(sheets(), (Items{"0.1=1", "0.2=2"}));
        EXPECT_EQ(printedOn(1), expectedPage(l, 1, 1, perPage));
        EXPECT_EQ(printedOn(2), expectedPage(l, 2, perPage + 1, 2));

        Items boxes;
        for (const auto& [x, y] : l.boxes)
            boxes.push_back(shape(x, y, x + l.boxWidth, y + l.boxHeight));
        EXPECT_EQ(shapesOn(env.printer.rects, 2), boxes);
        if (l.kind == ReportKind::AbbreviatedList) {
            EXPECT_EQ(shapesOn(env.printer.lines, 2),
                      (Items{shape(0, 1860, 11160, 1860), shape(0, 2260, 11160, 2260)}));
        }
    }
}

} // namespace tavrel::test
