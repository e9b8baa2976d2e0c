<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BackupText</name>
    <message>
        <source>Restore backup</source>
        <comment>RestoreAction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>RestoreButton</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup time</source>
        <comment>ColumnTime</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter</source>
        <comment>ColumnMeter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libraries</source>
        <comment>ColumnLibraries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors</source>
        <comment>ColumnColours</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <comment>Unreadable</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no backup yet!</source>
        <comment>NoBackups</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the backup of %1? The current data is backed up first.</source>
        <comment>AskRestore</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore backup success!</source>
        <comment>RestoreSuccess</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore backup fail! Nothing was changed.</source>
        <comment>RestoreFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup file is damaged and cannot be restored!</source>
        <comment>NotABackup</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup of the database fail! Nothing was changed.</source>
        <comment>BackupFailed</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeText</name>
    <message>
        <source>Yes: save, then take the new meter&apos;s libraries. No: take them without saving. The current libraries are backed up either way; the QC history, lots and tolerances stay. Cancel: keep the current data and do not connect the new meter.</source>
        <comment>InstrumentChangeChoices</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new meter is not connected: the current data was kept. Unplug it, or plug it in again to change to it.</source>
        <comment>InstrumentChangeCancelled</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The locked color card library &quot;%1&quot; is gone, so it was unlocked. Choose and lock a library before measuring.</source>
        <comment>LockReleased</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taken before</source>
        <comment>ColumnCause</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all</source>
        <comment>CauseDeleteAll</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting a library</source>
        <comment>CauseDeleteLibrary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument change</source>
        <comment>CauseInstrumentChange</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <comment>CauseImport</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter export</source>
        <comment>CauseMeterExport</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>CauseRestore</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not recorded)</source>
        <comment>CauseUnknown</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The restored data belongs to meter %1. Make it the data of the attached meter %2? No keeps it as meter %1&apos;s data: it is replaced when meter %2 is identified again.</source>
        <comment>AdoptRestored</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the meter&apos;s libraries with the program&apos;s? The program has %1 libraries with %2 colors; the meter holds %3 libraries with %4 colors, which will be replaced.</source>
        <comment>ConfirmWrite</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written: %1 libraries with %2 colors.</source>
        <comment>WrittenCounts</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter libraries read: nothing new, the program already holds them.</source>
        <comment>FirstExportUnchanged</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 colors added: %2</source>
        <comment>MergeAdds</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 colors changed: %2</source>
        <comment>MergeChanges</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 colors of the library are not in the incoming copy and stay in the library: %2</source>
        <comment>MergeKeeps</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These libraries were kept as they are, but the incoming copy lacks some of their colors: %1</source>
        <comment>MergeOnlyLacking</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <comment>SavedFile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color name can not be empty!</source>
        <comment>ColorNumberEmpty</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A backup of the database is taken first; Restore backup brings it back.</source>
        <comment>BackupFirstNote</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Reads the colour card libraries and computes colour differences.</source>
        <comment>Description</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Commands:</source>
        <comment>CommandsHeading</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run &quot;colorcard-cli COMMAND --help&quot; for the options of a command. Exit status: 0 success, 1 failure, 2 wrong usage.</source>
        <comment>CommandHelpHint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <comment>HelpOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The store to use (default: the program&apos;s own database.db).</source>
        <comment>DatabaseOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the list as JSON.</source>
        <comment>JsonOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour-difference formula: 76, 94 (graphic arts), 94t (textiles), cmc or 00 (default 00).</source>
        <comment>FormulaOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CMC lightness weight l (default 2).</source>
        <comment>LOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CMC chroma weight c (default 1).</source>
        <comment>COption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIEDE2000 factor (default 1).</source>
        <comment>KOptions</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many standards to list (default 5).</source>
        <comment>CountOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the libraries.</source>
        <comment>LibrariesSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the colours of a library.</source>
        <comment>ColoursSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identifier or name of the library.</source>
        <comment>ColoursLibraryArgument</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour difference of a sample from its reference (reference first).</source>
        <comment>DeltaESummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L*a*b* of the reference, then of the sample.</source>
        <comment>DeltaEArguments</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The standards of all libraries nearest a colour.</source>
        <comment>NearestSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L*a*b* of the sample.</source>
        <comment>NearestArguments</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command given; see colorcard-cli --help</source>
        <comment>NoCommand</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1; see colorcard-cli --help</source>
        <comment>UnknownCommand</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 expects %2; see colorcard-cli %1 --help</source>
        <comment>ArgumentCount</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <comment>NotANumber</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown formula %1 (76, 94, 94t, cmc or 00)</source>
        <comment>UnknownFormula</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 must be a positive number</source>
        <comment>BadParameter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 does not apply to formula %2</source>
        <comment>ParameterNotForFormula</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--count must be a whole number from 1 to 1000</source>
        <comment>BadCount</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no database at %1</source>
        <comment>NoDatabase</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the database %1: %2</source>
        <comment>StoreUnreadable</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no library %1</source>
        <comment>NoLibrary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%2 libraries are named %1; give the identifier</source>
        <comment>AmbiguousLibrary</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorCardDialog</name>
    <message>
        <source>Library name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters, digits, -, _ and spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most 10 characters, letters a-z and A-Z, digits, -, _ and spaces only;
