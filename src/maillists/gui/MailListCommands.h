#pragma once

namespace tavrel {

class Program;

// "Cr&eate": opens the window that creates a mailing list.
void startCreateMailList(Program& p);
// "Rev&ise/Print": opens the window that revises, prints and deletes lists.
void startReviseMailList(Program& p);

} // namespace tavrel
