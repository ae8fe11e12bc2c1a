#pragma once

#include "formats/csvcolumns.h"

#include <QDialog>
#include <QStringList>

#include <vector>

class QComboBox;

namespace Ui {
class CsvColumns;
}

// The column-mapping dialog of a CSV file: opened by itself when the header names no known
// name or phone column, and from the import review to change the columns as recognised.
// One row per column with its name, its first values and a drop-down of record fields
// (CsvFieldNames). OK is enabled once some column gives a name or a phone.
class CsvColumnsDlg : public QDialog
{
    Q_OBJECT

public:
    // `rows` are the file's rows after the header; `mapping` the columns as proposed.
    CsvColumnsDlg(const QStringList &header, const std::vector<QStringList> &rows, const CsvMapping &mapping,
                  QWidget *parent = nullptr);
    ~CsvColumnsDlg() override;

    // The columns as chosen.
    CsvMapping Mapping() const;
    // The drop-down of a column.
    QComboBox *FieldBox(int column) const;

private:
    void UpdateOk();

    Ui::CsvColumns *ui_;
    CsvMapping proposed_;
};

// The mapping remembered for a header row (names trimmed, case ignored); false when none
// is, or when it no longer fits the header.
bool RememberedCsvMapping(const QStringList &header, CsvMapping &mapping);
// Remembers the mapping for the header row in the settings.
void RememberCsvMapping(const QStringList &header, const CsvMapping &mapping);
