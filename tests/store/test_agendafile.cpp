#include "common/safefile.h"
#include "support/scriptedprompter.h"
#include "common/textcodec.h"
#include "store/agenda.h"
#include "store/agendafile.h"
#include "store/sidecar.h"

#include "support/testfiles.h"

#include <QtTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Header(uint32_t version, uint32_t size)
{
    SlotWriter w;
    w.WriteBytes("BCM_AGENDA\0\0", 12);
    w.WriteU32(version);
    w.WriteU32(size);
    return w.bytes;
}

// A phonebook file of the given records, `total` slots in all (the rest free).
QByteArray MakeFile(const QList<AgendaRecord> &records, int total, uint32_t version = 80)
{
    SlotWriter w;
    for (int i = 0; i < total; ++i)
        WriteSlot(i < records.size() ? records.at(i) : AgendaRecord(), w, version);
    return Header(version, uint32_t(w.bytes.size() + kAgendaHeaderSize)) + w.bytes;
}

AgendaRecord Record(uint32_t owner, const QString &label)
{
    AgendaRecord r;
    r.recType = 1;
    r.owner = owner;
    r.label = label;
    return r;
}

// The file system and file number of the file at `path` (a symbolic link followed).
std::pair<dev_t, ino_t> FileId(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {0, 0};
    return {st.st_dev, st.st_ino};
}

QString Sample(const QString &name)
{
    return QStringLiteral(KESTRAVON_TESTDATA "/agenda/") + name;
}

} // namespace

// Reading and writing Agenda.dat: byte-exact round trips, the compressed form with its
// sidecar and backup, and every kind of bad input.
class TestAgendaFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void emptySlotIs144Bytes();
    void textItems_data();
    void textItems();
    void textLengthWrapsLikeTheLengthWord();
    void sampleRoundTripIsByteExact();
    void sampleContents();
    void roundTripSlotCounts_data();
    void roundTripSlotCounts();
    void anyTextBytesSurvive();
    void version81WrittenAs80();
    void formatVersions_data();
    void formatVersions();
    void allFreeSlots();
    void userCounting_data();
    void userCounting();
    void truncatedFiles_data();
    void truncatedFiles();
    void failedLoadKeepsPhonebook_data();
    void failedLoadKeepsPhonebook();
    void refusedFiles_data();
    void refusedFiles();
    void loadLeavesNothingOfTheLastFile_data();
    void loadLeavesNothingOfTheLastFile();
    void lengthQuestion();
    void saveKeepsBackupAndWritesSidecar();
    void backupOfThePreviousFile_data();
    void backupOfThePreviousFile();
    void backupPath_data();
    void backupPath();
    void compressedRoundTrip();
    void compressedSampleSavesIdentically();
    void plainSaveOverCompressedSidecar();
    void unwritableTarget();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();
    void readSlotKeepsFieldsTheBytesDoNotCarry();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString Path(const QString &name) const { return dir_->filePath(name); }
};

void TestAgendaFile::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestAgendaFile::emptySlotIs144Bytes()
{
    SlotWriter w;
    QVERIFY(WriteSlot(Record(1, QString()), w, 80));
    QCOMPARE(w.bytes.size(), 144);
    SlotWriter w81;
    QVERIFY(WriteSlot(Record(1, QString()), w81, 81));
    QCOMPARE(w81.bytes.size(), 148);
    SlotWriter free;
    QVERIFY(WriteSlot(AgendaRecord(), free, 80));
    QCOMPARE(free.bytes, QByteArray(4, '\0'));
}

void TestAgendaFile::textItems_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QString() << QByteArray("\0\0\0\0", 4);
    QTest::newRow("AB") << "AB" << QByteArray("\0\x02" "AB\0\0", 6);
    QTest::newRow("e grave") << QStringLiteral("\u00E8") << QByteArray("\0\x02\xC3\xA8\0\0", 6);
    QTest::newRow("held byte E8") << QString(QChar(char16_t(0xEEE8))) << QByteArray("\0\x01\xE8\0\0", 5);
}

void TestAgendaFile::textItems()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    SlotWriter w;
    QVERIFY(WriteText(w, text));
    QCOMPARE(w.bytes, bytes);
    SlotReader r(bytes);
    ScriptedPrompter p;
    QString read;
    QVERIFY(ReadText(r, 30, read, p));
    QCOMPARE(read, text);
    QVERIFY(p.shown.isEmpty());
}

void TestAgendaFile::textLengthWrapsLikeTheLengthWord()
{
    // The length word holds 16 bits: a longer text is written with its length modulo
    // 65536 and only that many bytes, so the file stays readable.
    SlotWriter w;
    WriteText(w, QString(65538, QLatin1Char('x')));
    QCOMPARE(w.bytes, QByteArray("\0\x02xx\0\0", 6));
}

void TestAgendaFile::sampleRoundTripIsByteExact()
{
    const QByteArray original = ReadAll(Sample(QStringLiteral("Agenda.dat")));
    QVERIFY(!original.isEmpty());
    const QString path = Path(QStringLiteral("Agenda.dat"));
    QVERIFY(WriteAll(path, original));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Load(path, p));
    QVERIFY(!a->compressed);
    QVERIFY(a->Save(path, p));
    QCOMPARE(ReadAll(path), original);
    QVERIFY(p.shown.isEmpty());
}

