#include "store/RecordAccess.h"

#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/Program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>

namespace tavrel {

namespace {

const QString kFileName = QStringLiteral("n&a.mrk");
const QString LF = QStringLiteral("\n");

bool inIdRange(int id)
{
    return id >= 1 && id <= kMaxId;
}

// Fills the header fields of the current record; the rest keeps what the buffer held.
void fillHeader(Program& p, const QString& label)
{
    fillHeaderFields(p.CurRec, p, p.LastRecNo, label);
}

QChar firstCharIn(const QString& field, char low, char high, char fallback)
{
    const QChar c = field.isEmpty() ? QChar() : field.at(0);
    return (c >= QLatin1Char(low) && c <= QLatin1Char(high)) ? c : QLatin1Char(fallback);
}

void establishFile(Program& p)
{
    const QDateTime now = p.clock.now();
    p.CurRec = NARecord::blank();
    p.LastRecNo = 2;
    p.SortPref = QLatin1Char('4');
    p.QuickFindField = p.QuickFindSort = p.WelcomeOff = QLatin1Char('0');
    p.EstablishedDate = headerDate(now);
    fillHeader(p, QStringLiteral("Corvane Mark32 - TVL For Windows"));
    p.naFile.write(1, p.CurRec.toBytes());
    p.CurRec = sampleRecord();
    p.naFile.write(2, p.CurRec.toBytes());
    p.naFile.close();
}

// The highest record number (2..) holding an active record, or 1.
int scanHighestActive(Program& p)
{
    const int last = qMin(p.naFile.recordCount(), NAFile::MaxRecords);
    for (int recNo = last; recNo >= 2; --recNo) {
        if (isActive(NARecord::fromBytes(p.naFile.read(recNo)), recNo - 1))
            return recNo;
    }
    return 1;
}

QString number(qint64 n)
{
    return QString::number(n);
}

// What can be wrong with a file that still opens.
struct Damage {
    qint64 size = 0;
    int records = 0;
    bool oddLength = false, notHeader = false, countOutOfRange = false, countBeyondEnd = false;
    bool any() const { return oddLength || notHeader || countOutOfRange || countBeyondEnd; }
};

Damage damageOf(const Program& p, const NARecord& header)
{
    Damage d;
    d.size = p.naFile.size();
    d.records = p.naFile.recordCount();
    d.oddLength = d.size % NARecord::Size != 0;
    d.notHeader = header.RecStatus != kActive;
    d.countOutOfRange = header.RecId < 1 || header.RecId > NAFile::MaxRecords;
    d.countBeyondEnd = !d.countOutOfRange && header.RecId > d.records;
    return d;
}

// The damaged-file message's heading and a line for each fault.
QStringList faultLines(const Damage& d, const NARecord& header)
{
    QStringList faults{kDamagedFileHeading};
    if (d.oddLength)
        faults << QCoreApplication::translate("tavrel::RecordAccess", "Its Length, ") +
                      number(d.size) +
                      QCoreApplication::translate(
                          "tavrel::RecordAccess",
                          " Bytes, Is Not A Whole Number Of 574-Byte Records.");
    if (d.notHeader)
        faults << QCoreApplication::translate("tavrel::RecordAccess",
                                              "Its First Record Is Not A Header Record.");
    if (d.countOutOfRange)
        faults << QCoreApplication::translate("tavrel::RecordAccess", "Its Header Gives ") +
                      number(header.RecId) +
                      QCoreApplication::translate("tavrel::RecordAccess",
                                                  " As The Last Record In Use, Outside 1 To 1701.");
    if (d.countBeyondEnd)
        faults << QCoreApplication::translate("tavrel::RecordAccess", "Its Header Gives ") +
                      number(header.RecId) +
                      QCoreApplication::translate(
                          "tavrel::RecordAccess",
                          " As The Last Record In Use, But The File Holds ") +
                      number(d.records) +
                      QCoreApplication::translate("tavrel::RecordAccess", " Records.");
    return faults;
}

// A last record the file holds only in part is completed with zero bytes,
// unless it lies beyond record 1701; what was done is said.
QString completeLastRecord(Program& p, const Damage& d)
{
    if (d.records > NAFile::MaxRecords)
        return QCoreApplication::translate(
            "tavrel::RecordAccess",
            "The Bytes After Record 1701 Are Never Read, And Are Left As They Are.");
    try {
        p.naFile.completeLastRecord();
        return QCoreApplication::translate("tavrel::RecordAccess",
                                           "It Has Added Zero Bytes To Complete The Last Record; "
                                           "Nothing Was Removed.");
    } catch (const PlatformError& e) {
        return QCoreApplication::translate("tavrel::RecordAccess",
                                           "It Could Not Complete The Last Record (Error ") +
               number(e.number()) + QStringLiteral(").");
    }
}

// A file that cannot be what its header says is opened as found: the highest
// active record found by a scan stands in for LastRecNo. What can be mended
// without losing a byte is mended now; the message names each fault and says
// exactly what was done about it.
void checkForDamage(Program& p, const NARecord& header)
{
    const Damage d = damageOf(p, header);
    if (!d.any())
        return;
    p.LastRecNo = qint16(scanHighestActive(p));

    const QStringList faults = faultLines(d, header);
    QStringList done{
        QCoreApplication::translate("tavrel::RecordAccess", "TVL Uses The Records It Can Read.")};
    if (d.oddLength)
        done << completeLastRecord(p, d);
    if (d.notHeader) {
        // Record 1 may hold something other than a header; it is not overwritten unasked.
        done << QCoreApplication::translate("tavrel::RecordAccess",
                                            "It Has Not Changed The First Record.");
    } else if (d.countOutOfRange || d.countBeyondEnd) {
        // One record write, as every preference change makes: a crash leaves
        // the old header, which the next start finds damaged again.
        writeHeaderRecord(p);
        done << QCoreApplication::translate("tavrel::RecordAccess",
                                            "It Has Written A Corrected Header Record.");
    }
    p.ui.messageBox(faults.join(LF) + LF + LF + done.join(LF), kTitle, Ui::Buttons::Ok,
                    Ui::Icon::Exclamation);
}

// The preferences and the last record in use, as the header gives them.
void readHeaderValues(Program& p)
{
    p.CurRec = NARecord::fromBytes(p.naFile.read(1));
    const NARecord header = p.CurRec;
    p.LastRecNo = header.RecId;
    p.EstablishedDate = header.SortKey2;
    p.SortPref = firstCharIn(header.SortKey1, '0', '4', '4');
    p.QuickFindField = firstCharIn(header.PhoneType1, '0', '6', '0');
    p.QuickFindSort = firstCharIn(header.PhoneType2, '0', '4', '0');
    p.WelcomeOff = (!header.PhoneType3.isEmpty() && header.PhoneType3.at(0) == QLatin1Char('1'))
                       ? QLatin1Char('1')
                       : QLatin1Char('0');
}

void loadWorkingValues(Program& p)
{
    readHeaderValues(p);
    const NARecord header = p.CurRec;
    checkForDamage(p, header);
}

[[noreturn]] void refuseToRun(Program& p, const QString& lastLine)
{
    p.ui.messageBox(QCoreApplication::translate("tavrel::RecordAccess",
                                                "TVL Cannot Operate Without A N&A File!") +
                        LF + lastLine,
                    kTitle, Ui::Buttons::Ok);
    p.ui.endProgram();
}

} // namespace

void fillHeaderFields(NARecord& r, const Program& p, int lastRecNo, const QString& label)
{
    const QDateTime now = p.clock.now();
    r.RecStatus = kActive;
    r.RecId = qint16(lastRecNo);
    r.Name = label;
    r.AddrLine1 = QStringLiteral("Header Record Written ") + headerDate(now);
    r.AddrLine2 = QStringLiteral("At ") + headerTime(now) + QStringLiteral(" Hours");
    r.SortKey1 = p.SortPref;
    r.SortKey2 = p.EstablishedDate;
    r.PhoneType1 = p.QuickFindField;
    r.PhoneType2 = p.QuickFindSort;
    r.PhoneType3 = p.WelcomeOff;
}

bool isActive(const NARecord& r, int id)
{
    return r.RecStatus == kActive && r.RecId == id;
}

bool readActive(Program& p, int id)
{
    if (!inIdRange(id))
        return false;
    Get_NA_Rec(p, id + 1);
    return isActive(p.CurRec, id);
}

void Get_NA_Rec(Program& p, int recNo)
{
    try {
        p.CurRec.assignBytes(p.naFile.read(recNo));
    } catch (const PlatformError& e) {
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::RecordAccess", "Error = ") + numText(e.number()) +
                QCoreApplication::translate("tavrel::RecordAccess", " In Get_NA_Rec.  Id = ") +
                numText(recNo),
            kDefaultTitle, Ui::Buttons::Ok);
        p.ui.endProgram();
    }
}

