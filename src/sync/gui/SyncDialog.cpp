#include "sync/gui/SyncDialog.h"

#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/Application.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"
#include "store/Program.h"
#include "sync/SyncPass.h"
#include "sync/SyncState.h"
#include "sync/gui/SyncConflictDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
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

SyncDialog::SyncDialog(Program& p, SyncPasswords& passwords, QWidget* parent)
    : QDialog(parent), p_(p), passwords_(passwords)
{
    setObjectName(QStringLiteral("SyncForm"));
    // F1 anywhere in the window opens its help topic.
    setProperty("helpContext", 135);
    setWindowTitle(tr("Sync"));
    auto* v = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    serverEdit = named(new QLineEdit(this), "SyncTxt1");
    userEdit = named(new QLineEdit(this), "SyncTxt2");
    passwordEdit = named(new QLineEdit(this), "SyncTxt3");
    passwordEdit->setEchoMode(QLineEdit::Password);
    addressBookCombo = named(new QComboBox(this), "SyncCbo1");
    serverEdit->setMinimumWidth(360);
    const QString captions[] = {tr("&Server Address:"), tr("&User:"), tr("&Password:"),
                                tr("&Address Book:")};
    QWidget* boxes[] = {serverEdit, userEdit, passwordEdit, addressBookCombo};
    for (int i = 0; i < 4; ++i) {
        auto* label = new QLabel(captions[i], this);
        label->setBuddy(boxes[i]);
        grid->addWidget(label, i, 0);
        grid->addWidget(boxes[i], i, 1);
    }
    v->addLayout(grid);
    passwordNote = named(new QLabel(this), "SyncLbl2");
    v->addWidget(passwordNote);
    atStartAndExitCheck =
        named(new QCheckBox(tr("Sync At Start-Up And At E&xit"), this), "SyncChk1");
    v->addWidget(atStartAndExitCheck);
    resultLabel = named(new QLabel(this), "SyncLbl1");
    resultLabel->setWordWrap(true);
    resultLabel->setMinimumHeight(48);
    v->addWidget(resultLabel);
    auto* buttons = new QHBoxLayout;
    testConnectionButton = named(new QPushButton(tr("&Test Connection"), this), "SyncCmd1");
    syncNowButton = named(new QPushButton(tr("Sync &Now"), this), "SyncCmd2");
    cancelButton = named(new QPushButton(tr("Cancel"), this), "SyncCmd3");
    closeButton = named(new QPushButton(tr("&Close"), this), "SyncCmd4");
    for (QPushButton* b : {testConnectionButton, syncNowButton, cancelButton, closeButton})
        buttons->addWidget(b);
    v->addLayout(buttons);
    connect(testConnectionButton, &QPushButton::clicked, this,
            &SyncDialog::onTestConnectionClicked);
    connect(syncNowButton, &QPushButton::clicked, this, &SyncDialog::onSyncNowClicked);
    connect(cancelButton, &QPushButton::clicked, this, &SyncDialog::onCancelClicked);
    connect(closeButton, &QPushButton::clicked, this, &SyncDialog::onCloseClicked);
    connect(atStartAndExitCheck, &QCheckBox::toggled, this, &SyncDialog::onAtStartAndExitToggled);

    // What was set up before, and how the last sync went.
    try {
        if (const std::optional<SyncState> st = loadSyncState(p_.files, nullptr)) {
            serverEdit->setText(st->server);
            userEdit->setText(st->user);
            proxy_ = st->proxy;
            certificatePin_ = st->certificatePin;
            if (st->configured()) {
                books_ = {{st->book, QString()}};
                addressBookCombo->addItem(st->book.path());
                passwordEdit->setText(passwords_.find(st->server, st->user));
            }
            const QSignalBlocker quiet(atStartAndExitCheck);
            atStartAndExitCheck->setChecked(st->syncAtStartAndExit);
        }
        if (const QString last = lastResult(p_.files); !last.isEmpty())
            resultLabel->setText(tr("Last Sync: ") + last);
    } catch (const PlatformError&) {
        // Nothing known yet: the boxes stay empty.
    }
    passwordNote->setText(
        passwordEdit->text().isEmpty()
            ? tr("The password is kept in the desktop's secret store, or asked for once a "
                 "session where none runs.")
            : tr("The password is known for this session."));
    applyState(State::Idle);
}

SyncDialog::~SyncDialog() = default;

