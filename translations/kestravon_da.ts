<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
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
</TS>