void Put_NA_Rec(Program& p, int recNo)
{
    putRecordBytes(p, recNo, p.CurRec.toBytes());
}

void putRecordBytes(Program& p, int recNo, const QByteArray& bytes)
{
    const bool undoNotes = p.Undo.recording() && recNo >= 2 && !p.Undo.noted(recNo);
    const bool spelled = recNo >= 2 && p.Spellings.contains(recNo - 1);
    QByteArray before;
    try {
        // A step of the record commands keeps what it overwrites, so that it
        // can be undone; the header follows from the records.
        if (undoNotes || spelled)
            before = QByteArray(p.naFile.read(recNo));
        if (undoNotes)
            p.Undo.noteBefore(recNo, before, p.Spellings.originalsFor(recNo - 1, before));
        p.naFile.write(recNo, bytes);
    } catch (const PlatformError& e) {
        p.ui.messageBox(
            QCoreApplication::translate("tavrel::RecordAccess", "Err = ") + numText(e.number()) +
                QCoreApplication::translate("tavrel::RecordAccess", "  In Put_NA_Rec.  Id = ") +
                numText(recNo),
            kDefaultTitle, Ui::Buttons::Ok);
        p.ui.endProgram();
    }
    if (spelled)
        followRecordWrite(p, recNo, before, bytes);
}

