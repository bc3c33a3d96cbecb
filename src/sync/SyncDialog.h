#pragma once

#include "store/Program.h"
#include "sync/CardDavClient.h"

#include <QDialog>
#include <QList>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tavrel {

// "Sync": the server, the user and the address book kept in step, Test
// Connection, Sync Now with its progress and Cancel, and the last sync's result.
// The password is asked for each session and never kept.
class SyncDialog : public QDialog {
    Q_OBJECT
public:
    explicit SyncDialog(Program& p, QWidget* parent = nullptr);
    ~SyncDialog() override;

    QLineEdit* serverEdit = nullptr;             // server address
    QLineEdit* userEdit = nullptr;               // user
    QLineEdit* passwordEdit = nullptr;           // password
    QComboBox* addressBookCombo = nullptr;       // address book
    QLabel* resultLabel = nullptr;               // progress and the last sync's result
    QPushButton* testConnectionButton = nullptr; // Test Connection
    QPushButton* syncNowButton = nullptr;        // Sync Now
    QPushButton* cancelButton = nullptr;         // Cancel (while a sync runs)
    QPushButton* closeButton = nullptr;          // Close

    void onTestConnectionClicked();
    void onSyncNowClicked();
    void onCancelClicked();
    void onCloseClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class State { Idle, Busy };
    void applyState(State s);
    DavSettings settings() const;
    bool checkFilled();

    Program& p_;
    QList<DavAddressBook> books_;
    std::unique_ptr<CardDavClient> running_; // the client of the exchange under way
};

// File > "S&ync...": opens the window.
void startSync(Program& p);

} // namespace tavrel
