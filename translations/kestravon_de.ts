<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppText</name>
    <message>
        <source>%1 - %2 - %3 - by velkaran</source>
        <extracomment>The window title: program name, version, release date.</extracomment>
        <translation>%1 - %2 - %3 - von velkaran</translation>
    </message>
    <message>
        <source>Check for program updates ?</source>
        <translation>Nach Programm-Updates suchen ?</translation>
    </message>
    <message>
        <source>Load Agenda.dat file</source>
        <translation>Agenda.dat-Datei laden</translation>
    </message>
    <message>
        <source>Save Agenda.dat file</source>
        <translation>Agenda.dat-Datei speichern</translation>
    </message>
    <message>
        <source>Agenda.dat (Agenda.dat);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Agenda.dat (Agenda.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Error loading file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Fehler beim Laden der Datei : %1</translation>
    </message>
    <message>
        <source>Error saving file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Fehler beim Speichern der Datei : %1</translation>
    </message>
    <message>
        <source>Save modified Agenda ?</source>
        <translation>Geänderte Agenda speichern ?</translation>
    </message>
    <message>
        <source>Exit %1 ?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 beenden ?</translation>
    </message>
    <message>
        <source>Delete selected records ?</source>
        <translation>Ausgewählte Datensätze löschen ?</translation>
    </message>
    <message>
        <source>Move selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Ausgewählte Datensätze zu %1 verschieben ?</translation>
    </message>
    <message>
        <source>Copy selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Ausgewählte Datensätze zu %1 kopieren ?</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Export to vCard</source>
        <translation>Als vCard exportieren</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>In eine vCard-Datei exportieren</translation>
    </message>
    <message>
        <source>Import from vCard</source>
        <translation>Aus vCard importieren</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Aus vCard einfügen</translation>
    </message>
    <message>
        <source>Export to Excel CSV</source>
        <translation>Als Excel-CSV exportieren</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Als Google-CSV exportieren</translation>
    </message>
    <message>
        <source>Import from Excel CSV</source>
        <translation>Aus Excel-CSV importieren</translation>
    </message>
    <message>
        <source>Insert from Excel CSV</source>
        <translation>Aus Excel-CSV einfügen</translation>
    </message>
    <message>
        <source>Move to user</source>
        <translation>Zu Benutzer verschieben</translation>
    </message>
    <message>
        <source>Copy to user</source>
        <translation>Zu Benutzer kopieren</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Telefonbuch prüfen</translation>
    </message>
    <message>
        <source>Nothing found: the unit can take every record as it is.</source>
        <translation>Nichts gefunden: Das Gerät kann jeden Datensatz so übernehmen, wie er ist.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s). Double-click one to select its record.</source>
        <translation>
            <numerusform>%n Befund. Doppelklick wählt seinen Datensatz aus.</numerusform>
            <numerusform>%n Befunde. Doppelklick auf einen Befund wählt seinen Datensatz aus.</numerusform>
        </translation>
    </message>
    <message>
        <source>new empty record</source>
        <translation>neuer leerer Datensatz</translation>
    </message>
    <message>
        <source>from Vcf file</source>
        <translation>aus vCard-Datei</translation>
    </message>
    <message>
        <source>from Excel CSV file</source>
        <translation>aus Excel-CSV-Datei</translation>
    </message>
    <message>
        <source>to Vcf file</source>
        <translation>in vCard-Datei</translation>
    </message>
    <message>
        <source>to one Vcf file</source>
        <translation>in eine einzige vCard-Datei</translation>
    </message>
    <message>
        <source>to Excel CSV file</source>
        <translation>in Excel-CSV-Datei</translation>
    </message>
    <message>
        <source>to Google CSV</source>
        <translation>in Google-CSV</translation>
    </message>
    <message>
        <source>&amp;Columns...</source>
        <translation>&amp;Spalten...</translation>
    </message>
    <message>
        <source>Choose what each column of the file holds</source>
        <translation>Festlegen, was jede Spalte der Datei enthält</translation>
    </message>
    <message>
        <source>The columns as recognised (layout: %1). Change what a column holds if it is wrong; the choice is remembered for files with the same columns.</source>
        <extracomment>%1 is the name of the recognised layout (&quot;Google Contacts&quot;, &quot;Outlook (German)&quot;).</extracomment>
        <translation>Die Spalten wie erkannt (Layout: %1). Ändern Sie, was eine Spalte enthält, wenn es nicht stimmt; die Wahl wird für Dateien mit denselben Spalten gespeichert.</translation>
    </message>
    <message>
        <source>The columns as chosen before. Change what a column holds; the choice is remembered for files with the same columns.</source>
        <translation>Die Spalten wie zuvor gewählt. Ändern Sie, was eine Spalte enthält; die Wahl wird für Dateien mit denselben Spalten gespeichert.</translation>
    </message>
