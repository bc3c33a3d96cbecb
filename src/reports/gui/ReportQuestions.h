#pragma once

#include "reports/ReportRun.h"

namespace tavrel {

// The stock and position questions of a label or card run, asked in the
// "Label Stock" and "Form Positioning" windows.
class WindowQuestions : public ReportQuestions {
public:
    int chooseA4Sheet(Program& p) const override;
    int askFormPosition(Program& p, bool cards, int verticalBase,
                        const SheetChoice* sheet) const override;
};

// The questions of every run a person watches; they keep nothing between runs.
const ReportQuestions& windowQuestions();

} // namespace tavrel
