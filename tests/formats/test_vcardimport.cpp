#include "support/scriptedprompter.h"
#include "formats/importreview.h"
#include "formats/interchange.h"
#include "formats/vcard.h"
#include "formats/vcardimport.h"
#include "common/textcodec.h"
#include "store/agenda.h"
#include "store/phonebook.h"

#include <functional>
#include "support/phoneexport.h"
#include "support/testfiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// Files of many cards: reading them card by card, inserting them, the review's rows and
// remarks, and one file written for many records.
class TestVCardImport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { vcfDebug = false; }
    void cardsOfFiles_data();
    void cardsOfFiles();
    void androidExportInsertsEveryCard();
    void insertStopsOnceFull();
    void failedCardAsked_data();
    void failedCardAsked();
    void reviewRemarks();
    void shortenKeepsCharactersWhole_data();
    void shortenKeepsCharactersWhole();
    void reviewUserAndChecks();
    void reviewDuplicates_data();
    void reviewDuplicates();
    void notContactsStartUnchecked_data();
    void notContactsStartUnchecked();
    void shortenedNameFoundAgain_data();
    void shortenedNameFoundAgain();
    void oneFileRoundTrip();

private:
    QString Put(const QByteArray &bytes);
    QTemporaryDir dir_;
    int files_ = 0;
};

namespace {

// InsertCards on a phonebook document over `agenda`, which follows every insert.
CardInsertResult InsertInto(Agenda &agenda, uint32_t user, const std::vector<CardOfFile> &cards,
                            const CardInsertOptions &options, Prompter &prompter,
                            const std::function<void(int)> &inserted = {})
{
    Phonebook book;
    book.Replace(agenda);
    const CardInsertResult r = InsertCards(book, user, cards, options, prompter, [&](int slot) {
        agenda = book.Data();
        if (inserted)
            inserted(slot);
    });
    agenda = book.Data();
    return r;
}

// "number/fileCards" of a card, "!" when it failed, and its label.
QString Describe(const CardOfFile &c)
{
    return QStringLiteral("%1/%2%3 %4").arg(c.number).arg(c.fileCards).arg(c.failed ? "!" : "").arg(c.record.label);
}

std::unique_ptr<Agenda> EmptyPhonebook(int users)
{
    auto agenda = std::make_unique<Agenda>();
    for (int i = users; i < Agenda::kMaxUsers; ++i)
        agenda->slots[size_t(i)] = AgendaRecord();
    agenda->userCount = users;
    agenda->usedCount = users;
    return agenda;
}

// Everything a card carries, as one list: label, phones and e-mails with their types, the
// address, the note and the coordinate (to six decimals).
QStringList CardFields(const AgendaRecord &r)
{
    QStringList out{r.label, r.street, r.numb, r.city, r.zip, r.country, r.note, r.nav.GpsText()};
    for (size_t k = 0; k < kPhoneCount; ++k)
        out << r.phone[k] + QLatin1Char('/') + QString::number(r.phoneType[k]) << r.email[k] + QLatin1Char('/')
                   + QString::number(r.emailType[k]);
    return out;
}

AgendaRecord Contact(uint32_t owner, const QString &label, const QString &phone)
{
    AgendaRecord r;
    r.owner = owner;
    r.label = label;
    r.phone[0] = phone;
    r.phoneType[0] = 19;
    return r;
}

} // namespace

