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

    QLabel* MapLbl1 = nullptr;
    QTableWidget* MapTbl1 = nullptr;
    QList<QComboBox*> MapCbo1;      // one per column
    QCheckBox* MapChk1 = nullptr;   // save the mapping
    QPushButton* MapCmd1 = nullptr; // OK
    QPushButton* MapCmd2 = nullptr; // Cancel

    // The mapping as chosen ("" for a column left out).
    CsvMapping mapping() const;

    void MapCmd1_Click();

private:
    Program& p_;
    CsvTable table_;
};

} // namespace tavrel
