<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AppText</name>
    <message>
        <source>%1 - %2 - %3 - by velkaran</source>
        <extracomment>The window title: program name, version, release date.</extracomment>
        <translation>%1 - %2 - %3 - di velkaran</translation>
    </message>
    <message>
        <source>Check for program updates ?</source>
        <translation>Cercare aggiornamenti del programma ?</translation>
    </message>
    <message>
        <source>Load Agenda.dat file</source>
        <translation>Apri file Agenda.dat</translation>
    </message>
    <message>
        <source>Save Agenda.dat file</source>
        <translation>Salva file Agenda.dat</translation>
    </message>
    <message>
        <source>Agenda.dat (Agenda.dat);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Agenda.dat (Agenda.dat);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Error loading file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Errore durante l&apos;apertura del file : %1</translation>
    </message>
    <message>
        <source>Error saving file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Errore durante il salvataggio del file : %1</translation>
    </message>
    <message>
        <source>Save modified Agenda ?</source>
        <translation>Salvare la rubrica modificata ?</translation>
    </message>
    <message>
        <source>Exit %1 ?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Uscire da %1 ?</translation>
    </message>
    <message>
        <source>Delete selected records ?</source>
        <translation>Eliminare le schede selezionate ?</translation>
    </message>
    <message>
        <source>Move selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Spostare le schede selezionate a %1 ?</translation>
    </message>
    <message>
        <source>Copy selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Copiare le schede selezionate a %1 ?</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Export to vCard</source>
        <translation>Esporta in vCard</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>Esporta in un unico file vCard</translation>
    </message>
    <message>
        <source>Import from vCard</source>
        <translation>Importa da vCard</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Inserisci da vCard</translation>
    </message>
    <message>
        <source>Export to Excel CSV</source>
        <translation>Esporta in CSV Excel</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Esporta in CSV Google</translation>
    </message>
    <message>
        <source>Import from Excel CSV</source>
        <translation>Importa da CSV Excel</translation>
    </message>
    <message>
        <source>Insert from Excel CSV</source>
        <translation>Inserisci da CSV Excel</translation>
    </message>
    <message>
        <source>Move to user</source>
        <translation>Sposta all&apos;utente</translation>
    </message>
    <message>
        <source>Copy to user</source>
        <translation>Copia all&apos;utente</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Controlla rubrica</translation>
    </message>
    <message>
        <source>Nothing found: the unit can take every record as it is.</source>
        <translation>Nessuna segnalazione: il dispositivo può accettare ogni scheda così com&apos;è.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s). Double-click one to select its record.</source>
        <translation>
            <numerusform>%n segnalazione. Fai doppio clic per selezionarne la scheda.</numerusform>
            <numerusform>%n segnalazioni. Fai doppio clic su una segnalazione per selezionarne la scheda.</numerusform>
        </translation>
    </message>
    <message>
        <source>new empty record</source>
        <translation>nuova scheda vuota</translation>
    </message>
    <message>
        <source>from Vcf file</source>
        <translation>da file vCard</translation>
    </message>
    <message>
        <source>from Excel CSV file</source>
        <translation>da file CSV Excel</translation>
    </message>
    <message>
        <source>to Vcf file</source>
        <translation>in file vCard</translation>
    </message>
    <message>
        <source>to one Vcf file</source>
        <translation>in un unico file vCard</translation>
    </message>
    <message>
        <source>to Excel CSV file</source>
        <translation>in file CSV Excel</translation>
    </message>
    <message>
        <source>to Google CSV</source>
        <translation>in CSV Google</translation>
    </message>
    <message>
        <source>&amp;Columns...</source>
        <translation>&amp;Colonne...</translation>
    </message>
    <message>
        <source>Choose what each column of the file holds</source>
        <translation>Scegli cosa contiene ogni colonna del file</translation>
    </message>
    <message>
        <source>The columns as recognised (layout: %1). Change what a column holds if it is wrong; the choice is remembered for files with the same columns.</source>
        <extracomment>%1 is the name of the recognised layout (&quot;Google Contacts&quot;, &quot;Outlook (German)&quot;).</extracomment>
        <translation>Le colonne come riconosciute (formato: %1). Cambia il contenuto di una colonna se è sbagliato; la scelta viene ricordata per i file con le stesse colonne.</translation>
    </message>
    <message>
        <source>The columns as chosen before. Change what a column holds; the choice is remembered for files with the same columns.</source>
        <translation>Le colonne come scelte in precedenza. Cambia il contenuto di una colonna; la scelta viene ricordata per i file con le stesse colonne.</translation>
    </message>
