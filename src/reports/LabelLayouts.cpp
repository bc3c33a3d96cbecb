#include "reports/LabelLayouts.h"

#include "platform/Errors.h"
#include "platform/PrintedText.h"
#include "platform/SettingsFile.h"
#include "platform/Text.h"
#include "reports/ListLayouts.h"
#include "reports/PrintedContact.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>

#include <algorithm>
#include <initializer_list>

namespace tavrel {

namespace {

const QString kCourier = QStringLiteral("Courier New");
// The width of a name or address field, to line the stock up with.
const QString kRuler = QStringLiteral("12345678901234567890123456789012345");

void setCourierBold(Printer& pr, double points, bool italic)
{
    pr.setFontName(kCourier);
    pr.setFontSize(points);
    pr.setFontBold(true);
    pr.setFontItalic(italic);
    pr.setFontUnderline(false);
}

void printAt(Printer& pr, double x, double y, const QString& text)
{
    pr.setCurrentX(x);
    pr.setCurrentY(y);
    pr.printLine(text);
}

// --- labels ---

// A label shows the name and the four address lines.
const ContactFields kLabelFields = [] {
    ContactFields set;
    for (const ContactField f :
         {ContactField::Name, ContactField::AddrLine1, ContactField::AddrLine2,
          ContactField::AddrLine3, ContactField::AddrLine4})
        set.set(std::size_t(f));
    return set;
}();

void printLabel(Program& p, const Slot& s, double step)
{
    const Contact c = printedContact(p, kLabelFields);
    for (int k = 0; k < 5; ++k) {
        const QString& text = c.text(ContactField(int(ContactField::Name) + k));
        // Capitals keep the field's width: "ß" stays.
        printField(p.printer, s.x, s.y + k * step,
                   p.Report.LabelUpper == -1 ? upperSameLength(text) : text, Width::Name);
    }
}

// --- cards ---

// Offsets from the card's top of the lines after the name, all in 8 point.
constexpr double kAddrOffsets[] = {220, 370, 520, 670};
constexpr double kCommentOffsets[] = {870, 1020};
constexpr double kEMailOffset = 1220;
constexpr double kPhoneOffsets[] = {1420, 1570, 1720, 1870, 2020};
constexpr double kIdOffset = 2170;

void printCard(Program& p, const Slot& s)
{
    Printer& pr = p.printer;
    const Contact c = printedContact(p);
    pr.setFontSize(11);
    // The card's text box is as wide as its name line; the lines written
    // right to left, in whatever size, end at its right edge.
    const double box = fieldRoom(pr, Width::Name);
    printFieldInBox(pr, s.x, s.y, c.text(ContactField::Name), Width::Name, box);
    pr.setFontSize(8);
    for (int i = 0; i < 4; ++i)
        printFieldInBox(pr, s.x, s.y + kAddrOffsets[i],
                        c.text(ContactField(int(ContactField::AddrLine1) + i)), Width::Addr, box);
    const QString& comments = c.text(ContactField::Comments);
    printFieldInBox(pr, s.x, s.y + kCommentOffsets[0], leftChars(comments, 50), 50, box);
    printFieldInBox(pr, s.x, s.y + kCommentOffsets[1], midChars(comments, 50, 50), 50, box);
    printFieldInBox(pr, s.x, s.y + kEMailOffset, c.text(ContactField::EMail), Width::EMail, box);
    for (int i = 1; i <= 5; ++i)
        printParts(pr, s.x, s.y + kPhoneOffsets[i - 1],
                   {{phoneTypeOf(c, i), Width::PhoneType},
                    {QStringLiteral("   "), 3},
                    {phoneNumOf(c, i), Width::PhoneNum}});
    printAt(pr, s.x, s.y + kIdOffset,
            QCoreApplication::translate("tavrel::LabelLayouts", "ID# ") + QString::number(c.id));
}

// Fills the sheet's slots from the walk, Q copies of each record. `print`
// draws the current record into a slot.
template <typename Print>
int fillSheet(Program& p, const ReportOptions& o, const std::vector<Slot>& slots, Print print)
{
    auto& r = p.Report;
    const int q = o.quantity;
    if (r.PageNo == 1)
        r.CopiesDone = q; // the first slot fetches the first record
    const bool printed = pageIsPrinted(p);
    // Only the first sheet starts part-way, on a sheet already partly used.
    const int first = r.PageNo == 1 ? std::clamp(o.firstSlot, 0, int(slots.size()) - 1) : 0;
    int next = first;
    for (int i = first; i < int(slots.size()); ++i) {
        const Slot& s = slots[i];
        if (r.CopiesDone == q) {
            r.CopiesDone = 0;
            if (nextReportRecord(p)) {
                r.EndOfRecords = 1;
                break;
            }
        }
        if (printed)
            print(s);
        next = i + 1;
        ++r.CopiesDone;
        if (r.CopiesDone == q && (advanceReportRecord(p) || r.PageNo > r.ReprintThrough))
            break;
    }
    // The page loop moves on by one position after each sheet, but the sheet
    // has already moved it once per record finished. Unsorted walks are held
    // back the same way, so a sheet run that outnumbers the records (many
    // copies of few records) is not cut short by the page loop's bound.
    --p.Cursor.WalkPosition;
    return next;
}

const QString kStartSlotKey = QStringLiteral("FirstFreeSlot.");
const QString kRunStartKey = QStringLiteral("LastRunStart.");

} // namespace

const std::vector<A4Sheet>& a4Sheets()
{
    // The text block (35 characters, five lines) stays inside each label and
    // inside the quarter inch a printer cannot reach. Each sheet's margins and
    // pitches add up to the 210 x 297 mm of the paper. A new sheet is a new row
    // at the end: the rows' places are the labelStock numbers runs are given.
    // clang-format off
    static const std::vector<A4Sheet> sheets = {
        // name, caption, columns, rows, top, left, pitch x, pitch y, inset x, inset y, font
        {"a4-3x7", QT_TRANSLATE_NOOP("tavrel::LabelStockDialog", "A4, 3 x &7 Labels, 63.5 x 38.1 mm"),
         3, 7, 15.15, 7.25, 66.04, 38.1, 2, 11, {8, 180}},
        {"a4-2x7", QT_TRANSLATE_NOOP("tavrel::LabelStockDialog", "A4, &2 x 7 Labels, 99.1 x 38.1 mm"),
         2, 7, 15.15, 4.65, 101.6, 38.1, 8, 9.5, {10, 220}},
        {"a4-3x8", QT_TRANSLATE_NOOP("tavrel::LabelStockDialog", "A4, &3 x 8 Labels, 70 x 36 mm"),
         3, 8, 4.5, 0, 70, 36, 7, 11, {7, 160}},
        {"a4-2x8", QT_TRANSLATE_NOOP("tavrel::LabelStockDialog", "A4, 2 x &8 Labels, 99.1 x 33.9 mm"),
         2, 8, 12.9, 4.65, 101.6, 33.9, 8, 7.5, {10, 220}},
        {"a4-3x8-63.5", QT_TRANSLATE_NOOP("tavrel::LabelStockDialog", "A4, 3 x 8 Labels, &63.5 x 33.9 mm"),
         3, 8, 12.9, 7.25, 66.0, 33.9, 2, 9, {8, 180}},
        {"a4-2x4", QT_TRANSLATE_NOOP("tavrel::LabelStockDialog", "A4, 2 x &4 Labels, 99.1 x 67.7 mm"),
         2, 4, 13.1, 4.65, 101.6, 67.7, 5, 21.5, {12, 280}},
    };
    // clang-format on
    return sheets;
}

const A4Sheet* a4SheetOf(Stock s)
{
    const int i = int(s) - int(Stock::FirstA4);
    return i >= 0 && i < int(a4Sheets().size()) ? &a4Sheets()[i] : nullptr;
}

int a4SheetNamed(const QString& name)
{
    for (int i = 0; i < int(a4Sheets().size()); ++i)
        if (name == QLatin1String(a4Sheets()[i].name))
            return i;
    return -1;
}

int paperOf(Stock s)
{
    if (a4SheetOf(s))
        return kA4Paper;
    return s == Stock::OneAcrossContinuous ? kContinuousFormPaper : 1;
}

Stock stockOf(const Program& p, const ReportOptions& o)
{
    if (o.kind == ReportKind::Labels && o.labelStock >= kFirstA4LabelStock &&
        o.labelStock < kFirstA4LabelStock + int(a4Sheets().size()))
        return a4Stock(o.labelStock - kFirstA4LabelStock);
    if (o.kind == ReportKind::Cards)
        return o.cardStock == 0 ? Stock::OneAcrossCards : Stock::TwoAcrossCards;
    switch (o.labelStock) {
    case 0:
        return p.Report.ContinuousForms == 1 ? Stock::OneAcrossContinuous
                                             : Stock::OneAcrossCutSheet;
    case 1:
        return Stock::TwoAcross;
    default:
        return Stock::ThreeAcross;
    }
}

bool isCardStock(Stock s)
{
    return s == Stock::OneAcrossCards || s == Stock::TwoAcrossCards;
}

std::vector<Slot> sheetSlots(Stock s, int labelTop, int labelLeft, QPointF origin)
{
    std::vector<Slot> slots;
    if (const A4Sheet* a4 = a4SheetOf(s)) {
        constexpr double twipsPerMm = 1440 / 25.4;
        // The positioning offsets move the whole sheet from where it belongs.
        const double dy = labelTop - standardTop(s), dx = labelLeft;
        for (int row = 0; row < a4->rows; ++row) {
            for (int col = 0; col < a4->columns; ++col)
                slots.push_back({(a4->leftMm + col * a4->pitchXmm + a4->insetXmm) * twipsPerMm -
                                     origin.x() + dx,
                                 (a4->topMm + row * a4->pitchYmm + a4->insetYmm) * twipsPerMm -
                                     origin.y() + dy});
        }
        return slots;
    }
    const double top = labelTop, left = labelLeft;
    // Rows from `first` while y <= limit; after the row at `skipAfter` one row is left empty.
    auto rows = [&](double first, double step, double limit, std::initializer_list<double> xs,
                    double skipAfter = -1e9) {
        for (double y = first; y <= limit; y += step) {
            for (double x : xs)
                slots.push_back({x, y});
            if (y == skipAfter)
                y += 1440;
        }
    };
    switch (s) {
    case Stock::OneAcrossContinuous:
        rows(top, 1440, top + 15840, {left});
        break;
    case Stock::OneAcrossCutSheet:
        rows(top, 1440, top + 11520, {left}, top + 4320);
        break;
    case Stock::TwoAcross:
        rows(top, 1440, top + 13060, {left + 360, left + 6345});
        break;
    case Stock::ThreeAcross:
        rows(top, 1440, top + 13060, {left, left + 4000, left + 8000});
        break;
    case Stock::OneAcrossCards: // the horizontal offset does not apply
        rows(top + 50, 3120, top + 9720, {300});
        break;
    case Stock::TwoAcrossCards:
        rows(top, 3120, top + 9720, {left + 300, left + 6100});
        break;
    default: // the A4 sheets, above
        break;
    }
    return slots;
}

int standardTop(Stock s)
{
    switch (s) {
    case Stock::OneAcrossContinuous:
        return 0;
    case Stock::OneAcrossCards:
        return 360;
    case Stock::TwoAcrossCards:
        return 1570;
    default:
        return 720;
    }
}

LabelFont labelFont(Stock s)
{
    if (const A4Sheet* a4 = a4SheetOf(s))
        return a4->font;
    switch (s) {
    case Stock::OneAcrossContinuous:
        return {10, 220};
    case Stock::TwoAcross:
        return {12, 233};
    default:
        return {8, 180};
    }
}

QSizeF slotSize(Stock s)
{
    constexpr double twipsPerMm = 1440 / 25.4;
    if (const A4Sheet* a4 = a4SheetOf(s))
        return {(a4->pitchXmm - 2.5) * twipsPerMm, (a4->pitchYmm - 2) * twipsPerMm};
    switch (s) {
    case Stock::TwoAcross:
        return {5760, 1300};
    case Stock::ThreeAcross:
        return {3780, 1300};
    case Stock::OneAcrossCards:
    case Stock::TwoAcrossCards:
        return {5040, 2880};
    default:
        return {5040, 1300};
    }
}

QString stockSettingName(Stock s)
{
    if (const A4Sheet* a4 = a4SheetOf(s))
        return QLatin1String(a4->name);
    switch (s) {
    case Stock::OneAcrossContinuous:
        return QStringLiteral("continuous");
    case Stock::OneAcrossCutSheet:
        return QStringLiteral("1-across");
    case Stock::TwoAcross:
        return QStringLiteral("2-across");
    case Stock::ThreeAcross:
        return QStringLiteral("3-across");
    case Stock::OneAcrossCards:
        return QStringLiteral("cards-1-across");
    default:
        return QStringLiteral("cards-2-across");
    }
}

int rememberedStartSlot(Program& p, Stock s, bool lastRun)
{
    const std::optional<QString> v = settingIn(
        readSettings(p.files), (lastRun ? kRunStartKey : kStartSlotKey) + stockSettingName(s));
    bool ok = false;
    const int slot = v ? v->toInt(&ok) - 1 : 0;
    // A slot the sheet does not have (a hand-edited file) means a new sheet.
    return ok && slot >= 0 && slot < int(sheetSlots(s, 720, 0).size()) ? slot : 0;
}

void rememberStartSlot(Program& p, Stock s, int freeSlot, int startedAt)
{
    try {
        writeSetting(p.files, kStartSlotKey + stockSettingName(s), QString::number(freeSlot + 1));
        writeSetting(p.files, kRunStartKey + stockSettingName(s), QString::number(startedAt + 1));
    } catch (const PlatformError&) {
        // Not worth a message: the next run simply offers a whole sheet.
    }
}

int layoutLabelPage(Program& p, const ReportOptions& o)
{
    const Stock stock = stockOf(p, o);
    const auto& r = p.Report;
    const std::vector<Slot> slots =
        sheetSlots(stock, r.LabelTop, r.LabelLeft, p.printer.printableOrigin());
    if (isCardStock(stock)) {
        // Cards take neither italics nor upper case.
        setCourierBold(p.printer, 11, false);
        return fillSheet(p, o, slots, [&](const Slot& s) {
            printCard(p, s);
            ++p.Report.LabelsDrawn;
        });
    }
    const LabelFont f = labelFont(stock);
    setCourierBold(p.printer, f.points, r.LabelItalic == -1);
    return fillSheet(p, o, slots, [&](const Slot& s) {
        printLabel(p, s, f.lineStep);
        ++p.Report.LabelsDrawn;
    });
}

QString offPageReason(Program& p, const ReportOptions& o)
{
    const Stock stock = stockOf(p, o);
    const bool cards = isCardStock(stock);
    Printer& pr = p.printer;
    // The lowest line of a slot, from the slot's top, measured in its own
    // font; the font in use is given back.
    const double lastLine = cards ? 2170 : 4 * labelFont(stock).lineStep;
    const QString name = pr.fontName();
    const double size = pr.fontSize();
    const bool bold = pr.fontBold(), italic = pr.fontItalic(), underline = pr.fontUnderline();
    setCourierBold(pr, cards ? 8 : labelFont(stock).points, false);
    const double foot = lastLine + pr.textHeight();
    pr.setFontName(name);
    pr.setFontSize(size);
    pr.setFontBold(bold);
    pr.setFontItalic(italic);
    pr.setFontUnderline(underline);
    double highest = 1e9, lowest = -1e9;
    for (const Slot& s :
         sheetSlots(stock, p.Report.LabelTop, p.Report.LabelLeft, pr.printableOrigin())) {
        highest = std::min(highest, s.y);
        lowest = std::max(lowest, s.y + foot);
    }
    const QString what = cards ? QCoreApplication::translate("tavrel::LabelLayouts", "Cards")
                               : QCoreApplication::translate("tavrel::LabelLayouts", "Labels");
    if (highest < 0)
        return QCoreApplication::translate(
                   "tavrel::LabelLayouts",
                   "At This Position The First Row Of %1 Would Start Above The Top Of "
                   "The Page And Would Not Print Whole.")
            .arg(what);
    if (lowest > pr.pageHeight())
        return QCoreApplication::translate(
                   "tavrel::LabelLayouts",
                   "At This Position The Last Row Of %1 Would Run Past The Foot Of "
                   "The Page And Would Not Print Whole.")
            .arg(what);
    return QString();
}

void askPosition(Program& p, const ReportOptions& o, int* startSlot)
{
    const Stock stock = stockOf(p, o);
    SheetChoice sheet;
    if (startSlot) {
        sheet.slots = sheetSlots(stock, standardTop(stock), 0, p.printer.printableOrigin());
        sheet.slotSize = slotSize(stock);
        sheet.start = *startSlot;
        sheet.cards = isCardStock(stock);
    }
    for (;;) {
        if (!o.questions)
            return;
        const int chosen = o.questions->askFormPosition(p, isCardStock(stock),
                                                        standardTop(stock) - kStandardFormPosition,
                                                        startSlot ? &sheet : nullptr);
        if (p.Report.LabelTop == 999)
            return;
        if (startSlot)
            *startSlot = sheet.start = chosen;
        const QString reason = offPageReason(p, o);
        if (reason.isEmpty())
            return;
        // Nothing is dropped without a word: choose again, or stop.
        if (p.ui.messageBox(
                reason + QCoreApplication::translate("tavrel::LabelLayouts",
                                                     "\n\nClick OK To Choose Another Position, Or "
                                                     "Cancel To Stop Printing."),
                kTitle, Ui::Buttons::OkCancel, Ui::Icon::Exclamation) == Ui::Answer::Cancel) {
            p.Report.LabelTop = 999;
            return;
        }
    }
}

void printLabelTestPage(Program& p, const ReportOptions& o)
{
    const Stock stock = stockOf(p, o);
    const LabelFont f = labelFont(stock);
    Printer& pr = p.printer;
    setCourierBold(pr, f.points, false);
    p.ui.setWaitCursor(false);
    int top = standardTop(stock), left = 0;
    // Continuous forms print at once, at the standard position the labels
    // print at unless the person then moves them.
    if (stock != Stock::OneAcrossContinuous) {
        askPosition(p, o);
        if (p.Report.LabelTop == 999)
            return;
        top = p.Report.LabelTop;
        left = p.Report.LabelLeft;
    }
    p.ui.setWaitCursor(true);
    pr.setFontItalic(p.Report.LabelItalic == -1);
    for (const Slot& s : sheetSlots(stock, top, left, pr.printableOrigin()))
        for (int k = 0; k < 5; ++k)
            printAt(pr, s.x, s.y + k * f.lineStep, kRuler);
    pr.endDoc();
}

void printCardTestPage(Program& p, const ReportOptions& o)
{
    const Stock stock = stockOf(p, o);
    Printer& pr = p.printer;
    setCourierBold(pr, 11, false);
    p.ui.setWaitCursor(false);
    askPosition(p, o);
    if (p.Report.LabelTop == 999)
        return;
    p.ui.setWaitCursor(true);
    const double lastLine = stock == Stock::OneAcrossCards ? 2110 : 2050;
    for (const Slot& s : sheetSlots(stock, p.Report.LabelTop, p.Report.LabelLeft)) {
        for (int k = 0; k < 5; ++k)
            printAt(pr, s.x, s.y + 240 * k, kRuler);
        for (double dy : {1400.0, 1790.0, lastLine})
            printAt(pr, s.x, s.y + dy, kRuler);
    }
    pr.endDoc();
}

bool reportsOnA4Paper(const Files& files)
{
    return settingIn(readSettings(files), QStringLiteral("ReportPaper")) == QLatin1String("a4");
}

} // namespace tavrel
