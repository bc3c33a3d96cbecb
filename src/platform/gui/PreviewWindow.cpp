#include "platform/gui/PreviewWindow.h"

#include "platform/FontAndPositionPrinter.h"
#include "platform/gui/Named.h"
#include "platform/gui/PrintFonts.h"
#include "platform/gui/QtPrinter.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <set>

namespace tavrel {

namespace {

constexpr double kPenTwips = 10.0;

const char* const kZoomCaptions[] = {
    QT_TRANSLATE_NOOP("tavrel::PreviewWindow", "Fit Page"),
    QT_TRANSLATE_NOOP("tavrel::PreviewWindow", "Fit Width"),
    QT_TRANSLATE_NOOP("tavrel::PreviewWindow", "50%"),
    QT_TRANSLATE_NOOP("tavrel::PreviewWindow", "75%"),
    QT_TRANSLATE_NOOP("tavrel::PreviewWindow", "100%"),
    QT_TRANSLATE_NOOP("tavrel::PreviewWindow", "150%"),
    QT_TRANSLATE_NOOP("tavrel::PreviewWindow", "200%"),
};
constexpr double kZoomPercents[] = {0, 0, 50, 75, 100, 150, 200};

// Draws recorded operations on a painter already scaled to twips, with the
// fonts the printers use. Only the drawing reaches the screen: page breaks,
// paper and document ends are the preview's own business.
class ScreenPrinter : public FontAndPositionPrinter {
public:
    ScreenPrinter(QPainter& painter, QSizeF area) : painter_(painter), area_(area) {}

    void setScaleTwips() override {}

    void printLine(const QString& text) override
    {
        const PrintFace& face = font();
        painter_.setFont(face.fontFor(text));
        painter_.setPen(Qt::black);
        painter_.drawText(QPointF(x_, y_ + face.ascent()), text);
        x_ = 0;
        y_ += face.height();
    }
    void printLineRightToLeft(const QString& text, double width) override
    {
        const PrintFace& face = font();
        drawRightToLeft(painter_, face, x_, y_, width, text);
        x_ = 0;
        y_ += face.height();
    }
    double textWidth(const QString& text) const override
    {
        return PrintFace(font_, size_, bold_, italic_, underline_).width(text);
    }
    double textHeight(const QString&) const override
    {
        return PrintFace(font_, size_, bold_, italic_, underline_).height();
    }
    double pageWidth() const override { return area_.width(); }
    double pageHeight() const override { return area_.height(); }
    void drawRect(double x1, double y1, double x2, double y2) override
    {
        painter_.setPen(QPen(Qt::black, kPenTwips));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                                 QPointF(std::max(x1, x2), std::max(y1, y2))));
    }
    void drawLine(double x1, double y1, double x2, double y2) override
    {
        painter_.setPen(QPen(Qt::black, kPenTwips));
        painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    }
    void newPage() override {}
    void endDoc() override {}
    void killDoc() override {}
    void setOrientation(int) override {}
    int orientation() const override { return 1; }
    void setPaperSize(int) override {}
    int paperSize() const override { return 1; }
    void setQuarterTurn(bool) override {}
    bool quarterTurn() const override { return false; }

private:
    void fontChanged() override { face_.reset(); }
    // The face of the current settings, made once per change: a page of
    // labels changes it on every label.
    const PrintFace& font()
    {
        if (!face_)
            face_.emplace(font_, size_, bold_, italic_, underline_);
        return *face_;
    }

    QPainter& painter_;
    QSizeF area_;
    std::optional<PrintFace> face_;
};

bool draws(RecordingPrinter::Op::Kind kind)
{
    using Kind = RecordingPrinter::Op::Kind;
    return kind == Kind::Text || kind == Kind::Rect || kind == Kind::Line;
}

} // namespace

QSizeF paperTwips(const PreviewWindow::Page& page)
{
    const auto size = QtPrinter::pageSizeForCode(page.paper);
    QSizeF twips = size ? size->sizePoints() * 20.0 : QSizeF(12240, 15840);
    if ((page.orientation == 2) != page.turned)
        twips.transpose();
    return twips;
}

