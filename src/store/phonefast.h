#pragma once

#include <QString>
#include <QStringView>

// The match key of the common spellings of a phone number without libphonenumber's parser
// (whose regular expressions cost several microseconds a number). Only forms whose parse
// depends on nothing but a few plain facts of the region data take this way: "+CC rest",
// the region's plain international prefix ("00CC rest") and national numbers of a region
// whose national prefix for parsing is empty or a digit string the number does not start
// with. The key is then exactly the one the library's parse gives; every other text is
// left to the library.

// Sets `key` (the E.164 form) and returns true when `text`, read with the default region
// `region`, is of such a form; returns false and leaves `key` alone otherwise.
bool FastPhoneMatchKey(const QString &text, const QString &region, QString *key);

// The country calling code that starts the digits of an E.164 form ("390612..." -> 39);
// 0 when no known code starts them. Calling codes are prefix-free.
int LeadingCallingCode(QStringView digits);