name and description together at most 18 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorCardOperatorWidget</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this library and all its colors (asks first).
A locked library cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change this library&apos;s name and description.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorDataOperatorWidget</name>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete this color (asks first).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace this color&apos;s values with a new measurement (asks first).
Needs a connected meter and a locked library.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DemoText</name>
    <message>
        <source>Simulated meter</source>
        <comment>PanelTitle</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter plugged in</source>
        <comment>Plugged</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another instrument</source>
        <comment>AnotherInstrument</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour under the meter...</source>
        <comment>ChooseColour</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour under the meter</source>
        <comment>ColourCaption</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExchangeText</name>
    <message>
        <source>Save File</source>
        <comment>SaveFileCaption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <comment>SelectFileCaption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of records in color card library %1 is 0. Do you want to continue saving?</source>
        <comment>ConfirmSaveEmpty</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create color card file fail!</source>
        <comment>CreateFileFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Excel data, please wait</source>
        <comment>Saving</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open color card library file fail!</source>
        <comment>OpenLibrarySheetFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save color card library file fail!</source>
        <comment>SaveLibrarySheetFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open color card data file fail!</source>
        <comment>OpenDataSheetFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save color card data file fail!</source>
        <comment>SaveDataSheetFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save file success!</source>
        <comment>Saved</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <comment>CouldNotOpen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Excel file error!</source>
        <comment>ReadError</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 of worksheet %2 holds a name or description with a control character or a text direction mark, which cannot be kept!</source>
        <comment>UnsafeName</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Excel file error!</source>
        <comment>SheetMissing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data check crc error!</source>
        <comment>CheckError</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import file error!</source>
        <comment>OtherMeter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing Excel data, please wait</source>
        <comment>Importing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import file success!</source>
        <comment>Imported</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirstPage</name>
    <message>
        <source>Meter information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current library:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock the current library: every measured color goes into it.
Measuring needs a locked library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unlock the current library to choose another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters, digits, -, _ and spaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the new color: at most 19 characters, letters a-z and A-Z, digits, -, _ and spaces only.
Press Return to measure.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the meter&apos;s measurement and store it under the typed name in the locked library.
Needs a connected meter and a locked library.
Keys: Space, or Return in the name field.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color values:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color preview:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create an empty library with a name and a description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete every library and color in the database (asks first).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import the libraries of an Excel file saved for this meter; asks before changing a library that exists.
Needs a connected meter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save every library and color to an Excel file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write to meter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every library into the meter, replacing the meter&apos;s libraries.
Needs a connected meter and at least one color in every library.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export meter data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the meter&apos;s libraries into the database; asks before changing a library that exists.
Needs a connected meter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ColorCard Instruments Co., Ltd.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatText</name>
    <message>
        <source>Could not open the file %1!</source>
        <comment>CannotOpen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the file %1!</source>
        <comment>CannotWrite</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB and is not imported!</source>
        <comment>TooLarge</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 has more than %2 lines, more than %4 colors need: reading stopped at line %3 and nothing is imported!</source>
        <comment>TooManyLines</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text!</source>
        <comment>NotUtf8</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The type of the file %1 is not known: choose a .csv, .txt (CGATS.17), .cxf or .xls file!</source>
        <comment>UnknownType</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a valid %2 file (line %3: %4)!</source>
        <comment>Malformed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a valid %2 file (%3)!</source>
        <comment>MalformedContent</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a valid CSV file: the quoted field that starts on line %2 is not closed!</source>
        <comment>CsvUnterminatedQuote</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a valid CSV file: line %2 has %3 fields, the header has %4!</source>
        <comment>CsvFieldCount</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 lacks the L*a*b* fields %2: every color needs L*, a* and b*!</source>
        <comment>MissingLabFields</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The color &quot;%1&quot; of the library &quot;%2&quot; has no L*a*b* values!</source>
        <comment>MissingLabValues</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 value of the color &quot;%2&quot; in the library &quot;%3&quot; is &quot;%4&quot;, which is not a number!</source>
        <comment>NotANumber</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 value of the color &quot;%2&quot; in the library &quot;%3&quot; is %4, outside %5 to %6!</source>
        <comment>OutOfRange</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color %1 of the library &quot;%2&quot; has no name!</source>
        <comment>EmptyColorName</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A library in the file %1 has no name!</source>
        <comment>EmptyLibraryName</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The library name &quot;%1&quot; is %2 bytes long; the meter holds at most %3 bytes (a Chinese character takes 3)!</source>
        <comment>LibraryNameTooLong</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The description &quot;%1&quot; of the library &quot;%2&quot; is %3 bytes long; the meter holds at most %4 bytes (a Chinese character takes 3)!</source>
        <comment>DescriptionTooLong</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The color name &quot;%1&quot; in the library &quot;%2&quot; is %3 bytes long; the meter holds at most %4 bytes (a Chinese character takes 3)!</source>
        <comment>ColorNameTooLong</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 color card libraries; at most %2 can be kept!</source>
        <comment>TooManyLibraries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds %1 colors; at most %2 can be kept!</source>
        <comment>TooManyColors</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 holds no colors!</source>
        <comment>NoColors</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 of the file %2 holds a name or description with a control character or a text direction mark, which cannot be kept!</source>
        <comment>UnsafeName</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be written as %2 text: double quotes, line breaks and control characters are not allowed there!</source>
        <comment>Unwritable</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <comment>CsvFilter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CGATS.17 text (*.txt *.cgats *.it8)</source>
        <comment>CgatsFilter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CxF3 color exchange (*.cxf)</source>
        <comment>CxfFilter</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GuidanceText</name>
    <message>
        <source>&quot;%1&quot; cannot be typed here: only letters a-z and A-Z, digits, -, _ and spaces are accepted.</source>
        <comment>CharacterRefused</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only letters a-z and A-Z, digits, -, _ and spaces are accepted here.</source>
        <comment>CharactersRefused</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 characters can be typed here.</source>
        <comment>FieldFull</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name and description together have more than %1 characters: shorten one of them.</source>
        <comment>CombinedTooLong</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed: every color card library of the meter is already in the database or was kept as it was.</source>
        <comment>ExportChangedNothing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was changed: every color card library of the file is already in the database or was kept as it was.</source>
        <comment>ImportChangedNothing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the color &quot;%1&quot;? Its measured values will be lost.</source>
        <comment>ConfirmDeleteColour</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure the color &quot;%1&quot; again? Its stored values will be replaced by the new measurement.</source>
        <comment>ConfirmRemeasure</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace the current data with a backup taken before an earlier change.
