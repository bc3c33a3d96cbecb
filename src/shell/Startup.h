#pragma once

#include "platform/InstanceLock.h"

#include <QString>
#include <functional>
#include <memory>

namespace tavrel {

class Files;
class MainWindow;
class Program;

// What start-up needs to know about the machine, gathered by the caller so
// that tests can hand in any screen and any answer of the instance check.
struct StartupEnvironment {
    int screenWidthTwips = 0;
    int screenHeightTwips = 0;
    // Asked once, after the screen check: whether another copy already runs,
    // or why the lock that tells could not be made.
    std::function<InstanceCheck()> checkSingleCopy;
    // The executable whose date the About box shows.
    QString programFile;
};

// Width x height in twips, in millions, rounded to the nearest whole number.
int screenSizeFigure(int widthTwips, int heightTwips);

// The primary screen measured in twips at its own dots per inch, and the
// running executable.
StartupEnvironment currentEnvironment(std::function<InstanceCheck()> checkSingleCopy);


// The whole start-up: screen check, help, single copy, splash, the N&A file,
// the main window and the welcome box. Returns the main window, shown; every
// refusal ends the program through the Ui.
std::unique_ptr<MainWindow> startUp(Program& p, const StartupEnvironment& env);

} // namespace tavrel
