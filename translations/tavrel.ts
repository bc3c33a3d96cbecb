<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/dups/DupRecDisp.cpp" line="+53"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel</name>
    <message>
        <location filename="../src/sync/CardDavClient.cpp" line="+48"/>
        <source>The server did not accept the user name or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server refused access to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nothing was found at %1 on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server refused the change because it conflicts with what it holds (409).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card was changed on the server since it was last read, so it was not overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The server reported an error of its own (%1). Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The server answered with status %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The certificate of %1 could not be verified, so nothing was sent to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The server at %1 closed the connection without a complete answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The server at %1 did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The sync was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server at %1 could not be reached. Check the address and that the server is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The server&apos;s answer could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::AbtForm</name>
    <message>
        <location filename="../src/shell/AbtForm.cpp" line="+67"/>
        <source>Program File Date</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::BrsForma</name>
    <message>
        <location filename="../src/records/BrsForma.cpp" line="+52"/>
        <source>Address Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Telephone %1 Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Telephone %1 Number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::BrsFormb</name>
    <message>
        <location filename="../src/records/BrsFormb.cpp" line="+79"/>
        <source>QuickLink Previous Record ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QuickLink %1 ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Display QuickLink %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>QuickLink %1 Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::CardDavClient</name>
    <message>
        <location filename="../src/sync/CardDavClient.cpp" line="+77"/>
        <source>&quot;%1&quot; is not an http or https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Plain http to %1 would send the password unencrypted. Use an https address, or allow plain http for this server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The server sent the request on through too many redirects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The server redirected from https to an unencrypted address; the request was not sent there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+13"/>
        <source>The server&apos;s answer was larger than %1 MB and was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <source>The server at %1 did not answer within %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::CsvMapForm</name>
    <message>
        <location filename="../src/exchange/CsvMapForm.cpp" line="+37"/>
        <source>Columns Of This File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DupDelCompl</name>
    <message>
        <location filename="../src/dups/DupDelCompl.cpp" line="+24"/>
        <source>Duplicate Records Deleted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopePrint</name>
    <message>
        <location filename="../src/envelopes/EnvelopePrint.cpp" line="+230"/>
        <source>Envelope Address Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>N&amp;A Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mailing Lists</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::ImportForm</name>
    <message>
        <location filename="../src/exchange/ImportForm.cpp" line="+68"/>
        <source>Details Of The Selected Entry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::StoredLengthValidator</name>
    <message>
        <location filename="../src/records/FieldBox.cpp" line="+77"/>
        <source>Only %1 characters fit here; the rest was left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Will be stored as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