void TestAgendaFile::sampleContents()
{
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Load(Sample(QStringLiteral("Agenda.dat")), p));
    QCOMPARE(a->slotCount, 403);
    QCOMPARE(a->userCount, 2);
    QCOMPARE(a->usedCount, 45);
    QVERIFY(!a->modified);
    QCOMPARE(a->UserName(0), QStringLiteral("MARCO:1"));
    QCOMPARE(a->UserName(1), QStringLiteral("GIULIA:2"));
    bool foundHeld = false, foundPostal = false;
    for (int i = 0; i < a->slotCount; ++i) {
        const AgendaRecord *r = a->RecordAt(i);
        if (!r)
            continue;
        if (r->label == QStringLiteral("CAFF") + QChar(char16_t(0xEEE8)) + QStringLiteral(" CENTRALE"))
            foundHeld = true;
        if (r->nav.navFlags & kNavPostal) {
            const std::array<uint8_t, 7> code = {1, 2, 3, 4, 5, 6, 0xAB};
            QCOMPARE(r->nav.posCode, code);
            foundPostal = true;
        }
    }
    QVERIFY(foundHeld);
    QVERIFY(foundPostal);
}

void TestAgendaFile::roundTripSlotCounts_data()
{
    QTest::addColumn<int>("slots");
    QTest::newRow("401") << 401;
    QTest::newRow("402") << 402;
    QTest::newRow("403") << 403;
}

void TestAgendaFile::roundTripSlotCounts()
{
    QFETCH(int, slots);
    AgendaRecord contact = Record(1, QStringLiteral("M\u00DCLLER"));
    contact.nav.navFlags = kNavGps | kNavPostal | kNavPoi | 0x40;
    contact.nav.lat.FromDegrees(48.1);
    contact.nav.lon.FromDegrees(-11.5);
    contact.nav.posRoad2.fill(0x5A);
    contact.nav.poiCat = 0x0102;
    contact.nav.poiLabel = QStringLiteral("POI");
    contact.nav.cdYear = 2012;
    contact.phone[4] = QStringLiteral("+49 89");
    contact.emailType[3] = 7;
    contact.acpDate2 = {12, 5, 6, 7, 8, 9};
    contact.phoneWord = 0x1234;
    contact.emailWord = 0;
    const QByteArray file = MakeFile({Record(1, QStringLiteral("U")), AgendaRecord(), contact}, slots);
    const QString path = Path(QStringLiteral("a.dat"));
    QVERIFY(WriteAll(path, file));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Load(path, p));
    QCOMPARE(a->slotCount, slots);
    QCOMPARE(a->usedCount, 2);
    QCOMPARE(*a->RecordAt(2), contact);
    QVERIFY(a->Save(path, p));
    QCOMPARE(ReadAll(path), file);
}

void TestAgendaFile::anyTextBytesSurvive()
{
    // Including the three-byte sequences that would decode into the held-byte range.
    const QList<QByteArray> texts = {QByteArray("\xEE\xB8\x80"), QByteArray("\xEE\xBB\xBF"), QByteArray("\xE8"),
                                     QByteArray("\xF0\x9F\x98\x80 ok"), QByteArray("\xC3\xA8\xFF\xFE")};
    // Each text is put into the label of slot 0 by hand: the record model cannot express
    // these bytes directly.
    for (const QByteArray &t : texts) {
        AgendaRecord r = Record(1, QString());
        SlotWriter one;
        one.WriteU32(1);
        one.WriteU32(1);
        one.WriteU16(uint16_t(t.size()));
        one.WriteBytes(t.constData(), int(t.size()));
        one.WriteU16(0);
        SlotWriter rem;
        WriteSlot(r, rem, 80);
        const QByteArray slotBytes = one.bytes + rem.bytes.mid(4 + 4 + 4);  // after type, owner, empty label
        QByteArray file = Header(80, 0) + slotBytes;
        SlotWriter freeSlots;
        for (int i = 1; i < 401; ++i)
            freeSlots.WriteU32(0);
        file += freeSlots.bytes;
        SlotWriter size;
        size.WriteU32(uint32_t(file.size()));
        file.replace(16, 4, size.bytes);
        const QString path = Path(QStringLiteral("held.dat"));
        QVERIFY(WriteAll(path, file));
        ScriptedPrompter p;
        auto a = std::make_unique<Agenda>();
        QVERIFY(a->Load(path, p));
        QVERIFY(a->Save(path, p));
        QCOMPARE(ReadAll(path).toHex(), file.toHex());
    }
}

