// The label and card set-up windows.
#include "Shots.h"

#include "reports/FormPositionDialog.h"
#include "reports/LabelStockDialog.h"

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
