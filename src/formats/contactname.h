#pragma once

#include <QString>

// The label a contact of another address book (a vCard, a CSV row) gets: its display name
// as it stands; without one (or a blank one) its given, middle and family names, in that
// order; without those its organisation. The names and the organisation are trimmed and
// their runs of blanks made one.
QString ContactLabel(const QString &display, const QString &given, const QString &middle, const QString &family,
                     const QString &organisation);
