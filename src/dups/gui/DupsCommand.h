#pragma once

namespace tavrel {

class Program;

// "Find Dup&licate Records": opens DupSearchDialog without blocking. The main
// window refuses a file with fewer than two IDs in use before calling this.
void startFindDups(Program& p);

} // namespace tavrel
