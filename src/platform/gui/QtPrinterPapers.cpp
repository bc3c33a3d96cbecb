#include "platform/gui/QtPrinter.h"

namespace tavrel {

namespace {

const QSizeF kContinuousFormInches(8.5, 12);

} // namespace

bool QtPrinter::isContinuousForm(const QPageSize& size)
{
    return size.size(QPageSize::Inch) == kContinuousFormInches;
}

std::optional<QPageSize> QtPrinter::pageSizeForCode(int code)
{
    struct Paper {
        int code;
        double width, height;
        QPageSize::Unit unit;
    };
    static const Paper papers[] = {
        {1, 8.5, 11, QPageSize::Inch},         // letter
        {40, 8.5, 12, QPageSize::Inch},        // continuous form
        {20, 4.125, 9.5, QPageSize::Inch},     // envelope #10
        {27, 110, 220, QPageSize::Millimeter}, // DL
        {28, 162, 229, QPageSize::Millimeter}, // C5
        {31, 114, 162, QPageSize::Millimeter}, // C6
        {34, 176, 250, QPageSize::Millimeter}, // B5 envelope
        {37, 3.875, 7.5, QPageSize::Inch},     // Monarch
        {38, 3.625, 6.5, QPageSize::Inch},     // 6 3/4
        {9, 210, 297, QPageSize::Millimeter},  // A4
    };
    for (const Paper& p : papers) {
        if (p.code == code)
            return QPageSize(QSizeF(p.width, p.height), p.unit, QString(), QPageSize::FuzzyMatch);
    }
    return std::nullopt;
}

QString QtPrinter::mediaName(const QPageSize& size)
{
    // Qt knows the form as the German fan-fold; CUPS takes it by its size.
    if (isContinuousForm(size))
        return QStringLiteral("Custom.8.5x12in");
    return size.key();
}

} // namespace tavrel
