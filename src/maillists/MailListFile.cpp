#include "maillists/MailListFile.h"

#include "platform/Errors.h"
#include "platform/Text.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cerrno>

namespace tavrel {

using namespace MailListFormat;

QString mailListFileName(const QString& identifier)
{
    // The identifier becomes part of a file name in the program directory; it
    // must never reach anywhere else.
    bool bad = identifier.contains(QLatin1String(".."));
    for (QChar c : identifier) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 32 ||
            c.unicode() == 127)
            bad = true;
    }
    const QString name = QStringLiteral("tvlmail.") + identifier;
    if (bad || !Files::isPlainName(name))
        throw PlatformError(ErrNo::BadFileName, identifier);
    return name;
}

QString mailListTitleField(const QString& title)
{
    if (title.isEmpty())
        return padRight(kNoTitle, TitleWidth);
    return padRight(title, TitleWidth);
}

void clearMailListFlags(MailListState& list)
{
    list.MailListFlags.fill('0', kMaxId);
}

bool isMember(const MailListState& list, int id)
{
    return id >= 1 && id <= kMaxId && list.MailListFlags.size() >= id &&
           list.MailListFlags.at(id - 1) == '1';
}

void setMember(MailListState& list, int id, bool member)
{
    if (id < 1 || id > kMaxId)
        return;
    if (list.MailListFlags.size() < kMaxId)
        list.MailListFlags = list.MailListFlags.leftJustified(kMaxId, '0', true);
    list.MailListFlags[id - 1] = member ? '1' : '0';
}

QString memberText(const MailListState& list)
{
    QStringList ids;
    for (int id = 1; id <= kMaxId; ++id) {
        if (isMember(list, id))
            ids << QString::number(id);
    }
    return ids.join(QStringLiteral(", "));
}

QByteArray mailListBytes(const MailListState& list, const QString& titleField)
{
    QByteArray out = fixedField(titleField, TitleWidth);
    out += QByteArray(6, ' ');
    for (int id = 1; id <= kMaxId; ++id)
        out += isMember(list, id) ? '1' : '0';
    out += "\r\n";
    return out;
}

namespace {

// The regular files among the spellings of `fileName`, `fileName` itself first.
QStringList listFilesNamed(Program& p, const QString& fileName)
{
    QStringList out;
    for (const QString& n : p.files.spellings(fileName)) {
        if (QFileInfo(p.files.path(n)).isFile())
            out << n;
    }
    return out;
}

} // namespace

QString mailListFile(Program& p, const QString& fileName)
{
    QString newest;
    QDateTime newestTime;
    for (const QString& n : listFilesNamed(p, fileName)) {
        const QDateTime t = QFileInfo(p.files.path(n)).lastModified();
        if (newest.isEmpty() || t > newestTime) {
            newest = n;
            newestTime = t;
        }
    }
    return newest;
}

void replaceMailListFile(Program& p, const QString& fileName, const QByteArray& contents)
{
    const QString existing = mailListFile(p, fileName);
    const QString target = existing.isEmpty() ? fileName : existing;
    p.files.replaceFile(target, contents, kMailListTempName);
    // The list is written; a copy under another spelling that will not go is
    // harmless, since the file just written is the newest and so the list.
    for (const QString& n : listFilesNamed(p, fileName)) {
        if (n == target)
            continue;
        try {
            p.files.remove(n);
        } catch (const PlatformError&) {
        }
    }
}

void removeMailList(Program& p, const QString& fileName)
{
    const QStringList names = listFilesNamed(p, fileName);
    if (names.isEmpty())
        throw PlatformError(ErrNo::FileNotFound, fileName);
    for (const QString& n : names)
        p.files.remove(n);
}

void writeMailList(Program& p, const QString& fileName, const QString& title)
{
    if (!Files::isPlainName(fileName))
        throw PlatformError(ErrNo::BadFileName, fileName);
    // Written beside the list and renamed over it: a link under the list's name
    // is replaced, never written through.
    replaceMailListFile(p, fileName, mailListBytes(p, mailListTitleField(title)));
}

QByteArray readMailListLine(Program& p, const QString& fileName)
{
    // Only the line matters; whatever follows it (or a huge stray file) is never read.
    const QString actual = mailListFile(p, fileName);
    QFile f(p.files.path(actual.isEmpty() ? fileName : actual));
    errno = 0;
    if (!f.open(QIODevice::ReadOnly)) {
        if (!f.exists())
            throw PlatformError(ErrNo::FileNotFound, fileName);
        throw PlatformError(errno ? errnoToNumber(errno) : ErrNo::PathFileAccess, fileName);
    }
    QByteArray line = f.read(LineLength);
    if (f.error() != QFileDevice::NoError)
        throw PlatformError(errno ? errnoToNumber(errno) : ErrNo::DeviceIo, fileName);
    return line;
}

