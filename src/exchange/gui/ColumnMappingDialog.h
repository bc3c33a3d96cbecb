#pragma once

#include "exchange/Csv.h"
#include "store/Program.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tavrel {

// "Map The Columns": for a CSV file whose header this program does not know,
// the user says what each column holds; the mapping can be saved for files
// with the same columns.
class ColumnMappingDialog : public QDialog {
    Q_OBJECT
public:
    ColumnMappingDialog(Program& p, const CsvTable& table, const CsvMapping& start,
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
    Program& p_;
    CsvTable table_;
};

} // namespace tavrel
