#include "reports/PrtForm.h"

#include "envelopes/EnvelopeCommands.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/Text.h"
#include "platform/gui/ListClick.h"
#include "platform/gui/Named.h"
#include "platform/gui/Windows.h"
#include "reports/CancelForm.h"
#include "reports/StopPrintForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

constexpr int kLabels = 4;
constexpr int kCards = 5;
constexpr int kEnvelopes = 6;
constexpr int kLastPage = 32000;

const char* const kKindCaptions[7] = {
    "Name And Address &Book",
    "&Telephone List",
    "&Abbreviated Telephone List",
    "N&&A &Database Listing",
    "&Mailing Labels",
    "Rotary Fil&e Cards",
    "En&velopes",
};
const char* const kSequenceCaptions[5] = {
    "Sort On Key &1",
    "Sort On Key &2",
    "Sort On &Key 1 (Major) + Key 2 (Minor)",
    "Sort On Ke&y 2 (Major) + Key 1 (Minor)",
    "Do Not &Sort Records",
};
const char* const kLabelStockCaptions[3] = {
    "1-Across Labels (1\" &x 3 1/2\")",
    "2-Ac&ross Labels (1\" x 4\")",
    "&3-Across Labels (1\" x 2 5/8\")",
};
const char* const kCardStockCaptions[2] = {"1-A&cross Card Stock", "2-Ac&ross Card Stock"};

template <std::size_t N>
void makeOptions(std::array<QRadioButton*, N>& options, const char* name,
                 const char* const (&captions)[N], QWidget* parent, QBoxLayout* layout)
{
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = new QRadioButton(QString::fromUtf8(captions[i]), parent);
        options[i]->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        layout->addWidget(options[i]);
    }
}

template <std::size_t N> int checkedIndex(const std::array<QRadioButton*, N>& options)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (options[i]->isChecked())
            return int(i);
    }
    return 0;
}

// A page number as the range boxes read it: the leading digits, 0 when none.
int pageValue(const QString& text)
{
    const QString t = text.trimmed();
    int n = 0;
    for (QChar c : t) {
        if (!c.isDigit() || n > kLastPage)
            break;
        n = n * 10 + c.digitValue();
    }
    return n;
}

// The small windows of a run, shown without blocking and closed by the run
// (StopPrintForm also closes itself when its Cancel is pressed).
class DialogRunWindows : public RunWindows {
public:
    explicit DialogRunWindows(Program& p) : p_(p) {}
    ~DialogRunWindows() override
    {
        closePreparing();
        closeProgress();
    }

    void showPreparing() override
    {
        preparing_ = new CancelForm;
        showInFront(preparing_);
        p_.ui.processEvents(); // paint it before the records are collected
    }
    void closePreparing() override { unloadWindow(preparing_); }
    void showProgress() override
    {
        progress_ = new StopPrintForm(p_);
        showInFront(progress_, true);
    }
    void showLastPageCompleted(int pageNo) override
    {
        if (progress_)
            progress_->showLastPage(pageNo);
    }
    void closeProgress() override { unloadWindow(progress_); }

private:
    Program& p_;
    QPointer<CancelForm> preparing_;
    QPointer<StopPrintForm> progress_;
};

} // namespace

PrtForm::PrtForm(Program& p) : QWidget(nullptr, Qt::Window), p_(p)
{
    setObjectName(QStringLiteral("PrtForm"));
    setWindowTitle(QStringLiteral("Print"));
    buildLayout();

    PrtOpt3[0]->setChecked(true);
    PrtOpt1[0]->setChecked(true);
    PrtOpt2[0]->setChecked(true);
    PrtOpt4[0]->setChecked(true);
    PrtOpt7[0]->setChecked(true);
    PrtTxt12->setText(QStringLiteral("1"));
    PrtFil1->addItems(listMailListFiles(p_, kMailListPattern));
    clearCurrentLine(PrtFil1);

    PrtFrm6->setEnabled(false);
    for (QRadioButton* o : PrtOpt4)
        o->setEnabled(false);
    PrtFrm7->hide();
    setQuantityEnabled(false);
    PrtLbl3->hide();
    setPickerVisible(false);
    setRangeVisible(false);

    p_.Report.LabelItalic = 0;
    p_.Report.LabelUpper = 0;
    p_.printer.setFontItalic(false);

    connectHandlers();
}

