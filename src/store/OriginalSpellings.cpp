#include "store/OriginalSpellings.h"

#include "platform/Errors.h"
#include "platform/Files.h"

#include <QCryptographicHash>
#include <QFile>
#include <QList>
#include <algorithm>
#include <sys/stat.h>

namespace tavrel {

namespace {

const QByteArray kHeader = "TVLSPELL 1\n";
// Far more than 1700 records with every field in another alphabet.
constexpr qint64 kLargest = 16 * 1024 * 1024;

std::optional<ContactField> fieldNamed(const QByteArray& name)
{
    for (int f = 0; f < kContactFields; ++f)
        if (name == contactFieldName(ContactField(f)))
            return ContactField(f);
    return std::nullopt;
}

} // namespace

QByteArray OriginalSpellings::digestOf(const QByteArray& recordBytes)
{
    return QCryptographicHash::hash(recordBytes, QCryptographicHash::Sha1).toHex();
}

FieldTexts OriginalSpellings::originalsFor(int id, const QByteArray& recordBytes) const
{
    const auto it = entries_.constFind(id);
    if (it == entries_.cend() || it->digest != digestOf(recordBytes))
        return {};
    return it->originals;
}

void OriginalSpellings::keep(int id, const QByteArray& recordBytes, const FieldTexts& originals)
{
    if (originals.empty())
        forget(id);
    else
        entries_.insert(id, Entry{digestOf(recordBytes), originals});
    if (!originals.empty())
        touched_.insert(id);
    changed_ = changed_ || !originals.empty();
}

void OriginalSpellings::move(int from, int to)
{
    if (from == to || !entries_.contains(from))
        return;
    entries_.insert(to, entries_.take(from));
    touched_.remove(from);
    touched_.insert(to);
    changed_ = true;
}

// One line a record, in ID order: the ID, the digest, and each field as
// NAME=TEXT with the text's UTF-8 percent-encoded (no blank, no line end).
QByteArray OriginalSpellings::serialized() const
{
    QList<int> ids = entries_.keys();
    std::sort(ids.begin(), ids.end());
    QByteArray out = kHeader;
    for (int id : ids) {
        const Entry& e = entries_[id];
        out += QByteArray::number(id) + ' ' + e.digest;
        for (const auto& [field, text] : e.originals)
            out +=
                ' ' + QByteArray(contactFieldName(field)) + '=' + text.toUtf8().toPercentEncoding();
        out += '\n';
    }
    return out;
}

bool OriginalSpellings::parse(const QByteArray& text)
{
    entries_.clear();
    touched_.clear();
    changed_ = false;
    if (!text.startsWith(kHeader) || !text.endsWith('\n') || text.size() > kLargest)
        return false;
    if (text.size() == kHeader.size())
        return true; // the header alone
    const QList<QByteArray> lines = text.mid(kHeader.size()).chopped(1).split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> words = line.split(' ');
        bool ok = false;
        const int id = words.value(0).toInt(&ok);
        if (!ok || id < 1 || id > 32767 || entries_.contains(id) || words.size() < 3 ||
            words[1].size() != 40) {
            entries_.clear();
            return false;
        }
        Entry e{words[1], {}};
        for (qsizetype i = 2; i < words.size(); ++i) {
            const qsizetype eq = words[i].indexOf('=');
            const std::optional<ContactField> field = fieldNamed(words[i].left(eq));
            if (eq < 0 || !field || e.originals.count(*field)) {
                entries_.clear();
                return false;
            }
            e.originals[*field] =
                QString::fromUtf8(QByteArray::fromPercentEncoding(words[i].mid(eq + 1)));
        }
        entries_.insert(id, e);
    }
    return true;
}

OriginalSpellings::Loaded OriginalSpellings::load(const Files& files)
{
    entries_.clear();
    changed_ = false;
    if (!files.exists(kOriginalSpellingsName))
        return Loaded::Missing;
    if (files.length(kOriginalSpellingsName) > kLargest)
        return Loaded::Damaged;
    return parse(files.readAll(kOriginalSpellingsName)) ? Loaded::Read : Loaded::Damaged;
}

void OriginalSpellings::save(const Files& files, const QString& modeOf)
{
    if (entries_.isEmpty()) {
        files.removeIfPlainFile(kOriginalSpellingsName);
    } else {
        const bool isNew = !files.exists(kOriginalSpellingsName);
        files.replaceFile(kOriginalSpellingsName, serialized());
        if (isNew)
            ::chmod(QFile::encodeName(files.path(kOriginalSpellingsName)).constData(),
                    replacementMode(modeOf));
    }
    changed_ = false;
    touched_.clear();
}

} // namespace tavrel
