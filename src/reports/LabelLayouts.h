#pragma once

#include "reports/ReportRun.h"

#include <QPointF>
#include <QSizeF>
#include <vector>

namespace tavrel {

class Files;
class Program;

// The label and card stocks a sheet can be.
enum class Stock {
    OneAcrossContinuous, // 1-across labels on continuous forms, 12 a sheet
    OneAcrossCutSheet,   // 1-across labels on cut sheets, 8 a sheet (the fifth inch empty)
    TwoAcross,           // 2-across labels, 20 a sheet
    ThreeAcross,         // 3-across labels, 30 a sheet
    OneAcrossCards,      // 4 cards a sheet
    TwoAcrossCards,      // 8 cards a sheet
    // The A4 sheets follow, one value per row of a4Sheets() from here on;
    // a4Stock(i) names the i-th.
    FirstA4,
};

// The printer's paper code of the 8.5 x 12 inch continuous form (no top or
// bottom margin); every other stock is on letter paper.
inline constexpr int kContinuousFormPaper = 40;
// The printer's paper code of A4, for the A4 label sheets and reports on A4.
inline constexpr int kA4Paper = 9;

// Point size and line step (twips) of the label text of each label stock.
struct LabelFont {
    double points;
    double lineStep;
};

// One A4 label sheet: where its labels lie on the paper, in millimetres from
// the paper's top-left corner, and where the text lies within each label. A
// sheet is one row of a4Sheets(): the label-stock window, the command line's
// --stock, the settings file and the layout all read it from there.
struct A4Sheet {
    const char* name;    // the command line's and the settings file's name, "a4-3x7"
    const char* caption; // in the label-stock window, with its access key
    int columns, rows;
    double topMm, leftMm;      // the first label's corner
    double pitchXmm, pitchYmm; // from one label's corner to the next
    double insetXmm, insetYmm; // the text's top-left within the label
    LabelFont font;
};
// The A4 sheets in the order they are offered; labelStock 3 is the first.
const std::vector<A4Sheet>& a4Sheets();
inline constexpr int kFirstA4LabelStock = 3;
// The stock of the i-th A4 sheet.
constexpr Stock a4Stock(int i)
{
    return Stock(int(Stock::FirstA4) + i);
}
// The A4 sheet of a stock, or nullptr for a letter stock.
const A4Sheet* a4SheetOf(Stock s);
// The index into a4Sheets() of the sheet called `name`, or -1.
int a4SheetNamed(const QString& name);
// The paper a stock is printed on: A4, the continuous form or letter.
int paperOf(Stock s);

// The stock of a labels or cards run (ContinuousForms tells the 1-across labels apart).
Stock stockOf(const Program& p, const ReportOptions& o);
bool isCardStock(Stock s);

// The top-left corner of one label or card on the sheet, in twips.
struct Slot {
    double x, y;
    bool operator==(const Slot&) const = default;
};

// The sheet a run is about to print on, for choosing where its first sheet
// starts: the slots in fill order, one slot's size (twips), the slot offered.
struct SheetChoice {
    std::vector<Slot> slots;
    QSizeF slotSize;
    int start = 0;
    bool cards = false;
};

// The standard position of the positioning window's vertical choices, in twips.
constexpr int kStandardFormPosition = 720;

// Every slot of one sheet at the offsets LabelTop and LabelLeft, row by row,
// left to right within a row. The A4 sheets are placed on the paper itself,
// whose printable area starts at `origin` (twips from the paper's corner).
std::vector<Slot> sheetSlots(Stock s, int labelTop, int labelLeft,
                             QPointF origin = QPointF(360, 360));

// LabelTop at the positioning dialog's "Standard Position": the top of the
// continuous form itself, so its test page and its labels line up; half an
// inch down on letter sheets; the card stocks' own.
int standardTop(Stock s);

LabelFont labelFont(Stock s);

// The size of one label or card of the stock, in twips, as a map draws it.
QSizeF slotSize(Stock s);
// The name a stock goes by in the settings file ("3-across", "a4-3x7").
QString stockSettingName(Stock s);
// The first free slot (from 0) of the stock's half-used sheet, remembered
// from the last run on it, or with `lastRun` the slot that run started at
// (where a reprint of it must start); 0 when none was remembered.
int rememberedStartSlot(Program& p, Stock s, bool lastRun = false);
// Remembers both for the next run; a settings file that cannot be written
// only means the next run offers the first slot again.
void rememberStartSlot(Program& p, Stock s, int freeSlot, int startedAt);

// Lays out one sheet of labels or cards (report kinds Labels and Cards): each
// record fills Q slots in a row, its copies running on from one sheet to the
// next (CopiesDone). The first sheet starts at slot `o.firstSlot`. Leaves
// EndOfRecords set when the records ran out. Gives back the slot after the
// last one filled.
int layoutLabelPage(Program& p, const ReportOptions& o);

// Why a sheet at LabelTop and LabelLeft would lose part of a label or card
// off the printer's current page (above its top or past its foot); empty
// when every line of every slot fits.
QString offPageReason(Program& p, const ReportOptions& o);

// The positioning dialog for this run. A position that would put part of a
// slot off the page is said at once, and the person chooses again or stops;
// LabelTop is 999 afterwards when the person cancelled. With `startSlot` the
// window also shows the sheet's map, offering that slot, and the slot chosen
// is put back there.
void askPosition(Program& p, const ReportOptions& o, int* startSlot = nullptr);

// A sheet with the 35-character ruler on every line of every slot, ended at
// once so it prints. Both first ask for the position, except 1-across labels
// on continuous forms, which print at once at the standard position (where
// the positioning step opens); on return LabelTop = 999 means it was cancelled.
void printLabelTestPage(Program& p, const ReportOptions& o);
void printCardTestPage(Program& p, const ReportOptions& o);

// Whether the list and book reports print on A4 paper, as last chosen in the
// "Label Stock" window (setting ReportPaper).
bool reportsOnA4Paper(const Files& files);

} // namespace tavrel
