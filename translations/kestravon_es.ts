<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AppText</name>
    <message>
        <source>%1 - %2 - %3 - by velkaran</source>
        <extracomment>The window title: program name, version, release date.</extracomment>
        <translation>%1 - %2 - %3 - por velkaran</translation>
    </message>
    <message>
        <source>Check for program updates ?</source>
        <translation>¿Buscar actualizaciones del programa ?</translation>
    </message>
    <message>
        <source>Load Agenda.dat file</source>
        <translation>Abrir archivo Agenda.dat</translation>
    </message>
    <message>
        <source>Save Agenda.dat file</source>
        <translation>Guardar archivo Agenda.dat</translation>
    </message>
    <message>
        <source>Agenda.dat (Agenda.dat);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Agenda.dat (Agenda.dat);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Error loading file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Error al abrir el archivo : %1</translation>
    </message>
    <message>
        <source>Error saving file : %1</source>
        <extracomment>%1 is the file&apos;s path.</extracomment>
        <translation>Error al guardar el archivo : %1</translation>
    </message>
    <message>
        <source>Save modified Agenda ?</source>
        <translation>¿Guardar la agenda modificada ?</translation>
    </message>
    <message>
        <source>Exit %1 ?</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>¿Salir de %1 ?</translation>
    </message>
    <message>
        <source>Delete selected records ?</source>
        <translation>¿Eliminar los registros seleccionados ?</translation>
    </message>
    <message>
        <source>Move selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>¿Mover los registros seleccionados a %1 ?</translation>
    </message>
    <message>
        <source>Copy selected records to %1 ?</source>
        <extracomment>%1 is the user&apos;s name.</extracomment>
        <translation>¿Copiar los registros seleccionados a %1 ?</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Export to vCard</source>
        <translation>Exportar a vCard</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>Exportar a un único archivo vCard</translation>
    </message>
    <message>
        <source>Import from vCard</source>
        <translation>Importar desde vCard</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Insertar desde vCard</translation>
    </message>
    <message>
        <source>Export to Excel CSV</source>
        <translation>Exportar a CSV de Excel</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Exportar a CSV de Google</translation>
    </message>
    <message>
        <source>Import from Excel CSV</source>
        <translation>Importar desde CSV de Excel</translation>
    </message>
    <message>
        <source>Insert from Excel CSV</source>
        <translation>Insertar desde CSV de Excel</translation>
    </message>
    <message>
        <source>Move to user</source>
        <translation>Mover al usuario</translation>
    </message>
    <message>
        <source>Copy to user</source>
        <translation>Copiar al usuario</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Comprobar agenda</translation>
    </message>
    <message>
        <source>Nothing found: the unit can take every record as it is.</source>
        <translation>No se ha encontrado nada: el dispositivo puede aceptar todos los registros tal como están.</translation>
    </message>
    <message numerus="yes">
        <source>%n finding(s). Double-click one to select its record.</source>
        <translation>
            <numerusform>%n incidencia. Haga doble clic en ella para seleccionar su registro.</numerusform>
            <numerusform>%n incidencias. Haga doble clic en una para seleccionar su registro.</numerusform>
        </translation>
    </message>
    <message>
        <source>new empty record</source>
        <translation>nuevo registro vacío</translation>
    </message>
    <message>
        <source>from Vcf file</source>
        <translation>desde archivo vCard</translation>
    </message>
    <message>
        <source>from Excel CSV file</source>
        <translation>desde archivo CSV de Excel</translation>
    </message>
    <message>
        <source>to Vcf file</source>
        <translation>a archivo vCard</translation>
    </message>
    <message>
        <source>to one Vcf file</source>
        <translation>a un único archivo vCard</translation>
    </message>
    <message>
        <source>to Excel CSV file</source>
        <translation>a archivo CSV de Excel</translation>
    </message>
    <message>
        <source>to Google CSV</source>
        <translation>a CSV de Google</translation>
    </message>
    <message>
        <source>&amp;Columns...</source>
        <translation>&amp;Columnas...</translation>
    </message>
    <message>
        <source>Choose what each column of the file holds</source>
        <translation>Elija qué contiene cada columna del archivo</translation>
    </message>
    <message>
        <source>The columns as recognised (layout: %1). Change what a column holds if it is wrong; the choice is remembered for files with the same columns.</source>
        <extracomment>%1 is the name of the recognised layout (&quot;Google Contacts&quot;, &quot;Outlook (German)&quot;).</extracomment>
        <translation>Las columnas tal como se reconocieron (formato: %1). Cambie lo que contiene una columna si es incorrecto; la elección se recuerda para los archivos con las mismas columnas.</translation>
    </message>
    <message>
        <source>The columns as chosen before. Change what a column holds; the choice is remembered for files with the same columns.</source>
        <translation>Las columnas tal como se eligieron antes. Cambie lo que contiene una columna; la elección se recuerda para los archivos con las mismas columnas.</translation>
    </message>
</context>
<context>
    <name>BookText</name>
    <message>
        <source>No more space to add contact to Agenda</source>
        <translation>No queda espacio para añadir más contactos a la agenda</translation>
    </message>
    <message>
        <source>There is no record in this slot.</source>
        <translation>No hay ningún registro en esta posición.</translation>
    </message>
    <message>
        <source>A user cannot be deleted or given to another user.</source>
        <translation>Un usuario no se puede eliminar ni asignar a otro usuario.</translation>
    </message>
    <message>
        <source>There is no such user.</source>
        <translation>Este usuario no existe.</translation>
    </message>
