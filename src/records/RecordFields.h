#pragma once

#include "store/Contact.h"

#include <QString>

namespace tavrel {

class Program;

// The fields of the repeating rows of the record screens, counted from 0.
constexpr ContactField addressLineField(int i)
{
    return ContactField(int(ContactField::AddrLine1) + i);
}
constexpr ContactField phoneTypeField(int i)
{
    return ContactField(int(ContactField::PhoneType1) + 2 * i);
}
constexpr ContactField phoneNumberField(int i)
{
    return ContactField(int(ContactField::PhoneNum1) + 2 * i);
}
constexpr ContactField sortKeyField(int i)
{
    return ContactField(int(ContactField::SortKey1) + i);
}
constexpr ContactField linkTextField(int i)
{
    return ContactField(int(ContactField::LinkText1) + i);
}

// How many characters `text` has as the record screens count them: one for
// each letter the person sees, a character outside the basic plane (two
// UTF-16 units) counting once. Field limits are counted this way.
int characterCount(QStringView text);
// The first `count` characters of `text`, never half of a character outside
// the basic plane.
QString leftCharacters(const QString& text, int count);

// A QuickLink ID as its box shows it: 0 (no link) is an empty box.
QString linkIdText(qint16 id);
// The ID a QuickLink box's text stands for: 0 when empty, else the number it
// starts with, held within what the record can keep.
qint16 linkIdValue(const QString& text);

// Each text of `contact` cut to its field's width in characters: what the
// record screens store after the person chose to keep the cut text.
Contact cutToFieldWidths(Contact contact);

// The contact the buffer holds (as a read or readActive left it), with the
// person's own spelling where one is kept for those bytes.
Contact contactInBuffer(const Program& p);

// Stores `contact` as record `id` (its texts cut to their widths), keeping
// the spellings the file cannot hold; the buffer then holds the record as
// written. Returns the contact as it now reads back.
Contact storeContact(Program& p, int id, const Contact& contact);

// Name and the four address lines in the person's spelling, each padded to
// 35 characters and followed by a line feed: 180 characters.
QString nameAndAddressText(const Contact& c);

} // namespace tavrel