void TestAgendaFile::version81WrittenAs80()
{
    const QString path = Path(QStringLiteral("Agenda.dat"));
    QVERIFY(QFile::copy(Sample(QStringLiteral("version81/Agenda.dat")), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Load(path, p));
    int withFld51 = 0;
    for (int i = 0; i < a->slotCount; ++i)
        if (const AgendaRecord *r = a->RecordAt(i); r && r->fld51.startsWith(QStringLiteral("third text")))
            ++withFld51;
    QVERIFY(withFld51 > 0);
    QVERIFY(a->Save(path, p));
    const QByteArray saved = ReadAll(path);
    QCOMPARE(saved.mid(12, 4), QByteArray("\0\0\0\x50", 4));
    QVERIFY(!saved.contains("third text"));
    // Apart from the version and the dropped texts, the file is the plain sample.
    QCOMPARE(saved, ReadAll(Sample(QStringLiteral("Agenda.dat"))));
}

void TestAgendaFile::formatVersions_data()
{
    QTest::addColumn<uint32_t>("version");
    QTest::addColumn<int>("policy");
    QTest::addColumn<int>("answer");  // queued answer, -1 = none
    QTest::addColumn<bool>("loads");
    QTest::addColumn<bool>("asked");
    const int ask = int(Agenda::UnknownVersion::Ask), refuse = int(Agenda::UnknownVersion::Refuse),
              accept = int(Agenda::UnknownVersion::Accept), yes = int(Prompter::Answer::Yes), none = -1;
    QTest::newRow("80") << 80u << refuse << none << true << false;
    QTest::newRow("81") << 81u << refuse << none << true << false;
    QTest::newRow("82 asked, yes") << 82u << ask << yes << true << true;
    QTest::newRow("82 asked, no") << 82u << ask << none << false << true;
    QTest::newRow("82 refused") << 82u << refuse << none << false << false;
    QTest::newRow("82 accepted") << 82u << accept << none << true << false;
    QTest::newRow("0 refused") << 0u << refuse << none << false << false;
}

// A version this program does not know is never read silently: the window asks (No by
// default), the command-line tool refuses unless told; what is opened is saved as 80.
void TestAgendaFile::formatVersions()
{
    QFETCH(uint32_t, version);
    QFETCH(int, policy);
    QFETCH(int, answer);
    QFETCH(bool, loads);
    QFETCH(bool, asked);
    const QString path = Path(QStringLiteral("Agenda.dat"));
    QVERIFY(WriteAll(path, MakeFile({Record(1, QStringLiteral("ME")), Record(1, QStringLiteral("ANNA"))}, 401, version)));
    ScriptedPrompter p;
    if (answer >= 0)
        p.answers.append(Prompter::Answer(answer));
    auto a = std::make_unique<Agenda>();
    a->slots[5].label = QStringLiteral("kept");
    const LoadResult loaded = a->Load(path, p, Agenda::UnknownVersion(policy));
    QCOMPARE(bool(loaded), loads);
    const QString question = QStringLiteral("This phonebook has format version %1, which this program does not know. "
                                            "Open it anyway? It will be saved as version 80.").arg(version);
    QCOMPARE(p.Messages(), asked ? QStringList{question} : QStringList());
    if (!loads) {
        QCOMPARE(loaded.reason, QStringLiteral("This phonebook has format version %1, which this program does not know.").arg(version));
        QCOMPARE(loaded.declined, asked);
        QCOMPARE(a->slots[5].label, QStringLiteral("kept"));
        return;
    }
    QCOMPARE(a->version, version);
    QCOMPARE(a->RecordAt(1)->label, QStringLiteral("ANNA"));
    QVERIFY(a->Save(path, p));
    QCOMPARE(ReadAll(path).mid(12, 4), QByteArray("\0\0\0\x50", 4));
}

void TestAgendaFile::allFreeSlots()
{
    const QByteArray file = MakeFile({}, 403);
    QCOMPARE(file.size(), 1632);
    const QString path = Path(QStringLiteral("free.dat"));
    QVERIFY(WriteAll(path, file));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Load(path, p));
    QCOMPARE(a->usedCount, 0);
    QCOMPARE(a->userCount, 1);
    QCOMPARE(a->slotCount, 403);
}

void TestAgendaFile::userCounting_data()
{
    QTest::addColumn<QList<int>>("owners");  // owner per slot 0..3, 0 = free
    QTest::addColumn<int>("users");
    QTest::newRow("slot 2 is a contact of user 2") << QList<int>{1, 2, 2, 0} << 2;
    QTest::newRow("slot 1 free") << QList<int>{1, 0, 3, 0} << 1;
    QTest::newRow("four users") << QList<int>{1, 2, 3, 4} << 4;
    QTest::newRow("three users") << QList<int>{1, 2, 3, 1} << 3;
    QTest::newRow("slot 0 whatever it holds") << QList<int>{0, 2, 0, 0} << 2;
}

void TestAgendaFile::userCounting()
{
    QFETCH(QList<int>, owners);
    QFETCH(int, users);
    QList<AgendaRecord> records;
    for (int o : owners)
        records.append(o ? Record(uint32_t(o), QStringLiteral("R")) : AgendaRecord());
    const QString path = Path(QStringLiteral("users.dat"));
    QVERIFY(WriteAll(path, MakeFile(records, 401)));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Load(path, p));
    QCOMPARE(a->userCount, users);
}

