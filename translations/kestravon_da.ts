<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>AppText</name>
    <message>
        <source>%1 - %2 - %3 - by velkaran</source>
        <extracomment>The window title: program name, version, release date.</extracomment>
        <translation>%1 - %2 - %3 - af velkaran</translation>
    </message>
    <message>
        <source>Check for program updates ?</source>
        <translation>Søg efter programopdateringer ?</translation>
    </message>
    <message>
        <source>Load Agenda.dat file</source>
        <translation>Indlæs Agenda.dat-fil</translation>
    </message>
    <message>
        <source>Save Agenda.dat file</source>
        <translation>Gem Agenda.dat-fil</translation>
    </message>
    <message>
        <source>Agenda.dat (Agenda.dat);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Agenda.dat (Agenda.dat);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Error loading file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Fejl ved indlæsning af filen : %1</translation>
    </message>
    <message>
        <source>Error saving file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Fejl ved lagring af filen : %1</translation>
    </message>
    <message>
        <source>Save modified Agenda ?</source>
        <translation>Gem den ændrede Agenda ?</translation>
    </message>
    <message>
        <source>Exit %1 ?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Afslut %1 ?</translation>
    </message>
    <message>
        <source>Delete selected records ?</source>
        <translation>Slet de valgte poster ?</translation>
    </message>
    <message>
        <source>Move selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Flyt de valgte poster til %1 ?</translation>
    </message>
    <message>
        <source>Copy selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Kopier de valgte poster til %1 ?</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Vælg alle</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliker</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Tilføj</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Slet</translation>
    </message>
    <message>
        <source>Export to vCard</source>
        <translation>Eksporter til vCard</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>Eksporter til én vCard-fil</translation>
    </message>
    <message>
        <source>Import from vCard</source>
        <translation>Importer fra vCard</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Tilføj fra vCard</translation>
    </message>
    <message>
        <source>Export to Excel CSV</source>
        <translation>Eksporter til Excel-CSV</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Eksporter til Google-CSV</translation>
    </message>
    <message>
        <source>Import from Excel CSV</source>
        <translation>Importer fra Excel-CSV</translation>
    </message>
    <message>
        <source>Insert from Excel CSV</source>
        <translation>Tilføj fra Excel-CSV</translation>
    </message>
    <message>
        <source>Move to user</source>
        <translation>Flyt til bruger</translation>
    </message>
    <message>
        <source>Copy to user</source>
        <translation>Kopier til bruger</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Fortryd</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Gentag</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Kontroller telefonbog</translation>
    </message>
    <message>
        <source>Nothing found: the unit can take every record as it is.</source>
        <translation>Intet fundet: enheden kan overtage alle poster, som de er.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s). Double-click one to select its record.</source>
        <translation>
            <numerusform>%n problem. Dobbeltklik på det for at vælge dets post.</numerusform>
            <numerusform>%n problemer. Dobbeltklik på et af dem for at vælge dets post.</numerusform>
        </translation>
    </message>
    <message>
        <source>new empty record</source>
        <translation>ny tom post</translation>
    </message>
    <message>
        <source>from Vcf file</source>
        <translation>fra vCard-fil</translation>
    </message>
    <message>
        <source>from Excel CSV file</source>
        <translation>fra Excel-CSV-fil</translation>
    </message>
    <message>
        <source>to Vcf file</source>
        <translation>til vCard-fil</translation>
    </message>
    <message>
        <source>to one Vcf file</source>
        <translation>til én vCard-fil</translation>
    </message>
    <message>
        <source>to Excel CSV file</source>
        <translation>til Excel-CSV-fil</translation>
    </message>
    <message>
        <source>to Google CSV</source>
        <translation>til Google-CSV</translation>
    </message>
    <message>
        <source>&amp;Columns...</source>
        <translation>&amp;Kolonner...</translation>
    </message>
    <message>
        <source>Choose what each column of the file holds</source>
        <translation>Vælg, hvad hver kolonne i filen indeholder</translation>
    </message>
    <message>
        <source>The columns as recognised (layout: %1). Change what a column holds if it is wrong; the choice is remembered for files with the same columns.</source>
        <extracomment>%1 is the name of the recognised layout (&quot;Google Contacts&quot;, &quot;Outlook (German)&quot;).</extracomment>
        <translation>Kolonnerne som genkendt (layout: %1). Ret, hvad en kolonne indeholder, hvis det er forkert; valget huskes for filer med de samme kolonner.</translation>
    </message>
    <message>
        <source>The columns as chosen before. Change what a column holds; the choice is remembered for files with the same columns.</source>
        <translation>Kolonnerne som valgt tidligere. Ret, hvad en kolonne indeholder; valget huskes for filer med de samme kolonner.</translation>
    </message>
