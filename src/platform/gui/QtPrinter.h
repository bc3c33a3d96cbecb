#pragma once

#include "platform/FontAndPositionPrinter.h"
#include "platform/PrinterCalibration.h"
#include "platform/gui/PrintFonts.h"

#include <QPageSize>
#include <QPrinterInfo>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <tuple>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

namespace tavrel {

class OutputFile;
class Ui;

// The real printer: QPrinter + QPainter on a system printer, or one PDF file
// per document in a folder. A system printer's job is drawn with the printer's
// own page layout into a private spool file and handed to the print spooler
// (`lp`) when it ends. The job lives in a spool folder of its own in the
// temporary folder, removed as soon as the job is handed over or dropped.
// Handing over runs with the windows alive and can be cancelled; a job the
// print system does not take is never sent again, and endDoc throws
// DocumentNotSent with the print system's own words. Without the print
// command the person may keep the job as a PDF file instead.
//
// A document starts at its first drawing and ends with endDoc (sent to the
// printer, or the PDF file completed) or killDoc (nothing of it is printed;
// no PDF file remains). A PDF file is written through an OutputFile, whole or
// not at all: when any write, the flush to disk or the rename fails, endDoc
// (or the next page, once a write has failed) throws DocumentNotSent saying
// why, and an older file of that name stays as it was. A page break asked for by newPage takes
// effect at the next drawing, so endDoc right after newPage adds no blank sheet.
//
// Positions are twips from the top-left of the printable area. PDF pages get
// quarter-inch margins, so letter paper gives 11520 x 15120 twips to draw on;
// the continuous form (8.5 x 12 in) has none at top and bottom, on a system
// printer too where its driver allows, so its twelve inches are all drawn on.
// Font names, sizes and text widths are measured exactly as RecordingPrinter
// measures them (see PrintFonts.h).
class QtPrinter : public FontAndPositionPrinter {
public:
    // Prints on the given system printer. `ui` asks what to do when the print
    // command is missing (without it the job is simply not sent); a PDF file
    // kept instead goes into `pdfFallbackDirectory`.
    explicit QtPrinter(const QPrinterInfo& printer, Ui* ui = nullptr,
                       const QString& pdfFallbackDirectory = QString());
    // Writes each document as "tavrel-YYYYMMDD-hhmmss-N.pdf" into `pdfDirectory`
    // (created for its owner alone when missing).
    explicit QtPrinter(const QString& pdfDirectory);
    // A document still open is finished, as endDoc would.
    ~QtPrinter() override;
    QtPrinter(const QtPrinter&) = delete;
    QtPrinter& operator=(const QtPrinter&) = delete;

    void setScaleTwips() override {}

    void printLine(const QString& text) override;
    void printLineRightToLeft(const QString& text, double width) override;
    double textWidth(const QString& text) const override;
    double textHeight(const QString& text = QStringLiteral("X")) const override;
    double pageWidth() const override;
    double pageHeight() const override;
    void drawRect(double x1, double y1, double x2, double y2) override;
    void drawLine(double x1, double y1, double x2, double y2) override;

    void newPage() override;
    void endDoc() override;
    void killDoc() override;

    void setOrientation(int orientation) override;
    int orientation() const override { return orientation_; }
    void setPaperSize(int code) override;
    int paperSize() const override { return paper_; }
    void setQuarterTurn(bool on) override;
    bool quarterTurn() const override { return turned_; }
    QPointF printableOrigin() const override;
    std::optional<QRectF> printableAreaFor(int paper, int orientation) const override;

    // Moves and stretches a system printer's pages as the person measured it
    // on the calibration sheet, from the next page on; the positions the
    // program draws at stay as they are. PDF files are never calibrated.
    void setCalibration(const PrinterCalibration& c) { calibration_ = c; }
    // Takes the calibration saved for its queue in the settings of
    // `programDirectory` at the start of every document, so figures saved
    // while the program runs hold from the next printout on.
    void followSavedCalibration(const QString& programDirectory)
    {
        calibrationDir_ = programDirectory;
    }
    const PrinterCalibration& calibration() const { return calibration_; }
    // The print queue's name; empty for PDF output.
    QString queueName() const;

    // True while a document is open (something was drawn since the last end).
    bool documentOpen() const;
    // The PDF file of the last document ended (for a system printer, the one
    // kept instead when there was no print command).
    QString lastPdfFile() const { return lastPdf_; }
    // The same, forgotten as soon as the next document starts, so a document
    // printed or abandoned after it is not said to be in a file.
    QString lastOutputFile() const override { return lastPdf_; }
    // PDF output: the first document is written to this file (replacing it)
    // rather than a new file in the output folder; each later one (the second
    // side of a two-sided report) beside it, as NAME-2.pdf and so on, under a
    // name no file has yet, so no document replaces another. The file's folder
    // must exist; a device or a pipe is written in place.
    void setPdfFileName(const QString& path) { pdfFileName_ = path; }
    // The output folder of PDF output, or empty for a system printer.
    QString pdfDirectory() const { return pdfDir_; }

