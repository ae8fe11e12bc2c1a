#include "support/scriptedprompter.h"
#include "infobelpages.h"
#include "support/testhttpserver.h"
#include "web/infobeldlg.h"
#include "web/lookupfields.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

using namespace InfoBelPages;

// The InfoBel dialog driven through its controls, against a local directory server.
class TestInfoBelDlg : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opening();
    void buttonRule_data();
    void buttonRule();
    void pagingToTheLastPage();
    void statusTexts_data();
    void statusTexts();
    void failedPageForwardKeepsRows();
    void newSearchRestarts();
    void searchKindsReadTheirFields();
    void selectionAndAccept();
    void doubleClickAccepts();
    void cancelLeavesTarget();
    void editorRoundTrip();

private:
    struct Dlg;
    TestHttpServer *server_ = nullptr;
};

// One dialog with handles on its controls.
struct TestInfoBelDlg::Dlg
{
    ScriptedPrompter prompter;
    InfoBelResult target;
    InfoBelDlg dlg;
    QComboBox *country;
    QLineEdit *firstname, *lastname, *city, *nace, *phone;
    QPushButton *btPrivate, *btBusiness, *btInverse, *btMore, *btOK, *btCancel;
    QLabel *status;
    QTableWidget *list;

    Dlg(const InfoBelQuery &query, const QByteArray &host)
        : dlg(query, target, prompter, nullptr, host)
    {
        country = dlg.findChild<QComboBox *>("esCountry");
        firstname = dlg.findChild<QLineEdit *>("esFirstname");
        lastname = dlg.findChild<QLineEdit *>("esLastname");
        city = dlg.findChild<QLineEdit *>("esCity");
        nace = dlg.findChild<QLineEdit *>("esNace");
        phone = dlg.findChild<QLineEdit *>("esPhone");
        btPrivate = dlg.findChild<QPushButton *>("btPrivate");
        btBusiness = dlg.findChild<QPushButton *>("btBusiness");
        btInverse = dlg.findChild<QPushButton *>("btInverse");
        btMore = dlg.findChild<QPushButton *>("btMore");
        btOK = dlg.findChild<QPushButton *>("btOK");
        btCancel = dlg.findChild<QPushButton *>("btCancel");
        status = dlg.findChild<QLabel *>("lResult");
        list = dlg.findChild<QTableWidget *>("acResult");
        dlg.show();
    }

    // The one button Enter activates, by name.
    QString DefaultButton() const
    {
        QStringList names;
        for (QPushButton *b : {btOK, btMore, btBusiness, btPrivate, btInverse, btCancel})
            if (b->isDefault())
                names << b->objectName();
        return names.join(QLatin1Char('+'));
    }

    void Select(int row)
    {
        list->setCurrentCell(row, 1);
        list->selectRow(row);
    }
};

namespace {

const QByteArray kBase = "/it/ITALY/people.aspx?&qlastname=Rossi&qfirstname=&qcity=";

QByteArray At(int first)
{
    return kBase + "&firstrec=" + QByteArray::number(first);
}

InfoBelQuery Rossi()
{
    InfoBelQuery q;
    q.country = QStringLiteral("ITALY");
    q.lastname = QStringLiteral("Rossi");
    return q;
}

void ServeDirectory(TestHttpServer &server, int total)
{
    for (int first = 0; first < total; first += 20)
        server.Route(At(first), TestHttpServer::Ok(Page(total, first, qMin(20, total - first))));
}

} // namespace

void TestInfoBelDlg::init()
{
    server_ = new TestHttpServer;
    QVERIFY(server_->Listen());
}

void TestInfoBelDlg::cleanup()
{
    delete server_;
    server_ = nullptr;
}

