#pragma once

class QWidget;

#include "store/Contact.h"
#include "store/NARecord.h"

namespace tavrel {

class Program;

// The two record screens, AddressScreen (screen 1) and DetailScreen (screen 2), seen
// from outside: the record commands, QuickFind and the field search use these.
// The screens look as p.ScreenMode says (Add, AddMult, Browse, Change, Delete,
// Search).

// Loads both screens when they are not loaded yet, applies p.ScreenMode, fills
// both from the current record (except in Add and AddMult), shows screen 1
// and hides screen 2.
void showRecordScreens(Program& p);

// Copy the current record into screen 1 / screen 2, in the person's own
// spelling (and remember it as the record on display, which the clipboard
// copy uses).
void fillScreen1(Program& p);
void fillScreen2(Program& p);
// The contact both screens show now, as record `id`: every box's text as
// typed; what no box shows (the spare values) comes from the current record.
Contact screensContact(Program& p, int id);
// Fills the empty sort key boxes with the keys the import would make from the
// name box, so the person sees them before the record is stored.
void offerSortKeys(Program& p);
// Empties every box of both screens.
void clearRecordScreens(Program& p);

// Shows screen `screen` (1 or 2) and hides the other one.
void showRecordScreen(Program& p, int screen);
// The screen on display: 1, 2, or 0 when neither is shown.
int recordScreenOnDisplay(Program& p);
// Screen 1 or 2 while loaded, else nullptr (for placing windows over them).
QWidget* recordScreen(Program& p, int screen);
// Unloads both screens.
void closeRecordScreens(Program& p);

// The record on display, as last read from or written to the file: as the
// file holds it, and in the person's own spelling.
NARecord recordOnDisplay(Program& p);
Contact contactOnDisplay(Program& p);

// Puts the name and address (nameAndAddressText) on the clipboard and says so.
void copyNameAndAddress(Program& p, const Contact& c);
// The same for a record as the file holds it, in the spelling kept for it.
void copyNameAndAddress(Program& p, const NARecord& r);

} // namespace tavrel
