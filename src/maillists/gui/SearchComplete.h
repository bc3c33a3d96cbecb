#pragma once

namespace tavrel {

class Program;

// Opens the "Search Complete" window (not modal) from SearchMatchCount,
// MailListAddCount, SearchSavesList and MailListFlags. When it is done it also
// closes the search's match windows SrchMsgForm and SrchMsg2Form.
void showSearchComplete(Program& p);

} // namespace tavrel
