<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BackupText</name>
    <message>
        <source>Restore backup</source>
        <comment>RestoreAction</comment>
        <translation>恢复备份</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>RestoreButton</comment>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Backup time</source>
        <comment>ColumnTime</comment>
        <translation>备份时间</translation>
    </message>
    <message>
        <source>Meter</source>
        <comment>ColumnMeter</comment>
        <translation>仪器</translation>
    </message>
    <message>
        <source>Libraries</source>
        <comment>ColumnLibraries</comment>
        <translation>色卡库数</translation>
    </message>
    <message>
        <source>Colors</source>
        <comment>ColumnColours</comment>
        <translation>色卡数</translation>
    </message>
    <message>
        <source>(unreadable)</source>
        <comment>Unreadable</comment>
        <translation>（无法读取）</translation>
    </message>
    <message>
        <source>There is no backup yet!</source>
        <comment>NoBackups</comment>
        <translation>还没有备份！</translation>
    </message>
    <message>
        <source>Restore the backup of %1? The current data is backed up first.</source>
        <comment>AskRestore</comment>
        <translation>确定恢复 %1 的备份吗？当前数据会先备份。</translation>
    </message>
    <message>
        <source>Restore backup success!</source>
        <comment>RestoreSuccess</comment>
        <translation>恢复备份成功！</translation>
    </message>
    <message>
        <source>Restore backup fail! Nothing was changed.</source>
        <comment>RestoreFailed</comment>
        <translation>恢复备份失败！数据未作任何修改。</translation>
    </message>
    <message>
        <source>The backup file is damaged and cannot be restored!</source>
        <comment>NotABackup</comment>
        <translation>备份文件已损坏，无法恢复！</translation>
    </message>
    <message>
        <source>Backup of the database fail! Nothing was changed.</source>
        <comment>BackupFailed</comment>
        <translation>数据库备份失败！数据未作任何修改。</translation>
    </message>
</context>
<context>
    <name>ChangeText</name>
    <message>
        <source>Yes: save, then take the new meter&apos;s libraries. No: take them without saving. The current libraries are backed up either way; the QC history, lots and tolerances stay. Cancel: keep the current data and do not connect the new meter.</source>
        <comment>InstrumentChangeChoices</comment>
        <translation>是：先保存，再换用新仪器的色卡库；否：不保存直接换用。两种情况下当前色卡库都会先备份，质检记录、批次和容差保留。取消：保留当前数据，不连接新仪器。</translation>
    </message>
    <message>
        <source>The new meter is not connected: the current data was kept. Unplug it, or plug it in again to change to it.</source>
        <comment>InstrumentChangeCancelled</comment>
        <translation>未连接新仪器，当前数据已保留。请拔下新仪器，或重新插入以换用它。</translation>
    </message>
    <message>
        <source>The locked color card library &quot;%1&quot; is gone, so it was unlocked. Choose and lock a library before measuring.</source>
        <comment>LockReleased</comment>
        <translation>已锁定的色卡库“%1”已不存在，已解除锁定。测量前请重新选择并锁定色卡库。</translation>
    </message>
    <message>
        <source>Taken before</source>
        <comment>ColumnCause</comment>
        <translation>备份原因</translation>
    </message>
    <message>
        <source>Delete all</source>
        <comment>CauseDeleteAll</comment>
        <translation>删除所有数据</translation>
    </message>
    <message>
        <source>Deleting a library</source>
        <comment>CauseDeleteLibrary</comment>
        <translation>删除色卡库</translation>
    </message>
    <message>
        <source>Instrument change</source>
        <comment>CauseInstrumentChange</comment>
        <translation>更换仪器</translation>
    </message>
    <message>
        <source>Import</source>
        <comment>CauseImport</comment>
        <translation>导入</translation>
    </message>
    <message>
        <source>Meter export</source>
        <comment>CauseMeterExport</comment>
        <translation>导出仪器数据</translation>
    </message>
    <message>
        <source>Restore</source>
        <comment>CauseRestore</comment>
        <translation>恢复备份之前</translation>
    </message>
    <message>
        <source>(not recorded)</source>
        <comment>CauseUnknown</comment>
        <translation>（未记录）</translation>
    </message>
    <message>
        <source>The restored data belongs to meter %1. Make it the data of the attached meter %2? No keeps it as meter %1&apos;s data: it is replaced when meter %2 is identified again.</source>
        <comment>AdoptRestored</comment>
        <translation>恢复的数据属于仪器 %1。是否将其作为当前连接的仪器 %2 的数据？选择“否”则仍属于仪器 %1，下次识别到仪器 %2 时会被替换。</translation>
    </message>
    <message>
        <source>Replace the meter&apos;s libraries with the program&apos;s? The program has %1 libraries with %2 colors; the meter holds %3 libraries with %4 colors, which will be replaced.</source>
        <comment>ConfirmWrite</comment>
        <translation>是否用本程序的色卡库替换仪器中的色卡库？本程序有 %1 个色卡库、%2 个颜色；仪器中现有 %3 个色卡库、%4 个颜色，将被替换。</translation>
    </message>
    <message>
        <source>Written: %1 libraries with %2 colors.</source>
        <comment>WrittenCounts</comment>
        <translation>已写入 %1 个色卡库、%2 个颜色。</translation>
    </message>
    <message>
        <source>Meter libraries read: nothing new, the program already holds them.</source>
        <comment>FirstExportUnchanged</comment>
        <translation>已读取仪器色卡库：没有新内容，本程序中已全部存在。</translation>
    </message>
    <message>
        <source>%1 colors added: %2</source>
        <comment>MergeAdds</comment>
        <translation>新增 %1 个颜色：%2</translation>
    </message>
    <message>
        <source>%1 colors changed: %2</source>
        <comment>MergeChanges</comment>
        <translation>修改 %1 个颜色：%2</translation>
    </message>
    <message>
        <source>%1 colors of the library are not in the incoming copy and stay in the library: %2</source>
        <comment>MergeKeeps</comment>
        <translation>色卡库中有 %1 个颜色不在导入的数据中，将保留在色卡库中：%2</translation>
    </message>
    <message>
        <source>These libraries were kept as they are, but the incoming copy lacks some of their colors: %1</source>
        <comment>MergeOnlyLacking</comment>
        <translation>以下色卡库保持不变，但导入的数据缺少其中部分颜色：%1</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <comment>SavedFile</comment>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>Color name can not be empty!</source>
        <comment>ColorNumberEmpty</comment>
        <translation>色卡编号不能为空！</translation>
    </message>
    <message>
        <source>A backup of the database is taken first; Restore backup brings it back.</source>
        <comment>BackupFirstNote</comment>
        <translation>删除前会先备份数据库，可用“恢复备份”找回。</translation>
    </message>
</context>
<context>
    <name>CliText</name>
    <message>
        <source>Reads the colour card libraries and computes colour differences.</source>
        <comment>Description</comment>
        <translation>读取色卡库并计算色差。</translation>
    </message>
    <message>
        <source>Commands:</source>
        <comment>CommandsHeading</comment>
        <translation>命令：</translation>
    </message>
    <message>
        <source>Run &quot;colorcard-cli COMMAND --help&quot; for the options of a command. Exit status: 0 success, 1 failure, 2 wrong usage.</source>
        <comment>CommandHelpHint</comment>
        <translation>运行 &quot;colorcard-cli 命令 --help&quot; 查看命令的选项。退出状态：0 成功，1 失败，2 用法错误。</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <comment>HelpOption</comment>
        <translation>显示本帮助。</translation>
    </message>
    <message>
        <source>The store to use (default: the program&apos;s own database.db).</source>
        <comment>DatabaseOption</comment>
        <translation>使用的数据库（默认：程序自己的 database.db）。</translation>
    </message>
    <message>
        <source>Prints the list as JSON.</source>
        <comment>JsonOption</comment>
        <translation>以 JSON 输出列表。</translation>
    </message>
    <message>
        <source>Colour-difference formula: 76, 94 (graphic arts), 94t (textiles), cmc or 00 (default 00).</source>
        <comment>FormulaOption</comment>
        <translation>色差公式：76、94（印刷）、94t（纺织）、cmc 或 00（默认 00）。</translation>
    </message>
    <message>
        <source>CMC lightness weight l (default 2).</source>
        <comment>LOption</comment>
        <translation>CMC 明度权重 l（默认 2）。</translation>
    </message>
    <message>
        <source>CMC chroma weight c (default 1).</source>
        <comment>COption</comment>
        <translation>CMC 彩度权重 c（默认 1）。</translation>
    </message>
    <message>
        <source>CIEDE2000 factor (default 1).</source>
        <comment>KOptions</comment>
        <translation>CIEDE2000 参数因子（默认 1）。</translation>
    </message>
    <message>
        <source>How many standards to list (default 5).</source>
        <comment>CountOption</comment>
        <translation>列出的标准色数量（默认 5）。</translation>
    </message>
    <message>
        <source>List the libraries.</source>
        <comment>LibrariesSummary</comment>
        <translation>列出色卡库。</translation>
    </message>
    <message>
        <source>List the colours of a library.</source>
        <comment>ColoursSummary</comment>
        <translation>列出色卡库中的颜色。</translation>
    </message>
    <message>
        <source>Identifier or name of the library.</source>
        <comment>ColoursLibraryArgument</comment>
        <translation>色卡库的 ID 或名称。</translation>
    </message>
    <message>
        <source>Colour difference of a sample from its reference (reference first).</source>
        <comment>DeltaESummary</comment>
        <translation>样品相对标准色的色差（先写标准色）。</translation>
    </message>
    <message>
        <source>L*a*b* of the reference, then of the sample.</source>
        <comment>DeltaEArguments</comment>
        <translation>标准色的 L*a*b*，然后是样品的。</translation>
    </message>
    <message>
        <source>The standards of all libraries nearest a colour.</source>
        <comment>NearestSummary</comment>
        <translation>所有色卡库中与某颜色最接近的标准色。</translation>
    </message>
    <message>
        <source>L*a*b* of the sample.</source>
        <comment>NearestArguments</comment>
        <translation>样品的 L*a*b*。</translation>
    </message>
    <message>
        <source>no command given; see colorcard-cli --help</source>
        <comment>NoCommand</comment>
        <translation>未指定命令；请参阅 colorcard-cli --help</translation>
    </message>
    <message>
        <source>unknown command %1; see colorcard-cli --help</source>
        <comment>UnknownCommand</comment>
        <translation>未知命令 %1；请参阅 colorcard-cli --help</translation>
    </message>
    <message>
        <source>%1 expects %2; see colorcard-cli %1 --help</source>
        <comment>ArgumentCount</comment>
        <translation>%1 需要 %2；请参阅 colorcard-cli %1 --help</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <comment>NotANumber</comment>
        <translation>%1 不是数字</translation>
    </message>
    <message>
        <source>unknown formula %1 (76, 94, 94t, cmc or 00)</source>
        <comment>UnknownFormula</comment>
        <translation>未知公式 %1（76、94、94t、cmc 或 00）</translation>
    </message>
    <message>
        <source>--%1 must be a positive number</source>
        <comment>BadParameter</comment>
        <translation>--%1 必须是正数</translation>
    </message>
    <message>
        <source>--%1 does not apply to formula %2</source>
        <comment>ParameterNotForFormula</comment>
        <translation>--%1 不适用于公式 %2</translation>
    </message>
    <message>
        <source>--count must be a whole number from 1 to 1000</source>
        <comment>BadCount</comment>
        <translation>--count 必须是 1 到 1000 之间的整数</translation>
    </message>
    <message>
        <source>no database at %1</source>
        <comment>NoDatabase</comment>
        <translation>%1 处没有数据库</translation>
    </message>
    <message>
        <source>cannot read the database %1: %2</source>
        <comment>StoreUnreadable</comment>
        <translation>无法读取数据库 %1：%2</translation>
    </message>
    <message>
        <source>no library %1</source>
        <comment>NoLibrary</comment>
        <translation>没有色卡库 %1</translation>
    </message>
    <message>
        <source>%2 libraries are named %1; give the identifier</source>
        <comment>AmbiguousLibrary</comment>
        <translation>有 %2 个色卡库名为 %1；请使用 ID</translation>
    </message>
</context>
<context>
    <name>ColorCardDialog</name>
    <message>
        <source>Library name:</source>
        <translation>色卡库名称：</translation>
    </message>
    <message>
        <source>Letters, digits, -, _ and spaces</source>
        <translation>字母、数字、中线、下划线、空格</translation>
    </message>
    <message>
        <source>Library description:</source>
        <translation>色卡库描述：</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>At most 10 characters, letters a-z and A-Z, digits, -, _ and spaces only;
name and description together at most 18 characters.</source>
        <translation>最多10个字符，只能输入英文字母、数字、中线、下划线和空格；
名称和描述合计最多18个字符。</translation>
    </message>
</context>
<context>
    <name>ColorCardOperatorWidget</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Delete this library and all its colors (asks first).
A locked library cannot be deleted.</source>
        <translation>删除此色卡库及其全部颜色（会先询问）。