</context>
<context>
    <name>BookText</name>
    <message>
        <source>No more space to add contact to Agenda</source>
        <translation>Spazio esaurito: impossibile aggiungere altri contatti alla rubrica</translation>
    </message>
    <message>
        <source>There is no record in this slot.</source>
        <translation>In questa posizione non c&apos;è alcuna scheda.</translation>
    </message>
    <message>
        <source>A user cannot be deleted or given to another user.</source>
        <translation>Un utente non può essere eliminato né assegnato a un altro utente.</translation>
    </message>
    <message>
        <source>There is no such user.</source>
        <translation>Questo utente non esiste.</translation>
    </message>
</context>
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
    <name>CheckText</name>
    <message>
        <source>owner %1 is not one of the phonebook&apos;s %2 users</source>
        <translation>il proprietario %1 non è uno dei %2 utenti della rubrica</translation>
    </message>
    <message>
        <source>%1 %2 holds characters a phone cannot dial</source>
        <translation>%1 %2 contiene caratteri che un telefono non può comporre</translation>
    </message>
    <message>
        <source>has no label</source>
        <translation>non ha etichetta</translation>
    </message>
    <message>
        <source>has no label, phone or e-mail</source>
        <translation>non ha né etichetta, né telefono, né e-mail</translation>
    </message>
    <message>
        <source>%1 is %2 characters, the unit allows %3</source>
        <translation>%1 ha %2 caratteri, il dispositivo ne ammette %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>%1 the field (&quot;phone 2&quot;), %2 the number in quotes, %3 why it is no valid number (&quot;holds letters&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 has no country code and no region is set: it will not dial abroad</source>
        <translation>%1 %2 non ha prefisso internazionale e non è impostata alcuna regione: non sarà componibile dall&apos;estero</translation>
    </message>
    <message>
        <source>same label</source>
        <translation>stessa etichetta</translation>
    </message>
    <message>
        <source>same number as %1</source>
        <translation type="vanished">stesso numero in %1</translation>
    </message>
    <message>
        <source>looks like a duplicate of record %1 (%2)</source>
        <translation>sembra un duplicato della scheda %1 (%2)</translation>
    </message>
    <message>
        <source>GPS latitude %1 is beyond ±%2</source>
        <translation>la latitudine GPS %1 supera ±%2</translation>
    </message>
    <message>
        <source>GPS longitude %1 is beyond ±%2</source>
        <translation>la longitudine GPS %1 supera ±%2</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>scheda %1: %2</translation>
    </message>
    <message>
        <source>%1 %2 is the same number as record %3</source>
        <translation>%1 %2 è lo stesso numero della scheda %3</translation>
    </message>
    <message>
        <source>%1 %2 is possibly the same number as record %3</source>
        <translation>%1 %2 è forse lo stesso numero della scheda %3</translation>
    </message>
</context>
<context>
    <name>ColumnTitle</name>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Numb</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Phone-1</source>
        <translation>Telefono-1</translation>
    </message>
    <message>
        <source>Phone-2</source>
        <translation>Telefono-2</translation>
    </message>
    <message>
        <source>Phone-3</source>
        <translation>Telefono-3</translation>
    </message>
    <message>
        <source>Phone-4</source>
        <translation>Telefono-4</translation>
    </message>
    <message>
        <source>Phone-5</source>
        <translation>Telefono-5</translation>
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
        <translation>Etichetta POI</translation>
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
    <name>EditorText</name>
    <message>
        <source>Edit Record</source>
        <translation>Modifica scheda</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2.vcf</source>
        <translation>Esporta in vCard : REC.%1 - %2.vcf</translation>
    </message>
    <message>
        <source>Invalid number.</source>
        <translation>Numero non valido.</translation>
    </message>
    <message>
        <source>Write as %1</source>
        <translation>Scrivi come %1</translation>
    </message>
</context>
<context>
    <name>FetchText</name>
    <message>
        <source>read : %1</source>
        <translation>Lettura : %1</translation>
    </message>
    <message>
        <source>Could not reach %1: %2</source>
        <translation>Impossibile raggiungere %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid for %1</source>
        <translation>Il certificato del server non è valido per %1</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>La connessione sicura a %1 non è riuscita: %2</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again in %2 s</source>
        <translation>Il server è occupato (HTTP %1); riprova tra %2 s</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again later</source>
        <translation>Il server è occupato (HTTP %1); riprova più tardi</translation>
    </message>
    <message>
        <source>The server refused the request (HTTP %1)</source>
        <translation>Il server ha rifiutato la richiesta (HTTP %1)</translation>
    </message>
    <message>
        <source>The server does not know this address (HTTP %1)</source>
        <translation>Il server non conosce questo indirizzo (HTTP %1)</translation>
    </message>
    <message>
        <source>The server reported an error (HTTP %1)</source>
        <translation>Il server ha segnalato un errore (HTTP %1)</translation>
    </message>
    <message>
        <source>The server did not answer within %1 s</source>
        <translation>Il server non ha risposto entro %1 s</translation>
    </message>
    <message>
        <source>The server did not finish its answer within %1 s</source>
        <translation>Il server non ha completato la risposta entro %1 s</translation>
    </message>
    <message>
        <source>The server&apos;s answer is larger than %1</source>
        <translation>La risposta del server supera %1</translation>
    </message>
    <message>
        <source>The server sent the request on to another host (%1); it was not followed</source>
        <translation>Il server ha inoltrato la richiesta a un altro host (%1); il reindirizzamento non è stato seguito</translation>
    </message>
    <message>
        <source>The server sent the request on to an unencrypted address; it was not followed</source>
        <translation>Il server ha inoltrato la richiesta a un indirizzo non cifrato; il reindirizzamento non è stato seguito</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>The server sent an empty answer</source>
        <translation>Il server ha inviato una risposta vuota</translation>
    </message>
</context>
<context>
    <name>FieldName</name>
    <message>
        <source>record</source>
        <translation>scheda</translation>
    </message>
    <message>
        <source>label</source>
        <translation>etichetta</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>street</source>
        <translation>via</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numero civico</translation>
    </message>
    <message>
        <source>zip</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>city</source>
        <translation>città</translation>
    </message>
    <message>
        <source>country</source>
        <translation>paese</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>posizione GPS</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>telefono</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>POI label</source>
        <translation>etichetta POI</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>proprietario</translation>
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
    <name>GeocodeText</name>
    <message>
        <source>Exact address not found. Here the best result.&amp;Try to change some detail ie: add/remove zip, house number, name prefix/suffix.</source>
        <translation>Indirizzo esatto non trovato. Ecco il risultato migliore.&amp;Prova a modificare qualche dettaglio, ad es. aggiungi o togli CAP, numero civico, prefisso o suffisso del nome.</translation>
    </message>
    <message>
        <source>Query failed</source>
        <translation>Ricerca non riuscita</translation>
    </message>
    <message>
        <source>Nothing found for this address</source>
        <translation>Nessun risultato per questo indirizzo</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Impossibile leggere la risposta del server</translation>
    </message>
    <message>
        <source>&amp;Query (waiting)</source>
        <translation>&amp;Cerca (in attesa)</translation>
    </message>
    <message>
        <source>Get GPS position</source>
        <translation>Ottieni posizione GPS</translation>
    </message>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© contributori di OpenStreetMap</translation>
    </message>
    <message>
        <source>Result from : %1</source>
        <translation>Risultato da : %1</translation>
    </message>
    <message>
        <source>Query actual value to %1</source>
        <translation>Interroga %1 con i valori attuali</translation>
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
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Osservazioni</translation>
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
    <name>InfoBelText</name>
    <message>
        <source>%1 Query</source>
        <translation>Ricerca %1</translation>
    </message>
    <message>
        <source>write query data</source>
        <translation>inserisci i dati da cercare</translation>
    </message>
    <message>
        <source>searching...</source>
        <translation>ricerca in corso...</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>errore: %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>Impossibile leggere la risposta del server</translation>
    </message>
    <message>
        <source>found: 0 result</source>
        <translation>trovati: 0 risultati</translation>
    </message>
    <message>
        <source>found: %1 / %2 result</source>
        <translation>trovati: %1 / %2 risultati</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Via</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>Telefono</translation>
    </message>
</context>
<context>
    <name>InterchangeText</name>
    <message>
        <source>File: %1 - Unknown token &quot;%2&quot; at line %3</source>
        <translation>File: %1 - Elemento sconosciuto &quot;%2&quot; alla riga %3</translation>
    </message>
    <message>
        <source>Error exporting file : %1</source>
        <translation>Errore durante l&apos;esportazione del file : %1</translation>
    </message>
    <message>
        <source>Error importing file : %1</source>
        <translation>Errore durante l&apos;importazione del file : %1</translation>
    </message>
    <message>
        <source>Error importing : %1</source>
        <translation>Errore durante l&apos;importazione : %1</translation>
    </message>
    <message>
        <source>Error importing : %1 (card %2)</source>
        <translation>Errore durante l&apos;importazione : %1 (contatto %2)</translation>
    </message>
    <message>
        <source>Error creating file : %1</source>
        <translation>Errore durante la creazione del file : %1</translation>
    </message>
    <message>
        <source>Error reading file : %1</source>
        <translation>Errore durante la lettura del file : %1</translation>
    </message>
    <message>
        <source>Error exporting record %1: %2</source>
        <translation>Errore durante l&apos;esportazione della scheda %1: %2</translation>
    </message>
    <message>
        <source>Error importing record %1: %2</source>
        <translation>Errore durante l&apos;importazione della scheda %1: %2</translation>
    </message>
    <message>
        <source>Error importing line %1: %2</source>
        <translation>Errore durante l&apos;importazione della riga %1: %2</translation>
    </message>
    <message>
        <source>no BEGIN:VCARD line</source>
        <translation>manca la riga BEGIN:VCARD</translation>
    </message>
    <message>
        <source>card %1 has no END:VCARD line</source>
        <translation>al contatto %1 manca la riga END:VCARD</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>la riga %1 non è una proprietà vCard</translation>
    </message>
    <message>
        <source>not this program&apos;s CSV (UTF-16 with the header &quot;last;first;note;...&quot;); other CSV files can be inserted as new records</source>
        <translation>non è un CSV di questo programma (UTF-16 con l&apos;intestazione &quot;last;first;note;...&quot;); gli altri file CSV possono essere inseriti come nuove schede</translation>
    </message>
    <message>
        <source>no label or phone column among: %1</source>
        <translation>nessuna colonna per etichetta o telefono tra: %1</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2</source>
        <translation>Esporta in vCard : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Import from vCard : REC.%1 - %2</source>
        <translation>Importa da vCard : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Inserisci da vCard</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>Esporta in un unico file vCard</translation>
    </message>
    <message>
        <source>Export to Excel CSV file</source>
        <translation>Esporta in file CSV Excel</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Esporta in CSV Google</translation>
    </message>
    <message>
        <source>Import from Excel CSV file</source>
        <translation>Importa da file CSV Excel</translation>
    </message>
    <message>
        <source>Insert from Excel CSV file</source>
        <translation>Inserisci da file CSV Excel</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n contatto</numerusform>
            <numerusform>%n contatti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free place(s)</source>
        <translation>
            <numerusform>%n posto libero</numerusform>
            <numerusform>%n posti liberi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected, %3</source>
        <extracomment>%1 the cards or rows (&quot;312 cards&quot;), %2 how many of them are selected, %3 the free places (&quot;91 free places&quot;).</extracomment>
        <translation>%1, %2 selezionati, %3</translation>
    </message>
    <message>
        <source>already in this user&apos;s list</source>
        <translation>già nell&apos;elenco di questo utente</translation>
    </message>
    <message>
        <source>too long for the unit</source>
        <translation>troppo lungo per il dispositivo</translation>
    </message>
    <message>
        <source>more than five phones / e-mails</source>
        <translation>più di cinque telefoni / e-mail</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 dropped</source>
        <translation>più di cinque telefoni / e-mail: verrà importato senza %1</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 and %2 dropped</source>
        <translation>più di cinque telefoni / e-mail: verrà importato senza %1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n phone(s)</source>
        <translation>
            <numerusform>%n telefono</numerusform>
            <numerusform>%n telefoni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail(s)</source>
        <translation>
            <numerusform>%n e-mail</numerusform>
            <numerusform>%n e-mail</numerusform>
        </translation>
    </message>
    <message>
        <source>no name</source>
        <translation>senza nome</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illeggibile</translation>
    </message>
    <message>
        <source>contact group, not a contact</source>
        <translation>gruppo di contatti, non un contatto</translation>
    </message>
    <message>
        <source>empty card</source>
        <translation>contatto vuoto</translation>
    </message>
    <message>
        <source>same as an earlier card</source>
        <translation>uguale a un contatto precedente</translation>
    </message>
    <message>
        <source>position not understood</source>
        <translation>posizione non riconosciuta</translation>
    </message>
    <message>
        <source>position not understood (GEO:%1)</source>
        <translation>posizione non riconosciuta (GEO:%1)</translation>
    </message>
    <message>
        <source>same name, other number</source>
        <translation>stesso nome, altro numero</translation>
    </message>
    <message>
        <source>all cards</source>
        <translation>tutti i contatti</translation>
    </message>
    <message>
        <source>vCard file (*.vcf);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>File vCard (*.vcf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Excel CSV file (*.csv);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>File CSV Excel (*.csv);;Tutti i file (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n riga</numerusform>
            <numerusform>%n righe</numerusform>
        </translation>
    </message>
    <message>
        <source>empty row</source>
        <translation>riga vuota</translation>
    </message>
    <message>
        <source>same as an earlier row</source>
        <translation>uguale a una riga precedente</translation>
    </message>
    <message>
        <source>all rows</source>
        <translation>tutte le righe</translation>
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
    <name>LoadText</name>
    <message>
        <source>Field text length is greater than allowed maximum!&amp;characters read=%1 - max=%2&amp;text=%3&amp;[* Continue to load this file ?]&amp;(continue only if text show above is correct)</source>
        <extracomment>Markup: &quot;&amp;&quot; a new line, &quot;[* ...]&quot; bold. %1 the length read, %2 the limit, %3 the text.</extracomment>
        <translation>La lunghezza del testo del campo supera il massimo consentito!&amp;caratteri letti=%1 - max=%2&amp;testo=%3&amp;[* Continuare l&apos;apertura di questo file ?]&amp;(continua solo se il testo mostrato sopra è corretto)</translation>
    </message>
    <message>
        <source>The file is not a phonebook file.</source>
        <translation>Il file non è un file di rubrica.</translation>
    </message>
    <message>
        <source>The file ends inside record %1.</source>
        <translation>Il file si interrompe a metà della scheda %1.</translation>
    </message>
    <message>
        <source>Loading was stopped at record %1, whose text is longer than allowed.</source>
        <translation>L&apos;apertura si è fermata alla scheda %1, il cui testo supera la lunghezza consentita.</translation>
    </message>
    <message>
        <source>The compressed data is damaged.</source>
        <translation>I dati compressi sono danneggiati.</translation>
    </message>
    <message>
        <source>The unpacked phonebook is larger than 64 MiB.</source>
        <translation>La rubrica decompressa supera i 64 MiB.</translation>
    </message>
    <message>
        <source>The sidecar file %1 cannot be read.</source>
        <translation>Impossibile leggere il file associato %1.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know.</source>
        <translation>Questa rubrica ha la versione di formato %1, che questo programma non conosce.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know. Open it anyway? It will be saved as version 80.</source>
        <translation>Questa rubrica ha la versione di formato %1, che questo programma non conosce. Aprirla comunque? Verrà salvata nella versione 80.</translation>
    </message>
</context>
<context>
    <name>OnlineText</name>
    <message>
        <source>The look-ups and the update check are not available: their module could not be loaded.</source>
        <translation>Le ricerche e il controllo degli aggiornamenti non sono disponibili: non è stato possibile caricare il loro modulo.</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: non trovato</translation>
    </message>
    <message>
        <source>%1: built for another version of the program</source>
        <translation>%1: compilato per un&apos;altra versione del programma</translation>
    </message>
</context>
<context>
    <name>PhoneReason</name>
    <message>
        <source>holds pause or tone characters</source>
        <translation>contiene caratteri di pausa o di tono</translation>
    </message>
    <message>
        <source>holds letters</source>
        <translation>contiene lettere</translation>
    </message>
    <message>
        <source>holds characters that are no part of a number</source>
        <translation>contiene caratteri che non fanno parte di un numero</translation>
    </message>
    <message>
        <source>has no country code and no region is set</source>
        <translation>non ha prefisso internazionale e non è impostata alcuna regione</translation>
    </message>
    <message>
        <source>is not a phone number</source>
        <translation>non è un numero di telefono</translation>
    </message>
    <message>
        <source>is not a valid number</source>
        <translation>non è un numero valido</translation>
    </message>
    <message>
        <source>is not a valid number for %1</source>
        <translation>non è un numero valido per la regione %1</translation>
    </message>
    <message>
        <source>would be longer than %1 characters</source>
        <translation>supererebbe i %1 caratteri</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2: kept as typed</source>
        <translation>&quot;%1&quot; %2: mantenuto come digitato</translation>
    </message>
    <message>
        <source>same number as record %1</source>
        <translation>stesso numero della scheda %1</translation>
    </message>
    <message>
        <source>possibly the same number as record %1</source>
        <translation>forse lo stesso numero della scheda %1</translation>
    </message>
</context>
<context>
    <name>PhoneText</name>
    <message>
        <source>Tidy phone numbers</source>
        <translation>Normalizza numeri di telefono</translation>
    </message>
    <message>
        <source>Phone region...</source>
        <translation>Regione telefonica...</translation>
    </message>
    <message>
        <source>The selected records hold no phone number to tidy.</source>
        <translation>Le schede selezionate non contengono numeri di telefono da normalizzare.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Scheda</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <translation>invariato: %1</translation>
    </message>
    <message>
        <source>Form:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>International (+39 06 1234 5678)</source>
        <translation>Internazionale (+39 06 1234 5678)</translation>
    </message>
    <message>
        <source>E.164 (+390612345678)</source>
        <translation>E.164 (+390612345678)</translation>
    </message>
    <message>
        <source>National (06 1234 5678)</source>
        <translation>Nazionale (06 1234 5678)</translation>
    </message>
    <message>
        <source>%1 numbers change, %2 selected, %3 kept as they are</source>
        <translation>Da modificare: %1, selezionati: %2, invariati: %3</translation>
    </message>
    <message>
        <source>Numbers without a country code are read as numbers of %1.</source>
        <translation>I numeri senza prefisso internazionale sono considerati numeri della regione %1.</translation>
    </message>
    <message>
        <source>No region is set: numbers without a country code are kept.</source>
        <translation>Nessuna regione impostata: i numeri senza prefisso internazionale restano invariati.</translation>
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
        <source>Phone region</source>
        <translation>Regione telefonica</translation>
    </message>
    <message>
        <source>Read phone numbers without a country code as numbers of:</source>
        <translation>Considera i numeri di telefono senza prefisso internazionale come numeri di:</translation>
    </message>
    <message>
        <source>The system&apos;s region (%1)</source>
        <translation>Regione del sistema (%1)</translation>
    </message>
    <message>
        <source>The system&apos;s region (none)</source>
        <translation>Regione del sistema (nessuna)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Phone numbers cannot be read as numbers: the phone number module could not be loaded. Numbers are kept as typed and compared by their digits.</source>
        <translation>I numeri di telefono non possono essere letti come numeri: non è stato possibile caricare il modulo dei numeri di telefono. I numeri restano come digitati e vengono confrontati in base alle loro cifre.</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>%1 received</source>
        <translation>%1 ricevuti</translation>
    </message>
</context>
<context>
    <name>ReadText</name>
    <message>
        <source>more than %1 rows</source>
        <translation>più di %1 righe</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>nessuna riga di intestazione</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>riga %1: un campo tra virgolette non è chiuso</translation>
    </message>
    <message>
        <source>the text ends inside a UTF-16 character</source>
        <translation>il testo termina a metà di un carattere UTF-16</translation>
    </message>
    <message>
        <source>the text is not valid UTF-16</source>
        <translation>il testo non è UTF-16 valido</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>il testo non è UTF-8 valido</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>non è un file di testo</translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>Address modified: clear &quot;Postal&quot; and &quot;Poi&quot; informations ?</source>
        <translation>Indirizzo modificato: cancellare i dati &quot;Postale&quot; e &quot;PoI&quot; ?</translation>
    </message>
    <message>
        <source>Label modified: clear &quot;voice record index&quot; informations ?</source>
        <translation>Etichetta modificata: cancellare il valore di &quot;Indice registrazione vocale&quot; ?</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <extracomment>%1 is the field&apos;s limit.</extracomment>
        <translation>Inserisci al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>Null value not allowed.</source>
        <translation>Valore vuoto non consentito.</translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <extracomment>%1, %2: the lowest and highest value allowed.</extracomment>
        <translation>Il numero deve essere compreso tra %1 e %2.</translation>
    </message>
    <message>
        <source>Invalid GPS position.</source>
        <translation>Posizione GPS non valida.</translation>
    </message>
</context>
<context>
    <name>SafeFileText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Il file non è un file normale.</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB.</source>
        <translation>Il file supera i 64 MiB.</translation>
    </message>
</context>
<context>
    <name>UpdateText</name>
    <message>
        <source>Download of %1 failed</source>
        <extracomment>%1 is the address that was downloaded.</extracomment>
        <translation>Download di %1 non riuscito</translation>
    </message>
    <message>
        <source>[3B New version present !&amp;]Program filename -|: %1&amp;Version          -|: %2&amp;Release date     -|: %3&amp;&amp;Would you download the new file ?</source>
        <extracomment>Markup: &quot;[3B ...]&quot; a heading, &quot;&amp;&quot; a new line, &quot;-|&quot; a tab. %1 the file name, %2 the version, %3 its date.</extracomment>
        <translation>[3B Nuova versione disponibile !&amp;]File del programma -|: %1&amp;Versione          -|: %2&amp;Data di rilascio -|: %3&amp;&amp;Scaricare il nuovo file ?</translation>
    </message>
    <message>
        <source>Your program is up to date</source>
        <translation>Il programma è aggiornato</translation>
    </message>
    <message>
        <source>The update is not signed by the publisher</source>
        <translation>L&apos;aggiornamento non è firmato dall&apos;editore</translation>
    </message>
    <message>
        <source>The update archive is damaged (%1)</source>
        <translation>L&apos;archivio dell&apos;aggiornamento è danneggiato (%1)</translation>
    </message>
    <message>
        <source>Error starting the new version</source>
        <translation>Errore all&apos;avvio della nuova versione</translation>
    </message>
    <message>
        <source>The new version does not start on this computer: %1</source>
        <translation>La nuova versione non si avvia su questo computer: %1</translation>
    </message>
    <message>
        <source>The new version stopped at start-up; the previous version was restored.</source>
        <translation>La nuova versione si è interrotta all&apos;avvio; è stata ripristinata la versione precedente.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s; the previous version was restored.</source>
        <translation>La nuova versione non ha aperto la sua finestra entro %1 s; è stata ripristinata la versione precedente.</translation>
    </message>
    <message>
        <source>The new version stopped at start-up.</source>
        <translation>La nuova versione si è interrotta all&apos;avvio.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s.</source>
        <translation>La nuova versione non ha aperto la sua finestra entro %1 s.</translation>
    </message>
    <message>
        <source>The previous version could not be put back: rename %1 to %2 by hand.</source>
        <translation>Impossibile ripristinare la versione precedente: rinomina manualmente %1 in %2.</translation>
    </message>
    <message>
        <source>No update found</source>
        <translation>Nessun aggiornamento trovato</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>nessuna risposta entro %1 s</translation>
    </message>
    <message>
        <source>ended by signal %1</source>
        <translation>terminata dal segnale %1</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>codice di uscita %1</translation>
    </message>
    <message>
        <source>it reports &quot;%1&quot; instead of version %2</source>
        <translation>indica &quot;%1&quot; invece della versione %2</translation>
    </message>
</context>
</TS>