QString TestVCardImport::Put(const QByteArray &bytes)
{
    const QString path = dir_.filePath(QStringLiteral("f%1.vcf").arg(++files_));
    if (!WriteAll(path, bytes))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestVCardImport::cardsOfFiles_data()
{
    // Files read together ("missing" = a file that does not exist), and their cards.
    QTest::addColumn<QList<QByteArray>>("files");
    QTest::addColumn<QStringList>("cards");
    const QByteArray three = "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n"
                             "BEGIN:VCARD\r\nFN:C\r\nEND:VCARD\r\n";
    QTest::newRow("three cards") << QList<QByteArray>{three} << QStringList{"1/3 A", "2/3 B", "3/3 C"};
    QTest::newRow("rest without property ignored") << QList<QByteArray>{three + "X-A:1\r\n\r\n"}
                                                  << QStringList{"1/3 A", "2/3 B", "3/3 C"};
    QTest::newRow("rest with a property fails") << QList<QByteArray>{three + "BEGIN:VCARD\r\nFN:D\r\n"}
                                               << QStringList{"1/4 A", "2/4 B", "3/4 C", "4/4! "};
    QTest::newRow("line before the first BEGIN belongs to it")
        << QList<QByteArray>{"FN:Z\r\nBEGIN:VCARD\r\nEND:VCARD\r\nBEGIN:VCARD\r\nFN:B\r\nEND:VCARD\r\n"}
        << QStringList{"1/2 Z", "2/2 B"};
    QTest::newRow("one card, two files, byte-order mark")
        << QList<QByteArray>{"\xEF\xBB\xBF" "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n", "FN:B\nEND:VCARD"}
        << QStringList{"1/1 A", "1/1 B"};
    QTest::newRow("empty, missing and unknown-only files fail once each")
        << QList<QByteArray>{"", "missing", "X-A:1\r\n"} << QStringList{"1/1! ", "1/1! ", "1/1! "};
}

void TestVCardImport::cardsOfFiles()
{
    QFETCH(QList<QByteArray>, files);
    QFETCH(QStringList, cards);
    QStringList paths;
    for (const QByteArray &f : files)
        paths << (f == "missing" ? dir_.filePath(QStringLiteral("missing.vcf")) : Put(f));
    ScriptedPrompter prompter;
    QStringList got;
    for (const CardOfFile &c : ReadCardFiles(paths, prompter))
        got << Describe(c);
    QCOMPARE(got, cards);
    QVERIFY(prompter.shown.isEmpty());
}

void TestVCardImport::androidExportInsertsEveryCard()
{
    const QString path = Put(PhoneExport(300));
    ScriptedPrompter prompter;
    const std::vector<CardOfFile> cards = ReadCardFiles({path}, prompter);
    QCOMPARE(cards.size(), size_t(300));
    auto agenda = std::make_unique<Agenda>();
    QList<int> slotList;
    const CardInsertResult r = InsertInto(*agenda, 3, cards, CardInsertOptions(), prompter,
                                           [&](int slot) { slotList << slot; });
    QCOMPARE(r.inserted, 300);
    QCOMPARE(r.failed + r.noRoom, 0);
    QVERIFY(prompter.shown.isEmpty());

    const QString saved = dir_.filePath(QStringLiteral("Agenda.dat"));
    QVERIFY(agenda->Save(saved, prompter));
    auto back = std::make_unique<Agenda>();
    QVERIFY(back->Load(saved, prompter));
    QCOMPARE(back->usedCount, 304);
    for (int i = 0; i < 300; ++i) {
        const AgendaRecord *rec = back->RecordAt(slotList.at(i));
        QVERIFY(rec);
        QCOMPARE(slotList.at(i), Agenda::kMaxUsers + i);  // in file order
        QCOMPARE(rec->label, PhoneExportName(i));
        QCOMPARE(rec->owner, 3u);
        for (int k = 0; k < kPhoneCount; ++k) {
            QCOMPARE(rec->phone[size_t(k)], k <= i % 4 ? PhoneExportPhone(i, k) : QString());
            QCOMPARE(rec->phoneType[size_t(k)], k == 0 ? 20u : k <= i % 4 ? 7u : 0u);
        }
    }
}

void TestVCardImport::insertStopsOnceFull()
{
    ScriptedPrompter prompter;
    const std::vector<CardOfFile> cards = ReadCardFiles({Put(PhoneExport(5))}, prompter);
    auto agenda = EmptyPhonebook(4);
    while (agenda->slotCount - agenda->usedCount > 2)
        agenda->InsertRecord(Contact(1, QStringLiteral("FILLER"), QString()));
    const CardInsertResult r = InsertInto(*agenda, 1, cards, CardInsertOptions(), prompter);
    QCOMPARE(r.inserted, 2);
    QCOMPARE(r.noRoom, 3);
    QVERIFY(!r.cancelled);
    QCOMPARE(prompter.Messages(), QStringList{"No more space to add contact to Agenda"});
}

void TestVCardImport::failedCardAsked_data()
{
    // A file, the answer to the question, the question, labels inserted, failed count.
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("question");  // %1 = the path
    QTest::addColumn<QStringList>("labels");
    const QByteArray twoAndRest = "FN:A\nEND:VCARD\nFN:B\nEND:VCARD\nFN:C\n";
    QTest::newRow("rest of a file: OK adds nothing") << twoAndRest << true << "Error importing : %1 (card 3)"
                                                      << QStringList{"A", "B", "next"};
    QTest::newRow("rest of a file: Cancel stops") << twoAndRest << false << "Error importing : %1 (card 3)"
                                                   << QStringList{"A", "B"};
    QTest::newRow("one-card file: OK adds an empty record") << QByteArray("FN:C\n") << true << "Error importing : %1"
                                                             << QStringList{"", "next"};
}

void TestVCardImport::failedCardAsked()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(QString, question);
    QFETCH(QStringList, labels);
    const QString path = Put(bytes);
    ScriptedPrompter prompter;
    prompter.answers = {ok ? Prompter::Answer::Ok : Prompter::Answer::Cancel};
    const std::vector<CardOfFile> cards = ReadCardFiles({path, Put("FN:next\nEND:VCARD\n")}, prompter);
    auto agenda = EmptyPhonebook(4);
    QStringList got;
    const CardInsertResult r = InsertInto(*agenda, 2, cards, CardInsertOptions(), prompter,
                                           [&](int slot) { got << agenda->RecordAt(slot)->label; });
    QCOMPARE(got, labels);
    QCOMPARE(prompter.Messages(), QStringList{question.arg(path)});
    QCOMPARE(r.failed, 1);
    QCOMPARE(r.cancelled, !ok);
}