void SyncDialog::applyState(State s)
{
    const bool idle = s == State::Idle;
    for (QWidget* w :
         std::initializer_list<QWidget*>{serverEdit, userEdit, passwordEdit, addressBookCombo,
                                         testConnectionButton, syncNowButton, closeButton})
        w->setEnabled(idle);
    cancelButton->setEnabled(!idle);
    if (!idle)
        cancelButton->setFocus();
}

DavSettings SyncDialog::settings() const
{
    DavSettings s;
    s.server = QUrl::fromUserInput(serverEdit->text().trimmed());
    s.user = userEdit->text().trimmed();
    s.password = passwordEdit->text();
    s.proxy = QUrl(proxy_);
    s.certificatePin = certificatePin_;
    return s;
}

bool SyncDialog::offerRemedy(const DavResult& r)
{
    if (r.outcome == DavOutcome::OtherOrigin && r.movedTo.isValid()) {
        if (p_.ui.messageBox(tr("The server sent the connection on to %1.\nUse that address "
                                "for this account?")
                                 .arg(r.movedTo.toDisplayString()),
                             kTitle, Ui::Buttons::YesNoDefaultNo,
                             Ui::Icon::Question) != Ui::Answer::Yes)
            return false;
        serverEdit->setText(r.movedTo.toDisplayString());
        certificatePin_.clear(); // a trusted certificate belongs to the old address
        return true;
    }
    if (r.outcome == DavOutcome::TlsFailed && !r.certificatePin.isEmpty()) {
        if (p_.ui.messageBox(
                tr("The certificate of %1 is not signed by an authority this computer "
                   "trusts. Its fingerprint is:\n%2\nTrust this certificate for this account? "
                   "Compare the fingerprint with the one the server's owner gives you first.")
                    .arg(settings().server.host(), r.certificateFingerprint),
                kTitle, Ui::Buttons::YesNoDefaultNo, Ui::Icon::Question) != Ui::Answer::Yes)
            return false;
        certificatePin_ = r.certificatePin;
        return true;
    }
    return false;
}

bool SyncDialog::checkFilled()
{
    QLineEdit* empty = serverEdit->text().trimmed().isEmpty() ? serverEdit
                       : userEdit->text().trimmed().isEmpty() ? userEdit
                       : passwordEdit->text().isEmpty()       ? passwordEdit
                                                              : nullptr;
    if (!empty)
        return true;
    p_.ui.messageBox(tr("Please Enter The Server Address, The User And The Password."), kTitle,
                     Ui::Buttons::Ok, Ui::Icon::Exclamation);
    empty->setFocus();
    return false;
}

void SyncDialog::keepPassword()
{
    const DavSettings s = settings();
    passwordNote->setText(passwords_.keep(s.server.toString(), s.user, s.password)
                              ? tr("The password is kept in the desktop's secret store.")
                              : tr("No secret store runs here: the password is asked for once "
                                   "a session."));
}

