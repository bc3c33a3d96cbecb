#pragma once

#include <QString>
#include <QValidator>
#include <functional>

class QLabel;
class QLineEdit;

namespace tavrel {

// Keeps what the user types into `box` within `limit` characters, a
// character outside the basic plane counting once.
// Anything typed or pasted beyond the limit is dropped at the insertion point.
// Text the program sets arrives whole, however long, to be checked where it
// is used; typing into such a box adds nothing to it.
//
// Nothing is dropped or replaced without a word: while the user's text went
// past the limit, or holds letters the N&A file stores as other letters (the
// box keeps the person's own spelling), a short note under the box says so,
// and what the N&A file will hold. A drop also calls
// onCut (the window beeps).
class StoredLengthValidator : public QValidator {
    Q_OBJECT
public:
    StoredLengthValidator(int limit, QLineEdit* box);
    State validate(QString& text, int& pos) const override;
    int limit() const { return limit_; }

    std::function<void()> onCut;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows or hides the box's note for `text`, the box's text after the edit.
    void sayWhatIsStored(const QString& text, bool cut) const;

    QLineEdit* box_;
    int limit_;
    // Length of the box's text before the change being validated.
    mutable int lastLength_ = 0;
};

// Gives `box` a length limit counted the way the file stores text.
void limitBox(QLineEdit* box, int limit);

// The note shown under a box of `window`, or nullptr before any was needed.
QLabel* fieldNotice(QWidget* window);

} // namespace tavrel
