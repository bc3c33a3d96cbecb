#pragma once

#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/Printer.h"
#include "platform/RoutedPrinter.h"
#include "platform/Ui.h"
#include "store/MailListFlags.h"
#include "store/NAFile.h"
#include "store/NARecord.h"
#include "store/OriginalSpellings.h"
#include "store/ReportState.h"
#include "store/ScreenMode.h"
#include "store/Services.h"
#include "store/SortedList.h"
#include "store/UndoLog.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

namespace tavrel {

// The printer a run prints on; windows may route it to another printer for a
// run. A base of its own so it exists before the services that hand it out.
struct ProgramPrinter {
    explicit ProgramPrinter(Printer& standard) : printer(standard) {}
    RoutedPrinter printer;
};

// Every program-wide value of one running program. Windows get a reference to
// it; nothing is global, so tests can run many programs side by side. The
// parts a function may need alone (the services, the sorted name list, the
// mailing-list flags, the report run state) are bases with headers of their
// own, so such a function can take just its part. Its services print on the
// routed printer.
class Program : private ProgramPrinter,
                public Services,
                public SortedList,
                public MailListState,
                public ReportState {
public:
    using ReportRunState = tavrel::ReportRunState;
    using ReportCursor = tavrel::ReportCursor;

    explicit Program(const Services& services)
        : ProgramPrinter(services.printer), Services{services.ui,        ProgramPrinter::printer,
                                                     services.clipboard, services.help,
                                                     services.clock,     services.files}
    {
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    using ProgramPrinter::printer;

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
    // The person's own spelling of fields the N&A file holds transliterated.
    OriginalSpellings Spellings;
    // The record steps of this session that Edit > Undo can take back.
    UndoLog Undo;

    // --- start-up values ---
    int ScreenSizeFigure = 0;
    QStringList OrdinalWords{QStringLiteral("First"), QStringLiteral("Second"),
                             QStringLiteral("Third"), QStringLiteral("Fourth")};
    QString HelpFilePath;

    // --- record screens ---
    tavrel::ScreenMode ScreenMode = tavrel::ScreenMode::None;

    // --- sorted name list: the SortedList base ---

    // --- QuickLinks picker ---
    qint16 PickedLinkId = 0;
    QString PickedLinkName;

    // --- mailing lists: the MailListState base ---

    // --- field search ---
    int SearchMatchCount = 0;
    bool SearchSavesList = false;
    int MatchAnswer = 0;

    // --- report run state and its cursor: the ReportState base ---

    // --- backups ---
    // Runs before a command first changes records in bulk, with what is about
    // to happen ("dups": a duplicate search deletes; "import": an import
    // writes). Start-up points it at the automatic backup copy; empty, nothing
    // runs. False: the change must not start (the copy failed and the person
    // did not choose to go on without it).
    std::function<bool(const QString& what)> BeforeBulkChange;
};

} // namespace tavrel
