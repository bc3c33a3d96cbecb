#pragma once

#include "records/RecordScreen.h"

#include <array>

namespace tavrel {

// Record screen 2: ID, sort keys, e-mail, comment, the four QuickLinks and the
// back link.
class BrsFormb : public RecordScreen {
    Q_OBJECT
public:
    BrsFormb(Program& p, std::shared_ptr<RecordSession> session);

    int number() const override { return 2; }
    void applyMode() override;
    void fill(const NARecord& r) override;
    void clear() override;
    // Fills the boxes with the record left for this screen while it was hidden.
    void catchUp();

    std::array<QLineEdit*, 2> BrsTxt20{};
    QLineEdit* BrsTxt21 = nullptr;
    QLineEdit* BrsTxt22 = nullptr;
    std::array<QLineEdit*, 5> BrsTxt30{}; // 0..3 link IDs, 4 the back link
    std::array<QLineEdit*, 4> BrsTxt40{};
    std::array<QPushButton*, 5> DisplayButton{};
    QPushButton* Screen1Button = nullptr;

protected:
    QWidget* addModeFocus() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Screen1Button_Click();
    void DisplayButton_Click(int index);
    void BrsTxt30_DblClick(int index);
};

} // namespace tavrel
