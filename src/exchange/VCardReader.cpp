#include "exchange/VCardReader.h"

#include "exchange/VCard.h"
#include "exchange/VCardFields.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QStringDecoder>
#include <optional>

namespace tavrel {

using vcard::CardBuilder;
using vcard::Property;

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

// The physical lines of a file, read a chunk at a time. Lines end at CR LF,
// LF, a lone CR or CR CR LF (which some phones write). A file marked as UTF-16
// is read as UTF-8; the mark of UTF-8 is dropped.
class PhysicalLines {
public:
    PhysicalLines(QIODevice& in, const QByteArray& prefix) : in_(in), buf_(prefix) {}

    bool utf16() const { return utf16_.has_value(); }

    bool next(QByteArray& line)
    {
        if (!started_)
            start();
        for (;;) {
            const char* data = buf_.constData();
            const qsizetype size = buf_.size();
            qsizetype i = scan_;
            while (i < size && data[i] != '\r' && data[i] != '\n')
                ++i;
            scan_ = i;
            // A break is told apart from the next one only with two bytes after it.
            if (i + 2 >= size && fill())
                continue;
            if (i >= buf_.size()) {
                if (pos_ >= buf_.size())
                    return false;
                line = buf_.mid(pos_);
                pos_ = scan_ = buf_.size();
                return true;
            }
            line = buf_.mid(pos_, i - pos_);
            const char c = buf_.at(i);
            if (c == '\r' && i + 2 < buf_.size() && buf_.at(i + 1) == '\r' &&
                buf_.at(i + 2) == '\n')
                ++i;
            if (c == '\r' && i + 1 < buf_.size() && buf_.at(i + 1) == '\n')
                ++i;
            pos_ = scan_ = i + 1;
            return true;
        }
    }

private:
    // Reads the byte-order mark, if any, with the first chunk.
    void start()
    {
        started_ = true;
        while (buf_.size() < 3 && !end_)
            readChunk();
        if (buf_.startsWith("\xEF\xBB\xBF")) {
            pos_ = scan_ = 3;
        } else if (buf_.startsWith("\xFF\xFE") || buf_.startsWith("\xFE\xFF")) {
            utf16_.emplace(buf_.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                       : QStringDecoder::Utf16BE);
            const QByteArray rest = buf_.mid(2);
            buf_ = fromUtf16(rest);
        }
    }

    // Appends the next chunk, after dropping the lines already handed out;
    // false at the end of the file.
    bool fill()
    {
        if (end_)
            return false;
        if (pos_ > 0) {
            buf_.remove(0, pos_);
            scan_ -= pos_;
            pos_ = 0;
        }
        return readChunk();
    }

    bool readChunk()
    {
        const QByteArray chunk = in_.read(kChunkBytes);
        if (chunk.isEmpty()) {
            end_ = true;
            buf_ += highSurrogate_.toUtf8();
            return false;
        }
        buf_ += utf16_ ? fromUtf16(chunk) : chunk;
        return true;
    }

    // A chunk of UTF-16 as UTF-8. A character of two code units may be cut
    // between chunks: its first unit waits for the next chunk.
    QByteArray fromUtf16(const QByteArray& chunk)
    {
        QString text = highSurrogate_ + (*utf16_)(chunk);
        highSurrogate_.clear();
        if (!text.isEmpty() && text.back().isHighSurrogate()) {
            highSurrogate_ = text.back();
            text.chop(1);
        }
        return text.toUtf8();
    }

    QIODevice& in_;
    QByteArray buf_;
    qsizetype pos_ = 0;  // where the next line starts
    qsizetype scan_ = 0; // how far the search for its end has gone
    bool started_ = false;
    bool end_ = false;
    std::optional<QStringDecoder> utf16_;
    QString highSurrogate_;
};

bool isQuotedPrintable(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    return colon > 0 && line.left(colon).toUpper().contains("QUOTED-PRINTABLE");
}

} // namespace

struct VCardReader::State {
    State(QIODevice& in, const QByteArray& prefix) : lines(in, prefix) {}

    // Unfolds: a line starting with a blank or tab continues the one before;
    // a quoted-printable value ending in '=' continues on the next line. Blank
    // lines say nothing, so a fold still joins across one.
    bool nextLogical(QByteArray& out)
    {
        QByteArray line;
        while (lines.next(line)) {
            if (line.isEmpty())
                continue;
            if (hasCurrent && (line.at(0) == ' ' || line.at(0) == '\t')) {
                current.append(QByteArrayView(line).sliced(1));
                continue;
            }
            const bool had = hasCurrent;
            out.swap(current);
            current = line;
            hasCurrent = true;
            QByteArray more;
            while (current.endsWith('=') && isQuotedPrintable(current) && lines.next(more)) {
                current.chop(1);
                current += more;
            }
            if (had)
                return true;
        }
        if (!hasCurrent)
            return false;
        out.swap(current);
        current.clear();
        hasCurrent = false;
        return true;
    }

