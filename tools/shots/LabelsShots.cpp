// The label and card set-up windows.
#include "Shots.h"

#include "reports/LabelStockForm.h"
#include "reports/VertPosForm.h"

using namespace tavrel;

TAVREL_SHOT("LabelStockForm")
{
    return new LabelStockForm(s.p());
}

TAVREL_SHOT("VertPosForm")
{
    return new VertPosForm(s.p(), false, 0);
}

// For cards the italic and upper-case boxes are disabled.
TAVREL_SHOT("VertPosForm-cards")
{
    return new VertPosForm(s.p(), true, 850);
}