void PrtForm::buildLayout()
{
    Frame1 = named(new QGroupBox(QStringLiteral("Report Type"), this), "Frame1");
    auto* kinds = new QVBoxLayout(Frame1);
    makeOptions(PrtOpt3, "PrtOpt3", kKindCaptions, Frame1, kinds);
    PrtOpt3[kEnvelopes]->setToolTip(QStringLiteral("Print Envelope(s)"));
    PrtChk1 = named(new QCheckBox(QStringLiteral("Lar&ge Print"), Frame1), "PrtChk1",
                    QStringLiteral("Produce N&A Book With Large Type"));
    kinds->insertWidget(1, PrtChk1);
    PrtChk1->setContentsMargins(22, 0, 0, 0);

    Frame3 = named(new QGroupBox(QStringLiteral("Report Source"), this), "Frame3");
    auto* sources = new QVBoxLayout(Frame3);
    const char* const sourceCaptions[2] = {"&N&&A File", "Mailing List  &File"};
    makeOptions(PrtOpt1, "PrtOpt1", sourceCaptions, Frame3, sources);
    PrtLbl3 = named(new QLabel(Frame3), "PrtLbl3");
    sources->addWidget(PrtLbl3);
    sources->addStretch(1);

    PrtFrm2 = named(new QGroupBox(QStringLiteral("Report Sequence"), this), "PrtFrm2");
    auto* sequence = new QVBoxLayout(PrtFrm2);
    makeOptions(PrtOpt2, "PrtOpt2", kSequenceCaptions, PrtFrm2, sequence);
    sequence->addStretch(1);

    PrtFrm4 = named(new QGroupBox(QStringLiteral("&Report Title (Optional)"), this), "PrtFrm4");
    PrtTxt3 = named(new QLineEdit(PrtFrm4), "PrtTxt3",
                    QStringLiteral("Title To Print Above Report Name - Up To 60 Characters"));
    PrtTxt3->setMaxLength(60);
    PrtTxt3->setMinimumWidth(PrtTxt3->fontMetrics().averageCharWidth() * 62);
    (new QVBoxLayout(PrtFrm4))->addWidget(PrtTxt3);

    PrtFrm6 = named(new QGroupBox(QStringLiteral("Label Stock"), this), "PrtFrm6");
    auto* labelStock = new QVBoxLayout(PrtFrm6);
    makeOptions(PrtOpt4, "PrtOpt4", kLabelStockCaptions, PrtFrm6, labelStock);
    PrtFrm7 = named(new QGroupBox(QStringLiteral("Rotary File Card Stock"), this), "PrtFrm7");
    auto* cardStock = new QVBoxLayout(PrtFrm7);
    makeOptions(PrtOpt7, "PrtOpt7", kCardStockCaptions, PrtFrm7, cardStock);
    cardStock->addStretch(1);

    PrtFrm12 = named(new QGroupBox(QStringLiteral("Label &Quantity"), this), "PrtFrm12");
    PrtTxt12 = named(new QLineEdit(PrtFrm12), "PrtTxt12");
    PrtTxt12->setMaxLength(4);
    PrtTxt12->setFixedWidth(PrtTxt12->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 5 + 14);
    PrtLbl12 =
        named(new QLabel(QStringLiteral("Number Of Labels Per Address"), PrtFrm12), "PrtLbl12");
    PrtLbl12->setBuddy(PrtTxt12);
    auto* quantity = new QVBoxLayout(PrtFrm12);
    quantity->addWidget(PrtTxt12);
    quantity->addWidget(PrtLbl12);
    quantity->addStretch(1);

    // The mailing list picker takes the place of the title, stock and quantity.
    PrtLbl11 = named(new QLabel(QStringLiteral("S&elect Mailing List:"), this), "PrtLbl11");
    PrtFil1 = named(new QListWidget(this), "PrtFil1");
    PrtFil1->setMaximumHeight(96);
    PrtLbl11->setBuddy(PrtFil1);
    PrtLbl10 = named(new QLabel(QStringLiteral("Mailing List Title:"), this), "PrtLbl10");
    PrtTxt4 = named(new QLineEdit(this), "PrtTxt4");
    PrtTxt4->setReadOnly(true);
    PrtTxt4->setFocusPolicy(Qt::NoFocus);
    PrtTxt4->setMinimumWidth(PrtTxt4->fontMetrics().averageCharWidth() * 42);
    PrtCmd3 = named(new QPushButton(QStringLiteral("&OK"), this), "PrtCmd3",
                    QStringLiteral("Print From The Selected Mailing List"));
    PrtCmd4 = named(new QPushButton(QStringLiteral("Cance&l"), this), "PrtCmd4",
                    QStringLiteral("Don't Print From A Mailing List"));

    PrtChk3 = named(new QCheckBox(QStringLiteral("D&uplex (2-Side) Printing"), this), "PrtChk3");
    PrtChk2 = named(new QCheckBox(QStringLiteral("Repr&int Part Of A Report"), this), "PrtChk2");

    // The range boxes take the place of the report sequence.
    PrtLbl1 = named(new QLabel(QStringLiteral("Reprint From Page"), this), "PrtLbl1");
    PrtTxt1 = named(new QLineEdit(this), "PrtTxt1");
    PrtLbl2 = named(new QLabel(QStringLiteral("Through Page"), this), "PrtLbl2");
    PrtTxt2 = named(new QLineEdit(this), "PrtTxt2");
    for (QLineEdit* box : {PrtTxt1, PrtTxt2}) {
        box->setMaxLength(5);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 6 + 14);
    }
    PrtLbl1->setBuddy(PrtTxt1);
    PrtLbl2->setBuddy(PrtTxt2);
    PrtCmd5 = named(new QPushButton(QStringLiteral("&OK"), this), "PrtCmd5",
                    QStringLiteral("Reprint The Specified Pages"));
    PrtCmd6 = named(new QPushButton(QStringLiteral("Cance&l"), this), "PrtCmd6",
                    QStringLiteral("Don't Do A Reprint"));

    PrtCmd1 = named(new QPushButton(QStringLiteral("&Print"), this), "PrtCmd1",
                    QStringLiteral("Start Printing The Report"));
    PrtCmd2 = named(new QPushButton(QStringLiteral("Cance&l"), this), "PrtCmd2",
                    QStringLiteral("Don't Print A Report"));
    // Enter presses the button that has the focus, never a hidden default.
    for (QPushButton* b : {PrtCmd1, PrtCmd2, PrtCmd3, PrtCmd4, PrtCmd5, PrtCmd6}) {
        b->setAutoDefault(true);
        b->setMinimumWidth(90);
    }

    auto* range = new QGridLayout;
    range->addWidget(PrtLbl1, 0, 0);
    range->addWidget(PrtTxt1, 0, 1);
    range->addWidget(PrtLbl2, 1, 0);
    range->addWidget(PrtTxt2, 1, 1);
    auto* rangeButtons = new QHBoxLayout;
    rangeButtons->addWidget(PrtCmd5);
    rangeButtons->addWidget(PrtCmd6);
    rangeButtons->addStretch(1);
    range->addLayout(rangeButtons, 2, 0, 1, 2);
    range->setRowStretch(3, 1);
    range->setColumnStretch(2, 1);

    auto* stock = new QHBoxLayout;
    stock->addWidget(PrtFrm6);
    stock->addWidget(PrtFrm7);
    stock->addWidget(PrtFrm12, 1);
    auto* details = new QVBoxLayout;
    details->addWidget(PrtFrm4);
    details->addLayout(stock);
    details->addStretch(1);

    auto* pickerFiles = new QVBoxLayout;
    pickerFiles->addWidget(PrtLbl11);
    pickerFiles->addWidget(PrtFil1);
    pickerFiles->addStretch(1);
    auto* pickerButtons = new QHBoxLayout;
    pickerButtons->addWidget(PrtCmd3);
    pickerButtons->addWidget(PrtCmd4);
    pickerButtons->addStretch(1);
    auto* pickerTitle = new QVBoxLayout;
    pickerTitle->addWidget(PrtLbl10);
    pickerTitle->addWidget(PrtTxt4);
    pickerTitle->addLayout(pickerButtons);
    pickerTitle->addStretch(1);
    auto* picker = new QHBoxLayout;
    picker->addLayout(pickerFiles);
    picker->addLayout(pickerTitle, 1);

    auto* checks = new QVBoxLayout;
    checks->addWidget(PrtChk3);
    checks->addWidget(PrtChk2);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(checks);
    bottom->addStretch(1);
    bottom->addWidget(PrtCmd1, 0, Qt::AlignBottom);
    bottom->addWidget(PrtCmd2, 0, Qt::AlignBottom);

    // Cells shared by controls that never show together.
    auto* grid = new QGridLayout(this);
    grid->addWidget(Frame1, 0, 0);
    grid->addWidget(Frame3, 1, 0);
    grid->addWidget(PrtFrm2, 0, 1);
    grid->addLayout(range, 0, 1);
    grid->addLayout(details, 1, 1);
    grid->addLayout(picker, 1, 1);
    grid->addLayout(bottom, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);

    setTabOrder(PrtOpt3[0], PrtChk1);
    setTabOrder(PrtChk1, PrtOpt3[1]);
    for (int i = 1; i < 6; ++i)
        setTabOrder(PrtOpt3[i], PrtOpt3[i + 1]);
    const QList<QWidget*> order = {
        PrtOpt3[6], PrtOpt1[0], PrtOpt1[1], PrtOpt2[0], PrtOpt2[1], PrtOpt2[2], PrtOpt2[3],
        PrtOpt2[4], PrtTxt1,    PrtTxt2,    PrtCmd5,    PrtCmd6,    PrtTxt3,    PrtOpt4[0],
        PrtOpt4[1], PrtOpt4[2], PrtOpt7[0], PrtOpt7[1], PrtTxt12,   PrtFil1,    PrtCmd3,
        PrtCmd4,    PrtChk3,    PrtChk2,    PrtCmd1,    PrtCmd2};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void PrtForm::connectHandlers()
{
    auto onSelected = [this](QRadioButton* option, auto handler) {
        connect(option, &QRadioButton::toggled, this, [handler](bool on) {
            if (on)
                handler();
        });
    };
    for (int i = 0; i < 7; ++i)
        onSelected(PrtOpt3[i], [this, i] { PrtOpt3_Click(i); });
    for (int i = 0; i < 2; ++i)
        onSelected(PrtOpt1[i], [this, i] { PrtOpt1_Click(i); });
    for (QRadioButton* o : PrtOpt2)
        onSelected(o, [this] { focusCommand(); });
    for (QRadioButton* o : PrtOpt4)
        onSelected(o, [this] { focusCommand(); });
    for (QRadioButton* o : PrtOpt7)
        onSelected(o, [this] { focusCommand(); });
    connect(PrtChk1, &QCheckBox::clicked, this, &PrtForm::focusCommand);
    connect(PrtChk3, &QCheckBox::clicked, this, &PrtForm::focusCommand);
    connect(PrtChk2, &QCheckBox::clicked, this, &PrtForm::PrtChk2_Click);

    // The title follows the selection, by mouse or keys; only a mouse click
    // moves on to OK, so the arrow keys can travel through the list.
    onListClick(PrtFil1, [this](ListClick how) { PrtFil1_Click(how == ListClick::Mouse); });

    connect(PrtCmd1, &QPushButton::clicked, this, &PrtForm::PrtCmd1_Click);
    connect(PrtCmd2, &QPushButton::clicked, this, &PrtForm::PrtCmd2_Click);
    connect(PrtCmd3, &QPushButton::clicked, this, &PrtForm::PrtCmd3_Click);
    connect(PrtCmd4, &QPushButton::clicked, this, &PrtForm::PrtCmd4_Click);
    connect(PrtCmd5, &QPushButton::clicked, this, &PrtForm::PrtCmd5_Click);
    connect(PrtCmd6, &QPushButton::clicked, this, &PrtForm::PrtCmd6_Click);
}