void TestInfoBelDlg::opening()
{
    InfoBelQuery q;
    q.country = QStringLiteral("Utopia");
    q.lastname = QStringLiteral("Rossi");
    q.firstname = QStringLiteral("Mario");
    q.city = QStringLiteral("Roma");
    q.category = QStringLiteral("Bar");
    q.phone = QStringLiteral("061234");
    Dlg d(q, "dir.example");
    QCOMPARE(d.dlg.windowTitle(), QStringLiteral("dir.example Query"));
    QCOMPARE(d.country->currentText(), QStringLiteral("Utopia"));  // any country is accepted
    QCOMPARE(d.country->count(), 10);
    QCOMPARE(d.country->itemText(0), QStringLiteral("AUSTRIA"));
    QCOMPARE(d.country->itemText(9), QStringLiteral("UK"));
    QCOMPARE((QStringList{d.lastname->text(), d.firstname->text(), d.city->text(), d.nace->text(),
                          d.phone->text()}),
             (QStringList{"Rossi", "Mario", "Roma", "Bar", "061234"}));
    QCOMPARE(d.status->text(), QStringLiteral("write query data"));
    QVERIFY(!d.btMore->isEnabled());
    QVERIFY(!d.btOK->isEnabled());
    QCOMPARE(d.list->columnCount(), 7);
    QStringList titles;
    for (int c = 0; c < 7; ++c)
        titles << d.list->horizontalHeaderItem(c)->text();
    QCOMPARE(titles, (QStringList{"#", "Name", "Street", "Num", "Zip", "City", "phone"}));
    QCOMPARE(d.list->columnWidth(0), 30);
    QCOMPARE(d.list->columnWidth(3), 40);
    QCOMPARE(d.btMore->text(), QStringLiteral("+20"));
}

void TestInfoBelDlg::buttonRule_data()
{
    // Fields typed in order (country, lastname, category, phone); then the focus goes to
    // `focus` and one character is typed and erased there.
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("enabled");  // P, B, I for the enabled search buttons
    QTest::addColumn<QString>("defaultButton");
    QTest::newRow("no country") << QStringList{"", "Rossi", "Bar", "0612"} << "esNace" << "" << "btBusiness";
    QTest::newRow("last name and phone, focus last name")
        << QStringList{"ITALY", "Rossi", "", "0612"} << "esLastname" << "PBI" << "btPrivate";
    QTest::newRow("country and category only")
        << QStringList{"ITALY", "", "Bar", ""} << "esCity" << "B" << "btBusiness";
    QTest::newRow("category and phone, focus category")
        << QStringList{"ITALY", "", "Bar", "0612"} << "esNace" << "BI" << "btBusiness";
    QTest::newRow("category and phone, focus phone")
        << QStringList{"ITALY", "", "Bar", "0612"} << "esPhone" << "BI" << "btInverse";
    QTest::newRow("category and phone, focus elsewhere: disabled default")
        << QStringList{"ITALY", "", "Bar", "0612"} << "esCity" << "BI" << "btPrivate";
    QTest::newRow("phone only") << QStringList{"ITALY", "", "", "0612"} << "esFirstname" << "I" << "btInverse";
    QTest::newRow("all, focus phone") << QStringList{"ITALY", "Rossi", "Bar", "0612"} << "esPhone" << "PBI" << "btInverse";
    QTest::newRow("nothing") << QStringList{"", "", "", ""} << "esCity" << "" << "btPrivate";
}

void TestInfoBelDlg::buttonRule()
{
    QFETCH(QStringList, values);
    QFETCH(QString, focus);
    QFETCH(QString, enabled);
    QFETCH(QString, defaultButton);
    Dlg d(InfoBelQuery(), server_->BaseUrl());
    QCOMPARE(d.DefaultButton(), QStringLiteral("btPrivate"));
    QWidget *fields[] = {d.country, d.lastname, d.nace, d.phone};
    for (int i = 0; i < 4; ++i) {
        fields[i]->setFocus();
        QTest::keyClicks(i == 0 ? static_cast<QWidget *>(d.country->lineEdit()) : fields[i], values[i]);
    }
    QLineEdit *target = d.dlg.findChild<QLineEdit *>(focus);
    QVERIFY(target);
    target->setFocus();
    QCOMPARE(d.dlg.focusWidget(), target);
    QTest::keyClick(target, Qt::Key_X);
    QTest::keyClick(target, Qt::Key_Backspace);
    QString on;
    if (d.btPrivate->isEnabled())
        on += QLatin1Char('P');
    if (d.btBusiness->isEnabled())
        on += QLatin1Char('B');
    if (d.btInverse->isEnabled())
        on += QLatin1Char('I');
    QCOMPARE(on, enabled);
    QCOMPARE(d.DefaultButton(), defaultButton);
}

