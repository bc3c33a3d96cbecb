#include "exchange/FileKind.h"

#include "exchange/Csv.h"
#include "exchange/Rules.h"

#include <QStringDecoder>

namespace tavrel {

namespace {

bool hasMark(const QByteArray& bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") ||
           bytes.startsWith("\xFE\xFF");
}

// The first 64 KB as text: UTF-16 when marked, else byte for byte (enough to
// count control characters and find the first line).
QString sample(const QByteArray& bytes)
{
    const QByteArray head = bytes.left(64 * 1024);
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")) {
        QStringDecoder d(head.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                     : QStringDecoder::Utf16BE);
        return d(head.mid(2));
    }
    return QString::fromLatin1(head.startsWith("\xEF\xBB\xBF") ? head.mid(3) : head);
}

struct Magic {
    const char* bytes;
    const char* what;
};
constexpr Magic kMagic[] = {{"%PDF-", "a PDF document"},
                            {"PK\x03\x04", "a ZIP archive or office document"},
                            {"\xD0\xCF\x11\xE0", "an office document"}};

} // namespace

QByteArray withUtf16Mark(const QByteArray& bytes, QString* found)
{
    found->clear();
    if (hasMark(bytes) || bytes.size() < 4)
        return bytes;
    // Card and CSV files are mostly ASCII: in UTF-16 every other byte is zero.
    const qsizetype pairs = std::min<qsizetype>(bytes.size(), 8192) / 2;
    qsizetype zeroEven = 0, zeroOdd = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        zeroEven += bytes.at(2 * i) == 0;
        zeroOdd += bytes.at(2 * i + 1) == 0;
    }
    const auto many = [pairs](qsizetype n) { return n * 4 >= pairs; };
    const auto few = [pairs](qsizetype n) { return n * 20 <= pairs; };
    if (many(zeroOdd) && few(zeroEven)) {
        *found = QStringLiteral("little-endian");
        return QByteArray("\xFF\xFE") + bytes;
    }
    if (many(zeroEven) && few(zeroOdd)) {
        *found = QStringLiteral("big-endian");
        return QByteArray("\xFE\xFF") + bytes;
    }
    return bytes;
}

QString notAContactFile(const QByteArray& bytes)
{
    const QString noCard = QStringLiteral("no BEGIN:VCARD");
    for (const Magic& m : kMagic)
        if (bytes.startsWith(m.bytes))
            return QString::fromLatin1(m.what) + QStringLiteral(", ") + noCard;
    const QString text = sample(bytes);
    qsizetype control = 0;
    for (QChar c : text)
        control += (c.unicode() < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f' &&
                    c.unicode() != 0x1A) ||
                   c.unicode() == 0x7F;
    if (control * 100 > text.size())
        return QStringLiteral("binary bytes, ") + noCard;
    // The header line: a file of one column is CSV only when it names a known
    // one or is a list of e-mail addresses without a header.
    QString first;
    for (const QString& line : text.left(4096).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty()) {
            first = line.trimmed();
            break;
        }
    const bool separated = first.contains(',') || first.contains(';') || first.contains('\t');
    first.remove('"');
    if (!separated && mappingByName({first}).value(0).isEmpty() && !isEmailAddress(first))
        return QStringLiteral("no separator, ") + noCard;
    return {};
}

} // namespace tavrel