void TestAgendaFile::truncatedFiles_data()
{
    QTest::addColumn<int>("cut");  // bytes removed from the end of a 403-slot file
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("slotCount");
    // The test file's last three slots are used records of 144 bytes each.
    QTest::newRow("complete") << 0 << true << 403;
    QTest::newRow("inside slot 402") << 10 << true << 402;
    QTest::newRow("ends after 401 slots") << 2 * 144 << true << 401;
    QTest::newRow("inside slot 400") << 2 * 144 + 1 << false << 0;
    QTest::newRow("header only") << -1 << false << 0;
}

void TestAgendaFile::truncatedFiles()
{
    QFETCH(int, cut);
    QFETCH(bool, loads);
    QList<AgendaRecord> records;
    for (int i = 0; i < 403; ++i)
        records.append(i == 0 || i >= 400 ? Record(1, QString()) : AgendaRecord());
    QByteArray file = MakeFile(records, 403);
    file.chop(cut < 0 ? file.size() - kAgendaHeaderSize : cut);
    const QString path = Path(QStringLiteral("cut.dat"));
    QVERIFY(WriteAll(path, file));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QCOMPARE(a->Load(path, p).ok, loads);
    if (loads) {
        QTEST(a->slotCount, "slotCount");
    } else {
        QCOMPARE(a->slotCount, 403);  // untouched
        QCOMPARE(a->UserName(3), QStringLiteral("User:4"));
    }
}

void TestAgendaFile::failedLoadKeepsPhonebook_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("sidecar");  // empty: none
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<int>("slot");
    const QString notAgenda = QStringLiteral("The file is not a phonebook file.");
    const QString damaged = QStringLiteral("The compressed data is damaged.");
    const QByteArray good = MakeFile({Record(1, QStringLiteral("A"))}, 401);
    QTest::newRow("wrong magic") << (QByteArray("BCM_AGENDB") + good.mid(10)) << QByteArray() << QString() << notAgenda << -1;
    QTest::newRow("no zero after magic") << (QByteArray("BCM_AGENDAX") + good.mid(11)) << QByteArray() << QString()
                                         << notAgenda << -1;
    QTest::newRow("short header") << good.left(19) << QByteArray() << QString() << notAgenda << -1;
    QTest::newRow("empty file") << QByteArray() << QByteArray() << QString() << notAgenda << -1;
    QByteArray absurd = Header(80, 0);
    absurd += QByteArray("\0\0\0\x01\0\0\0\x01\xFF\xFF", 10);
    QTest::newRow("absurd text length") << absurd << QByteArray() << QString()
                                        << QStringLiteral("The file ends inside record 1.") << 0;
    QTest::newRow("ends inside slot 7") << good.left(good.size() - 394 * 4 - 2) << QByteArray() << QString()
                                        << QStringLiteral("The file ends inside record 7.") << 6;
    QTest::newRow("sidecar says compressed, file is plain")
        << good << QByteArray("00000000\r\nUSIZE:5\r\n") << QStringLiteral("ZDeCompress ERROR") << damaged << -1;
    QByteArray corrupt = qCompress(good).mid(4);  // a zlib stream...
    corrupt[corrupt.size() / 2] = char(corrupt[corrupt.size() / 2] ^ 0x55);  // ...damaged
    QTest::newRow("corrupt zlib stream") << corrupt << QByteArray("00000000\r\nUSIZE:1\r\n")
                                         << QStringLiteral("ZDeCompress ERROR") << damaged << -1;
    QByteArray truncated = qCompress(good).mid(4);
    truncated.chop(20);
    QTest::newRow("truncated zlib stream") << truncated << QByteArray("00000000\r\nUSIZE:1\r\n")
                                           << QStringLiteral("ZDeCompress ERROR") << damaged << -1;
    // 65 MiB of zeros packed into some 65 KB: refused once the output passes 64 MiB.
    QTest::newRow("unpacks past 64 MiB") << qCompress(good + QByteArray(65 << 20, '\0')).mid(4)
                                         << QByteArray("00000000\r\nUSIZE:1\r\n") << QStringLiteral("ZDeCompress ERROR")
                                         << QStringLiteral("The unpacked phonebook is larger than 64 MiB.") << -1;
}

void TestAgendaFile::failedLoadKeepsPhonebook()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, sidecar);
    QFETCH(QString, message);
    QFETCH(QString, reason);
    QFETCH(int, slot);
    const QString path = Path(QStringLiteral("bad.dat"));
    QVERIFY(WriteAll(path, file));
    if (!sidecar.isEmpty())
        QVERIFY(WriteAll(SidecarPath(path), sidecar));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    AgendaRecord mine = Record(0, QStringLiteral("MINE"));
    a->InsertRecord(mine);
    const auto before = std::make_unique<Agenda>(*a);
    const LoadResult result = a->Load(path, p);
    QVERIFY(!result);
    QCOMPARE(result.reason, reason);
    QCOMPARE(result.slot, slot);
    QCOMPARE(a->slotCount, before->slotCount);
    QCOMPARE(a->usedCount, before->usedCount);
    QCOMPARE(a->userCount, before->userCount);
    QCOMPARE(a->modified, before->modified);
    QCOMPARE(a->compressed, before->compressed);
    for (int i = 0; i < Agenda::kCapacity; ++i)
        QCOMPARE(a->slots[size_t(i)], before->slots[size_t(i)]);
    QCOMPARE(p.Messages(), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(!QFile::exists(path + QStringLiteral(".unc")));
}

