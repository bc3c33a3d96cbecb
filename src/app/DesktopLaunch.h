#pragma once

#include <QString>

namespace tavrel {

class MainWindow;

// Opens the import window as File > "&Import..." does, on `path`, and reads
// the file into its preview.
void openImportOn(MainWindow& main, const QString& path);

} // namespace tavrel
