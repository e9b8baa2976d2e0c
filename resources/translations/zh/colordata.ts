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
    <message>
        <source>删除此颜色（会先询问）。</source>
        <translation>删除此颜色（会先询问）。</translation>
    </message>
    <message>
        <source>用仪器的新测量值替换此颜色的数值（会先询问）。
需要：已连接仪器、已锁定色卡库。</source>
        <translation>用仪器的新测量值替换此颜色的数值（会先询问）。
需要：已连接仪器、已锁定色卡库。</translation>
    </message>
</context>
</TS>
