<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>AppText</name>
    <message>
        <source>%1 - %2 - %3 - by velkaran</source>
        <extracomment>The window title: program name, version, release date.</extracomment>
        <translation>%1 - %2 - %3 - door velkaran</translation>
    </message>
    <message>
        <source>Check for program updates ?</source>
        <translation>Controleren op programma-updates ?</translation>
    </message>
    <message>
        <source>Load Agenda.dat file</source>
        <translation>Agenda.dat-bestand openen</translation>
    </message>
    <message>
        <source>Save Agenda.dat file</source>
        <translation>Agenda.dat-bestand opslaan</translation>
    </message>
    <message>
        <source>Agenda.dat (Agenda.dat);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Agenda.dat (Agenda.dat);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Error loading file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Fout bij het openen van het bestand : %1</translation>
    </message>
    <message>
        <source>Error saving file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Fout bij het opslaan van het bestand : %1</translation>
    </message>
    <message>
        <source>Save modified Agenda ?</source>
        <translation>Gewijzigde Agenda opslaan ?</translation>
    </message>
    <message>
        <source>Exit %1 ?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 afsluiten ?</translation>
    </message>
    <message>
        <source>Delete selected records ?</source>
        <translation>Geselecteerde records verwijderen ?</translation>
    </message>
    <message>
        <source>Move selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Geselecteerde records naar %1 verplaatsen ?</translation>
    </message>
    <message>
        <source>Copy selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Geselecteerde records naar %1 kopiëren ?</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliceren</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Invoegen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Export to vCard</source>
        <translation>Exporteren naar vCard</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>Exporteren naar één vCard-bestand</translation>
    </message>
    <message>
        <source>Import from vCard</source>
        <translation>Importeren uit vCard</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Invoegen uit vCard</translation>
    </message>
    <message>
        <source>Export to Excel CSV</source>
        <translation>Exporteren naar Excel-CSV</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Exporteren naar Google-CSV</translation>
    </message>
    <message>
        <source>Import from Excel CSV</source>
        <translation>Importeren uit Excel-CSV</translation>
    </message>
    <message>
        <source>Insert from Excel CSV</source>
        <translation>Invoegen uit Excel-CSV</translation>
    </message>
    <message>
        <source>Move to user</source>
        <translation>Verplaatsen naar gebruiker</translation>
    </message>
    <message>
        <source>Copy to user</source>
        <translation>Kopiëren naar gebruiker</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Telefoonboek controleren</translation>
    </message>
    <message>
        <source>Nothing found: the unit can take every record as it is.</source>
        <translation>Niets gevonden: het apparaat kan elk record overnemen zoals het is.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s). Double-click one to select its record.</source>
        <translation>
            <numerusform>%n bevinding. Dubbelklik erop om het bijbehorende record te selecteren.</numerusform>
            <numerusform>%n bevindingen. Dubbelklik op een bevinding om het bijbehorende record te selecteren.</numerusform>
        </translation>
    </message>
    <message>
        <source>new empty record</source>
        <translation>nieuw leeg record</translation>
    </message>
    <message>
        <source>from Vcf file</source>
        <translation>uit vCard-bestand</translation>
    </message>
    <message>
        <source>from Excel CSV file</source>
        <translation>uit Excel-CSV-bestand</translation>
    </message>
    <message>
        <source>to Vcf file</source>
        <translation>naar vCard-bestand</translation>
    </message>
    <message>
        <source>to one Vcf file</source>
        <translation>naar één vCard-bestand</translation>
    </message>
    <message>
        <source>to Excel CSV file</source>
        <translation>naar Excel-CSV-bestand</translation>
    </message>
    <message>
        <source>to Google CSV</source>
        <translation>naar Google-CSV</translation>
    </message>
    <message>
        <source>&amp;Columns...</source>
        <translation>&amp;Kolommen...</translation>
    </message>
    <message>
        <source>Choose what each column of the file holds</source>
        <translation>Kies wat elke kolom van het bestand bevat</translation>
    </message>
    <message>
        <source>The columns as recognised (layout: %1). Change what a column holds if it is wrong; the choice is remembered for files with the same columns.</source>
        <extracomment>%1 is the name of the recognised layout (&quot;Google Contacts&quot;, &quot;Outlook (German)&quot;).</extracomment>
        <translation>De kolommen zoals herkend (indeling: %1). Wijzig wat een kolom bevat als het niet klopt; de keuze wordt onthouden voor bestanden met dezelfde kolommen.</translation>
    </message>
    <message>
        <source>The columns as chosen before. Change what a column holds; the choice is remembered for files with the same columns.</source>
        <translation>De kolommen zoals eerder gekozen. Wijzig wat een kolom bevat; de keuze wordt onthouden voor bestanden met dezelfde kolommen.</translation>
    </message>