void TestAgendaFile::refusedFiles_data()
{
    QTest::addColumn<QString>("name");  // in the test folder, or an absolute path
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << "missing.dat" << "The file does not exist.";
    QTest::newRow("folder") << "folder.dat" << "The file is not a regular file.";
    QTest::newRow("/dev/zero") << "/dev/zero" << "The file is not a regular file.";
    QTest::newRow("/dev/urandom") << "/dev/urandom" << "The file is not a regular file.";
    QTest::newRow("over 64 MiB") << "huge.dat" << "The file is larger than 64 MiB.";
    QTest::newRow("pipe without a writer") << "pipe.dat" << "The file is not a regular file.";
    QTest::newRow("link to nothing") << "dangling.dat" << "The file does not exist.";
    QTest::newRow("link to a folder") << "folderlink.dat" << "The file is not a regular file.";
    QTest::newRow("sidecar is a folder") << "sidecar.dat" << "The sidecar file sidecar.dat.inf cannot be read.";
}

void TestAgendaFile::refusedFiles()
{
    QFETCH(QString, name);
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.dat")));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("sidecar.dat.inf")));
    QVERIFY(WriteAll(Path(QStringLiteral("sidecar.dat")), ReadAll(Sample(QStringLiteral("Agenda.dat")))));
    QFile huge(Path(QStringLiteral("huge.dat")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.write(MakeFile({}, 403)) > 0 && huge.resize(kMaxInputFileSize + 1));  // sparse: no disk used
    huge.close();
    QVERIFY(::mkfifo(QFile::encodeName(Path(QStringLiteral("pipe.dat"))).constData(), 0600) == 0);
    QVERIFY(QFile::link(Path(QStringLiteral("nothing")), Path(QStringLiteral("dangling.dat"))));
    QVERIFY(QFile::link(Path(QStringLiteral("folder.dat")), Path(QStringLiteral("folderlink.dat"))));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QElapsedTimer timer;
    timer.start();
    const LoadResult result = a->Load(name.startsWith(QLatin1Char('/')) ? name : Path(name), p);
    QVERIFY(timer.elapsed() < 1000);
    QVERIFY(!result.ok);
    QTEST(result.reason, "reason");
    QCOMPARE(a->UserName(0), QStringLiteral("User:1"));
}

void TestAgendaFile::loadLeavesNothingOfTheLastFile_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    AgendaRecord withNav = Record(1, QStringLiteral("NAV"));
    withNav.nav.navFlags = kNavGps | kNavPostal | kNavPoi;
    withNav.nav.lat.FromDegrees(48.1);
    withNav.nav.lon.FromDegrees(-11.5);
    withNav.nav.posCode.fill(7);
    withNav.nav.poiLabel = QStringLiteral("POI");
    AgendaRecord extra = Record(1, QStringLiteral("EXTRA"));
    QList<AgendaRecord> all403(403, AgendaRecord());
    all403[0] = Record(1, QStringLiteral("U"));
    all403[402] = extra;
    QTest::newRow("version 81, then plain") << ReadAll(Sample(QStringLiteral("version81/Agenda.dat")))
                                            << ReadAll(Sample(QStringLiteral("Agenda.dat")));
    QTest::newRow("navigation data, then none")
        << MakeFile({Record(1, QStringLiteral("U")), withNav}, 401)
        << MakeFile({Record(1, QStringLiteral("U")), Record(1, QStringLiteral("NAV"))}, 401);
    QTest::newRow("403 slots, then 401") << MakeFile(all403, 403) << MakeFile({Record(1, QStringLiteral("U"))}, 401);
    QTest::newRow("used slot, then free") << MakeFile({Record(1, QStringLiteral("U")), withNav}, 401)
                                          << MakeFile({Record(1, QStringLiteral("U"))}, 401);
}

void TestAgendaFile::loadLeavesNothingOfTheLastFile()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QVERIFY(WriteAll(Path(QStringLiteral("first.dat")), first));
    QVERIFY(WriteAll(Path(QStringLiteral("second.dat")), second));
    ScriptedPrompter p;
    auto both = std::make_unique<Agenda>();
    QVERIFY(both->Load(Path(QStringLiteral("first.dat")), p));
    QVERIFY(both->Load(Path(QStringLiteral("second.dat")), p));
    auto only = std::make_unique<Agenda>();
    QVERIFY(only->Load(Path(QStringLiteral("second.dat")), p));
    // Every slot, also those outside slotCount and the fields of free slots.
    for (int i = 0; i < Agenda::kCapacity; ++i)
        QCOMPARE(both->slots[size_t(i)], only->slots[size_t(i)]);
    QCOMPARE(both->slotCount, only->slotCount);
    QCOMPARE(both->userCount, only->userCount);
}

