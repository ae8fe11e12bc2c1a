#include "store/phonefast.h"

#include <phonenumbers/phonemetadata.pb.h>
#include <phonenumbers/phonenumberutil.h>

#include <array>
#include <string>

namespace i18n::phonenumbers {
// The library's compiled-in region data (a serialised PhoneMetadataCollection); exported
// by libphonenumber, declared in a header it does not install.
int metadata_size();
const void *metadata_get();
} // namespace i18n::phonenumbers

namespace {

using i18n::phonenumbers::PhoneMetadata;
using i18n::phonenumbers::PhoneMetadataCollection;
using i18n::phonenumbers::PhoneNumberUtil;

// The longest national number the parser accepts, and the shortest.
constexpr int kMaxNational = 17;
constexpr int kMinNational = 2;

bool IsDigitString(const std::string &s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return true;
}

// How the parser strips a national prefix ("0") off a number of a region.
struct NationalPrefix
{
    bool plain = true;   // empty, or a plain digit string (else a pattern: not handled here)
    QString digits;      // the digit string; empty when the region strips nothing
};

NationalPrefix NationalPrefixOf(const PhoneMetadata &m)
{
    NationalPrefix p;
    const std::string &pattern = m.national_prefix_for_parsing();
    if (pattern.empty())
        return p;
    p.plain = IsDigitString(pattern);
    if (p.plain)
        p.digits = QString::fromStdString(pattern);
    return p;
}

struct RegionFacts
{
    bool known = false;
    QString callingCode;       // "39"
    QString internationalPrefix;  // "00" when a plain digit string, else empty
    NationalPrefix national;
};

struct CodeFacts
{
    bool known = false;
    NationalPrefix national;   // of the code's main region, whose data parses its numbers
};

struct Facts
{
    std::array<RegionFacts, 26 * 26> regions;
    std::array<CodeFacts, 1000> codes;
};

int RegionIndex(const QString &region)
{
    if (region.size() != 2)
        return -1;
    const char16_t a = region[0].unicode();
    const char16_t b = region[1].unicode();
    if (a < u'A' || a > u'Z' || b < u'A' || b > u'Z')
        return -1;
    return (a - u'A') * 26 + (b - u'A');
}

// Read once from the same data the library parses with.
const Facts &TheFacts()
{
    static const Facts facts = [] {
        Facts f;
        PhoneMetadataCollection collection;
        if (!collection.ParseFromArray(i18n::phonenumbers::metadata_get(), i18n::phonenumbers::metadata_size()))
            return f;  // nothing known: every text goes to the library
        const PhoneNumberUtil &util = *PhoneNumberUtil::GetInstance();
        for (const PhoneMetadata &m : collection.metadata()) {
            const int code = m.country_code();
            if (code <= 0 || code >= 1000)
                continue;
            // The parser reads a number of a calling code with the data of the code's
            // main region (or of the non-geographic entity).
            std::string main;
            util.GetRegionCodeForCountryCode(code, &main);
            if (m.id() == main) {
                f.codes[size_t(code)].known = true;
                f.codes[size_t(code)].national = NationalPrefixOf(m);
            }
            const int index = RegionIndex(QString::fromStdString(m.id()));
            if (index < 0)
                continue;
            RegionFacts &r = f.regions[size_t(index)];
            r.known = true;
            r.callingCode = QString::number(code);
            if (IsDigitString(m.international_prefix()))
                r.internationalPrefix = QString::fromStdString(m.international_prefix());
            r.national = NationalPrefixOf(m);
        }
        return f;
    }();
    return facts;
}

// Whether the parser leaves the national number alone: no national prefix to strip, or
// one the number does not start with. (A transform rule only applies where the prefix
// matched.)
bool KeepsNational(const NationalPrefix &prefix, QStringView national)
{
    return prefix.plain && (prefix.digits.isEmpty() || !national.startsWith(prefix.digits));
}

QString E164(QStringView callingCode, QStringView rest)
{
    QString out;
    out.reserve(1 + callingCode.size() + rest.size());
    out.append(u'+');
    out.append(callingCode);
    out.append(rest);
    return out;
}

} // namespace

int LeadingCallingCode(QStringView digits)
{
    const Facts &facts = TheFacts();
    int code = 0;
    for (int i = 0; i < 3 && i < digits.size(); ++i) {
        const char16_t c = digits[i].unicode();
        if (c < u'0' || c > u'9')
            return 0;
        code = code * 10 + (c - u'0');
        if (code == 0)
            return 0;
        if (facts.codes[size_t(code)].known)
            return code;
    }
    return 0;
}

bool FastPhoneMatchKey(const QString &text, const QString &region, QString *key)
{
    // The digits, led by "+" when the number starts with one; separators skipped as the
    // parser skips them. Anything else (letters, dial characters, a "+" further on, other
    // spaces or digits) goes to the library.
    char16_t digits[40];
    int n = 0;
    bool plus = false;
    bool leadingPlus = false;  // "+" is the first character after any spaces
    bool seenOther = false;
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c >= u'0' && c <= u'9') {
            if (n >= 36)
                return false;
            digits[n++] = c;
            seenOther = true;
        } else if (c == u'+') {
            if (plus || n > 0)
                return false;
            plus = true;
            leadingPlus = !seenOther;
            seenOther = true;
        } else if (c == u' ') {
            continue;
        } else if (c == u'-' || c == u'.' || c == u'/' || c == u'(' || c == u')') {
            seenOther = true;
        } else {
            return false;
        }
    }
    if (n == 0)
        return false;
    const QStringView all(digits, n);

    const Facts &facts = TheFacts();
    const RegionFacts *home = nullptr;
    if (region.isEmpty()) {
        // Without a region only a text that starts with "+" is read as a number.
        if (!leadingPlus)
            return false;
    } else {
        const int index = RegionIndex(region);
        if (index < 0 || !facts.regions[size_t(index)].known)
            return false;
        home = &facts.regions[size_t(index)];
    }

    QStringView international;
    if (plus) {
        international = all;
    } else {
        // Without a "+" the region's international prefix must be a plain digit string
        // to tell an international number from a national one.
        if (home->internationalPrefix.isEmpty())
            return false;
        if (all.startsWith(home->internationalPrefix)) {
            international = all.mid(home->internationalPrefix.size());
            // After the prefix a "0" (no calling code starts with it) makes the parser read
            // the whole as a national number.
            if (international.isEmpty() || international[0] == u'0')
                return false;
        }
    }

    if (!international.isNull()) {
        const int code = LeadingCallingCode(international);
        if (code == 0)
            return false;  // the parser tries again without the "+"
        const int codeLength = code >= 100 ? 3 : code >= 10 ? 2 : 1;
        const QStringView national = international.mid(codeLength);
        if (national.size() < kMinNational || national.size() > kMaxNational)
            return false;
        if (!KeepsNational(facts.codes[size_t(code)].national, national))
            return false;
        *key = E164(QStringView(), international);
        return true;
    }

    // A national number. One that starts with the region's calling code may be read as an
    // international number without its prefix: the library weighs that by its patterns.
    if (all.size() < kMinNational || all.size() > kMaxNational)
        return false;
    if (all.startsWith(home->callingCode))
        return false;
    if (!KeepsNational(home->national, all))
        return false;
    *key = E164(home->callingCode, all);
    return true;
}
