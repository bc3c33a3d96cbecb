#include "platform/PrinterCalibration.h"
#include "upkeep/Backups.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavrel {

// The backup settings share their file with other settings and keep them.
TEST(BackupSettings, SavingThemKeepsThePrinterCalibrations)
{
    QTemporaryDir dir;
    Files files(dir.path());
    saveCalibration(files, QStringLiteral("Office"), {1, 2, 100, 100});
    saveBackupSettings(files, BackupSettings{QStringLiteral("/copies"), false});
    saveBackupSettings(files, BackupSettings{QStringLiteral("/elsewhere"), true});
    EXPECT_EQ(loadCalibration(files, QStringLiteral("Office")),
              (PrinterCalibration{1, 2, 100, 100}));
    const BackupSettings s = loadBackupSettings(files);
    EXPECT_EQ(s.folder, QStringLiteral("/elsewhere"));
    EXPECT_TRUE(s.automatic);
}

} // namespace tavrel