    // One logical line; true when it ended a card, which is then in `entry`.
    bool take(const QByteArray& line, Entry& entry)
    {
        if (line.trimmed().isEmpty())
            return false;
        Property p;
        QByteArray raw;
        if (!vcard::parseProperty(line, p, raw)) {
            if (card)
                card->badLine(line);
            else
                ++outside;
            return false;
        }
        if (p.name == QLatin1String("BEGIN") &&
            raw.trimmed().compare("VCARD", Qt::CaseInsensitive) == 0) {
            std::unique_ptr<CardBuilder> open = std::move(card);
            card = std::make_unique<CardBuilder>();
            ownFile = false;
            if (!open)
                return false;
            open->e.notes << QCoreApplication::translate("tavrel::VCard",
                                                         "The card has no END line.");
            entry = open->finish();
            return true;
        }
        if (!card) {
            ++outside;
            return false;
        }
        if (p.name == QLatin1String("END")) {
            entry = card->finish();
            card.reset();
            return true;
        }
        addProperty(p, raw);
        return false;
    }

    void addProperty(Property& p, QByteArray& raw)
    {
        if (p.params.value(QStringLiteral("ENCODING"))
                .compare(QLatin1String("QUOTED-PRINTABLE"), Qt::CaseInsensitive) == 0)
            raw = vcard::decodeQuotedPrintable(raw);
        bool fell = false;
        p.value = vcard::decodeBytes(
            raw, lines.utf16() ? QString() : p.params.value(QStringLiteral("CHARSET")), &fell);
        if (fell && !fellBack) {
            fellBack = true;
            problems << QStringLiteral("Some text is not UTF-8; it was read as Windows-1252.");
        }
        if (fell)
            card->e.notes << p.name +
                                 QCoreApplication::translate(
                                     "tavrel::VCard", " is not UTF-8; it was read as Windows-1252");
        if (p.name == QLatin1String("PRODID") && p.value == vcard::kProdId)
            ownFile = true;
        card->add(p, ownFile);
    }

    // At the end of the file: a card left open is read as far as it goes.
    bool finish(Entry& entry)
    {
        done = true;
        const bool open = card != nullptr;
        if (open) {
            card->e.notes << QCoreApplication::translate("tavrel::VCard",
                                                         "The file ends inside this card.");
            entry = card->finish();
            card.reset();
            problems << QCoreApplication::translate(
                "tavrel::VCard", "The file ends inside a card; that card was read as far "
                                 "as it goes.");
        }
        if (outside)
            problems << QCoreApplication::translate("tavrel::VCard",
                                                    "%1 lines outside any card were ignored.")
                            .arg(outside);
        return open;
    }

    PhysicalLines lines;
    QByteArray current;
    bool hasCurrent = false;
    std::unique_ptr<CardBuilder> card;
    bool ownFile = false;
    bool fellBack = false;
    bool done = false;
    int outside = 0;
    QStringList problems;
};

VCardReader::VCardReader(QIODevice& in, const QByteArray& prefix)
    : d_(std::make_unique<State>(in, prefix))
{
}

VCardReader::~VCardReader() = default;

bool VCardReader::next(Entry& entry)
{
    if (d_->done)
        return false;
    QByteArray line;
    while (d_->nextLogical(line))
        if (d_->take(line, entry))
            return true;
    return d_->finish(entry);
}

const QStringList& VCardReader::problems() const
{
    return d_->problems;
}

bool looksLikeVCard(const QByteArray& bytes)
{
    QByteArray head = bytes.left(4096);
    if (head.startsWith("\xEF\xBB\xBF")) {
        head = head.mid(3);
    } else if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")) {
        QStringDecoder d(head.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                     : QStringDecoder::Utf16BE);
        head = QString(d(head.mid(2))).toUtf8();
    }
    // A card may follow a few stray lines; a CSV file never holds one in its first lines.
    return head.toUpper().contains("BEGIN:VCARD");
}

VCardRead readVCards(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    VCardReader reader(buffer);
    VCardRead result;
    Entry entry;
    while (reader.next(entry))
        result.entries << std::exchange(entry, Entry());
    result.problems = reader.problems();
    return result;
}

} // namespace tavrel
