#include "records/FieldOverflow.h"

#include "platform/Text.h"
#include "store/NARecord.h"

namespace tavrel {

QList<FieldOverflow> findOverflows(const QList<FieldText>& fields)
{
    QList<FieldOverflow> out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const FieldText& f = fields.at(i);
        const QString stored = reduceToCp1252(f.text);
        const QString lost = trimRight(stored.mid(f.width));
        if (lost.isEmpty())
            continue;
        out.append({int(i), f.label, stored.left(f.width), lost});
    }
    return out;
}

MovedToComments moveRestToComments(const QString& comments, const QList<FieldOverflow>& overflows,
                                   const QString& commentsLabel)
{
    const QString separator = QStringLiteral("; ");
    const QString text = trimRight(reduceToCp1252(comments).left(Width::Comments));
    QStringList pieces;
    for (const FieldOverflow& o : overflows) {
        if (o.label != commentsLabel)
            pieces << o.label + QStringLiteral(": ") + o.lost;
    }
    if (pieces.isEmpty())
        return {text, QString()};
    const QString rest = pieces.join(separator);
    const QString added = text.isEmpty() ? rest : separator + rest;
    const qsizetype room = Width::Comments - text.size();
    const qsizetype movedOfRest = room - (added.size() - rest.size());
    // A separator with nothing after it would only take room.
    if (movedOfRest <= 0)
        return {text, rest};
    return {trimRight(text + added.left(room)), rest.mid(movedOfRest).trimmed()};
}

} // namespace tavrel