锁定的色卡库不能删除。</translation>
    </message>
    <message>
        <source>Change this library&apos;s name and description.</source>
        <translation>修改此色卡库的名称和描述。</translation>
    </message>
</context>
<context>
    <name>ColorDataOperatorWidget</name>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Re-measure</source>
        <translation>重测</translation>
    </message>
    <message>
        <source>Delete this color (asks first).</source>
        <translation>删除此颜色（会先询问）。</translation>
    </message>
    <message>
        <source>Replace this color&apos;s values with a new measurement (asks first).
Needs a connected meter and a locked library.</source>
        <translation>用仪器的新测量值替换此颜色的数值（会先询问）。
需要：已连接仪器、已锁定色卡库。</translation>
    </message>
</context>
<context>
    <name>DemoText</name>
    <message>
        <source>Simulated meter</source>
        <comment>PanelTitle</comment>
        <translation>模拟仪器</translation>
    </message>
    <message>
        <source>Meter plugged in</source>
        <comment>Plugged</comment>
        <translation>仪器已插入</translation>
    </message>
    <message>
        <source>Another instrument</source>
        <comment>AnotherInstrument</comment>
        <translation>换用另一台仪器</translation>
    </message>
    <message>
        <source>Colour under the meter...</source>
        <comment>ChooseColour</comment>
        <translation>选择仪器下的颜色...</translation>
    </message>
    <message>
        <source>Colour under the meter</source>
        <comment>ColourCaption</comment>
        <translation>仪器下的颜色</translation>
    </message>
</context>
<context>
    <name>ExchangeText</name>
    <message>
        <source>Save File</source>
        <comment>SaveFileCaption</comment>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>Select File</source>
        <comment>SelectFileCaption</comment>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>The number of records in color card library %1 is 0. Do you want to continue saving?</source>
        <comment>ConfirmSaveEmpty</comment>
        <translation>色卡库%1的记录数量为0，是否继续保存？</translation>
    </message>
    <message>
        <source>Create color card file fail!</source>
        <comment>CreateFileFailed</comment>
        <translation>创建色卡文件失败！</translation>
    </message>
    <message>
        <source>Saving Excel data, please wait</source>
        <comment>Saving</comment>
        <translation>正在保存Excel数据，请等待...</translation>
    </message>
    <message>
        <source>Open color card library file fail!</source>
        <comment>OpenLibrarySheetFailed</comment>
        <translation>打开色卡库文件失败！</translation>
    </message>
    <message>
        <source>Save color card library file fail!</source>
        <comment>SaveLibrarySheetFailed</comment>
        <translation>保存色卡库文件失败！</translation>
    </message>
    <message>
        <source>Open color card data file fail!</source>
        <comment>OpenDataSheetFailed</comment>
        <translation>打开色卡数据文件失败！</translation>
    </message>
    <message>
        <source>Save color card data file fail!</source>
        <comment>SaveDataSheetFailed</comment>
        <translation>保存色卡数据文件失败！</translation>
    </message>
    <message>
        <source>Save file success!</source>
        <comment>Saved</comment>
        <translation>保存文件成功！</translation>
    </message>
    <message>
        <source>Could not open file!</source>
        <comment>CouldNotOpen</comment>
        <translation>无法打开文件！</translation>
    </message>
    <message>
        <source>Read Excel file error!</source>
        <comment>ReadError</comment>
        <translation>读取Excel文件出错！</translation>
    </message>
    <message>
        <source>Row %1 of worksheet %2 holds a name or description with a control character or a text direction mark, which cannot be kept!</source>
        <comment>UnsafeName</comment>
        <translation>第%2个工作表第%1行的名称或描述含有控制字符或文字方向标记，无法保存！</translation>
    </message>
    <message>
        <source>Read Excel file error!</source>
        <comment>SheetMissing</comment>
        <translation>读取Excel文件出错!</translation>
    </message>
    <message>
        <source>Data check crc error!</source>
        <comment>CheckError</comment>
        <translation>数据校验错误!</translation>
    </message>
    <message>
        <source>Import file error!</source>
        <comment>OtherMeter</comment>
        <translation>导入文件出错!</translation>
    </message>
    <message>
        <source>Importing Excel data, please wait</source>
        <comment>Importing</comment>
        <translation>正在导入Excel数据，请等待...</translation>
    </message>
    <message>
        <source>Import file success!</source>
        <comment>Imported</comment>
        <translation>导入文件成功！</translation>
    </message>
</context>
<context>
    <name>FirstPage</name>
    <message>
        <source>Meter information</source>
        <translation>仪器信息</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>仪器型号：</translation>
    </message>
    <message>
        <source>Color measurement</source>
        <translation>色卡测量</translation>
    </message>
    <message>
        <source>Current library:</source>
        <translation>当前色卡库名称：</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>锁定</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>解锁</translation>
    </message>
    <message>
        <source>Color name:</source>
        <translation>色卡编号：</translation>
    </message>
    <message>
        <source>Letters, digits, -, _ and spaces</source>
        <translation>字母、数字、中线、下划线、空格</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Color values:</source>
        <translation>颜色数值：</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>Color preview:</source>
        <translation>颜色预览：</translation>
    </message>
    <message>
        <source>Library settings</source>
        <translation>色卡库设置</translation>
    </message>
    <message>
        <source>New library</source>
        <translation>新建色卡库</translation>
    </message>
    <message>
        <source>Library ID</source>
        <translation>色卡库ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>描述</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Actions</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Delete all data</source>
        <translation>删除所有色卡数据</translation>
    </message>
    <message>
        <source>Import from Excel</source>
        <translation>导入Excel数据</translation>
    </message>
    <message>
        <source>Save to Excel</source>
        <translation>保存Excel数据</translation>
    </message>
    <message>
        <source>Write to meter</source>
        <translation>数据写入仪器</translation>
    </message>
    <message>
        <source>Export meter data</source>
        <translation>导出仪器数据</translation>
    </message>
    <message>
        <source>Color ID</source>
        <translation>色卡ID</translation>
    </message>
    <message>
        <source>Color name</source>
        <translation>色卡名称</translation>
    </message>
    <message>
        <source>ColorCard Instruments Co., Ltd.</source>
        <translation>色卡仪器科技有限公司</translation>
    </message>
    <message>
        <source>Lock the current library: every measured color goes into it.
Measuring needs a locked library.</source>
        <translation>锁定当前色卡库：测量的颜色都存入该库。
测量前需要锁定。</translation>
    </message>
    <message>
        <source>Unlock the current library to choose another one.</source>
        <translation>解锁当前色卡库，以便选择其他色卡库。</translation>
    </message>
    <message>
        <source>Name of the new color: at most 19 characters, letters a-z and A-Z, digits, -, _ and spaces only.
Press Return to measure.</source>
        <translation>新颜色的名称：最多19个字符，只能输入英文字母、数字、中线、下划线和空格。
按回车键测量。</translation>
    </message>
    <message>
        <source>Read the meter&apos;s measurement and store it under the typed name in the locked library.
Needs a connected meter and a locked library.
Keys: Space, or Return in the name field.</source>
        <translation>读取仪器的测量值，以输入的名称存入锁定的色卡库。
需要：已连接仪器、已锁定色卡库。
快捷键：空格，或在名称栏中按回车。</translation>
    </message>
    <message>
        <source>Create an empty library with a name and a description.</source>
        <translation>新建一个空的色卡库，输入名称和描述。</translation>
    </message>
    <message>
        <source>Delete every library and color in the database (asks first).</source>
        <translation>删除数据库中的全部色卡库和颜色（会先询问）。</translation>
    </message>
    <message>
        <source>Import the libraries of an Excel file saved for this meter; asks before changing a library that exists.
Needs a connected meter.</source>
        <translation>从为本仪器保存的Excel文件导入色卡库，已有的色卡库会先询问是否覆盖。
需要：已连接仪器。</translation>
    </message>
    <message>
        <source>Save every library and color to an Excel file.</source>
        <translation>将全部色卡库和颜色保存到一个Excel文件。</translation>
    </message>
    <message>
        <source>Write every library into the meter, replacing the meter&apos;s libraries.
Needs a connected meter and at least one color in every library.</source>
        <translation>将全部色卡库写入仪器，替换仪器中的色卡库。
需要：已连接仪器，每个色卡库至少有一个颜色。</translation>
    </message>
    <message>
        <source>Read the meter&apos;s libraries into the database; asks before changing a library that exists.
Needs a connected meter.</source>
        <translation>读取仪器中的色卡库并存入数据库，已有的色卡库会先询问是否覆盖。
需要：已连接仪器。</translation>
    </message>
</context>
<context>
    <name>FormatText</name>
    <message>
        <source>Could not open the file %1!</source>
        <comment>CannotOpen</comment>
        <translation>无法打开文件%1！</translation>
    </message>
    <message>
        <source>Could not write the file %1!</source>
        <comment>CannotWrite</comment>
        <translation>无法写入文件%1！</translation>
    </message>
    <message>
        <source>The file %1 is larger than %2 MB and is not imported!</source>
        <comment>TooLarge</comment>
        <translation>文件%1超过%2 MB，不予导入！</translation>
    </message>
    <message>
        <source>The file %1 has more than %2 lines, more than %4 colors need: reading stopped at line %3 and nothing is imported!</source>
        <comment>TooManyLines</comment>
        <translation>文件%1超过%2行，超出%4个颜色所需：读取在第%3行停止，不予导入！</translation>
    </message>
    <message>
        <source>The file %1 is not UTF-8 text!</source>
        <comment>NotUtf8</comment>
        <translation>文件%1不是UTF-8文本！</translation>
    </message>
    <message>
        <source>The type of the file %1 is not known: choose a .csv, .txt (CGATS.17), .cxf or .xls file!</source>
        <comment>UnknownType</comment>
        <translation>无法识别文件%1的类型：请选择.csv、.txt（CGATS.17）、.cxf或.xls文件！</translation>
    </message>
    <message>
        <source>The file %1 is not a valid %2 file (line %3: %4)!</source>
        <comment>Malformed</comment>
        <translation>文件%1不是有效的%2文件（第%3行：%4）！</translation>
    </message>
    <message>
        <source>The file %1 is not a valid %2 file (%3)!</source>
        <comment>MalformedContent</comment>
        <translation>文件%1不是有效的%2文件（%3）！</translation>
    </message>
    <message>
        <source>The file %1 is not a valid CSV file: the quoted field that starts on line %2 is not closed!</source>
        <comment>CsvUnterminatedQuote</comment>
        <translation>文件%1不是有效的CSV文件：第%2行开始的引号字段没有结束！</translation>
    </message>
    <message>
        <source>The file %1 is not a valid CSV file: line %2 has %3 fields, the header has %4!</source>
        <comment>CsvFieldCount</comment>
        <translation>文件%1不是有效的CSV文件：第%2行有%3个字段，表头有%4个！</translation>
    </message>
    <message>
        <source>The file %1 lacks the L*a*b* fields %2: every color needs L*, a* and b*!</source>
        <comment>MissingLabFields</comment>
        <translation>文件%1缺少L*a*b*字段%2：每个颜色都需要L*、a*和b*！</translation>
    </message>
    <message>
        <source>The color &quot;%1&quot; of the library &quot;%2&quot; has no L*a*b* values!</source>
        <comment>MissingLabValues</comment>
        <translation>色卡库“%2”中的颜色“%1”没有L*a*b*值！</translation>
    </message>
    <message>
        <source>The %1 value of the color &quot;%2&quot; in the library &quot;%3&quot; is &quot;%4&quot;, which is not a number!</source>
        <comment>NotANumber</comment>
        <translation>色卡库“%3”中颜色“%2”的%1值“%4”不是数字！</translation>
    </message>
    <message>
        <source>The %1 value of the color &quot;%2&quot; in the library &quot;%3&quot; is %4, outside %5 to %6!</source>
        <comment>OutOfRange</comment>
        <translation>色卡库“%3”中颜色“%2”的%1值%4超出了%5至%6的范围！</translation>
    </message>
    <message>
        <source>Color %1 of the library &quot;%2&quot; has no name!</source>
        <comment>EmptyColorName</comment>
        <translation>色卡库“%2”中的第%1个颜色没有名称！</translation>
    </message>
    <message>
        <source>A library in the file %1 has no name!</source>
        <comment>EmptyLibraryName</comment>
        <translation>文件%1中有一个色卡库没有名称！</translation>
    </message>
    <message>
        <source>The library name &quot;%1&quot; is %2 bytes long; the meter holds at most %3 bytes (a Chinese character takes 3)!</source>
        <comment>LibraryNameTooLong</comment>
        <translation>色卡库名称“%1”长%2字节，仪器最多容纳%3字节（一个汉字占3字节）！</translation>
    </message>
    <message>
        <source>The description &quot;%1&quot; of the library &quot;%2&quot; is %3 bytes long; the meter holds at most %4 bytes (a Chinese character takes 3)!</source>
        <comment>DescriptionTooLong</comment>
        <translation>色卡库“%2”的描述“%1”长%3字节，仪器最多容纳%4字节（一个汉字占3字节）！</translation>
    </message>
    <message>
        <source>The color name &quot;%1&quot; in the library &quot;%2&quot; is %3 bytes long; the meter holds at most %4 bytes (a Chinese character takes 3)!</source>
        <comment>ColorNameTooLong</comment>
        <translation>色卡库“%2”中的颜色名称“%1”长%3字节，仪器最多容纳%4字节（一个汉字占3字节）！</translation>
    </message>
    <message>
        <source>The file holds %1 color card libraries; at most %2 can be kept!</source>
        <comment>TooManyLibraries</comment>
        <translation>文件包含%1本色卡库，最多只能保存%2本！</translation>
    </message>
    <message>
        <source>The file holds %1 colors; at most %2 can be kept!</source>
        <comment>TooManyColors</comment>
        <translation>文件包含%1条色卡数据，最多只能保存%2条！</translation>
    </message>
    <message>
        <source>The file %1 holds no colors!</source>
        <comment>NoColors</comment>
        <translation>文件%1中没有色卡数据！</translation>
    </message>
    <message>
        <source>Row %1 of the file %2 holds a name or description with a control character or a text direction mark, which cannot be kept!</source>
        <comment>UnsafeName</comment>
        <translation>文件%2第%1行的名称或描述含有控制字符或文字方向标记，无法保存！</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be written as %2 text: double quotes, line breaks and control characters are not allowed there!</source>
        <comment>Unwritable</comment>
        <translation>名称“%1”无法写成%2文本：其中不允许双引号、换行和控制字符！</translation>
    </message>
    <message>
        <source>CSV table (*.csv)</source>
        <comment>CsvFilter</comment>
        <translation>CSV表格 (*.csv)</translation>
    </message>
    <message>
        <source>CGATS.17 text (*.txt *.cgats *.it8)</source>
        <comment>CgatsFilter</comment>
        <translation>CGATS.17文本 (*.txt *.cgats *.it8)</translation>
    </message>
    <message>
        <source>CxF3 color exchange (*.cxf)</source>
        <comment>CxfFilter</comment>
        <translation>CxF3颜色交换文件 (*.cxf)</translation>
    </message>
