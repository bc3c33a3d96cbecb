#include "reports/PrintedContact.h"

#include "store/ContactAccess.h"
#include "store/Program.h"

namespace tavrel {

Contact printedContact(const Program& p, const ContactFields& fields)
{
    return contactOf(p, p.CurId, p.CurRec, fields);
}

} // namespace tavrel
