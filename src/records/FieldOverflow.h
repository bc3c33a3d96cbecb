#pragma once

#include <QList>
#include <QString>

namespace tavrel {

// Text on its way from a record screen box into its fixed-width field.
struct FieldText {
    QString label; // the field as the person knows it ("E-Mail Address")
    QString text;  // the box's text as it stands
    int width = 0;
};

// A field whose text does not fit: what the record would keep and what it
// would lose, in the person's own spelling, counted in characters.
struct FieldOverflow {
    int index = 0; // into the fields looked at
    QString label;
    QString kept;
    QString lost;
};

// Every field whose text runs past its width in characters, in the order given.
// Blanks beyond the width are no loss: the file pads with them anyway.
QList<FieldOverflow> findOverflows(const QList<FieldText>& fields);

struct MovedToComments {
    QString comments; // the new Comments text, at most the Comments width
    QString notMoved; // what of the rest found no room there, empty when all did
};

// Comments with the rest of each overflowing field added at its end, as
// "Label: rest", separated by "; ", as far as the Comments field has room.
// `comments` is the Comments box's text; anything of it past the width is cut
// as the record screens cut it. An overflow of Comments itself is skipped: the
// rest of Comments has nowhere else to go.
MovedToComments moveRestToComments(const QString& comments, const QList<FieldOverflow>& overflows,
                                   const QString& commentsLabel);

} // namespace tavrel
