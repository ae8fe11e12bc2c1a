#pragma once

#include "store/phonebookcheck.h"

#include <QDialog>

#include <memory>

class Agenda;

namespace Ui {
class CheckReport;
}

// The phonebook check's report: a non-modal window with one row per finding (record,
// user, field, what). Double-clicking a row, or Enter on it, asks for its record to be
// selected.
class CheckReportDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CheckReportDlg(QWidget *parent = nullptr);
    ~CheckReportDlg() override;

    // Shows the findings of a check of `agenda`, replacing what was shown before; the user
    // column names the owner by its user slot's name where there is one.
    void ShowFindings(const Agenda &agenda, const QList<CheckFinding> &findings);
    int RowCount() const;
    // The slot of a row's record, or -1.
    int RowSlot(int row) const;

Q_SIGNALS:
    // The user double-clicked the finding of a record or pressed Enter on it.
    void RecordChosen(int slot);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Choose(int row);

    std::unique_ptr<Ui::CheckReport> ui;
};