void TestVCardImport::reviewRemarks()
{
    const QString longName = QString(40, QLatin1Char('L'));
    const QByteArray file = "FN:ROSSI MARIO\nTEL:1\nEND:VCARD\n"                       // label of user 1
                            "FN:Nuovo\nTEL:0039 06 1234 5678\nEND:VCARD\n"             // phone of user 1
                            "FN:" + longName.toUtf8() + "\nEND:VCARD\n"                // too long
                            "TEL:+39 333 1\nTEL:2\nTEL:3\nTEL:4\nTEL:5\nTEL:6\nEMAIL:a\nEMAIL:b\nEMAIL:c\nEMAIL:d\n"
                            "EMAIL:e\nEMAIL:f\nEMAIL:g\nEND:VCARD\n"                   // no name, too many
                            "FN:Fine\nTEL:999\nEND:VCARD\n"
                            "FN:Fine Again\nTEL:9 9 9\nEND:VCARD\n";              // repeats the card before
    ScriptedPrompter prompter;
    auto agenda = EmptyPhonebook(2);
    agenda->InsertRecord(Contact(1, QStringLiteral("Rossi Mario"), QStringLiteral("555")));
    agenda->InsertRecord(Contact(1, QStringLiteral("Bianchi"), QStringLiteral("+39 061 234 5678")));
    agenda->InsertRecord(Contact(2, QStringLiteral("Fine"), QStringLiteral("999")));  // another user's
    ImportReview review(*agenda, ReadCardFiles({Put(file)}, prompter), 1);

    QStringList rows;
    for (int i = 0; i < review.Count(); ++i)
        rows << QStringLiteral("%1|%2|%3").arg(review.Checked(i) ? "x" : " ", review.Label(i), review.RemarksText(i));
    QCOMPARE(rows, (QStringList{"x|ROSSI MARIO|same name, other number",
                                " |Nuovo|already in this user's list",
                                "x|" + longName.left(30) + "|too long for the unit",
                                "x|+39 333 1|more than five phones / e-mails: 1 phone and 2 e-mails dropped; no name",
                                "x|Fine|",
                                " |Fine Again|same as an earlier card"}));
    QCOMPARE(review.CountsText(), QStringLiteral("6 cards, 4 selected, 398 free places"));
    QCOMPARE(review.RowsWith(kRemarkDuplicate), (QList<int>{1}));
    QCOMPARE(review.RowsWith(kRemarkSameName), (QList<int>{0}));
    QCOMPARE(review.RowsWith(kRemarkNoName), QList<int>{3});
    QCOMPARE(review.RowsWith(kRemarkRepeated), QList<int>{5});
    QCOMPARE(review.RowsWith(0).size(), 6);

    // Shortening off: the label is inserted whole.
    QCOMPARE(review.Record(2).label, longName.left(30));
    review.SetShorten(false);
    QCOMPARE(review.Label(2), longName);
    QCOMPARE(review.Record(2).label, longName);
    // The proposed label is inserted; the chosen cards come in order.
    const std::vector<CardOfFile> chosen = review.ChosenCards();
    QCOMPARE(chosen.size(), size_t(4));
    QCOMPARE(CardRecord(chosen[2], 1, review.Options()).label, QStringLiteral("+39 333 1"));
    QCOMPARE(chosen[3].record.label, QStringLiteral("Fine"));
}

