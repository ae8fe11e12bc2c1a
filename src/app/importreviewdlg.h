#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QSortFilterProxyModel>

class ImportReview;

namespace Ui {
class ImportReview;
}

// The rows of an ImportReview as a table: a check box with the label, first phone, first
// e-mail, city and remarks. Checking a box checks the card in the review.
class ImportReviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { colLabel, colPhone, colEmail, colCity, colRemarks, kColumns };
    static constexpr int RemarksRole = Qt::UserRole;  // the row's remark bits

    explicit ImportReviewModel(ImportReview &review, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Tells the views that every row may have changed (user, shortening, check states).
    void RowsChanged();

Q_SIGNALS:
    void CheckedChanged();

private:
    ImportReview &review_;
};

// Shows the rows that have one remark, or all of them.
class RemarkFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void SetRemark(uint32_t remark);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    uint32_t remark_ = 0;
};

// The import review dialog: the cards of the chosen files before anything is inserted,
// the target user, the shortening choice and the counts. It changes the review it is
// given; the caller inserts the chosen cards after OK. For the CSV file of another program
// "Columns..." ends it with kColumnsChosen: the caller lets the user choose the columns
// again and opens a new review.
class ImportReviewDlg : public QDialog
{
    Q_OBJECT

public:
    // The dialog's result besides Accepted and Rejected.
    static constexpr int kColumnsChosen = 2;

    ImportReviewDlg(ImportReview &review, QWidget *parent = nullptr);
    ~ImportReviewDlg() override;

    // The models under the table (the controls are found by their object names).
    ImportReviewModel &Model() { return model_; }
    RemarkFilter &Filter() { return filter_; }

private:
    void SetChecked(bool on);
    void UpdateCounts();

    Ui::ImportReview *ui_;
    ImportReview &review_;
    ImportReviewModel model_;
    RemarkFilter filter_;
};