    // How long the print system may take a job before the person is told.
    void setSendPatience(std::chrono::milliseconds patience) { sendPatience_ = patience; }
    // The spool folders are made in this folder (the system's temporary folder
    // unless set).
    void setSpoolParent(const QString& folder) { spoolParent_ = folder; }

    // The page size a DMPAPER code stands for; nullopt for a code we do not know.
    static std::optional<QPageSize> pageSizeForCode(int code);
    // The print system's name of a page size ("media=" of lp).
    static QString mediaName(const QPageSize& size);
    // The 8.5 x 12 inch fan-fold form of 1-across labels.
    static bool isContinuousForm(const QPageSize& size);

private:
    // The face of the current settings, made once per setting and kept: the
    // layouts switch between a handful of fonts on every entry, and making a
    // font asks the system's font configuration each time.
    void fontChanged() override
    {
        currentFont_ = nullptr;
        painterFont_ = nullptr;
    }
    const PrintFace& currentFont() const;
    // Sets the painter's font to the one `text` is drawn in, unless it is set.
    void usePainterFont(QPainter& p, const QFont& font);

    std::unique_ptr<QPagedPaintDevice> makeDevice() const;
    void applyLayout(QPagedPaintDevice& device, const QPageSize& size, int orientation) const;
    bool printerSupports(const QPageSize& size) const;
    // Starts the document when needed and makes any page break asked for.
    QPainter& painter();
    QString startSpoolFile();
    // PDF output: opens the file the document is written to and puts a PDF
    // writer over it in place of the layout-only device.
    void startPdfFile();
    // Ends the PDF file: in place whole, or not at all (DocumentNotSent).
    void finishPdfFile(bool keep, bool drawn);
    // The reason a PDF file was not saved, as DocumentNotSent carries it.
    [[noreturn]] void pdfNotSaved(const QString& file, const PlatformError& e);
    void closeDocument(bool keep);
    void submit(const QString& spoolFile, const QPageLayout& layout);
    void keepAsPdfInstead(const QString& spoolFile);
    void dropSpoolFolder();
    QString nextPdfName(const QString& folder) const;
    // The file the next document goes to when PDF output has a file name.
    QString namedFileFor(const QString& name) const;

    QPrinterInfo info_;
    QString pdfDir_; // empty: system printer
    // A QPrinter for a system printer; for PDF output a QPdfWriter, writing
    // into pdfOut_ while a document is open.
    std::unique_ptr<QPagedPaintDevice> device_;
    std::unique_ptr<OutputFile> pdfOut_;
    std::unique_ptr<QPainter> painter_;
    Ui* ui_ = nullptr;
    QString pdfFallbackDir_;
    QString spoolParent_;
    QString spoolDir_; // the open system-printer job's folder
    std::chrono::milliseconds sendPatience_{30000};
    QString spoolFile_; // the file the open document is written to
    QString pdfFinal_;  // the name an open PDF document gets when it ends
    QString lastPdf_;
    QString pdfFileName_;
    int pendingBreaks_ = 0;
    int pdfCount_ = 0;
    int namedFileDocuments_ = 0; // documents completed since setPdfFileName's file

    using FontKey = std::tuple<QString, double, bool, bool, bool>;
    mutable std::map<FontKey, PrintFace> fonts_;
    mutable const PrintFace* currentFont_ = nullptr;
    const QFont* painterFont_ = nullptr; // the font the open painter draws with
    bool pageStarted_ = false;           // the page just started still needs its twips scale
    int orientation_ = 1;
    int paper_ = 1;
    bool turned_ = false;
    PrinterCalibration calibration_;
    QString calibrationDir_; // empty: the calibration set is kept
    // The printable areas asked for, by paper code and orientation: each
    // answer costs a device of the printer's driver.
    mutable std::map<std::pair<int, int>, QRectF> areas_;
};

// The printer the program prints on: PDF files in DIR when TAVREL_PRINTER is
// "pdf:DIR"; else the system's default printer, with the calibration saved
// for it; else, when no printer is installed, PDF files in the folder
// "printouts" of the program directory.
// Spool folders left behind by earlier runs are cleared away first.
std::unique_ptr<Printer> makeSystemPrinter(const QString& programDirectory, Ui* ui = nullptr);

} // namespace tavrel
