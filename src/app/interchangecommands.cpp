#include "app/kestravon.h"

// The vCard and CSV interchange commands are added here.
void KESTRAVON::ExportMenu() {}
void KESTRAVON::ImportMenu() {}
void KESTRAVON::ExportVcf() {}
void KESTRAVON::ImportVcf() {}
void KESTRAVON::InsertVcf() {}
void KESTRAVON::ExportCsv() {}
void KESTRAVON::ImportCsv() {}
void KESTRAVON::InsertCsv() {}
