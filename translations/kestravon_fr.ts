<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
</TS>