void TestAgendaFile::lengthQuestion()
{
    const QString label = QString(31, QLatin1Char('L'));
    const QString path = Path(QStringLiteral("long.dat"));
    QVERIFY(WriteAll(path, MakeFile({Record(1, QStringLiteral("U")), Record(1, label)}, 401)));
    const QString question = QStringLiteral(
        "Field text length is greater than allowed maximum!&characters read=31 - max=30&text=LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL"
        "&[* Continue to load this file ?]&(continue only if text show above is correct)");
    {
        ScriptedPrompter p;
        p.answers = {Prompter::Answer::Yes};
        auto a = std::make_unique<Agenda>();
        QVERIFY(a->Load(path, p));
        QCOMPARE(p.Messages(), QStringList{question});
        QCOMPARE(a->RecordAt(1)->label, label);
    }
    {
        ScriptedPrompter p;
        p.answers = {Prompter::Answer::No};
        auto a = std::make_unique<Agenda>();
        QVERIFY(!a->Load(path, p));
        QCOMPARE(p.Messages(), QStringList{question});
        QCOMPARE(a->UserName(0), QStringLiteral("User:1"));
    }
    // Markup characters of the text are shown literally.
    QCOMPARE(LengthQuestion(3, 2, QStringLiteral("a&[b")).section(QLatin1Char('&'), 0, 2),
             QStringLiteral("Field text length is greater than allowed maximum!&characters read=3 - max=2&text=a`"));
    QVERIFY(LengthQuestion(3, 2, QStringLiteral("a&[b")).contains(QStringLiteral("text=a`&`[b&[* Continue")));
}

void TestAgendaFile::saveKeepsBackupAndWritesSidecar()
{
    const QString path = Path(QStringLiteral("Agenda.dat"));
    const QByteArray old("previous contents");
    QVERIFY(WriteAll(path, old));
    QVERIFY(WriteAll(Path(QStringLiteral("Agenda.BAK")), "older backup"));
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(path, mode));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    a->modified = true;
    QVERIFY(a->Save(path, p));
    QVERIFY(!a->modified);
    QCOMPARE(QFile::permissions(path), mode);
    QCOMPARE(ReadAll(Path(QStringLiteral("Agenda.BAK"))), old);
    const QByteArray saved = ReadAll(path);
    QCOMPARE(saved.left(16), QByteArray("BCM_AGENDA\0\0\0\0\0\x50", 16));
    // Four users with the label "User" and one phone "nnnn", then 399 free slots.
    QCOMPARE(saved.size(), 20 + 4 * (144 + 4 + 4) + 399 * 4);
    SlotReader sizeWord(saved.mid(16, 4));
    uint32_t size = 0;
    QVERIFY(sizeWord.ReadU32(size));
    QCOMPARE(int(size), saved.size());
    const QByteArray sidecar = ReadAll(SidecarPath(path));
    QCOMPARE(sidecar.size(), 10);
    QVERIFY(sidecar.endsWith("\r\n"));
    QCOMPARE(sidecar.mid(4, 4), QString::asprintf("%04x", Crc16(saved)).toLatin1());
    QCOMPARE(sidecar.left(4), QString::asprintf("%04x", Crc16(sidecar.mid(4))).toLatin1());
    // A new backup is as private as the phonebook.
    QVERIFY(QFile::remove(Path(QStringLiteral("Agenda.BAK"))));
    QVERIFY(a->Save(path, p));
    QCOMPARE(QFile::permissions(Path(QStringLiteral("Agenda.BAK"))), mode);
    // The first save of a new path has nothing to back up, and still succeeds.
    QVERIFY(a->Save(Path(QStringLiteral("new.dat")), p));
    QVERIFY(!QFile::exists(Path(QStringLiteral("new.BAK"))));
}

void TestAgendaFile::backupOfThePreviousFile_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("linked");  // the backup is the previous file itself, not a copy
    QTest::newRow("first backup") << "" << true;
    QTest::newRow("older backup replaced") << "older backup" << true;
    QTest::newRow("phonebook has another name") << "other name" << false;
    QTest::newRow("phonebook is a link") << "phonebook link" << true;
    QTest::newRow("phonebook is a link to another file system") << "phonebook link elsewhere" << false;
    QTest::newRow("backup is a link") << "backup link" << false;
    QTest::newRow("backup is a folder") << "backup folder" << false;
}

