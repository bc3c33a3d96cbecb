#pragma once

#include <QWidget>

class QLabel;

namespace tavrel {

// "Printing": tells the person the run is collecting and sorting the records.
// It has no buttons; the print run shows it without blocking and closes it.
class CancelForm : public QWidget {
public:
    CancelForm();

    QLabel* Label1;
};

} // namespace tavrel
