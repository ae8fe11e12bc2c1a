#pragma once

#include <QString>

struct AgendaRecord;

// The unit's text limits applied to whole records: which texts are too long, and cutting
// them to fit. The limits themselves are FieldMax (agenda.h).

// Whether any text of the record is longer than the unit accepts for its field.
bool HasOverlongText(const AgendaRecord &record);

// A text cut to at most `max` UTF-16 code units, never between the two halves of a
// surrogate pair nor inside a character held as its UTF-8 bytes.
QString ShortenText(const QString &text, int max);

// Cuts every text of the record that is too long to the limit of its field.
void ShortenTexts(AgendaRecord &record);