</context>
<context>
    <name>GuidanceText</name>
    <message>
        <source>&quot;%1&quot; cannot be typed here: only letters a-z and A-Z, digits, -, _ and spaces are accepted.</source>
        <comment>CharacterRefused</comment>
        <translation>此处不能输入“%1”：只能输入英文字母、数字、中线、下划线和空格。</translation>
    </message>
    <message>
        <source>Only letters a-z and A-Z, digits, -, _ and spaces are accepted here.</source>
        <comment>CharactersRefused</comment>
        <translation>此处只能输入英文字母、数字、中线、下划线和空格。</translation>
    </message>
    <message>
        <source>At most %1 characters can be typed here.</source>
        <comment>FieldFull</comment>
        <translation>此处最多输入%1个字符。</translation>
    </message>
    <message>
        <source>Name and description together have more than %1 characters: shorten one of them.</source>
        <comment>CombinedTooLong</comment>
        <translation>名称和描述合计超过%1个字符，请缩短其中一个。</translation>
    </message>
    <message>
        <source>Nothing was changed: every color card library of the meter is already in the database or was kept as it was.</source>
        <comment>ExportChangedNothing</comment>
        <translation>未做任何更改：仪器中的色卡库已全部存在于数据库中，或已按您的选择保留原样。</translation>
    </message>
    <message>
        <source>Nothing was changed: every color card library of the file is already in the database or was kept as it was.</source>
        <comment>ImportChangedNothing</comment>
        <translation>未做任何更改：文件中的色卡库已全部存在于数据库中，或已按您的选择保留原样。</translation>
    </message>
    <message>
        <source>Delete the color &quot;%1&quot;? Its measured values will be lost.</source>
        <comment>ConfirmDeleteColour</comment>
        <translation>删除色卡“%1”？其测量数据将被删除，是否确认删除？</translation>
    </message>
    <message>
        <source>Measure the color &quot;%1&quot; again? Its stored values will be replaced by the new measurement.</source>
        <comment>ConfirmRemeasure</comment>
        <translation>重新测量色卡“%1”？其已保存的数值将被新的测量值替换，是否继续？</translation>
    </message>
    <message>
        <source>Replace the current data with a backup taken before an earlier change.
The current data is backed up first.</source>
        <comment>RestoreBackupTip</comment>
        <translation>用之前某次更改前保存的备份替换当前数据。
当前数据会先备份。</translation>
    </message>
</context>
<context>
    <name>IndexText</name>
    <message>
        <source>No index</source>
        <comment>NoIndex</comment>
        <translation>不显示指数</translation>
    </message>
    <message>
        <source>CIE whiteness W</source>
        <comment>CieWhiteness</comment>
        <translation>CIE 白度 W</translation>
    </message>
    <message>
        <source>CIE tint T</source>
        <comment>CieTint</comment>
        <translation>CIE 淡色调指数 T</translation>
    </message>
    <message>
        <source>ASTM E313 yellowness YI</source>
        <comment>E313Yellowness</comment>
        <translation>ASTM E313 黄度指数 YI</translation>
    </message>
    <message>
        <source>ASTM D1925 yellowness YI (withdrawn)</source>
        <comment>D1925Yellowness</comment>
        <translation>ASTM D1925 黄度指数 YI（已废止）</translation>
    </message>
    <message>
        <source>outside the formula&apos;s range</source>
        <comment>OutOfRange</comment>
        <translation>超出公式适用范围</translation>
    </message>
    <message>
        <source>no white point known for %1</source>
        <comment>NoWhitePoint</comment>
        <translation>未知 %1 的白点</translation>
    </message>
    <message>
        <source>not defined for %1</source>
        <comment>NotForConditions</comment>
        <translation>不适用于 %1</translation>
    </message>
    <message>
        <source>not defined for this colour</source>
        <comment>Undefined</comment>
        <translation>不适用于该颜色</translation>
    </message>
    <message>
        <source>Index:</source>
        <comment>IndexLabel</comment>
        <translation>指数：</translation>
    </message>
    <message>
        <source>under %1</source>
        <comment>IndexConditions</comment>
        <translation>条件 %1</translation>
    </message>
    <message>
        <source>555 steps:</source>
        <comment>ShadeStepsLabel</comment>
        <translation>555 分档步长：</translation>
    </message>
    <message>
        <source>limit</source>
        <comment>StepIsLimit</comment>
        <translation>同容差</translation>
    </message>
    <message>
        <source>Index</source>
        <comment>IndexColumn</comment>
        <translation>指数</translation>
    </message>
    <message>
        <source>Could not save the library&apos;s index settings: %1</source>
        <comment>IndexSaveFailed</comment>
        <translation>保存色卡库的指数设置失败：%1</translation>
    </message>
    <message>
        <source>Could not read the library&apos;s index settings: %1</source>
        <comment>IndexReadFailed</comment>
        <translation>读取色卡库的指数设置失败：%1</translation>
    </message>
    <message>
        <source>Whiteness, tint or yellowness index of an L*a*b* colour.</source>
        <comment>IndexSummary</comment>
        <translation>计算 L*a*b* 颜色的白度、淡色调或黄度指数。</translation>
    </message>
    <message>
        <source>The index: cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness.</source>
        <comment>IndexOption</comment>
        <translation>指数：cie-whiteness、cie-tint、e313-yellowness 或 d1925-yellowness。</translation>
    </message>
    <message>
        <source>Illuminant/observer of the L*a*b*, such as D65/10 (default: the settings, D65/10).</source>
        <comment>ConditionsOption</comment>
        <translation>L*a*b* 的光源/观察者，如 D65/10（默认：设置中的条件，D65/10）。</translation>
    </message>
    <message>
        <source>Prints the result as JSON.</source>
        <comment>JsonValueOption</comment>
        <translation>以 JSON 输出结果。</translation>
    </message>
    <message>
        <source>--index is required (cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness)</source>
        <comment>NoIndexChosen</comment>
        <translation>必须指定 --index（cie-whiteness、cie-tint、e313-yellowness 或 d1925-yellowness）</translation>
    </message>
    <message>
        <source>unknown index %1 (cie-whiteness, cie-tint, e313-yellowness or d1925-yellowness)</source>
        <comment>UnknownIndex</comment>
        <translation>未知指数 %1（cie-whiteness、cie-tint、e313-yellowness 或 d1925-yellowness）</translation>
    </message>
    <message>
        <source>--conditions must be ILLUMINANT/OBSERVER such as D65/10 or C/2, not %1</source>
        <comment>BadConditions</comment>
        <translation>--conditions 必须为“光源/观察者”，如 D65/10 或 C/2，而不是 %1</translation>
    </message>
    <message>
        <source>555 shade codes and groups of the samples compared with a standard.</source>
        <comment>ShadeSortSummary</comment>
        <translation>与某标准色比较过的样品的 555 色差代码及分组。</translation>
    </message>
    <message>
        <source>The standard: LIBRARY/COLOUR, each an identifier or a name.</source>
        <comment>StandardOption</comment>
        <translation>标准色：色卡库/颜色，均可为 ID 或名称。</translation>
    </message>
    <message>
        <source>--standard LIBRARY/COLOUR is required</source>
        <comment>NoStandardChosen</comment>
        <translation>必须指定 --standard 色卡库/颜色</translation>
    </message>
    <message>
        <source>no standard %1 (LIBRARY/COLOUR)</source>
        <comment>NoStandard</comment>
        <translation>没有标准色 %1（色卡库/颜色）</translation>
    </message>
    <message>
        <source>%2 colours are named %1; give the identifier</source>
        <comment>AmbiguousColour</comment>
        <translation>有 %2 个颜色名为 %1；请使用 ID</translation>
    </message>
</context>
<context>
    <name>LanguageText</name>
    <message>
        <source>English</source>
        <comment>OwnName</comment>
        <translation>中文</translation>
    </message>
