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
</context>
</TS>
