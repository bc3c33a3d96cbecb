#pragma once

#include <QDateTime>
#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;

namespace tavrel {

struct Services;

// The About box. At start-up it is the splash (no date line, no OK button);
// from the Help menu it is the About dialog.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    enum class Mode { Splash, About };
    AboutDialog(Services& services, const QString& programFile, Mode mode,
                QWidget* parent = nullptr);

    void onOkClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QLineEdit* dateEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

// The date line: the file name, two blanks, "mm/dd/yy At h:mm AM/PM", or
// "Unable To Verify EXE Date And Time" when the date is not known.
QString exeDateText(const QString& programFile, const std::optional<QDateTime>& modified);

} // namespace tavrel
