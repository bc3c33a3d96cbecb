<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>PrintRun</name>
    <message>
        <location filename="../src/reports/ReportRun.cpp" line="+19"/>
        <source>Report Not Printed.</source>
        <translation>Bericht nicht gedruckt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Odd-Numbered Pages Have Been Prepared.  Ready To Print Even-Numbered Pages.

Now Do This:
   1.  Wait For Report To Print
   2.  Remove Entire Report From Printer
   3.  Turn Report Over
   4.  Put Report Back In The Printer
   5.  Click The OK Button To Continue   OR   Click The Cancel Button To Abort</source>
        <translation>Die Seiten mit ungerader Nummer sind vorbereitet.  Bereit zum Druck der Seiten mit gerader Nummer.

Gehen Sie nun so vor:
   1.  Warten Sie, bis der Bericht gedruckt ist
   2.  Nehmen Sie den ganzen Bericht aus dem Drucker
   3.  Wenden Sie den Bericht
   4.  Legen Sie den Bericht wieder in den Drucker
   5.  Klicken Sie auf OK, um fortzufahren,   ODER   auf Abbrechen, um abzubrechen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>

Saved As Two Files:
Odd-Numbered Pages: %1
Even-Numbered Pages: %2</source>
        <translation>

In zwei Dateien gespeichert:
Seiten mit ungerader Nummer: %1
Seiten mit gerader Nummer: %2</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The N&amp;A File Is Empty.  There Is Nothing To Print.</source>
        <translation>Die N&amp;A-Datei ist leer.  Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Labels And Rotary File Cards Cannot Be Duplex Printed.  Duplex Option Will Be Deselected.</source>
        <translation>Etiketten und Karteikarten können nicht beidseitig gedruckt werden.  Die Option Duplex wird abgewählt.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Invalid Page Range.  Please Re-Enter.</source>
        <translation>Ungültiger Seitenbereich.  Bitte neu eingeben.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No Entry Chosen For This Report Is In The N&amp;A File.  There Is Nothing To Print.</source>
        <translation>Kein für diesen Bericht gewählter Eintrag ist in der N&amp;A-Datei.  Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Test Page Not Printed.</source>
        <translation>Testseite nicht gedruckt.</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Your Printer Does Not Take The 8 1/2 x 12 Inch Continuous Form.

Please Print The Labels On Cut Sheets Or Choose Another Printer.</source>
        <translation>Ihr Drucker nimmt kein Endlosformular von 8 1/2 x 12 Zoll.

Bitte drucken Sie die Etiketten auf Einzelblätter oder wählen Sie einen anderen Drucker.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Do You Want To Print A Test Page?</source>
        <translation>Möchten Sie eine Testseite drucken?</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Wait For The Test Page To Print.
Examine The Page.

Do You Want To Print Another Test Page?</source>
        <translation>Warten Sie, bis die Testseite gedruckt ist.
Prüfen Sie die Seite.

Möchten Sie eine weitere Testseite drucken?</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In PrtCmd1.  Notify Programmer.</source>
        <translation> in PrtCmd1.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+131"/>
        <source>End Of Report</source>
        <translation>Ende des Berichts</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Report Cancelled At Your Request. Throw Away Any Pages That Print.</source>
        <translation>Bericht auf Ihren Wunsch abgebrochen. Werfen Sie alle Seiten weg, die noch gedruckt werden.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Report Completed.  Last Page Printed: </source>
        <translation>Bericht fertig.  Zuletzt gedruckte Seite: </translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The Quantity Per Address Must Be A Whole Number Of 1 Or More.</source>
        <translation>Die Anzahl je Adresse muss eine ganze Zahl von 1 oder mehr sein.</translation>
    </message>
</context>
<context>
    <name>RecordBuilder</name>
    <message>
        <location filename="../src/exchange/ImportPlan.cpp" line="+53"/>
        <source> becomes </source>
        <translation> wird zu </translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <source> cut to </source>
        <translation> gekürzt auf </translation>
    </message>
    <message>
        <location line="-2"/>
        <source> characters, losing </source>
        <translation> Zeichen, verloren: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> characters; in full in Comments</source>
        <translation> Zeichen; vollständig unter Bemerkungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+42"/>
        <source> (no room in Comments)</source>
        <translation> (kein Platz unter Bemerkungen)</translation>
    </message>
    <message>
        <location line="-3"/>
        <source> left out: </source>
        <translation> ausgelassen: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> moved to Comments: </source>
        <translation> unter Bemerkungen verschoben: </translation>
    </message>
</context>
<context>
    <name>SyncPass</name>
    <message>
        <location filename="../src/sync/SyncPassListing.cpp" line="+69"/>
        <source>%1 cards wait on the server for room in the N&amp;A file.</source>
        <translation>%1 Karten warten auf dem Server auf Platz in der N&amp;A-Datei.</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Not fetched, larger than the server&apos;s answers may be: %1. It stays on the server and is not deleted here.</source>
        <translation>Nicht abgeholt, größer als die Antworten des Servers sein dürfen: %1. Sie bleibt auf dem Server und wird hier nicht gelöscht.</translation>
    </message>
</context>
<context>
    <name>tavrel</name>
    <message>
        <location filename="../src/platform/Ui.h" line="+50"/>
        <source>Tavrel</source>
        <translation>Tavrel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Corvane Mark32</source>
        <translation>Corvane Mark32</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+91"/>
        <source>tavrel: %1 takes no value</source>
        <translation>tavrel: %1 nimmt keinen Wert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tavrel: %1 needs a value (%2)</source>
        <translation>tavrel: %1 braucht einen Wert (%2)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>tavrel: unexpected word %1</source>
        <translation>tavrel: unerwartetes Wort %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>tavrel: %1 needs %2</source>
        <translation>tavrel: %1 braucht %2</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>tavrel: unknown option %1</source>
        <translation>tavrel: unbekannte Option %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Try &apos;%1&apos;.</source>
        <translation>Versuchen Sie &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
</context>
<context>
    <name>tavrel::AboutDialog</name>
    <message>
        <location filename="../src/shell/AboutDialog.cpp" line="+23"/>
        <source>Unable To Verify EXE Date And Time</source>
        <translation>EXE-Datum und -Uhrzeit können nicht geprüft werden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> At </source>
        <translation> um </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>About The Tavrel</source>
        <translation>Über The Tavrel</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The Tavrel (TVL)</source>
        <translation>The Tavrel (TVL)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Expanded Windows 95/98 Version Of</source>
        <translation>Die erweiterte Windows-95/98-Version von</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Corvane Mark32</source>
        <translation>Corvane Mark32</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version 3.1</source>
        <translation>Version 3.1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Program File Date</source>
        <translation>Datum der Programmdatei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tavrel::AddDeleteNamesDialog</name>
    <message>
        <location filename="../src/maillists/AddDeleteNamesDialog.cpp" line="+18"/>
        <source>Add / Delete Names From Mailing List</source>
        <translation>Namen zur Verteilerliste hinzufügen / aus ihr löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply The Changes To The Mailing List</source>
        <translation>Die Änderungen auf die Verteilerliste anwenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore Any Changes To The Mailing List</source>
        <translation>Alle Änderungen an der Verteilerliste verwerfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete The Selected Name From The Mailing List</source>
        <translation>Den gewählten Namen aus der Verteilerliste löschen</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Do You Really Want To Change The Mailing List?</source>
        <translation>Möchten Sie die Verteilerliste wirklich ändern?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Double Check!</source>
        <translation>Noch einmal prüfen!</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In OKButton.  Notify Programmer.</source>
        <translation> in OKButton.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mailing List Changed As Requested.</source>
        <translation>Verteilerliste wie gewünscht geändert.</translation>
    </message>
</context>
<context>
    <name>tavrel::AddressScreen</name>
    <message>
        <location filename="../src/records/AddressScreen.cpp" line="+36"/>
        <source>Name and Address</source>
        <translation>Name und Adresse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name - Up To 35 Characters</source>
        <translation>Name - bis zu 35 Zeichen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Address</source>
        <translation>&amp;Adresse</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Address Line %1 - Up To 35 Characters</source>
        <translation>Adresszeile %1 - bis zu 35 Zeichen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Address Line %1</source>
        <translation>Adresszeile %1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Telephone Numbers</source>
        <translation>Telefonnummern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>T&amp;ype</source>
        <translation>A&amp;rt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Up To 6 Characters</source>
        <translation>Bis zu 6 Zeichen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Telephone Number - Up To 20 Characters</source>
        <translation>Telefonnummer - bis zu 20 Zeichen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Telephone %1 Type</source>
        <translation>Art von Telefon %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Telephone %1 Number</source>
        <translation>Nummer von Telefon %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Screen &amp;2</source>
        <translation>Seite &amp;2 zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Screen 2 Of This N&amp;A Record</source>
        <translation>Seite 2 dieses N&amp;A-Datensatzes anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy N&amp;&amp;A To Clipboard</source>
        <translation>N&amp;&amp;A in die Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy The Name And Address Of The Current Record To The Windows Clipboard</source>
        <translation>Name und Adresse des aktuellen Datensatzes in die Zwischenablage kopieren</translation>
    </message>
</context>
<context>
    <name>tavrel::AnalyzingMessage</name>
    <message>
        <location filename="../src/upkeep/AnalyzingMessage.cpp" line="+8"/>
        <source>Corvane MARK32</source>
        <translation>Corvane MARK32</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analyzing The N&amp;A File</source>
        <translation>Die N&amp;A-Datei wird analysiert</translation>
    </message>
</context>
<context>
    <name>tavrel::BackupCommandLine</name>
    <message>
        <location filename="../src/upkeep/BackupCommandLine.cpp" line="+18"/>
        <source> active records  </source>
        <translation> aktive Datensätze  </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  DAMAGED: </source>
        <translation>  BESCHÄDIGT: </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>tavrel: an interrupted restore could not be finished (error </source>
        <translation>tavrel: eine unterbrochene Wiederherstellung konnte nicht abgeschlossen werden (Fehler </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>); nothing was done.</source>
        <translation>); es wurde nichts getan.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>tavrel: left alone in </source>
        <translation>tavrel: unverändert gelassen in </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> is a link, not a copy.</source>
        <translation> ist eine Verknüpfung, keine Kopie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>tavrel: the backup copy </source>
        <translation>tavrel: die Sicherungskopie </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> is not whole: </source>
        <translation> ist nicht vollständig: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Backup copy </source>
        <translation>Sicherungskopie </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> made in </source>
        <translation> angelegt in </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tavrel: the backup copy could not be made: </source>
        <translation>tavrel: die Sicherungskopie konnte nicht angelegt werden: </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Backup copies in </source>
        <translation>Sicherungskopien in </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, newest first:</source>
        <translation>, neueste zuerst:</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+52"/>
        <source>tavrel: Tavrel is running on </source>
        <translation>tavrel: Tavrel läuft auf </translation>
    </message>
    <message>
        <location line="-49"/>
        <source>; close it first, or restore from its File menu (Backups...).</source>
        <translation>; schließen Sie es zuerst oder stellen Sie über sein Menü Datei wieder her (Sicherungen...).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Restored </source>
        <translation>Wiederhergestellt: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>. The state before it is kept as </source>
        <translation>. Der Stand davor ist aufbewahrt als </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>tavrel: </source>
        <translation>tavrel: </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> cannot be restored: </source>
        <translation> kann nicht wiederhergestellt werden: </translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+9"/>
        <source>tavrel: the restore failed with error </source>
        <translation>tavrel: die Wiederherstellung schlug fehl mit Fehler </translation>
    </message>
    <message>
        <location line="-6"/>
        <source> Undoing it failed too: the N&amp;A file and the mailing lists are put right by the next start of Tavrel, which says how.</source>
        <translation> Auch das Rückgängigmachen schlug fehl: Die N&amp;A-Datei und die Verteilerlisten werden beim nächsten Start von Tavrel in Ordnung gebracht, der sagt, wie.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source> The N&amp;A file and the mailing lists are as they were.</source>
        <translation> Die N&amp;A-Datei und die Verteilerlisten sind wie vorher.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>usage: tavrel [--backup | --restore [NAME]]</source>
        <translation>Aufruf: tavrel [--backup | --restore [NAME]]</translation>
    </message>
    <message>
        <location line="+14"/>
        <source> and may be changing its files; no copy was made. Make it from its File menu (Backups...), or close it first.</source>
        <translation> und ändert womöglich seine Dateien; es wurde keine Kopie angelegt. Legen Sie sie über sein Menü Datei an (Sicherungen...) oder schließen Sie es zuerst.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>tavrel: a backup copy is being made; try the restore again in a moment.</source>
        <translation>tavrel: gerade wird eine Sicherungskopie angelegt; versuchen Sie die Wiederherstellung gleich noch einmal.</translation>
    </message>
</context>
<context>
    <name>tavrel::BackupCommands</name>
    <message>
        <location filename="../src/upkeep/BackupCommands.cpp" line="+36"/>
        <source> At </source>
        <translation> um </translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The Backup Copy (</source>
        <translation>Die Sicherungskopie (</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>) Could Not Be Made: Error</source>
        <translation>) konnte nicht angelegt werden: Fehler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> In The Folder</source>
        <translation> im Ordner</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  The Copy Needs </source>
        <translation>  Die Kopie braucht </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> KBytes Of Free Space</source>
        <translation> KByte freien Speicherplatz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> KBytes Are Free.</source>
        <translation> KByte sind frei.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Earlier Copies Are Unchanged.</source>
        <translation>Die früheren Kopien sind unverändert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing Has Been Changed: The N&amp;A File, The Mailing Lists And The Earlier Copies Are As They Were.</source>
        <translation>Es wurde nichts geändert: Die N&amp;A-Datei, die Verteilerlisten und die früheren Kopien sind wie vorher.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Go On Without A Copy?</source>
        <translation>Ohne Kopie fortfahren?</translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <location line="+17"/>
        <location line="+14"/>
        <source>The Copy Of </source>
        <translation>Die Kopie vom </translation>
    </message>
    <message>
        <location line="-39"/>
        <source> Cannot Be Restored:</source>
        <translation> kann nicht wiederhergestellt werden:</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+17"/>
        <source> Could Not Be Restored: Error</source>
        <translation> konnte nicht wiederhergestellt werden: Fehler</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>  Undoing The Restore Failed Too.  The Next Start Of TVL Completes Or Undoes It And Says Which.

Click OK To Terminate TVL.</source>
        <translation>  Auch das Rückgängigmachen der Wiederherstellung schlug fehl.  Der nächste Start von TVL schließt sie ab oder macht sie rückgängig und sagt, was davon.

Klicken Sie auf OK, um TVL zu beenden.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>  The N&amp;A File And The Mailing Lists Are As They Were.</source>
        <translation>  Die N&amp;A-Datei und die Verteilerlisten sind wie vorher.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> Has Been Restored.</source>
        <translation> wurde wiederhergestellt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The N&amp;A File And The Mailing Lists As They Were Are Kept In The Copy Of </source>
        <translation>Die N&amp;A-Datei und die Verteilerlisten, wie sie waren, sind aufbewahrt in der Kopie vom </translation>
    </message>
</context>
<context>
    <name>tavrel::BackupPreferencesDialog</name>
    <message>
        <location filename="../src/shell/BackupPreferencesDialog.cpp" line="+25"/>
        <source>Backup Preferences</source>
        <translation>Einstellungen für Sicherungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup Folder</source>
        <translation>Sicherungsordner</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep Backup Copies In This &amp;Folder:</source>
        <translation>&amp;Sicherungskopien in diesem Ordner aufbewahren:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose The Backup Folder</source>
        <translation>Sicherungsordner wählen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A Folder On Another Disk Keeps The Copies Safe When This Disk Fails.</source>
        <translation>Ein Ordner auf einem anderen Datenträger schützt die Kopien, wenn dieser Datenträger ausfällt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Take &amp;Automatic Copies</source>
        <translation>&amp;Automatische Kopien anlegen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>- At The First Start Of Each Day</source>
        <translation>- Beim ersten Start jedes Tages</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Before A Compaction</source>
        <translation>- Vor einer Verdichtung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Before A Duplicate Search Deletes Records</source>
        <translation>- Bevor eine Dublettensuche Datensätze löscht</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Before An Import Adds Records</source>
        <translation>- Bevor ein Import Datensätze hinzufügt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep The Backup Preferences Shown On This Screen</source>
        <translation>Die hier gezeigten Einstellungen für Sicherungen übernehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Change The Backup Preferences</source>
        <translation>Die Einstellungen für Sicherungen nicht ändern</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The Folder </source>
        <translation>Der Ordner </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Cannot Be Made Or Written To.  Choose Another Folder For The Backup Copies.</source>
        <translation> kann nicht angelegt oder beschrieben werden.  Wählen Sie einen anderen Ordner für die Sicherungskopien.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Backup Preferences Could Not Be Saved: Error</source>
        <translation>Die Einstellungen für Sicherungen konnten nicht gespeichert werden: Fehler</translation>
    </message>
</context>
<context>
    <name>tavrel::Backups</name>
    <message>
        <location filename="../src/upkeep/BackupSettings.cpp" line="+37"/>
        <source>First Start Of The Day</source>
        <translation>Erster Start des Tages</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before Compaction</source>
        <translation>Vor der Verdichtung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before Duplicate Deletion</source>
        <translation>Vor dem Löschen von Dubletten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before Import</source>
        <translation>Vor dem Import</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On Request</source>
        <translation>Auf Anforderung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before Restore</source>
        <translation>Vor der Wiederherstellung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before Sync</source>
        <translation>Vor der Synchronisierung</translation>
    </message>
    <message>
        <location filename="../src/upkeep/Backups.cpp" line="+25"/>
        <source>Its N&amp;A File Holds No Header Record.</source>
        <translation>Ihre N&amp;A-Datei enthält keinen Kopfdatensatz.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its N&amp;A File&apos;s Length, </source>
        <translation>Die Länge ihrer N&amp;A-Datei, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Bytes, Is Not A Whole Number Of 574-Byte Records.</source>
        <translation> Byte, ist kein ganzes Vielfaches von Datensätzen zu 574 Byte.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its N&amp;A File&apos;s First Record Is Not A Header Record.</source>
        <translation>Der erste Datensatz ihrer N&amp;A-Datei ist kein Kopfdatensatz.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Its N&amp;A File&apos;s Header Gives </source>
        <translation>Der Kopf ihrer N&amp;A-Datei nennt </translation>
    </message>
    <message>
        <location line="-3"/>
        <source> As The Last Record In Use, Outside 1 To 1701.</source>
        <translation> als letzten belegten Datensatz, außerhalb von 1 bis 1701.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> As The Last Record In Use, But The File Holds </source>
        <translation> als letzten belegten Datensatz, aber die Datei enthält </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Records.</source>
        <translation> Datensätze.</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>It Is A Link To Another Place, Not A Copy.</source>
        <translation>Sie ist eine Verknüpfung auf einen anderen Ort, keine Kopie.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Its Name Gives No Valid Date And Time.</source>
        <translation>Ihr Name ergibt kein gültiges Datum und keine gültige Uhrzeit.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It Holds No N&amp;A File.</source>
        <translation>Sie enthält keine N&amp;A-Datei.</translation>
    </message>
    <message>
        <location filename="../src/upkeep/BackupRestore.cpp" line="+186"/>
        <location filename="../src/upkeep/Backups.cpp" line="+10"/>
        <source>Its File </source>
        <translation>Ihre Datei </translation>
    </message>
    <message>
        <location filename="../src/upkeep/Backups.cpp" line="+1"/>
        <source> Has Changed Length.</source>
        <translation> hat eine andere Länge.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Is Missing.</source>
        <translation> fehlt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Its N&amp;A File Cannot Be Read.</source>
        <translation>Ihre N&amp;A-Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../src/upkeep/BackupRestore.cpp" line="+17"/>
        <location filename="../src/upkeep/Backups.cpp" line="+230"/>
        <source>There Is No Backup Copy Named </source>
        <translation>Es gibt keine Sicherungskopie namens </translation>
    </message>
    <message>
        <location line="-16"/>
        <source> Has Changed Since The Copy Was Taken.</source>
        <translation> hat sich geändert, seit die Kopie angelegt wurde.</translation>
    </message>
</context>
<context>
    <name>tavrel::BackupsDialog</name>
    <message>
        <location filename="../src/upkeep/BackupsDialog.cpp" line="+38"/>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Backup Copies Of The N&amp;&amp;A File And Mailing &amp;Lists:</source>
        <translation>Sicherungskopien der N&amp;&amp;A-Datei und der Verteiler&amp;listen:</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Active Records</source>
        <translation>Aktive Datensätze</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Taken</source>
        <translation>Angelegt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Condition</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Damaged: </source>
        <translation>Beschädigt: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put The Selected Copy Back As The N&amp;A File And Mailing Lists</source>
        <translation>Die gewählte Kopie als N&amp;A-Datei und Verteilerlisten zurückschreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Folder</source>
        <translation>&amp;Ordner öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show The Backup Folder In The File Manager</source>
        <translation>Den Sicherungsordner im Dateimanager zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close This Window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>In </source>
        <translation>In </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Damaged</source>
        <translation>Beschädigt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whole</source>
        <translation>Vollständig</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Select The Copy To Restore.</source>
        <translation>Wählen Sie die Kopie, die wiederhergestellt werden soll.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Copy Of </source>
        <translation>Die Kopie vom </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Is Damaged And Cannot Be Restored:
