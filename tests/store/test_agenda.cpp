#include "support/scriptedprompter.h"
#include "store/agenda.h"

#include <QtTest>

#include <memory>

// The record model: default state, slot operations, user names, GPS conversions.
class TestAgenda : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void defaultState();
    void getRecordBounds_data();
    void getRecordBounds();
    void storeRecordAdjustsTypeAndOwner_data();
    void storeRecordAdjustsTypeAndOwner();
    void storeOutOfRangeChangesNothing();
    void insertTakesLowestFreeContactSlot();
    void insertIntoFullPhonebook();
    void deleteRecord_data();
    void deleteRecord();
    void hasAddress();

    void fromDegrees_data();
    void fromDegrees();
    void toDegreesRoundTrip();
    void readCoordinate_data();
    void readCoordinate();
    void setGpsText_data();
    void setGpsText();
    void setGpsTextEmptyClears();
    void gpsTextFormat_data();
    void gpsTextFormat();
    void gpsTextReadsBack();
};

void TestAgenda::defaultState()
{
    // A new phonebook is the one the unit starts with: four users and nothing else, and it
    // keeps that shape through a save and a load.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Agenda.dat"));
    ScriptedPrompter p;
    QVERIFY(std::make_unique<Agenda>()->Save(path, p));
    auto a = std::make_unique<Agenda>();
    a->userCount = 1;
    QVERIFY(a->Load(path, p));
    QCOMPARE(a->usedCount, 4);
    QCOMPARE(a->slotCount, 403);
    QCOMPARE(a->userCount, 4);
    QVERIFY(!a->modified);
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(a->UserName(n - 1), QStringLiteral("User:%1").arg(n));
        QCOMPARE(a->RecordAt(n - 1)->phone[0], QString(4, QChar(u'0' + n)));
    }
    QCOMPARE(a->UserName(4), QString());
    QCOMPARE(a->UserName(-1), QString());
    QCOMPARE(a->RecordAt(4), nullptr);
    QVERIFY(p.Messages().isEmpty());
}

void TestAgenda::getRecordBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("found");
    QTest::newRow("first user") << 0 << true;
    QTest::newRow("last user") << 3 << true;
    QTest::newRow("free contact slot") << 4 << false;
    QTest::newRow("negative") << -1 << false;
    QTest::newRow("past slotCount") << 403 << false;
}

void TestAgenda::getRecordBounds()
{
    QFETCH(int, index);
    QFETCH(bool, found);
    auto a = std::make_unique<Agenda>();
    QCOMPARE(a->GetRecord(index).has_value(), found);
    QCOMPARE(a->RecordAt(index) != nullptr, found);
}

void TestAgenda::storeRecordAdjustsTypeAndOwner_data()
{
    QTest::addColumn<int>("userCount");
    QTest::addColumn<int>("index");
    QTest::addColumn<uint>("recType");
    QTest::addColumn<uint>("owner");
    QTest::addColumn<uint>("storedType");
    QTest::addColumn<uint>("storedOwner");
    QTest::newRow("user slot takes its own owner") << 4 << 2 << 1u << 4u << 1u << 3u;
    QTest::newRow("contact slot keeps owner") << 2 << 2 << 1u << 4u << 1u << 4u;
    QTest::newRow("type 0 becomes 1") << 4 << 10 << 0u << 2u << 1u << 2u;
    QTest::newRow("other types kept") << 4 << 10 << 227u << 1u << 227u << 1u;
}

void TestAgenda::storeRecordAdjustsTypeAndOwner()
{
    QFETCH(int, userCount);
    QFETCH(int, index);
    QFETCH(uint, recType);
    QFETCH(uint, owner);
    QFETCH(uint, storedType);
    QFETCH(uint, storedOwner);
    auto a = std::make_unique<Agenda>();
    a->userCount = userCount;
    const int usedBefore = a->usedCount;
    const bool wasFree = a->slots[size_t(index)].recType == 0;
    AgendaRecord r;
    r.recType = recType;
    r.owner = owner;
    r.label = QStringLiteral("X");
    QVERIFY(a->StoreRecord(index, r));
    QCOMPARE(r.recType, storedType);  // the caller's record shows the adjustment too
    QCOMPARE(r.owner, storedOwner);
    QCOMPARE(a->slots[size_t(index)].recType, storedType);
    QCOMPARE(a->slots[size_t(index)].owner, storedOwner);
    QCOMPARE(a->slots[size_t(index)].label, QStringLiteral("X"));
    QCOMPARE(a->usedCount, usedBefore + (wasFree ? 1 : 0));
    QVERIFY(a->modified);
}

void TestAgenda::storeOutOfRangeChangesNothing()
{
    auto a = std::make_unique<Agenda>();
    a->slotCount = 401;
    AgendaRecord r;
    QVERIFY(!a->StoreRecord(-1, r));
    QVERIFY(!a->StoreRecord(401, r));
    QCOMPARE(a->usedCount, 4);
    QVERIFY(!a->modified);
}

