#pragma once

#include "exchange/Csv.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tavrel {

struct Services;

// "Map The Columns": for a CSV file whose header this program does not know,
// the user says what each column holds; the mapping can be saved for files
// with the same columns.
class ColumnMappingDialog : public QDialog {
    Q_OBJECT
public:
    ColumnMappingDialog(Services& services, const CsvTable& table, const CsvMapping& start,
                        QWidget* parent = nullptr);

    QLabel* headingLabel = nullptr;
    QTableWidget* columnTable = nullptr;
    QList<QComboBox*> columnCombos;
    QCheckBox* saveMappingCheck = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;

    // The mapping as chosen ("" for a column left out).
    CsvMapping mapping() const;

    void onOkClicked();

private:
    Services& services_;
    CsvTable table_;
};

} // namespace tavrel
