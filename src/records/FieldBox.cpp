#include "records/FieldBox.h"

#include "platform/Text.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace tavrel {

namespace {

const QString kNoticeName = QStringLiteral("FieldNotice");
const char* const kOwner = "noticeOwner";

} // namespace

int storedLength(QStringView text)
{
    int n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        ++n;
    }
    return n;
}

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
    const int length = storedLength(text);
    // setText() leaves the box unmodified, an edit by the user marks it
    // modified: only the user's edits are held to the limit, and only what
    // the edit added is dropped.
    int excess = qMin(length - limit_, length - lastLength_);
    const bool byUser = box_->isModified();
    const bool cut = excess > 0 && byUser;
    if (cut) {
        // Drop characters just before the cursor: that is what was just typed or pasted.
        int at = qBound(0, pos, int(text.size()));
        while (excess > 0 && at > 0) {
            int width = 1;
            if (at >= 2 && text.at(at - 1).isLowSurrogate() && text.at(at - 2).isHighSurrogate())
                width = 2;
            text.remove(at - width, width);
            at -= width;
            --excess;
        }
        pos = qMin(at, int(text.size()));
        if (onCut)
            onCut();
    }
    lastLength_ = storedLength(text);
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
    const QString stored = reduceToCp1252(text, &replaced);
    if (replaced)
        lines << tr("Will be stored as \"%1\".").arg(stored);
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
            if (notice && notice->property(kOwner).value<QObject*>() == box_ && !box_->hasFocus())
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
