#pragma once

namespace tavrel {

class Program;

// "E&nvelope Print", and the report dialog's envelope option: opens the
// envelope dialog.
void showEnvelopeDialog(Program& p);

} // namespace tavrel