// --- what shows ---

bool PrtForm::pickerShowing() const
{
    return !PrtFil1->isHidden();
}

bool PrtForm::rangeShowing() const
{
    return !PrtCmd5->isHidden();
}

void PrtForm::focusCommand()
{
    for (QPushButton* b : {PrtCmd1, PrtCmd3, PrtCmd5}) {
        if (!b->isHidden()) {
            b->setFocus();
            return;
        }
    }
}

void PrtForm::setQuantityEnabled(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(PrtFrm12), static_cast<QWidget*>(PrtTxt12),
                       static_cast<QWidget*>(PrtLbl12)})
        w->setEnabled(on);
}

void PrtForm::setQuantityVisible(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(PrtFrm12), static_cast<QWidget*>(PrtTxt12),
                       static_cast<QWidget*>(PrtLbl12)})
        w->setVisible(on);
}

void PrtForm::setPickerVisible(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(PrtLbl11), static_cast<QWidget*>(PrtFil1),
                       static_cast<QWidget*>(PrtLbl10), static_cast<QWidget*>(PrtTxt4),
                       static_cast<QWidget*>(PrtCmd3), static_cast<QWidget*>(PrtCmd4)})
        w->setVisible(on);
    // One button state at a time: no range entry while a list is being picked.
    PrtChk2->setEnabled(!on);
}