void TestAgenda::insertTakesLowestFreeContactSlot()
{
    auto a = std::make_unique<Agenda>();
    AgendaRecord r;
    r.owner = 2;
    QCOMPARE(a->InsertRecord(r), 4);
    QCOMPARE(a->InsertRecord(r), 5);
    QVERIFY(a->DeleteRecord(4));
    QCOMPARE(a->InsertRecord(r), 4);
    QCOMPARE(a->usedCount, 6);
    // With two users, slots 2 and 3 are contact slots.
    auto b = std::make_unique<Agenda>();
    b->userCount = 2;
    b->slots[2].recType = 0;
    b->usedCount = 3;
    QCOMPARE(b->InsertRecord(r), 2);
}

void TestAgenda::insertIntoFullPhonebook()
{
    auto a = std::make_unique<Agenda>();
    AgendaRecord r;
    for (int i = 4; i < a->slotCount; ++i)
        QCOMPARE(a->InsertRecord(r), i);
    QCOMPARE(a->usedCount, a->slotCount);
    a->modified = false;
    QCOMPARE(a->InsertRecord(r), 0);
    QCOMPARE(a->usedCount, a->slotCount);
    QVERIFY(!a->modified);
}

void TestAgenda::deleteRecord_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("used");
    QTest::addColumn<bool>("result");
    QTest::newRow("user slot 0") << 0 << true << false;
    QTest::newRow("user slot 3") << 3 << true << false;
    QTest::newRow("used contact") << 7 << true << true;
    QTest::newRow("free contact") << 8 << false << true;
    QTest::newRow("past slotCount") << 403 << false << false;
}

void TestAgenda::deleteRecord()
{
    QFETCH(int, index);
    QFETCH(bool, used);
    QFETCH(bool, result);
    auto a = std::make_unique<Agenda>();
    if (used && index >= 4) {
        AgendaRecord r;
        r.label = QStringLiteral("kept");
        a->StoreRecord(index, r);
    }
    a->modified = false;
    const int before = a->usedCount;
    QCOMPARE(a->DeleteRecord(index), result);
    QCOMPARE(a->modified, result);
    QCOMPARE(a->usedCount, before - (result && used ? 1 : 0));
    if (result) {
        QCOMPARE(a->slots[size_t(index)].recType, 0u);
        if (used)
            QCOMPARE(a->slots[size_t(index)].label, QStringLiteral("kept"));  // only the type changes
    }
}

void TestAgenda::hasAddress()
{
    AgendaRecord r;
    QVERIFY(!r.HasAddress());
    r.note = QStringLiteral("note");
    QVERIFY(!r.HasAddress());
    for (QString AgendaRecord::*f : {&AgendaRecord::street, &AgendaRecord::numb, &AgendaRecord::zip,
                                     &AgendaRecord::city, &AgendaRecord::country}) {
        AgendaRecord a;
        a.*f = QStringLiteral("x");
        QVERIFY(a.HasAddress());
    }
}

void TestAgenda::fromDegrees_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("deg");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("sec");
    QTest::addColumn<int>("hund");
    QTest::addColumn<int>("negative");
    QTest::newRow("45.5") << 45.5 << 45 << 30 << 0 << 0 << 0;
    QTest::newRow("tiny negative") << -0.000001 << 0 << 0 << 0 << 0 << 1;
    QTest::newRow("hundredths round to 100") << 0.01666556 << 0 << 0 << 59 << 100 << 0;
    QTest::newRow("negative zero") << -0.0 << 0 << 0 << 0 << 0 << 0;
    QTest::newRow("west") << -9.25 << 9 << 15 << 0 << 0 << 1;
    QTest::newRow("hundredth of a second") << 12.0 + 29.0 / 60 + 47.04 / 3600 << 12 << 29 << 47 << 4 << 0;
    QTest::newRow("not a number") << std::nan("") << 0 << 0 << 0 << 0 << 0;
}

void TestAgenda::fromDegrees()
{
    QFETCH(double, value);
    GpsCoord c;
    c.FromDegrees(value);
    QTEST(int(c.deg), "deg");
    QTEST(int(c.min), "min");
    QTEST(int(c.sec), "sec");
    QTEST(int(c.hund), "hund");
    QTEST(int(c.negative), "negative");
}

void TestAgenda::toDegreesRoundTrip()
{
    GpsCoord c;
    c.deg = 41;
    c.min = 54;
    c.sec = 10;
    c.hund = 8;
    c.negative = 1;
    const double v = c.ToDegrees();
    QVERIFY(qAbs(v - -(41 + 54 / 60.0 + 10 / 3600.0 + 8 / 360000.0)) < 1e-12);
    GpsCoord d;
    d.FromDegrees(v);
    QCOMPARE(d, c);
}

