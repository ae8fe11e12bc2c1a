#include "web/infobeldlg.h"

#include "ui_InfoBel.h"
#include "web/fetchtexts.h"
#include "web/infobelcountry.h"
#include "web/infobeltexts.h"
#include "web/lookupfields.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidgetItem>

namespace {

// Result columns after the running number, in the order of the table.
enum Column { ColNumber, ColName, ColStreet, ColNum, ColZip, ColCity, ColPhone, ColCount };

} // namespace

InfoBelDlg::InfoBelDlg(const InfoBelQuery &query, InfoBelResult &target, Prompter &prompter,
                       QWidget *parent, const QByteArray &host)
    : QDialog(parent), ui_(new Ui::InfoBel), prompter_(prompter), host_(host), query_(query),
      target_(target)
{
    ui_->setupUi(this);
    hits_.resize(kPage);
    QString site = QString::fromLatin1(host_);
    if (const qsizetype scheme = site.indexOf(QLatin1String("://")); scheme >= 0)
        site.remove(0, scheme + 3);
    setWindowTitle(InfoBelText::Tr(InfoBelText::kTitle).arg(site));

    QTableWidget *list = ui_->acResult;
    list->setColumnCount(ColCount);
    QStringList titles;
    for (int c = 0; c < ColCount; ++c)
        titles << InfoBelText::Tr(InfoBelText::kColumns[c]);
    list->setHorizontalHeaderLabels(titles);
    for (int c = 0; c < ColCount; ++c)
        list->setColumnWidth(c, InfoBelText::kColumnWidths[c]);

    for (unsigned i = 0;; ++i) {
        const QString name = InfoBelCountry(i);
        if (name.isEmpty())
            break;
        ui_->esCountry->addItem(name);
    }

    ui_->esCountry->setEditText(query_.country);
    ui_->esLastname->setText(query_.lastname);
    ui_->esFirstname->setText(query_.firstname);
    ui_->esNace->setText(query_.category);
    ui_->esCity->setText(query_.city);
    ui_->esPhone->setText(query_.phone);

    ui_->lResult->setText(InfoBelText::Tr(InfoBelText::kWriteQuery));
    ui_->btMore->setEnabled(false);
    ui_->btOK->setEnabled(false);

    connect(ui_->btPrivate, &QPushButton::clicked, this, [this] { Search(Private); });
    connect(ui_->btBusiness, &QPushButton::clicked, this, [this] { Search(Business); });
    connect(ui_->btInverse, &QPushButton::clicked, this, [this] { Search(Inverse); });
    connect(ui_->btMore, &QPushButton::clicked, this, &InfoBelDlg::More);
    connect(ui_->btOK, &QPushButton::clicked, this, &InfoBelDlg::Accept);
    connect(list, &QTableWidget::cellDoubleClicked, this, &InfoBelDlg::Accept);
    connect(ui_->btCancel, &QPushButton::clicked, this, &InfoBelDlg::reject);
    connect(list, &QTableWidget::itemSelectionChanged, this, &InfoBelDlg::SelectionRule);
    connect(ui_->esCountry, &QComboBox::editTextChanged, this, &InfoBelDlg::ButtonRule);
    for (QLineEdit *edit : {ui_->esCity, ui_->esFirstname, ui_->esLastname, ui_->esNace,
                            ui_->esPhone})
        connect(edit, &QLineEdit::textChanged, this, &InfoBelDlg::ButtonRule);

    ButtonRule();
}

InfoBelDlg::~InfoBelDlg() = default;

void InfoBelDlg::SetDefault(QPushButton *button)
{
    for (QPushButton *b : {ui_->btOK, ui_->btMore, ui_->btBusiness, ui_->btPrivate,
                           ui_->btInverse})
        if (b != button)
            b->setDefault(false);
    if (button)
        button->setDefault(true);
}

void InfoBelDlg::ButtonRule()
{
    const bool country = !ui_->esCountry->currentText().isEmpty();
    const bool last = !ui_->esLastname->text().isEmpty();
    const bool category = !ui_->esNace->text().isEmpty();
    const bool phone = !ui_->esPhone->text().isEmpty();

    ui_->btBusiness->setEnabled(country && (last || category));
    ui_->btPrivate->setEnabled(country && last);
    ui_->btInverse->setEnabled(country && phone);

    // Enter starts the search the user is most likely filling in; the choice does not
    // depend on whether that button is enabled.
    QWidget *focus = focusWidget();
    if (category && (focus == ui_->esNace || (!last && !phone)))
        SetDefault(ui_->btBusiness);
    else if (phone && (focus == ui_->esPhone || (!last && !category)))
        SetDefault(ui_->btInverse);
    else
        SetDefault(ui_->btPrivate);
}

