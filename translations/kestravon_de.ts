<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CheckReport</name>
    <message>
        <source>Check phonebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a finding to select its record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditRecord</name>
    <message>
        <source>Edit Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prev</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select previous record for current user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select next record for current user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>owner :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record owner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>label :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>label as appear on RTx phonebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enter some comment for this record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>voice record index :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>index of voice recorded label, if any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sim position :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>position in phone sim, if type=SIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export vCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>export this record to vCard file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import vCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import this record from vCard file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>street :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>street of address information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n° :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>huose number of address information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zip :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>post office code of address information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>town :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>town of address information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>country :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>country of address information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phone number type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eMail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>email type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>email address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InfoBel database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retrieve address and phone information from InfoBel database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signed if GPS data present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latitude :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longitude :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>postal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signed if Postal data present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type of Postal data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>house n°:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>road 1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>road 2 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PoI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signed if Poi data present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>category :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>facility :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ref.CD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quarter :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>informatin about map CD used for Navigation data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cid :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geocode address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retrieve GPS coordinate for record postal address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACP data, if type=ACP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date 1 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date 2 :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept all data and close dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Geocode</name>
    <message>
        <source>Actual values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ddress :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert here &quot;street,number&quot; to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cit&amp;y :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>city  to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zip :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>post office code  to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;State :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>state or country  to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coun&amp;try :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>country abreviation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Latitude,Longitude :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>original longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result from : Yahoo! - Geocoding API</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value result from query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query actual value to Yahoo! geocondig API</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Google Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept latitude and longitude result, and close dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportReview</name>
    <message>
        <source>Insert from vCard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert for user:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shorten texts to the unit&apos;s limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write phone numbers in international form</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InfoBel</name>
    <message>
        <source>country :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use only country supported by InfoBel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firstname :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify first name to refine your search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lastname :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lastname is mandatory for private query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>city :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify city to refine your search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search in private database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>category :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify business category to refine your search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Business</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search in business database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phone :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone number is mandatory for Inverse search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search name and address from phone number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>result : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>found : 100  - read 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read other 20 result, if any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close and accept selected result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close this dialog</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KESTRAVONLayout</name>
    <message>
        <source>Load new agenda.dat file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Agenda.dat file loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current agenda.dat to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export selected record to vCard or CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import selected record from vCard or CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;nsert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit current record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edi&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only the records holding this text (Ctrl+F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List what the unit would refuse or show oddly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check phonebook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
