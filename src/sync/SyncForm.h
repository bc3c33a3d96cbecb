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
class SyncForm : public QDialog {
    Q_OBJECT
public:
    explicit SyncForm(Program& p, QWidget* parent = nullptr);
    ~SyncForm() override;

    QLineEdit* SyncTxt1 = nullptr;   // server address
    QLineEdit* SyncTxt2 = nullptr;   // user
    QLineEdit* SyncTxt3 = nullptr;   // password
    QComboBox* SyncCbo1 = nullptr;   // address book
    QLabel* SyncLbl1 = nullptr;      // progress and the last sync's result
    QPushButton* SyncCmd1 = nullptr; // Test Connection
    QPushButton* SyncCmd2 = nullptr; // Sync Now
    QPushButton* SyncCmd3 = nullptr; // Cancel (while a sync runs)
    QPushButton* SyncCmd4 = nullptr; // Close

    void SyncCmd1_Click();
    void SyncCmd2_Click();
    void SyncCmd3_Click();
    void SyncCmd4_Click();

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
