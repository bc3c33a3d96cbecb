#include "shell/MainWindow.h"

#include <QAction>
#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

namespace tavrel {

// The toolbar of the main window: twelve picture buttons in three captioned
// groups. At the desktop's usual font it keeps the sizes it was drawn with (in
// twips, 15 to a pixel); the captions are laid out by their texts, so a larger
// desktop font widens a group instead of clipping its caption.

namespace {

constexpr int kButton = 40;        // 600 twips
constexpr int kEdge = 8;           // 120 twips to the left of and above the buttons
constexpr int kCaptionGap = 4;     // between the buttons and their caption
constexpr int kCaptionHeight = 18; // at the usual font
constexpr int kRightEdge = 16;     // the strip is 592 pixels wide
constexpr int kBottomEdge = 4;     // and 74 high

struct ButtonSpec {
    const char* name;
    const char* tip;
    const char* action;
};

const ButtonSpec kButtons[] = {
    {"ToolAddOne", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Add One New N&A Record"), "AddMenu"},
    {"ToolAddMany", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Add One Or More New N&A Records"),
     "AddMultRecsMenu"},
    {"ToolPrt", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Print A Report Using N&A Data"),
     "PrintMenu"},
    {"ToolSrch", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Search The N&A File"), "SearchMenu"},
    {"ToolQuik", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Quickly Locate A Desired N&A Record"),
     "ShortListMenu"},
    {"ToolDups", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Search N&A File For Duplicates"),
     "FindDupsMenu"},
    {"EnvButton", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Print Envelopes"), "EnvelopePrintMenu"},
    {"ToolInfo", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Get Info About Corvane MARK 32"),
     "AboutTVLMenu"},
    {"ToolHelp", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Invoke The Corvane MARK32 Help System"),
     "ContentsMenu"},
    {"ToolMLNew", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Create A New Mailing List"),
     "MailListCreate"},
    {"ToolMLChg", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Change An Existing Mailing List"),
     "MailListRevise"},
    {"ToolMLShow",
     QT_TRANSLATE_NOOP("tavrel::MainWindow", "Display Contents Of An Existing Mailing List"),
     "MailListRevise"},
};

// A group of buttons (kButtons[first] up to, not including, kButtons[end]) with
// its caption; `gapBefore` pixels keep it from the group on its left, and its
// caption is at least `width` pixels wide, as drawn.
struct GroupSpec {
    const char* captionName;
    const char* caption;
    int first, end;
    int width;
    int gapBefore;
};

const GroupSpec kGroups[] = {
    {"Label2", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Name And Address File"), 0, 7, 280, 0},
    {"Label3", QT_TRANSLATE_NOOP("tavrel::MainWindow", "About    Help"), 7, 9, 96, 40},
    {"Label4", QT_TRANSLATE_NOOP("tavrel::MainWindow", "Mailing List Files"), 9, 12, 120, 32},
};

} // namespace

QToolButton* MainWindow::addButton(const QString& name, const QString& toolTip, QAction* action)
{
    auto* b = new QToolButton(toolBar_);
    b->setObjectName(name);
    b->setToolTip(toolTip);
    // The buttons show only pictures and never take the focus: a screen
    // reader names them by what they do.
    b->setAccessibleName(toolTip);
    b->setIcon(QIcon(QStringLiteral(":/shell/icons/%1.svg").arg(name)));
    b->setIconSize(QSize(32, 32));
    b->setAutoRaise(false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFixedSize(kButton, kButton);
    connect(b, &QToolButton::clicked, action, &QAction::trigger);
    return b;
}

QLayout* MainWindow::buildButtonGroup(int group)
{
    const GroupSpec& g = kGroups[group];
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addStretch();
    for (int i = g.first; i < g.end; ++i) {
        const ButtonSpec& button = kButtons[i];
        buttons->addWidget(addButton(QLatin1String(button.name), tr(button.tip),
                                     findChild<QAction*>(QLatin1String(button.action))));
    }
    buttons->addStretch();

    auto* caption = new QLabel(tr(g.caption), toolBar_);
    caption->setObjectName(QLatin1String(g.captionName));
    caption->setAlignment(Qt::AlignCenter);
    // The drawn size is the least; the text's own size hint widens it.
    caption->setMinimumSize(g.width, kCaptionHeight);

    auto* column = new QVBoxLayout;
    column->setSpacing(kCaptionGap);
    column->addLayout(buttons);
    column->addWidget(caption);
    return column;
}

void MainWindow::buildToolBar()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainArea"));
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(0, 0, 0, 0);

    toolBar_ = new QWidget(central);
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* strip = new QHBoxLayout(toolBar_);
    strip->setContentsMargins(kEdge, kEdge, kRightEdge, kBottomEdge);
    strip->setSpacing(0);
    for (int group = 0; group < int(std::size(kGroups)); ++group) {
        strip->addSpacing(kGroups[group].gapBefore);
        strip->addLayout(buildButtonGroup(group));
    }

    helpHintLabel_ = new QLabel(tr("Press F1 For Help"), central);
    helpHintLabel_->setObjectName(QStringLiteral("Label1"));
    helpHintLabel_->setAlignment(Qt::AlignCenter);
    // Where the toolbar was; it also takes the room the hidden menu bar leaves.
    helpHintLabel_->setMinimumSize(toolBar_->sizeHint());
    helpHintLabel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // A strip in the colours of a button, so it stands out in a light or a dark palette.
    helpHintLabel_->setAutoFillBackground(true);
    helpHintLabel_->setBackgroundRole(QPalette::Button);
    helpHintLabel_->setForegroundRole(QPalette::ButtonText);
    QFont f = helpHintLabel_->font();
    f.setPointSize(f.pointSize() + 4);
    f.setBold(true);
    helpHintLabel_->setFont(f);
    helpHintLabel_->hide();

    grid->addWidget(toolBar_, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(helpHintLabel_, 0, 0);
    setCentralWidget(central);
}

} // namespace tavrel
