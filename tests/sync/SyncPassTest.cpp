// Whole syncs of program directories through a real CardDAV server.
#include "SyncPassFixture.h"

using namespace tavrel;
using namespace tavrel::test;

namespace {

TEST_F(SyncPassTest, TwoProgramDirectoriesConvergeAfterChangesOnBothSides)
{
    auto a = program(phoneList(12));
    auto b = program({});
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +12 ~0 -0 | 0"));
    EXPECT_EQ(counts(sync(*b)), QStringLiteral("+12 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(copies, QStringList({"sync", "sync"})); // a copy before each first sync

    // Different fields of one person on each side, a deletion and an addition each.
    edit(*a, "Person 3", [](NARecord& r) { r.EMail = QStringLiteral("three@new.example"); });
    edit(*b, "Person 3", [](NARecord& r) { r.PhoneNum1 = QStringLiteral("555 0333"); });
    edit(*b, "Person 5", [](NARecord& r) { r.Name = QStringLiteral("Person Five"); });
    remove(*a, "Person 7");
    remove(*b, "Person 9");
    add(*a, makeRecord(13, QStringLiteral("Newcomer")));
    // The same new person twice there and once here: one pair, one more record.
    for (int id : {14, 15})
        add(*a, makeRecord(id, QStringLiteral("Twin")));
    add(*b, makeRecord(13, QStringLiteral("Twin")));

    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +3 ~1 -1 | 0"));
    EXPECT_EQ(counts(sync(*b)), QStringLiteral("+2 ~1 -1 | +0 ~2 -1 | 0"));
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~2 -1 | +0 ~0 -0 | 0"));
    EXPECT_EQ(peopleOf(*a), peopleOf(*b));
    EXPECT_EQ(peopleOf(*a, SyncField::Name).join(','),
              QStringLiteral("Newcomer,Person 1,Person 10,Person 11,Person 12,Person 2,Person 3,"
                             "Person 4,Person 6,Person 8,Person Five,Twin,Twin"));
}

TEST_F(SyncPassTest, ACardFromAnotherClientKeepsEveryOtherPropertyWhenItsNameChangesHere)
{
    CardDavClient other(settings());
    QString etag;
    const QUrl at = CardDavClient::memberUrl(book, QStringLiteral("ext-1.vcf"));
    ASSERT_TRUE(other.putNew(at, kForeignCard, etag).ok());
    // The server keeps the card in its own order and folding; that is the
    // card every other property must stay as.
    const auto served = [&] {
        QList<DavCard> cards;
        QStringList missing;
        EXPECT_TRUE(other.fetchCards(book, {at.path()}, cards, missing).ok());
        return cards.value(0).data;
    };
    const QByteArray before = served();
    auto a = program({});
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+1 ~0 -0 | +0 ~0 -0 | 0"));
    // The e-mail here changes too; the name cut to fit stays out of it until then.
    edit(*a, "Dr. Maximiliane Featherstonehaugh-W",
         [](NARecord& r) { r.EMail = QStringLiteral("max@new.example"); });
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +0 ~1 -0 | 0"));
    edit(*a, "Dr. Maximiliane Featherstonehaugh-W",
         [](NARecord& r) { r.Name = QStringLiteral("Max Featherstone"); });
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +0 ~1 -0 | 0"));

    QByteArray expected = before;
    expected.replace("de:Dr. Maximiliane Featherstonehaugh-Wolfeschlegel", "de:Max Featherstone")
        .replace("N:Featherstonehaugh-Wolfeschlegel;Maximiliane;;Dr.;", "N:Featherstone;Max;;;")
        .replace("WORK;X-PREF=1:max@work.example", "WORK;X-PREF=1:max@new.example");
    EXPECT_EQ(served().toStdString(), expected.toStdString());
}

// The same field changed on both sides, the server's side synced first: unasked,
// the server's value wins and this one is logged; asked, or through the
// conflict window, the person keeps theirs or both.
TEST_F(SyncPassTest, ConflictsTakeTheServersValueUnlessThePersonChoosesMineOrBoth)
{
    auto [a, b] = synced(phoneList(5));
    const auto clash = [&](const QList<int>& who) {
        for (int i : who) {
            const QString name = QStringLiteral("Person %1").arg(i);
            edit(*a, name,
                 [i](NARecord& r) { r.EMail = QStringLiteral("mine%1@a.example").arg(i); });
            edit(*b, name,
                 [i](NARecord& r) { r.EMail = QStringLiteral("theirs%1@b.example").arg(i); });
        }
        EXPECT_EQ(counts(sync(*b)), QStringLiteral("+0 ~0 -0 | +0 ~%1 -0 | 0").arg(who.size()));
    };
    clash({1});
    edit(*a, "Person 5", [](NARecord& r) { r.Comments = QStringLiteral("Only here"); });
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~1 -0 | +0 ~1 -0 | 1"));
    EXPECT_EQ(copies, QStringList{"sync"}); // the value lost here is in a backup copy
    EXPECT_EQ(recordOf(*a, "Person 1").EMail.trimmed(), QStringLiteral("theirs1@b.example"));
    const QString log = QString::fromUtf8(a->files->readAll(kSyncLogName));
    EXPECT_TRUE(log.contains(QStringLiteral("Conflict in Person 1")) &&
                log.contains(QStringLiteral("mine1@a.example")))
        << log.toStdString();
    sync(*b);

    copies.clear();
    clash({2, 3});
    SyncOptions asking;
    asking.resolveConflict = [](const SyncConflict& c) {
        return fieldText(c.mine, SyncField::Name) == QLatin1String("Person 2")
                   ? ConflictChoice::KeepBoth
                   : ConflictChoice::KeepMine;
    };
    EXPECT_EQ(counts(sync(*a, asking)), QStringLiteral("+1 ~1 -0 | +1 ~1 -0 | 2"));
    EXPECT_TRUE(copies.isEmpty()); // nothing was lost, so no copy
    sync(*b);
    EXPECT_EQ(peopleOf(*a), peopleOf(*b));
    EXPECT_EQ(peopleOf(*b, SyncField::EMail),
              QStringList({"mine2@a.example", "mine3@a.example", "person4@example.com",
                           "person5@example.com", "theirs1@b.example", "theirs2@b.example"}));

    // The window shows both values side by side and keeps what is chosen.
    clash({4});
    QMap<QString, QString> kept;
    SyncPasswords passwords(std::make_unique<FakeSecretStore>(kept, false));
    SyncDialog form(a->p(), passwords);
    form.passwordEdit->setText(RadicaleServer::password);
    QStringList rows;
    a->ui.onModal([&rows](QDialog& d) {
        auto* list = d.findChild<QTreeWidget*>(QStringLiteral("ConflictLst1"));
        for (int i = 0; list && i < list->topLevelItemCount(); ++i)
            rows << list->topLevelItem(i)->text(0) + '|' + list->topLevelItem(i)->text(1) + '|' +
                        list->topLevelItem(i)->text(2);
        d.findChild<QPushButton*>(QStringLiteral("ConflictCmd1"))->click(); // Keep Mine
    });
    form.syncNowButton->click();
    EXPECT_EQ(a->ui.modalWindows, QStringList{"SyncConflictForm"});
    EXPECT_EQ(rows, QStringList{"E-mail|mine4@a.example|theirs4@b.example"});
    sync(*b);
    EXPECT_EQ(recordOf(*b, "Person 4").EMail.trimmed(), QStringLiteral("mine4@a.example"));
    // The other buttons end the window with their own choices.
    const std::pair<const char*, ConflictChoice> buttons[] = {
        {"ConflictCmd2", ConflictChoice::KeepTheirs}, {"ConflictCmd3", ConflictChoice::KeepBoth}};
    for (const auto& [name, choice] : buttons) {
        const QByteArray four = recordOf(*a, "Person 4").toBytes();
        SyncConflictDialog d(SyncConflict{4, {SyncField::EMail}, four, four});
        d.findChild<QPushButton*>(QLatin1String(name))->click();
        EXPECT_EQ(SyncConflictDialog::choiceOf(d.result()), choice) << name;
    }
}

TEST_F(SyncPassTest, ACardAnotherClientWritesDuringTheSyncIsMergedNeverOverwritten)
{
    auto [a, b] = synced(phoneList(3));
    edit(*a, "Person 2", [](NARecord& r) { r.EMail = QStringLiteral("two@a.example"); });
    edit(*b, "Person 2", [](NARecord& r) { r.PhoneNum1 = QStringLiteral("555 0222"); });
    remove(*a, "Person 3");
    edit(*b, "Person 3", [](NARecord& r) { r.Comments = QStringLiteral("Changed there"); });
    // B writes the cards after A has listed what changed and before A writes them,
    // so A's write meets a stale ETag (412) and must merge again, and A's
    // deletion comes back here.
    SyncOptions meanwhile;
    bool written = false;
    meanwhile.progress = [&](int, int) {
        if (!std::exchange(written, true)) {
            EXPECT_EQ(counts(sync(*b)), QStringLiteral("+0 ~0 -0 | +0 ~2 -0 | 0"));
        }
    };
    EXPECT_EQ(counts(sync(*a, meanwhile)), QStringLiteral("+1 ~1 -0 | +0 ~1 -0 | 0"));
    sync(*b);
    EXPECT_EQ(peopleOf(*a), peopleOf(*b));
    EXPECT_EQ(recordOf(*a, "Person 3").Comments.trimmed(), QStringLiteral("Changed there"));
    const NARecord two = recordOf(*b, "Person 2");
    EXPECT_EQ(two.EMail.trimmed(), QStringLiteral("two@a.example"));
    EXPECT_EQ(two.PhoneNum1.trimmed(), QStringLiteral("555 0222"));
}

TEST_F(SyncPassTest, AFullFileOf1700GoesUpAndComesDownAndWhatFindsNoRoomStaysOnTheServer)
{
    auto a = program(phoneList(1700));
    auto b = program(people(1, 5, QStringLiteral("Own %1")));
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +1700 ~0 -0 | 0"));
    // B holds 5 of its own: 1695 cards find room, 5 are listed and stay.
    const SyncReport down = sync(*b);
    EXPECT_EQ(counts(down), QStringLiteral("+1695 ~0 -0 | +5 ~0 -0 | 0"));
    EXPECT_EQ(down.notStored.size(), 5);
    EXPECT_EQ(sync(*a).notStored.size(), 5);
    EXPECT_EQ(counts(sync(*b)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(cardsThere().size(), 1705);
    EXPECT_EQ(peopleOf(*a).size(), 1700);
    // Room made: the five that waited come down, though no listing names them again.
    for (int i = 1; i <= 5; ++i)
        remove(*b, QStringLiteral("Own %1").arg(i));
    EXPECT_EQ(counts(sync(*b)), QStringLiteral("+5 ~0 -0 | +0 ~0 -5 | 0"));
    EXPECT_EQ(peopleOf(*b), peopleOf(*a));
    // A's waiting cards were deleted there: listed as gone, they wait no more.
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    for (TestEnv* env : {a.get(), b.get()})
        EXPECT_EQ(loadSyncState(*env->files, nullptr)->toFetch, QStringList());
}

// A state that does not match the server: a card it knows under another address,
// then cards sent as a kill leaves them, before their answers came.
TEST_F(SyncPassTest, CardsElsewhereOrSentButNeverConfirmedAreLookedForBeforeAnythingIsSentAgain)
{
    auto a = program(phoneList(3));
    sync(*a);
    SyncState st = *loadSyncState(*a->files, nullptr);
    const QString real = st.entries[0].href;
    st.entries[0].href = book.path() + QStringLiteral("renamed-by-the-server.vcf");
    st.token.clear(); // a full listing, as after a server's restart
    saveSyncState(*a->files, st);
    copies.clear();
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +0 ~0 -0 | 0"));
    EXPECT_TRUE(copies.isEmpty()); // not a first sync: no copy
    st = *loadSyncState(*a->files, nullptr);
    EXPECT_EQ(st.entries[0].href, real);

    // Both noted without an ETag; one arrived, the other (a record new here) did not.
    st.entries[0].etag.clear();
    add(*a, makeRecord(4, QStringLiteral("Sent Never")));
    const QByteArray pending = recordOf(*a, "Sent Never").toBytes();
    st.entries << SyncEntry{4,  book.path() + QStringLiteral("sent-never.vcf"), "sent-never",
                            "", cardFromRecord(pending, "sent-never"),          pending};
    saveSyncState(*a->files, st);
    const QString arrived = fieldText(st.entries[0].base, SyncField::Name);
    edit(*a, arrived, [](NARecord& r) { r.Comments = QStringLiteral("Edited since"); });
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +1 ~1 -0 | 0"));
    // The one that never arrived went up under its own address.
    EXPECT_TRUE(cardsThere().contains(book.path() + QStringLiteral("sent-never.vcf")));
    auto b = program({});
    sync(*b);
    EXPECT_EQ(peopleOf(*a), peopleOf(*b));
}

TEST_F(SyncPassTest, ManyDeletionsWaitForConfirmationOnEitherSide)
{
    auto [a, b] = synced(phoneList(12));
    for (int i = 1; i <= 6; ++i)
        remove(*b, QStringLiteral("Person %1").arg(i));
    int asked = 0;
    SyncOptions no;
    no.confirmDeletions = [&asked](int here, int there) {
        ++asked;
        EXPECT_EQ(here + there, 6);
        return false;
    };
    SyncOptions yes;
    yes.confirmDeletions = [](int, int) { return true; };
    EXPECT_EQ(sync(*b, no).deletionsHeld, 6);
    EXPECT_EQ(counts(sync(*b, yes)), QStringLiteral("+0 ~0 -0 | +0 ~0 -6 | 0"));
    EXPECT_EQ(sync(*a, no).deletionsHeld, 6);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(counts(sync(*a, yes)), QStringLiteral("+0 ~0 -6 | +0 ~0 -0 | 0"));
    EXPECT_EQ(peopleOf(*a), peopleOf(*b));
    // Each deletion here is logged by the name the record had.
    const QByteArray log = a->files->readAll(kSyncLogName);
    EXPECT_FALSE(log.contains('\0'));
    for (int i = 1; i <= 6; ++i)
        EXPECT_TRUE(log.contains(
            QStringLiteral("Deleted here, as it was deleted on the server: Person %1 (ID %1).")
                .arg(i)
                .toUtf8()))
            << log.toStdString();
    // Five are fewer than the guard counts. Deleted here, the record after them
    // stays within the file, and the file ends where its last record is.
    for (int i = 7; i <= 11; ++i)
        remove(*b, QStringLiteral("Person %1").arg(i));
    EXPECT_EQ(counts(sync(*b, no)), QStringLiteral("+0 ~0 -0 | +0 ~0 -5 | 0"));
    EXPECT_EQ(counts(sync(*a, no)), QStringLiteral("+0 ~0 -5 | +0 ~0 -0 | 0"));
    EXPECT_EQ(peopleOf(*a, SyncField::Name), QStringList{"Person 12"});
    remove(*b, "Person 12");
    sync(*b);
    sync(*a);
    EXPECT_EQ(a->p().LastRecNo, 1);
}

// Between two syncs an import and a duplicate deletion, then its undelete and a
// compaction: the server follows each, and no card goes to the wrong record.
TEST_F(SyncPassTest, AnImportADuplicateDeletionItsUndeleteAndACompactionReachTheServer)
{
    std::map<int, NARecord> records = phoneList(6);
    records[7] = records[2];
    records[7].RecId = 7;
    auto [a, b] = synced(records);
    ImportSource source = readImportBytes("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Imported One\r\n"
                                          "N:One;Imported;;;\r\nEMAIL:one@imp.example\r\n"
                                          "END:VCARD\r\n",
                                          QStringLiteral("new.vcf"));
    ASSERT_EQ(runImport(a->p(), planImport(a->p(), source, OverflowChoice::CutAndLog)).imported, 1);
    DupSearchState dups;
    dups.DeletedNames.resize(2);
    dups.DeletedIds.resize(2);
    deleteDuplicate(a->p(), dups, 7);
    remove(*a, "Person 4");
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +1 ~0 -2 | 0"));
    EXPECT_EQ(counts(sync(*b)), QStringLiteral("+1 ~0 -2 | +0 ~0 -0 | 0"));
    // The import's copy, then one before each sync that deletes, on either side.
    EXPECT_EQ(copies, QStringList({"import", "sync", "sync"}));
    ASSERT_TRUE(undeleteDuplicates(a->p(), dups, QStringLiteral("DUP2")));
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +1 ~0 -0 | 0"));
    // Renumbered, and one changed after moving beside a new record much like it:
    // still the same cards, the moved one's with the record closest to it.
    SyncState st = *loadSyncState(*a->files, nullptr);
    QString card5;
    for (const SyncEntry& e : st.entries)
        card5 = e.id == 5 ? e.href : card5;
    FileReplacement out(*a->files, kNAFileName, kCompactTempName);
    compactNAFile(a->p(), out);
    edit(*a, "Person 5", [](NARecord& r) { r.Comments = QStringLiteral("Moved"); });
    NARecord twin = phoneList(5).at(5);
    twin.RecId = 8;
    twin.PhoneNum1 = QStringLiteral("555 0999");
    add(*a, twin);
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~0 -0 | +1 ~1 -0 | 0"));
    st = *loadSyncState(*a->files, nullptr);
    ASSERT_TRUE(st.byHref(card5));
    EXPECT_EQ(st.byHref(card5)->id, 4);
    EXPECT_EQ(counts(sync(*b)), QStringLiteral("+2 ~1 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(peopleOf(*b), peopleOf(*a));
}

// Card files lost here (cards with photos have files; small ones lie inline in
// the state): each card is fetched again and merged against the record as last
// synced, so only what really changed moves either way.
TEST_F(SyncPassTest, CardFilesLostHereAreFetchedAgainAndOnlyRealChangesMove)
{
    CardDavClient other(settings());
    const QByteArray photo = "PHOTO;ENCODING=b;TYPE=JPEG:" + QByteArray(6000, 'Q') + "\r\n";
    for (const auto& [id, record] : phoneList(3)) {
        const QString uid = QStringLiteral("photo-%1").arg(id);
        QByteArray card = cardFromRecord(record.toBytes(), uid);
        card.insert(card.indexOf("END:VCARD"), photo);
        QString etag;
        ASSERT_TRUE(other.putNew(CardDavClient::memberUrl(book, uid + ".vcf"), card, etag).ok());
    }
    auto a = program({});
    auto b = program({});
    sync(*a);
    sync(*b);
    const QString cards = QStringLiteral("tvlcard.*");
    ASSERT_EQ(a->files->list(cards).size(), 3);
    for (const QString& f : a->files->list(cards))
        a->files->remove(f);
    edit(*b, "Person 2", [](NARecord& r) { r.PhoneNum1 = QStringLiteral("555 0777"); });
    sync(*b);
    edit(*a, "Person 3", [](NARecord& r) { r.EMail = QStringLiteral("three@a.example"); });
    EXPECT_EQ(counts(sync(*a)), QStringLiteral("+0 ~1 -0 | +0 ~1 -0 | 0"));
    EXPECT_EQ(counts(sync(*b)), QStringLiteral("+0 ~1 -0 | +0 ~0 -0 | 0"));
    EXPECT_EQ(peopleOf(*a), peopleOf(*b));
    EXPECT_EQ(a->files->list(cards).size(), 3);
}

TEST_F(SyncPassTest, TheCommandLineSetsTheAccountUpSyncsAndSaysSoInOneLine)
{
    auto a = program(phoneList(3));
    saveSyncState(*a->files, SyncState()); // not set up yet
    // The exit status, a blank and what was written.
    const auto run = [&a](const QStringList& args, const QString& password) {
        QString text;
        QTextStream out(&text);
        const int status = runSyncCommand(a->p(), args, password, out);
        out.flush();
        return QString::number(status) + ' ' + text;
    };
    const QString password = RadicaleServer::password, url = server->base().toString();
    // No account and no password are the command-line check's.
    QString said = run({"--sync", "--setup", url, "alice", "nope"}, password);
    EXPECT_TRUE(said.startsWith("2 ") && said.contains(book.path())) // the books found are listed
        << said.toStdString();
    EXPECT_EQ(run({"--sync", "--setup", url, "alice", book.path()}, password),
              QStringLiteral("0 Synced: here 0 added, 0 changed, 0 deleted; on the server 3 "
                             "added, 0 changed, 0 deleted; 0 conflicts.\n"));
    EXPECT_FALSE(syncsAtStartAndExit(*a->files)); // the preference is off
    EXPECT_EQ(
        run({"--sync"}, QStringLiteral("wrong")),
        QStringLiteral("1 Sync stopped: The server did not accept the user name or password.\n"));
    // A server that is down: said in plain words, nothing changed.
    EXPECT_EQ(run({"--sync", "--setup", "http://127.0.0.1:1/", "alice"}, password),
              QStringLiteral("1 The server at 127.0.0.1 could not be reached. Check the address "
                             "and that the server is running.\n"));
    EXPECT_EQ(loadSyncState(*a->files, nullptr)->book, book);
    EXPECT_TRUE(run({"--sync", "--bogus"}, password).startsWith("2 "));
}

// The window finds the books, syncs and shows what was done; with the preference
// set there, the program syncs once its window is up and as it ends.
TEST_F(SyncPassTest, TheSyncWindowSetsTheAccountUpAndThePreferenceSyncsAtStartAndExit)
{
    auto a = program(phoneList(3));
    auto b = program({});
    saveSyncState(*a->files, SyncState());               // nothing set up yet
    EXPECT_FALSE(syncsAtStartAndExit(*TestEnv().files)); // no account: nothing to do
    QMap<QString, QString> kept;
    SyncPasswords passwords(std::make_unique<FakeSecretStore>(kept, true));
    SyncDialog form(a->p(), passwords);
    form.show();
    form.serverEdit->setText(server->base().toString());
    form.userEdit->setText(RadicaleServer::user);
    a->ui.answer(Ui::Answer::Ok);
    form.testConnectionButton->click(); // no password: asked for, nothing sent
    ASSERT_EQ(a->ui.messages.size(), 1u);
    EXPECT_EQ(a->ui.messages.back().text,
              QStringLiteral("Please Enter The Server Address, The User And The Password."));
    form.passwordEdit->setText(RadicaleServer::password);
    form.testConnectionButton->click();
    const int at = form.addressBookCombo->findText(book.path(), Qt::MatchContains);
    ASSERT_GE(at, 0) << form.resultLabel->text().toStdString();
    form.addressBookCombo->setCurrentIndex(at);
    form.atStartAndExitCheck->setChecked(true); // kept with the account at Sync Now
    form.syncNowButton->click();
    EXPECT_TRUE(
        form.resultLabel->text().startsWith(QStringLiteral("Last Sync: 2026-03-14 09:05:07: "
                                                           "Synced: here 0 added")))
        << form.resultLabel->text().toStdString();
    EXPECT_TRUE(form.syncNowButton->isEnabled() && !form.cancelButton->isEnabled());
    EXPECT_TRUE(form.isVisible()); // opened by the person, it stays to be read
    // The password went to the secret store and into no file; the next session finds it there.
    EXPECT_EQ(kept.values(), QStringList{RadicaleServer::password});
    for (const QString& name : {kSyncStateName, kSyncLogName})
        EXPECT_FALSE(a->files->readAll(name).contains(RadicaleServer::password))
            << name.toStdString();
    SyncPasswords nextSession(std::make_unique<FakeSecretStore>(kept, true));
    SyncDialog again(a->p(), nextSession);
    EXPECT_EQ(again.passwordEdit->text(), QString::fromUtf8(RadicaleServer::password));
    EXPECT_TRUE(again.atStartAndExitCheck->isChecked());

    // No secret store and no password given yet: the window asks for it.
    a->ui.messages.clear();
    QMap<QString, QString> none;
    SyncPasswords asking(std::make_unique<FakeSecretStore>(none, false));
    qunsetenv(kSyncPasswordVariable);
    startSync(a->p(), asking, true);
    auto* unattended = qobject_cast<SyncDialog*>(loadedWindow(QStringLiteral("SyncForm")));
    ASSERT_TRUE(unattended);
    EXPECT_EQ(unattended->resultLabel->text(), QStringLiteral("Enter The Password To Sync."));
    syncAtExit(a->p(), asking); // nothing known: nothing done, nothing asked
    EXPECT_TRUE(a->ui.messages.empty());
    unattended->passwordEdit->setText(RadicaleServer::password);
    unattended->syncNowButton->click();
    EXPECT_FALSE(loadedWindow(QStringLiteral("SyncForm")))
        << "the window closes when all went well";

    // Given once this session, it serves the next start-up sync and the one at exit.
    edit(*a, "Person 1", [](NARecord& r) { r.EMail = QStringLiteral("at-start@a.example"); });
    startSync(a->p(), asking, true);
    for (QDeadlineTimer waited(30000);
         loadedWindow(QStringLiteral("SyncForm")) && !waited.hasExpired();)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(loadedWindow(QStringLiteral("SyncForm")));
    edit(*a, "Person 2", [](NARecord& r) { r.EMail = QStringLiteral("at-exit@a.example"); });
    syncAtExit(a->p(), asking);
    sync(*b);
    EXPECT_EQ(peopleOf(*b), peopleOf(*a));
    EXPECT_TRUE(a->ui.messages.empty());
}

} // namespace
