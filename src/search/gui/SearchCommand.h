#pragma once

namespace tavrel {

class Program;

// "&Search": opens the search dialog.
void startSearch(Program& p);

} // namespace tavrel