void TestAgendaFile::backupOfThePreviousFile()
{
    QFETCH(QString, setup);
    QFETCH(bool, linked);
    const QString path = Path(QStringLiteral("Agenda.dat"));
    const QString backup = Path(QStringLiteral("Agenda.BAK"));
    QString file = path;       // the phonebook's file
    QString backupFile = backup;  // where the backup's bytes are
    std::unique_ptr<QTemporaryDir> elsewhere;
    if (setup == QLatin1String("phonebook link elsewhere")) {
        elsewhere = std::make_unique<QTemporaryDir>(QStringLiteral("/dev/shm/kestravon-XXXXXX"));
        if (!elsewhere->isValid() || FileId(elsewhere->path()).first == FileId(dir_->path()).first)
            QSKIP("No second file system at /dev/shm.");
        file = elsewhere->filePath(QStringLiteral("Agenda.dat"));
    } else if (setup == QLatin1String("phonebook link")) {
        file = Path(QStringLiteral("real.dat"));
    }
    QVERIFY(WriteAll(file, "previous contents"));
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
    if (file != path)
        QVERIFY(QFile::link(file, path));
    if (setup == QLatin1String("older backup"))
        QVERIFY(WriteAll(backup, "older backup"));
    if (setup == QLatin1String("other name"))
        QCOMPARE(::link(QFile::encodeName(file).constData(), QFile::encodeName(Path(QStringLiteral("other.dat")))), 0);
    if (setup == QLatin1String("backup link")) {
        backupFile = Path(QStringLiteral("backup.dat"));
        QVERIFY(WriteAll(backupFile, "older backup"));
        QVERIFY(QFile::link(backupFile, backup));
    }
    if (setup == QLatin1String("backup folder"))
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("Agenda.BAK")));
    const auto before = FileId(file);
    const QFile::Permissions mode = QFile::permissions(file);
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QStringList names = QDir(dir_->path()).entryList(all) << QStringLiteral("Agenda.BAK")
                                                          << QStringLiteral("Agenda.dat.inf");
    names.removeDuplicates();
    names.sort();

    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Save(path, p));
    // Links stay links, and nothing else is left in the folder.
    QCOMPARE(QDir(dir_->path()).entryList(all), names);
    QCOMPARE(QFileInfo(path).isSymLink(), file != path);
    QCOMPARE(QFileInfo(backup).isSymLink(), backupFile != backup);
    QVERIFY(ReadAll(file).startsWith("BCM_AGENDA"));
    if (setup == QLatin1String("other name"))
        QCOMPARE(ReadAll(Path(QStringLiteral("other.dat"))), QByteArray("previous contents"));
    if (setup == QLatin1String("backup folder")) {
        QVERIFY(QFileInfo(backup).isDir());
        return;
    }
    QCOMPARE(ReadAll(backupFile), QByteArray("previous contents"));
    QCOMPARE(QFile::permissions(backupFile), mode);
    QCOMPARE(FileId(backupFile) == before, linked);
}

void TestAgendaFile::backupPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("backup");
    QTest::newRow("extension") << "/x/Agenda.dat" << "/x/Agenda.BAK";
    QTest::newRow("no extension") << "/x/Agenda" << "/x/Agenda.BAK";
    QTest::newRow("dot in folder only") << "/x.y/Agenda" << "/x.y/Agenda.BAK";
    QTest::newRow("two dots") << "/x/a.b.dat" << "/x/a.b.BAK";
}

void TestAgendaFile::backupPath()
{
    QFETCH(QString, path);
    QTEST(BackupPath(path), "backup");
}

void TestAgendaFile::compressedRoundTrip()
{
    const QString path = Path(QStringLiteral("Agenda.dat"));
    const QByteArray plain = ReadAll(Sample(QStringLiteral("Agenda.dat")));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Load(Sample(QStringLiteral("Agenda.dat")), p));
    a->compressed = true;
    QVERIFY(WriteAll(path, "old"));
    QVERIFY(a->Save(path, p));
    const QByteArray packed = ReadAll(path);
    QCOMPARE(quint8(packed.at(0)), quint8(0x78));
    QVERIFY(!QFile::exists(path + QStringLiteral(".unc")));
    QCOMPARE(ReadAll(Path(QStringLiteral("Agenda.BAK"))), QByteArray("old"));
    const QList<QByteArray> lines = ReadAll(SidecarPath(path)).split('\n');
    QCOMPARE(lines.size(), 5);  // four lines, each ended by CR LF
    QCOMPARE(lines[1], QString::asprintf("CRC_UNCOMPRESSED:%04x\r", Crc16(plain)).toLatin1());
    QCOMPARE(lines[2], "USIZE:" + QByteArray::number(plain.size()) + "\r");
    QCOMPARE(lines[3], "SIZE:" + QByteArray::number(packed.size()) + "\r");
    QCOMPARE(lines[0].mid(4, 4), QString::asprintf("%04x", Crc16(packed)).toLatin1());

    auto b = std::make_unique<Agenda>();
    QVERIFY(b->Load(path, p));
    QVERIFY(b->compressed);
    QVERIFY(!QFile::exists(path + QStringLiteral(".unc")));
    for (int i = 0; i < Agenda::kCapacity; ++i)
        QCOMPARE(b->slots[size_t(i)], a->slots[size_t(i)]);
    QVERIFY(p.shown.isEmpty());
}

