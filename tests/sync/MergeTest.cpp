// The two-way rules: what happens to a record and its card, field by field.
#include "sync/Merge.h"
#include "store/NARecord.h"

#include <gtest/gtest.h>

using namespace tavrel;

namespace {

QByteArray record(const QString& name, const QString& mail, const QString& phone = QString())
{
    NARecord r = NARecord::blank();
    r.RecStatus = QStringLiteral("CRVN");
    r.Name = name;
    r.EMail = mail;
    r.PhoneType1 = QStringLiteral("Home");
    r.PhoneNum1 = phone;
    return r.toBytes();
}

} // namespace

TEST(SyncRules, EachPairOfSidesHasOneAction)
{
    struct Row {
        bool known;
        SideState here, there;
        SyncAction action;
    };
    const SideState gone{false, false}, same{true, false}, changed{true, true};
    const Row rows[] = {
        {false, same, gone, SyncAction::Upload},
        {false, gone, same, SyncAction::Download},
        {true, same, same, SyncAction::Nothing},
        {true, changed, same, SyncAction::Merge},
        {true, same, changed, SyncAction::Merge},
        {true, changed, changed, SyncAction::Merge},
        {true, same, gone, SyncAction::DeleteHere},
        {true, gone, same, SyncAction::DeleteThere},
        {true, changed, gone, SyncAction::UploadAgain},
        {true, gone, changed, SyncAction::DownloadAgain},
        {true, gone, gone, SyncAction::Forget},
    };
    for (const Row& r : rows)
        EXPECT_EQ(syncAction(r.known, r.here, r.there), r.action)
            << r.known << r.here.exists << r.here.changed << r.there.exists << r.there.changed;
}

TEST(SyncRules, FieldsChangedOnOneSideMergeAndTheSameFieldChangedTwiceConflicts)
{
    const QByteArray base = record("Ann Lee", "ann@old.example", "555 0100");
    struct Row {
        const char* what;
        QByteArray local, server;
        bool serverWins;
        QByteArray expected;
        QList<SyncField> toCard, toRecord, conflicts;
    };
    const Row rows[] = {
        {"nothing changed", base, base, true, base, {}, {}, {}},
        {"changed here only",
         record("Ann Leigh", "ann@old.example", "555 0100"),
         base,
         true,
         record("Ann Leigh", "ann@old.example", "555 0100"),
         {SyncField::Name},
         {},
         {}},
        {"changed there only",
         base,
         record("Ann Lee", "ann@new.example", "555 0100"),
         true,
         record("Ann Lee", "ann@new.example", "555 0100"),
         {},
         {SyncField::EMail},
         {}},
        {"different fields on each side",
         record("Ann Leigh", "ann@old.example", "555 0100"),
         record("Ann Lee", "ann@new.example", "555 0100"),
         true,
         record("Ann Leigh", "ann@new.example", "555 0100"),
         {SyncField::Name},
         {SyncField::EMail},
         {}},
        {"same change on both sides",
         record("Ann Leigh", "ann@old.example", "555 0100"),
         record("Ann Leigh", "ann@old.example", "555 0100"),
         true,
         record("Ann Leigh", "ann@old.example", "555 0100"),
         {},
         {},
         {}},
        {"same field, server wins",
         record("Ann Leigh", "ann@old.example", "555 0199"),
         record("Ann Lea", "ann@old.example", "555 0100"),
         true,
         record("Ann Lea", "ann@old.example", "555 0199"),
         {SyncField::Phone1},
         {SyncField::Name},
         {SyncField::Name}},
        {"same field, this one wins",
         record("Ann Leigh", "ann@old.example", "555 0100"),
         record("Ann Lea", "ann@old.example", "555 0100"),
         false,
         record("Ann Leigh", "ann@old.example", "555 0100"),
         {SyncField::Name},
         {},
         {SyncField::Name}},
    };
    for (const Row& r : rows) {
        // The card read as the base at the last sync.
        const FieldMerge m = mergeFields(base, r.local, base, r.server, r.serverWins);
        EXPECT_EQ(m.record, r.expected) << r.what;
        EXPECT_EQ(m.toCard, r.toCard) << r.what;
        EXPECT_EQ(m.toRecord, r.toRecord) << r.what;
        EXPECT_EQ(m.conflicts, r.conflicts) << r.what;
    }
}

TEST(SyncRules, AFieldTheCardAlwaysReadsDifferentlyIsNoChangeOnEitherSide)
{
    // The record and the card's reading of it differ (here an address the
    // record holds that the card reads another way); neither side changed it.
    const QByteArray base = record("Ann Lee", "ann@x.example");
    const QByteArray cardView = record("Ann Lee", "");
    const FieldMerge m = mergeFields(base, base, cardView, cardView, true);
    EXPECT_TRUE(m.toCard.isEmpty());
    EXPECT_TRUE(m.toRecord.isEmpty());
    EXPECT_EQ(m.record, base);
}
