#pragma once

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/Printer.h"
#include "platform/RoutedPrinter.h"
#include "platform/Ui.h"
#include "store/NAFile.h"
#include "store/NARecord.h"
#include "store/ScreenMode.h"
#include "store/UndoLog.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace tavrel {

// The services a program runs on. Production wires Qt implementations; tests
// wire scripted doubles over a temporary directory.
struct Services {
    Ui& ui;
    Printer& printer;
    Clipboard& clipboard;
    Help& help;
    Clock& clock;
    Files& files;
};

// Every program-wide value of one running program. Windows get a reference to
// it; nothing is global, so tests can run many programs side by side.
class Program {
public:
    explicit Program(const Services& services)
        : ui(services.ui), printer(services.printer), clipboard(services.clipboard),
          help(services.help), clock(services.clock), files(services.files)
    {
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Ui& ui;
    // The printer a run prints on; windows may route it to another printer for a run.
    RoutedPrinter printer;
    Clipboard& clipboard;
    Help& help;
    Clock& clock;
    Files& files;

    // --- N&A file and working values ---
    NAFile naFile;
    NARecord CurRec = NARecord::blank(); // the one shared record buffer
    qint16 LastRecNo = 1;
    qint16 LowestFreeId = 1;
    QChar SortPref = QLatin1Char('4');
    QChar QuickFindField = QLatin1Char('0');
    QChar QuickFindSort = QLatin1Char('0');
    QChar WelcomeOff = QLatin1Char('0');
    QString EstablishedDate;
    qint16 CurId = 0;
    // The record steps of this session that Edit > Undo can take back.
    UndoLog Undo;

    // --- start-up values ---
    int ScreenSizeFigure = 0;
    QStringList OrdinalWords{QStringLiteral("First"), QStringLiteral("Second"),
                             QStringLiteral("Third"), QStringLiteral("Fourth")};
    QString HelpFilePath;

    // --- record screens ---
    tavrel::ScreenMode ScreenMode = tavrel::ScreenMode::None;

    // --- sorted name list: 1-based, entry i at SortedIdList[i]; [0] unused ---
    QVector<qint16> SortedIdList;
    int SortedCount = 0;
    qint16 sortedId(int position) const { return SortedIdList.value(position); }

    // --- QuickLinks picker ---
    qint16 PickedLinkId = 0;
    QString PickedLinkName;

    // --- mailing lists: one '1'/'0' per ID, MailListFlags[id - 1] ---
    QByteArray MailListFlags = QByteArray(1700, '0');
    int MailListAddCount = 0;

    // --- field search ---
    int SearchMatchCount = 0;
    bool SearchSavesList = false;
    int MatchAnswer = 0;

    // --- report run state and its cursor ---
    bool StopRequested = false;
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
    } Report;
    struct ReportCursor {
        bool fromMailList = false; // else the whole N&A file
        bool sorted = false;
        int WalkPosition = 1;
        int WalkLength = 0;
        int scanPosition = 1; // next ID to look at in MailListFlags
    } Cursor;

    // --- backups ---
    // Runs before a command first changes records in bulk, with what is about
    // to happen ("dups": a duplicate search deletes; "import": an import
    // writes). Start-up points it at the automatic backup copy; empty, nothing
    // runs. False: the change must not start (the copy failed and the person
    // did not choose to go on without it).
    std::function<bool(const QString& what)> BeforeBulkChange;
};

} // namespace tavrel
