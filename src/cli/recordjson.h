#pragma once

#include "store/agenda.h"

#include <QJsonObject>

// One used slot as a flat JSON object: "slot" and every record and navigation field under
// its own name; coordinates as objects, phones and e-mails as arrays, byte arrays as hex.
QJsonObject RecordToJson(int slot, const AgendaRecord &record);
