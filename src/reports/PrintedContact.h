#pragma once

#include "store/Contact.h"

namespace tavrel {

class Program;

// The record in the current buffer (record CurId + 1) as the printouts show
// it: with the person's own spelling where one is kept for it.
Contact printedContact(const Program& p, const ContactFields& fields = kEveryContactField);

// Telephone type and number `i` (1 to 5) and link text `i` (1 to 4).
inline const QString& phoneTypeOf(const Contact& c, int i)
{
    return c.text(ContactField(int(ContactField::PhoneType1) + 2 * (i - 1)));
}
inline const QString& phoneNumOf(const Contact& c, int i)
{
    return c.text(ContactField(int(ContactField::PhoneNum1) + 2 * (i - 1)));
}
inline const QString& linkTextOf(const Contact& c, int i)
{
    return c.text(ContactField(int(ContactField::LinkText1) + i - 1));
}

} // namespace tavrel
