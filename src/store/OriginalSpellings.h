#pragma once

#include "store/Contact.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <utility>

namespace tavrel {

class Files;

// The file beside the N&A file that keeps the person's own spelling of the
// fields the N&A file cannot hold (names in other alphabets, letters the code
// page lacks). The N&A file keeps exactly the bytes it would keep without it.
inline const QString kOriginalSpellingsName = QStringLiteral("tvlspell.dat");

// For each record with such fields: their original texts, and a digest of the
// record's 574 bytes as they were written. An entry counts only while the
// record still has those bytes: a record changed by a program that does not
// know this file shows what its bytes say, and the stale entry goes at the
// next save.
class OriginalSpellings {
public:
    // How a load ended.
    enum class Loaded { Read, Missing, Damaged };

    // Reads the file in `files`; a missing one is empty, a damaged one (not
    // this format, cut short, too large) is empty too and says so.
    Loaded load(const Files& files);
    // Replaces the file whole (written, flushed and renamed into place), with
    // the permissions of the N&A file at `modeOf` when it is new; with no
    // entries the file goes. Throws PlatformError as Files does.
    void save(const Files& files, const QString& modeOf);

    // The originals of record `id` when its bytes are still `recordBytes`.
    FieldTexts originalsFor(int id, const QByteArray& recordBytes) const;
    // Keeps (or, with no originals, forgets) the originals of record `id` as
    // written with `recordBytes`.
    void keep(int id, const QByteArray& recordBytes, const FieldTexts& originals);
    // Moves the entry of `from` to `to` (a record that changed its ID).
    void move(int from, int to);
    void forget(int id)
    {
        changed_ = entries_.remove(id) || changed_;
        touched_.remove(id);
    }
    // Forgets every entry (a compaction that keeps them anew).
    void clear()
    {
        changed_ = changed_ || !entries_.isEmpty();
        entries_.clear();
        touched_.clear();
    }
    bool contains(int id) const { return entries_.contains(id); }
    // Drops every entry whose record no longer has the bytes it was kept for;
    // `bytesOf(id)` gives a record's current bytes (empty: no such record).
    template <typename BytesOf> void dropStale(BytesOf bytesOf)
    {
        for (auto it = entries_.begin(); it != entries_.end();) {
            if (it->digest == digestOf(bytesOf(it.key()))) {
                ++it;
            } else {
                it = entries_.erase(it);
                changed_ = true;
            }
        }
        touched_.clear();
    }
    // The same for the entries kept or moved since the last save or check
    // only: a single record's save reads that record alone.
    template <typename BytesOf> void dropStaleTouched(BytesOf bytesOf)
    {
        for (int id : std::as_const(touched_)) {
            const auto it = entries_.find(id);
            if (it != entries_.end() && it->digest != digestOf(bytesOf(id))) {
                entries_.erase(it);
                changed_ = true;
            }
        }
        touched_.clear();
    }

    qsizetype size() const { return entries_.size(); }
    qsizetype touchedCount() const { return touched_.size(); }
    bool changed() const { return changed_; }

    // While held (by bulk runs, which may nest), changes wait for one save at
    // the end of the run.
    void hold() { ++holds_; }
    void release() { --holds_; }
    bool held() const { return holds_ > 0; }

    // The text of the file; and the entries of such a text (false, and no
    // entries, when it is damaged).
    QByteArray serialized() const;
    bool parse(const QByteArray& text);

    static QByteArray digestOf(const QByteArray& recordBytes);

private:
    struct Entry {
        QByteArray digest;
        FieldTexts originals;
    };
    QHash<int, Entry> entries_;
    // IDs whose entry was kept or moved since the last check.
    QSet<int> touched_;
    bool changed_ = false;
    int holds_ = 0;
};

} // namespace tavrel
