#include "support/scriptedprompter.h"
#include "editor/editrecorddlg.h"
#include "formats/vcard.h"
#include "store/agenda.h"
#include "store/fields.h"
#include "store/phonebook.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kPostalSlot = 35;   // OFFICINA AUTO: Postal data, code 01 02 03 04 05 06 AB
constexpr int kVoiceSlot = 8;     // BIANCHI ANNA: voice index 3
constexpr int kPlainSlot = 2;     // ROSSI MARIO: GPS only, voice index none
constexpr int kPoiSlot = 49;      // DISTRIBUTORE: GPS and POI, longitude with 100 hundredths
constexpr int kAcpSlot = 82;      // CHIAMATA PERSA: ACP record with both dates
constexpr int kSimSlot = 53;      // SIM 12

const QString kAddressQuestion = QStringLiteral("Address modified: clear \"Postal\" and \"Poi\" informations ?");
const QString kLabelQuestion = QStringLiteral("Label modified: clear \"voice record index\" informations ?");

} // namespace

class TestEditRecordDlg : public QObject
{
    Q_OBJECT

private:
    Phonebook book;
    const Agenda &agenda = book.Data();
    ScriptedPrompter prompter;

    void LoadSample(const char *file = "/agenda/Agenda.dat")
    {
        ScriptedPrompter loadPrompter;
        QVERIFY(book.Load(QStringLiteral(KESTRAVON_TESTDATA) + QLatin1String(file), loadPrompter));
        QVERIFY(!agenda.modified);
    }

    template <class T>
    static T *Find(const QWidget &dlg, const char *name)
    {
        T *w = dlg.findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    static QLineEdit *Edit(const QWidget &dlg, const char *name) { return Find<QLineEdit>(dlg, name); }

    // Replaces the text of an edit the way a user does: select everything and type.
    static void Type(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        if (text.isEmpty())
            QTest::keyClick(e, Qt::Key_Backspace);
        else
            QTest::keyClicks(e, text);
    }
    static void Press(const QWidget &dlg, const char *button) { QTest::mouseClick(Find<QPushButton>(dlg, button), Qt::LeftButton); }

private Q_SLOTS:
    void init()
    {
        prompter = ScriptedPrompter();
        LoadSample();
    }

    void showsEveryPartOfTheRecord();
    void eachTextTypedLandsInItsField();
    void unchangedRecordStoresSameBytes_data();
    void unchangedRecordStoresSameBytes();
    void addressQuestionOnPostalRecord_data();
    void addressQuestionOnPostalRecord();
    void noAddressQuestionWithoutPostalOrPoi();
    void addressTypedBackStillAsks();
    void tabbingThroughCountryIsNoEdit_data();
    void tabbingThroughCountryIsNoEdit();
    void labelQuestion_data();
    void labelQuestion();
    void addressStoredUpperCase();
    void coordinatesTypedAreStored();
    void typingCoordinatesTicksGps_data();
    void typingCoordinatesTicksGps();
    void uncheckingGpsKeepsCoordinates();
    void unknownNavBitDropped();
    void hiddenFieldsKept();
    void unknownCodesKept();
    void emptiedNumberStoresZero_data();
    void emptiedNumberStoresZero();
    void refusedFieldStoresNothing_data();
    void refusedFieldStoresNothing();
    void longLabelFromFileShownWholeAndRefused();
    void hiddenCoordinatesOutsideTheGlobeDoNotBlock();
    void cancelLeavesSlotUntouched();
    void programValuesAreNotEdits();
    void readOnlyFieldsRefuseTyping();
    void tabChainSkipsReadOnlyFields();
    void wheelChangesOnlyFocusedDropList();
    void largeFontScrollsWithinScreen();
    void stepFollowsListOrder();
    void stepAtEndShowsSameRecord();
    void vcardTitlesAndErrors();
    void importShowsOnlyTheCard();
    void exportWritesTheDialog();
    void layoutAtDefaultSize();
    void phoneNumbersCheckedAsTyped_data();
    void phoneNumbersCheckedAsTyped();
};

void TestEditRecordDlg::showsEveryPartOfTheRecord()
{
    EditRecordDlg postal(book, kPostalSlot, prompter);
    QCOMPARE(postal.windowTitle(), QStringLiteral("Edit Record"));
    QCOMPARE(Edit(postal, "eiRecN")->text(), QStringLiteral("36"));
    QCOMPARE(postal.Slot(), kPostalSlot);
    QCOMPARE(Find<QComboBox>(postal, "dlRecType")->currentText(), QStringLiteral("normal"));
    QVERIFY(Find<QCheckBox>(postal, "oPostal")->isChecked());
    QVERIFY(!Find<QCheckBox>(postal, "oGPS")->isChecked());
    QCOMPARE(Find<QComboBox>(postal, "dlPostal")->currentText(), QStringLiteral("HOUSE NUMBER"));
    QCOMPARE(Edit(postal, "esPosCode")->text(), QStringLiteral("01 02 03 04 05 06 AB "));
    QCOMPARE(Edit(postal, "esPosRoad1")->text(), QStringLiteral("00 01 02 03 04 05 06 07 08 09 0A "));
    QCOMPARE(Edit(postal, "eiPosNumb")->text(), QStringLiteral("450"));
    QCOMPARE(Find<QComboBox>(postal, "dlP1Type")->currentText(), QStringLiteral("WORK.FAX"));
    QCOMPARE(Find<QComboBox>(postal, "dlP1Type")->currentData().toUInt(), 10u);

    EditRecordDlg poi(book, kPoiSlot, prompter);
    QCOMPARE(Edit(poi, "eiPoiCat0")->text(), QStringLiteral("3"));  // poiCat 515 = 2 * 256 + 3
    QCOMPARE(Edit(poi, "eiPoiCat1")->text(), QStringLiteral("2"));
    QCOMPARE(Edit(poi, "esPoiLabel")->text(), QStringLiteral("STAZIONE DI SERVIZIO"));
    QCOMPARE(Edit(poi, "edLat")->text(), QStringLiteral("41.85"));

    EditRecordDlg acp(book, kAcpSlot, prompter);
    QCOMPARE(Find<QComboBox>(acp, "dlRecType")->currentText(), QStringLiteral("ACP"));
    QCOMPARE(Edit(acp, "esACPdate1")->text(), QStringLiteral("31/12/24 23:59:58"));
    QCOMPARE(Edit(acp, "eiACPtype")->text(), QStringLiteral("1"));

    EditRecordDlg sim(book, kSimSlot, prompter);
    QCOMPARE(Edit(sim, "eiSimpos")->text(), QStringLiteral("12"));
    QCOMPARE(Edit(sim, "eiReco")->text(), QStringLiteral("65535"));

    // Geographic longitude east-positive; the stored one is west-positive.
    AgendaRecord r = *agenda.GetRecord(kPlainSlot);
    r.nav.lat.FromDegrees(45.5);
    r.nav.lon.FromDegrees(-9.25);
    book.StoreRecord(kPlainSlot, r);
    EditRecordDlg gps(book, kPlainSlot, prompter);
    QCOMPARE(Edit(gps, "edLat")->text(), QStringLiteral("45.5"));
    QCOMPARE(Edit(gps, "edLon")->text(), QStringLiteral("9.25"));
    QVERIFY(prompter.shown.isEmpty());
}

// Every text of the field table that a user types in the dialog is shown in one line edit
// and stored into that field and no other (upper-cased where the table says so).
void TestEditRecordDlg::eachTextTypedLandsInItsField()
{
    AgendaRecord r = *agenda.GetRecord(kPlainSlot);
    for (const RecordField &f : Fields())
        if (f.editable && f.id != FieldId::Gps)
            f.write(r, QStringLiteral("was %1").arg(int(f.id)));
    book.StoreRecord(kPlainSlot, r);
    EditRecordDlg dlg(book, kPlainSlot, prompter);
    const QList<QLineEdit *> edits = dlg.findChildren<QLineEdit *>();
    AgendaRecord expected = r;
    for (const RecordField &f : Fields()) {
        if (!f.editable || f.id == FieldId::Gps)
            continue;
        QList<QLineEdit *> shown;
        for (QLineEdit *e : edits)
            if (e->text() == f.read(r))
                shown.append(e);
        QCOMPARE(shown.size(), 1);
        const QString typed = QStringLiteral("now %1").arg(int(f.id));
        Type(shown.front(), typed);
        f.write(expected, f.upper ? typed.toUpper() : typed);
    }
    Press(dlg, "btOK");
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QVERIFY(*agenda.GetRecord(kPlainSlot) == expected);
}

void TestEditRecordDlg::unchangedRecordStoresSameBytes_data()
{
    QTest::addColumn<int>("slot");
    for (int slot : {0, kPlainSlot, kVoiceSlot, 17, 18, kPostalSlot, kPoiSlot, 50, kSimSlot, kAcpSlot, 96, 109, 111})
        QTest::addRow("slot %d", slot) << slot;
}

void TestEditRecordDlg::unchangedRecordStoresSameBytes()
{
    QFETCH(int, slot);
    const AgendaRecord before = *agenda.GetRecord(slot);
    QList<int> stored;
    EditRecordDlg dlg(book, slot, prompter);
    dlg.WhenStored = [&](int s) { stored.append(s); };
    dlg.show();
    Press(dlg, "btOK");
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(stored, QList<int>{slot});
    QVERIFY(agenda.modified);  // OK stores also when nothing changed
    QVERIFY(*agenda.GetRecord(slot) == before);
    QVERIFY(prompter.shown.isEmpty());
}

void TestEditRecordDlg::addressQuestionOnPostalRecord_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<uint>("flags");
    QTest::newRow("yes clears the bit") << true << 0u;
    QTest::newRow("no keeps it") << false << uint(kNavPostal);
}