QStringList listMailListFiles(Program& p, const QString& pattern)
{
    QStringList out;
    QSet<QString> seen;
    for (const QString& name : p.files.list(pattern)) {
        if (!Files::isPlainName(name) || seen.contains(name.toCaseFolded()))
            continue;
        seen.insert(name.toCaseFolded());
        const QString list = mailListFile(p, name);
        out << (list.isEmpty() ? name : list);
    }
    return out;
}

namespace {

QString titleOf(const QByteArray& line)
{
    return padRight(cp1252ToUnicode(line.left(TitleWidth)), TitleWidth);
}

} // namespace

QString loadMailList(Program& p, const QString& fileName)
{
    const QByteArray line = readMailListLine(p, fileName);
    clearMailListFlags(p);
    for (int id = 1; id <= kMaxId; ++id) {
        const int at = FlagsOffset + id - 1;
        if (at < line.size() && line.at(at) == '1')
            p.MailListFlags[id - 1] = '1';
    }
    return titleOf(line);
}

QString readMailListTitle(Program& p, const QString& fileName)
{
    const QString title = titleOf(readMailListLine(p, fileName));
    if (title.startsWith(QChar(21)))
        return QString(TitleWidth, QLatin1Char(' '));
    return title;
}

namespace {

// True when a file named `name`, in any case, opens for reading.
bool anyListFileOpens(Program& p, const QString& name)
{
    for (const QString& n : p.files.spellings(name)) {
        const QString path = p.files.path(n);
        if (QFileInfo(path).isDir())
            throw PlatformError(ErrNo::PathFileAccess, n);
        QFile f(path);
        errno = 0;
        if (f.open(QIODevice::ReadOnly))
            return true;
        // Only a missing file (a dangling link included) means "no list yet".
        const int number = errno ? errnoToNumber(errno) : ErrNo::PathFileAccess;
        if (number != ErrNo::FileNotFound)
            throw PlatformError(number, n);
    }
    return false;
}

} // namespace

MailListAnswer askToReplaceMailList(Program& p, const QString& identifier)
{
    const QString name = mailListFileName(identifier);
    if (!anyListFileOpens(p, name))
        return MailListAnswer::NoFile;
    const QString text =
        QCoreApplication::translate("tavrel::MailListFile",
                                    "There Is Already A Mailing List File\nWith Identifier '") +
        identifier +
        QCoreApplication::translate("tavrel::MailListFile", "'.\n\nDo You Want To Replace It?");
    switch (p.ui.messageBox(text, kTitle, Ui::Buttons::YesNoCancel, Ui::Icon::Question)) {
    case Ui::Answer::Yes:
        return MailListAnswer::Replace;
    case Ui::Answer::No:
        return MailListAnswer::Keep;
    default:
        return MailListAnswer::Cancel;
    }
}

void parseIdList(Program& p, const QString& text)
{
    enum class Range { None, DashSeen, SecondStarted };
    clearMailListFlags(p);
    QString token;
    Range range = Range::None;
    int previous = 0;

    auto accept = [&] {
        const QString t = token;
        token.clear();
        if (t.size() > 4)
            return;
        const int n = t.toInt();
        if (n > kMaxId)
            return;
        if (range == Range::SecondStarted) {
            range = Range::None;
            for (int id = previous + 1; id <= n; ++id)
                setMember(p, id, true);
        }
        previous = n;
        setMember(p, n, true);
    };

    for (QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (range == Range::DashSeen && token.isEmpty())
                range = Range::SecondStarted;
            token += c;
            continue;
        }
        if (c == QLatin1Char('-'))
            range = Range::DashSeen;
        if (!token.isEmpty())
            accept();
    }
    if (!token.isEmpty())
        accept();
}

bool isReservedIdentifier(const QString& identifier)
{
    const QString u = identifier.toUpper();
    return u == QLatin1String("BAT") || u == QLatin1String("EXE") || u == QLatin1String("COM") ||
           u == QLatin1String("SYS");
}

bool hasPunctuation(const QString& identifier)
{
    static const QString set = QStringLiteral(" ~!@#$%^&*()_`-={}|[]\\:\";'<>?,./+");
    for (QChar c : identifier) {
        if (set.contains(c))
            return true;
    }
    return false;
}

} // namespace tavrel
