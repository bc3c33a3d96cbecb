#pragma once

#include "platform/Files.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <optional>

namespace tavrel {

// Each card the sync state remembers, small ones apart, lies in a file of its
// own beside the N&A file, named by the SHA-256 of its bytes, so a sync that changes one card
// writes that card alone. The files never change once written.
inline const QString kSyncCardPrefix = QStringLiteral("tvlcard.");
// Cards up to this size lie inline in the state and its journal instead: a
// file apiece would cost more than the card, and the state of a full file of
// plain cards stays small. Cards with photos keep their files.
constexpr qsizetype kInlineCardBytes = 4096;

// The SHA-256 of `card` in lower-case hex: how the state refers to it.
QString cardDigest(const QByteArray& card);
// The file name of the card with this digest.
QString cardFileName(const QString& digest);

// Puts the card in its file unless a file of its length lies there already
// (written under a hidden name and renamed into place; 0600; a link there is
// replaced, never written through), and returns its digest. Throws PlatformError.
QString storeCard(const Files& files, const QByteArray& card);
// Makes the card files written so far durable, all in one flush of the disk:
// one flush a card would cost a disk round trip apiece. Throws PlatformError.
void flushCards(const Files& files);
// The card with this digest; nullopt when its file is missing, is not a plain
// file, cannot be read or does not hold those bytes. Never throws.
std::optional<QByteArray> loadCard(const Files& files, const QString& digest);
// Removes the card files whose digests are not in `used`; never throws.
void removeUnusedCards(const Files& files, const QSet<QString>& used);

} // namespace tavrel
