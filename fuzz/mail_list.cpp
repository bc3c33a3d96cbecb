// Loading a mailing list file of any bytes and reading its title: the flags
// are exactly the '1's of the file, the title is 40 characters, and writing
// the list back and loading it again gives the same members.

#include "FuzzSupport.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"

using namespace tavrel;
using namespace tavrel::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const FuzzDir& dir = FuzzDir::instance();
    dir.clear();
    const QString name = QStringLiteral("tvlmail.fuz");
    dir.write(name, bytes);
    Choices answers;
    Session s(answers);
    Program& p = s.p;

    require(listMailListFiles(p, kMailListPattern) == QStringList{name}, "the list is not listed");
    const QString title = loadMailList(p, name);
    require(title.size() == MailListFormat::TitleWidth, "the title is not 40 characters");
    require(p.MailListFlags.size() == 1700, "the flags are not 1700");
    for (int id = 1; id <= 1700; ++id) {
        const int at = MailListFormat::FlagsOffset + id - 1;
        const bool inFile = at < bytes.size() && bytes.at(at) == '1';
        require(isMember(p, id) == inFile, "a member differs from the file");
    }
    const QString shown = readMailListTitle(p, name);
    require(shown.size() == MailListFormat::TitleWidth, "the shown title is not 40 characters");

    const QByteArray flags = p.MailListFlags;
    writeMailList(p, name, title);
    const QByteArray written = dir.read(name);
    require(written.size() == MailListFormat::FileLength, "a written list has the wrong length");
    require(written.startsWith(bytes.left(MailListFormat::TitleWidth)) ||
                bytes.size() < MailListFormat::TitleWidth,
            "the title changed when the list was written back");
    clearMailListFlags(p);
    loadMailList(p, name);
    require(p.MailListFlags == flags, "members changed when the list was written back");
    return 0;
}
