#pragma once

namespace tavrel {

// State of one print run, shared by the run and its page procedures.
struct ReportRunState {
    int PageNo = 1;
    int ReprintFrom = 1;
    int ReprintThrough = 32000;
    bool ReprintOn = false; // a reprint range was confirmed (the reprint check box ticked)
    int DuplexOn = 0;
    int DuplexPhase = 1; // 1 odd-page phase, 0 even-page phase
    int EndOfRecords = 0;
    int LabelTop = 0;
    int LabelLeft = 0; // kept from one run to the next
    int LabelItalic = 0;
    int LabelUpper = 0;
    int ContinuousForms = 0;
    int CopiesDone = 0;
    int LabelsDrawn = 0; // labels or cards drawn since the dialog's run began
};

// Where a print run is in the records it prints.
struct ReportCursor {
    bool fromMailList = false; // else the whole N&A file
    bool sorted = false;
    int WalkPosition = 1;
    int WalkLength = 0;
    int scanPosition = 1; // next ID to look at in MailListFlags
};

// The report run state and its cursor.
struct ReportState {
    bool StopRequested = false;
    ReportRunState Report;
    ReportCursor Cursor;
};

} // namespace tavrel
