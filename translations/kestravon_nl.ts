<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CheckReport</name>
    <message>
        <source>Check phonebook</source>
        <translation>Telefoonboek controleren</translation>
    </message>
    <message>
        <source>Double-click a finding to select its record</source>
        <translation>Dubbelklik op een bevinding om het bijbehorende record te selecteren</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Gebruiker</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Bevinding</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>EditRecord</name>
    <message>
        <source>Edit Record</source>
        <translation>Record bewerken</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>type :</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>record type</source>
        <translation>Type van het record</translation>
    </message>
    <message>
        <source>record :</source>
        <translation>Record :</translation>
    </message>
    <message>
        <source>record number</source>
        <translation>Nummer van het record</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>select previous record for current user</source>
        <translation>Vorig record van de huidige gebruiker selecteren</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>select next record for current user</source>
        <translation>Volgend record van de huidige gebruiker selecteren</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Algemeen</translation>
    </message>
    <message>
        <source>owner :</source>
        <translation>Eigenaar :</translation>
    </message>
    <message>
        <source>record owner</source>
        <translation>Gebruiker aan wie het record toebehoort</translation>
    </message>
    <message>
        <source>label :</source>
        <translation>Label :</translation>
    </message>
    <message>
        <source>label as appear on RTx phonebook</source>
        <translation>Label zoals het in het telefoonboek van de RTx verschijnt</translation>
    </message>
    <message>
        <source>note :</source>
        <translation>Notitie :</translation>
    </message>
    <message>
        <source>enter some comment for this record</source>
        <translation>Voer een opmerking bij dit record in</translation>
    </message>
    <message>
        <source>voice record index :</source>
        <translation>Index spraakopname :</translation>
    </message>
    <message>
        <source>index of voice recorded label, if any</source>
        <translation>Index van het ingesproken label, indien aanwezig</translation>
    </message>
    <message>
        <source>sim position :</source>
        <translation>SIM-positie :</translation>
    </message>
    <message>
        <source>position in phone sim, if type=SIM</source>
        <translation>Positie op de SIM-kaart van de telefoon, als type=SIM</translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation>vCard exporteren</translation>
    </message>
    <message>
        <source>export this record to vCard file</source>
        <translation>Dit record naar een vCard-bestand exporteren</translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation>vCard importeren</translation>
    </message>
    <message>
        <source>import this record from vCard file</source>
        <translation>Dit record uit een vCard-bestand importeren</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>street :</source>
        <translation>Straat :</translation>
    </message>
    <message>
        <source>street of address information</source>
        <translation>Straat van het adres</translation>
    </message>
    <message>
        <source>n° :</source>
        <translation>Nr. :</translation>
    </message>
    <message>
        <source>huose number of address information</source>
        <translation>Huisnummer van het adres</translation>
    </message>
    <message>
        <source>zip :</source>
        <translation>Postcode :</translation>
    </message>
    <message>
        <source>post office code of address information</source>
        <translation>Postcode van het adres</translation>
    </message>
    <message>
        <source>town :</source>
        <translation>Plaats :</translation>
    </message>
    <message>
        <source>town of address information</source>
        <translation>Plaats van het adres</translation>
    </message>
    <message>
        <source>country :</source>
        <translation>Land :</translation>
    </message>
    <message>
        <source>country of address information</source>
        <translation>Land van het adres</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>1 :</source>
        <translation>1 :</translation>
    </message>
    <message>
        <source>phone number type</source>
        <translation>Type telefoonnummer</translation>
    </message>
    <message>
        <source>phone number</source>
        <translation>Telefoonnummer</translation>
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
        <translation>E-mail</translation>
    </message>
    <message>
        <source>email type</source>
        <translation>Type e-mailadres</translation>
    </message>
    <message>
        <source>email address</source>
        <translation>E-mailadres</translation>
    </message>
    <message>
        <source>InfoBel database</source>
        <translation>InfoBel-database</translation>
    </message>
    <message>
        <source>retrieve address and phone information from InfoBel database</source>
        <translation>Adres- en telefoongegevens ophalen uit de InfoBel-database</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigatie</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>signed if GPS data present</source>
        <translation>Aangevinkt als er GPS-gegevens zijn</translation>
    </message>
    <message>
        <source>latitude :</source>
        <translation>Breedtegraad :</translation>
    </message>
    <message>
        <source>GPS coordinate</source>
        <translation>GPS-coördinaat</translation>
    </message>
    <message>
        <source>longitude :</source>
        <translation>Lengtegraad :</translation>
    </message>
    <message>
        <source>postal</source>
        <translation>Adresgegevens</translation>
    </message>
    <message>
        <source>signed if Postal data present</source>
        <translation>Aangevinkt als er adresgegevens zijn</translation>
    </message>
    <message>
        <source>type of Postal data</source>
        <translation>Type adresgegevens</translation>
    </message>
    <message>
        <source>code :</source>
        <translation>Code :</translation>
    </message>
    <message>
        <source>house n°:</source>
        <translation>Huisnr.:</translation>
    </message>
    <message>
        <source>road 1 :</source>
        <translation>Straat 1 :</translation>
    </message>
    <message>
        <source>road 2 :</source>
        <translation>Straat 2 :</translation>
    </message>
    <message>
        <source>PoI</source>
        <translation>PoI</translation>
    </message>
    <message>
        <source>signed if Poi data present</source>
        <translation>Aangevinkt als er PoI-gegevens zijn</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Categorie :</translation>
    </message>
    <message>
        <source>facility :</source>
        <translation>Voorziening :</translation>
    </message>
    <message>
        <source>ref.CD</source>
        <translation>Ref. cd</translation>
    </message>
    <message>
        <source>quarter :</source>
        <translation>Kwartaal :</translation>
    </message>
    <message>
        <source>informatin about map CD used for Navigation data</source>
        <translation>Informatie over de kaart-cd die voor de navigatiegegevens is gebruikt</translation>
    </message>
    <message>
        <source>year :</source>
        <translation>Jaar :</translation>
    </message>
    <message>
        <source>cid :</source>
        <translation>cid :</translation>
    </message>
    <message>
        <source>Geocode address</source>
        <translation>Geocoderen</translation>
    </message>
    <message>
        <source>retrieve GPS coordinate for record postal address</source>
        <translation>GPS-coördinaat voor het adres van het record ophalen</translation>
    </message>
    <message>
        <source>ACP</source>
        <translation>ACP</translation>
    </message>
    <message>
        <source>ACP data, if type=ACP</source>
        <translation>ACP-gegevens, als type=ACP</translation>
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
        <translation>Alle gegevens accepteren en het venster sluiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Dit venster sluiten</translation>
    </message>