</context>
<context>
    <name>BookText</name>
    <message>
        <source>No more space to add contact to Agenda</source>
        <translation>Kein Platz mehr für einen weiteren Kontakt in der Agenda</translation>
    </message>
    <message>
        <source>There is no record in this slot.</source>
        <translation>An dieser Stelle steht kein Datensatz.</translation>
    </message>
    <message>
        <source>A user cannot be deleted or given to another user.</source>
        <translation>Ein Benutzer kann weder gelöscht noch einem anderen Benutzer zugeordnet werden.</translation>
    </message>
    <message>
        <source>There is no such user.</source>
        <translation>Diesen Benutzer gibt es nicht.</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Check phonebook</source>
        <translation>Telefonbuch prüfen</translation>
    </message>
    <message>
        <source>Double-click a finding to select its record</source>
        <translation>Doppelklick auf einen Befund wählt seinen Datensatz aus</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Befund</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>owner %1 is not one of the phonebook&apos;s %2 users</source>
        <translation>Besitzer %1 ist keiner der %2 Benutzer des Telefonbuchs</translation>
    </message>
    <message>
        <source>%1 %2 holds characters a phone cannot dial</source>
        <translation>%1 %2 enthält Zeichen, die ein Telefon nicht wählen kann</translation>
    </message>
    <message>
        <source>has no label</source>
        <translation>hat keine Bezeichnung</translation>
    </message>
    <message>
        <source>has no label, phone or e-mail</source>
        <translation>hat weder Bezeichnung noch Telefonnummer oder E-Mail</translation>
    </message>
    <message>
        <source>%1 is %2 characters, the unit allows %3</source>
        <translation>%1 hat %2 Zeichen, das Gerät erlaubt %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>%1 the field (&quot;phone 2&quot;), %2 the number in quotes, %3 why it is no valid number (&quot;holds letters&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 has no country code and no region is set: it will not dial abroad</source>
        <translation>%1 %2 hat keine Landesvorwahl und keine Region ist eingestellt: Aus dem Ausland ist sie nicht wählbar</translation>
    </message>
    <message>
        <source>same label</source>
        <translation>gleiche Bezeichnung</translation>
    </message>
    <message>
        <source>same number as %1</source>
        <translation type="vanished">gleiche Nummer wie %1</translation>
    </message>
    <message>
        <source>looks like a duplicate of record %1 (%2)</source>
        <translation>scheint ein Duplikat von Datensatz %1 zu sein (%2)</translation>
    </message>
    <message>
        <source>GPS latitude %1 is beyond ±%2</source>
        <translation>GPS-Breite %1 liegt außerhalb von ±%2</translation>
    </message>
    <message>
        <source>GPS longitude %1 is beyond ±%2</source>
        <translation>GPS-Länge %1 liegt außerhalb von ±%2</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>Datensatz %1: %2</translation>
    </message>
    <message>
        <source>%1 %2 is the same number as record %3</source>
        <translation>%1 %2 ist dieselbe Nummer wie in Datensatz %3</translation>
    </message>
    <message>
        <source>%1 %2 is possibly the same number as record %3</source>
        <translation>%1 %2 ist möglicherweise dieselbe Nummer wie in Datensatz %3</translation>
    </message>
</context>
<context>
    <name>ColumnTitle</name>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Numb</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Phone-1</source>
        <translation>Telefon-1</translation>
    </message>
    <message>
        <source>Phone-2</source>
        <translation>Telefon-2</translation>
    </message>
    <message>
        <source>Phone-3</source>
        <translation>Telefon-3</translation>
    </message>
    <message>
        <source>Phone-4</source>
        <translation>Telefon-4</translation>
    </message>
    <message>
        <source>Phone-5</source>
        <translation>Telefon-5</translation>
    </message>
    <message>
        <source>Email-1</source>
        <translation>E-Mail-1</translation>
    </message>
    <message>
        <source>Email-2</source>
        <translation>E-Mail-2</translation>
    </message>
    <message>
        <source>Email-3</source>
        <translation>E-Mail-3</translation>
    </message>
    <message>
        <source>Email-4</source>
        <translation>E-Mail-4</translation>
    </message>
    <message>
        <source>Email-5</source>
        <translation>E-Mail-5</translation>
    </message>
    <message>
        <source>POI label</source>
        <translation>POI-Bezeichnung</translation>
    </message>
</context>
<context>
    <name>CsvColumns</name>
    <message>
        <source>Columns of the CSV file</source>
        <translation>Spalten der CSV-Datei</translation>
    </message>
    <message>
        <source>No column of this file is known to hold a name or a phone number. Choose what each column holds; the choice is remembered for files with the same columns.</source>
        <translation>Keine Spalte dieser Datei ist als Name oder Telefonnummer bekannt. Wählen Sie, was jede Spalte enthält; die Wahl wird für Dateien mit denselben Spalten gespeichert.</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Erste Werte</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Choose a column for the label, a name or a phone number.</source>
        <translation>Wählen Sie eine Spalte für die Bezeichnung, einen Namen oder eine Telefonnummer.</translation>
    </message>
</context>
<context>
    <name>EditRecord</name>
    <message>
        <source>Edit Record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>type :</source>
        <translation>Typ :</translation>
    </message>
    <message>
        <source>record type</source>
        <translation>Typ des Datensatzes</translation>
    </message>
    <message>
        <source>record :</source>
        <translation>Datensatz :</translation>
    </message>
    <message>
        <source>record number</source>
        <translation>Nummer des Datensatzes</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>select previous record for current user</source>
        <translation>Vorigen Datensatz des aktuellen Benutzers auswählen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>select next record for current user</source>
        <translation>Nächsten Datensatz des aktuellen Benutzers auswählen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>owner :</source>
        <translation>Besitzer :</translation>
    </message>
    <message>
        <source>record owner</source>
        <translation>Benutzer, dem der Datensatz gehört</translation>
    </message>
    <message>
        <source>label :</source>
        <translation>Bezeichnung :</translation>
    </message>
    <message>
        <source>label as appear on RTx phonebook</source>
        <translation>Bezeichnung, wie sie im Telefonbuch des RTx erscheint</translation>
    </message>
    <message>
        <source>note :</source>
        <translation>Notiz :</translation>
    </message>
    <message>
        <source>enter some comment for this record</source>
        <translation>Einen Kommentar zu diesem Datensatz eingeben</translation>
    </message>
    <message>
        <source>voice record index :</source>
        <translation>Sprachaufnahme-Index :</translation>
    </message>
    <message>
        <source>index of voice recorded label, if any</source>
        <translation>Index der als Sprachaufnahme gespeicherten Bezeichnung, falls vorhanden</translation>
    </message>
    <message>
        <source>sim position :</source>
        <translation>SIM-Position :</translation>
    </message>
    <message>
        <source>position in phone sim, if type=SIM</source>
        <translation>Position auf der SIM-Karte des Telefons, wenn Typ=SIM</translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation>vCard exportieren</translation>
    </message>
    <message>
        <source>export this record to vCard file</source>
        <translation>Diesen Datensatz in eine vCard-Datei exportieren</translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation>vCard importieren</translation>
    </message>
    <message>
        <source>import this record from vCard file</source>
        <translation>Diesen Datensatz aus einer vCard-Datei importieren</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>street :</source>
        <translation>Straße :</translation>
    </message>
    <message>
        <source>street of address information</source>
        <translation>Straße der Adresse</translation>
    </message>
    <message>
        <source>n° :</source>
        <translation>Nr. :</translation>
    </message>
    <message>
        <source>huose number of address information</source>
        <translation>Hausnummer der Adresse</translation>
    </message>
    <message>
        <source>zip :</source>
        <translation>PLZ :</translation>
    </message>
    <message>
        <source>post office code of address information</source>
        <translation>Postleitzahl der Adresse</translation>
    </message>
    <message>
        <source>town :</source>
        <translation>Ort :</translation>
    </message>
    <message>
        <source>town of address information</source>
        <translation>Ort der Adresse</translation>
    </message>
    <message>
        <source>country :</source>
        <translation>Land :</translation>
    </message>
    <message>
        <source>country of address information</source>
        <translation>Land der Adresse</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>1 :</source>
        <translation>1 :</translation>
    </message>
    <message>
        <source>phone number type</source>
        <translation>Typ der Telefonnummer</translation>
    </message>
    <message>
        <source>phone number</source>
        <translation>Telefonnummer</translation>
    </message>
    <message>
        <source>2 :</source>
        <translation>2 :</translation>
    </message>
    <message>
        <source>3 :</source>
        <translation>3 :</translation>
    </message>
    <message>
        <source>4 :</source>
        <translation>4 :</translation>
    </message>
    <message>
        <source>5 :</source>
        <translation>5 :</translation>
    </message>
    <message>
        <source>eMail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>email type</source>
        <translation>Typ der E-Mail-Adresse</translation>
    </message>
    <message>
        <source>email address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>InfoBel database</source>
        <translation>InfoBel-Datenbank</translation>
    </message>
    <message>
        <source>retrieve address and phone information from InfoBel database</source>
        <translation>Adresse und Telefonnummer aus der InfoBel-Datenbank abrufen</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>signed if GPS data present</source>
        <translation>Markiert, wenn GPS-Daten vorhanden sind</translation>
    </message>
    <message>
        <source>latitude :</source>
        <translation>Breite :</translation>
    </message>
    <message>
        <source>GPS coordinate</source>
        <translation>GPS-Koordinate</translation>
    </message>
    <message>
        <source>longitude :</source>
        <translation>Länge :</translation>
    </message>
    <message>
        <source>postal</source>
        <translation>Adressdaten</translation>
    </message>
    <message>
        <source>signed if Postal data present</source>
        <translation>Markiert, wenn Adressdaten vorhanden sind</translation>
    </message>
    <message>
        <source>type of Postal data</source>
        <translation>Typ der Adressdaten</translation>
    </message>
    <message>
        <source>code :</source>
        <translation>Code :</translation>
    </message>
    <message>
        <source>house n°:</source>
        <translation>Hausnr.:</translation>
    </message>
    <message>
        <source>road 1 :</source>
        <translation>Straße 1 :</translation>
    </message>
    <message>
        <source>road 2 :</source>
        <translation>Straße 2 :</translation>
    </message>
    <message>
        <source>PoI</source>
        <translation>PoI</translation>
    </message>
    <message>
        <source>signed if Poi data present</source>
        <translation>Markiert, wenn PoI-Daten vorhanden sind</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Kategorie :</translation>
    </message>
    <message>
        <source>facility :</source>
        <translation>Einrichtung :</translation>
    </message>
    <message>
        <source>ref.CD</source>
        <translation>Karten-CD</translation>
    </message>
    <message>
        <source>quarter :</source>
        <translation>Quartal :</translation>
    </message>
    <message>
        <source>informatin about map CD used for Navigation data</source>
        <translation>Angaben zur Karten-CD, aus der die Navigationsdaten stammen</translation>
    </message>
    <message>
        <source>year :</source>
        <translation>Jahr :</translation>
    </message>
    <message>
        <source>cid :</source>
        <translation>cid :</translation>
    </message>
    <message>
        <source>Geocode address</source>
        <translation>Geokodieren</translation>
    </message>
    <message>
        <source>retrieve GPS coordinate for record postal address</source>
        <translation>GPS-Koordinate zur Adresse des Datensatzes abrufen</translation>
    </message>
    <message>
        <source>ACP</source>
        <translation>ACP</translation>
    </message>
    <message>
        <source>ACP data, if type=ACP</source>
        <translation>ACP-Daten, wenn Typ=ACP</translation>
    </message>
    <message>
        <source>date 1 :</source>
        <translation>Datum 1 :</translation>
    </message>
    <message>
        <source>date 2 :</source>
        <translation>Datum 2 :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept all data and close dialog</source>
        <translation>Alle Angaben übernehmen und Dialog schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Diesen Dialog schließen</translation>
    </message>
</context>
<context>
    <name>EditorText</name>
    <message>
        <source>Edit Record</source>
        <translation>Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2.vcf</source>
        <translation>Als vCard exportieren : REC.%1 - %2.vcf</translation>
    </message>
    <message>
        <source>Invalid number.</source>
        <translation>Ungültige Zahl.</translation>
    </message>
    <message>
        <source>Write as %1</source>
        <translation>Als %1 schreiben</translation>
    </message>
</context>
<context>
    <name>FetchText</name>
    <message>
        <source>read : %1</source>
        <translation>Lesen : %1</translation>
    </message>
    <message>
        <source>Could not reach %1: %2</source>
        <translation>%1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid for %1</source>
        <translation>Das Zertifikat des Servers ist für %1 nicht gültig</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>Die sichere Verbindung zu %1 ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again in %2 s</source>
        <translation>Der Server ist ausgelastet (HTTP %1); versuchen Sie es in %2 s erneut</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again later</source>
        <translation>Der Server ist ausgelastet (HTTP %1); versuchen Sie es später erneut</translation>
    </message>
    <message>
        <source>The server refused the request (HTTP %1)</source>
        <translation>Der Server hat die Anfrage abgelehnt (HTTP %1)</translation>
    </message>
    <message>
        <source>The server does not know this address (HTTP %1)</source>
        <translation>Der Server kennt diese Adresse nicht (HTTP %1)</translation>
    </message>
    <message>
        <source>The server reported an error (HTTP %1)</source>
        <translation>Der Server hat einen Fehler gemeldet (HTTP %1)</translation>
    </message>
    <message>
        <source>The server did not answer within %1 s</source>
        <translation>Der Server hat nicht innerhalb von %1 s geantwortet</translation>
    </message>
    <message>
        <source>The server did not finish its answer within %1 s</source>
        <translation>Der Server hat seine Antwort nicht innerhalb von %1 s beendet</translation>
    </message>
    <message>
        <source>The server&apos;s answer is larger than %1</source>
        <translation>Die Antwort des Servers ist größer als %1</translation>
    </message>
    <message>
        <source>The server sent the request on to another host (%1); it was not followed</source>
        <translation>Der Server hat die Anfrage an einen anderen Host weitergeleitet (%1); der Weiterleitung wurde nicht gefolgt</translation>
    </message>
    <message>
        <source>The server sent the request on to an unencrypted address; it was not followed</source>
        <translation>Der Server hat die Anfrage an eine unverschlüsselte Adresse weitergeleitet; der Weiterleitung wurde nicht gefolgt</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>The server sent an empty answer</source>
        <translation>Der Server hat eine leere Antwort gesendet</translation>
    </message>
</context>
<context>
    <name>FieldName</name>
    <message>
        <source>record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>number</source>
        <translation>Hausnummer</translation>
    </message>
    <message>
        <source>zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>city</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>GPS-Position</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>POI label</source>
        <translation>POI-Bezeichnung</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>Besitzer</translation>
    </message>
</context>
<context>
    <name>Geocode</name>
    <message>
        <source>Actual values</source>
        <translation>Aktuelle Werte</translation>
    </message>
    <message>
        <source>A&amp;ddress :</source>
        <translation>A&amp;dresse :</translation>
    </message>
    <message>
        <source>Insert here &quot;street,number&quot; to search</source>
        <translation>Hier „Straße,Hausnummer“ für die Suche eingeben</translation>
    </message>
    <message>
        <source>Cit&amp;y :</source>
        <translation>&amp;Ort :</translation>
    </message>
    <message>
        <source>city  to search</source>
        <translation>Ort für die Suche</translation>
    </message>
    <message>
        <source>&amp;Zip :</source>
        <translation>&amp;PLZ :</translation>
    </message>
    <message>
        <source>post office code  to search</source>
        <translation>Postleitzahl für die Suche</translation>
    </message>
    <message>
        <source>&amp;State :</source>
        <translation>&amp;Region :</translation>
    </message>
    <message>
        <source>state or country  to search</source>
        <translation>Region oder Land für die Suche</translation>
    </message>
    <message>
        <source>Coun&amp;try :</source>
        <translation>&amp;Land :</translation>
    </message>
    <message>
        <source>country abreviation</source>
        <translation>Länderkürzel</translation>
    </message>
    <message>
        <source>&amp;Latitude,Longitude :</source>
        <translation>&amp;Breite, Länge :</translation>
    </message>
    <message>
        <source>original longitude</source>
        <translation>Ursprüngliche Koordinaten</translation>
    </message>
    <message>
        <source>Result from : Yahoo! - Geocoding API</source>
        <translation>Ergebnis von : Yahoo! - Geocoding API</translation>
    </message>
    <message>
        <source>value result from query</source>
        <translation>Ergebnis der Abfrage</translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Query actual value to Yahoo! geocondig API</source>
        <translation>Aktuelle Werte bei der Geocoding API von Yahoo! abfragen</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>Google Maps</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>Accept latitude and longitude result, and close dialog</source>
        <translation>Gefundene Breite und Länge übernehmen und Dialog schließen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Diesen Dialog schließen</translation>
    </message>
</context>
<context>
    <name>GeocodeText</name>
    <message>
        <source>Exact address not found. Here the best result.&amp;Try to change some detail ie: add/remove zip, house number, name prefix/suffix.</source>
        <translation>Genaue Adresse nicht gefunden. Hier das beste Ergebnis.&amp;Ändern Sie einige Angaben, z. B. PLZ, Hausnummer, Namenszusätze hinzufügen oder entfernen.</translation>
    </message>
    <message>
        <source>Query failed</source>
        <translation>Abfrage fehlgeschlagen</translation>
    </message>
    <message>
        <source>Nothing found for this address</source>
        <translation>Zu dieser Adresse nichts gefunden</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>&amp;Query (waiting)</source>
        <translation>&amp;Suchen (wartet)</translation>
    </message>
    <message>
        <source>Get GPS position</source>
        <translation>GPS-Position ermitteln</translation>
    </message>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© OpenStreetMap-Mitwirkende</translation>
    </message>
    <message>
        <source>Result from : %1</source>
        <translation>Ergebnis von : %1</translation>
    </message>
    <message>
        <source>Query actual value to %1</source>
        <translation>Aktuelle Werte bei %1 abfragen</translation>
    </message>
</context>
<context>
    <name>ImportReview</name>
    <message>
        <source>Insert from vCard</source>
        <translation>Aus vCard einfügen</translation>
    </message>
    <message>
        <source>Insert for user:</source>
        <translation>Einfügen für Benutzer:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Keine auswählen</translation>
    </message>
    <message>
        <source>Shorten texts to the unit&apos;s limits</source>
        <translation>Texte auf die Grenzen des Geräts kürzen</translation>
    </message>
    <message>
        <source>Write phone numbers in international form</source>
        <translation>Telefonnummern im internationalen Format schreiben</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Hinweise</translation>
    </message>
</context>
<context>
    <name>InfoBel</name>
    <message>
        <source>country :</source>
        <translation>Land :</translation>
    </message>
    <message>
        <source>Use only country supported by InfoBel</source>
        <translation>Nur von InfoBel unterstützte Länder verwenden</translation>
    </message>
    <message>
        <source>firstname :</source>
        <translation>Vorname :</translation>
    </message>
    <message>
        <source>Specify first name to refine your search</source>
        <translation>Geben Sie den Vornamen an, um die Suche einzugrenzen</translation>
    </message>
    <message>
        <source>lastname :</source>
        <translation>Nachname :</translation>
    </message>
    <message>
        <source>Lastname is mandatory for private query</source>
        <translation>Für die Suche nach Privatpersonen ist der Nachname Pflicht</translation>
    </message>
    <message>
        <source>city :</source>
        <translation>Ort :</translation>
    </message>
    <message>
        <source>Specify city to refine your search</source>
        <translation>Geben Sie den Ort an, um die Suche einzugrenzen</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Search in private database</source>
        <translation>In den Einträgen von Privatpersonen suchen</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Branche :</translation>
    </message>
    <message>
        <source>Specify business category to refine your search</source>
        <translation>Geben Sie die Branche an, um die Suche einzugrenzen</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Firmen</translation>
    </message>
    <message>
        <source>Search in business database</source>
        <translation>In den Einträgen von Firmen suchen</translation>
    </message>
    <message>
        <source>phone :</source>
        <translation>Telefon :</translation>
    </message>
    <message>
        <source>Phone number is mandatory for Inverse search</source>
        <translation>Für die Rückwärtssuche ist die Telefonnummer Pflicht</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Search name and address from phone number</source>
        <translation>Name und Adresse zur Telefonnummer suchen</translation>
    </message>
    <message>
        <source>result : </source>
        <translation>Ergebnis : </translation>
    </message>
    <message>
        <source>found : 100  - read 20</source>
        <translation>Gefunden : 100  - gelesen 20</translation>
    </message>
    <message>
        <source>+20</source>
        <translation>+20</translation>
    </message>
    <message>
        <source>read other 20 result, if any</source>
        <translation>Weitere 20 Ergebnisse lesen, falls vorhanden</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close and accept selected result</source>
        <translation>Schließen und ausgewähltes Ergebnis übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Diesen Dialog schließen</translation>
    </message>
</context>
<context>
    <name>InfoBelText</name>
    <message>
        <source>%1 Query</source>
        <translation>%1-Abfrage</translation>
    </message>
    <message>
        <source>write query data</source>
        <translation>Suchdaten eingeben</translation>
    </message>
    <message>
        <source>searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>found: 0 result</source>
        <translation>gefunden: 0 Ergebnisse</translation>
    </message>
    <message>
        <source>found: %1 / %2 result</source>
        <translation>gefunden: %1 / %2 Ergebnisse</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straße</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>Telefon</translation>
    </message>
</context>
<context>
    <name>InterchangeText</name>
    <message>
        <source>File: %1 - Unknown token &quot;%2&quot; at line %3</source>
        <translation>Datei: %1 - Unbekanntes Token „%2“ in Zeile %3</translation>
    </message>
    <message>
        <source>Error exporting file : %1</source>
        <translation>Fehler beim Exportieren der Datei : %1</translation>
    </message>
    <message>
        <source>Error importing file : %1</source>
        <translation>Fehler beim Importieren der Datei : %1</translation>
    </message>
    <message>
        <source>Error importing : %1</source>
        <translation>Fehler beim Importieren : %1</translation>
    </message>
    <message>
        <source>Error importing : %1 (card %2)</source>
        <translation>Fehler beim Importieren : %1 (Karte %2)</translation>
    </message>
    <message>
        <source>Error creating file : %1</source>
        <translation>Fehler beim Anlegen der Datei : %1</translation>
    </message>
    <message>
        <source>Error reading file : %1</source>
        <translation>Fehler beim Lesen der Datei : %1</translation>
    </message>
    <message>
        <source>Error exporting record %1: %2</source>
        <translation>Fehler beim Exportieren von Datensatz %1: %2</translation>
    </message>
    <message>
        <source>Error importing record %1: %2</source>
        <translation>Fehler beim Importieren von Datensatz %1: %2</translation>
    </message>
    <message>
        <source>Error importing line %1: %2</source>
        <translation>Fehler beim Importieren von Zeile %1: %2</translation>
    </message>
    <message>
        <source>no BEGIN:VCARD line</source>
        <translation>keine Zeile BEGIN:VCARD</translation>
    </message>
    <message>
        <source>card %1 has no END:VCARD line</source>
        <translation>Karte %1 hat keine Zeile END:VCARD</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>Zeile %1 ist keine vCard-Eigenschaft</translation>
    </message>
    <message>
        <source>not this program&apos;s CSV (UTF-16 with the header &quot;last;first;note;...&quot;); other CSV files can be inserted as new records</source>
        <translation>keine CSV-Datei dieses Programms (UTF-16 mit der Kopfzeile „last;first;note;...“); andere CSV-Dateien lassen sich als neue Datensätze einfügen</translation>
    </message>
    <message>
        <source>no label or phone column among: %1</source>
        <translation>keine Spalte für Bezeichnung oder Telefon unter: %1</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2</source>
        <translation>Als vCard exportieren : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Import from vCard : REC.%1 - %2</source>
        <translation>Aus vCard importieren : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Aus vCard einfügen</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>In eine vCard-Datei exportieren</translation>
    </message>
    <message>
        <source>Export to Excel CSV file</source>
        <translation>In Excel-CSV-Datei exportieren</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Als Google-CSV exportieren</translation>
    </message>
    <message>
        <source>Import from Excel CSV file</source>
        <translation>Aus Excel-CSV-Datei importieren</translation>
    </message>
    <message>
        <source>Insert from Excel CSV file</source>
        <translation>Aus Excel-CSV-Datei einfügen</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n Karte</numerusform>
            <numerusform>%n Karten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free place(s)</source>
        <translation>
            <numerusform>%n freier Platz</numerusform>
            <numerusform>%n freie Plätze</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected, %3</source>
        <extracomment>%1 the cards or rows (&quot;312 cards&quot;), %2 how many of them are selected, %3 the free places (&quot;91 free places&quot;).</extracomment>
        <translation>%1, %2 ausgewählt, %3</translation>
    </message>
    <message>
        <source>already in this user&apos;s list</source>
        <translation>schon in der Liste dieses Benutzers</translation>
    </message>
    <message>
        <source>too long for the unit</source>
        <translation>zu lang für das Gerät</translation>
    </message>
    <message>
        <source>more than five phones / e-mails</source>
        <translation>mehr als fünf Telefonnummern / E-Mails</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 dropped</source>
        <translation>mehr als fünf Telefonnummern / E-Mails: %1 entfallen</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 and %2 dropped</source>
        <translation>mehr als fünf Telefonnummern / E-Mails: %1 und %2 entfallen</translation>
    </message>
    <message numerus="yes">
        <source>%n phone(s)</source>
        <translation>
            <numerusform>%n Telefonnummer</numerusform>
            <numerusform>%n Telefonnummern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail(s)</source>
        <translation>
            <numerusform>%n E-Mail</numerusform>
            <numerusform>%n E-Mails</numerusform>
        </translation>
    </message>
    <message>
        <source>no name</source>
        <translation>kein Name</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>contact group, not a contact</source>
        <translation>Kontaktgruppe, kein Kontakt</translation>
    </message>
    <message>
        <source>empty card</source>
        <translation>leere Karte</translation>
    </message>
    <message>
        <source>same as an earlier card</source>
        <translation>gleich wie eine frühere Karte</translation>
    </message>
    <message>
        <source>position not understood</source>
        <translation>Position nicht verstanden</translation>
    </message>
    <message>
        <source>position not understood (GEO:%1)</source>
        <translation>Position nicht verstanden (GEO:%1)</translation>
    </message>
    <message>
        <source>same name, other number</source>
        <translation>gleicher Name, andere Nummer</translation>
    </message>
    <message>
        <source>all cards</source>
        <translation>alle Karten</translation>
    </message>
    <message>
        <source>vCard file (*.vcf);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>vCard-Datei (*.vcf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Excel CSV file (*.csv);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Excel-CSV-Datei (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
    <message>
        <source>empty row</source>
        <translation>leere Zeile</translation>
    </message>
    <message>
        <source>same as an earlier row</source>
        <translation>gleich wie eine frühere Zeile</translation>
    </message>
    <message>
        <source>all rows</source>
        <translation>alle Zeilen</translation>
    </message>
</context>
<context>
    <name>KESTRAVONLayout</name>
    <message>
        <source>Load new agenda.dat file</source>
        <translation>Eine Agenda.dat-Datei laden</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>Current Agenda.dat file loaded</source>
        <translation>Aktuell geladene Agenda.dat-Datei</translation>
    </message>
    <message>
        <source>Save current agenda.dat to file</source>
        <translation>Aktuelle Agenda.dat in die Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Export selected record to vCard or CSV file</source>
        <translation>Ausgewählten Datensatz in eine vCard- oder CSV-Datei exportieren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Import selected record from vCard or CSV file</source>
        <translation>Ausgewählten Datensatz aus einer vCard- oder CSV-Datei importieren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Add a new record</source>
        <translation>Neuen Datensatz hinzufügen</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>Ei&amp;nfügen</translation>
    </message>
    <message>
        <source>Delete selected records</source>
        <translation>Ausgewählte Datensätze löschen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>Edit current record</source>
        <translation>Aktuellen Datensatz bearbeiten</translation>
    </message>
    <message>
        <source>Edi&amp;t</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Show only the records holding this text (Ctrl+F)</source>
        <translation>Nur Datensätze anzeigen, die diesen Text enthalten (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>List what the unit would refuse or show oddly</source>
        <translation>Auflisten, was das Gerät ablehnen oder falsch anzeigen würde</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Telefonbuch prüfen</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Been&amp;den</translation>
    </message>
</context>
<context>
    <name>LoadText</name>
    <message>
        <source>Field text length is greater than allowed maximum!&amp;characters read=%1 - max=%2&amp;text=%3&amp;[* Continue to load this file ?]&amp;(continue only if text show above is correct)</source>
        <extracomment>Markup: &quot;&amp;&quot; a new line, &quot;[* ...]&quot; bold. %1 the length read, %2 the limit, %3 the text.</extracomment>
        <translation>Die Textlänge des Feldes überschreitet das erlaubte Maximum!&amp;gelesene Zeichen=%1 - max=%2&amp;Text=%3&amp;[* Laden dieser Datei fortsetzen ?]&amp;(nur fortsetzen, wenn der oben gezeigte Text richtig ist)</translation>
    </message>
    <message>
        <source>The file is not a phonebook file.</source>
        <translation>Die Datei ist keine Telefonbuchdatei.</translation>
    </message>
    <message>
        <source>The file ends inside record %1.</source>
        <translation>Die Datei endet mitten in Datensatz %1.</translation>
    </message>
    <message>
        <source>Loading was stopped at record %1, whose text is longer than allowed.</source>
        <translation>Das Laden wurde bei Datensatz %1 abgebrochen, dessen Text länger als erlaubt ist.</translation>
    </message>
    <message>
        <source>The compressed data is damaged.</source>
        <translation>Die komprimierten Daten sind beschädigt.</translation>
    </message>
    <message>
        <source>The unpacked phonebook is larger than 64 MiB.</source>
        <translation>Das entpackte Telefonbuch ist größer als 64 MiB.</translation>
    </message>
    <message>
        <source>The sidecar file %1 cannot be read.</source>
        <translation>Die Begleitdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know.</source>
        <translation>Dieses Telefonbuch hat die Formatversion %1, die dieses Programm nicht kennt.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know. Open it anyway? It will be saved as version 80.</source>
        <translation>Dieses Telefonbuch hat die Formatversion %1, die dieses Programm nicht kennt. Trotzdem öffnen? Es wird als Version 80 gespeichert.</translation>
    </message>
</context>
<context>
    <name>OnlineText</name>
    <message>
        <source>The look-ups and the update check are not available: their module could not be loaded.</source>
        <translation>Die Abfragen und die Update-Suche sind nicht verfügbar: Ihr Modul konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: nicht gefunden</translation>
    </message>
    <message>
        <source>%1: built for another version of the program</source>
        <translation>%1: für eine andere Version des Programms gebaut</translation>
    </message>
</context>
<context>
    <name>PhoneReason</name>
    <message>
        <source>holds pause or tone characters</source>
        <translation>enthält Pausen- oder Tonwahlzeichen</translation>
    </message>
    <message>
        <source>holds letters</source>
        <translation>enthält Buchstaben</translation>
    </message>
    <message>
        <source>holds characters that are no part of a number</source>
        <translation>enthält Zeichen, die nicht zu einer Nummer gehören</translation>
    </message>
    <message>
        <source>has no country code and no region is set</source>
        <translation>hat keine Landesvorwahl und keine Region ist eingestellt</translation>
    </message>
    <message>
        <source>is not a phone number</source>
        <translation>ist keine Telefonnummer</translation>
    </message>
    <message>
        <source>is not a valid number</source>
        <translation>ist keine gültige Nummer</translation>
    </message>
    <message>
        <source>is not a valid number for %1</source>
        <translation>ist keine gültige Nummer für %1</translation>
    </message>
    <message>
        <source>would be longer than %1 characters</source>
        <translation>wäre länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2: kept as typed</source>
        <translation>&quot;%1&quot; %2: bleibt wie eingegeben</translation>
    </message>
    <message>
        <source>same number as record %1</source>
        <translation>gleiche Nummer wie Datensatz %1</translation>
    </message>
    <message>
        <source>possibly the same number as record %1</source>
        <translation>möglicherweise dieselbe Nummer wie Datensatz %1</translation>
    </message>
</context>
<context>
    <name>PhoneText</name>
    <message>
        <source>Tidy phone numbers</source>
        <translation>Telefonnummern bereinigen</translation>
    </message>
    <message>
        <source>Phone region...</source>
        <translation>Telefonregion...</translation>
    </message>
    <message>
        <source>The selected records hold no phone number to tidy.</source>
        <translation>Die ausgewählten Datensätze enthalten keine zu bereinigende Telefonnummer.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vorher</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nachher</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <translation>beibehalten: %1</translation>
    </message>
    <message>
        <source>Form:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>International (+39 06 1234 5678)</source>
        <translation>International (+39 06 1234 5678)</translation>
    </message>
    <message>
        <source>E.164 (+390612345678)</source>
        <translation>E.164 (+390612345678)</translation>
    </message>
    <message>
        <source>National (06 1234 5678)</source>
        <translation>National (06 1234 5678)</translation>
    </message>
    <message>
        <source>%1 numbers change, %2 selected, %3 kept as they are</source>
        <translation>Zu ändern: %1, ausgewählt: %2, unverändert: %3</translation>
    </message>
    <message>
        <source>Numbers without a country code are read as numbers of %1.</source>
        <translation>Nummern ohne Landesvorwahl gelten als Nummern von %1.</translation>
    </message>
    <message>
        <source>No region is set: numbers without a country code are kept.</source>
        <translation>Keine Region eingestellt: Nummern ohne Landesvorwahl bleiben unverändert.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Keine auswählen</translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation>Telefonregion</translation>
    </message>
    <message>
        <source>Read phone numbers without a country code as numbers of:</source>
        <translation>Telefonnummern ohne Landesvorwahl lesen als Nummern von:</translation>
    </message>
    <message>
        <source>The system&apos;s region (%1)</source>
        <translation>Region des Systems (%1)</translation>
    </message>
    <message>
        <source>The system&apos;s region (none)</source>
        <translation>Region des Systems (keine)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Phone numbers cannot be read as numbers: the phone number module could not be loaded. Numbers are kept as typed and compared by their digits.</source>
        <translation>Telefonnummern können nicht als Nummern gelesen werden: Das Telefonnummern-Modul konnte nicht geladen werden. Nummern bleiben wie eingegeben und werden nach ihren Ziffern verglichen.</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>%1 received</source>
        <translation>%1 empfangen</translation>
    </message>
</context>
<context>
    <name>ReadText</name>
    <message>
        <source>more than %1 rows</source>
        <translation>mehr als %1 Zeilen</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>keine Kopfzeile</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>Zeile %1: Ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>the text ends inside a UTF-16 character</source>
        <translation>der Text endet mitten in einem UTF-16-Zeichen</translation>
    </message>
    <message>
        <source>the text is not valid UTF-16</source>
        <translation>der Text ist kein gültiges UTF-16</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>der Text ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>keine Textdatei</translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>Address modified: clear &quot;Postal&quot; and &quot;Poi&quot; informations ?</source>
        <translation>Adresse geändert: Angaben zu „Postal“ und „Poi“ löschen ?</translation>
    </message>
    <message>
        <source>Label modified: clear &quot;voice record index&quot; informations ?</source>
        <translation>Bezeichnung geändert: Angabe zum „Sprachaufnahme-Index“ löschen ?</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <extracomment>%1 is the field&apos;s limit.</extracomment>
        <translation>Bitte höchstens %1 Zeichen eingeben.</translation>
    </message>
    <message>
        <source>Null value not allowed.</source>
        <translation>Leerer Wert nicht erlaubt.</translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <extracomment>%1, %2: the lowest and highest value allowed.</extracomment>
        <translation>Die Zahl muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Invalid GPS position.</source>
        <translation>Ungültige GPS-Position.</translation>
    </message>
</context>
<context>
    <name>SafeFileText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Die Datei ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB.</source>
        <translation>Die Datei ist größer als 64 MiB.</translation>
    </message>
</context>
<context>
    <name>UpdateText</name>
    <message>
        <source>Download of %1 failed</source>
        <extracomment>%1 is the address that was downloaded.</extracomment>
        <translation>Herunterladen von %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>[3B New version present !&amp;]Program filename -|: %1&amp;Version          -|: %2&amp;Release date     -|: %3&amp;&amp;Would you download the new file ?</source>
        <extracomment>Markup: &quot;[3B ...]&quot; a heading, &quot;&amp;&quot; a new line, &quot;-|&quot; a tab. %1 the file name, %2 the version, %3 its date.</extracomment>
        <translation>[3B Neue Version verfügbar !&amp;]Programmdatei -|: %1&amp;Version          -|: %2&amp;Veröffentlicht am -|: %3&amp;&amp;Möchten Sie die neue Datei herunterladen ?</translation>
    </message>
    <message>
        <source>Your program is up to date</source>
        <translation>Ihr Programm ist auf dem neuesten Stand</translation>
    </message>
    <message>
        <source>The update is not signed by the publisher</source>
        <translation>Das Update ist nicht vom Herausgeber signiert</translation>
    </message>
    <message>
        <source>The update archive is damaged (%1)</source>
        <translation>Das Update-Archiv ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>Error starting the new version</source>
        <translation>Fehler beim Starten der neuen Version</translation>
    </message>
    <message>
        <source>The new version does not start on this computer: %1</source>
        <translation>Die neue Version startet auf diesem Computer nicht: %1</translation>
    </message>
    <message>
        <source>The new version stopped at start-up; the previous version was restored.</source>
        <translation>Die neue Version hat beim Start abgebrochen; die vorige Version wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s; the previous version was restored.</source>
        <translation>Die neue Version hat ihr Fenster nicht innerhalb von %1 s geöffnet; die vorige Version wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The new version stopped at start-up.</source>
        <translation>Die neue Version hat beim Start abgebrochen.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s.</source>
        <translation>Die neue Version hat ihr Fenster nicht innerhalb von %1 s geöffnet.</translation>
    </message>
    <message>
        <source>The previous version could not be put back: rename %1 to %2 by hand.</source>
        <translation>Die vorige Version konnte nicht zurückgelegt werden: Benennen Sie %1 von Hand in %2 um.</translation>
    </message>
    <message>
        <source>No update found</source>
        <translation>Kein Update gefunden</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>ended by signal %1</source>
        <translation>durch Signal %1 beendet</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>Exit-Status %1</translation>
    </message>
    <message>
        <source>it reports &quot;%1&quot; instead of version %2</source>
        <translation>sie meldet „%1“ statt Version %2</translation>
    </message>
</context>
</TS>
