#include "reports/gui/SheetMap.h"

#include "reports/LabelLayouts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tavrel {

namespace {

constexpr double kMapHeight = 220; // pixels
constexpr double kMargin = 4;

} // namespace

SheetMap::SheetMap(const std::vector<Slot>& slots, QSizeF slotSize, QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    double left = 1e18, top = 1e18, right = -1e18, bottom = -1e18;
    for (const Slot& s : slots) {
        left = std::min(left, s.x);
        top = std::min(top, s.y);
        right = std::max(right, s.x + slotSize.width());
        bottom = std::max(bottom, s.y + slotSize.height());
    }
    for (const Slot& s : slots)
        rects_.push_back(QRectF(QPointF(s.x - left, s.y - top), slotSize));
    sheet_ = slots.empty() ? QSizeF(1, 1) : QSizeF(right - left, bottom - top);
}

void SheetMap::setCurrent(int index)
{
    index = std::clamp(index, 0, std::max(count() - 1, 0));
    if (index == current_)
        return;
    current_ = index;
    update();
    Q_EMIT currentChanged(index);
}

QSize SheetMap::sizeHint() const
{
    const double w = kMapHeight * sheet_.width() / sheet_.height();
    return QSize(int(std::ceil(std::clamp(w, 60.0, 200.0) + 2 * kMargin)),
                 int(kMapHeight + 2 * kMargin));
}

QRectF SheetMap::scaled(int index) const
{
    const double scale = std::min((width() - 2 * kMargin) / sheet_.width(),
                                  (height() - 2 * kMargin) / sheet_.height());
    const QRectF& r = rects_[index];
    return QRectF(kMargin + r.x() * scale, kMargin + r.y() * scale, r.width() * scale,
                  r.height() * scale)
        .adjusted(1, 1, -1, -1);
}

void SheetMap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    for (int i = 0; i < count(); ++i) {
        const QRectF r = scaled(i);
        // Used slots are filled in grey, free ones left white; the chosen one stands out.
        painter.setPen(QPen(pal.color(QPalette::WindowText), 1));
        painter.setBrush(i < current_    ? pal.color(QPalette::Mid)
                         : i == current_ ? pal.color(QPalette::Highlight)
                                         : pal.color(QPalette::Base));
        painter.drawRect(r);
    }
    if (hasFocus() && count() > 0) {
        painter.setPen(QPen(pal.color(QPalette::Text), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(scaled(current_).adjusted(-2, -2, 2, 2));
    }
}

int SheetMap::neighbourRow(int index, int dRow) const
{
    const double y = rects_[index].y(), x = rects_[index].x();
    // The nearest row above or below, then its slot nearest in x.
    double rowY = dRow < 0 ? -1e18 : 1e18;
    for (const QRectF& r : rects_) {
        if (dRow < 0 && r.y() < y - 1 && r.y() > rowY)
            rowY = r.y();
        if (dRow > 0 && r.y() > y + 1 && r.y() < rowY)
            rowY = r.y();
    }
    int best = -1;
    for (int i = 0; i < count(); ++i) {
        if (std::abs(rects_[i].y() - rowY) < 1 &&
            (best < 0 || std::abs(rects_[i].x() - x) < std::abs(rects_[best].x() - x)))
            best = i;
    }
    return best;
}

void SheetMap::keyPressEvent(QKeyEvent* e)
{
    int to = -1;
    switch (e->key()) {
    case Qt::Key_Left:
        to = current_ - 1;
        break;
    case Qt::Key_Right:
        to = current_ + 1;
        break;
    case Qt::Key_Up:
        to = neighbourRow(current_, -1);
        break;
    case Qt::Key_Down:
        to = neighbourRow(current_, 1);
        break;
    case Qt::Key_Home:
        to = 0;
        break;
    case Qt::Key_End:
        to = count() - 1;
        break;
    default:
        QWidget::keyPressEvent(e); // Enter and Esc go on to the window
        return;
    }
    if (to >= 0 && to < count())
        setCurrent(to);
    e->accept();
}

void SheetMap::mousePressEvent(QMouseEvent* e)
{
    for (int i = 0; i < count(); ++i) {
        if (scaled(i).contains(e->position())) {
            setCurrent(i);
            Q_EMIT slotClicked(i);
            return;
        }
    }
}

} // namespace tavrel
