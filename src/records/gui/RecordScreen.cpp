#include "records/gui/RecordScreen.h"

#include "platform/Text.h"
#include "platform/gui/EscapeKey.h"
#include "platform/gui/Windows.h"
#include "records/RecordFields.h"
#include "records/gui/AddressScreen.h"
#include "records/gui/DetailScreen.h"
#include "records/gui/FieldBox.h"
#include "records/gui/RecordActions.h"
#include "records/gui/RecordScreens.h"
#include "store/Program.h"

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

ScreenState screenState(ScreenMode mode)
{
    switch (mode) {
    case ScreenMode::Browse:
        return ScreenState::Browse;
    case ScreenMode::Change:
        return ScreenState::Change;
    case ScreenMode::Delete:
        return ScreenState::Delete;
    case ScreenMode::Add:
    case ScreenMode::AddMult:
        return ScreenState::Add;
    case ScreenMode::Search:
    case ScreenMode::None:
        break;
    }
    return ScreenState::SearchResult;
}

bool isAddMode(ScreenMode mode)
{
    return screenState(mode) == ScreenState::Add;
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

    idFrame_ = new QGroupBox(tr("ID N&umber"), this);
    idFrame_->setObjectName(QStringLiteral("IdFrame"));
    idEdit =
        makeBox(idFrame_, QStringLiteral("BrsTxt1"), tr("Optional ID Number - Up To 4 Digits"), 0);
    idEdit->setMaximumWidth(70);
    optionalLabel = new QLabel(tr("(Optional)"), idFrame_);
    optionalLabel->setObjectName(QStringLiteral("Label3"));
    auto* idRow = new QHBoxLayout(idFrame_);
    idRow->addWidget(idEdit);
    idRow->addWidget(optionalLabel);
    idRow->addStretch();

    browseControlsLabel = new QLabel(tr("Browse Controls"), this);
    browseControlsLabel->setObjectName(QStringLiteral("Label8"));
    browseControlsLabel->setAlignment(Qt::AlignHCenter);
    nextButton = makeButton(this, "BrsCmd1", tr("Ne&xt"),
                            tr("Display The Record That Follows Current Record In The "
                               "N&A File"));
    previousButton = makeButton(this, "BrsCmd4", tr("&Previous"),
                                tr("Display The Record That Precedes The Current Record In "
                                   "The N&A File"));
    deleteButton =
        makeButton(this, "BrsCmd3", tr("&Delete"), tr("Remove This Record From The N&A File"));
    changeButton = makeButton(this, "BrsCmd5", tr("Chan&ge"),
                              tr("Change This N&A Record To Agree With What's Shown On The "
                                 "Screen Now"));
    browseCancelButton =
        makeButton(this, "BrsCmd2", tr("Cance&l"), tr("Return To The Main Screen"));
    addButton = makeButton(this, "BrsCmd7", tr("A&dd"), tr("Add This Record To The N&A File"));
    addCancelButton =
        makeButton(this, "BrsCmd6", tr("Cance&l"), tr("Don't Add This Record To The N&A File"));

    buttonColumn_ = new QVBoxLayout;
    buttonColumn_->addWidget(browseControlsLabel);
    for (QPushButton* b : {nextButton, previousButton, deleteButton, changeButton,
                           browseCancelButton, addButton, addCancelButton})
        buttonColumn_->addWidget(b);
    buttonColumn_->addStretch();

    connect(nextButton, &QPushButton::clicked, this, &RecordScreen::onNextClicked);
    connect(browseCancelButton, &QPushButton::clicked, this, &RecordScreen::onCancelClicked);
    connect(deleteButton, &QPushButton::clicked, this, &RecordScreen::onDeleteClicked);
    connect(previousButton, &QPushButton::clicked, this, &RecordScreen::onPreviousClicked);
    connect(changeButton, &QPushButton::clicked, this, &RecordScreen::onChangeClicked);
    connect(addCancelButton, &QPushButton::clicked, this, &RecordScreen::onCancelClicked);
    connect(addButton, &QPushButton::clicked, this, &RecordScreen::onAddClicked);
    onEscape(this, [this] { onEscapePressed(); });
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

namespace {

int helpContextFor(ScreenMode mode)
{
    switch (mode) {
    case ScreenMode::Add:
        return 25;
    case ScreenMode::AddMult:
        return 30;
    case ScreenMode::Change:
        return 35;
    case ScreenMode::Delete:
        return 40;
    case ScreenMode::Browse:
        return 45;
    case ScreenMode::Search:
        return 60;
    case ScreenMode::None:
        break;
    }
    return 0;
}

} // namespace

void RecordScreen::applyMode()
{
    applyState(screenState(p_.ScreenMode));
}

void RecordScreen::applyState(ScreenState state)
{
    const bool add = state == ScreenState::Add;
    const bool browse = !add && state != ScreenState::SearchResult;
    const QString screen = tr(" - Screen %1 Of 2").arg(number());
    if (browse)
        setWindowTitle(tr("Browse/Change/Delete N&A Records") + screen);
    else if (add)
        setWindowTitle(tr("Add N&A Record"));
    else
        setWindowTitle(tr("Search Result - Matched Record") + screen);
    for (QWidget* w :
         {static_cast<QWidget*>(browseControlsLabel), static_cast<QWidget*>(nextButton),
          static_cast<QWidget*>(previousButton), static_cast<QWidget*>(deleteButton),
          static_cast<QWidget*>(changeButton), static_cast<QWidget*>(browseCancelButton)})
        w->setVisible(browse);
    addButton->setVisible(add);
    addCancelButton->setVisible(add);
    optionalLabel->setVisible(add);
    // F1 opens the topic of the command that opened the screens.
    setProperty("helpContext", helpContextFor(p_.ScreenMode));
    markUnchanged();
}

void RecordScreen::markUnchanged()
{
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setModified(false);
    shownChoices_.clear();
    for (const QComboBox* box : findChildren<QComboBox*>())
        shownChoices_.insert(box, box->currentText());
}

bool RecordScreen::typedSinceShown() const
{
    // The ID box only names the record to show, except for a new record.
    const bool add = isAddMode(p_.ScreenMode);
    for (const QLineEdit* box : findChildren<QLineEdit*>()) {
        if (box->isModified() && !box->isReadOnly() && (add || box != idEdit))
            return true;
    }
    for (const QComboBox* box : findChildren<QComboBox*>()) {
        if (box->currentText() != shownChoices_.value(box))
            return true;
    }
    return false;
}

void RecordScreen::onEscapePressed()
{
    // Only screens that can store what was typed (Add, Change) have anything to lose.
    const bool add = !addButton->isHidden();
    const bool storable = add || !changeButton->isHidden();
    const RecordScreen* screens[] = {this, other()};
    const bool typed = std::any_of(std::begin(screens), std::end(screens),
                                   [](auto* s) { return s && s->typedSinceShown(); });
    if (storable && typed) {
        const QString text =
            add ? tr("This Record Has Not Been Added To The N&A File.\nDiscard What You Typed?")
                : tr("Your Changes To This Record Have Not Been Stored In The N&A File.\n"
                     "Discard Them?");
        if (p_.ui.messageBox(text, kTitle, Ui::Buttons::YesNoDefaultNo, Ui::Icon::Question) !=
            Ui::Answer::Yes)
            return;
    }
    closeRecordScreens(p_);
}

void RecordScreen::focusForMode()
{
    QWidget* target = nullptr;
    switch (screenState(p_.ScreenMode)) {
    case ScreenState::Browse:
        target = nextButton;
        break;
    case ScreenState::Change:
        target = changeButton;
        break;
    case ScreenState::Delete:
        target = deleteButton;
        break;
    case ScreenState::Add:
        target = addModeFocus();
        break;
    case ScreenState::SearchResult:
        break;
    }
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
    else if (p_.ScreenMode == ScreenMode::Search)
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
    if (characterCount(text) * widestCharWidth() > box->width() - frameAndMargins)
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

void RecordScreen::onNextClicked()
{
    nextRecord(p_, *this);
}

void RecordScreen::onCancelClicked()
{
    closeRecordScreens(p_);
}

void RecordScreen::onDeleteClicked()
{
    deleteRecord(p_, *this);
}

void RecordScreen::onPreviousClicked()
{
    previousRecord(p_, *this);
}

void RecordScreen::onChangeClicked()
{
    changeRecord(p_, *this);
}

void RecordScreen::onAddClicked()
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

AddressScreen* loadedScreen1(Program& p)
{
    return findScreen<AddressScreen>(p);
}

DetailScreen* loadedScreen2(Program& p)
{
    // Whoever reads or changes screen 2 sees the record it is to show.
    DetailScreen* two = findScreen<DetailScreen>(p);
    if (two)
        two->catchUp();
    return two;
}

} // namespace tavrel
