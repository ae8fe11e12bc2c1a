<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CheckReport</name>
    <message>
        <source>Check phonebook</source>
        <translation>Controlla rubrica</translation>
    </message>
    <message>
        <source>Double-click a finding to select its record</source>
        <translation>Fai doppio clic su una segnalazione per selezionarne la scheda</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Scheda</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Segnalazione</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>EditRecord</name>
    <message>
        <source>Edit Record</source>
        <translation>Modifica scheda</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Scheda</translation>
    </message>
    <message>
        <source>type :</source>
        <translation>Tipo :</translation>
    </message>
    <message>
        <source>record type</source>
        <translation>Tipo di scheda</translation>
    </message>
    <message>
        <source>record :</source>
        <translation>Scheda :</translation>
    </message>
    <message>
        <source>record number</source>
        <translation>Numero della scheda</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>select previous record for current user</source>
        <translation>Seleziona la scheda precedente dell&apos;utente corrente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successiva</translation>
    </message>
    <message>
        <source>select next record for current user</source>
        <translation>Seleziona la scheda successiva dell&apos;utente corrente</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>owner :</source>
        <translation>Proprietario :</translation>
    </message>
    <message>
        <source>record owner</source>
        <translation>Utente a cui appartiene la scheda</translation>
    </message>
    <message>
        <source>label :</source>
        <translation>Etichetta :</translation>
    </message>
    <message>
        <source>label as appear on RTx phonebook</source>
        <translation>Etichetta come appare nella rubrica dell&apos;RTx</translation>
    </message>
    <message>
        <source>note :</source>
        <translation>Nota :</translation>
    </message>
    <message>
        <source>enter some comment for this record</source>
        <translation>Inserisci un commento per questa scheda</translation>
    </message>
    <message>
        <source>voice record index :</source>
        <translation>Indice registrazione vocale :</translation>
    </message>
    <message>
        <source>index of voice recorded label, if any</source>
        <translation>Indice dell&apos;etichetta registrata a voce, se presente</translation>
    </message>
    <message>
        <source>sim position :</source>
        <translation>Posizione SIM :</translation>
    </message>
    <message>
        <source>position in phone sim, if type=SIM</source>
        <translation>Posizione nella SIM del telefono, se tipo=SIM</translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation>Esporta vCard</translation>
    </message>
    <message>
        <source>export this record to vCard file</source>
        <translation>Esporta questa scheda in un file vCard</translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation>Importa vCard</translation>
    </message>
    <message>
        <source>import this record from vCard file</source>
        <translation>Importa questa scheda da un file vCard</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>street :</source>
        <translation>Via :</translation>
    </message>
    <message>
        <source>street of address information</source>
        <translation>Via dell&apos;indirizzo</translation>
    </message>
    <message>
        <source>n° :</source>
        <translation>N. :</translation>
    </message>
    <message>
        <source>huose number of address information</source>
        <translation>Numero civico dell&apos;indirizzo</translation>
    </message>
    <message>
        <source>zip :</source>
        <translation>CAP :</translation>
    </message>
    <message>
        <source>post office code of address information</source>
        <translation>Codice di avviamento postale dell&apos;indirizzo</translation>
    </message>
    <message>
        <source>town :</source>
        <translation>Città :</translation>
    </message>
    <message>
        <source>town of address information</source>
        <translation>Città dell&apos;indirizzo</translation>
    </message>
    <message>
        <source>country :</source>
        <translation>Paese :</translation>
    </message>
    <message>
        <source>country of address information</source>
        <translation>Paese dell&apos;indirizzo</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>1 :</source>
        <translation>1 :</translation>
    </message>
    <message>
        <source>phone number type</source>
        <translation>Tipo di numero di telefono</translation>
    </message>
    <message>
        <source>phone number</source>
        <translation>Numero di telefono</translation>
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
        <translation>Tipo di indirizzo e-mail</translation>
    </message>
    <message>
        <source>email address</source>
        <translation>Indirizzo e-mail</translation>
    </message>
    <message>
        <source>InfoBel database</source>
        <translation>Database InfoBel</translation>
    </message>
    <message>
        <source>retrieve address and phone information from InfoBel database</source>
        <translation>Recupera indirizzo e telefono dal database InfoBel</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>signed if GPS data present</source>
        <translation>Selezionato se sono presenti dati GPS</translation>
    </message>
    <message>
        <source>latitude :</source>
        <translation>Latitudine :</translation>
    </message>
    <message>
        <source>GPS coordinate</source>
        <translation>Coordinata GPS</translation>
    </message>
    <message>
        <source>longitude :</source>
        <translation>Longitudine :</translation>
    </message>
    <message>
        <source>postal</source>
        <translation>Postale</translation>
    </message>
    <message>
        <source>signed if Postal data present</source>
        <translation>Selezionato se sono presenti dati postali</translation>
    </message>
    <message>
        <source>type of Postal data</source>
        <translation>Tipo dei dati postali</translation>
    </message>
    <message>
        <source>code :</source>
        <translation>Codice :</translation>
    </message>
    <message>
        <source>house n°:</source>
        <translation>N. civico:</translation>
    </message>
    <message>
        <source>road 1 :</source>
        <translation>Via 1 :</translation>
    </message>
    <message>
        <source>road 2 :</source>
        <translation>Via 2 :</translation>
    </message>
    <message>
        <source>PoI</source>
        <translation>PoI</translation>
    </message>
    <message>
        <source>signed if Poi data present</source>
        <translation>Selezionato se sono presenti dati PoI</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Categoria :</translation>
    </message>
    <message>
        <source>facility :</source>
        <translation>Struttura :</translation>
    </message>
    <message>
        <source>ref.CD</source>
        <translation>Rif. CD</translation>
    </message>
    <message>
        <source>quarter :</source>
        <translation>Trimestre :</translation>
    </message>
    <message>
        <source>informatin about map CD used for Navigation data</source>
        <translation>Informazioni sul CD delle mappe usato per i dati di navigazione</translation>
    </message>
    <message>
        <source>year :</source>
        <translation>Anno :</translation>
    </message>
    <message>
        <source>cid :</source>
        <translation>cid :</translation>
    </message>
    <message>
        <source>Geocode address</source>
        <translation>Geocodifica</translation>
    </message>
    <message>
        <source>retrieve GPS coordinate for record postal address</source>
        <translation>Ottieni la coordinata GPS dell&apos;indirizzo della scheda</translation>
    </message>
    <message>
        <source>ACP</source>
        <translation>ACP</translation>
    </message>
    <message>
        <source>ACP data, if type=ACP</source>
        <translation>Dati ACP, se tipo=ACP</translation>
    </message>
    <message>
        <source>date 1 :</source>
        <translation>Data 1 :</translation>
    </message>
    <message>
        <source>date 2 :</source>
        <translation>Data 2 :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept all data and close dialog</source>
        <translation>Accetta tutti i dati e chiudi la finestra</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Chiudi questa finestra</translation>
    </message>
