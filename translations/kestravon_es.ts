<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</TS>