</source>
        <translation> ist beschädigt und kann nicht wiederhergestellt werden:
</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Restore The Copy Of </source>
        <translation>Die Kopie vom </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> (</source>
        <translation> (</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>)?

It Holds </source>
        <translation>) wiederherstellen?

Sie enthält </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Active Record And </source>
        <translation> aktiven Datensatz und </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Active Records And </source>
        <translation> aktive Datensätze und </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Mailing List.</source>
        <translation> Verteilerliste.</translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Mailing Lists.</source>
        <translation> Verteilerlisten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>

It Replaces The N&amp;A File And All Mailing Lists.  A Copy Of Them As They Are Now Is Taken First, So The Restore Can Be Undone.</source>
        <translation>

Sie ersetzt die N&amp;A-Datei und alle Verteilerlisten.  Vorher wird eine Kopie ihres jetzigen Stands angelegt, damit sich die Wiederherstellung rückgängig machen lässt.</translation>
    </message>
</context>
<context>
    <name>tavrel::CardDavClient</name>
    <message>
        <location filename="../src/sync/DavResults.cpp" line="+34"/>
        <source>The server did not accept the user name or password.</source>
        <translation>Der Server hat den Benutzernamen oder das Passwort nicht angenommen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The server refused access to %1.</source>
        <translation>Der Server hat den Zugriff auf %1 verweigert.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nothing was found at %1 on the server.</source>
        <translation>Unter %1 wurde auf dem Server nichts gefunden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The server refused the change because it conflicts with what it holds (409).</source>
        <translation>Der Server hat die Änderung abgelehnt, weil sie mit seinem Bestand in Konflikt steht (409).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card was changed on the server since it was last read, so it was not overwritten.</source>
        <translation>Die Karte wurde auf dem Server seit dem letzten Lesen geändert und deshalb nicht überschrieben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The server&apos;s storage for this account is full (507), so it stored nothing more. Make room there or ask for more space.</source>
        <translation>Der Speicher des Servers für dieses Konto ist voll (507), er hat nichts mehr gespeichert. Schaffen Sie dort Platz oder fragen Sie nach mehr Speicher.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The server reported an error of its own (%1). Try again later.</source>
        <translation>Der Server meldete einen eigenen Fehler (%1). Versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server answered with status %1.</source>
        <translation>Der Server antwortete mit Status %1.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The certificate of %1 could not be verified, so nothing was sent to it.</source>
        <translation>Das Zertifikat von %1 konnte nicht geprüft werden; es wurde nichts dorthin gesendet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The server at %1 closed the connection without a complete answer.</source>
        <translation>Der Server unter %1 hat die Verbindung ohne vollständige Antwort geschlossen.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The sync was cancelled.</source>
        <translation>Die Synchronisierung wurde abgebrochen.</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The server at %1 could not be reached. Check the address and that the server is running.</source>
        <translation>Der Server unter %1 ist nicht erreichbar. Prüfen Sie die Adresse und ob der Server läuft.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The server&apos;s answer could not be read.</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A value the server gave holds a line break or another byte a request may not carry, so the request was not sent.</source>
        <translation>Ein Wert vom Server enthält einen Zeilenumbruch oder ein anderes Byte, das eine Anfrage nicht enthalten darf; die Anfrage wurde daher nicht gesendet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not an http or https address.</source>
        <translation>„%1“ ist keine http- oder https-Adresse.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Plain http to %1 would send the password unencrypted. Use an https address, or allow plain http for this server.</source>
        <translation>Unverschlüsseltes http zu %1 würde das Passwort im Klartext senden. Verwenden Sie eine https-Adresse oder erlauben Sie unverschlüsseltes http für diesen Server.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The certificate of %1 is not signed by an authority this computer trusts, so nothing was sent to it.</source>
        <translation>Das Zertifikat von %1 ist von keiner Stelle signiert, der dieser Computer vertraut; es wurde nichts dorthin gesendet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Its fingerprint is %1.</source>
        <translation>Sein Fingerabdruck ist %1.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The certificate of %1 is not the one trusted for this account, so nothing was sent to it.</source>
        <translation>Das Zertifikat von %1 ist nicht das für dieses Konto als vertrauenswürdig hinterlegte; es wurde nichts dorthin gesendet.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The server at %1 answered so slowly that the work was stopped after %2 minutes.</source>
        <translation>Der Server unter %1 antwortete so langsam, dass die Arbeit nach %2 Minuten beendet wurde.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The server at %1 took longer than %2 minutes over one answer.</source>
        <translation>Der Server unter %1 brauchte für eine Antwort länger als %2 Minuten.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The server sent the request on through too many redirects.</source>
        <translation>Der Server hat die Anfrage über zu viele Umleitungen weitergeleitet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server redirected from https to an unencrypted address; the request was not sent there.</source>
        <translation>Der Server leitete von https auf eine unverschlüsselte Adresse um; die Anfrage wurde nicht dorthin gesendet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server sent the connection on to %1, another address than the one given; nothing was sent there.</source>
        <translation>Der Server leitete die Verbindung an %1 weiter, eine andere als die angegebene Adresse; es wurde nichts dorthin gesendet.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The server&apos;s list of changes did not come to an end.</source>
        <translation>Die Liste der Änderungen vom Server kam nicht zu einem Ende.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The address book at %1 answered from %2 instead. Set up sync again with the address book&apos;s new address.</source>
        <translation>Das Adressbuch unter %1 antwortete stattdessen von %2. Richten Sie die Synchronisierung mit der neuen Adresse des Adressbuchs neu ein.</translation>
    </message>
    <message>
        <location line="-63"/>
        <source>The server&apos;s answer was larger than %1 MB and was not read.</source>
        <translation>Die Antwort des Servers war größer als %1 MB und wurde nicht gelesen.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The server at %1 did not answer within %2 seconds.</source>
        <translation>Der Server unter %1 antwortete nicht innerhalb von %2 Sekunden.</translation>
    </message>
</context>
<context>
    <name>tavrel::ColumnMappingDialog</name>
    <message>
        <location filename="../src/exchange/ColumnMappingDialog.cpp" line="+24"/>
        <source>Map The Columns</source>
        <translation>Spalten zuordnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The &amp;Columns Of This File Are Not Known.  Choose What Each One Holds:</source>
        <translation>&amp;Die Spalten dieser Datei sind nicht bekannt.  Wählen Sie, was jede enthält:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Columns Of This File</source>
        <translation>Spalten dieser Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First Row</source>
        <translation>Erste Zeile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import As</source>
        <translation>Importieren als</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(Not Imported)</source>
        <translation>(Nicht importiert)</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Save This Mapping For Files With These Columns</source>
        <translation>Diese Zuordnung für Dateien mit diesen Spalten &amp;speichern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Please Choose A Column For Name, First Name, Last Name, Display Name Or Company.</source>
        <translation>Bitte wählen Sie eine Spalte für Name, Vorname, Nachname, Anzeigename oder Firma.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The Mapping Could Not Be Saved: Error</source>
        <translation>Die Zuordnung konnte nicht gespeichert werden: Fehler</translation>
    </message>
</context>
<context>
    <name>tavrel::CommandLine</name>
    <message>
        <location filename="../src/exchange/CommandLine.cpp" line="+29"/>
        <source>Usage: tavrel --export FORMAT FILE [--list ID] [--encoding ENCODING] [--separator SEPARATOR]
                                   [--spreadsheet]
       tavrel --import FILE [--dry-run] [--overflow move|cut|skip] [--no-backup]
FORMAT: vcard (3.0), vcard4, csv (this program&apos;s columns), outlook
ENCODING (CSV only): utf8-bom (the default), utf8, windows-1252
SEPARATOR (CSV only): comma (the default), semicolon
--spreadsheet (CSV only): cells a spreadsheet would turn into numbers, dates or
            formulas are written as =&quot;text&quot; so that it keeps them as text
--no-backup: import without the backup copy taken first; without it, an import
            whose copy cannot be made changes nothing
--overflow: a field that does not fit is moved into Comments (move, the default),
            cut and logged (cut), or its record is left out (skip)
--import skips an entry that looks like a record in the file: the same Name and
            the same first address line, e-mail or first telephone number
Exit status: 0 done; 1 failed, nothing was written; 2 wrong arguments;
             3 imported, but some entries were skipped; 4 the N&amp;A file is full
</source>
        <translation>Aufruf: tavrel --export FORMAT DATEI [--list ID] [--encoding KODIERUNG] [--separator TRENNZEICHEN]
                                   [--spreadsheet]
       tavrel --import DATEI [--dry-run] [--overflow move|cut|skip] [--no-backup]
FORMAT: vcard (3.0), vcard4, csv (die Spalten dieses Programms), outlook
KODIERUNG (nur CSV): utf8-bom (Vorgabe), utf8, windows-1252
TRENNZEICHEN (nur CSV): comma (Vorgabe), semicolon
--spreadsheet (nur CSV): Zellen, die eine Tabellenkalkulation in Zahlen, Datumsangaben oder
            Formeln verwandeln würde, werden als =&quot;Text&quot; geschrieben, damit sie Text bleiben
--no-backup: ohne die vorher angelegte Sicherungskopie importieren; ohne diese Option
            ändert ein Import, dessen Kopie nicht angelegt werden kann, nichts
--overflow: ein Feld, das nicht passt, wird unter Bemerkungen verschoben (move, Vorgabe),
            gekürzt und protokolliert (cut), oder sein Datensatz wird ausgelassen (skip)
--import überspringt einen Eintrag, der wie ein Datensatz der Datei aussieht: derselbe Name
            und dieselbe erste Adresszeile, E-Mail-Adresse oder erste Telefonnummer
Rückgabewert: 0 erledigt; 1 fehlgeschlagen, nichts geschrieben; 2 falsche Argumente;
             3 importiert, aber einige Einträge übersprungen; 4 die N&amp;A-Datei ist voll
</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Skipped: %1 (looks like a record in the file: %2)</source>
        <translation>Übersprungen: %1 (sieht aus wie ein Datensatz der Datei: %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Skipped: %1 (does not fit the record)</source>
        <translation>Übersprungen: %1 (passt nicht in den Datensatz)</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>There is no mailing list with identifier &apos;</source>
        <translation>Es gibt keine Verteilerliste mit der Kennung &apos;</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 could not be written: </source>
        <translation>%1 konnte nicht geschrieben werden: </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>) Nothing was exported.</source>
        <translation>) Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> records exported to </source>
        <translation> Datensätze exportiert nach </translation>
    </message>
    <message>
        <location line="+16"/>
        <source> Nothing was imported.</source>
        <translation> Es wurde nichts importiert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>: the columns of this file are not known. Import it once from the File menu to map and save its columns. Nothing was imported.</source>
        <translation>: die Spalten dieser Datei sind nicht bekannt. Importieren Sie sie einmal über das Menü Datei, um ihre Spalten zuzuordnen und zu speichern. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dry run: nothing was written.</source>
        <translation>Probelauf: es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Run again with --no-backup to import without a backup copy.</source>
        <translation>Mit --no-backup erneut aufrufen, um ohne Sicherungskopie zu importieren.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The import log is </source>
        <translation>Das Importprotokoll ist </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>nothing more was done.</source>
        <translation>es wurde nichts weiter getan.</translation>
    </message>
</context>
<context>
    <name>tavrel::CommandLineTable</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="-4"/>
        <source>show this help</source>
        <translation>diese Hilfe zeigen</translation>
    </message>
    <message>
        <location filename="../src/app/CommandLineTable.cpp" line="+18"/>
        <source>Usage: tavrel --backup | --restore [NAME]
</source>
        <translation>Aufruf: tavrel --backup | --restore [NAME]
</translation>
    </message>
</context>
<context>
    <name>tavrel::CompactDialog</name>
    <message>
        <location filename="../src/upkeep/CompactDialog.cpp" line="+15"/>
        <source>Compact N&amp;A File</source>
        <translation>N&amp;A-Datei verdichten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do You Have A Current Backup Of The N&amp;A File?</source>
        <translation>Haben Sie eine aktuelle Sicherung der N&amp;A-Datei?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If Not, Exit Corvane MARK32, Use Windows 95 Explorer To Copy  The  File  To  A  Floppy, Then Start TVL Again And Perform The Compaction.</source>
        <translation>Wenn nicht, beenden Sie Corvane MARK32, kopieren Sie die Datei mit dem Windows-95-Explorer auf eine Diskette, starten Sie TVL dann neu und führen Sie die Verdichtung durch.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Have You Checked The File Statistics To</source>
        <translation>Haben Sie in der Dateistatistik geprüft,</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Determine Whether You Need To Compact?</source>
        <translation>ob eine Verdichtung nötig ist?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Continue Compaction</source>
        <translation>Verdichtung &amp;fortsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue Preparing For Compaction</source>
        <translation>Die Vorbereitung der Verdichtung fortsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Don&apos;t Perform A Compaction</source>
        <translation>Keine Verdichtung durchführen</translation>
    </message>
</context>
<context>
    <name>tavrel::CompactingMessage</name>
    <message>
        <location filename="../src/upkeep/CompactingMessage.cpp" line="+8"/>
        <source>Compacting</source>
        <translation>Verdichtung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compacting The N&amp;A File.  Please Wait.</source>
        <translation>Die N&amp;A-Datei wird verdichtet.  Bitte warten.</translation>
    </message>
</context>
<context>
    <name>tavrel::Compaction</name>
    <message>
        <location filename="../src/upkeep/Compaction.cpp" line="+142"/>
        <source>Note: ID Numbers Above </source>
        <translation>Hinweis: ID-Nummern über </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Have Changed Due To Compaction.  Affected Reports Should Be Reprinted. Mailing Lists May Need To Be Regenerated.</source>
        <translation> haben sich durch die Verdichtung geändert.  Betroffene Berichte sollten neu gedruckt werden. Verteilerlisten müssen eventuell neu erstellt werden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compaction Complete.  The N&amp;A File Now Has </source>
        <translation>Verdichtung abgeschlossen.  Die N&amp;A-Datei hat jetzt </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Active Records.</source>
        <translation> aktive Datensätze.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remember To Do Periodic Backups Of This File.</source>
        <translation>Denken Sie an regelmäßige Sicherungen dieser Datei.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A QuickLink In The N&amp;A File Names An ID Outside 1 To 1700.</source>
        <translation>Eine QuickLink-Verknüpfung in der N&amp;A-Datei nennt eine ID außerhalb von 1 bis 1700.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error = </source>
        <translation>Fehler = </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In CompactForm. r = </source>
        <translation> in CompactForm. r = </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.  Notify Programmer.</source>
        <translation>.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  The N&amp;A File Is Unchanged.</source>
        <translation>  Die N&amp;A-Datei ist unverändert.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The Disk Is Too Full: Room Is Needed For The Compacted File And For The Backup Copy Taken Before It (</source>
        <translation>Der Datenträger ist zu voll: Es wird Platz für die verdichtete Datei und für die vorher angelegte Sicherungskopie gebraucht (</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Bytes).</source>
        <translation> Byte).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Disk Is Too Full For The Compacted File.</source>
        <translation>Der Datenträger ist zu voll für die verdichtete Datei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Space Available On Your Hard Drive:  </source>
        <translation>Freier Platz auf Ihrer Festplatte:  </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> KBytes</source>
        <translation> KByte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>. Compacting The N&amp;A File Requires </source>
        <translation>. Das Verdichten der N&amp;A-Datei erfordert </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Bytes Of Free Disk Space.  Cannot Perform Compaction.</source>
        <translation> Byte freien Speicherplatz.  Verdichtung nicht möglich.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  Nothing Was Changed.</source>
        <translation>  Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>tavrel::CompactionWarningDialog</name>
    <message>
        <location filename="../src/upkeep/CompactionWarningDialog.cpp" line="+16"/>
        <source>Compaction Warning!</source>
        <translation>Warnung vor dem Verdichten!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Compacting The N&amp;A File May Result In The Reassignment</source>
        <translation>Das Verdichten der N&amp;A-Datei kann dazu führen, dass</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Of Some ID Numbers.</source>
        <translation>einige ID-Nummern neu vergeben werden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This could have two effects:</source>
        <translation>Das kann zwei Folgen haben:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Existing Reports May Reflect The Wrong ID Number For </source>
        <translation>- Vorhandene Berichte zeigen für manche N&amp;A-Einträge </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Some N&amp;A Entries</source>
        <translation>eventuell die falsche ID-Nummer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Existing Mailing Lists May Be Invalidated Due To The Shift</source>
        <translation>- Vorhandene Verteilerlisten werden durch die Verschiebung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In ID Numbers</source>
        <translation>der ID-Nummern eventuell ungültig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After Compaction You May Need To Reprint Reports And</source>
        <translation>Nach dem Verdichten müssen Sie eventuell Berichte neu drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regenerate Mailing Lists.</source>
        <translation>und Verteilerlisten neu erstellen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do You Still Want To Compact The N&amp;A File?</source>
        <translation>Möchten Sie die N&amp;A-Datei trotzdem verdichten?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Compacting The N&amp;A File</source>
        <translation>Mit dem Verdichten der N&amp;A-Datei beginnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Don&apos;t Compact The N&amp;A File</source>
        <translation>Die N&amp;A-Datei nicht verdichten</translation>
    </message>
</context>
<context>
    <name>tavrel::CreateByNameDialog</name>
    <message>
        <location filename="../src/maillists/CreateByNameDialog.cpp" line="+12"/>
        <source>Create Mailing List By Name</source>
        <translation>Verteilerliste nach Namen erstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue Preparing The Mailing List</source>
        <translation>Die Vorbereitung der Verteilerliste fortsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore Any Names Added To The Right Column</source>
        <translation>Alle in der rechten Spalte hinzugefügten Namen verwerfen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove The Selected Name From The Mailing List</source>
        <translation>Den gewählten Namen aus der Verteilerliste entfernen</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>When You Get To The Next Screen Remember To
   1. Enter A Mailing List Identifier
   2. Enter A Mailing List Title (Optional) 
   3. Click The &apos;Create&apos; Button.</source>
        <translation>Denken Sie im nächsten Fenster daran:
   1. Eine Kennung für die Verteilerliste eingeben
   2. Einen Titel für die Verteilerliste eingeben (freiwillig) 
   3. Auf die Schaltfläche &apos;Erstellen&apos; klicken.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You Didn&apos;t Specify Any Names For The Mailing List.</source>
        <translation>Sie haben keine Namen für die Verteilerliste angegeben.</translation>
    </message>
</context>
<context>
    <name>tavrel::CreateMailListWindow</name>
    <message>
        <location filename="../src/maillists/CreateMailListWindow.cpp" line="+38"/>
        <source>Create New Mailing List</source>
        <translation>Neue Verteilerliste erstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Mailing List</source>
        <translation>Neue Verteilerliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ID Numbers For New Mailing List - Up To 4 Digits Each, Separated By Spaces Or Commas</source>
        <translation>ID-Nummern für die neue Verteilerliste - je bis zu 4 Ziffern, getrennt durch Leerzeichen oder Kommas</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up To Three Characters To Uniquely Identify This Mailing List</source>
        <translation>Bis zu drei Zeichen, die diese Verteilerliste eindeutig kennzeichnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up To 40 Characters To Describe This Mailing List</source>
        <translation>Bis zu 40 Zeichen zur Beschreibung dieser Verteilerliste</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;ID Numbers For New Mailing List</source>
        <translation>&amp;ID-Nummern für die neue Verteilerliste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ML &amp;ID</source>
        <translation>VL-&amp;Kennung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mailing List &amp;Title</source>
        <translation>&amp;Titel der Verteilerliste</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Existing Mailing List</source>
        <translation>&amp;Vorhandene Verteilerliste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title Of Selected Existing Mailing List</source>
        <translation>Titel der gewählten vorhandenen Verteilerliste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To Use Names, Click Button Below</source>
        <translation>Um Namen zu verwenden, auf die Schaltfläche unten klicken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Names</source>
        <translation>&amp;Namen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Screen From Which To Select Names For The Mailing List</source>
        <translation>Das Fenster zeigen, in dem Sie Namen für die Verteilerliste auswählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Create</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Generate The Mailing List</source>
        <translation>Die Verteilerliste erzeugen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Generate A Mailing List</source>
        <translation>Keine Verteilerliste erzeugen</translation>
    </message>
    <message>
        <location line="+43"/>
        <location line="+78"/>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="-77"/>
        <source> In CreateFil1.  Notify Programmer.</source>
        <translation> in CreateFil1.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sorry, The Specified Identifier Is Invalid.  Try Again.

