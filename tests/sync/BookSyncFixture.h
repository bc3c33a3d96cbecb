#pragma once

// Whole syncs of program directories with a new address book of a real server
// for each test, on every kind of server the tests start.
#include "DavServerFixture.h"
#include "MeddlingProxy.h"
#include "RadicaleServer.h"
#include "SyncPeople.h"
#include "XandikosServer.h"

#include <QUuid>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace tavrel::test {

template <class Server> class BookSyncFixture : public DavServerFixture<Server> {
protected:
    using Base = DavServerFixture<Server>;

    explicit BookSyncFixture(const QString& title) : title(title) {}

    void SetUp() override
    {
        Base::SetUp();
        if (this->IsSkipped() || this->HasFatalFailure())
            return;
        book = Base::newBook(QUuid::createUuid().toString(QUuid::WithoutBraces), title);
    }

    // A program directory with these records, set up to sync with the book,
    // through `proxy` when one is given.
    std::unique_ptr<TestEnv> program(const std::map<int, NARecord>& records,
                                     const MeddlingProxy* proxy = nullptr)
    {
        auto env = std::make_unique<TestEnv>();
        env->openFile(records);
        const QUrl base = proxy ? proxy->through(Base::server->base()) : Base::server->base();
        saveSyncState(
            *env->files,
            {base.toString(), Server::user, proxy ? proxy->through(book) : book, {}, false, {}});
        env->p().BeforeBulkChange = [](const QString&) { return true; };
        return env;
    }

    // Syncs the directory with the server its state names, and expects success.
    SyncReport sync(TestEnv& env, const SyncOptions& options = {})
    {
        DavSettings s = Base::settings();
        s.server = QUrl(loadSyncState(*env.files, nullptr)->server);
        CardDavClient client(s);
        const SyncReport r = runSync(env.p(), client, options);
        EXPECT_TRUE(r.ok()) << r.summary().toStdString();
        return r;
    }

    QUrl book;

private:
    QString title;
};

using EveryServer = ::testing::Types<RadicaleServer, XandikosServer>;

} // namespace tavrel::test
