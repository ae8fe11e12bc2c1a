#pragma once

#include <QString>

// A text that holds a count as %n, written with both English forms in one source text:
// "%n card(s)". Mark the source where it is written with QT_TRANSLATE_N_NOOP(context, text)
// so that lupdate lists it with its plural forms. A translation gives its language's form
// for the count; without one (English, the command-line tool, which installs no
// translator) "(s)" becomes "s", or nothing when the count is one.
QString CountText(const char *context, const char *text, int n);
