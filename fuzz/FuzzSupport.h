#pragma once

// What the fuzz targets share: one program over a directory of its own whose
// every question is answered from the input's own bytes, and checks that turn
// a broken promise into a crash the fuzzer reports.

#include "platform/Files.h"
#include "platform/Ui.h"
#include "platform/gui/RecordingPrinter.h"
#include "store/Program.h"
#include "support/TestEnv.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <exception>

namespace tavrel::fuzz {

// Creates the Qt application (offscreen) once; call from LLVMFuzzerInitialize.
void initialize(int* argc, char*** argv);

// Ends the run with a message when a promise does not hold.
void require(bool condition, const char* what);

// Choices read off a stretch of the input; past its end every choice is 0.
class Choices {
public:
    Choices() = default;
    explicit Choices(QByteArray bytes) : bytes_(std::move(bytes)) {}
    bool exhausted() const { return at_ >= bytes_.size(); }
    int byte() { return exhausted() ? 0 : quint8(bytes_.at(at_++)); }
    // 0 .. n - 1.
    int pick(int n) { return n <= 1 ? 0 : byte() % n; }
    bool flag() { return byte() & 1; }

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

// An input cut into a fixed number of choice bytes and the rest.
struct SplitInput {
    SplitInput(const uint8_t* data, size_t size, int choiceBytes);
    Choices options;
    Choices answers;
    QByteArray rest;
};

// Thrown where the program would end.
struct ProgramEnded : std::exception {
    const char* what() const noexcept override { return "program ended"; }
};

// A Ui that answers each box from the answer bytes, the first few only; after
// them every box gets the answer that leaves a loop (OK, No, Cancel), so no
// "another test page?" can go on for ever. A modal window gets its option
// buttons and check boxes clicked and one of its buttons pressed.
class AutoUi : public Ui {
public:
    explicit AutoUi(Choices& answers) : answers_(answers) {}
    Answer messageBox(const QString& text, const QString& title, Buttons buttons,
                      Icon icon) override;
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    void beep() override {}
    void setWaitCursor(bool) override {}
    void processEvents() override {}
    int runModal(QDialog& dialog) override;

    int messages = 0;

protected:
    [[noreturn]] void quit() override { throw ProgramEnded(); }

private:
    bool scripted();
    Choices& answers_;
    int used_ = 0;
};

// The program directory, made once and emptied before every input.
class FuzzDir {
public:
    static FuzzDir& instance();
    QString path(const QString& name) const { return dir_.path() + QLatin1Char('/') + name; }
    const QString& root() const { return root_; }
    void clear() const;
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;

private:
    FuzzDir();
    QTemporaryDir dir_;
    QString root_;
};

inline const QString kNAFileName = QStringLiteral("n&a.mrk");

// One program over the fuzz directory, answering from `answers`.
class Session {
public:
    explicit Session(Choices& answers);
    // Deletes what the run's windows left for deletion, as the event loop would.
    ~Session();
    // Runs openNAFile on the file as it lies; false when the program ended.
    bool open();

    AutoUi ui;
    RecordingPrinter printer;
    test::FakeClipboard clipboard;
    test::FakeHelp help;
    test::FixedClock clock;
    Files files;
    Program p;
};

// A good N&A file: the header (LastRecNo `lastRecNo`) and IDs 1 to 6, ID 3
// deleted, with addresses, telephones, sort keys that tie and QuickLinks.
QByteArray sampleNAFile(int lastRecNo = 7);

// Mailing list flags for IDs 1..1700 repeating the bits of `pattern`.
QByteArray flagsFromPattern(const QByteArray& pattern);

} // namespace tavrel::fuzz
