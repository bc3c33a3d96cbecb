#pragma once

// Records of a program directory as the sync tests change and compare them.
#include "store/RecordAccess.h"
#include "support/TestEnv.h"
#include "sync/CardMapping.h"
#include "sync/SyncPass.h"
#include "sync/SyncState.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace tavrel::test {

inline QString counts(const SyncReport& r)
{
    return QString::asprintf("+%d ~%d -%d | +%d ~%d -%d | %d", r.addedHere, r.changedHere,
                             r.deletedHere, r.addedThere, r.changedThere, r.deletedThere,
                             r.conflicts);
}

// Each active record's name and first phone, sorted: equal lists, the same people.
inline QStringList namesAndPhones(TestEnv& env)
{
    QStringList all;
    for (int id = 1; id < env.p().LastRecNo; ++id)
        if (readActive(env.p(), id))
            all << env.p().CurRec.Name.trimmed() + '|' + env.p().CurRec.PhoneNum1.trimmed();
    all.sort();
    return all;
}

inline int idOf(TestEnv& env, const QString& name)
{
    for (int id = 1; id < env.p().LastRecNo; ++id)
        if (readActive(env.p(), id) && env.p().CurRec.Name.trimmed() == name)
            return id;
    return 0;
}

inline NARecord recordOf(TestEnv& env, const QString& name)
{
    EXPECT_TRUE(readActive(env.p(), idOf(env, name))) << name.toStdString();
    return env.p().CurRec;
}

inline void add(TestEnv& env, const NARecord& r)
{
    env.p().CurRec = r;
    Put_NA_Rec(env.p(), r.RecId + 1);
    noteStoredId(env.p(), r.RecId);
}

inline void edit(TestEnv& env, const QString& name, const std::function<void(NARecord&)>& f)
{
    const int id = idOf(env, name);
    ASSERT_NE(id, 0) << name.toStdString();
    Get_NA_Rec(env.p(), id + 1);
    f(env.p().CurRec);
    Put_NA_Rec(env.p(), id + 1);
}

inline void remove(TestEnv& env, const QString& name)
{
    edit(env, name, [](NARecord& r) {
        r.RecStatus = kDeleted;
        r.RecId = 0;
    });
}

// People 1 to `count`, each with an e-mail address and a phone (so a record
// with one of them changed is still most of what it was).
inline std::map<int, NARecord> phoneList(int count)
{
    std::map<int, NARecord> m = people(1, count);
    for (auto& [id, r] : m) {
        r.EMail = QStringLiteral("person%1@example.com").arg(id);
        r.PhoneType1 = QStringLiteral("Work");
        r.PhoneNum1 = QStringLiteral("555 01%1").arg(id, 2, 10, QLatin1Char('0'));
    }
    return m;
}

// The address of the card the directory's state keeps for the record named so.
inline QString hrefOf(TestEnv& env, const QString& name)
{
    const std::optional<SyncState> st = loadSyncState(*env.files, nullptr);
    for (const SyncEntry& e : st ? st->entries : QList<SyncEntry>())
        if (fieldText(e.base, SyncField::Name) == name)
            return e.href;
    ADD_FAILURE() << "no card kept for " << name.toStdString();
    return {};
}

} // namespace tavrel::test
