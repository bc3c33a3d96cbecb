<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>PrintRun</name>
    <message>
        <location filename="../src/reports/ReportRun.cpp" line="+19"/>
        <source>Report Not Printed.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>

Saved As Two Files:
Odd-Numbered Pages: %1
Even-Numbered Pages: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The N&amp;A File Is Empty.  There Is Nothing To Print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Labels And Rotary File Cards Cannot Be Duplex Printed.  Duplex Option Will Be Deselected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Invalid Page Range.  Please Re-Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No Entry Chosen For This Report Is In The N&amp;A File.  There Is Nothing To Print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Test Page Not Printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Your Printer Does Not Take The 8 1/2 x 12 Inch Continuous Form.

Please Print The Labels On Cut Sheets Or Choose Another Printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Do You Want To Print A Test Page?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Wait For The Test Page To Print.
Examine The Page.

Do You Want To Print Another Test Page?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In PrtCmd1.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+131"/>
        <source>End Of Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Report Cancelled At Your Request. Throw Away Any Pages That Print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Report Completed.  Last Page Printed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The Quantity Per Address Must Be A Whole Number Of 1 Or More.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordBuilder</name>
    <message>
        <location filename="../src/exchange/ImportPlan.cpp" line="+53"/>
        <source> becomes </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+3"/>
        <source> cut to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-2"/>
        <source> characters, losing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> characters; in full in Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+42"/>
        <source> (no room in Comments)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source> left out: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> moved to Comments: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncPass</name>
    <message>
        <location filename="../src/sync/SyncPassListing.cpp" line="+69"/>
        <source>%1 cards wait on the server for room in the N&amp;A file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Not fetched, larger than the server&apos;s answers may be: %1. It stays on the server and is not deleted here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel</name>
    <message>
        <location filename="../src/platform/Ui.h" line="+50"/>
        <source>Tavrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Corvane Mark32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="+91"/>
        <source>tavrel: %1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>tavrel: %1 needs a value (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>tavrel: unexpected word %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>tavrel: %1 needs %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>tavrel: unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Try &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::AboutDialog</name>
    <message>
        <location filename="../src/shell/AboutDialog.cpp" line="+23"/>
        <source>Unable To Verify EXE Date And Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> At </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>About The Tavrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The Tavrel (TVL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Expanded Windows 95/98 Version Of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Corvane Mark32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Version 3.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Program File Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::AddDeleteNamesDialog</name>
    <message>
        <location filename="../src/maillists/AddDeleteNamesDialog.cpp" line="+18"/>
        <source>Add / Delete Names From Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply The Changes To The Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore Any Changes To The Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete The Selected Name From The Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Do You Really Want To Change The Mailing List?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Double Check!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In OKButton.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Mailing List Changed As Requested.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::AddressScreen</name>
    <message>
        <location filename="../src/records/AddressScreen.cpp" line="+36"/>
        <source>Name and Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name - Up To 35 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Address Line %1 - Up To 35 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Address Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Telephone Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>T&amp;ype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Up To 6 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Telephone Number - Up To 20 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Telephone %1 Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Telephone %1 Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show Screen &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Screen 2 Of This N&amp;A Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy N&amp;&amp;A To Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Copy The Name And Address Of The Current Record To The Windows Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::AnalyzingMessage</name>
    <message>
        <location filename="../src/upkeep/AnalyzingMessage.cpp" line="+8"/>
        <source>Corvane MARK32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analyzing The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::BackupCommandLine</name>
    <message>
        <location filename="../src/upkeep/BackupCommandLine.cpp" line="+18"/>
        <source> active records  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  DAMAGED: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>tavrel: an interrupted restore could not be finished (error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>); nothing was done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>tavrel: left alone in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> is a link, not a copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>tavrel: the backup copy </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> is not whole: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Backup copy </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> made in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tavrel: the backup copy could not be made: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Backup copies in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>, newest first:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+52"/>
        <source>tavrel: Tavrel is running on </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-49"/>
        <source>; close it first, or restore from its File menu (Backups...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Restored </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>. The state before it is kept as </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>tavrel: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> cannot be restored: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+9"/>
        <source>tavrel: the restore failed with error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source> Undoing it failed too: the N&amp;A file and the mailing lists are put right by the next start of Tavrel, which says how.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source> The N&amp;A file and the mailing lists are as they were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>usage: tavrel [--backup | --restore [NAME]]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source> and may be changing its files; no copy was made. Make it from its File menu (Backups...), or close it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>tavrel: a backup copy is being made; try the restore again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::BackupCommands</name>
    <message>
        <location filename="../src/upkeep/BackupCommands.cpp" line="+36"/>
        <source> At </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The Backup Copy (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>) Could Not Be Made: Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> In The Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  The Copy Needs </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> KBytes Of Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> KBytes Are Free.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Earlier Copies Are Unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing Has Been Changed: The N&amp;A File, The Mailing Lists And The Earlier Copies Are As They Were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Go On Without A Copy?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <location line="+9"/>
        <location line="+17"/>
        <location line="+14"/>
        <source>The Copy Of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-39"/>
        <source> Cannot Be Restored:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+17"/>
        <source> Could Not Be Restored: Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-14"/>
        <source>  Undoing The Restore Failed Too.  The Next Start Of TVL Completes Or Undoes It And Says Which.

Click OK To Terminate TVL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>  The N&amp;A File And The Mailing Lists Are As They Were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source> Has Been Restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The N&amp;A File And The Mailing Lists As They Were Are Kept In The Copy Of </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::BackupPreferencesDialog</name>
    <message>
        <location filename="../src/shell/BackupPreferencesDialog.cpp" line="+25"/>
        <source>Backup Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Backup Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep Backup Copies In This &amp;Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Choose The Backup Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A Folder On Another Disk Keeps The Copies Safe When This Disk Fails.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Take &amp;Automatic Copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>- At The First Start Of Each Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Before A Compaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Before A Duplicate Search Deletes Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Before An Import Adds Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep The Backup Preferences Shown On This Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Change The Backup Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>The Folder </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Cannot Be Made Or Written To.  Choose Another Folder For The Backup Copies.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The Backup Preferences Could Not Be Saved: Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::Backups</name>
    <message>
        <location filename="../src/upkeep/BackupSettings.cpp" line="+37"/>
        <source>First Start Of The Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before Compaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before Duplicate Deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On Request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/upkeep/Backups.cpp" line="+25"/>
        <source>Its N&amp;A File Holds No Header Record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its N&amp;A File&apos;s Length, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Bytes, Is Not A Whole Number Of 574-Byte Records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Its N&amp;A File&apos;s First Record Is Not A Header Record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+5"/>
        <source>Its N&amp;A File&apos;s Header Gives </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source> As The Last Record In Use, Outside 1 To 1701.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> As The Last Record In Use, But The File Holds </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>It Is A Link To Another Place, Not A Copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Its Name Gives No Valid Date And Time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It Holds No N&amp;A File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/upkeep/BackupRestore.cpp" line="+186"/>
        <location filename="../src/upkeep/Backups.cpp" line="+10"/>
        <source>Its File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/upkeep/Backups.cpp" line="+1"/>
        <source> Has Changed Length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Is Missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Its N&amp;A File Cannot Be Read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/upkeep/BackupRestore.cpp" line="+17"/>
        <location filename="../src/upkeep/Backups.cpp" line="+230"/>
        <source>There Is No Backup Copy Named </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-16"/>
        <source> Has Changed Since The Copy Was Taken.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::BackupsDialog</name>
    <message>
        <location filename="../src/upkeep/BackupsDialog.cpp" line="+38"/>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Backup Copies Of The N&amp;&amp;A File And Mailing &amp;Lists:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Active Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Damaged: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put The Selected Copy Back As The N&amp;A File And Mailing Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show The Backup Folder In The File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close This Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>In </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Select The Copy To Restore.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Copy Of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Is Damaged And Cannot Be Restored:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Restore The Copy Of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source> (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>)?

It Holds </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Active Record And </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Active Records And </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Mailing List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Mailing Lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>

It Replaces The N&amp;A File And All Mailing Lists.  A Copy Of Them As They Are Now Is Taken First, So The Restore Can Be Undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::CardDavClient</name>
    <message>
        <location filename="../src/sync/DavResults.cpp" line="+34"/>
        <source>The server did not accept the user name or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The server refused access to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Nothing was found at %1 on the server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The server refused the change because it conflicts with what it holds (409).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The card was changed on the server since it was last read, so it was not overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The server&apos;s storage for this account is full (507), so it stored nothing more. Make room there or ask for more space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The server reported an error of its own (%1). Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The server answered with status %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The certificate of %1 could not be verified, so nothing was sent to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The server at %1 closed the connection without a complete answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The sync was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-13"/>
        <source>The server at %1 could not be reached. Check the address and that the server is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The server&apos;s answer could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A value the server gave holds a line break or another byte a request may not carry, so the request was not sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not an http or https address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Plain http to %1 would send the password unencrypted. Use an https address, or allow plain http for this server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The certificate of %1 is not signed by an authority this computer trusts, so nothing was sent to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Its fingerprint is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The certificate of %1 is not the one trusted for this account, so nothing was sent to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The server at %1 answered so slowly that the work was stopped after %2 minutes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The server at %1 took longer than %2 minutes over one answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The server sent the request on through too many redirects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server redirected from https to an unencrypted address; the request was not sent there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The server sent the connection on to %1, another address than the one given; nothing was sent there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>The server&apos;s list of changes did not come to an end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The address book at %1 answered from %2 instead. Set up sync again with the address book&apos;s new address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-63"/>
        <source>The server&apos;s answer was larger than %1 MB and was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>The server at %1 did not answer within %2 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::ColumnMappingDialog</name>
    <message>
        <location filename="../src/exchange/ColumnMappingDialog.cpp" line="+24"/>
        <source>Map The Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The &amp;Columns Of This File Are Not Known.  Choose What Each One Holds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Columns Of This File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Import As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>(Not Imported)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Save This Mapping For Files With These Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Please Choose A Column For Name, First Name, Last Name, Display Name Or Company.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The Mapping Could Not Be Saved: Error</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Skipped: %1 (looks like a record in the file: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Skipped: %1 (does not fit the record)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+78"/>
        <source>There is no mailing list with identifier &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 could not be written: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>) Nothing was exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source> records exported to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source> Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>: the columns of this file are not known. Import it once from the File menu to map and save its columns. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Dry run: nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Run again with --no-backup to import without a backup copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The import log is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>nothing more was done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::CommandLineTable</name>
    <message>
        <location filename="../src/app/CommandLine.cpp" line="-4"/>
        <source>show this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CommandLineTable.cpp" line="+18"/>
        <source>Usage: tavrel --backup | --restore [NAME]
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::CompactDialog</name>
    <message>
        <location filename="../src/upkeep/CompactDialog.cpp" line="+15"/>
        <source>Compact N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do You Have A Current Backup Of The N&amp;A File?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If Not, Exit Corvane MARK32, Use Windows 95 Explorer To Copy  The  File  To  A  Floppy, Then Start TVL Again And Perform The Compaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Have You Checked The File Statistics To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Determine Whether You Need To Compact?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Continue Compaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue Preparing For Compaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Don&apos;t Perform A Compaction</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::CompactingMessage</name>
    <message>
        <location filename="../src/upkeep/CompactingMessage.cpp" line="+8"/>
        <source>Compacting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Compacting The N&amp;A File.  Please Wait.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::Compaction</name>
    <message>
        <location filename="../src/upkeep/Compaction.cpp" line="+142"/>
        <source>Note: ID Numbers Above </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Have Changed Due To Compaction.  Affected Reports Should Be Reprinted. Mailing Lists May Need To Be Regenerated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Compaction Complete.  The N&amp;A File Now Has </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Active Records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remember To Do Periodic Backups Of This File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A QuickLink In The N&amp;A File Names An ID Outside 1 To 1700.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In CompactForm. r = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  The N&amp;A File Is Unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The Disk Is Too Full: Room Is Needed For The Compacted File And For The Backup Copy Taken Before It (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The Disk Is Too Full For The Compacted File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Space Available On Your Hard Drive:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> KBytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>. Compacting The N&amp;A File Requires </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Bytes Of Free Disk Space.  Cannot Perform Compaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>  Nothing Was Changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::CompactionWarningDialog</name>
    <message>
        <location filename="../src/upkeep/CompactionWarningDialog.cpp" line="+16"/>
        <source>Compaction Warning!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Compacting The N&amp;A File May Result In The Reassignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Of Some ID Numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>This could have two effects:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Existing Reports May Reflect The Wrong ID Number For </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Some N&amp;A Entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Existing Mailing Lists May Be Invalidated Due To The Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>In ID Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>After Compaction You May Need To Reprint Reports And</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regenerate Mailing Lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Do You Still Want To Compact The N&amp;A File?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Compacting The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Don&apos;t Compact The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::CreateByNameDialog</name>
    <message>
        <location filename="../src/maillists/CreateByNameDialog.cpp" line="+12"/>
        <source>Create Mailing List By Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue Preparing The Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ignore Any Names Added To The Right Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remove The Selected Name From The Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>When You Get To The Next Screen Remember To
   1. Enter A Mailing List Identifier
   2. Enter A Mailing List Title (Optional) 
   3. Click The &apos;Create&apos; Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You Didn&apos;t Specify Any Names For The Mailing List.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::CreateMailListWindow</name>
    <message>
        <location filename="../src/maillists/CreateMailListWindow.cpp" line="+38"/>
        <source>Create New Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>New Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ID Numbers For New Mailing List - Up To 4 Digits Each, Separated By Spaces Or Commas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up To Three Characters To Uniquely Identify This Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Up To 40 Characters To Describe This Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;ID Numbers For New Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ML &amp;ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mailing List &amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Existing Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title Of Selected Existing Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>To Use Names, Click Button Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Screen From Which To Select Names For The Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Create</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Generate The Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Generate A Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <location line="+78"/>
        <source>Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-77"/>
        <source> In CreateFil1.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Sorry, The Specified Identifier Is Invalid.  Try Again.

Refer To Help Topic &apos;Creating A Mailing List&apos; For Information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Please Supply An Identifier For The Mailing List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Punctuation Characters Are Not Permitted In An Identifier.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Cannot Create A Mailing List With No Entries!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source> In CreateCmd1.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mailing List Created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::Csv</name>
    <message>
        <location filename="../src/exchange/CsvFormat.cpp" line="+133"/>
        <source>The file is not UTF-8; it was read as Windows-1252.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 %3 not UTF-8; %4 read as Windows-1252.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>they were</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+112"/>
        <source>The file ends inside a quoted field; the last row was read as far as it goes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/CsvMapping.cpp" line="+368"/>
        <source> address put in Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The row has %1 cells more than the header; they were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Line %1 of the file is not UTF-8; it was read as Windows-1252</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Not imported: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>(column %1, no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Column %1 not imported: %2 had a value in it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>1 row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Columns not imported, empty in every row: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DeletedList</name>
    <message>
        <location filename="../src/dups/DeletedList.cpp" line="+41"/>
        <source>Duplicate Records Deleted From The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Report Not Printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Report Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Deleted Records Have Been Undeleted At Your Request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>No Records Were Deleted Or All Deleted Records Have Been Undeleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DeletedListDialog</name>
    <message>
        <location filename="../src/dups/DeletedListDialog.cpp" line="+13"/>
        <source>Duplicate Records Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DetailScreen</name>
    <message>
        <location filename="../src/records/DetailScreen.cpp" line="+35"/>
        <source>Sort Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Key &amp;%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort Key %1 - Up To 16 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;E-Mail Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E-Mail Address - Up To 35 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;omments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Comments - Up To 100 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>QuickLinks &amp;To Other N&amp;&amp;A Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>D&amp;isplay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Di&amp;splay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Displ&amp;ay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Displa&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>QuickLink Previous Record ID - Up To 4 Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QuickLink ID - Up To 4 Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>QuickLink Previous Record ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QuickLink %1 ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Go Bac&amp;k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The Preceding Record In The QuickLink Chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The N&amp;A Record Identified At Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display QuickLink %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previous Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Description Of Other N&amp;A Record - Up To 20 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>QuickLink %1 Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show S&amp;creen 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Screen 1 Of This N&amp;A Record</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DialogBoxPreferencesDialog</name>
    <message>
        <location filename="../src/shell/DialogBoxPreferencesDialog.cpp" line="+19"/>
        <source>Dialog Box Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Show &apos;N&amp;&amp;A File Open ...&apos; Dialog Box At Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DiskSpace</name>
    <message>
        <location filename="../src/upkeep/DiskSpace.cpp" line="+44"/>
        <source>GetDiskFreeSpace Function Failed. Last Error = </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DupCompleteDialog</name>
    <message>
        <location filename="../src/dups/DupCompleteDialog.cpp" line="+19"/>
        <source>Duplicate Deletion Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Duplicate Records Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Duplicate Records Were Deleted From The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Display A List Of Duplicate Records Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print A List Of Duplicate Records Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Undelete All Records That Were Just Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Perform Selected &amp;Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Return To Main Screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DupPairDialog</name>
    <message>
        <location filename="../src/dups/DupPairDialog.cpp" line="+46"/>
        <source>ID Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Duplicate Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>This Record Will Be Deleted If </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>You Click The Yes Button Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Delete Duplicate Record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You Click The &lt;u&gt;Y&lt;/u&gt;es Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete The Duplicate N&amp;A Record And Continue The Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue The Search For Other Duplicate Records But Don&apos;t Delete The Displayed Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Stop Searching For Duplicate N&amp;A Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Stop Displaying Duplicate Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue The Search Without Displaying Any More Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Do You Want To Undelete The Records Just Deleted?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>For The Remainder Of The N&amp;A File, Corvane MARK Will Delete Duplicate Records Without Displaying Them.

Is This What You Want?

Note:  You Can Later Display/Print A List Of Deleted Records And/Or Undelete Them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DupProgressWindow</name>
    <message>
        <location filename="../src/dups/DupProgressWindow.cpp" line="+14"/>
        <source>Duplicate Record Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Corvane MARK Is Searching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>For Duplicate Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Terminate The Search For Duplicate N&amp;A Records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DupSearch</name>
    <message>
        <location filename="../src/dups/DupSearch.cpp" line="+107"/>
        <source>Do You Want To Undelete The </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Records Already Deleted?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Records Undeleted.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate Search Terminated At Your Request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Internal Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.  ID = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Ptr = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Name = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>. Record This Info And Notify The Software Author.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>No Records Were Deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Error: DelDupRecSw = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Operation Complete.  No Duplicates Were Found Or You Chose Not To Delete Duplicates That Were Found.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::DupSearchDialog</name>
    <message>
        <location filename="../src/dups/DupSearchDialog.cpp" line="+18"/>
        <source>Delete Duplicate Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplicate &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Duplicate &amp;Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Name AND &amp;Duplicate Address (Both Must Match)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Nam&amp;e OR Duplicate Address (Either Can Match)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Look For (Match On)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dis&amp;play Duplicate Records Before Deleting Them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Searching For Duplicate Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Don&apos;t Search For Duplicate Records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopeDialog</name>
    <message>
        <location filename="../src/envelopes/EnvelopeDialog.cpp" line="+112"/>
        <source>Print Envelopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/envelopes/EnvelopeDialogBuild.cpp" line="+87"/>
        <source>Enter Address From &amp;Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use &amp;Existing Entry In N&amp;&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No Return Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter &amp;Single Address From Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get Addresses From A &amp;Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Use Existing Single Entry In N&amp;&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Use All Entries &amp;In N&amp;&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No &quot;To&quot; A&amp;ddress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Commercial #10 (4 1/8&quot; x 9 1/2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>M&amp;onarch (3 7/8&quot; x 7 1/2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pe&amp;rsonal (3 5/8&quot; x 6 1/2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DL (110mm x &amp;220mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;6 (114mm x 162mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>B&amp;5 (176mm x 250mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C5 (162mm x 22&amp;9mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>L&amp;andscape (envelope turned sideways)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Por&amp;trait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Key 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Key 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Key 1 (Major) + Key 2 (Minor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Key 2 (Major) + Key 1 (Minor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Do Not Sort</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Return Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mailing (&quot;To&quot;) Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Envelope Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Envelope Orientation (Feed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort Mailing Address Data By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <location line="+17"/>
        <location line="+2"/>
        <location line="+11"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-54"/>
        <source>Print Return Address In Italics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Return Address In UPPERCASE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Mailin&amp;g Address In Italics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Mailing Address In UPPERCASE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Quick Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Envelope Address Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+17"/>
        <location line="+2"/>
        <location line="+11"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-21"/>
        <source>N&amp;A Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Above Information Is Sorted According To The &apos;N&amp;A Display&apos; Option On The &apos;Preferences&apos; Menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Mailing Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mailing List Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Number Of En&amp;velopes To Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>For Each &quot;To&quot; Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;hoose Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Previe&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>See The Envelopes Before They Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/envelopes/EnvelopeDialog.cpp" line="+103"/>
        <source>Please Enter Return Address Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Enter Mailing Address Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Select The Return Address Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Select The &apos;Mail To&apos; Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Please Select The Desired Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+90"/>
        <source>You Cannot Specify &apos;No Return Address&apos; And &apos;No To Address&apos; Simultaneously.

These Options Are Being Reset. Please Reselect Addressing Options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Please Complete The Mailing Address Or Choose Another Mailing Address Option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Please Complete The Return Address Or Choose Another Return Address Option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>There Are No Mailing Lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Error In EnvOpt3_Click.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unexpected Error In Envelope Size Verification Routine.  Err = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.  Program Terminating.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Your Printer Does Not Support The Specified Envelope Size.

 Please Refer To Your Printer Documentation Then Select A Different Envelope Size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Please Select A Name For Return Address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Select A Name For Mailing Address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In File1_Click.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Please Select A Mailing List Or Click The Cancel Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+78"/>
        <source>Envelope Printing Completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Envelopes Not Printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopeHelpDialog</name>
    <message>
        <location filename="../src/envelopes/EnvelopeHelpDialog.cpp" line="+14"/>
        <source>Quick Help - How To Print Envelopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1.  Choose a &apos;Return Address&apos; Option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.  Choose a &apos;Mailing (&quot;To&quot;) Address&apos; Option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.  Choose The Envelope Size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4.  Choose The Envelope Orientation (Feed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5.  Enter The Number Of Envelopes To Print For Each &quot;To&quot; Address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>6.  Choose Italics Or UPPERCASE For Either Address If Desired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7.  Click The Print Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopeProgressWindow</name>
    <message>
        <location filename="../src/envelopes/EnvelopeProgressWindow.cpp" line="+18"/>
        <source>Envelope Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+42"/>
        <source>Preparing Envelopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-41"/>
        <source>Number Prepared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>To Cancel This Operation, Click Button Below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopeRun</name>
    <message>
        <location filename="../src/envelopes/EnvelopeRun.cpp" line="+123"/>
        <source>Do You Want To Print A Test Envelope?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Wait For Test Envelope To Print.

Do You Want To Print Another Test Envelope?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error In Select Case Of EnvCheckResult:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+62"/>
        <source>The Number Of Envelopes To Print Must Be A Number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Number Of Envelopes To Print Cannot Be More Than 32767.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please Select A &apos;Return Address&apos; Option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please Select A &apos;Mailing Address&apos; Option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Please Select A Mailing List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> In EnvPrintButton_Click.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The N&amp;A File Or The Selected Mailing List Is Empty. Nothing To Print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Envelopes Not Printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Envelope Printing Terminated At Your Request.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Envelope Printing Completed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::EnvelopeWaitWindow</name>
    <message>
        <location filename="../src/envelopes/EnvelopeWaitWindow.cpp" line="+6"/>
        <source>Please Wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Processing Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::Errors</name>
    <message>
        <location filename="../src/platform/Errors.cpp" line="+57"/>
        <source>A File Was Not Found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Disk Reported A Read Or Write Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A File Or Folder Of That Name Is In The Way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The Disk Is Full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A File Name Was Refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writing Was Refused: The Folder Or File Is Read-Only Or Belongs To Another User.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Disk Is Not Ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A File Or Folder Could Not Be Reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>A Folder Was Not Found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The System Reported Error </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::ExportDialog</name>
    <message>
        <location filename="../src/exchange/ExportDialog.cpp" line="+31"/>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>vCard &amp;3.0 (Phones, Mail Programs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vCard &amp;4.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;CSV With Every Field Of The Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV For &amp;Other Address Books (Outlook Columns)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Whole N&amp;&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mailing List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>UTF-8 With Byte Order Mark (For Spreadsheets)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Windows-1252</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Separator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>For Spreadsheets: Keep Numbers And Formulas As &amp;Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cells Such As 0611 123 Or =Total Stay Text When A Spreadsheet Opens The File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose The File To Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>E&amp;xport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Write The File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close Without Exporting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Export To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>vCard Files (*.vcf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CSV Files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please Enter The Name Of The File To Export To.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Exists Already.

Do You Want To Replace It?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The File Could Not Be Written: Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.
Nothing Was Exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Records Exported To </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::FilterBox</name>
    <message>
        <location filename="../src/store/gui/LineList.cpp" line="+119"/>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::FindWords</name>
    <message>
        <location filename="../src/store/FindWords.cpp" line="+55"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Address Line 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort Key 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort Key 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E-Mail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Telephone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::FormPositionDialog</name>
    <message>
        <location filename="../src/reports/FormPositionDialog.cpp" line="+20"/>
        <source>&amp;Move Data UP 1/4 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data &amp;UP 3/16 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mo&amp;ve Data UP 1/8 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mov&amp;e Data UP 1/16 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Standard Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move &amp;Data DOWN 1/16 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move D&amp;ata DOWN 1/8 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Da&amp;ta DOWN 3/16 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data DO&amp;WN 1/4 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sta&amp;ndard Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data &amp;RIGHT 1/16 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data R&amp;IGHT 1/8 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data RI&amp;GHT 3/16 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data RIG&amp;HT 1/4 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data RIGHT &amp;5/16 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Data RIGHT &amp;3/8 Inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Form Positioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Select The Desired Vertical And Horizontal Position For Your Labels Or Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Vertical Positioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Horizontal Positioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Print Label Data In Italics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print La&amp;bel Data In UPPERCASE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apply The Selected Positioning Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Change The Current Positioning Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>&amp;First Free Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;First Free Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click The First Card Not Yet Used On The Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Click The First Label Not Yet Used On The Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Start At Card &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start At Label &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start With A Whole New Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Start At Card %1 Of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start At Label %1 Of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::HelpWindow</name>
    <message>
        <location filename="../src/platform/gui/HelpWindow.cpp" line="+68"/>
        <source>Corvane MARK32 Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Type the first few letters of the word you are looking for:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>&amp;Type words to find the topics that contain them all:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+85"/>
        <source>The help topics cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+110"/>
        <source>No topic contains all of these words.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::Import</name>
    <message>
        <location filename="../src/exchange/ImportRead.cpp" line="+110"/>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The file is UTF-16 (%1) without a byte-order mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-49"/>
        <source>The file holds no card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+56"/>
        <source>This file is not a card file or a CSV file (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-43"/>
        <source>The file is neither a vCard file nor a CSV file with a header and at least one row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-37"/>
        <source>The file holds %1 entries; only the first %2 are read, as the N&amp;A file holds no more than %3 records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+123"/>
        <location line="+16"/>
        <source>The file cannot be read (error%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-9"/>
        <source>The file is too large to import (more than 64 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/ImportPlan.cpp" line="-16"/>
        <source>1 control character removed (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 control characters removed (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+187"/>
        <source>Telephone %1 written without its blanks and signs to fit: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source> shortened to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+81"/>
        <source>same Name as ID %1, and no address, e-mail or telephone to tell them apart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/ImportRun.cpp" line="+27"/>
        <source>move overflow into Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>cut and log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>skip the record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>File: %1 (%2), %3 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+80"/>
        <source>Fields that do not fit: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-72"/>
        <source>Entry %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>    Looks like a record in the file (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>add anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 of %2 entries would be imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Import of %1 (%2) on %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>: looks like a record in the file (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>: does not fit the record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>: no free ID left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <source>Nothing Was Imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The Disk Is Full: The Import Needs About %1 KBytes Of Free Space, And %2 KBytes Are Free.
Nothing Was Imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>QuickLink %1 to ID %2 cleared: that record was not imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Previous record ID %1 cleared: that record was not imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>ID %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Mailing list %1 (%2): %3 added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No mailing list is titled %1; %2 records carried that title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Not imported: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Not imported: the %1 entries after the first %2 of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The N&amp;A File Is Full: It Holds 1700 Records.
%1 Records Were Imported, %2 Were Not.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 Records Imported, %2 Not Imported.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::ImportDialog</name>
    <message>
        <location filename="../src/exchange/ImportDialog.cpp" line="+32"/>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Choose The File To Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Read The File And Show What Would Be Imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No File Read Yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Entries (Checked Ones Are Imported):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>What Happens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Details Of The Selected Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Fields That Do Not Fit The Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Move Overflow Into Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>C&amp;ut And Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Skip The Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Write The Checked Entries Into The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Close Without Importing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Import From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>vCard And CSV Files (*.vcf *.vcard *.csv *.txt);;All Files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Please Enter The Name Of The File To Import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>
Nothing Was Imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+41"/>
        <source>Looks like a record in the file (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-39"/>
        <source>Does not fit: skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Does not fit: see below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Characters replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Notes: see below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source> (</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Entries, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Need A Look, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> To Import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>): check it to add it anyway.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Imported as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Import </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Records Into The N&amp;A File?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The Records Were Imported, But The Import Log Or A Mailing List Could Not Be Written: Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>

The Import Log Is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source> Beside The N&amp;A File.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::InstanceLock</name>
    <message>
        <location filename="../src/platform/InstanceLock.cpp" line="+39"/>
        <source>There is no space left on the disk that holds the program directory, not even for the lock file; nothing was done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The program directory does not take the lock file; nothing was done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::LabelLayouts</name>
    <message>
        <location filename="../src/reports/LabelLayouts.cpp" line="+81"/>
        <source>ID# </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+299"/>
        <source>Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>At This Position The First Row Of %1 Would Start Above The Top Of The Page And Would Not Print Whole.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>At This Position The Last Row Of %1 Would Run Past The Foot Of The Page And Would Not Print Whole.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>

Click OK To Choose Another Position, Or Cancel To Stop Printing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::LabelStockDialog</name>
    <message>
        <location filename="../src/reports/LabelStockDialog.cpp" line="+37"/>
        <source>Label Stock Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Form Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cut &amp;Sheets (8 Labels/Sheet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Laser, Inkjet, Other Non-Impact Printers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Continuous Forms (12 Labels/Sheet)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dot Matrix, Other Impact Printers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A4 Sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Print &amp;Reports On A4 Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print The Book, Lists And Listing On A4 Paper Rather Than Letter Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refer To &quot;About Printing&quot; In TVL Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Continue Preparing The Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/LabelLayouts.cpp" line="-286"/>
        <source>A4, 3 x &amp;7 Labels, 63.5 x 38.1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4, &amp;2 x 7 Labels, 99.1 x 38.1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4, &amp;3 x 8 Labels, 70 x 36 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4, 2 x &amp;8 Labels, 99.1 x 33.9 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4, 3 x 8 Labels, &amp;63.5 x 33.9 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A4, 2 x &amp;4 Labels, 99.1 x 67.7 mm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::Launch</name>
    <message>
        <location filename="../src/app/Launch.cpp" line="+29"/>
        <source>tavrel: unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>tavrel: one file at a time, not %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+84"/>
        <source>tavrel: the windows need a graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set); without one, use --print, --envelopes, --export, --import, --backup, --restore or --sync (tavrel --help lists them).</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>
The N&amp;A file is in $TAVREL_HOME when set, else beside the program when one lies
there, else in $XDG_DATA_HOME/tavrel (~/.local/share/tavrel).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Each form&apos;s options: tavrel --VERB --help (tavrel --print --help, ...).
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::ListLayouts</name>
    <message>
        <location filename="../src/reports/ListLayouts.cpp" line="+106"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <location line="+12"/>
        <location line="+9"/>
        <source>Telephone Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+9"/>
        <location line="+12"/>
        <location line="+9"/>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+11"/>
        <location line="+10"/>
        <location line="+9"/>
        <source>ID Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-25"/>
        <location line="+12"/>
        <location line="+9"/>
        <source>Name And Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-20"/>
        <location line="+12"/>
        <location line="+9"/>
        <source>E-Mail Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Sort Keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VizeRuzad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+38"/>
        <source>ID=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source>LinkId </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Abbreviated Telephone List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Telephone List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Database Listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+6"/>
        <source>Name And Address Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+83"/>
        <source>Produced By Corvane MARK32</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::MailListFile</name>
    <message>
        <location filename="../src/maillists/MailListFile.cpp" line="+233"/>
        <source>There Is Already A Mailing List File
With Identifier &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&apos;.

Do You Want To Replace It?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::MailListPrint</name>
    <message>
        <location filename="../src/maillists/MailListPrint.cpp" line="+24"/>
        <source>  ** ID Not Active **</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Mailing List Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Mailing List  &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&apos;  With Title  &apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Print Cancelled At Your Request. Throw Away Any Pages That Print.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::MainWindow</name>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+85"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Mail List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cr&amp;eate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rev&amp;ise/Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;N&amp;&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Add Single Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Multiple &amp;Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Get Record &amp;By ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chan&amp;ge Record By ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Delete Record By ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Compac&amp;t File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;QuickFind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find Dup&amp;licate Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E&amp;nvelope Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+30"/>
        <source>&amp;Backups...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-28"/>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Expor&amp;t...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>S&amp;ync...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>N&amp;&amp;A Displa&amp;y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Q&amp;uickFind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Show Dialog Boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Printer &amp;Calibration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Contents ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;About The Tavrel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindowToolBar.cpp" line="+32"/>
        <source>Add One New N&amp;A Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add One Or More New N&amp;A Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print A Report Using N&amp;A Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quickly Locate A Desired N&amp;A Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search N&amp;A File For Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print Envelopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Get Info About Corvane MARK 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Invoke The Corvane MARK32 Help System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Create A New Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Change An Existing Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display Contents Of An Existing Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Name And Address File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>About    Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mailing List Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Press F1 For Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/shell/MainWindow.cpp" line="+167"/>
        <source>There Are No Duplicate Records In The N&amp;A File.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::MatchListWindow</name>
    <message>
        <location filename="../src/search/MatchListWindow.cpp" line="+16"/>
        <source>Record Matches Search Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Add To ML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add This Record To The Mailing List And Continue Searching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Other Screen Of The Current N&amp;A Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Terminate The Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Don&apos;t Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Continue The Search But Don&apos;t Add This Record To The Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy N&amp;&amp;A To Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Continue Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::MatchViewWindow</name>
    <message>
        <location filename="../src/search/MatchViewWindow.cpp" line="+13"/>
        <source>Record  Matches Search Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Continue The Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display Other Screen Of The Current N&amp;A Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;End Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Terminate The Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy N&amp;&amp;A To Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::MatchWindow</name>
    <message>
        <location filename="../src/search/MatchWindow.cpp" line="+38"/>
        <source>&amp;Screen 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Screen 2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::NameList</name>
    <message>
        <location filename="../src/store/NameList.cpp" line="+114"/>
        <source>The N&amp;A File Is Empty.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::NamePicker</name>
    <message>
        <location filename="../src/maillists/NamePicker.cpp" line="+53"/>
        <source>Name And Address (N&amp;&amp;A) File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--&gt; &amp;Add To ML --&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add The Selected Name To The Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Delete From ML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Mailing List (ML) File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Add A Name To ML:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+9"/>
        <source>1. Click On The Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-7"/>
        <source>In The N&amp;&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2. Click The Add Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Delete A Name From ML:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>In The Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>2. Click The Delete Button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+60"/>
        <source>No Name Selected For Adding To Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No Name Selected For Deletion</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::OutputFile</name>
    <message>
        <location filename="../src/platform/OutputFile.cpp" line="+241"/>
        <source>It Is A Folder, Not A File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>It Is A Disk Device; Only Files, Pipes And Character Devices Are Written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It Was Replaced By Something Else While It Was Opened.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::OverflowQuestion</name>
    <message>
        <location filename="../src/records/OverflowQuestion.cpp" line="+42"/>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Address Line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Telephone %1 Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Telephone %1 Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sort Key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>E-Mail Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>QuickLink %1 Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>These boxes hold more than their fields can store:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: only %2 characters fit; %3 would be lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Comments has no room for %1; moving the rest would still lose it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Keep the cut text, move the rest to Comments, or go back to the screen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Go Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Keep Cut Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Move Rest To Comments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::PreparingReportMessage</name>
    <message>
        <location filename="../src/reports/PreparingReportMessage.cpp" line="+12"/>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+23"/>
        <source>TVL Is Preparing The Report.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::PreviewWindow</name>
    <message>
        <location filename="../src/platform/gui/PreviewWindow.cpp" line="+31"/>
        <source>Fit Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fit Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>75%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>150%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+199"/>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>First Page (Home)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;revious</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Previous Page (Page Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Next Page (Page Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Last Page (End)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Zoom In Or Out (Ctrl+Plus, Ctrl+Minus; Ctrl+0 Fits The Page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print These Pages On The Chosen Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close The Preview Without Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+107"/>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No pages</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+81"/>
        <source>tavrel: --print does not take &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+137"/>
        <source>tavrel: --envelopes does not take &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+35"/>
        <source>There is no mailing list %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+48"/>
        <source>Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-41"/>
        <location line="+48"/>
        <source>1 record, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-47"/>
        <location line="+48"/>
        <source>%1 records, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-45"/>
        <source>1 envelope printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 envelopes printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>No record has an ID from %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>1 page printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 pages printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>The PDF file cannot be written in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>There is no printer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The PDF file could not be written: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Saved as </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::PrintProgressWindow</name>
    <message>
        <location filename="../src/reports/PrintProgressWindow.cpp" line="+17"/>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+49"/>
        <source>To Stop Printing, Click Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-48"/>
        <source>Last Page Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Report Completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last Page Printed:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::PrintSending</name>
    <message>
        <location filename="../src/platform/gui/PrintSending.cpp" line="+20"/>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+94"/>
        <source>Sending to printer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-88"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>The Print System Has Not Taken The Document In %1 Seconds.
Click Cancel To Stop Sending It.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+59"/>
        <source>The Print Command Did Not Start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+51"/>
        <source>The Print Command Ended With Error %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::PrintWaitMessage</name>
    <message>
        <location filename="../src/maillists/PrintWaitMessage.cpp" line="+16"/>
        <source>The Mailing List Is Being Prepared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please Wait.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop Preparing The Mailing List Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::PrinterBox</name>
    <message>
        <location filename="../src/platform/gui/PrinterBox.cpp" line="+47"/>
        <source>The Printer To Print On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Default Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>PDF file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+54"/>
        <location line="+8"/>
        <source>Print To PDF File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <source>PDF Files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Already Exists.

Do You Want To Replace It?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>The Printer %1 Is No Longer Installed.  Nothing Was Printed.

Please Choose Another Printer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::PrinterCalibration</name>
    <message>
        <location filename="../src/platform/PrinterCalibration.cpp" line="+67"/>
        <source>%1 mm, %2 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+89"/>
        <source>Printer Calibration Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Each crosshair is labelled with its distance from the left and top edges of the paper.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Measure where the printer put each one with a ruler, from the paper&apos;s edges.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Printed too far right or too low: enter a negative X or Y offset;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>too far left or too high: a positive one (at most 10 mm either way).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Far crosshairs off by more than near ones: correct the scale (98% to 102%).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::PrinterCalibrationDialog</name>
    <message>
        <location filename="../src/shell/PrinterCalibrationDialog.cpp" line="+63"/>
        <source>Printer Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Print The Calibration Sheet And Measure Where Its Crosshairs Landed.
Then Enter How Far To Move The Print: Negative Figures Move It Left Or Up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Millimetres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I&amp;nches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Units:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Move Print &amp;Right By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Print &amp;Down By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Width Scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Height Scale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>% (98 To 102)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Print &amp;Calibration Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Rulers And Crosshairs To Measure The Printer By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep The Calibration Shown For This Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Change The Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No Printer Is Installed.  PDF Files Need No Calibration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+33"/>
        <location line="+17"/>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>&quot;%1&quot; Is Not A Number.  Enter A Figure Such As 1.5 Or -0.5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The Print Can Be Moved At Most 0.39 Inches Either Way.  Enter A Figure From -0.39 To 0.39.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Print Can Be Moved At Most 10 mm Either Way.  Enter A Figure From -10 To 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>A Scale Must Be A Figure From 98 To 102 Percent (100 Prints At The Size Drawn).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The Calibration Sheet Has Been Sent To </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The Calibration Sheet Was Not Printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The Calibration Could Not Be Saved: Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::QtPrinter</name>
    <message>
        <location filename="../src/platform/gui/QtPrinter.cpp" line="+177"/>
        <source>The PDF File Was Not Saved: %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::QuickFindPreferencesDialog</name>
    <message>
        <location filename="../src/shell/QuickFindPreferencesDialog.cpp" line="+20"/>
        <source>QuickFind Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Preferences For QuickFind Feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Display Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Address Line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>A&amp;ddress Line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add&amp;ress Line 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Addr&amp;ess Line 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>First Two &amp;Telephone Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sort Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Key &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Key &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Key 1 (Major) + Key 2 (Minor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ke&amp;y 2 (Major) + Key 1 (Minor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;ID Number (No Sort)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change QuickFind Preferences To Those Shown On Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Change QuickFind Preferences</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::QuickFindWindow</name>
    <message>
        <location filename="../src/shell/QuickFindWindow.cpp" line="+35"/>
        <source>Name And Address File QuickFind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The Two Parameters Below Can Be Changed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>From The Preferences Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sorted By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Field Displayed:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>%1 List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Display Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display The Selected N&amp;A Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Terminate QuickFind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Sort Key 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort Key 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort Key 1 + Sort Key 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sort Key 2 + Sort Key 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ID Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Address Line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Address Line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Address Line 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Address Line 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>First Two Telephone Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The N&amp;A File Is Empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Sorted By: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Please Select A Line.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::QuickLinks</name>
    <message>
        <location filename="../src/records/QuickLinks.cpp" line="+20"/>
        <source>ID Number Is Out Of Range.  Cannot Link To Other N&amp;A Record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There Is No Active N&amp;A Record With The Link ID.  Nothing To Display.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::RecordAccess</name>
    <message>
        <location filename="../src/store/RecordAccess.cpp" line="+148"/>
        <source>TVL Uses The Records It Can Read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-57"/>
        <source>Its Length, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Bytes, Is Not A Whole Number Of 574-Byte Records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>The Bytes After Record 1701 Are Never Read, And Are Left As They Are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>It Has Added Zero Bytes To Complete The Last Record; Nothing Was Removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>It Could Not Complete The Last Record (Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-32"/>
        <source>Its First Record Is Not A Header Record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+5"/>
        <source>Its Header Gives </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source> As The Last Record In Use, Outside 1 To 1701.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> As The Last Record In Use, But The File Holds </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Records.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>It Has Not Changed The First Record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>It Has Written A Corrected Header Record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>TVL Cannot Operate Without A N&amp;A File!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Error = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In Get_NA_Rec.  Id = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Err = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>  In Put_NA_Rec.  Id = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Please Ready The Floppy Disk Drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Click OK To Terminate Corvane MARK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>There Is No N&amp;A File In %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Do You Want One Established?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>If You Have Just Installed Corvane MARK32, Click The Yes Button.  Otherwise, Click No Then Determine Why There Is No &apos;N&amp;A.MRK&apos; File In The Corvane MARK32 Directory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Note:  If You&apos;re New To Corvane MARK32:  After MARK32 Starts, Please Read The &apos;Getting Started&apos; Help Topic.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Click OK To Terminate TVL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> At 2755.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+43"/>
        <source>It Is Empty: It Holds No Header Record.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::RecordCommands</name>
    <message>
        <location filename="../src/records/RecordCommands.cpp" line="+137"/>
        <source>Change.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Get.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Please Specify ID Number Of Record To </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+8"/>
        <source>Invalid ID Number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Highest ID Number In File Is </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>There Is No Record With ID </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Do You Really Want To Delete This Record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Record Deleted.  The N&amp;A File Is Now Empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Record Deleted.  Next Active Record Displayed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+67"/>
        <source>The ID Number Is Not Valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-58"/>
        <source>That Record ID Is Already In Use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Record Changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The ID Number Cannot Exceed 1700.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>That ID Is Already In Use.  Cannot Add Record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Record Added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>ID Number In </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Link Is Out Of Range.  Must Be Between 1 And 1700.  Will Be Deleted.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::RecordPickerDialog</name>
    <message>
        <location filename="../src/records/RecordPickerDialog.cpp" line="+25"/>
        <source>N&amp;A File Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Copy To QuickLink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;ID Number Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID Number &amp;And Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Copy The Selected Data To The QuickLink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t Copy Anything To The QuickLink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Please Select A N&amp;A Entry Or Click Cancel.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::RecordScreen</name>
    <message>
        <location filename="../src/records/RecordScreen.cpp" line="+75"/>
        <source>ID N&amp;umber</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Optional ID Number - Up To 4 Digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(Optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Browse Controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ne&amp;xt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The Record That Follows Current Record In The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The Record That Precedes The Current Record In The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Remove This Record From The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chan&amp;ge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change This N&amp;A Record To Agree With What&apos;s Shown On The Screen Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Return To The Main Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;dd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add This Record To The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t Add This Record To The N&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+53"/>
        <source> - Screen %1 Of 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Browse/Change/Delete N&amp;A Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add N&amp;A Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search Result - Matched Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>This Record Has Not Been Added To The N&amp;A File.
Discard What You Typed?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Your Changes To This Record Have Not Been Stored In The N&amp;A File.
Discard Them?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::RecordScreens</name>
    <message>
        <location filename="../src/records/RecordScreens.cpp" line="+231"/>
        <source>Name And Address Copied To Windows Clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::ReportDialog</name>
    <message>
        <location filename="../src/reports/ReportDialogBuild.cpp" line="+30"/>
        <source>Name And Address &amp;Book</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Telephone List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Abbreviated Telephone List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>N&amp;&amp;A &amp;Database Listing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Mailing Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotary Fil&amp;e Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>En&amp;velopes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort On Key &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort On Key &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort On &amp;Key 1 (Major) + Key 2 (Minor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort On Ke&amp;y 2 (Major) + Key 1 (Minor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do Not &amp;Sort Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1-Across Labels (1&quot; &amp;x 3 1/2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Ac&amp;ross Labels (1&quot; x 4&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;3-Across Labels (1&quot; x 2 5/8&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>1-A&amp;cross Card Stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2-Ac&amp;ross Card Stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/ReportDialog.cpp" line="+104"/>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/ReportDialogBuild.cpp" line="+17"/>
        <source>Report Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print Envelope(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lar&amp;ge Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Produce N&amp;A Book With Large Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Report Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;N&amp;&amp;A File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mailing List  &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Report Sequence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Report Title (Optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Title To Print Above Report Name - Up To 60 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Label Stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Rotary File Card Stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/ReportDialog.cpp" line="+122"/>
        <location filename="../src/reports/ReportDialogBuild.cpp" line="+5"/>
        <source>Label &amp;Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <location filename="../src/reports/ReportDialogBuild.cpp" line="+6"/>
        <source>Number Of Labels Per Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/ReportDialogBuild.cpp" line="+8"/>
        <source>S&amp;elect Mailing List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mailing List Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+20"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Print From The Selected Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+20"/>
        <location line="+11"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Don&apos;t Print From A Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>D&amp;uplex (2-Side) Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Repr&amp;int Part Of A Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reprint From Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Through Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Reprint The Specified Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t Do A Reprint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;hoose Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Previe&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>See The Pages Before They Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Start Printing The Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t Print A Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/reports/ReportDialog.cpp" line="+3"/>
        <source>Number Of Cards Per Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rotary File Card &amp;Quantity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>There Are No Mailing Lists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> In PrtFil1.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Please Select A Filename Or Click The Cancel Button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Invalid Page Range.  Please Re-Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+126"/>
        <source>1 card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>Report Completed.  Last Page Printed: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::RestoreJournal</name>
    <message>
        <location filename="../src/platform/RestoreJournal.cpp" line="+123"/>
        <location line="+6"/>
        <location line="+4"/>
        <source>The restore of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <source> failed half way; its undo has now been finished: the files are as they were before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source> was interrupted; it has now been completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source> was interrupted before it changed anything; the files are as they were before it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::ReviseMailListWindow</name>
    <message>
        <location filename="../src/maillists/ReviseMailListWindow.cpp" line="+34"/>
        <source>Display / Revise Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Available Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Up To 40 Characters Describing This Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ID Numbers Associated With Selected Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;ID Numbers Associated With Selected File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Show ID #s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The ID Numbers Associated With The Selected Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Revise ID #s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change The ID Numbers Associated With The Selected Mailing List To The IDs Shown On This Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Show Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Display The Names Associated With The Selected Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Change Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change The Mailing List Title To That Shown On This Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Delete List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete The Selected Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print A Hardcopy Report Of The Selected Mailing List Content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>C&amp;hoose Printer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Exit / Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel Any Pending Changes To The Selected Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+92"/>
        <location line="+53"/>
        <location line="+103"/>
        <source>Please Select A Mailing List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-141"/>
        <location line="+105"/>
        <source>Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-105"/>
        <source> In </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Do You Really Want To Revise This Mailing List?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Mailing List Revised.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>You Must Select A Mailing List Before Changing Its Title!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source> Occurred In MailCmd4.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Title Changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You Must Select A Mailing List To Delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Do You Really Want To Delete Mailing List </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Mailing List Deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Mailing List Not Printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Mailing List Printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::SearchCompleteWindow</name>
    <message>
        <location filename="../src/maillists/SearchCompleteWindow.cpp" line="+45"/>
        <source>Search Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records Matched The Search Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Records Were Added To The mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up To Three Characters To Uniquely Identify This Mailing List File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Up To 40 Characters To Describe This Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save The Mailing List (If Generated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Do Not Save The Mailing List (If Generated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Please Supply An Identifier For The Mailing List.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Sorry, The Specified Identifier Is Invalid.  Try Again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>A Serious Hard Disk Error Occurred.  Corvane Cannot Continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Error </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source> In ML Process.  Extension = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>.  Notify Programmer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Mailing List Written To Disk.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::SearchDialog</name>
    <message>
        <location filename="../src/search/SearchDialog.cpp" line="+20"/>
        <source>&amp;Name Only (Fast Search)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Name &amp;And Mailing Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Telephone Numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort Key &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sort Key &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;E-Mail Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Search All &amp;fields Listed Above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>N&amp;A File Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Search &amp;Parameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Data You Want To Locate In The N&amp;A Records - Up To 35 Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Search Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sa&amp;ve Search Results In A Mailing List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Display Matching Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Ignore Accents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find Letters With Or Without Their Accents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start The Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Don&apos;t Perform A Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+81"/>
        <source>Please Specify A Search Parameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Please Select One Or More Search Fields.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::SearchProgressWindow</name>
    <message>
        <location filename="../src/search/SearchProgressWindow.cpp" line="+11"/>
        <source>Searching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TVL Is Searching.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::SortOrderPreferenceDialog</name>
    <message>
        <location filename="../src/shell/SortOrderPreferenceDialog.cpp" line="+20"/>
        <source>N&amp;A Display Preference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Sort N&amp;&amp;A File Content By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Key &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Key &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Key 1 (Major) + Key 2 (Minor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ke&amp;y 2 (Major) + Key 1 (Minor)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ID Number (No Sort)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>This Preference Is Applied When</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Selecting A QuickLink Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Selecting A Mail List Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>- Selecting An Envelope Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change The Display Preference To That Shown On This Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Cance&amp;l</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Don&apos;t Change The Display Preference</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::Startup</name>
    <message>
        <location filename="../src/shell/Startup.cpp" line="+44"/>
        <source>Your Current Screen Resolution Is Too Low To Properly Display the Corvane Windows.  Click OK To Exit Corvane.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>A Backup Copy Of The N&amp;A File Is Being Made.

Start TVL Again In A Moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Corvane Mark32 Is Already Running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>TVL Cannot Make Its Lock File In The Folder
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>).

Click OK To Terminate TVL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>The Restore Of The Copy Of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source> Was Interrupted.

It Has Now Been Completed: The N&amp;A File And The Mailing Lists Are Those Of The Copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Failed Half Way.

It Has Now Been Undone: The N&amp;A File And The Mailing Lists Are As They Were Before It.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source> Was Interrupted Before It Changed Anything.

The N&amp;A File And The Mailing Lists Are As They Were.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>An Interrupted Restore Could Not Be Finished: Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>.

It Is Tried Again At The Next Start.  Click OK To Terminate TVL.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::Statistics</name>
    <message>
        <location filename="../src/upkeep/Statistics.cpp" line="+32"/>
        <location line="+4"/>
        <source>Space Available On Your Hard Drive:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-1"/>
        <location line="+5"/>
        <location line="+13"/>
        <location line="+10"/>
        <source> KBytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Approximately </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Compact The N&amp;A File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> DO NOT Compact The N&amp;A File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Active Records In File:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Highest Active ID In File:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Disk Space Occupied By File:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Unused Space In File:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> KBytes  (Approximately </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Compacting Would Reduce File Size By:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Recommendation: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::StoredLengthValidator</name>
    <message>
        <location filename="../src/records/FieldBox.cpp" line="+88"/>
        <source>Only %1 characters fit here; the rest was left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Will be stored as &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>To use that address, run the set-up again with: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>If this is your server&apos;s certificate, run the set-up again with: --trust-certificate %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+139"/>
        <source>nothing more was done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::SyncConflictDialog</name>
    <message>
        <location filename="../src/sync/SyncConflictDialog.cpp" line="+19"/>
        <source>Sync Conflict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 (ID %2) Was Changed Here And On The Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>On The Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Fields changed on both sides</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep &amp;Mine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep &amp;Theirs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Keep &amp;Both</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::SyncDialog</name>
    <message>
        <location filename="../src/sync/SyncDialog.cpp" line="+51"/>
        <source>Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Server Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Address Book:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Sync At Start-Up And At E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Test Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sync &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <location line="+217"/>
        <source>Last Sync: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-211"/>
        <source>The password is kept in the desktop&apos;s secret store, or asked for once a session where none runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The password is known for this session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The server sent the connection on to %1.
Use that address for this account?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The certificate of %1 is not signed by an authority this computer trusts. Its fingerprint is:
%2
Trust this certificate for this account? Compare the fingerprint with the one the server&apos;s owner gives you first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Please Enter The Server Address, The User And The Password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The password is kept in the desktop&apos;s secret store.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No secret store runs here: the password is asked for once a session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+88"/>
        <source>The Sync State Could Not Be Written: Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-78"/>
        <source>Enter The Password To Sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Connected. Address Books Found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Please Test The Connection And Pick An Address Book.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>This Sync Would Delete %1 Records Here And %2 Cards On The Server.

Delete Them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Syncing: %1 Of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Syncing...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Sync Stopped: Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::SyncLog</name>
    <message>
        <location filename="../src/sync/SyncLog.cpp" line="+11"/>
        <source>%1 more lines of this sync were left out: the log keeps to its size.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::UnattendedRun</name>
    <message>
        <location filename="../src/store/UnattendedRun.cpp" line="+23"/>
        <source>A backup copy of this N&amp;A file is being made; try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tavrel is running on this N&amp;A file; close it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There is no N&amp;A file in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The file was left as it is; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::Undo</name>
    <message>
        <location filename="../src/store/Undo.cpp" line="+72"/>
        <source> To ID </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+27"/>
        <source>Undelete Of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-25"/>
        <source>Create Of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Mailing List &quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source> Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Can&apos;t &amp;Undo After Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t &amp;Undo After Compaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t &amp;Undo After Duplicate Deletion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t &amp;Undo After Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Can&apos;t &amp;Undo After Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+76"/>
        <source>&amp;Undo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source> Cannot Be Redone Now: Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Cannot Be Redone: Record ID </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source> Has Been Redone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <location line="+20"/>
        <location line="+21"/>
        <location line="+10"/>
        <location line="+60"/>
        <location line="+37"/>
        <source>The </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-135"/>
        <source> Reading The Mailing List File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source> Cannot Be Undone: File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Cannot Be Redone: File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The Mailing Lists Are Left As They Are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source> Writing The Mailing List File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+54"/>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-145"/>
        <source> Cannot Be Undone Now: Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+62"/>
        <source> Reading The N&amp;A File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-56"/>
        <source> Cannot Be Undone: Record ID </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-165"/>
        <source>Add Of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+8"/>
        <source>Change Of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-6"/>
        <location line="+8"/>
        <source>Delete Of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>ID </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+165"/>
        <location line="+29"/>
        <source> Has Been Changed Since.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The N&amp;A File Is Left As It Is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-62"/>
        <source> Has Been Undone.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::UpkeepCommands</name>
    <message>
        <location filename="../src/upkeep/UpkeepCommands.cpp" line="+57"/>
        <source>The Free Space Of The Program Directory </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source> Cannot Be Determined.  Cannot Perform Compaction.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Corvane MARK32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+46"/>
        <source>App.Path = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>.  Cannot Determine Drive Letter. Exiting The Statistics Feature.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::VCard</name>
    <message>
        <location filename="../src/exchange/VCardFields.cpp" line="+381"/>
        <source>A line that is no property was left out: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 lines that are no property were left out, the first: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not imported: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/VCardReader.cpp" line="+193"/>
        <source>The card has no END line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source> is not UTF-8; it was read as Windows-1252</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>The file ends inside this card.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The file ends inside a card; that card was read as far as it goes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 lines outside any card were ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/exchange/ImportPlan.cpp" line="-51"/>
        <source>Birthday: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tavrel::WelcomeDialog</name>
    <message>
        <location filename="../src/shell/WelcomeDialog.cpp" line="+18"/>
        <source>Welcome To Corvane MARK32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The Name And Address (N&amp;A) File Is Open And Available For Processing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>To Continue, Click The OK Button Then Click One Of The Buttons On The Toolbar Above Or Pull Down One Of The Menus And Select A Function.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Don&apos;t Show This Message On Future Startups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
