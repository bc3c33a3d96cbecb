#pragma once

#include "records/gui/RecordScreen.h"

#include <array>

namespace tavrel {

// Record screen 2: ID, sort keys, e-mail, comment, the four QuickLinks and the
// back link.
class DetailScreen : public RecordScreen {
    Q_OBJECT
public:
    DetailScreen(Program& p, std::shared_ptr<RecordSession> session);

    int number() const override { return 2; }
    void applyState(ScreenState state) override;
    void fill(const Contact& c) override;
    void clear() override;
    // Fills the boxes with the record left for this screen while it was hidden.
    void catchUp();

    std::array<QLineEdit*, 2> sortKeyEdits{};
    QLineEdit* emailEdit = nullptr;
    QLineEdit* commentsEdit = nullptr;
    std::array<QLineEdit*, 5> linkIdEdits{}; // 0..3 link IDs, 4 the back link
    std::array<QLineEdit*, 4> linkTextEdits{};
    std::array<QPushButton*, 5> linkButtons{};
    QPushButton* showScreen1Button = nullptr;

protected:
    QWidget* addModeFocus() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void onShowScreen1Clicked();
    void onLinkButtonClicked(int index);
    void onLinkIdDoubleClicked(int index);
};

} // namespace tavrel