void TestVCardImport::shortenKeepsCharactersWhole_data()
{
    // A label line of a card, and the label stored with shortening (as UTF-8). The reader
    // holds four-byte characters (emoji) as four units.
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("label");
    const QByteArray a29(29, 'A'), a26(26, 'A');
    QTest::newRow("emoji across the limit") << "FN:" + a29 + "\xF0\x9F\x98\x80 Smile" << a29;
    QTest::newRow("emoji ends at the limit") << "FN:" + a26 + "\xF0\x9F\x98\x80 Smile" << a26 + "\xF0\x9F\x98\x80";
    QTest::newRow("quoted-printable emoji")
        << "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:" + QByteArray(27, 'A') + "=F0=9F=98=80=\r\nxyz"
        << QByteArray(27, 'A');
    QTest::newRow("accent at the limit") << "FN:" + a29 + "\xC3\xA9xyz" << a29 + "\xC3\xA9";
    QTest::newRow("bytes not UTF-8 read as Windows-1252") << "FN:" + a29 + "\x80\x80\x80" << a29 + "\xE2\x82\xAC";
}

void TestVCardImport::shortenKeepsCharactersWhole()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, label);
    ScriptedPrompter prompter;
    const std::vector<CardOfFile> cards = ReadCardFiles({Put("BEGIN:VCARD\r\n" + line + "\r\nEND:VCARD\r\n")}, prompter);
    QCOMPARE(cards.size(), size_t(1));
    CardInsertOptions options;
    options.shorten = true;
    QCOMPARE(EncodeHeldUtf8(CardRecord(cards[0], 1, options).label), label);
}

