#pragma once

#include "store/RecordAccess.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

namespace tavrel {

class Program;

// What two records must share to be duplicates, in the order of DupSearchDialog' options.
enum class DupMatch { Name = 0, Address = 1, NameAndAddress = 2, NameOrAddress = 3 };

// The answers DupPairDialog leaves in pairAnswer.
namespace DupAnswer {
inline constexpr int Keep = 1;
inline constexpr int Delete = 9;
inline constexpr int StopAndUndelete = 99;
inline constexpr int StopAndKeep = 100;
} // namespace DupAnswer

// Everything one duplicate search keeps, from DupSearchDialog to the close of DupCompleteDialog.
struct DupSearchState {
    // 1-based lists of what this search deleted, in deletion order ([0] unused).
    QVector<QString> DeletedNames; // the Name as stored, 35 characters
    QVector<qint16> DeletedIds;
    int DeletedCount = 0;
    // The person's own spelling of a deleted record's Name, by ID, where one
    // is kept: what the list of deleted records shows.
    QHash<int, QString> deletedSpellings;
    // Records deleted by the run; the figure DupCompleteDialog shows.
    int RunCount = 0;
    // 1: delete matches without showing them; 0: show each in DupPairDialog first.
    int deleteWithoutShowing = 1;
    int pairAnswer = 0;
    // IDs an undelete has dealt with: restored, or refused because the record
    // changed since. The next undelete passes them over, so one refused entry
    // does not keep the rest from coming back.
    QSet<int> undeleteSettled;

    // Empties the lists; the search is over.
    void discard();
};

// The windows side of a search; the loop itself knows no widgets.
class DupSearchView {
public:
    virtual ~DupSearchView() = default;
    // Shows the pair (as stored) and waits for the person; the answer is then
    // in pairAnswer, and the window may have switched deleteWithoutShowing.
    virtual void showPair(int earlierId, const NARecord& earlier, int laterId,
                          const NARecord& later) = 0;
    // Lets pending window events run: Cancel on the progress window arrives
    // here and sets StopRequested.
    virtual void letEventsRun() = 0;
    // The search deleted records: DupCompleteDialog, until the person closes it.
    virtual void showDeletedReport() = 0;
};

enum class DupSearchEnd {
    Finished,       // every pair compared; the report or the closing message was shown
    Stopped,        // Cancel on the progress window; the undelete offer was made
    Undone,         // Cancel on a pair, then Yes: everything deleted so far restored
    Kept,           // Cancel on a pair, then No: the deletions stay, nothing more shown
    UndeleteFailed, // an undelete met a record changed since its deletion ('DUP2')
    NoSafetyCopy,   // the backup copy before the first deletion failed; nothing was deleted
};

// The highest ID a search compares. IDs run from 1 to LastRecNo - 1: a record
// at or beyond LastRecNo (an add cut off before the header was rewritten leaves
// one that looks active) is never read as data, so no search shows or deletes it.
int lastSearchedId(const Program& p);

// Compares every pair of active records with IDs below LastRecNo, deleting the
// later record of each match, silently or after asking through `view`. Writes
// nothing but the records it deletes or undeletes: the header and LastRecNo
// stay as they were. Yields to `view` once every 1002 compared pairs and stops
// when StopRequested is set.
DupSearchEnd runDupSearch(Program& p, DupMatch match, DupSearchState& s, DupSearchView& view);

// Marks record `id` deleted ("DELR", RecId 0, every other field kept) and adds
// it to the lists.
void deleteDuplicate(Program& p, DupSearchState& s, int id);

// Restores the records in the lists in their current order, passing over those
// an earlier undelete restored or refused. The first one that is no longer as
// the search left it (not "DELR", RecId not 0, or another Name) stops the
// undelete with the internal-error message naming `tag`; the entries before
// it stay restored. Returns false then.
bool undeleteDuplicates(Program& p, DupSearchState& s, const QString& tag);

} // namespace tavrel
