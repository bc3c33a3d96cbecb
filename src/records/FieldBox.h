#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace tavrel {

// Number of bytes `text` takes in the N&A file: one per character, a character
// outside the basic plane (two UTF-16 units) counting once.
int storedLength(QStringView text);

// Keeps a box's text within `limit` stored characters. Anything typed or pasted
// beyond the limit is dropped at the insertion point, as a length limit does.
class StoredLengthValidator : public QValidator {
    Q_OBJECT
public:
    StoredLengthValidator(int limit, QObject* parent);
    State validate(QString& text, int& pos) const override;
    int limit() const { return limit_; }

private:
    int limit_;
};

// Gives `box` a length limit counted the way the file stores text.
void limitBox(QLineEdit* box, int limit);

} // namespace tavrel
