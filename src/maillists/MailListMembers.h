#pragma once

#include "store/MailListFlags.h"

#include <QByteArray>
#include <QString>

namespace tavrel {

// Slots 1..1700 all '0'.
void clearMailListFlags(MailListState& list);
bool isMember(const MailListState& list, int id);
void setMember(MailListState& list, int id, bool member);
// The members in ascending order as "3, 12, 40".
QString memberText(const MailListState& list);
// The whole file for `title` and slots 1..1700 of MailListFlags.
QByteArray mailListBytes(const MailListState& list, const QString& titleField);

} // namespace tavrel
