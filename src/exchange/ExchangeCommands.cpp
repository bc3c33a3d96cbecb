#include "exchange/ExchangeCommands.h"

#include "exchange/ExportForm.h"
#include "exchange/ImportForm.h"
#include "platform/gui/Windows.h"

#include <QLineEdit>

namespace tavrel {

void startExport(Program& p)
{
    auto* form = new ExportForm(p);
    showInFront(form, true);
    form->ExpTxt1->setFocus();
}

void startImport(Program& p, const ImportOptions& options)
{
    auto* form = new ImportForm(p, options);
    showInFront(form, true);
    form->ImpTxt1->setFocus();
}

} // namespace tavrel
