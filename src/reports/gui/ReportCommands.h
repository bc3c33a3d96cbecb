#pragma once

namespace tavrel {

class Program;

// "&Print": opens the report dialog.
void startPrintReport(Program& p);

} // namespace tavrel
