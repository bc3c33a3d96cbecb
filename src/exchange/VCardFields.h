#pragma once

#include "exchange/Entry.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>

// How the properties of a card become an entry: the reading of one content
// line, its encodings and charsets, and what each property means for a record.
namespace tavrel::vcard {

// The product our own cards name: a card of ours speaks for its sort keys.
inline const QString kProdId = QStringLiteral("-//Tavrel//Tavrel 3.1//EN");

struct Property {
    QString group;
    QString name;                   // upper case
    QStringList types;              // lower case
    QHash<QString, QString> params; // upper-case names
    QString value;                  // decoded, still escaped
};

// Reads one logical line; `rawValue` shares the bytes of `line`, which must outlive it.
bool parseProperty(const QByteArray& line, Property& p, QByteArray& rawValue);
QByteArray decodeQuotedPrintable(const QByteArray& in);
// The bytes as text in `charset`, else UTF-8, else Windows-1252 (`fellBack` set).
QString decodeBytes(const QByteArray& bytes, const QString& charset, bool* fellBack);

// One card as its properties arrive.
class CardBuilder {
public:
    void add(const Property& p, bool ownFile);
    // A line that is no property; said once per card, with how many there were.
    void badLine(const QByteArray& line);
    Entry finish();

    Entry e;
    QStringList extraAddresses;

private:
    static bool ignored(const QString& n);
    void preferredEmailFirst();
    QString nName, org, sortAs, firstBadLine;
    int badLines = 0;
    bool ownKey1 = false, kindOrg = false;
    QList<QStringList> addresses, labels;
    QList<bool> adrHasLabel;
    QHash<qsizetype, QString> phoneGroups;
    QHash<QString, QString> groupLabels;
    QList<int> emailRanks; // how preferred each address is: lower first
    QString birthday;
    QMap<QString, QStringList> dropped; // by name, in order, with what they said
};

} // namespace tavrel::vcard
