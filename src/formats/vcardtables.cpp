// The keyword tables of the vCard reader and writers, and the type codes of phones and
// e-mails with the parameters they stand for.
#include "formats/vcard.h"

bool vcfDebug = false;

const std::array<VCardParam, 30> VCardParamTable = {{
    {"QUOTED-PRINTABLE", 1u << 0},
    {"PREF", 1u << 0},
    {"WORK", 1u << 1},
    {"HOME", 1u << 2},
    {"VOICE", 1u << 3},
    {"FAX", 1u << 4},
    {"MSG", 1u << 5},
    {"CELL", 1u << 6},
    {"PAGER", 1u << 7},
    {"BBS", 1u << 8},
    {"MODEM", 1u << 9},
    {"CAR", 1u << 10},
    {"ISDN", 1u << 11},
    {"VIDEO", 1u << 12},
    {"AOL", 1u << 16},
    {"AppleLink", 1u << 17},
    {"ATTMail", 1u << 18},
    {"CIS", 1u << 19},
    {"eWorld", 1u << 20},
    {"INTERNET", 1u << 21},
    {"IBMMail", 1u << 22},
    {"MCIMail", 1u << 23},
    {"POWERSHARE", 1u << 24},
    {"PRODIGY", 1u << 25},
    {"TLX", 1u << 26},
    {"X400", 1u << 27},
    {"DOM", 1u << 28},
    {"INTL", 1u << 29},
    {"POSTAL", 1u << 30},
    {"PARCEL", 1u << 31},
}};

const std::array<VCardProperty, 32> VCardPropertyTable = {{
    {"BEGIN", 0},
    {"END", 0},
    {"VERSION", 0},
    {"FN", 0},
    {"N", 0},
    {"TEL", 0x1FFFu},
    {"EMAIL", 0x7u | 0x0FFF0000u},
    {"ADR", 0xF0000006u},
    {"NOTE", 0},
    {"GEO", 0},
    {"NICKNAME", 0xFFFFFFFFu},
    {"PHOTO", 0xFFFFFFFFu},
    {"BDAY", 0xFFFFFFFFu},
    {"LABEL", 0xFFFFFFFFu},
    {"MAILER", 0xFFFFFFFFu},
    {"TZ", 0xFFFFFFFFu},
    {"TITLE", 0xFFFFFFFFu},
    {"ROLE", 0xFFFFFFFFu},
    {"LOGO", 0xFFFFFFFFu},
    {"AGENT", 0xFFFFFFFFu},
    {"ORG", 0xFFFFFFFFu},
    {"CATEGORIES", 0xFFFFFFFFu},
    {"PRODID", 0xFFFFFFFFu},
    {"REV", 0xFFFFFFFFu},
    {"SORT-STRING", 0xFFFFFFFFu},
    {"SOUND", 0xFFFFFFFFu},
    {"URL", 0xFFFFFFFFu},
    {"UID", 0xFFFFFFFFu},
    {"CLASS", 0xFFFFFFFFu},
    {"KEY", 0xFFFFFFFFu},
    {"KIND", 0},
    {"X-ADDRESSBOOKSERVER-KIND", 0},
}};

namespace {

using namespace VcParam;

// One type code and its parameters. Reading goes down the table and takes the first row
// whose `required` bits the line has all of, so the more specific rows stand first;
// writing takes the `written` bits of the first row of the code. Rows whose code already
// stood higher up only widen what is read as that code.
struct TypeRow
{
    uint32_t code;
    uint32_t written;
    uint32_t required;
};

constexpr TypeRow kPhoneTypes[] = {
    {6, Pref | Work | Voice, Pref | Work | Voice},  // PR.WK.VOICE
    {15, Pref | Work | Fax, Pref | Work | Fax},     // PR.WK.FAX
    {16, Pref | Work | Cell, Pref | Work | Cell},   // PR.WK.CELL
    {12, Pref | Work, Pref | Work},                 // PREF.WORK
    {8, Pref | Home | Fax, Pref | Home | Fax},      // PR.HM.FAX
    {9, Pref | Home | Cell, Pref | Home | Cell},    // PR.HM.CELL
    {5, Pref | Home, Pref | Home},                  // PREF.HOME
    {8, Pref | Home | Fax, Pref | Fax},             // a preferred fax of no place is a home fax
    {20, Pref | Cell, Pref},                        // PREF.CELL, also for PREF alone
    {10, Work | Fax, Work | Fax},                   // WORK.FAX
    {11, Work | Cell, Work | Cell},                 // WORK.CELL
    {12, Pref | Work, Work},                        // WORK alone reads as PREF.WORK
    {3, Home | Fax, Home | Fax},                    // HOME.FAX
    {4, Home | Cell, Home | Cell},                  // HOME.CELL
    {7, Home, Home},                                // HOME
    {3, Home | Fax, Fax},                           // a fax of no place is a home fax
    {19, Cell, 0},                                  // CELL, also for no parameter at all
};

constexpr TypeRow kEmailTypes[] = {
    {7, Pref | Work, Pref | Work},  // PREF.WORK
    {6, Pref | Home, Pref | Home},  // PREF.HOME
    {5, Pref, Pref},                // PREF
    {2, Work, Work},                // WORK
    {1, Home, 0},                   // HOME, also for no parameter at all
};

template <size_t N>
uint32_t ReadType(const TypeRow (&table)[N], uint32_t params)
{
    for (const TypeRow &row : table)
        if ((params & row.required) == row.required)
            return row.code;
    return 0;  // not reached: the last row requires nothing
}

template <size_t N>
uint32_t WriteType(const TypeRow (&table)[N], uint32_t code)
{
    for (const TypeRow &row : table)
        if (row.code == code)
            return row.written;
    return 0;
}

} // namespace

uint32_t ParamsToPhoneType(uint32_t params)
{
    return ReadType(kPhoneTypes, params);
}

uint32_t ParamsToEmailType(uint32_t params)
{
    return ReadType(kEmailTypes, params);
}

uint32_t PhoneTypeToParams(uint32_t phoneType)
{
    return WriteType(kPhoneTypes, phoneType);
}

uint32_t EmailTypeToParams(uint32_t emailType)
{
    return WriteType(kEmailTypes, emailType);
}
