#include "reports/gui/ReportQuestions.h"

#include "reports/gui/FormPositionDialog.h"
#include "reports/gui/LabelStockDialog.h"
#include "store/Program.h"

namespace tavrel {

int WindowQuestions::chooseA4Sheet(Program& p) const
{
    LabelStockDialog stock(p);
    p.ui.runModal(stock);
    return stock.chosenA4Sheet();
}

int WindowQuestions::askFormPosition(Program& p, bool cards, int verticalBase,
                                     const SheetChoice* sheet) const
{
    FormPositionDialog f(p, cards, verticalBase, sheet);
    p.ui.runModal(f);
    return f.startSlot();
}

const ReportQuestions& windowQuestions()
{
    static const WindowQuestions questions;
    return questions;
}

} // namespace tavrel
