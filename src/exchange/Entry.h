#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace tavrel {

// One telephone as the exchange formats carry it. `slot` is the place (1..5)
// it held in the record when a file of ours says so, else 0.
struct ExchangePhone {
    QString label;
    QString number;
    int slot = 0;
};

// One QuickLink: the linked record's ID in the file the entry came from, and its caption.
struct ExchangeLink {
    int id = 0;
    QString text;
};

// A person or organisation on its way in or out: the record's content in
// Unicode, without the fixed widths, and with room for whatever a peer sends
// beyond them (more lines, telephones and e-mail addresses than a record holds).
struct Entry {
    int sourceId = 0; // the ID it had in the exporting file, 0 when unknown
    QString name;
    QStringList address; // lines in order; blank lines keep their place
    QList<ExchangePhone> phones;
    QStringList emails;
    QString comments;
    // A card's birthday, year-month-day where it gave one; an import puts it in Comments.
    QString birthday;
    QString sortKey1;
    QString sortKey2;
    // The organisation: the one a person works for (it goes on the address),
    // or the entry itself when `isOrganisation`. Its units (departments), outermost first.
    QString organisation;
    QStringList orgUnits;
    bool isOrganisation = false;
    // The person's names as the file splits them ("" when it does not), for the sort keys.
    QString family;
    QString given;
    // The file speaks for the sort keys (a file of ours): empty keys stay empty.
    bool keysFromFile = false;
    QStringList lists; // mailing-list titles
    std::array<ExchangeLink, 4> links{};
    int backLinkId = 0;
    QStringList notes; // what the reader noticed about this entry, for the preview and the log
};

} // namespace tavrel
