#include "platform/gui/QtPrinter.h"

#include "platform/Errors.h"
#include "platform/Files.h"
#include "platform/OutputFile.h"
#include "platform/SpoolFolders.h"
#include "platform/Ui.h"
#include "platform/gui/PrintFonts.h"
#include "platform/gui/PrintSending.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cstdio>
#include <utility>

namespace tavrel {

namespace {

constexpr double kTwipsPerPoint = 20.0;
// PDF pages keep the quarter inch most printers cannot reach, so a layout
// measured on paper looks the same in a file.
constexpr double kPdfMarginPoints = 18.0;
// Outline width of rectangles and lines: half a point.
constexpr double kPenTwips = 10.0;

[[noreturn]] void printerError(const QString& what)
{
    throw PlatformError(ErrNo::PrinterError, what);
}

QPageLayout::Orientation toQt(int orientation)
{
    return orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

QtPrinter::QtPrinter(const QPrinterInfo& printer, Ui* ui, const QString& pdfFallbackDirectory)
    : info_(printer), ui_(ui), pdfFallbackDir_(pdfFallbackDirectory)
{
    device_ = makeDevice();
}

QtPrinter::QtPrinter(const QString& pdfDirectory) : pdfDir_(QDir(pdfDirectory).absolutePath())
{
    device_ = makeDevice();
}

QtPrinter::~QtPrinter()
{
    try {
        closeDocument(true);
    } catch (const PlatformError&) {
        // Nothing is left to tell at this point.
    }
}

bool QtPrinter::documentOpen() const
{
    return painter_ != nullptr;
}

std::unique_ptr<QPagedPaintDevice> QtPrinter::makeDevice() const
{
    std::unique_ptr<QPagedPaintDevice> device;
    if (pdfDir_.isEmpty()) {
        auto printer = std::make_unique<QPrinter>(info_, QPrinter::HighResolution);
        printer->setFullPage(false);
        printer->setDocName(QStringLiteral("Tavrel"));
        device = std::move(printer);
    } else {
        // Only the page layout until a document starts; see startPdfFile().
        device = std::make_unique<QPdfWriter>(QString());
    }
    applyLayout(*device, *pageSizeForCode(paper_), orientation_);
    return device;
}

void QtPrinter::applyLayout(QPagedPaintDevice& device, const QPageSize& size, int orientation) const
{
    // A continuous form is printed across its perforations: no top or bottom margin.
    const bool form = isContinuousForm(size);
    if (!pdfDir_.isEmpty()) {
        const double side = kPdfMarginPoints, edge = form ? 0 : kPdfMarginPoints;
        device.setPageLayout(QPageLayout(size, toQt(orientation), QMarginsF(side, edge, side, edge),
                                         QPageLayout::Point));
        return;
    }
    // A system printer keeps its own unprintable margins, except at the
    // form's top and bottom where its driver lets them go.
    device.setPageSize(size);
    device.setPageOrientation(toQt(orientation));
    // The driver's own margins for this paper: Qt would keep the wider
    // margins of a paper set before, so the printable area would depend on
    // what was printed earlier.
    const QPageLayout layout = device.pageLayout();
    QMarginsF m = layout.minimumMargins();
    if (form) {
        m.setTop(0);
        m.setBottom(0);
    }
    device.setPageMargins(m, layout.units());
}

bool QtPrinter::printerSupports(const QPageSize& size) const
{
    if (!pdfDir_.isEmpty() || info_.isNull() || info_.supportsCustomPageSizes())
        return true;
    const QList<QPageSize> sizes = info_.supportedPageSizes();
    if (sizes.isEmpty())
        return true; // the driver does not say; let the printer decide
    for (const QPageSize& s : sizes) {
        if (s.isEquivalentTo(size))
            return true;
    }
    return false;
}

QString QtPrinter::nextPdfName(const QString& folder) const
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    for (int n = pdfCount_ + 1;; ++n) {
        const QString name = folder + QStringLiteral("/tavrel-%1-%2.pdf").arg(stamp).arg(n);
        if (!QFileInfo::exists(name))
            return name;
    }
}

QString QtPrinter::namedFileFor(const QString& name) const
{
    if (namedFileDocuments_ == 0)
        return name;
    const QString stem =
        name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) ? name.chopped(4) : name;
    for (int n = namedFileDocuments_ + 1;; ++n) {
        const QString sibling = stem + QStringLiteral("-%1.pdf").arg(n);
        if (!QFileInfo::exists(sibling))
            return sibling;
    }
}

void QtPrinter::startPdfFile()
{
    // A folder of printouts is made for its owner alone; a file the person
    // named goes into a folder that is there already.
    if (pdfFileName_.isEmpty() && !makePrivateFolders(pdfDir_))
        printerError(QStringLiteral("cannot create %1").arg(pdfDir_));
    pdfFinal_ = pdfFileName_.isEmpty() ? nextPdfName(pdfDir_) : namedFileFor(pdfFileName_);
    removeStaleOutputParts(QFileInfo(pdfFinal_).absolutePath());
    // Written under a temporary name, so a document cut short never looks
    // like a finished printout and never replaces an older one.
    auto out = std::make_unique<OutputFile>(pdfFinal_);
    try {
        out->start();
    } catch (const PlatformError& e) {
        pdfNotSaved(std::exchange(pdfFinal_, QString()), e);
    }
    auto writer = std::make_unique<QPdfWriter>(out.get());
    writer->setResolution(device_->logicalDpiX());
    writer->setTitle(QStringLiteral("Tavrel"));
    writer->setPageLayout(device_->pageLayout());
    device_ = std::move(writer);
    pdfOut_ = std::move(out);
}

void QtPrinter::pdfNotSaved(const QString& file, const PlatformError& e)
{
    throw DocumentNotSent(
        QCoreApplication::translate("tavrel::QtPrinter", "The PDF File Was Not Saved: %1\n%2")
            .arg(outputFailureText(e), QDir::toNativeSeparators(file)));
}

QString QtPrinter::startSpoolFile()
{
    // A system printer's job is drawn into a private file first and handed to
    // the print spooler only when it ends, so an abandoned job never prints.
    // Each job has a folder of its own, gone when the job is.
    spoolDir_ = makeSpoolFolder(spoolParent_.isEmpty() ? QDir::tempPath() : spoolParent_);
    if (spoolDir_.isEmpty())
        printerError(QStringLiteral("cannot make a spool folder"));
    // Not named .pdf: the printer's own engine, with its margins, writes it.
    return spoolDir_ + QStringLiteral("/job-%1.spool").arg(pdfCount_ + 1);
}

void QtPrinter::dropSpoolFolder()
{
    if (!spoolDir_.isEmpty())
        removeSpoolFolder(std::exchange(spoolDir_, QString()));
}

QPainter& QtPrinter::painter()
{
    if (!painter_) {
        lastPdf_.clear();
        if (pdfDir_.isEmpty()) {
            if (!calibrationDir_.isEmpty())
                calibration_ = loadCalibration(Files(calibrationDir_), info_.printerName());
            spoolFile_ = startSpoolFile();
            static_cast<QPrinter&>(*device_).setOutputFileName(spoolFile_);
        } else {
            startPdfFile();
        }
        auto p = std::make_unique<QPainter>();
        if (!p->begin(device_.get())) {
            QFile::remove(spoolFile_);
            spoolFile_.clear();
            pdfFinal_.clear();
            pdfOut_.reset();
            dropSpoolFolder();
            device_ = makeDevice();
            printerError(QStringLiteral("cannot start the document"));
        }
        painter_ = std::move(p);
        painterFont_ = nullptr;
        ++pdfCount_;
        pageStarted_ = true;
    }
    while (pendingBreaks_ > 0) {
        --pendingBreaks_;
        if (!device_->newPage())
            printerError(QStringLiteral("cannot start a new page"));
        // A disk that failed stops the run here rather than at its end.
        if (pdfOut_ && pdfOut_->failed()) {
            const QString file = pdfFinal_;
            const int err = pdfOut_->errorCode();
            closeDocument(false);
            pdfNotSaved(file, PlatformError(errnoToNumber(err), file, err));
        }
        pageStarted_ = true;
    }
    // Twips from the top-left of the printable area, set once on every page:
    // setting it again before each drawing would repeat it in the document.
    if (pageStarted_) {
        painter_->resetTransform();
        painter_->scale(device_->logicalDpiX() / 1440.0, device_->logicalDpiY() / 1440.0);
        // The paper's own correction comes first, so it holds for a page
        // drawn turned as for any other; PDF files are drawn as they are.
        if (pdfDir_.isEmpty() && !calibration_.isIdentity()) {
            constexpr double twipsPerMm = 1440 / 25.4;
            painter_->translate(calibration_.offsetXmm * twipsPerMm,
                                calibration_.offsetYmm * twipsPerMm);
            painter_->scale(calibration_.scaleXPercent / 100, calibration_.scaleYPercent / 100);
        }
        if (turned_) {
            // The sideways page's top-left corner is the upright page's bottom-left.
            const double uprightHeight =
                device_->pageLayout().paintRect(QPageLayout::Point).height() * kTwipsPerPoint;
            painter_->translate(0, uprightHeight);
            painter_->rotate(-90);
        }
        pageStarted_ = false;
    }
    return *painter_;
}

const PrintFace& QtPrinter::currentFont() const
{
    if (!currentFont_) {
        const FontKey key{font_, size_, bold_, italic_, underline_};
        auto it = fonts_.find(key);
        if (it == fonts_.end())
            it = fonts_.try_emplace(key, font_, size_, bold_, italic_, underline_).first;
        currentFont_ = &it->second;
    }
    return *currentFont_;
}

void QtPrinter::usePainterFont(QPainter& p, const QFont& font)
{
    if (painterFont_ != &font) {
        p.setFont(font);
        painterFont_ = &font;
    }
}

void QtPrinter::printLine(const QString& text)
{
    const PrintFace& current = currentFont();
    QPainter& p = painter();
    // Fields print at their full width: their trailing blanks leave no mark on
    // the page (unless underlined), so they are not drawn, which keeps blank
    // lines and padding out of the shaping and out of the document.
    qsizetype shown = text.size();
    if (!underline_) {
        while (shown > 0 && text.at(shown - 1) == QLatin1Char(' '))
            --shown;
    }
    if (shown > 0) {
        usePainterFont(p, current.fontFor(text));
        p.setPen(Qt::black);
        // The text's top lies at the current y.
        p.drawText(QPointF(x_, y_ + current.ascent()),
                   shown == text.size() ? text : text.left(shown));
    }
    x_ = 0;
    y_ += textHeight(text);
}

void QtPrinter::printLineRightToLeft(const QString& text, double width)
{
    const PrintFace& current = currentFont();
    QPainter& p = painter();
    if (!text.isEmpty()) {
        drawRightToLeft(p, current, x_, y_, width, text);
        painterFont_ = nullptr; // the layout may leave its own font set
    }
    x_ = 0;
    y_ += textHeight(text);
}

double QtPrinter::textWidth(const QString& text) const
{
    return currentFont().width(text);
}

double QtPrinter::textHeight(const QString&) const
{
    return currentFont().height();
}

double QtPrinter::pageWidth() const
{
    const QRectF area = device_->pageLayout().paintRect(QPageLayout::Point);
    return (turned_ ? area.height() : area.width()) * kTwipsPerPoint;
}

double QtPrinter::pageHeight() const
{
    const QRectF area = device_->pageLayout().paintRect(QPageLayout::Point);
    return (turned_ ? area.width() : area.height()) * kTwipsPerPoint;
}

void QtPrinter::drawRect(double x1, double y1, double x2, double y2)
{
    QPainter& p = painter();
    p.setPen(QPen(Qt::black, kPenTwips));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                      QPointF(std::max(x1, x2), std::max(y1, y2))));
}