void PrtForm::setRangeVisible(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(PrtLbl1), static_cast<QWidget*>(PrtTxt1),
                       static_cast<QWidget*>(PrtLbl2), static_cast<QWidget*>(PrtTxt2),
                       static_cast<QWidget*>(PrtCmd5), static_cast<QWidget*>(PrtCmd6)})
        w->setVisible(on);
    PrtFrm2->setVisible(!on);
    // ...and no change of source while a range is being entered.
    Frame3->setEnabled(!on);
}

void PrtForm::setPrintButtonsVisible(bool on)
{
    PrtCmd1->setVisible(on);
    PrtCmd2->setVisible(on);
}

void PrtForm::showStockFor(int kind)
{
    if (kind == kCards) {
        PrtFrm6->hide();
        PrtFrm7->setEnabled(true);
        PrtFrm7->show();
        return;
    }
    PrtFrm7->hide();
    PrtFrm6->show();
    PrtFrm6->setEnabled(kind == kLabels);
    for (QRadioButton* o : PrtOpt4)
        o->setEnabled(kind == kLabels);
}

void PrtForm::showNormalSource()
{
    PrtFrm4->show();
    PrtTxt3->show();
    showStockFor(kind_);
    setPickerVisible(false);
    setQuantityVisible(true);
    if (!rangeShowing())
        setPrintButtonsVisible(true);
}

