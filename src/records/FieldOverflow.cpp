#include "records/FieldOverflow.h"

#include "platform/Text.h"
#include "records/RecordFields.h"
#include "store/Contact.h"

namespace tavrel {

QList<FieldOverflow> findOverflows(const QList<FieldText>& fields)
{
    QList<FieldOverflow> out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const FieldText& f = fields.at(i);
        const QString kept = leftCharacters(f.text, f.width);
        const QString lost = trimRight(f.text.mid(kept.size()));
        if (lost.isEmpty())
            continue;
        out.append({int(i), f.label, kept, lost});
    }
    return out;
}

MovedToComments moveRestToComments(const QString& comments, const QList<FieldOverflow>& overflows,
                                   const QString& commentsLabel)
{
    const QString separator = QStringLiteral("; ");
    const int width = contactFieldWidth(ContactField::Comments);
    const QString text = trimRight(leftCharacters(comments, width));
    QStringList pieces;
    for (const FieldOverflow& o : overflows) {
        if (o.label != commentsLabel)
            pieces << o.label + QStringLiteral(": ") + o.lost;
    }
    if (pieces.isEmpty())
        return {text, QString()};
    const QString rest = pieces.join(separator);
    const QString added = text.isEmpty() ? rest : separator + rest;
    const int room = width - characterCount(text);
    const int movedOfRest = room - int(added.size() - rest.size());
    // A separator with nothing after it would only take room.
    if (movedOfRest <= 0)
        return {text, rest};
    const QString moved = leftCharacters(added, room);
    return {trimRight(text + moved),
            rest.mid(moved.size() - (added.size() - rest.size())).trimmed()};
}

} // namespace tavrel
