#pragma once

#include "records/RecordScreen.h"

#include <array>

class QComboBox;

namespace tavrel {

// Record screen 1: ID, name, the four address lines and five telephone numbers.
class BrsForma : public RecordScreen {
    Q_OBJECT
public:
    BrsForma(Program& p, std::shared_ptr<RecordSession> session);

    int number() const override { return 1; }
    void applyMode() override;
    void fill(const NARecord& r) override;
    void clear() override;

    QLineEdit* BrsTxt2 = nullptr;
    std::array<QLineEdit*, 4> BrsTxt3{};
    std::array<QComboBox*, 5> Combo1{};
    std::array<QLineEdit*, 5> BrsTxt10{};
    QPushButton* Screen2Button = nullptr;
    QPushButton* CopyButton = nullptr;

    // The entries every telephone type box offers.
    static const QStringList& phoneTypes();

protected:
    QWidget* addModeFocus() const override;

private:
    void Screen2Button_Click();
    void CopyButton_Click();
};

} // namespace tavrel
