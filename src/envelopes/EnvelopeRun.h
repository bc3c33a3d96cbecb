#pragma once

#include "platform/Printer.h"
#include "store/Contact.h"

#include <QString>
#include <array>

namespace tavrel {

class Program;

// One envelope size: the printer's paper code and where the mailing block goes.
struct EnvelopeSize {
    int paperCode;
    qint16 mailX, mailY; // twips
    char sizeClass;      // 'A', 'B' or 'C': the fonts and line steps
};
inline constexpr int kEnvelopeSizeCount = 7;
// The sizes in the order of the size buttons; an index out of range gives size 0.
const EnvelopeSize& envelopeSize(int index);

// Font sizes (points) and line steps (twips) of the two blocks of a size class.
struct EnvelopeFonts {
    double returnSize;
    int returnStep;
    double mailSize;
    int mailStep;
};
const EnvelopeFonts& envelopeFonts(int sizeIndex);

// Indexes of the return-address and mailing-address buttons.
namespace ReturnFrom {
inline constexpr int Keyboard = 0, NAEntry = 1, None = 2;
}
namespace MailTo {
inline constexpr int Keyboard = 0, MailingList = 1, NAEntry = 2, AllEntries = 3, None = 4;
}
inline constexpr int kDoNotSort = 4;

using AddressLines = std::array<QString, 5>; // each 35 characters, blank padded

// The name and four address lines of a contact as an envelope prints them:
// text of the code page padded to its 35 characters, the person's own
// spelling as it is (the run fits it into the line's room).
AddressLines envelopeLines(const Contact& contact);

// Everything the print run takes from the envelope dialog, read when Print is pressed.
struct EnvelopeJob {
    int returnOption = -1; // -1: none selected
    int mailOption = -1;
    int sizeIndex = 0;
    bool landscape = true;
    int sortIndex = 0;
    QString mailListFile; // the file chosen in the mailing-list picker
    QString countText = QStringLiteral("1");
    bool returnItalics = false, returnUppercase = false;
    bool mailItalics = false, mailUppercase = false;
    AddressLines returnAddress;
    AddressLines mailAddress;

    // A run with nobody to ask (the command line): no test envelope question.
    bool unattended = false;
    // A preview: the envelopes (not the test envelopes, which go to the
    // printer) are drawn into this printer, and the run says nothing when it completes.
    Printer* pagesInto = nullptr;

    // Set by setEnvelopeSize.
    qint16 mailX = 0, mailY = 0;
};

// Sets the printer's paper size to the chosen size and stores the mailing
// block's offsets in the job.
void setEnvelopeSize(Printer& printer, EnvelopeJob& job);

// Draws the return and mailing blocks of one envelope on the current page;
// `test` prints rows of X in place of every line, without italics or upper case.
void placeEnvelope(Printer& printer, const EnvelopeJob& job, const AddressLines& mailAddr,
                   bool test);

// One test envelope as its own document.
void printTestEnvelope(Printer& printer, EnvelopeJob& job);

// The small windows of a run. The dialog supplies the real ones; tests a recorder.
class EnvelopeWindows {
public:
    virtual ~EnvelopeWindows() = default;
    // "Please Wait" / "Processing Data" while the addresses are collected.
    virtual void showPleaseWait() = 0;
    virtual void closePleaseWait() = 0;
    // "Envelope Printing" with its counter at 0 and its Cancel button.
    virtual void showProgress() = 0;
    virtual void showPrepared(int count) = 0;
    virtual void closeProgress() = 0;

    // Set by the progress window's Cancel; the run reads it after each envelope.
    bool cancelRequested = false;
};

enum class EnvelopeRunEnd {
    Refused,      // an option or the count was refused with a message; nothing printed
    Empty,        // the selection held no active record
    Stopped,      // Cancel at the test-envelope question, or a list that cannot be read
    PrinterError, // the printer failed; the job was abandoned and the user told
    Cancelled,    // Cancel on the progress window
    Completed,
};

// The envelope print run of the dialog's Print button. Whatever happens, the
// printer is left at letter, portrait and not bold. The dialog closes after
// Cancelled and Completed and stays open otherwise.
EnvelopeRunEnd printEnvelopes(Program& p, EnvelopeJob job, EnvelopeWindows& windows);

// The number of envelopes typed, as a 16-bit count; false when the text is
// not a number or does not fit (the message says which).
bool envelopeCount(const QString& text, int& count, QString& message);

} // namespace tavrel
