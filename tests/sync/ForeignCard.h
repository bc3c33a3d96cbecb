#pragma once

#include <QByteArray>

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

} // namespace tavrel::test