void SyncDialog::onAtStartAndExitToggled(bool on)
{
    // Kept at once where an account is set up; else with the account at Sync Now.
    try {
        std::optional<SyncState> st = loadSyncState(p_.files, nullptr);
        if (st && st->configured() && st->syncAtStartAndExit != on) {
            st->syncAtStartAndExit = on;
            saveSyncState(p_.files, *st);
        }
    } catch (const PlatformError& e) {
        p_.ui.messageBox(tr("The Sync State Could Not Be Written: Error") + numText(e.number()) +
                             QLatin1Char('.'),
                         kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
    }
}

void SyncDialog::syncUnattended()
{
    unattended_ = true;
    if (passwordEdit->text().isEmpty()) {
        resultLabel->setText(tr("Enter The Password To Sync."));
        passwordEdit->setFocus();
        return;
    }
    QTimer::singleShot(0, this, &SyncDialog::onSyncNowClicked);
}

void SyncDialog::onTestConnectionClicked()
{
    if (!checkFilled())
        return;
    applyState(State::Busy);
    resultLabel->setText(tr("Connecting..."));
    running_ = std::make_unique<CardDavClient>(settings());
    QList<DavAddressBook> found;
    const DavResult r = running_->discover(found);
    running_.reset();
    applyState(State::Idle);
    if (!r.ok() && offerRemedy(r)) {
        onTestConnectionClicked();
        return;
    }
    if (!r.ok()) {
        resultLabel->setText(r.message);
        p_.ui.messageBox(r.message, kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        testConnectionButton->setFocus();
        return;
    }
    const QUrl kept = addressBookCombo->currentIndex() >= 0
                          ? books_.value(addressBookCombo->currentIndex()).url
                          : QUrl();
    books_ = found;
    addressBookCombo->clear();
    for (const DavAddressBook& b : std::as_const(found)) {
        addressBookCombo->addItem(b.displayName.isEmpty() ? b.url.path()
                                                          : b.displayName + QStringLiteral("  (") +
                                                                b.url.path() + QLatin1Char(')'));
        if (b.url == kept)
            addressBookCombo->setCurrentIndex(addressBookCombo->count() - 1);
    }
    keepPassword();
    resultLabel->setText(tr("Connected. Address Books Found: %1").arg(found.size()));
    addressBookCombo->setFocus();
}

void SyncDialog::onSyncNowClicked()
{
    if (!checkFilled())
        return;
    if (addressBookCombo->currentIndex() < 0) {
        p_.ui.messageBox(tr("Please Test The Connection And Pick An Address Book."), kTitle,
                         Ui::Buttons::Ok, Ui::Icon::Exclamation);
        testConnectionButton->setFocus();
        return;
    }
    const DavSettings s = settings();
    const QUrl book = books_.value(addressBookCombo->currentIndex()).url;
    try {
        QString error;
        std::optional<SyncState> st = loadSyncState(p_.files, &error);
        if (!st) {
            p_.ui.messageBox(error, kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
            return;
        }
        if (st->book != book)
            st = SyncState(); // another book: its first sync starts afresh
        if (st->server != s.server.toString() || st->user != s.user || st->book != book ||
            st->certificatePin != certificatePin_ ||
            st->syncAtStartAndExit != atStartAndExitCheck->isChecked()) {
            st->server = s.server.toString();
            st->user = s.user;
            st->proxy = proxy_;
            st->certificatePin = certificatePin_;
            st->book = book;
            st->syncAtStartAndExit = atStartAndExitCheck->isChecked();
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
        SyncConflictDialog form(c, this);
        return SyncConflictDialog::choiceOf(p_.ui.runModal(form));
    };
    options.progress = [this](int done, int total) {
        resultLabel->setText(tr("Syncing: %1 Of %2").arg(done).arg(total));
    };
    applyState(State::Busy);
    resultLabel->setText(tr("Syncing..."));
    running_ = std::make_unique<CardDavClient>(s);
    SyncReport report;
    try {
        report = runSync(p_, *running_, options);
    } catch (const PlatformError& e) {
        report.problem = tr("The Sync Stopped: Error") + numText(e.number()) + QLatin1Char('.');
    }
    running_.reset();
    applyState(State::Idle);
    resultLabel->setText(tr("Last Sync: ") + lastResult(p_.files));
    if (!report.ok()) {
        resultLabel->setText(report.summary());
        p_.ui.messageBox(report.summary(), kTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
    } else {
        keepPassword();
    }
    closeButton->setFocus();
    if (unattended_ && report.ok() && !report.deletionsHeld && report.notStored.isEmpty())
        onCloseClicked();
}

void SyncDialog::onCancelClicked()
{
    if (running_)
        running_->cancel();
}

void SyncDialog::onCloseClicked()
{
    // The window of the sync at exit is not loaded as a command's: it only hides.
    if (testAttribute(Qt::WA_DeleteOnClose))
        unloadWindow(this);
    else
        hide();
}

void SyncDialog::keyPressEvent(QKeyEvent* event)
{
    // Esc stops a running exchange, else closes the window.
    if (event->key() == Qt::Key_Escape) {
        running_ ? onCancelClicked() : onCloseClicked();
        return;
    }
    if (!swallowEnterOffButtons(this, event))
        QDialog::keyPressEvent(event);
}

void SyncDialog::closeEvent(QCloseEvent* event)
{
    // The window stays while an exchange runs; Cancel ends it first.
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool syncsAtStartAndExit(const Files& files)
{
    if (!files.exists(kSyncStateName))
        return false;
    try {
        const std::optional<SyncState> st = loadSyncState(files, nullptr);
        return st && st->configured() && st->syncAtStartAndExit;
    } catch (const PlatformError&) {
        return false;
    }
}

void startSync(Program& p, SyncPasswords& passwords, bool unattended)
{
    auto* form = new SyncDialog(p, passwords);
    loadWindow(form);
    form->show();
    (form->serverEdit->text().isEmpty() ? form->serverEdit : form->passwordEdit)->setFocus();
    if (unattended)
        form->syncUnattended();
}

void syncAtExit(Program& p, SyncPasswords& passwords)
{
    if (!syncsAtStartAndExit(p.files))
        return;
    SyncDialog form(p, passwords);
    if (form.passwordEdit->text().isEmpty())
        return;
    form.show();
    form.onSyncNowClicked();
    form.hide();
}

} // namespace tavrel
