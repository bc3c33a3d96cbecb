#pragma once

#include <QByteArray>
#include <QString>

namespace tavrel::test {

// A card another program wrote: much a record cannot hold (a photo, three
// e-mail addresses, a birthday, groups, X- properties and parameters).
inline const QByteArray kForeignCard =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Other//Phone 9//EN\r\nUID:ext-1\r\n"
    "FN;LANGUAGE=de:Dr. Maximiliane Featherstonehaugh-Wolfeschlegel\r\n"
    "N:Featherstonehaugh-Wolfeschlegel;Maximiliane;;Dr.;\r\nX-PHONETIC-LAST-NAME:Fanshaw\r\n"
    "EMAIL;TYPE=INTERNET,WORK;X-PREF=1:max@work.example\r\nEMAIL;TYPE=HOME:max@home.example\r\n"
    "item1.EMAIL:max@club.example\r\nitem1.X-ABLabel:Club\r\n"
    "TEL;TYPE=CELL:+44 7700 900123\r\nBDAY:1980-02-29\r\n"
    "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQSkZJRgABAQEASABIAAD/2wBDAAMCAgICAgMCAgIDAwMDBAYEBA\r\n"
    " QEBAgGBgUGCQgKCgkICQkKDA8MCgsOCwkJDRENDg8QEBEQCgwSExIQEw8QEBD/wAALCAABAAEBAREA\r\n"
    "X-CUSTOM;X-PARAM=keep:value with \xC3\xBCmlaut\r\nCATEGORIES:Friends,Work\r\nEND:VCARD\r\n";

// A comment far longer than a record's: 383 characters with commas and semicolons.
inline QString longNote()
{
    QString note;
    for (int i = 1; note.size() < 383; ++i)
        note += QStringLiteral("Visit %1: met at the trade fair, Leeds; buys paper by the pallet. ")
                    .arg(i);
    return note.left(383);
}

// A content line folded at 60 octets, narrower than a writer of ours folds.
inline QByteArray foldedAt60(const QByteArray& line)
{
    QByteArray out = line.left(60);
    for (qsizetype at = 60; at < line.size(); at += 59)
        out += "\r\n " + line.mid(at, 59);
    return out + "\r\n";
}

// A work address with PREF, a region and a country under a group, a
// telephone with PREF, a middle name only N knows, and the long comment.
inline QByteArray workCard()
{
    QString note = longNote();
    note.replace(',', QStringLiteral("\\,")).replace(';', QStringLiteral("\\;"));
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nPRODID:-//Other//Phone 9//EN\r\nUID:work-1\r\n"
           "FN:Ann Lee\r\nN:Lee;Ann;Marie;;\r\n"
           "item1.ADR;TYPE=WORK;PREF=1:;;12 Mill Lane;Springfield;IL;62704;United States\r\n"
           "item1.X-ABADR:us\r\nTEL;TYPE=WORK,VOICE;PREF=1:+1 217 555 0100\r\n" +
           foldedAt60("NOTE:" + note.toUtf8()) + "X-CUSTOM;X-PARAM=keep:value\r\nEND:VCARD\r\n";
}

} // namespace tavrel::test