void writeHeaderRecord(Program& p)
{
    fillHeader(p, QStringLiteral("Corvane Mark - TVL For Windows"));
    Put_NA_Rec(p, 1);
}

void openNAFile(Program& p)
{
    bool establish = false;
    for (;;) {
        try {
            if (!establish)
                p.naFile.probe(p.files.path(kFileName));
            for (;;) {
                p.naFile.open(p.files.path(kFileName));
                if (!establish)
                    break;
                try {
                    establishFile(p);
                } catch (const PlatformError&) {
                    // A file that could not be written completely is not
                    // left behind half made; the next start asks again.
                    p.naFile.close();
                    QFile::remove(p.files.path(kFileName));
                    throw;
                }
                establish = false;
            }
            loadWorkingValues(p);
            findLowestFreeId(p);
            loadSpellings(p);
            return;
        } catch (const PlatformError& e) {
            p.naFile.close();
            if (e.number() == ErrNo::DiskNotReady) {
                if (p.ui.messageBox(
                        QCoreApplication::translate("tavrel::RecordAccess",
                                                    "Please Ready The Floppy Disk Drive."),
                        kTitle, Ui::Buttons::OkCancel, Ui::Icon::Question) == Ui::Answer::Ok)
                    continue;
                refuseToRun(p, QCoreApplication::translate("tavrel::RecordAccess",
                                                           "Click OK To Terminate Corvane MARK."));
            }
            if (e.number() == ErrNo::FileNotFound && !establish) {
                const QString text =
                    QCoreApplication::translate("tavrel::RecordAccess",
                                                "There Is No N&A File In %1.")
                        .arg(QDir::toNativeSeparators(p.files.programDirectory())) +
                    LF +
                    QCoreApplication::translate("tavrel::RecordAccess",
                                                "Do You Want One Established?") +
                    LF + LF +
                    QCoreApplication::translate(
                        "tavrel::RecordAccess",
                        "If You Have Just Installed Corvane MARK32, Click The Yes "
                        "Button.  Otherwise, Click No Then Determine Why There Is No "
                        "'N&A.MRK' File In The Corvane MARK32 Directory.") +
                    LF + LF +
                    QCoreApplication::translate(
                        "tavrel::RecordAccess",
                        "Note:  If You're New To Corvane MARK32:  After MARK32 Starts, "
                        "Please Read The 'Getting Started' Help Topic.");
                if (p.ui.messageBox(text, kTitle, Ui::Buttons::YesNo, Ui::Icon::Question) ==
                    Ui::Answer::Yes) {
                    establish = true;
                    continue;
                }
                refuseToRun(p, QCoreApplication::translate("tavrel::RecordAccess",
                                                           "Click OK To Terminate TVL."));
            }
            p.ui.messageBox(QCoreApplication::translate("tavrel::RecordAccess", "Error ") +
                                numText(e.number()) +
                                QCoreApplication::translate("tavrel::RecordAccess",
                                                            " At 2755.  Notify Programmer."),
                            kDefaultTitle, Ui::Buttons::Ok);
            p.ui.endProgram();
        }
    }
}