Refer To Help Topic &apos;Creating A Mailing List&apos; For Information.</source>
        <translation>Die angegebene Kennung ist leider ungültig.  Versuchen Sie es noch einmal.

Siehe Hilfethema &apos;Eine Verteilerliste erstellen&apos;.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Please Supply An Identifier For The Mailing List.</source>
        <translation>Bitte geben Sie eine Kennung für die Verteilerliste an.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Punctuation Characters Are Not Permitted In An Identifier.</source>
        <translation>Satzzeichen sind in einer Kennung nicht erlaubt.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot Create A Mailing List With No Entries!</source>
        <translation>Eine Verteilerliste ohne Einträge kann nicht erstellt werden!</translation>
    </message>
    <message>
        <location line="+33"/>
        <source> In CreateCmd1.  Notify Programmer.</source>
        <translation> in CreateCmd1.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mailing List Created.</source>
        <translation>Verteilerliste erstellt.</translation>
    </message>
</context>
<context>
    <name>tavrel::Csv</name>
    <message>
        <location filename="../src/exchange/CsvFormat.cpp" line="+133"/>
        <source>The file is not UTF-8; it was read as Windows-1252.</source>
        <translation>Die Datei ist nicht UTF-8; sie wurde als Windows-1252 gelesen.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 %3 not UTF-8; %4 read as Windows-1252.</source>
        <translation>%1 %2 %3 nicht UTF-8; %4 als Windows-1252 gelesen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is</source>
        <translation>ist</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>are</source>
        <translation>sind</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was</source>
        <translation>sie wurde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>they were</source>
        <translation>sie wurden</translation>
    </message>
    <message>
        <location line="+112"/>
        <source>The file ends inside a quoted field; the last row was read as far as it goes.</source>
        <translation>Die Datei endet innerhalb eines Felds in Anführungszeichen; die letzte Zeile wurde so weit wie möglich gelesen.</translation>
    </message>
    <message>
        <location filename="../src/exchange/CsvMapping.cpp" line="+368"/>
        <source> address put in Comments</source>
        <translation> Adresse unter Bemerkungen eingetragen</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The row has %1 cells more than the header; they were left out.</source>
        <translation>Die Zeile hat %1 Zellen mehr als die Kopfzeile; sie wurden ausgelassen.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Line %1 of the file is not UTF-8; it was read as Windows-1252</source>
        <translation>Zeile %1 der Datei ist nicht UTF-8; sie wurde als Windows-1252 gelesen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not imported: </source>
        <translation>Nicht importiert: </translation>
    </message>
    <message>
        <location line="+19"/>
        <source>(column %1, no name)</source>
        <translation>(Spalte %1, ohne Namen)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Column %1 not imported: %2 had a value in it.</source>
        <translation>Spalte %1 nicht importiert: %2 hatte darin einen Wert.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Columns not imported, empty in every row: </source>
        <translation>Nicht importierte Spalten, in jeder Zeile leer: </translation>
    </message>
</context>
<context>
    <name>tavrel::DeletedList</name>
    <message>
        <location filename="../src/dups/DeletedList.cpp" line="+41"/>
        <source>Duplicate Records Deleted From The N&amp;A File</source>
        <translation>Aus der N&amp;A-Datei gelöschte doppelte Datensätze</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Report Not Printed.</source>
        <translation>Bericht nicht gedruckt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Report Complete</source>
        <translation>Bericht fertig</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Deleted Records Have Been Undeleted At Your Request.</source>
        <translation>Die gelöschten Datensätze wurden auf Ihren Wunsch wiederhergestellt.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No Records Were Deleted Or All Deleted Records Have Been Undeleted.</source>
        <translation>Es wurden keine Datensätze gelöscht, oder alle gelöschten Datensätze wurden wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>tavrel::DeletedListDialog</name>
    <message>
        <location filename="../src/dups/DeletedListDialog.cpp" line="+13"/>
        <source>Duplicate Records Deleted</source>
        <translation>Gelöschte doppelte Datensätze</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>tavrel::DetailScreen</name>
    <message>
        <location filename="../src/records/DetailScreen.cpp" line="+35"/>
        <source>Sort Keys</source>
        <translation>Sortierschlüssel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key &amp;%1</source>
        <translation>Schlüssel &amp;%1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort Key %1 - Up To 16 Characters</source>
        <translation>Sortierschlüssel %1 - bis zu 16 Zeichen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;E-Mail Address</source>
        <translation>E-&amp;Mail-Adresse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E-Mail Address - Up To 35 Characters</source>
        <translation>E-Mail-Adresse - bis zu 35 Zeichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;omments</source>
        <translation>&amp;Bemerkungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Comments - Up To 100 Characters</source>
        <translation>Bemerkungen - bis zu 100 Zeichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>QuickLinks &amp;To Other N&amp;&amp;A Records</source>
        <translation>&amp;QuickLinks zu anderen N&amp;&amp;A-Datensätzen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>D&amp;isplay</source>
        <translation>A&amp;nzeigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Di&amp;splay</source>
        <translation>An&amp;zeigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Displ&amp;ay</source>
        <translation>Anz&amp;eigen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Displa&amp;y</source>
        <translation>Anze&amp;igen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>QuickLink Previous Record ID - Up To 4 Digits</source>
        <translation>QuickLink vorheriger Datensatz ID - bis zu 4 Ziffern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QuickLink ID - Up To 4 Digits</source>
        <translation>QuickLink-ID - bis zu 4 Ziffern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>QuickLink Previous Record ID</source>
        <translation>QuickLink vorheriger Datensatz ID</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QuickLink %1 ID</source>
        <translation>ID von QuickLink %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Go Bac&amp;k</source>
        <translation>Zu&amp;rück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The Preceding Record In The QuickLink Chain</source>
        <translation>Den vorherigen Datensatz der QuickLink-Kette anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The N&amp;A Record Identified At Left</source>
        <translation>Den links angegebenen N&amp;A-Datensatz anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display QuickLink %1</source>
        <translation>QuickLink %1 anzeigen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous Record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Description Of Other N&amp;A Record - Up To 20 Characters</source>
        <translation>Beschreibung des anderen N&amp;A-Datensatzes - bis zu 20 Zeichen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>QuickLink %1 Description</source>
        <translation>Beschreibung von QuickLink %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show S&amp;creen 1</source>
        <translation>Seite &amp;1 zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Screen 1 Of This N&amp;A Record</source>
        <translation>Seite 1 dieses N&amp;A-Datensatzes anzeigen</translation>
    </message>
</context>
<context>
    <name>tavrel::DialogBoxPreferencesDialog</name>
    <message>
        <location filename="../src/shell/DialogBoxPreferencesDialog.cpp" line="+19"/>
        <source>Dialog Box Preferences</source>
        <translation>Einstellungen für Dialogfelder</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show &apos;N&amp;&amp;A File Open ...&apos; Dialog Box At Startup</source>
        <translation>Dialogfeld &apos;N&amp;&amp;A-Datei öffnen ...&apos; beim Start zeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>tavrel::DiskSpace</name>
    <message>
        <location filename="../src/upkeep/DiskSpace.cpp" line="+44"/>
        <source>GetDiskFreeSpace Function Failed. Last Error = </source>
        <translation>Funktion GetDiskFreeSpace fehlgeschlagen. Letzter Fehler = </translation>
    </message>
</context>
<context>
    <name>tavrel::DupCompleteDialog</name>
    <message>
        <location filename="../src/dups/DupCompleteDialog.cpp" line="+19"/>
        <source>Duplicate Deletion Complete</source>
        <translation>Löschen der Dubletten abgeschlossen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Duplicate Records Deleted</source>
        <translation>Gelöschte doppelte Datensätze</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Duplicate Records Were Deleted From The N&amp;A File</source>
        <translation>Doppelte Datensätze wurden aus der N&amp;A-Datei gelöscht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Display A List Of Duplicate Records Deleted</source>
        <translation>Eine Liste der gelöschten doppelten Datensätze &amp;anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print A List Of Duplicate Records Deleted</source>
        <translation>Eine Liste der gelöschten doppelten Datensätze &amp;drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undelete All Records That Were Just Deleted</source>
        <translation>Alle eben gelöschten Datensätze &amp;wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Perform Selected &amp;Option</source>
        <translation>Gewählte &amp;Option ausführen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Return To Main Screen</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
</context>
<context>
    <name>tavrel::DupPairDialog</name>
    <message>
        <location filename="../src/dups/DupPairDialog.cpp" line="+46"/>
        <source>ID Number</source>
        <translation>ID-Nummer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line %1</source>
        <translation>Adresszeile %1</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Duplicate Records</source>
        <translation>Doppelte Datensätze</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This Record Will Be Deleted If </source>
        <translation>Dieser Datensatz wird gelöscht, wenn </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You Click The Yes Button Below</source>
        <translation>Sie unten auf die Schaltfläche Ja klicken</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Delete Duplicate Record?</source>
        <translation>Doppelten Datensatz löschen?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You Click The &lt;u&gt;Y&lt;/u&gt;es Button</source>
        <translation>Sie unten auf die Schaltfläche &lt;u&gt;J&lt;/u&gt;a klicken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete The Duplicate N&amp;A Record And Continue The Search</source>
        <translation>Den doppelten N&amp;A-Datensatz löschen und die Suche fortsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue The Search For Other Duplicate Records But Don&apos;t Delete The Displayed Record</source>
        <translation>Die Suche nach weiteren doppelten Datensätzen fortsetzen, den angezeigten Datensatz aber nicht löschen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop Searching For Duplicate N&amp;A Records</source>
        <translation>Die Suche nach doppelten N&amp;A-Datensätzen beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop Displaying Duplicate Records</source>
        <translation>Doppelte Datensätze nicht mehr an&amp;zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue The Search Without Displaying Any More Duplicates</source>
        <translation>Die Suche fortsetzen, ohne weitere Dubletten anzuzeigen</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Do You Want To Undelete The Records Just Deleted?</source>
        <translation>Möchten Sie die eben gelöschten Datensätze wiederherstellen?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>For The Remainder Of The N&amp;A File, Corvane MARK Will Delete Duplicate Records Without Displaying Them.

Is This What You Want?

Note:  You Can Later Display/Print A List Of Deleted Records And/Or Undelete Them.</source>
        <translation>Für den Rest der N&amp;A-Datei löscht Corvane MARK doppelte Datensätze, ohne sie anzuzeigen.

Ist das Ihr Wunsch?

Hinweis:  Sie können später eine Liste der gelöschten Datensätze anzeigen/drucken und/oder sie wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>tavrel::DupProgressWindow</name>
    <message>
        <location filename="../src/dups/DupProgressWindow.cpp" line="+14"/>
        <source>Duplicate Record Search</source>
        <translation>Suche nach doppelten Datensätzen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Corvane MARK Is Searching</source>
        <translation>Corvane MARK sucht</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>For Duplicate Records</source>
        <translation>nach doppelten Datensätzen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terminate The Search For Duplicate N&amp;A Records</source>
        <translation>Die Suche nach doppelten N&amp;A-Datensätzen abbrechen</translation>
    </message>
</context>
<context>
    <name>tavrel::DupSearch</name>
    <message>
        <location filename="../src/dups/DupSearch.cpp" line="+107"/>
        <source>Do You Want To Undelete The </source>
        <translation>Möchten Sie die </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Records Already Deleted?</source>
        <translation> bereits gelöschten Datensätze wiederherstellen?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Records Undeleted.  </source>
        <translation>Datensätze wiederhergestellt.  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate Search Terminated At Your Request.</source>
        <translation>Dublettensuche auf Ihren Wunsch abgebrochen.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Internal Error </source>
        <translation>Interner Fehler </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.  ID = </source>
        <translation>.  ID = </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Ptr = </source>
        <translation> Ptr = </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Name = </source>
        <translation> Name = </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>. Record This Info And Notify The Software Author.</source>
        <translation>. Notieren Sie diese Angaben und benachrichtigen Sie den Autor der Software.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>No Records Were Deleted.</source>
        <translation>Es wurden keine Datensätze gelöscht.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Error: DelDupRecSw = </source>
        <translation>Fehler: DelDupRecSw = </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Operation Complete.  No Duplicates Were Found Or You Chose Not To Delete Duplicates That Were Found.</source>
        <translation>Vorgang abgeschlossen.  Es wurden keine Dubletten gefunden, oder Sie haben sich entschieden, gefundene Dubletten nicht zu löschen.</translation>
    </message>