</context>
<context>
    <name>Geocode</name>
    <message>
        <source>Actual values</source>
        <translation>Huidige waarden</translation>
    </message>
    <message>
        <source>A&amp;ddress :</source>
        <translation>&amp;Adres :</translation>
    </message>
    <message>
        <source>Insert here &quot;street,number&quot; to search</source>
        <translation>Voer hier &quot;straat,nummer&quot; in om te zoeken</translation>
    </message>
    <message>
        <source>Cit&amp;y :</source>
        <translation>&amp;Plaats :</translation>
    </message>
    <message>
        <source>city  to search</source>
        <translation>Te zoeken plaats</translation>
    </message>
    <message>
        <source>&amp;Zip :</source>
        <translation>Post&amp;code :</translation>
    </message>
    <message>
        <source>post office code  to search</source>
        <translation>Te zoeken postcode</translation>
    </message>
    <message>
        <source>&amp;State :</source>
        <translation>&amp;Regio :</translation>
    </message>
    <message>
        <source>state or country  to search</source>
        <translation>Te zoeken regio of land</translation>
    </message>
    <message>
        <source>Coun&amp;try :</source>
        <translation>&amp;Land :</translation>
    </message>
    <message>
        <source>country abreviation</source>
        <translation>Afkorting van het land</translation>
    </message>
    <message>
        <source>&amp;Latitude,Longitude :</source>
        <translation>&amp;Breedtegraad, lengtegraad :</translation>
    </message>
    <message>
        <source>original longitude</source>
        <translation>Oorspronkelijke coördinaten</translation>
    </message>
    <message>
        <source>Result from : Yahoo! - Geocoding API</source>
        <translation>Resultaat van : Yahoo! - Geocoding API</translation>
    </message>
    <message>
        <source>value result from query</source>
        <translation>Resultaat van de zoekopdracht</translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>Query actual value to Yahoo! geocondig API</source>
        <translation>Huidige waarden opvragen bij de geocoding-API van Yahoo!</translation>
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
        <translation>Gevonden breedte- en lengtegraad accepteren en het venster sluiten</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uleren</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Dit venster sluiten</translation>
    </message>
