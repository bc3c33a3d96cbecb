#include "records/FieldBox.h"

#include <QLineEdit>

namespace tavrel {

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

StoredLengthValidator::StoredLengthValidator(int limit, QLineEdit* box)
    : QValidator(box), box_(box), limit_(limit)
{
}

QValidator::State StoredLengthValidator::validate(QString& text, int& pos) const
{
    const int length = storedLength(text);
    // setText() leaves the box unmodified, an edit by the user marks it
    // modified: only the user's edits are held to the limit, and only what
    // the edit added is dropped.
    int excess = qMin(length - limit_, length - lastLength_);
    if (excess > 0 && box_->isModified()) {
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
    }
    lastLength_ = storedLength(text);
    return Acceptable;
}

void limitBox(QLineEdit* box, int limit)
{
    box->setValidator(new StoredLengthValidator(limit, box));
}

} // namespace tavrel