void TestEditRecordDlg::addressQuestionOnPostalRecord()
{
    QFETCH(bool, yes);
    QFETCH(uint, flags);
    const AgendaRecord before = *agenda.GetRecord(kPostalSlot);
    EditRecordDlg dlg(book, kPostalSlot, prompter);
    dlg.show();
    Type(Edit(dlg, "esStreet"), QStringLiteral("Via Appia Antica"));
    QVERIFY(dlg.AddressChanged());
    prompter.answers = {yes ? Prompter::Answer::Yes : Prompter::Answer::No};
    Press(dlg, "btOK");
    QCOMPARE(prompter.Messages(), QStringList{kAddressQuestion});
    QCOMPARE(prompter.shown.first().kind, ScriptedPrompter::Shown::Kind::YesNo);
    const AgendaRecord after = *agenda.GetRecord(kPostalSlot);
    QCOMPARE(after.nav.navFlags, flags);
    QCOMPARE(after.street, QStringLiteral("VIA APPIA ANTICA"));
    // The postal data stay behind the cleared bit.
    QCOMPARE(after.nav.posCode, before.nav.posCode);
    QCOMPARE(after.nav.posRoad1, before.nav.posRoad1);
    QCOMPARE(after.nav.posRoad2, before.nav.posRoad2);
    QCOMPARE(after.nav.posNumb, before.nav.posNumb);
    QCOMPARE(after.nav.postalType, before.nav.postalType);
    QVERIFY(!dlg.AddressChanged());
}

void TestEditRecordDlg::noAddressQuestionWithoutPostalOrPoi()
{
    EditRecordDlg dlg(book, kPlainSlot, prompter);
    dlg.show();
    Type(Edit(dlg, "esCity"), QStringLiteral("Milano"));
    Press(dlg, "btOK");
    QVERIFY(prompter.shown.isEmpty());
    QCOMPARE(agenda.GetRecord(kPlainSlot)->city, QStringLiteral("MILANO"));
}

void TestEditRecordDlg::addressTypedBackStillAsks()
{
    EditRecordDlg dlg(book, kPoiSlot, prompter);  // POI data, no Postal data
    dlg.show();
    QLineEdit *zip = Edit(dlg, "esZip");
    Type(zip, QStringLiteral("1"));
    Type(zip, QString());
    QCOMPARE(zip->text(), QString());
    prompter.answers = {Prompter::Answer::Yes};
    Press(dlg, "btOK");
    QCOMPARE(prompter.Messages(), QStringList{kAddressQuestion});
    QCOMPARE(agenda.GetRecord(kPoiSlot)->nav.navFlags, uint32_t(kNavGps));
    QCOMPARE(agenda.GetRecord(kPoiSlot)->nav.poiLabel, QStringLiteral("STAZIONE DI SERVIZIO"));
}

