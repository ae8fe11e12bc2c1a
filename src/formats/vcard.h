#pragma once

#include "common/safefile.h"

#include <QString>

#include <array>
#include <cstdint>
#include <deque>

class Agenda;
class Prompter;
struct AgendaRecord;

// Set once at start-up by "-vcfdebug": the vCard reader then reports every token it does
// not know (property names, parameter names and values) through the Prompter.
extern bool vcfDebug;

// One vCard parameter keyword and the bit it stands for.
struct VCardParam
{
    const char *name;
    uint32_t value;
};

// One vCard property keyword and the parameter bits it admits.
struct VCardProperty
{
    const char *name;
    uint32_t admitted;
};

// Parameter keywords in the order the writer emits them. Entry 0 is the value of the
// ENCODING parameter; it shares its bit with PREF.
extern const std::array<VCardParam, 30> VCardParamTable;
// Property keywords; the index is the property code of a VCardItem.
extern const std::array<VCardProperty, 32> VCardPropertyTable;

// Property codes that the record mapping uses.
enum VCardCode : int32_t {
    kVcBegin = 0,
    kVcEnd = 1,
    kVcVersion = 2,
    kVcFn = 3,
    kVcN = 4,
    kVcTel = 5,
    kVcEmail = 6,
    kVcAdr = 7,
    kVcNote = 8,
    kVcGeo = 9,
    kVcAgent = 19,
    kVcOrg = 20,
    // What the card stands for: vCard 4.0 and Google write KIND, iCloud its own name.
    kVcKind = 30,
    kVcAddressBookKind = 31,
};

// Parameter bits.
namespace VcParam {
constexpr uint32_t QuotedPrintable = 1u << 0;
constexpr uint32_t Pref = 1u << 0;
constexpr uint32_t Work = 1u << 1;
constexpr uint32_t Home = 1u << 2;
constexpr uint32_t Voice = 1u << 3;
constexpr uint32_t Fax = 1u << 4;
constexpr uint32_t Msg = 1u << 5;
constexpr uint32_t Cell = 1u << 6;
constexpr uint32_t Pager = 1u << 7;
constexpr uint32_t Internet = 1u << 21;
constexpr uint32_t Dom = 1u << 28;
constexpr uint32_t Intl = 1u << 29;
constexpr uint32_t Postal = 1u << 30;
constexpr uint32_t Parcel = 1u << 31;
} // namespace VcParam

// One recognised property line.
struct VCardItem
{
    int32_t property = 0;   // index into VCardPropertyTable
    uint32_t params = 0;    // parameter bits, reduced to those the property admits
    QString value;          // Quoted-Printable decoded and read in its charset where the line asked for it
    bool pref = false;      // marked preferred (PREF, TYPE=pref, PREF=1), whatever the property admits
};

// The items of a vCard file in file order; appended at the end, consumed from the front.
class VCard
{
public:
    // Appends one item per recognised property line of the file. False when the file
    // cannot be opened (nothing appended); otherwise true exactly when the last recognised
    // property line was END. Reason() then says why a file or its last card cannot be read.
    bool ReadVcf(const QString &fileName, Prompter &prompter);
    // The same on bytes already in memory; `fileName` is only used in messages.
    // The bytes may be UTF-8, UTF-16 (with or without a byte-order mark) or any code page a
    // line names with CHARSET; every value comes out as valid Unicode.
    bool ReadVcfBytes(const QByteArray &bytes, const QString &fileName, Prompter &prompter);
    // Why the last read gave false: "not a text file", "no BEGIN:VCARD line", "line 3 is
    // not a vCard property", "card 2 has no END:VCARD line", or the file's own reason.
    QString Reason() const { return reason_; }
    // Moves the first item into `item`; false when there is none.
    bool TakeFirst(VCardItem &item);
    // Moves the items of the next card into `card` (appended): those up to and including
    // the first END, or all that are left when no END follows (a card that cannot be
    // mapped). False when no item is left.
    bool TakeCard(VCard &card);
    // Writes BEGIN:VCARD, the items (emptying the list) and END:VCARD as UTF-8 with CR LF.
    // Fails, with the system's reason, when the file cannot be created or written.
    WriteResult WriteVcf(const QString &fileName);
    // The bytes WriteVcf writes (also empties the list).
    QByteArray WriteVcfBytes();

