#pragma once

#include "platform/Files.h"
#include "platform/Printer.h"

#include <QComboBox>
#include <QStringList>
#include <memory>

namespace tavrel {

class RoutedPrinter;
class Ui;

// The printer box of the print windows: every print queue of the system and
// "PDF file...". The choice is remembered per kind of printout in the
// settings file; without one the box shows the queue the program prints on
// (the system's default printer). With no queue chosen (none installed)
// the program's own printer is used.
class PrinterBox : public QComboBox {
    Q_OBJECT

public:
    // `queues` are the print queues to offer, `standardQueue` the one the
    // program's printer prints on (empty: not a queue, e.g. PDF files).
    PrinterBox(const Files& files, const QStringList& queues, const QString& standardQueue,
               QWidget* parent = nullptr);
    // The same over the system's queues (Qt's printer list) and `printer`.
    PrinterBox(const Files& files, const RoutedPrinter& printer, QWidget* parent = nullptr);

    // Shows what was chosen last for this kind of printout ("labels",
    // "envelopes", ...), or the standard queue.
    void showChoiceFor(const QString& kind);
    // Saves the current choice for the kind last shown. A settings file that
    // cannot be written only loses the memory, never the printout.
    void rememberChoice();

    bool pdfChosen() const;
    // The chosen queue; empty for "PDF file..." or no choice.
    QString chosenQueue() const;

    // The printer a run on the current choice prints on: nullptr when that is
    // the program's own printer (TAVREL_PRINTER set, the standard queue or no
    // choice); for "PDF file..." the person names the file first, and
    // `cancelled` is set when they do not. A queue removed since it was
    // chosen is said, leaves the box, and sets `cancelled`: nothing prints.
    std::unique_ptr<Printer> makeChosenPrinter(Ui& ui, bool& cancelled);

    static QString settingKey(const QString& kind);

private:
    void fill(const QStringList& queues);

    const Files& files_;
    QString standardQueue_;
    QString kind_;
};

} // namespace tavrel
