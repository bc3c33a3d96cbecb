// The Backups window over a few copies (one of them damaged) and the backup preferences.
#include "Shots.h"

#include "platform/gui/Windows.h"
#include "shell/BackupPreferencesDialog.h"
#include "upkeep/BackupCommands.h"
#include "upkeep/gui/BackupsDialog.h"
#include "upkeep/Backups.h"

#include <QFile>

TAVREL_SHOT("BackupForm")
{
    using tavrel::BackupTrigger;
    tavrel::BackupIo io;
    tavrel::Backups b(s.p().files, s.env.clock, io, tavrel::backupFolder(s.p()));
    const struct {
        int days;
        int secs;
        BackupTrigger trigger;
    } copies[] = {{-40, 0, BackupTrigger::Daily},       {-2, 0, BackupTrigger::Daily},
                  {-2, 900, BackupTrigger::Compaction}, {-1, 0, BackupTrigger::Daily},
                  {-1, 2400, BackupTrigger::DupSearch}, {0, 0, BackupTrigger::Daily},
                  {0, 600, BackupTrigger::Import}};
    const QDateTime start = s.env.clock.t;
    QString damaged;
    for (const auto& c : copies) {
        s.env.clock.t = start.addDays(c.days).addSecs(c.secs);
        const QString name = b.take(c.trigger).name;
        if (c.trigger == BackupTrigger::Compaction)
            damaged = name;
    }
    s.env.clock.t = start.addSecs(700);
    QFile f(b.folder() + QStringLiteral("/") + damaged + QStringLiteral("/n&a.mrk"));
    if (f.open(QIODevice::Append))
        f.write("xx");
    f.close();
    tavrel::startBackups(s.p());
    return tavrel::loadedWindow(QStringLiteral("BackupForm"));
}

TAVREL_SHOT("BackupPref")
{
    return new tavrel::BackupPreferencesDialog(s.p());
}