void TestAgendaFile::compressedSampleSavesIdentically()
{
    const QString path = Path(QStringLiteral("Agenda.dat"));
    QVERIFY(WriteAll(path, ReadAll(Sample(QStringLiteral("compressed/Agenda.dat")))));
    QVERIFY(WriteAll(SidecarPath(path), ReadAll(Sample(QStringLiteral("compressed/Agenda.dat.inf")))));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Load(path, p));
    QVERIFY(a->compressed);
    QVERIFY(a->Save(path, p));
    // Inflating what was written gives the plain sample back.
    QByteArray plain;
    QCOMPARE(InflateBytes(ReadAll(path), plain), ZResult::Ok);
    QCOMPARE(plain, ReadAll(Sample(QStringLiteral("Agenda.dat"))));
    QCOMPARE(SidecarValue(ReadAll(SidecarPath(path)), QStringLiteral("USIZE")), QStringLiteral("10180"));
}

void TestAgendaFile::plainSaveOverCompressedSidecar()
{
    // Saved where a compressed phonebook was: its sidecar must not make the plain file
    // look compressed; lines of other keys stay.
    const QString path = Path(QStringLiteral("Agenda.dat"));
    QVERIFY(WriteAll(SidecarPath(path), ReadAll(Sample(QStringLiteral("compressed/Agenda.dat.inf"))) + "OTHER:kept\r\n"));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Load(Sample(QStringLiteral("Agenda.dat")), p));
    QVERIFY(a->Save(path, p));
    QVERIFY(a->Load(path, p));
    QVERIFY(!a->compressed);
    QCOMPARE(ReadAll(SidecarPath(path)).mid(8), QByteArray("\r\nOTHER:kept\r\n"));
}

void TestAgendaFile::unwritableTarget()
{
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    a->modified = true;
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.dat")));
    QVERIFY(!a->Save(Path(QStringLiteral("folder.dat")), p));
    QVERIFY(a->modified);
    QVERIFY(!a->Save(Path(QStringLiteral("no/such/folder/Agenda.dat")), p));
    QVERIFY(a->modified);
}

void TestAgendaFile::failedSaveChangesNothing_data()
{
    QTest::addColumn<bool>("compressed");
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("reason");  // %1: the phonebook's path
    const QString denied = QStringLiteral("%1: Permission denied");
    for (const bool compressed : {false, true}) {
        const char *form = compressed ? "compressed, " : "plain, ";
        QTest::newRow(QByteArray(form + QByteArray("sidecar is a folder")).constData())
            << compressed << "sidecar folder" << "The sidecar file Agenda.dat.inf cannot be read.";
        QTest::newRow(QByteArray(form + QByteArray("read-only folder")).constData()) << compressed << "read-only" << denied;
    }
    QTest::newRow("read-only phonebook") << false << "read-only file" << denied;
}

void TestAgendaFile::failedSaveChangesNothing()
{
    QFETCH(bool, compressed);
    QFETCH(QString, cause);
    if (cause.startsWith(QLatin1String("read-only")) && geteuid() == 0)
        QSKIP("Runs as root, whom permission bits do not stop.");
    const QString path = Path(QStringLiteral("Agenda.dat"));
    ScriptedPrompter p;
    auto a = std::make_unique<Agenda>();
    QVERIFY(a->Load(Sample(QStringLiteral("Agenda.dat")), p));
    a->compressed = compressed;
    QVERIFY(a->Save(path, p));
    QVERIFY(WriteAll(Path(QStringLiteral("Agenda.BAK")), "older backup"));
    QVERIFY(a->StoreRecord(1, Record(2, QStringLiteral("CHANGED"))));
    if (cause == QLatin1String("sidecar folder")) {
        QVERIFY(QFile::remove(SidecarPath(path)));
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("Agenda.dat.inf")));
    }
    const QByteArray before = ReadAll(path);
    const QByteArray sidecarBefore = ReadAll(SidecarPath(path));
    const QStringList files = QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (cause == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::ExeOwner));
    if (cause == QLatin1String("read-only file"))
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    const WriteResult saved = a->Save(path, p);
    QFile::setPermissions(dir_->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QFETCH(QString, reason);
    QCOMPARE(saved.reason, reason.replace(QLatin1String("%1"), path));
    QVERIFY(a->modified);
    QCOMPARE(ReadAll(path), before);
    QCOMPARE(ReadAll(SidecarPath(path)), sidecarBefore);
    QCOMPARE(ReadAll(Path(QStringLiteral("Agenda.BAK"))), QByteArray("older backup"));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), files);
}

void TestAgendaFile::readSlotKeepsFieldsTheBytesDoNotCarry()
{
    AgendaRecord r = Record(1, QStringLiteral("A"));
    r.fld51 = QStringLiteral("kept");
    r.nav.poiLabel = QStringLiteral("poi kept");
    SlotWriter w;
    AgendaRecord plain = Record(2, QStringLiteral("B"));
    WriteSlot(plain, w, 80);
    SlotReader in(w.bytes);
    ScriptedPrompter p;
    QVERIFY(ReadSlot(r, in, 80, p));
    QCOMPARE(r.label, QStringLiteral("B"));
    QCOMPARE(r.fld51, QStringLiteral("kept"));
    QCOMPARE(r.nav.poiLabel, QStringLiteral("poi kept"));
}

QTEST_GUILESS_MAIN(TestAgendaFile)
#include "test_agendafile.moc"
