#pragma once

#include "records/gui/RecordScreen.h"

#include <array>

class QComboBox;

namespace tavrel {

// Record screen 1: ID, name, the four address lines and five telephone numbers.
class AddressScreen : public RecordScreen {
    Q_OBJECT
public:
    AddressScreen(Program& p, std::shared_ptr<RecordSession> session);

    int number() const override { return 1; }
    void applyState(ScreenState state) override;
    void fill(const Contact& c) override;
    void clear() override;

    QLineEdit* nameEdit = nullptr;
    std::array<QLineEdit*, 4> addressLineEdits{};
    std::array<QComboBox*, 5> phoneTypeCombos{};
    std::array<QLineEdit*, 5> phoneNumberEdits{};
    QPushButton* showScreen2Button = nullptr;
    QPushButton* copyButton = nullptr;

    // The entries every telephone type box offers.
    static const QStringList& phoneTypes();

protected:
    QWidget* addModeFocus() const override;

private:
    void onShowScreen2Clicked();
    void onCopyClicked();
};

} // namespace tavrel