void TestEditRecordDlg::tabbingThroughCountryIsNoEdit_data()
{
    QTest::addColumn<QString>("country");
    QTest::newRow("in the list, not the first") << QStringLiteral("ITALY");
    QTest::newRow("first in the list") << QStringLiteral("AUSTRIA");
    QTest::newRow("not in the list") << QStringLiteral("SAN MARINO");
    QTest::newRow("empty") << QString();
}

void TestEditRecordDlg::tabbingThroughCountryIsNoEdit()
{
    // Focus passing through the country field changes nothing, so OK asks no question
    // on a record with postal data.
    QFETCH(QString, country);
    AgendaRecord record = *agenda.GetRecord(kPostalSlot);
    record.country = country;
    book.StoreRecord(kPostalSlot, record);
    EditRecordDlg dlg(book, kPostalSlot, prompter);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QComboBox *box = Find<QComboBox>(dlg, "esCountry");
    QCOMPARE(box->currentIndex(), box->findText(country));
    Edit(dlg, "esCity")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(box->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == box);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(!dlg.AddressChanged());
    Press(dlg, "btOK");
    QVERIFY(prompter.shown.isEmpty());
    QCOMPARE(agenda.GetRecord(kPostalSlot)->nav.navFlags, uint32_t(kNavPostal));
    QCOMPARE(agenda.GetRecord(kPostalSlot)->country, country);
}

void TestEditRecordDlg::labelQuestion_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("voiceIndex");
    QTest::newRow("voice index, yes") << kVoiceSlot << true << true << 65535;
    QTest::newRow("voice index, no") << kVoiceSlot << true << false << 3;
    QTest::newRow("no voice index") << kPlainSlot << false << true << 65535;
}

void TestEditRecordDlg::labelQuestion()
{
    QFETCH(int, slot);
    QFETCH(bool, asked);
    QFETCH(bool, yes);
    QFETCH(int, voiceIndex);
    EditRecordDlg dlg(book, slot, prompter);
    dlg.show();
    QLineEdit *label = Edit(dlg, "esLabel");
    label->setFocus();
    label->end(false);
    QTest::keyClicks(label, QStringLiteral(" jr"));
    if (asked)
        prompter.answers = {yes ? Prompter::Answer::Yes : Prompter::Answer::No};
    Press(dlg, "btOK");
    QCOMPARE(prompter.Messages(), asked ? QStringList{kLabelQuestion} : QStringList());
    const AgendaRecord after = *agenda.GetRecord(slot);
    QCOMPARE(int(after.voiceIndex), voiceIndex);
    QVERIFY(after.label.endsWith(QLatin1String(" jr")));  // the label keeps its case
}

void TestEditRecordDlg::addressStoredUpperCase()
{
    EditRecordDlg dlg(book, kPlainSlot, prompter);
    dlg.show();
    Type(Edit(dlg, "esStreet"), QStringLiteral("Via Roma"));
    Type(Edit(dlg, "esCity"), QStringLiteral("Leopoldstraße"));
    Type(Edit(dlg, "esNote"), QStringLiteral("Call in the morning"));
    Type(Find<QComboBox>(dlg, "esCountry")->lineEdit(), QStringLiteral("Italia"));
    // A held byte (a file byte that is not UTF-8) goes through untouched.
    Edit(dlg, "esNumb")->setText(QStringLiteral("1") + QChar(0xEEE8));
    Press(dlg, "btOK");
    const AgendaRecord after = *agenda.GetRecord(kPlainSlot);
    QCOMPARE(after.street, QStringLiteral("VIA ROMA"));
    QCOMPARE(after.city, QStringLiteral("LEOPOLDSTRAßE"));
    QCOMPARE(after.country, QStringLiteral("ITALIA"));
    QCOMPARE(after.numb, QStringLiteral("1") + QChar(0xEEE8));
    QCOMPARE(after.note, QStringLiteral("Call in the morning"));
    // The edit keeps showing what was typed.
    QCOMPARE(Edit(dlg, "esStreet")->text(), QStringLiteral("Via Roma"));
}

void TestEditRecordDlg::coordinatesTypedAreStored()
{
    EditRecordDlg dlg(book, kPostalSlot, prompter);
    dlg.show();
    QTest::mouseClick(Find<QCheckBox>(dlg, "oGPS"), Qt::LeftButton);
    Type(Edit(dlg, "edLat"), QStringLiteral("-33.8568"));
    Type(Edit(dlg, "edLon"), QStringLiteral("151,2153"));  // a decimal comma is read too
    Press(dlg, "btOK");
    const NavData nav = agenda.GetRecord(kPostalSlot)->nav;
    QCOMPARE(nav.navFlags, uint32_t(kNavGps | kNavPostal));
    // 33 51' 24.48" south; 151 12' 55.08" east, stored with the west-positive sign.
    QCOMPARE(nav.lat, (GpsCoord{33, 51, 24, 48, 1}));
    QCOMPARE(nav.lon, (GpsCoord{151, 12, 55, 8, 1}));
}

void TestEditRecordDlg::typingCoordinatesTicksGps_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("latitude") << QByteArray("edLat");
    QTest::newRow("longitude") << QByteArray("edLon");
}

void TestEditRecordDlg::typingCoordinatesTicksGps()
{
    QFETCH(QByteArray, field);
    EditRecordDlg dlg(book, kPostalSlot, prompter);  // no GPS data
    dlg.show();
    QCheckBox *gps = Find<QCheckBox>(dlg, "oGPS");
    QVERIFY(!gps->isChecked());
    Type(Edit(dlg, field.constData()), QStringLiteral("12.5"));
    QVERIFY(gps->isChecked());
    Press(dlg, "btOK");
    const NavData nav = agenda.GetRecord(kPostalSlot)->nav;
    QVERIFY(nav.navFlags & kNavGps);
    QCOMPARE(field == "edLat" ? nav.lat : nav.lon, (GpsCoord{12, 30, 0, 0, field == "edLon" ? 1u : 0u}));
}

void TestEditRecordDlg::uncheckingGpsKeepsCoordinates()
{
    const NavData before = agenda.GetRecord(kPlainSlot)->nav;
    EditRecordDlg dlg(book, kPlainSlot, prompter);
    dlg.show();
    QTest::mouseClick(Find<QCheckBox>(dlg, "oGPS"), Qt::LeftButton);
    QVERIFY(!Find<QCheckBox>(dlg, "oGPS")->isChecked());
    Press(dlg, "btOK");
    const NavData after = agenda.GetRecord(kPlainSlot)->nav;
    QCOMPARE(after.navFlags, 0u);
    QCOMPARE(after.lat, before.lat);
    QCOMPARE(after.lon, before.lon);
}

