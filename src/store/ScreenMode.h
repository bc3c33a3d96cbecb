#pragma once

#include <QString>

namespace tavrel {

// What the record screens were opened for: the command that opened them, or
// None while no record command has set one.
enum class ScreenMode { None, Add, AddMult, Browse, Change, Delete, Search };

// The mode's name, for the places that need it as text ("" for None).
inline QString screenModeName(ScreenMode mode)
{
    switch (mode) {
    case ScreenMode::Add:
        return QStringLiteral("Add");
    case ScreenMode::AddMult:
        return QStringLiteral("AddMult");
    case ScreenMode::Browse:
        return QStringLiteral("Browse");
    case ScreenMode::Change:
        return QStringLiteral("Change");
    case ScreenMode::Delete:
        return QStringLiteral("Delete");
    case ScreenMode::Search:
        return QStringLiteral("Search");
    case ScreenMode::None:
        break;
    }
    return QString();
}

} // namespace tavrel
