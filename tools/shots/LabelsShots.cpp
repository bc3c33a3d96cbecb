// The label and card set-up windows.
#include "Shots.h"

#include "reports/gui/FormPositionDialog.h"
#include "reports/gui/LabelStockDialog.h"

using namespace tavrel;

TAVREL_SHOT("LabelStockForm")
{
    return new LabelStockDialog(s.p());
}

TAVREL_SHOT("VertPosForm")
{
    return new FormPositionDialog(s.p(), false, 0);
}

// For cards the italic and upper-case boxes are disabled.
TAVREL_SHOT("VertPosForm-cards")
{
    return new FormPositionDialog(s.p(), true, 850);
}

// The positioning step of a run, with the sheet's map at the fifth label.
TAVREL_SHOT("VertPosForm-sheet")
{
    SheetChoice sheet{sheetSlots(Stock::ThreeAcross, 720, 0), slotSize(Stock::ThreeAcross), 4,
                      false};
    return new FormPositionDialog(s.p(), false, 0, &sheet);
}

TAVREL_SHOT("VertPosForm-a4sheet")
{
    SheetChoice sheet{sheetSlots(a4Stock(3), 720, 0), slotSize(a4Stock(3)), 9, false};
    return new FormPositionDialog(s.p(), false, 0, &sheet);
}