void TestVCardImport::reviewUserAndChecks()
{
    ScriptedPrompter prompter;
    auto agenda = EmptyPhonebook(2);
    agenda->InsertRecord(Contact(2, QStringLiteral("B"), QString()));
    ImportReview review(*agenda, ReadCardFiles({Put("FN:A\nEND:VCARD\nFN:b\nEND:VCARD\nFN:C\nEND:VCARD\n")}, prompter), 1);
    QCOMPARE(review.CheckedCount(), 3);
    review.SetChecked(2, false);
    // Another user: the rows whose duplicate remark changes take their default state, the
    // others keep what the user chose.
    review.SetUser(2);
    QCOMPARE(review.RowsWith(kRemarkDuplicate), QList<int>{1});
    QCOMPARE(review.CheckedCount(), 1);
    QVERIFY(review.Checked(0) && !review.Checked(1) && !review.Checked(2));
    review.SetUser(1);
    QVERIFY(review.Checked(1));
    review.SetChecked(QList<int>{0, 1, 2}, false);
    QCOMPARE(review.CountsText(), QStringLiteral("3 cards, 0 selected, 400 free places"));
    QVERIFY(review.ChosenCards().empty());

    // Numbers are read once when the review starts and compared again for another user.
    agenda->InsertRecord(Contact(2, QStringLiteral("Papà"), QStringLiteral("+39 06 1234 5678")));
    ImportReview numbers(*agenda, ReadCardFiles({Put("FN:D\nTEL:0039 06 12345678\nEND:VCARD\nFN:E\nTEL:1\nTEL:+39 06 1234 5678\nEND:VCARD\n")}, prompter), 1);
    QCOMPARE(numbers.RowsWith(kRemarkDuplicate), QList<int>{});
    QCOMPARE(numbers.RowsWith(kRemarkRepeated), QList<int>{1});
    numbers.SetUser(2);
    QCOMPARE(numbers.RowsWith(kRemarkDuplicate), (QList<int>{0, 1}));
}

void TestVCardImport::reviewDuplicates_data()
{
    // Records of user 1 ("label/phone"), the cards inserted, and the review's rows as
    // "check|label|remarks".
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QByteArray>("cards");
    QTest::addColumn<QStringList>("rows");
    const QStringList rossi{"Mario Rossi/+39 06 1234 5678"};
    QTest::newRow("same name, other number") << rossi << QByteArray("FN:mario rossi\nTEL:06 222\nEND:VCARD\n")
                                             << QStringList{"x|mario rossi|same name, other number"};
    QTest::newRow("same number, other name") << rossi << QByteArray("FN:Papà\nTEL:0039 06 1234 5678\nEND:VCARD\n")
                                             << QStringList{" |Papà|already in this user's list"};
    QTest::newRow("same name, the card has no phone") << rossi << QByteArray("FN:Mario Rossi\nEMAIL:m@r\nEND:VCARD\n")
                                                      << QStringList{" |Mario Rossi|already in this user's list"};
    QTest::newRow("same name, the record has no phone") << QStringList{"Mario Rossi/"}
                                                        << QByteArray("FN:Mario Rossi\nTEL:1\nEND:VCARD\n")
                                                        << QStringList{" |Mario Rossi|already in this user's list"};
    QTest::newRow("namesakes among the cards")
        << QStringList{} << QByteArray("FN:Anna\nTEL:1\nEND:VCARD\nFN:Anna\nTEL:2\nEND:VCARD\nFN:anna\nEND:VCARD\n")
        << QStringList{"x|Anna|", "x|Anna|same name, other number", " |anna|same as an earlier card"};
    QTest::newRow("own export inserted back") << QStringList{"Anna/1", "Anna/2", "Anna/3"}
        << QByteArray("FN:Anna\nTEL:1\nEND:VCARD\nFN:Anna\nTEL:2\nEND:VCARD\nFN:Anna\nTEL:3\nEND:VCARD\nFN:Anna\nTEL:4\nEND:VCARD\n")
        << QStringList{" |Anna|already in this user's list", " |Anna|already in this user's list",
                       " |Anna|already in this user's list", "x|Anna|same name, other number"};
    QTest::newRow("GEO not understood") << QStringList{} << QByteArray("VERSION:3.0\nFN:G\nGEO:north;east\nEND:VCARD\n")
                                        << QStringList{"x|G|position not understood (GEO:north;east)"};
    QTest::newRow("no name: first phone, also from N or ORG")
        << QStringList{} << QByteArray("TEL:+39 2\nEND:VCARD\nN:Doe;Jo\nEND:VCARD\nORG:ACME\nEND:VCARD\n")
        << QStringList{"x|+39 2|no name", "x|Jo Doe|", "x|ACME|"};
}