</context>
<context>
    <name>ImportReview</name>
    <message>
        <source>Insert from vCard</source>
        <translation>Invoegen uit vCard</translation>
    </message>
    <message>
        <source>Insert for user:</source>
        <translation>Invoegen voor gebruiker:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Tonen:</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Niets selecteren</translation>
    </message>
    <message>
        <source>Shorten texts to the unit&apos;s limits</source>
        <translation>Teksten inkorten tot de limieten van het apparaat</translation>
    </message>
    <message>
        <source>Write phone numbers in international form</source>
        <translation>Telefoonnummers in internationale notatie schrijven</translation>
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
        <translation>Gebruik alleen landen die InfoBel ondersteunt</translation>
    </message>
    <message>
        <source>firstname :</source>
        <translation>Voornaam :</translation>
    </message>
    <message>
        <source>Specify first name to refine your search</source>
        <translation>Geef de voornaam op om de zoekopdracht te verfijnen</translation>
    </message>
    <message>
        <source>lastname :</source>
        <translation>Achternaam :</translation>
    </message>
    <message>
        <source>Lastname is mandatory for private query</source>
        <translation>Achternaam is verplicht bij zoeken naar particulieren</translation>
    </message>
    <message>
        <source>city :</source>
        <translation>Plaats :</translation>
    </message>
    <message>
        <source>Specify city to refine your search</source>
        <translation>Geef de plaats op om de zoekopdracht te verfijnen</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Particulieren</translation>
    </message>
    <message>
        <source>Search in private database</source>
        <translation>Zoeken in de database van particulieren</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Categorie :</translation>
    </message>
    <message>
        <source>Specify business category to refine your search</source>
        <translation>Geef de bedrijfscategorie op om de zoekopdracht te verfijnen</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Bedrijven</translation>
    </message>
    <message>
        <source>Search in business database</source>
        <translation>Zoeken in de database van bedrijven</translation>
    </message>
    <message>
        <source>phone :</source>
        <translation>Telefoon :</translation>
    </message>
    <message>
        <source>Phone number is mandatory for Inverse search</source>
        <translation>Telefoonnummer is verplicht bij omgekeerd zoeken</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Omgekeerd</translation>
    </message>
    <message>
        <source>Search name and address from phone number</source>
        <translation>Naam en adres bij een telefoonnummer zoeken</translation>
    </message>
    <message>
        <source>result : </source>
        <translation>Resultaat : </translation>
    </message>
    <message>
        <source>found : 100  - read 20</source>
        <translation>Gevonden : 100  - gelezen 20</translation>
    </message>
    <message>
        <source>+20</source>
        <translation>+20</translation>
    </message>
    <message>
        <source>read other 20 result, if any</source>
        <translation>Volgende 20 resultaten lezen, indien aanwezig</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close and accept selected result</source>
        <translation>Sluiten en het geselecteerde resultaat accepteren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Dit venster sluiten</translation>
    </message>
</context>
<context>
    <name>KESTRAVONLayout</name>
    <message>
        <source>Load new agenda.dat file</source>
        <translation>Een Agenda.dat-bestand openen</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>Current Agenda.dat file loaded</source>
        <translation>Geopend Agenda.dat-bestand</translation>
    </message>
    <message>
        <source>Save current agenda.dat to file</source>
        <translation>Huidige Agenda.dat in het bestand opslaan</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Export selected record to vCard or CSV file</source>
        <translation>Geselecteerd record naar een vCard- of CSV-bestand exporteren</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporteren</translation>
    </message>
    <message>
        <source>Import selected record from vCard or CSV file</source>
        <translation>Geselecteerd record uit een vCard- of CSV-bestand importeren</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>Add a new record</source>
        <translation>Een nieuw record toevoegen</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>I&amp;nvoegen</translation>
    </message>
    <message>
        <source>Delete selected records</source>
        <translation>Geselecteerde records verwijderen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>Edit current record</source>
        <translation>Huidig record bewerken</translation>
    </message>
    <message>
        <source>Edi&amp;t</source>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <source>Show only the records holding this text (Ctrl+F)</source>
        <translation>Alleen records tonen die deze tekst bevatten (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>List what the unit would refuse or show oddly</source>
        <translation>Tonen wat het apparaat zou weigeren of verkeerd zou weergeven</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Telefoonboek controleren</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Het programma afsluiten</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
</context>
<context>
    <name>CsvColumns</name>
    <message>
        <source>Columns of the CSV file</source>
        <translation>Kolommen van het CSV-bestand</translation>
    </message>
    <message>
        <source>No column of this file is known to hold a name or a phone number. Choose what each column holds; the choice is remembered for files with the same columns.</source>
        <translation>Van geen enkele kolom van dit bestand is bekend dat die een naam of telefoonnummer bevat. Kies wat elke kolom bevat; de keuze wordt onthouden voor bestanden met dezelfde kolommen.</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Kolom</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Eerste waarden</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Veld</translation>
    </message>
    <message>
        <source>Choose a column for the label, a name or a phone number.</source>
        <translation>Kies een kolom voor het label, een naam of een telefoonnummer.</translation>
    </message>
</context>
</TS>
