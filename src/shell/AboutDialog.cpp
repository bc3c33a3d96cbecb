#include "shell/AboutDialog.h"

#include "platform/Files.h"
#include "shell/ShellResources.h"
#include "store/Services.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tavrel {

QString exeDateText(const QString& programFile, const std::optional<QDateTime>& modified)
{
    if (!modified || !modified->isValid())
        return QCoreApplication::translate("tavrel::AboutDialog",
                                           "Unable To Verify EXE Date And Time");
    const QDateTime t = modified->toLocalTime();
    const QLocale c = QLocale::c();
    return programFile + QStringLiteral("  ") + c.toString(t.date(), QStringLiteral("MM/dd/yy")) +
           QCoreApplication::translate("tavrel::AboutDialog", " At ") +
           c.toString(t.time(), QStringLiteral("h:mm AP"));
}

AboutDialog::AboutDialog(Services& services, const QString& programFile, Mode mode, QWidget* parent)
    : QDialog(parent)
{
    initShellResources();
    setObjectName(QStringLiteral("AbtForm"));
    setWindowTitle(tr("About The Tavrel"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(QIcon(QStringLiteral(":/shell/tavrel.svg")).pixmap(72, 72));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto label = [this](const char* name, const QString& text, int growPoints, bool bold) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setPointSize(f.pointSize() + growPoints);
        f.setBold(bold);
        l->setFont(f);
        return l;
    };
    auto* texts = new QVBoxLayout;
    texts->addWidget(label("Label1", tr("The Tavrel (TVL)"), 6, true));
    texts->addWidget(label("Label2", tr("The Expanded Windows 95/98 Version Of"), 0, false));
    texts->addWidget(label("Label3", tr("Corvane Mark32"), 4, true));
    texts->addWidget(label("Label4", tr("Version 3.1"), 0, false));

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    dateEdit_ = new QLineEdit(this);
    dateEdit_->setObjectName(QStringLiteral("Text1"));
    dateEdit_->setReadOnly(true);
    dateEdit_->setAccessibleName(tr("Program File Date"));
    dateEdit_->setMinimumWidth(360);
    dateEdit_->installEventFilter(this);

    okButton_ = new QPushButton(tr("OK"), this);
    okButton_->setObjectName(QStringLiteral("AbtCmd1"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &AboutDialog::onOkClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addStretch();

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(18, 18, 18, 14);
    v->addLayout(top);
    v->addSpacing(10);
    v->addWidget(dateEdit_);
    v->addLayout(buttons);

    if (mode == Mode::Splash) {
        dateEdit_->hide();
        okButton_->hide();
        // No title bar on the splash; it stands in the middle of the screen.
        setWindowFlags(Qt::SplashScreen);
        adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    } else {
        dateEdit_->setText(exeDateText(programFile, services.files.lastModified(programFile)));
        // Wide enough for the whole line where the screen allows.
        const int need = dateEdit_->fontMetrics().horizontalAdvance(dateEdit_->text()) + 24;
        dateEdit_->setMinimumWidth(qBound(360, need, 900));
        dateEdit_->setCursorPosition(0);
        okButton_->setFocus();
    }
}

void AboutDialog::onOkClicked()
{
    accept();
}

// The date line is for reading only: the focus moves on to the OK button.
bool AboutDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == dateEdit_ && e->type() == QEvent::FocusIn && okButton_->isVisible()) {
        okButton_->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

} // namespace tavrel