</context>
<context>
    <name>LibraryFileText</name>
    <message>
        <source>Export only the selected color card library &quot;%1&quot;? Choose No to export all %2 libraries.</source>
        <comment>ExportSelectedOnly</comment>
        <translation>是否只导出选中的色卡库“%1”？选择“否”导出全部%2本色卡库。</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <comment>ReplaceFile</comment>
        <translation>文件%1已经存在，是否替换？</translation>
    </message>
    <message>
        <source>Exporting color card data, please wait</source>
        <comment>Exporting</comment>
        <translation>正在导出色卡数据，请等待...</translation>
    </message>
    <message>
        <source>Importing color card data, please wait</source>
        <comment>Importing</comment>
        <translation>正在导入色卡数据，请等待...</translation>
    </message>
    <message>
        <source>There are no color data to export!</source>
        <comment>NothingToExport</comment>
        <translation>没有可导出的色卡数据！</translation>
    </message>
    <message>
        <source>At most %1 color datas can be kept: %2 are stored and the file brings %3 new ones, nothing was imported!</source>
        <comment>TooManyColors</comment>
        <translation>最多录%1条色卡数据：已经存在%2条，文件带来%3条新数据，没有导入任何数据！</translation>
    </message>
    <message>
        <source>The L*a*b* values %1 of the color &quot;%2&quot; in the library &quot;%3&quot; lie outside L* -10 to 150, a* and b* -200 to 200; nothing was imported!</source>
        <comment>LabOutOfRange</comment>
        <translation>色卡库“%3”中颜色“%2”的L*a*b*值%1超出范围（L* -10至150，a*、b* -200至200），没有导入任何数据！</translation>
    </message>
    <message>
        <source>%1</source>
        <comment>Composed</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>Write libraries to a CSV, CGATS.17, CxF3 or exchange workbook (.xls) file.</source>
        <comment>ExportSummary</comment>
        <translation>将色卡库写入CSV、CGATS.17、CxF3或Excel交换文件（.xls）。</translation>
    </message>
    <message>
        <source>Read libraries from a CSV, CGATS.17, CxF3 or exchange workbook (.xls) file.</source>
        <comment>ImportSummary</comment>
        <translation>从CSV、CGATS.17、CxF3或Excel交换文件（.xls）读入色卡库。</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <comment>ExportFileArgument</comment>
        <translation>要写入的文件。</translation>
    </message>
    <message>
        <source>The file to read.</source>
        <comment>ImportFileArgument</comment>
        <translation>要读取的文件。</translation>
    </message>
    <message>
        <source>File format: csv, cgats, cxf or xls (default: from the file&apos;s suffix).</source>
        <comment>FormatOption</comment>
        <translation>文件格式：csv、cgats、cxf 或 xls（默认：按文件后缀）。</translation>
    </message>
    <message>
        <source>Only this library (identifier or name); default every library.</source>
        <comment>LibraryOption</comment>
        <translation>只导出此色卡库（ID 或名称）；默认导出全部色卡库。</translation>
    </message>
    <message>
        <source>Replace FILE when it exists.</source>
        <comment>ReplaceOption</comment>
        <translation>FILE 已存在时替换它。</translation>
    </message>
    <message>
        <source>Merge into the libraries that exist already (the window&apos;s &quot;overwrite&quot; answer).</source>
        <comment>OverwriteOption</comment>
        <translation>合并到已存在的色卡库（即窗口中回答“覆盖”）。</translation>
    </message>
    <message>
        <source>Leave the libraries that exist already as they are.</source>
        <comment>SkipExistingOption</comment>
        <translation>已存在的色卡库保持不变。</translation>
    </message>
    <message>
        <source>Meter number of the libraries (default: that of the stored libraries).</source>
        <comment>MeterOption</comment>
        <translation>色卡库所属的仪器编号（默认：已存色卡库的仪器编号）。</translation>
    </message>
    <message>
        <source>The meter&apos;s library limit, 9 or 46 (default 9, or 46 when more than 9 are stored).</source>
        <comment>MaxLibrariesOption</comment>
        <translation>仪器的色卡库上限，9 或 46（默认 9；已存超过 9 本时为 46）。</translation>
    </message>
    <message>
        <source>CxF3 illuminant of the L*a*b* values (default: the setting, D65).</source>
        <comment>IlluminantOption</comment>
        <translation>CxF3 中 L*a*b* 值的光源（默认：设置值，D65）。</translation>
    </message>
    <message>
        <source>CxF3 observer, 2 or 10 degrees (default: the setting, 10).</source>
        <comment>ObserverOption</comment>
        <translation>CxF3 观察者角度，2 或 10 度（默认：设置值，10）。</translation>
    </message>
    <message>
        <source>CSV with a UTF-8 byte-order mark.</source>
        <comment>BomOption</comment>
        <translation>CSV 带 UTF-8 字节顺序标记。</translation>
    </message>
    <message>
        <source>CSV without a byte-order mark.</source>
        <comment>NoBomOption</comment>
        <translation>CSV 不带字节顺序标记。</translation>
    </message>
    <message>
        <source>unknown format %1 (csv, cgats, cxf or xls)</source>
        <comment>UnknownFormat</comment>
        <translation>未知格式 %1（csv、cgats、cxf 或 xls）</translation>
    </message>
    <message>
        <source>cannot tell the format of %1 from its suffix; give --format</source>
        <comment>FormatNotKnown</comment>
        <translation>无法从后缀判断 %1 的格式；请使用 --format</translation>
    </message>
    <message>
        <source>%1 exists; --overwrite replaces it</source>
        <comment>FileExists</comment>
        <translation>%1 已存在；使用 --overwrite 替换</translation>
    </message>
    <message>
        <source>already in the store: %1; --overwrite merges into them, --skip-existing leaves them</source>
        <comment>LibrariesExist</comment>
        <translation>数据库中已有：%1；--overwrite 合并，--skip-existing 保持不变</translation>
    </message>
    <message>
        <source>--%1 and --%2 exclude each other</source>
        <comment>ExclusiveOptions</comment>
        <translation>--%1 与 --%2 不能同时使用</translation>
    </message>
    <message>
        <source>--%1 does not apply to format %2</source>
        <comment>OptionNotForFormat</comment>
        <translation>--%1 不适用于格式 %2</translation>
    </message>
    <message>
        <source>--max-libraries must be 9 or 46</source>
        <comment>BadMaxLibraries</comment>
        <translation>--max-libraries 必须是 9 或 46</translation>
    </message>
    <message>
        <source>unknown illuminant %1 (%2)</source>
        <comment>BadIlluminant</comment>
        <translation>未知光源 %1（%2）</translation>
    </message>
    <message>
        <source>--observer must be 2 or 10</source>
        <comment>BadObserver</comment>
        <translation>--observer 必须是 2 或 10</translation>
    </message>
    <message>
        <source>%1 (not answered: give --overwrite or --skip-existing)</source>
        <comment>QuestionRefused</comment>
        <translation>%1（未回答：请使用 --overwrite 或 --skip-existing）</translation>
    </message>
    <message>
        <source>Prints what was imported as JSON.</source>
        <comment>ImportJsonOption</comment>
        <translation>以 JSON 输出导入结果。</translation>
    </message>
    <message>
        <source>libraries: %1 added, %2 replaced, %3 kept</source>
        <comment>LibrariesMerged</comment>
        <translation>色卡库：新增 %1，替换 %2，保留 %3</translation>
    </message>
    <message>
        <source>colours: %1 added, %2 replaced, %3 kept</source>
        <comment>ColoursMerged</comment>
        <translation>颜色：新增 %1，替换 %2，保留 %3</translation>
    </message>
    <message>
        <source>wrote %1: %2 libraries, %3 colours</source>
        <comment>FileWritten</comment>
        <translation>已写入 %1：%2 个色卡库，%3 个颜色</translation>
    </message>
</context>
<context>
    <name>LibraryText</name>
    <message>
        <source>Please input color card library name!</source>
        <comment>EnterName</comment>
        <translation>请输入色卡库名称！</translation>
    </message>
    <message>
        <source>Please input color card library description!</source>
        <comment>EnterDescription</comment>
        <translation>请输入色卡库描述！</translation>
    </message>
    <message>
        <source>A name or description cannot hold control characters or text direction marks!</source>
        <comment>UnsafeName</comment>
        <translation>名称或描述不能含有控制字符或文字方向标记！</translation>
    </message>
    <message>
        <source>Color card library name and color card library description length at most 18 characters!</source>
        <comment>NameTooLong</comment>
        <translation>色卡库名称和色卡库描述总长度不能超过18个字符！</translation>
    </message>
    <message>
        <source>The same name and description already exist, please modify the name or description!</source>
        <comment>SameLibraryExists</comment>
        <translation>已经存在相同的名称和描述，请修改名称或者描述！</translation>
    </message>
    <message>
        <source>At most %1 color card!</source>
        <comment>TooManyLibraries</comment>
        <translation>最多录%1本色卡!</translation>
    </message>
    <message>
        <source>Delete the color card library, all color card data in this library will be deleted. Are you sure you want to delete it?</source>
        <comment>ConfirmDeleteLibrary</comment>
        <translation>删除色卡库，该色卡库的所有色卡数据将被删除，是否确认删除？</translation>
    </message>
    <message>
        <source>The color card library is currently locked, please unlock it first and then delete it!</source>
        <comment>LibraryLocked</comment>
        <translation>该色卡库正被锁定，请先解锁，再删除！</translation>
    </message>
    <message>
        <source>The same color card name already exist, please modify the color card name!</source>
        <comment>SameColorName</comment>
        <translation>已经存在相同的色卡名称，请修改色卡名称！</translation>
    </message>
    <message>
        <source>Color card name can not be empty!</source>
        <comment>ColorNameEmpty</comment>
        <translation>色卡名称不能为空！</translation>
    </message>
    <message>
        <source>Please create color card library and select color card library name!</source>
        <comment>CreateAndSelectLibrary</comment>
        <translation>请创建并选择色卡库名称！</translation>
    </message>
    <message>
        <source>At most %1 color datas!</source>
        <comment>TooManyColors</comment>
        <translation>最多录%1条色卡数据!</translation>
    </message>
    <message>
        <source>Deleting all color card data will clear the database and all data. Are you sure you want to delete it?</source>
        <comment>ConfirmDeleteAll</comment>
        <translation>删除所有色卡数据，会清空数据库和清空所有数据，是否确认删除？</translation>
    </message>
    <message>
        <source>Updating ui data, please wait</source>
        <comment>UpdatingPage</comment>
        <translation>正在更新界面数据，请等待...</translation>
    </message>
    <message>
        <source>At most %1 color cards, and already %2 color cards, importing has exceeded the limit!</source>
        <comment>ImportTooManyLibraries</comment>
        <translation>最多录%1本色卡，已经存在%2本色卡，本次导入已超过上限!</translation>
    </message>
    <message>
        <source>At most %1 color datas, and already %2 color datas, importing %3 color datas has exceeded the limit, from %4 color card import fail!</source>
        <comment>ImportTooManyColors</comment>
        <translation>最多录%1条色卡数据，已经存在%2条色卡数据，本次导入%3条已超过上限，从第%4本色卡开始导出失败!</translation>
    </message>
    <message>
        <source>Color card library name: %1, color card library description: %2, already exists, do you want to overwrite the old color card library?</source>
        <comment>ConfirmOverwrite</comment>
        <translation>色卡库名称：%1，色卡库描述：%2，已经存在，是否覆盖旧的色卡库？</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文</translation>
    </message>
</context>
<context>
    <name>MeterText</name>
    <message>
        <source>Please open connect first！</source>
        <comment>OpenLinkFirst</comment>
        <translation>请先打开连接！</translation>
    </message>
    <message>
        <source>Please select color card library name！</source>
        <comment>SelectLibrary</comment>
        <translation>请先选择色卡库名称！</translation>
    </message>
    <message>
        <source>Please lock color card library name！</source>
        <comment>LockLibrary</comment>
        <translation>请先锁定色卡库名称！</translation>
    </message>
    <message>
        <source>Read measure data receive data error!</source>
        <comment>MeasureBadReply</comment>
        <translation>读取测量数据接收的报文格式错误！</translation>
    </message>
    <message>
        <source>Read measure data receive fail！</source>
        <comment>MeasureNoReply</comment>
        <translation>读取测量数据接收端口报文失败！</translation>
    </message>
    <message>
        <source>Read measure data write fail！</source>
        <comment>MeasureNotWritten</comment>
        <translation>读取测量数据写端口失败！</translation>
    </message>
    <message>
        <source>Read key information fail!</source>
        <comment>KeyInformationFailed</comment>
        <translation>读取关键信息失败！</translation>
    </message>
    <message>
        <source>Read meter information fail!</source>
        <comment>MeterInformationFailed</comment>
        <translation>读取仪器信息失败！</translation>
    </message>
    <message>
        <source>Read meter model fail!</source>
        <comment>MeterModelFailed</comment>
        <translation>读取仪器型号失败！</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>UnknownModel</comment>
        <translation>未知设备</translation>
    </message>
    <message>
        <source></source>
        <comment>ProductionNotWritten</comment>
        <translation>读取生产信息写端口失败！</translation>
    </message>
    <message>
        <source>Detected that the new instrument will clear all data. Please save the current data to Excel first. Do you want to save it?</source>
        <comment>SaveBeforeInstrumentChange</comment>
        <translation>检测到新仪器会清空所有数据，请您先保存当前数据到Excel，是否保存？</translation>
    </message>
    <message>
        <source>The meter was found but cannot be opened: this user has no access to it. Install the udev rule 70-colorcard-meter.rules (see README), then plug the meter in again.</source>
        <comment>NoAccess</comment>
        <translation>已检测到仪器，但无法打开：当前用户无权访问该设备。请安装 udev 规则 70-colorcard-meter.rules（见 README），然后重新插入仪器。</translation>
    </message>
    <message>
        <source>读取生产信息写端口失败！</source>
        <comment>ProductionNotWritten</comment>
        <translation>读取生产信息写端口失败！</translation>
    </message>
    <message>
        <source>读取生产信息接收端口报文失败！</source>
        <comment>ProductionNoReply</comment>
        <translation>读取生产信息接收端口报文失败！</translation>
    </message>
    <message>
        <source>读取生产信息接收的报文格式错误！</source>
        <comment>ProductionBadReply</comment>
        <translation>读取生产信息接收的报文格式错误！</translation>
    </message>
    <message>
        <source>读取生产信息checksum错误！</source>
        <comment>ProductionChecksum</comment>
        <translation>读取生产信息checksum错误！</translation>
    </message>
