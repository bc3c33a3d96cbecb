#pragma once

// Run windows that show nothing, for the sample printouts and the benchmarks,
// which print through the real printer with no one watching.
#include "envelopes/EnvelopeRun.h"
#include "reports/ReportRun.h"

namespace tavrel::test {

struct SilentRunWindows : RunWindows {
    void showPreparing() override {}
    void closePreparing() override {}
    void showProgress() override {}
    void showLastPageCompleted(int) override {}
    void closeProgress() override {}
};

struct SilentEnvelopeWindows : EnvelopeWindows {
    void showPleaseWait() override {}
    void closePleaseWait() override {}
    void showProgress() override {}
    void showPrepared(int) override {}
    void closeProgress() override {}
};

} // namespace tavrel::test
