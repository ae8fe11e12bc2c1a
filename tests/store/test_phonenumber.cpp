#include "store/phonefast.h"
#include "store/phonenumber.h"

#include <QFile>
#include <QtTest>

#include <phonenumbers/phonenumberutil.h>

#include <random>

Q_DECLARE_METATYPE(PhoneMatch)

class TestPhoneNumber : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tidy_data();
    void tidy();
    void compare_data();
    void compare();
    void filter_data();
    void filter();
    void regions();
    void fastKeyEqualsLibrary();
    void compareEqualsLibrary();
};

// The rows of tests/data/phones/tidy.tsv, whose values phonecases.py checks against
// python3-phonenumbers.
void TestPhoneNumber::tidy_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("reason");
    QFile table(QStringLiteral(KESTRAVON_TESTDATA "/phones/tidy.tsv"));
    QVERIFY(table.open(QIODevice::ReadOnly));
    int rows = 0;
    while (!table.atEnd()) {
        const QString line = QString::fromUtf8(table.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        QCOMPARE(f.size(), 5);
        const auto none = [](const QString &s) { return s == QLatin1String("-") ? QString() : s; };
        QTest::addRow("%s %s %s", qPrintable(f[0]), qPrintable(f[1]), qPrintable(f[2]))
            << f[0] << none(f[1]) << f[2] << f[3] << none(f[4]);
        ++rows;
    }
    QVERIFY(rows >= 40);
}

void TestPhoneNumber::tidy()
{
    QFETCH(QString, input);
    QFETCH(QString, region);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QFETCH(QString, reason);
    PhoneFormat f;
    QVERIFY(PhoneFormatFromName(format, &f));
    const PhoneTidy tidy = TidyPhone(input, region, f);
    QCOMPARE(tidy.text, expected);
    QCOMPARE(tidy.reason, reason);
    QCOMPARE(tidy.changed, expected != input);
    // A kept number is never Valid, a rewritten one always is.
    QCOMPARE(tidy.kind == PhoneKind::Valid, reason.isEmpty());
    // The new form is stable: written again in the same form it stays as it is.
    if (reason.isEmpty())
        QCOMPARE(TidyPhone(tidy.text, region, f).text, tidy.text);
}

void TestPhoneNumber::compare_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("region");
    QTest::addColumn<PhoneMatch>("match");
    QTest::newRow("country code or trunk zero") << "+49 89 1234567" << "089 1234567" << "DE" << PhoneMatch::Same;
    QTest::newRow("00 and +") << "0049 89 1234567" << "+49 (0)89 123-4567" << "DE" << PhoneMatch::Same;
    QTest::newRow("other country") << "+49 89 1234567" << "+43 89 1234567" << "DE" << PhoneMatch::Different;
    QTest::newRow("national read as AT") << "089 1234567" << "+43 89 1234567" << "AT" << PhoneMatch::Same;
    QTest::newRow("spurious trunk zero") << "+490171 1234567" << "0171/1234567" << "DE" << PhoneMatch::Same;
    QTest::newRow("Italian leading zero") << "+39 06 1234 5678" << "06 12345678" << "IT" << PhoneMatch::Same;
    QTest::newRow("without area code") << "1234567" << "089 1234567" << "DE" << PhoneMatch::Possibly;
    QTest::newRow("with an extension") << "089 1234567,12" << "089 1234567" << "DE" << PhoneMatch::Different;
    QTest::newRow("one digit apart") << "+49 89 1234567" << "+49 89 1234568" << "DE" << PhoneMatch::Different;
    QTest::newRow("short numbers") << "112" << "1-1-2" << "DE" << PhoneMatch::Same;
    QTest::newRow("no region, spaces only") << "089 1234567" << "0891234567" << "" << PhoneMatch::Same;
    QTest::newRow("no region, + and 00") << "+39 06 1234 5678" << "0039 0612345678" << "" << PhoneMatch::Same;
    QTest::newRow("no region, national and +") << "089 1234567" << "+49 89 1234567" << "" << PhoneMatch::Different;
    QTest::newRow("service codes") << "*31#089 1234567" << "*31# 0891234567" << "DE" << PhoneMatch::Same;
    QTest::newRow("no digits") << "HOME" << "HOME" << "DE" << PhoneMatch::Different;
    QTest::newRow("empty") << "" << "" << "DE" << PhoneMatch::Different;
}