</context>
<context>
    <name>PromptText</name>
    <message>
        <source>Tip</source>
        <comment>Tip</comment>
        <translation>提示</translation>
    </message>
    <message>
        <source>Error</source>
        <comment>Error</comment>
        <translation>错误</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>Cancel</comment>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>QcText</name>
    <message>
        <source>lighter</source>
        <comment>Lighter</comment>
        <translation>偏亮</translation>
    </message>
    <message>
        <source>darker</source>
        <comment>Darker</comment>
        <translation>偏暗</translation>
    </message>
    <message>
        <source>redder</source>
        <comment>Redder</comment>
        <translation>偏红</translation>
    </message>
    <message>
        <source>greener</source>
        <comment>Greener</comment>
        <translation>偏绿</translation>
    </message>
    <message>
        <source>yellower</source>
        <comment>Yellower</comment>
        <translation>偏黄</translation>
    </message>
    <message>
        <source>bluer</source>
        <comment>Bluer</comment>
        <translation>偏蓝</translation>
    </message>
    <message>
        <source>more saturated</source>
        <comment>MoreSaturated</comment>
        <translation>饱和度偏高</translation>
    </message>
    <message>
        <source>less saturated</source>
        <comment>LessSaturated</comment>
        <translation>饱和度偏低</translation>
    </message>
    <message>
        <source>ΔE*ab (1976)</source>
        <comment>FormulaCie76</comment>
        <translation>ΔE*ab (1976)</translation>
    </message>
    <message>
        <source>ΔE94 (graphic arts)</source>
        <comment>FormulaCie94</comment>
        <translation>ΔE94（印刷）</translation>
    </message>
    <message>
        <source>ΔE94 (textiles)</source>
        <comment>FormulaCie94Textiles</comment>
        <translation>ΔE94（纺织）</translation>
    </message>
    <message>
        <source>ΔE CMC</source>
        <comment>FormulaCmc</comment>
        <translation>ΔE CMC</translation>
    </message>
    <message>
        <source>ΔE00</source>
        <comment>FormulaCiede2000</comment>
        <translation>ΔE00</translation>
    </message>
    <message>
        <source>PASS</source>
        <comment>Pass</comment>
        <translation>合格</translation>
    </message>
    <message>
        <source>FAIL</source>
        <comment>Fail</comment>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Time</source>
        <comment>ColumnTime</comment>
        <translation>时间</translation>
    </message>
    <message>
        <source>Meter number</source>
        <comment>ColumnMeter</comment>
        <translation>仪器编号</translation>
    </message>
    <message>
        <source>Library</source>
        <comment>ColumnLibrary</comment>
        <translation>色卡库</translation>
    </message>
    <message>
        <source>Standard</source>
        <comment>ColumnStandard</comment>
        <translation>标准色</translation>
    </message>
    <message>
        <source>Standard L*</source>
        <comment>ColumnStandardL</comment>
        <translation>标准 L*</translation>
    </message>
    <message>
        <source>Standard a*</source>
        <comment>ColumnStandardA</comment>
        <translation>标准 a*</translation>
    </message>
    <message>
        <source>Standard b*</source>
        <comment>ColumnStandardB</comment>
        <translation>标准 b*</translation>
    </message>
    <message>
        <source>Sample L*</source>
        <comment>ColumnSampleL</comment>
        <translation>样品 L*</translation>
    </message>
    <message>
        <source>Sample a*</source>
        <comment>ColumnSampleA</comment>
        <translation>样品 a*</translation>
    </message>
    <message>
        <source>Sample b*</source>
        <comment>ColumnSampleB</comment>
        <translation>样品 b*</translation>
    </message>
    <message>
        <source>Readings</source>
        <comment>ColumnReadings</comment>
        <translation>测量次数</translation>
    </message>
    <message>
        <source>SD L*</source>
        <comment>ColumnDeviationL</comment>
        <translation>L* 标准差</translation>
    </message>
    <message>
        <source>SD a*</source>
        <comment>ColumnDeviationA</comment>
        <translation>a* 标准差</translation>
    </message>
    <message>
        <source>SD b*</source>
        <comment>ColumnDeviationB</comment>
        <translation>b* 标准差</translation>
    </message>
    <message>
        <source>ΔL*</source>
        <comment>ColumnDeltaL</comment>
        <translation>ΔL*</translation>
    </message>
    <message>
        <source>Δa*</source>
        <comment>ColumnDeltaA</comment>
        <translation>Δa*</translation>
    </message>
    <message>
        <source>Δb*</source>
        <comment>ColumnDeltaB</comment>
        <translation>Δb*</translation>
    </message>
    <message>
        <source>ΔE</source>
        <comment>ColumnDeltaE</comment>
        <translation>ΔE</translation>
    </message>
    <message>
        <source>Formula</source>
        <comment>ColumnFormula</comment>
        <translation>公式</translation>
    </message>
    <message>
        <source>Limit</source>
        <comment>ColumnLimit</comment>
        <translation>容差</translation>
    </message>
    <message>
        <source>Result</source>
        <comment>ColumnResult</comment>
        <translation>结果</translation>
    </message>
    <message>
        <source>unknown</source>
        <comment>ToleranceUnknown</comment>
        <translation>未知</translation>
    </message>
    <message>
        <source>Judged by</source>
        <comment>HistoryJudgedBy</comment>
        <translation>判定容差</translation>
    </message>
    <message>
        <source>Re-judge by current tolerance</source>
        <comment>HistoryRejudge</comment>
        <translation>按现行容差重新判定</translation>
    </message>
    <message>
        <source>Now (current tolerance)</source>
        <comment>HistoryRejudged</comment>
        <translation>按现行容差</translation>
    </message>
    <message>
        <source>In use, not saved</source>
        <comment>ToleranceUnsaved</comment>
        <translation>已用于判定，尚未保存</translation>
    </message>
    <message>
        <source>Saved</source>
        <comment>ToleranceSaved</comment>
        <translation>已保存</translation>
    </message>
    <message>
        <source>Judged again by the tolerance shown; the history keeps the recorded verdict.</source>
        <comment>ResultRejudged</comment>
        <translation>已按当前显示的容差重新判定；历史记录保留原判定。</translation>
    </message>
    <message>
        <source>SD of %1 readings: L* %2  a* %3  b* %4</source>
        <comment>ReadingDeviation</comment>
        <translation>%1 次读数的标准差：L* %2  a* %3  b* %4</translation>
    </message>
    <message>
        <source>Reading %1 of %2: measure the sample again with the meter, then choose Yes to read it (No stops without a result).</source>
        <comment>NextReading</comment>
        <translation>第%1次读数（共%2次）：请用仪器再次测量样品，然后选择“是”读取（选择“否”将停止，不产生结果）。</translation>
    </message>
    <message>
        <source>The chosen standard is no longer in its library. Please choose a standard again.</source>
        <comment>StandardGone</comment>
        <translation>所选标准色已不在其色卡库中，请重新选择标准色。</translation>
    </message>
    <message>
        <source>Could not read the library&apos;s tolerance: %1</source>
        <comment>ToleranceReadFailed</comment>
        <translation>读取色卡库容差失败：%1</translation>
    </message>
    <message>
        <source>The tolerance limit and the formula&apos;s parameters must be positive numbers.</source>
        <comment>ToleranceInvalid</comment>
        <translation>容差和公式参数必须为正数。</translation>
    </message>
    <message>
        <source>Could not save the tolerance: %1</source>
        <comment>ToleranceSaveFailed</comment>
        <translation>保存容差失败：%1</translation>
    </message>
    <message>
        <source>The sample was compared, but the result could not be kept in the history: %1</source>
        <comment>HistoryWriteFailed</comment>
        <translation>样品已比较，但结果无法保存到历史记录：%1</translation>
    </message>
    <message>
        <source>Could not read the history: %1</source>
        <comment>HistoryReadFailed</comment>
        <translation>读取历史记录失败：%1</translation>
    </message>
    <message>
        <source>Export History</source>
        <comment>ExportCaption</comment>
        <translation>导出历史记录</translation>
    </message>
    <message>
        <source>There are no results to export yet.</source>
        <comment>ExportEmpty</comment>
        <translation>暂无可导出的结果。</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <comment>ExportReplace</comment>
        <translation>%1 已存在，是否替换？</translation>
    </message>
    <message>
        <source>Could not export the history: %1</source>
        <comment>ExportFailed</comment>
        <translation>导出历史记录失败：%1</translation>
    </message>
    <message>
        <source>%1 results exported to %2.</source>
        <comment>Exported</comment>
        <translation>已导出%1条结果到 %2。</translation>
    </message>
    <message>
        <source>WARN</source>
        <comment>Warn</comment>
        <translation>警告</translation>
    </message>
    <message>
        <source>Cannot read the lots: %1</source>
        <comment>LotReadFailed</comment>
        <translation>无法读取批次：%1</translation>
    </message>
    <message>
        <source>Cannot start the lot: %1</source>
        <comment>LotSaveFailed</comment>
        <translation>无法新建批次：%1</translation>
    </message>
    <message>
        <source>Please enter a name for the lot.</source>
        <comment>LotNameMissing</comment>
        <translation>请输入批次名称。</translation>
    </message>
    <message>
        <source>A lot named %1 already exists.</source>
        <comment>LotNameTaken</comment>
        <translation>已有名为 %1 的批次。</translation>
    </message>
    <message>
        <source>Warn ΔE &gt;</source>
        <comment>WarningLevelLabel</comment>
        <translation>警告 ΔE &gt;</translation>
    </message>
    <message>
        <source>80 %</source>
        <comment>WarningLevelDefault</comment>
        <translation>80 %</translation>
    </message>
    <message>
        <source>A sample within the limit but over this ΔE is judged WARN (80 % of the limit when not set)</source>
        <comment>WarningLevelTip</comment>
        <translation>样品在容差内但 ΔE 超过此值时判为警告（未设置时为容差的 80 %）</translation>
    </message>
    <message>
        <source>Axis limits:</source>
        <comment>AxisLimitsLabel</comment>
        <translation>分量容差：</translation>
    </message>
    <message>
        <source>none</source>
        <comment>AxisNoLimit</comment>
        <translation>无</translation>
    </message>
    <message>
        <source>How far the sample may lie below (−) or above (+) the standard on this axis; over it fails</source>
        <comment>AxisLimitTip</comment>
        <translation>样品在此分量上低于（−）或高于（+）标准色的允许范围；超出即不合格</translation>
    </message>
    <message>
        <source>Own tolerance for this standard</source>
        <comment>OwnTolerance</comment>
        <translation>此标准色单独容差</translation>
    </message>
    <message>
        <source>Lot:</source>
        <comment>LotLabel</comment>
        <translation>批次：</translation>
    </message>
    <message>
        <source>New lot name</source>
        <comment>LotNamePlaceholder</comment>
        <translation>新批次名称</translation>
    </message>
    <message>
        <source>Operator</source>
        <comment>LotOperatorPlaceholder</comment>
        <translation>操作员</translation>
    </message>
    <message>
        <source>Note</source>
        <comment>LotNotePlaceholder</comment>
        <translation>备注</translation>
    </message>
    <message>
        <source>Start lot</source>
        <comment>StartLot</comment>
        <translation>新建批次</translation>
    </message>
    <message>
        <source>Comparisons go to this lot; without one they go to the day&apos;s lot</source>
        <comment>LotNoneChosen</comment>
        <translation>比较结果记入此批次；未选择时记入当天的批次</translation>
    </message>
    <message>
        <source>All lots</source>
        <comment>FilterAllLots</comment>
        <translation>全部批次</translation>
    </message>
    <message>
        <source>This standard only</source>
        <comment>FilterThisStandard</comment>
        <translation>仅当前标准色</translation>
    </message>
    <message>
        <source>Dates:</source>
        <comment>FilterDates</comment>
        <translation>日期：</translation>
    </message>
    <message>
        <source>Lot</source>
        <comment>HistoryLotColumn</comment>
        <translation>批次</translation>
    </message>
    <message>
        <source>List</source>
        <comment>HistoryTab</comment>
        <translation>列表</translation>
    </message>
    <message>
        <source>Trend and shade groups</source>
        <comment>LotViewTab</comment>
        <translation>趋势与色光分组</translation>
    </message>
    <message>
        <source>Save lot report…</source>
        <comment>SaveLotReport</comment>
        <translation>保存批次报告…</translation>
    </message>
    <message>
        <source>Choose one lot in the filter above first</source>
        <comment>SaveLotReportTip</comment>
        <translation>请先在上方筛选中选择一个批次</translation>
    </message>
    <message>
        <source>Samples</source>
        <comment>ShadeGroupCount</comment>
        <translation>样品数</translation>
    </message>
    <message>
        <source>Comparison numbers</source>
        <comment>ShadeGroupSamples</comment>
        <translation>比较编号</translation>
    </message>
