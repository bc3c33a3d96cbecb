#pragma once

#include <QByteArray>

namespace tavrel {

// The members of the mailing list at hand: one '1'/'0' per ID, MailListFlags[id - 1].
struct MailListState {
    QByteArray MailListFlags = QByteArray(1700, '0');
    int MailListAddCount = 0;
};

} // namespace tavrel