void TestEditRecordDlg::unknownNavBitDropped()
{
    AgendaRecord r = *agenda.GetRecord(kPoiSlot);
    r.nav.navFlags |= 0x10 | 0x80000000u;
    book.StoreRecord(kPoiSlot, r);
    EditRecordDlg dlg(book, kPoiSlot, prompter);
    dlg.show();
    Press(dlg, "btOK");
    QCOMPARE(agenda.GetRecord(kPoiSlot)->nav.navFlags, uint32_t(kNavGps | kNavPoi));
}

void TestEditRecordDlg::hiddenFieldsKept()
{
    LoadSample("/agenda/version81/Agenda.dat");
    int slot = -1;
    for (int i = 0; i < agenda.slotCount && slot < 0; ++i)
        if (agenda.GetRecord(i) && !agenda.GetRecord(i)->fld51.isEmpty() && i >= agenda.userCount)
            slot = i;
    QVERIFY(slot >= 0);
    AgendaRecord r = *agenda.GetRecord(slot);
    r.phoneWord = 0x1234;
    r.emailWord = 0x0042;
    book.StoreRecord(slot, r);
    const QString fld51 = r.fld51;

    EditRecordDlg dlg(book, slot, prompter);
    dlg.show();
    Type(Edit(dlg, "esNote"), QStringLiteral("edited"));
    Press(dlg, "btOK");
    const AgendaRecord after = *agenda.GetRecord(slot);
    QCOMPARE(after.note, QStringLiteral("edited"));
    QCOMPARE(after.fld51, fld51);
    QCOMPARE(after.phoneWord, uint16_t(0x1234));
    QCOMPARE(after.emailWord, uint16_t(0x0042));
}

void TestEditRecordDlg::unknownCodesKept()
{
    AgendaRecord r = *agenda.GetRecord(kPlainSlot);
    r.recType = 99;
    r.phoneType[3] = 42;
    r.emailType[0] = 3;
    r.nav.postalType = 7;
    book.StoreRecord(kPlainSlot, r);
    EditRecordDlg dlg(book, kPlainSlot, prompter);
    QCOMPARE(Find<QComboBox>(dlg, "dlRecType")->currentIndex(), -1);
    QCOMPARE(Find<QComboBox>(dlg, "dlP3Type")->currentIndex(), -1);
    dlg.show();
    Press(dlg, "btOK");
    const AgendaRecord after = *agenda.GetRecord(kPlainSlot);
    QCOMPARE(after.recType, 99u);
    QCOMPARE(after.phoneType[3], 42u);
    QCOMPARE(after.emailType[0], 3u);
    QCOMPARE(after.nav.postalType, 7u);
}

