#include "platform/PrinterCalibration.h"

#include "platform/Errors.h"
#include "platform/SettingsFile.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

namespace tavrel {

namespace {

constexpr double kTwipsPerMm = 1440 / 25.4;

void printAt(Printer& pr, double x, double y, const QString& text)
{
    pr.setCurrentX(x);
    pr.setCurrentY(y);
    pr.printLine(text);
}

void setFont(Printer& pr, double points, bool bold)
{
    pr.setFontName(QStringLiteral("Arial"));
    pr.setFontSize(points);
    pr.setFontBold(bold);
    pr.setFontItalic(false);
    pr.setFontUnderline(false);
}

// A millimetre ruler along one edge of the printable area, its marks numbered
// with their distance from the paper's edge: short marks every millimetre,
// longer ones every 5, numbered ones every 10. `across` is false for the
// top edge (marks hang down), true for the left edge (marks point right).
void ruler(Printer& pr, bool leftEdge, double originTwips, double lengthTwips)
{
    const int firstMm = int(std::ceil(originTwips / kTwipsPerMm));
    const int lastMm = int(std::floor((originTwips + lengthTwips) / kTwipsPerMm));
    for (int mm = firstMm; mm <= lastMm; ++mm) {
        const double at = mm * kTwipsPerMm - originTwips;
        const double len = (mm % 10 == 0 ? 5 : mm % 5 == 0 ? 3 : 1.5) * kTwipsPerMm;
        if (leftEdge)
            pr.drawLine(0, at, len, at);
        else
            pr.drawLine(at, 0, at, len);
        if (mm % 10 == 0 && mm > firstMm) {
            const QString n = QString::number(mm);
            if (leftEdge)
                printAt(pr, len + 40, at - pr.textHeight() / 2, n);
            else
                printAt(pr, at - pr.textWidth(n) / 2, len + 20, n);
        }
    }
}

// A crosshair whose centre lies `xMm` from the paper's left edge and `yMm`
// from its top, with its label.
void crosshair(Printer& pr, QPointF origin, int xMm, int yMm)
{
    const double x = xMm * kTwipsPerMm - origin.x(), y = yMm * kTwipsPerMm - origin.y();
    const double arm = 6 * kTwipsPerMm;
    pr.drawLine(x - arm, y, x + arm, y);
    pr.drawLine(x, y - arm, x, y + arm);
    pr.drawRect(x - 2 * kTwipsPerMm, y - 2 * kTwipsPerMm, x + 2 * kTwipsPerMm, y + 2 * kTwipsPerMm);
    printAt(pr, x + 120, y + 120,
            QCoreApplication::translate("tavrel::PrinterCalibration", "%1 mm, %2 mm")
                .arg(xMm)
                .arg(yMm));
}

} // namespace

bool PrinterCalibration::isValid() const
{
    const auto offsetOk = [](double v) { return std::isfinite(v) && std::abs(v) <= kMaxOffsetMm; };
    const auto scaleOk = [](double v) {
        return std::isfinite(v) && v >= kMinScalePercent && v <= kMaxScalePercent;
    };
    return offsetOk(offsetXmm) && offsetOk(offsetYmm) && scaleOk(scaleXPercent) &&
           scaleOk(scaleYPercent);
}

QString calibrationKey(const QString& queue)
{
    return QStringLiteral("PrinterCalibration.") + queue;
}

std::optional<PrinterCalibration> parseCalibration(const QString& text)
{
    const QStringList parts = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return std::nullopt;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toDouble(&ok);
        if (!ok)
            return std::nullopt;
    }
    const PrinterCalibration c{v[0], v[1], v[2], v[3]};
    return c.isValid() ? std::optional(c) : std::nullopt;
}

QString calibrationText(const PrinterCalibration& c)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(c.offsetXmm)
        .arg(c.offsetYmm)
        .arg(c.scaleXPercent)
        .arg(c.scaleYPercent);
}

PrinterCalibration loadCalibration(const Files& files, const QString& queue)
{
    if (queue.isEmpty())
        return {};
    const std::optional<QString> text = settingIn(readSettings(files), calibrationKey(queue));
    return text ? parseCalibration(*text).value_or(PrinterCalibration{}) : PrinterCalibration{};
}

void saveCalibration(const Files& files, const QString& queue, const PrinterCalibration& c)
{
    // A queue name with a blank, '=' or a line break would break the line it is kept on.
    if (!c.isValid() || queue.isEmpty() || queue.contains(QLatin1Char('=')) ||
        queue.contains(QLatin1Char('\n')) || queue.contains(QLatin1Char(' ')))
        throw PlatformError(ErrNo::InvalidPropertyValue, QStringLiteral("printer calibration"));
    writeSetting(files, calibrationKey(queue), calibrationText(c));
}

void printCalibrationSheet(Printer& pr)
{
    if (pr.orientation() != 1)
        pr.setOrientation(1);
    const QPointF origin = pr.printableOrigin();
    const double width = pr.pageWidth(), height = pr.pageHeight();
    setFont(pr, 7, false);
    ruler(pr, false, origin.x(), width);
    ruler(pr, true, origin.y(), height);

    // Crosshairs 30 mm in from each corner of the printable area's paper,
    // rounded to whole millimetres, and one near the middle.
    const int leftMm = 30, topMm = 30;
    const int rightMm = int((origin.x() + width) / kTwipsPerMm) - 30;
    const int bottomMm = int((origin.y() + height) / kTwipsPerMm) - 30;
    setFont(pr, 8, false);
    for (auto [x, y] :
         {std::pair{leftMm, topMm}, std::pair{rightMm, topMm}, std::pair{leftMm, bottomMm},
          std::pair{rightMm, bottomMm}, std::pair{(leftMm + rightMm) / 2, (topMm + bottomMm) / 2}})
        crosshair(pr, origin, x, y);

    setFont(pr, 12, true);
    const double textX = 45 * kTwipsPerMm - origin.x();
    double y = 60 * kTwipsPerMm - origin.y();
    printAt(pr, textX, y,
            QCoreApplication::translate("tavrel::PrinterCalibration", "Printer Calibration Sheet"));
    setFont(pr, 10, false);
    y += 2 * pr.textHeight();
    const QStringList lines = {
        QCoreApplication::translate(
            "tavrel::PrinterCalibration",
            "Each crosshair is labelled with its distance from the left and top edges of the "
            "paper."),
        QCoreApplication::translate(
            "tavrel::PrinterCalibration",
            "Measure where the printer put each one with a ruler, from the paper's edges."),
        QCoreApplication::translate(
            "tavrel::PrinterCalibration",
            "Printed too far right or too low: enter a negative X or Y offset;"),
        QCoreApplication::translate(
            "tavrel::PrinterCalibration",
            "too far left or too high: a positive one (at most 10 mm either way)."),
        QCoreApplication::translate(
            "tavrel::PrinterCalibration",
            "Far crosshairs off by more than near ones: correct the scale (98% to 102%)."),
    };
    for (const QString& line : lines)
        printAt(pr, textX, y += pr.textHeight(), line);
    pr.endDoc();
}

} // namespace tavrel
