#include "upkeep/BackupFs.h"

#include "platform/Errors.h"
#include "platform/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>

namespace tavrel {

namespace {

const char* const kTags[] = {"daily", "compact", "dups", "import", "manual", "restore", "sync"};

} // namespace

using namespace backupfs;

QString triggerTag(BackupTrigger t)
{
    return QLatin1String(kTags[int(t)]);
}

std::optional<BackupTrigger> triggerFromTag(const QString& tag)
{
    for (int i = 0; i < int(std::size(kTags)); ++i) {
        if (tag == QLatin1String(kTags[i]))
            return BackupTrigger(i);
    }
    return std::nullopt;
}

QString triggerText(BackupTrigger t)
{
    switch (t) {
    case BackupTrigger::Daily:
        return QCoreApplication::translate("tavrel::Backups", "First Start Of The Day");
    case BackupTrigger::Compaction:
        return QCoreApplication::translate("tavrel::Backups", "Before Compaction");
    case BackupTrigger::DupSearch:
        return QCoreApplication::translate("tavrel::Backups", "Before Duplicate Deletion");
    case BackupTrigger::Import:
        return QCoreApplication::translate("tavrel::Backups", "Before Import");
    case BackupTrigger::Manual:
        return QCoreApplication::translate("tavrel::Backups", "On Request");
    case BackupTrigger::Restore:
        return QCoreApplication::translate("tavrel::Backups", "Before Restore");
    case BackupTrigger::Sync:
        return QCoreApplication::translate("tavrel::Backups", "Before Sync");
    }
    return QString();
}

std::optional<QDateTime> copyTimeFromName(const QString& name)
{
    const QRegularExpressionMatch m = namePattern().match(name);
    if (!m.hasMatch())
        return std::nullopt;
    // Both must be real: a time of day that cannot be would otherwise stand for midnight.
    const QDate date = QDate::fromString(m.captured(1), QStringLiteral("yyyyMMdd"));
    const QTime time = QTime::fromString(m.captured(2), QStringLiteral("HHmmss"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time);
}

// --- settings ---

BackupSettings loadBackupSettings(const Files& files)
{
    BackupSettings s;
    QByteArray text;
    try {
        if (!files.exists(kBackupSettingsName))
            return s;
        text = files.readAll(kBackupSettingsName);
    } catch (const PlatformError&) {
        return s;
    }
    for (const QByteArray& raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (key == QLatin1String("BackupFolder"))
            s.folder = value;
        else if (key == QLatin1String("AutomaticBackups"))
            s.automatic = value != QLatin1String("0");
    }
    return s;
}

void saveBackupSettings(const Files& files, const BackupSettings& s)
{
    // The file holds other settings too; they are kept.
    QByteArray text = readSettings(files);
    if (text.isEmpty())
        text = "# Tavrel settings\n";
    text = withSetting(text, QStringLiteral("BackupFolder"), s.folder);
    text = withSetting(text, QStringLiteral("AutomaticBackups"),
                       s.automatic ? QStringLiteral("1") : QStringLiteral("0"));
    files.replaceFile(kBackupSettingsName, text);
}

QString backupFolderOf(const Files& files, const BackupSettings& s)
{
    const QString base = files.programDirectory();
    if (s.folder.isEmpty())
        return QDir::cleanPath(base + QLatin1Char('/') + kBackupFolderName);
    return QDir::cleanPath(QDir(base).absoluteFilePath(s.folder));
}

} // namespace tavrel
