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

StoredLengthValidator::StoredLengthValidator(int limit, QObject* parent)
    : QValidator(parent), limit_(limit)
{
}

QValidator::State StoredLengthValidator::validate(QString& text, int& pos) const
{
    int excess = storedLength(text) - limit_;
    if (excess <= 0)
        return Acceptable;
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
    // Text set as a whole with the cursor at its start: cut at the end.
    while (excess > 0 && !text.isEmpty()) {
        const bool pair = text.size() >= 2 && text.back().isLowSurrogate() &&
                          text.at(text.size() - 2).isHighSurrogate();
        text.chop(pair ? 2 : 1);
        --excess;
    }
    pos = qMin(at, int(text.size()));
    return Acceptable;
}

void limitBox(QLineEdit* box, int limit)
{
    box->setValidator(new StoredLengthValidator(limit, box));
}

} // namespace tavrel
