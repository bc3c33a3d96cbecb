#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace tavrel {

// Number of bytes `text` takes in the N&A file: one per character, a character
// outside the basic plane (two UTF-16 units) counting once.
int storedLength(QStringView text);

// Keeps what the user types into `box` within `limit` stored characters.
// Anything typed or pasted beyond the limit is dropped at the insertion point.
// Text the program sets arrives whole, however long, to be checked where it
// is used; typing into such a box adds nothing to it.
class StoredLengthValidator : public QValidator {
    Q_OBJECT
public:
    StoredLengthValidator(int limit, QLineEdit* box);
    State validate(QString& text, int& pos) const override;
    int limit() const { return limit_; }

private:
    QLineEdit* box_;
    int limit_;
    // Stored length of the box's text before the change being validated.
    mutable int lastLength_ = 0;
};

// Gives `box` a length limit counted the way the file stores text.
void limitBox(QLineEdit* box, int limit);

} // namespace tavrel