void TestPhoneNumber::compare()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, region);
    QFETCH(PhoneMatch, match);
    QCOMPARE(ComparePhones(a, b, region), match);
    QCOMPARE(ComparePhones(b, a, region), match);
    // The duplicate index's key is the same rule.
    const QString ka = PhoneMatchKey(a, region);
    QCOMPARE(!ka.isEmpty() && ka == PhoneMatchKey(b, region), match == PhoneMatch::Same);
}

void TestPhoneNumber::filter_data()
{
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("found");
    QTest::newRow("00 and country code") << "+39 06 1234 5678" << "0039061234" << true;
    QTest::newRow("+ and country code") << "+39 06 1234 5678" << "+39 061" << true;
    QTest::newRow("national digits") << "+39 06 1234 5678" << "06 1234" << true;
    QTest::newRow("national digits of a stored +49") << "+49 89 1234567" << "089 12" << true;
    QTest::newRow("international digits of a stored national") << "089 1234567" << "+49 891" << true;
    QTest::newRow("other country code") << "+39 06 1234 5678" << "0049 06" << false;
    QTest::newRow("own digits") << "*31#089 1234567" << "0891" << true;
    QTest::newRow("two digits are too few") << "+39 06 1234 5678" << "39" << false;
    QTest::newRow("not in the number") << "+39 06 1234 5678" << "999" << false;
}

void TestPhoneNumber::filter()
{
    QFETCH(QString, phone);
    QFETCH(QString, typed);
    QFETCH(bool, found);
    QCOMPARE(PhoneFilterMatches(phone, typed, QStringLiteral("DE")), found);
}

void TestPhoneNumber::regions()
{
    QCOMPARE(KnownPhoneRegion(QStringLiteral(" de ")), QStringLiteral("DE"));
    QCOMPARE(KnownPhoneRegion(QStringLiteral("XX")), QString());
    QCOMPARE(KnownPhoneRegion(QStringLiteral("DEU")), QString());
    QVERIFY(PhoneRegions().contains(QStringLiteral("AT")));
    QCOMPARE(PhoneCountryCode(QStringLiteral("IT")), 39);
    // The setting wins over the locale; an unknown code in it does not count.
    QSettings().remove(QStringLiteral("phone/region"));
    QCOMPARE(DefaultPhoneRegion(), KnownPhoneRegion(QLocale::territoryToCode(QLocale::system().territory())));
    StorePhoneRegion(QStringLiteral("AT"));
    QCOMPARE(DefaultPhoneRegion(), QStringLiteral("AT"));
    StorePhoneRegion(QStringLiteral("QQ"));
    QCOMPARE(DefaultPhoneRegion(), KnownPhoneRegion(QLocale::territoryToCode(QLocale::system().territory())));
    StorePhoneRegion(QString());
    QCOMPARE(StoredPhoneRegion(), QString());
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);  // the settings of this test only
    QCoreApplication::setOrganizationName(QStringLiteral("kestravon-test"));
    TestPhoneNumber test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_phonenumber.moc"

// Seeded dice for the corpus tests: numbers below n, strings of n digits.
struct Dice
{
    explicit Dice(unsigned seed) : random(seed) {}
    int Below(int n) { return int(random() % unsigned(n)); }
    QString Digits(int n)
    {
        QString out;
        for (int i = 0; i < n; ++i)
            out.append(QChar(u'0' + Below(10)));
        return out;
    }
    std::mt19937 random;
};

