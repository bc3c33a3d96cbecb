#include "FuzzSupport.h"

#include "store/RecordAccess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <cstdlib>

namespace tavrel::fuzz {

void initialize(int*, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application lives as long as the fuzzer does, and never sees the
    // fuzzer's own options.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    static QApplication app(qtArgc, qtArgv);
    FuzzDir::instance();
}

void require(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

SplitInput::SplitInput(const uint8_t* data, size_t size, int choiceBytes)
{
    const QByteArray all(reinterpret_cast<const char*>(data), qsizetype(size));
    options = Choices(all.left(choiceBytes));
    answers = Choices(all.mid(choiceBytes, choiceBytes));
    rest = all.mid(2 * choiceBytes);
}

bool AutoUi::scripted()
{
    return used_++ < 8 && !answers_.exhausted();
}

Ui::Answer AutoUi::messageBox(const QString&, const QString&, Buttons buttons, Icon)
{
    ++messages;
    require(messages < 10000, "a run keeps showing messages");
    const bool s = scripted();
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return s && answers_.flag() ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
        return s && answers_.flag() ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel:
        if (!s)
            return Answer::No;
        return std::array{Answer::Yes, Answer::No, Answer::Cancel}[answers_.pick(3)];
    }
    return Answer::Ok;
}

int AutoUi::runModal(QDialog& dialog)
{
    dialog.setModal(true);
    dialog.show();
    if (scripted()) {
        const auto radios = dialog.findChildren<QRadioButton*>();
        const auto checks = dialog.findChildren<QCheckBox*>();
        for (int n = answers_.pick(4); n > 0; --n) {
            if (!radios.isEmpty())
                radios.at(answers_.pick(int(radios.size())))->click();
            if (!checks.isEmpty() && answers_.flag())
                checks.at(answers_.pick(int(checks.size())))->click();
        }
    }
    const auto buttons = dialog.findChildren<QPushButton*>();
    QPushButton* press = nullptr;
    for (QPushButton* b : buttons)
        if (b->isDefault())
            press = b;
    if (scripted()) {
        switch (answers_.pick(3)) {
        case 1:
            press = buttons.isEmpty() ? nullptr : buttons.at(answers_.pick(int(buttons.size())));
            break;
        case 2:
            press = nullptr; // closed from its title bar
            break;
        default:
            break;
        }
    }
    if (press)
        press->click();
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

FuzzDir& FuzzDir::instance()
{
    static FuzzDir dir;
    return dir;
}

namespace {

// Memory-backed when the machine has it: the runs flush files to disk, and
// on a real disk the flushes, not the program, would take most of the time.
QString fuzzDirTemplate()
{
    const QString shm = QStringLiteral("/dev/shm");
    const QString base = QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
    return base + QStringLiteral("/tavrel-fuzz-XXXXXX");
}

} // namespace

FuzzDir::FuzzDir() : dir_(fuzzDirTemplate()), root_(dir_.path())
{
    require(dir_.isValid(), "cannot make a temporary directory");
}

void FuzzDir::clear() const
{
    QDir d(root_);
    for (const QString& name : d.entryList(QDir::Files | QDir::Hidden | QDir::System))
        d.remove(name);
}

void FuzzDir::write(const QString& name, const QByteArray& bytes) const
{
    QFile f(path(name));
    require(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
            "cannot write a fuzz file");
}

QByteArray FuzzDir::read(const QString& name) const
{
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Session::Session(Choices& answers)
    : ui(answers), files(FuzzDir::instance().root()),
      p(Services{ui, printer, clipboard, help, clock, files})
{
}

Session::~Session()
{
    // Window-system events of the windows the run showed (exposures and the
    // like) wait for an event loop; without this they would pile up input
    // after input.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool Session::open()
{
    try {
        openNAFile(p);
        return true;
    } catch (const ProgramEnded&) {
        return false;
    }
}

QByteArray flagsFromPattern(const QByteArray& pattern)
{
    QByteArray flags(1700, '0');
    if (pattern.isEmpty())
        return flags;
    const int bits = int(pattern.size()) * 8;
    for (int i = 0; i < 1700; ++i)
        if (quint8(pattern.at((i % bits) / 8)) & (1 << (i % 8)))
            flags[i] = '1';
    return flags;
}

namespace {

NARecord person(int id, const QString& name, const QString& key1, const QString& key2)
{
    NARecord r = NARecord::blank();
    r.RecStatus = kActive;
    r.RecId = qint16(id);
    r.Name = name;
    r.AddrLine1 = QStringLiteral("%1 Harbour Road").arg(id * 7);
    r.AddrLine2 = QStringLiteral("Kirkwall");
    r.PhoneType1 = QStringLiteral("Home");
    r.PhoneNum1 = QStringLiteral("555-01%1").arg(id, 2, 10, QLatin1Char('0'));
    r.EMail = QStringLiteral("p%1@example.org").arg(id);
    r.Comments = QStringLiteral("Met at the ferry; sends cards in December.");
    r.SortKey1 = key1;
    r.SortKey2 = key2;
    r.LinkId1 = qint16(id % 4 + 1);
    r.LinkText1 = QStringLiteral("Cousin");
    return r;
}

} // namespace

QByteArray sampleNAFile(int lastRecNo)
{
    const QString names[] = {QStringLiteral("Ingrid Tulloch"),  QStringLiteral("Magnus Rendall"),
                             QStringLiteral("Sigrid Flett"),    QStringLiteral("Erlend Isbister"),
                             QStringLiteral("Ragna Linklater"), QStringLiteral("Thora Sinclair")};
    NARecord header = test::makeHeader(lastRecNo);
    header.SortKey1 = QLatin1Char('2'); // name lists by key 1, then key 2
    QByteArray out = header.toBytes();
    for (int id = 1; id <= 6; ++id) {
        NARecord r = person(id, names[id - 1],
                            id % 2 ? QStringLiteral("ORKNEY") : QStringLiteral("SHETLAND"),
                            QStringLiteral("K%1").arg(7 - id));
        if (id == 3) {
            r.RecStatus = kDeleted;
            r.RecId = 0;
        }
        out += r.toBytes();
    }
    return out;
}

} // namespace tavrel::fuzz