</context>
<context>
    <name>QualityPage</name>
    <message>
        <source>Standard</source>
        <translation>标准色</translation>
    </message>
    <message>
        <source>Library:</source>
        <translation>色卡库：</translation>
    </message>
    <message>
        <source>Standard:</source>
        <translation>标准色：</translation>
    </message>
    <message>
        <source>Type to search</source>
        <translation>输入名称查找</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>公式：</translation>
    </message>
    <message>
        <source>Limit ΔE ≤</source>
        <translation>容差 ΔE ≤</translation>
    </message>
    <message>
        <source>Save tolerance</source>
        <translation>保存容差</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>样品</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>比较结果</translation>
    </message>
    <message>
        <source>Nearest standards</source>
        <translation>最接近的标准色</translation>
    </message>
    <message>
        <source>Library</source>
        <translation>色卡库</translation>
    </message>
    <message>
        <source>Double-click a row to make it the standard</source>
        <translation>双击一行即设为标准色</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>导出CSV</translation>
    </message>
    <message>
        <source>Tolerance: %1</source>
        <translation>容差：%1</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>容差</translation>
    </message>
    <message>
        <source>Standard: none chosen</source>
        <translation>标准色：未选择</translation>
    </message>
    <message>
        <source>Standard: %1 (%2)</source>
        <translation>标准色：%1（%2）</translation>
    </message>
    <message>
        <source>Measure a sample</source>
        <translation>请测量样品</translation>
    </message>
    <message>
        <source>Choose a standard</source>
        <translation>请选择标准色</translation>
    </message>
    <message>
        <source>SD of %1 readings: L* %2   a* %3   b* %4</source>
        <translation>%1 次读数的标准差：L* %2   a* %3   b* %4</translation>
    </message>
    <message>
        <source>No standard chosen: nearest standards only</source>
        <translation>未选择标准色：仅显示最接近的标准色</translation>
    </message>
    <message>
        <source>No visible difference from the standard</source>
        <translation>样品与标准色无明显差别</translation>
    </message>
    <message>
        <source>Sample against standard: %1</source>
        <translation>样品相对标准色：%1</translation>
    </message>
    <message>
        <source>Pass rate: %1% (%2/%3)</source>
        <translation>合格率：%1%（%2/%3）</translation>
    </message>
    <message>
        <source>Pass rate: — (no results yet)</source>
        <translation>合格率：—（暂无结果）</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>red</source>
        <comment>HueRed</comment>
        <translation>红</translation>
    </message>
    <message>
        <source>green</source>
        <comment>HueGreen</comment>
        <translation>绿</translation>
    </message>
    <message>
        <source>yellow</source>
        <comment>HueYellow</comment>
        <translation>黄</translation>
    </message>
    <message>
        <source>blue</source>
        <comment>HueBlue</comment>
        <translation>蓝</translation>
    </message>
    <message>
        <source>Sample</source>
        <comment>Sample</comment>
        <translation>样品</translation>
    </message>
    <message>
        <source>List the recorded comparisons (oldest first).</source>
        <comment>HistorySummary</comment>
        <translation>列出已记录的比较（按时间先后）。</translation>
    </message>
    <message>
        <source>Control limits and capability of a standard&apos;s comparisons.</source>
        <comment>TrendSummary</comment>
        <translation>某标准色比较记录的控制限与过程能力。</translation>
    </message>
    <message>
        <source>Write the PDF report of one comparison.</source>
        <comment>ReportSummary</comment>
        <translation>输出一次比较的 PDF 报告。</translation>
    </message>
    <message>
        <source>Only comparisons with this standard.</source>
        <comment>StandardOption</comment>
        <translation>只列出与此标准色的比较。</translation>
    </message>
    <message>
        <source>Prints the list as CSV.</source>
        <comment>CsvOption</comment>
        <translation>以 CSV 输出列表。</translation>
    </message>
    <message>
        <source>The comparison&apos;s number (default: the last).</source>
        <comment>SampleOption</comment>
        <translation>比较的编号（默认：最后一次）。</translation>
    </message>
    <message>
        <source>Language of the report: zh or en (default en).</source>
        <comment>LanguageOption</comment>
        <translation>报告语言：zh 或 en（默认 en）。</translation>
    </message>
    <message>
        <source>The PDF file to write.</source>
        <comment>ReportArgument</comment>
        <translation>要写入的 PDF 文件。</translation>
    </message>
    <message>
        <source>--standard must be LIBRARY/COLOUR</source>
        <comment>BadStandard</comment>
        <translation>--standard 必须是 色卡库/颜色</translation>
    </message>
    <message>
        <source>give --json or --csv, not both</source>
        <comment>JsonOrCsv</comment>
        <translation>--json 与 --csv 只能选一个</translation>
    </message>
    <message>
        <source>no comparisons recorded for %1</source>
        <comment>NoComparisons</comment>
        <translation>%1 没有比较记录</translation>
    </message>
    <message>
        <source>no comparison %1</source>
        <comment>NoComparison</comment>
        <translation>没有比较 %1</translation>
    </message>
    <message>
        <source>no comparisons recorded</source>
        <comment>NoHistory</comment>
        <translation>没有比较记录</translation>
    </message>
    <message>
        <source>--language must be zh or en</source>
        <comment>BadLanguage</comment>
        <translation>--language 必须是 zh 或 en</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <comment>CannotWrite</comment>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>%1: %2 comparisons, judged by %3 ≤ %4</source>
        <comment>TrendHeading</comment>
        <translation>%1：%2 次比较，按 %3 ≤ %4 判定</translation>
    </message>
    <message>
        <source>axis	mean	sd	LCL	UCL	outside	lower limit	upper limit	Cp	Cpk</source>
        <comment>TrendColumns</comment>
        <translation>轴	均值	标准差	下控制限	上控制限	超限	下容差	上容差	Cp	Cpk</translation>
    </message>
    <message>
        <source>Control limits: mean ± 2.66 × mean moving range; sigma = mean moving range / 1.128.</source>
        <comment>TrendSigma</comment>
        <translation>控制限：均值 ± 2.66 × 平均移动极差；σ = 平均移动极差 / 1.128。</translation>
    </message>
    <message>
        <source>Cp and Cpk need at least %1 comparisons (%2 so far).</source>
        <comment>TooFewForCapability</comment>
        <translation>Cp 与 Cpk 至少需要 %1 次比较（目前 %2 次）。</translation>
    </message>
    <message>
        <source>Colour quality report</source>
        <comment>ReportTitle</comment>
        <translation>颜色质量报告</translation>
    </message>
    <message>
        <source>Date and time: %1</source>
        <comment>ReportTime</comment>
        <translation>日期时间：%1</translation>
    </message>
    <message>
        <source>Meter: %1</source>
        <comment>ReportMeter</comment>
        <translation>仪器：%1</translation>
    </message>
    <message>
        <source>Meter: not recorded</source>
        <comment>ReportMeterUnknown</comment>
        <translation>仪器：未记录</translation>
    </message>
    <message>
        <source>Standard: %1 / %2</source>
        <comment>ReportStandard</comment>
        <translation>标准色：%1 / %2</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <comment>ReportVerdict</comment>
        <translation>判定：%1</translation>
    </message>
    <message>
        <source>Judged against: %1, limit %2, warning level %3, %4, readings averaged: %5</source>
        <comment>JudgedAgainst</comment>
        <translation>判定依据：%1，容差 %2，警告级 %3，%4，平均测量次数：%5</translation>
    </message>
    <message>
        <source>Judged against: not recorded, readings averaged: %1</source>
        <comment>JudgedAgainstUnknown</comment>
        <translation>判定依据：未记录，平均测量次数：%1</translation>
    </message>
    <message>
        <source>Save report…</source>
        <comment>SaveReport</comment>
        <translation>保存报告…</translation>
    </message>
    <message>
        <source>Save the report</source>
        <comment>SaveReportTitle</comment>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <comment>PdfFilter</comment>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Measure a sample against a standard first; the report is of that comparison.</source>
        <comment>NothingToReport</comment>
        <translation>请先对照标准色测量样品；报告针对该次比较。</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <comment>ReportSaved</comment>
        <translation>报告已保存到 %1。</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <comment>ReportFailed</comment>
        <translation>报告无法写入 %1。</translation>
    </message>
    <message>
        <source>List the lots with their counts of PASS, WARN and FAIL.</source>
        <comment>LotsSummary</comment>
        <translation>列出批次及其合格、警告、不合格数。</translation>
    </message>
    <message>
        <source>Judge L* a* b* against a standard and record the comparison in a lot.</source>
        <comment>CompareSummary</comment>
        <translation>将 L* a* b* 与标准色比较并把结果记入批次。</translation>
    </message>
    <message>
        <source>Only comparisons of this lot.</source>
        <comment>LotOption</comment>
        <translation>只列出此批次的比较。</translation>
    </message>
    <message>
        <source>The lot to record in (started when new).</source>
        <comment>CompareLotOption</comment>
        <translation>记入的批次（不存在时新建）。</translation>
    </message>
    <message>
        <source>The standard, LIBRARY/COLOUR.</source>
        <comment>CompareStandardOption</comment>
        <translation>标准色：色卡库/颜色。</translation>
    </message>
    <message>
        <source>no lot named %1</source>
        <comment>NoSuchLot</comment>
        <translation>没有名为 %1 的批次</translation>
    </message>
    <message>
        <source>--lot NAME is required</source>
        <comment>LotRequired</comment>
        <translation>必须给出 --lot 批次名</translation>
    </message>
    <message>
        <source>give --standard LIBRARY/COLOUR or --lot NAME</source>
        <comment>StandardOrLotRequired</comment>
        <translation>请给出 --standard 色卡库/颜色 或 --lot 批次名</translation>
    </message>
    <message>
        <source>lot	created	operator	comparisons	pass	warn	fail	note</source>
        <comment>LotsColumns</comment>
        <translation>批次	创建时间	操作员	比较次数	合格	警告	不合格	备注</translation>
    </message>
    <message>
        <source>comparison %1 in lot %2: %3, %4 %5</source>
        <comment>CompareRecorded</comment>
        <translation>比较 %1（批次 %2）：%3，%4 %5</translation>
    </message>
    <message>
        <source>%1 has no L*a*b* values</source>
        <comment>StandardWithoutLab</comment>
        <translation>%1 没有 L*a*b* 数值</translation>
    </message>
    <message>
        <source>Lot report: %1</source>
        <comment>LotReportTitle</comment>
        <translation>批次报告：%1</translation>
    </message>
    <message>
        <source>Started: %1</source>
        <comment>LotStarted</comment>
        <translation>创建时间：%1</translation>
    </message>
    <message>
        <source>Operator: %1</source>
        <comment>LotOperator</comment>
        <translation>操作员：%1</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <comment>LotNote</comment>
        <translation>备注：%1</translation>
    </message>
    <message>
        <source>%1 samples: PASS %2   WARN %3   FAIL %4</source>
        <comment>LotCounts</comment>
        <translation>%1 个样品：合格 %2   警告 %3   不合格 %4</translation>
    </message>
    <message>
        <source>Shade groups (555)</source>
        <comment>LotShadeGroups</comment>
        <translation>色光分组（555）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>LotShadeGroup</comment>
        <translation>%1：%2 个</translation>
    </message>
    <message>
        <source>No.</source>
        <comment>LotColumnNumber</comment>
        <translation>编号</translation>
    </message>
    <message>
        <source>mean</source>
        <comment>ChartCentre</comment>
        <translation>均值</translation>
    </message>
    <message>
        <source>UCL</source>
        <comment>ChartUcl</comment>
        <translation>上控制限</translation>
    </message>
    <message>
        <source>LCL</source>
        <comment>ChartLcl</comment>
        <translation>下控制限</translation>
    </message>
    <message>
        <source>limit</source>
        <comment>ChartLimit</comment>
        <translation>容差限</translation>
    </message>
    <message>
        <source>Print report…</source>
        <comment>PrintReport</comment>
        <translation>打印报告…</translation>
    </message>
    <message>
        <source>Print the report</source>
        <comment>PrintReportTitle</comment>
        <translation>打印报告</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <comment>PrintFailed</comment>
        <translation>报告未能打印。</translation>
    </message>
    <message>
        <source>Trend of %1; the lot has %2 standards.</source>
        <comment>TrendOfStandard</comment>
        <translation>%1 的趋势；本批次共有 %2 个标准。</translation>
    </message>
    <message>
        <source>Trend of:</source>
        <comment>TrendStandard</comment>
        <translation>趋势标准：</translation>
    </message>
