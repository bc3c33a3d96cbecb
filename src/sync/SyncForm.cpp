#include "sync/SyncForm.h"

#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Application.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"
#include "sync/SyncConflictForm.h"
#include "sync/SyncPass.h"
#include "sync/SyncState.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

// The summary line of the newest section of the sync log, with its time.
QString lastResult(const Files& files)
{
    if (!files.exists(kSyncLogName))
        return QString();
    const QStringList lines = QString::fromUtf8(files.readAll(kSyncLogName)).split('\n');
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines.at(i).startsWith(QLatin1String("Sync of ")) && i + 1 < lines.size()) {
            const QString when = lines.at(i).mid(8).section(QLatin1String(" with "), 0, 0);
            return when + QStringLiteral(": ") + lines.at(i + 1);
        }
    }
    return QString();
}

} // namespace

SyncForm::SyncForm(Program& p, QWidget* parent) : QDialog(parent), p_(p)
{
    setObjectName(QStringLiteral("SyncForm"));
    // F1 anywhere in the window opens its help topic.
    setProperty("helpContext", 135);
    setWindowTitle(tr("Sync"));
    auto* v = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    SyncTxt1 = named(new QLineEdit(this), "SyncTxt1");
    SyncTxt2 = named(new QLineEdit(this), "SyncTxt2");
    SyncTxt3 = named(new QLineEdit(this), "SyncTxt3");
    SyncTxt3->setEchoMode(QLineEdit::Password);
    SyncCbo1 = named(new QComboBox(this), "SyncCbo1");
    SyncTxt1->setMinimumWidth(360);
    const char* captions[] = {"&Server Address:", "&User:", "&Password:", "&Address Book:"};
    QWidget* boxes[] = {SyncTxt1, SyncTxt2, SyncTxt3, SyncCbo1};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(tr(captions[i]), this);
        label->setBuddy(boxes[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(boxes[i], i, 1);
    }
    v->addLayout(grid);
    v->addWidget(new QLabel(tr("The password is not kept; it is asked for once a session."), this));
    SyncLbl1 = named(new QLabel(this), "SyncLbl1");
    SyncLbl1->setWordWrap(true);
    SyncLbl1->setMinimumHeight(48);
    v->addWidget(SyncLbl1);
    auto* buttons = new QHBoxLayout;
    SyncCmd1 = named(new QPushButton(tr("&Test Connection"), this), "SyncCmd1");
    SyncCmd2 = named(new QPushButton(tr("Sync &Now"), this), "SyncCmd2");
    SyncCmd3 = named(new QPushButton(tr("Cancel"), this), "SyncCmd3");
    SyncCmd4 = named(new QPushButton(tr("&Close"), this), "SyncCmd4");
    for (QPushButton* b : {SyncCmd1, SyncCmd2, SyncCmd3, SyncCmd4})
        buttons->addWidget(b);
    v->addLayout(buttons);
    connect(SyncCmd1, &QPushButton::clicked, this, &SyncForm::SyncCmd1_Click);
    connect(SyncCmd2, &QPushButton::clicked, this, &SyncForm::SyncCmd2_Click);
    connect(SyncCmd3, &QPushButton::clicked, this, &SyncForm::SyncCmd3_Click);
    connect(SyncCmd4, &QPushButton::clicked, this, &SyncForm::SyncCmd4_Click);

    // What was set up before, and how the last sync went.
    try {
        if (const std::optional<SyncState> st = loadSyncState(p_.files, nullptr)) {
            SyncTxt1->setText(st->server);
            SyncTxt2->setText(st->user);
            if (st->configured()) {
                books_ = {{st->book, QString()}};
                SyncCbo1->addItem(st->book.path());
            }
        }
        if (const QString last = lastResult(p_.files); !last.isEmpty())
            SyncLbl1->setText(tr("Last Sync: ") + last);
    } catch (const PlatformError&) {
        // Nothing known yet: the boxes stay empty.
    }
    applyState(State::Idle);
}

SyncForm::~SyncForm() = default;

void SyncForm::applyState(State s)
{
    const bool idle = s == State::Idle;
    for (QWidget* w : std::initializer_list<QWidget*>{SyncTxt1, SyncTxt2, SyncTxt3, SyncCbo1,
                                                      SyncCmd1, SyncCmd2, SyncCmd4})
        w->setEnabled(idle);
    SyncCmd3->setEnabled(!idle);
    if (!idle)
        SyncCmd3->setFocus();
}

DavSettings SyncForm::settings() const
{
    DavSettings s;
    s.server = QUrl::fromUserInput(SyncTxt1->text().trimmed());
    s.user = SyncTxt2->text().trimmed();
    s.password = SyncTxt3->text();
    return s;
}

bool SyncForm::checkFilled()
{
    QLineEdit* empty = SyncTxt1->text().trimmed().isEmpty()   ? SyncTxt1
                       : SyncTxt2->text().trimmed().isEmpty() ? SyncTxt2
                       : SyncTxt3->text().isEmpty()           ? SyncTxt3
                                                              : nullptr;
    if (!empty)
        return true;
    p_.ui.messageBox(tr("Please Enter The Server Address, The User And The Password."), kTitle,
                     Ui::Buttons::Ok, Ui::Icon::Exclamation);
    empty->setFocus();
    return false;
}

void SyncForm::SyncCmd1_Click()
{
    if (!checkFilled())
        return;
    applyState(State::Busy);
    SyncLbl1->setText(tr("Connecting..."));
    running_ = std::make_unique<CardDavClient>(settings());
    QList<DavAddressBook> found;
    const DavResult r = running_->discover(found);
    running_.reset();
    applyState(State::Idle);
    if (!r.ok()) {
        SyncLbl1->setText(r.message);
        p_.ui.messageBox(r.message, kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        SyncCmd1->setFocus();
        return;
    }
    const QUrl kept =
        SyncCbo1->currentIndex() >= 0 ? books_.value(SyncCbo1->currentIndex()).url : QUrl();
    books_ = found;
    SyncCbo1->clear();
    for (const DavAddressBook& b : std::as_const(found)) {
        SyncCbo1->addItem(b.displayName.isEmpty() ? b.url.path()
                                                  : b.displayName + QStringLiteral("  (") +
                                                        b.url.path() + QLatin1Char(')'));
        if (b.url == kept)
            SyncCbo1->setCurrentIndex(SyncCbo1->count() - 1);
    }
    SyncLbl1->setText(tr("Connected. Address Books Found: %1").arg(found.size()));
    SyncCbo1->setFocus();
}

void SyncForm::SyncCmd2_Click()
{
    if (!checkFilled())
        return;
    if (SyncCbo1->currentIndex() < 0) {
        p_.ui.messageBox(tr("Please Test The Connection And Pick An Address Book."), kTitle,
                         Ui::Buttons::Ok, Ui::Icon::Exclamation);
        SyncCmd1->setFocus();
        return;
    }
    const DavSettings s = settings();
    const QUrl book = books_.value(SyncCbo1->currentIndex()).url;
    try {
        QString error;
        std::optional<SyncState> st = loadSyncState(p_.files, &error);
        if (!st) {
            p_.ui.messageBox(error, kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
            return;
        }
        if (st->book != book)
            st = SyncState(); // another book: its first sync starts afresh
        if (st->server != s.server.toString() || st->user != s.user || st->book != book) {
            st->server = s.server.toString();
            st->user = s.user;
            st->book = book;
            saveSyncState(p_.files, *st);
        }
    } catch (const PlatformError& e) {
        p_.ui.messageBox(tr("The Sync State Could Not Be Written: Error") + numText(e.number()) +
                             QLatin1Char('.'),
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        return;
    }
    SyncOptions options;
    options.confirmDeletions = [this](int here, int there) {
        return p_.ui.messageBox(tr("This Sync Would Delete %1 Records Here And %2 Cards On The "
                                   "Server.\n\nDelete Them?")
                                    .arg(here)
                                    .arg(there),
                                kTitle, Ui::Buttons::YesNoDefaultNo,
                                Ui::Icon::Question) == Ui::Answer::Yes;
    };
    options.resolveConflict = [this](const SyncConflict& c) {
        SyncConflictForm form(c, this);
        return SyncConflictForm::choiceOf(p_.ui.runModal(form));
    };
    options.progress = [this](int done, int total) {
        SyncLbl1->setText(tr("Syncing: %1 Of %2").arg(done).arg(total));
    };
    applyState(State::Busy);
    SyncLbl1->setText(tr("Syncing..."));
    running_ = std::make_unique<CardDavClient>(s);
    SyncReport report;
    try {
        report = runSync(p_, *running_, options);
    } catch (const PlatformError& e) {
        report.problem = tr("The Sync Stopped: Error") + numText(e.number()) + QLatin1Char('.');
    }
    running_.reset();
    applyState(State::Idle);
    SyncLbl1->setText(tr("Last Sync: ") + lastResult(p_.files));
    if (!report.ok()) {
        SyncLbl1->setText(report.summary());
        p_.ui.messageBox(report.summary(), kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
    }
    SyncCmd4->setFocus();
}

void SyncForm::SyncCmd3_Click()
{
    if (running_)
        running_->cancel();
}

void SyncForm::SyncCmd4_Click()
{
    unloadWindow(this);
}

void SyncForm::keyPressEvent(QKeyEvent* event)
{
    // Esc stops a running exchange, else closes the window.
    if (event->key() == Qt::Key_Escape) {
        running_ ? SyncCmd3_Click() : SyncCmd4_Click();
        return;
    }
    if (!swallowEnterOffButtons(this, event))
        QDialog::keyPressEvent(event);
}

void SyncForm::closeEvent(QCloseEvent* event)
{
    // The window stays while an exchange runs; Cancel ends it first.
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void startSync(Program& p)
{
    auto* form = new SyncForm(p);
    loadWindow(form);
    form->show();
    (form->SyncTxt1->text().isEmpty() ? form->SyncTxt1 : form->SyncTxt3)->setFocus();
}

} // namespace tavrel