void TestVCardImport::reviewDuplicates()
{
    QFETCH(QStringList, records);
    QFETCH(QByteArray, cards);
    QFETCH(QStringList, rows);
    auto agenda = EmptyPhonebook(2);
    for (const QString &r : records)
        agenda->InsertRecord(Contact(1, r.section(QLatin1Char('/'), 0, 0), r.section(QLatin1Char('/'), 1)));
    ScriptedPrompter prompter;
    ImportReview review(*agenda, ReadCardFiles({Put(cards)}, prompter), 1);
    QStringList got;
    for (int i = 0; i < review.Count(); ++i)
        got << QStringLiteral("%1|%2|%3").arg(review.Checked(i) ? "x" : " ", review.Label(i), review.RemarksText(i));
    QCOMPARE(got, rows);
}

void TestVCardImport::notContactsStartUnchecked_data()
{
    // Files read together, and the review's rows as "check|remarks".
    QTest::addColumn<QList<QByteArray>>("files");
    QTest::addColumn<QStringList>("rows");
    const QByteArray anna = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anna\r\nitem1.TEL;type=CELL:+39 333 1\r\nEND:VCARD\r\n";
    const QByteArray icloudGroup = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:Famiglia\r\nFN:Famiglia\r\n"
                                   "item2.x-addressbookserver-kind:group\r\n"
                                   "X-ADDRESSBOOKSERVER-MEMBER:urn:uuid:5F7A\r\nEND:VCARD\r\n";
    const QByteArray empty = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:;;;;\r\nEND:VCARD\r\n";
    const QString group = QStringLiteral(" |contact group, not a contact");
    const QByteArray bruno = QByteArray(anna).replace("Anna", "Bruno").replace("+39 333 1", "+39 333 2");
    QTest::newRow("iCloud export with a group") << QList<QByteArray>{anna + icloudGroup + bruno}
                                                << QStringList{"x|", group, "x|"};
    QTest::newRow("KIND of vCard 4") << QList<QByteArray>{"FN:G\nKIND:Group\nEND:VCARD\nFN:O\nKIND:org\nEND:VCARD\n"}
                                     << QStringList{group, "x|"};
    QTest::newRow("empty card; coordinates or a note are enough")
        << QList<QByteArray>{empty + "GEO:12.5,44.1\nEND:VCARD\nNOTE:n\nEND:VCARD\n"}
        << QStringList{" |empty card", "x|no name", "x|no name"};
    QTest::newRow("one-card files as before") << QList<QByteArray>{icloudGroup, empty} << QStringList{"x|", "x|no name"};
}

void TestVCardImport::notContactsStartUnchecked()
{
    QFETCH(QList<QByteArray>, files);
    QFETCH(QStringList, rows);
    QStringList paths;
    for (const QByteArray &f : files)
        paths << Put(f);
    ScriptedPrompter prompter;
    auto agenda = EmptyPhonebook(1);
    std::vector<CardOfFile> cards = ReadCardFiles(paths, prompter);
    std::vector<CardOfFile> contacts = cards;
    const int removed = RemoveNotContacts(contacts);
    ImportReview review(*agenda, std::move(cards), 1);
    QStringList got;
    for (int i = 0; i < review.Count(); ++i)
        got << QStringLiteral("%1|%2").arg(review.Checked(i) ? "x" : " ", review.RemarksText(i));
    QCOMPARE(got, rows);
    // What the command-line insert leaves out is what the review starts unchecked.
    QCOMPARE(removed, review.Count() - review.CheckedCount());
    QCOMPARE(int(contacts.size()), review.CheckedCount());
}

