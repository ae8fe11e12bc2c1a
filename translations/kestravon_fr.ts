<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppText</name>
    <message>
        <source>%1 - %2 - %3 - by velkaran</source>
        <extracomment>The window title: program name, version, release date.</extracomment>
        <translation>%1 - %2 - %3 - par velkaran</translation>
    </message>
    <message>
        <source>Check for program updates ?</source>
        <translation>Rechercher des mises à jour du programme ?</translation>
    </message>
    <message>
        <source>Load Agenda.dat file</source>
        <translation>Ouvrir un fichier Agenda.dat</translation>
    </message>
    <message>
        <source>Save Agenda.dat file</source>
        <translation>Enregistrer le fichier Agenda.dat</translation>
    </message>
    <message>
        <source>Agenda.dat (Agenda.dat);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Agenda.dat (Agenda.dat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Error loading file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Erreur à l&apos;ouverture du fichier : %1</translation>
    </message>
    <message>
        <source>Error saving file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Erreur à l&apos;enregistrement du fichier : %1</translation>
    </message>
    <message>
        <source>Save modified Agenda ?</source>
        <translation>Enregistrer l&apos;Agenda modifié ?</translation>
    </message>
    <message>
        <source>Exit %1 ?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>Quitter %1 ?</translation>
    </message>
    <message>
        <source>Delete selected records ?</source>
        <translation>Supprimer les fiches sélectionnées ?</translation>
    </message>
    <message>
        <source>Move selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Déplacer les fiches sélectionnées vers %1 ?</translation>
    </message>
    <message>
        <source>Copy selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>Copier les fiches sélectionnées vers %1 ?</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Export to vCard</source>
        <translation>Exporter en vCard</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>Exporter dans un seul fichier vCard</translation>
    </message>
    <message>
        <source>Import from vCard</source>
        <translation>Importer depuis une vCard</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Insérer depuis une vCard</translation>
    </message>
    <message>
        <source>Export to Excel CSV</source>
        <translation>Exporter en CSV Excel</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Exporter en CSV Google</translation>
    </message>
    <message>
        <source>Import from Excel CSV</source>
        <translation>Importer depuis un CSV Excel</translation>
    </message>
    <message>
        <source>Insert from Excel CSV</source>
        <translation>Insérer depuis un CSV Excel</translation>
    </message>
    <message>
        <source>Move to user</source>
        <translation>Déplacer vers l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Copy to user</source>
        <translation>Copier vers l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Vérifier le répertoire</translation>
    </message>
    <message>
        <source>Nothing found: the unit can take every record as it is.</source>
        <translation>Rien à signaler : l&apos;appareil peut reprendre chaque fiche telle quelle.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s). Double-click one to select its record.</source>
        <translation>
            <numerusform>%n problème. Double-cliquez dessus pour sélectionner sa fiche.</numerusform>
            <numerusform>%n problèmes. Double-cliquez sur l&apos;un d&apos;eux pour sélectionner sa fiche.</numerusform>
        </translation>
    </message>
    <message>
        <source>new empty record</source>
        <translation>nouvelle fiche vide</translation>
    </message>
    <message>
        <source>from Vcf file</source>
        <translation>depuis un fichier vCard</translation>
    </message>
    <message>
        <source>from Excel CSV file</source>
        <translation>depuis un fichier CSV Excel</translation>
    </message>
    <message>
        <source>to Vcf file</source>
        <translation>vers un fichier vCard</translation>
    </message>
    <message>
        <source>to one Vcf file</source>
        <translation>vers un seul fichier vCard</translation>
    </message>
    <message>
        <source>to Excel CSV file</source>
        <translation>vers un fichier CSV Excel</translation>
    </message>
    <message>
        <source>to Google CSV</source>
        <translation>vers un CSV Google</translation>
    </message>
    <message>
        <source>&amp;Columns...</source>
        <translation>&amp;Colonnes...</translation>
    </message>
    <message>
        <source>Choose what each column of the file holds</source>
        <translation>Choisir ce que contient chaque colonne du fichier</translation>
    </message>
    <message>
        <source>The columns as recognised (layout: %1). Change what a column holds if it is wrong; the choice is remembered for files with the same columns.</source>
        <extracomment>%1 is the name of the recognised layout (&quot;Google Contacts&quot;, &quot;Outlook (German)&quot;).</extracomment>
        <translation>Les colonnes telles que reconnues (disposition : %1). Modifiez ce que contient une colonne si c&apos;est faux ; le choix est mémorisé pour les fichiers ayant les mêmes colonnes.</translation>
    </message>
    <message>
        <source>The columns as chosen before. Change what a column holds; the choice is remembered for files with the same columns.</source>
        <translation>Les colonnes telles que choisies auparavant. Modifiez ce que contient une colonne ; le choix est mémorisé pour les fichiers ayant les mêmes colonnes.</translation>
    </message>
