#include "records/RecordScreen.h"

#include "platform/Text.h"
#include "platform/gui/Windows.h"
#include "records/BrsForma.h"
#include "records/BrsFormb.h"
#include "records/FieldBox.h"
#include "records/RecordActions.h"
#include "records/RecordScreens.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tavrel {

bool isAddMode(const QString& mode)
{
    return mode == QLatin1String("Add") || mode == QLatin1String("AddMult");
}

bool isBrowseMode(const QString& mode)
{
    return mode == QLatin1String("Browse") || mode == QLatin1String("Change") ||
           mode == QLatin1String("Delete");
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, const QString& tip, int limit)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    if (limit > 0)
        limitBox(box, limit);
    return box;
}

RecordScreen::RecordScreen(Program& p, std::shared_ptr<RecordSession> session, QWidget* parent)
    : QWidget(parent, Qt::Window), p_(p), session_(std::move(session))
{
    // Records hold Windows-1252 text, whose Latin letters need no glyph
    // shaping (scripts that do need it are still shaped). Skipping it saves
    // a quarter of what showing a record costs, which Next does on every press.
    QFont plain = font();
    plain.setStyleStrategy(QFont::PreferNoShaping);
    setFont(plain);

    idFrame_ = new QGroupBox(QStringLiteral("ID N&umber"), this);
    idFrame_->setObjectName(QStringLiteral("IdFrame"));
    BrsTxt1 = makeBox(idFrame_, QStringLiteral("BrsTxt1"),
                      QStringLiteral("Optional ID Number - Up To 4 Digits"), 0);
    BrsTxt1->setMaximumWidth(70);
    Label3 = new QLabel(QStringLiteral("(Optional)"), idFrame_);
    Label3->setObjectName(QStringLiteral("Label3"));
    auto* idRow = new QHBoxLayout(idFrame_);
    idRow->addWidget(BrsTxt1);
    idRow->addWidget(Label3);
    idRow->addStretch();

    Label8 = new QLabel(QStringLiteral("Browse Controls"), this);
    Label8->setObjectName(QStringLiteral("Label8"));
    Label8->setAlignment(Qt::AlignHCenter);
    BrsCmd1 = makeButton(this, "BrsCmd1", QStringLiteral("Ne&xt"),
                         QStringLiteral("Display The Record That Follows Current Record In The "
                                        "N&A File"));
    BrsCmd4 = makeButton(this, "BrsCmd4", QStringLiteral("&Previous"),
                         QStringLiteral("Display The Record That Precedes The Current Record In "
                                        "The N&A File"));
    BrsCmd3 = makeButton(this, "BrsCmd3", QStringLiteral("&Delete"),
                         QStringLiteral("Remove This Record From The N&A File"));
    BrsCmd5 = makeButton(this, "BrsCmd5", QStringLiteral("Chan&ge"),
                         QStringLiteral("Change This N&A Record To Agree With What's Shown On The "
                                        "Screen Now"));
    BrsCmd2 = makeButton(this, "BrsCmd2", QStringLiteral("Cance&l"),
                         QStringLiteral("Return To The Main Screen"));
    BrsCmd7 = makeButton(this, "BrsCmd7", QStringLiteral("A&dd"),
                         QStringLiteral("Add This Record To The N&A File"));
    BrsCmd6 = makeButton(this, "BrsCmd6", QStringLiteral("Cance&l"),
                         QStringLiteral("Don't Add This Record To The N&A File"));

    buttonColumn_ = new QVBoxLayout;
    buttonColumn_->addWidget(Label8);
    for (QPushButton* b : {BrsCmd1, BrsCmd4, BrsCmd3, BrsCmd5, BrsCmd2, BrsCmd7, BrsCmd6})
        buttonColumn_->addWidget(b);
    buttonColumn_->addStretch();

    connect(BrsCmd1, &QPushButton::clicked, this, &RecordScreen::BrsCmd1_Click);
    connect(BrsCmd2, &QPushButton::clicked, this, &RecordScreen::BrsCmd2_Click);
    connect(BrsCmd3, &QPushButton::clicked, this, &RecordScreen::BrsCmd3_Click);
    connect(BrsCmd4, &QPushButton::clicked, this, &RecordScreen::BrsCmd4_Click);
    connect(BrsCmd5, &QPushButton::clicked, this, &RecordScreen::BrsCmd5_Click);
    connect(BrsCmd6, &QPushButton::clicked, this, &RecordScreen::BrsCmd6_Click);
    connect(BrsCmd7, &QPushButton::clicked, this, &RecordScreen::BrsCmd7_Click);
}

void RecordScreen::beepOnCut()
{
    const auto validators = findChildren<StoredLengthValidator*>();
    for (StoredLengthValidator* v : validators)
        v->onCut = [this] { p_.ui.beep(); };
}

RecordScreen* RecordScreen::other() const
{
    if (number() == 1)
        return session_->two.data();
    return session_->one.data();
}