void QtPrinter::drawLine(double x1, double y1, double x2, double y2)
{
    QPainter& p = painter();
    p.setPen(QPen(Qt::black, kPenTwips));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QtPrinter::newPage()
{
    // A new page before anything was drawn still gives the blank first sheet.
    if (!painter_)
        painter();
    ++pendingBreaks_;
    x_ = 0;
    y_ = 0;
}

void QtPrinter::endDoc()
{
    closeDocument(true);
}

void QtPrinter::killDoc()
{
    closeDocument(false);
}

void QtPrinter::closeDocument(bool keep)
{
    pendingBreaks_ = 0;
    if (!painter_)
        return;
    // What the spooler needs to know of the job, as it was when it ended.
    const QPageLayout layout = device_->pageLayout();
    bool ok = painter_->end();
    painter_.reset();
    device_ = makeDevice();
    x_ = 0;
    y_ = 0;
    if (!pdfDir_.isEmpty()) {
        finishPdfFile(keep, ok);
        return;
    }
    const QString spool = std::exchange(spoolFile_, QString());
    if (!keep || !ok) {
        QFile::remove(spool);
        dropSpoolFolder();
        if (!ok)
            printerError(QStringLiteral("the document could not be completed"));
        return;
    }
    // The job leaves its folder however the handing over ends.
    struct Cleanup {
        QtPrinter& printer;
        QString spool;
        ~Cleanup()
        {
            QFile::remove(spool);
            printer.dropSpoolFolder();
        }
    } cleanup{*this, spool};
    submit(spool, layout);
}

void QtPrinter::finishPdfFile(bool keep, bool drawn)
{
    const QString finished = std::exchange(pdfFinal_, QString());
    std::unique_ptr<OutputFile> out = std::move(pdfOut_);
    if (!keep || !drawn) {
        out->discard();
        if (!drawn)
            printerError(QStringLiteral("the document could not be completed"));
        return;
    }
    try {
        out->commit();
    } catch (const PlatformError& e) {
        pdfNotSaved(finished, e);
    }
    lastPdf_ = finished;
    if (!pdfFileName_.isEmpty())
        ++namedFileDocuments_;
}

void QtPrinter::submit(const QString& spoolFile, const QPageLayout& layout)
{
    // The options Qt itself gives the spooler for a job of this layout.
    QStringList args;
    if (!info_.printerName().isEmpty())
        args << QStringLiteral("-d") << info_.printerName().section(QLatin1Char('/'), 0, 0);
    args << QStringLiteral("-t") << QStringLiteral("Tavrel");
    const QString media = mediaName(layout.pageSize());
    if (!media.isEmpty())
        args << QStringLiteral("-o") << QStringLiteral("media=") + media;
    args << QStringLiteral("-o") << QStringLiteral("sides=one-sided");
    if (layout.orientation() == QPageLayout::Landscape)
        args << QStringLiteral("-o") << QStringLiteral("landscape");
    args << QStringLiteral("--") << spoolFile;

    const PrintSendResult sent = sendToPrintSystem(QStringLiteral("lp"), args, sendPatience_);
    switch (sent.outcome) {
    case PrintSendResult::Outcome::Sent:
        return;
    case PrintSendResult::Outcome::Refused:
        throw DocumentNotSent(QStringLiteral("The Print System Said: ") + sent.words);
    case PrintSendResult::Outcome::Cancelled:
        throw DocumentNotSent(QStringLiteral("Sending To The Printer Was Cancelled."));
    case PrintSendResult::Outcome::NoCommand:
        keepAsPdfInstead(spoolFile);
        return;
    }
}

void QtPrinter::keepAsPdfInstead(const QString& spoolFile)
{
    const QString missing =
        QStringLiteral("The Print Command Is Missing: lp (Debian Package cups-client) Is Not "
                       "Installed.");
    if (!ui_ || pdfFallbackDir_.isEmpty() ||
        ui_->messageBox(missing + QStringLiteral("\n\nPrint To A PDF File Instead?"),
                        kPrinterErrorTitle, Ui::Buttons::YesNo,
                        Ui::Icon::Exclamation) != Ui::Answer::Yes)
        throw DocumentNotSent(missing);
    // The spool file is the finished PDF, drawn with the printer's margins.
    const QString name = nextPdfName(pdfFallbackDir_);
    QFile in(spoolFile);
    bool saved = makePrivateFolders(pdfFallbackDir_) && in.open(QIODevice::ReadOnly);
    if (saved) {
        try {
            writeOutputFile(name, in.readAll());
        } catch (const PlatformError&) {
            saved = false;
        }
    }
    if (!saved || in.error() != QFileDevice::NoError)
        throw DocumentNotSent(missing + QStringLiteral("\nThe PDF File Could Not Be Written: ") +
                              QDir::toNativeSeparators(name));
    lastPdf_ = name;
    ui_->messageBox(QStringLiteral("The Document Was Saved As A PDF File:\n") +
                        QDir::toNativeSeparators(name),
                    kTitle, Ui::Buttons::Ok, Ui::Icon::Information);
}

void QtPrinter::setOrientation(int orientation)
{
    if (orientation != 1 && orientation != 2)
        throw PlatformError(ErrNo::InvalidPropertyValue, QStringLiteral("orientation"));
    orientation_ = orientation;
    // In an open document the change holds from the next page on.
    device_->setPageOrientation(toQt(orientation));
}

void QtPrinter::setPaperSize(int code)
{
    const std::optional<QPageSize> size = pageSizeForCode(code);
    if (!size || !printerSupports(*size))
        throw PlatformError(ErrNo::InvalidPropertyValue, QStringLiteral("paper size %1").arg(code));
    if (!device_->setPageSize(*size))
        throw PlatformError(ErrNo::InvalidPropertyValue, QStringLiteral("paper size %1").arg(code));
    paper_ = code;
    // The margins go with the paper.
    applyLayout(*device_, *size, orientation_);
}

QPointF QtPrinter::printableOrigin() const
{
    const QMarginsF m = device_->pageLayout().margins(QPageLayout::Point);
    return {m.left() * kTwipsPerPoint, m.top() * kTwipsPerPoint};
}

std::optional<QRectF> QtPrinter::printableAreaFor(int paper, int orientation) const
{
    const std::optional<QPageSize> size = pageSizeForCode(paper);
    if (!size || (orientation != 1 && orientation != 2))
        return std::nullopt;
    const auto toTwips = [](const QRectF& points) {
        return QRectF(points.topLeft() * kTwipsPerPoint, points.size() * kTwipsPerPoint);
    };
    // The paper in force is laid out exactly as its pages will be: a driver's
    // margins for a custom size can depend on the paper set before.
    if (paper == paper_ && orientation == orientation_)
        return toTwips(device_->pageLayout().paintRect(QPageLayout::Point));
    const auto key = std::make_pair(paper, orientation);
    auto it = areas_.find(key);
    if (it == areas_.end()) {
        // A device of its own, so an open document keeps its layout.
        const std::unique_ptr<QPagedPaintDevice> device = makeDevice();
        applyLayout(*device, *size, orientation);
        it = areas_.emplace(key, toTwips(device->pageLayout().paintRect(QPageLayout::Point))).first;
    }
    return it->second;
}

QString QtPrinter::queueName() const
{
    return pdfDir_.isEmpty() ? info_.printerName() : QString();
}

void QtPrinter::setQuarterTurn(bool on)
{
    turned_ = on;
    // An open page takes it at its next drawing.
    if (painter_)
        pageStarted_ = true;
}

std::unique_ptr<Printer> makeSystemPrinter(const QString& programDirectory, Ui* ui)
{
    removeStaleSpoolFolders(QDir::tempPath());
    const QString setting = qEnvironmentVariable("TAVREL_PRINTER");
    if (setting.startsWith(QLatin1String("pdf:"), Qt::CaseInsensitive) && setting.size() > 4)
        return std::make_unique<QtPrinter>(setting.mid(4));
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (!all.isEmpty())
            info = all.front();
    }
    const QString printouts = programDirectory + QStringLiteral("/printouts");
    if (info.isNull())
        return std::make_unique<QtPrinter>(printouts);
    auto printer = std::make_unique<QtPrinter>(info, ui, printouts);
    printer->followSavedCalibration(programDirectory);
    return printer;
}

} // namespace tavrel
