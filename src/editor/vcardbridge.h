#pragma once

#include "store/agenda.h"

#include <QString>

class Prompter;

// The editor's only contact with the vCard reader and writer.

// Fills `record` from the first card of the file; false (record unchanged) when the file
// cannot be read as a vCard.
bool ReadRecordVCard(AgendaRecord &record, const QString &path, Prompter &prompter);
// Writes `record` as a vCard file; false when the file cannot be written.
bool WriteRecordVCard(const AgendaRecord &record, const QString &path);