void TestVCardImport::shortenedNameFoundAgain_data()
{
    // Whether the first insert shortened the name, the label it stored, the name of the
    // card read next, and whether that card is taken for the record.
    QTest::addColumn<bool>("shorten");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("again");
    QTest::addColumn<bool>("duplicate");
    const QString name = QStringLiteral("Bartolomeo Giovanni Maria Rinaldi");
    QTest::newRow("shortening on") << true << name.left(30) << name << true;
    QTest::newRow("shortening off") << false << name << name << true;
    QTest::newRow("another name") << true << name.left(30) << QStringLiteral("Bartolomeo Giovanni Mario Rinaldi") << false;
}

void TestVCardImport::shortenedNameFoundAgain()
{
    QFETCH(bool, shorten);
    QFETCH(bool, duplicate);
    ScriptedPrompter prompter;
    const QString path = Put("FN:Bartolomeo Giovanni Maria Rinaldi\nEND:VCARD\n");
    auto agenda = EmptyPhonebook(1);
    CardInsertOptions options;
    options.shorten = shorten;
    std::vector<CardOfFile> cards = ReadCardFiles({path}, prompter);
    QCOMPARE(InsertInto(*agenda, 1, cards, options, prompter).inserted, 1);
    QTEST(agenda->RecordAt(1)->label, "stored");
    QFETCH(QString, again);
    cards[0].record.label = again;
    const ImportReview review(*agenda, cards, 1);
    QCOMPARE(review.RemarksText(0).contains(QLatin1String("already in this user's list")), duplicate);
    QCOMPARE(review.Checked(0), !duplicate);
}

void TestVCardImport::oneFileRoundTrip()
{
    // 400 records of two users, every field a card holds, written to one file and
    // inserted into an empty phonebook.
    auto source = EmptyPhonebook(2);
    QList<int> slotList;
    for (int i = 0; i < 400; ++i) {
        AgendaRecord r = Contact(uint32_t(1 + i % 2), PhoneExportName(i), PhoneExportPhone(i, 0));
        r.phoneType[0] = PhoneTypeToParams(uint32_t(i % 21)) ? uint32_t(i % 21) : 19u;
        r.phone[1] = PhoneExportPhone(i, 3);
        r.phoneType[1] = 11;
        r.email[0] = QStringLiteral("c%1@example.com").arg(i);
        r.emailType[0] = uint32_t(1 + i % 2);
        r.street = QStringLiteral("Via Roma");
        r.numb = QString::number(i + 1);
        r.city = QStringLiteral("Forl\u00EC");
        r.zip = QStringLiteral("47121");
        r.country = QStringLiteral("IT");
        r.note = i % 3 ? QString() : QStringLiteral("nota %1; caf\u00E9").arg(i);
        if (i % 2)
            r.nav.SetGpsText(QStringLiteral("N44.%1,E12.%2").arg(i, 6, 10, QLatin1Char('0')).arg(i * 3, 6, 10, QLatin1Char('0')));
        slotList << source->InsertRecord(r);
    }
    QCOMPARE(slotList.last(), 401);
    std::reverse(slotList.begin(), slotList.end());  // the order given is the order written
    const QString path = dir_.filePath(QStringLiteral("all.vcf"));
    ScriptedPrompter prompter;
    QVERIFY(ExportVcfRecords(*source, slotList, path, prompter));
    QVERIFY(!ExportVcfRecords(*source, slotList, dir_.filePath(QStringLiteral("no/such/dir.vcf")), prompter));
    QCOMPARE(prompter.Messages().size(), 1);

    auto target = EmptyPhonebook(2);
    const CardInsertResult r = InsertInto(*target, 1, ReadCardFiles({path}, prompter), CardInsertOptions(), prompter);
    QCOMPARE(r.inserted, 400);
    for (int i = 0; i < 400; ++i)
        QCOMPARE(CardFields(*target->RecordAt(2 + i)), CardFields(*source->RecordAt(slotList.at(i))));
}

QTEST_GUILESS_MAIN(TestVCardImport)
#include "test_vcardimport.moc"
