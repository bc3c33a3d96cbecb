#include "upkeep/gui/UpkeepCommands.h"

#include "platform/Errors.h"
#include "platform/gui/Windows.h"
#include "store/Program.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/Compaction.h"
#include "upkeep/DiskSpace.h"
#include "upkeep/Statistics.h"
#include "upkeep/gui/AnalyzingMessage.h"
#include "upkeep/gui/CompactDialog.h"
#include "upkeep/gui/CompactingMessage.h"

#include <QCoreApplication>
#include <QPushButton>

namespace tavrel {

namespace {

// Shows a please-wait window and paints it at once: no events run while the work goes on.
template <typename Window> Window* showPleaseWait()
{
    auto* w = new Window;
    loadWindow(w);
    w->show();
    w->repaint();
    return w;
}

// The wait cursor while the command works; the normal one before any message
// and whichever way the command leaves.
struct WaitCursor {
    Program& p;
    explicit WaitCursor(Program& program) : p(program) { p.ui.setWaitCursor(true); }
    ~WaitCursor() { release(); }
    void release() { p.ui.setWaitCursor(false); }
};

} // namespace

void startCompact(Program& p)
{
    auto* form = new CompactDialog(p);
    loadWindow(form);
    form->show();
    form->continueButton->setFocus();
}

bool runCompaction(Program& p)
{
    WaitCursor cursor(p);
    const qint64 length = p.naFile.size();
    const std::optional<qint64> free = freeDiskBytes(p);
    if (!free) {
        cursor.release();
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::UpkeepCommands",
                                        "The Free Space Of The Program Directory ") +
                p.files.programDirectory() +
                QCoreApplication::translate("tavrel::UpkeepCommands",
                                            " Cannot Be Determined.  Cannot Perform Compaction."),
            kTitle, Ui::Buttons::Ok);
        return false;
    }
    // Checked in 64 bits whatever the size of the disk: the old and the new
    // file lie side by side until the rename, and the backup copy taken first
    // takes its room too when it goes to the same disk.
    const BackupSettings settings = loadBackupSettings(p.files);
    const qint64 copy = settings.automatic && onProgramDisk(p, backupFolderOf(p.files, settings))
                            ? backupCopySize(p.files)
                            : 0;
    if (!roomToCompact(*free, length, copy)) {
        cursor.release();
        p.ui.messageBox(spaceRefusalText(*free, length, copy),
                        QCoreApplication::translate("tavrel::UpkeepCommands", "Corvane MARK32"),
                        Ui::Buttons::Ok);
        return false;
    }

    // The copy before the file is rewritten is part of the compaction: without
    // it, and without the person's word to go on, nothing starts.
    cursor.release();
    if (!takeAutomaticCopy(p, BackupTrigger::Compaction))
        return false;
    p.ui.setWaitCursor(true);

    CompactingMessage* wait = showPleaseWait<CompactingMessage>();
    CompactionResult result;
    try {
        FileReplacement out(p.files, kNAFileName, kCompactTempName);
        result = compactNAFile(p, out);
    } catch (const CompactionError& e) {
        unloadWindow(wait);
        cursor.release();
        p.ui.messageBox(compactionErrorText(e), kDefaultTitle, Ui::Buttons::Ok);
        return false;
    } catch (const PlatformError& e) {
        // The names themselves were refused: nothing was written.
        unloadWindow(wait);
        cursor.release();
        p.ui.messageBox(compactionErrorText(CompactionError(e.number(), 0)), kDefaultTitle,
                        Ui::Buttons::Ok);
        return false;
    }
    cursor.release();
    unloadWindow(wait);
    p.ui.messageBox(compactionReport(result), kTitle, Ui::Buttons::Ok);
    return true;
}

void showFileStatistics(Program& p)
{
    auto* analyzing = showPleaseWait<AnalyzingMessage>();
    FileFigures f;
    f.fileLength = p.naFile.size();
    f.lastRecNo = p.LastRecNo;
    f.active = countActive(p);
    const std::optional<qint64> free = freeDiskBytes(p);
    if (!free) {
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::UpkeepCommands", "App.Path = ") +
                p.files.programDirectory() +
                QCoreApplication::translate("tavrel::UpkeepCommands",
                                            ".  Cannot Determine Drive Letter. Exiting The "
                                            "Statistics Feature."),
            kDefaultTitle, Ui::Buttons::Ok);
        unloadWindow(analyzing);
        return;
    }
    f.freeBytes = *free;
    unloadWindow(analyzing);
    p.ui.messageBox(statisticsText(f), kStatisticsTitle, Ui::Buttons::Ok);
}

} // namespace tavrel