The current data is backed up first.</source>
        <comment>RestoreBackupTip</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IndexText</name>
    <message>
        <source>No index</source>
        <comment>NoIndex</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIE whiteness W</source>
        <comment>CieWhiteness</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CIE tint T</source>
        <comment>CieTint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASTM E313 yellowness YI</source>
        <comment>E313Yellowness</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ASTM D1925 yellowness YI (withdrawn)</source>
        <comment>D1925Yellowness</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>outside the formula&apos;s range</source>
        <comment>OutOfRange</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no white point known for %1</source>
        <comment>NoWhitePoint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not defined for %1</source>
        <comment>NotForConditions</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not defined for this colour</source>
        <comment>Undefined</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index:</source>
        <comment>IndexLabel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>under %1</source>
        <comment>IndexConditions</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>555 steps:</source>
        <comment>ShadeStepsLabel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limit</source>
        <comment>StepIsLimit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <comment>IndexColumn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the library&apos;s index settings: %1</source>
        <comment>IndexSaveFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the library&apos;s index settings: %1</source>
        <comment>IndexReadFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whiteness, tint or yellowness index of an L*a*b* colour.</source>
        <comment>IndexSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index: cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness.</source>
        <comment>IndexOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illuminant/observer of the L*a*b*, such as D65/10 (default: the settings, D65/10).</source>
        <comment>ConditionsOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the result as JSON.</source>
        <comment>JsonValueOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--index is required (cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness)</source>
        <comment>NoIndexChosen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown index %1 (cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness)</source>
        <comment>UnknownIndex</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--conditions must be ILLUMINANT/OBSERVER such as D65/10 or C/2, not %1</source>
        <comment>BadConditions</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>555 shade codes and groups of the samples compared with a standard.</source>
        <comment>ShadeSortSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The standard: LIBRARY/COLOUR, each an identifier or a name.</source>
        <comment>StandardOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--standard LIBRARY/COLOUR is required</source>
        <comment>NoStandardChosen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no standard %1 (LIBRARY/COLOUR)</source>
        <comment>NoStandard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%2 colours are named %1; give the identifier</source>
        <comment>AmbiguousColour</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageText</name>
    <message>
        <source>English</source>
        <comment>OwnName</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryFileText</name>
    <message>
        <source>Export only the selected color card library &quot;%1&quot;? Choose No to export all %2 libraries.</source>
        <comment>ExportSelectedOnly</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <comment>ReplaceFile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting color card data, please wait</source>
        <comment>Exporting</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing color card data, please wait</source>
        <comment>Importing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no color data to export!</source>
        <comment>NothingToExport</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 color datas can be kept: %2 are stored and the file brings %3 new ones, nothing was imported!</source>
        <comment>TooManyColors</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The L*a*b* values %1 of the color &quot;%2&quot; in the library &quot;%3&quot; lie outside L* -10 to 150, a* and b* -200 to 200; nothing was imported!</source>
        <comment>LabOutOfRange</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1</source>
        <comment>Composed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write libraries to a CSV, CGATS.17, CxF3 or exchange workbook (.xls) file.</source>
        <comment>ExportSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read libraries from a CSV, CGATS.17, CxF3 or exchange workbook (.xls) file.</source>
        <comment>ImportSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to write.</source>
        <comment>ExportFileArgument</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file to read.</source>
        <comment>ImportFileArgument</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File format: csv, cgats, cxf or xls (default: from the file&apos;s suffix).</source>
        <comment>FormatOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only this library (identifier or name); default every library.</source>
        <comment>LibraryOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace FILE when it exists.</source>
        <comment>ReplaceOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge into the libraries that exist already (the window&apos;s &quot;overwrite&quot; answer).</source>
        <comment>OverwriteOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the libraries that exist already as they are.</source>
        <comment>SkipExistingOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter number of the libraries (default: that of the stored libraries).</source>
        <comment>MeterOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter&apos;s library limit, 9 or 46 (default 9, or 46 when more than 9 are stored).</source>
        <comment>MaxLibrariesOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CxF3 illuminant of the L*a*b* values (default: the setting, D65).</source>
        <comment>IlluminantOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CxF3 observer, 2 or 10 degrees (default: the setting, 10).</source>
        <comment>ObserverOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV with a UTF-8 byte-order mark.</source>
        <comment>BomOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV without a byte-order mark.</source>
        <comment>NoBomOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown format %1 (csv, cgats, cxf or xls)</source>
        <comment>UnknownFormat</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell the format of %1 from its suffix; give --format</source>
        <comment>FormatNotKnown</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists; --overwrite replaces it</source>
        <comment>FileExists</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already in the store: %1; --overwrite merges into them, --skip-existing leaves them</source>
        <comment>LibrariesExist</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <comment>ExclusiveOptions</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 does not apply to format %2</source>
        <comment>OptionNotForFormat</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--max-libraries must be 9 or 46</source>
        <comment>BadMaxLibraries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown illuminant %1 (%2)</source>
        <comment>BadIlluminant</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--observer must be 2 or 10</source>
        <comment>BadObserver</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not answered: give --overwrite or --skip-existing)</source>
        <comment>QuestionRefused</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints what was imported as JSON.</source>
        <comment>ImportJsonOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libraries: %1 added, %2 replaced, %3 kept</source>
        <comment>LibrariesMerged</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>colours: %1 added, %2 replaced, %3 kept</source>
        <comment>ColoursMerged</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrote %1: %2 libraries, %3 colours</source>
        <comment>FileWritten</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryText</name>
    <message>
        <source>Please input color card library name!</source>
        <comment>EnterName</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please input color card library description!</source>
        <comment>EnterDescription</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name or description cannot hold control characters or text direction marks!</source>
        <comment>UnsafeName</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color card library name and color card library description length at most 18 characters!</source>
        <comment>NameTooLong</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same name and description already exist, please modify the name or description!</source>
        <comment>SameLibraryExists</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 color card!</source>
        <comment>TooManyLibraries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the color card library, all color card data in this library will be deleted. Are you sure you want to delete it?</source>
        <comment>ConfirmDeleteLibrary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The color card library is currently locked, please unlock it first and then delete it!</source>
        <comment>LibraryLocked</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same color card name already exist, please modify the color card name!</source>
        <comment>SameColorName</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color card name can not be empty!</source>
        <comment>ColorNameEmpty</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please create color card library and select color card library name!</source>
        <comment>CreateAndSelectLibrary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 color datas!</source>
        <comment>TooManyColors</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deleting all color card data will clear the database and all data. Are you sure you want to delete it?</source>
        <comment>ConfirmDeleteAll</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating ui data, please wait</source>
        <comment>UpdatingPage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 color cards, and already %2 color cards, importing has exceeded the limit!</source>
        <comment>ImportTooManyLibraries</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 color datas, and already %2 color datas, importing %3 color datas has exceeded the limit, from %4 color card import fail!</source>
        <comment>ImportTooManyColors</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color card library name: %1, color card library description: %2, already exists, do you want to overwrite the old color card library?</source>
        <comment>ConfirmOverwrite</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中文</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MeterText</name>
    <message>
        <source>Please open connect first！</source>
        <comment>OpenLinkFirst</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select color card library name！</source>
        <comment>SelectLibrary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please lock color card library name！</source>
        <comment>LockLibrary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read measure data receive data error!</source>
        <comment>MeasureBadReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read measure data receive fail！</source>
        <comment>MeasureNoReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read measure data write fail！</source>
        <comment>MeasureNotWritten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read key information fail!</source>
        <comment>KeyInformationFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read meter information fail!</source>
        <comment>MeterInformationFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read meter model fail!</source>
        <comment>MeterModelFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>UnknownModel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detected that the new instrument will clear all data. Please save the current data to Excel first. Do you want to save it?</source>
        <comment>SaveBeforeInstrumentChange</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The meter was found but cannot be opened: this user has no access to it. Install the udev rule 70-colorcard-meter.rules (see README), then plug the meter in again.</source>
        <comment>NoAccess</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取生产信息写端口失败！</source>
        <comment>ProductionNotWritten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取生产信息接收端口报文失败！</source>
        <comment>ProductionNoReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取生产信息接收的报文格式错误！</source>
        <comment>ProductionBadReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取生产信息checksum错误！</source>
        <comment>ProductionChecksum</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PromptText</name>
    <message>
        <source>Tip</source>
        <comment>Tip</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <comment>Error</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QcText</name>
    <message>
        <source>lighter</source>
        <comment>Lighter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>darker</source>
        <comment>Darker</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>redder</source>
        <comment>Redder</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>greener</source>
        <comment>Greener</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellower</source>
        <comment>Yellower</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bluer</source>
        <comment>Bluer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more saturated</source>
        <comment>MoreSaturated</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>less saturated</source>
        <comment>LessSaturated</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔE*ab (1976)</source>
        <comment>FormulaCie76</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔE94 (graphic arts)</source>
        <comment>FormulaCie94</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔE94 (textiles)</source>
        <comment>FormulaCie94Textiles</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔE CMC</source>
        <comment>FormulaCmc</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔE00</source>
        <comment>FormulaCiede2000</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASS</source>
        <comment>Pass</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAIL</source>
        <comment>Fail</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <comment>ColumnTime</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter number</source>
        <comment>ColumnMeter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library</source>
        <comment>ColumnLibrary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>ColumnStandard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard L*</source>
        <comment>ColumnStandardL</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard a*</source>
        <comment>ColumnStandardA</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard b*</source>
        <comment>ColumnStandardB</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample L*</source>
        <comment>ColumnSampleL</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample a*</source>
        <comment>ColumnSampleA</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample b*</source>
        <comment>ColumnSampleB</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings</source>
        <comment>ColumnReadings</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD L*</source>
        <comment>ColumnDeviationL</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD a*</source>
        <comment>ColumnDeviationA</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD b*</source>
        <comment>ColumnDeviationB</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔL*</source>
        <comment>ColumnDeltaL</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δa*</source>
        <comment>ColumnDeltaA</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Δb*</source>
        <comment>ColumnDeltaB</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ΔE</source>
        <comment>ColumnDeltaE</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formula</source>
        <comment>ColumnFormula</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit</source>
        <comment>ColumnLimit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <comment>ColumnResult</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>ToleranceUnknown</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judged by</source>
        <comment>HistoryJudgedBy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re-judge by current tolerance</source>
        <comment>HistoryRejudge</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now (current tolerance)</source>
        <comment>HistoryRejudged</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In use, not saved</source>
        <comment>ToleranceUnsaved</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved</source>
        <comment>ToleranceSaved</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judged again by the tolerance shown; the history keeps the recorded verdict.</source>
        <comment>ResultRejudged</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD of %1 readings: L* %2  a* %3  b* %4</source>
        <comment>ReadingDeviation</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1 of %2: measure the sample again with the meter, then choose Yes to read it (No stops without a result).</source>
        <comment>NextReading</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chosen standard is no longer in its library. Please choose a standard again.</source>
        <comment>StandardGone</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the library&apos;s tolerance: %1</source>
        <comment>ToleranceReadFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tolerance limit and the formula&apos;s parameters must be positive numbers.</source>
        <comment>ToleranceInvalid</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the tolerance: %1</source>
        <comment>ToleranceSaveFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample was compared, but the result could not be kept in the history: %1</source>
        <comment>HistoryWriteFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read the history: %1</source>
        <comment>HistoryReadFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export History</source>
        <comment>ExportCaption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no results to export yet.</source>
        <comment>ExportEmpty</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <comment>ExportReplace</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not export the history: %1</source>
        <comment>ExportFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 results exported to %2.</source>
        <comment>Exported</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARN</source>
        <comment>Warn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the lots: %1</source>
        <comment>LotReadFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start the lot: %1</source>
        <comment>LotSaveFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name for the lot.</source>
        <comment>LotNameMissing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lot named %1 already exists.</source>
        <comment>LotNameTaken</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warn ΔE &gt;</source>
        <comment>WarningLevelLabel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>80 %</source>
        <comment>WarningLevelDefault</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sample within the limit but over this ΔE is judged WARN (80 % of the limit when not set)</source>
        <comment>WarningLevelTip</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Axis limits:</source>
        <comment>AxisLimitsLabel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <comment>AxisNoLimit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the sample may lie below (−) or above (+) the standard on this axis; over it fails</source>
        <comment>AxisLimitTip</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own tolerance for this standard</source>
        <comment>OwnTolerance</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lot:</source>
        <comment>LotLabel</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New lot name</source>
        <comment>LotNamePlaceholder</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator</source>
        <comment>LotOperatorPlaceholder</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <comment>LotNotePlaceholder</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start lot</source>
        <comment>StartLot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparisons go to this lot; without one they go to the day&apos;s lot</source>
        <comment>LotNoneChosen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All lots</source>
        <comment>FilterAllLots</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This standard only</source>
        <comment>FilterThisStandard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dates:</source>
        <comment>FilterDates</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lot</source>
        <comment>HistoryLotColumn</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <comment>HistoryTab</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend and shade groups</source>
        <comment>LotViewTab</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save lot report…</source>
        <comment>SaveLotReport</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one lot in the filter above first</source>
        <comment>SaveLotReportTip</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples</source>
        <comment>ShadeGroupCount</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison numbers</source>
        <comment>ShadeGroupSamples</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QualityPage</name>
    <message>
        <source>Standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Limit ΔE ≤</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest standards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a row to make it the standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard: none chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolerance: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure a sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD of %1 readings: L* %2   a* %3   b* %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No standard chosen: nearest standards only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No visible difference from the standard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample against standard: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass rate: %1% (%2/%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass rate: — (no results yet)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>red</source>
        <comment>HueRed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>green</source>
        <comment>HueGreen</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>HueYellow</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>blue</source>
        <comment>HueBlue</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <comment>Sample</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the recorded comparisons (oldest first).</source>
        <comment>HistorySummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control limits and capability of a standard&apos;s comparisons.</source>
        <comment>TrendSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the PDF report of one comparison.</source>
        <comment>ReportSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only comparisons with this standard.</source>
        <comment>StandardOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the list as CSV.</source>
        <comment>CsvOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comparison&apos;s number (default: the last).</source>
        <comment>SampleOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the report: zh or en (default en).</source>
        <comment>LanguageOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF file to write.</source>
        <comment>ReportArgument</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--standard must be LIBRARY/COLOUR</source>
        <comment>BadStandard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --json or --csv, not both</source>
        <comment>JsonOrCsv</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no comparisons recorded for %1</source>
        <comment>NoComparisons</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no comparison %1</source>
        <comment>NoComparison</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no comparisons recorded</source>
        <comment>NoHistory</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--language must be zh or en</source>
        <comment>BadLanguage</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <comment>CannotWrite</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 comparisons, judged by %3 ≤ %4</source>
        <comment>TrendHeading</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>axis	mean	sd	LCL	UCL	outside	lower limit	upper limit	Cp	Cpk</source>
        <comment>TrendColumns</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control limits: mean ± 2.66 × mean moving range; sigma = mean moving range / 1.128.</source>
        <comment>TrendSigma</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cp and Cpk need at least %1 comparisons (%2 so far).</source>
        <comment>TooFewForCapability</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour quality report</source>
        <comment>ReportTitle</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time: %1</source>
        <comment>ReportTime</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter: %1</source>
        <comment>ReportMeter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meter: not recorded</source>
        <comment>ReportMeterUnknown</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard: %1 / %2</source>
        <comment>ReportStandard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <comment>ReportVerdict</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judged against: %1, limit %2, warning level %3, %4, readings averaged: %5</source>
        <comment>JudgedAgainst</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judged against: not recorded, readings averaged: %1</source>
        <comment>JudgedAgainstUnknown</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report…</source>
        <comment>SaveReport</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the report</source>
        <comment>SaveReportTitle</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <comment>PdfFilter</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure a sample against a standard first; the report is of that comparison.</source>
        <comment>NothingToReport</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <comment>ReportSaved</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <comment>ReportFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the lots with their counts of PASS, WARN and FAIL.</source>
        <comment>LotsSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Judge L* a* b* against a standard and record the comparison in a lot.</source>
        <comment>CompareSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only comparisons of this lot.</source>
        <comment>LotOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lot to record in (started when new).</source>
        <comment>CompareLotOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The standard, LIBRARY/COLOUR.</source>
        <comment>CompareStandardOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no lot named %1</source>
        <comment>NoSuchLot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--lot NAME is required</source>
        <comment>LotRequired</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give --standard LIBRARY/COLOUR or --lot NAME</source>
        <comment>StandardOrLotRequired</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lot	created	operator	comparisons	pass	warn	fail	note</source>
        <comment>LotsColumns</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comparison %1 in lot %2: %3, %4 %5</source>
        <comment>CompareRecorded</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no L*a*b* values</source>
        <comment>StandardWithoutLab</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lot report: %1</source>
        <comment>LotReportTitle</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>LotStarted</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operator: %1</source>
        <comment>LotOperator</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: %1</source>
        <comment>LotNote</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 samples: PASS %2   WARN %3   FAIL %4</source>
        <comment>LotCounts</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shade groups (555)</source>
        <comment>LotShadeGroups</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>LotShadeGroup</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No.</source>
        <comment>LotColumnNumber</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mean</source>
        <comment>ChartCentre</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UCL</source>
        <comment>ChartUcl</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCL</source>
        <comment>ChartLcl</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>limit</source>
        <comment>ChartLimit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print report…</source>
        <comment>PrintReport</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the report</source>
        <comment>PrintReportTitle</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <comment>PrintFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend of %1; the lot has %2 standards.</source>
        <comment>TrendOfStandard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend of:</source>
        <comment>TrendStandard</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerText</name>
    <message>
        <source>Sets up the shared store on a PostgreSQL server (init).</source>
        <comment>ServerSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>init: creates the schema, or brings it up to date, and the roles colorcard_supervisor and colorcard_operator.</source>
        <comment>ServerActions</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server: postgresql://user@host:port/database.</source>
        <comment>UrlOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the server with --url postgresql://…</source>
        <comment>NoUrl</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a PostgreSQL address: %1</source>
        <comment>BadUrl</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown action: %1 (known: init)</source>
        <comment>UnknownAction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <comment>CannotConnect</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The schema on %1 could not be set up: %2</source>
        <comment>SchemaFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schema colorcard on %1: version %2 (was %3). Give each person one role, e.g. GRANT colorcard_operator TO alice;</source>
        <comment>SchemaReady</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies a SQLite store onto a PostgreSQL server (--from FILE.db --to URL).</source>
        <comment>MigrateSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SQLite store to copy from.</source>
        <comment>FromOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server to copy to: postgresql://user@host/database.</source>
        <comment>ToOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name the file with --from FILE.db and the server with --to postgresql://…</source>
        <comment>MigrateNeedsBoth</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied to %1: %2 libraries, %3 colors, %4 tolerances, %5 history entries.</source>
        <comment>MigrateCopied</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verified on both sides: the file holds %1 libraries, %2 colors, %3 tolerances, %4 history entries, and the server holds every one of them.</source>
        <comment>MigrateVerified</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not all was found on the server: the file holds %1 libraries, %2 colors, %3 tolerances, %4 history entries; the server has %5, %6, %7, %8 of them.</source>
        <comment>MigrateMismatch</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was copied to %1: %2</source>
        <comment>MigrateFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused: your role may not make this change (ask a supervisor). %1</source>
        <comment>PermissionDenied</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 cannot be reached; nothing was changed. Check the network and try again.</source>
        <comment>ServerUnreachable</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another bench changed library %1 first; nothing of yours was saved. The library has been reloaded: make the change again.</source>
        <comment>StaleEdit</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>colorcard-cli %1 reads a SQLite file only; on a server use libraries, audit or migrate.</source>
        <comment>FileOnly</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prints the server&apos;s audit trail of changes to libraries, colors and tolerances.</source>
        <comment>AuditSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the changes of this library (its ID).</source>
        <comment>LibraryOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print JSON instead of lines.</source>
        <comment>JsonOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This needs the store on a server: --database postgresql://… (or COLORCARD_DATABASE)</source>
        <comment>NeedsServer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the audit trail on %1: %2</source>
        <comment>AuditUnreadable</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreText</name>
    <message>
        <source>Open database fail!</source>
        <comment>OpenDatabaseFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query color card library table fail!</source>
        <comment>QueryLibraryTableFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create color card library table fail!</source>
        <comment>CreateLibraryTableFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create color card data table fail!</source>
        <comment>CreateColorTableFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert color card library fail!</source>
        <comment>InsertLibraryFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert color card data fail!</source>
        <comment>InsertColorFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify color card library name fail!</source>
        <comment>RenameLibraryFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update color card library count fail!</source>
        <comment>UpdateCountFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify color card name fail!</source>
        <comment>RenameColorFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update color card data fail!</source>
        <comment>UpdateColorFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query color card name fail！</source>
        <comment>QueryColorNameFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query color card library fail！</source>
        <comment>QueryLibrariesFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query color card data fail！</source>
        <comment>QueryColorsFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete color card data table fail！</source>
        <comment>DropColorTableFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete color card library fail！</source>
        <comment>DeleteLibraryFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete color card fail！</source>
        <comment>DeleteColorFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete database file fail！</source>
        <comment>DeleteDatabaseFileFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The change could not be saved to the database, nothing was changed!</source>
        <comment>CommitFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start a change of the database!</source>
        <comment>BeginFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database is busy: another program (the window or colorcard-cli) is changing it. Nothing was changed; try again in a moment.</source>
        <comment>Busy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The disk holding the database is full (%2): free some space and try again. Nothing was changed.</source>
        <comment>DiskFull</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The database file or its folder is read-only (%2): it cannot be changed. Nothing was changed.</source>
        <comment>ReadOnly</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The database file is damaged (database disk image is malformed): %2. Restore a backup (Restore backup).</source>
        <comment>Damaged</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database %1 is damaged (database disk image is malformed) and cannot be read.

Restore the newest backup, taken %2? The damaged file is kept beside it.</source>
        <comment>DamagedAtStart</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database %1 is damaged (database disk image is malformed) and cannot be read, and there is no backup to restore. Move the file away to start with an empty database.</source>
        <comment>DamagedNoBackup</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The newest backup was restored; the damaged database was kept as %1.</source>
        <comment>DamagedRestored</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be restored; the damaged database is left as it was.</source>
        <comment>DamagedRestoreFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This works on a database file only, not on a server.</source>
        <comment>NotOnServer</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StoreWindowText</name>
    <message>
        <source>Store: %1</source>
        <comment>OnFile</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store: server %1 (%2)</source>
        <comment>OnServer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store: server %1 (offline)</source>
        <comment>OnServerOffline</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to the server…</source>
        <comment>Connecting</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 cannot be reached: %2

Retry, or Cancel to work offline (nothing can be changed until the server is back)?</source>
        <comment>Unreachable</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window is offline: the server %1 could not be reached. Nothing was changed; start the program again once the server is back.</source>
        <comment>Offline</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your role on the server is operator: you may measure samples, compare and keep lots, and read and write the meter, but not change libraries, colors, tolerances or backups. Ask a supervisor.</source>
        <comment>OperatorMayNot</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History of changes</source>
        <comment>HistoryAction</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who changed the current library, when, at which bench, and what changed (kept on the server).</source>
        <comment>HistoryTip</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history of changes is kept on a server only: start the program with --database postgresql://… to see it.</source>
        <comment>HistoryNeedsServer</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a library first.</source>
        <comment>ChooseLibraryFirst</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server holds no changes of the library %1.</source>
        <comment>HistoryEmpty</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the history of changes: %1</source>
        <comment>HistoryUnreadable</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who</source>
        <comment>ColumnWho</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bench</source>
        <comment>ColumnBench</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change (old → new)</source>
        <comment>ColumnChange</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <comment>CloseButton</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library added</source>
        <comment>LibraryAdded</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library changed</source>
        <comment>LibraryChanged</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Library removed</source>
        <comment>LibraryRemoved</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color added</source>
        <comment>ColourAdded</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color changed</source>
        <comment>ColourChanged</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color removed</source>
        <comment>ColourRemoved</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolerance set</source>
        <comment>ToleranceSet</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolerance changed</source>
        <comment>ToleranceChanged</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolerance removed</source>
        <comment>ToleranceRemoved</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server refused the change: %1</source>
        <comment>ServerRefused</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups of libraries on the server</source>
        <comment>BackupsTitle</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taken by</source>
        <comment>ColumnTakenBy</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server holds no backups of libraries.</source>
        <comment>NoServerBackups</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the library %1 as it was backed up at %2? A library stored under it now is backed up first and replaced.</source>
        <comment>AskServerRestore</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored the library %1 (%2 colors) from the server&apos;s backup %3.</source>
        <comment>ServerRestored</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup could not be restored; nothing was changed. %1</source>
        <comment>ServerRestoreFailed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server holds no backup %1.</source>
        <comment>NoSuchBackup</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists the server&apos;s backups of libraries, newest first (the last 20 of each library).</source>
        <comment>BackupsSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the backups of this library (its ID).</source>
        <comment>BackupsLibraryOption</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restores a library from one of the server&apos;s backups (ID as backups lists it).</source>
        <comment>RestoreSummary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup&apos;s ID.</source>
        <comment>BackupIdArgument</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>supervisor role</source>
        <comment>RoleSupervisor</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>operator role</source>
        <comment>RoleOperator</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment>Reconnect</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try the server again now; offline, the window also tries it every few seconds.</source>
        <comment>ReconnectTip</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server password</source>
        <comment>PasswordTitle</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server %1 asks for a password: %2

Enter the password of this login:</source>
        <comment>PasswordAsk</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remember in the keyring</source>
        <comment>RememberPassword</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring; it will be asked for next time.</source>
        <comment>PasswordNotKept</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>The color card library is empty, unable to download!</source>
        <comment>NothingToWrite</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please add color cards first, then download again!</source>
        <comment>AddColorsFirst</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quantity of color card %1 is 0. Please delete the color card and download again!</source>
        <comment>EmptyLibrary</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write content mismatch, unable to write!</source>
        <comment>WriteMismatch</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel file error!</source>
        <comment>PayloadError</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing meter data, please wait</source>
        <comment>Writing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to write %1 package standard color card data to port!</source>
        <comment>PackageNotWritten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully written the color card to the instrument!</source>
        <comment>Written</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting meter data, please wait</source>
        <comment>Exporting</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to database, please wait</source>
        <comment>StoringExport</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the color card data success!</source>
        <comment>Exported</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exported colors have L*a*b* values outside L* -10 to 150, a* and b* -200 to 200, the first &quot;%2&quot; in the library &quot;%3&quot;: they were kept as the meter holds them, please check them!</source>
        <comment>ExportedImplausible</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to write the total number of standard color cards and ports!</source>
        <comment>WriteTotalNotWritten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No message was received regarding the total number of standard color cards written!</source>
        <comment>WriteTotalNoReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is an error in the message received for writing the total number of standard color cards!</source>
        <comment>WriteTotalBadReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写标准色卡总数,Write the total number of standard color cards, data error, unable to write!</source>
        <comment>WriteTotalMismatch</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing standard color card information and port failed!</source>
        <comment>WriteInfoNotWritten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No message received for writing standard color card information!</source>
        <comment>WriteInfoNoReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message received for writing standard color card information is incorrect!</source>
        <comment>WriteInfoBadReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing standard color card information, data error, unable to write!</source>
        <comment>WriteInfoMismatch</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to write empty packet message!</source>
        <comment>EmptyPacketNotWritten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After writing an empty packet message, no message was received!</source>
        <comment>EmptyPacketNoReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing failed!</source>
        <comment>EmptyPacketBadReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read the total number of standard color cards and ports!</source>
        <comment>ReadTotalNotWritten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No message was received regarding the total number of standard color cards read!</source>
        <comment>ReadTotalNoReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is an error in the message received for reading the total number of standard color cards!</source>
        <comment>ReadTotalBadReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading standard color card information and port failed!</source>
        <comment>ReadInfoNotWritten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No message received for reading standard color card information!</source>
        <comment>ReadInfoNoReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message received for reading standard color card information is incorrect!</source>
        <comment>ReadInfoBadReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading standard color card data and port failed!</source>
        <comment>ReadDataNotWritten</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No message received for reading standard color card data!</source>
        <comment>ReadDataNoReply</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message received for reading standard color card data is incorrect!</source>
        <comment>ReadDataBadReply</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>colorcard::FirstPage</name>
    <message>
        <source>Modify library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New library</source>
        <comment>dialog title</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>colorcard::PageSwitcher</name>
    <message>
        <source>Libraries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality control</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>colorcard::QualityPage</name>
    <message>
        <source>Readings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many readings are averaged (1–10)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <comment>group title</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>colorcard::ReadingCountBox</name>
    <message>
        <source>Readings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many readings are averaged (1–10)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
