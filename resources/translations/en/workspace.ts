<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="zh_CN">
<context>
    <name>ColorCardDialog</name>
    <message>
        <source>色卡库名称：</source>
        <translation>Library name:</translation>
    </message>
    <message>
        <source>字母、数字、中线、下划线、空格</source>
        <translation>Letters, digits, -, _ and spaces</translation>
    </message>
    <message>
        <source>色卡库描述：</source>
        <translation>Library description:</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>最多10个字符，只能输入英文字母、数字、中线、下划线和空格；
名称和描述合计最多18个字符。</source>
        <translation>At most 10 characters, letters a-z and A-Z, digits, -, _ and spaces only;
name and description together at most 18 characters.</translation>
    </message>
</context>
<context>
    <name>ColorCardOperatorWidget</name>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>删除此色卡库及其全部颜色（会先询问）。
锁定的色卡库不能删除。</source>
        <translation>Delete this library and all its colors (asks first).
A locked library cannot be deleted.</translation>
    </message>
    <message>
        <source>修改此色卡库的名称和描述。</source>
        <translation>Change this library&apos;s name and description.</translation>
    </message>
</context>
<context>
    <name>FirstPage</name>
    <message>
        <source>仪器信息</source>
        <translation>Meter information</translation>
    </message>
    <message>
        <source>仪器型号：</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>色卡测量</source>
        <translation>Color measurement</translation>
    </message>
    <message>
        <source>当前色卡库名称：</source>
        <translation>Current library:</translation>
    </message>
    <message>
        <source>锁定</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>解锁</source>
        <translation>Unlock</translation>
    </message>
    <message>
        <source>色卡编号：</source>
        <translation>Color name:</translation>
    </message>
    <message>
        <source>字母、数字、中线、下划线、空格</source>
        <translation>Letters, digits, -, _ and spaces</translation>
    </message>
    <message>
        <source>测量</source>
        <translation>Measure</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>颜色数值：</source>
        <translation>Color values:</translation>
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
        <source>颜色预览：</source>
        <translation>Color preview:</translation>
    </message>
    <message>
        <source>色卡库设置</source>
        <translation>Library settings</translation>
    </message>
    <message>
        <source>新建色卡库</source>
        <translation>New library</translation>
    </message>
    <message>
        <source>色卡库ID</source>
        <translation>Library ID</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>描述</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>删除所有色卡数据</source>
        <translation>Delete all data</translation>
    </message>
    <message>
        <source>导入Excel数据</source>
        <translation>Import from Excel</translation>
    </message>
    <message>
        <source>保存Excel数据</source>
        <translation>Save to Excel</translation>
    </message>
    <message>
        <source>数据写入仪器</source>
        <translation>Write to meter</translation>
    </message>
    <message>
        <source>导出仪器数据</source>
        <translation>Export meter data</translation>
    </message>
    <message>
        <source>色卡ID</source>
        <translation>Color ID</translation>
    </message>
    <message>
        <source>色卡名称</source>
        <translation>Color name</translation>
    </message>
    <message>
        <source>色卡仪器科技有限公司</source>
        <translation>ColorCard Instruments Co., Ltd.</translation>
    </message>
    <message>
        <source>色卡库修改</source>
        <translation>Modify library</translation>
    </message>
    <message>
        <source>色卡库新建</source>
        <translation>New library</translation>
    </message>
    <message>
        <source>锁定当前色卡库：测量的颜色都存入该库。
测量前需要锁定。</source>
        <translation>Lock the current library: every measured color goes into it.
Measuring needs a locked library.</translation>
    </message>
    <message>
        <source>解锁当前色卡库，以便选择其他色卡库。</source>
        <translation>Unlock the current library to choose another one.</translation>
    </message>
    <message>
        <source>新颜色的名称：最多19个字符，只能输入英文字母、数字、中线、下划线和空格。
按回车键测量。</source>
        <translation>Name of the new color: at most 19 characters, letters a-z and A-Z, digits, -, _ and spaces only.
Press Return to measure.</translation>
    </message>
    <message>
        <source>读取仪器的测量值，以输入的名称存入锁定的色卡库。
需要：已连接仪器、已锁定色卡库。
快捷键：空格，或在名称栏中按回车。</source>
        <translation>Read the meter&apos;s measurement and store it under the typed name in the locked library.
Needs a connected meter and a locked library.
Keys: Space, or Return in the name field.</translation>
    </message>
    <message>
        <source>新建一个空的色卡库，输入名称和描述。</source>
        <translation>Create an empty library with a name and a description.</translation>
    </message>
    <message>
        <source>删除数据库中的全部色卡库和颜色（会先询问）。</source>
        <translation>Delete every library and color in the database (asks first).</translation>
    </message>
    <message>
        <source>从为本仪器保存的Excel文件导入色卡库，已有的色卡库会先询问是否覆盖。
需要：已连接仪器。</source>
        <translation>Import the libraries of an Excel file saved for this meter; asks before changing a library that exists.
Needs a connected meter.</translation>
    </message>
    <message>
        <source>将全部色卡库和颜色保存到一个Excel文件。</source>
        <translation>Save every library and color to an Excel file.</translation>
    </message>
    <message>
        <source>将全部色卡库写入仪器，替换仪器中的色卡库。
需要：已连接仪器，每个色卡库至少有一个颜色。</source>
        <translation>Write every library into the meter, replacing the meter&apos;s libraries.
Needs a connected meter and at least one color in every library.</translation>
    </message>
    <message>
        <source>读取仪器中的色卡库并存入数据库，已有的色卡库会先询问是否覆盖。
需要：已连接仪器。</source>
        <translation>Read the meter&apos;s libraries into the database; asks before changing a library that exists.
Needs a connected meter.</translation>
    </message>
</context>
</TS>