</context>
<context>
    <name>ServerText</name>
    <message>
        <source>Sets up the shared store on a PostgreSQL server (init).</source>
        <comment>ServerSummary</comment>
        <translation>在 PostgreSQL 服务器上建立共享数据库（init）。</translation>
    </message>
    <message>
        <source>init: creates the schema, or brings it up to date, and the roles colorcard_supervisor and colorcard_operator.</source>
        <comment>ServerActions</comment>
        <translation>init：建立或更新数据库结构，以及角色 colorcard_supervisor 和 colorcard_operator。</translation>
    </message>
    <message>
        <source>The server: postgresql://user@host:port/database.</source>
        <comment>UrlOption</comment>
        <translation>服务器：postgresql://用户@主机:端口/数据库。</translation>
    </message>
    <message>
        <source>Name the server with --url postgresql://…</source>
        <comment>NoUrl</comment>
        <translation>请用 --url postgresql://… 指定服务器</translation>
    </message>
    <message>
        <source>Not a PostgreSQL address: %1</source>
        <comment>BadUrl</comment>
        <translation>不是 PostgreSQL 地址：%1</translation>
    </message>
    <message>
        <source>Unknown action: %1 (known: init)</source>
        <comment>UnknownAction</comment>
        <translation>未知操作：%1（可用：init）</translation>
    </message>
    <message>
        <source>Cannot connect to %1: %2</source>
        <comment>CannotConnect</comment>
        <translation>无法连接 %1：%2</translation>
    </message>
    <message>
        <source>The schema on %1 could not be set up: %2</source>
        <comment>SchemaFailed</comment>
        <translation>无法在 %1 上建立数据库结构：%2</translation>
    </message>
    <message>
        <source>Schema colorcard on %1: version %2 (was %3). Give each person one role, e.g. GRANT colorcard_operator TO alice;</source>
        <comment>SchemaReady</comment>
        <translation>%1 上的 colorcard 数据库结构：版本 %2（原为 %3）。请为每人授予一个角色，例如 GRANT colorcard_operator TO alice;</translation>
    </message>
    <message>
        <source>Copies a SQLite store onto a PostgreSQL server (--from FILE.db --to URL).</source>
        <comment>MigrateSummary</comment>
        <translation>将 SQLite 数据库复制到 PostgreSQL 服务器（--from 文件.db --to 地址）。</translation>
    </message>
    <message>
        <source>The SQLite store to copy from.</source>
        <comment>FromOption</comment>
        <translation>要复制的 SQLite 数据库。</translation>
    </message>
    <message>
        <source>The server to copy to: postgresql://user@host/database.</source>
        <comment>ToOption</comment>
        <translation>复制到的服务器：postgresql://用户@主机/数据库。</translation>
    </message>
    <message>
        <source>Name the file with --from FILE.db and the server with --to postgresql://…</source>
        <comment>MigrateNeedsBoth</comment>
        <translation>请用 --from 文件.db 指定文件，用 --to postgresql://… 指定服务器</translation>
    </message>
    <message>
        <source>Copied to %1: %2 libraries, %3 colors, %4 tolerances, %5 history entries.</source>
        <comment>MigrateCopied</comment>
        <translation>已复制到 %1：%2 个色卡库，%3 个颜色，%4 个容差，%5 条历史记录。</translation>
    </message>
    <message>
        <source>Verified on both sides: the file holds %1 libraries, %2 colors, %3 tolerances, %4 history entries, and the server holds every one of them.</source>
        <comment>MigrateVerified</comment>
        <translation>两边均已核对：文件中有 %1 个色卡库，%2 个颜色，%3 个容差，%4 条历史记录，服务器上全部都有。</translation>
    </message>
    <message>
        <source>Not all was found on the server: the file holds %1 libraries, %2 colors, %3 tolerances, %4 history entries; the server has %5, %6, %7, %8 of them.</source>
        <comment>MigrateMismatch</comment>
        <translation>服务器上并非全部都有：文件中有 %1 个色卡库，%2 个颜色，%3 个容差，%4 条历史记录；服务器上有 %5、%6、%7、%8 个。</translation>
    </message>
    <message>
        <source>Nothing was copied to %1: %2</source>
        <comment>MigrateFailed</comment>
        <translation>未复制任何内容到 %1：%2</translation>
    </message>
    <message>
        <source>The server refused: your role may not make this change (ask a supervisor). %1</source>
        <comment>PermissionDenied</comment>
        <translation>服务器拒绝：您的角色无权进行此修改（请联系主管）。%1</translation>
    </message>
    <message>
        <source>The server %1 cannot be reached; nothing was changed. Check the network and try again.</source>
        <comment>ServerUnreachable</comment>
        <translation>无法连接服务器 %1；未作任何修改。请检查网络后重试。</translation>
    </message>
    <message>
        <source>Another bench changed library %1 first; nothing of yours was saved. The library has been reloaded: make the change again.</source>
        <comment>StaleEdit</comment>
        <translation>另一台工作站已先修改色卡库 %1；您的修改未保存。色卡库已重新载入，请再修改一次。</translation>
    </message>
    <message>
        <source>colorcard-cli %1 reads a SQLite file only; on a server use libraries, audit or migrate.</source>
        <comment>FileOnly</comment>
        <translation>colorcard-cli %1 只能读取 SQLite 文件；在服务器上请使用 libraries、audit 或 migrate。</translation>
    </message>
    <message>
        <source>Prints the server&apos;s audit trail of changes to libraries, colors and tolerances.</source>
        <comment>AuditSummary</comment>
        <translation>打印服务器上色卡库、颜色和容差的修改记录。</translation>
    </message>
    <message>
        <source>Only the changes of this library (its ID).</source>
        <comment>LibraryOption</comment>
        <translation>只显示此色卡库（ID）的修改。</translation>
    </message>
    <message>
        <source>Print JSON instead of lines.</source>
        <comment>JsonOption</comment>
        <translation>以 JSON 格式输出。</translation>
    </message>
    <message>
        <source>This needs the store on a server: --database postgresql://… (or COLORCARD_DATABASE)</source>
        <comment>NeedsServer</comment>
        <translation>此命令需要服务器上的数据库：--database postgresql://…（或 COLORCARD_DATABASE）</translation>
    </message>
    <message>
        <source>Cannot read the audit trail on %1: %2</source>
        <comment>AuditUnreadable</comment>
        <translation>无法读取 %1 上的修改记录：%2</translation>
    </message>
</context>
<context>
    <name>StoreText</name>
    <message>
        <source>Open database fail!</source>
        <comment>OpenDatabaseFailed</comment>
        <translation>数据库打开失败！</translation>
    </message>
    <message>
        <source>Query color card library table fail!</source>
        <comment>QueryLibraryTableFailed</comment>
        <translation>查询色卡库表失败！</translation>
    </message>
    <message>
        <source>Create color card library table fail!</source>
        <comment>CreateLibraryTableFailed</comment>
        <translation>创建色卡库表失败！</translation>
    </message>
    <message>
        <source>Create color card data table fail!</source>
        <comment>CreateColorTableFailed</comment>
        <translation>创建色卡数据表失败！</translation>
    </message>
    <message>
        <source>Insert color card library fail!</source>
        <comment>InsertLibraryFailed</comment>
        <translation>插入色卡库失败！</translation>
    </message>
    <message>
        <source>Insert color card data fail!</source>
        <comment>InsertColorFailed</comment>
        <translation>插入色卡数据失败！</translation>
    </message>
    <message>
        <source>Modify color card library name fail!</source>
        <comment>RenameLibraryFailed</comment>
        <translation>修改色卡库名称失败！</translation>
    </message>
    <message>
        <source>Update color card library count fail!</source>
        <comment>UpdateCountFailed</comment>
        <translation>更新色卡库数量失败！</translation>
    </message>
    <message>
        <source>Modify color card name fail!</source>
        <comment>RenameColorFailed</comment>
        <translation>修改色卡名称失败！</translation>
    </message>
    <message>
        <source>Update color card data fail!</source>
        <comment>UpdateColorFailed</comment>
        <translation>更新色卡数据失败！</translation>
    </message>
    <message>
        <source>Query color card name fail！</source>
        <comment>QueryColorNameFailed</comment>
        <translation>查询色卡名称失败！</translation>
    </message>
    <message>
        <source>Query color card library fail！</source>
        <comment>QueryLibrariesFailed</comment>
        <translation>查询色卡库失败！</translation>
    </message>
    <message>
        <source>Query color card data fail！</source>
        <comment>QueryColorsFailed</comment>
        <translation>查询色卡数据失败！</translation>
    </message>
    <message>
        <source>Delete color card data table fail！</source>
        <comment>DropColorTableFailed</comment>
        <translation>删除色卡数据表失败！</translation>
    </message>
    <message>
        <source>Delete color card library fail！</source>
        <comment>DeleteLibraryFailed</comment>
        <translation>删除色卡库失败！</translation>
    </message>
    <message>
        <source>Delete color card fail！</source>
        <comment>DeleteColorFailed</comment>
        <translation>删除色卡失败！</translation>
    </message>
    <message>
        <source>Delete database file fail！</source>
        <comment>DeleteDatabaseFileFailed</comment>
        <translation>删除数据库文件失败！</translation>
    </message>
    <message>
        <source>The change could not be saved to the database, nothing was changed!</source>
        <comment>CommitFailed</comment>
        <translation>无法将更改保存到数据库，未做任何更改！</translation>
    </message>
    <message>
        <source>Could not start a change of the database!</source>
        <comment>BeginFailed</comment>
        <translation>无法开始修改数据库！</translation>
    </message>
    <message>
        <source>The database is busy: another program (the window or colorcard-cli) is changing it. Nothing was changed; try again in a moment.</source>
        <comment>Busy</comment>
        <translation>数据库正忙：另一个程序（窗口或 colorcard-cli）正在修改它。未做任何更改，请稍后再试。</translation>
    </message>
    <message>
        <source>%1 The disk holding the database is full (%2): free some space and try again. Nothing was changed.</source>
        <comment>DiskFull</comment>
        <translation>%1 数据库所在的磁盘已满（%2）：请释放空间后重试。未做任何更改。</translation>
    </message>
    <message>
        <source>%1 The database file or its folder is read-only (%2): it cannot be changed. Nothing was changed.</source>
        <comment>ReadOnly</comment>
        <translation>%1 数据库文件或其所在文件夹为只读（%2），无法修改。未做任何更改。</translation>
    </message>
    <message>
        <source>%1 The database file is damaged (database disk image is malformed): %2. Restore a backup (Restore backup).</source>
        <comment>Damaged</comment>
        <translation>%1 数据库文件已损坏（database disk image is malformed）：%2。请恢复备份（恢复备份）。</translation>
    </message>
    <message>
        <source>The database %1 is damaged (database disk image is malformed) and cannot be read.

Restore the newest backup, taken %2? The damaged file is kept beside it.</source>
        <comment>DamagedAtStart</comment>
        <translation>数据库 %1 已损坏（database disk image is malformed），无法读取。

是否恢复最新的备份（%2 备份）？损坏的文件会保留在它旁边。</translation>
    </message>
    <message>
        <source>The database %1 is damaged (database disk image is malformed) and cannot be read, and there is no backup to restore. Move the file away to start with an empty database.</source>
        <comment>DamagedNoBackup</comment>
        <translation>数据库 %1 已损坏（database disk image is malformed），无法读取，且没有可恢复的备份。请移走该文件，以空数据库开始。</translation>
    </message>
    <message>
        <source>The newest backup was restored; the damaged database was kept as %1.</source>
        <comment>DamagedRestored</comment>
        <translation>已恢复最新的备份；损坏的数据库已保留为 %1。</translation>
    </message>
    <message>
        <source>The backup could not be restored; the damaged database is left as it was.</source>
        <comment>DamagedRestoreFailed</comment>
        <translation>无法恢复备份；损坏的数据库保持原样。</translation>
    </message>
    <message>
        <source>This works on a database file only, not on a server.</source>
        <comment>NotOnServer</comment>
        <translation>此操作仅适用于数据库文件，不能在服务器上进行。</translation>
    </message>
</context>
<context>
    <name>StoreWindowText</name>
    <message>
        <source>Store: %1</source>
        <comment>OnFile</comment>
        <translation>数据库：%1</translation>
    </message>
    <message>
        <source>Store: server %1 (%2)</source>
        <comment>OnServer</comment>
        <translation>数据库：服务器 %1（%2）</translation>
    </message>
    <message>
        <source>Store: server %1 (offline)</source>
        <comment>OnServerOffline</comment>
        <translation>数据库：服务器 %1（离线）</translation>
    </message>
    <message>
        <source>supervisor role</source>
        <comment>RoleSupervisor</comment>
        <translation>主管角色</translation>
    </message>
    <message>
        <source>operator role</source>
        <comment>RoleOperator</comment>
        <translation>操作员角色</translation>
    </message>
    <message>
        <source>Connecting to the server…</source>
        <comment>Connecting</comment>
        <translation>正在连接服务器…</translation>
    </message>
    <message>
        <source>The server %1 cannot be reached: %2

Retry, or Cancel to work offline (nothing can be changed until the server is back)?</source>
        <comment>Unreachable</comment>
        <translation>无法连接服务器 %1：%2

