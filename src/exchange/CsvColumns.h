#pragma once

#include <QString>

// The columns of the CSV dialects, shared by the writer and the column mapping.
namespace tavrel::csvcolumns {

// Phone columns of the Outlook dialect and the record label each stands for.
struct LabelledColumn {
    const char* column;
    const char* label;
};
inline constexpr LabelledColumn kOutlookPhones[] = {{"Home Phone", "Home"},
                                                    {"Home Phone 2", "Home"},
                                                    {"Business Phone", "Work"},
                                                    {"Business Phone 2", "Work"},
                                                    {"Mobile Phone", "Mobile"},
                                                    {"Home Fax", "H Fax"},
                                                    {"Business Fax", "W Fax"},
                                                    {"Fax", "Fax"},
                                                    {"Pager", "Pager"},
                                                    {"Car Phone", "Car"},
                                                    {"Other Phone", "Other"},
                                                    {"Primary Phone", "Main"},
                                                    {"Company Main Phone", "Main"},
                                                    {"Mobile Phone 2", "Mobile"},
                                                    {"Other Fax", "Fax"},
                                                    {"Assistant's Phone", "Asst"},
                                                    {"Callback", "Callbk"},
                                                    {"ISDN", "ISDN"},
                                                    {"Radio Phone", "Radio"},
                                                    {"TTY/TDD Phone", "TTY"},
                                                    {"Telex", "Telex"}};

// Columns the record has no field for, kept in Comments as "Job Title: Engineer".
inline constexpr const char* kCommentColumns[] = {"Job Title", "Department", "Nickname", "Birthday",
                                                  "Web Page"};

// The address kinds of the Outlook dialect, in the order the first one found is taken.
inline constexpr const char* kAddressKinds[] = {"Home", "Business", "Other"};

// The e-mail columns, in the order their addresses are taken: the first found
// goes into the record's E-mail field, the others into Comments.
inline constexpr const char* kEmailColumns[] = {"Primary E-mail", "E-mail", "E-mail Address",
                                                "E-mail 2 Address", "E-mail 3 Address"};

// The e-mail column a header names in any of the common spellings ("Email
// Home", "Work E-mail", "E-mail 2 Address", "Primary Email", "Mail"): a
// primary one first, one numbered N as the Nth, one of a kind (home, work,
// other) after the plain one. Empty when the header is no e-mail column
// ("E-mail Type", "E-mail Display Name", "Mailing Lists").
QString emailColumnTarget(const QString& header);
// True when the target is one of kEmailColumns.
bool isEmailTarget(const QString& target);

// What Outlook writes into columns it has nothing for.
bool isPlaceholder(const QString& column, const QString& value);

} // namespace tavrel::csvcolumns
