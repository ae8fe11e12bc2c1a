<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</TS>