</context>
<context>
    <name>BookText</name>
    <message>
        <source>No more space to add contact to Agenda</source>
        <translation>Geen ruimte meer om een contact aan de Agenda toe te voegen</translation>
    </message>
    <message>
        <source>There is no record in this slot.</source>
        <translation>Op deze plaats staat geen record.</translation>
    </message>
    <message>
        <source>A user cannot be deleted or given to another user.</source>
        <translation>Een gebruiker kan niet worden verwijderd of aan een andere gebruiker worden toegewezen.</translation>
    </message>
    <message>
        <source>There is no such user.</source>
        <translation>Deze gebruiker bestaat niet.</translation>
    </message>
</context>
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
    <name>CheckText</name>
    <message>
        <source>owner %1 is not one of the phonebook&apos;s %2 users</source>
        <translation>eigenaar %1 is geen van de %2 gebruikers van het telefoonboek</translation>
    </message>
    <message>
        <source>%1 %2 holds characters a phone cannot dial</source>
        <translation>%1 %2 bevat tekens die een telefoon niet kan kiezen</translation>
    </message>
    <message>
        <source>has no label</source>
        <translation>heeft geen label</translation>
    </message>
    <message>
        <source>has no label, phone or e-mail</source>
        <translation>heeft geen label, telefoonnummer of e-mailadres</translation>
    </message>
    <message>
        <source>%1 is %2 characters, the unit allows %3</source>
        <translation>%1 is %2 tekens lang, het apparaat staat er %3 toe</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>%1 the field (&quot;phone 2&quot;), %2 the number in quotes, %3 why it is no valid number (&quot;holds letters&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 has no country code and no region is set: it will not dial abroad</source>
        <translation>%1 %2 heeft geen landcode en er is geen regio ingesteld: vanuit het buitenland kan het niet worden gekozen</translation>
    </message>
    <message>
        <source>same label</source>
        <translation>zelfde label</translation>
    </message>
    <message>
        <source>same number as %1</source>
        <translation type="vanished">zelfde nummer als %1</translation>
    </message>
    <message>
        <source>looks like a duplicate of record %1 (%2)</source>
        <translation>lijkt een duplicaat van record %1 (%2)</translation>
    </message>
    <message>
        <source>GPS latitude %1 is beyond ±%2</source>
        <translation>GPS-breedtegraad %1 ligt buiten ±%2</translation>
    </message>
    <message>
        <source>GPS longitude %1 is beyond ±%2</source>
        <translation>GPS-lengtegraad %1 ligt buiten ±%2</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>record %1: %2</translation>
    </message>
    <message>
        <source>%1 %2 is the same number as record %3</source>
        <translation>%1 %2 is hetzelfde nummer als record %3</translation>
    </message>
    <message>
        <source>%1 %2 is possibly the same number as record %3</source>
        <translation>%1 %2 is mogelijk hetzelfde nummer als record %3</translation>
    </message>
</context>
<context>
    <name>ColumnTitle</name>
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notitie</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>Numb</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Plaats</translation>
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
        <translation>Telefoon-1</translation>
    </message>
    <message>
        <source>Phone-2</source>
        <translation>Telefoon-2</translation>
    </message>
    <message>
        <source>Phone-3</source>
        <translation>Telefoon-3</translation>
    </message>
    <message>
        <source>Phone-4</source>
        <translation>Telefoon-4</translation>
    </message>
    <message>
        <source>Phone-5</source>
        <translation>Telefoon-5</translation>
    </message>
    <message>
        <source>Email-1</source>
        <translation>E-mail-1</translation>
    </message>
    <message>
        <source>Email-2</source>
        <translation>E-mail-2</translation>
    </message>
    <message>
        <source>Email-3</source>
        <translation>E-mail-3</translation>
    </message>
    <message>
        <source>Email-4</source>
        <translation>E-mail-4</translation>
    </message>
    <message>
        <source>Email-5</source>
        <translation>E-mail-5</translation>
    </message>
    <message>
        <source>POI label</source>
        <translation>POI-label</translation>
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
    <name>EditorText</name>
    <message>
        <source>Edit Record</source>
        <translation>Record bewerken</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2.vcf</source>
        <translation>Exporteren naar vCard : REC.%1 - %2.vcf</translation>
    </message>
    <message>
        <source>Invalid number.</source>
        <translation>Ongeldig getal.</translation>
    </message>
    <message>
        <source>Write as %1</source>
        <translation>Schrijven als %1</translation>
    </message>
</context>
<context>
    <name>FetchText</name>
    <message>
        <source>read : %1</source>
        <translation>Lezen : %1</translation>
    </message>
    <message>
        <source>Could not reach %1: %2</source>
        <translation>%1 is niet bereikbaar: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid for %1</source>
        <translation>Het certificaat van de server is niet geldig voor %1</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>De beveiligde verbinding met %1 is mislukt: %2</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again in %2 s</source>
        <translation>De server is bezet (HTTP %1); probeer het over %2 s opnieuw</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again later</source>
        <translation>De server is bezet (HTTP %1); probeer het later opnieuw</translation>
    </message>
    <message>
        <source>The server refused the request (HTTP %1)</source>
        <translation>De server heeft het verzoek geweigerd (HTTP %1)</translation>
    </message>
    <message>
        <source>The server does not know this address (HTTP %1)</source>
        <translation>De server kent dit adres niet (HTTP %1)</translation>
    </message>
    <message>
        <source>The server reported an error (HTTP %1)</source>
        <translation>De server heeft een fout gemeld (HTTP %1)</translation>
    </message>
    <message>
        <source>The server did not answer within %1 s</source>
        <translation>De server heeft niet binnen %1 s geantwoord</translation>
    </message>
    <message>
        <source>The server did not finish its answer within %1 s</source>
        <translation>De server heeft zijn antwoord niet binnen %1 s afgerond</translation>
    </message>
    <message>
        <source>The server&apos;s answer is larger than %1</source>
        <translation>Het antwoord van de server is groter dan %1</translation>
    </message>
    <message>
        <source>The server sent the request on to another host (%1); it was not followed</source>
        <translation>De server heeft het verzoek doorgestuurd naar een andere host (%1); die doorverwijzing is niet gevolgd</translation>
    </message>
    <message>
        <source>The server sent the request on to an unencrypted address; it was not followed</source>
        <translation>De server heeft het verzoek doorgestuurd naar een onversleuteld adres; die doorverwijzing is niet gevolgd</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>The server sent an empty answer</source>
        <translation>De server heeft een leeg antwoord gestuurd</translation>
    </message>
</context>
<context>
    <name>FieldName</name>
    <message>
        <source>record</source>
        <translation>record</translation>
    </message>
    <message>
        <source>label</source>
        <translation>label</translation>
    </message>
    <message>
        <source>note</source>
        <translation>notitie</translation>
    </message>
    <message>
        <source>street</source>
        <translation>straat</translation>
    </message>
    <message>
        <source>number</source>
        <translation>huisnummer</translation>
    </message>
    <message>
        <source>zip</source>
        <translation>postcode</translation>
    </message>
    <message>
        <source>city</source>
        <translation>plaats</translation>
    </message>
    <message>
        <source>country</source>
        <translation>land</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>GPS-positie</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefoon</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>POI label</source>
        <translation>POI-label</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>eigenaar</translation>
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
    <name>GeocodeText</name>
    <message>
        <source>Exact address not found. Here the best result.&amp;Try to change some detail ie: add/remove zip, house number, name prefix/suffix.</source>
        <translation>Exact adres niet gevonden. Hier het beste resultaat.&amp;Probeer enkele gegevens te wijzigen, bijv. postcode, huisnummer of een voor- of achtervoegsel van de naam toevoegen of weglaten.</translation>
    </message>
    <message>
        <source>Query failed</source>
        <translation>Zoekopdracht mislukt</translation>
    </message>
    <message>
        <source>Nothing found for this address</source>
        <translation>Niets gevonden voor dit adres</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Het antwoord van de server kon niet worden gelezen</translation>
    </message>
    <message>
        <source>&amp;Query (waiting)</source>
        <translation>&amp;Zoeken (wacht)</translation>
    </message>
    <message>
        <source>Get GPS position</source>
        <translation>GPS-positie ophalen</translation>
    </message>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© OpenStreetMap-bijdragers</translation>
    </message>
    <message>
        <source>Result from : %1</source>
        <translation>Resultaat van : %1</translation>
    </message>
    <message>
        <source>Query actual value to %1</source>
        <translation>Huidige waarden opvragen bij %1</translation>
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
    <message>
        <source>Label</source>
        <translation>Label</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Opmerkingen</translation>
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
    <name>InfoBelText</name>
    <message>
        <source>%1 Query</source>
        <translation>%1-zoekopdracht</translation>
    </message>
    <message>
        <source>write query data</source>
        <translation>voer de zoekgegevens in</translation>
    </message>
    <message>
        <source>searching...</source>
        <translation>zoeken...</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>fout: %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Het antwoord van de server kon niet worden gelezen</translation>
    </message>
    <message>
        <source>found: 0 result</source>
        <translation>gevonden: 0 resultaten</translation>
    </message>
    <message>
        <source>found: %1 / %2 result</source>
        <translation>gevonden: %1 / %2 resultaten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Straat</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefoon</translation>
    </message>
</context>
<context>
    <name>InterchangeText</name>
    <message>
        <source>File: %1 - Unknown token &quot;%2&quot; at line %3</source>
        <translation>Bestand: %1 - Onbekend element &quot;%2&quot; op regel %3</translation>
    </message>
    <message>
        <source>Error exporting file : %1</source>
        <translation>Fout bij het exporteren van het bestand : %1</translation>
    </message>
    <message>
        <source>Error importing file : %1</source>
        <translation>Fout bij het importeren van het bestand : %1</translation>
    </message>
    <message>
        <source>Error importing : %1</source>
        <translation>Fout bij het importeren : %1</translation>
    </message>
    <message>
        <source>Error importing : %1 (card %2)</source>
        <translation>Fout bij het importeren : %1 (kaart %2)</translation>
    </message>
    <message>
        <source>Error creating file : %1</source>
        <translation>Fout bij het aanmaken van het bestand : %1</translation>
    </message>
    <message>
        <source>Error reading file : %1</source>
        <translation>Fout bij het lezen van het bestand : %1</translation>
    </message>
    <message>
        <source>Error exporting record %1: %2</source>
        <translation>Fout bij het exporteren van record %1: %2</translation>
    </message>
    <message>
        <source>Error importing record %1: %2</source>
        <translation>Fout bij het importeren van record %1: %2</translation>
    </message>
    <message>
        <source>Error importing line %1: %2</source>
        <translation>Fout bij het importeren van regel %1: %2</translation>
    </message>
    <message>
        <source>no BEGIN:VCARD line</source>
        <translation>geen regel BEGIN:VCARD</translation>
    </message>
    <message>
        <source>card %1 has no END:VCARD line</source>
        <translation>kaart %1 heeft geen regel END:VCARD</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>regel %1 is geen vCard-eigenschap</translation>
    </message>
    <message>
        <source>not this program&apos;s CSV (UTF-16 with the header &quot;last;first;note;...&quot;); other CSV files can be inserted as new records</source>
        <translation>geen CSV-bestand van dit programma (UTF-16 met de kopregel &quot;last;first;note;...&quot;); andere CSV-bestanden kunnen als nieuwe records worden ingevoegd</translation>
    </message>
    <message>
        <source>no label or phone column among: %1</source>
        <translation>geen kolom voor label of telefoon tussen: %1</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2</source>
        <translation>Exporteren naar vCard : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Import from vCard : REC.%1 - %2</source>
        <translation>Importeren uit vCard : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Invoegen uit vCard</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>Exporteren naar één vCard-bestand</translation>
    </message>
    <message>
        <source>Export to Excel CSV file</source>
        <translation>Exporteren naar Excel-CSV-bestand</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Exporteren naar Google-CSV</translation>
    </message>
    <message>
        <source>Import from Excel CSV file</source>
        <translation>Importeren uit Excel-CSV-bestand</translation>
    </message>
    <message>
        <source>Insert from Excel CSV file</source>
        <translation>Invoegen uit Excel-CSV-bestand</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n kaart</numerusform>
            <numerusform>%n kaarten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free place(s)</source>
        <translation>
            <numerusform>%n vrije plaats</numerusform>
            <numerusform>%n vrije plaatsen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected, %3</source>
        <extracomment>%1 the cards or rows (&quot;312 cards&quot;), %2 how many of them are selected, %3 the free places (&quot;91 free places&quot;).</extracomment>
        <translation>%1, %2 geselecteerd, %3</translation>
    </message>
    <message>
        <source>already in this user&apos;s list</source>
        <translation>staat al in de lijst van deze gebruiker</translation>
    </message>
    <message>
        <source>too long for the unit</source>
        <translation>te lang voor het apparaat</translation>
    </message>
    <message>
        <source>more than five phones / e-mails</source>
        <translation>meer dan vijf telefoonnummers / e-mailadressen</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 dropped</source>
        <translation>meer dan vijf telefoonnummers / e-mailadressen: %1 weggelaten</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 and %2 dropped</source>
        <translation>meer dan vijf telefoonnummers / e-mailadressen: %1 en %2 weggelaten</translation>
    </message>
    <message numerus="yes">
        <source>%n phone(s)</source>
        <translation>
            <numerusform>%n telefoonnummer</numerusform>
            <numerusform>%n telefoonnummers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail(s)</source>
        <translation>
            <numerusform>%n e-mailadres</numerusform>
            <numerusform>%n e-mailadressen</numerusform>
        </translation>
    </message>
    <message>
        <source>no name</source>
        <translation>geen naam</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>onleesbaar</translation>
    </message>
    <message>
        <source>contact group, not a contact</source>
        <translation>contactgroep, geen contact</translation>
    </message>
    <message>
        <source>empty card</source>
        <translation>lege kaart</translation>
    </message>
    <message>
        <source>same as an earlier card</source>
        <translation>zelfde als een eerdere kaart</translation>
    </message>
    <message>
        <source>position not understood</source>
        <translation>positie niet begrepen</translation>
    </message>
    <message>
        <source>position not understood (GEO:%1)</source>
        <translation>positie niet begrepen (GEO:%1)</translation>
    </message>
    <message>
        <source>same name, other number</source>
        <translation>zelfde naam, ander nummer</translation>
    </message>
    <message>
        <source>all cards</source>
        <translation>alle kaarten</translation>
    </message>
    <message>
        <source>vCard file (*.vcf);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>vCard-bestand (*.vcf);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Excel CSV file (*.csv);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Excel-CSV-bestand (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n rij</numerusform>
            <numerusform>%n rijen</numerusform>
        </translation>
    </message>
    <message>
        <source>empty row</source>
        <translation>lege rij</translation>
    </message>
    <message>
        <source>same as an earlier row</source>
        <translation>zelfde als een eerdere rij</translation>
    </message>
    <message>
        <source>all rows</source>
        <translation>alle rijen</translation>
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
    <name>LoadText</name>
    <message>
        <source>Field text length is greater than allowed maximum!&amp;characters read=%1 - max=%2&amp;text=%3&amp;[* Continue to load this file ?]&amp;(continue only if text show above is correct)</source>
        <extracomment>Markup: &quot;&amp;&quot; a new line, &quot;[* ...]&quot; bold. %1 the length read, %2 the limit, %3 the text.</extracomment>
        <translation>De tekstlengte van het veld is groter dan het toegestane maximum!&amp;gelezen tekens=%1 - max=%2&amp;tekst=%3&amp;[* Doorgaan met het openen van dit bestand ?]&amp;(ga alleen door als de bovenstaande tekst juist is)</translation>
    </message>
    <message>
        <source>The file is not a phonebook file.</source>
        <translation>Het bestand is geen telefoonboekbestand.</translation>
    </message>
    <message>
        <source>The file ends inside record %1.</source>
        <translation>Het bestand eindigt midden in record %1.</translation>
    </message>
    <message>
        <source>Loading was stopped at record %1, whose text is longer than allowed.</source>
        <translation>Het openen is gestopt bij record %1, waarvan de tekst langer is dan toegestaan.</translation>
    </message>
    <message>
        <source>The compressed data is damaged.</source>
        <translation>De gecomprimeerde gegevens zijn beschadigd.</translation>
    </message>
    <message>
        <source>The unpacked phonebook is larger than 64 MiB.</source>
        <translation>Het uitgepakte telefoonboek is groter dan 64 MiB.</translation>
    </message>
    <message>
        <source>The sidecar file %1 cannot be read.</source>
        <translation>Het bijbehorende bestand %1 kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know.</source>
        <translation>Dit telefoonboek heeft formaatversie %1, die dit programma niet kent.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know. Open it anyway? It will be saved as version 80.</source>
        <translation>Dit telefoonboek heeft formaatversie %1, die dit programma niet kent. Toch openen? Het wordt opgeslagen als versie 80.</translation>
    </message>
</context>
<context>
    <name>OnlineText</name>
    <message>
        <source>The look-ups and the update check are not available: their module could not be loaded.</source>
        <translation>De opzoekfuncties en de updatecontrole zijn niet beschikbaar: hun module kon niet worden geladen.</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: niet gevonden</translation>
    </message>
    <message>
        <source>%1: built for another version of the program</source>
        <translation>%1: gebouwd voor een andere versie van het programma</translation>
    </message>
</context>
<context>
    <name>PhoneReason</name>
    <message>
        <source>holds pause or tone characters</source>
        <translation>bevat pauze- of toontekens</translation>
    </message>
    <message>
        <source>holds letters</source>
        <translation>bevat letters</translation>
    </message>
    <message>
        <source>holds characters that are no part of a number</source>
        <translation>bevat tekens die niet in een nummer thuishoren</translation>
    </message>
    <message>
        <source>has no country code and no region is set</source>
        <translation>heeft geen landcode en er is geen regio ingesteld</translation>
    </message>
    <message>
        <source>is not a phone number</source>
        <translation>is geen telefoonnummer</translation>
    </message>
    <message>
        <source>is not a valid number</source>
        <translation>is geen geldig nummer</translation>
    </message>
    <message>
        <source>is not a valid number for %1</source>
        <translation>is geen geldig nummer voor %1</translation>
    </message>
    <message>
        <source>would be longer than %1 characters</source>
        <translation>zou langer worden dan %1 tekens</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2: kept as typed</source>
        <translation>&quot;%1&quot; %2: blijft zoals getypt</translation>
    </message>
    <message>
        <source>same number as record %1</source>
        <translation>zelfde nummer als record %1</translation>
    </message>
    <message>
        <source>possibly the same number as record %1</source>
        <translation>mogelijk hetzelfde nummer als record %1</translation>
    </message>
</context>
<context>
    <name>PhoneText</name>
    <message>
        <source>Tidy phone numbers</source>
        <translation>Telefoonnummers opschonen</translation>
    </message>
    <message>
        <source>Phone region...</source>
        <translation>Telefoonregio...</translation>
    </message>
    <message>
        <source>The selected records hold no phone number to tidy.</source>
        <translation>De geselecteerde records bevatten geen telefoonnummer om op te schonen.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefoon</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Voor</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Na</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <translation>behouden: %1</translation>
    </message>
    <message>
        <source>Form:</source>
        <translation>Notatie:</translation>
    </message>
    <message>
        <source>International (+39 06 1234 5678)</source>
        <translation>Internationaal (+39 06 1234 5678)</translation>
    </message>
    <message>
        <source>E.164 (+390612345678)</source>
        <translation>E.164 (+390612345678)</translation>
    </message>
    <message>
        <source>National (06 1234 5678)</source>
        <translation>Nationaal (06 1234 5678)</translation>
    </message>
    <message>
        <source>%1 numbers change, %2 selected, %3 kept as they are</source>
        <translation>%1 nummers worden gewijzigd, %2 geselecteerd, %3 blijven ongewijzigd</translation>
    </message>
    <message>
        <source>Numbers without a country code are read as numbers of %1.</source>
        <translation>Nummers zonder landcode worden gelezen als nummers uit %1.</translation>
    </message>
    <message>
        <source>No region is set: numbers without a country code are kept.</source>
        <translation>Geen regio ingesteld: nummers zonder landcode blijven ongewijzigd.</translation>
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
        <source>Phone region</source>
        <translation>Telefoonregio</translation>
    </message>
    <message>
        <source>Read phone numbers without a country code as numbers of:</source>
        <translation>Telefoonnummers zonder landcode lezen als nummers uit:</translation>
    </message>
    <message>
        <source>The system&apos;s region (%1)</source>
        <translation>De regio van het systeem (%1)</translation>
    </message>
    <message>
        <source>The system&apos;s region (none)</source>
        <translation>De regio van het systeem (geen)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Phone numbers cannot be read as numbers: the phone number module could not be loaded. Numbers are kept as typed and compared by their digits.</source>
        <translation>Telefoonnummers kunnen niet als nummers worden gelezen: de module voor telefoonnummers kon niet worden geladen. Nummers blijven zoals ingetypt en worden op hun cijfers vergeleken.</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>%1 received</source>
        <translation>%1 ontvangen</translation>
    </message>
</context>
<context>
    <name>ReadText</name>
    <message>
        <source>more than %1 rows</source>
        <translation>meer dan %1 rijen</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>geen kopregel</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>regel %1: een veld tussen aanhalingstekens is niet afgesloten</translation>
    </message>
    <message>
        <source>the text ends inside a UTF-16 character</source>
        <translation>de tekst eindigt midden in een UTF-16-teken</translation>
    </message>
    <message>
        <source>the text is not valid UTF-16</source>
        <translation>de tekst is geen geldige UTF-16</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>de tekst is geen geldige UTF-8</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>geen tekstbestand</translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>Address modified: clear &quot;Postal&quot; and &quot;Poi&quot; informations ?</source>
        <translation>Adres gewijzigd: de gegevens onder &quot;Adresgegevens&quot; en &quot;PoI&quot; wissen ?</translation>
    </message>
    <message>
        <source>Label modified: clear &quot;voice record index&quot; informations ?</source>
        <translation>Label gewijzigd: de &quot;Index spraakopname&quot; wissen ?</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <extracomment>%1 is the field&apos;s limit.</extracomment>
        <translation>Voer niet meer dan %1 tekens in.</translation>
    </message>
    <message>
        <source>Null value not allowed.</source>
        <translation>Lege waarde niet toegestaan.</translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <extracomment>%1, %2: the lowest and highest value allowed.</extracomment>
        <translation>Het getal moet tussen %1 en %2 liggen.</translation>
    </message>
    <message>
        <source>Invalid GPS position.</source>
        <translation>Ongeldige GPS-positie.</translation>
    </message>
</context>
<context>
    <name>SafeFileText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Het bestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Het bestand is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB.</source>
        <translation>Het bestand is groter dan 64 MiB.</translation>
    </message>
</context>
<context>
    <name>UpdateText</name>
    <message>
        <source>Download of %1 failed</source>
        <extracomment>%1 is the address that was downloaded.</extracomment>
        <translation>Downloaden van %1 mislukt</translation>
    </message>
    <message>
        <source>[3B New version present !&amp;]Program filename -|: %1&amp;Version          -|: %2&amp;Release date     -|: %3&amp;&amp;Would you download the new file ?</source>
        <extracomment>Markup: &quot;[3B ...]&quot; a heading, &quot;&amp;&quot; a new line, &quot;-|&quot; a tab. %1 the file name, %2 the version, %3 its date.</extracomment>
        <translation>[3B Nieuwe versie beschikbaar !&amp;]Programmabestand -|: %1&amp;Versie           -|: %2&amp;Releasedatum     -|: %3&amp;&amp;Wilt u het nieuwe bestand downloaden ?</translation>
    </message>
    <message>
        <source>Your program is up to date</source>
        <translation>Uw programma is up-to-date</translation>
    </message>
    <message>
        <source>The update is not signed by the publisher</source>
        <translation>De update is niet door de uitgever ondertekend</translation>
    </message>
    <message>
        <source>The update archive is damaged (%1)</source>
        <translation>Het updatearchief is beschadigd (%1)</translation>
    </message>
    <message>
        <source>Error starting the new version</source>
        <translation>Fout bij het starten van de nieuwe versie</translation>
    </message>
    <message>
        <source>The new version does not start on this computer: %1</source>
        <translation>De nieuwe versie start niet op deze computer: %1</translation>
    </message>
    <message>
        <source>The new version stopped at start-up; the previous version was restored.</source>
        <translation>De nieuwe versie is bij het opstarten gestopt; de vorige versie is teruggezet.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s; the previous version was restored.</source>
        <translation>De nieuwe versie heeft haar venster niet binnen %1 s geopend; de vorige versie is teruggezet.</translation>
    </message>
    <message>
        <source>The new version stopped at start-up.</source>
        <translation>De nieuwe versie is bij het opstarten gestopt.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s.</source>
        <translation>De nieuwe versie heeft haar venster niet binnen %1 s geopend.</translation>
    </message>
    <message>
        <source>The previous version could not be put back: rename %1 to %2 by hand.</source>
        <translation>De vorige versie kon niet worden teruggezet: hernoem %1 handmatig naar %2.</translation>
    </message>
    <message>
        <source>No update found</source>
        <translation>Geen update gevonden</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>geen antwoord binnen %1 s</translation>
    </message>
    <message>
        <source>ended by signal %1</source>
        <translation>beëindigd door signaal %1</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>afsluitstatus %1</translation>
    </message>
    <message>
        <source>it reports &quot;%1&quot; instead of version %2</source>
        <translation>het programma meldt &quot;%1&quot; in plaats van versie %2</translation>
    </message>
</context>
</TS>
