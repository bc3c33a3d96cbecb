#pragma once

#include "exchange/VCard.h"
#include "sync/CardLines.h"

#include <QByteArray>
#include <QList>

namespace tavrel {

// Writes the record's four address lines into the card's lines. Each line the
// record shows came from a part of the card (the organisation and its units,
// a street line of the first ADR, its city line made of locality, region and
// code, its country, or a line of its label); a changed line is written back
// into that part only, so the ADR keeps its group, its place, its parameters
// and every component the person did not touch. Lines that moved, or that no
// part of the card gave, make a rewrite of the ADR's components (and of its
// label), still under its own parameters.
void patchAddress(QList<Unit>& units, const QByteArray& record, VCardVersion version,
                  const QByteArray& eol);

} // namespace tavrel
