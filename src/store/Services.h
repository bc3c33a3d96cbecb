#pragma once

namespace tavrel {

class Clipboard;
class Clock;
class Files;
class Help;
class Printer;
class Ui;

// The services a program runs on. Production wires Qt implementations; tests
// wire scripted doubles over a temporary directory.
struct Services {
    Ui& ui;
    Printer& printer;
    Clipboard& clipboard;
    Help& help;
    Clock& clock;
    Files& files;
};

} // namespace tavrel
