#include "store/UnattendedRun.h"

#include "platform/Errors.h"
#include "platform/InstanceLock.h"
#include "platform/RestoreJournal.h"
#include "platform/Text.h"
#include "platform/Unattended.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>
#include <QTextStream>

namespace tavrel {

int runOverNAFile(Program& program, QTextStream& out, const QString& failed,
                  const std::function<int()>& command, NAFileUse use)
{
    InstanceLock lock(program.files.programDirectory());
    const InstanceCheck running = lock.check();
    if (running.anotherCopy || !running.lockProblem.isEmpty()) {
        out << (running.backupRunning
                    ? QCoreApplication::translate(
                          "tavrel::UnattendedRun",
                          "A backup copy of this N&A file is being made; try again in a moment.")
                : running.anotherCopy ? QCoreApplication::translate(
                                            "tavrel::UnattendedRun",
                                            "Tavrel is running on this N&A file; close it first.")
                                      : lockRefusalText(running))
            << Qt::endl;
        return 1;
    }
    try {
        if (const std::optional<InterruptedRestore> r = finishInterruptedRestore(program.files))
            out << interruptedRestoreLine(*r) << Qt::endl;
        removeStaleTemporaries(program.files);
        if (!program.files.exists(QStringLiteral("n&a.mrk"))) {
            out << QCoreApplication::translate("tavrel::UnattendedRun", "There is no N&A file in ")
                << program.files.programDirectory() << "." << Qt::endl;
            return 1;
        }
        if (use == NAFileUse::Change) {
            openNAFile(program);
            return command();
        }
        if (const QString damage = openNAFileReadOnly(program); !damage.isEmpty()) {
            out << damage << Qt::endl
                << QCoreApplication::translate("tavrel::UnattendedRun",
                                               "The file was left as it is; ")
                << failed << Qt::endl;
            return 1;
        }
        return command();
    } catch (const EndOfRun&) {
        return 1;
    } catch (const PlatformError& e) {
        out << QCoreApplication::translate("tavrel::UnattendedRun", "Error") << numText(e.number())
            << ": " << failed << Qt::endl;
        return 1;
    }
}

} // namespace tavrel
