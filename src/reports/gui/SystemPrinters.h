#pragma once

#include "reports/PrintCommandLine.h"

namespace tavrel {

// The printers of the system for a print run from the command line: PDF files
// and print queues through Qt's printing.
PrinterMaker systemPrinters();

} // namespace tavrel