</context>
<context>
    <name>Geocode</name>
    <message>
        <source>Actual values</source>
        <translation>Valori attuali</translation>
    </message>
    <message>
        <source>A&amp;ddress :</source>
        <translation>&amp;Indirizzo :</translation>
    </message>
    <message>
        <source>Insert here &quot;street,number&quot; to search</source>
        <translation>Inserisci qui &quot;via,numero&quot; da cercare</translation>
    </message>
    <message>
        <source>Cit&amp;y :</source>
        <translation>Ci&amp;ttà :</translation>
    </message>
    <message>
        <source>city  to search</source>
        <translation>Città da cercare</translation>
    </message>
    <message>
        <source>&amp;Zip :</source>
        <translation>C&amp;AP :</translation>
    </message>
    <message>
        <source>post office code  to search</source>
        <translation>CAP da cercare</translation>
    </message>
    <message>
        <source>&amp;State :</source>
        <translation>&amp;Regione :</translation>
    </message>
    <message>
        <source>state or country  to search</source>
        <translation>Regione o paese da cercare</translation>
    </message>
    <message>
        <source>Coun&amp;try :</source>
        <translation>&amp;Paese :</translation>
    </message>
    <message>
        <source>country abreviation</source>
        <translation>Sigla del paese</translation>
    </message>
    <message>
        <source>&amp;Latitude,Longitude :</source>
        <translation>&amp;Latitudine, longitudine :</translation>
    </message>
    <message>
        <source>original longitude</source>
        <translation>Coordinate originali</translation>
    </message>
    <message>
        <source>Result from : Yahoo! - Geocoding API</source>
        <translation>Risultato da : Yahoo! - Geocoding API</translation>
    </message>
    <message>
        <source>value result from query</source>
        <translation>Risultato della ricerca</translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Query actual value to Yahoo! geocondig API</source>
        <translation>Interroga l&apos;API di geocodifica di Yahoo! con i valori attuali</translation>
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
        <translation>Accetta latitudine e longitudine trovate e chiudi la finestra</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Chiudi questa finestra</translation>
    </message>
</context>
<context>
    <name>ImportReview</name>
    <message>
        <source>Insert from vCard</source>
        <translation>Inserisci da vCard</translation>
    </message>
    <message>
        <source>Insert for user:</source>
        <translation>Inserisci per l&apos;utente:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostra:</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message>
        <source>Shorten texts to the unit&apos;s limits</source>
        <translation>Accorcia i testi entro i limiti del dispositivo</translation>
    </message>
    <message>
        <source>Write phone numbers in international form</source>
        <translation>Scrivi i numeri di telefono in formato internazionale</translation>
    </message>
