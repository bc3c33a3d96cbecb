#pragma once

// Screenshots of the program's windows, built by name over a scratch program.
// Each folder adds its windows in its own <Folder>Shots.cpp with TAVREL_SHOT:
//
//   TAVREL_SHOT("BrsForma-add")
//   {
//       tavrel::startAddCommand(s.p(), false);
//       return tavrel::loadedWindow("BrsForma");
//   }
//
// The body gets `s` (a Shots context: a program over a temporary directory
// whose N&A file holds a few sample records) and returns the window to grab.

#include "support/TestEnv.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace tavrel::shots {

class Shots {
public:
    Shots();
    Program& p() { return env.p(); }
    // The two sample mailing lists the pickers show: "Christmas Cards 2026"
    // (tvlmail.xms) and "Garden Club Committee" (tvlmail.clb), of these IDs.
    void writeMailLists(const QString& christmasIds = QStringLiteral("1 3-5"),
                        const QString& clubIds = QStringLiteral("2"));
    test::TestEnv env;
};

using MakeWindow = std::function<QWidget*(Shots& s)>;

struct Entry {
    QString name;
    MakeWindow make;
};
std::vector<Entry>& registry();

struct Register {
    Register(const char* name, MakeWindow make)
    {
        registry().push_back({QLatin1String(name), make});
    }
};

} // namespace tavrel::shots

#define TAVREL_SHOT_CAT2(a, b) a##b
#define TAVREL_SHOT_CAT(a, b) TAVREL_SHOT_CAT2(a, b)
#define TAVREL_SHOT(name)                                                                          \
    static QWidget* TAVREL_SHOT_CAT(shot_, __LINE__)(tavrel::shots::Shots & s);                    \
    static const tavrel::shots::Register TAVREL_SHOT_CAT(shotReg_, __LINE__)(                      \
        name, &TAVREL_SHOT_CAT(shot_, __LINE__));                                                  \
    static QWidget* TAVREL_SHOT_CAT(shot_, __LINE__)([[maybe_unused]] tavrel::shots::Shots & s)
