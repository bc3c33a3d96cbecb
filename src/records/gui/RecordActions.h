#pragma once

#include <QString>

namespace tavrel {

class Program;

class RecordScreen;

// The command buttons of the record screens; `from` is the screen the button
// was pressed on.
void nextRecord(Program& p, RecordScreen& from);
void previousRecord(Program& p, RecordScreen& from);
void deleteRecord(Program& p, RecordScreen& from);
void changeRecord(Program& p, RecordScreen& from);
void addRecord(Program& p, RecordScreen& from);

// Asks for an ID and shows that record on screen 1 in p.ScreenMode.
// `action` is "Get.", "Change." or "Delete.".
void askForId(Program& p, const QString& action);

// True when a QuickLink box's text is no ID from 1 to 1700 (empty counts as bad).
bool linkIdBad(const QString& text);
// Before Add and Change: reports and empties QuickLink ID boxes out of range.
void checkQuickLinkIds(Program& p);

// QuickLinks on screen 2: follow link i (0..3) or go back (4).
void followLink(Program& p, int i);
// Double-click on link box i (0..4): pick an entry of the N&A file.
void pickLink(Program& p, int i);

} // namespace tavrel