</context>
<context>
    <name>BookText</name>
    <message>
        <source>No more space to add contact to Agenda</source>
        <translation>Der er ikke mere plads til at tilføje en kontakt i Agenda</translation>
    </message>
    <message>
        <source>There is no record in this slot.</source>
        <translation>Der er ingen post på denne plads.</translation>
    </message>
    <message>
        <source>A user cannot be deleted or given to another user.</source>
        <translation>En bruger kan ikke slettes eller tildeles en anden bruger.</translation>
    </message>
    <message>
        <source>There is no such user.</source>
        <translation>Denne bruger findes ikke.</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Check phonebook</source>
        <translation>Kontroller telefonbog</translation>
    </message>
    <message>
        <source>Double-click a finding to select its record</source>
        <translation>Dobbeltklik på et problem for at vælge dets post</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Bruger</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>owner %1 is not one of the phonebook&apos;s %2 users</source>
        <translation>ejer %1 er ikke en af telefonbogens %2 brugere</translation>
    </message>
    <message>
        <source>%1 %2 holds characters a phone cannot dial</source>
        <translation>%1 %2 indeholder tegn, som en telefon ikke kan ringe op</translation>
    </message>
    <message>
        <source>has no label</source>
        <translation>har ingen etiket</translation>
    </message>
    <message>
        <source>has no label, phone or e-mail</source>
        <translation>har hverken etiket, telefon eller e-mail</translation>
    </message>
    <message>
        <source>%1 is %2 characters, the unit allows %3</source>
        <translation>%1 er på %2 tegn, enheden tillader %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>%1 the field (&quot;phone 2&quot;), %2 the number in quotes, %3 why it is no valid number (&quot;holds letters&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 has no country code and no region is set: it will not dial abroad</source>
        <translation>%1 %2 har ingen landekode, og der er ikke valgt nogen region: nummeret kan ikke ringes op fra udlandet</translation>
    </message>
    <message>
        <source>same label</source>
        <translation>samme etiket</translation>
    </message>
    <message>
        <source>same number as %1</source>
        <translation type="vanished">samme nummer som %1</translation>
    </message>
    <message>
        <source>looks like a duplicate of record %1 (%2)</source>
        <translation>ligner en dublet af post %1 (%2)</translation>
    </message>
    <message>
        <source>GPS latitude %1 is beyond ±%2</source>
        <translation>GPS-breddegrad %1 ligger uden for ±%2</translation>
    </message>
    <message>
        <source>GPS longitude %1 is beyond ±%2</source>
        <translation>GPS-længdegrad %1 ligger uden for ±%2</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>post %1: %2</translation>
    </message>
    <message>
        <source>%1 %2 is the same number as record %3</source>
        <translation>%1 %2 er samme nummer som post %3</translation>
    </message>
    <message>
        <source>%1 %2 is possibly the same number as record %3</source>
        <translation>%1 %2 er muligvis samme nummer som post %3</translation>
    </message>
</context>
<context>
    <name>ColumnTitle</name>
    <message>
        <source>Label</source>
        <translation>Etiket</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Vej</translation>
    </message>
    <message>
        <source>Numb</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Postnr.</translation>
    </message>
    <message>
        <source>City</source>
        <translation>By</translation>
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
        <translation>POI-etiket</translation>
    </message>
</context>
<context>
    <name>CsvColumns</name>
    <message>
        <source>Columns of the CSV file</source>
        <translation>Kolonner i CSV-filen</translation>
    </message>
    <message>
        <source>No column of this file is known to hold a name or a phone number. Choose what each column holds; the choice is remembered for files with the same columns.</source>
        <translation>Ingen kolonne i denne fil er kendt for at indeholde et navn eller et telefonnummer. Vælg, hvad hver kolonne indeholder; valget huskes for filer med de samme kolonner.</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Kolonne</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Første værdier</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Felt</translation>
    </message>
    <message>
        <source>Choose a column for the label, a name or a phone number.</source>
        <translation>Vælg en kolonne til etiketten, et navn eller et telefonnummer.</translation>
    </message>
</context>
<context>
    <name>EditRecord</name>
    <message>
        <source>Edit Record</source>
        <translation>Rediger post</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>type :</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>record type</source>
        <translation>Postens type</translation>
    </message>
    <message>
        <source>record :</source>
        <translation>Post :</translation>
    </message>
    <message>
        <source>record number</source>
        <translation>Postens nummer</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Forrige</translation>
    </message>
    <message>
        <source>select previous record for current user</source>
        <translation>Vælg den forrige post for den aktuelle bruger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Næste</translation>
    </message>
    <message>
        <source>select next record for current user</source>
        <translation>Vælg den næste post for den aktuelle bruger</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generelt</translation>
    </message>
    <message>
        <source>owner :</source>
        <translation>Ejer :</translation>
    </message>
    <message>
        <source>record owner</source>
        <translation>Brugeren, som posten tilhører</translation>
    </message>
    <message>
        <source>label :</source>
        <translation>Etiket :</translation>
    </message>
    <message>
        <source>label as appear on RTx phonebook</source>
        <translation>Etiketten, som den vises i telefonbogen på RTx</translation>
    </message>
    <message>
        <source>note :</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>enter some comment for this record</source>
        <translation>Skriv en kommentar til denne post</translation>
    </message>
    <message>
        <source>voice record index :</source>
        <translation>Indeks for stemmeoptagelse :</translation>
    </message>
    <message>
        <source>index of voice recorded label, if any</source>
        <translation>Indeks for den indtalte etiket, hvis der er en</translation>
    </message>
    <message>
        <source>sim position :</source>
        <translation>SIM-position :</translation>
    </message>
    <message>
        <source>position in phone sim, if type=SIM</source>
        <translation>Position på telefonens SIM-kort, hvis type=SIM</translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation>Eksporter vCard</translation>
    </message>
    <message>
        <source>export this record to vCard file</source>
        <translation>Eksporter denne post til en vCard-fil</translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation>Importer vCard</translation>
    </message>
    <message>
        <source>import this record from vCard file</source>
        <translation>Importer denne post fra en vCard-fil</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>street :</source>
        <translation>Vej :</translation>
    </message>
    <message>
        <source>street of address information</source>
        <translation>Adressens vejnavn</translation>
    </message>
    <message>
        <source>n° :</source>
        <translation>Nr. :</translation>
    </message>
    <message>
        <source>huose number of address information</source>
        <translation>Adressens husnummer</translation>
    </message>
    <message>
        <source>zip :</source>
        <translation>Postnr. :</translation>
    </message>
    <message>
        <source>post office code of address information</source>
        <translation>Adressens postnummer</translation>
    </message>
    <message>
        <source>town :</source>
        <translation>By :</translation>
    </message>
    <message>
        <source>town of address information</source>
        <translation>Adressens by</translation>
    </message>
    <message>
        <source>country :</source>
        <translation>Land :</translation>
    </message>
    <message>
        <source>country of address information</source>
        <translation>Adressens land</translation>
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
        <translation>Telefonnummerets type</translation>
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
        <translation>E-mail</translation>
    </message>
    <message>
        <source>email type</source>
        <translation>E-mailadressens type</translation>
    </message>
    <message>
        <source>email address</source>
        <translation>E-mailadresse</translation>
    </message>
    <message>
        <source>InfoBel database</source>
        <translation>InfoBel-database</translation>
    </message>
    <message>
        <source>retrieve address and phone information from InfoBel database</source>
        <translation>Hent adresse- og telefonoplysninger fra InfoBel-databasen</translation>
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
        <translation>Markeret, hvis der er GPS-data</translation>
    </message>
    <message>
        <source>latitude :</source>
        <translation>Breddegrad :</translation>
    </message>
    <message>
        <source>GPS coordinate</source>
        <translation>GPS-koordinat</translation>
    </message>
    <message>
        <source>longitude :</source>
        <translation>Længdegrad :</translation>
    </message>
    <message>
        <source>postal</source>
        <translation>Adressedata</translation>
    </message>
    <message>
        <source>signed if Postal data present</source>
        <translation>Markeret, hvis der er adressedata</translation>
    </message>
    <message>
        <source>type of Postal data</source>
        <translation>Type af adressedata</translation>
    </message>
    <message>
        <source>code :</source>
        <translation>Kode :</translation>
    </message>
    <message>
        <source>house n°:</source>
        <translation>Husnr.:</translation>
    </message>
    <message>
        <source>road 1 :</source>
        <translation>Vej 1 :</translation>
    </message>
    <message>
        <source>road 2 :</source>
        <translation>Vej 2 :</translation>
    </message>
    <message>
        <source>PoI</source>
        <translation>PoI</translation>
    </message>
    <message>
        <source>signed if Poi data present</source>
        <translation>Markeret, hvis der er PoI-data</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Kategori :</translation>
    </message>
    <message>
        <source>facility :</source>
        <translation>Facilitet :</translation>
    </message>
    <message>
        <source>ref.CD</source>
        <translation>Ref. CD</translation>
    </message>
    <message>
        <source>quarter :</source>
        <translation>Kvartal :</translation>
    </message>
    <message>
        <source>informatin about map CD used for Navigation data</source>
        <translation>Oplysninger om den kort-cd, som navigationsdataene stammer fra</translation>
    </message>
    <message>
        <source>year :</source>
        <translation>År :</translation>
    </message>
    <message>
        <source>cid :</source>
        <translation>cid :</translation>
    </message>
    <message>
        <source>Geocode address</source>
        <translation>Geokod adresse</translation>
    </message>
    <message>
        <source>retrieve GPS coordinate for record postal address</source>
        <translation>Hent GPS-koordinat til postens adresse</translation>
    </message>
    <message>
        <source>ACP</source>
        <translation>ACP</translation>
    </message>
    <message>
        <source>ACP data, if type=ACP</source>
        <translation>ACP-data, hvis type=ACP</translation>
    </message>
    <message>
        <source>date 1 :</source>
        <translation>Dato 1 :</translation>
    </message>
    <message>
        <source>date 2 :</source>
        <translation>Dato 2 :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept all data and close dialog</source>
        <translation>Godkend alle data og luk dialogen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Luk denne dialog</translation>
    </message>
</context>
<context>
    <name>EditorText</name>
    <message>
        <source>Edit Record</source>
        <translation>Rediger post</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2.vcf</source>
        <translation>Eksporter til vCard : REC.%1 - %2.vcf</translation>
    </message>
    <message>
        <source>Invalid number.</source>
        <translation>Ugyldigt tal.</translation>
    </message>
    <message>
        <source>Write as %1</source>
        <translation>Skriv som %1</translation>
    </message>
</context>
<context>
    <name>FetchText</name>
    <message>
        <source>read : %1</source>
        <translation>Læser : %1</translation>
    </message>
    <message>
        <source>Could not reach %1: %2</source>
        <translation>Kunne ikke nå %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid for %1</source>
        <translation>Serverens certifikat er ikke gyldigt for %1</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>Den sikre forbindelse til %1 mislykkedes: %2</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again in %2 s</source>
        <translation>Serveren er optaget (HTTP %1); prøv igen om %2 s</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again later</source>
        <translation>Serveren er optaget (HTTP %1); prøv igen senere</translation>
    </message>
    <message>
        <source>The server refused the request (HTTP %1)</source>
        <translation>Serveren afviste forespørgslen (HTTP %1)</translation>
    </message>
    <message>
        <source>The server does not know this address (HTTP %1)</source>
        <translation>Serveren kender ikke denne adresse (HTTP %1)</translation>
    </message>
    <message>
        <source>The server reported an error (HTTP %1)</source>
        <translation>Serveren meldte en fejl (HTTP %1)</translation>
    </message>
    <message>
        <source>The server did not answer within %1 s</source>
        <translation>Serveren svarede ikke inden for %1 s</translation>
    </message>
    <message>
        <source>The server did not finish its answer within %1 s</source>
        <translation>Serveren afsluttede ikke sit svar inden for %1 s</translation>
    </message>
    <message>
        <source>The server&apos;s answer is larger than %1</source>
        <translation>Serverens svar er større end %1</translation>
    </message>
    <message>
        <source>The server sent the request on to another host (%1); it was not followed</source>
        <translation>Serveren sendte forespørgslen videre til en anden vært (%1); omdirigeringen blev ikke fulgt</translation>
    </message>
    <message>
        <source>The server sent the request on to an unencrypted address; it was not followed</source>
        <translation>Serveren sendte forespørgslen videre til en ukrypteret adresse; omdirigeringen blev ikke fulgt</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulleret</translation>
    </message>
    <message>
        <source>The server sent an empty answer</source>
        <translation>Serveren sendte et tomt svar</translation>
    </message>
</context>
<context>
    <name>FieldName</name>
    <message>
        <source>record</source>
        <translation>post</translation>
    </message>
    <message>
        <source>label</source>
        <translation>etiket</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>street</source>
        <translation>vej</translation>
    </message>
    <message>
        <source>number</source>
        <translation>husnummer</translation>
    </message>
    <message>
        <source>zip</source>
        <translation>postnummer</translation>
    </message>
    <message>
        <source>city</source>
        <translation>by</translation>
    </message>
    <message>
        <source>country</source>
        <translation>land</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>GPS-position</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefon</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>POI label</source>
        <translation>POI-etiket</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>ejer</translation>
    </message>
</context>
<context>
    <name>Geocode</name>
    <message>
        <source>Actual values</source>
        <translation>Aktuelle værdier</translation>
    </message>
    <message>
        <source>A&amp;ddress :</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>Insert here &quot;street,number&quot; to search</source>
        <translation>Skriv »vej,nummer« her for at søge</translation>
    </message>
    <message>
        <source>Cit&amp;y :</source>
        <translation>&amp;By :</translation>
    </message>
    <message>
        <source>city  to search</source>
        <translation>By, der skal søges efter</translation>
    </message>
    <message>
        <source>&amp;Zip :</source>
        <translation>&amp;Postnr. :</translation>
    </message>
    <message>
        <source>post office code  to search</source>
        <translation>Postnummer, der skal søges efter</translation>
    </message>
    <message>
        <source>&amp;State :</source>
        <translation>&amp;Region :</translation>
    </message>
    <message>
        <source>state or country  to search</source>
        <translation>Region eller land, der skal søges efter</translation>
    </message>
    <message>
        <source>Coun&amp;try :</source>
        <translation>&amp;Land :</translation>
    </message>
    <message>
        <source>country abreviation</source>
        <translation>Forkortelse for landet</translation>
    </message>
    <message>
        <source>&amp;Latitude,Longitude :</source>
        <translation>Br&amp;eddegrad, længdegrad :</translation>
    </message>
    <message>
        <source>original longitude</source>
        <translation>Oprindelige koordinater</translation>
    </message>
    <message>
        <source>Result from : Yahoo! - Geocoding API</source>
        <translation>Resultat fra : Yahoo! - Geocoding API</translation>
    </message>
    <message>
        <source>value result from query</source>
        <translation>Resultat af forespørgslen</translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation>&amp;Søg</translation>
    </message>
    <message>
        <source>Query actual value to Yahoo! geocondig API</source>
        <translation>Slå de aktuelle værdier op i Yahoo!s geokodnings-API</translation>
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
        <translation>Godkend den fundne bredde- og længdegrad og luk dialogen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuller</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Luk denne dialog</translation>
    </message>
</context>
<context>
    <name>GeocodeText</name>
    <message>
        <source>Exact address not found. Here the best result.&amp;Try to change some detail ie: add/remove zip, house number, name prefix/suffix.</source>
        <translation>Den nøjagtige adresse blev ikke fundet. Her er det bedste resultat.&amp;Prøv at ændre nogle detaljer, f.eks. tilføje eller fjerne postnummer, husnummer eller et for- eller efterled i navnet.</translation>
    </message>
    <message>
        <source>Query failed</source>
        <translation>Forespørgslen mislykkedes</translation>
    </message>
    <message>
        <source>Nothing found for this address</source>
        <translation>Intet fundet for denne adresse</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Serverens svar kunne ikke læses</translation>
    </message>
    <message>
        <source>&amp;Query (waiting)</source>
        <translation>&amp;Søg (venter)</translation>
    </message>
    <message>
        <source>Get GPS position</source>
        <translation>Hent GPS-position</translation>
    </message>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© OpenStreetMap-bidragydere</translation>
    </message>
    <message>
        <source>Result from : %1</source>
        <translation>Resultat fra : %1</translation>
    </message>
    <message>
        <source>Query actual value to %1</source>
        <translation>Slå de aktuelle værdier op hos %1</translation>
    </message>
</context>
<context>
    <name>ImportReview</name>
    <message>
        <source>Insert from vCard</source>
        <translation>Tilføj fra vCard</translation>
    </message>
    <message>
        <source>Insert for user:</source>
        <translation>Tilføj for bruger:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Vis:</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Vælg alle</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Fravælg alle</translation>
    </message>
    <message>
        <source>Shorten texts to the unit&apos;s limits</source>
        <translation>Forkort tekster til enhedens grænser</translation>
    </message>
    <message>
        <source>Write phone numbers in international form</source>
        <translation>Skriv telefonnumre i internationalt format</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiket</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>City</source>
        <translation>By</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Bemærkninger</translation>
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
        <translation>Brug kun lande, som InfoBel understøtter</translation>
    </message>
    <message>
        <source>firstname :</source>
        <translation>Fornavn :</translation>
    </message>
    <message>
        <source>Specify first name to refine your search</source>
        <translation>Angiv fornavn for at indsnævre søgningen</translation>
    </message>
    <message>
        <source>lastname :</source>
        <translation>Efternavn :</translation>
    </message>
    <message>
        <source>Lastname is mandatory for private query</source>
        <translation>Efternavn er påkrævet ved søgning efter privatpersoner</translation>
    </message>
    <message>
        <source>city :</source>
        <translation>By :</translation>
    </message>
    <message>
        <source>Specify city to refine your search</source>
        <translation>Angiv by for at indsnævre søgningen</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privat</translation>
    </message>
    <message>
        <source>Search in private database</source>
        <translation>Søg i databasen over privatpersoner</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Kategori :</translation>
    </message>
    <message>
        <source>Specify business category to refine your search</source>
        <translation>Angiv virksomhedskategori for at indsnævre søgningen</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Firmaer</translation>
    </message>
    <message>
        <source>Search in business database</source>
        <translation>Søg i databasen over firmaer</translation>
    </message>
    <message>
        <source>phone :</source>
        <translation>Telefon :</translation>
    </message>
    <message>
        <source>Phone number is mandatory for Inverse search</source>
        <translation>Telefonnummer er påkrævet ved omvendt søgning</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Omvendt</translation>
    </message>
    <message>
        <source>Search name and address from phone number</source>
        <translation>Søg navn og adresse ud fra telefonnummer</translation>
    </message>
    <message>
        <source>result : </source>
        <translation>Resultat : </translation>
    </message>
    <message>
        <source>found : 100  - read 20</source>
        <translation>Fundet : 100  - læst 20</translation>
    </message>
    <message>
        <source>+20</source>
        <translation>+20</translation>
    </message>
    <message>
        <source>read other 20 result, if any</source>
        <translation>Læs 20 resultater mere, hvis der er flere</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close and accept selected result</source>
        <translation>Luk og godkend det valgte resultat</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Luk denne dialog</translation>
    </message>
</context>
<context>
    <name>InfoBelText</name>
    <message>
        <source>%1 Query</source>
        <translation>%1-søgning</translation>
    </message>
    <message>
        <source>write query data</source>
        <translation>indtast søgedata</translation>
    </message>
    <message>
        <source>searching...</source>
        <translation>søger...</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>fejl: %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Serverens svar kunne ikke læses</translation>
    </message>
    <message>
        <source>found: 0 result</source>
        <translation>fundet: 0 resultater</translation>
    </message>
    <message>
        <source>found: %1 / %2 result</source>
        <translation>fundet: %1 / %2 resultater</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Vej</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Postnr.</translation>
    </message>
    <message>
        <source>City</source>
        <translation>By</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefon</translation>
    </message>
</context>
<context>
    <name>InterchangeText</name>
    <message>
        <source>File: %1 - Unknown token &quot;%2&quot; at line %3</source>
        <translation>Fil: %1 - Ukendt element »%2« i linje %3</translation>
    </message>
    <message>
        <source>Error exporting file : %1</source>
        <translation>Fejl ved eksport af filen : %1</translation>
    </message>
    <message>
        <source>Error importing file : %1</source>
        <translation>Fejl ved import af filen : %1</translation>
    </message>
    <message>
        <source>Error importing : %1</source>
        <translation>Fejl ved import : %1</translation>
    </message>
    <message>
        <source>Error importing : %1 (card %2)</source>
        <translation>Fejl ved import : %1 (kort %2)</translation>
    </message>
    <message>
        <source>Error creating file : %1</source>
        <translation>Fejl ved oprettelse af filen : %1</translation>
    </message>
    <message>
        <source>Error reading file : %1</source>
        <translation>Fejl ved læsning af filen : %1</translation>
    </message>
    <message>
        <source>Error exporting record %1: %2</source>
        <translation>Fejl ved eksport af post %1: %2</translation>
    </message>
    <message>
        <source>Error importing record %1: %2</source>
        <translation>Fejl ved import af post %1: %2</translation>
    </message>
    <message>
        <source>Error importing line %1: %2</source>
        <translation>Fejl ved import af linje %1: %2</translation>
    </message>
    <message>
        <source>no BEGIN:VCARD line</source>
        <translation>ingen linje BEGIN:VCARD</translation>
    </message>
    <message>
        <source>card %1 has no END:VCARD line</source>
        <translation>kort %1 har ingen linje END:VCARD</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>linje %1 er ikke en vCard-egenskab</translation>
    </message>
    <message>
        <source>not this program&apos;s CSV (UTF-16 with the header &quot;last;first;note;...&quot;); other CSV files can be inserted as new records</source>
        <translation>ikke en CSV-fil fra dette program (UTF-16 med overskriftslinjen »last;first;note;...«); andre CSV-filer kan tilføjes som nye poster</translation>
    </message>
    <message>
        <source>no label or phone column among: %1</source>
        <translation>ingen kolonne til etiket eller telefon blandt: %1</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2</source>
        <translation>Eksporter til vCard : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Import from vCard : REC.%1 - %2</source>
        <translation>Importer fra vCard : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Tilføj fra vCard</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>Eksporter til én vCard-fil</translation>
    </message>
    <message>
        <source>Export to Excel CSV file</source>
        <translation>Eksporter til Excel-CSV-fil</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Eksporter til Google-CSV</translation>
    </message>
    <message>
        <source>Import from Excel CSV file</source>
        <translation>Importer fra Excel-CSV-fil</translation>
    </message>
    <message>
        <source>Insert from Excel CSV file</source>
        <translation>Tilføj fra Excel-CSV-fil</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n kort</numerusform>
            <numerusform>%n kort</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free place(s)</source>
        <translation>
            <numerusform>%n ledig plads</numerusform>
            <numerusform>%n ledige pladser</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected, %3</source>
        <extracomment>%1 the cards or rows (&quot;312 cards&quot;), %2 how many of them are selected, %3 the free places (&quot;91 free places&quot;).</extracomment>
        <translation>%1, %2 valgt, %3</translation>
    </message>
    <message>
        <source>already in this user&apos;s list</source>
        <translation>findes allerede i denne brugers liste</translation>
    </message>
    <message>
        <source>too long for the unit</source>
        <translation>for lang til enheden</translation>
    </message>
    <message>
        <source>more than five phones / e-mails</source>
        <translation>mere end fem telefonnumre / e-mails</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 dropped</source>
        <translation>mere end fem telefonnumre / e-mails: %1 udeladt</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 and %2 dropped</source>
        <translation>mere end fem telefonnumre / e-mails: %1 og %2 udeladt</translation>
    </message>
    <message numerus="yes">
        <source>%n phone(s)</source>
        <translation>
            <numerusform>%n telefonnummer</numerusform>
            <numerusform>%n telefonnumre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail(s)</source>
        <translation>
            <numerusform>%n e-mail</numerusform>
            <numerusform>%n e-mails</numerusform>
        </translation>
    </message>
    <message>
        <source>no name</source>
        <translation>intet navn</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan ikke læses</translation>
    </message>
    <message>
        <source>contact group, not a contact</source>
        <translation>kontaktgruppe, ikke en kontakt</translation>
    </message>
    <message>
        <source>empty card</source>
        <translation>tomt kort</translation>
    </message>
    <message>
        <source>same as an earlier card</source>
        <translation>magen til et tidligere kort</translation>
    </message>
    <message>
        <source>position not understood</source>
        <translation>position ikke forstået</translation>
    </message>
    <message>
        <source>position not understood (GEO:%1)</source>
        <translation>position ikke forstået (GEO:%1)</translation>
    </message>
    <message>
        <source>same name, other number</source>
        <translation>samme navn, andet nummer</translation>
    </message>
    <message>
        <source>all cards</source>
        <translation>alle kort</translation>
    </message>
    <message>
        <source>vCard file (*.vcf);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>vCard-fil (*.vcf);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Excel CSV file (*.csv);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Excel-CSV-fil (*.csv);;Alle filer (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n række</numerusform>
            <numerusform>%n rækker</numerusform>
        </translation>
    </message>
    <message>
        <source>empty row</source>
        <translation>tom række</translation>
    </message>
    <message>
        <source>same as an earlier row</source>
        <translation>magen til en tidligere række</translation>
    </message>
    <message>
        <source>all rows</source>
        <translation>alle rækker</translation>
    </message>
</context>
<context>
    <name>KESTRAVONLayout</name>
    <message>
        <source>Load new agenda.dat file</source>
        <translation>Indlæs en Agenda.dat-fil</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>Ind&amp;læs</translation>
    </message>
    <message>
        <source>Current Agenda.dat file loaded</source>
        <translation>Den indlæste Agenda.dat-fil</translation>
    </message>
    <message>
        <source>Save current agenda.dat to file</source>
        <translation>Gem den aktuelle Agenda.dat i filen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Gem</translation>
    </message>
    <message>
        <source>Export selected record to vCard or CSV file</source>
        <translation>Eksporter den valgte post til en vCard- eller CSV-fil</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Eksporter</translation>
    </message>
    <message>
        <source>Import selected record from vCard or CSV file</source>
        <translation>Importer den valgte post fra en vCard- eller CSV-fil</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Add a new record</source>
        <translation>Tilføj en ny post</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>&amp;Tilføj</translation>
    </message>
    <message>
        <source>Delete selected records</source>
        <translation>Slet de valgte poster</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Slet</translation>
    </message>
    <message>
        <source>Edit current record</source>
        <translation>Rediger den aktuelle post</translation>
    </message>
    <message>
        <source>Edi&amp;t</source>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <source>Show only the records holding this text (Ctrl+F)</source>
        <translation>Vis kun poster, der indeholder denne tekst (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>List what the unit would refuse or show oddly</source>
        <translation>Vis, hvad enheden ville afvise eller vise forkert</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Kontroller telefonbog</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Luk programmet</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
</context>
<context>
    <name>LoadText</name>
    <message>
        <source>Field text length is greater than allowed maximum!&amp;characters read=%1 - max=%2&amp;text=%3&amp;[* Continue to load this file ?]&amp;(continue only if text show above is correct)</source>
        <extracomment>Markup: &quot;&amp;&quot; a new line, &quot;[* ...]&quot; bold. %1 the length read, %2 the limit, %3 the text.</extracomment>
        <translation>Feltets tekstlængde overstiger det tilladte maksimum!&amp;læste tegn=%1 - maks.=%2&amp;tekst=%3&amp;[* Fortsæt indlæsningen af denne fil ?]&amp;(fortsæt kun, hvis teksten ovenfor er korrekt)</translation>
    </message>
    <message>
        <source>The file is not a phonebook file.</source>
        <translation>Filen er ikke en telefonbogsfil.</translation>
    </message>
    <message>
        <source>The file ends inside record %1.</source>
        <translation>Filen slutter midt i post %1.</translation>
    </message>
    <message>
        <source>Loading was stopped at record %1, whose text is longer than allowed.</source>
        <translation>Indlæsningen blev stoppet ved post %1, hvis tekst er længere end tilladt.</translation>
    </message>
    <message>
        <source>The compressed data is damaged.</source>
        <translation>De komprimerede data er beskadigede.</translation>
    </message>
    <message>
        <source>The unpacked phonebook is larger than 64 MiB.</source>
        <translation>Den udpakkede telefonbog er større end 64 MiB.</translation>
    </message>
    <message>
        <source>The sidecar file %1 cannot be read.</source>
        <translation>Den tilhørende fil %1 kan ikke læses.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know.</source>
        <translation>Denne telefonbog har formatversion %1, som dette program ikke kender.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know. Open it anyway? It will be saved as version 80.</source>
        <translation>Denne telefonbog har formatversion %1, som dette program ikke kender. Vil du åbne den alligevel? Den bliver gemt som version 80.</translation>
    </message>
</context>
<context>
    <name>OnlineText</name>
    <message>
        <source>The look-ups and the update check are not available: their module could not be loaded.</source>
        <translation>Opslagene og søgningen efter opdateringer er ikke tilgængelige: deres modul kunne ikke indlæses.</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: ikke fundet</translation>
    </message>
    <message>
        <source>%1: built for another version of the program</source>
        <translation>%1: bygget til en anden version af programmet</translation>
    </message>
</context>
<context>
    <name>PhoneReason</name>
    <message>
        <source>holds pause or tone characters</source>
        <translation>indeholder pause- eller tonetegn</translation>
    </message>
    <message>
        <source>holds letters</source>
        <translation>indeholder bogstaver</translation>
    </message>
    <message>
        <source>holds characters that are no part of a number</source>
        <translation>indeholder tegn, der ikke hører til et nummer</translation>
    </message>
    <message>
        <source>has no country code and no region is set</source>
        <translation>har ingen landekode, og der er ikke valgt nogen region</translation>
    </message>
    <message>
        <source>is not a phone number</source>
        <translation>er ikke et telefonnummer</translation>
    </message>
    <message>
        <source>is not a valid number</source>
        <translation>er ikke et gyldigt nummer</translation>
    </message>
    <message>
        <source>is not a valid number for %1</source>
        <translation>er ikke et gyldigt nummer for %1</translation>
    </message>
    <message>
        <source>would be longer than %1 characters</source>
        <translation>ville blive længere end %1 tegn</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2: kept as typed</source>
        <translation>&quot;%1&quot; %2: beholdes som skrevet</translation>
    </message>
    <message>
        <source>same number as record %1</source>
        <translation>samme nummer som post %1</translation>
    </message>
    <message>
        <source>possibly the same number as record %1</source>
        <translation>muligvis samme nummer som post %1</translation>
    </message>
</context>
<context>
    <name>PhoneText</name>
    <message>
        <source>Tidy phone numbers</source>
        <translation>Ryd op i telefonnumre</translation>
    </message>
    <message>
        <source>Phone region...</source>
        <translation>Telefonregion...</translation>
    </message>
    <message>
        <source>The selected records hold no phone number to tidy.</source>
        <translation>De valgte poster indeholder intet telefonnummer at rydde op i.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Før</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Efter</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <translation>beholdt: %1</translation>
    </message>
    <message>
        <source>Form:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>International (+39 06 1234 5678)</source>
        <translation>Internationalt (+39 06 1234 5678)</translation>
    </message>
    <message>
        <source>E.164 (+390612345678)</source>
        <translation>E.164 (+390612345678)</translation>
    </message>
    <message>
        <source>National (06 1234 5678)</source>
        <translation>Nationalt (06 1234 5678)</translation>
    </message>
    <message>
        <source>%1 numbers change, %2 selected, %3 kept as they are</source>
        <translation>%1 numre ændres, %2 valgt, %3 beholdes uændret</translation>
    </message>
    <message>
        <source>Numbers without a country code are read as numbers of %1.</source>
        <translation>Numre uden landekode læses som numre fra %1.</translation>
    </message>
    <message>
        <source>No region is set: numbers without a country code are kept.</source>
        <translation>Ingen region valgt: numre uden landekode beholdes uændret.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Vælg alle</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Fravælg alle</translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation>Telefonregion</translation>
    </message>
    <message>
        <source>Read phone numbers without a country code as numbers of:</source>
        <translation>Læs telefonnumre uden landekode som numre fra:</translation>
    </message>
    <message>
        <source>The system&apos;s region (%1)</source>
        <translation>Systemets region (%1)</translation>
    </message>
    <message>
        <source>The system&apos;s region (none)</source>
        <translation>Systemets region (ingen)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Phone numbers cannot be read as numbers: the phone number module could not be loaded. Numbers are kept as typed and compared by their digits.</source>
        <translation>Telefonnumre kan ikke læses som numre: modulet til telefonnumre kunne ikke indlæses. Numre beholdes som skrevet og sammenlignes efter deres cifre.</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>%1 received</source>
        <translation>%1 modtaget</translation>
    </message>
</context>
<context>
    <name>ReadText</name>
    <message>
        <source>more than %1 rows</source>
        <translation>mere end %1 rækker</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>ingen overskriftslinje</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>linje %1: et felt i anførselstegn er ikke afsluttet</translation>
    </message>
    <message>
        <source>the text ends inside a UTF-16 character</source>
        <translation>teksten slutter midt i et UTF-16-tegn</translation>
    </message>
    <message>
        <source>the text is not valid UTF-16</source>
        <translation>teksten er ikke gyldig UTF-16</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>teksten er ikke gyldig UTF-8</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>ikke en tekstfil</translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>Address modified: clear &quot;Postal&quot; and &quot;Poi&quot; informations ?</source>
        <translation>Adressen er ændret: ryd oplysningerne under »Adressedata« og »PoI« ?</translation>
    </message>
    <message>
        <source>Label modified: clear &quot;voice record index&quot; informations ?</source>
        <translation>Etiketten er ændret: ryd »Indeks for stemmeoptagelse« ?</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <extracomment>%1 is the field&apos;s limit.</extracomment>
        <translation>Indtast højst %1 tegn.</translation>
    </message>
    <message>
        <source>Null value not allowed.</source>
        <translation>Tom værdi er ikke tilladt.</translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <extracomment>%1, %2: the lowest and highest value allowed.</extracomment>
        <translation>Tallet skal ligge mellem %1 og %2.</translation>
    </message>
    <message>
        <source>Invalid GPS position.</source>
        <translation>Ugyldig GPS-position.</translation>
    </message>
</context>
<context>
    <name>SafeFileText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Filen findes ikke.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Filen kan ikke læses.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Filen er ikke en almindelig fil.</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB.</source>
        <translation>Filen er større end 64 MiB.</translation>
    </message>
</context>
<context>
    <name>UpdateText</name>
    <message>
        <source>Download of %1 failed</source>
        <extracomment>%1 is the address that was downloaded.</extracomment>
        <translation>Hentning af %1 mislykkedes</translation>
    </message>
    <message>
        <source>[3B New version present !&amp;]Program filename -|: %1&amp;Version          -|: %2&amp;Release date     -|: %3&amp;&amp;Would you download the new file ?</source>
        <extracomment>Markup: &quot;[3B ...]&quot; a heading, &quot;&amp;&quot; a new line, &quot;-|&quot; a tab. %1 the file name, %2 the version, %3 its date.</extracomment>
        <translation>[3B Ny version tilgængelig !&amp;]Programfil        -|: %1&amp;Version          -|: %2&amp;Udgivelsesdato   -|: %3&amp;&amp;Vil du hente den nye fil ?</translation>
    </message>
    <message>
        <source>Your program is up to date</source>
        <translation>Dit program er opdateret</translation>
    </message>
    <message>
        <source>The update is not signed by the publisher</source>
        <translation>Opdateringen er ikke signeret af udgiveren</translation>
    </message>
    <message>
        <source>The update archive is damaged (%1)</source>
        <translation>Opdateringsarkivet er beskadiget (%1)</translation>
    </message>
    <message>
        <source>Error starting the new version</source>
        <translation>Fejl ved start af den nye version</translation>
    </message>
    <message>
        <source>The new version does not start on this computer: %1</source>
        <translation>Den nye version starter ikke på denne computer: %1</translation>
    </message>
    <message>
        <source>The new version stopped at start-up; the previous version was restored.</source>
        <translation>Den nye version stoppede under opstarten; den tidligere version er gendannet.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s; the previous version was restored.</source>
        <translation>Den nye version åbnede ikke sit vindue inden for %1 s; den tidligere version er gendannet.</translation>
    </message>
    <message>
        <source>The new version stopped at start-up.</source>
        <translation>Den nye version stoppede under opstarten.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s.</source>
        <translation>Den nye version åbnede ikke sit vindue inden for %1 s.</translation>
    </message>
    <message>
        <source>The previous version could not be put back: rename %1 to %2 by hand.</source>
        <translation>Den tidligere version kunne ikke sættes tilbage: omdøb %1 til %2 manuelt.</translation>
    </message>
    <message>
        <source>No update found</source>
        <translation>Ingen opdatering fundet</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>intet svar inden for %1 s</translation>
    </message>
    <message>
        <source>ended by signal %1</source>
        <translation>afsluttet af signal %1</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>afslutningsstatus %1</translation>
    </message>
    <message>
        <source>it reports &quot;%1&quot; instead of version %2</source>
        <translation>programmet melder »%1« i stedet for version %2</translation>
    </message>
</context>
</TS>
