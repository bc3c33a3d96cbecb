#include "search/gui/SearchDialog.h"

#include "platform/gui/Windows.h"
#include "search/SearchRun.h"
#include "search/gui/SearchWindows.h"
#include "store/Program.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

const char* const kFieldCaptions[8] = {
    QT_TRANSLATE_NOOP("tavrel::SearchDialog", "&Name Only (Fast Search)"),
    QT_TRANSLATE_NOOP("tavrel::SearchDialog", "Name &And Mailing Address"),
    QT_TRANSLATE_NOOP("tavrel::SearchDialog", "&Telephone Numbers"),
    QT_TRANSLATE_NOOP("tavrel::SearchDialog", "&Comments"),
    QT_TRANSLATE_NOOP("tavrel::SearchDialog", "Sort Key &1"),
    QT_TRANSLATE_NOOP("tavrel::SearchDialog", "Sort Key &2"),
    QT_TRANSLATE_NOOP("tavrel::SearchDialog", "&E-Mail Address"),
    QT_TRANSLATE_NOOP("tavrel::SearchDialog", "Search All &fields Listed Above"),
};

} // namespace

SearchDialog::SearchDialog(Program& program, QWidget* parent) : QDialog(parent), p(program)
{
    setObjectName(QStringLiteral("SchForm"));
    setWindowTitle(tr("N&A File Search"));
    buildLayout();

    searchTextEdit->installEventFilter(this);
    for (int i = 0; i < 8; ++i)
        connect(fieldChecks[i], &QCheckBox::toggled, this, [this, i] { onFieldChecked(i); });
    connect(saveToListCheck, &QCheckBox::toggled, this, [this] { searchButton->setFocus(); });
    connect(displayMatchesCheck, &QCheckBox::toggled, this, [this] { searchButton->setFocus(); });
    connect(ignoreAccentsCheck, &QCheckBox::toggled, this, [this] { searchButton->setFocus(); });
    connect(searchButton, &QPushButton::clicked, this, &SearchDialog::onSearchClicked);
    connect(cancelButton, &QPushButton::clicked, this, &SearchDialog::onCancelClicked);
}

void SearchDialog::buildLayout()
{
    auto* paramFrame = new QGroupBox(tr("Search &Parameter"));
    searchTextEdit = new QLineEdit;
    searchTextEdit->setObjectName(QStringLiteral("SchTxt1"));
    searchTextEdit->setToolTip(
        tr("Data You Want To Locate In The N&A Records - Up To 35 Characters"));
    searchTextEdit->setMinimumWidth(
        searchTextEdit->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 30);
    auto* paramLayout = new QVBoxLayout(paramFrame);
    paramLayout->addWidget(searchTextEdit);

    auto* fieldsFrame = new QGroupBox(tr("Search Fields"));
    auto* fieldsLayout = new QVBoxLayout(fieldsFrame);
    for (int i = 0; i < 8; ++i) {
        fieldChecks[i] = new QCheckBox(tr(kFieldCaptions[i]));
        fieldChecks[i]->setObjectName(QStringLiteral("SchChk1_%1").arg(i));
        fieldsLayout->addWidget(fieldChecks[i]);
    }

    auto* optionsFrame = new QGroupBox(tr("Options"));
    saveToListCheck = new QCheckBox(tr("Sa&ve Search Results In A Mailing List"));
    saveToListCheck->setObjectName(QStringLiteral("SchChk2"));
    displayMatchesCheck = new QCheckBox(tr("&Display Matching Records"));
    displayMatchesCheck->setObjectName(QStringLiteral("SchChk3"));
    ignoreAccentsCheck = new QCheckBox(tr("&Ignore Accents"));
    ignoreAccentsCheck->setObjectName(QStringLiteral("SchChk4"));
    ignoreAccentsCheck->setToolTip(tr("Find Letters With Or Without Their Accents"));
    ignoreAccentsCheck->setChecked(true);
    auto* optionsLayout = new QVBoxLayout(optionsFrame);
    optionsLayout->addWidget(saveToListCheck);
    optionsLayout->addWidget(displayMatchesCheck);
    optionsLayout->addWidget(ignoreAccentsCheck);

    searchButton = new QPushButton(tr("&Search"));
    searchButton->setObjectName(QStringLiteral("SchCmd1"));
    searchButton->setToolTip(tr("Start The Search"));
    cancelButton = new QPushButton(tr("Cance&l"));
    cancelButton->setObjectName(QStringLiteral("SchCmd2"));
    cancelButton->setToolTip(tr("Don't Perform A Search"));
    // Enter presses the button that has the focus. Neither is made the default
    // here: as the dialog opens, the first of them, "&Search", becomes the one
    // Enter presses from a check box (Enter in the search text only moves on).
    for (QPushButton* b : {searchButton, cancelButton}) {
        b->setAutoDefault(true);
        b->setDefault(false);
    }

    auto* right = new QVBoxLayout;
    right->addWidget(optionsFrame);
    right->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(searchButton);
    buttons->addWidget(cancelButton);
    right->addLayout(buttons);

    auto* middle = new QHBoxLayout;
    middle->addWidget(fieldsFrame);
    middle->addLayout(right);

    auto* top = new QVBoxLayout(this);
    top->addWidget(paramFrame);
    top->addLayout(middle);
    top->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(searchTextEdit, fieldChecks[0]);
    for (int i = 0; i < 7; ++i)
        setTabOrder(fieldChecks[i], fieldChecks[i + 1]);
    setTabOrder(fieldChecks[7], saveToListCheck);
    setTabOrder(saveToListCheck, displayMatchesCheck);
    setTabOrder(displayMatchesCheck, ignoreAccentsCheck);
    setTabOrder(ignoreAccentsCheck, searchButton);
    setTabOrder(searchButton, cancelButton);
}