// The short way to a match key must give the library's key for every text it takes: a
// seeded corpus over every region in the usual forms and their odd relatives.
void TestPhoneNumber::fastKeyEqualsLibrary()
{
    Dice dice(20261208);
    const auto below = [&dice](int n) { return dice.Below(n); };
    const auto digits = [&dice](int n) { return dice.Digits(n); };
    QStringList regions = PhoneRegions();
    regions.append(QString());  // no region
    regions.append(QStringLiteral("XX"));
    static const char *const prefixes[] = {"", "", "", "0", "00", "011", "8", "1", "9", "(0)", "0 0", "010"};
    static const char16_t separators[] = u" -./()";
    int taken = 0;
    int texts = 0;
    for (const QString &region : std::as_const(regions)) {
        const int own = PhoneCountryCode(region);
        for (int i = 0; i < 1000; ++i) {
            // A calling code: the region's own, another region's, or any digits.
            const int pick = below(4);
            const QString code = pick == 0 || own == 0 ? QString::number(PhoneCountryCode(regions[below(int(regions.size()) - 2)]))
                                 : pick == 1 ? digits(1 + below(3))
                                             : QString::number(own);
            QString rest = QLatin1String(prefixes[below(std::size(prefixes))]) + digits(below(4) == 0 ? below(20) : 5 + below(8));
            QString text;
            switch (below(6)) {
            case 0: text = QLatin1Char('+') + code + rest; break;
            case 1: text = QLatin1String("00") + code + rest; break;
            case 2: text = QLatin1String("+") + code + QLatin1String(" (0)") + rest; break;
            case 3: text = code + rest; break;
            default: text = rest; break;
            }
            // Separators, spaces around, now and then a character the short way leaves alone.
            for (int s = below(4); s > 0; --s)
                text.insert(below(int(text.size()) + 1), QChar(separators[below(6)]));
            if (below(20) == 0)
                text.insert(below(int(text.size()) + 1), QChar(QLatin1String("+x\t#")[below(4)]));
            if (below(10) == 0)
                text = QLatin1Char(' ') + text + QLatin1Char(' ');
            ++texts;
            QString fast;
            if (!FastPhoneMatchKey(text, region, &fast))
                continue;
            ++taken;
            if (fast != LibraryPhoneMatchKey(text, region))
                QFAIL(qPrintable(QStringLiteral("\"%1\" in %2: %3, the library %4").arg(text, region, fast, LibraryPhoneMatchKey(text, region))));
        }
    }
    qInfo("%d of %d texts took the short way", taken, texts);
    // Most numbers as people write them take it.
    QVERIFY(taken > texts / 3);
    QString key;
    QVERIFY(FastPhoneMatchKey(QStringLiteral("+39 333 1234567"), QStringLiteral("IT"), &key));
}

// Comparing works on the keys; it must say what the library's own comparison of the parsed
// numbers says: same (exact or national-number match), possibly (short match) or not.
void TestPhoneNumber::compareEqualsLibrary()
{
    using i18n::phonenumbers::PhoneNumber;
    using i18n::phonenumbers::PhoneNumberUtil;
    const PhoneNumberUtil &util = *PhoneNumberUtil::GetInstance();
    const auto library = [&util](const QString &a, const QString &b, const QString &region) {
        PhoneNumber na, nb;
        const bool pa = util.Parse(a.toStdString(), region.toStdString(), &na) == PhoneNumberUtil::NO_PARSING_ERROR;
        const bool pb = util.Parse(b.toStdString(), region.toStdString(), &nb) == PhoneNumberUtil::NO_PARSING_ERROR;
        if (!pa || !pb)
            return pa == pb && PhoneDigits(a) == PhoneDigits(b) ? PhoneMatch::Same : PhoneMatch::Different;
        switch (util.IsNumberMatch(na, nb)) {
        case PhoneNumberUtil::EXACT_MATCH:
        case PhoneNumberUtil::NSN_MATCH: return PhoneMatch::Same;
        case PhoneNumberUtil::SHORT_NSN_MATCH: return PhoneMatch::Possibly;
        default: return PhoneMatch::Different;
        }
    };
    Dice dice(8122026);
    const auto below = [&dice](int n) { return dice.Below(n); };
    const auto digits = [&dice](int n) { return dice.Digits(n); };
    int counts[3] = {};
    for (const QString &region : PhoneRegions()) {
        const QString own = QString::number(PhoneCountryCode(region));
        for (int i = 0; i < 100; ++i) {
            // A number in one spelling, and a second one: another spelling, a shorter or
            // longer form, another digit or another calling code. Digits and "+" only, so
            // that both sides read the same text.
            const QString national = QString::number(1 + below(9)) + digits(4 + below(8));
            const QString a = below(2) ? QLatin1Char('+') + own + national : QLatin1Char('0') + national;
            QString other = national;
            switch (below(5)) {
            case 0: other = other.mid(1 + below(3)); break;
            case 1: other = digits(1 + below(3)) + other; break;
            case 2: other[below(int(other.size()))] = QChar(u'0' + below(10)); break;
            default: break;
            }
            const QString code = below(4) ? own : QString::number(PhoneCountryCode(PhoneRegions().at(below(50))));
            const QString b = below(2) ? QLatin1Char('+') + code + other : (below(2) ? QStringLiteral("0") : QString()) + other;
            const PhoneMatch expected = library(a, b, region);
            ++counts[int(expected)];
            if (ComparePhones(a, b, region) != expected || ComparePhones(b, a, region) != expected)
                QFAIL(qPrintable(QStringLiteral("%1 and %2 in %3: %4, the library %5")
                                     .arg(a, b, region).arg(int(ComparePhones(a, b, region))).arg(int(expected))));
        }
    }
    // Every answer occurs often enough to be tested.
    for (int n : counts)
        QVERIFY(n > 1000);
}
