#pragma once

#include <QWidget>

class QLabel;

namespace tavrel {

// "Please Wait" / "Processing Data": shown without blocking while the
// envelope dialog reads the N&A file.
class EnvPleaseWait : public QWidget {
public:
    EnvPleaseWait();

    QLabel* Label1;
};

} // namespace tavrel
