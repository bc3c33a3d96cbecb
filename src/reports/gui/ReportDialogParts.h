#pragma once

// What the report dialog's layout and its handlers share.
namespace tavrel::report_dialog {

// The report kinds (the index of their option) that change what the dialog offers.
inline constexpr int kLabels = 4;
inline constexpr int kCards = 5;
inline constexpr int kEnvelopes = 6;
// The settings name of each report kind's printer choice.
inline constexpr const char* kKindSettings[6] = {"book",    "phone",  "abbreviated",
                                                 "listing", "labels", "cards"};

} // namespace tavrel::report_dialog
