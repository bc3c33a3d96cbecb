#include "upkeep/BackupCommands.h"

#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/Undo.h"
#include "upkeep/DiskSpace.h"

#include <QCoreApplication>

namespace tavrel {

namespace {

const QString LF = QStringLiteral("\n");

// Bytes as whole KBytes, grouped ("1,024"): what is needed rounded up, what
// is free rounded down.
QString kilobytes(qint64 bytes, bool roundUp)
{
    return formatGrouped((bytes + (roundUp ? 1023 : 0)) / 1024, true);
}

} // namespace

QString backupFolder(const Program& p)
{
    return backupFolderOf(p.files, loadBackupSettings(p.files));
}

QString copyLabel(const BackupCopy& c)
{
    return shownDate(c.when) + QCoreApplication::translate("tavrel::BackupCommands", " At ") +
           shownTime(c.when);
}

bool takeAutomaticCopy(Program& p, BackupTrigger trigger, WithoutCopy onFailure)
{
    BackupIo io;
    return takeAutomaticCopy(p, trigger, io, onFailure);
}

bool takeAutomaticCopy(Program& p, BackupTrigger trigger, BackupIo& io, WithoutCopy onFailure)
{
    const BackupSettings s = loadBackupSettings(p.files);
    if (!s.automatic)
        return true;
    Backups backups(p.files, p.clock, io, backupFolderOf(p.files, s));
    if (trigger == BackupTrigger::Daily && backups.hasCopyOfToday())
        return true;
    try {
        backups.take(trigger);
        backups.rotate();
        // At start-up the removal of rotated copies waits for the end of the run.
        if (trigger != BackupTrigger::Daily)
            backups.tidy();
        return true;
    } catch (const PlatformError& e) {
        QString text =
            QCoreApplication::translate("tavrel::BackupCommands", "The Backup Copy (") +
            triggerText(trigger) +
            QCoreApplication::translate("tavrel::BackupCommands", ") Could Not Be Made: Error") +
            numText(e.number()) +
            QCoreApplication::translate("tavrel::BackupCommands", " In The Folder") + LF +
            backups.folder() + LF + LF + errorInWords(e.number());
        if (e.number() == ErrNo::DiskFull) {
            text += QCoreApplication::translate("tavrel::BackupCommands", "  The Copy Needs ") +
                    kilobytes(backupCopySize(p.files), true) +
                    QCoreApplication::translate("tavrel::BackupCommands", " KBytes Of Free Space");
            const std::optional<qint64> free = io.freeBytes(backups.folder());
            text += free ? QStringLiteral("; ") + kilobytes(*free, false) +
                               QCoreApplication::translate("tavrel::BackupCommands",
                                                           " KBytes Are Free.")
                         : QStringLiteral(".");
        }
        if (trigger == BackupTrigger::Daily) {
            p.ui.messageBox(text + LF + LF +
                                QCoreApplication::translate("tavrel::BackupCommands",
                                                            "The Earlier Copies Are Unchanged."),
                            kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
            return true;
        }
        text += LF + LF +
                QCoreApplication::translate(
                    "tavrel::BackupCommands",
                    "Nothing Has Been Changed: The N&A File, The Mailing Lists And The "
                    "Earlier Copies Are As They Were.");
        if (onFailure == WithoutCopy::Refuse) {
            p.ui.messageBox(text, kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
            return false;
        }
        return p.ui.messageBox(text + LF + LF +
                                   QCoreApplication::translate("tavrel::BackupCommands",
                                                               "Go On Without A Copy?"),
                               kTitle, Ui::Buttons::YesNoDefaultNo,
                               Ui::Icon::Exclamation) == Ui::Answer::Yes;
    }
}

void armAutomaticCopies(Program& p)
{
    p.BeforeBulkChange = [&p](const QString& what) {
        const std::optional<BackupTrigger> t = triggerFromTag(what);
        return !t || takeAutomaticCopy(p, *t);
    };
}

void armCommandLineCopies(Program& p)
{
    p.BeforeBulkChange = [&p](const QString& what) {
        const std::optional<BackupTrigger> t = triggerFromTag(what);
        return !t || takeAutomaticCopy(p, *t, WithoutCopy::Refuse);
    };
}

void tidyBackups(const Program& p)
{
    BackupIo io;
    Backups(p.files, p.clock, io, backupFolder(p)).tidy();
}

std::optional<BackupCopy> restoreIntoProgram(Program& p, Backups& backups, const QString& name)
{
    const std::optional<BackupCopy> copy = backups.find(name);
    const QString label = copy ? copyLabel(*copy) : name;
    std::optional<BackupCopy> safety;
    try {
        safety = backups.restore(name);
    } catch (const BackupRefused& e) {
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::BackupCommands", "The Copy Of ") + label +
                QCoreApplication::translate("tavrel::BackupCommands", " Cannot Be Restored:") + LF +
                e.reason(),
            kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return std::nullopt;
    } catch (const RestoreUnfinished& e) {
        // The files are neither the copy nor as they were: nothing more may
        // read or write them before the next start carries out the journal.
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::BackupCommands", "The Copy Of ") + label +
                QCoreApplication::translate("tavrel::BackupCommands",
                                            " Could Not Be Restored: Error") +
                numText(e.number()) + QStringLiteral(".") + LF + LF + errorInWords(e.number()) +
                QCoreApplication::translate(
                    "tavrel::BackupCommands",
                    "  Undoing The Restore Failed Too.  The Next Start Of TVL Completes Or Undoes "
                    "It And Says Which.\n\nClick OK To Terminate TVL."),
            kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        p.naFile.close();
        p.ui.endProgram();
        return std::nullopt;
    } catch (const PlatformError& e) {
        // The files are as they were, but may lie under new names: open them again.
        p.naFile.close();
        openNAFile(p);
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::BackupCommands", "The Copy Of ") + label +
                QCoreApplication::translate("tavrel::BackupCommands",
                                            " Could Not Be Restored: Error") +
                numText(e.number()) + QStringLiteral(".") + LF + LF + errorInWords(e.number()) +
                QCoreApplication::translate("tavrel::BackupCommands",
                                            "  The N&A File And The Mailing Lists Are As They "
                                            "Were."),
            kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return std::nullopt;
    }
    endUndoHistory(p, BulkChange::Restore);
    p.naFile.close();
    openNAFile(p);
    p.ui.messageBox(
        QCoreApplication::translate("tavrel::BackupCommands", "The Copy Of ") + label +
            QCoreApplication::translate("tavrel::BackupCommands", " Has Been Restored.") + LF + LF +
            QCoreApplication::translate("tavrel::BackupCommands",
                                        "The N&A File And The Mailing Lists As They Were Are Kept "
                                        "In The Copy Of ") +
            copyLabel(*safety) + QStringLiteral(" (") + triggerText(BackupTrigger::Restore) +
            QStringLiteral(")."),
        kTitle, Ui::Buttons::Ok, Ui::Icon::Information);
    return safety;
}

} // namespace tavrel