void TestEditRecordDlg::emptiedNumberStoresZero_data()
{
    QTest::addColumn<QString>("control");
    for (const char *name : {"eiCDquarter", "eiCDyear", "eiCDcid", "edLat", "edLon"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestEditRecordDlg::emptiedNumberStoresZero()
{
    QFETCH(QString, control);
    EditRecordDlg dlg(book, kPlainSlot, prompter);
    dlg.show();
    Type(Edit(dlg, qPrintable(control)), QString());
    Press(dlg, "btOK");
    QVERIFY(prompter.shown.isEmpty());
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    const NavData nav = agenda.GetRecord(kPlainSlot)->nav;
    const GpsCoord zero;
    if (control == QLatin1String("eiCDquarter"))
        QCOMPARE(nav.cdQuarter, 0u);
    else if (control == QLatin1String("eiCDyear"))
        QCOMPARE(nav.cdYear, 0u);
    else if (control == QLatin1String("eiCDcid"))
        QCOMPARE(nav.cdCid, 0u);
    else if (control == QLatin1String("edLat"))
        QCOMPARE(nav.lat, zero);
    else
        QCOMPARE(nav.lon, zero);
}

void TestEditRecordDlg::refusedFieldStoresNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString more = QStringLiteral("Please enter no more than %1 characters.");
    QTest::newRow("label 31") << "esLabel" << QString(31, 'L') << more.arg(30);
    QTest::newRow("label empty") << "esLabel" << QString() << "Null value not allowed.";
    QTest::newRow("note 201") << "esNote" << QString(201, 'n') << more.arg(200);
    QTest::newRow("house number 6") << "esNumb" << "12345b" << more.arg(5);
    QTest::newRow("country 45") << "country" << QString(45, 'c') << more.arg(44);
    QTest::newRow("phone 34") << "esP2Numb" << QString(34, '1') << more.arg(33);
    QTest::newRow("email 61") << "esE4Addr" << QString(61, 'e') << more.arg(60);
    QTest::newRow("latitude 91") << "edLat" << "91" << "Number must be between -90 and 90.";
    QTest::newRow("longitude -180.5") << "edLon" << "-180.5" << "Number must be between -180 and 180.";
    QTest::newRow("latitude sign only") << "edLat" << "-" << "Invalid number.";
    QTest::newRow("cd year 2^32") << "eiCDyear" << "4294967296" << "Number must be between 0 and 4294967295.";
}

void TestEditRecordDlg::refusedFieldStoresNothing()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const AgendaRecord before = *agenda.GetRecord(kVoiceSlot);
    int stored = 0;
    EditRecordDlg dlg(book, kVoiceSlot, prompter);
    dlg.WhenStored = [&](int) { ++stored; };
    dlg.WhenStep = [](bool, int &slot) { slot = kPlainSlot; };
    dlg.show();
    QLineEdit *edit = control == QLatin1String("country") ? Find<QComboBox>(dlg, "esCountry")->lineEdit()
                                                          : Edit(dlg, qPrintable(control));
    Type(edit, text);
    QCOMPARE(edit->text(), text);  // nothing is cut while typing
    Type(Edit(dlg, "esStreet"), QStringLiteral("Corso Como"));  // sets a change flag

    for (const char *button : {"btOK", "btNext", "btPrev"}) {
        prompter.ClearShown();
        Press(dlg, button);
        QCOMPARE(prompter.Messages(), QStringList{message});
        QCOMPARE(prompter.shown.first().kind, ScriptedPrompter::Shown::Kind::Information);
    }
    QVERIFY(dlg.isVisible());
    QCOMPARE(dlg.Slot(), kVoiceSlot);
    QCOMPARE(stored, 0);
    QVERIFY(!agenda.modified);
    QVERIFY(*agenda.GetRecord(kVoiceSlot) == before);
    QVERIFY(dlg.AddressChanged());  // a refused accept keeps the flags
}

void TestEditRecordDlg::hiddenCoordinatesOutsideTheGlobeDoNotBlock()
{
    // Without the GPS bit the coordinates are not used; odd values a file holds there are
    // kept and do not keep the record from being stored.
    AgendaRecord odd = agenda.slots[kPlainSlot];
    odd.nav.navFlags = 0;
    odd.nav.lat.deg = 95;
    odd.nav.lon.deg = 200;
    book.StoreRecord(kPlainSlot, odd);
    book.SetModified(false);
    const AgendaRecord before = agenda.slots[kPlainSlot];
    EditRecordDlg dlg(book, kPlainSlot, prompter);
    dlg.show();
    Press(dlg, "btOK");
    QCOMPARE(prompter.Messages(), QStringList());
    QVERIFY(*agenda.GetRecord(kPlainSlot) == before);
    // With the GPS bit set, the same values are refused.
    EditRecordDlg gps(book, kPlainSlot, prompter);
    gps.show();
    QTest::mouseClick(Find<QCheckBox>(gps, "oGPS"), Qt::LeftButton, {}, QPoint(5, 5));
    Press(gps, "btOK");
    QCOMPARE(prompter.Messages(), QStringList{QStringLiteral("Number must be between -90 and 90.")});
}

void TestEditRecordDlg::longLabelFromFileShownWholeAndRefused()
{
    const QString longLabel = QStringLiteral("FRATELLI ROSSI RICAMBI AUTO SRL ROMA");  // 36 units
    AgendaRecord overlong = agenda.slots[kPlainSlot];
    overlong.label = longLabel;
    book.StoreRecord(kPlainSlot, overlong);
    book.SetModified(false);
    const AgendaRecord before = agenda.slots[kPlainSlot];

    EditRecordDlg dlg(book, kPlainSlot, prompter);
    dlg.show();
    QCOMPARE(Edit(dlg, "esLabel")->text(), longLabel);
    Press(dlg, "btOK");
    QCOMPARE(prompter.Messages(), QStringList{QStringLiteral("Please enter no more than 30 characters.")});
    QVERIFY(*agenda.GetRecord(kPlainSlot) == before);
    Press(dlg, "btCancel");
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(*agenda.GetRecord(kPlainSlot) == before);
    QVERIFY(!agenda.modified);

    // Shortened to exactly 30 units it is accepted.
    EditRecordDlg again(book, kPlainSlot, prompter);
    again.show();
    prompter.ClearShown();
    Type(Edit(again, "esLabel"), longLabel.left(30));
    Press(again, "btOK");
    QVERIFY(prompter.shown.isEmpty());
    QCOMPARE(agenda.GetRecord(kPlainSlot)->label, longLabel.left(30));
}

void TestEditRecordDlg::cancelLeavesSlotUntouched()
{
    const AgendaRecord before = *agenda.GetRecord(kPostalSlot);
    int stored = 0;
    EditRecordDlg dlg(book, kPostalSlot, prompter);
    dlg.WhenStored = [&](int) { ++stored; };
    dlg.show();
    Type(Edit(dlg, "esLabel"), QStringLiteral("Somebody else"));
    Type(Edit(dlg, "esStreet"), QStringLiteral("Elsewhere"));
    QTest::mouseClick(Find<QCheckBox>(dlg, "oGPS"), Qt::LeftButton);
    Press(dlg, "btCancel");
    QCOMPARE(dlg.result(), int(QDialog::Rejected));
    QVERIFY(!dlg.isVisible());
    QVERIFY(prompter.shown.isEmpty());
    QCOMPARE(stored, 0);
    QVERIFY(!agenda.modified);
    QVERIFY(*agenda.GetRecord(kPostalSlot) == before);
}

void TestEditRecordDlg::programValuesAreNotEdits()
{
    // Loading, stepping and values set by the program (as the look-up dialogs do) never
    // count as edits: no question afterwards.
    EditRecordDlg dlg(book, kVoiceSlot, prompter);
    dlg.WhenStep = [](bool, int &slot) { slot = kPostalSlot; };
    dlg.show();
    QVERIFY(!dlg.AddressChanged() && !dlg.LabelChanged());
    Press(dlg, "btNext");
    QCOMPARE(dlg.Slot(), kPostalSlot);
    Edit(dlg, "esStreet")->setText(QStringLiteral("Via Nuova"));
    Find<QComboBox>(dlg, "esCountry")->setEditText(QStringLiteral("SPAIN"));
    Edit(dlg, "esLabel")->setText(QStringLiteral("Other label"));
    dlg.LoadRecord(*agenda.GetRecord(kVoiceSlot));
    QVERIFY(!dlg.AddressChanged() && !dlg.LabelChanged());
    Press(dlg, "btOK");
    QVERIFY(prompter.shown.isEmpty());

    // Picking a country from the list is a user edit.
    EditRecordDlg pick(book, kPostalSlot, prompter);
    pick.show();
    QComboBox *country = Find<QComboBox>(pick, "esCountry");
    country->setFocus();
    QTest::keyClick(country, Qt::Key_Down);
    QVERIFY(pick.AddressChanged());
}

void TestEditRecordDlg::readOnlyFieldsRefuseTyping()
{
    EditRecordDlg dlg(book, kPostalSlot, prompter);
    dlg.show();
    for (const char *name : {"eiRecN", "eiOwner", "eiReco", "eiSimpos", "esPosCode", "esPosRoad1", "esPosRoad2",
                             "eiPosNumb", "eiPoiCat0", "eiPoiFac1", "esPoiLabel", "eiACPtype", "esACPdate1"}) {
        QLineEdit *e = Edit(dlg, name);
        const QString before = e->text();
        QTest::keyClicks(e, QStringLiteral("12"));
        QCOMPARE(e->text(), before);
    }
    QCheckBox *postal = Find<QCheckBox>(dlg, "oPostal");
    QTest::mouseClick(postal, Qt::LeftButton);
    QVERIFY(postal->isChecked());
    QComboBox *type = Find<QComboBox>(dlg, "dlRecType");
    QTest::keyClick(type, Qt::Key_Down);
    QCOMPARE(type->currentText(), QStringLiteral("normal"));
}

void TestEditRecordDlg::tabChainSkipsReadOnlyFields()
{
    // Tab from the label round the whole dialog: every stop is an editable control, and
    // the read-only fields show the window's background.
    EditRecordDlg dlg(book, kPostalSlot, prompter);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    QWidget *start = Edit(dlg, "esLabel");
    start->setFocus();
    QStringList stops;
    for (int i = 0; i < 100; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *at = QApplication::focusWidget();
        if (at == start)
            break;
        stops.append(at->objectName());
        if (auto *e = qobject_cast<QLineEdit *>(at))
            QVERIFY2(!e->isReadOnly(), qPrintable(at->objectName()));
    }
    QVERIFY(stops.contains(QStringLiteral("esNote")));
    QVERIFY(stops.contains(QStringLiteral("eiCDcid")));
    for (const char *name : {"dlRecType", "dlPostal", "oPostal", "oPoi", "eiRecN", "eiOwner", "esPosCode", "esACPdate2"})
        QVERIFY2(!stops.contains(QLatin1String(name)), name);
    for (const char *name : {"eiRecN", "esPoiLabel", "esACPdate1"}) {
        const QPalette pal = Edit(dlg, name)->palette();
        QCOMPARE(pal.color(QPalette::Base), pal.color(QPalette::Window));
    }
    QVERIFY(Edit(dlg, "esNote")->palette().color(QPalette::Base) != Edit(dlg, "esNote")->palette().color(QPalette::Window));
}

void TestEditRecordDlg::wheelChangesOnlyFocusedDropList()
{
    EditRecordDlg dlg(book, kPostalSlot, prompter);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    Edit(dlg, "esLabel")->setFocus();
    QComboBox *type = Find<QComboBox>(dlg, "dlP2Type");
    // True when the drop list left the turn to the dialog, which then scrolls.
    auto wheelDown = [&] {
        const QPointF at(type->width() / 2, type->height() / 2);
        QWheelEvent wheel(at, type->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(type, &wheel);
        return !wheel.isAccepted();
    };
    const int index = type->currentIndex();
    QVERIFY(wheelDown());
    QCOMPARE(type->currentIndex(), index);
    QCOMPARE(QApplication::focusWidget(), Edit(dlg, "esLabel"));
    type->setFocus();
    QVERIFY(!wheelDown());
    QCOMPARE(type->currentIndex(), index + 1);
}

void TestEditRecordDlg::largeFontScrollsWithinScreen()
{
    // A layout larger than the screen: the dialog stays within the screen's free area and
    // its fields scroll, sideways too, rather than being squeezed until captions are cut.
    const QFont font = QApplication::font();
    QFont large = font;
    large.setPointSize(28);
    QApplication::setFont(large);
    EditRecordDlg dlg(book, kPostalSlot, prompter);
    QApplication::setFont(font);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    const QRect room = dlg.screen()->availableGeometry();
    QVERIFY(dlg.height() < room.height() && dlg.width() < room.width());
    QVERIFY(Find<QWidget>(dlg, "scrollContents")->height() > dlg.height());
    QVERIFY(Find<QScrollArea>(dlg, "scrollArea")->verticalScrollBar()->maximum() > 0);
    QVERIFY(Find<QScrollArea>(dlg, "scrollArea")->horizontalScrollBar()->maximum() > 0);
}

void TestEditRecordDlg::stepFollowsListOrder()
{
    // The list shows the slots in this order (a sorted list, say).
    const QList<int> order = {kPostalSlot, kVoiceSlot, kPlainSlot, 0};
    QList<int> stored;
    EditRecordDlg dlg(book, kVoiceSlot, prompter);
    dlg.WhenStored = [&](int s) { stored.append(s); };
    dlg.WhenStep = [&](bool next, int &slot) {
        const int row = int(order.indexOf(slot)) + (next ? 1 : -1);
        if (row >= 0 && row < order.size())
            slot = order[row];
    };
    dlg.show();
    Type(Edit(dlg, "esNote"), QStringLiteral("seen"));
    Press(dlg, "btNext");
    QCOMPARE(dlg.Slot(), kPlainSlot);
    QCOMPARE(Edit(dlg, "eiRecN")->text(), QString::number(kPlainSlot + 1));
    QCOMPARE(Edit(dlg, "esLabel")->text(), agenda.GetRecord(kPlainSlot)->label);
    QCOMPARE(Edit(dlg, "esNote")->text(), QString());
    QCOMPARE(agenda.GetRecord(kVoiceSlot)->note, QStringLiteral("seen"));

    Press(dlg, "btPrev");
    Press(dlg, "btPrev");
    QCOMPARE(dlg.Slot(), kPostalSlot);
    QCOMPARE(stored, (QList<int>{kVoiceSlot, kPlainSlot, kVoiceSlot}));
    QVERIFY(prompter.shown.isEmpty());
}

void TestEditRecordDlg::stepAtEndShowsSameRecord()
{
    const AgendaRecord before = *agenda.GetRecord(kPlainSlot);
    EditRecordDlg dlg(book, kPlainSlot, prompter);
    dlg.WhenStep = [](bool, int &) {};  // last row: nothing to move to
    dlg.show();
    Press(dlg, "btNext");
    QVERIFY(agenda.modified);
    QVERIFY(*agenda.GetRecord(kPlainSlot) == before);
    QCOMPARE(dlg.Slot(), kPlainSlot);
    QCOMPARE(Edit(dlg, "esLabel")->text(), before.label);
    QVERIFY(dlg.isVisible());
}

void TestEditRecordDlg::vcardTitlesAndErrors()
{
    AgendaRecord sim = agenda.slots[11];
    sim.label = QStringLiteral("Anna");
    sim.recType = 71;
    sim.simPos = 4;
    sim.owner = 1;
    book.StoreRecord(11, sim);
    book.SetModified(false);
    const AgendaRecord before = agenda.slots[11];
    EditRecordDlg dlg(book, 11, prompter);
    dlg.show();

    // Cancelled selectors change nothing.
    Press(dlg, "btExport");
    Press(dlg, "btImport");
    QCOMPARE(prompter.fileRequests.size(), 2);
    const Prompter::FileRequest exportRequest = prompter.fileRequests[0];
    QCOMPARE(exportRequest.title, QStringLiteral("Export to vCard : REC.12 - Anna.vcf"));
    QCOMPARE(exportRequest.mode, Prompter::FileRequest::Mode::Save);
    QCOMPARE(exportRequest.proposed, QStringLiteral("Anna.vcf"));
    QVERIFY(exportRequest.filter.contains(QLatin1String("vCard file (*.vcf)")));
    const Prompter::FileRequest importRequest = prompter.fileRequests[1];
    QCOMPARE(importRequest.title, QStringLiteral("Import from vCard : REC.12 - Anna"));
    QCOMPARE(importRequest.mode, Prompter::FileRequest::Mode::Open);
    QCOMPARE(importRequest.proposed, QStringLiteral("Anna.vcf"));
    QCOMPARE(prompter.Messages(), QStringList());
    // A label that cannot be a file name proposes one that can.
    Type(Edit(dlg, "esLabel"), QString());
    Press(dlg, "btExport");
    QCOMPARE(prompter.fileRequests.last().proposed, QStringLiteral("REC.12.vcf"));
    Type(Edit(dlg, "esLabel"), QStringLiteral("Anna"));

    // Files that cannot be read or written: the messages, with forward slashes; the
    // dialog and the phonebook stay as they were.
    prompter.ClearShown();
    // A folder that does not exist: the file can be neither read nor created.
    const QString missing = QStringLiteral("/no such folder/sub\\Anna & co.vcf");
    prompter.files = {{missing}, {missing}};
    Press(dlg, "btImport");
    Press(dlg, "btExport");
    QCOMPARE(prompter.Messages(),
             (QStringList{QStringLiteral("Error importing file : /no such folder/sub/Anna `& co.vcf"),
                          QStringLiteral("Error exporting file : /no such folder/sub/Anna `& co.vcf")}));
    QCOMPARE(Edit(dlg, "eiSimpos")->text(), QStringLiteral("4"));
    QVERIFY(!agenda.modified);
    QVERIFY(agenda.slots[11] == before);
}

void TestEditRecordDlg::importShowsOnlyTheCard()
{
    const AgendaRecord before = *agenda.GetRecord(kSimSlot);
    EditRecordDlg dlg(book, kSimSlot, prompter);
    dlg.show();
    prompter.files = {{QStringLiteral(KESTRAVON_TESTDATA "/vcards/John_Doe_GMAIL.vcf")}};
    Press(dlg, "btImport");
    QCOMPARE(prompter.Messages(), QStringList());
    // The card's name is longer than the unit takes: shown whole.
    QCOMPARE(Edit(dlg, "esLabel")->text(), QStringLiteral("Mr. John Richter, James Doe Sr."));
    QCOMPARE(Find<QComboBox>(dlg, "dlRecType")->currentText(), QStringLiteral("normal"));
    QCOMPARE(Edit(dlg, "eiSimpos")->text(), QStringLiteral("0"));
    QCOMPARE(Edit(dlg, "eiReco")->text(), QStringLiteral("65535"));
    QCOMPARE(Edit(dlg, "eiOwner")->text(), QString::number(before.owner));
    QCOMPARE(Edit(dlg, "eiRecN")->text(), QString::number(kSimSlot + 1));
    QCOMPARE(Edit(dlg, "esP0Numb")->text(), QStringLiteral("905-555-1234"));
    QCOMPARE(Edit(dlg, "esE0Addr")->text(), QStringLiteral("john.doe@ibm.com"));
    QVERIFY(!dlg.AddressChanged() && !dlg.LabelChanged());
    QVERIFY(!agenda.modified);

    // Not storable until the label is shortened; Cancel leaves the phonebook untouched.
    Press(dlg, "btOK");
    QCOMPARE(prompter.LastMessage(), QStringLiteral("Please enter no more than 30 characters."));
    Press(dlg, "btCancel");
    QVERIFY(*agenda.GetRecord(kSimSlot) == before);
    QVERIFY(!agenda.modified);
}

void TestEditRecordDlg::exportWritesTheDialog()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("card.vcf"));
    const AgendaRecord before = *agenda.GetRecord(kPlainSlot);
    EditRecordDlg dlg(book, kPlainSlot, prompter);
    dlg.show();
    Type(Edit(dlg, "esCity"), QStringLiteral("Frascati"));
    Type(Edit(dlg, "esLabel"), QString(40, 'x'));  // no checks run on export
    prompter.files = {{path}};
    Press(dlg, "btExport");
    QCOMPARE(prompter.Messages(), QStringList());
    QVERIFY(*agenda.GetRecord(kPlainSlot) == before);
    QVERIFY(!agenda.modified);

    AgendaRecord back;
    QVERIFY(ImportVCard(back, path, prompter));
    QCOMPARE(back.label, QString(40, 'x'));
    QCOMPARE(back.city, QStringLiteral("FRASCATI"));
    QCOMPARE(back.phone[0], before.phone[0]);
}