</context>
<context>
    <name>BookText</name>
    <message>
        <source>No more space to add contact to Agenda</source>
        <translation>Plus de place pour ajouter un contact à l&apos;Agenda</translation>
    </message>
    <message>
        <source>There is no record in this slot.</source>
        <translation>Il n&apos;y a aucune fiche à cet emplacement.</translation>
    </message>
    <message>
        <source>A user cannot be deleted or given to another user.</source>
        <translation>Un utilisateur ne peut être ni supprimé ni attribué à un autre utilisateur.</translation>
    </message>
    <message>
        <source>There is no such user.</source>
        <translation>Cet utilisateur n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Check phonebook</source>
        <translation>Vérifier le répertoire</translation>
    </message>
    <message>
        <source>Double-click a finding to select its record</source>
        <translation>Double-cliquez sur un problème pour sélectionner sa fiche</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>owner %1 is not one of the phonebook&apos;s %2 users</source>
        <translation>le propriétaire %1 n&apos;est aucun des %2 utilisateurs du répertoire</translation>
    </message>
    <message>
        <source>%1 %2 holds characters a phone cannot dial</source>
        <translation>%1 %2 contient des caractères qu&apos;un téléphone ne peut pas composer</translation>
    </message>
    <message>
        <source>has no label</source>
        <translation>n&apos;a pas de libellé</translation>
    </message>
    <message>
        <source>has no label, phone or e-mail</source>
        <translation>n&apos;a ni libellé, ni téléphone, ni e-mail</translation>
    </message>
    <message>
        <source>%1 is %2 characters, the unit allows %3</source>
        <translation>%1 compte %2 caractères, l&apos;appareil en accepte %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>%1 the field (&quot;phone 2&quot;), %2 the number in quotes, %3 why it is no valid number (&quot;holds letters&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 has no country code and no region is set: it will not dial abroad</source>
        <translation>%1 %2 n&apos;a pas d&apos;indicatif de pays et aucune région n&apos;est définie : il ne pourra pas être composé depuis l&apos;étranger</translation>
    </message>
    <message>
        <source>same label</source>
        <translation>même libellé</translation>
    </message>
    <message>
        <source>same number as %1</source>
        <translation type="vanished">même numéro que %1</translation>
    </message>
    <message>
        <source>looks like a duplicate of record %1 (%2)</source>
        <translation>semble être un doublon de la fiche %1 (%2)</translation>
    </message>
    <message>
        <source>GPS latitude %1 is beyond ±%2</source>
        <translation>la latitude GPS %1 dépasse ±%2</translation>
    </message>
    <message>
        <source>GPS longitude %1 is beyond ±%2</source>
        <translation>la longitude GPS %1 dépasse ±%2</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>fiche %1 : %2</translation>
    </message>
    <message>
        <source>%1 %2 is the same number as record %3</source>
        <translation>%1 %2 est le même numéro que la fiche %3</translation>
    </message>
    <message>
        <source>%1 %2 is possibly the same number as record %3</source>
        <translation>%1 %2 est peut-être le même numéro que la fiche %3</translation>
    </message>
</context>
<context>
    <name>ColumnTitle</name>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>Numb</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Phone-1</source>
        <translation>Téléphone-1</translation>
    </message>
    <message>
        <source>Phone-2</source>
        <translation>Téléphone-2</translation>
    </message>
    <message>
        <source>Phone-3</source>
        <translation>Téléphone-3</translation>
    </message>
    <message>
        <source>Phone-4</source>
        <translation>Téléphone-4</translation>
    </message>
    <message>
        <source>Phone-5</source>
        <translation>Téléphone-5</translation>
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
        <translation>Libellé POI</translation>
    </message>
</context>
<context>
    <name>CsvColumns</name>
    <message>
        <source>Columns of the CSV file</source>
        <translation>Colonnes du fichier CSV</translation>
    </message>
    <message>
        <source>No column of this file is known to hold a name or a phone number. Choose what each column holds; the choice is remembered for files with the same columns.</source>
        <translation>Aucune colonne de ce fichier n’est connue pour contenir un nom ou un numéro de téléphone. Choisissez ce que contient chaque colonne ; le choix est mémorisé pour les fichiers aux mêmes colonnes.</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Premières valeurs</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Choose a column for the label, a name or a phone number.</source>
        <translation>Choisissez une colonne pour le libellé, un nom ou un numéro de téléphone.</translation>
    </message>
</context>
<context>
    <name>EditRecord</name>
    <message>
        <source>Edit Record</source>
        <translation>Modifier la fiche</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>type :</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>record type</source>
        <translation>Type de fiche</translation>
    </message>
    <message>
        <source>record :</source>
        <translation>Fiche :</translation>
    </message>
    <message>
        <source>record number</source>
        <translation>Numéro de la fiche</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>select previous record for current user</source>
        <translation>Sélectionner la fiche précédente de l&apos;utilisateur actuel</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>select next record for current user</source>
        <translation>Sélectionner la fiche suivante de l&apos;utilisateur actuel</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>owner :</source>
        <translation>Propriétaire :</translation>
    </message>
    <message>
        <source>record owner</source>
        <translation>Utilisateur auquel appartient la fiche</translation>
    </message>
    <message>
        <source>label :</source>
        <translation>Libellé :</translation>
    </message>
    <message>
        <source>label as appear on RTx phonebook</source>
        <translation>Libellé tel qu&apos;il apparaît dans le répertoire du RTx</translation>
    </message>
    <message>
        <source>note :</source>
        <translation>Note :</translation>
    </message>
    <message>
        <source>enter some comment for this record</source>
        <translation>Saisissez un commentaire pour cette fiche</translation>
    </message>
    <message>
        <source>voice record index :</source>
        <translation>Index d&apos;enregistrement vocal :</translation>
    </message>
    <message>
        <source>index of voice recorded label, if any</source>
        <translation>Index du libellé enregistré vocalement, le cas échéant</translation>
    </message>
    <message>
        <source>sim position :</source>
        <translation>Position SIM :</translation>
    </message>
    <message>
        <source>position in phone sim, if type=SIM</source>
        <translation>Position sur la carte SIM du téléphone, si type=SIM</translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation>Exporter en vCard</translation>
    </message>
    <message>
        <source>export this record to vCard file</source>
        <translation>Exporter cette fiche dans un fichier vCard</translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation>Importer une vCard</translation>
    </message>
    <message>
        <source>import this record from vCard file</source>
        <translation>Importer cette fiche depuis un fichier vCard</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>street :</source>
        <translation>Rue :</translation>
    </message>
    <message>
        <source>street of address information</source>
        <translation>Rue de l&apos;adresse</translation>
    </message>
    <message>
        <source>n° :</source>
        <translation>N° :</translation>
    </message>
    <message>
        <source>huose number of address information</source>
        <translation>Numéro de rue de l&apos;adresse</translation>
    </message>
    <message>
        <source>zip :</source>
        <translation>Code postal :</translation>
    </message>
    <message>
        <source>post office code of address information</source>
        <translation>Code postal de l&apos;adresse</translation>
    </message>
    <message>
        <source>town :</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>town of address information</source>
        <translation>Ville de l&apos;adresse</translation>
    </message>
    <message>
        <source>country :</source>
        <translation>Pays :</translation>
    </message>
    <message>
        <source>country of address information</source>
        <translation>Pays de l&apos;adresse</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>1 :</source>
        <translation>1 :</translation>
    </message>
    <message>
        <source>phone number type</source>
        <translation>Type de numéro de téléphone</translation>
    </message>
    <message>
        <source>phone number</source>
        <translation>Numéro de téléphone</translation>
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
        <translation>Type d&apos;adresse e-mail</translation>
    </message>
    <message>
        <source>email address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>InfoBel database</source>
        <translation>Base InfoBel</translation>
    </message>
    <message>
        <source>retrieve address and phone information from InfoBel database</source>
        <translation>Récupérer l&apos;adresse et le téléphone dans la base InfoBel</translation>
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
        <translation>Coché si des données GPS sont présentes</translation>
    </message>
    <message>
        <source>latitude :</source>
        <translation>Latitude :</translation>
    </message>
    <message>
        <source>GPS coordinate</source>
        <translation>Coordonnée GPS</translation>
    </message>
    <message>
        <source>longitude :</source>
        <translation>Longitude :</translation>
    </message>
    <message>
        <source>postal</source>
        <translation>Postal</translation>
    </message>
    <message>
        <source>signed if Postal data present</source>
        <translation>Coché si des données postales sont présentes</translation>
    </message>
    <message>
        <source>type of Postal data</source>
        <translation>Type des données postales</translation>
    </message>
    <message>
        <source>code :</source>
        <translation>Code :</translation>
    </message>
    <message>
        <source>house n°:</source>
        <translation>Numéro :</translation>
    </message>
    <message>
        <source>road 1 :</source>
        <translation>Rue 1 :</translation>
    </message>
    <message>
        <source>road 2 :</source>
        <translation>Rue 2 :</translation>
    </message>
    <message>
        <source>PoI</source>
        <translation>PoI</translation>
    </message>
    <message>
        <source>signed if Poi data present</source>
        <translation>Coché si des données PoI sont présentes</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>facility :</source>
        <translation>Équipement :</translation>
    </message>
    <message>
        <source>ref.CD</source>
        <translation>Réf. CD</translation>
    </message>
    <message>
        <source>quarter :</source>
        <translation>Trimestre :</translation>
    </message>
    <message>
        <source>informatin about map CD used for Navigation data</source>
        <translation>Informations sur le CD de cartes utilisé pour les données de navigation</translation>
    </message>
    <message>
        <source>year :</source>
        <translation>Année :</translation>
    </message>
    <message>
        <source>cid :</source>
        <translation>cid :</translation>
    </message>
    <message>
        <source>Geocode address</source>
        <translation>Géocoder</translation>
    </message>
    <message>
        <source>retrieve GPS coordinate for record postal address</source>
        <translation>Obtenir la coordonnée GPS de l&apos;adresse de la fiche</translation>
    </message>
    <message>
        <source>ACP</source>
        <translation>ACP</translation>
    </message>
    <message>
        <source>ACP data, if type=ACP</source>
        <translation>Données ACP, si type=ACP</translation>
    </message>
    <message>
        <source>date 1 :</source>
        <translation>Date 1 :</translation>
    </message>
    <message>
        <source>date 2 :</source>
        <translation>Date 2 :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept all data and close dialog</source>
        <translation>Valider toutes les données et fermer la boîte de dialogue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Fermer cette boîte de dialogue</translation>
    </message>
</context>
<context>
    <name>EditorText</name>
    <message>
        <source>Edit Record</source>
        <translation>Modifier la fiche</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2.vcf</source>
        <translation>Exporter en vCard : REC.%1 - %2.vcf</translation>
    </message>
    <message>
        <source>Invalid number.</source>
        <translation>Nombre non valide.</translation>
    </message>
    <message>
        <source>Write as %1</source>
        <translation>Écrire sous la forme %1</translation>
    </message>
</context>
<context>
    <name>FetchText</name>
    <message>
        <source>read : %1</source>
        <translation>lecture : %1</translation>
    </message>
    <message>
        <source>Could not reach %1: %2</source>
        <translation>Impossible de joindre %1 : %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid for %1</source>
        <translation>Le certificat du serveur n&apos;est pas valide pour %1</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>La connexion sécurisée à %1 a échoué : %2</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again in %2 s</source>
        <translation>Le serveur est occupé (HTTP %1) ; réessayez dans %2 s</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again later</source>
        <translation>Le serveur est occupé (HTTP %1) ; réessayez plus tard</translation>
    </message>
    <message>
        <source>The server refused the request (HTTP %1)</source>
        <translation>Le serveur a refusé la requête (HTTP %1)</translation>
    </message>
    <message>
        <source>The server does not know this address (HTTP %1)</source>
        <translation>Le serveur ne connaît pas cette adresse (HTTP %1)</translation>
    </message>
    <message>
        <source>The server reported an error (HTTP %1)</source>
        <translation>Le serveur a signalé une erreur (HTTP %1)</translation>
    </message>
    <message>
        <source>The server did not answer within %1 s</source>
        <translation>Le serveur n&apos;a pas répondu dans les %1 s</translation>
    </message>
    <message>
        <source>The server did not finish its answer within %1 s</source>
        <translation>Le serveur n&apos;a pas terminé sa réponse dans les %1 s</translation>
    </message>
    <message>
        <source>The server&apos;s answer is larger than %1</source>
        <translation>La réponse du serveur dépasse %1</translation>
    </message>
    <message>
        <source>The server sent the request on to another host (%1); it was not followed</source>
        <translation>Le serveur a redirigé la requête vers un autre hôte (%1) ; la redirection n&apos;a pas été suivie</translation>
    </message>
    <message>
        <source>The server sent the request on to an unencrypted address; it was not followed</source>
        <translation>Le serveur a redirigé la requête vers une adresse non chiffrée ; la redirection n&apos;a pas été suivie</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>The server sent an empty answer</source>
        <translation>Le serveur a envoyé une réponse vide</translation>
    </message>
</context>
<context>
    <name>FieldName</name>
    <message>
        <source>record</source>
        <translation>fiche</translation>
    </message>
    <message>
        <source>label</source>
        <translation>libellé</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>street</source>
        <translation>rue</translation>
    </message>
    <message>
        <source>number</source>
        <translation>numéro</translation>
    </message>
    <message>
        <source>zip</source>
        <translation>code postal</translation>
    </message>
    <message>
        <source>city</source>
        <translation>ville</translation>
    </message>
    <message>
        <source>country</source>
        <translation>pays</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>position GPS</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>téléphone</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>e-mail</translation>
    </message>
    <message>
        <source>POI label</source>
        <translation>libellé POI</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>propriétaire</translation>
    </message>
</context>
<context>
    <name>Geocode</name>
    <message>
        <source>Actual values</source>
        <translation>Valeurs actuelles</translation>
    </message>
    <message>
        <source>A&amp;ddress :</source>
        <translation>&amp;Adresse :</translation>
    </message>
    <message>
        <source>Insert here &quot;street,number&quot; to search</source>
        <translation>Saisissez ici « rue,numéro » à rechercher</translation>
    </message>
    <message>
        <source>Cit&amp;y :</source>
        <translation>&amp;Ville :</translation>
    </message>
    <message>
        <source>city  to search</source>
        <translation>Ville à rechercher</translation>
    </message>
    <message>
        <source>&amp;Zip :</source>
        <translation>Code &amp;postal :</translation>
    </message>
    <message>
        <source>post office code  to search</source>
        <translation>Code postal à rechercher</translation>
    </message>
    <message>
        <source>&amp;State :</source>
        <translation>&amp;Région :</translation>
    </message>
    <message>
        <source>state or country  to search</source>
        <translation>Région ou pays à rechercher</translation>
    </message>
    <message>
        <source>Coun&amp;try :</source>
        <translation>Pa&amp;ys :</translation>
    </message>
    <message>
        <source>country abreviation</source>
        <translation>Abréviation du pays</translation>
    </message>
    <message>
        <source>&amp;Latitude,Longitude :</source>
        <translation>&amp;Latitude, longitude :</translation>
    </message>
    <message>
        <source>original longitude</source>
        <translation>Coordonnées d&apos;origine</translation>
    </message>
    <message>
        <source>Result from : Yahoo! - Geocoding API</source>
        <translation>Résultat de : Yahoo! - Geocoding API</translation>
    </message>
    <message>
        <source>value result from query</source>
        <translation>Résultat de la requête</translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation>Re&amp;chercher</translation>
    </message>
    <message>
        <source>Query actual value to Yahoo! geocondig API</source>
        <translation>Interroger l&apos;API de géocodage de Yahoo! avec les valeurs actuelles</translation>
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
        <translation>Valider la latitude et la longitude trouvées et fermer la boîte de dialogue</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Fermer cette boîte de dialogue</translation>
    </message>
</context>
<context>
    <name>GeocodeText</name>
    <message>
        <source>Exact address not found. Here the best result.&amp;Try to change some detail ie: add/remove zip, house number, name prefix/suffix.</source>
        <translation>Adresse exacte introuvable. Voici le meilleur résultat.&amp;Essayez de modifier certains détails, par ex. ajouter ou retirer le code postal, le numéro, un préfixe ou suffixe du nom.</translation>
    </message>
    <message>
        <source>Query failed</source>
        <translation>La requête a échoué</translation>
    </message>
    <message>
        <source>Nothing found for this address</source>
        <translation>Rien trouvé pour cette adresse</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>La réponse du serveur est illisible</translation>
    </message>
    <message>
        <source>&amp;Query (waiting)</source>
        <translation>Re&amp;chercher (en attente)</translation>
    </message>
    <message>
        <source>Get GPS position</source>
        <translation>Obtenir la position GPS</translation>
    </message>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© les contributeurs d&apos;OpenStreetMap</translation>
    </message>
    <message>
        <source>Result from : %1</source>
        <translation>Résultat de : %1</translation>
    </message>
    <message>
        <source>Query actual value to %1</source>
        <translation>Interroger %1 avec les valeurs actuelles</translation>
    </message>
</context>
<context>
    <name>ImportReview</name>
    <message>
        <source>Insert from vCard</source>
        <translation>Insérer depuis une vCard</translation>
    </message>
    <message>
        <source>Insert for user:</source>
        <translation>Insérer pour l&apos;utilisateur :</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher :</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Shorten texts to the unit&apos;s limits</source>
        <translation>Raccourcir les textes aux limites de l&apos;appareil</translation>
    </message>
    <message>
        <source>Write phone numbers in international form</source>
        <translation>Écrire les numéros de téléphone au format international</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Libellé</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Remarques</translation>
    </message>
</context>
<context>
    <name>InfoBel</name>
    <message>
        <source>country :</source>
        <translation>Pays :</translation>
    </message>
    <message>
        <source>Use only country supported by InfoBel</source>
        <translation>N&apos;utilisez que des pays pris en charge par InfoBel</translation>
    </message>
    <message>
        <source>firstname :</source>
        <translation>Prénom :</translation>
    </message>
    <message>
        <source>Specify first name to refine your search</source>
        <translation>Indiquez le prénom pour affiner la recherche</translation>
    </message>
    <message>
        <source>lastname :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Lastname is mandatory for private query</source>
        <translation>Le nom est obligatoire pour une recherche de particuliers</translation>
    </message>
    <message>
        <source>city :</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>Specify city to refine your search</source>
        <translation>Indiquez la ville pour affiner la recherche</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Particuliers</translation>
    </message>
    <message>
        <source>Search in private database</source>
        <translation>Rechercher parmi les particuliers</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Catégorie :</translation>
    </message>
    <message>
        <source>Specify business category to refine your search</source>
        <translation>Indiquez la catégorie d&apos;activité pour affiner la recherche</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Professionnels</translation>
    </message>
    <message>
        <source>Search in business database</source>
        <translation>Rechercher parmi les professionnels</translation>
    </message>
    <message>
        <source>phone :</source>
        <translation>Téléphone :</translation>
    </message>
    <message>
        <source>Phone number is mandatory for Inverse search</source>
        <translation>Le numéro de téléphone est obligatoire pour la recherche inversée</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inversée</translation>
    </message>
    <message>
        <source>Search name and address from phone number</source>
        <translation>Rechercher le nom et l&apos;adresse à partir du numéro de téléphone</translation>
    </message>
    <message>
        <source>result : </source>
        <translation>Résultat : </translation>
    </message>
    <message>
        <source>found : 100  - read 20</source>
        <translation>Trouvés : 100  - lus 20</translation>
    </message>
    <message>
        <source>+20</source>
        <translation>+20</translation>
    </message>
    <message>
        <source>read other 20 result, if any</source>
        <translation>Lire les 20 résultats suivants, s&apos;il y en a</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Close and accept selected result</source>
        <translation>Fermer et valider le résultat sélectionné</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Fermer cette boîte de dialogue</translation>
    </message>
</context>
<context>
    <name>InfoBelText</name>
    <message>
        <source>%1 Query</source>
        <translation>Recherche %1</translation>
    </message>
    <message>
        <source>write query data</source>
        <translation>saisissez les critères de recherche</translation>
    </message>
    <message>
        <source>searching...</source>
        <translation>recherche en cours...</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>erreur : %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>La réponse du serveur est illisible</translation>
    </message>
    <message>
        <source>found: 0 result</source>
        <translation>trouvés : 0 résultat</translation>
    </message>
    <message>
        <source>found: %1 / %2 result</source>
        <translation>trouvés : %1 / %2 résultats</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Rue</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>téléphone</translation>
    </message>
</context>
<context>
    <name>InterchangeText</name>
    <message>
        <source>File: %1 - Unknown token &quot;%2&quot; at line %3</source>
        <translation>Fichier : %1 - Élément inconnu « %2 » à la ligne %3</translation>
    </message>
    <message>
        <source>Error exporting file : %1</source>
        <translation>Erreur à l&apos;exportation du fichier : %1</translation>
    </message>
    <message>
        <source>Error importing file : %1</source>
        <translation>Erreur à l&apos;importation du fichier : %1</translation>
    </message>
    <message>
        <source>Error importing : %1</source>
        <translation>Erreur à l&apos;importation : %1</translation>
    </message>
    <message>
        <source>Error importing : %1 (card %2)</source>
        <translation>Erreur à l&apos;importation : %1 (carte %2)</translation>
    </message>
    <message>
        <source>Error creating file : %1</source>
        <translation>Erreur à la création du fichier : %1</translation>
    </message>
    <message>
        <source>Error reading file : %1</source>
        <translation>Erreur à la lecture du fichier : %1</translation>
    </message>
    <message>
        <source>Error exporting record %1: %2</source>
        <translation>Erreur à l&apos;exportation de la fiche %1 : %2</translation>
    </message>
    <message>
        <source>Error importing record %1: %2</source>
        <translation>Erreur à l&apos;importation de la fiche %1 : %2</translation>
    </message>
    <message>
        <source>Error importing line %1: %2</source>
        <translation>Erreur à l&apos;importation de la ligne %1 : %2</translation>
    </message>
    <message>
        <source>no BEGIN:VCARD line</source>
        <translation>aucune ligne BEGIN:VCARD</translation>
    </message>
    <message>
        <source>card %1 has no END:VCARD line</source>
        <translation>la carte %1 n&apos;a pas de ligne END:VCARD</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>la ligne %1 n&apos;est pas une propriété vCard</translation>
    </message>
    <message>
        <source>not this program&apos;s CSV (UTF-16 with the header &quot;last;first;note;...&quot;); other CSV files can be inserted as new records</source>
        <translation>ce n&apos;est pas un CSV de ce programme (UTF-16 avec l&apos;en-tête « last;first;note;... ») ; les autres fichiers CSV peuvent être insérés comme nouvelles fiches</translation>
    </message>
    <message>
        <source>no label or phone column among: %1</source>
        <translation>aucune colonne de libellé ou de téléphone parmi : %1</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2</source>
        <translation>Exporter en vCard : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Import from vCard : REC.%1 - %2</source>
        <translation>Importer depuis une vCard : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Insérer depuis une vCard</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>Exporter dans un seul fichier vCard</translation>
    </message>
    <message>
        <source>Export to Excel CSV file</source>
        <translation>Exporter dans un fichier CSV Excel</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Exporter en CSV Google</translation>
    </message>
    <message>
        <source>Import from Excel CSV file</source>
        <translation>Importer depuis un fichier CSV Excel</translation>
    </message>
    <message>
        <source>Insert from Excel CSV file</source>
        <translation>Insérer depuis un fichier CSV Excel</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n carte</numerusform>
            <numerusform>%n cartes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free place(s)</source>
        <translation>
            <numerusform>%n place libre</numerusform>
            <numerusform>%n places libres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected, %3</source>
        <extracomment>%1 the cards or rows (&quot;312 cards&quot;), %2 how many of them are selected, %3 the free places (&quot;91 free places&quot;).</extracomment>
        <translation>%1, %2 sélectionnées, %3</translation>
    </message>
    <message>
        <source>already in this user&apos;s list</source>
        <translation>déjà dans la liste de cet utilisateur</translation>
    </message>
    <message>
        <source>too long for the unit</source>
        <translation>trop long pour l&apos;appareil</translation>
    </message>
    <message>
        <source>more than five phones / e-mails</source>
        <translation>plus de cinq téléphones / e-mails</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 dropped</source>
        <translation>plus de cinq téléphones / e-mails : %1 ignoré(s)</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 and %2 dropped</source>
        <translation>plus de cinq téléphones / e-mails : %1 et %2 ignorés</translation>
    </message>
    <message numerus="yes">
        <source>%n phone(s)</source>
        <translation>
            <numerusform>%n téléphone</numerusform>
            <numerusform>%n téléphones</numerusform>
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
        <translation>sans nom</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>contact group, not a contact</source>
        <translation>groupe de contacts, pas un contact</translation>
    </message>
    <message>
        <source>empty card</source>
        <translation>carte vide</translation>
    </message>
    <message>
        <source>same as an earlier card</source>
        <translation>identique à une carte précédente</translation>
    </message>
    <message>
        <source>position not understood</source>
        <translation>position non comprise</translation>
    </message>
    <message>
        <source>position not understood (GEO:%1)</source>
        <translation>position non comprise (GEO:%1)</translation>
    </message>
    <message>
        <source>same name, other number</source>
        <translation>même nom, autre numéro</translation>
    </message>
    <message>
        <source>all cards</source>
        <translation>toutes les cartes</translation>
    </message>
    <message>
        <source>vCard file (*.vcf);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Fichier vCard (*.vcf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Excel CSV file (*.csv);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Fichier CSV Excel (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n ligne</numerusform>
            <numerusform>%n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>empty row</source>
        <translation>ligne vide</translation>
    </message>
    <message>
        <source>same as an earlier row</source>
        <translation>identique à une ligne précédente</translation>
    </message>
    <message>
        <source>all rows</source>
        <translation>toutes les lignes</translation>
    </message>
</context>
<context>
    <name>KESTRAVONLayout</name>
    <message>
        <source>Load new agenda.dat file</source>
        <translation>Ouvrir un fichier Agenda.dat</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Current Agenda.dat file loaded</source>
        <translation>Fichier Agenda.dat ouvert</translation>
    </message>
    <message>
        <source>Save current agenda.dat to file</source>
        <translation>Enregistrer l&apos;Agenda.dat actuel dans le fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Export selected record to vCard or CSV file</source>
        <translation>Exporter la fiche sélectionnée dans un fichier vCard ou CSV</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Import selected record from vCard or CSV file</source>
        <translation>Importer la fiche sélectionnée depuis un fichier vCard ou CSV</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Add a new record</source>
        <translation>Ajouter une nouvelle fiche</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>I&amp;nsérer</translation>
    </message>
    <message>
        <source>Delete selected records</source>
        <translation>Supprimer les fiches sélectionnées</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Edit current record</source>
        <translation>Modifier la fiche courante</translation>
    </message>
    <message>
        <source>Edi&amp;t</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Show only the records holding this text (Ctrl+F)</source>
        <translation>Afficher uniquement les fiches contenant ce texte (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>List what the unit would refuse or show oddly</source>
        <translation>Lister ce que l&apos;appareil refuserait ou afficherait mal</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Vérifier le répertoire</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>LoadText</name>
    <message>
        <source>Field text length is greater than allowed maximum!&amp;characters read=%1 - max=%2&amp;text=%3&amp;[* Continue to load this file ?]&amp;(continue only if text show above is correct)</source>
        <extracomment>Markup: &quot;&amp;&quot; a new line, &quot;[* ...]&quot; bold. %1 the length read, %2 the limit, %3 the text.</extracomment>
        <translation>La longueur du texte du champ dépasse le maximum autorisé !&amp;caractères lus=%1 - max=%2&amp;texte=%3&amp;[* Continuer l&apos;ouverture de ce fichier ?]&amp;(ne continuez que si le texte ci-dessus est correct)</translation>
    </message>
    <message>
        <source>The file is not a phonebook file.</source>
        <translation>Ce fichier n&apos;est pas un fichier de répertoire.</translation>
    </message>
    <message>
        <source>The file ends inside record %1.</source>
        <translation>Le fichier s&apos;arrête au milieu de la fiche %1.</translation>
    </message>
    <message>
        <source>Loading was stopped at record %1, whose text is longer than allowed.</source>
        <translation>L&apos;ouverture a été interrompue à la fiche %1, dont le texte dépasse la longueur autorisée.</translation>
    </message>
    <message>
        <source>The compressed data is damaged.</source>
        <translation>Les données compressées sont endommagées.</translation>
    </message>
    <message>
        <source>The unpacked phonebook is larger than 64 MiB.</source>
        <translation>Le répertoire décompressé dépasse 64 Mio.</translation>
    </message>
    <message>
        <source>The sidecar file %1 cannot be read.</source>
        <translation>Le fichier associé %1 est illisible.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know.</source>
        <translation>Ce répertoire est au format version %1, que ce programme ne connaît pas.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know. Open it anyway? It will be saved as version 80.</source>
        <translation>Ce répertoire est au format version %1, que ce programme ne connaît pas. L&apos;ouvrir quand même ? Il sera enregistré en version 80.</translation>
    </message>
</context>
<context>
    <name>OnlineText</name>
    <message>
        <source>The look-ups and the update check are not available: their module could not be loaded.</source>
        <translation>Les recherches et la vérification des mises à jour ne sont pas disponibles : leur module n&apos;a pas pu être chargé.</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1 : introuvable</translation>
    </message>
    <message>
        <source>%1: built for another version of the program</source>
        <translation>%1 : conçu pour une autre version du programme</translation>
    </message>
</context>
<context>
    <name>PhoneReason</name>
    <message>
        <source>holds pause or tone characters</source>
        <translation>contient des caractères de pause ou de tonalité</translation>
    </message>
    <message>
        <source>holds letters</source>
        <translation>contient des lettres</translation>
    </message>
    <message>
        <source>holds characters that are no part of a number</source>
        <translation>contient des caractères qui n&apos;appartiennent pas à un numéro</translation>
    </message>
    <message>
        <source>has no country code and no region is set</source>
        <translation>n&apos;a pas d&apos;indicatif de pays et aucune région n&apos;est définie</translation>
    </message>
    <message>
        <source>is not a phone number</source>
        <translation>n&apos;est pas un numéro de téléphone</translation>
    </message>
    <message>
        <source>is not a valid number</source>
        <translation>n&apos;est pas un numéro valide</translation>
    </message>
    <message>
        <source>is not a valid number for %1</source>
        <translation>n&apos;est pas un numéro valide pour %1</translation>
    </message>
    <message>
        <source>would be longer than %1 characters</source>
        <translation>dépasserait %1 caractères</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2: kept as typed</source>
        <translation>&quot;%1&quot; %2 : conservé tel que saisi</translation>
    </message>
    <message>
        <source>same number as record %1</source>
        <translation>même numéro que la fiche %1</translation>
    </message>
    <message>
        <source>possibly the same number as record %1</source>
        <translation>peut-être le même numéro que la fiche %1</translation>
    </message>
</context>
<context>
    <name>PhoneText</name>
    <message>
        <source>Tidy phone numbers</source>
        <translation>Mettre en forme les numéros</translation>
    </message>
    <message>
        <source>Phone region...</source>
        <translation>Région téléphonique...</translation>
    </message>
    <message>
        <source>The selected records hold no phone number to tidy.</source>
        <translation>Les fiches sélectionnées ne contiennent aucun numéro à mettre en forme.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Fiche</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <translation>conservé : %1</translation>
    </message>
    <message>
        <source>Form:</source>
        <translation>Format :</translation>
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
        <translation>À modifier : %1, sélectionnés : %2, inchangés : %3</translation>
    </message>
    <message>
        <source>Numbers without a country code are read as numbers of %1.</source>
        <translation>Les numéros sans indicatif de pays sont lus comme des numéros de %1.</translation>
    </message>
    <message>
        <source>No region is set: numbers without a country code are kept.</source>
        <translation>Aucune région n&apos;est définie : les numéros sans indicatif de pays sont conservés.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Tout désélectionner</translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation>Région téléphonique</translation>
    </message>
    <message>
        <source>Read phone numbers without a country code as numbers of:</source>
        <translation>Lire les numéros sans indicatif de pays comme des numéros de :</translation>
    </message>
    <message>
        <source>The system&apos;s region (%1)</source>
        <translation>La région du système (%1)</translation>
    </message>
    <message>
        <source>The system&apos;s region (none)</source>
        <translation>La région du système (aucune)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Phone numbers cannot be read as numbers: the phone number module could not be loaded. Numbers are kept as typed and compared by their digits.</source>
        <translation>Les numéros de téléphone ne peuvent pas être lus comme des numéros : le module des numéros de téléphone n’a pas pu être chargé. Les numéros restent tels que saisis et sont comparés par leurs chiffres.</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>%1 received</source>
        <translation>%1 reçus</translation>
    </message>
</context>
<context>
    <name>ReadText</name>
    <message>
        <source>more than %1 rows</source>
        <translation>plus de %1 lignes</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>aucune ligne d&apos;en-tête</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>ligne %1 : un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>the text ends inside a UTF-16 character</source>
        <translation>le texte s&apos;arrête au milieu d&apos;un caractère UTF-16</translation>
    </message>
    <message>
        <source>the text is not valid UTF-16</source>
        <translation>le texte n&apos;est pas de l&apos;UTF-16 valide</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>le texte n&apos;est pas de l&apos;UTF-8 valide</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>ce n&apos;est pas un fichier texte</translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>Address modified: clear &quot;Postal&quot; and &quot;Poi&quot; informations ?</source>
        <translation>Adresse modifiée : effacer les informations « Postal » et « Poi » ?</translation>
    </message>
    <message>
        <source>Label modified: clear &quot;voice record index&quot; informations ?</source>
        <translation>Libellé modifié : effacer l&apos;information « index d&apos;enregistrement vocal » ?</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <extracomment>%1 is the field&apos;s limit.</extracomment>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Null value not allowed.</source>
        <translation>Valeur vide non autorisée.</translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <extracomment>%1, %2: the lowest and highest value allowed.</extracomment>
        <translation>Le nombre doit être compris entre %1 et %2.</translation>
    </message>
    <message>
        <source>Invalid GPS position.</source>
        <translation>Position GPS non valide.</translation>
    </message>
</context>
<context>
    <name>SafeFileText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier est illisible.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB.</source>
        <translation>Le fichier dépasse 64 Mio.</translation>
    </message>
</context>
<context>
    <name>UpdateText</name>
    <message>
        <source>Download of %1 failed</source>
        <extracomment>%1 is the address that was downloaded.</extracomment>
        <translation>Le téléchargement de %1 a échoué</translation>
    </message>
    <message>
        <source>[3B New version present !&amp;]Program filename -|: %1&amp;Version          -|: %2&amp;Release date     -|: %3&amp;&amp;Would you download the new file ?</source>
        <extracomment>Markup: &quot;[3B ...]&quot; a heading, &quot;&amp;&quot; a new line, &quot;-|&quot; a tab. %1 the file name, %2 the version, %3 its date.</extracomment>
        <translation>[3B Nouvelle version disponible !&amp;]Fichier du programme -|: %1&amp;Version          -|: %2&amp;Date de parution -|: %3&amp;&amp;Voulez-vous télécharger le nouveau fichier ?</translation>
    </message>
    <message>
        <source>Your program is up to date</source>
        <translation>Votre programme est à jour</translation>
    </message>
    <message>
        <source>The update is not signed by the publisher</source>
        <translation>La mise à jour n&apos;est pas signée par l&apos;éditeur</translation>
    </message>
    <message>
        <source>The update archive is damaged (%1)</source>
        <translation>L&apos;archive de mise à jour est endommagée (%1)</translation>
    </message>
    <message>
        <source>Error starting the new version</source>
        <translation>Erreur au démarrage de la nouvelle version</translation>
    </message>
    <message>
        <source>The new version does not start on this computer: %1</source>
        <translation>La nouvelle version ne démarre pas sur cet ordinateur : %1</translation>
    </message>
    <message>
        <source>The new version stopped at start-up; the previous version was restored.</source>
        <translation>La nouvelle version s&apos;est arrêtée au démarrage ; la version précédente a été rétablie.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s; the previous version was restored.</source>
        <translation>La nouvelle version n&apos;a pas ouvert sa fenêtre dans les %1 s ; la version précédente a été rétablie.</translation>
    </message>
    <message>
        <source>The new version stopped at start-up.</source>
        <translation>La nouvelle version s&apos;est arrêtée au démarrage.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s.</source>
        <translation>La nouvelle version n&apos;a pas ouvert sa fenêtre dans les %1 s.</translation>
    </message>
    <message>
        <source>The previous version could not be put back: rename %1 to %2 by hand.</source>
        <translation>La version précédente n&apos;a pas pu être remise en place : renommez %1 en %2 à la main.</translation>
    </message>
    <message>
        <source>No update found</source>
        <translation>Aucune mise à jour trouvée</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>aucune réponse dans les %1 s</translation>
    </message>
    <message>
        <source>ended by signal %1</source>
        <translation>arrêtée par le signal %1</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>it reports &quot;%1&quot; instead of version %2</source>
        <translation>elle indique « %1 » au lieu de la version %2</translation>
    </message>
</context>
</TS>