// The page on screen: white paper with the page's operations drawn on it.
class PreviewPage : public QWidget {
public:
    PreviewPage(const RecordingPrinter& recording, QWidget* parent)
        : QWidget(parent), recording_(recording)
    {
        setObjectName(QStringLiteral("PreviewPage"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void show(const PreviewWindow::Page* page, double scale)
    {
        page_ = page;
        scale_ = scale;
        const QSizeF paper = page ? paperTwips(*page) : QSizeF(12240, 15840);
        setFixedSize((paper * scale).toSize());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!page_)
            return;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(scale_, scale_);
        // The printable area lies where the printer the pages were laid out
        // for puts it.
        const QRectF area = printableRect(*page_);
        painter.translate(area.topLeft());
        ScreenPrinter screen(painter, area.size());
        for (std::size_t i = page_->firstOp; i < page_->endOp; ++i) {
            const RecordingPrinter::Op& op = recording_.ops[i];
            if (draws(op.kind))
                replayOp(op, screen);
        }
    }

private:
    // The page's printable area on the paper as it lies on screen. A page
    // drawn turned shows the paper sideways: its bottom edge to the left.
    QRectF printableRect(const PreviewWindow::Page& page) const
    {
        const QRectF area = *recording_.printableAreaFor(page.paper, page.orientation);
        if (!page.turned)
            return area;
        const double paperHeight = paperTwips(page).width(); // before it was turned
        return {QPointF(paperHeight - area.bottom(), area.left()), area.size().transposed()};
    }

    const RecordingPrinter& recording_;
    const PreviewWindow::Page* page_ = nullptr;
    double scale_ = 0.05;
};

std::vector<PreviewWindow::Page> PreviewWindow::pagesOf(const RecordingPrinter& recording)
{
    using Kind = RecordingPrinter::Op::Kind;
    std::vector<Page> pages;
    int paper = 1, orientation = 1;
    bool turned = false;
    bool open = false; // the last page in `pages` is still being drawn
    for (std::size_t i = 0; i < recording.ops.size(); ++i) {
        const RecordingPrinter::Op& op = recording.ops[i];
        switch (op.kind) {
        case Kind::Paper:
            paper = op.value;
            break;
        case Kind::Orientation:
            orientation = op.value;
            break;
        case Kind::Turn:
            turned = op.value != 0;
            break;
        case Kind::NewPage:
        case Kind::EndDoc:
        case Kind::KillDoc:
            open = false;
            break;
        default:
            break;
        }
        if (!draws(op.kind))
            continue;
        if (!open || pages.back().document != op.document || pages.back().page != op.page) {
            pages.push_back({op.document, op.page, i, i, paper, orientation, turned});
            open = true;
        }
        pages.back().endOp = i + 1;
    }
    // An abandoned document never reaches the paper.
    std::set<int> abandoned;
    for (const RecordingPrinter::Op& op : recording.ops) {
        if (op.kind == Kind::KillDoc)
            abandoned.insert(op.document);
    }
    std::erase_if(pages, [&](const Page& page) { return abandoned.count(page.document) > 0; });
    return pages;
}

PreviewWindow::PreviewWindow(const RecordingPrinter& recording, const QString& summary,
                             QWidget* parent)
    : QDialog(parent), recording_(recording), pages_(pagesOf(recording))
{
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(tr("Print Preview"));
    setProperty("helpContext", 145);

    firstButton =
        named(new QPushButton(tr("&First"), this), "PreviewFirst", tr("First Page (Home)"));
    previousButton = named(new QPushButton(tr("P&revious"), this), "PreviewPrevious",
                           tr("Previous Page (Page Up)"));
    nextButton =
        named(new QPushButton(tr("&Next"), this), "PreviewNext", tr("Next Page (Page Down)"));
    lastButton = named(new QPushButton(tr("&Last"), this), "PreviewLast", tr("Last Page (End)"));
    pageLabel = named(new QLabel(this), "PreviewPageNumber");
    summaryLabel = named(new QLabel(summary, this), "PreviewSummary");
    summaryLabel->setVisible(!summary.isEmpty());
    zoomBox = named(new QComboBox(this), "PreviewZoom",
                    tr("Zoom In Or Out (Ctrl+Plus, Ctrl+Minus; Ctrl+0 Fits The Page)"));
    for (const char* caption : kZoomCaptions)
        zoomBox->addItem(tr(caption));
    auto* zoomLabel = new QLabel(tr("&Zoom:"), this);
    zoomLabel->setBuddy(zoomBox);
    printButton = named(new QPushButton(tr("&Print"), this), "PreviewPrint",
                        tr("Print These Pages On The Chosen Printer"));
    closeButton = named(new QPushButton(tr("&Close"), this), "PreviewClose",
                        tr("Close The Preview Without Printing"));
    for (QPushButton* b :
         {firstButton, previousButton, nextButton, lastButton, printButton, closeButton})
        b->setAutoDefault(true);
    // Enter away from the buttons (in the zoom box, on the page) prints, as
    // it does when the window opens; it never closes the preview unasked.
    printButton->setDefault(true);

    view_ = new PreviewPage(recording_, this);
    scrollArea = named(new QScrollArea(this), "PreviewArea");
    scrollArea->setWidget(view_);
    scrollArea->setAlignment(Qt::AlignCenter);
    scrollArea->setBackgroundRole(QPalette::Dark);
    // Tab reaches the page, so the arrow keys move about a page zoomed in.
    scrollArea->setFocusPolicy(Qt::StrongFocus);

    auto* bar = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{firstButton, previousButton, pageLabel,
                                                      nextButton, lastButton})
        bar->addWidget(w);
    bar->addSpacing(12);
    bar->addWidget(summaryLabel);
    bar->addStretch(1);
    bar->addWidget(zoomLabel);
    bar->addWidget(zoomBox);
    bar->addSpacing(12);
    bar->addWidget(printButton);
    bar->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scrollArea, 1);

