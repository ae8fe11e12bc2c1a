#include "editor/vcardbridge.h"

// The vCard reader and writer are not part of the program yet: until they are, every
// import and export reports failure and the editor shows its error message.

bool ReadRecordVCard(AgendaRecord &, const QString &, Prompter &)
{
    return false;
}

bool WriteRecordVCard(const AgendaRecord &, const QString &)
{
    return false;
}