void InfoBelDlg::Search(int kind)
{
    ui_->lResult->setText(InfoBelText::Tr(InfoBelText::kSearching));
    first_ = 0;
    ui_->acResult->setRowCount(0);
    ui_->btMore->setEnabled(false);
    ui_->btOK->setEnabled(false);

    query_.country = ui_->esCountry->currentText();
    switch (kind) {
    case Private:
        query_.lastname = ui_->esLastname->text();
        query_.firstname = ui_->esFirstname->text();
        query_.city = ui_->esCity->text();
        break;
    case Business:
        query_.lastname = ui_->esLastname->text();
        query_.category = ui_->esNace->text();
        query_.city = ui_->esCity->text();
        break;
    case Inverse:
        query_.phone = ui_->esPhone->text();
        break;
    }
    query_.kind = kind;

    total_ = InfoBelSearch(query_, hits_, first_, kPage, prompter_, host_, &failure_);
    ShowPage(qMin(total_ - first_, kPage));
}

void InfoBelDlg::More()
{
    first_ += kPage;
    total_ = InfoBelSearch(query_, hits_, first_, kPage, prompter_, host_, &failure_);
    ShowPage(int(qMin<qint64>(qint64(total_) - first_, kPage)));
}

void InfoBelDlg::ShowPage(int count)
{
    // A failure names its cause; the user's own Cancel is just that.
    if (total_ < 0 && failure_ == FetchText::Tr(FetchText::kCancelled))
        ui_->lResult->setText(failure_);
    else if (total_ < 0)
        ui_->lResult->setText(InfoBelText::Tr(InfoBelText::kErrorBecause).arg(failure_));
    else if (total_ == 0)
        ui_->lResult->setText(InfoBelText::Tr(InfoBelText::kNone));
    else
        ui_->lResult->setText(InfoBelText::Tr(InfoBelText::kFound)
                                  .arg(qMin<qint64>(qint64(first_) + kPage, total_))
                                  .arg(total_));

    if (total_ > 0) {
        QTableWidget *list = ui_->acResult;
        for (int i = 0; i < count && i < hits_.size(); ++i) {
            const InfoBelResult &hit = hits_.at(i);
            const int row = list->rowCount();
            list->insertRow(row);
            const QString cells[ColCount] = {QString::number(qint64(first_) + i + 1), hit.name,
                                             hit.street, hit.number, hit.zip, hit.city,
                                             hit.phone};
            for (int c = 0; c < ColCount; ++c)
                list->setItem(row, c, new QTableWidgetItem(cells[c]));
        }
    }

    SetDefault(ui_->btMore);
    ui_->btMore->setEnabled(qint64(first_) + kPage < total_);
}

void InfoBelDlg::SelectionRule()
{
    SetDefault(ui_->btOK);
    ui_->btOK->setEnabled(!ui_->acResult->selectionModel()->selectedRows().isEmpty());
}

void InfoBelDlg::Accept()
{
    const QModelIndexList rows = ui_->acResult->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    const int row = rows.first().row();
    auto cell = [&](int column) {
        const QTableWidgetItem *item = ui_->acResult->item(row, column);
        return item ? item->text() : QString();
    };
    target_.name = cell(ColName);
    target_.street = cell(ColStreet);
    target_.number = cell(ColNum);
    target_.zip = cell(ColZip);
    target_.city = cell(ColCity);
    target_.phone = cell(ColPhone);
    target_.country = query_.country;
    done(1);
}

void InfoBelDlg::reject()
{
    done(2);
}

bool RunInfoBelLookup(LookupFields &fields, Prompter &prompter, QWidget *parent,
                      const QByteArray &host)
{
    InfoBelResult result;
    InfoBelDlg dlg(InfoBelQueryFromFields(fields), result, prompter, parent, host);
    if (dlg.exec() != 1)
        return false;
    ApplyInfoBelResult(result, fields);
    return true;
}
