#pragma once

#include "store/phonenumber.h"

#include <functional>

// The numbers are read by libphonenumber, which with protobuf and abseil costs the start
// a few milliseconds of loading that the window never needs to show itself. The window
// therefore links only forwarders of phonenumber.h (phoneforward.cpp) and loads the
// implementation, the module kestravon-phone, the first time a number is looked at. The
// command line program, the tests and the benchmarks link the implementation directly.

// Raised whenever the table or the types it passes change, so that a module of another
// build is refused instead of called.
constexpr int kPhoneRevision = 3;

// Every function of phonenumber.h that reads numbers with the library (the others, in
// phonetext.cpp, are linked into every program).
struct PhoneFunctions
{
    int revision;
    const char *release;  // kProgramRelease of the build
    PhoneReading (*readPhone)(const QString &text, const QString &region);
    PhoneTidy (*tidyPhone)(const QString &text, const QString &region, PhoneFormat format);
    PhoneMatch (*comparePhones)(const QString &a, const QString &b, const QString &region);
    QString (*phoneMatchKey)(const QString &text, const QString &region);
    QString (*libraryPhoneMatchKey)(const QString &text, const QString &region);
    bool (*phoneKeyParts)(const QString &key, int *callingCode, QString *national);
    bool (*phoneFilterMatches)(const QString &phone, const QString &typed, const QString &region);
    QString (*phoneFilterKey)(const QString &phone, const QString &region);
    QString (*defaultPhoneRegion)();
    QString (*knownPhoneRegion)(const QString &code);
    QStringList (*phoneRegions)();
    int (*phoneCountryCode)(const QString &region);
};

// The name of the function the module exports: it returns its table when it was built for
// `revision` and `release`, else null.
#define KESTRAVON_PHONE_ENTRY "kestravon_phone_functions"

// The module's files for a program in `programDirectory` (see ModuleCandidates).
QStringList PhoneModuleCandidates(const QString &programDirectory);

// Loads the first of `candidates` that exists; its table, or null with `reason`.
const PhoneFunctions *LoadPhoneModule(const QStringList &candidates, QString &reason);

// The implementation linked into this program (the phone library's own build only).
const PhoneFunctions &LinkedPhoneFunctions();

// Numbers without the library, for a program whose module cannot be loaded: a text is
// read by its characters only (one of digits and separators counts as a number), kept as
// typed, and compared and found by its digits; no region is known.
const PhoneFunctions &PhoneFunctionsWithoutLibrary();

// Called once, with the reason, when the module cannot be loaded; the window tells the
// user. Empty: nobody is told.
void SetPhoneModuleNotice(std::function<void(const QString &reason)> notice);
void NotifyPhoneModuleMissing(const QString &reason);
