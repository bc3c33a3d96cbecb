#pragma once

#include "sync/CardDavClient.h"
#include "sync/SyncPasswords.h"

#include <QDialog>
#include <QList>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrel {

class Files;
class Program;

// "Sync": the server, the user and the address book kept in step, Test
// Connection, Sync Now with its progress and Cancel, the last sync's result and
// whether to sync at start-up and at exit. The password goes to the desktop's
// secret store; where none runs it is asked for once a session.
class SyncDialog : public QDialog {
    Q_OBJECT
public:
    SyncDialog(Program& p, SyncPasswords& passwords, QWidget* parent = nullptr);
    ~SyncDialog() override;

    QLineEdit* serverEdit = nullptr;             // server address
    QLineEdit* userEdit = nullptr;               // user
    QLineEdit* passwordEdit = nullptr;           // password
    QComboBox* addressBookCombo = nullptr;       // address book
    QCheckBox* atStartAndExitCheck = nullptr;    // sync at start-up and at exit
    QLabel* passwordNote = nullptr;              // where the password is kept
    QLabel* resultLabel = nullptr;               // progress and the last sync's result
    QPushButton* testConnectionButton = nullptr; // Test Connection
    QPushButton* syncNowButton = nullptr;        // Sync Now
    QPushButton* cancelButton = nullptr;         // Cancel (while a sync runs)
    QPushButton* closeButton = nullptr;          // Close

    void onTestConnectionClicked();
    void onSyncNowClicked();
    void onCancelClicked();
    void onCloseClicked();
    void onAtStartAndExitToggled(bool on);
    // Syncs at once and closes the window when all went well; without a
    // password the window stays and asks for it.
    void syncUnattended();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class State { Idle, Busy };
    void applyState(State s);
    DavSettings settings() const;
    bool checkFilled();
    void keepPassword();
    // Offers what a failed test may be cured by: another server address, or
    // trusting the server's certificate. True when the user took it.
    bool offerRemedy(const DavResult& r);
    bool unattended_ = false;

    Program& p_;
    SyncPasswords& passwords_;
    QList<DavAddressBook> books_;
    QString proxy_;                          // kept with the account (set by tavrel --sync --proxy)
    QString certificatePin_;                 // the certificate the user trusted for this account
    std::unique_ptr<CardDavClient> running_; // the client of the exchange under way
};

// Whether an account is set up to sync at start-up and at exit. Without a
// state file it only looks whether the file is there.
bool syncsAtStartAndExit(const Files& files);

// File > "S&ync...": opens the window; `unattended`: it syncs at once and
// closes itself when all went well (the sync at start-up).
void startSync(Program& p, SyncPasswords& passwords, bool unattended = false);

// The sync as the program ends, in a window with its progress and Cancel. No
// password known this session: nothing is done.
void syncAtExit(Program& p, SyncPasswords& passwords);

} // namespace tavrel
