#pragma once

#include <QString>
#include <QStringList>

// Phone numbers read as numbers (Google's libphonenumber): parsed with a default region
// (a two-letter code such as "DE"; empty when none is known), written in one of the usual
// forms, checked and compared. Every place that looks at numbers goes through here.
//
// A text is only ever rewritten when it is a valid number of its region and holds nothing
// but the number: pause and tone characters, letters, texts that do not parse and numbers
// that are not valid stay exactly as typed, with the reason.

enum class PhoneFormat {
    International,  // "+39 06 1234 5678"
    E164,           // "+390612345678"
    National,       // "06 1234 5678"; only for numbers of the default region
    AsIs,           // the text as it stands
};

// "international", "e164", "national", "as-is" (the command line's names), both ways.
bool PhoneFormatFromName(const QString &name, PhoneFormat *format);
QString PhoneFormatName(PhoneFormat format);

// What a phone text is, read with a default region.
enum class PhoneKind {
    Empty,           // no text
    Valid,           // a valid number
    DialCharacters,  // holds pause or tone characters: , ; p w # *
    Letters,         // holds letters (an extension, a vanity number)
    OtherCharacters, // holds characters other than digits, spaces and + - . / ( )
    NoRegion,        // a national number and no default region to read it with
    NotANumber,      // does not read as a phone number
    NotValid,        // reads as a number but is not a valid one (short numbers such as 112)
};

struct PhoneReading
{
    PhoneKind kind = PhoneKind::Empty;
    QString region;  // NotValid: the region of the number's country code ("IT"), else the
                     // default region; otherwise the default region. May be empty.
    bool possible = false;  // the length is possible for the region (NotValid only)
};

PhoneReading ReadPhone(const QString &text, const QString &region);

// What a text holds by its characters alone: Empty, DialCharacters, Letters,
// OtherCharacters, NotANumber (no digit), or Valid for digits and separators only, which
// the library then reads. `body` receives the trimmed text without a leading "tel:".
PhoneKind PhoneTextKind(const QString &text, QString *body = nullptr);

// Why a text of this kind is kept as it is, e.g. "is not a valid number for DE"; empty for
// Empty and Valid.
QString PhoneKeptReason(const PhoneReading &reading);

// A phone text in the asked form.
struct PhoneTidy
{
    QString text;    // the new form, or the input unchanged when it is kept
    PhoneKind kind = PhoneKind::Empty;
    QString reason;  // why the input was kept; empty when it is Valid or Empty
    bool changed = false;  // text differs from the input
};

// The text in `format`. A number of another country asked for in national form is written
// internationally (its national form would dial the default region). A result longer than
// the unit's field is not made: the input is kept with that reason.
PhoneTidy TidyPhone(const QString &text, const QString &region, PhoneFormat format);

// What the cell edit and the record editor tell the user about a number as typed; they
// store it exactly as typed either way. One line per point, none when all is well: why the
// number is kept as it is (`"0171 12" is not a valid number for DE: kept as typed`), and, when `sameAs` is
// a slot, the record that holds the same number ("same number as record 12"), else, when
// `possibly` is one, the record that holds a number possibly the same.
QStringList PhoneNotes(const QString &phone, const QString &region, int sameAs = -1, int possibly = -1);

// How two numbers compare, both read with the same default region.
enum class PhoneMatch {
    Different,
    Same,      // the same number (libphonenumber's exact or national-number match)
    Possibly,  // possibly the same: one is a shorter form of the other, or only one has an
               // extension (libphonenumber's short match)
};

PhoneMatch ComparePhones(const QString &a, const QString &b, const QString &region);

// A key under which two numbers are equal exactly when ComparePhones gives Same: the E.164
// form (with any extension) of a number that reads, else all its digits, so that two
// spellings that differ only in separators still meet. Empty for a text without digits.
QString PhoneMatchKey(const QString &text, const QString &region);
// The same key computed by libphonenumber's parser alone, for every text (the key above
// takes a shorter way for the common forms, with the same result).
QString LibraryPhoneMatchKey(const QString &text, const QString &region);
// What of a match key decides "possibly the same": the country calling code and the
// national number as a number, without leading zeros ("+390612345" -> 39, "612345").
// False for the key of a number that does not read or that has an extension.
bool PhoneKeyParts(const QString &key, int *callingCode, QString *national);

// The filter's rule for phone numbers: whether the number stored as `phone` is found by
// the text the user typed. The typed text needs three digits or more; it is found in the
// number's own digits, in its international digits (a typed "+" or "00" then stands for
// the country code: "0039061234" finds "+39 06 1234 5678") and in its national digits.
bool PhoneFilterMatches(const QString &phone, const QString &typed, const QString &region);
// The same in two steps, for a list that keeps the number's side between key strokes:
// the digit strings a number is found in, and the test of a typed text against them.
QString PhoneFilterKey(const QString &phone, const QString &region);
bool PhoneFilterKeyMatches(const QString &key, const QString &typed);

// The digits of a phone number, everything else dropped.
QString PhoneDigits(const QString &phone);

// The default region: the setting phone/region when it holds a known code, otherwise the
// territory of the system locale when libphonenumber knows it, otherwise empty.
QString DefaultPhoneRegion();
// The setting as stored ("" when unset) and its change; an empty code removes it.
QString StoredPhoneRegion();
void StorePhoneRegion(const QString &region);
// The two-letter code upper-cased when libphonenumber knows the region, else empty.
QString KnownPhoneRegion(const QString &code);
// Every region code libphonenumber knows, sorted.
QStringList PhoneRegions();
// The country calling code of a region ("DE" -> 49); 0 for an unknown region.
int PhoneCountryCode(const QString &region);
