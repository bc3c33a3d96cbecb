#pragma once

#include "reports/ReportRun.h"
#include "store/Program.h"

#include <vector>

namespace tavrel {

// The label and card stocks a sheet can be.
enum class Stock {
    OneAcrossContinuous, // 1-across labels on continuous forms, 12 a sheet
    OneAcrossCutSheet,   // 1-across labels on cut sheets, 8 a sheet (the fifth inch empty)
    TwoAcross,           // 2-across labels, 20 a sheet
    ThreeAcross,         // 3-across labels, 30 a sheet
    OneAcrossCards,      // 4 cards a sheet
    TwoAcrossCards,      // 8 cards a sheet
};

// The printer's paper code of the 8.5 x 12 inch continuous form (no top or
// bottom margin); every other stock is on letter paper.
inline constexpr int kContinuousFormPaper = 40;

// The stock of a labels or cards run (ContinuousForms tells the 1-across labels apart).
Stock stockOf(const Program& p, const ReportOptions& o);
bool isCardStock(Stock s);

// The top-left corner of one label or card on the sheet, in twips.
struct Slot {
    double x, y;
    bool operator==(const Slot&) const = default;
};

// Every slot of one sheet at the offsets LabelTop and LabelLeft, row by row,
// left to right within a row.
std::vector<Slot> sheetSlots(Stock s, int labelTop, int labelLeft);

// LabelTop at the positioning dialog's "Standard Position": the top of the
// continuous form itself, so its test page and its labels line up; half an
// inch down on letter sheets; the card stocks' own.
int standardTop(Stock s);

// Point size and line step (twips) of the label text of each label stock.
struct LabelFont {
    double points;
    double lineStep;
};
LabelFont labelFont(Stock s);

// Lays out one sheet of labels or cards (report kinds Labels and Cards): each
// record fills Q slots in a row, its copies running on from one sheet to the
// next (CopiesDone). Leaves EndOfRecords set when the records ran out.
void layoutLabelPage(Program& p, const ReportOptions& o);

// Why a sheet at LabelTop and LabelLeft would lose part of a label or card
// off the printer's current page (above its top or past its foot); empty
// when every line of every slot fits.
QString offPageReason(Program& p, const ReportOptions& o);

// The positioning dialog for this run. A position that would put part of a
// slot off the page is said at once, and the person chooses again or stops;
// LabelTop is 999 afterwards when the person cancelled.
void askPosition(Program& p, const ReportOptions& o);

// A sheet with the 35-character ruler on every line of every slot, ended at
// once so it prints. Both first ask for the position, except 1-across labels
// on continuous forms, which print at once at the standard position (where
// the positioning step opens); on return LabelTop = 999 means it was cancelled.
void printLabelTestPage(Program& p, const ReportOptions& o);
void printCardTestPage(Program& p, const ReportOptions& o);

} // namespace tavrel