重试，还是取消并离线工作（在服务器恢复之前不能修改任何内容）？</translation>
    </message>
    <message>
        <source>The window is offline: the server %1 could not be reached. Nothing was changed; start the program again once the server is back.</source>
        <comment>Offline</comment>
        <translation>窗口处于离线状态：无法连接服务器 %1。未作任何修改；请在服务器恢复后重新启动程序。</translation>
    </message>
    <message>
        <source>Your role on the server is operator: you may measure samples, compare and keep lots, and read and write the meter, but not change libraries, colors, tolerances or backups. Ask a supervisor.</source>
        <comment>OperatorMayNot</comment>
        <translation>您在服务器上的角色是操作员：可以测量样品、比较、管理批次以及读写仪器，但不能修改色卡库、颜色、容差或备份。请联系主管。</translation>
    </message>
    <message>
        <source>History of changes</source>
        <comment>HistoryAction</comment>
        <translation>修改历史</translation>
    </message>
    <message>
        <source>Who changed the current library, when, at which bench, and what changed (kept on the server).</source>
        <comment>HistoryTip</comment>
        <translation>当前色卡库由谁、何时、在哪台工作站修改以及修改了什么（保存在服务器上）。</translation>
    </message>
    <message>
        <source>The history of changes is kept on a server only: start the program with --database postgresql://… to see it.</source>
        <comment>HistoryNeedsServer</comment>
        <translation>修改历史只保存在服务器上：请用 --database postgresql://… 启动程序后查看。</translation>
    </message>
    <message>
        <source>Choose a library first.</source>
        <comment>ChooseLibraryFirst</comment>
        <translation>请先选择一个色卡库。</translation>
    </message>
    <message>
        <source>The server holds no changes of the library %1.</source>
        <comment>HistoryEmpty</comment>
        <translation>服务器上没有色卡库 %1 的修改记录。</translation>
    </message>
    <message>
        <source>Cannot read the history of changes: %1</source>
        <comment>HistoryUnreadable</comment>
        <translation>无法读取修改历史：%1</translation>
    </message>
    <message>
        <source>Who</source>
        <comment>ColumnWho</comment>
        <translation>修改人</translation>
    </message>
    <message>
        <source>Bench</source>
        <comment>ColumnBench</comment>
        <translation>工作站</translation>
    </message>
    <message>
        <source>Change (old → new)</source>
        <comment>ColumnChange</comment>
        <translation>修改（原值 → 新值）</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>CloseButton</comment>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Library added</source>
        <comment>LibraryAdded</comment>
        <translation>色卡库已添加</translation>
    </message>
    <message>
        <source>Library changed</source>
        <comment>LibraryChanged</comment>
        <translation>色卡库已修改</translation>
    </message>
    <message>
        <source>Library removed</source>
        <comment>LibraryRemoved</comment>
        <translation>色卡库已删除</translation>
    </message>
    <message>
        <source>Color added</source>
        <comment>ColourAdded</comment>
        <translation>颜色已添加</translation>
    </message>
    <message>
        <source>Color changed</source>
        <comment>ColourChanged</comment>
        <translation>颜色已修改</translation>
    </message>
    <message>
        <source>Color removed</source>
        <comment>ColourRemoved</comment>
        <translation>颜色已删除</translation>
    </message>
    <message>
        <source>Tolerance set</source>
        <comment>ToleranceSet</comment>
        <translation>容差已设置</translation>
    </message>
    <message>
        <source>Tolerance changed</source>
        <comment>ToleranceChanged</comment>
        <translation>容差已修改</translation>
    </message>
    <message>
        <source>Tolerance removed</source>
        <comment>ToleranceRemoved</comment>
        <translation>容差已删除</translation>
    </message>
    <message>
        <source>The server refused the change: %1</source>
        <comment>ServerRefused</comment>
        <translation>服务器拒绝了此修改：%1</translation>
    </message>
    <message>
        <source>Backups of libraries on the server</source>
        <comment>BackupsTitle</comment>
        <translation>服务器上的色卡库备份</translation>
    </message>
    <message>
        <source>Taken by</source>
        <comment>ColumnTakenBy</comment>
        <translation>备份人</translation>
    </message>
    <message>
        <source>The server holds no backups of libraries.</source>
        <comment>NoServerBackups</comment>
        <translation>服务器上没有色卡库的备份。</translation>
    </message>
    <message>
        <source>Restore the library %1 as it was backed up at %2? A library stored under it now is backed up first and replaced.</source>
        <comment>AskServerRestore</comment>
        <translation>恢复 %2 备份的色卡库 %1？当前存储的同一色卡库会先备份，然后被替换。</translation>
    </message>
    <message>
        <source>Restored the library %1 (%2 colors) from the server&apos;s backup %3.</source>
        <comment>ServerRestored</comment>
        <translation>已从服务器备份 %3 恢复色卡库 %1（%2 个颜色）。</translation>
    </message>
    <message>
        <source>The backup could not be restored; nothing was changed. %1</source>
        <comment>ServerRestoreFailed</comment>
        <translation>无法恢复备份；未作任何修改。%1</translation>
    </message>
    <message>
        <source>The server holds no backup %1.</source>
        <comment>NoSuchBackup</comment>
        <translation>服务器上没有编号为 %1 的备份。</translation>
    </message>
    <message>
        <source>Lists the server&apos;s backups of libraries, newest first (the last 20 of each library).</source>
        <comment>BackupsSummary</comment>
        <translation>列出服务器上的色卡库备份，最新的在前（每个色卡库最近 20 个）。</translation>
    </message>
    <message>
        <source>Only the backups of this library (its ID).</source>
        <comment>BackupsLibraryOption</comment>
        <translation>只列出此色卡库（ID）的备份。</translation>
    </message>
    <message>
        <source>Restores a library from one of the server&apos;s backups (ID as backups lists it).</source>
        <comment>RestoreSummary</comment>
        <translation>从服务器的一个备份恢复色卡库（编号见 backups 的输出）。</translation>
    </message>
    <message>
        <source>The backup&apos;s ID.</source>
        <comment>BackupIdArgument</comment>
        <translation>备份编号。</translation>
    </message>
    <message>
        <source>Reconnect</source>
        <comment>Reconnect</comment>
        <translation>重新连接</translation>
    </message>
    <message>
        <source>Try the server again now; offline, the window also tries it every few seconds.</source>
        <comment>ReconnectTip</comment>
        <translation>立即再次连接服务器；离线时窗口也会每隔几秒自动尝试。</translation>
    </message>
    <message>
        <source>Server password</source>
        <comment>PasswordTitle</comment>
        <translation>服务器密码</translation>
    </message>
    <message>
        <source>The server %1 asks for a password: %2

Enter the password of this login:</source>
        <comment>PasswordAsk</comment>
        <translation>服务器 %1 需要密码：%2

请输入此登录的密码：</translation>
    </message>
    <message>
        <source>Remember in the keyring</source>
        <comment>RememberPassword</comment>
        <translation>记住密码（保存在系统密钥环中）</translation>
    </message>
    <message>
        <source>The password could not be kept in the keyring; it will be asked for next time.</source>
        <comment>PasswordNotKept</comment>
        <translation>无法将密码保存到密钥环；下次连接时会再次询问。</translation>
    </message>
</context>
<context>
    <name>TransferText</name>
    <message>
        <source>The color card library is empty, unable to download!</source>
        <comment>NothingToWrite</comment>
        <translation>色卡库数据为空，无法下载!</translation>
    </message>
    <message>
        <source>Please add color cards first, then download again!</source>
        <comment>AddColorsFirst</comment>
        <translation>请先添加色卡，再重新下载!</translation>
    </message>
    <message>
        <source>The quantity of color card %1 is 0. Please delete the color card and download again!</source>
        <comment>EmptyLibrary</comment>
        <translation>色卡%1数量为0，请删除色卡后重新下载!</translation>
    </message>
    <message>
        <source>Write content mismatch, unable to write!</source>
        <comment>WriteMismatch</comment>
        <translation>写入内容不匹配，无法写入!</translation>
    </message>
    <message>
        <source>Excel file error!</source>
        <comment>PayloadError</comment>
        <translation>Excel文件有错误！</translation>
    </message>
    <message>
        <source>Writing meter data, please wait</source>
        <comment>Writing</comment>
        <translation>正在将数据写入仪器，请等待...</translation>
    </message>
    <message>
        <source>Failed to write %1 package standard color card data to port!</source>
        <comment>PackageNotWritten</comment>
        <translation>写%1包标准色卡数据写端口失败！</translation>
    </message>
    <message>
        <source>Successfully written the color card to the instrument!</source>
        <comment>Written</comment>
        <translation>写入色卡到仪器成功！</translation>
    </message>
    <message>
        <source>Exporting meter data, please wait</source>
        <comment>Exporting</comment>
        <translation>正在导出仪器数据，请等待...</translation>
    </message>
    <message>
        <source>Writing to database, please wait</source>
        <comment>StoringExport</comment>
        <translation>正在写入数据库，请等待...</translation>
    </message>
    <message>
        <source>Export the color card data success!</source>
        <comment>Exported</comment>
        <translation>导出仪器色卡数据成功！</translation>
    </message>
    <message>
        <source>%1 exported colors have L*a*b* values outside L* -10 to 150, a* and b* -200 to 200, the first &quot;%2&quot; in the library &quot;%3&quot;: they were kept as the meter holds them, please check them!</source>
        <comment>ExportedImplausible</comment>
        <translation>导出的%1个颜色的L*a*b*值超出L* -10至150、a*和b* -200至200的范围，第一个是色卡库“%3”中的“%2”：已按仪器中的值保存，请检查！</translation>
    </message>
    <message>
        <source>Failed to write the total number of standard color cards and ports!</source>
        <comment>WriteTotalNotWritten</comment>
        <translation>写标准色卡总数写端口失败！</translation>
    </message>
    <message>
        <source>No message was received regarding the total number of standard color cards written!</source>
        <comment>WriteTotalNoReply</comment>
        <translation>写标准色卡总数没有接收到报文！</translation>
    </message>
    <message>
        <source>There is an error in the message received for writing the total number of standard color cards!</source>
        <comment>WriteTotalBadReply</comment>
        <translation>写标准色卡总数接收到的报文有错误！</translation>
    </message>
    <message>
        <source>写标准色卡总数,Write the total number of standard color cards, data error, unable to write!</source>
        <comment>WriteTotalMismatch</comment>
        <translation>写标准色卡总数,数据出错，无法写入！</translation>
    </message>
    <message>
        <source>Writing standard color card information and port failed!</source>
        <comment>WriteInfoNotWritten</comment>
        <translation>写标准色卡信息写端口失败！</translation>
    </message>
    <message>
        <source>No message received for writing standard color card information!</source>
        <comment>WriteInfoNoReply</comment>
        <translation>写标准色卡信息没有接收到报文！</translation>
    </message>
    <message>
        <source>The message received for writing standard color card information is incorrect!</source>
        <comment>WriteInfoBadReply</comment>
        <translation>写标准色卡信息接收到的报文有错误！</translation>
    </message>
    <message>
        <source>Writing standard color card information, data error, unable to write!</source>
        <comment>WriteInfoMismatch</comment>
        <translation>写标准色卡信息，数据出错，无法写入！</translation>
    </message>
    <message>
        <source>Failed to write empty packet message!</source>
        <comment>EmptyPacketNotWritten</comment>
        <translation>写空包报文不成功！</translation>
    </message>
    <message>
        <source>After writing an empty packet message, no message was received!</source>
        <comment>EmptyPacketNoReply</comment>
        <translation>写空包报文后没有接收到报文！</translation>
    </message>
    <message>
        <source>Writing failed!</source>
        <comment>EmptyPacketBadReply</comment>
        <translation>写入不成功！</translation>
    </message>
    <message>
        <source>Failed to read the total number of standard color cards and ports!</source>
        <comment>ReadTotalNotWritten</comment>
        <translation>读标准色卡总数写端口失败！</translation>
    </message>
    <message>
        <source>No message was received regarding the total number of standard color cards read!</source>
        <comment>ReadTotalNoReply</comment>
        <translation>读标准色卡总数没有接收到报文！</translation>
    </message>
    <message>
        <source>There is an error in the message received for reading the total number of standard color cards!</source>
        <comment>ReadTotalBadReply</comment>
        <translation>读标准色卡总数接收到的报文有错误！</translation>
    </message>
    <message>
        <source>Reading standard color card information and port failed!</source>
        <comment>ReadInfoNotWritten</comment>
        <translation>读标准色卡信息写端口失败！</translation>
    </message>
    <message>
        <source>No message received for reading standard color card information!</source>
        <comment>ReadInfoNoReply</comment>
        <translation>读标准色卡信息没有接收到报文！</translation>
    </message>
    <message>
        <source>The message received for reading standard color card information is incorrect!</source>
        <comment>ReadInfoBadReply</comment>
        <translation>读标准色卡信息接收到的报文有错误！</translation>
    </message>
    <message>
        <source>Reading standard color card data and port failed!</source>
        <comment>ReadDataNotWritten</comment>
        <translation>读标准色卡数据写端口失败！</translation>
    </message>
    <message>
        <source>No message received for reading standard color card data!</source>
        <comment>ReadDataNoReply</comment>
        <translation>读标准色卡数据没有接收到报文！</translation>
    </message>
    <message>
        <source>The message received for reading standard color card data is incorrect!</source>
        <comment>ReadDataBadReply</comment>
        <translation>读标准色卡数据接收到的报文有错误！</translation>
    </message>
</context>
<context>
    <name>colorcard::FirstPage</name>
    <message>
        <source>Modify library</source>
        <translation>色卡库修改</translation>
    </message>
    <message>
        <source>New library</source>
        <comment>dialog title</comment>
        <translation>色卡库新建</translation>
    </message>
</context>
<context>
    <name>colorcard::PageSwitcher</name>
    <message>
        <source>Libraries</source>
        <translation>色卡管理</translation>
    </message>
    <message>
        <source>Quality control</source>
        <translation>质量控制</translation>
    </message>
</context>
<context>
    <name>colorcard::QualityPage</name>
    <message>
        <source>Readings:</source>
        <translation>读数次数：</translation>
    </message>
    <message>
        <source>How many readings are averaged (1–10)</source>
        <translation>取几次读数的平均值（1–10）</translation>
    </message>
    <message>
        <source>Measure sample</source>
        <translation>测量样品</translation>
    </message>
    <message>
        <source>Sample</source>
        <comment>group title</comment>
        <translation>样品测量</translation>
    </message>
</context>
<context>
    <name>colorcard::ReadingCountBox</name>
    <message>
        <source>Readings:</source>
        <translation>读数次数：</translation>
    </message>
    <message>
        <source>How many readings are averaged (1–10)</source>
        <translation>取几次读数的平均值（1–10）</translation>
    </message>
</context>
</TS>
