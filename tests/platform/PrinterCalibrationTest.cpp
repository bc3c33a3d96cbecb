#include "platform/PrinterCalibration.h"
#include "platform/Errors.h"
#include "platform/SettingsFile.h"
#include "platform/gui/RecordingPrinter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tavrel {

TEST(PrinterCalibration, StoredFiguresAreReadOnlyWithinTheirLimitsAndSavedPerQueue)
{
    const std::pair<const char*, PrinterCalibration> good[] = {
        {"1.5 -2 100 99.5", {1.5, -2, 100, 99.5}}, {" -10  10 98 102 ", {-10, 10, 98, 102}}};
    for (const auto& [text, want] : good) {
        EXPECT_EQ(parseCalibration(QString::fromLatin1(text)), want) << text;
        EXPECT_EQ(parseCalibration(calibrationText(want)), want) << text;
    }
    for (const char* bad : {"10.1 0 100 100", "0 -10.5 100 100", "0 0 97.9 100", "0 0 100 102.1",
                            "0 0 100", "0 0 100 100 1", "x 0 100 100", "nan 0 100 100"})
        EXPECT_EQ(parseCalibration(QString::fromLatin1(bad)), std::nullopt) << bad;

    // Each queue keeps its own calibration; saving one keeps every other line of
    // the settings file, and a queue never saved (or saved wrongly) has none.
    QTemporaryDir dir;
    Files files(dir.path());
    // Its last line has no line end (edited by hand): it is kept all the same.
    files.replaceFile(kSettingsFileName, "# Tavrel settings\nBackupFolder=/b\n"
                                         "PrinterCalibration.Bad=1 2 3\nAutomaticBackups=0");
    saveCalibration(files, "Office", {1, -2, 101, 99});
    saveCalibration(files, "Home_Laser", {0.5, 0, 100, 100});
    saveCalibration(files, "Office", {-3, 4, 100, 98});
    EXPECT_EQ(loadCalibration(files, "Office"), (PrinterCalibration{-3, 4, 100, 98}));
    EXPECT_EQ(loadCalibration(files, "Home_Laser"), (PrinterCalibration{0.5, 0, 100, 100}));
    EXPECT_TRUE(loadCalibration(files, "Bad").isIdentity());
    EXPECT_TRUE(loadCalibration(files, "Other").isIdentity());
    EXPECT_EQ(files.readAll(kSettingsFileName),
              "# Tavrel settings\nBackupFolder=/b\nPrinterCalibration.Bad=1 2 3\n"
              "AutomaticBackups=0\nPrinterCalibration.Office=-3 4 100 98\n"
              "PrinterCalibration.Home_Laser=0.5 0 100 100\n");
    for (const QString& queue : {QString(), QString("a=b"), QString("a b")})
        EXPECT_THROW(saveCalibration(files, queue, {}), PlatformError);
    EXPECT_THROW(saveCalibration(files, "Office", {11, 0, 100, 100}), PlatformError);
    EXPECT_EQ(loadCalibration(files, "Office"), (PrinterCalibration{-3, 4, 100, 98}));
}

// The sheet is one document; its crosshairs lie at the distances from the
// paper's edges their labels give, and its rulers' marks every millimetre.
TEST(PrinterCalibration, TheSheetMarksKnownPointsOfThePaper)
{
    RecordingPrinter pr;
    printCalibrationSheet(pr);
    EXPECT_EQ(pr.pageCount(0), 1);
    constexpr double mm = 1440 / 25.4;
    const auto hasLine = [&](double x1, double y1, double x2, double y2) {
        for (const auto& l : pr.lines)
            if (std::abs(l.x1 - x1) < 0.01 && std::abs(l.y1 - y1) < 0.01 &&
                std::abs(l.x2 - x2) < 0.01 && std::abs(l.y2 - y2) < 0.01)
                return true;
        return false;
    };
    // Letter paper, 215.9 x 279.4 mm, printed on to a quarter inch of its edges.
    for (auto [x, y] : {std::pair{30, 30}, {179, 30}, {30, 243}, {179, 243}, {104, 136}}) {
        SCOPED_TRACE(x * 1000 + y);
        const double cx = x * mm - 360, cy = y * mm - 360;
        EXPECT_TRUE(hasLine(cx - 6 * mm, cy, cx + 6 * mm, cy));
        EXPECT_TRUE(hasLine(cx, cy - 6 * mm, cx, cy + 6 * mm));
        const auto* label = pr.find(QStringLiteral("%1 mm, %2 mm").arg(x).arg(y));
        ASSERT_NE(label, nullptr);
        EXPECT_NEAR(label->x, cx + 120, 0.01);
    }
    // Top ruler: the first mark at 7 mm from the paper's edge, 10 mm marks long.
    EXPECT_TRUE(hasLine(7 * mm - 360, 0, 7 * mm - 360, 1.5 * mm));
    EXPECT_TRUE(hasLine(10 * mm - 360, 0, 10 * mm - 360, 5 * mm));
    EXPECT_TRUE(hasLine(15 * mm - 360, 0, 15 * mm - 360, 3 * mm));
    EXPECT_TRUE(hasLine(0, 20 * mm - 360, 5 * mm, 20 * mm - 360));
    // Every tenth millimetre is numbered, and no other.
    EXPECT_NE(pr.find("20"), nullptr);
    EXPECT_EQ(pr.find("21"), nullptr);
    EXPECT_NE(pr.find("Printer Calibration Sheet"), nullptr);
}

} // namespace tavrel
