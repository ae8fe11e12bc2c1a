#pragma once

#include "store/phonetidy.h"

#include <QAbstractTableModel>
#include <QDialog>

#include <vector>

class Agenda;
class QComboBox;
class QLabel;
class QTableView;
class QDialogButtonBox;

// The rows of a tidy preview: one per number, before and after, the changes with a check
// box (ticked at first), the numbers that are kept with their reason and no check box.
class PhoneTidyModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { colRecord, colPhone, colBefore, colAfter, kColumns };

    using QAbstractTableModel::QAbstractTableModel;
    void SetRows(QList<PhoneTidyRow> rows);
    const QList<PhoneTidyRow> &Rows() const { return rows_; }
    bool Ticked(int row) const { return ticked_[size_t(row)] != 0; }
    void SetAllTicked(bool on);
    // The ticked changes, in order.
    QList<PhoneTidyRow> Chosen() const;
    int Changes() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    void TickedChanged();

private:
    QList<PhoneTidyRow> rows_;
    std::vector<char> ticked_;
};

// "Tidy phone numbers": the preview of the numbers of some records in a chosen form. It
// changes nothing; after OK the caller applies Chosen() (as one undo step).
class PhoneTidyDlg : public QDialog
{
    Q_OBJECT

public:
    PhoneTidyDlg(const Agenda &agenda, QList<int> slots, const QString &region, QWidget *parent = nullptr);

    PhoneTidyModel &Model() { return model_; }
    QComboBox *FormBox() const { return form_; }
    QList<PhoneTidyRow> Chosen() const { return model_.Chosen(); }

private:
    void Plan();
    void UpdateCounts();

    const Agenda &agenda_;
    const QList<int> slots_;
    const QString region_;
    PhoneTidyModel model_;
    QComboBox *form_;
    QTableView *table_;
    QLabel *counts_;
    QDialogButtonBox *buttons_;
};

// The small dialog of the phone region setting: the system's region or one of
// libphonenumber's. OK stores the choice (phone/region).
class PhoneRegionDlg : public QDialog
{
    Q_OBJECT

public:
    explicit PhoneRegionDlg(QWidget *parent = nullptr);
    QComboBox *RegionBox() const { return box_; }
    // Stores the chosen region: "" for the system's.
    void Store() const;

private:
    QComboBox *box_;
};