    void Append(const VCardItem &item) { items_.push_back(item); }
    void Append(VCardItem &&item) { items_.push_back(std::move(item)); }
    void Append(int32_t property, uint32_t params, const QString &value) { items_.push_back({property, params, value}); }
    int Count() const { return int(items_.size()); }
    const VCardItem &At(int i) const { return items_[size_t(i)]; }

private:
    std::deque<VCardItem> items_;
    QString reason_;
};

// What mapping a card onto a record did.
struct VCardMapResult
{
    bool ok = false;        // an END closed the card
    int droppedPhones = 0;  // TEL items beyond the record's five phones
    int droppedEmails = 0;  // EMAIL items beyond the record's five e-mails
    bool group = false;     // the card is a contact group (KIND "group"), not a person
    QString badGeo;         // a GEO value that gave no position in range (navigation data kept)
};
// Fills a record from the items of a card, taken from the front up to the first END. On
// failure (no END) the record is unchanged.
VCardMapResult MapCard(VCard &card, AgendaRecord &record);
// Whether MapCard reads the values of a property (the reader need not decode the others).
bool MapCardReadsValue(int32_t property);

// Fills a record from the first card of a vCard file, also when later cards of the file
// cannot be read. On false the record is unchanged and `reason` (when given) says why.
bool ImportVCard(AgendaRecord &record, const QString &fileName, Prompter &prompter, QString *reason = nullptr);
// Imports into the slot `index` with its owner set (the user slot's own number, or `user`
// for a contact slot). Marks the phonebook modified on success; on failure the slot,
// owner included, is as it was. With `shorten`, texts longer than the unit accepts are
// cut to their field's limit.
bool ImportVCardAt(Agenda &agenda, int index, uint32_t user, const QString &fileName, Prompter &prompter,
                   QString *reason = nullptr, bool shorten = false);

// A record as one card of a vCard 3.0 file (RFC 2426), as phones and address
// books import it: VERSION, N and FN, typed TEL and EMAIL, ADR, NOTE, GEO latitude first,
// escaped values, all UTF-8 with CR LF, lines folded at 75 bytes.
QByteArray StandardVCardBytes(const AgendaRecord &record);

// Writes a record as a vCard file.
WriteResult ExportVCard(const AgendaRecord &record, const QString &fileName);
// Writes a used slot as a vCard file; fails without a reason for a free slot or an index
// out of range.
WriteResult ExportVCardAt(const Agenda &agenda, int index, const QString &fileName);
// The items ExportVCard writes for a record, appended to `card`.
void BuildVCard(const AgendaRecord &record, VCard &card);

// Component n (0-based) of a ";"-separated ADR value; empty beyond the last.
QString AddressComponent(const QString &value, int n);
// The same for a vCard 3.0/4.0 value, where "\;" is no separator; the component unescaped,
// its line breaks as blanks.
QString EscapedComponent(const QString &value, int n);
// A vCard 3.0/4.0 text value with its escapes resolved: "\\", "\,", "\;" give the
// character, "\n" and "\N" `lineBreak`; any other backslash stays.
QString UnescapeVCardText(const QString &value, QChar lineBreak);
// Splits "Via Roma 12" or "12 Via Roma" into street and house number.
void SplitHouseNumber(const QString &text, QString &street, QString &number);
// The same as views of `text`.
void SplitHouseNumber(QStringView text, QStringView &street, QStringView &number);

// Phone and e-mail type codes and the parameter bits they stand for, one table each way
// (vcardtables.cpp): reading takes the first row whose bits the line has, writing the first
// row of the code.
uint32_t ParamsToPhoneType(uint32_t params);
uint32_t ParamsToEmailType(uint32_t params);
uint32_t PhoneTypeToParams(uint32_t phoneType);
uint32_t EmailTypeToParams(uint32_t emailType);