// At its default size every control is inside its box, visible and clear of the others.
void TestEditRecordDlg::layoutAtDefaultSize()
{
    EditRecordDlg dlg(book, kPoiSlot, prompter);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QVERIFY(dlg.width() <= 760 && dlg.height() <= 700);

    QList<QWidget *> controls;
    for (QWidget *w : dlg.findChildren<QWidget *>()) {
        const bool control = qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)
                             || qobject_cast<QCheckBox *>(w) || qobject_cast<QPushButton *>(w)
                             || qobject_cast<QLabel *>(w);
        if (!control || qobject_cast<QComboBox *>(w->parentWidget()))
            continue;  // the line edit inside the country box belongs to it
        QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
        // Captions fit whole; every control has at least its minimum height.
        QString caption;
        if (auto *l = qobject_cast<QLabel *>(w))
            caption = l->text();
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            caption = b->text();
        const int captionRoom = qobject_cast<QCheckBox *>(w) ? w->width() - 20
                                : qobject_cast<QPushButton *>(w) ? w->width() - 4
                                                                 : w->width();
        QVERIFY2(w->fontMetrics().horizontalAdvance(caption) <= captionRoom, qPrintable(w->objectName()));
        QVERIFY2(w->height() >= w->minimumSizeHint().height(), qPrintable(w->objectName()));
        // Every entry of a drop list fits beside its arrow.
        if (auto *box = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < box->count(); ++i)
                QVERIFY2(w->fontMetrics().horizontalAdvance(box->itemText(i)) <= w->width() - 28,
                         qPrintable(w->objectName() + QLatin1Char(' ') + box->itemText(i)));
        const QRect r(w->mapTo(&dlg, QPoint(0, 0)), w->size());
        QVERIFY2(dlg.rect().contains(r), qPrintable(w->objectName()));
        controls.append(w);
    }
    for (int i = 0; i < controls.size(); ++i)
        for (int j = i + 1; j < controls.size(); ++j) {
            const QRect a(controls[i]->mapTo(&dlg, QPoint(0, 0)), controls[i]->size());
            const QRect b(controls[j]->mapTo(&dlg, QPoint(0, 0)), controls[j]->size());
            QVERIFY2(!a.intersects(b),
                     qPrintable(controls[i]->objectName() + QLatin1String(" / ") + controls[j]->objectName()));
        }

    // The phone rows sit inside "Phone", the postal fields inside "Navigation".
    auto inside = [&](const char *control, const char *box) {
        QWidget *c = Find<QWidget>(dlg, control);
        QGroupBox *g = Find<QGroupBox>(dlg, box);
        return g->isAncestorOf(c);
    };
    QVERIFY(inside("esP4Numb", "boxPhone"));
    QVERIFY(inside("esE0Addr", "boxEmail"));
    QVERIFY(inside("esPosRoad2", "boxNavigation"));
    QVERIFY(inside("eiCDcid", "boxNavigation"));
    QVERIFY(inside("esACPdate2", "boxACP"));

    // The boxes that grow: wider window, wider General box; taller window, taller Phone box.
    const int generalWidth = Find<QGroupBox>(dlg, "boxGeneral")->width();
    const int phoneHeight = Find<QGroupBox>(dlg, "boxPhone")->height();
    const int navHeight = Find<QGroupBox>(dlg, "boxNavigation")->height();
    const QByteArray shot = qgetenv("KESTRAVON_EDITOR_SHOT");
    if (!shot.isEmpty())
        dlg.grab().save(QString::fromLocal8Bit(shot));
    const int phoneWidth = Edit(dlg, "esP0Numb")->width();
    const int emailWidth = Edit(dlg, "esE4Addr")->width();
    dlg.resize(dlg.width() + 100, dlg.height() + 80);
    QTRY_COMPARE(Find<QGroupBox>(dlg, "boxGeneral")->width(), generalWidth + 100);
    // The phone numbers and e-mail addresses share the new width.
    QCOMPARE(Edit(dlg, "esP0Numb")->width() + Edit(dlg, "esE4Addr")->width(), phoneWidth + emailWidth + 100);
    QVERIFY(Edit(dlg, "esP0Numb")->width() >= phoneWidth + 40);
    QCOMPARE(Find<QGroupBox>(dlg, "boxPhone")->height(), phoneHeight + 80);
    QCOMPARE(Find<QGroupBox>(dlg, "boxNavigation")->height(), navHeight);
}