</context>
<context>
    <name>tavrel::DupSearchDialog</name>
    <message>
        <location filename="../src/dups/DupSearchDialog.cpp" line="+18"/>
        <source>Delete Duplicate Records</source>
        <translation>Doppelte Datensätze löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate &amp;Name</source>
        <translation>Doppelter &amp;Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Duplicate &amp;Address</source>
        <translation>Doppelte &amp;Adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Name AND &amp;Duplicate Address (Both Must Match)</source>
        <translation>Doppelter Name UND &amp;doppelte Adresse (beide müssen übereinstimmen)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Nam&amp;e OR Duplicate Address (Either Can Match)</source>
        <translation>Doppelter Nam&amp;e ODER doppelte Adresse (eins von beiden genügt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look For (Match On)</source>
        <translation>Suchen nach (Übereinstimmung bei)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dis&amp;play Duplicate Records Before Deleting Them</source>
        <translation>Doppelte Datensätze vor dem Löschen an&amp;zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Searching For Duplicate Records</source>
        <translation>Die Suche nach doppelten Datensätzen starten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Don&apos;t Search For Duplicate Records</source>
        <translation>Keine Suche nach doppelten Datensätzen</translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopeDialog</name>
    <message>
        <location filename="../src/envelopes/EnvelopeDialog.cpp" line="+112"/>
        <source>Print Envelopes</source>
        <translation>Umschläge drucken</translation>
    </message>
    <message>
        <location filename="../src/envelopes/EnvelopeDialogBuild.cpp" line="+87"/>
        <source>Enter Address From &amp;Keyboard</source>
        <translation>Adresse über die &amp;Tastatur eingeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use &amp;Existing Entry In N&amp;&amp;A File</source>
        <translation>&amp;Vorhandenen Eintrag der N&amp;&amp;A-Datei verwenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No Return Address</source>
        <translation>&amp;Keine Absenderadresse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter &amp;Single Address From Keyboard</source>
        <translation>&amp;Einzelne Adresse über die Tastatur eingeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get Addresses From A &amp;Mailing List</source>
        <translation>Adressen aus einer Verteiler&amp;liste holen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Use Existing Single Entry In N&amp;&amp;A File</source>
        <translation>Vorhandenen einzelnen Eintrag der N&amp;&amp;A-Datei ver&amp;wenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use All Entries &amp;In N&amp;&amp;A File</source>
        <translation>Alle Einträge &amp;in der N&amp;&amp;A-Datei verwenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No &quot;To&quot; A&amp;ddress</source>
        <translation>Keine Empfänger&amp;adresse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Commercial #10 (4 1/8&quot; x 9 1/2&quot;)</source>
        <translation>&amp;Commercial #10 (4 1/8&quot; x 9 1/2&quot;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>M&amp;onarch (3 7/8&quot; x 7 1/2&quot;)</source>
        <translation>M&amp;onarch (3 7/8&quot; x 7 1/2&quot;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pe&amp;rsonal (3 5/8&quot; x 6 1/2&quot;)</source>
        <translation>Pe&amp;rsonal (3 5/8&quot; x 6 1/2&quot;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DL (110mm x &amp;220mm)</source>
        <translation>DL (110mm x &amp;220mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;6 (114mm x 162mm)</source>
        <translation>C&amp;6 (114mm x 162mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B&amp;5 (176mm x 250mm)</source>
        <translation>B&amp;5 (176mm x 250mm)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C5 (162mm x 22&amp;9mm)</source>
        <translation>C5 (162mm x 22&amp;9mm)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>L&amp;andscape (envelope turned sideways)</source>
        <translation>&amp;Querformat (Umschlag quer eingelegt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Por&amp;trait</source>
        <translation>Hoch&amp;format</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key 1</source>
        <translation>Schlüssel 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Key 2</source>
        <translation>Schlüssel 2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Key 1 (Major) + Key 2 (Minor)</source>
        <translation>Schlüssel 1 (Haupt) + Schlüssel 2 (Neben)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 2 (Major) + Key 1 (Minor)</source>
        <translation>Schlüssel 2 (Haupt) + Schlüssel 1 (Neben)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do Not Sort</source>
        <translation>Nicht sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return Address</source>
        <translation>Absenderadresse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mailing (&quot;To&quot;) Address</source>
        <translation>Empfängeradresse (&quot;An&quot;)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Envelope Size</source>
        <translation>Umschlaggröße</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Envelope Orientation (Feed)</source>
        <translation>Ausrichtung des Umschlags (Einzug)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort Mailing Address Data By</source>
        <translation>Empfängeradressen sortieren nach</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <location line="+17"/>
        <location line="+2"/>
        <location line="+11"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="-54"/>
        <source>Print Return Address In Italics</source>
        <translation>Absenderadresse kursiv drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Return Address In UPPERCASE</source>
        <translation>Absenderadresse in GROSSBUCHSTABEN drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Mailin&amp;g Address In Italics</source>
        <translation>Empfän&amp;geradresse kursiv drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Mailing Address In UPPERCASE</source>
        <translation>Empfängeradresse in GROSSBUCHSTABEN drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quick Help</source>
        <translation>Kurz&amp;hilfe</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Envelope Address Line %1</source>
        <translation>Zeile %1 der Umschlagadresse</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+17"/>
        <location line="+2"/>
        <location line="+11"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>N&amp;A Records</source>
        <translation>N&amp;A-Datensätze</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Above Information Is Sorted According To The &apos;N&amp;A Display&apos; Option On The &apos;Preferences&apos; Menu.</source>
        <translation>Die Angaben oben sind nach der Option &apos;N&amp;A-Anzeige&apos; im Menü &apos;Einstellungen&apos; sortiert.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Mailing Lists</source>
        <translation>Verteilerlisten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mailing List Title</source>
        <translation>Titel der Verteilerliste</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Number Of En&amp;velopes To Print</source>
        <translation>An&amp;zahl zu druckender Umschläge</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>For Each &quot;To&quot; Address</source>
        <translation>je Empfängeradresse (&quot;An&quot;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;hoose Printer:</source>
        <translation>Drucker au&amp;swählen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previe&amp;w</source>
        <translation>Vorscha&amp;u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>See The Envelopes Before They Print</source>
        <translation>Die Umschläge vor dem Druck ansehen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <location filename="../src/envelopes/EnvelopeDialog.cpp" line="+103"/>
        <source>Please Enter Return Address Below</source>
        <translation>Bitte geben Sie unten die Absenderadresse ein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Enter Mailing Address Below</source>
        <translation>Bitte geben Sie unten die Empfängeradresse ein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Select The Return Address Name</source>
        <translation>Bitte wählen Sie den Namen für die Absenderadresse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Select The &apos;Mail To&apos; Name</source>
        <translation>Bitte wählen Sie den Namen des Empfängers</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Select The Desired Mailing List</source>
        <translation>Bitte wählen Sie die gewünschte Verteilerliste</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>You Cannot Specify &apos;No Return Address&apos; And &apos;No To Address&apos; Simultaneously.

These Options Are Being Reset. Please Reselect Addressing Options.</source>
        <translation>Sie können nicht gleichzeitig &apos;Keine Absenderadresse&apos; und &apos;Keine Empfängeradresse&apos; angeben.

Diese Optionen werden zurückgesetzt. Bitte wählen Sie die Adressoptionen neu.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Please Complete The Mailing Address Or Choose Another Mailing Address Option.</source>
        <translation>Bitte vervollständigen Sie die Empfängeradresse oder wählen Sie eine andere Option für die Empfängeradresse.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Please Complete The Return Address Or Choose Another Return Address Option.</source>
        <translation>Bitte vervollständigen Sie die Absenderadresse oder wählen Sie eine andere Option für die Absenderadresse.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>There Are No Mailing Lists.</source>
        <translation>Es gibt keine Verteilerlisten.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Error In EnvOpt3_Click.</source>
        <translation>Fehler in EnvOpt3_Click.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unexpected Error In Envelope Size Verification Routine.  Err = </source>
        <translation>Unerwarteter Fehler in der Prüfung der Umschlaggröße.  Err = </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.  Program Terminating.</source>
        <translation>.  Das Programm wird beendet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your Printer Does Not Support The Specified Envelope Size.

 Please Refer To Your Printer Documentation Then Select A Different Envelope Size.</source>
        <translation>Ihr Drucker unterstützt die angegebene Umschlaggröße nicht.

 Bitte lesen Sie in der Dokumentation Ihres Druckers nach und wählen Sie dann eine andere Umschlaggröße.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Please Select A Name For Return Address.</source>
        <translation>Bitte wählen Sie einen Namen für die Absenderadresse.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Select A Name For Mailing Address.</source>
        <translation>Bitte wählen Sie einen Namen für die Empfängeradresse.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In File1_Click.  Notify Programmer.</source>
        <translation> in File1_Click.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Please Select A Mailing List Or Click The Cancel Button</source>
        <translation> Bitte wählen Sie eine Verteilerliste oder klicken Sie auf Abbrechen</translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Envelope Printing Completed.</source>
        <translation>Umschlagdruck abgeschlossen.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Envelopes Not Printed.</source>
        <translation>Umschläge nicht gedruckt.</translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopeHelpDialog</name>
    <message>
        <location filename="../src/envelopes/EnvelopeHelpDialog.cpp" line="+14"/>
        <source>Quick Help - How To Print Envelopes</source>
        <translation>Kurzhilfe - So drucken Sie Umschläge</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1.  Choose a &apos;Return Address&apos; Option.</source>
        <translation>1.  Wählen Sie eine Option für die &apos;Absenderadresse&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.  Choose a &apos;Mailing (&quot;To&quot;) Address&apos; Option.</source>
        <translation>2.  Wählen Sie eine Option für die &apos;Empfängeradresse (&quot;An&quot;)&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.  Choose The Envelope Size.</source>
        <translation>3.  Wählen Sie die Umschlaggröße.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.  Choose The Envelope Orientation (Feed).</source>
        <translation>4.  Wählen Sie die Ausrichtung des Umschlags (Einzug).</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.  Enter The Number Of Envelopes To Print For Each &quot;To&quot; Address.</source>
        <translation>5.  Geben Sie die Anzahl der Umschläge ein, die je Empfängeradresse (&quot;An&quot;) gedruckt werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>6.  Choose Italics Or UPPERCASE For Either Address If Desired.</source>
        <translation>6.  Wählen Sie nach Wunsch kursiv oder GROSSBUCHSTABEN für eine der Adressen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7.  Click The Print Button.</source>
        <translation>7.  Klicken Sie auf die Schaltfläche Drucken.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopeProgressWindow</name>
    <message>
        <location filename="../src/envelopes/EnvelopeProgressWindow.cpp" line="+18"/>
        <source>Envelope Printing</source>
        <translation>Umschlagdruck</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+42"/>
        <source>Preparing Envelopes</source>
        <translation>Umschläge werden vorbereitet</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>Number Prepared</source>
        <translation>Anzahl vorbereitet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>To Cancel This Operation, Click Button Below</source>
        <translation>Um diesen Vorgang abzubrechen, auf die Schaltfläche unten klicken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopeRun</name>
    <message>
        <location filename="../src/envelopes/EnvelopeRun.cpp" line="+123"/>
        <source>Do You Want To Print A Test Envelope?</source>
        <translation>Möchten Sie einen Testumschlag drucken?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Wait For Test Envelope To Print.

Do You Want To Print Another Test Envelope?</source>
        <translation>Warten Sie, bis der Testumschlag gedruckt ist.

Möchten Sie einen weiteren Testumschlag drucken?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error In Select Case Of EnvCheckResult:</source>
        <translation>Fehler in Select Case von EnvCheckResult:</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The Number Of Envelopes To Print Must Be A Number.</source>
        <translation>Die Anzahl der zu druckenden Umschläge muss eine Zahl sein.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Number Of Envelopes To Print Cannot Be More Than 32767.</source>
        <translation>Die Anzahl der zu druckenden Umschläge darf nicht größer als 32767 sein.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please Select A &apos;Return Address&apos; Option.</source>
        <translation>Bitte wählen Sie eine Option für die &apos;Absenderadresse&apos;.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please Select A &apos;Mailing Address&apos; Option.</source>
        <translation>Bitte wählen Sie eine Option für die &apos;Empfängeradresse&apos;.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Please Select A Mailing List.</source>
        <translation>Bitte wählen Sie eine Verteilerliste.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> In EnvPrintButton_Click.  Notify Programmer.</source>
        <translation> in EnvPrintButton_Click.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The N&amp;A File Or The Selected Mailing List Is Empty. Nothing To Print.</source>
        <translation>Die N&amp;A-Datei oder die gewählte Verteilerliste ist leer. Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Envelopes Not Printed.</source>
        <translation>Umschläge nicht gedruckt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Envelope Printing Terminated At Your Request.</source>
        <translation>Umschlagdruck auf Ihren Wunsch abgebrochen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Envelope Printing Completed.</source>
        <translation>Umschlagdruck abgeschlossen.</translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopeWaitWindow</name>
    <message>
        <location filename="../src/envelopes/EnvelopeWaitWindow.cpp" line="+6"/>
        <source>Please Wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Processing Data</source>
        <translation>Daten werden verarbeitet</translation>
    </message>
</context>
<context>
    <name>tavrel::Errors</name>
    <message>
        <location filename="../src/platform/Errors.cpp" line="+57"/>
        <source>A File Was Not Found.</source>
        <translation>Eine Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Disk Reported A Read Or Write Error.</source>
        <translation>Der Datenträger meldete einen Lese- oder Schreibfehler.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A File Or Folder Of That Name Is In The Way.</source>
        <translation>Eine Datei oder ein Ordner dieses Namens ist im Weg.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The Disk Is Full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A File Name Was Refused.</source>
        <translation>Ein Dateiname wurde abgelehnt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing Was Refused: The Folder Or File Is Read-Only Or Belongs To Another User.</source>
        <translation>Schreiben wurde abgelehnt: Der Ordner oder die Datei ist schreibgeschützt oder gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Disk Is Not Ready.</source>
        <translation>Der Datenträger ist nicht bereit.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A File Or Folder Could Not Be Reached.</source>
        <translation>Eine Datei oder ein Ordner war nicht erreichbar.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A Folder Was Not Found.</source>
        <translation>Ein Ordner wurde nicht gefunden.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The System Reported Error </source>
        <translation>Das System meldete Fehler </translation>
    </message>
</context>
<context>
    <name>tavrel::ExportDialog</name>
    <message>
        <location filename="../src/exchange/ExportDialog.cpp" line="+31"/>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>vCard &amp;3.0 (Phones, Mail Programs)</source>
        <translation>vCard &amp;3.0 (Telefone, E-Mail-Programme)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vCard &amp;4.0</source>
        <translation>vCard &amp;4.0</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;CSV With Every Field Of The Record</source>
        <translation>&amp;CSV mit jedem Feld des Datensatzes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV For &amp;Other Address Books (Outlook Columns)</source>
        <translation>CSV für &amp;andere Adressbücher (Outlook-Spalten)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Records</source>
        <translation>Datensätze</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Whole N&amp;&amp;A File</source>
        <translation>&amp;Ganze N&amp;&amp;A-Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mailing List:</source>
        <translation>&amp;Verteilerliste:</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UTF-8 With Byte Order Mark (For Spreadsheets)</source>
        <translation>UTF-8 mit Byte-Order-Mark (für Tabellenkalkulationen)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Windows-1252</source>
        <translation>Windows-1252</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>For Spreadsheets: Keep Numbers And Formulas As &amp;Text</source>
        <translation>Für Tabellenkalkulationen: Zahlen und Formeln als Te&amp;xt erhalten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cells Such As 0611 123 Or =Total Stay Text When A Spreadsheet Opens The File</source>
        <translation>Zellen wie 0611 123 oder =Summe bleiben Text, wenn eine Tabellenkalkulation die Datei öffnet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Browse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose The File To Write</source>
        <translation>Die zu schreibende Datei wählen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xport</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write The File</source>
        <translation>Die Datei schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close Without Exporting</source>
        <translation>Schließen, ohne zu exportieren</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Export To</source>
        <translation>Exportieren nach</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vCard Files (*.vcf)</source>
        <translation>vCard-Dateien (*.vcf)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please Enter The Name Of The File To Export To.</source>
        <translation>Bitte geben Sie den Namen der Datei ein, in die exportiert werden soll.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The File </source>
        <translation>Die Datei </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Exists Already.

Do You Want To Replace It?</source>
        <translation> ist bereits vorhanden.

Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The File Could Not Be Written: Error</source>
        <translation>Die Datei konnte nicht geschrieben werden: Fehler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.
Nothing Was Exported.</source>
        <translation>.
Es wurde nichts exportiert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Records Exported To </source>
        <translation> Datensätze exportiert nach </translation>
    </message>
</context>
<context>
    <name>tavrel::FilterBox</name>
    <message>
        <location filename="../src/store/gui/LineList.cpp" line="+119"/>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
</context>
<context>
    <name>tavrel::FindWords</name>
    <message>
        <location filename="../src/store/FindWords.cpp" line="+55"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line 1</source>
        <translation>Adresszeile 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line 2</source>
        <translation>Adresszeile 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line 3</source>
        <translation>Adresszeile 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line 4</source>
        <translation>Adresszeile 4</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort Key 1</source>
        <translation>Sortierschlüssel 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort Key 2</source>
        <translation>Sortierschlüssel 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E-Mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Telephone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
</context>
<context>
    <name>tavrel::FormPositionDialog</name>
    <message>
        <location filename="../src/reports/FormPositionDialog.cpp" line="+20"/>
        <source>&amp;Move Data UP 1/4 Inch</source>
        <translation>Daten 1/4 Zoll nach &amp;OBEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data &amp;UP 3/16 Inch</source>
        <translation>Daten 3/16 Zoll nach O&amp;BEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mo&amp;ve Data UP 1/8 Inch</source>
        <translation>Daten 1/8 Zoll nach OB&amp;EN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mov&amp;e Data UP 1/16 Inch</source>
        <translation>Daten 1/16 Zoll nach OBE&amp;N</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Standard Position</source>
        <translation>&amp;Standardposition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;Data DOWN 1/16 Inch</source>
        <translation>Daten 1/16 Zoll nach &amp;UNTEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move D&amp;ata DOWN 1/8 Inch</source>
        <translation>Daten 1/8 Zoll nach UN&amp;TEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Da&amp;ta DOWN 3/16 Inch</source>
        <translation>&amp;Daten 3/16 Zoll nach UNTEN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data DO&amp;WN 1/4 Inch</source>
        <translation>Daten 1/4 &amp;Zoll nach UNTEN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sta&amp;ndard Position</source>
        <translation>Standard&amp;position</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data &amp;RIGHT 1/16 Inch</source>
        <translation>Daten 1/16 Zoll nach &amp;RECHTS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data R&amp;IGHT 1/8 Inch</source>
        <translation>Daten 1/8 Zoll nach RE&amp;CHTS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data RI&amp;GHT 3/16 Inch</source>
        <translation>D&amp;aten 3/16 Zoll nach RECHTS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data RIG&amp;HT 1/4 Inch</source>
        <translation>Daten 1/&amp;4 Zoll nach RECHTS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data RIGHT &amp;5/16 Inch</source>
        <translation>Daten &amp;5/16 Zoll nach RECHTS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data RIGHT &amp;3/8 Inch</source>
        <translation>Daten &amp;3/8 Zoll nach RECHTS</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Form Positioning</source>
        <translation>Formularposition</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select The Desired Vertical And Horizontal Position For Your Labels Or Cards</source>
        <translation>Wählen Sie die gewünschte senkrechte und waagerechte Position für Ihre Etiketten oder Karten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Vertical Positioning</source>
        <translation>Senkrechte Position</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Horizontal Positioning</source>
        <translation>Waagerechte Position</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Print Label Data In Italics</source>
        <translation>Etikettendaten kursi&amp;v drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print La&amp;bel Data In UPPERCASE</source>
        <translation>Etikettendaten in &amp;GROSSBUCHSTABEN drucken</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;OK</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply The Selected Positioning Values</source>
        <translation>Die gewählten Positionswerte übernehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation>Abbrec&amp;hen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Change The Current Positioning Values</source>
        <translation>Die aktuellen Positionswerte nicht ändern</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;First Free Card</source>
        <translation>Erste &amp;freie Karte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;First Free Label</source>
        <translation>Erstes &amp;freies Etikett</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click The First Card Not Yet Used On The Sheet</source>
        <translation>Klicken Sie auf die erste noch nicht benutzte Karte des Bogens</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click The First Label Not Yet Used On The Sheet</source>
        <translation>Klicken Sie auf das erste noch nicht benutzte Etikett des Bogens</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Start At Card &amp;1</source>
        <translation>Bei Karte &amp;1 beginnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start At Label &amp;1</source>
        <translation>Bei Etikett &amp;1 beginnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start With A Whole New Sheet</source>
        <translation>Mit einem ganz neuen Bogen beginnen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Start At Card %1 Of %2</source>
        <translation>Bei Karte %1 von %2 beginnen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start At Label %1 Of %2</source>
        <translation>Bei Etikett %1 von %2 beginnen</translation>
    </message>
</context>
<context>
    <name>tavrel::HelpWindow</name>
    <message>
        <location filename="../src/platform/gui/HelpWindow.cpp" line="+68"/>
        <source>Corvane MARK32 Help</source>
        <translation>Corvane MARK32 Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation>&amp;Geben Sie die ersten Buchstaben des gesuchten Worts ein:</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Display</source>
        <translation>&amp;Anzeigen</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>&amp;Type words to find the topics that contain them all:</source>
        <translation>&amp;Wörter eingeben, um die Themen zu finden, die sie alle enthalten:</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>The help topics cannot be found.</source>
        <translation>Die Hilfethemen wurden nicht gefunden.</translation>
    </message>
    <message>
        <location line="+110"/>
        <source>No topic contains all of these words.</source>
        <translation>Kein Thema enthält alle diese Wörter.</translation>
    </message>
</context>
<context>
    <name>tavrel::Import</name>
    <message>
        <location filename="../src/exchange/ImportRead.cpp" line="+110"/>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file is UTF-16 (%1) without a byte-order mark.</source>
        <translation>Die Datei ist UTF-16 (%1) ohne Byte-Order-Mark.</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>The file holds no card.</source>
        <translation>Die Datei enthält keine Karte.</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>This file is not a card file or a CSV file (%1).</source>
        <translation>Diese Datei ist weder eine Kartendatei noch eine CSV-Datei (%1).</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>The file is neither a vCard file nor a CSV file with a header and at least one row.</source>
        <translation>Die Datei ist weder eine vCard-Datei noch eine CSV-Datei mit Kopfzeile und mindestens einer Zeile.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>The file holds %1 entries; only the first %2 are read, as the N&amp;A file holds no more than %3 records.</source>
        <translation>Die Datei enthält %1 Einträge; nur die ersten %2 werden gelesen, da die N&amp;A-Datei nicht mehr als %3 Datensätze fasst.</translation>
    </message>
    <message>
        <location line="+123"/>
        <location line="+16"/>
        <source>The file cannot be read (error%1).</source>
        <translation>Die Datei kann nicht gelesen werden (Fehler%1).</translation>
    </message>
    <message>
        <location line="-9"/>
        <source>The file is too large to import (more than 64 MB).</source>
        <translation>Die Datei ist zu groß für den Import (mehr als 64 MB).</translation>
    </message>
    <message>
        <location filename="../src/exchange/ImportPlan.cpp" line="-16"/>
        <source>1 control character removed (</source>
        <translation>1 Steuerzeichen entfernt (</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 control characters removed (</source>
        <translation>%1 Steuerzeichen entfernt (</translation>
    </message>
    <message>
        <location line="+187"/>
        <source>Telephone %1 written without its blanks and signs to fit: %2</source>
        <translation>Telefon %1 ohne Leer- und Sonderzeichen geschrieben, damit es passt: %2</translation>
    </message>
    <message>
        <location line="+38"/>
        <source> shortened to </source>
        <translation> gekürzt auf </translation>
    </message>
    <message>
        <location line="+81"/>
        <source>same Name as ID %1, and no address, e-mail or telephone to tell them apart</source>
        <translation>derselbe Name wie ID %1 und keine Adresse, E-Mail oder Telefonnummer, die sie unterscheidet</translation>
    </message>
    <message>
        <location filename="../src/exchange/ImportRun.cpp" line="+27"/>
        <source>move overflow into Comments</source>
        <translation>Überlauf unter Bemerkungen verschieben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cut and log</source>
        <translation>kürzen und protokollieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skip the record</source>
        <translation>den Datensatz überspringen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File: %1 (%2), %3 entries</source>
        <translation>Datei: %1 (%2), %3 Einträge</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+80"/>
        <source>Fields that do not fit: </source>
        <translation>Felder, die nicht passen: </translation>
    </message>
    <message>
        <location line="-72"/>
        <source>Entry %1: %2</source>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>    Looks like a record in the file (%1): %2</source>
        <translation>    Sieht aus wie ein Datensatz der Datei (%1): %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>add anyway</source>
        <translation>trotzdem hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skip</source>
        <translation>überspringen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 of %2 entries would be imported.</source>
        <translation>%1 von %2 Einträgen würden importiert.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Import of %1 (%2) on %3</source>
        <translation>Import von %1 (%2) am %3</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>: looks like a record in the file (</source>
        <translation>: sieht aus wie ein Datensatz der Datei (</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>: does not fit the record</source>
        <translation>: passt nicht in den Datensatz</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>: no free ID left</source>
        <translation>: keine freie ID mehr</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <source>Nothing Was Imported.</source>
        <translation>Es wurde nichts importiert.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The Disk Is Full: The Import Needs About %1 KBytes Of Free Space, And %2 KBytes Are Free.
Nothing Was Imported.</source>
        <translation>Der Datenträger ist voll: Der Import braucht etwa %1 KByte freien Speicherplatz, und %2 KByte sind frei.
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>QuickLink %1 to ID %2 cleared: that record was not imported</source>
        <translation>QuickLink %1 auf ID %2 gelöscht: dieser Datensatz wurde nicht importiert</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Previous record ID %1 cleared: that record was not imported</source>
        <translation>ID des vorherigen Datensatzes %1 gelöscht: dieser Datensatz wurde nicht importiert</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>ID %1: %2</source>
        <translation>ID %1: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mailing list %1 (%2): %3 added</source>
        <translation>Verteilerliste %1 (%2): %3 hinzugefügt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No mailing list is titled %1; %2 records carried that title</source>
        <translation>Keine Verteilerliste hat den Titel %1; %2 Datensätze trugen diesen Titel</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Not imported: </source>
        <translation>Nicht importiert: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not imported: the %1 entries after the first %2 of the file</source>
        <translation>Nicht importiert: die %1 Einträge nach den ersten %2 der Datei</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The N&amp;A File Is Full: It Holds 1700 Records.
%1 Records Were Imported, %2 Were Not.</source>
        <translation>Die N&amp;A-Datei ist voll: Sie enthält 1700 Datensätze.
%1 Datensätze wurden importiert, %2 nicht.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 Records Imported, %2 Not Imported.</source>
        <translation>%1 Datensätze importiert, %2 nicht importiert.</translation>
    </message>
</context>
<context>
    <name>tavrel::ImportDialog</name>
    <message>
        <location filename="../src/exchange/ImportDialog.cpp" line="+32"/>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Browse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose The File To Import</source>
        <translation>Die zu importierende Datei wählen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read The File And Show What Would Be Imported</source>
        <translation>Die Datei lesen und zeigen, was importiert würde</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No File Read Yet.</source>
        <translation>Noch keine Datei gelesen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Entries (Checked Ones Are Imported):</source>
        <translation>&amp;Einträge (angekreuzte werden importiert):</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What Happens</source>
        <translation>Was geschieht</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Details Of The Selected Entry</source>
        <translation>Einzelheiten des gewählten Eintrags</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fields That Do Not Fit The Record</source>
        <translation>Felder, die nicht in den Datensatz passen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Move Overflow Into Comments</source>
        <translation>Überlauf unter &amp;Bemerkungen verschieben</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C&amp;ut And Log</source>
        <translation>&amp;Kürzen und protokollieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Skip The Record</source>
        <translation>Datensatz &amp;überspringen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write The Checked Entries Into The N&amp;A File</source>
        <translation>Die angekreuzten Einträge in die N&amp;A-Datei schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close Without Importing</source>
        <translation>Schließen, ohne zu importieren</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Import From</source>
        <translation>Importieren von</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>vCard And CSV Files (*.vcf *.vcard *.csv *.txt);;All Files (*)</source>
        <translation>vCard- und CSV-Dateien (*.vcf *.vcard *.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please Enter The Name Of The File To Import.</source>
        <translation>Bitte geben Sie den Namen der zu importierenden Datei ein.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>
Nothing Was Imported.</source>
        <translation>
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+41"/>
        <source>Looks like a record in the file (</source>
        <translation>Sieht aus wie ein Datensatz der Datei (</translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Does not fit: skipped</source>
        <translation>Passt nicht: übersprungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Does not fit: see below</source>
        <translation>Passt nicht: siehe unten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Characters replaced</source>
        <translation>Zeichen ersetzt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Notes: see below</source>
        <translation>Hinweise: siehe unten</translation>
    </message>
    <message>
        <location line="+11"/>
        <source> (</source>
        <translation> (</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>): </source>
        <translation>): </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Entries, </source>
        <translation> Einträge, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Need A Look, </source>
        <translation> zu prüfen, </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> To Import.</source>
        <translation> zu importieren.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>): check it to add it anyway.</source>
        <translation>): ankreuzen, um ihn trotzdem hinzuzufügen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Imported as it is.</source>
        <translation>Unverändert importiert.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Import </source>
        <translation>Sollen </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Records Into The N&amp;A File?</source>
        <translation> Datensätze in die N&amp;A-Datei importiert werden?</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The Records Were Imported, But The Import Log Or A Mailing List Could Not Be Written: Error</source>
        <translation>Die Datensätze wurden importiert, aber das Importprotokoll oder eine Verteilerliste konnte nicht geschrieben werden: Fehler</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>

The Import Log Is </source>
        <translation>

Das Importprotokoll ist </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Beside The N&amp;A File.</source>
        <translation> neben der N&amp;A-Datei.</translation>
    </message>
</context>
<context>
    <name>tavrel::InstanceLock</name>
    <message>
        <location filename="../src/platform/InstanceLock.cpp" line="+39"/>
        <source>There is no space left on the disk that holds the program directory, not even for the lock file; nothing was done.</source>
        <translation>Auf dem Datenträger mit dem Programmverzeichnis ist kein Platz mehr, nicht einmal für die Sperrdatei; es wurde nichts getan.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program directory does not take the lock file; nothing was done.</source>
        <translation>Das Programmverzeichnis nimmt die Sperrdatei nicht an; es wurde nichts getan.</translation>
    </message>
</context>
<context>
    <name>tavrel::LabelLayouts</name>
    <message>
        <location filename="../src/reports/LabelLayouts.cpp" line="+81"/>
        <source>ID# </source>
        <translation>ID# </translation>
    </message>
    <message>
        <location line="+299"/>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>At This Position The First Row Of %1 Would Start Above The Top Of The Page And Would Not Print Whole.</source>
        <translation>An dieser Position begänne die erste Reihe der %1 oberhalb des Seitenrands und würde nicht vollständig gedruckt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>At This Position The Last Row Of %1 Would Run Past The Foot Of The Page And Would Not Print Whole.</source>
        <translation>An dieser Position ginge die letzte Reihe der %1 über den Fuß der Seite hinaus und würde nicht vollständig gedruckt.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>

Click OK To Choose Another Position, Or Cancel To Stop Printing.</source>
        <translation>

Klicken Sie auf OK, um eine andere Position zu wählen, oder auf Abbrechen, um den Druck zu beenden.</translation>
    </message>
</context>
<context>
    <name>tavrel::LabelStockDialog</name>
    <message>
        <location filename="../src/reports/LabelStockDialog.cpp" line="+37"/>
        <source>Label Stock Information</source>
        <translation>Angaben zum Etikettenmaterial</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Form Type</source>
        <translation>Formularart</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut &amp;Sheets (8 Labels/Sheet)</source>
        <translation>&amp;Einzelblätter (8 Etiketten/Blatt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Laser, Inkjet, Other Non-Impact Printers</source>
        <translation>Laser-, Tintenstrahl- und andere anschlagfreie Drucker</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Continuous Forms (12 Labels/Sheet)</source>
        <translation>Endlos&amp;formulare (12 Etiketten/Blatt)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dot Matrix, Other Impact Printers</source>
        <translation>Nadeldrucker und andere Anschlagdrucker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A4 Sheets</source>
        <translation>A4-Blätter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print &amp;Reports On A4 Paper</source>
        <translation>&amp;Berichte auf A4-Papier drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print The Book, Lists And Listing On A4 Paper Rather Than Letter Paper</source>
        <translation>Das Buch, die Listen und das Verzeichnis auf A4- statt auf Letter-Papier drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refer To &quot;About Printing&quot; In TVL Help</source>
        <translation>Siehe &quot;Über das Drucken&quot; in der TVL-Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Continue Preparing The Report</source>
        <translation>Die Vorbereitung des Berichts fortsetzen</translation>
    </message>
    <message>
        <location filename="../src/reports/LabelLayouts.cpp" line="-286"/>
        <source>A4, 3 x &amp;7 Labels, 63.5 x 38.1 mm</source>
        <translation>A4, 3 x &amp;7 Etiketten, 63,5 x 38,1 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4, &amp;2 x 7 Labels, 99.1 x 38.1 mm</source>
        <translation>A4, &amp;2 x 7 Etiketten, 99,1 x 38,1 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4, &amp;3 x 8 Labels, 70 x 36 mm</source>
        <translation>A4, &amp;3 x 8 Etiketten, 70 x 36 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4, 2 x &amp;8 Labels, 99.1 x 33.9 mm</source>
        <translation>A4, 2 x &amp;8 Etiketten, 99,1 x 33,9 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4, 3 x 8 Labels, &amp;63.5 x 33.9 mm</source>
        <translation>A4, 3 x 8 Etiketten, &amp;63,5 x 33,9 mm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4, 2 x &amp;4 Labels, 99.1 x 67.7 mm</source>
        <translation>A4, 2 x &amp;4 Etiketten, 99,1 x 67,7 mm</translation>
    </message>
</context>
<context>
    <name>tavrel::Launch</name>
    <message>
        <location filename="../src/app/Launch.cpp" line="+29"/>
        <source>tavrel: unknown option %1</source>
        <translation>tavrel: unbekannte Option %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tavrel: one file at a time, not %1 and %2</source>
        <translation>tavrel: eine Datei nach der anderen, nicht %1 und %2</translation>
    </message>
    <message>
        <source> (see tavrel --help)</source>
        <translation type="vanished"> (siehe tavrel --help)</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>tavrel: the windows need a graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set); without one, use --print, --envelopes, --export, --import, --backup, --restore or --sync (tavrel --help lists them).</source>
        <translation>tavrel: die Fenster brauchen eine grafische Sitzung (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); ohne sie verwenden Sie --print, --envelopes, --export, --import, --backup, --restore oder --sync (tavrel --help führt sie auf).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Usage: tavrel [FILE]
       tavrel --backup | --restore [NAME]
       tavrel --help | --version

Corvane Mark32, a name-and-address book. With no arguments it opens its windows;
with a vCard or CSV FILE it opens them and the import window on that file.
The other forms run without windows and report on standard output:
  --backup        take a backup copy of the N&amp;A file and the mailing lists now
  --restore NAME  put copy NAME back (a copy of the state before is kept);
                  without NAME, list the copies

</source>
        <translation>Aufruf: tavrel [DATEI]
       tavrel --backup | --restore [NAME]
       tavrel --help | --version

Corvane Mark32, ein Namens- und Adressbuch. Ohne Argumente öffnet es seine Fenster;
mit einer vCard- oder CSV-DATEI öffnet es sie und das Importfenster für diese Datei.
Die anderen Formen laufen ohne Fenster und berichten auf der Standardausgabe:
  --backup        jetzt eine Sicherungskopie der N&amp;A-Datei und der Verteilerlisten anlegen
  --restore NAME  die Kopie NAME zurückschreiben (eine Kopie des Stands davor wird
                  aufbewahrt); ohne NAME die Kopien auflisten

</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>
The N&amp;A file is in $TAVREL_HOME when set, else beside the program when one lies
there, else in $XDG_DATA_HOME/tavrel (~/.local/share/tavrel).
</source>
        <translation>
Die N&amp;A-Datei liegt in $TAVREL_HOME, wenn gesetzt, sonst neben dem Programm, wenn dort
eine liegt, sonst in $XDG_DATA_HOME/tavrel (~/.local/share/tavrel).
</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Each form&apos;s options: tavrel --VERB --help (tavrel --print --help, ...).
</source>
        <translation>Die Optionen jeder Form: tavrel --VERB --help (tavrel --print --help, ...).
</translation>
    </message>
</context>
<context>
    <name>tavrel::ListLayouts</name>
    <message>
        <location filename="../src/reports/ListLayouts.cpp" line="+106"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <location line="+12"/>
        <location line="+9"/>
        <source>Telephone Numbers</source>
        <translation>Telefonnummern</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+9"/>
        <location line="+12"/>
        <location line="+9"/>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+11"/>
        <location line="+10"/>
        <location line="+9"/>
        <source>ID Number:</source>
        <translation>ID-Nummer:</translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+12"/>
        <location line="+9"/>
        <source>Name And Address</source>
        <translation>Name und Adresse</translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+12"/>
        <location line="+9"/>
        <source>E-Mail Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Sort Keys</source>
        <translation>Sortierschlüssel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VizeRuzad</source>
        <translation>VizeRuzad</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>ID=</source>
        <translation>ID=</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>LinkId </source>
        <translation>LinkId </translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Abbreviated Telephone List</source>
        <translation>Kurzes Telefonverzeichnis</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Telephone List</source>
        <translation>Telefonverzeichnis</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Database Listing</source>
        <translation>Datenbankverzeichnis</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+6"/>
        <source>Name And Address Book</source>
        <translation>Namens- und Adressbuch</translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Produced By Corvane MARK32</source>
        <translation>Erstellt mit Corvane MARK32</translation>
    </message>
</context>
<context>
    <name>tavrel::MailListFile</name>
    <message>
        <location filename="../src/maillists/MailListFile.cpp" line="+233"/>
        <source>There Is Already A Mailing List File
With Identifier &apos;</source>
        <translation>Es gibt bereits eine Verteilerlistendatei
mit der Kennung &apos;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;.

Do You Want To Replace It?</source>
        <translation>&apos;.

Möchten Sie sie ersetzen?</translation>
    </message>
</context>
<context>
    <name>tavrel::MailListPrint</name>
    <message>
        <location filename="../src/maillists/MailListPrint.cpp" line="+24"/>
        <source>  ** ID Not Active **</source>
        <translation>  ** ID nicht aktiv **</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Mailing List Contents</source>
        <translation>Inhalt der Verteilerliste</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Mailing List  &apos;</source>
        <translation>Verteilerliste  &apos;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;  With Title  &apos;</source>
        <translation>&apos;  mit dem Titel  &apos;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;</source>
        <translation>&apos;</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Print Cancelled At Your Request. Throw Away Any Pages That Print.</source>
        <translation>Druck auf Ihren Wunsch abgebrochen. Werfen Sie alle Seiten weg, die noch gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>tavrel::MainWindow</name>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+85"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Mail List</source>
        <translation>&amp;Verteilerliste</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cr&amp;eate</source>
        <translation>Erste&amp;llen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rev&amp;ise/Print</source>
        <translation>Überarbeiten/Dr&amp;ucken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;N&amp;&amp;A File</source>
        <translation>&amp;N&amp;&amp;A-Datei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Add Single Record</source>
        <translation>Einzelnen Datensatz hin&amp;zufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Multiple &amp;Records</source>
        <translation>&amp;Mehrere Datensätze hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Get Record &amp;By ID</source>
        <translation>Datensatz nach ID ab&amp;rufen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chan&amp;ge Record By ID</source>
        <translation>Datensatz nach ID &amp;ändern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Record By ID</source>
        <translation>Datensatz nach ID l&amp;öschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compac&amp;t File</source>
        <translation>Datei verdich&amp;ten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;QuickFind</source>
        <translation>&amp;QuickFind</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File Statistics</source>
        <translation>&amp;Dateistatistik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find Dup&amp;licate Records</source>
        <translation>Doppelte Datensätze &amp;finden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print</source>
        <translation>Dru&amp;cken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;nvelope Print</source>
        <translation>Umschläge drucke&amp;n</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+30"/>
        <source>&amp;Backups...</source>
        <translation>Siche&amp;rungen...</translation>
    </message>
    <message>
        <location line="-28"/>
        <source>&amp;Import...</source>
        <translation>Imp&amp;ortieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Expor&amp;t...</source>
        <translation>Expor&amp;tieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ync...</source>
        <translation>S&amp;ynchronisieren...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Undo</source>
        <translation>Rüc&amp;kgängig</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Preferences</source>
        <translation>Einstellun&amp;gen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N&amp;&amp;A Displa&amp;y</source>
        <translation>N&amp;&amp;A-&amp;Anzeige</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Q&amp;uickFind</source>
        <translation>Quic&amp;kFind</translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Show Dialog Boxes</source>
        <translation> Dialogfelder zeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Printer &amp;Calibration...</source>
        <translation>Druckerkal&amp;ibrierung...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Contents ...</source>
        <translation>&amp;Inhalt ...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About The Tavrel</source>
        <translation>&amp;Über The Tavrel</translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindowToolBar.cpp" line="+32"/>
        <source>Add One New N&amp;A Record</source>
        <translation>Einen neuen N&amp;A-Datensatz hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add One Or More New N&amp;A Records</source>
        <translation>Einen oder mehrere neue N&amp;A-Datensätze hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print A Report Using N&amp;A Data</source>
        <translation>Einen Bericht mit N&amp;A-Daten drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search The N&amp;A File</source>
        <translation>Die N&amp;A-Datei durchsuchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quickly Locate A Desired N&amp;A Record</source>
        <translation>Einen gewünschten N&amp;A-Datensatz schnell finden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search N&amp;A File For Duplicates</source>
        <translation>Die N&amp;A-Datei nach Dubletten durchsuchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Envelopes</source>
        <translation>Umschläge drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get Info About Corvane MARK 32</source>
        <translation>Informationen über Corvane MARK 32</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invoke The Corvane MARK32 Help System</source>
        <translation>Die Hilfe von Corvane MARK32 aufrufen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Create A New Mailing List</source>
        <translation>Eine neue Verteilerliste erstellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change An Existing Mailing List</source>
        <translation>Eine vorhandene Verteilerliste ändern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display Contents Of An Existing Mailing List</source>
        <translation>Den Inhalt einer vorhandenen Verteilerliste anzeigen</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Name And Address File</source>
        <translation>Namens- und Adressdatei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About    Help</source>
        <translation>Über    Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mailing List Files</source>
        <translation>Verteilerlistendateien</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Press F1 For Help</source>
        <translation>Drücken Sie F1 für Hilfe</translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+167"/>
        <source>There Are No Duplicate Records In The N&amp;A File.</source>
        <translation>Es gibt keine doppelten Datensätze in der N&amp;A-Datei.</translation>
    </message>
</context>
<context>
    <name>tavrel::MatchListWindow</name>
    <message>
        <location filename="../src/search/MatchListWindow.cpp" line="+16"/>
        <source>Record Matches Search Parameter</source>
        <translation>Datensatz entspricht dem Suchkriterium</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add To ML</source>
        <translation>Zur VL &amp;hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add This Record To The Mailing List And Continue Searching</source>
        <translation>Diesen Datensatz zur Verteilerliste hinzufügen und weitersuchen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Other Screen Of The Current N&amp;A Record</source>
        <translation>Die andere Seite des aktuellen N&amp;A-Datensatzes anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End Search</source>
        <translation>Suche &amp;beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Terminate The Search</source>
        <translation>Die Suche beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Don&apos;t Add</source>
        <translation>&amp;Nicht hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue The Search But Don&apos;t Add This Record To The Mailing List</source>
        <translation>Die Suche fortsetzen, diesen Datensatz aber nicht zur Verteilerliste hinzufügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy N&amp;&amp;A To Clipboard</source>
        <translation>N&amp;&amp;A in die Zwischenablage &amp;kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue Search</source>
        <translation>Suche fortsetzen</translation>
    </message>
</context>
<context>
    <name>tavrel::MatchViewWindow</name>
    <message>
        <location filename="../src/search/MatchViewWindow.cpp" line="+13"/>
        <source>Record  Matches Search Parameter</source>
        <translation>Datensatz  entspricht dem Suchkriterium</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Continue The Search</source>
        <translation>Die Suche fortsetzen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Other Screen Of The Current N&amp;A Record</source>
        <translation>Die andere Seite des aktuellen N&amp;A-Datensatzes anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End Search</source>
        <translation>Suche &amp;beenden</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Terminate The Search</source>
        <translation>Die Suche beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy N&amp;&amp;A To Clipboard</source>
        <translation>N&amp;&amp;A in die Zwischenablage &amp;kopieren</translation>
    </message>
</context>
<context>
    <name>tavrel::MatchWindow</name>
    <message>
        <location filename="../src/search/MatchWindow.cpp" line="+38"/>
        <source>&amp;Screen 1</source>
        <translation>&amp;Seite 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Screen 2</source>
        <translation>&amp;Seite 2</translation>
    </message>
</context>
<context>
    <name>tavrel::NameList</name>
    <message>
        <location filename="../src/store/NameList.cpp" line="+114"/>
        <source>The N&amp;A File Is Empty.</source>
        <translation>Die N&amp;A-Datei ist leer.</translation>
    </message>
</context>
<context>
    <name>tavrel::NamePicker</name>
    <message>
        <location filename="../src/maillists/NamePicker.cpp" line="+53"/>
        <source>Name And Address (N&amp;&amp;A) File</source>
        <translation>Namens- und Adressdatei (N&amp;&amp;A)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; &amp;Add To ML --&gt;</source>
        <translation>--&gt; Zur VL &amp;hinzufügen --&gt;</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add The Selected Name To The Mailing List</source>
        <translation>Den gewählten Namen zur Verteilerliste hinzufügen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Delete From ML</source>
        <translation>Aus VL &amp;löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mailing List (ML) File</source>
        <translation>Verteilerlistendatei (VL)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Add A Name To ML:</source>
        <translation>Einen Namen zur VL hinzufügen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>1. Click On The Name</source>
        <translation>1. Klicken Sie auf den Namen</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>In The N&amp;&amp;A File</source>
        <translation>in der N&amp;&amp;A-Datei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2. Click The Add Button</source>
        <translation>2. Klicken Sie auf Hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete A Name From ML:</source>
        <translation>Einen Namen aus der VL löschen:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In The Mailing List</source>
        <translation>in der Verteilerliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2. Click The Delete Button</source>
        <translation>2. Klicken Sie auf Löschen</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>No Name Selected For Adding To Mailing List</source>
        <translation>Kein Name zum Hinzufügen zur Verteilerliste gewählt</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No Name Selected For Deletion</source>
        <translation>Kein Name zum Löschen gewählt</translation>
    </message>
</context>
<context>
    <name>tavrel::OutputFile</name>
    <message>
        <location filename="../src/platform/OutputFile.cpp" line="+241"/>
        <source>It Is A Folder, Not A File.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It Is A Disk Device; Only Files, Pipes And Character Devices Are Written.</source>
        <translation>Es ist ein Laufwerksgerät; geschrieben werden nur Dateien, Pipes und zeichenorientierte Geräte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It Was Replaced By Something Else While It Was Opened.</source>
        <translation>Es wurde durch etwas anderes ersetzt, während es geöffnet war.</translation>
    </message>
</context>
<context>
    <name>tavrel::OverflowQuestion</name>
    <message>
        <location filename="../src/records/OverflowQuestion.cpp" line="+42"/>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Address Line %1</source>
        <translation>Adresszeile %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Telephone %1 Type</source>
        <translation>Art von Telefon %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Telephone %1 Number</source>
        <translation>Nummer von Telefon %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sort Key %1</source>
        <translation>Sortierschlüssel %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E-Mail Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>QuickLink %1 Description</source>
        <translation>Beschreibung von QuickLink %1</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>These boxes hold more than their fields can store:</source>
        <translation>Diese Felder enthalten mehr, als gespeichert werden kann:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: only %2 characters fit; %3 would be lost.</source>
        <translation>%1: nur %2 Zeichen passen; %3 ginge verloren.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Comments has no room for %1; moving the rest would still lose it.</source>
        <translation>Unter Bemerkungen ist kein Platz für %1; auch beim Verschieben ginge es verloren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keep the cut text, move the rest to Comments, or go back to the screen?</source>
        <translation>Den gekürzten Text behalten, den Rest unter Bemerkungen verschieben oder zur Eingabe zurückkehren?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Go Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Keep Cut Text</source>
        <translation>&amp;Gekürzt behalten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Move Rest To Comments</source>
        <translation>&amp;Rest unter Bemerkungen</translation>
    </message>
</context>
<context>
    <name>tavrel::PreparingReportMessage</name>
    <message>
        <location filename="../src/reports/PreparingReportMessage.cpp" line="+12"/>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+23"/>
        <source>TVL Is Preparing The Report.</source>
        <translation>TVL bereitet den Bericht vor.</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
<context>
    <name>tavrel::PreviewWindow</name>
    <message>
        <location filename="../src/platform/gui/PreviewWindow.cpp" line="+31"/>
        <source>Fit Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50%</source>
        <translation>50 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>75%</source>
        <translation>75 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>150%</source>
        <translation>150 %</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200%</source>
        <translation>200 %</translation>
    </message>
    <message>
        <location line="+199"/>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;First</source>
        <translation>&amp;Erste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First Page (Home)</source>
        <translation>Erste Seite (Pos1)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;revious</source>
        <translation>&amp;Vorherige</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Page (Page Up)</source>
        <translation>Vorherige Seite (Bild auf)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next</source>
        <translation>&amp;Nächste</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next Page (Page Down)</source>
        <translation>Nächste Seite (Bild ab)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Last</source>
        <translation>&amp;Letzte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Page (End)</source>
        <translation>Letzte Seite (Ende)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zoom In Or Out (Ctrl+Plus, Ctrl+Minus; Ctrl+0 Fits The Page)</source>
        <translation>Vergrößern oder verkleinern (Strg+Plus, Strg+Minus; Strg+0 zeigt die ganze Seite)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Zoom:</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print These Pages On The Chosen Printer</source>
        <translation>Diese Seiten auf dem gewählten Drucker drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close The Preview Without Printing</source>
        <translation>Die Vorschau schließen, ohne zu drucken</translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No pages</source>
        <translation>Keine Seiten</translation>
    </message>
</context>
<context>
    <name>tavrel::PrintCommandLine</name>
    <message>
        <location filename="../src/reports/PrintCommandLine.cpp" line="+105"/>
        <source>Usage: tavrel --print KIND [--sort ORDER] [--list ID] [--from ID --to ID]
                           [--stock NAME] [--quantity N] [--title TEXT] [--large]
                           [--a4] [--output FILE.pdf | --printer QUEUE]
KIND: book, phone, abbreviated, listing, labels, cards
ORDER: key1 (the default), key2, key1+key2, key2+key1, id
--from/--to: only the records with IDs from the one to the other
--stock for labels: %1(1-across: cut sheets)
--stock for cards: 1-across, 2-across
--large: the address book in large print; --a4: lists and books on A4 paper
       tavrel --envelopes [--size SIZE] [--feed sideways|upright] [--list ID]
                          [--sort ORDER|none] [--count N] [--return LINE|LINE...]
                          [--output FILE.pdf | --printer QUEUE]
SIZE: 10 (the default), monarch, personal, dl, c6, b5, c5; every entry of the
file, or the members of mailing list ID; --return: up to five lines, split at |
Without --output or --printer it prints on the default printer. No test pages
and no questions; exit status 0 printed, 1 not printed, 2 wrong arguments.
</source>
        <translation>Aufruf: tavrel --print ART [--sort REIHENFOLGE] [--list ID] [--from ID --to ID]
                           [--stock NAME] [--quantity N] [--title TEXT] [--large]
                           [--a4] [--output DATEI.pdf | --printer WARTESCHLANGE]
ART: book, phone, abbreviated, listing, labels, cards
REIHENFOLGE: key1 (Vorgabe), key2, key1+key2, key2+key1, id
--from/--to: nur die Datensätze mit IDs von der einen bis zur anderen
--stock für Etiketten: %1(1-across: Einzelblätter)
--stock für Karten: 1-across, 2-across
--large: das Adressbuch in Großdruck; --a4: Listen und Bücher auf A4-Papier
       tavrel --envelopes [--size GRÖSSE] [--feed sideways|upright] [--list ID]
                          [--sort REIHENFOLGE|none] [--count N] [--return ZEILE|ZEILE...]
                          [--output DATEI.pdf | --printer WARTESCHLANGE]
GRÖSSE: 10 (Vorgabe), monarch, personal, dl, c6, b5, c5; jeder Eintrag der
Datei oder die Mitglieder der Verteilerliste ID; --return: bis zu fünf Zeilen, getrennt durch |
Ohne --output oder --printer wird auf dem Standarddrucker gedruckt. Keine Testseiten
und keine Rückfragen; Rückgabewert 0 gedruckt, 1 nicht gedruckt, 2 falsche Argumente.
</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>tavrel: --print does not take &quot;%1&quot;</source>
        <translation>tavrel: --print nimmt &quot;%1&quot; nicht an</translation>
    </message>
    <message>
        <location line="+137"/>
        <source>tavrel: --envelopes does not take &quot;%1&quot;</source>
        <translation>tavrel: --envelopes nimmt &quot;%1&quot; nicht an</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+35"/>
        <source>There is no mailing list %1.</source>
        <translation>Es gibt keine Verteilerliste %1.</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+48"/>
        <source>Nothing was printed.</source>
        <translation>Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+48"/>
        <source>1 record, </source>
        <translation>1 Datensatz, </translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+48"/>
        <source>%1 records, </source>
        <translation>%1 Datensätze, </translation>
    </message>
    <message>
        <location line="-45"/>
        <source>1 envelope printed.</source>
        <translation>1 Umschlag gedruckt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 envelopes printed.</source>
        <translation>%1 Umschläge gedruckt.</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No record has an ID from %1 to %2.</source>
        <translation>Kein Datensatz hat eine ID von %1 bis %2.</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>1 page printed.</source>
        <translation>1 Seite gedruckt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pages printed.</source>
        <translation>%1 Seiten gedruckt.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The PDF file cannot be written in </source>
        <translation>Die PDF-Datei kann nicht geschrieben werden in </translation>
    </message>
    <message>
        <location line="+11"/>
        <source>There is no printer </source>
        <translation>Es gibt keinen Drucker </translation>
    </message>
    <message>
        <location line="+18"/>
        <source>nothing was printed.</source>
        <translation>es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The PDF file could not be written: </source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden: </translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Saved as </source>
        <translation>Gespeichert als </translation>
    </message>
</context>
<context>
    <name>tavrel::PrintProgressWindow</name>
    <message>
        <location filename="../src/reports/PrintProgressWindow.cpp" line="+17"/>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+49"/>
        <source>To Stop Printing, Click Button.</source>
        <translation>Um den Druck zu beenden, auf die Schaltfläche klicken.</translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Last Page Completed</source>
        <translation>Zuletzt fertige Seite</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Report Completed.</source>
        <translation>Bericht fertig.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last Page Printed:  </source>
        <translation>Zuletzt gedruckte Seite:  </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>tavrel::PrintSending</name>
    <message>
        <location filename="../src/platform/gui/PrintSending.cpp" line="+20"/>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+94"/>
        <source>Sending to printer...</source>
        <translation>Wird an den Drucker gesendet...</translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The Print System Has Not Taken The Document In %1 Seconds.
Click Cancel To Stop Sending It.</source>
        <translation>Das Drucksystem hat das Dokument in %1 Sekunden nicht angenommen.
Klicken Sie auf Abbrechen, um das Senden zu beenden.</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The Print Command Did Not Start.</source>
        <translation>Der Druckbefehl ist nicht gestartet.</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>The Print Command Ended With Error %1.</source>
        <translation>Der Druckbefehl endete mit Fehler %1.</translation>
    </message>
</context>
<context>
    <name>tavrel::PrintWaitMessage</name>
    <message>
        <location filename="../src/maillists/PrintWaitMessage.cpp" line="+16"/>
        <source>The Mailing List Is Being Prepared.</source>
        <translation>Die Verteilerliste wird vorbereitet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please Wait.</source>
        <translation>Bitte warten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop Preparing The Mailing List Report</source>
        <translation>Die Vorbereitung des Verteilerlistenberichts beenden</translation>
    </message>
</context>
<context>
    <name>tavrel::PrinterBox</name>
    <message>
        <location filename="../src/platform/gui/PrinterBox.cpp" line="+47"/>
        <source>The Printer To Print On</source>
        <translation>Der Drucker, auf dem gedruckt wird</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default Printer</source>
        <translation>Standarddrucker</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PDF file...</source>
        <translation>PDF-Datei...</translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+8"/>
        <source>Print To PDF File</source>
        <translation>In PDF-Datei drucken</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Already Exists.

Do You Want To Replace It?</source>
        <translation>%1 ist bereits vorhanden.

Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The Printer %1 Is No Longer Installed.  Nothing Was Printed.

Please Choose Another Printer.</source>
        <translation>Der Drucker %1 ist nicht mehr installiert.  Es wurde nichts gedruckt.

Bitte wählen Sie einen anderen Drucker.</translation>
    </message>
</context>
<context>
    <name>tavrel::PrinterCalibration</name>
    <message>
        <location filename="../src/platform/PrinterCalibration.cpp" line="+67"/>
        <source>%1 mm, %2 mm</source>
        <translation>%1 mm, %2 mm</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Printer Calibration Sheet</source>
        <translation>Kalibrierblatt für den Drucker</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each crosshair is labelled with its distance from the left and top edges of the paper.</source>
        <translation>Jedes Fadenkreuz ist mit seinem Abstand vom linken und oberen Papierrand beschriftet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Measure where the printer put each one with a ruler, from the paper&apos;s edges.</source>
        <translation>Messen Sie mit einem Lineal vom Papierrand aus, wohin der Drucker jedes gesetzt hat.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printed too far right or too low: enter a negative X or Y offset;</source>
        <translation>Zu weit rechts oder zu tief gedruckt: geben Sie einen negativen X- oder Y-Versatz ein;</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>too far left or too high: a positive one (at most 10 mm either way).</source>
        <translation>zu weit links oder zu hoch: einen positiven (höchstens 10 mm in jede Richtung).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Far crosshairs off by more than near ones: correct the scale (98% to 102%).</source>
        <translation>Ferne Fadenkreuze weichen stärker ab als nahe: korrigieren Sie den Maßstab (98 % bis 102 %).</translation>
    </message>
</context>
<context>
    <name>tavrel::PrinterCalibrationDialog</name>
    <message>
        <location filename="../src/shell/PrinterCalibrationDialog.cpp" line="+63"/>
        <source>Printer Calibration</source>
        <translation>Druckerkalibrierung</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Print The Calibration Sheet And Measure Where Its Crosshairs Landed.
Then Enter How Far To Move The Print: Negative Figures Move It Left Or Up.</source>
        <translation>Drucken Sie das Kalibrierblatt und messen Sie, wo seine Fadenkreuze liegen.
Geben Sie dann an, wie weit der Druck verschoben werden soll: Negative Werte verschieben ihn nach links oder oben.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Printer:</source>
        <translation>&amp;Drucker:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Millimetres</source>
        <translation>&amp;Millimeter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I&amp;nches</source>
        <translation>&amp;Zoll</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Units:</source>
        <translation>Einheiten:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Move Print &amp;Right By:</source>
        <translation>Druck nach &amp;rechts verschieben um:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Print &amp;Down By:</source>
        <translation>Druck nach &amp;unten verschieben um:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Width Scale:</source>
        <translation>&amp;Breitenmaßstab:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Height Scale:</source>
        <translation>&amp;Höhenmaßstab:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>% (98 To 102)</source>
        <translation>% (98 bis 102)</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Print &amp;Calibration Sheet</source>
        <translation>&amp;Kalibrierblatt drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Rulers And Crosshairs To Measure The Printer By</source>
        <translation>Lineale und Fadenkreuze drucken, um den Drucker daran zu messen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep The Calibration Shown For This Printer</source>
        <translation>Die gezeigte Kalibrierung für diesen Drucker übernehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Change The Calibration</source>
        <translation>Die Kalibrierung nicht ändern</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No Printer Is Installed.  PDF Files Need No Calibration.</source>
        <translation>Es ist kein Drucker installiert.  PDF-Dateien brauchen keine Kalibrierung.</translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+17"/>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; Is Not A Number.  Enter A Figure Such As 1.5 Or -0.5.</source>
        <translation>„%1“ ist keine Zahl.  Geben Sie einen Wert wie 1.5 oder -0.5 ein.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Print Can Be Moved At Most 0.39 Inches Either Way.  Enter A Figure From -0.39 To 0.39.</source>
        <translation>Der Druck kann höchstens 0,39 Zoll in jede Richtung verschoben werden.  Geben Sie einen Wert von -0.39 bis 0.39 ein.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Print Can Be Moved At Most 10 mm Either Way.  Enter A Figure From -10 To 10.</source>
        <translation>Der Druck kann höchstens 10 mm in jede Richtung verschoben werden.  Geben Sie einen Wert von -10 bis 10 ein.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A Scale Must Be A Figure From 98 To 102 Percent (100 Prints At The Size Drawn).</source>
        <translation>Ein Maßstab muss ein Wert von 98 bis 102 Prozent sein (100 druckt in der gezeichneten Größe).</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The Calibration Sheet Has Been Sent To </source>
        <translation>Das Kalibrierblatt wurde gesendet an </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Calibration Sheet Was Not Printed.</source>
        <translation>Das Kalibrierblatt wurde nicht gedruckt.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The Calibration Could Not Be Saved: Error</source>
        <translation>Die Kalibrierung konnte nicht gespeichert werden: Fehler</translation>
    </message>
</context>
<context>
    <name>tavrel::QtPrinter</name>
    <message>
        <location filename="../src/platform/gui/QtPrinter.cpp" line="+177"/>
        <source>The PDF File Was Not Saved: %1
%2</source>
        <translation>Die PDF-Datei wurde nicht gespeichert: %1
%2</translation>
    </message>
</context>
<context>
    <name>tavrel::QuickFindPreferencesDialog</name>
    <message>
        <location filename="../src/shell/QuickFindPreferencesDialog.cpp" line="+20"/>
        <source>QuickFind Preferences</source>
        <translation>QuickFind-Einstellungen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Preferences For QuickFind Feature</source>
        <translation>Einstellungen für die QuickFind-Funktion</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Display Field</source>
        <translation>Angezeigtes Feld</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Address Line 1</source>
        <translation>&amp;Adresszeile 1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>A&amp;ddress Line 2</source>
        <translation>A&amp;dresszeile 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add&amp;ress Line 3</source>
        <translation>Ad&amp;resszeile 3</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Addr&amp;ess Line 4</source>
        <translation>Adr&amp;esszeile 4</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Comments</source>
        <translation>&amp;Bemerkungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First Two &amp;Telephone Numbers</source>
        <translation>Erste zwei &amp;Telefonnummern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort Sequence</source>
        <translation>Sortierreihenfolge</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Key &amp;1</source>
        <translation>Schlüssel &amp;1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Key &amp;2</source>
        <translation>Schlüssel &amp;2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Key 1 (Major) + Key 2 (Minor)</source>
        <translation>&amp;Schlüssel 1 (Haupt) + Schlüssel 2 (Neben)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ke&amp;y 2 (Major) + Key 1 (Minor)</source>
        <translation>Sch&amp;lüssel 2 (Haupt) + Schlüssel 1 (Neben)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;ID Number (No Sort)</source>
        <translation>&amp;ID-Nummer (unsortiert)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change QuickFind Preferences To Those Shown On Screen</source>
        <translation>Die QuickFind-Einstellungen wie gezeigt übernehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Change QuickFind Preferences</source>
        <translation>Die QuickFind-Einstellungen nicht ändern</translation>
    </message>
</context>
<context>
    <name>tavrel::QuickFindWindow</name>
    <message>
        <location filename="../src/shell/QuickFindWindow.cpp" line="+35"/>
        <source>Name And Address File QuickFind</source>
        <translation>QuickFind in der Namens- und Adressdatei</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The Two Parameters Below Can Be Changed </source>
        <translation>Die beiden Angaben unten lassen sich </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>From The Preferences Menu</source>
        <translation>im Menü Einstellungen ändern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sorted By:</source>
        <translation>&amp;Sortiert nach:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Field Displayed:  </source>
        <translation>Angezeigtes Feld:  </translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 List</source>
        <translation>Liste: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Display Record</source>
        <translation>Datensatz an&amp;zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display The Selected N&amp;A Record</source>
        <translation>Den gewählten N&amp;A-Datensatz anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Terminate QuickFind</source>
        <translation>QuickFind beenden</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Sort Key 1</source>
        <translation>Sortierschlüssel 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort Key 2</source>
        <translation>Sortierschlüssel 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort Key 1 + Sort Key 2</source>
        <translation>Sortierschlüssel 1 + Sortierschlüssel 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort Key 2 + Sort Key 1</source>
        <translation>Sortierschlüssel 2 + Sortierschlüssel 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ID Number</source>
        <translation>ID-Nummer</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address Line 1</source>
        <translation>Adresszeile 1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Address Line 2</source>
        <translation>Adresszeile 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Address Line 3</source>
        <translation>Adresszeile 3</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Address Line 4</source>
        <translation>Adresszeile 4</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comments</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First Two Telephone Numbers</source>
        <translation>Erste zwei Telefonnummern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The N&amp;A File Is Empty.</source>
        <translation>Die N&amp;A-Datei ist leer.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sorted By: %1</source>
        <translation>Sortiert nach: %1</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Please Select A Line.</source>
        <translation>Bitte wählen Sie eine Zeile.</translation>
    </message>
</context>
<context>
    <name>tavrel::QuickLinks</name>
    <message>
        <location filename="../src/records/QuickLinks.cpp" line="+20"/>
        <source>ID Number Is Out Of Range.  Cannot Link To Other N&amp;A Record.</source>
        <translation>Die ID-Nummer liegt außerhalb des gültigen Bereichs.  Verknüpfung mit einem anderen N&amp;A-Datensatz nicht möglich.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There Is No Active N&amp;A Record With The Link ID.  Nothing To Display.</source>
        <translation>Es gibt keinen aktiven N&amp;A-Datensatz mit der verknüpften ID.  Es gibt nichts anzuzeigen.</translation>
    </message>
</context>
<context>
    <name>tavrel::RecordAccess</name>
    <message>
        <location filename="../src/store/RecordAccess.cpp" line="+148"/>
        <source>TVL Uses The Records It Can Read.</source>
        <translation>TVL verwendet die Datensätze, die es lesen kann.</translation>
    </message>
    <message>
        <location line="-57"/>
        <source>Its Length, </source>
        <translation>Ihre Länge, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Bytes, Is Not A Whole Number Of 574-Byte Records.</source>
        <translation> Byte, ist kein ganzes Vielfaches von Datensätzen zu 574 Byte.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The Bytes After Record 1701 Are Never Read, And Are Left As They Are.</source>
        <translation>Die Bytes nach Datensatz 1701 werden nie gelesen und bleiben, wie sie sind.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It Has Added Zero Bytes To Complete The Last Record; Nothing Was Removed.</source>
        <translation>Es hat Null-Bytes angefügt, um den letzten Datensatz zu vervollständigen; es wurde nichts entfernt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It Could Not Complete The Last Record (Error </source>
        <translation>Es konnte den letzten Datensatz nicht vervollständigen (Fehler </translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Its First Record Is Not A Header Record.</source>
        <translation>Ihr erster Datensatz ist kein Kopfdatensatz.</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Its Header Gives </source>
        <translation>Ihr Kopf nennt </translation>
    </message>
    <message>
        <location line="-3"/>
        <source> As The Last Record In Use, Outside 1 To 1701.</source>
        <translation> als letzten belegten Datensatz, außerhalb von 1 bis 1701.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> As The Last Record In Use, But The File Holds </source>
        <translation> als letzten belegten Datensatz, aber die Datei enthält </translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Records.</source>
        <translation> Datensätze.</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>It Has Not Changed The First Record.</source>
        <translation>Es hat den ersten Datensatz nicht geändert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>It Has Written A Corrected Header Record.</source>
        <translation>Es hat einen berichtigten Kopfdatensatz geschrieben.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>TVL Cannot Operate Without A N&amp;A File!</source>
        <translation>TVL kann ohne N&amp;A-Datei nicht arbeiten!</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Error = </source>
        <translation>Fehler = </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In Get_NA_Rec.  Id = </source>
        <translation> in Get_NA_Rec.  Id = </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Err = </source>
        <translation>Err = </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  In Put_NA_Rec.  Id = </source>
        <translation>  in Put_NA_Rec.  Id = </translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Please Ready The Floppy Disk Drive.</source>
        <translation>Bitte machen Sie das Diskettenlaufwerk bereit.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click OK To Terminate Corvane MARK.</source>
        <translation>Klicken Sie auf OK, um Corvane MARK zu beenden.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There Is No N&amp;A File In %1.</source>
        <translation>Es gibt keine N&amp;A-Datei in %1.</translation>
    </message>
    <message>
        <source>There Is No N&amp;A File In The Current Directory.</source>
        <translation type="vanished">Im aktuellen Verzeichnis gibt es keine N&amp;A-Datei.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do You Want One Established?</source>
        <translation>Möchten Sie eine anlegen lassen?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>If You Have Just Installed Corvane MARK32, Click The Yes Button.  Otherwise, Click No Then Determine Why There Is No &apos;N&amp;A.MRK&apos; File In The Corvane MARK32 Directory.</source>
        <translation>Wenn Sie Corvane MARK32 gerade installiert haben, klicken Sie auf Ja.  Andernfalls klicken Sie auf Nein und stellen dann fest, warum im Verzeichnis von Corvane MARK32 keine Datei &apos;N&amp;A.MRK&apos; liegt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Note:  If You&apos;re New To Corvane MARK32:  After MARK32 Starts, Please Read The &apos;Getting Started&apos; Help Topic.</source>
        <translation>Hinweis:  Wenn Corvane MARK32 neu für Sie ist:  Lesen Sie nach dem Start von MARK32 bitte das Hilfethema &apos;Erste Schritte&apos;.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Click OK To Terminate TVL.</source>
        <translation>Klicken Sie auf OK, um TVL zu beenden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> At 2755.  Notify Programmer.</source>
        <translation> bei 2755.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>It Is Empty: It Holds No Header Record.</source>
        <translation>Sie ist leer: Sie enthält keinen Kopfdatensatz.</translation>
    </message>
</context>
<context>
    <name>tavrel::RecordCommands</name>
    <message>
        <location filename="../src/records/RecordCommands.cpp" line="+137"/>
        <source>Change.</source>
        <translation>ändern möchten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete.</source>
        <translation>löschen möchten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Get.</source>
        <translation>abrufen möchten.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Please Specify ID Number Of Record To </source>
        <translation>Bitte geben Sie die ID-Nummer des Datensatzes an, den Sie </translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+8"/>
        <source>Invalid ID Number.</source>
        <translation>Ungültige ID-Nummer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Highest ID Number In File Is </source>
        <translation>Die höchste ID-Nummer in der Datei ist </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>There Is No Record With ID </source>
        <translation>Es gibt keinen Datensatz mit der ID </translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Do You Really Want To Delete This Record?</source>
        <translation>Möchten Sie diesen Datensatz wirklich löschen?</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Record Deleted.  The N&amp;A File Is Now Empty.</source>
        <translation>Datensatz gelöscht.  Die N&amp;A-Datei ist jetzt leer.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Record Deleted.  Next Active Record Displayed.</source>
        <translation>Datensatz gelöscht.  Der nächste aktive Datensatz wird angezeigt.</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+67"/>
        <source>The ID Number Is Not Valid.</source>
        <translation>Die ID-Nummer ist nicht gültig.</translation>
    </message>
    <message>
        <location line="-58"/>
        <source>That Record ID Is Already In Use.</source>
        <translation>Diese Datensatz-ID ist bereits vergeben.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Record Changed.</source>
        <translation>Datensatz geändert.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The ID Number Cannot Exceed 1700.</source>
        <translation>Die ID-Nummer darf nicht größer als 1700 sein.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>That ID Is Already In Use.  Cannot Add Record.</source>
        <translation>Diese ID ist bereits vergeben.  Datensatz kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Record Added.</source>
        <translation>Datensatz hinzugefügt.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>ID Number In </source>
        <translation>Die ID-Nummer in </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Link Is Out Of Range.  Must Be Between 1 And 1700.  Will Be Deleted.</source>
        <translation> Verknüpfung liegt außerhalb des gültigen Bereichs.  Sie muss zwischen 1 und 1700 liegen.  Sie wird gelöscht.</translation>
    </message>
</context>
<context>
    <name>tavrel::RecordPickerDialog</name>
    <message>
        <location filename="../src/records/RecordPickerDialog.cpp" line="+25"/>
        <source>N&amp;A File Content</source>
        <translation>Inhalt der N&amp;A-Datei</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Copy To QuickLink</source>
        <translation>In QuickLink kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;ID Number Only</source>
        <translation>Nur &amp;ID-Nummer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID Number &amp;And Name</source>
        <translation>ID-Nummer &amp;und Name</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy The Selected Data To The QuickLink</source>
        <translation>Die gewählten Daten in den QuickLink kopieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t Copy Anything To The QuickLink</source>
        <translation>Nichts in den QuickLink kopieren</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Please Select A N&amp;A Entry Or Click Cancel.</source>
        <translation>Bitte wählen Sie einen N&amp;A-Eintrag oder klicken Sie auf Abbrechen.</translation>
    </message>
</context>
<context>
    <name>tavrel::RecordScreen</name>
    <message>
        <location filename="../src/records/RecordScreen.cpp" line="+75"/>
        <source>ID N&amp;umber</source>
        <translation>ID-N&amp;ummer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Optional ID Number - Up To 4 Digits</source>
        <translation>ID-Nummer, freiwillig - bis zu 4 Ziffern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(Optional)</source>
        <translation>(freiwillig)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Browse Controls</source>
        <translation>Blättern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ne&amp;xt</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The Record That Follows Current Record In The N&amp;A File</source>
        <translation>Den Datensatz anzeigen, der in der N&amp;A-Datei auf den aktuellen folgt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Previous</source>
        <translation>&amp;Vorheriger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The Record That Precedes The Current Record In The N&amp;A File</source>
        <translation>Den Datensatz anzeigen, der in der N&amp;A-Datei vor dem aktuellen steht</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Remove This Record From The N&amp;A File</source>
        <translation>Diesen Datensatz aus der N&amp;A-Datei entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chan&amp;ge</source>
        <translation>&amp;Ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change This N&amp;A Record To Agree With What&apos;s Shown On The Screen Now</source>
        <translation>Diesen N&amp;A-Datensatz so ändern, wie er jetzt im Fenster steht</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Return To The Main Screen</source>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;dd</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add This Record To The N&amp;A File</source>
        <translation>Diesen Datensatz zur N&amp;A-Datei hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t Add This Record To The N&amp;A File</source>
        <translation>Diesen Datensatz nicht zur N&amp;A-Datei hinzufügen</translation>
    </message>
    <message>
        <location line="+53"/>
        <source> - Screen %1 Of 2</source>
        <translation> - Seite %1 von 2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse/Change/Delete N&amp;A Records</source>
        <translation>N&amp;A-Datensätze blättern/ändern/löschen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add N&amp;A Record</source>
        <translation>N&amp;A-Datensatz hinzufügen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search Result - Matched Record</source>
        <translation>Suchergebnis - gefundener Datensatz</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>This Record Has Not Been Added To The N&amp;A File.
Discard What You Typed?</source>
        <translation>Dieser Datensatz wurde der N&amp;A-Datei nicht hinzugefügt.
Das Eingegebene verwerfen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Changes To This Record Have Not Been Stored In The N&amp;A File.
Discard Them?</source>
        <translation>Ihre Änderungen an diesem Datensatz wurden nicht in der N&amp;A-Datei gespeichert.
Verwerfen?</translation>
    </message>
</context>
<context>
    <name>tavrel::RecordScreens</name>
    <message>
        <location filename="../src/records/RecordScreens.cpp" line="+231"/>
        <source>Name And Address Copied To Windows Clipboard.</source>
        <translation>Name und Adresse in die Zwischenablage kopiert.</translation>
    </message>
</context>
<context>
    <name>tavrel::ReportDialog</name>
    <message>
        <location filename="../src/reports/ReportDialogBuild.cpp" line="+30"/>
        <source>Name And Address &amp;Book</source>
        <translation>Namens- und Adress&amp;buch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Telephone List</source>
        <translation>&amp;Telefonverzeichnis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Abbreviated Telephone List</source>
        <translation>Kurzes Tele&amp;fonverzeichnis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N&amp;&amp;A &amp;Database Listing</source>
        <translation>N&amp;&amp;A-Datenbankver&amp;zeichnis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mailing Labels</source>
        <translation>&amp;Adressetiketten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotary Fil&amp;e Cards</source>
        <translation>Kartei&amp;karten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En&amp;velopes</source>
        <translation>Umschläg&amp;e</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort On Key &amp;1</source>
        <translation>Nach Schlüssel &amp;1 sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort On Key &amp;2</source>
        <translation>Nach Schlüssel &amp;2 sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort On &amp;Key 1 (Major) + Key 2 (Minor)</source>
        <translation>Nach Schl&amp;üssel 1 (Haupt) + Schlüssel 2 (Neben) sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort On Ke&amp;y 2 (Major) + Key 1 (Minor)</source>
        <translation>Nach Sch&amp;lüssel 2 (Haupt) + Schlüssel 1 (Neben) sortieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do Not &amp;Sort Records</source>
        <translation>Datensätze nicht &amp;sortieren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1-Across Labels (1&quot; &amp;x 3 1/2&quot;)</source>
        <translation>Etiketten 1-bahnig (1&quot; &amp;x 3 1/2&quot;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Ac&amp;ross Labels (1&quot; x 4&quot;)</source>
        <translation>Etiketten 2-bahnig (1&quot; x &amp;4&quot;)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;3-Across Labels (1&quot; x 2 5/8&quot;)</source>
        <translation>Etiketten &amp;3-bahnig (1&quot; x 2 5/8&quot;)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1-A&amp;cross Card Stock</source>
        <translation>Karten 1-ba&amp;hnig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Ac&amp;ross Card Stock</source>
        <translation>Ka&amp;rten 2-bahnig</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportDialog.cpp" line="+104"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportDialogBuild.cpp" line="+17"/>
        <source>Report Type</source>
        <translation>Berichtsart</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Envelope(s)</source>
        <translation>Umschläge drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lar&amp;ge Print</source>
        <translation>&amp;Großdruck</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Produce N&amp;A Book With Large Type</source>
        <translation>N&amp;A-Buch in großer Schrift erstellen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Report Source</source>
        <translation>Quelle des Berichts</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;N&amp;&amp;A File</source>
        <translation>&amp;N&amp;&amp;A-Datei</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mailing List  &amp;File</source>
        <translation>&amp;Verteilerlistendatei</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Report Sequence</source>
        <translation>Reihenfolge des Berichts</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Report Title (Optional)</source>
        <translation>Be&amp;richtstitel (freiwillig)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Title To Print Above Report Name - Up To 60 Characters</source>
        <translation>Titel, der über dem Berichtsnamen gedruckt wird - bis zu 60 Zeichen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Label Stock</source>
        <translation>Etikettenmaterial</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rotary File Card Stock</source>
        <translation>Karteikartenmaterial</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportDialog.cpp" line="+122"/>
        <location filename="../src/reports/ReportDialogBuild.cpp" line="+5"/>
        <source>Label &amp;Quantity</source>
        <translation>Etiketten &amp;je Adresse</translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../src/reports/ReportDialogBuild.cpp" line="+6"/>
        <source>Number Of Labels Per Address</source>
        <translation>Anzahl der Etiketten je Adresse</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportDialogBuild.cpp" line="+8"/>
        <source>S&amp;elect Mailing List:</source>
        <translation>Verteilerliste w&amp;ählen:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mailing List Title:</source>
        <translation>Titel der Verteilerliste:</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+20"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Print From The Selected Mailing List</source>
        <translation>Aus der gewählten Verteilerliste drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <location line="+11"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Don&apos;t Print From A Mailing List</source>
        <translation>Nicht aus einer Verteilerliste drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D&amp;uplex (2-Side) Printing</source>
        <translation>Du&amp;plexdruck (beidseitig)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repr&amp;int Part Of A Report</source>
        <translation>Te&amp;il eines Berichts neu drucken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reprint From Page</source>
        <translation>Neu drucken ab Seite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Through Page</source>
        <translation>bis Seite</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reprint The Specified Pages</source>
        <translation>Die angegebenen Seiten neu drucken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t Do A Reprint</source>
        <translation>Keinen Neudruck ausführen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;hoose Printer:</source>
        <translation>Drucker aus&amp;wählen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previe&amp;w</source>
        <translation>Vorscha&amp;u</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>See The Pages Before They Print</source>
        <translation>Die Seiten vor dem Druck ansehen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Printing The Report</source>
        <translation>Den Druck des Berichts starten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t Print A Report</source>
        <translation>Keinen Bericht drucken</translation>
    </message>
    <message>
        <location filename="../src/reports/ReportDialog.cpp" line="+3"/>
        <source>Number Of Cards Per Address</source>
        <translation>Anzahl der Karten je Adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotary File Card &amp;Quantity</source>
        <translation>Karteikarten &amp;je Adresse</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>There Are No Mailing Lists.</source>
        <translation>Es gibt keine Verteilerlisten.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In PrtFil1.  Notify Programmer.</source>
        <translation> in PrtFil1.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please Select A Filename Or Click The Cancel Button.</source>
        <translation>Bitte wählen Sie einen Dateinamen oder klicken Sie auf Abbrechen.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Invalid Page Range.  Please Re-Enter.</source>
        <translation>Ungültiger Seitenbereich.  Bitte neu eingeben.</translation>
    </message>
    <message>
        <location line="+126"/>
        <source>1 card</source>
        <translation>1 Karte</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 cards</source>
        <translation>%1 Karten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 label</source>
        <translation>1 Etikett</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 labels</source>
        <translation>%1 Etiketten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 sheet</source>
        <translation>1 Blatt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 sheets</source>
        <translation>%1 Blätter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Report Completed.  Last Page Printed: </source>
        <translation>Bericht fertig.  Zuletzt gedruckte Seite: </translation>
    </message>
</context>
<context>
    <name>tavrel::RestoreJournal</name>
    <message>
        <location filename="../src/platform/RestoreJournal.cpp" line="+123"/>
        <location line="+6"/>
        <location line="+4"/>
        <source>The restore of </source>
        <translation>Die Wiederherstellung von </translation>
    </message>
    <message>
        <location line="-8"/>
        <source> failed half way; its undo has now been finished: the files are as they were before it.</source>
        <translation> schlug auf halbem Weg fehl; ihr Rückgängigmachen ist jetzt abgeschlossen: die Dateien sind wie vorher.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> was interrupted; it has now been completed.</source>
        <translation> wurde unterbrochen; sie ist jetzt abgeschlossen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> was interrupted before it changed anything; the files are as they were before it.</source>
        <translation> wurde unterbrochen, bevor sie etwas geändert hat; die Dateien sind wie vorher.</translation>
    </message>
</context>
<context>
    <name>tavrel::ReviseMailListWindow</name>
    <message>
        <location filename="../src/maillists/ReviseMailListWindow.cpp" line="+34"/>
        <source>Display / Revise Mailing List</source>
        <translation>Verteilerliste anzeigen / überarbeiten</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Available Lists</source>
        <translation>Vorhandene Listen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Filename</source>
        <translation>Datei&amp;name</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Up To 40 Characters Describing This Mailing List</source>
        <translation>Bis zu 40 Zeichen zur Beschreibung dieser Verteilerliste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ID Numbers Associated With Selected Mailing List</source>
        <translation>Die der gewählten Verteilerliste zugeordneten ID-Nummern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;ID Numbers Associated With Selected File</source>
        <translation>Der gewählten Datei zugeordnete &amp;ID-Nummern</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Show ID #s</source>
        <translation>ID-Nrn. &amp;zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The ID Numbers Associated With The Selected Mailing List</source>
        <translation>Die der gewählten Verteilerliste zugeordneten ID-Nummern anzeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Revise ID #s</source>
        <translation>ID-Nrn. &amp;überarbeiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change The ID Numbers Associated With The Selected Mailing List To The IDs Shown On This Screen</source>
        <translation>Die ID-Nummern der gewählten Verteilerliste in die hier gezeigten IDs ändern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Show Names</source>
        <translation>Namen &amp;zeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The Names Associated With The Selected Mailing List</source>
        <translation>Die der gewählten Verteilerliste zugeordneten Namen anzeigen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Change Title</source>
        <translation>Titel &amp;ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change The Mailing List Title To That Shown On This Screen</source>
        <translation>Den Titel der Verteilerliste in den hier gezeigten ändern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete List</source>
        <translation>Liste &amp;löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete The Selected Mailing List</source>
        <translation>Die gewählte Verteilerliste löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print List</source>
        <translation>Liste &amp;drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print A Hardcopy Report Of The Selected Mailing List Content</source>
        <translation>Einen Ausdruck des Inhalts der gewählten Verteilerliste drucken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;hoose Printer:</source>
        <translation>Drucker aus&amp;wählen:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit / Cance&amp;l</source>
        <translation>Beenden / Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel Any Pending Changes To The Selected Mailing List</source>
        <translation>Alle ausstehenden Änderungen an der gewählten Verteilerliste verwerfen</translation>
    </message>
    <message>
        <location line="+92"/>
        <location line="+53"/>
        <location line="+103"/>
        <source>Please Select A Mailing List.</source>
        <translation>Bitte wählen Sie eine Verteilerliste.</translation>
    </message>
    <message>
        <location line="-141"/>
        <location line="+105"/>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="-105"/>
        <source> In </source>
        <translation> in </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.  Notify Programmer.</source>
        <translation>.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Do You Really Want To Revise This Mailing List?</source>
        <translation>Möchten Sie diese Verteilerliste wirklich überarbeiten?</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mailing List Revised.</source>
        <translation>Verteilerliste überarbeitet.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>You Must Select A Mailing List Before Changing Its Title!</source>
        <translation>Sie müssen eine Verteilerliste wählen, bevor Sie ihren Titel ändern!</translation>
    </message>
    <message>
        <location line="+21"/>
        <source> Occurred In MailCmd4.  Notify Programmer.</source>
        <translation> trat in MailCmd4 auf.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Title Changed.</source>
        <translation>Titel geändert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You Must Select A Mailing List To Delete.</source>
        <translation>Sie müssen eine zu löschende Verteilerliste wählen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do You Really Want To Delete Mailing List </source>
        <translation>Möchten Sie die Verteilerliste wirklich löschen: </translation>
    </message>
    <message>
        <location line="+0"/>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Mailing List Deleted.</source>
        <translation>Verteilerliste gelöscht.</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Mailing List Not Printed.</source>
        <translation>Verteilerliste nicht gedruckt.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Mailing List Printed.</source>
        <translation>Verteilerliste gedruckt.</translation>
    </message>
</context>
<context>
    <name>tavrel::SearchCompleteWindow</name>
    <message>
        <location filename="../src/maillists/SearchCompleteWindow.cpp" line="+45"/>
        <source>Search Complete</source>
        <translation>Suche abgeschlossen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search Results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records Matched The Search Parameter</source>
        <translation>Datensätze entsprachen dem Suchkriterium</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records Were Added To The mailing List</source>
        <translation>Datensätze wurden zur Verteilerliste hinzugefügt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Mailing List</source>
        <translation>Verteilerliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up To Three Characters To Uniquely Identify This Mailing List File</source>
        <translation>Bis zu drei Zeichen, die diese Verteilerlistendatei eindeutig kennzeichnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Identifier</source>
        <translation>&amp;Kennung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up To 40 Characters To Describe This Mailing List</source>
        <translation>Bis zu 40 Zeichen zur Beschreibung dieser Verteilerliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Title</source>
        <translation>&amp;Titel</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save The Mailing List (If Generated)</source>
        <translation>Die Verteilerliste speichern (falls erzeugt)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do Not Save The Mailing List (If Generated)</source>
        <translation>Die Verteilerliste nicht speichern (falls erzeugt)</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Please Supply An Identifier For The Mailing List.</source>
        <translation>Bitte geben Sie eine Kennung für die Verteilerliste an.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sorry, The Specified Identifier Is Invalid.  Try Again.</source>
        <translation>Die angegebene Kennung ist leider ungültig.  Versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>A Serious Hard Disk Error Occurred.  Corvane Cannot Continue.</source>
        <translation>Ein schwerer Festplattenfehler ist aufgetreten.  Corvane kann nicht fortfahren.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error </source>
        <translation>Fehler </translation>
    </message>
    <message>
        <location line="+0"/>
        <source> In ML Process.  Extension = </source>
        <translation> im VL-Vorgang.  Erweiterung = </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.  Notify Programmer.</source>
        <translation>.  Bitte den Programmierer benachrichtigen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mailing List Written To Disk.</source>
        <translation>Verteilerliste auf den Datenträger geschrieben.</translation>
    </message>
</context>
<context>
    <name>tavrel::SearchDialog</name>
    <message>
        <location filename="../src/search/SearchDialog.cpp" line="+20"/>
        <source>&amp;Name Only (Fast Search)</source>
        <translation>&amp;Nur Name (schnelle Suche)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name &amp;And Mailing Address</source>
        <translation>Name &amp;und Postanschrift</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Telephone Numbers</source>
        <translation>&amp;Telefonnummern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Comments</source>
        <translation>&amp;Bemerkungen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort Key &amp;1</source>
        <translation>Sortierschlüssel &amp;1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort Key &amp;2</source>
        <translation>Sortierschlüssel &amp;2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;E-Mail Address</source>
        <translation>&amp;E-Mail-Adresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search All &amp;fields Listed Above</source>
        <translation>&amp;Alle oben aufgeführten Felder durchsuchen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>N&amp;A File Search</source>
        <translation>N&amp;A-Datei durchsuchen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Search &amp;Parameter</source>
        <translation>Such&amp;kriterium</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Data You Want To Locate In The N&amp;A Records - Up To 35 Characters</source>
        <translation>Daten, die Sie in den N&amp;A-Datensätzen finden möchten - bis zu 35 Zeichen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Search Fields</source>
        <translation>Suchfelder</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve Search Results In A Mailing List</source>
        <translation>Suchergebnisse in einer &amp;Verteilerliste speichern</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Display Matching Records</source>
        <translation>Gefundene Datensätze an&amp;zeigen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Ignore Accents</source>
        <translation>Akzente &amp;ignorieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find Letters With Or Without Their Accents</source>
        <translation>Buchstaben mit oder ohne ihre Akzente finden</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start The Search</source>
        <translation>Die Suche starten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t Perform A Search</source>
        <translation>Keine Suche durchführen</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Please Specify A Search Parameter.</source>
        <translation>Bitte geben Sie ein Suchkriterium an.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please Select One Or More Search Fields.</source>
        <translation>Bitte wählen Sie ein oder mehrere Suchfelder.</translation>
    </message>
</context>
<context>
    <name>tavrel::SearchProgressWindow</name>
    <message>
        <location filename="../src/search/SearchProgressWindow.cpp" line="+11"/>
        <source>Searching</source>
        <translation>Suche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TVL Is Searching.</source>
        <translation>TVL sucht.</translation>
    </message>
</context>
<context>
    <name>tavrel::SortOrderPreferenceDialog</name>
    <message>
        <location filename="../src/shell/SortOrderPreferenceDialog.cpp" line="+20"/>
        <source>N&amp;A Display Preference</source>
        <translation>Einstellung für die N&amp;A-Anzeige</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort N&amp;&amp;A File Content By:</source>
        <translation>Inhalt der N&amp;&amp;A-Datei sortieren nach:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Key &amp;1</source>
        <translation>Schlüssel &amp;1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Key &amp;2</source>
        <translation>Schlüssel &amp;2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Key 1 (Major) + Key 2 (Minor)</source>
        <translation>&amp;Schlüssel 1 (Haupt) + Schlüssel 2 (Neben)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ke&amp;y 2 (Major) + Key 1 (Minor)</source>
        <translation>Sch&amp;lüssel 2 (Haupt) + Schlüssel 1 (Neben)</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ID Number (No Sort)</source>
        <translation>ID-Nummer (unsortiert)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This Preference Is Applied When</source>
        <translation>Diese Einstellung gilt beim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Selecting A QuickLink Entry</source>
        <translation>- Auswählen eines QuickLink-Eintrags</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Selecting A Mail List Entry</source>
        <translation>- Auswählen eines Verteilerlisteneintrags</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Selecting An Envelope Address</source>
        <translation>- Auswählen einer Umschlagadresse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change The Display Preference To That Shown On This Screen</source>
        <translation>Die Anzeigeeinstellung wie gezeigt übernehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Change The Display Preference</source>
        <translation>Die Anzeigeeinstellung nicht ändern</translation>
    </message>
</context>
<context>
    <name>tavrel::Startup</name>
    <message>
        <location filename="../src/shell/Startup.cpp" line="+44"/>
        <source>Your Current Screen Resolution Is Too Low To Properly Display the Corvane Windows.  Click OK To Exit Corvane.</source>
        <translation>Ihre aktuelle Bildschirmauflösung ist zu niedrig, um die Fenster von Corvane richtig anzuzeigen.  Klicken Sie auf OK, um Corvane zu beenden.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>A Backup Copy Of The N&amp;A File Is Being Made.

Start TVL Again In A Moment.</source>
        <translation>Gerade wird eine Sicherungskopie der N&amp;A-Datei angelegt.

Starten Sie TVL gleich noch einmal.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Corvane Mark32 Is Already Running.</source>
        <translation>Corvane Mark32 läuft bereits.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TVL Cannot Make Its Lock File In The Folder
</source>
        <translation>TVL kann seine Sperrdatei nicht anlegen im Ordner
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>).

Click OK To Terminate TVL.</source>
        <translation>).

Klicken Sie auf OK, um TVL zu beenden.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The Restore Of The Copy Of </source>
        <translation>Die Wiederherstellung der Kopie vom </translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Was Interrupted.

It Has Now Been Completed: The N&amp;A File And The Mailing Lists Are Those Of The Copy.</source>
        <translation> wurde unterbrochen.

Sie ist jetzt abgeschlossen: Die N&amp;A-Datei und die Verteilerlisten sind die der Kopie.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Failed Half Way.

It Has Now Been Undone: The N&amp;A File And The Mailing Lists Are As They Were Before It.</source>
        <translation> schlug auf halbem Weg fehl.

Sie ist jetzt rückgängig gemacht: Die N&amp;A-Datei und die Verteilerlisten sind wie vor ihr.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Was Interrupted Before It Changed Anything.

The N&amp;A File And The Mailing Lists Are As They Were.</source>
        <translation> wurde unterbrochen, bevor sie etwas geändert hat.

Die N&amp;A-Datei und die Verteilerlisten sind wie vorher.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An Interrupted Restore Could Not Be Finished: Error</source>
        <translation>Eine unterbrochene Wiederherstellung konnte nicht abgeschlossen werden: Fehler</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>.

It Is Tried Again At The Next Start.  Click OK To Terminate TVL.</source>
        <translation>.

Sie wird beim nächsten Start erneut versucht.  Klicken Sie auf OK, um TVL zu beenden.</translation>
    </message>
</context>
<context>
    <name>tavrel::Statistics</name>
    <message>
        <location filename="../src/upkeep/Statistics.cpp" line="+32"/>
        <location line="+4"/>
        <source>Space Available On Your Hard Drive:  </source>
        <translation>Freier Platz auf Ihrer Festplatte:  </translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+5"/>
        <location line="+13"/>
        <location line="+10"/>
        <source> KBytes</source>
        <translation> KByte</translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Approximately </source>
        <translation>Etwa </translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Compact The N&amp;A File.</source>
        <translation> N&amp;A-Datei verdichten.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> DO NOT Compact The N&amp;A File.</source>
        <translation> N&amp;A-Datei NICHT verdichten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Active Records In File:  </source>
        <translation>Aktive Datensätze in der Datei:  </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Highest Active ID In File:  </source>
        <translation>Höchste aktive ID in der Datei:  </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Disk Space Occupied By File:  </source>
        <translation>Von der Datei belegter Speicherplatz:  </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unused Space In File:  </source>
        <translation>Ungenutzter Platz in der Datei:  </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> KBytes  (Approximately </source>
        <translation> KByte  (etwa </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compacting Would Reduce File Size By:  </source>
        <translation>Verdichten würde die Datei verkleinern um:  </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Recommendation: </source>
        <translation>Empfehlung: </translation>
    </message>
</context>
<context>
    <name>tavrel::StoredLengthValidator</name>
    <message>
        <location filename="../src/records/FieldBox.cpp" line="+88"/>
        <source>Only %1 characters fit here; the rest was left out.</source>
        <translation>Hier passen nur %1 Zeichen; der Rest wurde weggelassen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Will be stored as &quot;%1&quot;.</source>
        <translation>Wird gespeichert als „%1“.</translation>
    </message>
</context>
<context>
    <name>tavrel::SyncCommandLine</name>
    <message>
        <location filename="../src/sync/SyncCommandLine.cpp" line="+25"/>
        <source>Usage: tavrel --sync [--setup SERVER USER [BOOK]] [--confirm-deletions] [--allow-http]
                     [--proxy URL] [--trust-certificate PIN]
--setup: find the address books of USER on SERVER and keep BOOK (its name or
            address; not needed when there is only one) in step from now on
--confirm-deletions: a sync that would delete more than 20% of the records here
            or of the cards on the server (and more than 5) deletes them; without
            it such deletions are held back
--allow-http: plain http to a server other than this machine
--proxy URL: go through this proxy (http://[USER:PASSWORD@]HOST:PORT), kept with the
            account; without it the proxy of the environment (http_proxy, https_proxy)
--trust-certificate PIN: with --setup, trust the server&apos;s certificate with this pin
            (--setup tells it when no authority here signed the certificate)
The password is taken from the environment variable TAVREL_SYNC_PASSWORD.
Exit status: 0 synced; 1 failed; 2 wrong arguments or no account set up;
             3 synced, deletions held back; 4 synced, the N&amp;A file is full
</source>
        <translation>Aufruf: tavrel --sync [--setup SERVER BENUTZER [BUCH]] [--confirm-deletions] [--allow-http]
                     [--proxy URL] [--trust-certificate PIN]
--setup: die Adressbücher von BENUTZER auf SERVER suchen und BUCH (seinen Namen oder
            seine Adresse; nicht nötig, wenn es nur eines gibt) von nun an abgleichen
--confirm-deletions: eine Synchronisierung, die mehr als 20 % der Datensätze hier
            oder der Karten auf dem Server (und mehr als 5) löschen würde, löscht sie; ohne
            diese Option werden solche Löschungen zurückgehalten
--allow-http: unverschlüsseltes http zu einem anderen Server als diesem Rechner
--proxy URL: über diesen Proxy gehen (http://[BENUTZER:PASSWORT@]HOST:PORT), mit dem
            Konto gespeichert; ohne die Option der Proxy der Umgebung (http_proxy, https_proxy)
--trust-certificate PIN: mit --setup dem Zertifikat des Servers mit diesem Pin vertrauen
            (--setup nennt ihn, wenn keine Stelle hier das Zertifikat signiert hat)
Das Passwort wird der Umgebungsvariablen TAVREL_SYNC_PASSWORD entnommen.
Rückgabewert: 0 synchronisiert; 1 fehlgeschlagen; 2 falsche Argumente oder kein Konto eingerichtet;
             3 synchronisiert, Löschungen zurückgehalten; 4 synchronisiert, die N&amp;A-Datei ist voll
</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>To use that address, run the set-up again with: %1</source>
        <translation>Um diese Adresse zu verwenden, richten Sie die Synchronisierung erneut ein mit: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If this is your server&apos;s certificate, run the set-up again with: --trust-certificate %1</source>
        <translation>Wenn dies das Zertifikat Ihres Servers ist, richten Sie die Synchronisierung erneut ein mit: --trust-certificate %1</translation>
    </message>
    <message>
        <location line="+139"/>
        <source>nothing more was done.</source>
        <translation>es wurde nichts weiter getan.</translation>
    </message>
</context>
<context>
    <name>tavrel::SyncConflictDialog</name>
    <message>
        <location filename="../src/sync/SyncConflictDialog.cpp" line="+19"/>
        <source>Sync Conflict</source>
        <translation>Synchronisierungskonflikt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (ID %2) Was Changed Here And On The Server:</source>
        <translation>%1 (ID %2) wurde hier und auf dem Server geändert:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Here</source>
        <translation>Hier</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On The Server</source>
        <translation>Auf dem Server</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Fields changed on both sides</source>
        <translation>Auf beiden Seiten geänderte Felder</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep &amp;Mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep &amp;Theirs</source>
        <translation>&amp;Ihre behalten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep &amp;Both</source>
        <translation>&amp;Beide behalten</translation>
    </message>
</context>
<context>
    <name>tavrel::SyncDialog</name>
    <message>
        <location filename="../src/sync/SyncDialog.cpp" line="+51"/>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Server Address:</source>
        <translation>&amp;Serveradresse:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Address Book:</source>
        <translation>&amp;Adressbuch:</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sync At Start-Up And At E&amp;xit</source>
        <translation>Beim Start und beim B&amp;eenden synchronisieren</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Test Connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync &amp;Now</source>
        <translation>&amp;Jetzt synchronisieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+217"/>
        <source>Last Sync: </source>
        <translation>Letzte Synchronisierung: </translation>
    </message>
    <message>
        <location line="-211"/>
        <source>The password is kept in the desktop&apos;s secret store, or asked for once a session where none runs.</source>
        <translation>Das Passwort wird im Schlüsselbund der Arbeitsumgebung aufbewahrt oder, wo keiner läuft, einmal je Sitzung abgefragt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The password is known for this session.</source>
        <translation>Das Passwort ist für diese Sitzung bekannt.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The server sent the connection on to %1.
Use that address for this account?</source>
        <translation>Der Server hat die Verbindung an %1 weitergeleitet.
Diese Adresse für dieses Konto verwenden?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The certificate of %1 is not signed by an authority this computer trusts. Its fingerprint is:
%2
Trust this certificate for this account? Compare the fingerprint with the one the server&apos;s owner gives you first.</source>
        <translation>Das Zertifikat von %1 ist von keiner Stelle signiert, der dieser Computer vertraut. Sein Fingerabdruck ist:
%2
Diesem Zertifikat für dieses Konto vertrauen? Vergleichen Sie den Fingerabdruck zuerst mit dem, den Ihnen der Betreiber des Servers nennt.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Please Enter The Server Address, The User And The Password.</source>
        <translation>Bitte geben Sie die Serveradresse, den Benutzer und das Passwort ein.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The password is kept in the desktop&apos;s secret store.</source>
        <translation>Das Passwort wird im Schlüsselbund der Arbeitsumgebung aufbewahrt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No secret store runs here: the password is asked for once a session.</source>
        <translation>Hier läuft kein Schlüsselbund: das Passwort wird einmal je Sitzung abgefragt.</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+88"/>
        <source>The Sync State Could Not Be Written: Error</source>
        <translation>Der Synchronisierungsstand konnte nicht geschrieben werden: Fehler</translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Enter The Password To Sync.</source>
        <translation>Geben Sie das Passwort zum Synchronisieren ein.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Connecting...</source>
        <translation>Verbindung wird hergestellt...</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Connected. Address Books Found: %1</source>
        <translation>Verbunden. Gefundene Adressbücher: %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Please Test The Connection And Pick An Address Book.</source>
        <translation>Bitte testen Sie die Verbindung und wählen Sie ein Adressbuch.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>This Sync Would Delete %1 Records Here And %2 Cards On The Server.

Delete Them?</source>
        <translation>Diese Synchronisierung würde hier %1 Datensätze und auf dem Server %2 Karten löschen.

Sollen sie gelöscht werden?</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Syncing: %1 Of %2</source>
        <translation>Synchronisierung: %1 von %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Syncing...</source>
        <translation>Synchronisierung läuft...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Sync Stopped: Error</source>
        <translation>Die Synchronisierung wurde beendet: Fehler</translation>
    </message>
</context>
<context>
    <name>tavrel::SyncLog</name>
    <message>
        <location filename="../src/sync/SyncLog.cpp" line="+11"/>
        <source>%1 more lines of this sync were left out: the log keeps to its size.</source>
        <translation>%1 weitere Zeilen dieser Synchronisierung wurden weggelassen: das Protokoll behält seine Größe.</translation>
    </message>
</context>
<context>
    <name>tavrel::UnattendedRun</name>
    <message>
        <location filename="../src/store/UnattendedRun.cpp" line="+23"/>
        <source>A backup copy of this N&amp;A file is being made; try again in a moment.</source>
        <translation>Gerade wird eine Sicherungskopie dieser N&amp;A-Datei angelegt; versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tavrel is running on this N&amp;A file; close it first.</source>
        <translation>Tavrel läuft mit dieser N&amp;A-Datei; schließen Sie es zuerst.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There is no N&amp;A file in </source>
        <translation>Es gibt keine N&amp;A-Datei in </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file was left as it is; </source>
        <translation>Die Datei wurde gelassen, wie sie ist; </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>tavrel::Undo</name>
    <message>
        <location filename="../src/store/Undo.cpp" line="+72"/>
        <source> To ID </source>
        <translation> auf ID </translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+27"/>
        <source>Undelete Of </source>
        <translation>Wiederherstellen von </translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Create Of </source>
        <translation>Anlegen von </translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mailing List &quot;</source>
        <translation>Verteilerliste &quot;</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Records</source>
        <translation> Datensätzen</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Can&apos;t &amp;Undo After Import</source>
        <translation>Rüc&amp;kgängig nach Import nicht möglich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t &amp;Undo After Compaction</source>
        <translation>Rüc&amp;kgängig nach Verdichtung nicht möglich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t &amp;Undo After Duplicate Deletion</source>
        <translation>Rüc&amp;kgängig nach dem Löschen von Dubletten nicht möglich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t &amp;Undo After Sync</source>
        <translation>Rüc&amp;kgängig nach Synchronisierung nicht möglich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t &amp;Undo After Restore</source>
        <translation>Rüc&amp;kgängig nach Wiederherstellung nicht möglich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>Rüc&amp;kgängig</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>&amp;Undo </source>
        <translation>Rüc&amp;kgängig: </translation>
    </message>
    <message>
        <location line="+16"/>
        <source> Cannot Be Redone Now: Error</source>
        <translation> kann jetzt nicht wiederholt werden: Fehler</translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Cannot Be Redone: Record ID </source>
        <translation> kann nicht wiederholt werden: Datensatz-ID </translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Has Been Redone.</source>
        <translation> wurde wiederholt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <location line="+21"/>
        <location line="+10"/>
        <location line="+60"/>
        <location line="+37"/>
        <source>The </source>
        <translation>Das </translation>
    </message>
    <message>
        <location line="-135"/>
        <source> Reading The Mailing List File.</source>
        <translation> beim Lesen der Verteilerlistendatei.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Cannot Be Undone: File </source>
        <translation> kann nicht rückgängig gemacht werden: Datei </translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Cannot Be Redone: File </source>
        <translation> kann nicht wiederholt werden: Datei </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Mailing Lists Are Left As They Are.</source>
        <translation>Die Verteilerlisten bleiben, wie sie sind.</translation>
    </message>
    <message>
        <location line="+45"/>
        <source> Writing The Mailing List File.</source>
        <translation> beim Schreiben der Verteilerlistendatei.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo </source>
        <translation>&amp;Wiederholen: </translation>
    </message>
    <message>
        <location line="-145"/>
        <source> Cannot Be Undone Now: Error</source>
        <translation> kann jetzt nicht rückgängig gemacht werden: Fehler</translation>
    </message>
    <message>
        <location line="+62"/>
        <source> Reading The N&amp;A File.</source>
        <translation> beim Lesen der N&amp;A-Datei.</translation>
    </message>
    <message>
        <location line="-56"/>
        <source> Cannot Be Undone: Record ID </source>
        <translation> kann nicht rückgängig gemacht werden: Datensatz-ID </translation>
    </message>
    <message>
        <location line="-165"/>
        <source>Add Of </source>
        <translation>Hinzufügen von </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+8"/>
        <source>Change Of </source>
        <translation>Ändern von </translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+8"/>
        <source>Delete Of </source>
        <translation>Löschen von </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>ID </source>
        <translation>ID </translation>
    </message>
    <message>
        <location line="+165"/>
        <location line="+29"/>
        <source> Has Been Changed Since.</source>
        <translation> wurde seitdem geändert.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The N&amp;A File Is Left As It Is.</source>
        <translation>Die N&amp;A-Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <location line="-62"/>
        <source> Has Been Undone.</source>
        <translation> wurde rückgängig gemacht.</translation>
    </message>
</context>
<context>
    <name>tavrel::UpkeepCommands</name>
    <message>
        <location filename="../src/upkeep/UpkeepCommands.cpp" line="+57"/>
        <source>The Free Space Of The Program Directory </source>
        <translation>Der freie Platz im Programmverzeichnis </translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Cannot Be Determined.  Cannot Perform Compaction.</source>
        <translation> kann nicht ermittelt werden.  Verdichtung nicht möglich.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Corvane MARK32</source>
        <translation>Corvane MARK32</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>App.Path = </source>
        <translation>App.Path = </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.  Cannot Determine Drive Letter. Exiting The Statistics Feature.</source>
        <translation>.  Laufwerksbuchstabe kann nicht ermittelt werden. Die Statistikfunktion wird beendet.</translation>
    </message>
</context>
<context>
    <name>tavrel::VCard</name>
    <message>
        <location filename="../src/exchange/VCardFields.cpp" line="+381"/>
        <source>A line that is no property was left out: </source>
        <translation>Eine Zeile, die keine Eigenschaft ist, wurde ausgelassen: </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 lines that are no property were left out, the first: </source>
        <translation>%1 Zeilen, die keine Eigenschaft sind, wurden ausgelassen, die erste: </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not imported: </source>
        <translation>Nicht importiert: </translation>
    </message>
    <message>
        <location filename="../src/exchange/VCardReader.cpp" line="+193"/>
        <source>The card has no END line.</source>
        <translation>Die Karte hat keine END-Zeile.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source> is not UTF-8; it was read as Windows-1252</source>
        <translation> ist nicht UTF-8; sie wurde als Windows-1252 gelesen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file ends inside this card.</source>
        <translation>Die Datei endet innerhalb dieser Karte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file ends inside a card; that card was read as far as it goes.</source>
        <translation>Die Datei endet innerhalb einer Karte; diese Karte wurde so weit wie möglich gelesen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 lines outside any card were ignored.</source>
        <translation>%1 Zeilen außerhalb jeder Karte wurden ignoriert.</translation>
    </message>
    <message>
        <location filename="../src/exchange/ImportPlan.cpp" line="-51"/>
        <source>Birthday: </source>
        <translation>Geburtstag: </translation>
    </message>
</context>
<context>
    <name>tavrel::WelcomeDialog</name>
    <message>
        <location filename="../src/shell/WelcomeDialog.cpp" line="+18"/>
        <source>Welcome To Corvane MARK32</source>
        <translation>Willkommen bei Corvane MARK32</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Name And Address (N&amp;A) File Is Open And Available For Processing.</source>
        <translation>Die Namens- und Adressdatei (N&amp;A) ist geöffnet und bereit zur Bearbeitung.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>To Continue, Click The OK Button Then Click One Of The Buttons On The Toolbar Above Or Pull Down One Of The Menus And Select A Function.</source>
        <translation>Klicken Sie zum Fortfahren auf OK, dann auf eine der Schaltflächen in der Werkzeugleiste oben, oder öffnen Sie eines der Menüs und wählen Sie eine Funktion.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Don&apos;t Show This Message On Future Startups</source>
        <translation>Diese Meldung bei künftigen Starts nicht zeigen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