void TestAgenda::readCoordinate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("degrees");
    QTest::newRow("N") << "N45.5" << 45.5;
    QTest::newRow("n") << "n45.5" << 45.5;
    QTest::newRow("S") << "S45.5" << -45.5;
    QTest::newRow("W is positive") << "W9.25" << 9.25;
    QTest::newRow("E is negative") << "e9.25" << -9.25;
    QTest::newRow("plain signed") << "-3.5" << -3.5;
    QTest::newRow("stops at comma") << "12.5,99" << 12.5;
    QTest::newRow("leading blanks") << "  7.25" << 7.25;
    QTest::newRow("garbage") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("trailing garbage") << "8.5xyz" << 8.5;
    QTest::newRow("comma is not a decimal point") << "8,5" << 8.0;
    QTest::newRow("exponent") << "N4.5e1" << 45.0;
    QTest::newRow("too small for a double is 0") << "S1e-400" << 0.0;
}

void TestAgenda::readCoordinate()
{
    QFETCH(QString, text);
    QFETCH(double, degrees);
    GpsCoord c;
    c.ReadCoordinate(text);
    QVERIFY2(qAbs(c.ToDegrees() - degrees) < 1e-6, qPrintable(QString::number(c.ToDegrees())));
}

void TestAgenda::setGpsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("storedLon");
    QTest::newRow("signed pair, minus longitude is west") << "-45.5,-9.25" << -45.5 << 9.25;
    QTest::newRow("plain pair, plus longitude is east") << "45.5,9.25" << 45.5 << -9.25;
    QTest::newRow("longitude first") << "E9.25,N45.5" << 45.5 << -9.25;
    QTest::newRow("longitude first, west, bare latitude") << "W1.5,-51.25" << -51.25 << 1.5;
    QTest::newRow("blanks") << " 45.5 , 9.25 " << 45.5 << -9.25;
    QTest::newRow("letters") << "N45.5,E9.25" << 45.5 << -9.25;
    QTest::newRow("plus longitude means west") << "45.5,+9.25" << 45.5 << 9.25;
    // Without a comma the longitude reads the text as the latitude step rewrote it.
    QTest::newRow("no comma: N8 is 8 west") << "8" << 8.0 << 8.0;
    QTest::newRow("no comma, minus: S8 is 8 east") << "-8" << -8.0 << -8.0;
    QTest::newRow("no comma, letter") << "N45.5" << 45.5 << 45.5;
}

void TestAgenda::setGpsText()
{
    QFETCH(QString, text);
    QFETCH(double, lat);
    QFETCH(double, storedLon);
    NavData n;
    n.navFlags = kNavPostal;
    n.SetGpsText(text);
    QCOMPARE(n.navFlags, uint32_t(kNavPostal | kNavGps));
    QVERIFY2(qAbs(n.lat.ToDegrees() - lat) < 1e-6, qPrintable(QString::number(n.lat.ToDegrees())));
    QVERIFY2(qAbs(n.lon.ToDegrees() - storedLon) < 1e-6, qPrintable(QString::number(n.lon.ToDegrees())));
}

void TestAgenda::setGpsTextEmptyClears()
{
    NavData n;
    n.navFlags = kNavGps | kNavPoi;
    n.lat.FromDegrees(-12);
    n.lon.FromDegrees(3);
    n.SetGpsText(QStringLiteral("   "));
    QCOMPARE(n.navFlags, uint32_t(kNavPoi));
    QCOMPARE(n.lat, GpsCoord());
    QCOMPARE(n.lon, GpsCoord());
}

void TestAgenda::gpsTextFormat_data()
{
    QTest::addColumn<uint>("flags");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("storedLon");
    QTest::addColumn<QString>("text");
    QTest::newRow("north east") << uint(kNavGps) << 45.5 << -9.25 << "N45.500000,E9.250000";
    QTest::newRow("south west") << uint(kNavGps | kNavPoi) << -33.25 << 70.5 << "S33.250000,W70.500000";
    QTest::newRow("GPS bit clear") << uint(kNavPostal | kNavPoi) << 45.5 << -9.25 << "";
}

void TestAgenda::gpsTextFormat()
{
    QFETCH(uint, flags);
    QFETCH(double, lat);
    QFETCH(double, storedLon);
    NavData n;
    n.navFlags = flags;
    n.lat.FromDegrees(lat);
    n.lon.FromDegrees(storedLon);
    QTEST(n.GpsText(), "text");
}

void TestAgenda::gpsTextReadsBack()
{
    // Whatever GpsText writes reads back to the same coordinate, to a hundredth of a second.
    QRandomGenerator rng(7);
    for (int i = 0; i < 500; ++i) {
        NavData n;
        n.navFlags = kNavGps;
        n.lat.FromDegrees(rng.bounded(180.0) - 90.0);
        n.lon.FromDegrees(rng.bounded(360.0) - 180.0);
        NavData m;
        m.SetGpsText(n.GpsText());
        QVERIFY(qAbs(m.lat.ToDegrees() - n.lat.ToDegrees()) < 1.0 / 360000);
        QVERIFY(qAbs(m.lon.ToDegrees() - n.lon.ToDegrees()) < 1.0 / 360000);
        QCOMPARE(m.lat.negative, n.lat.negative);
        QCOMPARE(m.lon.negative, n.lon.negative);
    }
}

QTEST_GUILESS_MAIN(TestAgenda)
#include "test_agenda.moc"