void RecordScreen::applyMode()
{
    const QString& mode = p_.ScreenMode;
    const bool browse = isBrowseMode(mode);
    const bool add = isAddMode(mode);
    const QString screen = QStringLiteral(" - Screen %1 Of 2").arg(number());
    if (browse)
        setWindowTitle(QStringLiteral("Browse/Change/Delete N&A Records") + screen);
    else if (add)
        setWindowTitle(QStringLiteral("Add N&A Record"));
    else
        setWindowTitle(QStringLiteral("Search Result - Matched Record") + screen);
    for (QWidget* w : {static_cast<QWidget*>(Label8), static_cast<QWidget*>(BrsCmd1),
                       static_cast<QWidget*>(BrsCmd4), static_cast<QWidget*>(BrsCmd3),
                       static_cast<QWidget*>(BrsCmd5), static_cast<QWidget*>(BrsCmd2)})
        w->setVisible(browse);
    BrsCmd7->setVisible(add);
    BrsCmd6->setVisible(add);
    Label3->setVisible(add);
}

void RecordScreen::focusForMode()
{
    const QString& mode = p_.ScreenMode;
    QWidget* target = nullptr;
    if (mode == QLatin1String("Browse"))
        target = BrsCmd1;
    else if (mode == QLatin1String("Change"))
        target = BrsCmd5;
    else if (mode == QLatin1String("Delete"))
        target = BrsCmd3;
    else if (isAddMode(mode))
        target = addModeFocus();
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

void RecordScreen::place()
{
    // Both screens take the same size, so switching does not make the window jump.
    if (RecordScreen* o = other()) {
        const QSize a = sizeHint().expandedTo(minimumSizeHint());
        const QSize b = o->sizeHint().expandedTo(o->minimumSizeHint());
        resize(a.expandedTo(b));
    } else {
        adjustSize();
    }
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const double twips = 1440.0 / qMax(1.0, screen->logicalDotsPerInchY());
    const QSize frame = frameGeometry().size().expandedTo(size());
    const int x = area.x() + (area.width() - frame.width()) / 2;
    int y;
    if (p_.ScreenSizeFigure >= 90)
        y = area.y() + (area.height() - frame.height()) / 2;
    else if (p_.ScreenMode == QLatin1String("Search"))
        y = area.y() + int(100 / twips + 0.5);
    else
        y = area.y() + area.height() - frame.height() - int(300 / twips + 0.5);
    move(qMax(area.x(), x), qMax(area.y(), y));
}

int RecordScreen::widestCharWidth()
{
    if (widestChar_ == 0) {
        QByteArray printable;
        for (int b = 0x20; b <= 0xFF; ++b)
            printable.append(char(b));
        const QFontMetrics metrics(font());
        for (QChar c : cp1252ToUnicode(printable))
            widestChar_ = qMax(widestChar_, metrics.horizontalAdvance(c));
    }
    return widestChar_;
}

void RecordScreen::showText(QLineEdit* box, QStringView text)
{
    // Browsing refills every box; leaving equal ones alone keeps Next quick.
    if (box->text() == text)
        return;
    box->setText(text.toString());
    // The text box leaves the cursor after the text. That only shows when the
    // text may be wider than the box, and only then is it moved to the start:
    // moving it costs a good part of what filling the box does.
    const int frameAndMargins = 12;
    if (storedLength(text) * widestCharWidth() > box->width() - frameAndMargins)
        box->setCursorPosition(0);
}

void RecordScreen::showText(QComboBox* box, QStringView text)
{
    if (box->currentText() != text)
        box->setEditText(text.toString());
}

void RecordScreen::showInstead()
{
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        raise();
    activateWindow();
    if (RecordScreen* o = other())
        o->hide();
    focusForMode();
}

void RecordScreen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        widestChar_ = 0;
    QWidget::changeEvent(event);
}

void RecordScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (session_->closing)
        return;
    session_->closing = true;
    if (RecordScreen* o = other())
        unloadWindow(o);
    unloadWindow(this);
}

void RecordScreen::BrsCmd1_Click()
{
    nextRecord(p_, *this);
}

void RecordScreen::BrsCmd2_Click()
{
    closeRecordScreens(p_);
}

void RecordScreen::BrsCmd3_Click()
{
    deleteRecord(p_, *this);
}

void RecordScreen::BrsCmd4_Click()
{
    previousRecord(p_, *this);
}

void RecordScreen::BrsCmd5_Click()
{
    changeRecord(p_, *this);
}

void RecordScreen::BrsCmd6_Click()
{
    closeRecordScreens(p_);
}

void RecordScreen::BrsCmd7_Click()
{
    addRecord(p_, *this);
}

namespace {

template <typename T> T* findScreen(Program& p)
{
    const auto all = QApplication::topLevelWidgets();
    for (QWidget* w : all) {
        auto* s = qobject_cast<T*>(w);
        if (s && &s->program() == &p && isLoaded(s) && !s->session().closing)
            return s;
    }
    return nullptr;
}

} // namespace

BrsForma* loadedScreen1(Program& p)
{
    return findScreen<BrsForma>(p);
}

BrsFormb* loadedScreen2(Program& p)
{
    // Whoever reads or changes screen 2 sees the record it is to show.
    BrsFormb* two = findScreen<BrsFormb>(p);
    if (two)
        two->catchUp();
    return two;
}

} // namespace tavrel
