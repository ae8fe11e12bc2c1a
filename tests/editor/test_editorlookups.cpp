#include "support/scriptedprompter.h"
#include "editor/editrecorddlg.h"
#include "online/online.h"
#include "store/phonebook.h"
#include "support/testhttpserver.h"
#include "web/geocodeprovider.h"
#include "../web/infobelpages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

constexpr int kPostalSlot = 35;  // OFFICINA AUTO: Postal data

const QByteArray kGeocodePath = "/v1/public/yql";

QByteArray GeocodeAnswer()
{
    return "<query><results><Result><quality>90</quality>"
           "<latitude>41.9</latitude><longitude>12.5</longitude><house>12</house>"
           "<street>Via Roma</street><city>Roma</city><state>Lazio</state><uzip>00184</uzip>"
           "<country>Italy</country></Result></results></query>";
}

template <typename T>
T *Find(QWidget *w, const char *name)
{
    T *t = w->findChild<T *>(QLatin1String(name));
    if (!t)
        qFatal("no control %s", name);
    return t;
}

void Click(QWidget *w, const char *button)
{
    QTest::mouseClick(Find<QPushButton>(w, button), Qt::LeftButton);
}

} // namespace

// The editor's look-up buttons, with the dialogs of the online module as the program
// loads it: what the dialogs put into the controls is not a user edit.
class TestEditorLookups : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void geocodeFillsAddressAndPosition();
    void geocodeCancelChangesNothing();
    void infoBelFillsNameAddressAndPhone();
    void withoutModuleNothingChanges_data();
    void withoutModuleNothingChanges();

private:
    const OnlineServices *module_ = nullptr;
    std::unique_ptr<TestHttpServer> server_;
    std::unique_ptr<Phonebook> book_;
    const Agenda *agenda_ = nullptr;
    ScriptedPrompter prompter_;
};

void TestEditorLookups::initTestCase()
{
    QString reason;
    module_ = LoadOnlineModule({QStringLiteral(KESTRAVON_ONLINE_MODULE)}, reason);
    QVERIFY2(module_, qPrintable(reason));
}

void TestEditorLookups::init()
{
    UseOnlineServices(module_);
    server_ = std::make_unique<TestHttpServer>();
    QVERIFY(server_->Listen());
    book_ = std::make_unique<Phonebook>();
    agenda_ = &book_->Data();
    QVERIFY(book_->Load(QStringLiteral(KESTRAVON_TESTDATA "/agenda/Agenda.dat"), prompter_));
    QVERIFY(agenda_->slots[kPostalSlot].nav.navFlags & kNavPostal);
    prompter_.ClearShown();
}

void TestEditorLookups::cleanup()
{
    server_.reset();
}

void TestEditorLookups::geocodeFillsAddressAndPosition()
{
    server_->Route(kGeocodePath, TestHttpServer::Ok(GeocodeAnswer()));
    EditRecordDlg dlg(*book_, kPostalSlot, prompter_);
    dlg.geocodeProvider = QString::fromLatin1(kPlacefinderName);
    dlg.geocodeBaseUrl = server_->BaseUrl();
    dlg.show();
    bool ran = false;
    // The address comes back as the user left it in the dialog's input column (here: a
    // new city typed there); only the coordinate comes from the service's answer.
    QTimer::singleShot(0, this, [&] {
        QWidget *geo = QApplication::activeModalWidget();
        if (!geo || geo == &dlg)
            return;
        ran = true;
        QLineEdit *city = Find<QLineEdit>(geo, "esActCity");
        city->clear();
        QTest::keyClicks(city, QStringLiteral("Roma"));
        Click(geo, "btQuery");
        Click(geo, "btOK");
    });
    const QString street = Find<QLineEdit>(&dlg, "esStreet")->text();
    Click(&dlg, "btGeocode");
    QVERIFY(ran);
    QCOMPARE(Find<QLineEdit>(&dlg, "esStreet")->text(), street);
    QCOMPARE(Find<QLineEdit>(&dlg, "esCity")->text(), QStringLiteral("Roma"));
    QCOMPARE(Find<QLineEdit>(&dlg, "edLat")->text(), QStringLiteral("41.900000"));
    QCOMPARE(Find<QLineEdit>(&dlg, "edLon")->text(), QStringLiteral("12.500000"));
    QVERIFY(Find<QCheckBox>(&dlg, "oGPS")->isChecked());
    QVERIFY(!dlg.AddressChanged());
    QVERIFY(!dlg.LabelChanged());

    // OK asks nothing (the address change was not the user's) and keeps the postal data.
    Click(&dlg, "btOK");
    QCOMPARE(prompter_.Messages(), QStringList());
    const AgendaRecord r = *agenda_->GetRecord(kPostalSlot);
    QCOMPARE(r.city, QStringLiteral("ROMA"));
    QVERIFY(r.nav.navFlags & kNavGps);
    QVERIFY(r.nav.navFlags & kNavPostal);
    QVERIFY(qAbs(r.nav.lat.ToDegrees() - 41.9) < 1.0 / 360000);
    QVERIFY(qAbs(r.nav.lon.ToDegrees() - -12.5) < 1.0 / 360000);  // stored west-positive: east
    QCOMPARE(r.nav.lon.negative, 1u);
}

