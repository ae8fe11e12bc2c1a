#include "editor/editrecorddlg.h"

// The InfoBel directory and geocoding dialogs fill the address, phone and GPS controls.
// They are not part of the program yet, so the buttons do nothing for now.

void EditRecordDlg::OnInfoBel()
{
}

void EditRecordDlg::OnGeocode()
{
}
