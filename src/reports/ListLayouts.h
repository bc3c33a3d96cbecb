#pragma once

#include "reports/ReportRun.h"

#include <QString>

namespace tavrel {

class Program;

// Whether the page being laid out (PageNo) is really drawn: it must lie in the
// reprint range when one was confirmed, and in a duplex run it must be odd in
// the odd-page phase and even in the even-page phase. A page that is not drawn
// is still laid out, so it consumes the same records.
bool pageIsPrinted(const Program& p);

// Moves the walk past the record just finished with. Returns true, and sets
// EndOfRecords, when no record is left.
bool advanceReportRecord(Program& p);

// The heading and footer every list report shares: title, report name, date
// and page number (both at the left margin on the even pages of a duplex run),
// "Produced By Corvane MARK32".
void printPageHeading(Program& p, const QString& title, const QString& reportName);

// Lays out one page of a list or book report (kinds Book to Listing): its
// heading, boxes and captions, then as many records as the page holds.
// Leaves EndOfRecords set when the records ran out.
void layoutListPage(Program& p, const ReportOptions& o);

} // namespace tavrel