void TestEditorLookups::geocodeCancelChangesNothing()
{
    server_->Route(kGeocodePath, TestHttpServer::Ok(GeocodeAnswer()));
    const AgendaRecord before = *agenda_->GetRecord(kPostalSlot);
    EditRecordDlg dlg(*book_, kPostalSlot, prompter_);
    dlg.geocodeProvider = QString::fromLatin1(kPlacefinderName);
    dlg.geocodeBaseUrl = server_->BaseUrl();
    dlg.show();
    const QString street = Find<QLineEdit>(&dlg, "esStreet")->text();
    QTimer::singleShot(0, this, [&] {
        QWidget *geo = QApplication::activeModalWidget();
        if (!geo || geo == &dlg)
            return;
        Click(geo, "btQuery");
        Click(geo, "btCancel");
    });
    Click(&dlg, "btGeocode");
    QCOMPARE(Find<QLineEdit>(&dlg, "esStreet")->text(), street);
    Click(&dlg, "btOK");
    QVERIFY(*agenda_->GetRecord(kPostalSlot) == before);
}

void TestEditorLookups::infoBelFillsNameAddressAndPhone()
{
    using namespace InfoBelPages;
    constexpr int kRossi = 2;  // ROSSI MARIO, Roma, Italy
    server_->SetFallback(TestHttpServer::Ok(
        Head(1) + Link("QName=DR.ROSSI MARIO&QStreet=VIA ROMA&QNum=12&QZip=00100&QCity=ROMA&qphone=061234")));
    EditRecordDlg dlg(*book_, kRossi, prompter_);
    dlg.infoBelHost = server_->BaseUrl();
    dlg.show();
    bool ran = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *ib = QApplication::activeModalWidget();
        if (!ib || ib == &dlg)
            return;
        ran = true;
        Click(ib, "btPrivate");
        auto *list = Find<QTableWidget>(ib, "acResult");
        list->setCurrentCell(0, 1);
        list->selectRow(0);
        Click(ib, "btOK");
    });
    Click(&dlg, "btInfobel");
    QVERIFY(ran);
    QCOMPARE(server_->Targets().size(), 1);
    QVERIFY(server_->Targets().first().contains("qlastname=ROSSI&qfirstname=MARIO"));
    QCOMPARE(Find<QLineEdit>(&dlg, "esLabel")->text(), QStringLiteral("DR ROSSI MARIO"));
    QCOMPARE(Find<QLineEdit>(&dlg, "esP0Numb")->text(), QStringLiteral("061234"));
    QCOMPARE(Find<QLineEdit>(&dlg, "esZip")->text(), QStringLiteral("00100"));
    QVERIFY(!dlg.AddressChanged());
    QVERIFY(!dlg.LabelChanged());
    Click(&dlg, "btOK");
    QCOMPARE(prompter_.Messages(), QStringList());
    QCOMPARE(agenda_->GetRecord(kRossi)->label, QStringLiteral("DR ROSSI MARIO"));
    QCOMPARE(agenda_->GetRecord(kRossi)->phone[0], QStringLiteral("061234"));
}

// No module beside the test program: the button tells why and leaves the record alone.
void TestEditorLookups::withoutModuleNothingChanges_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::newRow("InfoBel") << QByteArray("btInfobel");
    QTest::newRow("Geocode") << QByteArray("btGeocode");
}

void TestEditorLookups::withoutModuleNothingChanges()
{
    QFETCH(QByteArray, button);
    UseOnlineServices(nullptr);
    const AgendaRecord before = *agenda_->GetRecord(kPostalSlot);
    EditRecordDlg dlg(*book_, kPostalSlot, prompter_);
    dlg.infoBelHost = server_->BaseUrl();
    dlg.geocodeBaseUrl = server_->BaseUrl();
    dlg.show();
    Click(&dlg, button.constData());
    QCOMPARE(prompter_.shown.size(), 1);
    QVERIFY(prompter_.shown.first().text.contains(QStringLiteral("not available")));
    QVERIFY2(prompter_.shown.first().detail.contains(QStringLiteral("kestravon-online")),
             qPrintable(prompter_.shown.first().detail));
    QVERIFY(server_->Targets().isEmpty());
    QVERIFY(!dlg.AddressChanged());
    QVERIFY(!dlg.LabelChanged());
    Click(&dlg, "btOK");
    QVERIFY(*agenda_->GetRecord(kPostalSlot) == before);
}

QTEST_MAIN(TestEditorLookups)
#include "test_editorlookups.moc"
