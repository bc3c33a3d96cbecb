#pragma once

#include <QSizeF>
#include <QWidget>
#include <vector>

namespace tavrel {

struct Slot;

// A small drawing of one sheet of labels or cards, for picking the first
// free slot of a half-used sheet. The slots before the chosen one are shown
// as used. Arrow keys, Home and End move the choice; a click picks a slot.
// Enter is left to the window, so it presses the window's default button.
class SheetMap : public QWidget {
    Q_OBJECT

public:
    // `slots` are the slots' top-left corners in fill order and `slotSize`
    // one slot's size, both in twips.
    SheetMap(const std::vector<Slot>& slots, QSizeF slotSize, QWidget* parent = nullptr);

    int current() const { return current_; }
    void setCurrent(int index);
    int count() const { return int(rects_.size()); }

    QSize sizeHint() const override;

Q_SIGNALS:
    void currentChanged(int index);
    // A slot was clicked with the mouse.
    void slotClicked(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QRectF scaled(int index) const;
    // The slot in the neighbouring row (dRow -1 up, +1 down) nearest in x, or -1.
    int neighbourRow(int index, int dRow) const;

    std::vector<QRectF> rects_; // in twips, relative to the sheet's corner
    QSizeF sheet_;
    int current_ = 0;
};

} // namespace tavrel