</context>
<context>
    <name>CheckReport</name>
    <message>
        <source>Check phonebook</source>
        <translation>Comprobar agenda</translation>
    </message>
    <message>
        <source>Double-click a finding to select its record</source>
        <translation>Haga doble clic en una incidencia para seleccionar su registro</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Incidencia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>owner %1 is not one of the phonebook&apos;s %2 users</source>
        <translation>el propietario %1 no es ninguno de los %2 usuarios de la agenda</translation>
    </message>
    <message>
        <source>%1 %2 holds characters a phone cannot dial</source>
        <translation>%1 %2 contiene caracteres que un teléfono no puede marcar</translation>
    </message>
    <message>
        <source>has no label</source>
        <translation>no tiene etiqueta</translation>
    </message>
    <message>
        <source>has no label, phone or e-mail</source>
        <translation>no tiene etiqueta, teléfono ni correo electrónico</translation>
    </message>
    <message>
        <source>%1 is %2 characters, the unit allows %3</source>
        <translation>%1 tiene %2 caracteres, el dispositivo admite %3</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <extracomment>%1 the field (&quot;phone 2&quot;), %2 the number in quotes, %3 why it is no valid number (&quot;holds letters&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>%1 %2 has no country code and no region is set: it will not dial abroad</source>
        <translation>%1 %2 no tiene prefijo de país y no hay ninguna región definida: no se podrá marcar desde el extranjero</translation>
    </message>
    <message>
        <source>same label</source>
        <translation>misma etiqueta</translation>
    </message>
    <message>
        <source>same number as %1</source>
        <translation type="vanished">mismo número en %1</translation>
    </message>
    <message>
        <source>looks like a duplicate of record %1 (%2)</source>
        <translation>parece un duplicado del registro %1 (%2)</translation>
    </message>
    <message>
        <source>GPS latitude %1 is beyond ±%2</source>
        <translation>la latitud GPS %1 supera ±%2</translation>
    </message>
    <message>
        <source>GPS longitude %1 is beyond ±%2</source>
        <translation>la longitud GPS %1 supera ±%2</translation>
    </message>
    <message>
        <source>record %1: %2</source>
        <translation>registro %1: %2</translation>
    </message>
    <message>
        <source>%1 %2 is the same number as record %3</source>
        <translation>%1 %2 es el mismo número que el registro %3</translation>
    </message>
    <message>
        <source>%1 %2 is possibly the same number as record %3</source>
        <translation>%1 %2 es posiblemente el mismo número que el registro %3</translation>
    </message>
</context>
<context>
    <name>ColumnTitle</name>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Numb</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>C.P.</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>Phone-1</source>
        <translation>Teléfono-1</translation>
    </message>
    <message>
        <source>Phone-2</source>
        <translation>Teléfono-2</translation>
    </message>
    <message>
        <source>Phone-3</source>
        <translation>Teléfono-3</translation>
    </message>
    <message>
        <source>Phone-4</source>
        <translation>Teléfono-4</translation>
    </message>
    <message>
        <source>Phone-5</source>
        <translation>Teléfono-5</translation>
    </message>
    <message>
        <source>Email-1</source>
        <translation>Correo-1</translation>
    </message>
    <message>
        <source>Email-2</source>
        <translation>Correo-2</translation>
    </message>
    <message>
        <source>Email-3</source>
        <translation>Correo-3</translation>
    </message>
    <message>
        <source>Email-4</source>
        <translation>Correo-4</translation>
    </message>
    <message>
        <source>Email-5</source>
        <translation>Correo-5</translation>
    </message>
    <message>
        <source>POI label</source>
        <translation>Etiqueta POI</translation>
    </message>
</context>
<context>
    <name>CsvColumns</name>
    <message>
        <source>Columns of the CSV file</source>
        <translation>Columnas del archivo CSV</translation>
    </message>
    <message>
        <source>No column of this file is known to hold a name or a phone number. Choose what each column holds; the choice is remembered for files with the same columns.</source>
        <translation>Ninguna columna de este archivo se conoce como nombre o número de teléfono. Elija qué contiene cada columna; la elección se recuerda para archivos con las mismas columnas.</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Columna</translation>
    </message>
    <message>
        <source>First values</source>
        <translation>Primeros valores</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Choose a column for the label, a name or a phone number.</source>
        <translation>Elija una columna para la etiqueta, un nombre o un número de teléfono.</translation>
    </message>
</context>
<context>
    <name>EditRecord</name>
    <message>
        <source>Edit Record</source>
        <translation>Editar registro</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>type :</source>
        <translation>Tipo :</translation>
    </message>
    <message>
        <source>record type</source>
        <translation>Tipo de registro</translation>
    </message>
    <message>
        <source>record :</source>
        <translation>Registro :</translation>
    </message>
    <message>
        <source>record number</source>
        <translation>Número de registro</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>select previous record for current user</source>
        <translation>Seleccionar el registro anterior del usuario actual</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>select next record for current user</source>
        <translation>Seleccionar el registro siguiente del usuario actual</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>owner :</source>
        <translation>Propietario :</translation>
    </message>
    <message>
        <source>record owner</source>
        <translation>Usuario al que pertenece el registro</translation>
    </message>
    <message>
        <source>label :</source>
        <translation>Etiqueta :</translation>
    </message>
    <message>
        <source>label as appear on RTx phonebook</source>
        <translation>Etiqueta tal como aparece en la agenda del RTx</translation>
    </message>
    <message>
        <source>note :</source>
        <translation>Nota :</translation>
    </message>
    <message>
        <source>enter some comment for this record</source>
        <translation>Escriba un comentario para este registro</translation>
    </message>
    <message>
        <source>voice record index :</source>
        <translation>Índice de grabación de voz :</translation>
    </message>
    <message>
        <source>index of voice recorded label, if any</source>
        <translation>Índice de la etiqueta grabada por voz, si existe</translation>
    </message>
    <message>
        <source>sim position :</source>
        <translation>Posición SIM :</translation>
    </message>
    <message>
        <source>position in phone sim, if type=SIM</source>
        <translation>Posición en la SIM del teléfono, si tipo=SIM</translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation>Exportar vCard</translation>
    </message>
    <message>
        <source>export this record to vCard file</source>
        <translation>Exportar este registro a un archivo vCard</translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation>Importar vCard</translation>
    </message>
    <message>
        <source>import this record from vCard file</source>
        <translation>Importar este registro desde un archivo vCard</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>street :</source>
        <translation>Calle :</translation>
    </message>
    <message>
        <source>street of address information</source>
        <translation>Calle de la dirección</translation>
    </message>
    <message>
        <source>n° :</source>
        <translation>N.º :</translation>
    </message>
    <message>
        <source>huose number of address information</source>
        <translation>Número de portal de la dirección</translation>
    </message>
    <message>
        <source>zip :</source>
        <translation>C.P. :</translation>
    </message>
    <message>
        <source>post office code of address information</source>
        <translation>Código postal de la dirección</translation>
    </message>
    <message>
        <source>town :</source>
        <translation>Ciudad :</translation>
    </message>
    <message>
        <source>town of address information</source>
        <translation>Ciudad de la dirección</translation>
    </message>
    <message>
        <source>country :</source>
        <translation>País :</translation>
    </message>
    <message>
        <source>country of address information</source>
        <translation>País de la dirección</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>1 :</source>
        <translation>1 :</translation>
    </message>
    <message>
        <source>phone number type</source>
        <translation>Tipo de número de teléfono</translation>
    </message>
    <message>
        <source>phone number</source>
        <translation>Número de teléfono</translation>
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
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>email type</source>
        <translation>Tipo de correo electrónico</translation>
    </message>
    <message>
        <source>email address</source>
        <translation>Dirección de correo electrónico</translation>
    </message>
    <message>
        <source>InfoBel database</source>
        <translation>Buscar en InfoBel</translation>
    </message>
    <message>
        <source>retrieve address and phone information from InfoBel database</source>
        <translation>Obtener la dirección y el teléfono de la base de datos de InfoBel</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>signed if GPS data present</source>
        <translation>Marcado si hay datos GPS</translation>
    </message>
    <message>
        <source>latitude :</source>
        <translation>Latitud :</translation>
    </message>
    <message>
        <source>GPS coordinate</source>
        <translation>Coordenada GPS</translation>
    </message>
    <message>
        <source>longitude :</source>
        <translation>Longitud :</translation>
    </message>
    <message>
        <source>postal</source>
        <translation>Postal</translation>
    </message>
    <message>
        <source>signed if Postal data present</source>
        <translation>Marcado si hay datos postales</translation>
    </message>
    <message>
        <source>type of Postal data</source>
        <translation>Tipo de los datos postales</translation>
    </message>
    <message>
        <source>code :</source>
        <translation>Código :</translation>
    </message>
    <message>
        <source>house n°:</source>
        <translation>Número:</translation>
    </message>
    <message>
        <source>road 1 :</source>
        <translation>Calle 1 :</translation>
    </message>
    <message>
        <source>road 2 :</source>
        <translation>Calle 2 :</translation>
    </message>
    <message>
        <source>PoI</source>
        <translation>PoI</translation>
    </message>
    <message>
        <source>signed if Poi data present</source>
        <translation>Marcado si hay datos de PoI</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Categoría :</translation>
    </message>
    <message>
        <source>facility :</source>
        <translation>Instalación :</translation>
    </message>
    <message>
        <source>ref.CD</source>
        <translation>Ref. CD</translation>
    </message>
    <message>
        <source>quarter :</source>
        <translation>Trimestre :</translation>
    </message>
    <message>
        <source>informatin about map CD used for Navigation data</source>
        <translation>Información sobre el CD de mapas usado para los datos de navegación</translation>
    </message>
    <message>
        <source>year :</source>
        <translation>Año :</translation>
    </message>
    <message>
        <source>cid :</source>
        <translation>cid :</translation>
    </message>
    <message>
        <source>Geocode address</source>
        <translation>Geocodificar</translation>
    </message>
    <message>
        <source>retrieve GPS coordinate for record postal address</source>
        <translation>Obtener la coordenada GPS de la dirección del registro</translation>
    </message>
    <message>
        <source>ACP</source>
        <translation>ACP</translation>
    </message>
    <message>
        <source>ACP data, if type=ACP</source>
        <translation>Datos ACP, si tipo=ACP</translation>
    </message>
    <message>
        <source>date 1 :</source>
        <translation>Fecha 1 :</translation>
    </message>
    <message>
        <source>date 2 :</source>
        <translation>Fecha 2 :</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Accept all data and close dialog</source>
        <translation>Aceptar todos los datos y cerrar el diálogo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Cerrar este diálogo</translation>
    </message>
</context>
<context>
    <name>EditorText</name>
    <message>
        <source>Edit Record</source>
        <translation>Editar registro</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2.vcf</source>
        <translation>Exportar a vCard : REC.%1 - %2.vcf</translation>
    </message>
    <message>
        <source>Invalid number.</source>
        <translation>Número no válido.</translation>
    </message>
    <message>
        <source>Write as %1</source>
        <translation>Escribir como %1</translation>
    </message>
</context>
<context>
    <name>FetchText</name>
    <message>
        <source>read : %1</source>
        <translation>Leyendo : %1</translation>
    </message>
    <message>
        <source>Could not reach %1: %2</source>
        <translation>No se puede conectar con %1: %2</translation>
    </message>
    <message>
        <source>The server&apos;s certificate is not valid for %1</source>
        <translation>El certificado del servidor no es válido para %1</translation>
    </message>
    <message>
        <source>The secure connection to %1 failed: %2</source>
        <translation>La conexión segura con %1 ha fallado: %2</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again in %2 s</source>
        <translation>El servidor está ocupado (HTTP %1); inténtelo de nuevo dentro de %2 s</translation>
    </message>
    <message>
        <source>The server is busy (HTTP %1); try again later</source>
        <translation>El servidor está ocupado (HTTP %1); inténtelo de nuevo más tarde</translation>
    </message>
    <message>
        <source>The server refused the request (HTTP %1)</source>
        <translation>El servidor ha rechazado la solicitud (HTTP %1)</translation>
    </message>
    <message>
        <source>The server does not know this address (HTTP %1)</source>
        <translation>El servidor no conoce esta dirección (HTTP %1)</translation>
    </message>
    <message>
        <source>The server reported an error (HTTP %1)</source>
        <translation>El servidor ha notificado un error (HTTP %1)</translation>
    </message>
    <message>
        <source>The server did not answer within %1 s</source>
        <translation>El servidor no ha respondido en %1 s</translation>
    </message>
    <message>
        <source>The server did not finish its answer within %1 s</source>
        <translation>El servidor no ha terminado su respuesta en %1 s</translation>
    </message>
    <message>
        <source>The server&apos;s answer is larger than %1</source>
        <translation>La respuesta del servidor supera %1</translation>
    </message>
    <message>
        <source>The server sent the request on to another host (%1); it was not followed</source>
        <translation>El servidor ha redirigido la solicitud a otro host (%1); no se ha seguido la redirección</translation>
    </message>
    <message>
        <source>The server sent the request on to an unencrypted address; it was not followed</source>
        <translation>El servidor ha redirigido la solicitud a una dirección sin cifrar; no se ha seguido la redirección</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The server sent an empty answer</source>
        <translation>El servidor ha enviado una respuesta vacía</translation>
    </message>
</context>
<context>
    <name>FieldName</name>
    <message>
        <source>record</source>
        <translation>registro</translation>
    </message>
    <message>
        <source>label</source>
        <translation>etiqueta</translation>
    </message>
    <message>
        <source>note</source>
        <translation>nota</translation>
    </message>
    <message>
        <source>street</source>
        <translation>calle</translation>
    </message>
    <message>
        <source>number</source>
        <translation>número de portal</translation>
    </message>
    <message>
        <source>zip</source>
        <translation>código postal</translation>
    </message>
    <message>
        <source>city</source>
        <translation>ciudad</translation>
    </message>
    <message>
        <source>country</source>
        <translation>país</translation>
    </message>
    <message>
        <source>GPS position</source>
        <translation>posición GPS</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>teléfono</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>correo electrónico</translation>
    </message>
    <message>
        <source>POI label</source>
        <translation>etiqueta POI</translation>
    </message>
    <message>
        <source>owner</source>
        <translation>propietario</translation>
    </message>
</context>
<context>
    <name>Geocode</name>
    <message>
        <source>Actual values</source>
        <translation>Valores actuales</translation>
    </message>
    <message>
        <source>A&amp;ddress :</source>
        <translation>&amp;Dirección :</translation>
    </message>
    <message>
        <source>Insert here &quot;street,number&quot; to search</source>
        <translation>Escriba aquí «calle,número» para buscar</translation>
    </message>
    <message>
        <source>Cit&amp;y :</source>
        <translation>&amp;Ciudad :</translation>
    </message>
    <message>
        <source>city  to search</source>
        <translation>Ciudad para la búsqueda</translation>
    </message>
    <message>
        <source>&amp;Zip :</source>
        <translation>C.&amp;P. :</translation>
    </message>
    <message>
        <source>post office code  to search</source>
        <translation>Código postal para la búsqueda</translation>
    </message>
    <message>
        <source>&amp;State :</source>
        <translation>&amp;Región :</translation>
    </message>
    <message>
        <source>state or country  to search</source>
        <translation>Región o país para la búsqueda</translation>
    </message>
    <message>
        <source>Coun&amp;try :</source>
        <translation>Paí&amp;s :</translation>
    </message>
    <message>
        <source>country abreviation</source>
        <translation>Abreviatura del país</translation>
    </message>
    <message>
        <source>&amp;Latitude,Longitude :</source>
        <translation>&amp;Latitud, longitud :</translation>
    </message>
    <message>
        <source>original longitude</source>
        <translation>Coordenadas originales</translation>
    </message>
    <message>
        <source>Result from : Yahoo! - Geocoding API</source>
        <translation>Resultado de : Yahoo! - Geocoding API</translation>
    </message>
    <message>
        <source>value result from query</source>
        <translation>Resultado de la consulta</translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Query actual value to Yahoo! geocondig API</source>
        <translation>Consultar los valores actuales en la API de geocodificación de Yahoo!</translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation>Google Maps</translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Accept latitude and longitude result, and close dialog</source>
        <translation>Aceptar la latitud y la longitud obtenidas y cerrar el diálogo</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Cerrar este diálogo</translation>
    </message>
</context>
<context>
    <name>GeocodeText</name>
    <message>
        <source>Exact address not found. Here the best result.&amp;Try to change some detail ie: add/remove zip, house number, name prefix/suffix.</source>
        <translation>No se ha encontrado la dirección exacta. Este es el mejor resultado.&amp;Pruebe a cambiar algún dato, p. ej., añadir o quitar el código postal, el número de portal o un prefijo o sufijo del nombre.</translation>
    </message>
    <message>
        <source>Query failed</source>
        <translation>La consulta ha fallado</translation>
    </message>
    <message>
        <source>Nothing found for this address</source>
        <translation>No se ha encontrado nada para esta dirección</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>No se ha podido leer la respuesta del servidor</translation>
    </message>
    <message>
        <source>&amp;Query (waiting)</source>
        <translation>&amp;Buscar (en espera)</translation>
    </message>
    <message>
        <source>Get GPS position</source>
        <translation>Obtener posición GPS</translation>
    </message>
    <message>
        <source>© OpenStreetMap contributors</source>
        <translation>© colaboradores de OpenStreetMap</translation>
    </message>
    <message>
        <source>Result from : %1</source>
        <translation>Resultado de : %1</translation>
    </message>
    <message>
        <source>Query actual value to %1</source>
        <translation>Consultar los valores actuales en %1</translation>
    </message>
</context>
<context>
    <name>ImportReview</name>
    <message>
        <source>Insert from vCard</source>
        <translation>Insertar desde vCard</translation>
    </message>
    <message>
        <source>Insert for user:</source>
        <translation>Insertar para el usuario:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>Shorten texts to the unit&apos;s limits</source>
        <translation>Acortar los textos a los límites del dispositivo</translation>
    </message>
    <message>
        <source>Write phone numbers in international form</source>
        <translation>Escribir los números de teléfono en formato internacional</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Observaciones</translation>
    </message>
</context>
<context>
    <name>InfoBel</name>
    <message>
        <source>country :</source>
        <translation>País :</translation>
    </message>
    <message>
        <source>Use only country supported by InfoBel</source>
        <translation>Use solo países admitidos por InfoBel</translation>
    </message>
    <message>
        <source>firstname :</source>
        <translation>Nombre :</translation>
    </message>
    <message>
        <source>Specify first name to refine your search</source>
        <translation>Indique el nombre para afinar la búsqueda</translation>
    </message>
    <message>
        <source>lastname :</source>
        <translation>Apellidos :</translation>
    </message>
    <message>
        <source>Lastname is mandatory for private query</source>
        <translation>Los apellidos son obligatorios para buscar particulares</translation>
    </message>
    <message>
        <source>city :</source>
        <translation>Ciudad :</translation>
    </message>
    <message>
        <source>Specify city to refine your search</source>
        <translation>Indique la ciudad para afinar la búsqueda</translation>
    </message>
    <message>
        <source>Private</source>
        <translation>Particulares</translation>
    </message>
    <message>
        <source>Search in private database</source>
        <translation>Buscar en la base de datos de particulares</translation>
    </message>
    <message>
        <source>category :</source>
        <translation>Categoría :</translation>
    </message>
    <message>
        <source>Specify business category to refine your search</source>
        <translation>Indique la categoría de actividad para afinar la búsqueda</translation>
    </message>
    <message>
        <source>Business</source>
        <translation>Empresas</translation>
    </message>
    <message>
        <source>Search in business database</source>
        <translation>Buscar en la base de datos de empresas</translation>
    </message>
    <message>
        <source>phone :</source>
        <translation>Teléfono :</translation>
    </message>
    <message>
        <source>Phone number is mandatory for Inverse search</source>
        <translation>El número de teléfono es obligatorio para la búsqueda inversa</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inversa</translation>
    </message>
    <message>
        <source>Search name and address from phone number</source>
        <translation>Buscar nombre y dirección a partir del número de teléfono</translation>
    </message>
    <message>
        <source>result : </source>
        <translation>Resultado : </translation>
    </message>
    <message>
        <source>found : 100  - read 20</source>
        <translation>Encontrados : 100  - leídos 20</translation>
    </message>
    <message>
        <source>+20</source>
        <translation>+20</translation>
    </message>
    <message>
        <source>read other 20 result, if any</source>
        <translation>Leer otros 20 resultados, si los hay</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Close and accept selected result</source>
        <translation>Cerrar y aceptar el resultado seleccionado</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation>Cerrar este diálogo</translation>
    </message>
</context>
<context>
    <name>InfoBelText</name>
    <message>
        <source>%1 Query</source>
        <translation>Búsqueda en %1</translation>
    </message>
    <message>
        <source>write query data</source>
        <translation>escriba los datos de búsqueda</translation>
    </message>
    <message>
        <source>searching...</source>
        <translation>buscando...</translation>
    </message>
    <message>
        <source>error: %1</source>
        <translation>error: %1</translation>
    </message>
    <message>
        <source>The server&apos;s answer could not be read</source>
        <translation>No se ha podido leer la respuesta del servidor</translation>
    </message>
    <message>
        <source>found: 0 result</source>
        <translation>encontrados: 0 resultados</translation>
    </message>
    <message>
        <source>found: %1 / %2 result</source>
        <translation>encontrados: %1 / %2 resultados</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Street</source>
        <translation>Calle</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>C.P.</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>phone</source>
        <translation>Teléfono</translation>
    </message>
</context>
<context>
    <name>InterchangeText</name>
    <message>
        <source>File: %1 - Unknown token &quot;%2&quot; at line %3</source>
        <translation>Archivo: %1 - Elemento desconocido «%2» en la línea %3</translation>
    </message>
    <message>
        <source>Error exporting file : %1</source>
        <translation>Error al exportar el archivo : %1</translation>
    </message>
    <message>
        <source>Error importing file : %1</source>
        <translation>Error al importar el archivo : %1</translation>
    </message>
    <message>
        <source>Error importing : %1</source>
        <translation>Error al importar : %1</translation>
    </message>
    <message>
        <source>Error importing : %1 (card %2)</source>
        <translation>Error al importar : %1 (contacto %2)</translation>
    </message>
    <message>
        <source>Error creating file : %1</source>
        <translation>Error al crear el archivo : %1</translation>
    </message>
    <message>
        <source>Error reading file : %1</source>
        <translation>Error al leer el archivo : %1</translation>
    </message>
    <message>
        <source>Error exporting record %1: %2</source>
        <translation>Error al exportar el registro %1: %2</translation>
    </message>
    <message>
        <source>Error importing record %1: %2</source>
        <translation>Error al importar el registro %1: %2</translation>
    </message>
    <message>
        <source>Error importing line %1: %2</source>
        <translation>Error al importar la línea %1: %2</translation>
    </message>
    <message>
        <source>no BEGIN:VCARD line</source>
        <translation>falta la línea BEGIN:VCARD</translation>
    </message>
    <message>
        <source>card %1 has no END:VCARD line</source>
        <translation>al contacto %1 le falta la línea END:VCARD</translation>
    </message>
    <message>
        <source>line %1 is not a vCard property</source>
        <translation>la línea %1 no es una propiedad vCard</translation>
    </message>
    <message>
        <source>not this program&apos;s CSV (UTF-16 with the header &quot;last;first;note;...&quot;); other CSV files can be inserted as new records</source>
        <translation>no es un CSV de este programa (UTF-16 con el encabezado «last;first;note;...»); otros archivos CSV se pueden insertar como registros nuevos</translation>
    </message>
    <message>
        <source>no label or phone column among: %1</source>
        <translation>ninguna columna de etiqueta o teléfono entre: %1</translation>
    </message>
    <message>
        <source>Export to vCard : REC.%1 - %2</source>
        <translation>Exportar a vCard : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Import from vCard : REC.%1 - %2</source>
        <translation>Importar desde vCard : REC.%1 - %2</translation>
    </message>
    <message>
        <source>Insert from vCard</source>
        <translation>Insertar desde vCard</translation>
    </message>
    <message>
        <source>Export to one vCard file</source>
        <translation>Exportar a un único archivo vCard</translation>
    </message>
    <message>
        <source>Export to Excel CSV file</source>
        <translation>Exportar a archivo CSV de Excel</translation>
    </message>
    <message>
        <source>Export to Google CSV</source>
        <translation>Exportar a CSV de Google</translation>
    </message>
    <message>
        <source>Import from Excel CSV file</source>
        <translation>Importar desde archivo CSV de Excel</translation>
    </message>
    <message>
        <source>Insert from Excel CSV file</source>
        <translation>Insertar desde archivo CSV de Excel</translation>
    </message>
    <message numerus="yes">
        <source>%n card(s)</source>
        <translation>
            <numerusform>%n contacto</numerusform>
            <numerusform>%n contactos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free place(s)</source>
        <translation>
            <numerusform>%n espacio libre</numerusform>
            <numerusform>%n espacios libres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 selected, %3</source>
        <extracomment>%1 the cards or rows (&quot;312 cards&quot;), %2 how many of them are selected, %3 the free places (&quot;91 free places&quot;).</extracomment>
        <translation>%1, %2 seleccionados, %3</translation>
    </message>
    <message>
        <source>already in this user&apos;s list</source>
        <translation>ya está en la lista de este usuario</translation>
    </message>
    <message>
        <source>too long for the unit</source>
        <translation>demasiado largo para el dispositivo</translation>
    </message>
    <message>
        <source>more than five phones / e-mails</source>
        <translation>más de cinco teléfonos / correos electrónicos</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 dropped</source>
        <translation>más de cinco teléfonos / correos electrónicos: se importará sin %1</translation>
    </message>
    <message>
        <source>more than five phones / e-mails: %1 and %2 dropped</source>
        <translation>más de cinco teléfonos / correos electrónicos: se importará sin %1 ni %2</translation>
    </message>
    <message numerus="yes">
        <source>%n phone(s)</source>
        <translation>
            <numerusform>%n teléfono</numerusform>
            <numerusform>%n teléfonos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n e-mail(s)</source>
        <translation>
            <numerusform>%n correo electrónico</numerusform>
            <numerusform>%n correos electrónicos</numerusform>
        </translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>contact group, not a contact</source>
        <translation>grupo de contactos, no un contacto</translation>
    </message>
    <message>
        <source>empty card</source>
        <translation>contacto vacío</translation>
    </message>
    <message>
        <source>same as an earlier card</source>
        <translation>igual que un contacto anterior</translation>
    </message>
    <message>
        <source>position not understood</source>
        <translation>posición no reconocida</translation>
    </message>
    <message>
        <source>position not understood (GEO:%1)</source>
        <translation>posición no reconocida (GEO:%1)</translation>
    </message>
    <message>
        <source>same name, other number</source>
        <translation>mismo nombre, otro número</translation>
    </message>
    <message>
        <source>all cards</source>
        <translation>todos los contactos</translation>
    </message>
    <message>
        <source>vCard file (*.vcf);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Archivo vCard (*.vcf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Excel CSV file (*.csv);;All files (*)</source>
        <extracomment>File selector types: translate the words only; keep the patterns in brackets and the &quot;;;&quot; between the types.</extracomment>
        <translation>Archivo CSV de Excel (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n fila</numerusform>
            <numerusform>%n filas</numerusform>
        </translation>
    </message>
    <message>
        <source>empty row</source>
        <translation>fila vacía</translation>
    </message>
    <message>
        <source>same as an earlier row</source>
        <translation>igual que una fila anterior</translation>
    </message>
    <message>
        <source>all rows</source>
        <translation>todas las filas</translation>
    </message>
</context>
<context>
    <name>KESTRAVONLayout</name>
    <message>
        <source>Load new agenda.dat file</source>
        <translation>Abrir un archivo Agenda.dat</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Current Agenda.dat file loaded</source>
        <translation>Archivo Agenda.dat abierto</translation>
    </message>
    <message>
        <source>Save current agenda.dat to file</source>
        <translation>Guardar el Agenda.dat actual en el archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Export selected record to vCard or CSV file</source>
        <translation>Exportar el registro seleccionado a un archivo vCard o CSV</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>Import selected record from vCard or CSV file</source>
        <translation>Importar el registro seleccionado desde un archivo vCard o CSV</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Add a new record</source>
        <translation>Añadir un registro nuevo</translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation>I&amp;nsertar</translation>
    </message>
    <message>
        <source>Delete selected records</source>
        <translation>Eliminar los registros seleccionados</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Edit current record</source>
        <translation>Editar el registro actual</translation>
    </message>
    <message>
        <source>Edi&amp;t</source>
        <translation>E&amp;ditar</translation>
    </message>
    <message>
        <source>Show only the records holding this text (Ctrl+F)</source>
        <translation>Mostrar solo los registros que contienen este texto (Ctrl+F)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>List what the unit would refuse or show oddly</source>
        <translation>Listar lo que el dispositivo rechazaría o mostraría mal</translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation>Comprobar agenda</translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation>Cerrar el programa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>LoadText</name>
    <message>
        <source>Field text length is greater than allowed maximum!&amp;characters read=%1 - max=%2&amp;text=%3&amp;[* Continue to load this file ?]&amp;(continue only if text show above is correct)</source>
        <extracomment>Markup: &quot;&amp;&quot; a new line, &quot;[* ...]&quot; bold. %1 the length read, %2 the limit, %3 the text.</extracomment>
        <translation>¡La longitud del texto del campo supera el máximo permitido!&amp;caracteres leídos=%1 - máx.=%2&amp;texto=%3&amp;[* ¿Continuar abriendo este archivo ?]&amp;(continúe solo si el texto mostrado arriba es correcto)</translation>
    </message>
    <message>
        <source>The file is not a phonebook file.</source>
        <translation>El archivo no es un archivo de agenda.</translation>
    </message>
    <message>
        <source>The file ends inside record %1.</source>
        <translation>El archivo termina en mitad del registro %1.</translation>
    </message>
    <message>
        <source>Loading was stopped at record %1, whose text is longer than allowed.</source>
        <translation>La apertura se ha detenido en el registro %1, cuyo texto supera la longitud permitida.</translation>
    </message>
    <message>
        <source>The compressed data is damaged.</source>
        <translation>Los datos comprimidos están dañados.</translation>
    </message>
    <message>
        <source>The unpacked phonebook is larger than 64 MiB.</source>
        <translation>La agenda descomprimida supera los 64 MiB.</translation>
    </message>
    <message>
        <source>The sidecar file %1 cannot be read.</source>
        <translation>No se puede leer el archivo asociado %1.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know.</source>
        <translation>Esta agenda tiene la versión de formato %1, que este programa no conoce.</translation>
    </message>
    <message>
        <source>This phonebook has format version %1, which this program does not know. Open it anyway? It will be saved as version 80.</source>
        <translation>Esta agenda tiene la versión de formato %1, que este programa no conoce. ¿Abrirla de todos modos? Se guardará como versión 80.</translation>
    </message>
</context>
<context>
    <name>OnlineText</name>
    <message>
        <source>The look-ups and the update check are not available: their module could not be loaded.</source>
        <translation>Las búsquedas y la comprobación de actualizaciones no están disponibles: no se pudo cargar su módulo.</translation>
    </message>
    <message>
        <source>%1: not found</source>
        <translation>%1: no encontrado</translation>
    </message>
    <message>
        <source>%1: built for another version of the program</source>
        <translation>%1: compilado para otra versión del programa</translation>
    </message>
</context>
<context>
    <name>PhoneReason</name>
    <message>
        <source>holds pause or tone characters</source>
        <translation>contiene caracteres de pausa o de tono</translation>
    </message>
    <message>
        <source>holds letters</source>
        <translation>contiene letras</translation>
    </message>
    <message>
        <source>holds characters that are no part of a number</source>
        <translation>contiene caracteres que no forman parte de un número</translation>
    </message>
    <message>
        <source>has no country code and no region is set</source>
        <translation>no tiene prefijo de país y no hay ninguna región definida</translation>
    </message>
    <message>
        <source>is not a phone number</source>
        <translation>no es un número de teléfono</translation>
    </message>
    <message>
        <source>is not a valid number</source>
        <translation>no es un número válido</translation>
    </message>
    <message>
        <source>is not a valid number for %1</source>
        <translation>no es un número válido para la región %1</translation>
    </message>
    <message>
        <source>would be longer than %1 characters</source>
        <translation>superaría los %1 caracteres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2: kept as typed</source>
        <translation>&quot;%1&quot; %2: se mantiene tal como se escribió</translation>
    </message>
    <message>
        <source>same number as record %1</source>
        <translation>mismo número que el registro %1</translation>
    </message>
    <message>
        <source>possibly the same number as record %1</source>
        <translation>posiblemente el mismo número que el registro %1</translation>
    </message>
</context>
<context>
    <name>PhoneText</name>
    <message>
        <source>Tidy phone numbers</source>
        <translation>Normalizar números de teléfono</translation>
    </message>
    <message>
        <source>Phone region...</source>
        <translation>Región telefónica...</translation>
    </message>
    <message>
        <source>The selected records hold no phone number to tidy.</source>
        <translation>Los registros seleccionados no contienen ningún número de teléfono que normalizar.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Después</translation>
    </message>
    <message>
        <source>kept: %1</source>
        <translation>sin cambios: %1</translation>
    </message>
    <message>
        <source>Form:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>International (+39 06 1234 5678)</source>
        <translation>Internacional (+39 06 1234 5678)</translation>
    </message>
    <message>
        <source>E.164 (+390612345678)</source>
        <translation>E.164 (+390612345678)</translation>
    </message>
    <message>
        <source>National (06 1234 5678)</source>
        <translation>Nacional (06 1234 5678)</translation>
    </message>
    <message>
        <source>%1 numbers change, %2 selected, %3 kept as they are</source>
        <translation>Por cambiar: %1, seleccionados: %2, sin cambios: %3</translation>
    </message>
    <message>
        <source>Numbers without a country code are read as numbers of %1.</source>
        <translation>Los números sin prefijo de país se interpretan como números de la región %1.</translation>
    </message>
    <message>
        <source>No region is set: numbers without a country code are kept.</source>
        <translation>No hay ninguna región definida: los números sin prefijo de país se mantienen.</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Select none</source>
        <translation>Deseleccionar todo</translation>
    </message>
    <message>
        <source>Phone region</source>
        <translation>Región telefónica</translation>
    </message>
    <message>
        <source>Read phone numbers without a country code as numbers of:</source>
        <translation>Interpretar los números de teléfono sin prefijo de país como números de:</translation>
    </message>
    <message>
        <source>The system&apos;s region (%1)</source>
        <translation>Región del sistema (%1)</translation>
    </message>
    <message>
        <source>The system&apos;s region (none)</source>
        <translation>Región del sistema (ninguna)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Phone numbers cannot be read as numbers: the phone number module could not be loaded. Numbers are kept as typed and compared by their digits.</source>
        <translation>Los números de teléfono no se pueden leer como números: no se pudo cargar el módulo de números de teléfono. Los números se mantienen tal como se escribieron y se comparan por sus dígitos.</translation>
    </message>
</context>
<context>
    <name>QtPrompter</name>
    <message>
        <source>%1 received</source>
        <translation>%1 recibidos</translation>
    </message>
</context>
<context>
    <name>ReadText</name>
    <message>
        <source>more than %1 rows</source>
        <translation>más de %1 filas</translation>
    </message>
    <message>
        <source>no header row</source>
        <translation>sin fila de encabezado</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>línea %1: un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>the text ends inside a UTF-16 character</source>
        <translation>el texto termina en mitad de un carácter UTF-16</translation>
    </message>
    <message>
        <source>the text is not valid UTF-16</source>
        <translation>el texto no es UTF-16 válido</translation>
    </message>
    <message>
        <source>the text is not valid UTF-8</source>
        <translation>el texto no es UTF-8 válido</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
</context>
<context>
    <name>RecordText</name>
    <message>
        <source>Address modified: clear &quot;Postal&quot; and &quot;Poi&quot; informations ?</source>
        <translation>Dirección modificada: ¿borrar la información de «Postal» y «PoI» ?</translation>
    </message>
    <message>
        <source>Label modified: clear &quot;voice record index&quot; informations ?</source>
        <translation>Etiqueta modificada: ¿borrar el «Índice de grabación de voz» ?</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <extracomment>%1 is the field&apos;s limit.</extracomment>
        <translation>Escriba como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>Null value not allowed.</source>
        <translation>No se permite un valor vacío.</translation>
    </message>
    <message>
        <source>Number must be between %1 and %2.</source>
        <extracomment>%1, %2: the lowest and highest value allowed.</extracomment>
        <translation>El número debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>Invalid GPS position.</source>
        <translation>Posición GPS no válida.</translation>
    </message>
</context>
<context>
    <name>SafeFileText</name>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is not a regular file.</source>
        <translation>El archivo no es un archivo normal.</translation>
    </message>
    <message>
        <source>The file is larger than 64 MiB.</source>
        <translation>El archivo supera los 64 MiB.</translation>
    </message>
</context>
<context>
    <name>UpdateText</name>
    <message>
        <source>Download of %1 failed</source>
        <extracomment>%1 is the address that was downloaded.</extracomment>
        <translation>Error al descargar %1</translation>
    </message>
    <message>
        <source>[3B New version present !&amp;]Program filename -|: %1&amp;Version          -|: %2&amp;Release date     -|: %3&amp;&amp;Would you download the new file ?</source>
        <extracomment>Markup: &quot;[3B ...]&quot; a heading, &quot;&amp;&quot; a new line, &quot;-|&quot; a tab. %1 the file name, %2 the version, %3 its date.</extracomment>
        <translation>[3B ¡Nueva versión disponible !&amp;]Archivo del programa -|: %1&amp;Versión          -|: %2&amp;Fecha de publicación -|: %3&amp;&amp;¿Desea descargar el nuevo archivo ?</translation>
    </message>
    <message>
        <source>Your program is up to date</source>
        <translation>El programa está actualizado</translation>
    </message>
    <message>
        <source>The update is not signed by the publisher</source>
        <translation>La actualización no está firmada por el editor</translation>
    </message>
    <message>
        <source>The update archive is damaged (%1)</source>
        <translation>El archivo de la actualización está dañado (%1)</translation>
    </message>
    <message>
        <source>Error starting the new version</source>
        <translation>Error al iniciar la nueva versión</translation>
    </message>
    <message>
        <source>The new version does not start on this computer: %1</source>
        <translation>La nueva versión no se inicia en este equipo: %1</translation>
    </message>
    <message>
        <source>The new version stopped at start-up; the previous version was restored.</source>
        <translation>La nueva versión se ha detenido al iniciarse; se ha restaurado la versión anterior.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s; the previous version was restored.</source>
        <translation>La nueva versión no ha abierto su ventana en %1 s; se ha restaurado la versión anterior.</translation>
    </message>
    <message>
        <source>The new version stopped at start-up.</source>
        <translation>La nueva versión se ha detenido al iniciarse.</translation>
    </message>
    <message>
        <source>The new version did not open its window within %1 s.</source>
        <translation>La nueva versión no ha abierto su ventana en %1 s.</translation>
    </message>
    <message>
        <source>The previous version could not be put back: rename %1 to %2 by hand.</source>
        <translation>No se ha podido restaurar la versión anterior: cambie el nombre de %1 a %2 manualmente.</translation>
    </message>
    <message>
        <source>No update found</source>
        <translation>No se ha encontrado ninguna actualización</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sin respuesta en %1 s</translation>
    </message>
    <message>
        <source>ended by signal %1</source>
        <translation>terminada por la señal %1</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <translation>código de salida %1</translation>
    </message>
    <message>
        <source>it reports &quot;%1&quot; instead of version %2</source>
        <translation>indica «%1» en lugar de la versión %2</translation>
    </message>
</context>
</TS>