bool SearchDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the search text only moves on to "&Search"; it does not search.
    if (watched == searchTextEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            searchButton->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SearchDialog::onFieldChecked(int /*index*/)
{
    auto anyOf1To7 = [this] {
        for (int i = 1; i <= 7; ++i) {
            if (fieldChecks[i]->isChecked())
                return true;
        }
        return false;
    };
    const bool nameOnly = fieldChecks[0]->isChecked();
    for (int i = 1; i <= 7; ++i)
        fieldChecks[i]->setEnabled(!nameOnly);
    fieldChecks[0]->setEnabled(!anyOf1To7());
    if (fieldChecks[7]->isChecked()) {
        for (int i = 1; i <= 6; ++i)
            fieldChecks[i]->setEnabled(false);
    }
    searchButton->setFocus();
}

SearchFieldBoxes SearchDialog::tickedBoxes() const
{
    SearchFieldBoxes boxes{};
    for (int i = 0; i < 8; ++i)
        boxes[i] = fieldChecks[i]->isChecked();
    return boxes;
}

void SearchDialog::onSearchClicked()
{
    if (searchTextEdit->text().isEmpty()) {
        p.ui.messageBox(tr("Please Specify A Search Parameter."), kTitle);
        return;
    }
    const SearchFieldBoxes boxes = tickedBoxes();
    if (std::none_of(boxes.begin(), boxes.end(), [](bool b) { return b; })) {
        p.ui.messageBox(tr("Please Select One Or More Search Fields."), kTitle);
        return;
    }

    SearchRequest request;
    request.key = searchTextEdit->text();
    request.boxes = boxes;
    request.saveToList = saveToListCheck->isChecked();
    request.display = displayMatchesCheck->isChecked();
    request.ignoreAccents = ignoreAccentsCheck->isChecked();

    SearchWindows windows(p, this);
    if (runSearch(p, request, windows) == SearchOutcome::Completed)
        windows.finishCompleted();
    else
        windows.finishEnded();
}

void SearchDialog::onCancelClicked()
{
    unloadWindow(this);
}

void SearchDialog::reject()
{
    onCancelClicked();
}

} // namespace tavrel
