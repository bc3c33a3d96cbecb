#include "dups/DupSearch.h"

#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/NameList.h"
#include "store/Program.h"
#include "store/RecordAccess.h"
#include "store/Undo.h"

#include <QCoreApplication>
#include <QHash>
#include <vector>

namespace tavrel {

int lastSearchedId(const Program& p)
{
    return qBound(0, int(p.LastRecNo) - 1, kMaxId);
}

namespace {

// Pending input gets its turn once every this many compared pairs.
constexpr int kYieldEvery = 1000;

// The comparison fields of every ID, upper-cased once. Equal texts get equal
// codes, so a pair is compared with two integer tests; a record that is not
// active has no codes.
class ComparisonTable {
public:
    explicit ComparisonTable(Program& p)
    {
        const int lastId = lastSearchedId(p);
        active_.resize(size_t(lastId) + 1, false);
        name_.resize(size_t(lastId) + 1);
        address_.resize(size_t(lastId) + 1);
        QHash<QString, int> names;
        QHash<QString, int> addresses;
        QString address;
        readAscending(p, 2, lastId + 1, [&](int recNo) {
            const int id = recNo - 1;
            const NARecord& r = p.CurRec;
            if (!isActive(r, id))
                return true;
            active_[size_t(id)] = true;
            name_[size_t(id)] = codeOf(names, upperField(r.Name));
            address.clear();
            for (const QString* line : {&r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4})
                address += upperField(*line);
            address_[size_t(id)] = codeOf(addresses, address);
            return true;
        });
    }

    bool active(int id) const { return id < int(active_.size()) && active_[size_t(id)]; }
    void markDeleted(int id) { active_[size_t(id)] = false; }

    bool matches(int i, int j, DupMatch match) const
    {
        const bool name = name_[size_t(i)] == name_[size_t(j)];
        const bool address = address_[size_t(i)] == address_[size_t(j)];
        switch (match) {
        case DupMatch::Name:
            return name;
        case DupMatch::Address:
            return address;
        case DupMatch::NameAndAddress:
            return name && address;
        case DupMatch::NameOrAddress:
            return name || address;
        }
        return false;
    }

private:
    // The whole 35-character field, letter by letter in upper case: blanks
    // and punctuation stay where they are.
    static QString upperField(const QString& field)
    {
        QString text = padRight(field, Width::Name);
        for (QChar& c : text)
            c = c.toUpper();
        return text;
    }

    static int codeOf(QHash<QString, int>& codes, const QString& text)
    {
        if (const auto it = codes.constFind(text); it != codes.cend())
            return *it;
        return *codes.insert(text, int(codes.size()));
    }

    std::vector<bool> active_;
    std::vector<int> name_;
    std::vector<int> address_;
};

void say(Program& p, const QString& text, const QString& title = kTitle)
{
    p.ui.messageBox(text, title, Ui::Buttons::Ok);
}

NARecord readRecord(Program& p, int id)
{
    Get_NA_Rec(p, id + 1);
    return p.CurRec;
}

// Cancel on the progress window: offer to undo, then say how it ended.
DupSearchEnd stopSearch(Program& p, DupSearchState& s)
{
    QString prefix;
    if (s.DeletedCount != 0 &&
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::DupSearch", "Do You Want To Undelete The ") +
                numText(s.DeletedCount) +
                QCoreApplication::translate("tavrel::DupSearch", " Records Already Deleted?"),
            kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) == Ui::Answer::Yes) {
        if (!undeleteDuplicates(p, s, QStringLiteral("'DUP2'")))
            return DupSearchEnd::UndeleteFailed;
        prefix = QCoreApplication::translate("tavrel::DupSearch", "Records Undeleted.  ");
    }
    say(p, prefix + QCoreApplication::translate("tavrel::DupSearch",
                                                "Duplicate Search Terminated At Your Request."));
    s.discard();
    return DupSearchEnd::Stopped;
}

} // namespace

void DupSearchState::discard()
{
    DeletedNames.clear();
    DeletedIds.clear();
    DeletedCount = 0;
    deletedSpellings.clear();
    undeleteSettled.clear();
}

void deleteDuplicate(Program& p, DupSearchState& s, int id)
{
    endUndoHistory(p, BulkChange::DuplicateDeletion);
    ++s.DeletedCount;
    Get_NA_Rec(p, id + 1);
    if (const QString name = shownName(p, id, p.CurRec); name != p.CurRec.Name)
        s.deletedSpellings.insert(id, name);
    p.CurRec.RecId = 0;
    p.CurRec.RecStatus = kDeleted;
    Put_NA_Rec(p, id + 1);
    s.DeletedNames[s.DeletedCount] = p.CurRec.Name;
    s.DeletedIds[s.DeletedCount] = qint16(id);
    ++s.RunCount;
}