void readAscending(Program& p, int firstRecNo, int lastRecNo,
                   const std::function<bool(int recNo)>& visit)
{
    constexpr int kBlock = 64;
    firstRecNo = qMax(firstRecNo, 1);
    lastRecNo = qMin(lastRecNo, NAFile::MaxRecords);
    for (int start = firstRecNo; start <= lastRecNo; start += kBlock) {
        const int count = qMin(kBlock, lastRecNo - start + 1);
        QByteArray block;
        try {
            block = p.naFile.readBlock(start, count);
        } catch (const PlatformError&) {
            // Record by record, so the message names the record that fails.
            for (int recNo = start; recNo < start + count; ++recNo) {
                Get_NA_Rec(p, recNo);
                if (!visit(recNo))
                    return;
            }
            continue;
        }
        for (int i = 0; i < count; ++i) {
            p.CurRec.assignBytes(QByteArray::fromRawData(
                block.constData() + qsizetype(i) * NARecord::Size, NARecord::Size));
            if (!visit(start + i))
                return;
        }
    }
}

QString openNAFileReadOnly(Program& p)
{
    p.naFile.openReadOnly(p.files.path(kFileName));
    QStringList faults;
    if (p.naFile.size() == 0) {
        faults << kDamagedFileHeading
               << QCoreApplication::translate("tavrel::RecordAccess",
                                              "It Is Empty: It Holds No Header Record.");
    } else {
        readHeaderValues(p);
        const Damage d = damageOf(p, p.CurRec);
        if (d.any())
            faults = faultLines(d, p.CurRec);
    }
    if (!faults.isEmpty()) {
        p.naFile.close();
        return faults.join(LF);
    }
    findLowestFreeId(p);
    loadSpellings(p);
    return QString();
}

void findLowestFreeId(Program& p)
{
    p.LowestFreeId = p.LastRecNo;
    readAscending(p, 2, p.LastRecNo, [&](int recNo) {
        if (isActive(p.CurRec, recNo - 1))
            return true;
        p.LowestFreeId = qint16(recNo - 1);
        return false;
    });
}

bool nextReportRecord(Program& p)
{
    auto& c = p.Cursor;
    auto finish = [&] {
        c.WalkPosition = c.WalkLength = p.LastRecNo;
        return true;
    };
    for (;;) {
        if (c.fromMailList && !c.sorted) {
            int id = qMax(c.scanPosition, 1);
            const int lastId = qMin<int>(p.LastRecNo - 1, p.MailListFlags.size());
            while (id <= lastId && p.MailListFlags.at(id - 1) != '1')
                ++id;
            if (id > lastId)
                return finish();
            p.CurId = qint16(id);
            c.scanPosition = id + 1;
        }
        if (c.sorted) {
            if (c.WalkPosition < 1 || c.WalkPosition > p.SortedCount)
                return finish();
            p.CurId = p.sortedId(c.WalkPosition);
        }
        if (readActive(p, p.CurId))
            return false;
        if (c.sorted) {
            // The sorted list holds only active records; should one have gone
            // since, step past it rather than look at it for ever.
            if (++c.WalkPosition > c.WalkLength)
                return finish();
            continue;
        }
        p.CurId = qint16(p.CurId + 1);
        if (p.CurId >= p.LastRecNo)
            return finish();
    }
}

void noteStoredId(Program& p, int id)
{
    if (id + 1 > p.LastRecNo) {
        p.LastRecNo = qint16(id + 1);
        writeHeaderRecord(p);
    }
}

void lowerLastRecNo(Program& p, int fromRecNo)
{
    int recNo = qMin(fromRecNo, NAFile::MaxRecords);
    for (; recNo >= 2; --recNo) {
        if (readActive(p, recNo - 1))
            break;
    }
    p.LastRecNo = qint16(recNo >= 2 ? recNo : 1);
    writeHeaderRecord(p);
}

NARecord sampleRecord()
{
    NARecord r = NARecord::blank();
    r.RecStatus = kActive;
    r.RecId = 1;
    r.Name = QStringLiteral("Margaret Ellison");
    r.AddrLine1 = QStringLiteral("418 Chestnut Hill Road");
    r.AddrLine2 = QStringLiteral("Burlington, VT 05401");
    r.EMail = QStringLiteral("m.ellison@example.com");
    r.Comments = QStringLiteral("A sample entry to show how a record looks. Change it to one of "
                                "your own, or delete it.");
    r.SortKey1 = QStringLiteral("ELLISON");
    return r;
}

} // namespace tavrel
