#pragma once

#include <QString>

// The label a contact of another address book gets: its display name; without one its
// given, middle and family names, in that order; without those its organisation. Blanks
// are trimmed and runs of them made one.
QString ContactLabel(const QString &display, const QString &given, const QString &middle, const QString &family,
                     const QString &organisation);
