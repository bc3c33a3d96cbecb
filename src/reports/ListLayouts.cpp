#include "reports/ListLayouts.h"

#include "platform/Clock.h"
#include "platform/PrintedText.h"
#include "platform/Text.h"
#include "reports/PrintedContact.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>

#include <array>
#include <span>

namespace tavrel {

namespace {

const QString kArial = QStringLiteral("Arial");
const QString kCourier = QStringLiteral("Courier New");
const QString kThreeBlanks = QStringLiteral("   ");

constexpr double kRightEdge = 11100; // date and page number end here
constexpr double kLeftEdge = 360;    // ... or start here on even duplex pages

void setFont(Printer& pr, const QString& name, double points, bool bold, bool italic = false,
             bool underline = false)
{
    pr.setFontName(name);
    pr.setFontSize(points);
    pr.setFontBold(bold);
    pr.setFontItalic(italic);
    pr.setFontUnderline(underline);
}

void printAt(Printer& pr, double x, double y, const QString& text)
{
    pr.setCurrentX(x);
    pr.setCurrentY(y);
    pr.printLine(text);
}

void printCentred(Printer& pr, double y, const QString& text)
{
    printAt(pr, pr.pageWidth() / 2 - pr.textWidth(text) / 2, y, text);
}

// Right-aligned at the right edge, or at the left margin on an even page of a duplex run.
void printAtOuterEdge(Program& p, double y, const QString& text)
{
    const bool evenDuplexPage = p.Report.DuplexOn == 1 && p.Report.PageNo % 2 == 0;
    printAt(p.printer, evenDuplexPage ? kLeftEdge : kRightEdge - p.printer.textWidth(text), y,
            text);
}

// --- record text at its full stored width ---

void printPhoneLine(Printer& pr, double x, double y, const Contact& c, int i)
{
    printParts(pr, x, y,
               {{phoneTypeOf(c, i), Width::PhoneType},
                {kThreeBlanks, 3},
                {phoneNumOf(c, i), Width::PhoneNum}});
}

// The comment in three printed lines: characters 1-34, 35-67 and 68-100.
void printCommentPart(Printer& pr, double x, double y, const Contact& c, int part)
{
    static constexpr int kStart[] = {0, 34, 67};
    static constexpr int kLength[] = {34, 33, 33};
    printField(pr, x, y, midChars(c.text(ContactField::Comments), kStart[part], kLength[part]),
               kLength[part]);
}

QString idText(const Program& p)
{
    return QString::number(p.CurId);
}

// --- boxes ---

struct Pt {
    double x, y;
};

struct Caption {
    int dy;
    const char* text;
};

struct BoxGrid {
    std::span<const Pt> origins;
    double width, height;
    double captionPoints;
    std::span<const Caption> captions;
};

void drawBoxes(Printer& pr, const BoxGrid& g)
{
    setFont(pr, kArial, g.captionPoints, false, true, true);
    for (const Pt& o : g.origins) {
        pr.drawRect(o.x, o.y, o.x + g.width, o.y + g.height);
        for (const Caption& c : g.captions)
            printAt(pr, o.x + 60, o.y + c.dy,
                    QCoreApplication::translate("tavrel::ListLayouts", c.text));
    }
}

constexpr Pt kTelephoneOrigins[] = {{360, 1800}, {5920, 1800}, {360, 4600},  {5920, 4600},
                                    {360, 7400}, {5920, 7400}, {360, 10200}, {5920, 10200}};
constexpr Caption kTelephoneCaptions[] = {
    {20, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Name")},
    {385, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Telephone Numbers")},
    {1680, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Comments")},
    {2495, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "ID Number:")}};
constexpr BoxGrid kTelephoneBoxes{kTelephoneOrigins, 5240, 2700, 7, kTelephoneCaptions};

constexpr Pt kListingOrigins[] = {{360, 1600}, {5920, 1600}, {360, 7400}, {5920, 7400}};
constexpr Caption kListingCaptions[] = {
    {20, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Name And Address")},
    {1295, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "E-Mail Address")},
    {1670, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Telephone Numbers")},
    {2945, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Comments")},
    {3770, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Sort Keys")},
    {4380, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "VizeRuzad")},
    {5430, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "ID Number:")}};
constexpr BoxGrid kListingBoxes{kListingOrigins, 5240, 5700, 7, kListingCaptions};

constexpr Pt kBookOrigins[] = {{360, 1600},  {5920, 1600}, {360, 5680},
                               {5920, 5680}, {360, 9760},  {5920, 9760}};
constexpr Caption kBookCaptions[] = {
    {20, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Name And Address")},
    {1295, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "E-Mail Address")},
    {1670, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Telephone Numbers")},
    {2945, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Comments")},
    {3770, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "ID Number:")}};
constexpr BoxGrid kBookBoxes{kBookOrigins, 5420, 4000, 7, kBookCaptions};

constexpr Pt kLargeBookOrigins[] = {{360, 1600}, {360, 7800}};
constexpr Caption kLargeBookCaptions[] = {
    {20, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Name And Address")},
    {1990, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "E-Mail Address")},
    {2600, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Telephone Numbers")},
    {4570, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Comments")},
    {5860, QT_TRANSLATE_NOOP("tavrel::ListLayouts", "ID Number:")}};
constexpr BoxGrid kLargeBookBoxes{kLargeBookOrigins, 10800, 6150, 11, kLargeBookCaptions};

// --- entries: one drawing routine per layout, the record in the current buffer ---

void abbreviatedEntry(Program& p, double x, double y)
{
    Printer& pr = p.printer;
    const Contact c = printedContact(p);
    const PrintedPart blanks{kThreeBlanks, 3}, blank{QStringLiteral(" "), 1};
    const auto type = [&](int i) { return PrintedPart{phoneTypeOf(c, i), Width::PhoneType}; };
    const auto number = [&](int i) { return PrintedPart{phoneNumOf(c, i), Width::PhoneNum}; };
    printParts(pr, x, y,
               {{c.text(ContactField::Name), Width::Name},
                blanks,
                type(1),
                blank,
                number(1),
                blanks,
                type(2),
                blank,
                number(2)});
    // Telephones 4 and 5 stand under telephones 1 and 2.
    const QString id = QCoreApplication::translate("tavrel::ListLayouts", "ID=") + idText(p);
    printParts(pr, x, y + 180,
               {type(3),
                blank,
                number(3),
                {QString(11, QLatin1Char(' ')), 11},
                type(4),
                blank,
                number(4),
                blanks,
                type(5),
                blank,
                number(5),
                {id, int(id.size())}});
    pr.drawLine(0, y + 360, 11160, y + 360);
}

void telephoneEntry(Program& p, double x, double y)
{
    Printer& pr = p.printer;
    const Contact c = printedContact(p);
    printField(pr, x, y + 150, c.text(ContactField::Name), Width::Name);
    for (int i = 1; i <= 5; ++i)
        printPhoneLine(pr, x, y + 545 + 225 * (i - 1), c, i);
    for (int part = 0; part < 3; ++part)
        printCommentPart(pr, x, y + 1820 + 225 * part, c, part);
    pr.setFontSize(8);
    printAt(pr, x + 800, y + 2495, idText(p));
    pr.setFontSize(11);
}

// Where the lines of an address block stand below the top of its entry, and
// the distance from one line to the next within the address, the telephones
// and the comment.
struct BlockRows {
    double name, address, email, phones, comment, pitch;
};
constexpr BlockRows kNormalRows{150, 375, 1425, 1800, 3075, 225};
constexpr BlockRows kLargeRows{260, 600, 2230, 2840, 4810, 340};

// Name, address, e-mail, telephones and comment: the part the listing and the
// books share.
void addressBlock(Printer& pr, const Contact& c, double x, double y,
                  const BlockRows& rows = kNormalRows)
{
    printField(pr, x, y + rows.name, c.text(ContactField::Name), Width::Name);
    for (int i = 0; i < 4; ++i)
        printField(pr, x, y + rows.address + rows.pitch * i,
                   c.text(ContactField(int(ContactField::AddrLine1) + i)), Width::Addr);
    printField(pr, x, y + rows.email, c.text(ContactField::EMail), Width::EMail);
    for (int i = 1; i <= 5; ++i)
        printPhoneLine(pr, x, y + rows.phones + rows.pitch * (i - 1), c, i);
    for (int part = 0; part < 3; ++part)
        printCommentPart(pr, x, y + rows.comment + rows.pitch * part, c, part);
}

void listingEntry(Program& p, double x, double y)
{
    Printer& pr = p.printer;
    const Contact c = printedContact(p);
    addressBlock(pr, c, x, y);
    printField(pr, x, y + 3920, c.text(ContactField::SortKey1), Width::SortKey);
    printField(pr, x, y + 4145, c.text(ContactField::SortKey2), Width::SortKey);
    for (int i = 1; i <= 4; ++i) {
        const QString link = QCoreApplication::translate("tavrel::ListLayouts", "LinkId ") +
                             QString::number(c.linkIds[size_t(i - 1)]) + QStringLiteral("  ");
        printParts(pr, x, y + 4520 + 225 * (i - 1),
                   {{link, int(link.size())}, {linkTextOf(c, i), Width::LinkText}});
    }
    printAt(pr, x + 800, y + 5420, idText(p));
}

void bookEntry(Program& p, double x, double y)
{
    Printer& pr = p.printer;
    addressBlock(pr, printedContact(p), x, y);
    setFont(pr, kCourier, 8, true);
    printAt(pr, x + 800, y + 3750, idText(p));
    setFont(pr, kCourier, 11, true);
}

void largeBookEntry(Program& p, double x, double y)
{
    Printer& pr = p.printer;
    addressBlock(pr, printedContact(p), x, y, kLargeRows);
    pr.setFontSize(12);
    printAt(pr, x + 1440, y + 5840, idText(p));
    pr.setFontSize(16);
}

// --- the layouts ---

struct ListLayout {
    const char* reportName;
    const BoxGrid* boxes; // nullptr: heading only
    std::span<const Pt> slots;
    bool courier; // else Arial
    double entryPoints;
    void (*entry)(Program&, double x, double y);
};

// 31 one-line entries down the page, 400 twips apart.
constexpr auto kAbbreviatedSlots = [] {
    std::array<Pt, 31> slots{};
    for (int i = 0; i < 31; ++i)
        slots[i] = {0, 1500.0 + 400 * i};
    return slots;
}();
constexpr Pt kTelephoneSlots[] = {{420, 1810}, {5980, 1810}, {420, 4610},  {5980, 4610},
                                  {420, 7410}, {5980, 7410}, {420, 10210}, {5980, 10210}};
constexpr Pt kListingSlots[] = {{420, 1620}, {5980, 1620}, {420, 7420}, {5980, 7420}};
constexpr Pt kBookSlots[] = {{420, 1620},  {5980, 1620}, {420, 5700},
                             {5980, 5700}, {420, 9780},  {5980, 9780}};
constexpr Pt kLargeBookSlots[] = {{420, 1620}, {420, 7760}};

const ListLayout kAbbreviated{
    QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Abbreviated Telephone List"),
    nullptr,
    kAbbreviatedSlots,
    true,
    9,
    abbreviatedEntry};
const ListLayout kTelephone{QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Telephone List"),
                            &kTelephoneBoxes,
                            kTelephoneSlots,
                            true,
                            11,
                            telephoneEntry};
const ListLayout kListing{QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Database Listing"),
                          &kListingBoxes,
                          kListingSlots,
                          true,
                          11,
                          listingEntry};
const ListLayout kBook{QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Name And Address Book"),
                       &kBookBoxes,
                       kBookSlots,
                       true,
                       11,
                       bookEntry};
const ListLayout kLargeBook{QT_TRANSLATE_NOOP("tavrel::ListLayouts", "Name And Address Book"),
                            &kLargeBookBoxes,
                            kLargeBookSlots,
                            false,
                            16,
                            largeBookEntry};

const ListLayout& layoutFor(ReportKind kind, bool largePrint)
{
    switch (kind) {
    case ReportKind::TelephoneList:
        return kTelephone;
    case ReportKind::AbbreviatedList:
        return kAbbreviated;
    case ReportKind::Listing:
        return kListing;
    default:
        return largePrint ? kLargeBook : kBook;
    }
}

// Fills the page slot by slot, row by row, left column first.
void layoutBody(Program& p, const ListLayout& l)
{
    const bool printed = pageIsPrinted(p);
    if (printed)
        setFont(p.printer, l.courier ? kCourier : kArial, l.entryPoints, true);
    for (const Pt& slot : l.slots) {
        if (nextReportRecord(p)) {
            p.Report.EndOfRecords = 1;
            break;
        }
        if (printed)
            l.entry(p, slot.x, slot.y);
        if (advanceReportRecord(p) || p.Report.PageNo > p.Report.ReprintThrough)
            break;
    }
    // The page loop moves on by one position after each page.
    if (p.Cursor.sorted)
        --p.Cursor.WalkPosition;
}

} // namespace

bool pageIsPrinted(const Program& p)
{
    const auto& r = p.Report;
    if (r.ReprintOn && (r.PageNo < r.ReprintFrom || r.PageNo > r.ReprintThrough))
        return false;
    if (r.DuplexOn == 1 && (r.PageNo % 2 == 0) == (r.DuplexPhase == 1))
        return false;
    return true;
}

bool advanceReportRecord(Program& p)
{
    auto& c = p.Cursor;
    p.CurId = qint16(p.CurId + 1);
    if (!c.sorted) {
        if (p.CurId >= p.LastRecNo) {
            c.WalkPosition = c.WalkLength = p.LastRecNo;
            p.Report.EndOfRecords = 1;
        }
    } else if (c.WalkPosition >= c.WalkLength) {
        p.Report.EndOfRecords = 1;
    } else {
        ++c.WalkPosition;
    }
    return p.Report.EndOfRecords == 1;
}

void printPageHeading(Program& p, const QString& title, const QString& reportName)
{
    if (!pageIsPrinted(p))
        return;
    Printer& pr = p.printer;
    pr.setScaleTwips();
    setFont(pr, kArial, 16, true);
    printCentred(pr, 720, title);
    printCentred(pr, 1060, reportName);
    setFont(pr, kArial, 10, false);
    printAtOuterEdge(p, 1140, headerDate(p.clock.now()));
    printCentred(pr, 14000,
                 QCoreApplication::translate("tavrel::ListLayouts", "Produced By Corvane MARK32"));
    printAtOuterEdge(p, 14000, QString::number(p.Report.PageNo));
}

void layoutListPage(Program& p, const ReportOptions& o)
{
    const ListLayout& l = layoutFor(o.kind, o.largePrint);
    printPageHeading(p, o.title, QCoreApplication::translate("tavrel::ListLayouts", l.reportName));
    if (l.boxes && pageIsPrinted(p))
        drawBoxes(p.printer, *l.boxes);
    layoutBody(p, l);
}

} // namespace tavrel
