#include "platform/gui/PrinterBox.h"

#include "platform/Errors.h"
#include "platform/RoutedPrinter.h"
#include "platform/SettingsFile.h"
#include "platform/Ui.h"
#include "platform/gui/FileDialog.h"
#include "platform/gui/QtPrinter.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>

namespace tavrel {

namespace {

// What the settings file holds for "PDF file...".
const QString kPdfSetting = QStringLiteral("PDF");

QString queueOf(const RoutedPrinter& printer)
{
    const auto* system = dynamic_cast<const QtPrinter*>(&printer.standard());
    return system ? system->queueName() : QString();
}

} // namespace

PrinterBox::PrinterBox(const Files& files, const QStringList& queues, const QString& standardQueue,
                       QWidget* parent)
    : QComboBox(parent), files_(files), standardQueue_(standardQueue)
{
    fill(queues);
}

PrinterBox::PrinterBox(const Files& files, const RoutedPrinter& printer, QWidget* parent)
    : QComboBox(parent), files_(files), standardQueue_(queueOf(printer))
{
    if (standardQueue_.isEmpty() && qEnvironmentVariableIsEmpty("TAVREL_PRINTER"))
        standardQueue_ = QPrinterInfo::defaultPrinterName();
    fill(QPrinterInfo::availablePrinterNames());
}

void PrinterBox::fill(const QStringList& queues)
{
    setObjectName(QStringLiteral("PrinterBox"));
    setToolTip(tr("The Printer To Print On"));
    // With no queue chosen the program's printer prints (PDF files in the
    // printouts folder when no printer is installed).
    setPlaceholderText(tr("Default Printer"));
    QStringList sorted = queues;
    sorted.sort(Qt::CaseInsensitive);
    addItems(sorted);
    addItem(tr("PDF file..."), kPdfSetting);
    showChoiceFor(QString());
}

QString PrinterBox::settingKey(const QString& kind)
{
    return QStringLiteral("Printer.") + kind;
}

void PrinterBox::showChoiceFor(const QString& kind)
{
    kind_ = kind;
    int index = -1;
    if (!kind.isEmpty()) {
        const auto saved = settingIn(readSettings(files_), settingKey(kind));
        if (saved && *saved == kPdfSetting)
            index = count() - 1;
        else if (saved)
            index = findText(*saved);
    }
    if (index < 0 && !standardQueue_.isEmpty())
        index = findText(standardQueue_);
    setCurrentIndex(index);
}

void PrinterBox::rememberChoice()
{
    if (kind_.isEmpty() || currentIndex() < 0)
        return;
    try {
        writeSetting(files_, settingKey(kind_), pdfChosen() ? kPdfSetting : currentText());
    } catch (const PlatformError&) {
        // Only the memory of the choice is lost.
    }
}

bool PrinterBox::pdfChosen() const
{
    return currentIndex() >= 0 && currentIndex() == count() - 1;
}

QString PrinterBox::chosenQueue() const
{
    return currentIndex() < 0 || pdfChosen() ? QString() : currentText();
}

std::unique_ptr<Printer> PrinterBox::makeChosenPrinter(Ui& ui, bool& cancelled)
{
    cancelled = false;
    if (!qEnvironmentVariableIsEmpty("TAVREL_PRINTER"))
        return nullptr;
    if (pdfChosen()) {
        FileDialogRequest request;
        request.mode = FileDialogMode::Save;
        request.title = tr("Print To PDF File");
        request.start = QDir::homePath() + QStringLiteral("/printout.pdf");
        request.filter = tr("PDF Files (*.pdf)");
        request.suffix = QStringLiteral("pdf");
        const QString file = askForFile(ui, window(), request);
        if (!file.isEmpty() && QFileInfo::exists(file) &&
            ui.messageBox(tr("%1 Already Exists.\n\nDo You Want To Replace It?")
                              .arg(QDir::toNativeSeparators(file)),
                          tr("Print To PDF File"), Ui::Buttons::YesNo,
                          Ui::Icon::Question) != Ui::Answer::Yes) {
            cancelled = true;
            return nullptr;
        }
        if (file.isEmpty()) {
            cancelled = true;
            return nullptr;
        }
        auto pdf = std::make_unique<QtPrinter>(QFileInfo(file).absolutePath());
        pdf->setPdfFileName(QFileInfo(file).absoluteFilePath());
        return pdf;
    }
    const QString queue = chosenQueue();
    if (queue.isEmpty() || queue == standardQueue_)
        return nullptr;
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    if (info.isNull()) {
        // Removed since the box was filled: printing elsewhere would put the
        // pages where the person did not ask for them.
        ui.messageBox(tr("The Printer %1 Is No Longer Installed.  Nothing Was Printed.\n\n"
                         "Please Choose Another Printer.")
                          .arg(queue),
                      kPrinterErrorTitle, Ui::Buttons::Ok, Ui::Icon::Exclamation);
        removeItem(currentIndex());
        setCurrentIndex(standardQueue_.isEmpty() ? -1 : findText(standardQueue_));
        cancelled = true;
        return nullptr;
    }
    auto printer = std::make_unique<QtPrinter>(info, &ui, files_.path(QStringLiteral("printouts")));
    printer->followSavedCalibration(files_.programDirectory());
    return printer;
}

} // namespace tavrel
