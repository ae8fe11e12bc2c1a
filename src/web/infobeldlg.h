#pragma once

#include "web/endpoints.h"
#include "web/infobel.h"

#include <QDialog>
#include <QList>

#include <memory>

class Prompter;
struct LookupFields;
namespace Ui { class InfoBel; }

// The dialog in which the user searches the InfoBel directory and picks one hit.
// exec() returns 1 when a hit was accepted (the target is filled) and 2 when the user
// cancelled (the target is untouched).
class InfoBelDlg : public QDialog
{
    Q_OBJECT
public:
    // Hits shown per page and fetched per search.
    static constexpr int kPage = 20;

    InfoBelDlg(const InfoBelQuery &query, InfoBelResult &target, Prompter &prompter,
               QWidget *parent = nullptr, const QByteArray &host = kInfoBelHost);
    ~InfoBelDlg() override;

    void reject() override;

    // The query used by the last search (or the one the dialog was opened with).
    const InfoBelQuery &Query() const { return query_; }
    int First() const { return first_; }

private:
    void ButtonRule();
    void Search(int kind);
    void More();
    void ShowPage(int count);
    void SelectionRule();
    void Accept();
    void SetDefault(class QPushButton *button);

    std::unique_ptr<Ui::InfoBel> ui_;
    Prompter &prompter_;
    QByteArray host_;
    InfoBelQuery query_;
    InfoBelResult &target_;
    QList<InfoBelResult> hits_;
    int first_ = 0;
    int total_ = 0;
    QString failure_;  // why the last search failed
};

// Runs the dialog on the record editor's values: the query is built from them and, when
// the user accepts a hit, the hit is copied back into them. True when they changed.
bool RunInfoBelLookup(LookupFields &fields, Prompter &prompter, QWidget *parent = nullptr,
                      const QByteArray &host = kInfoBelHost);
