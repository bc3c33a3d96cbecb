#include "shell/AboutDialog.h"

#include "shell/ShellResources.h"
#include "store/Program.h"

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
        return QStringLiteral("Unable To Verify EXE Date And Time");
    const QDateTime t = modified->toLocalTime();
    const QLocale c = QLocale::c();
    return programFile + QStringLiteral("  ") + c.toString(t.date(), QStringLiteral("MM/dd/yy")) +
           QStringLiteral(" At ") + c.toString(t.time(), QStringLiteral("h:mm AP"));
}

AboutDialog::AboutDialog(Program& p, const QString& programFile, Mode mode, QWidget* parent)
    : QDialog(parent)
{
    initShellResources();
    setObjectName(QStringLiteral("AbtForm"));
    setWindowTitle(QStringLiteral("About The Tavrel"));
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
    texts->addWidget(label("Label1", QStringLiteral("The Tavrel (TVL)"), 6, true));
    texts->addWidget(
        label("Label2", QStringLiteral("The Expanded Windows 95/98 Version Of"), 0, false));
    texts->addWidget(label("Label3", QStringLiteral("Corvane Mark32"), 4, true));
    texts->addWidget(label("Label4", QStringLiteral("Version 3.1"), 0, false));

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    text1_ = new QLineEdit(this);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    text1_->setAccessibleName(tr("Program File Date"));
    text1_->setMinimumWidth(360);
    text1_->installEventFilter(this);

    abtCmd1_ = new QPushButton(QStringLiteral("OK"), this);
    abtCmd1_->setObjectName(QStringLiteral("AbtCmd1"));
    abtCmd1_->setDefault(true);
    connect(abtCmd1_, &QPushButton::clicked, this, &AboutDialog::AbtCmd1_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(abtCmd1_);
    buttons->addStretch();

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(18, 18, 18, 14);
    v->addLayout(top);
    v->addSpacing(10);
    v->addWidget(text1_);
    v->addLayout(buttons);

    if (mode == Mode::Splash) {
        text1_->hide();
        abtCmd1_->hide();
        // No title bar on the splash; it stands in the middle of the screen.
        setWindowFlags(Qt::SplashScreen);
        adjustSize();
        if (QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    } else {
        text1_->setText(exeDateText(programFile, p.files.lastModified(programFile)));
        // Wide enough for the whole line where the screen allows.
        const int need = text1_->fontMetrics().horizontalAdvance(text1_->text()) + 24;
        text1_->setMinimumWidth(qBound(360, need, 900));
        text1_->setCursorPosition(0);
        abtCmd1_->setFocus();
    }
}

void AboutDialog::AbtCmd1_Click()
{
    accept();
}

// The date line is for reading only: the focus moves on to the OK button.
bool AboutDialog::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == text1_ && e->type() == QEvent::FocusIn && abtCmd1_->isVisible()) {
        abtCmd1_->setFocus();
        return true;
    }
    return QDialog::eventFilter(watched, e);
}

} // namespace tavrel
