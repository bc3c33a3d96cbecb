// The two-way rules: what happens to a record and its card, field by field.
#include "sync/Merge.h"
#include "store/NARecord.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace tavrel;

namespace {

QByteArray record(const QString& name, const QString& mail, const QString& phone)
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
    const SideState gone{false, false}, same{true, false}, changed{true, true};
    const std::tuple<bool, SideState, SideState, SyncAction> rows[] = {
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
    for (const auto& [known, here, there, action] : rows)
        EXPECT_EQ(syncAction(known, here, there), action)
            << known << here.exists << here.changed << there.exists << there.changed;
}

TEST(SyncRules, FieldsChangedOnOneSideMergeAndTheSameFieldChangedTwiceConflicts)
{
    // Name, e-mail, phone: as in the base abc (small), changed (capital), changed otherwise (X).
    const QByteArray abc = record("Ann Lee", "ann@old.example", "555 0100");
    const QByteArray Abc = record("Ann Leigh", "ann@old.example", "555 0100");
    const QByteArray aBc = record("Ann Lee", "ann@new.example", "555 0100");
    const QByteArray ABc = record("Ann Leigh", "ann@new.example", "555 0100");
    const QByteArray AbC = record("Ann Leigh", "ann@old.example", "555 0199");
    const QByteArray Xbc = record("Ann Lea", "ann@old.example", "555 0100");
    const QByteArray XbC = record("Ann Lea", "ann@old.example", "555 0199");
    // The card reads the e-mail of abc otherwise (blank) at every sync.
    const QByteArray a_c = record("Ann Lee", "", "555 0100");
    const SyncField name = SyncField::Name, mail = SyncField::EMail, phone = SyncField::Phone1;
    struct Row {
        const char* what;
        QByteArray local, server;
        bool serverWins;
        QByteArray expected;
        QList<SyncField> toCard, toRecord, conflicts;
        QByteArray lastView = {}; // the card read as the base at the last sync, else abc
    };
    const Row rows[] = {
        {"nothing changed", abc, abc, true, abc, {}, {}, {}},
        {"different fields on each side", Abc, aBc, true, ABc, {name}, {mail}, {}},
        {"same change on both sides", Abc, Abc, true, Abc, {}, {}, {}},
        {"same field, server wins", AbC, Xbc, true, XbC, {phone}, {name}, {name}},
        {"same field, this one wins", Abc, Xbc, false, Abc, {name}, {}, {name}},
        {"read otherwise, changed nowhere", abc, a_c, true, abc, {}, {}, {}, a_c},
    };
    for (const Row& r : rows) {
        const FieldMerge m = mergeFields(abc, r.local, r.lastView.isNull() ? abc : r.lastView,
                                         r.server, r.serverWins);
        EXPECT_EQ(m.record, r.expected) << r.what;
        EXPECT_EQ(m.toCard, r.toCard) << r.what;
        EXPECT_EQ(m.toRecord, r.toRecord) << r.what;
        EXPECT_EQ(m.conflicts, r.conflicts) << r.what;
    }
}