void TestInfoBelDlg::pagingToTheLastPage()
{
    ServeDirectory(*server_, 345);
    Dlg d(Rossi(), server_->BaseUrl());
    QTest::mouseClick(d.btPrivate, Qt::LeftButton);
    QCOMPARE(d.status->text(), QStringLiteral("found: 20 / 345 result"));
    QCOMPARE(d.list->rowCount(), 20);
    QCOMPARE(d.list->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(d.list->item(0, 1)->text(), QStringLiteral("NAME1"));
    QCOMPARE(d.list->item(19, 6)->text(), QStringLiteral("0620"));
    QVERIFY(d.btMore->isEnabled());
    QCOMPARE(d.DefaultButton(), QStringLiteral("btMore"));
    QVERIFY(!d.btOK->isEnabled());

    for (int press = 1; press <= 17; ++press) {
        QVERIFY(d.btMore->isEnabled());
        QTest::mouseClick(d.btMore, Qt::LeftButton);
    }
    QCOMPARE(d.status->text(), QStringLiteral("found: 345 / 345 result"));
    QCOMPARE(d.list->rowCount(), 345);
    QCOMPARE(d.list->item(340, 0)->text(), QStringLiteral("341"));
    QCOMPARE(d.list->item(344, 0)->text(), QStringLiteral("345"));
    QCOMPARE(d.list->item(344, 2)->text(), QStringLiteral("STREET345"));
    QVERIFY(!d.btMore->isEnabled());
    QCOMPARE(server_->requests.size(), 18);
    QCOMPARE(server_->Targets().last(), At(340));
}

void TestInfoBelDlg::statusTexts_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rows");
    QTest::newRow("seven") << 200 << Page(7, 0, 7) << "found: 7 / 7 result" << 7;
    QTest::newRow("none") << 200 << Page(0, 0, 0) << "found: 0 result" << 0;
    QTest::newRow("no count on the page") << 200 << QByteArray("<html>sorry</html>") << "found: 0 result" << 0;
    QTest::newRow("404") << 404 << Page(7, 0, 7) << "error: The server does not know this address (HTTP 404)" << 0;
    QTest::newRow("429") << 429 << Page(7, 0, 7) << "error: The server is busy (HTTP 429); try again later" << 0;
    QTest::newRow("broken link") << 200 << QByteArray(Head(7) + "href=\"mapresult.aspx?QName=X")
                                 << "error: The server's answer could not be read" << 0;
    // -1: the server does not answer and the user presses Cancel.
    QTest::newRow("cancelled") << -1 << QByteArray() << "Cancelled" << 0;
}

void TestInfoBelDlg::statusTexts()
{
    QFETCH(int, status);
    QFETCH(QByteArray, page);
    QFETCH(QString, text);
    QFETCH(int, rows);
    server_->Route(At(0), status < 0 ? TestHttpServer::Stalled() : TestHttpServer::Status(status, page));
    Dlg d(Rossi(), server_->BaseUrl());
    d.prompter.cancelProgressAt = 3;
    QTest::mouseClick(d.btPrivate, Qt::LeftButton);
    QCOMPARE(d.status->text(), text);
    QCOMPARE(d.list->rowCount(), rows);
    QVERIFY(!d.btMore->isEnabled());
    QVERIFY(!d.btOK->isEnabled());
    QVERIFY(d.prompter.shown.isEmpty());
}