// The phone fields say what is odd about a number and offer its international form; the
// number is stored as typed unless the user takes that form.
void TestEditRecordDlg::phoneNumbersCheckedAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("note");    // the warning's tip; empty: no warning
    QTest::addColumn<QString>("written"); // the international form offered; empty: none
    QTest::addColumn<bool>("take");       // the user takes the offered form
    QTest::newRow("valid, national") << "089 7654321" << "" << "+49 89 7654321" << false;
    QTest::newRow("valid, form taken") << "0049 89/7654321" << "" << "+49 89 7654321" << true;
    QTest::newRow("already international") << "+49 89 7654321" << "" << "" << false;
    QTest::newRow("not valid") << "0171 12" << "\"0171 12\" is not a valid number for DE: kept as typed" << ""
                               << false;
    QTest::newRow("service code") << "*31#089 7654321"
                                  << "\"*31#089 7654321\" holds pause or tone characters: kept as typed" << "" << false;
    QTest::newRow("another contact's number") << "(089) 123-4567" << "same number as record 5" << "+49 89 1234567"
                                              << false;
    // A user's own number is not dialled by the unit (record 1 is user 1).
    QTest::newRow("user's own number") << "0171 12" << "" << "" << false;
}

void TestEditRecordDlg::phoneNumbersCheckedAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(QString, note);
    QFETCH(QString, written);
    QFETCH(bool, take);
    Agenda phonebook;
    AgendaRecord r;
    r.recType = 1;
    r.owner = 1;
    r.label = QStringLiteral("Huber");
    r.phone[0] = QStringLiteral("+49 89 1234567");
    phonebook.InsertRecord(r);  // record 5
    r.label = QStringLiteral("Rossi");
    r.phone[0].clear();
    phonebook.InsertRecord(r);  // record 6
    r.owner = 2;
    r.label = QStringLiteral("Huber of user 2");
    r.phone[0] = QStringLiteral("089 7654321");
    phonebook.InsertRecord(r);  // record 7: another user's contact is no duplicate
    book.Replace(phonebook);
    const int slot = QByteArray(QTest::currentDataTag()).startsWith("user") ? 0 : 5;
    EditRecordDlg dlg(book, slot, prompter);
    dlg.SetPhoneRegion(QStringLiteral("DE"));
    dlg.show();
    QAction *warning = Find<QAction>(dlg, "phoneNote2");
    QAction *format = Find<QAction>(dlg, "phoneFormat2");
    QVERIFY(!warning->isVisible() && !format->isVisible());
    Type(Edit(dlg, "esP2Numb"), typed);
    QCOMPARE(warning->isVisible() ? warning->toolTip() : QString(), note);
    QCOMPARE(format->isVisible() ? format->toolTip() : QString(),
             written.isEmpty() ? QString() : QStringLiteral("Write as ") + written);
    if (take) {
        format->trigger();
        QCOMPARE(Edit(dlg, "esP2Numb")->text(), written);
        QVERIFY(!format->isVisible());
    }
    Press(dlg, "btOK");
    QCOMPARE(agenda.GetRecord(slot)->phone[2], take ? written : typed);
}

QTEST_MAIN(TestEditRecordDlg)
#include "test_editrecorddlg.moc"
