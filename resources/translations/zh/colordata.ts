<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="zh_CN">
<context>
    <name>ColorDataOperatorWidget</name>
    <message>
        <source>删除</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>重测</source>
        <translation>重测</translation>
    </message>
</context>
</TS>