bool undeleteDuplicates(Program& p, DupSearchState& s, const QString& tag)
{
    // The records brought back make one step that Edit > Undo can take back,
    // also when a record that changed meanwhile stops the undelete half way.
    UndoScope undo(p, UndoKind::Undelete, 0);
    // The spellings of the records brought back are saved once, at the end.
    SpellingsBatch spellings(p);
    int undeleted = 0;
    int firstId = 0;
    for (int k = 1; k <= s.DeletedCount; ++k) {
        const int id = s.DeletedIds[k];
        if (s.undeleteSettled.contains(id))
            continue;
        Get_NA_Rec(p, id + 1);
        NARecord& r = p.CurRec;
        if (r.RecStatus != kDeleted || r.RecId != 0 || r.Name != s.DeletedNames[k]) {
            s.undeleteSettled.insert(id);
            say(p,
                QCoreApplication::translate("tavrel::DupSearch", "Internal Error ") + tag +
                    QCoreApplication::translate("tavrel::DupSearch", ".  ID = ") +
                    numText(r.RecId) + QCoreApplication::translate("tavrel::DupSearch", " Ptr = ") +
                    r.RecStatus + QCoreApplication::translate("tavrel::DupSearch", " Name = ") +
                    r.Name +
                    QCoreApplication::translate(
                        "tavrel::DupSearch", ". Record This Info And Notify The Software Author."));
            undo.commit(firstId, undeleted);
            return false;
        }
        r.RecId = qint16(id);
        r.RecStatus = kActive;
        Put_NA_Rec(p, id + 1);
        if (undeleted++ == 0)
            firstId = id;
        s.undeleteSettled.insert(id);
    }
    undo.commit(firstId, undeleted);
    return true;
}

DupSearchEnd runDupSearch(Program& p, DupMatch match, DupSearchState& s, DupSearchView& view)
{
    const int lists = qMax<int>(p.LastRecNo, 1) + 1;
    s.DeletedNames = QVector<QString>(lists);
    s.DeletedIds = QVector<qint16>(lists, 0);
    s.DeletedCount = 0;
    s.RunCount = 0;
    s.undeleteSettled.clear();
    s.deletedSpellings.clear();
    int sinceYield = 0;
    // The records deleted keep their spellings, saved once when the search ends.
    SpellingsBatch spellings(p);

    ComparisonTable table(p);
    const int lastId = lastSearchedId(p);
    for (int i = 1; i < p.LastRecNo; ++i) {
        if (!table.active(i))
            continue;
        for (int j = i + 1; j <= lastId; ++j) {
            if (!table.active(j))
                continue;
            if (sinceYield > kYieldEvery) {
                sinceYield = 0;
                view.letEventsRun();
            } else {
                ++sinceYield;
            }
            if (p.StopRequested)
                return stopSearch(p, s);
            if (!table.matches(i, j, match))
                continue;
            if (s.deleteWithoutShowing == 0) {
                const NARecord earlier = readRecord(p, i);
                const NARecord later = readRecord(p, j);
                view.showPair(i, earlier, j, later);
                switch (s.pairAnswer) {
                case DupAnswer::Keep:
                    continue;
                case DupAnswer::Delete:
                    break;
                case DupAnswer::StopAndUndelete:
                    if (s.DeletedCount == 0)
                        say(p,
                            QCoreApplication::translate("tavrel::DupSearch",
                                                        "No Records Were Deleted."),
                            kDefaultTitle);
                    else if (!undeleteDuplicates(p, s, QStringLiteral("'DUP2'")))
                        return DupSearchEnd::UndeleteFailed;
                    return DupSearchEnd::Undone;
                case DupAnswer::StopAndKeep:
                    s.discard();
                    return DupSearchEnd::Kept;
                default:
                    say(p,
                        QCoreApplication::translate("tavrel::DupSearch", "Error: DelDupRecSw = ") +
                            numText(s.pairAnswer),
                        kDefaultTitle);
                    p.ui.endProgram();
                }
            }
            // The backup copy comes before the first deletion; when it cannot
            // be made and the person does not go on without it, nothing is deleted.
            if (s.DeletedCount == 0 && p.BeforeBulkChange &&
                !p.BeforeBulkChange(QStringLiteral("dups"))) {
                s.discard();
                return DupSearchEnd::NoSafetyCopy;
            }
            deleteDuplicate(p, s, j);
            table.markDeleted(j);
        }
    }

    if (s.RunCount != 0)
        view.showDeletedReport();
    else
        say(p, QCoreApplication::translate(
                   "tavrel::DupSearch",
                   "Operation Complete.  No Duplicates Were Found Or You Chose Not To "
                   "Delete Duplicates That Were Found."));
    return DupSearchEnd::Finished;
}

} // namespace tavrel