// --- handlers ---

void PrtForm::PrtOpt3_Click(int index)
{
    if (index == kEnvelopes) {
        // The envelope dialog takes over; the menus stay hidden while it is open.
        unloadWindow(this);
        showEnvelopeDialog(p_);
        return;
    }
    kind_ = index;
    const bool picker = pickerShowing();
    if (index == kLabels) {
        PrtFrm7->setEnabled(false);
        PrtFrm7->hide();
        if (!picker) {
            PrtFrm6->show();
            PrtFrm6->setEnabled(true);
            for (QRadioButton* o : PrtOpt4)
                o->setEnabled(true);
            PrtOpt4[0]->setChecked(true);
        }
        PrtFrm4->setEnabled(false);
        PrtTxt3->setEnabled(false);
        PrtLbl12->setText(QStringLiteral("Number Of Labels Per Address"));
        PrtFrm12->setTitle(QStringLiteral("Label &Quantity"));
        setQuantityEnabled(true);
    } else if (index == kCards) {
        PrtFrm6->setEnabled(false);
        PrtFrm6->hide();
        if (!picker) {
            PrtFrm7->show();
            PrtFrm7->setEnabled(true);
        }
        PrtFrm4->setEnabled(false);
        PrtTxt3->setEnabled(false);
        PrtLbl12->setText(QStringLiteral("Number Of Cards Per Address"));
        PrtFrm12->setTitle(QStringLiteral("Rotary File Card &Quantity"));
        setQuantityEnabled(true);
    } else {
        if (!picker) {
            PrtFrm6->show();
            PrtFrm6->setEnabled(false);
            for (QRadioButton* o : PrtOpt4)
                o->setEnabled(false);
            PrtFrm7->hide();
        }
        setQuantityEnabled(false);
        PrtFrm4->setEnabled(true);
        PrtTxt3->setEnabled(true);
    }
    PrtChk1->setVisible(index == 0);
    if (index != 0)
        PrtChk1->setChecked(false);
    focusCommand();
}

