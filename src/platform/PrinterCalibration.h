#pragma once

#include "platform/Files.h"
#include "platform/Printer.h"

#include <QString>
#include <optional>

namespace tavrel {

// How far one printer prints off and how much it stretches, as the person
// read it from the calibration sheet: the printout is moved by the offsets
// and stretched by the scales about the printable area's top-left corner.
struct PrinterCalibration {
    double offsetXmm = 0, offsetYmm = 0;             // + moves right and down
    double scaleXPercent = 100, scaleYPercent = 100; // 100: as drawn

    static constexpr double kMaxOffsetMm = 10;
    static constexpr double kMinScalePercent = 98, kMaxScalePercent = 102;

    bool isIdentity() const
    {
        return offsetXmm == 0 && offsetYmm == 0 && scaleXPercent == 100 && scaleYPercent == 100;
    }
    // Every figure within its limits.
    bool isValid() const;
    bool operator==(const PrinterCalibration&) const = default;
};

// The settings key of a printer's calibration ("PrinterCalibration.QUEUE").
QString calibrationKey(const QString& queue);
// "x y sx sy" as stored; nullopt for text that is not four numbers within the limits.
std::optional<PrinterCalibration> parseCalibration(const QString& text);
QString calibrationText(const PrinterCalibration& c);

// The calibration saved for a print queue; none (the identity) when nothing
// or nothing valid was saved.
PrinterCalibration loadCalibration(const Files& files, const QString& queue);
// Saves it in the settings file, keeping every other setting. Throws
// PlatformError (380 for figures outside the limits).
void saveCalibration(const Files& files, const QString& queue, const PrinterCalibration& c);

// Prints the calibration sheet on the printer's current paper as a document
// of its own: millimetre rulers along the top and left edges of the printable
// area and crosshairs at known points, each labelled with its distance from
// the top-left corner, so the person can measure how far off the printer
// prints. Drawn without any calibration, as every printout is drawn.
void printCalibrationSheet(Printer& printer);

} // namespace tavrel