void TestInfoBelDlg::failedPageForwardKeepsRows()
{
    server_->Route(At(0), TestHttpServer::Ok(Page(50, 0, 20)));
    Dlg d(Rossi(), server_->BaseUrl());
    QTest::mouseClick(d.btPrivate, Qt::LeftButton);
    QVERIFY(d.btMore->isEnabled());
    QTest::mouseClick(d.btMore, Qt::LeftButton);  // offset 20 is not served
    QCOMPARE(d.status->text(), QStringLiteral("error: The server does not know this address (HTTP 404)"));
    QCOMPARE(d.list->rowCount(), 20);
    QVERIFY(!d.btMore->isEnabled());
}

void TestInfoBelDlg::newSearchRestarts()
{
    ServeDirectory(*server_, 45);
    Dlg d(Rossi(), server_->BaseUrl());
    QTest::mouseClick(d.btPrivate, Qt::LeftButton);
    QTest::mouseClick(d.btMore, Qt::LeftButton);
    QCOMPARE(d.list->rowCount(), 40);
    d.Select(25);
    QVERIFY(d.btOK->isEnabled());
    QTest::mouseClick(d.btPrivate, Qt::LeftButton);
    QCOMPARE(d.list->rowCount(), 20);
    QCOMPARE(d.list->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(d.status->text(), QStringLiteral("found: 20 / 45 result"));
    QVERIFY(!d.btOK->isEnabled());
    QCOMPARE(server_->Targets(), (QByteArrayList{At(0), At(20), At(0)}));
}

void TestInfoBelDlg::searchKindsReadTheirFields()
{
    server_->SetFallback(TestHttpServer::Ok(Page(0, 0, 0)));
    InfoBelQuery q = Rossi();
    q.firstname = QStringLiteral("Mario");
    Dlg d(q, server_->BaseUrl());
    QTest::keyClicks(d.nace, QStringLiteral("Pizza"));
    QTest::keyClicks(d.city, QStringLiteral("Roma"));
    QTest::keyClicks(d.phone, QStringLiteral("+39 06"));
    QTest::mouseClick(d.btBusiness, Qt::LeftButton);
    QTest::mouseClick(d.btInverse, Qt::LeftButton);
    QTest::mouseClick(d.btPrivate, Qt::LeftButton);
    QCOMPARE(server_->Targets(),
             (QByteArrayList{"/it/ITALY/business.aspx?&qkeyword=Rossi%20Pizza&qcityb=Roma&firstrec=0",
                             "/it/ITALY/inverse.aspx?&qphone=%2B39%2006&firstrec=0",
                             "/it/ITALY/people.aspx?&qlastname=Rossi&qfirstname=Mario&qcity=Roma&firstrec=0"}));
    QCOMPARE(d.dlg.Query().kind, int(Private));
    QCOMPARE(d.dlg.Query().category, QStringLiteral("Pizza"));  // kept from the business search
}

void TestInfoBelDlg::selectionAndAccept()
{
    ServeDirectory(*server_, 30);
    Dlg d(Rossi(), server_->BaseUrl());
    QTest::mouseClick(d.btPrivate, Qt::LeftButton);
    QTest::mouseClick(d.btMore, Qt::LeftButton);
    QVERIFY(!d.btOK->isEnabled());
    QTest::mouseClick(d.btOK, Qt::LeftButton);  // nothing selected: nothing happens
    QVERIFY(d.dlg.isVisible());
    // Typing in the country after the search does not change the country handed back.
    QTest::keyClicks(d.country->lineEdit(), QStringLiteral("X"));
    d.Select(22);
    QVERIFY(d.btOK->isEnabled());
    QCOMPARE(d.DefaultButton(), QStringLiteral("btOK"));
    QTest::mouseClick(d.btOK, Qt::LeftButton);
    QCOMPARE(d.dlg.result(), 1);
    QVERIFY(!d.dlg.isVisible());
    QCOMPARE(d.target.name, QStringLiteral("NAME23"));
    QCOMPARE(d.target.street, QStringLiteral("STREET23"));
    QCOMPARE(d.target.number, QStringLiteral("23"));
    QCOMPARE(d.target.zip, QStringLiteral("Z23"));
    QCOMPARE(d.target.city, QStringLiteral("CITY23"));
    QCOMPARE(d.target.phone, QStringLiteral("0623"));
    QCOMPARE(d.target.country, QStringLiteral("ITALY"));
}

void TestInfoBelDlg::doubleClickAccepts()
{
    ServeDirectory(*server_, 7);
    Dlg d(Rossi(), server_->BaseUrl());
    QTest::mouseClick(d.btPrivate, Qt::LeftButton);
    const QRect cell = d.list->visualItemRect(d.list->item(2, 1));
    QTest::mouseClick(d.list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(d.list->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(d.dlg.result(), 1);
    QCOMPARE(d.target.name, QStringLiteral("NAME3"));
}

void TestInfoBelDlg::cancelLeavesTarget()
{
    ServeDirectory(*server_, 7);
    Dlg d(Rossi(), server_->BaseUrl());
    d.target.name = QStringLiteral("KEEP");
    QTest::mouseClick(d.btPrivate, Qt::LeftButton);
    d.Select(0);
    QTest::mouseClick(d.btCancel, Qt::LeftButton);
    QCOMPARE(d.dlg.result(), 2);
    QCOMPARE(d.target.name, QStringLiteral("KEEP"));
    QVERIFY(d.target.street.isEmpty());
}

void TestInfoBelDlg::editorRoundTrip()
{
    const QByteArray page = Head(1)
        + Link("QName=DR.ROSSI MARIO&QStreet=VIA ROMA&QNum=12&QZip=00100&QCity=ROMA&qphone=061234");
    server_->Route("/it/ITALY/people.aspx?&qlastname=Rossi&qfirstname=Mario&qcity=Roma&firstrec=0",
                   TestHttpServer::Ok(page));
    LookupFields f;
    f.label = QStringLiteral("Rossi Mario");
    f.city = QStringLiteral("Roma");
    f.country = QStringLiteral("ITALY");
    f.latitude = 1.5;
    ScriptedPrompter prompter;

    bool sawDialog = false;
    QTimer::singleShot(0, this, [&] {
        auto *dlg = qobject_cast<InfoBelDlg *>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        sawDialog = true;
        QTest::mouseClick(dlg->findChild<QPushButton *>("btPrivate"), Qt::LeftButton);
        auto *list = dlg->findChild<QTableWidget *>("acResult");
        list->setCurrentCell(0, 1);
        list->selectRow(0);
        QTest::mouseClick(dlg->findChild<QPushButton *>("btOK"), Qt::LeftButton);
    });
    QVERIFY(RunInfoBelLookup(f, prompter, nullptr, server_->BaseUrl()));
    QVERIFY(sawDialog);
    QCOMPARE(f.label, QStringLiteral("DR ROSSI MARIO"));
    QCOMPARE((QStringList{f.street, f.number, f.zip, f.city, f.country, f.phone1}),
             (QStringList{"VIA ROMA", "12", "00100", "ROMA", "ITALY", "061234"}));
    QCOMPARE(f.latitude, 1.5);

    // Closing the window instead leaves the values alone.
    QTimer::singleShot(0, this, [] {
        if (QWidget *dlg = QApplication::activeModalWidget())
            dlg->close();
    });
    const LookupFields before = f;
    QVERIFY(!RunInfoBelLookup(f, prompter, nullptr, server_->BaseUrl()));
    QCOMPARE(f.label, before.label);
    QCOMPARE(f.phone1, before.phone1);
}

QTEST_MAIN(TestInfoBelDlg)
#include "test_infobeldlg.moc"