void PrtForm::PrtOpt1_Click(int index)
{
    if (index == 0) {
        PrtLbl3->clear();
        PrtLbl3->hide();
        showNormalSource();
        focusCommand();
        return;
    }
    if (PrtFil1->count() == 0) {
        p_.ui.messageBox(QStringLiteral("There Are No Mailing Lists."), kTitle, Ui::Buttons::Ok);
        PrtOpt1[0]->setChecked(true);
        PrtOpt1[0]->setFocus();
        return;
    }
    for (QWidget* w : {static_cast<QWidget*>(PrtFrm4), static_cast<QWidget*>(PrtTxt3),
                       static_cast<QWidget*>(PrtFrm6), static_cast<QWidget*>(PrtFrm7)})
        w->hide();
    setQuantityVisible(false);
    setPickerVisible(true);
    setPrintButtonsVisible(false);
    focusCommand();
}

QString PrtForm::selectedList() const
{
    const auto selected = PrtFil1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void PrtForm::PrtFil1_Click(bool byMouse)
{
    const QString file = selectedList();
    if (file.isEmpty())
        return;
    try {
        PrtTxt4->setText(ReadMailListTitle(p_, file));
    } catch (const PlatformError& e) {
        PrtTxt4->clear();
        p_.ui.messageBox(QStringLiteral("Error ") + numText(e.number()) +
                             QStringLiteral(" In PrtFil1.  Notify Programmer."),
                         kDefaultTitle, Ui::Buttons::Ok);
    }
    if (byMouse)
        focusCommand();
}

void PrtForm::PrtCmd3_Click()
{
    const QString file = selectedList();
    if (file.isEmpty()) {
        p_.ui.messageBox(QStringLiteral("Please Select A Filename Or Click The Cancel Button."),
                         kTitle, Ui::Buttons::Ok);
        focusCommand();
        return;
    }
    PrtLbl3->setText(file);
    PrtLbl3->show();
    showNormalSource();
    setPrintButtonsVisible(true);
    focusCommand();
}

void PrtForm::PrtCmd4_Click()
{
    PrtOpt1[0]->setChecked(true);
    PrtLbl3->clear();
    PrtLbl3->hide();
    showNormalSource();
    focusCommand();
}

void PrtForm::PrtChk2_Click()
{
    if (PrtChk2->isChecked()) {
        setPrintButtonsVisible(false);
        setRangeVisible(true);
        PrtTxt1->setFocus();
        return;
    }
    setRangeVisible(false);
    if (PrtCmd3->isHidden())
        setPrintButtonsVisible(true);
    focusCommand();
}

void PrtForm::PrtCmd5_Click()
{
    const int from = pageValue(PrtTxt1->text());
    const int through = pageValue(PrtTxt2->text());
    if (from == 0 || through == 0 || through < from || through > kLastPage) {
        p_.ui.messageBox(QStringLiteral("Invalid Page Range.  Please Re-Enter."), kTitle,
                         Ui::Buttons::Ok);
        focusCommand();
        return;
    }
    reprintFrom_ = from;
    reprintThrough_ = through;
    p_.Report.ReprintFrom = from;
    p_.Report.ReprintThrough = through;
    setRangeVisible(false);
    if (PrtCmd3->isHidden())
        setPrintButtonsVisible(true);
    focusCommand();
}

void PrtForm::PrtCmd6_Click()
{
    setRangeVisible(false);
    PrtChk2->setChecked(false);
    setPrintButtonsVisible(true);
    focusCommand();
}

void PrtForm::PrtCmd2_Click()
{
    unloadWindow(this);
}

bool PrtForm::quantityAccepted()
{
    const QString text = PrtTxt12->text().trimmed();
    bool digits = !text.isEmpty();
    for (QChar c : text)
        digits = digits && c.isDigit();
    if (digits && text.toInt() >= 1)
        return true;
    p_.ui.messageBox(kQuantityRefused, kTitle, Ui::Buttons::Ok);
    PrtTxt12->setFocus();
    PrtTxt12->selectAll();
    return false;
}

ReportOptions PrtForm::options() const
{
    ReportOptions o;
    o.kind = ReportKind(kind_);
    o.largePrint = kind_ == 0 && PrtChk1->isChecked();
    if (PrtOpt1[1]->isChecked())
        o.mailListFile = selectedList();
    o.sequence = checkedIndex(PrtOpt2);
    o.title = PrtTxt3->text();
    o.labelStock = checkedIndex(PrtOpt4);
    o.cardStock = checkedIndex(PrtOpt7);
    o.quantity = std::max(1, PrtTxt12->text().trimmed().toInt());
    o.duplex = PrtChk3->isChecked();
    o.reprint = PrtChk2->isChecked();
    if (o.reprint) {
        o.reprintFrom = reprintFrom_;
        o.reprintThrough = reprintThrough_;
    }
    return o;
}

void PrtForm::PrtCmd1_Click()
{
    // The sheets repeat a record until its copies reach the quantity, so
    // anything but a whole number of at least 1 is refused before the run.
    if ((kind_ == kLabels || kind_ == kCards) && !quantityAccepted())
        return;
    ReportOptions o = options();
    // The run lets events through after each page: nothing here may start a
    // second run or close the dialog under it.
    running_ = true;
    setEnabled(false);
    {
        DialogRunWindows windows(p_);
        try {
            runReport(p_, o, windows);
        } catch (const PlatformError&) {
            // A printer failure outside the run's own close-down: nothing of
            // the document can be trusted.
            p_.ui.setWaitCursor(false);
            try {
                p_.printer.killDoc();
            } catch (const PlatformError&) {
            }
            p_.ui.messageBox(kPrinterErrorText, kPrinterErrorTitle, Ui::Buttons::Ok);
        }
    }
    running_ = false;
    PrtChk3->setChecked(o.duplex);
    unloadWindow(this);
}

void PrtForm::closeEvent(QCloseEvent* event)
{
    if (running_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace tavrel