    connect(firstButton, &QPushButton::clicked, this, [this] { showPage(1); });
    connect(previousButton, &QPushButton::clicked, this, [this] { showPage(currentPage() - 1); });
    connect(nextButton, &QPushButton::clicked, this, [this] { showPage(currentPage() + 1); });
    connect(lastButton, &QPushButton::clicked, this, [this] { showPage(pageCount()); });
    connect(zoomBox, &QComboBox::currentIndexChanged, this, [this] { updatePage(); });
    connect(printButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    const std::pair<QKeySequence, QPushButton*> keys[] = {{Qt::Key_Home, firstButton},
                                                          {Qt::Key_PageUp, previousButton},
                                                          {Qt::Key_PageDown, nextButton},
                                                          {Qt::Key_End, lastButton}};
    for (const auto& [key, button] : keys)
        connect(new QShortcut(key, this), &QShortcut::activated, button, &QPushButton::click);
    // The zoom keys step through 50% to 200% from the size shown now.
    const auto zoomStep = [this](int direction) {
        const double percent = scale() * 1440.0 / logicalDpiX() * 100;
        int chosen = -1;
        for (int i = int(Zoom::Percent50); i <= int(Zoom::Percent200); ++i) {
            if (direction > 0 ? chosen < 0 && kZoomPercents[i] > percent + 0.5
                              : kZoomPercents[i] < percent - 0.5)
                chosen = i;
        }
        if (chosen >= 0)
            zoomBox->setCurrentIndex(chosen);
    };
    const std::pair<QKeySequence, int> zoomKeys[] = {{QKeySequence::ZoomIn, 1},
                                                     {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
                                                     {QKeySequence::ZoomOut, -1}};
    for (const auto& [key, direction] : zoomKeys)
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                [zoomStep, step = direction] { zoomStep(step); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), this), &QShortcut::activated, this,
            [this] { setZoom(Zoom::FitPage); });

    scrollArea->installEventFilter(this);
    resize(900, 700);
    updatePage();
    printButton->setFocus();
}

double PreviewWindow::scale() const
{
    const QSizeF paper =
        pages_.empty() ? QSizeF(12240, 15840) : paperTwips(pages_[std::size_t(current_)]);
    // The room of the scroll area itself (its viewport shrinks and grows with
    // the scroll bars the page brings), less a scroll bar for a page fitted
    // to the width, which is taller than the room.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QSize room = scrollArea->size() -
                       QSize(2 * scrollArea->frameWidth() + 8, 2 * scrollArea->frameWidth() + 8);
    const int zoom = zoomBox->currentIndex();
    const double fitWidth = room.width() / paper.width();
    if (zoom == int(Zoom::FitWidth))
        return (room.width() - bar) / paper.width();
    if (zoom == int(Zoom::FitPage))
        return std::min(fitWidth, room.height() / paper.height());
    // Actual size: the screen's own inches.
    return kZoomPercents[zoom] / 100 * logicalDpiX() / 1440.0;
}

void PreviewWindow::setZoom(Zoom zoom)
{
    zoomBox->setCurrentIndex(int(zoom));
}

void PreviewWindow::showPage(int number)
{
    current_ = std::clamp(number, 1, std::max(1, pageCount())) - 1;
    updatePage();
}

void PreviewWindow::updatePage()
{
    const bool any = !pages_.empty();
    view_->show(any ? &pages_[std::size_t(current_)] : nullptr, scale());
    pageLabel->setText(any ? tr("Page %1 of %2").arg(current_ + 1).arg(pageCount())
                           : tr("No pages"));
    firstButton->setEnabled(current_ > 0);
    previousButton->setEnabled(current_ > 0);
    nextButton->setEnabled(current_ + 1 < pageCount());
    lastButton->setEnabled(current_ + 1 < pageCount());
    printButton->setEnabled(any);
    // A disabled button cannot keep the focus for the keys that turn pages.
    if (focusWidget() && !focusWidget()->isEnabled())
        printButton->setFocus();
    scrollArea->verticalScrollBar()->setValue(0);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scrollArea && event->type() == QEvent::Resize)
        updatePage();
    return QDialog::eventFilter(watched, event);
}

} // namespace tavrel
