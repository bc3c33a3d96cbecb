#include "reports/gui/SystemPrinters.h"

#include "platform/PrinterCalibration.h"
#include "platform/gui/QtPrinter.h"

#include <QFileInfo>
#include <QPrinterInfo>

namespace tavrel {

PrinterMaker systemPrinters()
{
    PrinterMaker m;
    m.pdf = [](const QString& file) -> std::unique_ptr<Printer> {
        auto pdf = std::make_unique<QtPrinter>(QFileInfo(file).absolutePath());
        pdf->setPdfFileName(file);
        return pdf;
    };
    m.queue = [](const QString& queue, const Files& files) -> std::unique_ptr<Printer> {
        const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
        if (info.isNull())
            return nullptr;
        auto printer = std::make_unique<QtPrinter>(info);
        printer->setCalibration(loadCalibration(files, queue));
        return printer;
    };
    m.system = [](const QString& programDirectory) { return makeSystemPrinter(programDirectory); };
    return m;
}

} // namespace tavrel
