#include "exchange/gui/ExchangeCommands.h"

#include "exchange/gui/ExportDialog.h"
#include "exchange/gui/ImportDialog.h"
#include "platform/gui/Windows.h"

#include <QLineEdit>

namespace tavrel {

void startExport(Program& p)
{
    auto* form = new ExportDialog(p);
    showInFront(form, true);
    form->fileEdit->setFocus();
}

void startImport(Program& p, const ImportOptions& options)
{
    auto* form = new ImportDialog(p, options);
    showInFront(form, true);
    form->fileEdit->setFocus();
}

} // namespace tavrel
