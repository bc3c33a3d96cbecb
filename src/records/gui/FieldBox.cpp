#include "records/gui/FieldBox.h"

#include "platform/Text.h"
#include "records/RecordFields.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace tavrel {

namespace {

const QString kNoticeName = QStringLiteral("FieldNotice");
const char* const kOwner = "noticeOwner";

} // namespace

namespace {

// Drops the fewest characters just before `pos` that bring `text` within
// `allowed` characters; returns where the cursor then is. The count is found
// by halving, so a character outside the basic plane goes whole.
int dropBeforeCursor(QString& text, int pos, int allowed)
{
    const int at = qBound(0, pos, int(text.size()));
    const auto without = [&](int n) { return text.left(at - n) + text.mid(at); };
    int low = 0, high = at;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (characterCount(without(mid)) <= allowed)
            high = mid;
        else
            low = mid + 1;
    }
    // Never half of a character outside the basic plane.
    if (low < at && at - low > 0 && text.at(at - low).isLowSurrogate() &&
        text.at(at - low - 1).isHighSurrogate())
        ++low;
    text = without(low);
    return at - low;
}

} // namespace

QLabel* fieldNotice(QWidget* window)
{
    return window->findChild<QLabel*>(kNoticeName, Qt::FindDirectChildrenOnly);
}

StoredLengthValidator::StoredLengthValidator(int limit, QLineEdit* box)
    : QValidator(box), box_(box), limit_(limit)
{
    box->installEventFilter(this);
}

QValidator::State StoredLengthValidator::validate(QString& text, int& pos) const
{
    // setText() leaves the box unmodified, an edit by the user marks it
    // modified: only the user's edits are held to the limit, and only what
    // the edit added is dropped, the characters just before the cursor: that
    // is what was just typed or pasted.
    const bool byUser = box_->isModified();
    const bool cut = byUser && characterCount(text) > qMax(limit_, lastLength_);
    if (cut) {
        pos = dropBeforeCursor(text, pos, qMax(limit_, lastLength_));
        if (onCut)
            onCut();
    }
    lastLength_ = characterCount(text);
    if (byUser)
        sayWhatIsStored(text, cut);
    return Acceptable;
}

void StoredLengthValidator::sayWhatIsStored(const QString& text, bool cut) const
{
    QWidget* window = box_->window();
    QLabel* notice = fieldNotice(window);
    QStringList lines;
    if (cut)
        lines << tr("Only %1 characters fit here; the rest was left out.").arg(limit_);
    bool replaced = false;
    const QString stored = reduceToCp1252(text, &replaced).left(limit_);
    if (replaced)
        lines << tr("Will be stored as \"%1\".").arg(stored);
    // The note is drawn over the window, where a screen reader does not look:
    // the box describes itself with the same words, read out as they change.
    if (const QString said = lines.join(QLatin1Char(' ')); box_->accessibleDescription() != said)
        box_->setAccessibleDescription(said);
    if (lines.isEmpty()) {
        if (notice && notice->property(kOwner).value<QObject*>() == box_)
            notice->hide();
        return;
    }
    if (!notice) {
        // A note in the colours of a tool tip, laid over the window rather than
        // into its layout, so the boxes never move.
        notice = new QLabel(window);
        notice->setObjectName(kNoticeName);
        notice->setAutoFillBackground(true);
        notice->setBackgroundRole(QPalette::ToolTipBase);
        notice->setForegroundRole(QPalette::ToolTipText);
        notice->setFrameShape(QFrame::Box);
        notice->setMargin(2);
        notice->setWordWrap(true);
        notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    notice->setProperty(kOwner, QVariant::fromValue<QObject*>(box_));
    notice->setText(lines.join(QLatin1Char('\n')));
    notice->setFixedWidth(qMin(qMax(box_->width(), 240), window->width()));
    notice->adjustSize();
    // Under the box, or over it where the window ends first.
    const QPoint under = box_->mapTo(window, QPoint(0, box_->height()));
    int y = under.y();
    if (y + notice->height() > window->height())
        y = box_->mapTo(window, QPoint(0, 0)).y() - notice->height();
    const int x = qBound(0, under.x(), qMax(0, window->width() - notice->width()));
    notice->move(x, qMax(0, y));
    notice->raise();
    notice->show();
}

bool StoredLengthValidator::eventFilter(QObject* watched, QEvent* event)
{
    // The note speaks of the box being typed in; it goes when the box is left.
    // The box checks its text once more as it loses the focus, so the note is
    // taken away once that is done.
    if (watched == box_ && (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide)) {
        QTimer::singleShot(0, this, [this] {
            QLabel* notice = fieldNotice(box_->window());
            if (box_->hasFocus())
                return;
            box_->setAccessibleDescription(QString());
            if (notice && notice->property(kOwner).value<QObject*>() == box_)
                notice->hide();
        });
    }
    return QValidator::eventFilter(watched, event);
}

void limitBox(QLineEdit* box, int limit)
{
    box->setValidator(new StoredLengthValidator(limit, box));
}

} // namespace tavrel
