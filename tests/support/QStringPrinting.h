#pragma once

// Every test source sees this (the test build includes it first), so a failed
// comparison of QStrings shows their text rather than their bytes. It sits
// beside QString in the global namespace, where gtest's printer finds it.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