</context>
<context>
    <name>InfoBel</name>
    <message>
        <source>country :</source>
        <translation>Paese :</translation>
    </message>
    <message>
        <source>Use only country supported by InfoBel</source>
        <translation>Usa solo paesi supportati da InfoBel</translation>
    </message>
    <message>
        <source>firstname :</source>
        <translation>Nome :</translation>
    </message>
    <message>
        <source>Specify first name to refine your search</source>
        <translation>Indica il nome per affinare la ricerca</translation>
    </message>
    <message>
        <source>lastname :</source>
        <translation>Cognome :</translation>
    </message>
    <message>
        <source>Lastname is mandatory for private query</source>
        <translation>Il cognome è obbligatorio per la ricerca di privati</translation>
    </message>
    <message>
        <source>city :</source>
        <translation>Città :</translation>
    </message>
    <message>
        <source>Specify city to refine your search</source>
        <translation>Indica la città per affinare la ricerca</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Privati</translation>
    </message>
    <message>
        <source>Search in private database</source>
        <translation>Cerca nel database dei privati</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Categoria :</translation>
    </message>
    <message>
        <source>Specify business category to refine your search</source>
        <translation>Indica la categoria merceologica per affinare la ricerca</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Aziende</translation>
    </message>
    <message>
        <source>Search in business database</source>
        <translation>Cerca nel database delle aziende</translation>
    </message>
    <message>
        <source>phone :</source>
        <translation>Telefono :</translation>
    </message>
    <message>
        <source>Phone number is mandatory for Inverse search</source>
        <translation>Il numero di telefono è obbligatorio per la ricerca inversa</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inversa</translation>
    </message>
    <message>
        <source>Search name and address from phone number</source>
        <translation>Cerca nome e indirizzo dal numero di telefono</translation>
    </message>
    <message>
        <source>result : </source>
        <translation>Risultato : </translation>
    </message>
    <message>
        <source>found : 100  - read 20</source>
        <translation>Trovati : 100  - letti 20</translation>
    </message>
    <message>
        <source>+20</source>
        <translation>+20</translation>
    </message>
    <message>
        <source>read other 20 result, if any</source>
        <translation>Leggi altri 20 risultati, se presenti</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close and accept selected result</source>
        <translation>Chiudi e accetta il risultato selezionato</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Chiudi questa finestra</translation>
    </message>
</context>
<context>
    <name>KESTRAVONLayout</name>
    <message>
        <source>Load new agenda.dat file</source>
        <translation>Apri un file Agenda.dat</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>Current Agenda.dat file loaded</source>
        <translation>File Agenda.dat aperto</translation>
    </message>
    <message>
        <source>Save current agenda.dat to file</source>
        <translation>Salva l&apos;Agenda.dat corrente su file</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Export selected record to vCard or CSV file</source>
        <translation>Esporta la scheda selezionata in un file vCard o CSV</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Esporta</translation>
    </message>
    <message>
        <source>Import selected record from vCard or CSV file</source>
        <translation>Importa la scheda selezionata da un file vCard o CSV</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Add a new record</source>
        <translation>Aggiungi una nuova scheda</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>I&amp;nserisci</translation>
    </message>
    <message>
        <source>Delete selected records</source>
        <translation>Elimina le schede selezionate</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>Edit current record</source>
        <translation>Modifica la scheda corrente</translation>
    </message>
    <message>
        <source>Edi&amp;t</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Show only the records holding this text (Ctrl+F)</source>
        <translation>Mostra solo le schede che contengono questo testo (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>List what the unit would refuse or show oddly</source>
        <translation>Elenca ciò che il dispositivo rifiuterebbe o mostrerebbe in modo errato</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Controlla rubrica</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Chiudi il programma</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Es&amp;ci</translation>
    </message>
</context>
<context>
    <name>CsvColumns</name>
    <message>
        <source>Columns of the CSV file</source>
        <translation>Colonne del file CSV</translation>
    </message>
    <message>
        <source>No column of this file is known to hold a name or a phone number. Choose what each column holds; the choice is remembered for files with the same columns.</source>
        <translation>Nessuna colonna di questo file è nota per contenere un nome o un numero di telefono. Scegli il contenuto di ogni colonna; la scelta viene ricordata per i file con le stesse colonne.</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonna</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Primi valori</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Choose a column for the label, a name or a phone number.</source>
        <translation>Scegli una colonna per l’etichetta, un nome o un numero di telefono.</translation>
    </message>
</context>
</TS>
