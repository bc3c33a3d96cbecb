#pragma once

#include "exchange/Import.h"

#include <QString>

// Words the preview and the import log share.
namespace tavrel::importtext {

// The text in typographic quotes, its line breaks shown as " / ".
QString quoted(const QString& s);
// The overflow choice in words.
QString choiceText(OverflowChoice c);
// The record's name as the preview and the log show it.
QString shownName(const PlannedRecord& r);

} // namespace tavrel::importtext
