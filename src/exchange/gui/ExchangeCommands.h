#pragma once

#include "exchange/Import.h"

namespace tavrel {

class Program;

// "Expor&t...": opens ExportDialog without blocking.
void startExport(Program& p);
// "&Import...": opens ImportDialog without blocking; `options` go to the import
// it runs (beforeFirstWrite is the last word before the first record).
void startImport(Program& p, const ImportOptions& options = {});

} // namespace tavrel
